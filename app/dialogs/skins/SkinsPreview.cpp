#include "dialogs/skins/SkinsPreview.h"

#include <QPainter>

#include <array>

namespace brannock {

namespace {

constexpr int PreviewWidth = 317;
constexpr int PreviewHeight = 217;

struct Segment {
    int x1, y1, x2, y2;
};

/// The main window's outline in the main window's own coordinates (Line1 ... Line12).
constexpr std::array<Segment, 12> Outline{{
    {245, 221, 245, 182}, {245, 182, 186, 182}, {186, 182, 186, 130}, {186, 130, 299, 130},
    {299, 148, 299, 129}, {300, 148, 315, 148}, {0, 46, 183, 46}, {183, 46, 183, 28},
    {183, 28, 149, 28}, {149, 28, 149, 19}, {131, 20, 149, 20}, {131, 0, 131, 20},
}};

} // namespace

SkinsPreview::SkinsPreview(QWidget *parent)
    : QWidget(parent), m_surface(PreviewWidth, PreviewHeight, QImage::Format_RGB32)
{
    setFixedSize(PreviewWidth, PreviewHeight);
    m_surface.fill(palette().color(QPalette::Button));
}

void SkinsPreview::setPicture(const QImage &picture)
{
    m_surface.fill(palette().color(QPalette::Button));
    if (!picture.isNull()) {
        QPainter painter(&m_surface);
        painter.drawImage(0, 0, picture);
    }
    update();
}

void SkinsPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    for (const Segment &s : Outline)
        painter.drawLine(s.x1, s.y1, s.x2, s.y2);
}

} // namespace brannock
