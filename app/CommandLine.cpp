#include "CommandLine.h"

#include "AppFiles.h"
#include "SystemInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorbix {

namespace {

// The options every Qt GUI program takes (QGuiApplication, QApplication, the xcb platform).
// QApplication takes them out of argv itself; here they only must not count as unknown.
const char *const QtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "style",
    "stylesheet",
    "session",
    "display",
    "name",
    "title",
    "geometry",
    "icon",
    "qmljsdebugger",
};
const char *const QtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

// Written whole or reported: output that cannot be written (a full disk, a closed pipe) must
// not pass for an answer given.
bool print(std::FILE *stream, const QString &text)
{
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

int printAnswer(const QString &text)
{
    if (print(stdout, text)) return 0;
    const int error = errno;
    print(stderr,
          QCoreApplication::translate("CommandLine", "quorbix: cannot write the answer: %1\n")
              .arg(QString::fromLocal8Bit(std::strerror(error))));
    return 1;
}

constexpr char kPlatformInterface[] = "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface";

void addPlatformNames(const QJsonObject &metaData, QStringList &names)
{
    if (!metaData.value(QStringLiteral("IID"))
             .toString()
             .startsWith(QLatin1String(kPlatformInterface)))
        return;
    for (const QJsonValue &key : metaData.value(QStringLiteral("MetaData"))
                                     .toObject()
                                     .value(QStringLiteral("Keys"))
                                     .toArray())
        names << key.toString();
}

// The platforms Qt can be started on: the names in the metadata of the platform plugins in
// the folders Qt looks in (read from the files, none is loaded), and any built in.
QStringList platformNames(const QString &pluginPathOption)
{
    QStringList folders = {pluginPathOption, qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    const QString platforms = QStringLiteral("/platforms");
    for (const QString &path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts))
        folders << path + platforms;
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + platforms
            << QFileInfo(platform::executablePath()).absolutePath() + platforms;
    QStringList names;
    for (const QStaticPlugin &plugin : QPluginLoader::staticPlugins())
        addPlatformNames(plugin.metaData(), names);
    for (const QString &folder : folders) {
        if (folder.isEmpty() || folder == platforms) continue;
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
            addPlatformNames(QPluginLoader(file.absoluteFilePath()).metaData(), names);
    }
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

// "-platform name[:options]" for a platform Qt has no plugin for would end the program with an
// abort from inside the application object; it is a usage error like any other. Where no
// plugin can be found at all, Qt itself says so.
std::optional<QString> unknownPlatform(const QString &requested, const QString &pluginPath)
{
    const QString name = requested.section(u':', 0, 0);
    const QStringList known = platformNames(pluginPath);
    if (known.isEmpty() || known.contains(name, Qt::CaseInsensitive)) return std::nullopt;
    return QCoreApplication::translate("CommandLine",
                                       "quorbix: there is no platform named '%1'; available: %2.\n")
        .arg(name, known.join(QStringLiteral(", ")));
}

}  // namespace

std::optional<int> handleCommandLine(int argc, char **argv)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash: "-platform wayland" is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Quorbix, a tile-removal puzzle game: remove groups of equal symbols for points."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version(
        QStringLiteral("version"),
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
                                  ? QCoreApplication::translate("CommandLine",
                                                                "Unexpected argument '%1'.")
                                        .arg(parser.positionalArguments().first())
                                  : parser.errorText();
        print(stderr, error + QLatin1Char('\n') + usage);
        return 2;
    }
    if (parser.isSet(help)) return printAnswer(usage);
    if (parser.isSet(version)) {
        // The package's version: the first three numbers (the fourth is the About window's).
        const platform::FileVersion v = platform::programVersion();
        return printAnswer(
            QStringLiteral("Quorbix %1.%2.%3\n").arg(v.major).arg(v.minor).arg(v.release));
    }
    const QString platformOption = QStringLiteral("platform");
    if (parser.isSet(platformOption)) {
        const std::optional<QString> unknown = unknownPlatform(
            parser.value(platformOption), parser.value(QStringLiteral("platformpluginpath")));
        if (unknown) {
            print(stderr, *unknown);
            return 2;
        }
    }
    return std::nullopt;
}

}  // namespace quorbix
