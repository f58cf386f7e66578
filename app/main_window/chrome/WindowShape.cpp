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

QRegion windowShapeRegion()
{
    return QRegion(windowShapePolygon(), Qt::OddEvenFill);
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
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const auto &segments = windowOutlineSegments();
    QPen pen(Qt::black, 0); // one device pixel wide
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (i + 1 == segments.size())
            pen.setColor(windowText);
        painter.setPen(pen);
        painter.drawLine(segments[i]);
    }
    painter.restore();
}

} // namespace brannock
