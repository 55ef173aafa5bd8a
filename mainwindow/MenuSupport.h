#pragma once
// What the main menu needs beyond the layout file: the icons named by each item's
// "ImageIndex", hints shown as tooltips (also on the menu bar), and the application's tooltip
// colour and delay.

#include <QObject>

class QMenuBar;
class QWidget;

namespace menuskin {
class TMenuSkin;
}

namespace quorbix {

// Light yellow tooltips that appear after 20 ms.
void applyHintSettings();

// Gives every action under root the menu icon of its "ImageIndex" (-1 when it has none) and
// every submenu's item the hint written on the submenu.
void attachMenuPictures(QWidget *root);

// The main window's menu skin, MenuSkin1, with the settings the game stores for it: gradient
// popups on the system palette, dimmed and greyed pictures, navy 11-pixel item text.
menuskin::TMenuSkin *attachMenuSkin(QWidget *form);

// Shows the hint of the menu bar item under the pointer; items without a hint of their own
// show nothing.
class MenuBarHints : public QObject {
    Q_OBJECT
public:
    explicit MenuBarHints(QMenuBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *bar_;
};

}  // namespace quorbix
