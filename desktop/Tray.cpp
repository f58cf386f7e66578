#include "desktop/Tray.h"

#include <QCursor>

#if defined(BRANNOCK_HAVE_QTDBUS)
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#endif

namespace brannock {

TrayGesture trayGestureFor(QSystemTrayIcon::ActivationReason reason, bool hostReportsDoubleClick,
                           bool pointerOnIcon)
{
    switch (reason) {
    case QSystemTrayIcon::Context:
        return TrayGesture::Context;
    case QSystemTrayIcon::DoubleClick:
        return TrayGesture::Toggle;
    case QSystemTrayIcon::Trigger:
        return hostReportsDoubleClick && pointerOnIcon ? TrayGesture::None : TrayGesture::Toggle;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return TrayGesture::None;
}

QtTray::QtTray(QObject *parent) : Tray(parent)
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, &QtTray::onActivated);
}

bool QtTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTray::hostIsStatusNotifier()
{
#if defined(BRANNOCK_HAVE_QTDBUS)
    // Qt shows the icon through a StatusNotifierItem whenever a watcher with a host runs.
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusInterface iface(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return iface.property("IsStatusNotifierHostRegistered").toBool();
#else
    return false;
#endif
}

void QtTray::showMessage(const QString &title, const QString &text, bool warning)
{
    m_icon.showMessage(title, text, warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information, 15000);
}

bool QtTray::pointerOnIcon() const
{
    const QRect icon = m_icon.geometry();
    return icon.isEmpty() || icon.contains(QCursor::pos());
}

void QtTray::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // Asked at each activation: the desktop's tray host may change while the program runs.
    const bool doubleClicks = reason != QSystemTrayIcon::Trigger || !hostIsStatusNotifier();
    const bool onIcon = pointerOnIcon();
    switch (trayGestureFor(reason, doubleClicks, onIcon)) {
    case TrayGesture::Context:
        // Asked for by the keyboard (the menu key on the focused icon): at the icon.
        emit contextRequested(onIcon ? QCursor::pos() : m_icon.geometry().center());
        break;
    case TrayGesture::Toggle:
        emit toggleRequested();
        break;
    case TrayGesture::None:
        break;
    }
}

} // namespace brannock
