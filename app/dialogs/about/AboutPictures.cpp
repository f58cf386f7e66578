#include "dialogs/about/AboutPictures.h"

#include "common/BuildInfo.h"
#include "common/Rounding.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <memory>

namespace brannock {

namespace {

/// The pictures' texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::AboutPictures)
};

constexpr QRgb KeyGreen = 0xFF00FF00u;

/// Stars and speckles that look the same at every opening.
class ArtNoise {
public:
    explicit ArtNoise(quint32 seed) : m_state(seed) {}
    double next() ///< [0, 1)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24);
    }

private:
    quint32 m_state;
};

void drawStars(QPainter &p, const QRect &area)
{
    ArtNoise noise(0xB4A7u);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(area.left() + noise.next() * area.width(), area.top() + noise.next() * area.height());
        const double size = 0.35 + noise.next() * noise.next() * 1.4;
        const int light = 120 + int(noise.next() * 135);
        p.setBrush(QColor(light, light, std::min(255, light + 30), 140 + int(noise.next() * 115)));
        p.drawEllipse(at, size, size);
    }
}

QFont artFont(const QString &family, int pixelSize, bool bold, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

/// `font`, made smaller a pixel at a time (down to `smallest`) until `text`, wrapped in
/// `area`'s width, takes no more than its height: a longer translation is never cut off.
QFont wrappedToFit(QFont font, const QString &text, const QRect &area, int smallest)
{
    while (font.pixelSize() > smallest
           && QFontMetrics(font).boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, text).height() > area.height())
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

QImage drawAboutBackground()
{
    constexpr int W = 640, H = 335;
    QImage image(W, H, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Night sky over the battlefield, a planet rising at the right.
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0.0, QColor(6, 10, 32));
    sky.setColorAt(0.65, QColor(22, 18, 54));
    sky.setColorAt(1.0, QColor(48, 26, 50));
    p.fillRect(image.rect(), sky);
    drawStars(p, image.rect());

    QRadialGradient planet(QPointF(610, 420), 260, QPointF(560, 300));
    planet.setColorAt(0.0, QColor(236, 178, 92));
    planet.setColorAt(0.55, QColor(150, 84, 48));
    planet.setColorAt(0.93, QColor(60, 30, 40));
    planet.setColorAt(1.0, QColor(60, 30, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(planet);
    p.drawEllipse(QPointF(610, 420), 260, 260);

    // A distant ridge line.
    QPainterPath ridge;
    ridge.moveTo(0, H);
    ridge.lineTo(0, 300);
    const double heights[] = {300, 284, 292, 270, 288, 276, 296, 282, 301, 290, 305};
    for (int i = 0; i < 11; ++i)
        ridge.lineTo(i * 64.0, heights[i]);
    ridge.lineTo(W, 310);
    ridge.lineTo(W, H);
    ridge.closeSubpath();
    p.setBrush(QColor(12, 8, 22));
    p.drawPath(ridge);

    // Title with a soft golden glow.
    const QFont titleFont = artFont(QStringLiteral("DejaVu Serif"), 58, true);
    const QRect titleRect(0, 18, W, 78);
    p.setFont(titleFont);
    for (int r = 6; r >= 1; --r) {
        p.setPen(QColor(255, 190, 60, 16));
        for (int dx = -r; dx <= r; dx += r)
            for (int dy = -r; dy <= r; dy += r)
                p.drawText(titleRect.translated(dx, dy), Qt::AlignCenter, QStringLiteral("Brannock"));
    }
    QPainterPath titlePath;
    const QFontMetrics metrics(titleFont);
    const int titleWidth = metrics.horizontalAdvance(QStringLiteral("Brannock"));
    titlePath.addText((W - titleWidth) / 2.0, 18 + 39 + metrics.ascent() / 2.0 - metrics.descent() / 2.0,
                      titleFont, QStringLiteral("Brannock"));
    QLinearGradient gold(0, 30, 0, 90);
    gold.setColorAt(0.0, QColor(255, 246, 196));
    gold.setColorAt(0.5, QColor(240, 190, 70));
    gold.setColorAt(1.0, QColor(170, 110, 30));
    p.setPen(QPen(QColor(90, 50, 10), 1.2));
    p.setBrush(gold);
    p.drawPath(titlePath);

    p.setFont(artFont(QStringLiteral("DejaVu Sans"), 15, false, true));
    p.setPen(QColor(214, 206, 240));
    p.drawText(QRect(0, 100, W, 24), Qt::AlignCenter,
               Texts::tr("The skinset maker for Kestrow Wendle VI"));
    p.setPen(QPen(QColor(240, 190, 70, 150), 1));
    p.drawLine(QPointF(170, 132.5), QPointF(470, 132.5));

    // Left column: what it does.
    p.setFont(artFont(QStringLiteral("DejaVu Sans"), 12, true));
    p.setPen(QColor(240, 200, 110));
    p.drawText(QRect(24, 160, 196, 18), Qt::AlignLeft, Texts::tr("Version ") + QLatin1String(Version));
    // Above the dialog's note of the folders in use, from y = 254.
    const QRect whatItDoes(24, 184, 196, 66);
    const QString whatItDoesText = Texts::tr("Paint your bitmaps, tick what goes in, press one button: "
                                             "the skinset is compiled, packed and copied into the game.");
    p.setFont(wrappedToFit(artFont(QStringLiteral("DejaVu Sans"), 12, false), whatItDoesText, whatItDoes, 9));
    p.setPen(QColor(200, 196, 226));
    p.drawText(whatItDoes, Qt::AlignLeft | Qt::TextWordWrap, whatItDoesText);

    // Right column: who it is for.
    p.setFont(artFont(QStringLiteral("DejaVu Sans"), 12, false));
    p.setPen(QColor(200, 196, 226));
    p.drawText(QRect(418, 160, 200, 100), Qt::AlignLeft | Qt::TextWordWrap,
               Texts::tr("Made for the players and skin painters of Kestrow Wendle. "
                              "Press Thanks to meet them."));

    // The display case that holds the little painted figure (the figure box sits at 349, 217).
    const QRectF showcase(341.5, 209.5, 60, 76);
    QLinearGradient caseRim(showcase.topLeft(), showcase.bottomRight());
    caseRim.setColorAt(0.0, QColor(255, 226, 140));
    caseRim.setColorAt(1.0, QColor(130, 80, 20));
    p.setPen(QPen(QBrush(caseRim), 3));
    p.setBrush(QColor(20, 24, 50));
    p.drawRoundedRect(showcase, 6, 6);
    p.setFont(artFont(QStringLiteral("DejaVu Sans"), 10, false, true));
    p.setPen(QColor(200, 170, 110));
    p.drawText(QRect(311, 290, 120, 14), Qt::AlignCenter, Texts::tr("fresh paint, every time"));

    // A thin golden frame, since the dialog has no border of its own.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 150, 60), 2));
    p.drawRoundedRect(QRectF(1, 1, W - 2, H - 2), 8, 8);
    p.setPen(QPen(QColor(255, 230, 160, 90), 1));
    p.drawRoundedRect(QRectF(4.5, 4.5, W - 9, H - 9), 6, 6);
    p.end();
    return image;
}

QImage drawAboutFigure()
{
    constexpr int W = 45, H = 60;
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(QColor(20, 24, 50));
    QPainter p(&image);

    const QColor metal(150, 156, 170), metalDark(84, 88, 104), metalLight(214, 218, 228);
    auto plate = [&](const QRect &r) {
        p.fillRect(r, metal);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), metalLight);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), metalDark);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), metalDark);
    };

    // Armour: helmet, shoulders, torso, arms, belt, legs and boots.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(metalDark, 1));
    p.setBrush(metal);
    p.drawEllipse(QRectF(15.5, 2.5, 14, 14));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(18, 8, 9, 2), QColor(30, 30, 40)); // visor
    plate(QRect(8, 17, 29, 6));                          // shoulders
    plate(QRect(13, 22, 19, 16));                        // torso
    plate(QRect(4, 19, 6, 18));                          // arms
    plate(QRect(35, 19, 6, 18));
    plate(QRect(13, 37, 19, 3));                         // belt
    plate(QRect(14, 40, 7, 15));                         // legs
    plate(QRect(24, 40, 7, 15));
    plate(QRect(12, 54, 9, 4));                          // boots
    plate(QRect(24, 54, 9, 4));

    // Paint areas: exact key green, drawn without smoothing so every edge pixel is keyed.
    p.fillRect(QRect(16, 24, 13, 11), QColor(KeyGreen));  // chest
    p.fillRect(QRect(20, 3, 5, 4), QColor(KeyGreen));     // helmet crest
    p.fillRect(QRect(9, 18, 4, 3), QColor(KeyGreen));     // shoulder pads
    p.fillRect(QRect(32, 18, 4, 3), QColor(KeyGreen));
    p.fillRect(QRect(5, 24, 4, 8), QColor(KeyGreen));     // arm bands
    p.fillRect(QRect(36, 24, 4, 8), QColor(KeyGreen));
    p.fillRect(QRect(15, 42, 5, 8), QColor(KeyGreen));    // thigh panels
    p.fillRect(QRect(25, 42, 5, 8), QColor(KeyGreen));
    p.fillRect(QRect(21, 38, 3, 1), QColor(30, 30, 40)); // belt buckle
    p.end();
    return image;
}

