// Playing through the board view: presses, double-clicks, keys, undo and redo, sounds, modes
// and the end of a game.
#include "MainFormFixture.h"

#include "HighScoreListU.h"
#include "ProfileFile.h"
#include "Results.h"
#include "SystemInfo.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using engine::CellState;

namespace {

// Kind 0 has a group of three in the bottom left corner; kind 1 a pair beside it.
const std::vector<std::string> ThreeAndPair = {
    "34343434343", "43434343434", "34343434343", "43434343434", "34343434343", "43434343434",
    "34343434343", "43434343434", "34343434343", "43434343434", "03434343434", "00113434343",
};

}  // namespace

TEST_F(MainFormTest, PressSelectsTheGroupAndDoubleClickRemovesIt)
{
    open();
    setField(form->game(), ThreeAndPair);

    QTest::mousePress(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_EQ(form->game().CurrentCell(), (engine::CellPos{0, 11}));
    EXPECT_EQ(cell(0, 10).state, CellState::Selected);
    EXPECT_EQ(cell(1, 11).state, CellState::Selected);
    EXPECT_EQ(cell(2, 11).state, CellState::Normal);
    EXPECT_EQ(panel(1), "6");
    EXPECT_TRUE(grid()->hasOverlay()) << "the points bubble";
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, cellCentre(0, 11));

    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_EQ(panel(3), "6");
    EXPECT_EQ(panel(1), "0") << "the press that ends a double-click selects nothing";
    EXPECT_FALSE(grid()->hasOverlay());
    for (int c = 0; c < engine::FieldColumns; ++c)
        for (int r = 0; r < engine::Rows; ++r) EXPECT_NE(cell(c, r).state, CellState::Selected);
    EXPECT_TRUE(item("Undo2")->isEnabled());
}

TEST_F(MainFormTest, RightPressUsesTheCurrentCellAndDragKeepsTheSelection)
{
    open();
    setField(form->game(), ThreeAndPair);

    // The left press makes (2, 11) current; the drag moves the current cell, not the selection.
    QTest::mousePress(grid(), Qt::LeftButton, {}, cellCentre(2, 11));
    QTest::mouseMove(grid(), cellCentre(0, 11));
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_EQ(form->game().CurrentCell(), (engine::CellPos{0, 11}));
    EXPECT_EQ(cell(2, 11).state, CellState::Selected);
    EXPECT_EQ(cell(0, 11).state, CellState::Normal);
    EXPECT_EQ(panel(1), "2");

    // A right press over (5, 5) selects the group of the current cell (0, 11).
    QTest::mousePress(grid(), Qt::RightButton, {}, cellCentre(5, 5));
    EXPECT_EQ(form->game().CurrentCell(), (engine::CellPos{0, 11}));
    EXPECT_EQ(cell(0, 11).state, CellState::Selected);
    EXPECT_EQ(cell(5, 5).state, CellState::Normal);
    EXPECT_EQ(panel(1), "6");
}

TEST_F(MainFormTest, KeysMoveTheCurrentCellAndPlayWithoutAMouse)
{
    open();
    setField(form->game(), ThreeAndPair);
    grid()->setFocus();
    for (int i = 0; i < 11; ++i) QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Left);
    QTest::keyClick(grid(), Qt::Key_Left);  // stops at the edge
    EXPECT_EQ(form->game().CurrentCell(), (engine::CellPos{0, 11}));
    EXPECT_EQ(cell(0, 11).state, CellState::Normal) << "arrow keys select nothing";

    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(cell(1, 11).state, CellState::Selected);
    EXPECT_EQ(panel(1), "6");
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(panel(3), "6");
    EXPECT_EQ(panel(1), "0");
}

TEST_F(MainFormTest, EnterRemovesTheCurrentCellsGroupAndKeepsTheUndoStep)
{
    open();
    setField(form->game(), ThreeAndPair);
    grid()->setFocus();
    for (int i = 0; i < 11; ++i) QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Space);  // the three 0s
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Return);  // the pair of 1s under the current cell
    EXPECT_EQ(panel(3), "2");
    EXPECT_EQ(cell(0, 11).kind, 0);
    EXPECT_EQ(cell(0, 11).state, CellState::Normal);

    // Nothing is selected after a removal; Enter still removes the current cell's group, so
    // undo takes back that removal and not an empty one.
    QTest::keyClick(grid(), Qt::Key_Left);
    QTest::keyClick(grid(), Qt::Key_Left);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(panel(3), "8");
    item("Undo2")->trigger();
    EXPECT_EQ(panel(3), "2");
    EXPECT_EQ(cell(0, 11).state, CellState::Selected);
}

