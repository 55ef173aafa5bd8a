#pragma once
// A font together with the colour its text is drawn in: the About box and the credits scroller
// hand fonts around as one value, the way a caption's look is set in one go.

#include <QColor>
#include <QFont>
#include <QObject>

struct TextFont {
    Q_GADGET
    Q_PROPERTY(QFont font MEMBER font)
    Q_PROPERTY(QColor color MEMBER color)

public:
    QFont font;
    QColor color = Qt::black;

    // Family and size in points.
    static TextFont points(const QString &family, int pointSize, const QColor &color);
    // Family and character height in pixels.
    static TextFont pixels(const QString &family, int pixelSize, const QColor &color);

    bool operator==(const TextFont &other) const = default;
};
