// The command line: --help and --version answer without a window, anything unknown is a usage
// error. Run where no display can be reached, so an attempt to open a window would fail.
#include "GameProcess.h"

#include <QRegularExpression>

namespace {

struct Answer {
    int status = -1;
    QString out;
    QString err;
};

Answer run(const QStringList &arguments, const QStringList &environment = {},
           const QString &standardOutput = QString())
{
    GameProcess game;
    if (!standardOutput.isEmpty()) game.process.setStandardOutputFile(standardOutput);
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        game.environment().remove(QString::fromLatin1(name));
    for (const QString &variable : environment)
        game.environment().insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    game.environment().remove(QStringLiteral("DISPLAY"));
    game.environment().remove(QStringLiteral("WAYLAND_DISPLAY"));
    game.environment().insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game.start(arguments);
    if (!game.waitForNormalExit()) return {};
    return {game.process.exitCode(), QString::fromLocal8Bit(game.process.readAllStandardOutput()),
            QString::fromLocal8Bit(game.process.readAllStandardError())};
}

}  // namespace

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutAWindow)
{
    for (const QStringList &arguments : {QStringList{"--help"}, QStringList{"-h"},
                                         QStringList{"-platform", "offscreen", "--help"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Answer answer = run(arguments);
        EXPECT_EQ(answer.status, 0);
        EXPECT_TRUE(answer.out.startsWith("Usage: quorbix [options]\n"))
            << answer.out.toStdString();
        EXPECT_TRUE(answer.out.contains("--version")) << answer.out.toStdString();
        EXPECT_EQ(answer.err, "");
    }
    // The package's version, three numbers (the About window shows the fourth as well).
    const Answer version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(QRegularExpression("^Quorbix \\d+\\.\\d+\\.\\d+\n$").match(version.out).hasMatch())
        << version.out.toStdString();
}

// An answer that cannot be written is a failure, not a success.
TEST(CommandLine, AnAnswerThatCannotBeWrittenEndsWithStatus1)
{
    for (const char *option : {"--version", "--help"}) {
        SCOPED_TRACE(option);
        const Answer answer = run({option}, {}, "/dev/full");
        EXPECT_EQ(answer.status, 1);
        EXPECT_TRUE(answer.err.contains("cannot write")) << answer.err.toStdString();
    }
}

// Qt's own documented options are accepted as any Qt program accepts them; a platform Qt has
// no plugin for is a usage error with a message, not an abort.
TEST(CommandLine, QtsOwnOptionsAreAcceptedAndAnUnknownPlatformIsAUsageError)
{
    for (const QStringList &arguments :
         {QStringList{"-testability", "--help"}, QStringList{"-icon", "quorbix.png", "--help"},
          QStringList{"-style=fusion", "-reverse", "--help"},
          QStringList{"--platform", "offscreen", "--help"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(run(arguments).status, 0);
    }
    const Answer unknown = run({"-platform", "nonsense"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(unknown.err.contains("'nonsense'")) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.err.contains("offscreen")) << unknown.err.toStdString();
}

TEST(CommandLine, AnUnknownOptionOrArgumentPrintsTheUsageOnStandardErrorWithStatus2)
{
    for (const QStringList &arguments : {QStringList{"--bogus"}, QStringList{"--help-all"},
                                         QStringList{"--version", "game.ini"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Answer answer = run(arguments);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(answer.out, "");
        EXPECT_TRUE(answer.err.contains("Usage: quorbix [options]")) << answer.err.toStdString();
    }
}

TEST(CommandLine, SpeaksTheLanguageTheEnvironmentNames)
{
    // German names any way a player names a language; Qt's own words ("Usage") are German too.
    for (const QStringList &environment :
         {QStringList{"LANGUAGE=de", "LANG=de_DE.UTF-8"}, QStringList{"LANG=de_DE.UTF-8"},
          QStringList{"LC_ALL=de_DE.UTF-8", "LANG=C.UTF-8"}, QStringList{"LC_MESSAGES=de_DE.UTF-8"},
          QStringList{"LANGUAGE=eo:de", "LANG=de_DE.UTF-8"}}) {
        SCOPED_TRACE(environment.join(' ').toStdString());
        const Answer answer = run({"--help"}, environment);
        EXPECT_EQ(answer.status, 0);
        EXPECT_FALSE(answer.out.startsWith("Usage: quorbix [options]\n"))
            << answer.out.toStdString();
        EXPECT_TRUE(answer.out.contains("quorbix [")) << answer.out.toStdString();
    }
    // English first, or no language at all: today's English, byte for byte.
    const Answer english = run({"--help"});
    EXPECT_TRUE(english.out.startsWith("Usage: quorbix [options]\n"));
    for (const QStringList &environment :
         {QStringList{"LANG=C"}, QStringList{"LANG=POSIX"},
          QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"}, QStringList{"LANG=en_US.UTF-8"},
          QStringList{"LC_ALL=C", "LANG=de_DE.UTF-8"}}) {
        SCOPED_TRACE(environment.join(' ').toStdString());
        EXPECT_EQ(run({"--help"}, environment).out, english.out);
    }
}
