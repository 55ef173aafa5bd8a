#pragma once
// Our window layouts give font heights in pixels, which a .ui file cannot say: a widget there
// carries the dynamic property "pixelSize", and this applies it once the layout is set up.

class QWidget;

void applyPixelSizes(QWidget *form);
