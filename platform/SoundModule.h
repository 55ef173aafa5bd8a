#pragma once
// The sound back end lives in a module of its own (Qt Multimedia), so that the executable does
// not load the sound libraries at start. The module is looked for beside the executable (a
// build, a portable copy), then in the installed module folder; one that cannot be loaded
// means silence, as a machine without a sound device does.

#include "Sound.h"

#include <QStringList>

namespace platform {

// The path of a built-in sound by its name (case-insensitive); empty for a name the program
// does not have. The module plays what the executable holds, so it is handed this lookup.
using SoundUrlLookup = QString (*)(const QString &name);

// The module's one export, by this name: its process-wide service, made ready to play at once
// (the sound output opened, the sounds decoded).
using SoundModuleEntry = SoundService *(*)(SoundUrlLookup soundUrl);
inline constexpr char kSoundModuleEntry[] = "quorbix_sound_service";
// The sounds the game plays, which the module readies when it loads.
inline const QStringList kSoundNames{QStringLiteral("DIP"), QStringLiteral("GONG"),
                                     QStringLiteral("APPLAUSE")};

// Plays through the first of the candidate modules that loads, loaded on the first play or
// load(). Nothing loads: every sound is silent, quietly.
class ModuleSoundService : public SoundService {
public:
    using Candidates = QStringList (*)();

    // candidates is asked on the first load, so that it sees the executable's final path.
    ModuleSoundService(Candidates candidates, SoundUrlLookup soundUrl);

    void play(const QString &name) override;
    // Loads the module, once; the module's service, or nullptr when none could be loaded.
    SoundService *load();

private:
    Candidates candidates_;
    SoundUrlLookup soundUrl_;
    bool tried_ = false;
    SoundService *loaded_ = nullptr;
};

// Where the game's module may lie: beside the executable, then the installed module folder
// found from the executable's folder.
QStringList soundModuleCandidates();

}  // namespace platform
