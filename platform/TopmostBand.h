#pragma once

class QWidget;

namespace brannock {

/// Moves a top-level window into or out of the desktop's always-on-top band without
/// moving, resizing, re-creating or activating it.
class TopmostBand {
public:
    virtual ~TopmostBand() = default;
    virtual void setTopmost(QWidget *window, bool topmost) = 0;
};

/// The platform's band: SetWindowPos on Windows, a _NET_WM_STATE request on X11, and
/// the window's keep-above hint elsewhere (set once, before the window is first shown).
class NativeTopmostBand final : public TopmostBand {
public:
    void setTopmost(QWidget *window, bool topmost) override;
};

} // namespace brannock
