#pragma once

#include "base/AppError.h"
#include "platform/ScriptRunner.h"

#include <QFile>
#include <QPointer>
#include <QStringList>

#include <optional>

namespace brannock::test {

/// A run that tests drive: `print` sends output, `end` finishes it; `stop` ends it as a
/// killed interpreter would.
class FakeScriptRun final : public ScriptRun {
public:
    bool running = true;
    int stopCalls = 0;
    QByteArray written; ///< what Brannock sent to the interpreter's input
    QByteArray token;   ///< the watched script's marker, read from its first line

    /// What the watched script prints when line `n` (1-based) begins, or ends with `exitCode`.
    void begin(int n) { print(token + " begin " + QByteArray::number(n) + "\r\n"); }
    void finishLine(int n, int exitCode = 0)
    {
        print(token + " end " + QByteArray::number(n) + " " + QByteArray::number(exitCode) + "\r\n");
    }

    void stop() override
    {
        ++stopCalls;
        end(1, true);
    }
    bool isRunning() const override { return running; }
    void write(const QByteArray &bytes) override { written += bytes; }
    bool waitForEnd(int) override { return !running; }

    void print(const QByteArray &bytes) { emit output(bytes); }
    void end(int exitCode = 0, bool crashed = false)
    {
        if (!running)
            return;
        running = false;
        emit finished(exitCode, crashed);
    }
};

/// A ScriptRunner that records what it was asked to start; `failWith` makes it throw.
class FakeScriptRunner final : public ScriptRunner {
public:
    QStringList started;        ///< script paths
    QStringList workingFolders; ///< one per start
    QStringList toolsFolders;   ///< one per start
    QPointer<FakeScriptRun> lastRun;
    std::optional<AppError> failWith;

    std::unique_ptr<ScriptRun> start(const QString &nativePath, const QString &workingFolder,
                                     const QString &toolsFolder) override
    {
        if (failWith)
            throw *failWith;
        started.append(nativePath);
        workingFolders.append(workingFolder);
        toolsFolders.append(toolsFolder);
        auto run = std::make_unique<FakeScriptRun>();
        QFile script(nativePath);
        if (script.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> words = script.readLine().split(' ');
            if (words.size() > 1 && words[0] == "@echo")
                run->token = words[1];
        }
        lastRun = run.get();
        return run;
    }
};

} // namespace brannock::test
