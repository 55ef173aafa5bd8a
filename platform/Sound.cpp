#include "QtSoundService.h"

#include "Resources.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

namespace platform {

namespace {

bool defaultOutputExists()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

SoundService *&installedService()
{
    static SoundService *service = nullptr;
    return service;
}

}  // namespace

QtSoundService::QtSoundService(DeviceCheck hasDevice)
    : hasDevice_(hasDevice ? std::move(hasDevice) : DeviceCheck(defaultOutputExists))
{
}

void QtSoundService::play(const QString &name)
{
    // Without an application object there is no event loop to play in; without a device the
    // game is silent. Neither is an error.
    if (!QCoreApplication::instance()) return;
    const QString url = resources::soundUrl(name);
    if (url.isEmpty() || !hasDevice_()) return;
    QSoundEffect *effect = effectFor(url);
    if (current_ && current_ != effect) current_->stop();
    current_ = effect;
    effect->stop();
    effect->play();
}

QSoundEffect *QtSoundService::effectFor(const QString &url)
{
    // The effects belong to the application object, so they go before the sound system does.
    if (!effects_) effects_ = new QObject(QCoreApplication::instance());
    auto *effect = effects_->findChild<QSoundEffect *>(url, Qt::FindDirectChildrenOnly);
    if (!effect) {
        effect = new QSoundEffect(effects_);
        effect->setObjectName(url);
        effect->setSource(QUrl(url));
    }
    return effect;
}

SoundService &soundService()
{
    if (SoundService *service = installedService()) return *service;
    static QtSoundService real;
    return real;
}

void setSoundService(SoundService *service)
{
    installedService() = service;
}

}  // namespace platform
