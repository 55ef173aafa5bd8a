// The game as a screen reader sees it, in process: the board as a table of named cells, the
// events that make play heard, the status bar's texts, and a name on everything a player can
// focus or act on in every window.
#include "MainFormFixture.h"

#include "AccessibleEvents.h"

#include "Results.h"
#include "imgCmbo.h"

#include <QAccessible>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

namespace {

// Every event the program sends, as the desktop's bridge gets it.
struct Heard {
    QAccessible::Event type;
    QAccessible::Id target;
    QAccessibleTableModelChangeEvent::ModelChangeType change =
        QAccessibleTableModelChangeEvent::ModelReset;
};
std::vector<Heard> heard;

void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    Heard h{event->type(), iface ? QAccessible::uniqueId(iface) : 0};
    if (event->type() == QAccessible::TableModelChanged)
        h.change = static_cast<QAccessibleTableModelChangeEvent *>(event)->modelChangeType();
    heard.push_back(h);
}

class AccessibilityTest : public MainFormTest {
protected:
    void SetUp() override
    {
        heard.clear();
        quorbix::setAccessibleListener(hear);
    }
    void TearDown() override
    {
        MainFormTest::TearDown();
        quorbix::setAccessibleListener({});
    }

    // The board has the keyboard, in the active window.
    void focusBoard()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        grid()->setFocus();
    }

    QAccessibleInterface *board() const { return QAccessible::queryAccessibleInterface(grid()); }
    QAccessibleInterface *cellIface(int column, int row) const
    {
        return board()->tableInterface()->cellAt(row, column);
    }
    int count(QAccessible::Event type, QAccessibleInterface *target = nullptr) const
    {
        int n = 0;
        for (const Heard &h : heard)
            n += h.type == type && (!target || h.target == QAccessible::uniqueId(target)) ? 1 : 0;
        return n;
    }
};

// Kind 0 has a group of three in the bottom left corner; kind 1 a pair beside it.
const std::vector<std::string> ThreeAndPair = {
    "34343434343", "43434343434", "34343434343", "43434343434", "34343434343", "43434343434",
    "34343434343", "43434343434", "34343434343", "43434343434", "03434343434", "00113434343",
};

// Everything below iface a player can focus or act on and that has no name, as "path (role)".
void findUnnamed(QAccessibleInterface *iface, const QString &path, QStringList &unnamed)
{
    if (!iface || !iface->isValid()) return;
    const QAccessible::State state = iface->state();
    if (state.invisible) return;
    const QAccessibleActionInterface *actions = iface->actionInterface();
    const bool actionable = actions && !actions->actionNames().isEmpty();
    if ((state.focusable || actionable) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QStringLiteral("%1 (role %2)").arg(path).arg(int(iface->role()));
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        QString name = child && child->object() ? child->object()->objectName() : QString();
        findUnnamed(child, path + QLatin1Char('/') + (name.isEmpty() ? QString::number(i) : name),
                    unnamed);
    }
}

std::string unnamedIn(QWidget *window)
{
    QStringList unnamed;
    findUnnamed(QAccessible::queryAccessibleInterface(window),
                QString::fromLatin1(window->metaObject()->className()), unnamed);
    return unnamed.join(QStringLiteral(", ")).toStdString();
}

}  // namespace

TEST_F(AccessibilityTest, TheBoardIsATwelveRowTableOfNamedCells)
{
    open();
    QAccessibleInterface *table = board();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), "Board");
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 12);
    EXPECT_EQ(table->tableInterface()->columnCount(), 11);
    ASSERT_EQ(table->childCount(), 132);
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface *c = table->child(i);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->role(), QAccessible::Cell);
        EXPECT_TRUE(c->text(QAccessible::Name).endsWith(" ball"))
            << i << c->text(QAccessible::Name).toStdString();
        EXPECT_EQ(table->indexOfChild(c), i);
        EXPECT_EQ(c->parent(), table);
    }

    setField(form->game(), ThreeAndPair);
    QAccessibleInterface *corner = cellIface(0, 11);
    EXPECT_EQ(corner->text(QAccessible::Name), "Red ball");
    EXPECT_EQ(corner->text(QAccessible::Description), "column 1, row 12");
    EXPECT_EQ(cellIface(2, 11)->text(QAccessible::Name), "Green ball");
    EXPECT_EQ(corner->tableCellInterface()->columnIndex(), 0);
    EXPECT_EQ(corner->tableCellInterface()->rowIndex(), 11);
    EXPECT_EQ(table->childAt(corner->rect().center().x(), corner->rect().center().y()), corner);

    // The big pictures speak by what they show.
    item("KidsImages1")->trigger();
    EXPECT_EQ(cellIface(0, 11)->text(QAccessible::Name), "Ladybird");
    EXPECT_EQ(cellIface(2, 11)->text(QAccessible::Name), "Frog");
    form->game().boardForTesting().at(0, 0).state = engine::CellState::Empty;
    EXPECT_EQ(cellIface(0, 0)->text(QAccessible::Name), "Empty");
}

