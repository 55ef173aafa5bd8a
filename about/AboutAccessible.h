#pragma once
// How the About box's own kinds of controls reach a screen reader: the binary clock as one
// text, the time it shows (its twenty lamps are decoration); a label that acts as a link as a
// link that Enter opens.

#include <QString>

class QLabel;
class QWidget;

namespace about {

// The clock panel is read as the time text, which the caller keeps up to date.
void markAsClock(QWidget *panel);
void setClockText(QWidget *panel, const QString &time);

// The label takes the focus, shows it, and is read as a link; Enter or Space on it (or a
// screen reader's press) does what a click does.
void markAsLink(QLabel *label);
bool isLinkKey(const QWidget *label, int key);

}  // namespace about
