#include "AccessibleEvents.h"

namespace quorbix {

namespace {
AccessibleListener &listener()
{
    static AccessibleListener heard;
    return heard;
}
}  // namespace

void setAccessibleListener(AccessibleListener l) { listener() = std::move(l); }

bool accessibleEventsHeard() { return QAccessible::isActive() || listener(); }

void sendAccessibleEvent(QAccessibleEvent &event)
{
    if (listener()) listener()(&event);
    QAccessible::updateAccessibility(&event);
}

}  // namespace quorbix
