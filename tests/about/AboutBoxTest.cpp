// The About component and window: settings, labels, the binary clock, dragging the static text,
// the system information, the links and the pages.
#include "FlatPageControl.h"
#include "Maker.h"
#include "MovieScroll.h"
#include "QuorbixAbout.h"
#include "Resources.h"
#include "SystemInfoText.h"
#include "TempExeDir.h"
#include "about.h"
#include "aboutdlg.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct ShownBox {
    bool shown = false;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs `action` and answers the message box it shows, if any, with OK.
template <class Action>
ShownBox answerMessageBox(Action action)
{
    ShownBox seen;
    QTimer::singleShot(0, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = {true, box->text(), box->icon()};
            box->done(QMessageBox::Ok);
        }
    });
    action();
    QCoreApplication::processEvents();  // lets the answer go off when no box came
    return seen;
}

QColor windowColor(const QWidget *w) { return w->palette().color(QPalette::Window); }

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resources::init();
        resources::registerFonts();
    }
    TempExeDir exe;  // the program is "<temp>/quorbix"
};

}  // namespace

TEST_F(AboutBoxTest, TheComponentStartsWithItsOwnSettings)
{
    TAboutBoxDlg dlg;
    // The component read the clock just before: the year now, or the one before at New Year.
    const int year = QDate::currentDate().year();
    EXPECT_EQ(dlg.ProductName(), QStringLiteral("quorbix"));
    EXPECT_TRUE(dlg.Version().isEmpty());
    const QString maker = QStringLiteral(" ") + platform::maker::kName;
    EXPECT_TRUE(dlg.Copyright() == QString::number(year) + maker ||
                dlg.Copyright() == QString::number(year - 1) + maker)
        << dlg.Copyright().toStdString();
    ASSERT_EQ(dlg.AboutText().size(), 5);
    EXPECT_EQ(dlg.AboutText()[0], QStringLiteral("      About quorbix"));
    EXPECT_EQ(dlg.AboutText()[1], QStringLiteral("             Credits         "));
    EXPECT_FALSE(dlg.UseBackBMP());
    EXPECT_TRUE(dlg.UseMovie());
    EXPECT_EQ(dlg.MovieSpeed(), 40);
    EXPECT_EQ(dlg.BackCol(), QColor(Qt::white));
    EXPECT_EQ(dlg.AFont(), TextFont::points(QStringLiteral("Arial"), 8, Qt::black));
    EXPECT_TRUE(dlg.aShadow());
    EXPECT_TRUE(dlg.BackBMP().isNull());
    EXPECT_EQ(dlg.FormFont(), TextFont::points(QStringLiteral("Arial"), 8, Qt::black));
    EXPECT_EQ(dlg.FormColor(), QColor(Qt::white));
}

TEST_F(AboutBoxTest, TheGameSetsItsTextColoursAndFonts)
{
    TAboutBoxDlg dlg;
    ConfigureForQuorbix(dlg);
    const QStringList text = dlg.AboutText();
    ASSERT_EQ(text.size(), 36);
    EXPECT_EQ(text[3], QStringLiteral("How it works"));
    EXPECT_EQ(text.mid(5, 3),
              (QStringList{QStringLiteral("In the box are 26 balls with 5 different colors."),
                           QStringLiteral("By doubleclick on two or more balls horizontaly"),
                           QStringLiteral("or vertically connected, they will disapear.")}));
    EXPECT_EQ(text.mid(9, 3),
              (QStringList{QStringLiteral("As more balls you get with the same color "),
                           QStringLiteral("in a single turn, as more points you "),
                           QStringLiteral("receive.")}));
    EXPECT_EQ(text.mid(13, 2),
              (QStringList{QStringLiteral("At the end you get bonus points as less balls"),
                           QStringLiteral("you have left over")}));
    EXPECT_EQ(text[17], QStringLiteral("                       Credits"));
    for (int empty : {3, 5, 9, 13, 16, 17, 29, 30, 33, 34, 35, 36})
        EXPECT_TRUE(text[empty - 1].isEmpty()) << "line " << empty;
    for (int i = 18; i < 28; ++i)
        EXPECT_TRUE(text[i].startsWith(QLatin1Char(' '))) << "credits line " << i + 1;

    EXPECT_EQ(dlg.ProductName(), QStringLiteral("quorbix"));  // the set name is only kept
    EXPECT_EQ(dlg.BackCol(), QColor(Qt::black));
    EXPECT_EQ(dlg.AFont(), TextFont::pixels(QStringLiteral("Arial"), 12, Qt::yellow));
    EXPECT_FALSE(dlg.aShadow());
    EXPECT_EQ(dlg.FormFont(), TextFont::pixels(QStringLiteral("Arial"), 11, QColor(0, 0, 128)));
    EXPECT_TRUE(dlg.UseMovie());
    EXPECT_EQ(dlg.MovieSpeed(), 40);
}

