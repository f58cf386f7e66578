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

/// The visible area of the main window: the polygon filled by the alternate (odd-even) rule,
/// trimmed to the drawn outline, so that where the outline shows it is the window's edge and
/// no strip of the window lies beyond it.
QRegion windowShapeRegion();

/// Gives the window its shape. Called once at start-up unless "/noregion/" was given.
void ApplyWindowRegion(QWidget &window);

/// Lets the desktop show through outside the shape wherever windows are composed with
/// transparency (a Wayland compositor ignores the mask; some X compositors do too). Must come
/// before the window is first shown; the window's painting then has to fill the shape itself.
void makeShapeTranslucent(QWidget &window);

/// Fills the shape with the window's own background, as the window system would have before
/// `makeShapeTranslucent`, and confines the rest of the painting to the shape.
void paintShapeBackground(QPainter &painter, const QWidget &window);

/// The 19 outline segments drawn just inside the shape, in order.
const std::array<QLine, 19> &windowOutlineSegments();

/// Paints the outline over the background: black, the last segment in `windowText`. Each
/// segment covers the pixels of its line one window pixel wide, filled at the resolution of
/// the painter's device in the very pixels the scaled shape covers, so that at any scale the
/// outline is as thick as a window pixel and lies on the shape's edge.
void paintWindowOutline(QPainter &painter, const QColor &windowText);

} // namespace brannock
