#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace brannock {

/// Where a window whose frame is `frame` big goes so that it shows in front of `owner`:
/// beside it (right, left, below, above, the first that fits) wholly inside `screen`
/// without covering it, where possible also without covering the `taken` places of other
/// windows; else centred over it. The result always lies inside `screen` (its top-left
/// part, when the window is larger than the screen).
QRect placementBeside(const QRect &owner, const QSize &frame, const QRect &screen, const QList<QRect> &taken = {});

/// Keeps `window` in front of `owner` whatever the window manager: makes it a window of
/// `owner` (transient for it, so it is stacked above it even while `owner` is always on
/// top) and moves it to `placementBeside` on `owner`'s screen, clear of the program's other
/// windows where there is room. Call it before the window is first shown. A plain top-level window becomes a dialog-type window for this, the
/// kind of window that X11 window managers keep above its owner.
void placeInFrontOf(QWidget &window, QWidget &owner);

} // namespace brannock
