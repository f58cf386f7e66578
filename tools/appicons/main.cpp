// Writes the icons of the Windows programs into the folder named on the command line:
// Brannock.ico (the built-in title icon) and Primewell.ico (the gold logo), each at 16, 32
// and 48 pixels. Run it after changing either picture and commit the files it writes
// under resources/windows/.
#include "FrmMain.h"
#include "LookPictures.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTextStream>
#include <QtEndian>

namespace {

constexpr int kDirSize = 6;    // ICONDIR
constexpr int kEntrySize = 16; // ICONDIRENTRY

/// One icon file holding every image: Qt writes one image per file, so each is written
/// alone and the entries are gathered under one directory.
QByteArray iconFile(const QList<QImage> &images)
{
    QList<QByteArray> entries, data;
    for (const QImage &image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "ico");
        if (!writer.write(image))
            return {};
        const QByteArray single = buffer.data();
        const auto offset = qFromLittleEndian<quint32>(single.constData() + kDirSize + 12);
        entries.append(single.mid(kDirSize, kEntrySize));
        data.append(single.mid(offset));
    }
    QByteArray file(kDirSize, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2); // type: icon
    qToLittleEndian<quint16>(quint16(images.size()), file.data() + 4);
    quint32 offset = quint32(kDirSize + kEntrySize * images.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QByteArray entry = entries[i];
        qToLittleEndian<quint32>(quint32(data[i].size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += quint32(data[i].size());
        file.append(entry);
    }
    for (const QByteArray &bytes : data)
        file.append(bytes);
    return file;
}

QList<QImage> sizes(const QImage &image, Qt::TransformationMode mode)
{
    QList<QImage> result;
    for (int side : {16, 32, 48})
        result.append(image.scaled(side, side, Qt::IgnoreAspectRatio, mode).convertToFormat(QImage::Format_ARGB32));
    return result;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: brannock_appicons <folder>\n";
        return 2;
    }
    const QDir target(QString::fromLocal8Bit(argv[1]));
    // The title icon is pixel art: grown without smoothing. The logo is drawn smooth.
    const QImage title = brannock::builtInPictures().iconbck.toImage();
    const QImage logo = brannock::primewell::goldLogo().toImage();
    return write(target.filePath(QStringLiteral("Brannock.ico")), iconFile(sizes(title, Qt::FastTransformation)))
            && write(target.filePath(QStringLiteral("Primewell.ico")), iconFile(sizes(logo, Qt::SmoothTransformation)))
        ? 0
        : 1;
}
