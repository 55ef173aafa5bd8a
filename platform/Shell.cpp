#include "Shell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>

namespace platform {

namespace {

// The context of the help window's translations.
struct HelpViewer {
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)
};

QString viewerTitle() { return HelpViewer::tr("Quorbix Help"); }
const QString kViewerName = QStringLiteral("HelpViewer");
constexpr qint64 kMaxHelpBytes = 8 * 1024 * 1024;

// The help text, or nullopt when the file cannot be read whole or is no text at all (an old
// binary help file, say).
std::optional<QString> readHelpText(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kMaxHelpBytes + 1);
    if (bytes.size() > kMaxHelpBytes || bytes.contains('\0')) return std::nullopt;
    return QString::fromUtf8(bytes);
}

QDialog *openViewer()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<QDialog *>(w); viewer && w->objectName() == kViewerName) {
            return viewer;
        }
    }
    return nullptr;
}

QDialog *makeViewer(QWidget *parent)
{
    auto *viewer = new QDialog(parent);
    viewer->setObjectName(kViewerName);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(viewerTitle());
    viewer->resize(600, 480);
    auto *layout = new QVBoxLayout(viewer);
    auto *browser = new QTextBrowser(viewer);
    browser->setOpenExternalLinks(true);
    layout->addWidget(browser);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, viewer);
    QObject::connect(buttons, &QDialogButtonBox::rejected, viewer, &QDialog::close);
    layout->addWidget(buttons);
    return viewer;
}

}  // namespace

bool showHelp(QWidget *parent, const QString &helpFilePath)
{
    if (!QFileInfo::exists(helpFilePath)) {
        QMessageBox::warning(parent, viewerTitle(),
                             HelpViewer::tr("There is no help file at %1.").arg(helpFilePath));
        return false;
    }
    const std::optional<QString> text = readHelpText(helpFilePath);
    if (!text) {
        QMessageBox::warning(parent, viewerTitle(),
                             HelpViewer::tr("The help file %1 cannot be shown.").arg(helpFilePath));
        return false;
    }
    // Like the help window it stands in for, the viewer stays open beside the game.
    QDialog *viewer = openViewer();
    if (!viewer) viewer = makeViewer(parent);
    auto *browser = viewer->findChild<QTextBrowser *>();
    browser->setSearchPaths({QFileInfo(helpFilePath).absolutePath()});
    // A markup document begins with a tag; plain help may still mention "<" further on.
    if (text->trimmed().startsWith(u'<')) {
        browser->setHtml(*text);
    } else {
        browser->setPlainText(*text);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

bool openUrl(const QString &url)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty()) return false;
    return QDesktopServices::openUrl(address);
}

bool startMail(const QString &address, const QString &subject)
{
    if (address.trimmed().isEmpty()) return false;
    const QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address.trimmed(), "@") +
                               "?subject=" + QUrl::toPercentEncoding(subject);
    const QUrl mail = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    return mail.isValid() && QDesktopServices::openUrl(mail);
}

}  // namespace platform
