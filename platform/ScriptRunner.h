#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

namespace brannock {

/// One run of a batch file by the command interpreter, followed to its end. Its output
/// arrives through the event loop, so a caller that connects right after the start misses
/// nothing.
class ScriptRun : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Ends the interpreter and every program it started; `finished` follows.
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    /// Sends `bytes` to the interpreter's standard input.
    virtual void write(const QByteArray &bytes) = 0;
    /// Waits up to `msecs` for the end (`finished` is emitted before it returns); true when ended.
    virtual bool waitForEnd(int msecs) = 0;

signals:
    /// What the interpreter echoes and what it and the tools print (both channels, in the
    /// order written), in the console's code page, as it comes.
    void output(const QByteArray &bytes);
    /// The interpreter has ended: its exit code, or `crashed` when it was killed or crashed.
    void finished(int exitCode, bool crashed);
};

/// Starts a batch file with the platform's own command interpreter, named by its full path
/// (never a cmd.exe found in the working folder or along the search path), without a
/// console window, its standard input a pipe from Brannock.
class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;

    /// Runs the batch file at `nativePath` in `workingFolder`, with `toolsFolder` (native;
    /// empty: none) at the front of the interpreter's search path, so that a program named
    /// without a folder is found in the working folder, then there, then along the usual
    /// path. Throws AppError when the interpreter cannot be started (naming the missing
    /// command where there is one).
    virtual std::unique_ptr<ScriptRun> start(const QString &nativePath, const QString &workingFolder,
                                             const QString &toolsFolder) = 0;
};

/// cmd.exe on Windows; Wine's cmd elsewhere.
std::unique_ptr<ScriptRunner> makeNativeScriptRunner();

} // namespace brannock
