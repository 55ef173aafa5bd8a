#pragma once
// The real sound service, the sound module's content: Qt Multimedia sound effects, made on the
// first play of each sound.

#include "SoundModule.h"

#include <QObject>
#include <QPointer>
#include <QSoundEffect>

#include <functional>

namespace platform {

class QtSoundService : public SoundService {
public:
    using DeviceCheck = std::function<bool()>;

    // soundUrl finds the sounds; hasDevice answers whether there is a sound output at all, by
    // default Qt Multimedia's.
    explicit QtSoundService(SoundUrlLookup soundUrl, DeviceCheck hasDevice = {});

    void play(const QString &name) override;
    // Opens the sound output and decodes the sounds named, so that their first play is quick.
    void prepare(const QStringList &names);

    // The effect started last; nullptr before the first sound that could be played.
    const QSoundEffect *current() const { return current_; }

private:
    QSoundEffect *effectFor(const QString &url);

    SoundUrlLookup soundUrl_;
    DeviceCheck hasDevice_;
    QPointer<QObject> effects_;  // parent of the effects; a child of the application object
    QPointer<QSoundEffect> current_;
};

}  // namespace platform
