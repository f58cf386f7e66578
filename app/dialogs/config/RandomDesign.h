#pragma once

#include "desktop/Random.h"

#include <QImage>

#include <functional>

namespace brannock {

/// The Configuration dialog's 190 x 32 picture before any design: black, with pure green
/// (0, 255, 0) areas that the design fills.
QImage designTemplate();

/// The three passes of the design, each over X = 0..W and Y = 0..H (bounds included,
/// X outer); pixels outside the image are neither read as green/white nor painted.
namespace design {
/// Random points that are green turn grey, 10 x X per component (white from column 26).
void greyPass(QImage &image, const RandomSource &random);
/// Every pixel still green turns black or white, even odds.
void blackWhitePass(QImage &image, const RandomSource &random);
/// Every pixel whose upper-left neighbour is white gets a random red/blue colour.
void speckPass(QImage &image, const RandomSource &random);
}

/// A fresh design on `templateImage`: the template again, then the three passes.
QImage drawRandomDesign(const QImage &templateImage, const RandomSource &random);

} // namespace brannock
