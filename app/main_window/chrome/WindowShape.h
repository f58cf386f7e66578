#pragma once

#include <QLine>
#include <QPolygon>
#include <QRegion>

#include <array>

class QColor;
class QPainter;
class QWidget;

namespace brannock {

/// The 20 corners of the main window's shape, in order.
QPolygon windowShapePolygon();

/// The visible area of the main window: the polygon filled by the alternate (odd-even) rule.
QRegion windowShapeRegion();

/// Gives the window its shape. Called once at start-up unless "/noregion/" was given.
void ApplyWindowRegion(QWidget &window);

/// The 19 outline segments drawn just inside the shape, in order.
const std::array<QLine, 19> &windowOutlineSegments();

/// Paints the outline over the background: black, the last segment in `windowText`.
void paintWindowOutline(QPainter &painter, const QColor &windowText);

} // namespace brannock
