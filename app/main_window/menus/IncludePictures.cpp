#include "main_window/menus/IncludePictures.h"

#include "widgets/FontFit.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace brannock {

namespace {

/// The icon is drawn in a 16 x 16 unit box at the strip's left end.
constexpr qreal kIconUnits = 16.0;

struct Palette {
    QColor fill;
    QColor edge;
};

Palette paletteOf(IncludePicture which)
{
    switch (which) {
    case IncludePicture::Team: return {QColor(70, 210, 70), QColor(20, 95, 20)};
    case IncludePicture::Flyers: return {QColor(80, 145, 255), QColor(20, 55, 140)};
    case IncludePicture::Turrets: return {QColor(232, 58, 42), QColor(110, 18, 10)};
    case IncludePicture::Equipment: return {QColor(255, 154, 30), QColor(125, 65, 0)};
    case IncludePicture::Stations: return {QColor(56, 224, 232), QColor(0, 100, 110)};
    case IncludePicture::ToggleNormal: return {QColor(255, 255, 255), QColor(120, 120, 120)};
    case IncludePicture::Extended:
    case IncludePicture::ToggleUser: return {QColor(255, 210, 30), QColor(130, 90, 0)};
    }
    return {Qt::white, Qt::gray};
}

/// Fills `shape` with a top-lit gradient of the icon colour and outlines it.
void fillShape(QPainter &p, const QPainterPath &shape, const Palette &colours)
{
    const QRectF box = shape.boundingRect();
    QLinearGradient light(box.topLeft(), box.bottomLeft());
    light.setColorAt(0.0, colours.fill.lighter(135));
    light.setColorAt(1.0, colours.fill);
    p.setPen(QPen(colours.edge, 0.7));
    p.setBrush(light);
    p.drawPath(shape);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

/// A stroke of width `width` between two points, as a fillable outline with round ends.
QPainterPath limb(QPointF from, QPointF to, qreal width)
{
    QPainterPath line(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

void drawFigure(QPainter &p, const Palette &c)
{
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addPath(limb({5.0, 7.0}, {3.2, 11.0}, 1.8));   // arms
    body.addPath(limb({11.0, 7.0}, {12.8, 11.0}, 1.8));
    body.addPath(limb({6.6, 11.0}, {5.6, 15.0}, 2.2));  // legs
    body.addPath(limb({9.4, 11.0}, {10.4, 15.0}, 2.2));
    QPainterPath torso;
    torso.addRoundedRect(QRectF(4.6, 5.8, 6.8, 6.0), 1.8, 1.8);
    body.addPath(torso);
    fillShape(p, body.simplified(), c);
    QPainterPath head;
    head.addEllipse(QPointF(8.0, 3.0), 2.4, 2.4);
    fillShape(p, head, c);
}

void drawAircraft(QPainter &p, const Palette &c)
{
    QPainterPath plane;
    plane.setFillRule(Qt::WindingFill);
    plane.addPath(polygonPath({{8.0, 0.8}, {9.3, 3.8}, {9.3, 12.0}, {8.0, 15.2}, {6.7, 12.0}, {6.7, 3.8}}));
    plane.addPath(polygonPath({{0.8, 9.2}, {7.0, 5.6}, {9.0, 5.6}, {15.2, 9.2}, {15.2, 10.6}, {9.0, 9.2},
                               {7.0, 9.2}, {0.8, 10.6}}));
    plane.addPath(polygonPath({{4.6, 14.4}, {7.0, 12.6}, {9.0, 12.6}, {11.4, 14.4}, {11.4, 15.4}, {4.6, 15.4}}));
    fillShape(p, plane.simplified(), c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(QPointF(8.0, 4.6), 0.9, 1.4); // canopy
}

void drawTurret(QPainter &p, const Palette &c)
{
    fillShape(p, limb({9.0, 8.6}, {15.0, 4.2}, 2.0), c); // barrel, behind the dome
    QPainterPath dome;
    dome.moveTo(3.6, 11.2);
    dome.arcTo(QRectF(3.6, 6.2, 8.8, 10.0), 180.0, -180.0);
    dome.closeSubpath();
    fillShape(p, dome, c);
    fillShape(p, polygonPath({{1.6, 15.4}, {14.4, 15.4}, {12.8, 11.2}, {3.2, 11.2}}), c);
    p.setPen(QPen(c.edge, 0.8));
    p.drawLine(QPointF(4.2, 13.3), QPointF(11.8, 13.3));
}

void drawMachine(QPainter &p, const Palette &c)
{
    QPainterPath housing;
    housing.setFillRule(Qt::WindingFill);
    housing.addRoundedRect(QRectF(1.2, 5.8, 13.6, 9.0), 1.2, 1.2);
    housing.addRect(QRectF(10.2, 2.0, 2.6, 4.2)); // exhaust stack
    fillShape(p, housing.simplified(), c);

    // A cog wheel on the front.
    const QPointF centre(5.8, 10.3);
    QPainterPath cog;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 2; ++i) {
        const qreal angle = i * std::numbers::pi / kTeeth;
        const qreal radius = (i % 2 == 0) ? 3.2 : 2.3;
        const QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            cog.moveTo(point);
        else
            cog.lineTo(point);
    }
    cog.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c.edge);
    p.drawPath(cog);
    p.setBrush(c.fill.lighter(120));
    p.drawEllipse(centre, 1.0, 1.0);

    p.setPen(QPen(c.edge, 0.8));
    for (qreal y : {8.3, 10.3, 12.3})
        p.drawLine(QPointF(10.2, y), QPointF(13.4, y)); // vents
}

void drawStation(QPainter &p, const Palette &c)
{
    QPainterPath stand;
    stand.setFillRule(Qt::WindingFill);
    stand.addRect(QRectF(6.0, 6.8, 4.0, 6.6));
    stand.addRoundedRect(QRectF(2.6, 13.0, 10.8, 2.4), 0.8, 0.8);
    fillShape(p, stand.simplified(), c);
    fillShape(p, polygonPath({{1.4, 1.4}, {14.6, 1.4}, {12.6, 7.2}, {3.4, 7.2}}), c);
    p.setPen(Qt::NoPen);
    p.setBrush(c.edge);
    p.drawPolygon(QPolygonF({{3.8, 2.6}, {12.2, 2.6}, {11.0, 6.0}, {5.0, 6.0}})); // screen
    p.setBrush(c.fill.lighter(150));
    p.drawRect(QRectF(5.2, 3.4, 2.0, 0.9));
}

void drawTwoArrows(QPainter &p, const Palette &c)
{
    QPainterPath right;
    right.setFillRule(Qt::WindingFill);
    right.addRect(QRectF(1.2, 3.9, 9.0, 2.2));
    right.addPath(polygonPath({{9.6, 1.2}, {14.8, 5.0}, {9.6, 8.8}}));
    fillShape(p, right.simplified(), c);
    QPainterPath left;
    left.setFillRule(Qt::WindingFill);
    left.addRect(QRectF(5.8, 9.9, 9.0, 2.2));
    left.addPath(polygonPath({{6.4, 7.2}, {1.2, 11.0}, {6.4, 14.8}}));
    fillShape(p, left.simplified(), c);
}

void drawHand(QPainter &p, const Palette &c)
{
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(4.0, 7.0, 9.2, 8.4), 2.6, 2.6); // palm
    const qreal tops[] = {3.0, 1.2, 1.8, 3.6};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 5.2 + i * 2.3;
        hand.addPath(limb({x, tops[i]}, {x, 9.0}, 2.0)); // fingers
    }
    hand.addPath(limb({2.0, 7.4}, {5.0, 11.6}, 2.1)); // thumb
    fillShape(p, hand.simplified(), c);
    p.setPen(QPen(c.edge, 0.6));
    for (int i = 1; i < 4; ++i) {
        const qreal x = 4.05 + i * 2.3;
        p.drawLine(QPointF(x, 5.0), QPointF(x, 8.6)); // gaps between the fingers
    }
}

void drawOneArrow(QPainter &p, const Palette &c)
{
    fillShape(p, polygonPath({{1.2, 5.8}, {8.0, 5.8}, {8.0, 2.0}, {14.8, 8.0}, {8.0, 14.0}, {8.0, 10.2}, {1.2, 10.2}}),
              c);
}

} // namespace

