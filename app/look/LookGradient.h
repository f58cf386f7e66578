#pragma once

class QPaintDevice;

namespace brannock {

/// One colour of the look as stored (components may lie outside 0..255 when the store
/// was edited by hand; drawing clamps them).
struct LookRgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const LookRgb &, const LookRgb &) = default;
};

/// The colour of column `x` of a gradient `width` pixels wide: left + x * step per
/// component, step = (right - left) / width in double precision, rounded half to even.
LookRgb lookGradientColumn(LookRgb left, LookRgb right, int width, int x);

/// Left-to-right gradient over the surface's width W (W + 1 one-pixel columns, x = 0..W,
/// double-precision steps, half to even), each column from y = 0 to H.
void DrawLookGradient(QPaintDevice &surface, LookRgb left, LookRgb right);

} // namespace brannock
