#pragma once
// The flat look of a tool bar's buttons, painted in place of the buttons' own painting, and
// the lines of its separators.

#include "SkinLook.h"

#include <QObject>
#include <QPointer>

class QPainter;
#include <QToolBar>
class QToolButton;

namespace menuskin {

class TMenuSkin;

struct ToolButtonState {
    bool hot = false;
    bool checked = false;
    bool selected = false;  // pressed
    bool enabled = true;
};

// Paints one tool button over its bounds on the tool bar's colour; on a transparent tool bar
// the bounds keep what lies behind them.
void PaintToolButton(QPainter &p, const QToolButton &button, const ToolButtonState &state,
                     const SkinLook &look, ColorValue barColor, bool transparent);

class ToolBarSkin : public QObject {
    Q_OBJECT
public:
    ToolBarSkin(QToolBar *bar, TMenuSkin *skin);
    ~ToolBarSkin() override;
    ToolBarSkin(const ToolBarSkin &) = delete;
    ToolBarSkin &operator=(const ToolBarSkin &) = delete;

    QToolBar *bar() const { return bar_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hookButtons();
    void paintSeparators();

    QPointer<QToolBar> bar_;
    TMenuSkin *skin_;
};

}  // namespace menuskin
