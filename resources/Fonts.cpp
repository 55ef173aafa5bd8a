// The embedded fonts and the names the windows ask for. The windows name the faces of another
// desktop; each name is mapped to a free face of the same character that we carry along, so
// every window looks the same on every machine.

#include "Resources.h"

#include "Embedded.h"

#include <QFont>
#include <QFontDatabase>
#include <QResource>

#include <array>

namespace resources {

namespace {

// The faces of the main window (the board, the menus and the status bar), then the others.
constexpr std::array kFirstWindowFontFiles{
    "fonts/ComicNeue-Regular.otf",
    "fonts/ComicNeue-Bold.otf",
    "fonts/LiberationSans-Regular.ttf",
    "fonts/LiberationSans-Bold.ttf",
};
constexpr std::array kOtherFontFiles{
    "fonts/LiberationMono-Regular.ttf",
    "fonts/EurofurenceBook.ttf",
    "fonts/EurofurenceDemi.ttf",
    "fonts/BiolinumDisplay.otf",
};

struct Substitution {
    const char *requested;
    const char *carried;
};

constexpr std::array kSubstitutions{
    Substitution{"Comic Sans MS", "Comic Neue"},
    // A rounded, friendly sans. Each weight is a family of its own, so that it is chosen
    // whatever weight a window asks for and whatever fonts the machine has installed.
    Substitution{"Berlin Sans FB Demi", "Eurofurence Demi"},
    Substitution{"Berlin Sans FB", "Eurofurence Book"},
    // A heavy display sans with strong contrast between thick and thin strokes.
    Substitution{"Britannic Bold", "Biolinum Display"},
    Substitution{"MS Sans Serif", "Liberation Sans"},
    Substitution{"Microsoft Sans Serif", "Liberation Sans"},
    Substitution{"Arial", "Liberation Sans"},
    Substitution{"Courier New", "Liberation Mono"},
};

template <std::size_t N>
void addFonts(const std::array<const char *, N> &files)
{
    for (const char *file : files) {
        // The fonts are stored uncompressed in the executable: the font database reads them
        // where they lie, instead of a copy on the heap, and only the parts it needs.
        const QResource font(detail::embeddedPath(QString::fromLatin1(file)));
        QFontDatabase::addApplicationFontFromData(
            font.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()),
                                          static_cast<qsizetype>(font.size()))
                : font.uncompressedData());
    }
}

}  // namespace

void registerFirstWindowFonts()
{
    static const bool registered = [] {
        init();
        addFonts(kFirstWindowFontFiles);
        for (const Substitution &s : kSubstitutions)
            QFont::insertSubstitution(QString::fromLatin1(s.requested),
                                      QString::fromLatin1(s.carried));
        return true;
    }();
    (void)registered;
}

void registerFonts()
{
    registerFirstWindowFonts();
    static const bool registered = (addFonts(kOtherFontFiles), true);
    (void)registered;
}

}  // namespace resources
