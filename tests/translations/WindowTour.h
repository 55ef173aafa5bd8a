#pragma once
// A tour of every window and menu of the game, as a player opens them, each handed to a check
// while it is on screen: the main window with its menus and status bar, the message box of
// "Select Images" in the standard size, Select Images, the dispersion, the high scores, About
// (both pages and its system information box), the help window and its message for a missing
// file, and at the end of a game the game-over window, the name prompt and the high scores.

#include <QString>
#include <QWidget>

#include <functional>

using WindowCheck = std::function<void(QWidget *window)>;

// exeDir: the folder of the stand-in executable, "quorbix"; helpFiles: the folder the help
// files are copied from.
void tourEveryWindow(const QString &exeDir, const QString &helpFiles, const WindowCheck &check);
