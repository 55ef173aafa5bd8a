#include "FlatBorder.h"

#include "CanvasOps.h"
#include "MenuSkin.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdlib>

namespace menuskin {

namespace {

const char *const FlatBorderProperty = "MenuSkinFlatBorder";

// Rows 1 and 2 take the colours of row 3 (the popup's frame gives way to its contents).
QVector<QRgb> rowOf(QWidget *popup, int y)
{
    const QImage row = popup->grab(QRect(0, y, popup->width(), 1)).toImage();
    QVector<QRgb> colours;
    colours.reserve(row.width());
    for (int x = 0; x < row.width(); ++x) colours.append(row.pixel(x, 0));
    return colours;
}

}  // namespace

FlatPopupFilter::FlatPopupFilter(QWidget *popup, TMenuSkin *skin)
    : QObject(popup), popup_(popup), skin_(skin)
{
    popup->setProperty(FlatBorderProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    popup->installEventFilter(this);
}

FlatPopupFilter *FlatPopupFilter::of(const QWidget *popup)
{
    return qobject_cast<FlatPopupFilter *>(popup->property(FlatBorderProperty).value<QObject *>());
}

void FlatPopupFilter::PaintFlatBorder(TMenuSkin *skin, QWidget *popup, bool rightToLeft)
{
    if (!popup || !skin || skin->flatBorderBusy()) return;
    skin->setFlatBorderBusy(true);
    FlatPopupFilter *filter = of(popup);
    const bool fresh = filter == nullptr;
    if (fresh) filter = new FlatPopupFilter(popup, skin);
    const bool turned = filter->rightToLeft_ != rightToLeft;
    filter->rightToLeft_ = rightToLeft;

    const int W = popup->width();
    const int H = popup->height();
    const QRect box = popup->mask().boundingRect();
    if (popup->mask().isEmpty() || std::abs(box.width() - W) > 5 || std::abs(box.height() - H) > 5)
        popup->setMask(QRegion(0, 0, W - 2, H - 2) + QRegion(2, 2, W - 2, H - 2));

    // The contents are painted without the border while the row is copied.
    popup->removeEventFilter(filter);
    const QVector<QRgb> row = rowOf(popup, 3);
    popup->installEventFilter(filter);
    const bool changed = row != filter->topRow_;
    filter->topRow_ = row;
    skin->setFlatBorderBusy(false);
    if (fresh || turned || changed) popup->update();
}

void FlatPopupFilter::release()
{
    QWidget *popup = popup_;
    if (!popup) return;
    popup->clearMask();
    popup->removeEventFilter(this);
    popup->setProperty(FlatBorderProperty, QVariant());
    // An open neighbouring sub-menu repaints the part of its shadow this popup covered.
    const QRect frame = popup->frameGeometry();
    QWidget *neighbour = QApplication::widgetAt(frame.right() + 2, frame.top() + 2);
    if (!neighbour || !of(neighbour->window()))
        neighbour = QApplication::widgetAt(frame.right() + 2, frame.bottom() - 2);
    if (neighbour && of(neighbour->window())) neighbour->window()->update();
    deleteLater();
}

void FlatPopupFilter::paintBorder()
{
    if (!skin_) return;
    const SkinPalette &pal = skin_->lookFor(popup_->depth()).palette;
    QPainter p(popup_);
    int W = popup_->width() - 2;
    int H = popup_->height() - 2;
    rectangle(p, {0, 0, W, H}, pal.FlatBorder, nullptr);
    if (!rightToLeft_)
        rectangle(p, {1, 2, 3, H - 1}, pal.IconColumnFace, nullptr);
    else
        polyline(p, {{W - 3, 2}, {W - 2, H - 1}}, pal.IconColumnFace);
    for (int x = 1; x < W - 1 && x < topRow_.size(); ++x)
        p.fillRect(QRect(x, 1, 1, 2), QColor(topRow_[x]));
    W += 2;
    H += 2;
    rectangle(p, {2, H - 2, W, H}, pal.FlatShadow, nullptr);
    rectangle(p, {W - 2, 2, W, H}, pal.FlatShadow, nullptr);
}

bool FlatPopupFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Paint && type != QEvent::Hide && type != QEvent::Close) return false;
    if (watched != popup_) return false;
    switch (type) {
    case QEvent::Paint:
        static_cast<QObject *>(popup_.data())->event(event);
        paintBorder();
        return true;
    case QEvent::Hide:
    case QEvent::Close: release(); return false;
    default: return false;
    }
}

}  // namespace menuskin
