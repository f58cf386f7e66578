#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>

namespace brannock {

/// Creates a child control of `parent` that carries its control name as objectName and
/// stands at `geometry`; `args` go to the control's constructor before the parent.
template <typename Control, typename... Args>
Control *placeControl(QWidget *parent, const char *name, QRect geometry, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QLatin1StringView(name));
    control->setGeometry(geometry);
    return control;
}

/// placeControl with a tooltip.
template <typename Control, typename... Args>
Control *placeControlWithTip(QWidget *parent, const char *name, QRect geometry, const QString &toolTip,
                             Args &&...args)
{
    Control *control = placeControl<Control>(parent, name, geometry, std::forward<Args>(args)...);
    control->setToolTip(toolTip);
    return control;
}

/// Gives each of `labels` the look's text colour.
inline void setTextColour(std::initializer_list<QWidget *> labels, const QColor &colour)
{
    for (QWidget *label : labels) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

/// Puts the fixed-size `window` in the middle of its owner's screen (the primary one without
/// an owner).
inline void centreOnScreen(QWidget &window, const QWidget *owner)
{
    if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - QPoint(window.width() / 2, window.height() / 2));
}

} // namespace brannock
