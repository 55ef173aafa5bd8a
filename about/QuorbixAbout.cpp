#include "QuorbixAbout.h"

#include "Maker.h"
#include "aboutdlg.h"

QStringList quorbixAboutText()
{
    const QString maker = QString::fromLatin1(platform::maker::kName);
    return {
        QStringLiteral("Quorbix for the desktop is the PC version of"),
        QStringLiteral("Pocket Quorbix, our game for handheld computers."),
        QString(),
        QStringLiteral("How it works"),
        QString(),
        QStringLiteral("In the box are 26 balls with 5 different colors."),
        QStringLiteral("By doubleclick on two or more balls horizontaly"),
        QStringLiteral("or vertically connected, they will disapear."),
        QString(),
        QStringLiteral("As more balls you get with the same color "),
        QStringLiteral("in a single turn, as more points you "),
        QStringLiteral("receive."),
        QString(),
        QStringLiteral("At the end you get bonus points as less balls"),
        QStringLiteral("you have left over"),
        QString(),
        QString(),
        QStringLiteral("                       Credits"),
        QStringLiteral("                 Design and programming"),
        QStringLiteral("                 ") + maker,
        QStringLiteral("                   Icons and pictures"),
        QStringLiteral("         Balls, menu icons and About pictures:"),
        QStringLiteral("                 ") + maker,
        QStringLiteral("   Symbol pictures from Noto Color Emoji (OFL 1.1)"),
        QStringLiteral("         by Google Inc. and Arjen Nienhuis"),
        QStringLiteral("  Fonts: Liberation by Red Hat and Google (OFL 1.1),"),
        QStringLiteral("    Comic Neue by Craig Rozynski (OFL 1.1), Linux Biolinum"),
        QStringLiteral("  by Philipp H. Poll, Eurofurence by Tobias B. Koehler (OFL 1.1)"),
        QString(),
        QString(),
        QStringLiteral("          Dedicated to everyone who ever said"),
        QStringLiteral("                  \"just one more game\"."),
        QString(),
        QString(),
        QString(),
        QString(),
    };
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
