#pragma once

#include <QString>

namespace brannock {

/// The environment's word on the window system, read before the application starts.
struct WindowSystemEnvironment {
    QString qpaPlatform;    ///< QT_QPA_PLATFORM: the player's own choice
    QString waylandDisplay; ///< WAYLAND_DISPLAY
    QString sessionType;    ///< XDG_SESSION_TYPE
    QString display;        ///< DISPLAY: an X server (XWayland in a Wayland session)
};

/// The Qt platform Brannock should run on, or empty to leave Qt's choice. The main window is
/// shaped, keeps itself on top and is dragged by its own title bar; a Wayland compositor
/// lets a client do none of that, so in a Wayland session that also offers X (XWayland)
/// Brannock runs on X ("xcb"), unless the player chose a platform.
QString preferredQtPlatform(const WindowSystemEnvironment &env);

/// Reads the environment and, where preferredQtPlatform says so, sets QT_QPA_PLATFORM.
void choosePreferredQtPlatform();

} // namespace brannock
