#pragma once

#include <QPoint>
#include <QRect>

namespace brannock::layout {

/// Places of the main window's controls in client pixels (the window has no frame).
inline constexpr QRect Titlebar{152, 2, 148, 24};
inline constexpr QRect PicIcon{134, 2, 16, 16};
inline constexpr QRect BPicMin{302, 2, 11, 11};
inline constexpr QRect BPicExit{302, 15, 11, 11};
inline constexpr QRect BPicInc{302, 130, 11, 16};
inline constexpr QRect DrvList{2, 49, 182, 21};
inline constexpr QRect DirFP{2, 72, 182, 111};
inline constexpr QRect LblOFP{186, 28, 127, 16};
inline constexpr QRect TxtOFP{186, 43, 127, 17};
inline constexpr QRect LblSFP{186, 62, 127, 16};
inline constexpr QRect TxtSFP{186, 77, 127, 17};
inline constexpr QRect LblVOL{186, 96, 127, 16};
inline constexpr QRect TxtVOL{186, 111, 127, 17};
inline constexpr QRect CmdMake{2, 185, 81, 28};
inline constexpr QRect CmdCfg{85, 185, 73, 28};
inline constexpr QRect CmdSkins{160, 185, 38, 28};
inline constexpr QRect CmdAbout{200, 185, 43, 28};
inline constexpr QRect IncModule{8, 215, 186, 73};

/// Where the include button's menu opens: one pixel up and left of the shape's corner
/// beside the button.
inline constexpr QPoint IncludeMenuCorner{299, 148};

} // namespace brannock::layout
