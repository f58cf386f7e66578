#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>

namespace brannock {

/// The program's icon in the desktop's notification area, with its tip and two gestures:
/// a right-click asks for the menu, a left double-click asks to hide or show the window.
class Tray : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// The desktop has a notification area now (it may come and go).
    virtual bool isAvailable() const = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    virtual void setToolTip(const QString &tip) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    /// A balloon message from the icon; `warning` marks a failure.
    virtual void showMessage(const QString &title, const QString &text, bool warning) = 0;

signals:
    /// Right-click on the icon: pop the main menu up at `globalPos`.
    void contextRequested(const QPoint &globalPos);
    /// Left double-click on the icon (a single click on hosts that never report one).
    void toggleRequested();
};

enum class TrayGesture { None, Context, Toggle };

/// What an activation of the icon means. Hosts that speak the StatusNotifierItem protocol
/// report a left click as Trigger and never a double-click, so there a click toggles. A
/// Trigger while the pointer is away from the icon came from the keyboard (Enter or Space on
/// the focused icon in Windows' notification area): it toggles on every host.
TrayGesture trayGestureFor(QSystemTrayIcon::ActivationReason reason, bool hostReportsDoubleClick,
                           bool pointerOnIcon = true);

/// The real icon over QSystemTrayIcon. It has no context menu of its own: the owner pops
/// up its menu on contextRequested, so the menu's default entry shows bold.
class QtTray final : public Tray {
    Q_OBJECT
    Q_DISABLE_COPY(QtTray)
public:
    explicit QtTray(QObject *parent = nullptr);

    bool isAvailable() const override;
    void setIcon(const QIcon &icon) override { m_icon.setIcon(icon); }
    void setToolTip(const QString &tip) override { m_icon.setToolTip(tip); }
    void show() override { m_icon.show(); }
    void hide() override { m_icon.hide(); }
    bool isVisible() const override { return m_icon.isVisible(); }
    void showMessage(const QString &title, const QString &text, bool warning) override;

    /// The icon is shown by a StatusNotifierItem host (no double-clicks there).
    static bool hostIsStatusNotifier();

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    /// The pointer is on the icon, or where the icon is cannot be told.
    bool pointerOnIcon() const;

    QSystemTrayIcon m_icon{this};
};

} // namespace brannock