TEST_F(AccessibilityTest, TheFeedingModesAddTheWaitingColumnAsAThirteenthOfTwelveCells)
{
    open();
    item("AddLast1")->trigger();
    QAccessibleInterface *table = board();
    EXPECT_EQ(table->tableInterface()->columnCount(), 12);
    EXPECT_EQ(table->childCount(), 144);
    EXPECT_EQ(table->tableInterface()->columnDescription(11), "Waiting column");
    EXPECT_EQ(cellIface(11, 4)->text(QAccessible::Description), "waiting column, row 5");
    EXPECT_FALSE(cellIface(11, 4)->text(QAccessible::Name).isEmpty());
    bool reset = false;
    for (const Heard &h : heard)
        reset |= h.type == QAccessible::TableModelChanged &&
                 h.change == QAccessibleTableModelChangeEvent::ModelReset;
    EXPECT_TRUE(reset) << "the mode change sends a model change";

    item("Normal1")->trigger();
    EXPECT_EQ(table->childCount(), 132);
}

TEST_F(AccessibilityTest, ArrowsMoveTheFocusedCellAndSpaceSelectsTheGroupWithItsPoints)
{
    open();
    setField(form->game(), ThreeAndPair);
    focusBoard();
    for (int i = 0; i < 11; ++i) QTest::keyClick(grid(), Qt::Key_Down);
    heard.clear();

    QTest::keyClick(grid(), Qt::Key_Right);
    QAccessibleInterface *current = cellIface(1, 11);
    EXPECT_EQ(board()->focusChild(), current);
    EXPECT_TRUE(current->state().focused);
    EXPECT_FALSE(cellIface(0, 11)->state().focused);
    EXPECT_EQ(count(QAccessible::Focus, current), 1);

    QTest::keyClick(grid(), Qt::Key_Space);
    for (auto [column, row] : {std::pair{0, 10}, {0, 11}, {1, 11}}) {
        EXPECT_TRUE(cellIface(column, row)->state().selected) << column << "," << row;
        EXPECT_TRUE(cellIface(column, row)->tableCellInterface()->isSelected());
    }
    EXPECT_FALSE(cellIface(2, 11)->state().selected);
    EXPECT_EQ(board()->tableInterface()->selectedCellCount(), 3);
    EXPECT_EQ(current->text(QAccessible::Description), "column 2, row 12; group of 3, 6 points");
    EXPECT_EQ(count(QAccessible::SelectionWithin, board()), 1);
    EXPECT_EQ(count(QAccessible::StateChanged), 3);
    EXPECT_EQ(count(QAccessible::DescriptionChanged, current), 1);
}

