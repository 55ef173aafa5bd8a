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
    void setSystemInfo(const SystemInfoTexts &texts) { m_systemInfo = texts; }
    void setShell(OpenUrlFn openUrl, StartMailFn startMail);

    // The program's version as the window shows it.
    const platform::FileVersion &fileVersion() const { return m_version; }
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
    void paintEvent(QPaintEvent *e) override;   // FormPaint

private:
    void FileInfo();
    void CommentsMouseDown(int y);
    void CommentsMouseMove(Qt::MouseButtons buttons, int y);
    void CommentsMouseUp();
    void setobj(int newTop);
    void browserLinkClicked(const QUrl &url);

    QString m_programPath;
    platform::FileVersion m_version;
    bool m_useBackBMP = false;
    QPixmap m_backBMP;
    QPixmap m_tile;
    QColor m_backCol = Qt::white;
    SystemInfoTexts m_systemInfo;

    // The clock's columns, the label of weight 1 first.
    std::array<QLabel *, 5> m_hours{};
    std::array<QLabel *, 6> m_minutes{};
    std::array<QLabel *, 6> m_seconds{};
    QTimer *m_timer1;

    int m_dragY = 0;
    bool m_handCursor = false;   // the hand stays up from a press on the text to its release

    OpenUrlFn m_openUrl;
    StartMailFn m_startMail;
};
