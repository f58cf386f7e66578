#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

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

} // namespace brannock
