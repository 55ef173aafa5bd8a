#pragma once
// The status bar as assistive technology sees it: each panel a text named by what it shows
// ("Actual", "12", "Total", "340", the mode) and described by what it is for.

#include <QAccessibleWidget>

class TStatusBar;

namespace quorbix {

class StatusBarAccessible : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(TStatusBar *bar);
    ~StatusBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TStatusBar *bar() const;
    mutable QList<QAccessible::Id> panels_;
};

// A panel's text changed: its name and value are new.
void announcePanelChange(TStatusBar *bar, int index);

}  // namespace quorbix
