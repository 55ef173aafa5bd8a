#pragma once
// Shared pieces of the skin's tests: a fixed desktop palette (so system colours have known
// values), test pictures and pixel comparisons in colour values.

#include "SkinColors.h"
#include "SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

namespace skintest {

using platform::ColorValue;
using platform::fromQColor;

// Button face, highlight and button shadow of the test desktop.
inline const QColor Face(212, 208, 200);
inline const QColor Highlight(10, 36, 106);
inline const QColor Shadow(128, 128, 128);

class FixedPaletteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QApplication::palette();
        QPalette p = saved_;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Button, Face);
            p.setColor(group, QPalette::Window, Face);
            p.setColor(group, QPalette::Highlight, Highlight);
            p.setColor(group, QPalette::Dark, Shadow);
        }
        QApplication::setPalette(p);
    }
    void TearDown() override { QApplication::setPalette(saved_); }

private:
    QPalette saved_;
};

// The colour value of an image pixel.
inline ColorValue at(const QImage &image, int x, int y)
{
    return fromQColor(QColor(image.pixel(x, y)));
}

// A fully opaque square picture of one colour, with a differently coloured top-left pixel.
inline QImage solidPicture(int size, QColor colour)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(colour);
    picture.setPixelColor(0, 0, QColor(0, 0, 0));
    return picture;
}

}  // namespace skintest
