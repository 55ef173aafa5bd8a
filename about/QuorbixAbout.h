#pragma once
// The About box as Quorbix shows it: our text, credits, colours and fonts.

#include <QStringList>

class TAboutBoxDlg;

// The 36 lines of the game's About and credits text.
QStringList quorbixAboutText();

// Sets the About component up for the game (the main window calls this once, then Execute).
void ConfigureForQuorbix(TAboutBoxDlg &dlg);
