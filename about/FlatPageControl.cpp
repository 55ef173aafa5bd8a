#include "FlatPageControl.h"

TFlatPageControl::TFlatPageControl(QWidget *parent) : QStackedWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(0, 0, 0, 0);
}

void TFlatPageControl::setTabHeight(int height)
{
    if (height == tabHeight_) return;
    tabHeight_ = height;
    setContentsMargins(0, height, 0, 0);
    update();
}
