#include "about.h"

#include "AboutAccessible.h"
#include "AppFiles.h"
#include "FocusFrame.h"
#include "Maker.h"
#include "OtherProgramsText.h"
#include "Resources.h"
#include "Shell.h"
#include "SystemColors.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace {

const QColor kBitSet = platform::toQColor(platform::clSilver);
const QColor kBitClear = platform::toQColor(platform::clNavy);
constexpr int kAboutPageHeight = 160;
constexpr int kProgramsPageHeight = 176;
constexpr int kToolButtonWidth = 192;

void setWindowColor(QWidget *w, const QColor &color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
}

void setTextColor(QWidget *w, const QColor &color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color);
    w->setPalette(pal);
}

QFont pixelFont(const QString &family, int pixels)
{
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

// The time as the system writes it, without the time zone that its long form adds.
QString systemTimeText(const QTime &t)
{
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return locale.toString(t, format.trimmed());
}

template <std::size_t N>
void showBits(const std::array<QLabel *, N> &column, int value)
{
    for (std::size_t k = 0; k < N; ++k)
        setWindowColor(column[k], (value >> k) & 1 ? kBitSet : kBitClear);
}

bool isClick(QEvent *e, QWidget *w)
{
    if (e->type() != QEvent::MouseButtonRelease) return false;
    const auto *me = static_cast<QMouseEvent *>(e);
    return me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint());
}

}  // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent), timer1_(new QTimer(this)), openUrl_(platform::openUrl),
      startMail_(platform::startMail)
{
    ui.setupUi(this);
    setFixedSize(size());
    createClock();
    createVersionInfo();
    createLinks();
    createPictures();
    createBrowser();
    connectButtons();
    ui.FlatPageControl1->setCurrentWidget(ui.TabSheet3);
    startClock();
}

// The binary clock's digits: hours, minutes and seconds, lowest bit first.
void TAboutBox::createClock()
{
    hours_ = {ui.Label4, ui.Label3, ui.Label2, ui.Label1, ui.Label0};
    minutes_ = {ui.Label15, ui.Label9, ui.Label8, ui.Label7, ui.Label6, ui.Label5};
    seconds_ = {ui.Label16, ui.Label14, ui.Label13, ui.Label12, ui.Label11, ui.Label10};
    const QFont clockFont = pixelFont(QStringLiteral("Arial"), 8);
    for (QLabel *label : ui.Panel3->findChildren<QLabel *>()) {
        label->setFont(clockFont);
        setTextColor(label, Qt::black);
    }
    for (QLabel *head : {ui.HoursHead, ui.MinutesHead, ui.SecondsHead})
        setTextColor(head, Qt::gray);  // readable on a dark clock panel and on a light one
    about::markAsClock(ui.Panel3);
}

void TAboutBox::createVersionInfo()
{
    programPath_ = platform::executablePath();
    FileInfo();
    ui.Release->setText(QString::number(version_.release));
    ui.Build->setText(QString::number(version_.build));
    ui.LblCopyright->setText(QStringLiteral("©"));

    ui.Comments->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 10));
    setTextColor(ui.Comments, Qt::black);
    ui.Comments->installEventFilter(this);
}

void TAboutBox::createLinks()
{
    ui.LblTextURL->setText(tr("Send us your suggestions and error reports by mail,\n"
                              "or visit our homepage:"));
    ui.LblTextURL->setToolTip(
        tr("Our homepage: %1").arg(QString::fromLatin1(platform::maker::kWebAddress)));
    ui.LblHomepage->setText(platform::maker::kWebCaption);
    ui.LblHomepage->setToolTip(platform::maker::kWebAddress);
    ui.LblHomepage->installEventFilter(this);
    ui.LblMail->installEventFilter(this);
    // Both links are reached with Tab, after the window's buttons (so the window still opens
    // with the focus where it always did), and opened with Enter.
    about::markAsLink(ui.LblHomepage);
    about::markAsLink(ui.LblMail);
    setTabOrder(ui.SpeedButton1, ui.LblHomepage);
    setTabOrder(ui.LblHomepage, ui.LblMail);
    ui.SpeedButton1->setAccessibleName(tr("Close"));
    ui.SpeedButton2->setAccessibleName(tr("System information"));
}

