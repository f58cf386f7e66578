#include "LookArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace brannock::tools {

namespace {

constexpr int BackWidth = 315;
constexpr int BackHeight = 288;

/// The main window's visible area, the same 20 vertices the window cuts its shape with.
QPolygon windowShape()
{
    static constexpr std::array<QPoint, 20> vertices{{
        {150, 22}, {150, 29}, {184, 30}, {184, 47}, {0, 46}, {0, 217}, {8, 217}, {8, 289},
        {196, 289}, {196, 217}, {247, 216}, {247, 183}, {188, 182}, {188, 132}, {300, 131},
        {300, 149}, {317, 150}, {317, 0}, {132, 0}, {132, 21},
    }};
    return QPolygon(QList<QPoint>(vertices.begin(), vertices.end()));
}

/// A small deterministic generator, so that the files do not change between runs.
class Lcg {
public:
    explicit Lcg(quint32 seed) : m_state(seed) {}
    /// Uniform in [-1, 1].
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 23) - 1.0;
    }

private:
    quint32 m_state;
};

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QRgb scaled(const QColor &c, double factor)
{
    auto channel = [factor](int v) { return std::clamp(int(std::lround(v * factor)), 0, 255); };
    return qRgb(channel(c.red()), channel(c.green()), channel(c.blue()));
}

/// Brushed metal: a top-to-bottom light fall, horizontal brush streaks and two soft
/// diagonal sheens.
void brushMetal(QImage &image, const LookScheme &scheme)
{
    Lcg rng(scheme.seed);
    std::vector<double> rowNoise(size_t(image.height()));
    for (double &n : rowNoise)
        n = rng.next();
    for (int y = 0; y < image.height(); ++y) {
        const double fall = double(y) / (image.height() - 1);
        const QColor base = mix(scheme.metalLight, scheme.metalMid, 0.15 + 0.85 * fall);
        double streak = 0.0;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            streak = 0.92 * streak + 0.08 * rng.next();
            const double d1 = (x + 0.55 * y - 150.0) / 38.0;
            const double d2 = (x + 0.55 * y - 330.0) / 22.0;
            const double sheen = 0.16 * std::exp(-d1 * d1) + 0.09 * std::exp(-d2 * d2);
            const double factor = 1.0 + 0.035 * rowNoise[size_t(y)] + 0.10 * streak + sheen;
            line[x] = scaled(base, factor);
        }
    }
}

void rivet(QPainter &p, QPointF centre, const LookScheme &scheme)
{
    QRadialGradient g(centre + QPointF(-0.8, -0.8), 3.2);
    g.setColorAt(0.0, scheme.metalLight.lighter(130));
    g.setColorAt(0.6, scheme.metalMid);
    g.setColorAt(1.0, scheme.metalDark);
    p.setPen(QPen(scheme.metalDark.darker(140), 0.8));
    p.setBrush(g);
    p.drawEllipse(centre, 2.6, 2.6);
}

/// A framed square face for the small picture buttons: lit from the top left.
QImage buttonFace(const LookScheme &scheme, int width, int height, bool hover)
{
    QImage image(width, height, QImage::Format_RGB32);
    const QColor face = hover ? scheme.buttonFace.lighter(135) : scheme.buttonFace;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = double(x + y) / (width + height);
            image.setPixel(x, y, mix(face.lighter(125), face.darker(125), t).rgb());
        }
    }
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, scheme.metalLight.rgb());
        image.setPixel(x, height - 1, scheme.metalDark.darker(150).rgb());
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, scheme.metalLight.rgb());
        image.setPixel(width - 1, y, scheme.metalDark.darker(150).rgb());
    }
    return image;
}

/// Blends `colour` over the pixel at (x, y) with the given coverage.
void plot(QImage &image, int x, int y, const QColor &colour, double coverage = 1.0)
{
    if (!image.rect().contains(x, y))
        return;
    image.setPixel(x, y, mix(QColor(image.pixel(x, y)), colour, coverage).rgb());
}

/// The look's emblem: a shield with a chevron, drawn into a 16 x 16 picture.
void drawEmblem(QPainter &p, const LookScheme &scheme)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(1.5, 1.5);
    shield.lineTo(14.5, 1.5);
    shield.lineTo(14.5, 8.0);
    shield.quadTo(14.0, 12.5, 8.0, 15.0);
    shield.quadTo(2.0, 12.5, 1.5, 8.0);
    shield.closeSubpath();
    QLinearGradient body(0, 0, 16, 16);
    body.setColorAt(0.0, scheme.buttonFace.lighter(140));
    body.setColorAt(1.0, scheme.buttonFace.darker(130));
    p.setPen(QPen(scheme.buttonGlyph, 1.3));
    p.setBrush(body);
    p.drawPath(shield);
    QPainterPath chevron;
    chevron.moveTo(4.2, 5.0);
    chevron.lineTo(8.0, 9.0);
    chevron.lineTo(11.8, 5.0);
    p.setPen(QPen(scheme.buttonGlow, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    p.setPen(Qt::NoPen);
    p.setBrush(scheme.buttonGlow.lighter(120));
    p.drawEllipse(QPointF(8.0, 11.6), 1.1, 1.1);
}

} // namespace

LookScheme goldScheme()
{
    return {QStringLiteral("6.0 GOLD"), QColor(250, 224, 140), QColor(206, 160, 62),
            QColor(120, 82, 22), QColor(70, 46, 12), QColor(62, 40, 10), QColor(230, 184, 80),
            QColor(255, 244, 190), 0x60D0u};
}

LookScheme steelScheme()
{
    return {QStringLiteral("Steel"), QColor(226, 232, 238), QColor(160, 170, 182),
            QColor(82, 92, 106), QColor(40, 46, 54), QColor(34, 44, 58), QColor(170, 196, 222),
            QColor(230, 246, 255), 0x57EEu};
}

