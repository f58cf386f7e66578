#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <cmath>

namespace brannock {

/// `font` at its own size, or made smaller until `text` fits in `width` pixels (a substitute
/// face is often wider than the one a layout was made for), but never below `smallest`. A
/// font sized in pixels shrinks a pixel a step, one sized in points a quarter point, and
/// `smallest` is in the same unit.
///
/// Measuring at a size loads the face at that size, which costs more than the control
/// itself; text width grows about in step with the size, so the size is worked out from the
/// measurement at the font's own size and then checked against its neighbours: the result
/// is the size that trying every size one by one from the top would find.
inline QFont shrinkToFit(QFont font, const QString &text, int width, qreal smallest)
{
    const bool inPixels = font.pixelSize() > 0;
    const qreal size = inPixels ? qreal(font.pixelSize()) : font.pointSizeF();
    const qreal step = inPixels ? 1.0 : 0.25;
    const auto resize = [&](qreal to) {
        if (inPixels)
            font.setPixelSize(int(to));
        else
            font.setPointSizeF(to);
    };
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(text) <= width; };
    if (size <= smallest)
        return font;
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width)
        return font;

    // Sizes are tried down from the font's own in whole steps, stopping at the first one at
    // or below `smallest`.
    const qreal proportional = size * qreal(std::max(width, 0)) / qreal(advance);
    const qreal stepsDown = std::max(1.0, std::ceil((size - proportional) / step - 1e-9));
    const qreal stepsToSmallest = std::ceil((size - smallest) / step - 1e-9);
    qreal tried = size - std::min(stepsDown, stepsToSmallest) * step;
    resize(tried);
    if (fits()) {
        // Hinted widths do not grow exactly in step with the size: a larger size may fit as
        // well, and the largest that fits is the one to use (the font's own does not).
        while (tried + step < size - 1e-9) {
            resize(tried + step);
            if (!fits()) {
                resize(tried);
                break;
            }
            tried += step;
        }
        return font;
    }
    while (tried > smallest && !fits()) {
        tried -= step;
        resize(tried);
    }
    return font;
}

} // namespace brannock
