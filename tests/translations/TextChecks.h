#pragma once
// What a window shows a player, checked text by text: that each is translated (under the pseudo
// language) and that each fits the place the window gives it, in the window's own font.

#include <QStringList>
#include <QWidget>

// Every visible text of the window (title, labels, buttons, menus and their hints, tooltips,
// table headers, status bar panels, the credits and the About box's page) is a pseudo text or
// one of the names, which are never translated.
void expectEveryTextTranslated(QWidget *window, const QStringList &names);

// Every visible text fits: a label's text inside the label (a word-wrapped one by its wrapped
// height) and inside the window, a button's text inside the button, a table header's inside its
// section, a status bar panel's inside the visible part of its box, each menu item inside its
// menu, and the menu bar in one row.
void expectEveryTextFits(QWidget *window);
