#include "SoundModule.h"

#include "AppFiles.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

SoundService *&installedService()
{
    static SoundService *service = nullptr;
    return service;
}

ModuleSoundService &realService()
{
    static ModuleSoundService real(&soundModuleCandidates, &resources::soundUrl);
    return real;
}

// Waits for the window's first exposure (the first paint follows in the same turn of the event
// loop), then loads the sound module from the next turn.
class LoadAfterFirstPaint : public QObject {
public:
    explicit LoadAfterFirstPaint(QWindow *window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { realService().load(); });
            deleteLater();
        }
        return false;
    }
};

}  // namespace

ModuleSoundService::ModuleSoundService(Candidates candidates, SoundUrlLookup soundUrl)
    : candidates_(candidates), soundUrl_(soundUrl)
{
}

void ModuleSoundService::play(const QString &name)
{
    if (SoundService *service = load()) service->play(name);
}

SoundService *ModuleSoundService::load()
{
    if (tried_) return loaded_;
    tried_ = true;
    for (const QString &path : candidates_()) {
        if (!QFileInfo::exists(path)) continue;
        // Never unloaded: the module's sounds live until the process ends.
        QLibrary module(path);
        const auto entry = reinterpret_cast<SoundModuleEntry>(module.resolve(kSoundModuleEntry));
        if (!entry) continue;
        loaded_ = entry(soundUrl_);
        if (loaded_) break;
    }
    return loaded_;
}

QStringList soundModuleCandidates()
{
    // QUORBIX_SOUND_MODULE: the module's file name; QUORBIX_SOUND_MODULE_FROM_EXE: the installed
    // module folder relative to the executable's folder.
    // Without the executable's path nothing is looked for: never a module of the current folder.
    const QString exe = executablePath();
    if (exe.isEmpty()) return {};
    const QString exeDir = QFileInfo(exe).absolutePath();
    const QString file = QStringLiteral(QUORBIX_SOUND_MODULE);
    return {exeDir + QLatin1Char('/') + file,
            QDir::cleanPath(exeDir + QStringLiteral("/" QUORBIX_SOUND_MODULE_FROM_EXE "/") + file)};
}

SoundService &soundService()
{
    if (SoundService *service = installedService()) return *service;
    return realService();
}

void setSoundService(SoundService *service)
{
    installedService() = service;
}

void preloadSoundsAfterFirstPaint(QWidget &window)
{
    if (QWindow *handle = window.windowHandle()) new LoadAfterFirstPaint(handle);
    else QTimer::singleShot(0, qApp, [] { realService().load(); });
}

}  // namespace platform
