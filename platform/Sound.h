#pragma once
// The program's built-in sounds ("DIP", "GONG", "APPLAUSE"), played asynchronously.
// A new sound stops one still playing. No sound device is silent, never an error.

#include <QString>

class QWidget;

namespace platform {

class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void play(const QString &name) = 0;
};

// The process-wide service: the sound module (SoundModule.h), loaded on the first play or by
// preloadSoundsAfterFirstPaint, whichever comes first.
SoundService &soundService();
// Tests install a recording stand-in; nullptr restores the real service.
void setSoundService(SoundService *service);

inline void PlaySound(const QString &name) { soundService().play(name); }

// Loads the sound module once the window has been painted for the first time, so the sound
// libraries cost the start-up nothing and the first sound does not wait for them.
void preloadSoundsAfterFirstPaint(QWidget &window);

}  // namespace platform
