#include "platform/InterpreterWarmUp.h"

#include "platform/posix/WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace brannock {

namespace {

/// What the keeper is asked once it runs, and what it answers only when it has run it: the
/// interpreter echoes no command, and the answer's line break is never in the command.
constexpr char kReadyCommand[] = "echo brannock&echo warm\r\n";
constexpr char kReadyAnswer[] = "brannock\r\nwarm";
/// How often the keeper's start looks whether it is to stop.
constexpr int kPollMs = 100;
/// How long an interpreter told to end gets before it is killed.
constexpr int kEndMs = 1000;

/// A Wine prefix that Wine has made: it stamps a prefix when it sets it up, and writes its
/// registry later. A prefix that is missing is made by the first program Wine starts in it,
/// which takes long and writes much: that is left to a build.
bool prefixIsMade(const QString &prefix)
{
    return QFileInfo(prefix + QStringLiteral("/.update-timestamp")).isFile()
        || QFileInfo(prefix + QStringLiteral("/system.reg")).isFile();
}

/// Wine's server and the prefix's services stay up while any program of the prefix runs, and
/// end a few seconds after the last one. The keeper is such a program: Wine's cmd, reading
/// commands from a pipe that only Brannock writes to, so it idles until Brannock closes the
/// pipe - when Brannock stops it, and also when Brannock ends any other way. Unlike a server
/// made to stay for good ("wineserver -p"), it never outlives Brannock, and ending it ends
/// nothing else: other Wine programs of the player's in the same prefix keep running.
/// The keeper starts and boots on a thread of its own, never the interface's.
class WineWarmUp final : public InterpreterWarmUp {
public:
    ~WineWarmUp() override { stop(); }

    void start() override
    {
        const std::lock_guard lock(m_mutex);
        if (m_state != State::Idle)
            return;
        m_state = State::Starting;
        // A QThread, not a bare thread: the keeper's process needs the event dispatcher
        // that a QThread brings, even though nothing waits on an event loop.
        m_thread.reset(QThread::create([this] { keep(); }));
        m_thread->start();
    }

    void stop() override
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopRequested = true;
            if (m_state == State::Idle)
                m_state = State::Ended;
        }
        m_changed.notify_all();
        if (m_thread)
            m_thread->wait();
    }

    bool waitUntilWarm(int msecs) override
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::milliseconds(msecs), [this] { return m_state != State::Starting; });
        return m_state == State::Warm;
    }

private:
    enum class State { Idle, Starting, Warm, Ended };

    void setState(State state)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_state = state;
        }
        m_changed.notify_all();
    }

    bool stopRequested()
    {
        const std::lock_guard lock(m_mutex);
        return m_stopRequested;
    }

    /// The keeper's whole life, on its own thread.
    void keep()
    {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty() || !prefixIsMade(winePrefixFolder()) || stopRequested()) {
            setState(State::Ended);
            return;
        }
        QProcess keeper;
        keeper.setProgram(wine);
        // Echo off: it prints nothing of its own, only the answers to what it is asked.
        keeper.setArguments({QString::fromLatin1(kWineCmd), QStringLiteral("/d"), QStringLiteral("/q")});
        // The environment of a run: the same prefix, locale and quiet Wine.
        keeper.setProcessEnvironment(wineRunEnvironment(QProcessEnvironment::systemEnvironment()));
        keeper.setWorkingDirectory(QDir::rootPath()); // it holds no folder of the player's
        keeper.setStandardErrorFile(QProcess::nullDevice());
        keeper.start();
        if (!keeper.waitForStarted()) {
            setState(State::Ended);
            return;
        }
        keeper.write(kReadyCommand);
        QByteArray answer;
        bool warm = false;
        while (!warm && !stopRequested() && keeper.state() != QProcess::NotRunning) {
            if (keeper.waitForReadyRead(kPollMs)) {
                answer += keeper.readAllStandardOutput();
                warm = answer.contains(kReadyAnswer);
            }
        }
        if (warm) {
            setState(State::Warm);
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stopRequested; });
        }
        // The end of its input ends the interpreter; one still booting is killed.
        keeper.closeWriteChannel();
        if (!keeper.waitForFinished(kEndMs)) {
            keeper.kill();
            keeper.waitForFinished(kEndMs);
        }
        setState(State::Ended);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::Idle;
    bool m_stopRequested = false;
    std::unique_ptr<QThread> m_thread;
};

} // namespace

std::unique_ptr<InterpreterWarmUp> makeNativeInterpreterWarmUp()
{
    return std::make_unique<WineWarmUp>();
}

} // namespace brannock
