#include "platform/TopmostBand.h"

#include <QWidget>

#include <windows.h>

namespace brannock {

void NativeTopmostBand::setTopmost(QWidget *window, bool topmost)
{
    if (!window || !window->isVisible())
        return; // a hidden window keeps its band; the keep-above hint applies when it maps
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace brannock
