#include "FormFonts.h"

#include <QVariant>
#include <QWidget>

namespace {

void applyPixelSize(QWidget *widget)
{
    const QVariant size = widget->property("pixelSize");
    if (!size.isValid()) return;
    QFont font = widget->font();
    font.setPixelSize(size.toInt());
    widget->setFont(font);
}

}  // namespace

void applyPixelSizes(QWidget *form)
{
    applyPixelSize(form);
    for (QWidget *child : form->findChildren<QWidget *>()) applyPixelSize(child);
}