// The pictures at the scale of the screen the window opens on.
void TAboutBox::createPictures()
{
    const qreal ratio = devicePixelRatioF();
    QPalette band = ui.CoolBar3->palette();
    band.setBrush(QPalette::Window, QBrush(resources::aboutToolBand(ratio)));
    ui.CoolBar3->setPalette(band);
    for (QAction *action : {ui.ToolButton12, ui.ToolButton13})
        ui.ToolBar2->widgetForAction(action)->setFixedWidth(kToolButtonWidth);
    ui.Image1->setPixmap(resources::aboutHeader(ratio));
    ui.Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (auto [button, glyph] : {std::pair{ui.SpeedButton2, &resources::aboutInfoGlyph},
                                 std::pair{ui.SpeedButton1, &resources::aboutCloseGlyph}}) {
        button->setIcon(resources::iconAtBothSizes(glyph));
        button->setIconSize(glyph(1).size());
    }
}

// The other programs' page and its navigation buttons.
void TAboutBox::createBrowser()
{
    ui.WebBrowser1->setHtml(translatedOtherPrograms(resources::otherProgramsHtml()));
    ui.BackButton->setEnabled(false);
    ui.ForwardButton->setEnabled(false);
    connect(ui.WebBrowser1, &QTextBrowser::backwardAvailable, ui.BackButton, &QAction::setEnabled);
    connect(ui.WebBrowser1, &QTextBrowser::forwardAvailable, ui.ForwardButton,
            &QAction::setEnabled);
    connect(ui.BackButton, &QAction::triggered, ui.WebBrowser1, &QTextBrowser::backward);
    connect(ui.ForwardButton, &QAction::triggered, ui.WebBrowser1, &QTextBrowser::forward);
    connect(ui.ReloadButton, &QAction::triggered, this, &TAboutBox::ReloadButtonClick);
    connect(ui.WebBrowser1, &QTextBrowser::anchorClicked, this, &TAboutBox::browserLinkClicked);
}

void TAboutBox::connectButtons()
{
    connect(ui.ToolButton12, &QAction::triggered, this, &TAboutBox::ToolButton12Click);
    connect(ui.ToolButton13, &QAction::triggered, this, &TAboutBox::ToolButton13Click);
    connect(ui.SpeedButton1, &QToolButton::clicked, this, &TAboutBox::SpeedButton1Click);
    connect(ui.SpeedButton2, &QToolButton::clicked, this, &TAboutBox::SpeedButton2Click);
}

void TAboutBox::startClock()
{
    connect(timer1_, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
    timer1_->start(1000);
}

TAboutBox::~TAboutBox()
{
    // A window closed while the text was held must not leave the hand behind.
    CommentsMouseUp();
}

void TAboutBox::FileInfo() { version_ = platform::programVersion(); }

void TAboutBox::setBackground(bool useBackBMP, const QPixmap &backBMP, const QPixmap &tile,
                              const QColor &backCol)
{
    useBackBMP_ = useBackBMP;
    backBMP_ = backBMP;
    tile_ = tile;
    backCol_ = backCol;
    // With a tiled window the header picture gives way; without, it heads the About page.
    if (useBackBMP_)
        ui.Image1->setGeometry(0, 0, 0, ui.Image1->height());
    else
        ui.Image1->setGeometry(0, 0, ui.TabSheet3->width(), ui.Image1->height());
    update();
}

void TAboutBox::setShell(OpenUrlFn openUrl, StartMailFn startMail)
{
    openUrl_ = std::move(openUrl);
    startMail_ = std::move(startMail);
}

void TAboutBox::setComments(const QStringList &lines)
{
    ui.Comments->setText(lines.join(QLatin1Char('\n')));
    // The box is at least as tall as laid out, and tall enough that every line can be dragged
    // into view.
    ui.Comments->resize(ui.Comments->width(),
                        std::max(ui.Comments->height(), ui.Comments->sizeHint().height()));
}

bool TAboutBox::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void TAboutBox::FormActivate()
{
    ui.ProductName->setText(platform::fileNameWithoutExt(programPath_));
    const int width = std::max(0, ui.Panel2->width() - 18);
    ui.Comments->resize(width, ui.Comments->height());
    ui.Panel1->resize(width, ui.Panel1->height());
    ui.Panel2->move(4, ui.Panel2->y());
    ui.Comments->move(0, ui.Comments->y());
    setWindowColor(ui.Panel3, backCol_);
}

void TAboutBox::paintEvent(QPaintEvent *e)
{
    QDialog::paintEvent(e);
    if (!useBackBMP_) return;
    const QPixmap &tile = backBMP_.isNull() ? tile_ : backBMP_;
    if (!tile.isNull()) QPainter(this).fillRect(rect(), QBrush(tile));
}

void TAboutBox::Timer1Timer() { showTime(QTime::currentTime()); }

void TAboutBox::showTime(const QTime &t)
{
    setWindowTitle(tr("About box for: %1! Time: %2")
                       .arg(platform::fileNameOf(programPath_), systemTimeText(t)));
    about::setClockText(ui.Panel3, systemTimeText(t));
    showBits(hours_, t.hour());
    showBits(minutes_, t.minute());
    showBits(seconds_, t.second());
}

void TAboutBox::SpeedButton1Click() { close(); }

void TAboutBox::SpeedButton2Click()
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    systemInfoMessage(systemInfo_), QMessageBox::Ok, this);
    box.exec();
}

