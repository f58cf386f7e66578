#include "look/LookPictures.h"

#include <QColor>
#include <QHash>

#include <initializer_list>

namespace brannock {

namespace {

struct Ink {
    char key;
    QRgb colour;
};

/// A picture drawn pixel by pixel: one text row per pixel row, one character per pixel,
/// each character looked up in `inks` ('.' is black, or transparent when `transparent`).
QPixmap drawGrid(std::initializer_list<const char *> rows, std::initializer_list<Ink> inks,
                 bool transparent = false)
{
    QHash<char, QRgb> table;
    table.insert('.', transparent ? qRgba(0, 0, 0, 0) : qRgb(0, 0, 0));
    for (const Ink &ink : inks)
        table.insert(ink.key, ink.colour);

    const int height = int(rows.size());
    const int width = int(qstrlen(*rows.begin()));
    QImage image(width, height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    int y = 0;
    for (const char *row : rows) {
        Q_ASSERT(int(qstrlen(row)) == width);
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, table.value(row[x], qRgb(255, 0, 255)));
        ++y;
    }
    return QPixmap::fromImage(image);
}

BuiltInPictures drawBuiltInPictures()
{
    BuiltInPictures p;

    // Minimise: a short grey bar near the bottom.
    p.min0bck = drawGrid({"...........", "...........", "...........", "...........", "...........",
                          "...........", "...........", "...........", "..ggggggg..", "..ggggggg..",
                          "..........."},
                         {{'g', qRgb(128, 128, 128)}});
    // Pointer over: the bar in blues with a glow rising above it.
    p.min1bck = drawGrid({"...........", "...........", "...........", "...........", "...........",
                          "....aaa....", "..aabbbaa..", ".abcccccba.", "..LLLLLLL..", "..BBBBBBB..",
                          "..........."},
                         {{'a', qRgb(0, 8, 56)},
                          {'b', qRgb(0, 32, 112)},
                          {'c', qRgb(16, 72, 176)},
                          {'L', qRgb(128, 192, 255)},
                          {'B', qRgb(16, 96, 232)}});

    // Exit: an X with softened edges.
    const std::initializer_list<const char *> cross = {
        "...........", "...........", "..gd...dg..", "..dgd.dgd..", "...dgdgd...", "....dgd....",
        "...dgdgd...", "..dgd.dgd..", "..gd...dg..", "...........", "..........."};
    p.exit0bck = drawGrid(cross, {{'g', qRgb(128, 128, 128)}, {'d', qRgb(56, 56, 56)}});
    p.exit1bck = drawGrid(cross, {{'g', qRgb(255, 96, 24)}, {'d', qRgb(150, 36, 0)}});

    // Include: a double chevron pointing down.
    const std::initializer_list<const char *> chevrons = {
        "...........", "...........", ".d.......d.", ".gd.....dg.", "..gd...dg..", "...gd.dg...",
        "....ggg....", ".....g.....", ".d.......d.", ".gd.....dg.", "..gd...dg..", "...gd.dg...",
        "....ggg....", ".....g.....", "...........", "..........."};
    p.inc0bck = drawGrid(chevrons, {{'g', qRgb(128, 128, 128)}, {'d', qRgb(64, 64, 64)}});
    p.inc1bck = drawGrid(chevrons, {{'g', qRgb(64, 224, 96)}, {'d', qRgb(0, 120, 40)}});

    // Title icon: a grey cross on dark grey with a yellow centre.
    p.iconbck = drawGrid({"kkkkkkkkkkkkkkkk", "kDDDDDDDDDDDDDDk", "kDDDDDlGGsDDDDDk", "kDDDDDlGGsDDDDDk",
                          "kDDDDDlGGsDDDDDk", "kDDDDDlGGsDDDDDk", "kDllllyYYyllllDk", "kDGGGGYWWYGGGGDk",
                          "kDGGGGYWWYGGGGDk", "kDssssyYYyssssDk", "kDDDDDlGGsDDDDDk", "kDDDDDlGGsDDDDDk",
                          "kDDDDDlGGsDDDDDk", "kDDDDDlGGsDDDDDk", "kDDDDDDDDDDDDDDk", "kkkkkkkkkkkkkkkk"},
                         {{'k', qRgb(32, 32, 32)},
                          {'D', qRgb(64, 64, 64)},
                          {'l', qRgb(200, 200, 200)},
                          {'G', qRgb(160, 160, 160)},
                          {'s', qRgb(104, 104, 104)},
                          {'y', qRgb(224, 168, 0)},
                          {'Y', qRgb(255, 216, 0)},
                          {'W', qRgb(255, 248, 160)}});

    // Tray icon: a shield in the sixteen standard colours.
    p.sysbck = drawGrid({".kkkkkkkkkkkkkk.", ".kssssssssssssk.", ".ksbbbbyybbbbsk.", ".ksbbbbyybbbbsk.",
                         ".ksbbbbyybbbbsk.", ".ksyyyyyyyyyysk.", ".ksyyyyyyyyyysk.", ".ksbbbbyybbbbsk.",
                         ".ksbbbbyybbbbsk.", "..ksbbbyybbbsk..", "..ksbbbyybbbsk..", "...ksbbyybbsk...",
                         "....ksbyybsk....", ".....ksyysk.....", "......kssk......", ".......kk......."},
                        {{'k', qRgb(0, 0, 128)},
                         {'s', qRgb(192, 192, 192)},
                         {'b', qRgb(0, 0, 255)},
                         {'y', qRgb(255, 255, 0)}},
                        true);
    return p;
}

} // namespace

const BuiltInPictures &builtInPictures()
{
    static const BuiltInPictures pictures = drawBuiltInPictures();
    return pictures;
}

} // namespace brannock
