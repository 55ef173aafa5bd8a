// The choice of the game's language and what follows it: the translators, the help file.
#include "Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList Available = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("pt_BR"),
                               QStringLiteral("sv"), QStringLiteral("zh_CN")};

QString choose(std::initializer_list<const char *> uiLanguages)
{
    QStringList names;
    for (const char *name : uiLanguages) names << QString::fromLatin1(name);
    return platform::chooseLanguage(names, Available);
}

}  // namespace

TEST(Language, TheFirstOfThePlayersLanguagesThatTheGameSpeaksWins)
{
    EXPECT_EQ(choose({"de-DE", "de"}), "de");
    EXPECT_EQ(choose({"it-IT", "fr-FR", "de"}), "fr");  // no Italian here: the next one
    EXPECT_EQ(choose({"sv-FI"}), "sv");                 // by language when the territory differs
    EXPECT_EQ(choose({"pt-BR"}), "pt_BR");
    EXPECT_EQ(choose({"pt"}), "pt_BR");  // Qt's Portuguese is Brazil's
    EXPECT_EQ(choose({"zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(choose({"zh-TW", "de"}), "de");  // never the simplified for the traditional
    EXPECT_EQ(choose({"tlh", "fr"}), "fr");    // an unknown name is passed over
}

TEST(Language, EnglishAndTheCLocaleAreTheUntranslatedGame)
{
    EXPECT_EQ(choose({"en-US", "de"}), "");
    EXPECT_EQ(choose({"en-GB"}), "");
    EXPECT_EQ(choose({"C"}), "");
    EXPECT_EQ(choose({"POSIX"}), "");
    EXPECT_EQ(choose({"it", "en", "de"}), "");
    EXPECT_EQ(choose({}), "");
}

TEST(Language, EveryListedLanguageIsBuiltIn)
{
    const QStringList listed = QString::fromLatin1(QUORBIX_LANGUAGES).split(u' ');
    EXPECT_EQ(platform::availableLanguages(), listed);
}

TEST(Language, TranslationsInstallTheLanguageAndItsHelpFileForTheirLifetime)
{
    QTemporaryDir dir;
    const QString english = dir.filePath(QStringLiteral("quorbix.hlp"));
    const QString german = dir.filePath(QStringLiteral("quorbix_de.hlp"));
    for (const QString &path : {english, german}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(platform::currentLanguage(), "");
    EXPECT_EQ(platform::localizedFile(english), english);
    {
        const platform::Translations translations(QStringLiteral("de"));
        EXPECT_EQ(platform::currentLanguage(), "de");
        EXPECT_EQ(platform::localizedFile(english), german);
        // Qt's own texts come along: its message box buttons are no longer English.
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        const platform::Translations french(QStringLiteral("fr"));
        // No French help here: the English one.
        EXPECT_EQ(platform::localizedFile(english), english);
    }
    EXPECT_EQ(platform::currentLanguage(), "");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    {
        const platform::Translations none{QString()};
        EXPECT_EQ(platform::currentLanguage(), "");
    }
}
