#pragma once
// The About window: the program's icon, name, version and copyright, a binary clock that also
// keeps the time in the caption, the About text (static and draggable, or the credits scroller
// that the About component lays over it), links to our homepage and mail, the system
// information, and a second page with our other programs.

#include "SystemInfo.h"
#include "SystemInfoText.h"
#include "ui_about.h"

#include <QColor>
#include <QDialog>
#include <QPixmap>

#include <array>
#include <functional>

class QTime;
class QTimer;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // The desktop services the links use; replaceable so that a failure can be shown on demand.
    using OpenUrlFn = std::function<bool(const QString &url)>;
    using StartMailFn = std::function<bool(const QString &address, const QString &subject)>;

    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

    // The window's controls, filled by the About component before the window is shown.
    Ui::TAboutBox ui;

    // The background: with useBackBMP the window is tiled with backBMP, or with `tile` when
    // backBMP is empty, and the header picture gives way. backCol colours the clock panel.
    void setBackground(bool useBackBMP, const QPixmap &backBMP, const QPixmap &tile,
                       const QColor &backCol);
    void setSystemInfo(const SystemInfoTexts &texts) { systemInfo_ = texts; }
    void setShell(OpenUrlFn openUrl, StartMailFn startMail);

    // The program's version as the window shows it.
    const platform::FileVersion &fileVersion() const { return version_; }
    // The About text in the static text box, which grows to hold every line.
    void setComments(const QStringList &lines);
    // The caption and the binary clock at the time t.
    void showTime(const QTime &t);

public slots:
    void FormActivate();
    void Timer1Timer();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void LblHomepageClick();
    void LblMailClick();
    void ToolButton12Click();
    void ToolButton13Click();
    void ReloadButtonClick();

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;  // FormPaint

private:
    // The window's set-up, in order.
    void createClock();
    void createVersionInfo();
    void createLinks();
    void createPictures();
    void createBrowser();
    void connectButtons();
    void startClock();

    void FileInfo();
    void CommentsMouseDown(int y);
    void CommentsMouseMove(Qt::MouseButtons buttons, int y);
    void CommentsMouseUp();
    void setobj(int newTop);
    void browserLinkClicked(const QUrl &url);

    QString programPath_;
    platform::FileVersion version_;
    bool useBackBMP_ = false;
    QPixmap backBMP_;
    QPixmap tile_;
    QColor backCol_ = Qt::white;
    SystemInfoTexts systemInfo_;

    // The clock's columns, the label of weight 1 first.
    std::array<QLabel *, 5> hours_{};
    std::array<QLabel *, 6> minutes_{};
    std::array<QLabel *, 6> seconds_{};
    QTimer *timer1_;

    int dragY_ = 0;
    bool handCursor_ = false;  // the hand stays up from a press on the text to its release

    OpenUrlFn openUrl_;
    StartMailFn startMail_;
};
