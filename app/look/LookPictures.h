#pragma once

#include <QImage>
#include <QPixmap>

namespace brannock {

/// The eight built-in pictures of the main window (never change).
struct BuiltInPictures {
    QPixmap min0bck, min1bck, exit0bck, exit1bck, inc0bck, inc1bck, iconbck, sysbck;
};

/// The pictures for a screen of `devicePixelRatio` (device pixels per window pixel): at 1
/// pixel by pixel as designed; at any other ratio drawn afresh at that resolution from the
/// same design, never a design scaled up, so they are as sharp as at 1. Drawn in code on
/// first use for each ratio; needs a QGuiApplication. The tray picture is the design at any
/// ratio (the tray scales it as it shows it).
const BuiltInPictures &builtInPictures(qreal devicePixelRatio = 1.0);

/// What the main window shows now; the Skins dialog previews it as "Current Settings".
struct CurrentLook {
    QImage background; ///< null while no look has been applied ("/nopaint/")
    QPixmap min0, exit0, inc0, icon, sysIcon;
};

/// The main window's client area, which the background covers.
inline constexpr int MainClientWidth = 315;
inline constexpr int MainClientHeight = 288;

} // namespace brannock
