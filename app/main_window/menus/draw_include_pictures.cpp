// Run while the program is built: draws every include picture at the panel's sizes with the
// program's own drawing code and writes them as C++ pixel tables into the file named by the
// first argument, so that the program shows them without drawing them at start.
#include "main_window/menus/IncludePictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace brannock;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output .cpp file>\n", argv[0]);
        return 2;
    }
    QString text;
    QTextStream out(&text);
    out << "// Drawn while the program was built by draw_include_pictures; not to be edited.\n"
           "#include \"main_window/menus/PredrawnIncludePictures.h\"\n\n"
           "namespace brannock::predrawn {\nnamespace {\n";
    QStringList entries;
    constexpr int kPictureCount = int(IncludePicture::ToggleUser) + 1;
    for (int which = 0; which < kPictureCount; ++which) {
        for (const QSize size : kIncludePictureSizes) {
            const QImage image =
                drawIncludePicture(IncludePicture(which), size).toImage().convertToFormat(QImage::Format_RGB32);
            const QString name = QStringLiteral("picture%1x%2_%3").arg(size.width()).arg(size.height()).arg(which);
            out << "const unsigned int " << name << "[] = {";
            for (int y = 0; y < image.height(); ++y) {
                out << "\n   ";
                const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    out << " 0x" << QString::number(row[x], 16) << "u,";
            }
            out << "\n};\n";
            entries << QStringLiteral("    {%1, %2, %3, %4, \"%5\"},\n")
                           .arg(which)
                           .arg(size.width())
                           .arg(size.height())
                           .arg(name, includePictureWord(IncludePicture(which)));
        }
    }
    out << "const IncludePictureData all[] = {\n" << entries.join(QString()) << "};\n"
        << "} // namespace\n\nconst std::span<const IncludePictureData> includePictures(all);\n\n"
        << "} // namespace brannock::predrawn\n";
    out.flush();

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
