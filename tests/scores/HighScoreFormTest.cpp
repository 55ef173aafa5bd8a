// The high score window: its layout, the name prompt, the entry it adds and selects, the file it
// writes when destroyed, and when ShowHighScores opens it at all.
#include "HighScoreListU.h"

#include "AtomicWrite.h"
#include "ModalScript.h"
#include "ProfileFile.h"
#include "RecordingSoundService.h"
#include "Resources.h"
#include "ScoreFiles.h"
#include "SystemInfo.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHeaderView>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableWidget>

#include <limits>

#include <sys/stat.h>

namespace {

void closeForm(THighScoreForm *form)
{
    form->setClosingDuration(0);
    form->close();
}

std::function<void(QInputDialog *)> typeName(const QString &name)
{
    return [name](QInputDialog *prompt) {
        prompt->setTextValue(name);
        prompt->accept();
    };
}

QTableWidget *table(const THighScoreForm &form) { return form.findChild<QTableWidget *>("vl"); }

QStringList column(const THighScoreForm &form, int col)
{
    QStringList cells;
    for (int row = 0; row < table(form)->rowCount(); ++row)
        cells << table(form)->item(row, col)->text();
    return cells;
}

int selectedRow(const THighScoreForm &form)
{
    const auto rows = table(form)->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

// Shows the window and lets it load, ask and fill its table.
void open(THighScoreForm &form)
{
    form.show();
    QCoreApplication::processEvents();
}

class HighScoreFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        resources::init();
        resources::registerFonts();
    }

    TempExeDir exeDir;
    RecordingSoundService sounds;
};

}  // namespace

