#include "look/LookGradient.h"

#include "common/Rounding.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace brannock {

namespace {

int component(int left, int right, int width, int x)
{
    const double step = double(right - left) / double(width);
    return int(roundHalfEven(double(left) + double(x) * step));
}

int clampByte(int value)
{
    return std::clamp(value, 0, 255);
}

} // namespace

LookRgb lookGradientColumn(LookRgb left, LookRgb right, int width, int x)
{
    if (width <= 0)
        return left;
    return {component(left.red, right.red, width, x), component(left.green, right.green, width, x),
            component(left.blue, right.blue, width, x)};
}

void DrawLookGradient(QPaintDevice &surface, LookRgb left, LookRgb right)
{
    const int width = surface.width();
    const int height = surface.height();
    if (width <= 0 || height <= 0)
        return;
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 0; x <= width; ++x) {
        const LookRgb c = lookGradientColumn(left, right, width, x);
        // One column from y = 0 to y = H; the part past the surface is clipped.
        painter.fillRect(x, 0, 1, height + 1, QColor(clampByte(c.red), clampByte(c.green), clampByte(c.blue)));
    }
}

} // namespace brannock