QString includePictureWord(IncludePicture which)
{
    switch (which) {
    case IncludePicture::Team: return QCoreApplication::translate("brannock::IncludePicture", "Team");
    case IncludePicture::Flyers: return QCoreApplication::translate("brannock::IncludePicture", "Flyers");
    case IncludePicture::Turrets: return QCoreApplication::translate("brannock::IncludePicture", "Turrets");
    case IncludePicture::Equipment: return QCoreApplication::translate("brannock::IncludePicture", "Equipment");
    case IncludePicture::Stations: return QCoreApplication::translate("brannock::IncludePicture", "Stations");
    case IncludePicture::ToggleNormal:
    case IncludePicture::ToggleUser: return QCoreApplication::translate("brannock::IncludePicture", "Toggle");
    case IncludePicture::Extended: return QCoreApplication::translate("brannock::IncludePicture", "Extended");
    }
    return {};
}

QPixmap drawIncludePicture(IncludePicture which, QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal iconSize = qMin<qreal>(size.height() - 3, 14.0);
    p.save();
    p.translate(2.0, (size.height() - iconSize) / 2.0);
    p.scale(iconSize / kIconUnits, iconSize / kIconUnits);
    const Palette colours = paletteOf(which);
    switch (which) {
    case IncludePicture::Team: drawFigure(p, colours); break;
    case IncludePicture::Flyers: drawAircraft(p, colours); break;
    case IncludePicture::Turrets: drawTurret(p, colours); break;
    case IncludePicture::Equipment: drawMachine(p, colours); break;
    case IncludePicture::Stations: drawStation(p, colours); break;
    case IncludePicture::ToggleNormal: drawTwoArrows(p, colours); break;
    case IncludePicture::Extended: drawHand(p, colours); break;
    case IncludePicture::ToggleUser: drawOneArrow(p, colours); break;
    }
    p.restore();

    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(11);
    const QRect textArea(int(iconSize) + 5, 0, size.width() - int(iconSize) - 6, size.height());
    const QString word = includePictureWord(which);
    // A long word in a short strip is narrowed rather than cut off, and made smaller where
    // narrowing is not enough.
    if (QFontMetrics(font).horizontalAdvance(word) > textArea.width()) {
        font.setStretch(QFont::Condensed);
        font = shrinkToFit(font, word, textArea.width(), 7);
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, word);
    return picture;
}

} // namespace brannock
