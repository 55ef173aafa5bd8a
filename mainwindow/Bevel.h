#pragma once
// A sunken frame drawn around something else: a line and nothing more. A class of its own, so
// that nothing takes it for a panel that holds controls.

#include <QFrame>

class TBevel : public QFrame {
    Q_OBJECT
public:
    explicit TBevel(QWidget *parent = nullptr) : QFrame(parent) {}
};