TEST_F(HighScoreFormTest, LayoutIsTheTwoColumnTable)
{
    THighScoreForm form;
    // 376 x 312 with the sizeable frame and the caption bar around it.
    EXPECT_EQ(form.size(), QSize(368, 285));
    EXPECT_EQ(form.windowTitle(), "High Scores");
    QTableWidget *vl = table(form);
    ASSERT_NE(vl, nullptr);
    form.layout()->activate();
    EXPECT_EQ(vl->geometry(), form.rect());
    // The two columns and a full list of ten fit without scrolling.
    const int frame = 2 * vl->frameWidth();
    EXPECT_GE(vl->width() - frame, 300 + 62);
    EXPECT_GE(vl->height() - frame - vl->horizontalHeader()->height(), 10 * 24);
    EXPECT_EQ(vl->horizontalHeaderItem(0)->text(), "Player");
    EXPECT_EQ(vl->horizontalHeaderItem(1)->text(), "Score");
    EXPECT_EQ(vl->horizontalHeaderItem(0)->background().color(), QColor(Qt::yellow));
    EXPECT_EQ(vl->columnWidth(0), 300);
    EXPECT_EQ(vl->columnWidth(1), 62);
    EXPECT_EQ(vl->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(vl->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    EXPECT_EQ(vl->horizontalHeader()->height(), 24);
    EXPECT_EQ(vl->verticalHeader()->defaultSectionSize(), 24);
    EXPECT_FALSE(vl->verticalHeader()->isVisible());
    EXPECT_FALSE(vl->showGrid());
    EXPECT_EQ(vl->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(vl->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(vl->font().bold());
    EXPECT_EQ(vl->font().pixelSize(), 16);
    EXPECT_EQ(vl->font().family(), "Berlin Sans FB Demi");
    EXPECT_EQ(vl->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(vl->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(HighScoreFormTest, ViewingShowsTheListUnderItsSectionNameAndRewritesIt)
{
    writeHighScoreFile("; our scores\n[high score]\nZed=50\nAnn_4=900\nBob_9=x\n"
                       "[high score: shifter]\nQ_0=1\nforeign line\n");
    {
        THighScoreForm form;
        form.setMode(0);
        open(form);
        EXPECT_EQ(form.windowTitle(), "high score");
        EXPECT_EQ(column(form, 0), QStringList({"Ann", "Zed", "Bob"}));
        EXPECT_EQ(column(form, 1), QStringList({"900", "50", "0"}));
        // Nothing was added, so the last row scoring 0 is the one selected.
        EXPECT_EQ(form.LastTotal(), 0);
        EXPECT_EQ(selectedRow(form), 2);
        EXPECT_EQ(readHighScoreFile().left(12), "; our scores");  // nothing written yet
    }
    EXPECT_EQ(readHighScoreFile(), "; our scores\n[high score]\nAnn_0=900\nZed_1=50\nBob_2=0\n"
                                   "[high score: shifter]\nQ_0=1\nforeign line\n");
}

TEST_F(HighScoreFormTest, ViewingWithoutAZeroScoreSelectsTheBestRow)
{
    writeHighScoreFile("[high score: Add Row]\nA_0=10\nB_1=20\n");
    THighScoreForm form;
    form.setMode(2);
    open(form);
    EXPECT_EQ(form.windowTitle(), "high score: Add Row");
    EXPECT_EQ(selectedRow(form), 0);
}

TEST_F(HighScoreFormTest, TheNamePromptOffersTheLoginNameSelected)
{
    bool asked = false;
    ModalScript script;
    script.then<QInputDialog>([&](QInputDialog *prompt) {
        asked = true;
        EXPECT_EQ(prompt->windowTitle(), "You entered the high score list!");
        EXPECT_EQ(prompt->labelText(), "Please enter your name");
        const QLineEdit *edit = prompt->findChild<QLineEdit *>();
        EXPECT_EQ(edit->text(), platform::loginName());
        EXPECT_EQ(edit->selectedText(), edit->text());
        EXPECT_EQ(edit->maxLength(), 255);
        const auto *box = prompt->findChild<QDialogButtonBox *>();
        EXPECT_EQ(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        // Wide enough for the caption in a bold title bar font, with room for the buttons.
        QFont title = prompt->font();
        title.setBold(true);
        EXPECT_GE(prompt->width(),
                  QFontMetrics(title).horizontalAdvance(prompt->windowTitle()) + 96);
        prompt->reject();
    });
    THighScoreForm form;
    form.setAddValue(true);
    open(form);
    EXPECT_TRUE(asked);
}

TEST_F(HighScoreFormTest, TheExampleListIsWrittenByteForByte)
{
    writeHighScoreFile("[high score: shifter]\nBob_0=700\nAnn_1=415\n");
    {
        ModalScript script;
        script.then<QInputDialog>(typeName("Ann"));
        THighScoreForm form;
        form.setMode(1);
        form.setAddValue(true);
        form.setActualScore(900);
        form.setBonus(50);
        open(form);
        EXPECT_EQ(form.LastTotal(), 950);
        EXPECT_EQ(selectedRow(form), 0);
    }
    EXPECT_EQ(readHighScoreFile(), "[high score: shifter]\nAnn_0=950\nBob_1=700\nAnn_2=415\n");
}

TEST_F(HighScoreFormTest, CancelOrAnEmptyNameAddsNothing)
{
    const QByteArray ten = tenEntries("high score");
    for (const bool cancel : {true, false}) {
        writeHighScoreFile(ten);
        {
            ModalScript script;
            if (cancel)
                script.then<QInputDialog>([](QInputDialog *prompt) { prompt->reject(); });
            else
                script.then<QInputDialog>(typeName("   "));
            THighScoreForm form;
            form.setAddValue(true);
            form.setActualScore(5000);
            open(form);
            EXPECT_EQ(script.handled(), 1);
            EXPECT_EQ(table(form)->rowCount(), 10);
            EXPECT_EQ(column(form, 1).back(), "100");
            EXPECT_EQ(selectedRow(form), 0);
        }
        ScoreList stored;
        stored.LoadScores(platform::ProfileFile(platform::highScoreFilePath()), "high score");
        EXPECT_EQ(stored.entries().size(), 10u);
        EXPECT_EQ(stored.LowestScore(), 100);
    }
}

TEST_F(HighScoreFormTest, AnEqualTotalSelectsTheLowerOfTheEqualRows)
{
    writeHighScoreFile("[high score]\nA_0=900\nB_1=500\nC_2=300\n");
    ModalScript script;
    script.then<QInputDialog>(typeName("New"));
    THighScoreForm form;
    form.setAddValue(true);
    form.setActualScore(480);
    form.setBonus(20);
    open(form);
    EXPECT_EQ(column(form, 1), QStringList({"900", "500", "500", "300"}));
    EXPECT_EQ(selectedRow(form), 2);
}

TEST_F(HighScoreFormTest, AFullListAsksOnlyForPointsAboveItsLowest)
{
    writeHighScoreFile(tenEntries("high score"));
    ModalScript script;
    script.then<QInputDialog>(typeName("Never"));
    THighScoreForm form;
    form.setAddValue(true);
    form.setActualScore(100);  // the bonus does not count for the decision
    form.setBonus(1000);
    open(form);
    EXPECT_EQ(script.handled(), 0);
    EXPECT_EQ(table(form)->rowCount(), 10);
}

TEST_F(HighScoreFormTest, AHostileNameCannotTouchOtherEntriesOrSections)
{
    writeHighScoreFile("[high score]\nAnn_0=10\n[high score: shifter]\nBob_0=20\n");
    const QString hostile = "Eve\n[high score: shifter]\nMallory_0=99999";
    {
        ModalScript script;
        script.then<QInputDialog>(typeName(hostile));
        THighScoreForm form;
        form.setAddValue(true);
        form.setActualScore(50);
        open(form);
        EXPECT_EQ(column(form, 0).front(), StorableName(hostile));
    }
    const platform::ProfileFile file(platform::highScoreFilePath());
    EXPECT_EQ(file.readKeys("high score").size(), 2);
    EXPECT_EQ(file.readKeys("high score: shifter"), QStringList({"Bob_0"}));

    // Shown after reopening exactly as it was shown when entered.
    THighScoreForm again;
    open(again);
    EXPECT_EQ(column(again, 0).front(), StorableName(hostile));
}

TEST_F(HighScoreFormTest, NamesWithUnderscoresAndAccentsComeBackAsTyped)
{
    writeHighScoreFile("[high score]\nA_0=900\nB_1=800\nC_2=700\nD_3=100\n");
    {
        ModalScript script;
        script.then<QInputDialog>(typeName("a_b"));
        THighScoreForm form;
        form.setAddValue(true);
        form.setActualScore(500);
        open(form);
    }
    {
        ModalScript script;
        script.then<QInputDialog>(typeName("Zoë Ørsted"));
        THighScoreForm form;
        form.setAddValue(true);
        form.setActualScore(50);
        open(form);
    }
    EXPECT_EQ(readHighScoreFile(), QString("[high score]\nA_0=900\nB_1=800\nC_2=700\na_b_3=500\n"
                                           "D_4=100\nZoë Ørsted_5=50\n")
                                       .toUtf8());
    THighScoreForm view;
    open(view);
    EXPECT_EQ(column(view, 0), QStringList({"A", "B", "C", "a_b", "D", "Zoë Ørsted"}));
}

TEST_F(HighScoreFormTest, AWindowNeverShownWritesNothing)
{
    {
        THighScoreForm form;
    }
    EXPECT_FALSE(QFile::exists(platform::highScoreFilePath()));
}

TEST_F(HighScoreFormTest, AWriteFailureIsReportedAndTheOldFileStaysWhole)
{
    const QByteArray before = "[high score]\nAnn_7=10\nBob=20\n";
    writeHighScoreFile(before);
    // Another copy of the game that never lets go of the file's lock.
    QLockFile held(platform::lockFileFor(platform::highScoreFilePath()));
    ASSERT_TRUE(held.tryLock(0));

    QString shown;
    {
        ModalScript script;
        script.then<QMessageBox>([&](QMessageBox *box) {
            shown = box->text();
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            box->accept();
        });
        THighScoreForm form;
        open(form);
    }
    // The message names what stands in the way: the lock another game holds.
    EXPECT_EQ(shown, "Unable to write to " + platform::lockFileFor(platform::highScoreFilePath()));
    EXPECT_EQ(readHighScoreFile(), before);
}

// A list that is already stored as the window would store it is only looked at: nothing is
// written, so a read-only file shows no error, a lock another game holds costs no wait, and
// names kept in the old code page, comments and all keep their bytes.
TEST_F(HighScoreFormTest, ViewingAListStoredInOrderWritesNothing)
{
    const QByteArray before = "[high score]\n; office league\nJ\xFCrgen_0=500\nAnn_1=400\n"
                              "Ann_2=400\n[Other]\nx=1\n";
    writeHighScoreFile(before);
    const QByteArray file = QFile::encodeName(platform::highScoreFilePath());
    ASSERT_EQ(::chmod(file.constData(), 0444), 0);
    QLockFile held(platform::lockFileFor(platform::highScoreFilePath()));
    ASSERT_TRUE(held.tryLock(0));
    struct stat old {};
    ASSERT_EQ(::stat(file.constData(), &old), 0);

    QStringList shown;
    QElapsedTimer timer;
    {
        ModalScript script;
        script.then<QMessageBox>([&](QMessageBox *box) {
            shown << box->text();
            box->accept();
        });
        THighScoreForm form;
        open(form);
        EXPECT_EQ(column(form, 0), QStringList({"Jürgen", "Ann", "Ann"}));
        timer.start();
    }
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(shown, QStringList());
    EXPECT_EQ(readHighScoreFile(), before);
    struct stat now {};
    ASSERT_EQ(::stat(file.constData(), &now), 0);
    EXPECT_EQ(now.st_ino, old.st_ino);
}

// An entry added to a list rewrites its section; a comment line in it stays.
TEST_F(HighScoreFormTest, AnInsertionKeepsTheCommentsOfTheSection)
{
    writeHighScoreFile("[high score]\n; office league\nBob_0=700\n");
    {
        ModalScript script;
        script.then<QInputDialog>(typeName("Ann"));
        THighScoreForm form;
        form.setAddValue(true);
        form.setActualScore(900);
        open(form);
    }
    EXPECT_EQ(readHighScoreFile(), "[high score]\n; office league\nAnn_0=900\nBob_1=700\n");
}

// The desktop session ends while the name prompt is open: its loop ends as by Cancel, yet the
// entry is stored under the name in the field at that moment.
TEST_F(HighScoreFormTest, ASessionEndAtTheNamePromptStoresTheNameInTheField)
{
    writeHighScoreFile("[high score]\nBob_0=700\n");
    {
        ModalScript script;
        THighScoreForm form;
        script.then<QInputDialog>([&](QInputDialog *prompt) {
            prompt->setTextValue("Zoe");
            form.EndSession();
            prompt->reject();
        });
        form.setAddValue(true);
        form.setActualScore(900);
        form.setBonus(10);
        open(form);
        EXPECT_EQ(script.handled(), 1);
    }
    EXPECT_EQ(readHighScoreFile(), "[high score]\nZoe_0=910\nBob_1=700\n");
}

// The session ends in the game-over window, before any name could be asked for: a game that
// earns a place is stored under the name the prompt offers; one that does not, is not.
TEST_F(HighScoreFormTest, ASessionEndBeforeThePromptStoresTheEntryUnderTheLoginName)
{
    writeHighScoreFile(tenEntries("high score"));
    StoreHighScoreAtSessionEnd(nullptr, 0, 100, 5000);
    EXPECT_EQ(readHighScoreFile(), tenEntries("high score"));
    StoreHighScoreAtSessionEnd(nullptr, 0, 150, 50);
    platform::ProfileFile file(platform::highScoreFilePath());
    const QStringList keys = file.readKeys("high score");
    ASSERT_EQ(keys.size(), 10);
    EXPECT_EQ(keys[9], StorableName(platform::loginName()) + "_9");
    EXPECT_EQ(file.readInteger("high score", keys[9], 0), 200);
}

// Two games at once: a window that only looked, or that added its own entry, keeps what the
// other game stored while it was open; names typed in the old code page show as typed.
TEST_F(HighScoreFormTest, SavingKeepsWhatAnotherGameStoredMeanwhile)
{
    writeHighScoreFile("[high score]\nJ\xFCrgen_0=500\nAnn_1=400\n[Gr\xFC\xDF"
                       "e]\nx=\xE9\n");
    {
        THighScoreForm form;
        open(form);
        EXPECT_EQ(column(form, 0), QStringList({"Jürgen", "Ann"}));
        writeHighScoreFile(readHighScoreFile().replace("Ann_1=400\n", "Ann_1=400\nOther_2=450\n"));
    }
    EXPECT_EQ(readHighScoreFile(), "[high score]\nJ\xC3\xBCrgen_0=500\nOther_1=450\nAnn_2=400\n"
                                   "[Gr\xFC\xDF"
                                   "e]\nx=\xE9\n");
    {
        ModalScript script;
        script.then<QInputDialog>(typeName("New"));
        THighScoreForm form;
        form.setAddValue(true);
        form.setActualScore(420);
        open(form);
        writeHighScoreFile(readHighScoreFile().replace("Ann_2=400\n", "Ann_2=400\nLast_3=1\n"));
    }
    ScoreList stored;
    stored.LoadScores(platform::ProfileFile(platform::highScoreFilePath()), "high score");
    QStringList names;
    for (const Tscore &entry : stored.entries()) names << entry.name;
    EXPECT_EQ(names, QStringList({"Jürgen", "Other", "New", "Ann", "Last"}));
}

TEST_F(HighScoreFormTest, ClosingShrinksToTheCentreLineBeforeTheWindowGoes)
{
    for (const bool escape : {false, true}) {
        THighScoreForm form;
        form.setClosingDuration(40);
        open(form);
        const QRect start = form.geometry();
        QSignalSpy finished(&form, &QDialog::finished);
        if (escape)
            form.reject();
        else
            form.close();
        EXPECT_TRUE(form.isVisible());  // the animation runs first
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_FALSE(form.isVisible());
        EXPECT_LE(form.geometry().height(), 1);
        EXPECT_EQ(form.geometry().width(), start.width());
        EXPECT_NEAR(form.geometry().center().y(), start.center().y(), 1);
    }
}

TEST_F(HighScoreFormTest, AFirstGameEverCreatesTheFileWithOneKey)
{
    ModalScript script;
    script.then<QInputDialog>(typeName("Ann")).then<THighScoreForm>(closeForm);
    ShowHighScores(nullptr, true, 3, 0, 7, true);
    EXPECT_EQ(script.handled(), 2);
    EXPECT_EQ(sounds.played, QStringList({"APPLAUSE"}));
    EXPECT_EQ(readHighScoreFile(), "[high score: Megashift Row]\nAnn_0=7\n");
}

TEST_F(HighScoreFormTest, TheEntryOfAHugeGameIsClampedNotWrappedAround)
{
    ModalScript script;
    script.then<QInputDialog>(typeName("Ann")).then<THighScoreForm>(closeForm);
    ShowHighScores(nullptr, true, 2, std::numeric_limits<int>::max(), 1000, false);
    EXPECT_EQ(script.handled(), 2);
    EXPECT_EQ(readHighScoreFile(), "[high score: Add Row]\nAnn_0=2147483647\n");
}

TEST_F(HighScoreFormTest, AGameThatDoesNotQualifyOpensNothingAndWritesNothing)
{
    // Stored out of order, so any write would show.
    const QByteArray before = tenEntries("high score: shifter");
    writeHighScoreFile(before);
    ModalScript script;
    script.then<THighScoreForm>(closeForm);
    ShowHighScores(nullptr, true, 1, 100, 1000, true);
    EXPECT_EQ(script.handled(), 0);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(readHighScoreFile(), before);
}

TEST_F(HighScoreFormTest, AModeWithoutAListNeverAsksForAName)
{
    // A hand-edited settings file can leave the game in a mode that has no list: a name typed
    // there could not be kept, so the game is not taken in, and viewing shows an empty table.
    ModalScript script;
    script.then<QInputDialog>(typeName("Lost")).then<THighScoreForm>(closeForm);
    ShowHighScores(nullptr, true, 7, 5000, 10, true);
    EXPECT_EQ(script.handled(), 0);
    EXPECT_TRUE(sounds.played.isEmpty());

    THighScoreForm form;
    form.setMode(7);
    form.setAddValue(true);
    form.setActualScore(5000);
    open(form);
    EXPECT_EQ(script.handled(), 0);
    EXPECT_EQ(form.windowTitle(), "High Scores");
    EXPECT_EQ(table(form)->rowCount(), 0);
    EXPECT_FALSE(QFile::exists(platform::highScoreFilePath()));
}

TEST_F(HighScoreFormTest, PointsAboveTheLowestReplaceIt)
{
    writeHighScoreFile(tenEntries("high score: shifter"));
    ModalScript script;
    script.then<QInputDialog>(typeName("Top")).then<THighScoreForm>(closeForm);
    ShowHighScores(nullptr, true, 1, 101, 1000, false);
    EXPECT_TRUE(sounds.played.isEmpty());  // sounds are off
    ScoreList stored;
    stored.LoadScores(platform::ProfileFile(platform::highScoreFilePath()), "high score: shifter");
    ASSERT_EQ(stored.entries().size(), 10u);
    EXPECT_EQ(stored.entries().front().name, "Top");
    EXPECT_EQ(stored.entries().front().score, 1101);
    EXPECT_EQ(stored.LowestScore(), 200);
}

TEST_F(HighScoreFormTest, TwelveStoredKeysStayTwelve)
{
    QByteArray text = "[high score]\n";
    for (int i = 0; i < 12; ++i)
        text += "K_" + QByteArray::number(i) + "=" + QByteArray::number(1200 - 100 * i) + "\n";
    writeHighScoreFile(text);
    {
        ModalScript script;
        script.then<QInputDialog>(typeName("New"));
        THighScoreForm form;
        form.setAddValue(true);
        form.setActualScore(150);
        open(form);
        EXPECT_EQ(script.handled(), 1);
        EXPECT_EQ(table(form)->rowCount(), 12);
        EXPECT_EQ(column(form, 1).back(), "150");
    }
    EXPECT_EQ(platform::ProfileFile(platform::highScoreFilePath()).readKeys("high score").size(),
              12);
}

TEST_F(HighScoreFormTest, ViewingFromTheMenuNeverAsks)
{
    writeHighScoreFile(tenEntries("high score: Add Row"));
    ModalScript script;
    script.then<THighScoreForm>([](THighScoreForm *form) {
        EXPECT_FALSE(form->AddValue());
        EXPECT_EQ(form->Mode(), 2);
        closeForm(form);
    });
    ShowHighScores(nullptr, false, 2, 99999, 0, true);
    EXPECT_EQ(script.handled(), 1);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(LowestStoredScore(2), 100);
}
