#include "QuorbixAbout.h"

#include "Maker.h"
#include "aboutdlg.h"

#include <QCoreApplication>

namespace {

// The context of the scrolling text's translations.
struct QuorbixAbout {
    Q_DECLARE_TR_FUNCTIONS(QuorbixAbout)
};

}  // namespace

QStringList quorbixAboutText()
{
    const QString maker = QString::fromLatin1(platform::maker::kName);
    QStringList lines;
    // The leading spaces roughly centre a line in the scroll's fixed-pitch font; a text with
    // line breaks is a paragraph whose lines a translation may break where it likes.
    const auto add = [&lines](int indent, const QString &text) {
        for (const QString &line : text.split(u'\n')) lines << QString(indent, u' ') + line;
    };
    const auto gap = [&lines](int count) {
        for (int i = 0; i < count; ++i) lines << QString();
    };
    add(0, QuorbixAbout::tr("Quorbix for the desktop is the PC version of\n"
                            "Pocket Quorbix, our game for handheld computers."));
    gap(1);
    add(0, QuorbixAbout::tr("How it works"));
    gap(1);
    add(0, QuorbixAbout::tr("In the box are 26 balls with 5 different colors.\n"
                            "By doubleclick on two or more balls horizontaly\n"
                            "or vertically connected, they will disapear."));
    gap(1);
    add(0, QuorbixAbout::tr("As more balls you get with the same color \n"
                            "in a single turn, as more points you \n"
                            "receive."));
    gap(1);
    add(0, QuorbixAbout::tr("At the end you get bonus points as less balls\n"
                            "you have left over"));
    gap(2);
    add(23, QuorbixAbout::tr("Credits"));
    add(17, QuorbixAbout::tr("Design and programming"));
    add(17, maker);
    add(19, QuorbixAbout::tr("Icons and pictures"));
    add(9, QuorbixAbout::tr("Balls, menu icons and About pictures:"));
    add(17, maker);
    //: Names of people, companies, fonts and licences stay as they are.
    add(3, QuorbixAbout::tr("Symbol pictures from Noto Color Emoji (OFL 1.1)"));
    //: Names of people, companies, fonts and licences stay as they are.
    add(9, QuorbixAbout::tr("by Google Inc. and Arjen Nienhuis"));
    //: Names of people, companies, fonts and licences stay as they are.
    add(2, QuorbixAbout::tr("Fonts: Liberation by Red Hat and Google (OFL 1.1),"));
    //: Names of people, companies, fonts and licences stay as they are.
    add(4, QuorbixAbout::tr("Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum"));
    //: Names of people, companies, fonts and licences stay as they are.
    add(2, QuorbixAbout::tr("by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)"));
    gap(2);
    add(10, QuorbixAbout::tr("Dedicated to everyone who ever said"));
    add(18, QuorbixAbout::tr("\"just one more game\"."));
    gap(4);
    return lines;
}

void ConfigureForQuorbix(TAboutBoxDlg &dlg)
{
    dlg.setProductName(QStringLiteral("Quorbix"));
    dlg.setCopyright(QStringLiteral("2026 ") + platform::maker::kName);
    dlg.setAboutText(quorbixAboutText());
    dlg.setUseBackBMP(false);
    dlg.setUseMovie(true);
    dlg.setMovieSpeed(40);
    dlg.setBackCol(Qt::black);
    dlg.setAFont(TextFont::pixels(QStringLiteral("Arial"), 12, Qt::yellow));
    dlg.setaShadow(false);
    dlg.setFormFont(TextFont::pixels(QStringLiteral("Arial"), 11, QColor(0, 0, 128)));
}
