#pragma once
// A page control without a visible tab strip: its pages start TabHeight pixels below its top
// and take the rest of it, so the pages are switched by the program only (the About window's
// tool strip does that). Pages are added with addWidget, as in any stacked widget.

#include <QStackedWidget>

class TFlatPageControl : public QStackedWidget {
    Q_OBJECT
    Q_PROPERTY(int TabHeight READ TabHeight WRITE setTabHeight)

public:
    explicit TFlatPageControl(QWidget *parent = nullptr);

    int TabHeight() const { return tabHeight_; }
    void setTabHeight(int height);

private:
    int tabHeight_ = 0;
};
