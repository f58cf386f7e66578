#pragma once

#include <memory>

namespace brannock {

/// Keeps the command interpreter quick to start while Brannock runs, so that a build's first
/// line starts at once instead of after the interpreter's cold start. Nothing it does shows.
class InterpreterWarmUp {
public:
    InterpreterWarmUp() = default;
    virtual ~InterpreterWarmUp() = default;
    InterpreterWarmUp(const InterpreterWarmUp &) = delete;
    InterpreterWarmUp &operator=(const InterpreterWarmUp &) = delete;

    /// Begins warming in the background and returns at once; later calls do nothing.
    virtual void start() = 0;
    /// Ends what start began, at once when it is still on its way; nothing after it is kept
    /// up by Brannock. Called when Brannock ends; later calls do nothing.
    virtual void stop() = 0;
    /// Waits up to `msecs` for the interpreter to be warm: true once it is, false when there
    /// is nothing to warm (or it was never started or stopped first).
    virtual bool waitUntilWarm(int msecs) = 0;
};

/// Under Wine: the prefix's server and services, booted and kept up by an idle interpreter
/// of Brannock's own for as long as Brannock runs; nothing when "wine" is missing or the prefix
/// was never made (a first build makes it). On Windows nothing: cmd.exe starts at once.
std::unique_ptr<InterpreterWarmUp> makeNativeInterpreterWarmUp();

} // namespace brannock
