#pragma once

#include <QImage>
#include <QPixmap>

namespace brannock {

/// The eight built-in pictures of the main window (never change).
struct BuiltInPictures {
    QPixmap min0bck, min1bck, exit0bck, exit1bck, inc0bck, inc1bck, iconbck, sysbck;
};

/// Drawn in code on first use; needs a QGuiApplication.
const BuiltInPictures &builtInPictures();

/// What the main window shows now; the Skins dialog previews it as "Current Settings".
struct CurrentLook {
    QImage background; ///< null while no look has been applied ("/nopaint/")
    QPixmap min0, exit0, inc0, icon, sysIcon;
};

/// The main window's client area, which the background covers.
inline constexpr int MainClientWidth = 315;
inline constexpr int MainClientHeight = 288;

} // namespace brannock
