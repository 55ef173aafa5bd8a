#include "OtherProgramsText.h"

#include <QCoreApplication>

namespace {

// The page's texts, each written on one line of the page so that it is found whole.
const char *const PageTexts[] = {
    QT_TRANSLATE_NOOP("OtherPrograms", "More from the Quorbix developers"),
    QT_TRANSLATE_NOOP("OtherPrograms", "Our other programs"),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "Small games and helpers, made with the same care as Quorbix. "
                      "Each one is free to play and free to pass on."),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "Tilt a tray of coloured pebbles until three of a kind meet and "
                      "roll away. Calm, slow and endlessly replayable."),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "Light every lantern of a night-time garden with one unbroken "
                      "path. Forty hand-made gardens from easy to fiendish."),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "A little clock, a calendar and sticky notes that stay where you "
                      "put them on your desktop."),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "Catch falling letters and fly them up as words before the wind "
                      "changes. For one player or two at one keyboard."),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "A pocket star map: find the constellations above you tonight, "
                      "with their stories."),
    QT_TRANSLATE_NOOP("OtherPrograms",
                      "All of them come from the Quorbix developers. Ideas, wishes and "
                      "bug reports are always welcome."),
};

}  // namespace

QString translatedOtherPrograms(const QString &html)
{
    QString page = html;
    for (const char *text : PageTexts) {
        const QString translated = QCoreApplication::translate("OtherPrograms", text);
        // Between tags, so a text that is part of another is not replaced inside it.
        page.replace(QLatin1Char('>') + QLatin1String(text) + QLatin1Char('<'),
                     QLatin1Char('>') + translated.toHtmlEscaped() + QLatin1Char('<'));
    }
    return page;
}
