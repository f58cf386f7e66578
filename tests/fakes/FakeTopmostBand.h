#pragma once

#include "platform/TopmostBand.h"

#include <QList>
#include <QWidget>

namespace brannock::test {

/// Records every band change: true = into the topmost band, false = out of it.
class FakeTopmostBand final : public TopmostBand {
public:
    QList<bool> changes;
    QList<bool> windowShown; ///< whether the window was on screen at each change
    void setTopmost(QWidget *window, bool topmost) override
    {
        changes.append(topmost);
        windowShown.append(window && window->isVisible());
    }
};

} // namespace brannock::test
