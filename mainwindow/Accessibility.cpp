#include "Accessibility.h"

#include "ActionAccessible.h"
#include "BoardAccessible.h"
#include "DrawGrid.h"
#include "StatusAccessible.h"
#include "StatusPanels.h"

#include <QAction>

namespace quorbix {

namespace {

QAccessibleInterface *ownInterface(const QString &key, QObject *object)
{
    if (key == QLatin1String("TDrawGrid"))
        return new BoardAccessible(static_cast<TDrawGrid *>(object));
    if (key == QLatin1String("TStatusBar"))
        return new StatusBarAccessible(static_cast<TStatusBar *>(object));
    if (key == QLatin1String("QAction") && hasSpokenName(object))
        return new ActionAccessible(static_cast<QAction *>(object));
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ownInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace quorbix
