#pragma once
// The program's built-in sounds ("DIP", "GONG", "APPLAUSE"), played asynchronously.
// A new sound stops one still playing. No sound device is silent, never an error.

#include <QString>

namespace platform {

class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void play(const QString &name) = 0;
};

// The process-wide service: Qt Multimedia, loaded lazily on the first play.
SoundService &soundService();
// Tests install a recording stand-in; nullptr restores the real service.
void setSoundService(SoundService *service);

inline void PlaySound(const QString &name) { soundService().play(name); }

}  // namespace platform