void recolourGreenKey(QImage &picture, const RandomSource &random)
{
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = picture.width();
    const int height = picture.height();
    for (int x = 0; x <= width; ++x) {
        for (int y = 0; y <= height; ++y) {
            if (x >= width || y >= height)
                continue; // past the edge: no pixel there
            if ((picture.pixel(x, y) & 0x00FFFFFFu) != (KeyGreen & 0x00FFFFFFu))
                continue;
            const int red = std::min(2 * x + 3 * y, 255);
            const int blue = int(roundHalfEven(random() * 250.0));
            picture.setPixel(x, y, qRgb(red, 0, std::clamp(blue, 0, 255)));
        }
    }
}

QImage drawThanksPattern(int width, int height)
{
    const double W = width, H = height;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    auto line = [&p](QColor colour, int x1, int y1, int x2, int y2) {
        p.setPen(QPen(colour, 0));
        p.drawLine(x1, y1, x2, y2);
    };
    for (int i = 0; i <= width - 1; ++i)
        line(QColor(0, 0, int(roundHalfEven(180.0 - i * 180.0 / W))), i, 0, i, height);
    for (int i = 0; i <= height - 1; ++i)
        line(QColor(int(roundHalfEven(i * 255.0 / H)), 0, 0), 0, i, i, width);
    for (int i = 0; i <= height; ++i)
        line(QColor(0, int(roundHalfEven(i * 120.0 / H)), 0), i, 0, width, i);
    p.end();
    return image;
}

QString thanksHeading()
{
    return Texts::tr("With thanks to everyone who ever painted a pixel for Kestrow Wendle");
}

QStringList thanksLines()
{
    return {
        Texts::tr("To the skin painters, who turned bare metal into works of art"),
        Texts::tr("and shared their bitmaps so the rest of us could look good too."),
        Texts::tr("To the players who tried every new skinset the night it came out,"),
        Texts::tr("and to the squads who agreed on team colours (eventually)."),
        Texts::tr("To everyone who read the palette notes before asking,"),
        Texts::tr("and to everyone who asked anyway, so the notes got better."),
        Texts::tr("To the testers who found the file names we had spelled wrong,"),
        Texts::tr("and to the folks who keep the old skin archives running."),
        Texts::tr("To the painters of flags and emblems no bigger than a thumbnail,"),
        Texts::tr("and the ones who gave a turret more love than it deserved."),
        Texts::tr("To the map and mod makers, who showed what one small tool can do,"),
        Texts::tr("and to you, for building a skinset with this little program."),
        Texts::tr("Now go paint something. The battlefield is waiting!"),
    };
}

} // namespace brannock
