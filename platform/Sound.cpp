#include "SoundModule.h"

#include "AppFiles.h"
#include "FirstPaint.h"
#include "Resources.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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

}  // namespace

ModuleSoundService::ModuleSoundService(Candidates candidates, SoundUrlLookup soundUrl)
    : candidates_(candidates), soundUrl_(soundUrl)
{}

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

void setSoundService(SoundService *service) { installedService() = service; }

void preloadSoundsAfterFirstPaint(QWidget &window)
{
    afterFirstPaint(window, [] { realService().load(); });
}

}  // namespace platform
