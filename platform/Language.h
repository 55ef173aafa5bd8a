#pragma once
// The language the game speaks: the first of the player's desktop languages that it has a
// translation for, English otherwise. The windows, the command line and the help viewer all
// follow the one choice made here.

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace platform {

// The languages the game has built in ("de", "pt_BR", ...), from its compiled translations.
QStringList availableLanguages();

// The first of the player's languages (as QLocale::uiLanguages() lists them, "de-DE", "pt-BR",
// "zh-Hans-CN") that is among the available ones, matched by language and territory first,
// then by language alone; empty (English) when an English language or "C" comes first, or
// when none matches.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &available);

// The language the installed translations speak; empty for English (none installed).
QString currentLanguage();

// "dir/name_<lang>.ext" when the current language has such a file beside "dir/name.ext",
// else the path as it is.
QString localizedFile(const QString &path);

// While it lives, the game's and Qt's own texts speak the language chosen from the desktop's
// (or the given one); under English nothing is installed at all, so English stays the
// untranslated text. Needs the application object.
class Translations {
public:
    Translations();
    explicit Translations(const QString &language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
    QString previous_;
};

}  // namespace platform