QImage drawBackground(const LookScheme &scheme)
{
    QImage image(BackWidth, BackHeight, QImage::Format_RGB32);
    brushMetal(image, scheme);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygon shape = windowShape();
    QPainterPath inside;
    inside.addPolygon(QPolygonF(shape));
    inside.closeSubpath();

    // Outside the shape (seen only when the window is left rectangular): a dark backing plate.
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, BackWidth, BackHeight));
    outside = outside.subtracted(inside);
    p.fillPath(outside, scheme.outside);

    p.setClipPath(inside);
    // A soft inner shade along the edge, then a thin highlight just inside it.
    p.strokePath(inside, QPen(QColor(0, 0, 0, 60), 10));
    p.strokePath(inside, QPen(QColor(scheme.metalDark.red(), scheme.metalDark.green(),
                                     scheme.metalDark.blue(), 110), 4));
    QColor highlight = scheme.metalLight.lighter(115);
    highlight.setAlpha(200);
    p.strokePath(inside.translated(1.5, 1.5), QPen(highlight, 2));

    // The title plate behind the caption: an inset panel with an engraved rim.
    const QRectF plate(152.5, 2.5, 147, 23);
    QLinearGradient plateFill(plate.topLeft(), plate.bottomLeft());
    QColor plateTop = scheme.metalMid.lighter(112);
    QColor plateBottom = scheme.metalLight;
    plateTop.setAlpha(150);
    plateBottom.setAlpha(150);
    plateFill.setColorAt(0.0, plateTop);
    plateFill.setColorAt(1.0, plateBottom);
    p.setBrush(plateFill);
    p.setPen(QPen(scheme.metalDark, 1));
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(QPen(scheme.metalLight.lighter(120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(1, 1, 1, 1), 4, 4);

    // Engraved rules under the three field captions.
    for (int y : {44, 78, 112}) {
        p.setPen(QPen(scheme.metalDark, 1));
        p.drawLine(QPointF(186.5, y - 1.5), QPointF(312.5, y - 1.5));
    }

    // The tab below the command buttons: an emblem between the include buttons, and rivets.
    const QPointF centre(117.5, 270.0);
    QPolygonF diamond{{centre + QPointF(0, -13)}, {centre + QPointF(13, 0)},
                      {centre + QPointF(0, 13)}, {centre + QPointF(-13, 0)}};
    QRadialGradient jewel(centre + QPointF(-3, -4), 14);
    jewel.setColorAt(0.0, scheme.buttonGlow);
    jewel.setColorAt(0.5, scheme.buttonGlyph);
    jewel.setColorAt(1.0, scheme.buttonFace);
    p.setPen(QPen(scheme.metalDark.darker(130), 1.2));
    p.setBrush(jewel);
    p.drawPolygon(diamond);
    for (QPointF at : {QPointF(5, 51), QPointF(5, 211), QPointF(179, 51), QPointF(241, 211),
                       QPointF(308, 35), QPointF(308, 124), QPointF(140, 24)})
        rivet(p, at, scheme);
    p.end();
    return image;
}

QImage drawMinimise(const LookScheme &scheme, bool hover)
{
    QImage image = buttonFace(scheme, 11, 11, hover);
    const QColor glyph = hover ? scheme.buttonGlow : scheme.buttonGlyph;
    for (int x = 3; x <= 7; ++x) {
        plot(image, x, 7, glyph);
        plot(image, x, 8, glyph.darker(130));
        if (hover) {
            plot(image, x, 6, scheme.buttonGlow, 0.45);
            plot(image, x, 5, scheme.buttonGlow, 0.18);
        }
    }
    return image;
}

QImage drawExit(const LookScheme &scheme, bool hover)
{
    QImage image = buttonFace(scheme, 11, 11, hover);
    const QColor glyph = hover ? scheme.buttonGlow : scheme.buttonGlyph;
    for (int i = 2; i <= 8; ++i) {
        const double end = (i == 2 || i == 8) ? 0.6 : 1.0;
        plot(image, i, i, glyph, end);
        plot(image, 10 - i, i, glyph, end);
        // Soft edges on both sides thicken the strokes evenly without blurring the cross.
        for (int side : {-1, 1}) {
            plot(image, i + side, i, glyph, 0.3 * end);
            plot(image, 10 - i + side, i, glyph, 0.3 * end);
        }
    }
    if (hover)
        plot(image, 5, 5, Qt::white, 0.6);
    return image;
}

QImage drawInclude(const LookScheme &scheme, bool hover)
{
    QImage image = buttonFace(scheme, 11, 16, hover);
    const QColor glyph = hover ? scheme.buttonGlow : scheme.buttonGlyph;
    for (int top : {3, 8}) {
        for (int i = 0; i <= 3; ++i) {
            plot(image, 2 + i, top + i, glyph);
            plot(image, 8 - i, top + i, glyph);
            plot(image, 2 + i, top + i + 1, glyph.darker(135), 0.8);
            plot(image, 8 - i, top + i + 1, glyph.darker(135), 0.8);
        }
        plot(image, 5, top + 4, glyph);
    }
    return image;
}

QImage drawTitleIcon(const LookScheme &scheme)
{
    // The icon sits on the title band at (134, 2): start from the background there so it
    // blends in, then put the emblem on top.
    QImage image = drawBackground(scheme).copy(134, 2, 16, 16);
    QPainter p(&image);
    drawEmblem(p, scheme);
    return image;
}

QImage drawTrayIcon(const LookScheme &scheme)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawEmblem(p, scheme);
    return image;
}

} // namespace brannock::tools
