#include "main_window/menus/PredrawnIncludePictures.h"

#include "main_window/menus/IncludePictures.h"

#include <QImage>

namespace brannock {

QPixmap includePicture(IncludePicture which, QSize size)
{
    for (const predrawn::IncludePictureData &data : predrawn::includePictures) {
        if (data.which == int(which) && QSize(data.width, data.height) == size
            && includePictureWord(which) == QLatin1String(data.word))
            return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(data.pixels), data.width, data.height,
                                             QImage::Format_RGB32));
    }
    return drawIncludePicture(which, size);
}

} // namespace brannock
