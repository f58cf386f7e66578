// Brannock that ends as soon as its main window has painted its first frame: the same
// program as Brannock (runBrannock), with a watcher on the main window. The end-to-end
// suite, the package check and the start-up benchmarks start it; the shipped program has
// no such hook.
//
// With BRANNOCK_BENCH_SETTLE set it ends once the program has settled after that frame
// instead - no thread of it has used the processor for a while - and first prints one line:
//   settled window_wall_ms=<first frame to the window's thread settled>
//           wall_ms=<first frame to the whole program settled> window_cpu_ms=<the window's
//           thread's processor time until then> cpu_ms=<all threads'> rss_kib=<memory held>
#include "main_window/FrmMain.h"
#include "main_window/Program.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>

#ifdef Q_OS_UNIX
#include <time.h>
#endif

namespace {

/// Ends the process once the window's first paint has been handled, without the orderly
/// shut-down, so that the time measured is the time to that frame.
class QuitAtFirstFrame final : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

#ifdef Q_OS_UNIX
double cpuMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

/// From the first frame on, looks every few milliseconds at the processor time of the window's
/// thread and of the whole program; once one has not grown by more than a trace over a quiet
/// spell, that one has settled at the start of the spell.
class SettleAfterFirstFrame final : public QObject {
public:
    static constexpr int kLookMs = 5;
    static constexpr int kQuietMs = 300;
    static constexpr double kTraceMs = 15.0; ///< 5 %: the looking itself, a blinking text cursor

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_looking.isActive())
            return false;
        m_sinceFrame.start();
        m_cpuAtFrame = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        m_windowCpuAtFrame = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        connect(&m_looking, &QTimer::timeout, this, [this] { look(); });
        m_looking.start(kLookMs);
        return false;
    }

private:
    struct Sample {
        double wallMs, cpuMs, windowCpuMs;
    };

    void look()
    {
        const Sample now{double(m_sinceFrame.nsecsElapsed()) / 1e6, cpuMs(CLOCK_PROCESS_CPUTIME_ID),
                         cpuMs(CLOCK_THREAD_CPUTIME_ID)};
        m_samples.push_back(now);
        while (m_samples.size() > 1 && now.wallMs - m_samples[1].wallMs >= kQuietMs)
            m_samples.pop_front();
        const Sample &spellStart = m_samples.front();
        if (now.wallMs - spellStart.wallMs < kQuietMs)
            return;
        if (!m_windowSettled && now.windowCpuMs - spellStart.windowCpuMs <= kTraceMs)
            m_windowSettled = spellStart.wallMs;
        if (now.cpuMs - spellStart.cpuMs > kTraceMs)
            return;
        std::printf("settled window_wall_ms=%.1f wall_ms=%.1f window_cpu_ms=%.1f cpu_ms=%.1f rss_kib=%ld\n",
                    m_windowSettled.value_or(spellStart.wallMs), spellStart.wallMs,
                    spellStart.windowCpuMs - m_windowCpuAtFrame, spellStart.cpuMs - m_cpuAtFrame, residentKiB());
        std::fflush(stdout);
        std::_Exit(0);
    }

    QElapsedTimer m_sinceFrame;
    QTimer m_looking;
    double m_cpuAtFrame = 0;
    double m_windowCpuAtFrame = 0;
    std::deque<Sample> m_samples;
    std::optional<double> m_windowSettled; ///< ms after the frame, once seen
};
#endif

} // namespace

int main(int argc, char *argv[])
{
    QuitAtFirstFrame quitAtFirstFrame;
#ifdef Q_OS_UNIX
    SettleAfterFirstFrame settle;
    QObject *watcher = qEnvironmentVariableIsEmpty("BRANNOCK_BENCH_SETTLE") ? static_cast<QObject *>(&quitAtFirstFrame)
                                                                             : &settle;
#else
    QObject *watcher = &quitAtFirstFrame;
#endif
    return brannock::runBrannock(argc, argv, [&](brannock::FrmMain &window) { window.installEventFilter(watcher); });
}
