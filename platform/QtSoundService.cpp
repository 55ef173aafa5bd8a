#include "QtSoundService.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QUrl>

namespace platform {

namespace {

bool defaultOutputExists() { return !QMediaDevices::defaultAudioOutput().isNull(); }

}  // namespace

QtSoundService::QtSoundService(SoundUrlLookup soundUrl, DeviceCheck hasDevice)
    : soundUrl_(soundUrl),
      hasDevice_(hasDevice ? std::move(hasDevice) : DeviceCheck(defaultOutputExists))
{}

void QtSoundService::play(const QString &name)
{
    // Without an application object there is no event loop to play in; without a device the
    // game is silent. Neither is an error.
    if (!QCoreApplication::instance()) return;
    const QString url = soundUrl_(name);
    if (url.isEmpty() || !hasDevice_()) return;
    QSoundEffect *effect = effectFor(url);
    if (current_ && current_ != effect) current_->stop();
    current_ = effect;
    effect->stop();
    effect->play();
}

void QtSoundService::prepare(const QStringList &names)
{
    if (!QCoreApplication::instance() || !hasDevice_()) return;
    for (const QString &name : names) {
        const QString url = soundUrl_(name);
        if (!url.isEmpty()) effectFor(url);
    }
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

}  // namespace platform

// The module's export (SoundModule.h): one service for the process.
extern "C" Q_DECL_EXPORT platform::SoundService *
quorbix_sound_service(platform::SoundUrlLookup soundUrl)
{
    static platform::QtSoundService service(soundUrl);
    static const bool prepared = (service.prepare(platform::kSoundNames), true);
    (void)prepared;
    return &service;
}
