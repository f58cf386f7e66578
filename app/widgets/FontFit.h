#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace brannock {

/// `font` at its own size, or made smaller step by step until `text` fits in `width` pixels
/// (a substitute face is often wider than the one a layout was made for), but never below
/// `smallest`. A font sized in pixels shrinks a pixel a step, one sized in points a quarter
/// point, and `smallest` is in the same unit.
inline QFont shrinkToFit(QFont font, const QString &text, int width, qreal smallest)
{
    if (font.pixelSize() > 0) {
        while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(text) > width)
            font.setPixelSize(font.pixelSize() - 1);
    } else {
        while (font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(text) > width)
            font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

} // namespace brannock
