// The sounds: the stand-in that the windows' tests use, and the real service's own rules.
#include "QtSoundService.h"
#include "RecordingSoundService.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

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

    // Qt Multimedia's sample cache deadlocks at exit while a sample is still being decoded:
    // let every effect finish loading before the process ends.
    const auto loading = [] {
        const auto effects = qApp->findChildren<QSoundEffect *>();
        return std::any_of(effects.begin(), effects.end(),
                           [](const QSoundEffect *e) { return e->status() == QSoundEffect::Loading; });
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return !loading(); }, 30000));
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
