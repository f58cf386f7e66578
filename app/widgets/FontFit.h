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
/// itself. So the first measurement is at `hint` when one is given (a likely size, such as
/// the one the last layout used), otherwise at the font's own size; where the text is too
/// wide there, the next size tried is worked out from that width (text width grows about in
/// step with the size). From a size that fits the search goes up while the text still fits:
/// the result is the size that trying every size one by one from the top would find.
inline QFont shrinkToFit(QFont font, const QString &text, int width, qreal smallest, qreal hint = 0)
{
    const bool inPixels = font.pixelSize() > 0;
    const qreal size = inPixels ? qreal(font.pixelSize()) : font.pointSizeF();
    const qreal step = inPixels ? 1.0 : 0.25;
    if (size <= smallest)
        return font;
    // The sizes are numbered in steps down from the font's own; one by one, the search
    // stops at the first one at or below `smallest`.
    const int last = int(std::ceil((size - smallest) / step - 1e-9));
    const auto stepsDownTo = [&](qreal to) { return int(std::ceil((size - to) / step - 1e-9)); };
    const auto resize = [&](int down) {
        if (inPixels)
            font.setPixelSize(int(size - down * step));
        else
            font.setPointSizeF(size - down * step);
    };
    const auto advanceAt = [&](int down) {
        resize(down);
        return QFontMetrics(font).horizontalAdvance(text);
    };
    const auto fitsAt = [&](int down) { return advanceAt(down) <= width; };

    int down = hint > 0 ? std::clamp(stepsDownTo(hint), 0, last) : 0;
    int tooLarge = -1; ///< the nearest larger size known not to fit
    if (const int advance = advanceAt(down); advance > width) {
        tooLarge = down;
        if (down == last)
            return font;
        const qreal proportional = (size - down * step) * qreal(std::max(width, 0)) / qreal(advance);
        down = std::clamp(stepsDownTo(proportional), down + 1, last);
        if (!fitsAt(down)) {
            // Down one size at a time to the first that fits, or to the last one tried.
            while (down < last && !fitsAt(++down)) {
            }
            return font;
        }
    }

    // Hinted widths do not grow exactly in step with the size: a larger size may fit as well,
    // and the largest that fits is the one to use.
    while (down - 1 > tooLarge && fitsAt(down - 1))
        --down;
    resize(down);
    return font;
}

} // namespace brannock
