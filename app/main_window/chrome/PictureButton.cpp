#include "main_window/chrome/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace brannock {

PictureButton::PictureButton(QWidget *parent) : KeyButton(parent)
{
    setMouseTracking(true); // moves arrive without a mouse button held
    // The mouse is handled below; the keyboard and assistive technology click().
    connect(this, &QAbstractButton::clicked, this, &PictureButton::runClick);
}

void PictureButton::showPicture(const QPixmap &picture)
{
    m_shown = picture;
    update();
}

void PictureButton::setClickAction(std::function<void()> action, ClickOrder order)
{
    m_action = std::move(action);
    m_order = order;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    // Natural size from the top-left corner; a larger picture is clipped by the button.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_shown);
    paintFocusFrame(painter);
}

void PictureButton::enterHover()
{
    m_hovering = true;
    showPicture(m_hover);
    if (mouseGrabber() != this)
        grabMouse();
}

void PictureButton::leaveHover()
{
    m_hovering = false;
    showPicture(m_normal);
    releaseCapture();
}

void PictureButton::releaseCapture()
{
    if (mouseGrabber() == this)
        releaseMouse();
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (!m_hovering) {
        if (inside)
            enterHover();
    } else if (!inside) {
        leaveHover();
    }
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_pressed = true;
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    const bool clicked = m_pressed && event->button() == Qt::LeftButton && inside;
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (!inside) {
        leaveHover();
        return;
    }
    enterHover();
    if (clicked)
        runClick();
}

void PictureButton::runClick()
{
    // The action may open a menu or a box, or hide the window: give the pointer back first.
    m_hovering = false;
    releaseCapture();
    if (m_order == ClickOrder::NormalThenAction)
        showPicture(m_normal);
    if (m_action)
        m_action();
    if (m_order == ClickOrder::ActionThenNormal)
        showPicture(m_normal);
}

void PictureButton::leaveEvent(QEvent *event)
{
    // Only reached without the capture (a platform that refuses grabs): leave at once.
    if (m_hovering && mouseGrabber() != this)
        leaveHover();
    KeyButton::leaveEvent(event);
}

void PictureButton::hideEvent(QHideEvent *event)
{
    if (m_hovering)
        leaveHover();
    KeyButton::hideEvent(event);
}

} // namespace brannock
