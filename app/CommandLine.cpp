#include "CommandLine.h"

#include "SystemInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace quorbix {

namespace {

// The options every Qt GUI program takes (QGuiApplication, QApplication, the xcb platform).
// QApplication takes them out of argv itself; here they only must not count as unknown.
const char *const QtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "style", "stylesheet", "session", "display", "name", "title", "geometry",
    "qmljsdebugger",
};
const char *const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

std::optional<int> handleCommandLine(int argc, char **argv)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash: "-platform wayland" is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version(QStringLiteral("version"),
                                     QCoreApplication::translate("CommandLine", "Displays version information."));
    parser.addOption(version);
    for (const char *name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Without an application object Qt cannot know the program's name.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QStringLiteral("quorbix"));

    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(parser.positionalArguments().first())
                                  : parser.errorText();
        print(stderr, error + QLatin1Char('\n') + usage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        const platform::FileVersion v = platform::programVersion();
        print(stdout, QStringLiteral("Quorbix %1.%2.%3.%4\n").arg(v.major).arg(v.minor).arg(v.release).arg(v.build));
        return 0;
    }
    return std::nullopt;
}

}  // namespace quorbix
