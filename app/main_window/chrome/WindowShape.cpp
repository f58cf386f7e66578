#include "main_window/chrome/WindowShape.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QWidget>

namespace brannock {

QPolygon windowShapePolygon()
{
    return QPolygon({{150, 22},  {150, 29},  {184, 30},  {184, 47},  {0, 46},    {0, 217},   {8, 217},
                     {8, 289},   {196, 289}, {196, 217}, {247, 216}, {247, 183}, {188, 182}, {188, 132},
                     {300, 131}, {300, 149}, {317, 150}, {317, 0},   {132, 0},   {132, 21}});
}

namespace {

/// The corners of the area the outline encloses: each outline segment of the shape's right or
/// bottom side lies inside it as its last pixels; each of a left or top side lies just outside,
/// as the polygon's own area leaves it.
QPolygon outlineEnclosure()
{
    return QPolygon({{132, 0},   {132, 21},  {150, 21},  {150, 29},  {184, 29},  {184, 47},  {0, 47},
                     {0, 216},   {8, 216},   {8, 289},   {195, 289}, {195, 216}, {246, 216}, {246, 183},
                     {187, 183}, {187, 131}, {300, 131}, {300, 149}, {316, 149}, {316, 0}});
}

/// The pixels a segment covers: from one end to the other, both included, one pixel wide.
QRect segmentPixels(const QLine &segment)
{
    return QRect(QPoint(qMin(segment.x1(), segment.x2()), qMin(segment.y1(), segment.y2())),
                 QPoint(qMax(segment.x1(), segment.x2()), qMax(segment.y1(), segment.y2())));
}

} // namespace

QRegion windowShapeRegion()
{
    return QRegion(windowShapePolygon(), Qt::OddEvenFill) & QRegion(outlineEnclosure());
}

void ApplyWindowRegion(QWidget &window)
{
    const QRegion shape = windowShapeRegion();
    if (!shape.isEmpty()) // without a shape the window stays rectangular
        window.setMask(shape);
}

void makeShapeTranslucent(QWidget &window)
{
    window.setAttribute(Qt::WA_TranslucentBackground);
}

void paintShapeBackground(QPainter &painter, const QWidget &window)
{
    painter.setClipRegion(windowShapeRegion());
    painter.fillRect(window.rect(), window.palette().brush(window.backgroundRole()));
}

const std::array<QLine, 19> &windowOutlineSegments()
{
    static const std::array<QLine, 19> segments{{
        {315, 0, 315, 148},   {245, 182, 186, 182}, {245, 215, 245, 182}, {8, 288, 195, 288},
        {149, 20, 149, 29},   {183, 28, 149, 28},   {183, 29, 183, 46},   {183, 46, -2, 46},
        {-1, 46, -1, 216},    {148, 20, 131, 20},   {186, 182, 186, 130}, {131, 20, 131, -1},
        {186, 130, 299, 130}, {299, 130, 299, 148}, {299, 148, 316, 148}, {194, 288, 194, 215},
        {194, 215, 245, 215}, {7, 288, 7, 215},     {8, 215, -1, 215},
    }};
    return segments;
}

void paintWindowOutline(QPainter &painter, const QColor &windowText)
{
    // In device pixels: the window pixels of each segment, scaled as the window system scales
    // the window's shape (QTransform's mapping of a region), so the two meet exactly.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QTransform toDevice = QTransform::fromScale(ratio, ratio);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    const auto &segments = windowOutlineSegments();
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const QColor colour = i + 1 == segments.size() ? windowText : QColor(Qt::black);
        for (const QRect &pixels : toDevice.map(QRegion(segmentPixels(segments[i]))))
            painter.fillRect(pixels, colour);
    }
    painter.restore();
}

} // namespace brannock
