#include "platform/InterpreterWarmUp.h"

namespace brannock {

namespace {

/// cmd.exe is part of the system and starts at once: there is nothing to keep warm.
class NoWarmUp final : public InterpreterWarmUp {
public:
    void start() override {}
    void stop() override {}
    bool waitUntilWarm(int) override { return false; }
};

} // namespace

std::unique_ptr<InterpreterWarmUp> makeNativeInterpreterWarmUp()
{
    return std::make_unique<NoWarmUp>();
}

} // namespace brannock
