#pragma once
// Help viewer, web addresses and mail, through the desktop.

#include <QString>

class QWidget;

namespace platform {

// Shows the help file in a viewer window of our own. A missing or unreadable file shows a
// clear message box instead. Returns false when the file could not be shown.
bool showHelp(QWidget *parent, const QString &helpFilePath);

// Both return false when the desktop could not start a handler.
bool openUrl(const QString &url);
bool startMail(const QString &address, const QString &subject);

}  // namespace platform
