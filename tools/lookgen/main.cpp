// Writes the shipped look folders into the folder named on the command line, or with
// --icons the programs' desktop icons into a hicolor icon theme folder, or with
// --windows-icons the icons of the Windows programs into a folder.
#include "main_window/FrmMain.h"
#include "LookArt.h"
#include "look/LookPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>
#include <QtEndian>

#include <utility>

using namespace brannock::tools;

namespace {

bool writeImage(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        QTextStream(stderr) << "cannot write " << path << ": " << writer.errorString() << '\n';
        return false;
    }
    return true;
}

bool writeLook(const QString &skinsFolder, const LookScheme &scheme)
{
    QDir dir(skinsFolder);
    if (!dir.mkpath(scheme.folderName))
        return false;
    const QString base = dir.filePath(scheme.folderName) + '/';
    // Button and background pictures are plain 24-bit bitmaps.
    auto bmp = [&](const QImage &image, const char *name) {
        return writeImage(image.convertToFormat(QImage::Format_RGB32), base + name, "bmp");
    };
    return bmp(drawBackground(scheme), "back.bmp") && bmp(drawTitleIcon(scheme), "icon.bmp")
        && bmp(drawMinimise(scheme, false), "min0.bmp") && bmp(drawMinimise(scheme, true), "min1.bmp")
        && bmp(drawExit(scheme, false), "exit0.bmp") && bmp(drawExit(scheme, true), "exit1.bmp")
        && bmp(drawInclude(scheme, false), "inc0.bmp") && bmp(drawInclude(scheme, true), "inc1.bmp")
        && writeImage(drawTrayIcon(scheme), base + "sysicon.ico", "ico");
}

/// The desktop icons of both programs in every size of the hicolor theme that the
/// desktops ask for: Brannock's from its built-in tray picture (16 x 16 pixel art, enlarged
/// by whole pixels so it stays crisp), Primewell's from its logo (drawn for each size).
bool writeIcons(const QString &hicolorFolder)
{
    const QImage tray = brannock::builtInPictures().sysbck.toImage();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString apps = QStringLiteral("%1/%2x%2/apps/").arg(hicolorFolder).arg(size);
        if (!QDir().mkpath(apps))
            return false;
        const QImage brannock = tray.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage primewell = brannock::primewell::goldLogo(size).toImage();
        if (!writeImage(brannock, apps + "org.brannock.Brannock.png", "png")
            || !writeImage(primewell, apps + "org.brannock.Primewell.png", "png"))
            return false;
    }
    return true;
}

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

/// Brannock.ico and Primewell.ico at 16, 32 and 48 pixels: Brannock's from its built-in
/// window icon (16 x 16 pixel art, enlarged by whole pixels so it stays crisp), Primewell's
/// from its logo.
bool writeWindowsIcons(const QString &folder)
{
    const QImage window = brannock::builtInPictures().sysbck.toImage();
    const QImage logo = brannock::primewell::goldLogo().toImage();
    QList<QImage> brannock, primewell;
    for (const int side : {16, 32, 48}) {
        brannock.append(window.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            .convertToFormat(QImage::Format_ARGB32));
        primewell.append(logo.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32));
    }
    const QDir dir(folder);
    for (const auto &[name, images] : {std::pair{"Brannock.ico", brannock}, std::pair{"Primewell.ico", primewell}}) {
        const QByteArray bytes = iconFile(images);
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            QTextStream(stderr) << "cannot write " << file.fileName() << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--icons")
        return writeIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc == 3 && QByteArray(argv[1]) == "--windows-icons")
        return writeWindowsIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        QTextStream(stderr) << "usage: brannock_lookgen <Skins folder>\n"
                               "       brannock_lookgen --icons <hicolor icon folder>\n"
                               "       brannock_lookgen --windows-icons <folder>\n";
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    for (const LookScheme &scheme : {goldScheme(), steelScheme()}) {
        if (!writeLook(target, scheme))
            return 1;
    }
    return 0;
}