TEST_F(MainFormTest, PressesOnTheGridsBorderAreNotTheGrids)
{
    open();
    setField(form->game(), ThreeAndPair);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));  // the three 0s
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Right);  // the current cell is on the pair of 1s
    const QPoint border(1, grid()->height() - 1);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, border);
    QTest::mouseClick(grid(), Qt::RightButton, {}, border);
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, border);
    EXPECT_EQ(cell(0, 11).state, CellState::Selected) << "the selection stays as it was";
    EXPECT_EQ(cell(2, 11).state, CellState::Normal);
    EXPECT_EQ(panel(3), "0") << "nothing removed";
    EXPECT_FALSE(item("Undo2")->isEnabled());
}

TEST_F(MainFormTest, TheBubbleGoesAtTheTimersTick)
{
    open();
    setField(form->game(), ThreeAndPair);
    auto *timer = form->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_TRUE(grid()->hasOverlay());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(grid()->hasOverlay());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(cell(0, 11).state, CellState::Selected) << "the selection outlives the bubble";
}

TEST_F(MainFormTest, UndoAndRedoTakeTurnsAndFollowTheTotal)
{
    open();
    EXPECT_FALSE(item("Undo2")->isEnabled());
    EXPECT_FALSE(item("Redo2")->isEnabled());
    setField(form->game(), ThreeAndPair);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    const engine::Board afterRemoval = form->game().board();

    item("Undo2")->trigger();
    EXPECT_EQ(panel(3), "0");
    EXPECT_EQ(cell(0, 11).state, CellState::Selected) << "the removed group comes back selected";
    EXPECT_FALSE(item("Undo2")->isEnabled());
    EXPECT_TRUE(item("Redo2")->isEnabled());

    item("Redo2")->trigger();
    EXPECT_EQ(panel(3), "6");
    EXPECT_TRUE(form->game().board() == afterRemoval);
    EXPECT_TRUE(item("Undo2")->isEnabled());
    EXPECT_FALSE(item("Redo2")->isEnabled());

    // A new game keeps undo available.
    item("NewGame1")->trigger();
    EXPECT_TRUE(item("Undo2")->isEnabled());
    EXPECT_EQ(panel(3), "0");
}

