#include "look/LookPictures.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <initializer_list>
#include <map>

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

// The same pictures for screens of other resolutions, drawn in window pixels (one unit is one
// pixel of the designs above) at the screen's own resolution: upright edges on whole device
// pixels, slanted strokes smoothed, the designs' hand-shaded edge pixels drawn as the edges
// they stand for.

/// A picture `width` x `height` window pixels at `ratio`, black (or clear) and drawn by `draw`.
template <typename Draw>
QPixmap drawAt(qreal ratio, int width, int height, Draw draw)
{
    QImage image(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

/// `r` (window pixels) with its edges moved to the nearest whole device pixels.
QRectF onDevicePixels(const QRectF &r, qreal ratio)
{
    const auto snap = [ratio](qreal v) { return std::round(v * ratio) / ratio; };
    return QRectF(QPointF(snap(r.left()), snap(r.top())), QPointF(snap(r.right()), snap(r.bottom())));
}

/// Strokes `points` in `colour`, `width` window pixels wide.
void stroke(QPainter &painter, std::initializer_list<QPointF> points, const QColor &colour, qreal width,
            Qt::PenCapStyle cap = Qt::SquareCap)
{
    QPainterPath path(*points.begin());
    for (auto p = points.begin() + 1; p != points.end(); ++p)
        path.lineTo(*p);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, cap, Qt::MiterJoin));
    painter.drawPath(path);
}

/// Minimise: the grey bar; pointer over, the bar in blues with a glow rising above it.
QPixmap drawMinimise(qreal ratio, bool over)
{
    return drawAt(ratio, 11, 11, [&](QPainter &p) {
        if (over) {
            QRadialGradient glow(QPointF(5.5, 8.5), 4.5);
            glow.setColorAt(0.0, QColor(16, 72, 176));
            glow.setColorAt(0.5, QColor(0, 32, 112));
            glow.setColorAt(0.8, QColor(0, 8, 56));
            glow.setColorAt(1.0, Qt::black);
            p.fillRect(QRectF(0, 3, 11, 5), glow);
            p.fillRect(onDevicePixels(QRectF(2, 8, 7, 1), ratio), QColor(128, 192, 255));
            p.fillRect(onDevicePixels(QRectF(2, 9, 7, 1), ratio), QColor(16, 96, 232));
        } else {
            p.fillRect(onDevicePixels(QRectF(2, 8, 7, 2), ratio), QColor(128, 128, 128));
        }
    });
}

/// Exit: an X, its strokes with a dark rim.
QPixmap drawExit(qreal ratio, const QColor &core, const QColor &rim)
{
    return drawAt(ratio, 11, 11, [&](QPainter &p) {
        for (const qreal width : {2.4, 1.2}) {
            const QColor &colour = width > 2 ? rim : core;
            stroke(p, {{2.5, 2.5}, {8.5, 8.5}}, colour, width, Qt::FlatCap);
            stroke(p, {{8.5, 2.5}, {2.5, 8.5}}, colour, width, Qt::FlatCap);
        }
    });
}

/// Include: a double chevron pointing down, each with a dark edge above.
QPixmap drawInclude(qreal ratio, const QColor &core, const QColor &rim)
{
    return drawAt(ratio, 11, 16, [&](QPainter &p) {
        for (const qreal top : {0.0, 6.0}) {
            stroke(p, {{1.5, top + 2.6}, {5.5, top + 6.6}, {9.5, top + 2.6}}, rim, 1.1, Qt::FlatCap);
            stroke(p, {{1.5, top + 3.5}, {5.5, top + 7.5}, {9.5, top + 3.5}}, core, 1.2, Qt::FlatCap);
        }
    });
}

/// Title icon: a grey cross on dark grey with a yellow centre, lit from the top left.
QPixmap drawTitleIcon(qreal ratio)
{
    return drawAt(ratio, 16, 16, [&](QPainter &p) {
        const qreal hair = 1.0 / ratio; // one device pixel: the bevel stays fine
        p.fillRect(QRectF(0, 0, 16, 16), QColor(32, 32, 32));
        p.fillRect(onDevicePixels(QRectF(1, 1, 14, 14), ratio), QColor(64, 64, 64));
        const QRectF upright = onDevicePixels(QRectF(6, 2, 4, 12), ratio);
        const QRectF across = onDevicePixels(QRectF(2, 6, 12, 4), ratio);
        for (const QRectF &bar : {upright, across}) {
            p.fillRect(bar, QColor(160, 160, 160));
            p.fillRect(QRectF(bar.left(), bar.top(), hair, bar.height()), QColor(200, 200, 200));
            p.fillRect(QRectF(bar.left(), bar.top(), bar.width(), hair), QColor(200, 200, 200));
            p.fillRect(QRectF(bar.right() - hair, bar.top(), hair, bar.height()), QColor(104, 104, 104));
            p.fillRect(QRectF(bar.left(), bar.bottom() - hair, bar.width(), hair), QColor(104, 104, 104));
        }
        const QRectF centre = onDevicePixels(QRectF(6, 6, 4, 4), ratio);
        QRadialGradient light(centre.center(), 2.6);
        light.setColorAt(0.0, QColor(255, 248, 160));
        light.setColorAt(0.45, QColor(255, 216, 0));
        light.setColorAt(1.0, QColor(224, 168, 0));
        p.fillRect(centre, light);
    });
}

BuiltInPictures drawBuiltInPicturesAt(qreal ratio)
{
    BuiltInPictures p;
    p.min0bck = drawMinimise(ratio, false);
    p.min1bck = drawMinimise(ratio, true);
    p.exit0bck = drawExit(ratio, QColor(128, 128, 128), QColor(56, 56, 56));
    p.exit1bck = drawExit(ratio, QColor(255, 96, 24), QColor(150, 36, 0));
    p.inc0bck = drawInclude(ratio, QColor(128, 128, 128), QColor(64, 64, 64));
    p.inc1bck = drawInclude(ratio, QColor(64, 224, 96), QColor(0, 120, 40));
    p.iconbck = drawTitleIcon(ratio);
    p.sysbck = builtInPictures(1.0).sysbck;
    return p;
}

} // namespace

const BuiltInPictures &builtInPictures(qreal devicePixelRatio)
{
    static const BuiltInPictures designed = drawBuiltInPictures();
    if (devicePixelRatio <= 0 || qFuzzyCompare(devicePixelRatio, 1.0))
        return designed;
    static std::map<qreal, BuiltInPictures> drawnAt; // one entry per screen resolution in use
    auto found = drawnAt.find(devicePixelRatio);
    if (found == drawnAt.end())
        found = drawnAt.emplace(devicePixelRatio, drawBuiltInPicturesAt(devicePixelRatio)).first;
    return found->second;
}

} // namespace brannock
