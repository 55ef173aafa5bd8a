#pragma once
// The flat border of popup menus: a 1-px outline, the icon column carried up to the top edge,
// and a shadow strip at the right and bottom, painted over the popup after it painted itself.

#include "SkinLook.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <QWidget>

namespace menuskin {

class TMenuSkin;

class FlatPopupFilter : public QObject {
    Q_OBJECT
public:
    // Paints the flat border of popup with skin's palette; a popup that already has one
    // takes the new direction and a fresh copy of its top row.
    static void PaintFlatBorder(TMenuSkin *skin, QWidget *popup, bool rightToLeft);
    // A popup's flat border, if it has one.
    static FlatPopupFilter *of(const QWidget *popup);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FlatPopupFilter(QWidget *popup, TMenuSkin *skin);
    void release();
    void paintBorder();

    QPointer<QWidget> popup_;
    QPointer<TMenuSkin> skin_;
    bool rightToLeft_ = false;
    QVector<QRgb> topRow_;  // row 3 of the popup, carried up over rows 1 and 2
};

}  // namespace menuskin
