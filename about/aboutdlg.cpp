#include "aboutdlg.h"

#include "AppFiles.h"
#include "Maker.h"
#include "MovieScroll.h"
#include "Resources.h"
#include "SystemInfo.h"
#include "SystemInfoText.h"
#include "about.h"

#include <QDate>
#include <QGuiApplication>
#include <QScreen>

namespace {

// The scroller stands where the static text's frame is, a little taller.
constexpr int kMovieExtraHeight = 14;

}  // namespace

TAboutBoxDlg::TAboutBoxDlg(QObject *parent) : QObject(parent)
{
    const QString program = platform::fileNameWithoutExt(platform::executablePath());
    productName_ = program;
    copyright_ = QString::number(QDate::currentDate().year()) + QLatin1Char(' ') +
                 platform::maker::kName;
    aboutText_ = {
        QStringLiteral("      ") + tr("About %1").arg(program),
        QStringLiteral("             ") + tr("Credits") + QStringLiteral("         "),
        QStringLiteral("  ") + tr("Written by %1").arg(QString::fromLatin1(platform::maker::kName)),
        QStringLiteral("  ") + tr("Tools and themes for this program:"),
        QStringLiteral("  ") + platform::maker::kWebCaption,
    };
    aFont_ = TextFont::points(QStringLiteral("Arial"), 8, Qt::black);
    formFont_ = TextFont::points(QStringLiteral("Arial"), 8, Qt::black);
}

TAboutBoxDlg::~TAboutBoxDlg() = default;

QString TAboutBoxDlg::ProductName() const
{
    return platform::fileNameWithoutExt(platform::executablePath());
}

void TAboutBoxDlg::setMovieSpeed(int ms) { movieSpeed_ = (ms <= 0 || ms >= 100) ? 50 : ms; }

std::unique_ptr<TAboutBox> TAboutBoxDlg::CreateBox(QWidget *parentWindow) const
{
    auto box = std::make_unique<TAboutBox>(parentWindow);
    auto &ui = box->ui;
    const QPixmap tile = resources::aboutBackgroundTile(box->devicePixelRatioF());
    box->setBackground(useBackBMP_, backBMP_, tile, backCol_);
    box->setFont(formFont_.font);
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, formFont_.color);
    pal.setColor(QPalette::Window, formColor_);
    box->setPalette(pal);

    if (useMovie_) {
        auto *movie = new TMovieScroll(box.get());
        movie->setObjectName(QStringLiteral("MovieScroll"));
        const QRect frame = ui.Panel2->geometry();
        movie->setGeometry(frame.x(), frame.y(), frame.width(), frame.height() + kMovieExtraHeight);
        movie->setScrollText(aboutText_);
        movie->setLoop(true);
        movie->setTimerInterval(movieSpeed_);
        movie->setShadow(aShadow_);
        movie->setShadowOffset(3);
        movie->setDefaultFont(aFont_);
        movie->setBackColor(backCol_);
        movie->raise();
        ui.Panel2->resize(0, ui.Panel2->height());
    }

    ui.Comments->resize(std::max(0, ui.Panel2->width() - 5), ui.Comments->height());
    ui.Panel1->resize(ui.Panel2->width(), ui.Panel1->height());

    box->setSystemInfo(
        systemInfoTexts(platform::osVersion(), platform::memoryStatus(), platform::driveSpaces()));

    const platform::FileVersion version = box->fileVersion();
    ui.ProductName->setText(productName_);
    ui.VersNo->setText(QStringLiteral("%1.%2").arg(version.major).arg(version.minor));
    ui.Copyright->setText(copyright_);
    box->setComments(aboutText_);
    ui.ProgramIcon2->setPixmap(
        resources::applicationIcon().pixmap(QSize(32, 32), box->devicePixelRatioF()));
    box->setWindowTitle(tr("About %1").arg(platform::fileNameOf(platform::executablePath())));
    return box;
}

bool TAboutBoxDlg::Execute(QWidget *parentWindow)
{
    const std::unique_ptr<TAboutBox> box = CreateBox(parentWindow);
    // Centred on the desktop, whatever window opened it.
    QScreen *screen = parentWindow ? parentWindow->screen() : QGuiApplication::primaryScreen();
    if (screen) box->move(screen->availableGeometry().center() - box->rect().center());
    return box->exec() == QDialog::Accepted;
}
