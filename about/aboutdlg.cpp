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

TAboutBoxDlg::TAboutBoxDlg(QObject *parent)
    : QObject(parent)
{
    const QString program = platform::fileNameWithoutExt(platform::executablePath());
    m_productName = program;
    m_copyright = QString::number(QDate::currentDate().year()) + QLatin1Char(' ') + platform::maker::kName;
    m_aboutText = {
        QStringLiteral("      ") + tr("About %1").arg(program),
        QStringLiteral("             ") + tr("Credits") + QStringLiteral("         "),
        QStringLiteral("  ") + tr("Written by %1").arg(QString::fromLatin1(platform::maker::kName)),
        QStringLiteral("  ") + tr("Tools and themes for this program:"),
        QStringLiteral("  ") + platform::maker::kWebCaption,
    };
    m_aFont = TextFont::points(QStringLiteral("Arial"), 8, Qt::black);
    m_formFont = TextFont::points(QStringLiteral("Arial"), 8, Qt::black);
}

TAboutBoxDlg::~TAboutBoxDlg() = default;

QString TAboutBoxDlg::ProductName() const
{
    return platform::fileNameWithoutExt(platform::executablePath());
}

void TAboutBoxDlg::setMovieSpeed(int ms)
{
    m_movieSpeed = (ms <= 0 || ms >= 100) ? 50 : ms;
}

std::unique_ptr<TAboutBox> TAboutBoxDlg::CreateBox(QWidget *parentWindow) const
{
    auto box = std::make_unique<TAboutBox>(parentWindow);
    auto &ui = box->ui;
    const QPixmap tile = resources::aboutBackgroundTile(box->devicePixelRatioF());
    box->setBackground(m_useBackBMP, m_backBMP, tile, m_backCol);
    box->setFont(m_formFont.font);
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, m_formFont.color);
    pal.setColor(QPalette::Window, m_formColor);
    box->setPalette(pal);

    if (m_useMovie) {
        auto *movie = new TMovieScroll(box.get());
        movie->setObjectName(QStringLiteral("MovieScroll"));
        const QRect frame = ui.Panel2->geometry();
        movie->setGeometry(frame.x(), frame.y(), frame.width(), frame.height() + kMovieExtraHeight);
        movie->setScrollText(m_aboutText);
        movie->setLoop(true);
        movie->setTimerInterval(m_movieSpeed);
        movie->setShadow(m_aShadow);
        movie->setShadowOffset(3);
        movie->setDefaultFont(m_aFont);
        movie->setBackColor(m_backCol);
        movie->raise();
        ui.Panel2->resize(0, ui.Panel2->height());
    }

    ui.Comments->resize(std::max(0, ui.Panel2->width() - 5), ui.Comments->height());
    ui.Panel1->resize(ui.Panel2->width(), ui.Panel1->height());

    box->setSystemInfo(systemInfoTexts(platform::osVersion(), platform::memoryStatus(),
                                       platform::driveSpaces()));

    const platform::FileVersion version = box->fileVersion();
    ui.ProductName->setText(m_productName);
    ui.VersNo->setText(QStringLiteral("%1.%2").arg(version.major).arg(version.minor));
    ui.Copyright->setText(m_copyright);
    box->setComments(m_aboutText);
    ui.ProgramIcon2->setPixmap(resources::applicationIcon().pixmap(QSize(32, 32), box->devicePixelRatioF()));
    box->setWindowTitle(tr("About %1").arg(platform::fileNameOf(platform::executablePath())));
    return box;
}

bool TAboutBoxDlg::Execute(QWidget *parentWindow)
{
    const std::unique_ptr<TAboutBox> box = CreateBox(parentWindow);
    // Centred on the desktop, whatever window opened it.
    QScreen *screen = parentWindow ? parentWindow->screen() : QGuiApplication::primaryScreen();
    if (screen)
        box->move(screen->availableGeometry().center() - box->rect().center());
    return box->exec() == QDialog::Accepted;
}
