#include "FlatPageControl.h"

TFlatPageControl::TFlatPageControl(QWidget *parent)
    : QStackedWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(0, 0, 0, 0);
}

void TFlatPageControl::setTabHeight(int height)
{
    if (height == m_tabHeight)
        return;
    m_tabHeight = height;
    setContentsMargins(0, height, 0, 0);
    update();
}
