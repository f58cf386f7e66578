// Start-up of the main window: in process (construction and load) and as a whole program
// from exec to its first painted frame, beside a bare Qt window for comparison.
#include "platform/Drives.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeTopmostBand.h"
#include "fakes/FakeTray.h"
#include "main_window/FrmMain.h"
#include "common/SettingsStore.h"
#include "platform/CodePage.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

using namespace brannock;

static void BM_FrmMainConstructAndLoad(benchmark::State &state)
{
    QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
    test::FakePrompts prompts;
    test::FakeTopmostBand band;
    test::FakeDosPaths dos;
    test::FakeScriptRunner runner;
    test::FakeTray tray;
    for (auto _ : state) {
        // The machine's own drive list and code page, as the program reads them at start-up.
        FrmMain window({store, prompts, band, dos, runner, tray, WorkFolders::portableIn(folder.path()),
                        QStringLiteral("/noexec/"), &oemCodePage, &listDrives});
        window.Form_Load();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_FrmMainConstructAndLoad)->Unit(benchmark::kMillisecond);

// CPU time (user + system) of the finished child processes so far; 0 where not known.
static double childCpuSeconds()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#else
    return 0.0;
#endif
}

static void runToFirstFrame(benchmark::State &state, const char *program, const QStringList &arguments)
{
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("BRANNOCK_QUIT_AT_FIRST_FRAME"), QStringLiteral("1"));
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QString::fromUtf8(program), arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not reach its first frame");
            return;
        }
    }
    // The program's own CPU time beside the wall time the benchmark measures.
    state.counters["cpu_ms"] = benchmark::Counter((childCpuSeconds() - cpuBefore) * 1000.0,
                                                  benchmark::Counter::kAvgIterations);
}

static void BM_ProcessToFirstFrame_Brannock(benchmark::State &state)
{
    runToFirstFrame(state, BRANNOCK_EXE, {QStringLiteral("/noexec/")});
}
static void BM_ProcessToFirstFrame_BareQtWindow(benchmark::State &state) { runToFirstFrame(state, BARE_EXE, {}); }
static void BM_ProcessToFirstFrame_BareQtWindowWithCaption(benchmark::State &state)
{
    runToFirstFrame(state, BARE_EXE, {QStringLiteral("--caption")});
}
BENCHMARK(BM_ProcessToFirstFrame_BareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_ProcessToFirstFrame_BareQtWindowWithCaption)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_ProcessToFirstFrame_Brannock)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
