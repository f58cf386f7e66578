#include "dialogs/config/RandomDesign.h"

#include "common/Rounding.h"

#include <QDateTime>
#include <QPainter>
#include <QPolygon>
#include <QRandomGenerator>

#include <algorithm>
#include <memory>

namespace brannock {

namespace {

constexpr QRgb kGreen = 0xff00ff00;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

int component(double value)
{
    return std::min(int(roundHalfEven(value)), 255);
}

bool pixelIs(const QImage &image, int x, int y, QRgb colour)
{
    return image.valid(x, y) && image.pixel(x, y) == colour;
}

void paint(QImage &image, int x, int y, QRgb colour)
{
    if (image.valid(x, y))
        image.setPixel(x, y, colour);
}

} // namespace

QImage designTemplate()
{
    QImage image(190, 32, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);

    // A green bar with round ends...
    p.setBrush(QColor(0, 255, 0));
    p.drawRoundedRect(QRect(2, 3, 186, 26), 12, 12);
    // ...cut by slanted black slots between two black rings.
    p.setBrush(Qt::black);
    for (int x = 30; x <= 150; x += 15)
        p.drawPolygon(QPolygon({QPoint(x, 8), QPoint(x + 6, 8), QPoint(x + 1, 23), QPoint(x - 5, 23)}));
    p.drawEllipse(QPoint(15, 16), 8, 8);
    p.drawEllipse(QPoint(174, 16), 8, 8);
    p.setBrush(QColor(0, 255, 0));
    p.drawEllipse(QPoint(15, 16), 4, 4);
    p.drawEllipse(QPoint(174, 16), 4, 4);
    p.end();

    // Two colours only, whatever the painter did at the edges.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kBlack)
                image.setPixel(x, y, kGreen);
    return image;
}

namespace design {

void greyPass(QImage &image, const RandomSource &random)
{
    const int w = image.width();
    const int h = image.height();
    for (int x = 0; x <= w; ++x) {
        const int grey = component(10.0 * x);
        for (int y = 0; y <= h; ++y) {
            const double rx = random() * w;
            const double ry = random() * h;
            const int px = int(rx);
            const int py = int(ry);
            if (pixelIs(image, px, py, kGreen))
                paint(image, px, py, qRgb(grey, grey, grey));
        }
    }
}

void blackWhitePass(QImage &image, const RandomSource &random)
{
    for (int x = 0; x <= image.width(); ++x)
        for (int y = 0; y <= image.height(); ++y)
            if (pixelIs(image, x, y, kGreen)) {
                const double n = roundHalfEven(random() * 100);
                paint(image, x, y, n < 50 ? kBlack : kWhite);
            }
}

void speckPass(QImage &image, const RandomSource &random)
{
    for (int x = 0; x <= image.width(); ++x)
        for (int y = 0; y <= image.height(); ++y)
            if (pixelIs(image, x - 1, y - 1, kWhite)) {
                const double a = random();
                const double b = random();
                paint(image, x, y, qRgb(component(a * 255), 0, component(b * 355)));
            }
}

} // namespace design

QImage drawRandomDesign(const QImage &templateImage, const RandomSource &random)
{
    QImage image = templateImage.convertToFormat(QImage::Format_RGB32);
    design::greyPass(image, random);
    design::blackWhitePass(image, random);
    design::speckPass(image, random);
    return image;
}

} // namespace brannock
