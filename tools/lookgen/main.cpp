// Writes the shipped look folders into the folder named on the command line, or with
// --icons the programs' desktop icons into a hicolor icon theme folder.
#include "main_window/FrmMain.h"
#include "LookArt.h"
#include "look/LookPictures.h"

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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--icons")
        return writeIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        QTextStream(stderr) << "usage: brannock_lookgen <Skins folder>\n"
                               "       brannock_lookgen --icons <hicolor icon folder>\n";
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    for (const LookScheme &scheme : {goldScheme(), steelScheme()}) {
        if (!writeLook(target, scheme))
            return 1;
    }
    return 0;
}
