#pragma once

#include <QImage>
#include <QString>

namespace brannock {

/// Reads a plain Windows bitmap, the form look files are painted in (uncompressed, 24 bits
/// a pixel, the common 40-byte header), straight into a 32-bit image, row by row. Any other
/// file, or one whose sizes do not add up, gives a null image: the picture readers then read
/// it as before. The image equals what Qt's bitmap reader makes of the same file.
QImage readPlainBitmap(const QString &path);

} // namespace brannock
