#pragma once

#include "TopmostBand.h"

#include <QList>

namespace brannock::test {

/// Records every band change: true = into the topmost band, false = out of it.
class FakeTopmostBand final : public TopmostBand {
public:
    QList<bool> changes;
    void setTopmost(QWidget *, bool topmost) override { changes.append(topmost); }
};

} // namespace brannock::test
