#pragma once

#include "desktop/Tray.h"

#include <QStringList>

namespace brannock::test {

/// A tray that records what was done to it; tests emit its gestures directly.
class FakeTray final : public Tray {
public:
    bool available = true;
    QIcon icon;
    QString toolTip;
    bool visible = false;
    QStringList calls; ///< "setIcon", "setToolTip", "show", "hide" in order

    bool isAvailable() const override { return available; }
    void setIcon(const QIcon &i) override
    {
        icon = i;
        calls << QStringLiteral("setIcon");
    }
    void setToolTip(const QString &tip) override
    {
        toolTip = tip;
        calls << QStringLiteral("setToolTip");
    }
    void show() override
    {
        visible = true;
        calls << QStringLiteral("show");
    }
    void hide() override
    {
        visible = false;
        calls << QStringLiteral("hide");
    }
    bool isVisible() const override { return visible; }
    struct Message {
        QString title, text;
        bool warning;
    };
    QList<Message> messages;
    void showMessage(const QString &title, const QString &text, bool warning) override
    {
        messages.append({title, text, warning});
    }

    void rightClick(const QPoint &at = QPoint(10, 10)) { emit contextRequested(at); }
    void doubleClick() { emit toggleRequested(); }
};

} // namespace brannock::test
