// Every window in every language. The pseudo language shows that every text a player sees is
// translated; English and each built-in language that every text fits its place.
#include "PseudoTranslator.h"
#include "TextChecks.h"
#include "WindowTour.h"

#include "Language.h"
#include "Maker.h"
#include "ProfileFile.h"
#include "Resources.h"
#include "SystemInfo.h"
#include "TempExeDir.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Texts no language translates: names, and what the game shows of the player's machine.
QStringList untranslatedNames()
{
    QStringList names = {
        QStringLiteral("Quorbix"), QStringLiteral("quorbix"),
        QString::fromLatin1(platform::maker::kName),
        QString::fromLatin1(platform::maker::kWebCaption),
        QString::fromLatin1(platform::maker::kWebAddress), QCoreApplication::applicationName(),
        platform::osVersion().family, QStringLiteral("Player"),
        // the programs on the About box's second page
        QStringLiteral("Pebble Drift"), QStringLiteral("Lantern Lines"),
        QStringLiteral("Tidy Desk"), QStringLiteral("Word Kite"), QStringLiteral("Starboard")};
    // The longest first, so that one name within another goes whole.
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return names;
}

// QUORBIX_SCREENSHOTS=<folder> keeps a picture of every window the tour shows, to look at a
// language: <folder>/<language>-<nn>-<window class>.png.
class Pictures {
public:
    explicit Pictures(QString language) : language_(std::move(language)) {}
    void keep(QWidget *window)
    {
        if (folder_.isEmpty()) return;
        window->grab().save(QStringLiteral("%1/%2-%3-%4.png")
                                .arg(folder_, language_)
                                .arg(++count_, 2, 10, QLatin1Char('0'))
                                .arg(QString::fromLatin1(window->metaObject()->className())));
    }

private:
    const QString folder_ = qEnvironmentVariable("QUORBIX_SCREENSHOTS");
    const QString language_;
    int count_ = 0;
};

class TranslationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resources::init();
        resources::registerFonts();
    }
    TempExeDir exe;
};

}  // namespace

TEST_F(TranslationsTest, UnderThePseudoLanguageEveryVisibleTextIsTranslated)
{
    PseudoTranslator pseudo(QStringLiteral(QUORBIX_TS_FILE));
    QCoreApplication::installTranslator(&pseudo);
    const QStringList names = untranslatedNames();
    Pictures pictures(QStringLiteral("pseudo"));
    tourEveryWindow(exe.path(), QStringLiteral(QUORBIX_HELP_DIR), [&](QWidget *window) {
        pictures.keep(window);
        expectEveryTextTranslated(window, names);
        // Windows that size themselves to their texts must fit even the longest.
        if (qobject_cast<QMessageBox *>(window) || window->objectName() == "HelpViewer" ||
            window->inherits("QInputDialog"))
            expectEveryTextFits(window);
    });
    // The message of a settings file that cannot be written.
    EXPECT_TRUE(isPseudoText(platform::ProfileWriteError(QStringLiteral("/x")).message(),
                             {QStringLiteral("x")}));
    QCoreApplication::removeTranslator(&pseudo);
}

TEST(PseudoText, KeepsPlaceholdersAcceleratorsAndMarkupAndIsLonger)
{
    EXPECT_EQ(pseudoText(QStringLiteral("&New Game")), QStringLiteral("[!! &Ñéw Gámé !!]"));
    const QString placeholders = pseudoText(
        QStringLiteral("You have left %n balls, %1 and %L2 <b>now</b> &amp; later"));
    for (const char *kept : {"%n", "%1", "%L2", "<b>", "</b>", "&amp;"})
        EXPECT_TRUE(placeholders.contains(QLatin1String(kept))) << kept;
    const QString line = QStringLiteral("Send us your suggestions and error reports by mail,");
    EXPECT_GE(pseudoText(line).size(), int(line.size() * 1.4));
    EXPECT_EQ(pseudoText(QStringLiteral("one\ntwo")).count(QStringLiteral("[!! ")), 2);
    EXPECT_TRUE(
        isPseudoText(pseudoText(QStringLiteral("Free Memory: %1")).replace("%1", "12 KB"), {}))
        << "data within a pseudo text is part of it";
    EXPECT_FALSE(isPseudoText(QStringLiteral("Actual"), {}));
    EXPECT_FALSE(isPseudoText(pseudoText(QStringLiteral("Total")) + QStringLiteral(" points"), {}));
    EXPECT_TRUE(isPseudoText(QStringLiteral("1002 - Quorbix"), {QStringLiteral("Quorbix")}));
}

class LanguageFitTest : public TranslationsTest,
                        public ::testing::WithParamInterface<std::string> {};

TEST_P(LanguageFitTest, EveryTextFitsItsPlace)
{
    const QString language = QString::fromStdString(GetParam());
    std::optional<platform::Translations> translations;
    if (language != QLatin1String("en")) {
        translations.emplace(language);
        ASSERT_EQ(platform::currentLanguage(), language) << "not built in";
    }
    Pictures pictures(language);
    tourEveryWindow(exe.path(), QStringLiteral(QUORBIX_HELP_DIR), [&](QWidget *window) {
        pictures.keep(window);
        expectEveryTextFits(window);
    });
}

// English, then every language the build lists: one not yet translated is English where
// its translation is unfinished.
std::vector<std::string> fitLanguages()
{
    std::vector<std::string> languages{"en"};
    for (const QString &language : QStringLiteral(QUORBIX_LANGUAGES).split(u' '))
        languages.push_back(language.toStdString());
    return languages;
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFitTest, ::testing::ValuesIn(fitLanguages()),
                         [](const ::testing::TestParamInfo<std::string> &language) {
                             return language.param;
                         });
