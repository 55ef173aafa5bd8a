// The help viewer, and web and mail addresses handed to the desktop.
#include "Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

QList<QDialog *> helpViewers()
{
    QList<QDialog *> viewers;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<QDialog *>(w); d && d->windowTitle() == "Quorbix Help") {
            viewers << d;
        }
    }
    return viewers;
}

class ShellHelp : public ::testing::Test {
protected:
    ~ShellHelp() override { qDeleteAll(helpViewers()); }

    QString put(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir_.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // Runs showHelp and returns the text of the message box it showed, if any.
    QString showHelpAnsweringMessages(const QString &path, bool &shown)
    {
        auto text = std::make_shared<QString>();
        QTimer::singleShot(0, [text] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                *text = box->text();
                box->close();
            }
        });
        shown = platform::showHelp(nullptr, path);
        QCoreApplication::processEvents();
        return *text;
    }

    QTemporaryDir dir_;
};

TEST_F(ShellHelp, AMissingOrUnreadableHelpFileGivesAClearMessage)
{
    bool shown = true;
    const QString missing = dir_.filePath("quorbix.hlp");
    EXPECT_EQ(showHelpAnsweringMessages(missing, shown),
              "There is no help file at " + missing + ".");
    EXPECT_FALSE(shown);

    const QString binary = put("old.hlp", QByteArray("?_\x03\0\0\0\xff", 7));
    EXPECT_EQ(showHelpAnsweringMessages(binary, shown),
              "The help file " + binary + " cannot be shown.");
    EXPECT_FALSE(shown);
    EXPECT_TRUE(helpViewers().isEmpty());
}

TEST_F(ShellHelp, ShowsHtmlOrPlainTextInOneViewerWindow)
{
    bool shown = false;
    const QString html = put("quorbix.hlp", "<html><body><h1>How to play</h1>"
                                            "<p>Press a symbol.</p></body></html>");
    EXPECT_EQ(showHelpAnsweringMessages(html, shown), "");
    EXPECT_TRUE(shown);
    ASSERT_EQ(helpViewers().size(), 1);
    QDialog *viewer = helpViewers().front();
    EXPECT_TRUE(viewer->isVisible());
    auto *browser = viewer->findChild<QTextBrowser *>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->toPlainText(), "How to play\nPress a symbol.");

    const QString plain = put("plain.hlp", "Double-click <a group> to remove it.\n");
    EXPECT_EQ(showHelpAnsweringMessages(plain, shown), "");
    EXPECT_TRUE(shown);
    ASSERT_EQ(helpViewers().size(), 1);
    EXPECT_EQ(browser->toPlainText().trimmed(), "Double-click <a group> to remove it.");
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

// The desktop's handlers are replaced, so no test ever starts a browser or a mail program.
class ShellUrls : public ::testing::Test {
protected:
    ShellUrls()
    {
        for (const char *scheme : {"https", "http", "mailto"}) {
            QDesktopServices::setUrlHandler(scheme, &recorder_, "open");
        }
    }
    ~ShellUrls() override
    {
        for (const char *scheme : {"https", "http", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    UrlRecorder recorder_;
};

TEST_F(ShellUrls, OpensWebAddressesAndRefusesNonsense)
{
    EXPECT_TRUE(platform::openUrl("https://quorbix.example.org"));
    ASSERT_EQ(recorder_.opened.size(), 1);
    EXPECT_EQ(recorder_.opened[0], QUrl("https://quorbix.example.org"));

    EXPECT_FALSE(platform::openUrl(""));
    EXPECT_FALSE(platform::openUrl("no address at all"));
    EXPECT_EQ(recorder_.opened.size(), 1);
}

TEST_F(ShellUrls, StartsAMailWithTheSubjectIntact)
{
    const QString subject = "/home/an & ann/quorbix?x=1#2";
    EXPECT_TRUE(platform::startMail("quorbix@example.org", subject));
    ASSERT_EQ(recorder_.opened.size(), 1);
    const QUrl mail = recorder_.opened[0];
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), "quorbix@example.org");
    EXPECT_EQ(QUrlQuery(mail).queryItemValue("subject", QUrl::FullyDecoded), subject);

    EXPECT_FALSE(platform::startMail("  ", subject));
    EXPECT_EQ(recorder_.opened.size(), 1);
}

}  // namespace

#include "ShellTest.moc"
