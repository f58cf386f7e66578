#pragma once

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace brannock {

/// A button that draws its own picture, reached by the keyboard and by assistive technology
/// like any push button: Tab gives it the focus (a click does not take the focus from a
/// text box), Space, Enter and Return press it, and it is a button by the name the caller
/// gives it (setAccessibleName).
class KeyButton : public QAbstractButton {
public:
    explicit KeyButton(QWidget *parent = nullptr) : QAbstractButton(parent) { setFocusPolicy(Qt::TabFocus); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
            click();
            return;
        }
        QAbstractButton::keyPressEvent(event);
    }

    /// While the button has the focus: a dotted black-and-white frame just inside its edge,
    /// seen on any picture.
    void paintFocusFrame(QPainter &painter) const
    {
        if (!hasFocus())
            return;
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::white);
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(frame);
    }
};

} // namespace brannock
