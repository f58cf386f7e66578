#pragma once

#include "platform/InterpreterWarmUp.h"

#include <functional>

namespace brannock::test {

/// Counts the starts and stops it is asked for; warm from its first start to its first stop.
class FakeInterpreterWarmUp final : public InterpreterWarmUp {
public:
    int starts = 0;
    int stops = 0;
    std::function<void()> onStart; ///< called at each start, to look at what is done by then

    void start() override
    {
        ++starts;
        if (onStart)
            onStart();
    }
    void stop() override { ++stops; }
    bool waitUntilWarm(int) override { return starts > 0 && stops == 0; }
};

} // namespace brannock::test
