// The sounds: the stand-in that the windows' tests use, and the real service's own rules.
#include "QtSoundService.h"
#include "RecordingSoundService.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QSoundEffect>

#include <gtest/gtest.h>

namespace {

int effectsAlive()
{
    return static_cast<int>(qApp->findChildren<QSoundEffect *>().size());
}

TEST(Sound, PlaySoundGoesToTheInstalledServiceAndBackToTheRealOne)
{
    platform::SoundService *real = &platform::soundService();
    {
        RecordingSoundService recorder;
        platform::PlaySound("DIP");
        platform::PlaySound("GONG");
        platform::PlaySound("APPLAUSE");
        EXPECT_EQ(recorder.played, QStringList({"DIP", "GONG", "APPLAUSE"}));
        EXPECT_EQ(&platform::soundService(), &recorder);
    }
    EXPECT_EQ(&platform::soundService(), real);
}

TEST(Sound, EffectsAreMadeOnFirstPlayAndANewSoundStopsTheOldOne)
{
    const int before = effectsAlive();
    platform::QtSoundService service([] { return true; });
    EXPECT_EQ(service.current(), nullptr);
    EXPECT_EQ(effectsAlive(), before);

    service.play("DIP");
    ASSERT_NE(service.current(), nullptr);
    const QSoundEffect *dip = service.current();
    EXPECT_EQ(dip->source(), QUrl(resources::soundUrl("DIP")));
    EXPECT_EQ(effectsAlive(), before + 1);

    service.play("GONG");
    EXPECT_EQ(service.current()->source(), QUrl(resources::soundUrl("GONG")));
    EXPECT_FALSE(dip->isPlaying());

    // A sound name the program does not have changes nothing.
    service.play("THUNDER");
    EXPECT_EQ(service.current()->source(), QUrl(resources::soundUrl("GONG")));

    // Each sound is loaded once; playing it again reuses it.
    service.play("DIP");
    EXPECT_EQ(service.current(), dip);
    EXPECT_EQ(effectsAlive(), before + 2);
}

TEST(Sound, WithoutASoundDeviceNothingIsLoaded)
{
    const int before = effectsAlive();
    platform::QtSoundService service([] { return false; });
    service.play("APPLAUSE");
    EXPECT_EQ(service.current(), nullptr);
    EXPECT_EQ(effectsAlive(), before);
}

}  // namespace
