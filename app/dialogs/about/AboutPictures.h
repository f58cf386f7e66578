#pragma once

#include "desktop/Random.h"

#include <QImage>
#include <QString>

#include <functional>

namespace brannock {

/// The About dialog's background artwork, 640 x 335.
QImage drawAboutBackground();

/// The small figure of the About dialog, 45 x 60: an armoured player whose paint areas are
/// pure green (0, 255, 0), the key that the dialog recolours at every opening.
QImage drawAboutFigure();

/// Recolours the pure green pixels of `picture`: columns x = 0..width and within them rows
/// y = 0..height, both ends included (points past the edge hold no pixel). A green pixel
/// becomes red = 2x + 3y (at most 255), green = 0, blue = a random value in [0, 250)
/// rounded to the nearest whole number, a half to the even one. `random` is called once per
/// green pixel, in that order.
void recolourGreenKey(QImage &picture, const RandomSource &random);

/// The Thanks dialog's line pattern (three passes of one-pixel lines) over `width` x `height`.
QImage drawThanksPattern(int width, int height);

/// The heading and the 13 acknowledgement lines of the Thanks dialog.
QString thanksHeading();
QStringList thanksLines();

} // namespace brannock