TEST_F(AccessibilityTest, EnterSendsTheModelChangeTheNewNamesAndTheNewTotal)
{
    open();
    setField(form->game(), ThreeAndPair);
    focusBoard();
    for (int i = 0; i < 11; ++i) QTest::keyClick(grid(), Qt::Key_Down);
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(form->statusBar1());
    ASSERT_EQ(bar->childCount(), 5);
    QAccessibleInterface *total = bar->child(3);
    EXPECT_EQ(total->role(), QAccessible::StaticText);
    EXPECT_EQ(total->text(QAccessible::Name), "0");
    EXPECT_EQ(total->text(QAccessible::Description), "Total points");
    EXPECT_EQ(bar->child(2)->text(QAccessible::Name), "Total");
    EXPECT_EQ(bar->child(4)->text(QAccessible::Name), "Standard");
    heard.clear();

    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(total->text(QAccessible::Name), "6");
    EXPECT_EQ(count(QAccessible::NameChanged, total), 1);
    EXPECT_EQ(count(QAccessible::ValueChanged, total), 1);
    EXPECT_EQ(count(QAccessible::TableModelChanged, board()), 1);
    // The three red balls are gone: the column's top fell in, the row's cells closed up.
    EXPECT_EQ(cellIface(0, 0)->text(QAccessible::Name), "Empty");
    EXPECT_GE(count(QAccessible::NameChanged), 3);
    EXPECT_EQ(count(QAccessible::NameChanged, cellIface(0, 0)), 1);

    heard.clear();
    item("Undo2")->trigger();
    EXPECT_EQ(cellIface(0, 11)->text(QAccessible::Name), "Red ball");
    EXPECT_EQ(count(QAccessible::TableModelChanged, board()), 1);
    EXPECT_EQ(count(QAccessible::NameChanged, cellIface(0, 0)), 1);
    EXPECT_EQ(count(QAccessible::NameChanged, total), 1);
    heard.clear();
    item("Redo2")->trigger();
    EXPECT_EQ(count(QAccessible::TableModelChanged, board()), 1);
    heard.clear();
    item("NewGame1")->trigger();
    EXPECT_GE(count(QAccessible::TableModelChanged, board()), 1);
}

TEST_F(AccessibilityTest, TheUndoAndRedoArrowsAreNamedWithTheirKeys)
{
    open();
    QAccessibleInterface *menuBar = QAccessible::queryAccessibleInterface(form->menuBar());
    QStringList names;
    for (int i = 0; i < menuBar->childCount(); ++i)
        names << menuBar->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(names.contains("Undo")) << names.join(", ").toStdString();
    EXPECT_TRUE(names.contains("Redo"));
    QAccessibleInterface *undo = QAccessible::queryAccessibleInterface(item("Undo2"));
    EXPECT_EQ(undo->role(), QAccessible::MenuItem);
    EXPECT_EQ(undo->text(QAccessible::Accelerator),
              QKeySequence(Qt::CTRL | Qt::Key_Z).toString(QKeySequence::NativeText));
    EXPECT_TRUE(undo->state().disabled);
    EXPECT_EQ(undo->parent(), menuBar);
}

TEST_F(AccessibilityTest, EveryWindowNamesWhatAPlayerCanFocusOrActOnAndEscapeClosesIt)
{
    open();
    EXPECT_EQ(unnamedIn(form.get()), "");

    item("SmallImages1")->trigger();
    QStringList windows, stayed;
    QString gameOverText, promptField;
    ModalWatcher watcher;
    watcher.inspect = [&](QWidget *w) {
        const QString window = QString::fromLatin1(w->metaObject()->className());
        windows << window;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << window.toStdString();
        EXPECT_EQ(unnamedIn(w), "") << window.toStdString();
        if (qobject_cast<TResultForm *>(w)) gameOverText = iface->text(QAccessible::Description);
        if (auto *field = w->findChild<QLineEdit *>(); field && qobject_cast<QInputDialog *>(w))
            promptField = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
        if (w->property("ClosingDuration").isValid()) w->setProperty("ClosingDuration", 0);
        QTest::keyClick(w, Qt::Key_Escape);
        if (!QTest::qWaitFor([w] { return !w->isVisible(); })) stayed << window;
    };
    for (const char *command : {"SelectSymbols1", "dfdf1", "Showimagedispersion1", "About1"})
        item(command)->trigger();

    // The end of a game: the result, the name prompt, the high score list.
    std::vector<std::string> rows(12, "...........");
    rows[11] = "00.......1.";
    setField(form->game(), rows);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));

    EXPECT_EQ(windows, (QStringList{"TForm2", "THighScoreForm", "Tdispers_form", "TAboutBox",
                                    "TResultForm", "QInputDialog", "THighScoreForm"}));
    EXPECT_EQ(stayed, QStringList()) << "Escape closes every secondary window";
    EXPECT_EQ(gameOverText, "You ve earned 2 points \nYou have left 1 balls \n"
                            "so you receive a bonus of 1000 points !\nYour total score is: 1002!!");
    EXPECT_EQ(promptField, "Your name");
}
