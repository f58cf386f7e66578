#pragma once

#include "platform/ScriptRunner.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <functional>
#include <memory>

namespace brannock {

/// A ScriptRun over a QProcess that both platforms share; only the start of the
/// interpreter and the way its whole process tree is ended differ.
class ProcessScriptRun final : public ScriptRun {
    Q_OBJECT
    Q_DISABLE_COPY(ProcessScriptRun)
public:
    /// Ends the started process and everything it started.
    using EndTree = std::function<void(QProcess &)>;

    /// Starts `process` (program, arguments, folder and environment already set) with both
    /// output channels merged and its standard input a pipe. Throws AppError naming `what` when it cannot
    /// start. `afterStart` runs once the process exists and may return the tree's end.
    /// The interpreter's environment: this process's, without variables that would stand in
    /// for the interpreter's own or the watched script's (ERRORLEVEL, BRANNOCK_GO), and with
    /// `firstEntry` (when not empty) in front of the search variable `searchVariable`.
    static QProcessEnvironment environment(const QString &searchVariable, const QString &firstEntry);

    static std::unique_ptr<ProcessScriptRun> start(std::unique_ptr<QProcess> process, const QString &what,
                                                   const std::function<EndTree(QProcess &)> &afterStart);
    ~ProcessScriptRun() override;

    void stop() override;
    bool isRunning() const override;
    void write(const QByteArray &bytes) override;
    bool waitForEnd(int msecs) override;

private:
    ProcessScriptRun(std::unique_ptr<QProcess> process, EndTree endTree);

    std::unique_ptr<QProcess> m_process;
    EndTree m_endTree;
};

} // namespace brannock
