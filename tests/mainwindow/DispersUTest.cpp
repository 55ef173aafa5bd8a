// The dispersion window: what it counts on the board and how it shows counts and pictures.

#include "DispersU.h"

#include "Game.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using engine::Board;
using engine::CellState;

Board emptyBoard()
{
    Board board;
    for (int column = 0; column < engine::BoardColumns; ++column)
        for (int row = 0; row < engine::Rows; ++row) board.at(column, row).state = CellState::Empty;
    return board;
}

// Five pictures of one size, each a colour of its own.
std::array<QPixmap, 5> pictures(int size)
{
    const std::array<QColor, 5> colours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};
    std::array<QPixmap, 5> result;
    for (int kind = 0; kind < 5; ++kind) {
        result[kind] = QPixmap(size, size);
        result[kind].fill(colours[kind]);
    }
    return result;
}

QString labelText(const QWidget &form, int label)
{
    return form.findChild<QLabel *>(QStringLiteral("Label%1").arg(label))->text();
}

TEST(CountImageDispersion, ANewDealCountsAllFieldCellsInTheBalancedShapeButNotTheFeeder)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        engine::Game game([seed] { return seed * 2654435761u; });
        game.NewGame();
        const ImageDispersion dispersion = CountImageDispersion(game.board());
        EXPECT_EQ(dispersion.total, 132);

        std::array<int, 5> sorted = dispersion.counts;
        std::sort(sorted.begin(), sorted.end());
        const bool twoExtraOfOneKind = sorted == std::array<int, 5>{26, 26, 26, 26, 28};
        const bool oneExtraOfTwoKinds = sorted == std::array<int, 5>{26, 26, 26, 27, 27};
        EXPECT_TRUE(twoExtraOfOneKind || oneExtraOfTwoKinds) << "seed " << seed;
    }
}

TEST(CountImageDispersion, LeavesTheSelectedGroupOut)
{
    engine::Game game([] { return 777u; });
    game.NewGame();
    const ImageDispersion before = CountImageDispersion(game.board());

    // The first cell whose group has two or more symbols; its preview of n x (n - 1) points
    // tells n.
    engine::CellPos pressed;
    int points = 0;
    for (int cell = 0; cell < engine::TotalCells && points == 0; ++cell) {
        pressed = {cell / engine::Rows, cell % engine::Rows};
        game.DrawGrid1SelectCell(pressed.column, pressed.row);
        points = game.SelectGroup().previewPoints;
    }
    int selected = 2;
    while (selected * (selected - 1) < points) ++selected;
    ASSERT_EQ(selected * (selected - 1), points);
    const int kind = game.board().at(pressed.column, pressed.row).kind;

    const ImageDispersion after = CountImageDispersion(game.board());
    EXPECT_EQ(after.total, 132 - selected);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(after.counts[k], before.counts[k] - (k == kind ? selected : 0)) << k;
}

TEST(CountImageDispersion, CountsOnlyNormalSymbolsOfTheField)
{
    Board board = emptyBoard();
    EXPECT_EQ(CountImageDispersion(board).total, 0);

    board.at(0, 11) = {3, CellState::Normal, 0};
    board.at(10, 0) = {3, CellState::Normal, 1};
    board.at(5, 6) = {0, CellState::Normal, 0};
    board.at(5, 7) = {0, CellState::Selected, 0};
    board.at(6, 6) = {4, CellState::Empty, 0};
    board.at(1, 0) = {engine::FillerKind, CellState::Normal, 0};  // no kind of its own
    board.at(2, 0) = {200, CellState::Normal, 0};                 // junk must not be counted
    for (int row = 0; row < engine::Rows; ++row)
        board.at(engine::FeederColumn, row) = {1, CellState::Normal, 0};

    const ImageDispersion dispersion = CountImageDispersion(board);
    EXPECT_EQ(dispersion.counts, (std::array<int, 5>{1, 0, 0, 2, 0}));
    EXPECT_EQ(dispersion.total, 3);
}

TEST(DispersionWindow, ShowsCountsAndTotal)
{
    Tdispers_form form;
    form.showDispersion(CountImageDispersion(emptyBoard()), pictures(24));
    for (int label = 1; label <= 5; ++label) EXPECT_EQ(labelText(form, label), "0 times");
    EXPECT_EQ(labelText(form, 6), "0 total");

    form.showDispersion({{26, 27, 0, 26, 3}, 82}, pictures(24));
    EXPECT_EQ(labelText(form, 1), "26 times");
    EXPECT_EQ(labelText(form, 2), "27 times");
    EXPECT_EQ(labelText(form, 3), "0 times");
    EXPECT_EQ(labelText(form, 5), "3 times");
    EXPECT_EQ(labelText(form, 6), "82 total");

    // A screen reader hears each count with what its picture shows.
    form.showDispersion({{26, 27, 0, 26, 3}, 82}, pictures(24),
                        {"Red ball", "Green ball", "Blue ball", "Yellow ball", "Magenta ball"});
    EXPECT_EQ(form.findChild<QLabel *>("Label2")->accessibleName(), "Green ball: 27 times");
    EXPECT_EQ(labelText(form, 2), "27 times") << "what shows stays as it was";

    const QFont countFont = form.findChild<QLabel *>("Label6")->font();
    EXPECT_EQ(countFont.pixelSize(), 13);
    EXPECT_TRUE(countFont.bold());
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(DispersionWindow, PicturesSitUnscaledAtTheTopLeftOfTheirBoxesOnWhite)
{
    // Box k + 1 is at (23, top) with its picture area at (4, 4), box 2's at (4, 5).
    const std::array<QPoint, 5> areas = {QPoint(27, 9), QPoint(27, 57), QPoint(27, 103),
                                         QPoint(28, 150), QPoint(27, 198)};
    for (const int size : {24, 16, 32}) {
        Tdispers_form form;
        form.showDispersion({}, pictures(size));
        const QImage shot = form.grab().toImage();
        for (int kind = 0; kind < 5; ++kind) {
            const QPoint area = areas[kind];
            const QRgb colour = pictures(size)[kind].toImage().pixel(0, 0);
            EXPECT_EQ(shot.pixel(area), colour) << size << " kind " << kind;
            EXPECT_EQ(shot.pixel(area + QPoint(size - 1, size - 1)), colour);
            EXPECT_EQ(shot.pixel(area + QPoint(size, 0)), qRgb(255, 255, 255));
            EXPECT_EQ(shot.pixel(area + QPoint(0, size)), qRgb(255, 255, 255));
        }
    }
}

TEST(DispersionWindow, IsAFixedDialogThatRunsModallyUntilClosed)
{
    engine::Game game([] { return 99u; });
    game.NewGame();

    QString total;
    QSize client;
    Qt::WindowFlags flags;
    QTimer::singleShot(0, [&] {
        QWidget *form = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<Tdispers_form *>(form), nullptr);
        total = labelText(*form, 6);
        client = form->size();
        flags = form->windowFlags();
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        form->close();
    });
    ShowImageDispersion(nullptr, game.board(), pictures(24));

    EXPECT_EQ(total, "132 total");
    EXPECT_EQ(client, QSize(167, 282));
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

}  // namespace