TEST_F(AboutBoxTest, AMovieSpeedOutsideOneTo99IsTakenAs50)
{
    TAboutBoxDlg dlg;
    for (auto [written, stored] :
         {std::pair{0, 50}, {-3, 50}, {100, 50}, {1000, 50}, {1, 1}, {99, 99}}) {
        dlg.setMovieSpeed(written);
        EXPECT_EQ(dlg.MovieSpeed(), stored) << written;
    }
}

TEST_F(AboutBoxTest, TheWindowShowsTheProgramsVersionNameAndCopyright)
{
    TAboutBoxDlg dlg;
    dlg.setProductName(QStringLiteral("Fixed"));
    dlg.setCopyright(QStringLiteral("2026 Somebody"));
    dlg.setUseMovie(false);
    const auto box = dlg.CreateBox(nullptr);
    const auto &ui = box->ui;
    EXPECT_EQ(box->size(), QSize(440, 392));
    EXPECT_EQ(ui.VersNo->text(), QStringLiteral("1.0"));  // the build's version is 1.0.0.0
    EXPECT_EQ(ui.Release->text(), QStringLiteral("0"));
    EXPECT_EQ(ui.Build->text(), QStringLiteral("0"));
    EXPECT_EQ(ui.LblCopyright->text(), QStringLiteral("©"));
    EXPECT_EQ(ui.Copyright->text(), QStringLiteral("2026 Somebody"));
    EXPECT_EQ(ui.Comments->text(), dlg.AboutText().join(QLatin1Char('\n')));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About quorbix"));
    EXPECT_FALSE(ui.ProgramIcon2->pixmap().isNull());

    // The written name shows until the window is activated; then the program file's name.
    EXPECT_EQ(ui.ProductName->text(), QStringLiteral("Fixed"));
    box->FormActivate();
    EXPECT_EQ(ui.ProductName->text(), QStringLiteral("quorbix"));
}

TEST_F(AboutBoxTest, TheBinaryClockAndTheCaptionAt130509)
{
    TAboutBox box;
    box.showTime(QTime(13, 5, 9));
    const QString title = box.windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("About box for: quorbix! Time: ")));
    // Written as the player's locale writes times: the minutes, then the seconds, in its digits.
    const QLocale locale = QLocale::system();
    const qsizetype minutes = title.indexOf(locale.toString(QTime(13, 5, 9), QStringLiteral("mm")));
    EXPECT_GT(minutes, 0) << title.toStdString();
    EXPECT_GT(title.indexOf(locale.toString(QTime(13, 5, 9), QStringLiteral("ss")), minutes),
              minutes)
        << title.toStdString();

    const QColor silver(192, 192, 192), navy(0, 0, 128);
    const auto &ui = box.ui;
    const auto expectColumn = [&](std::initializer_list<QLabel *> labels, int value) {
        int weight = 1;
        for (QLabel *label : labels) {
            EXPECT_EQ(windowColor(label), (value & weight) ? silver : navy)
                << label->objectName().toStdString();
            EXPECT_EQ(label->text(), QString::number(weight));
            weight *= 2;
        }
    };
    expectColumn({ui.Label4, ui.Label3, ui.Label2, ui.Label1, ui.Label0}, 13);  // 1, 4, 8
    expectColumn({ui.Label15, ui.Label9, ui.Label8, ui.Label7, ui.Label6, ui.Label5}, 5);  // 1, 4
    expectColumn({ui.Label16, ui.Label14, ui.Label13, ui.Label12, ui.Label11, ui.Label10},
                 9);  // 1, 8
}

