#pragma once
// Stands in for the sound service and records every sound asked for.

#include "Sound.h"

#include <QStringList>

class RecordingSoundService : public platform::SoundService {
public:
    RecordingSoundService() { platform::setSoundService(this); }
    ~RecordingSoundService() override { platform::setSoundService(nullptr); }
    RecordingSoundService(const RecordingSoundService &) = delete;
    RecordingSoundService &operator=(const RecordingSoundService &) = delete;

    void play(const QString &name) override { played << name; }

    QStringList played;
};