void TAboutBox::LblHomepageClick() { openUrl_(QString::fromLatin1(platform::maker::kWebAddress)); }

void TAboutBox::LblMailClick()
{
    if (!startMail_(QString::fromLatin1(platform::maker::kMailAddress), programPath_))
        QMessageBox::critical(this, tr("Error"), tr("An Error occurred with Mail!"),
                              QMessageBox::Ok);
}

void TAboutBox::ToolButton12Click()
{
    ui.FlatPageControl1->setCurrentWidget(ui.TabSheet3);
    ui.FlatPageControl1->resize(ui.FlatPageControl1->width(), kAboutPageHeight);
}

void TAboutBox::ToolButton13Click()
{
    ui.FlatPageControl1->setCurrentWidget(ui.TabSheet4);
    ui.FlatPageControl1->resize(ui.FlatPageControl1->width(), kProgramsPageHeight);
}

void TAboutBox::ReloadButtonClick()
{
    ui.WebBrowser1->setHtml(translatedOtherPrograms(resources::otherProgramsHtml()));
    ui.WebBrowser1->clearHistory();
}

void TAboutBox::browserLinkClicked(const QUrl &url)
{
    // Our own page's anchors stay in the browser; addresses outside go to the desktop.
    if (url.isRelative())
        ui.WebBrowser1->setSource(url);
    else
        openUrl_(url.toString());
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == ui.Comments) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            CommentsMouseDown(static_cast<QMouseEvent *>(e)->position().toPoint().y());
            return true;
        case QEvent::MouseMove: {
            const auto *me = static_cast<QMouseEvent *>(e);
            CommentsMouseMove(me->buttons(), me->position().toPoint().y());
            return true;
        }
        case QEvent::MouseButtonRelease: CommentsMouseUp(); return true;
        default: break;
        }
    } else if (watched == ui.LblHomepage || watched == ui.LblMail) {
        auto *link = static_cast<QLabel *>(watched);
        const bool pressed = isClick(e, link) ||
                             (e->type() == QEvent::KeyPress &&
                              about::isLinkKey(link, static_cast<QKeyEvent *>(e)->key()));
        if (pressed && link == ui.LblHomepage)
            LblHomepageClick();
        else if (pressed)
            LblMailClick();
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) link->update();
        if (e->type() == QEvent::Paint) {
            // The text first, then the focus around it.
            static_cast<QObject *>(link)->event(e);
            QPainter painter(link);
            menuskin::PaintFocusFrame(painter, *link);
            return true;
        }
        if (pressed && e->type() == QEvent::KeyPress) return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TAboutBox::CommentsMouseDown(int y)
{
    if (!handCursor_) {
        QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
        handCursor_ = true;
    }
    dragY_ = y;
}

void TAboutBox::CommentsMouseMove(Qt::MouseButtons buttons, int y)
{
    if (buttons & Qt::LeftButton) setobj(ui.Comments->y() + y - dragY_);
}

void TAboutBox::setobj(int newTop)
{
    // The text may be pulled up and down inside its frame, but its first line never leaves the
    // frame's top and its last line never rises above the frame's bottom.
    const int highest = std::min(0, ui.Panel1->height() - ui.Comments->height());
    ui.Comments->move(ui.Comments->x(), std::clamp(newTop, highest, 0));
}

void TAboutBox::CommentsMouseUp()
{
    if (handCursor_) {
        QGuiApplication::restoreOverrideCursor();
        handCursor_ = false;
    }
}
