#include "FocusFrame.h"

#include "CanvasOps.h"
#include "SkinColors.h"
#include "SkinPalette.h"

#include <QWidget>

namespace menuskin {

void PaintFocusFrame(QPainter &p, const QWidget &widget)
{
    if (!widget.hasFocus()) return;
    const SkinPalette palette = ComputePalette(SkinColorSettings{}, widget.depth() > 15);
    rectangle(p, Edges::of(widget.rect()), Lighten(palette.SelectFrame, 60), nullptr);
}

}  // namespace menuskin
