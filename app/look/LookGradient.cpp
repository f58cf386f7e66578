#include "look/LookGradient.h"

#include "common/Rounding.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

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
    const auto columnColour = [&](int x) {
        const LookRgb c = lookGradientColumn(left, right, width, x);
        return QColor(clampByte(c.red), clampByte(c.green), clampByte(c.blue));
    };
    // The main window's background is a 32-bit picture: one row is worked out and copied
    // to every row, rather than painting the columns one by one.
    if (surface.devType() == QInternal::Image) {
        auto &image = static_cast<QImage &>(surface);
        const QImage::Format format = image.format();
        if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
            || format == QImage::Format_ARGB32_Premultiplied) {
            std::vector<QRgb> row(static_cast<std::size_t>(width));
            for (int x = 0; x < width; ++x)
                row[std::size_t(x)] = columnColour(x).rgb();
            for (int y = 0; y < height; ++y)
                std::copy(row.cbegin(), row.cend(), reinterpret_cast<QRgb *>(image.scanLine(y)));
            return;
        }
    }
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 0; x <= width; ++x) {
        // One column from y = 0 to y = H; the part past the surface is clipped.
        painter.fillRect(x, 0, 1, height + 1, columnColour(x));
    }
}

} // namespace brannock
