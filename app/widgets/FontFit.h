#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace brannock {

/// A font fitted to a text by fitFont.
struct FontFit {
    QFont font;
    /// The size found fits, but the next larger one (below the font's own size) was not
    /// measured yet: settleFit measures it.
    bool provisional = false;
    qreal ownSize = 0; ///< the size of the font before fitting
};

/// `font` at its own size, or made smaller until `text` fits in `width` pixels (a substitute
/// face is often wider than the one a layout was made for), but never below `smallest`. A
/// font sized in pixels shrinks a pixel a step, one sized in points a quarter point, and
/// `smallest` is in the same unit.
///
/// Measuring at a size loads the face at that size, which costs more than the control
/// itself. So the first measurement is at `hint` when one is given (a likely size, such as
/// the one the last layout used), otherwise at the font's own size; where the text is too
/// wide there, the next size tried is worked out from that width (text width grows about in
/// step with the size). From a size that fits the search goes up while the text still fits;
/// the result is the size that trying every size one by one from the top would find. With
/// `checkLarger` false, a size that fits is taken without measuring the next larger one, and
/// the result is marked provisional: settleFit finishes the search when there is time for it.
inline FontFit fitFont(QFont font, const QString &text, int width, qreal smallest, qreal hint = 0,
                       bool checkLarger = true)
{
    const bool inPixels = font.pixelSize() > 0;
    const qreal size = inPixels ? qreal(font.pixelSize()) : font.pointSizeF();
    const qreal step = inPixels ? 1.0 : 0.25;
    if (size <= smallest)
        return {font, false, size};
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
            return {font, false, size};
        const qreal proportional = (size - down * step) * qreal(std::max(width, 0)) / qreal(advance);
        down = std::clamp(stepsDownTo(proportional), down + 1, last);
        if (!fitsAt(down)) {
            // Down one size at a time to the first that fits, or to the last one tried.
            while (down < last && !fitsAt(++down)) {
            }
            return {font, false, size};
        }
    }

    // Hinted widths do not grow exactly in step with the size: a larger size may fit as well,
    // and the largest that fits is the one to use.
    if (!checkLarger && down - 1 > tooLarge)
        return {font, true, size};
    while (down - 1 > tooLarge && fitsAt(down - 1))
        --down;
    resize(down);
    return {font, false, size};
}

/// fitFont's result, always with the next larger size checked.
inline QFont shrinkToFit(const QFont &font, const QString &text, int width, qreal smallest, qreal hint = 0)
{
    return fitFont(font, text, width, smallest, hint).font;
}

/// Finishes a provisional fit of `text` in `width`: the size it found, or a larger one up to
/// the font's own that fits as well. True when the size changed.
inline bool settleFit(FontFit &fit, const QString &text, int width)
{
    if (!fit.provisional)
        return false;
    fit.provisional = false;
    const bool inPixels = fit.font.pixelSize() > 0;
    const qreal found = inPixels ? qreal(fit.font.pixelSize()) : fit.font.pointSizeF();
    QFont own = fit.font;
    if (inPixels)
        own.setPixelSize(int(fit.ownSize));
    else
        own.setPointSizeF(fit.ownSize);
    // The size found fits: the search starts one step above it.
    const QFont settled = shrinkToFit(own, text, width, found, found + (inPixels ? 1.0 : 0.25));
    if (settled == fit.font)
        return false;
    fit.font = settled;
    return true;
}

/// Provisional fits taken so that a window's first frame comes sooner, each with the texts
/// it was made for and what puts a changed font in place; settle() finishes them once the
/// frame is shown.
class PendingFits {
public:
    /// The font to use now; a provisional one is kept for settle(), or finished at once when
    /// settle() has run already.
    QFont add(FontFit fit, const QString &text, int width, std::function<void(const QFont &)> apply)
    {
        if (m_settled)
            settleFit(fit, text, width);
        else if (fit.provisional)
            m_pending.push_back({fit, text, width, std::move(apply)});
        return fit.font;
    }

    void settle()
    {
        m_settled = true;
        for (Pending &pending : std::exchange(m_pending, {}))
            if (settleFit(pending.fit, pending.text, pending.width))
                pending.apply(pending.fit.font);
    }

private:
    struct Pending {
        FontFit fit;
        QString text;
        int width;
        std::function<void(const QFont &)> apply;
    };
    std::vector<Pending> m_pending;
    bool m_settled = false;
};

} // namespace brannock
