#pragma once

#include <QString>

#include <memory>

namespace brannock {

/// Starts a batch file detached, in a console window of its own, and never waits for it.
class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;

    /// Starts the batch file at `nativePath`; throws AppError when it cannot be started.
    virtual void start(const QString &nativePath) = 0;
};

/// cmd.exe on Windows; "wine start /unix" elsewhere.
std::unique_ptr<ScriptRunner> makeNativeScriptRunner();

} // namespace brannock
