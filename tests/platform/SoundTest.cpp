// The sounds: the stand-in that the windows' tests use, the real service's own rules, and the
// sound module that holds it, loaded after the first paint or not at all.
#include "QtSoundService.h"
#include "RecordingSoundService.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int effectsAlive() { return static_cast<int>(qApp->findChildren<QSoundEffect *>().size()); }

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
    platform::QtSoundService service(&resources::soundUrl, [] { return true; });
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
        return std::any_of(effects.begin(), effects.end(), [](const QSoundEffect *e) {
            return e->status() == QSoundEffect::Loading;
        });
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return !loading(); }, 30000));
}

TEST(Sound, WithoutASoundDeviceNothingIsLoaded)
{
    const int before = effectsAlive();
    platform::QtSoundService service(&resources::soundUrl, [] { return false; });
    service.play("APPLAUSE");
    EXPECT_EQ(service.current(), nullptr);
    EXPECT_EQ(effectsAlive(), before);
}

bool soundModuleMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/quorbix-sound.so\n");
}

// Whatever stands where the module should be, it is silence: no crash and no message.
TEST(SoundModule, AMissingOrDamagedModuleIsSilentAndQuiet)
{
    static QTemporaryDir dir;
    QFile damaged(dir.filePath(QStringLiteral("quorbix-sound.so")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x7f"
                  "ELF but nothing more");
    damaged.close();
    static QStringList messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &m) { messages << m; });
    platform::ModuleSoundService missing(
        [] { return QStringList{dir.filePath(QStringLiteral("none.so"))}; }, &resources::soundUrl);
    missing.play(QStringLiteral("DIP"));
    EXPECT_EQ(missing.load(), nullptr);
    platform::ModuleSoundService broken(
        [] { return QStringList{dir.filePath(QStringLiteral("quorbix-sound.so"))}; },
        &resources::soundUrl);
    broken.play(QStringLiteral("DIP"));
    EXPECT_EQ(broken.load(), nullptr);
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, QStringList());
}

// The build's module lies beside the test, as it lies beside the game; a window asks for it
// once it has been painted.
TEST(SoundModule, TheModuleBesideTheExecutableLoadsAfterTheFirstPaint)
{
    QWidget window;
    window.show();
    platform::preloadSoundsAfterFirstPaint(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor(soundModuleMapped, 5000));

    platform::ModuleSoundService beside(&platform::soundModuleCandidates, &resources::soundUrl);
    EXPECT_NE(beside.load(), nullptr);
}

}  // namespace
