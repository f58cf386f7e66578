// Writes the shipped look folders into the folder named on the command line.
#include "look/LookPictures.h"
#include "LookArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: brannock_lookgen <Skins folder>\n";
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    for (const LookScheme &scheme : {goldScheme(), steelScheme()}) {
        if (!writeLook(target, scheme))
            return 1;
    }
    return 0;
}
