#include "WindowSettings.h"

#include "ProfileFile.h"

namespace quorbix {

namespace {
const QString SoundsSection = QStringLiteral("Sounds");
const QString SoundsKey = QStringLiteral("Play Sounds");
const QString SizeSection = QStringLiteral("Kids");
const QString SizeKey = QStringLiteral("Kids Symbols");
const QString ModeSection = QStringLiteral("Modus");
const QString ModeKey = QStringLiteral("Shifter");
}  // namespace

WindowSettings WindowSettings::read(const QString &settingsPath)
{
    const platform::ProfileFile file(settingsPath);
    WindowSettings s;
    s.soundsOn = file.readBool(SoundsSection, SoundsKey, true);
    s.pictureSizeCode = file.readInteger(SizeSection, SizeKey, 0);
    s.gameMode = engine::GameMode{file.readInteger(ModeSection, ModeKey, 0)};
    return s;
}

void WindowSettings::write(const QString &settingsPath) const
{
    platform::ProfileFile file(settingsPath);
    file.writeBool(SoundsSection, SoundsKey, soundsOn);
    file.writeInteger(SizeSection, SizeKey, pictureSizeCode);
    file.writeInteger(ModeSection, ModeKey, static_cast<std::int32_t>(gameMode));
}

}  // namespace quorbix
