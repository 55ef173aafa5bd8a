#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

// Where the build puts the compiled translations, one quorbix_<lang>.qm each.
const QString TranslationsFolder = QStringLiteral(":/i18n");
const QString TranslationPrefix = QStringLiteral("quorbix_");

QString &installedLanguage()
{
    static QString language;
    return language;
}

}  // namespace

QStringList availableLanguages()
{
    QStringList languages;
    const QStringList files = QDir(TranslationsFolder)
                                  .entryList({TranslationPrefix + QStringLiteral("*.qm")},
                                             QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages << QFileInfo(file).completeBaseName().mid(TranslationPrefix.size());
    return languages;
}

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    for (const QString &name : uiLanguages) {
        // "C" and "POSIX" read as English too: the untranslated game.
        if (name == u"C" || name == u"POSIX") return {};
        const QLocale locale(name);
        if (locale.language() == QLocale::English) return {};
        // A name Qt does not know gives the C locale: the next language may still be ours.
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) continue;
        // "pt_BR" for "pt-BR", and for "zh-Hans-CN" "zh_CN": the language and its territory.
        const QString full = locale.name();
        if (available.contains(full)) return full;
        const QString language = full.section(u'_', 0, 0);
        if (available.contains(language)) return language;
    }
    return {};
}

QString currentLanguage() { return installedLanguage(); }

QString localizedFile(const QString &path)
{
    const QString language = currentLanguage();
    if (language.isEmpty()) return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString localized = info.dir().filePath(info.completeBaseName() + u'_' + language +
                                                  (suffix.isEmpty() ? QString() : u'.' + suffix));
    return QFileInfo::exists(localized) ? localized : path;
}

Translations::Translations()
    : Translations(chooseLanguage(QLocale::system().uiLanguages(), availableLanguages()))
{}

Translations::Translations(const QString &language) : previous_(installedLanguage())
{
    if (language.isEmpty()) return;
    auto game = std::make_unique<QTranslator>();
    if (!game->load(TranslationPrefix + language, TranslationsFolder)) return;
    QCoreApplication::installTranslator(game.get());
    game_ = std::move(game);
    installedLanguage() = language;
    // Qt's own texts (the buttons of its boxes, the line edit's menu), where Qt has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
    }
}

Translations::~Translations()
{
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    if (game_) QCoreApplication::removeTranslator(game_.get());
    installedLanguage() = previous_;
}

}  // namespace platform