TEST_F(AboutBoxTest, WithTheMovieTheScrollerTakesThePlaceOfTheStaticText)
{
    TAboutBoxDlg dlg;
    ConfigureForQuorbix(dlg);
    dlg.setMovieSpeed(25);
    const auto box = dlg.CreateBox(nullptr);
    auto *movie = box->findChild<TMovieScroll *>();
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->geometry(), QRect(2, 199, 436, 145));
    EXPECT_EQ(movie->ScrollText(), dlg.AboutText());
    EXPECT_TRUE(movie->Loop());
    EXPECT_EQ(movie->TimerInterval(), 25);
    EXPECT_FALSE(movie->Shadow());
    EXPECT_EQ(movie->ShadowOffset(), 3);
    EXPECT_EQ(movie->DefaultFont(), dlg.AFont());
    EXPECT_EQ(movie->BackColor(), QColor(Qt::black));
    EXPECT_EQ(box->ui.Panel2->width(), 0);

    box->FormActivate();
    EXPECT_EQ(box->ui.Panel2->x(), 4);
    EXPECT_EQ(box->ui.Panel2->width(), 0);
    EXPECT_EQ(windowColor(box->ui.Panel3), QColor(Qt::black));
}

TEST_F(AboutBoxTest, TheStaticTextIsDraggedWithinItsFrameWithTheHand)
{
    TAboutBoxDlg dlg;
    ConfigureForQuorbix(dlg);
    dlg.setUseMovie(false);
    const auto box = dlg.CreateBox(nullptr);
    box->FormActivate();
    EXPECT_EQ(box->findChild<TMovieScroll *>(), nullptr);
    QLabel *text = box->ui.Comments;
    const int frame = box->ui.Panel1->height();
    EXPECT_EQ(box->ui.Panel2->geometry(), QRect(4, 199, 436, 131));
    EXPECT_EQ(text->width(), 436 - 18);
    // Tall enough for every line, so that the last one can be brought into view.
    EXPECT_GE(text->height(), 36 * QFontMetrics(text->font()).lineSpacing());

    // The pointer's place is given in the frame's coordinates; the text moves under it.
    const auto send = [text](QEvent::Type type, int frameY, Qt::MouseButtons buttons) {
        const QPointF local(10, frameY - text->y());
        QMouseEvent e(type, local, text->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(text, &e);
    };
    send(QEvent::MouseButtonPress, 60, Qt::LeftButton);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    send(QEvent::MouseMove, 20, Qt::LeftButton);
    EXPECT_EQ(text->y(), -40);
    send(QEvent::MouseMove, -5000, Qt::LeftButton);
    EXPECT_EQ(text->y(), frame - text->height());  // the last line at the frame's bottom
    send(QEvent::MouseMove, 5000, Qt::LeftButton);
    EXPECT_EQ(text->y(), 0);                     // the first line at the frame's top
    send(QEvent::MouseMove, -30, Qt::NoButton);  // moving without the button held
    EXPECT_EQ(text->y(), 0);
    send(QEvent::MouseButtonRelease, 0, Qt::NoButton);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(AboutBoxTest, ClosingWhileTheTextIsHeldRestoresThePointer)
{
    {
        TAboutBox box;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box.ui.Comments, &press);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(SystemInfoText, TheMessageIsBuiltFromTheGivenValues)
{
    const platform::OsVersion os{QStringLiteral("Linux"), QStringLiteral("6.1.0-13-amd64"), 6, 1,
                                 0x12345};
    const platform::MemoryStatus memory{64ull << 30, (5ull << 30) + 1023};  // beyond 32 bits
    const std::vector<platform::DriveSpace> two{{QStringLiteral("/"), (1000ull << 20) + 5},
                                                {QStringLiteral("/home"), 3ull << 40}};
    const SystemInfoTexts t = systemInfoTexts(os, memory, two);
    EXPECT_EQ(t.family, QStringLiteral("Linux"));
    EXPECT_EQ(t.version, QStringLiteral("6.1   Build : 9029"));  // the build's low 16 bits
    EXPECT_EQ(t.memory, QStringLiteral("Tot: 67108864 KB     Avl: 5242880 KB"));
    EXPECT_EQ(t.firstDrives, QStringLiteral("/: 1000 MB  /home: 3145728 MB  "));
    EXPECT_TRUE(t.otherDrives.isEmpty());
    EXPECT_EQ(systemInfoMessage(t),
              QStringLiteral("You are probably Running Linux\n"
                             "Version Info: 6.1   Build : 9029\n"
                             "Free Memory: Tot: 67108864 KB     Avl: 5242880 KB\n"
                             "Free Hard disk Space: \n"
                             "/: 1000 MB  /home: 3145728 MB  \n"));

    std::vector<platform::DriveSpace> six;
    for (int i = 0; i < 6; ++i)
        six.push_back({QStringLiteral("/m%1").arg(i), std::uint64_t(i) << 20});
    const SystemInfoTexts many = systemInfoTexts(os, memory, six);
    EXPECT_EQ(many.firstDrives, QStringLiteral("/m0: 0 MB  /m1: 1 MB  /m2: 2 MB  /m3: 3 MB  "));
    EXPECT_EQ(many.otherDrives, QStringLiteral("/m4: 4 MB  /m5: 5 MB  "));
}

TEST_F(AboutBoxTest, TheDiskButtonShowsTheSystemInformation)
{
    TAboutBox box;
    SystemInfoTexts texts;
    texts.family = QStringLiteral("Linux");
    texts.firstDrives = QStringLiteral("/: 12 MB  ");
    box.setSystemInfo(texts);
    const ShownBox shown = answerMessageBox(
        [&] { QTest::mouseClick(box.ui.SpeedButton2, Qt::LeftButton); });
    EXPECT_TRUE(shown.shown);
    EXPECT_EQ(shown.text, systemInfoMessage(texts));
}

TEST_F(AboutBoxTest, TheLinksGoThroughTheShellAndAFailedMailIsReported)
{
    TAboutBox box;
    QStringList urls, mails;
    bool mailWorks = false;
    box.setShell(
        [&](const QString &url) {
            urls << url;
            return true;
        },
        [&](const QString &address, const QString &subject) {
            mails << address + QLatin1Char('|') + subject;
            return mailWorks;
        });

    QTest::mouseClick(box.ui.LblHomepage, Qt::LeftButton);
    EXPECT_EQ(urls, QStringList{QString::fromLatin1(platform::maker::kWebAddress)});

    const ShownBox failed = answerMessageBox(
        [&] { QTest::mouseClick(box.ui.LblMail, Qt::LeftButton); });
    EXPECT_TRUE(failed.shown);
    EXPECT_EQ(failed.text, QStringLiteral("An Error occurred with Mail!"));
    EXPECT_EQ(failed.icon, QMessageBox::Critical);
    EXPECT_EQ(mails, QStringList{QString::fromLatin1(platform::maker::kMailAddress) +
                                 QLatin1Char('|') + exe.exePath()});

    mailWorks = true;
    EXPECT_FALSE(
        answerMessageBox([&] { QTest::mouseClick(box.ui.LblMail, Qt::LeftButton); }).shown);
}

TEST_F(AboutBoxTest, TheToolStripSwitchesBetweenTheAboutPageAndOurOtherPrograms)
{
    TAboutBox box;
    const auto &ui = box.ui;
    EXPECT_EQ(ui.FlatPageControl1->currentWidget(), ui.TabSheet3);
    EXPECT_EQ(ui.ToolButton12->text(), QStringLiteral("About "));
    EXPECT_EQ(ui.ToolBar2->widgetForAction(ui.ToolButton12)->width(), 192);

    ui.ToolButton13->trigger();
    EXPECT_EQ(ui.FlatPageControl1->currentWidget(), ui.TabSheet4);
    EXPECT_FALSE(ui.WebBrowser1->toPlainText().trimmed().isEmpty());
    EXPECT_FALSE(ui.BackButton->isEnabled());
    EXPECT_FALSE(ui.ForwardButton->isEnabled());
    const QString page = ui.WebBrowser1->toPlainText();
    ui.ReloadButton->trigger();
    EXPECT_EQ(ui.WebBrowser1->toPlainText(), page);

    ui.ToolButton12->trigger();
    EXPECT_EQ(ui.FlatPageControl1->currentWidget(), ui.TabSheet3);
    EXPECT_EQ(ui.FlatPageControl1->height(), 160);
}

TEST_F(AboutBoxTest, TheCloseButtonClosesTheWindow)
{
    TAboutBox box;
    box.show();
    QTest::mouseClick(box.ui.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutBoxTest, ATiledBackgroundReplacesTheHeaderPicture)
{
    TAboutBoxDlg dlg;
    dlg.setUseMovie(false);
    const auto plain = dlg.CreateBox(nullptr);
    EXPECT_GT(plain->ui.Image1->width(), 0);

    QPixmap red(4, 4);
    red.fill(Qt::red);
    dlg.setUseBackBMP(true);
    dlg.setBackBMP(red);
    const auto tiled = dlg.CreateBox(nullptr);
    EXPECT_EQ(tiled->ui.Image1->width(), 0);
    EXPECT_EQ(tiled->grab().toImage().pixelColor(430, 340), QColor(Qt::red));
    EXPECT_NE(plain->grab().toImage().pixelColor(430, 340), QColor(Qt::red));
}

TEST(FlatPageControl, PagesStartTabHeightBelowTheTop)
{
    TFlatPageControl pages;
    pages.resize(200, 100);
    auto *page = new QWidget;
    pages.addWidget(page);
    pages.show();
    pages.layout()->activate();
    EXPECT_EQ(page->geometry(), QRect(0, 0, 200, 100));
    pages.setTabHeight(20);
    pages.layout()->activate();
    EXPECT_EQ(page->geometry(), QRect(0, 20, 200, 80));
}

TEST_F(AboutBoxTest, AScreenReaderHearsTheClockAsOneTimeAndReachesTheLinksByKeyboard)
{
    TAboutBox box;
    QStringList urls, mails;
    box.setShell(
        [&](const QString &url) {
            urls << url;
            return true;
        },
        [&](const QString &address, const QString &) {
            mails << address;
            return true;
        });
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.showTime(QTime(13, 5, 9));

    // The clock is one text, the time; its lamps are not read one by one.
    QAccessibleInterface *clock = QAccessible::queryAccessibleInterface(box.ui.Panel3);
    EXPECT_EQ(clock->text(QAccessible::Name), "Clock");
    // The time as the caption writes it, in the player's locale.
    const QString time = clock->text(QAccessible::Value);
    EXPECT_FALSE(time.isEmpty());
    EXPECT_TRUE(box.windowTitle().endsWith(QStringLiteral("Time: ") + time)) << time.toStdString();
    EXPECT_EQ(clock->childCount(), 0);

    EXPECT_EQ(QAccessible::queryAccessibleInterface(box.ui.SpeedButton1)->text(QAccessible::Name),
              "Close");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box.ui.SpeedButton2)->text(QAccessible::Name),
              "System information");

    // Tab reaches the mail link, which is read as one, and Enter opens it.
    QAccessibleInterface *mail = QAccessible::queryAccessibleInterface(box.ui.LblMail);
    EXPECT_EQ(mail->role(), QAccessible::Link);
    EXPECT_EQ(mail->text(QAccessible::Name), "Mail me!");
    for (int i = 0; i < 20 && !box.ui.LblMail->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box,
                        Qt::Key_Tab);
    ASSERT_TRUE(box.ui.LblMail->hasFocus());
    QTest::keyClick(box.ui.LblMail, Qt::Key_Return);
    EXPECT_EQ(mails, QStringList{QString::fromLatin1(platform::maker::kMailAddress)});
    mail->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(mails.size(), 2);

    QTest::keyClick(box.ui.LblMail, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible()) << "Escape closes the window";
}
