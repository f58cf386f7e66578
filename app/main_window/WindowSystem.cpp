#include "main_window/WindowSystem.h"

#include <QtGlobal>

namespace brannock {

QString preferredQtPlatform(const WindowSystemEnvironment &env)
{
    if (!env.qpaPlatform.isEmpty())
        return {};
    const bool wayland = !env.waylandDisplay.isEmpty() || env.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    if (wayland && !env.display.isEmpty())
        return QStringLiteral("xcb");
    return {};
}

void choosePreferredQtPlatform()
{
    const QString platform = preferredQtPlatform({qEnvironmentVariable("QT_QPA_PLATFORM"),
                                                  qEnvironmentVariable("WAYLAND_DISPLAY"),
                                                  qEnvironmentVariable("XDG_SESSION_TYPE"),
                                                  qEnvironmentVariable("DISPLAY")});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
}

} // namespace brannock
