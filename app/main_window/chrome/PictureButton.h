#pragma once

#include "widgets/KeyButton.h"

#include <QPixmap>

#include <functional>

namespace brannock {

/// One of the main window's small picture buttons (BPicMin, BPicExit, BPicInc). It shows
/// its normal picture, or its pointer-over picture from the first pointer move over it
/// until a move lands outside; it holds the pointer capture meanwhile, so the move that
/// leaves is seen however fast it is. Space, Enter and an assistive technology's press
/// click it as the mouse does.
class PictureButton final : public KeyButton {
    Q_OBJECT
    Q_DISABLE_COPY(PictureButton)
public:
    /// When the normal picture comes back on a click: before the action (minimise, include)
    /// or after it (exit, whose question may end the program).
    enum class ClickOrder { NormalThenAction, ActionThenNormal };

    explicit PictureButton(QWidget *parent = nullptr);

    /// The holders the button copies from (Min0/Min1, Exit0/Exit1, Inc0/Inc1).
    void setNormalPicture(const QPixmap &picture) { m_normal = picture; }
    void setHoverPicture(const QPixmap &picture) { m_hover = picture; }
    /// Shows `picture` now, as the look does when it sets the visible button.
    void showPicture(const QPixmap &picture);
    const QPixmap &shownPicture() const { return m_shown; }

    void setClickAction(std::function<void()> action, ClickOrder order);

    /// The pointer is over the button and its pointer-over picture is shown.
    bool isHovering() const { return m_hovering; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void runClick();
    void enterHover();
    void leaveHover();
    void releaseCapture();

    QPixmap m_normal, m_hover, m_shown;
    std::function<void()> m_action;
    ClickOrder m_order = ClickOrder::NormalThenAction;
    bool m_hovering = false;
    bool m_pressed = false;
};

} // namespace brannock
