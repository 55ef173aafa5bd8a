#pragma once
// The events that keep a screen reader up to date go out through here: to the desktop's
// accessibility bridge when one runs, and to a listener when one is set (the tests listen on a
// platform without a bridge).

#include <QAccessible>

#include <functional>

namespace quorbix {

using AccessibleListener = std::function<void(QAccessibleEvent *event)>;

// An empty listener stops listening.
void setAccessibleListener(AccessibleListener listener);

// Whether anyone hears the events; nothing needs to be worked out for them otherwise.
bool accessibleEventsHeard();

void sendAccessibleEvent(QAccessibleEvent &event);

}  // namespace quorbix
