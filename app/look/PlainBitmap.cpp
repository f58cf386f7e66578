#include "look/PlainBitmap.h"

#include <QFile>

#include <cstdint>
#include <cstring>

namespace brannock {

namespace {

std::uint32_t u32At(const uchar *data)
{
    return std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 | std::uint32_t(data[2]) << 16
        | std::uint32_t(data[3]) << 24;
}

std::int32_t i32At(const uchar *data)
{
    const std::uint32_t value = u32At(data);
    std::int32_t signedValue;
    std::memcpy(&signedValue, &value, sizeof value);
    return signedValue;
}

unsigned u16At(const uchar *data)
{
    return unsigned(data[0]) | unsigned(data[1]) << 8;
}

constexpr qint64 kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kLargestSide = 16384;
constexpr qint64 kLargestImageBytes = 64 * 1024 * 1024;

} // namespace

QImage readPlainBitmap(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 fileSize = file.size();
    if (fileSize < kFileHeaderSize + kInfoHeaderSize)
        return {};
    uchar header[kFileHeaderSize + kInfoHeaderSize];
    if (file.read(reinterpret_cast<char *>(header), sizeof header) != qint64(sizeof header))
        return {};
    const uchar *info = header + kFileHeaderSize;
    const std::int32_t width = i32At(info + 4);
    const std::int32_t height = i32At(info + 8);
    if (header[0] != 'B' || header[1] != 'M' || u32At(info) != kInfoHeaderSize || u16At(info + 12) != 1
        || u16At(info + 14) != 24 || u32At(info + 16) != 0 || width <= 0 || width > kLargestSide || height == 0
        || height > kLargestSide || height < -kLargestSide)
        return {};
    const bool topDown = height < 0;
    const int rows = topDown ? -height : height;
    if (qint64(width) * rows * 4 > kLargestImageBytes)
        return {}; // whether so large a picture is read at all is the picture reader's say
    const qint64 stride = (qint64(width) * 3 + 3) & ~qint64(3);
    const qint64 pixelsAt = qint64(u32At(header + 10));
    if (pixelsAt < qint64(sizeof header) || pixelsAt + stride * rows > fileSize || !file.seek(pixelsAt))
        return {};
    const QByteArray pixels = file.read(stride * rows);
    if (pixels.size() != stride * rows)
        return {};

    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto *source = reinterpret_cast<const uchar *>(pixels.constData());
    for (int row = 0; row < rows; ++row) {
        const uchar *in = source + stride * row; // blue, green, red
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(topDown ? row : rows - 1 - row));
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    image.setDotsPerMeterX(i32At(info + 24));
    image.setDotsPerMeterY(i32At(info + 28));
    return image;
}

} // namespace brannock