TEST_F(MainFormTest, TheDesktopsKeysReachTheCommandsFromTheBoardWhileTheirItemsAreEnabled)
{
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(grid()->hasFocus());
    setField(form->game(), ThreeAndPair);
    const auto key = [this](int code, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(grid(), static_cast<Qt::Key>(code), modifiers);
    };

    key(Qt::Key_Z, Qt::ControlModifier);  // nothing to undo yet: the key does nothing
    EXPECT_EQ(cell(0, 11).state, CellState::Normal);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    ASSERT_EQ(panel(3), "6");

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(panel(3), "0");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(panel(3), "6");
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(panel(3), "6");

    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(panel(3), "0");
    EXPECT_NE(cell(0, 11).state, CellState::Empty) << "a new game was dealt";

    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainFormTest, F1OpensTheHelp)
{
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QSignalSpy help(item("Help2"), &QAction::triggered);
    ModalWatcher watcher;  // the message box that says there is no help file here
    QTest::keyClick(grid(), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
}

TEST_F(MainFormTest, SoundsPlayOnlyWhileSwitchedOn)
{
    open();
    // A group of seven plays "DIP"; one of six does not.
    const std::vector<std::string> seven = {
        "34343434343", "43434343434", "34343434343", "43434343434", "34343434343", "43434343434",
        "34343434343", "43434343434", "34343434343", "43434343434", "00043434343", "00001111113",
    };
    setField(form->game(), seven);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_EQ(sounds.played, QStringList{"DIP"});
    sounds.played.clear();
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(9, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(9, 11));
    EXPECT_EQ(panel(3), "72");
    EXPECT_TRUE(sounds.played.isEmpty());

    item("Soundson1")->trigger();
    EXPECT_FALSE(form->soundsOn());
    setField(form->game(), seven);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_TRUE(sounds.played.isEmpty());

    // The end of a game that enters the high score list is silent too.
    ModalWatcher watcher;
    setField(form->game(), {"00.......1."});
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    EXPECT_TRUE(watcher.classNames().contains("THighScoreForm"));
    EXPECT_TRUE(sounds.played.isEmpty()) << "neither GONG nor APPLAUSE";
}

TEST_F(MainFormTest, AModeChangeRulesTheNextRemovalButNamesAndWidensOnlyAtANewGame)
{
    open();
    EXPECT_EQ(panel(4), "Standard");
    const int narrow = form->width();
    item("Shifter1")->trigger();
    EXPECT_TRUE(item("Shifter1")->isChecked());
    EXPECT_FALSE(item("Normal1")->isChecked());
    EXPECT_EQ(form->game().gameMode(), engine::GameMode::Shifter);
    EXPECT_EQ(panel(4), "Standard");

    // Shifter packs every row to the right: the two cells that the pair's columns lose at the
    // top open a gap that the top row closes by moving right.
    setField(form->game(), ThreeAndPair);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(2, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(2, 11));
    EXPECT_EQ(cell(0, 0).state, CellState::Empty);
    EXPECT_EQ(cell(1, 0).state, CellState::Empty);
    EXPECT_EQ(cell(2, 0).kind, 3);
    EXPECT_EQ(cell(3, 0).kind, 4);

    item("AddLast1")->trigger();
    EXPECT_EQ(form->width(), narrow) << "the width follows at the next new game";
    item("NewGame1")->trigger();
    EXPECT_EQ(panel(4), "Add Mega Row");
    EXPECT_EQ(form->width(), narrow + 29);
}

TEST_F(MainFormTest, TheEndOfAGameShowsTheResultThenTheHighScores)
{
    open();
    ModalWatcher watcher;
    QString results, leftover, bonus, total;
    watcher.inspect = [&](QWidget *w) {
        if (auto *result = qobject_cast<TResultForm *>(w)) {
            results = result->Results();
            leftover = result->Leftover();
            bonus = result->Bonus();
            total = result->label6()->text();
        }
    };
    // One pair and a lone symbol: removing the pair ends the game with one symbol left.
    setField(form->game(), {"00.......1."});
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));

    ASSERT_GE(watcher.seen.size(), 2u);
    EXPECT_EQ(watcher.seen.front().className, "TResultForm");
    EXPECT_EQ(watcher.seen.back().className, "THighScoreForm");
    EXPECT_EQ(results, "You ve earned 2 points ");
    EXPECT_EQ(leftover, "You have left 1 balls ");
    EXPECT_EQ(bonus, "so you receive a bonus of 1000 points !");
    EXPECT_EQ(total, "Your total score is: 1002!!");
    EXPECT_EQ(sounds.played, (QStringList{"GONG", "APPLAUSE"}));
    EXPECT_EQ(panel(3), "2") << "the bonus never enters the total";
    EXPECT_EQ(form->game().SymbolsLeft(), 1) << "the finished board stays";

    // Undo after the end lets play go on.
    item("Undo2")->trigger();
    EXPECT_EQ(form->game().SymbolsLeft(), 3);
    EXPECT_TRUE(form->game().AnyMoveLeft());
}

// The desktop session ends while the game-over window is open: every loop ends, so no name can
// be asked for, yet the game that earned a place is stored, under the name the prompt offers.
TEST_F(MainFormTest, ASessionEndInTheGameOverWindowStillStoresTheHighScore)
{
    open();
    ModalWatcher watcher;
    watcher.inspect = [&](QWidget *w) {
        if (qobject_cast<TResultForm *>(w)) form->EndSession();
    };
    std::vector<std::string> rows(12, "...........");
    rows[11] = "00.......1.";
    setField(form->game(), rows);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    // The session's end stopped the application's loops; a run of its own loop lets the tests
    // that follow run theirs again.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();

    EXPECT_EQ(watcher.classNames(), QStringList("TResultForm"));
    const platform::ProfileFile hsl(platform::highScoreFilePath());
    EXPECT_EQ(hsl.readKeys("high score"), QStringList(StorableName(platform::loginName()) + "_0"));
    EXPECT_EQ(hsl.readIntegerSection("high score", 0).front().second, 1002);
}

TEST_F(MainFormTest, AHugeTotalEntersTheHighScoreListClampedNotWrappedAround)
{
    open();
    ModalWatcher watcher;
    watcher.inspect = [](QWidget *w) {
        if (auto *prompt = qobject_cast<QInputDialog *>(w)) {
            prompt->setTextValue(QStringLiteral("Marathon"));
            prompt->accept();
        }
    };
    // The pair ends the game with one symbol left: a bonus of 1000.
    setField(form->game(), {"00.......1."});
    form->game().setTotalScoreForTesting(engine::TotalScore::fromPoints(2147483600LL));
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    ASSERT_TRUE(watcher.classNames().contains("QInputDialog"));

    // The high score window has written its list on closing: P + bonus is 2147484602, which a
    // 32-bit score cannot hold, so the entry is the largest one it can.
    const QByteArray list = readTextFile(exeDir.filePath("quorbix.hsl"));
    EXPECT_TRUE(list.contains("Marathon")) << list.constData();
    EXPECT_TRUE(list.contains("=2147483647")) << list.constData();
}
