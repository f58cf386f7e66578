// Start-up of the main window: in process (construction and load) and as a whole program
// from exec to its first painted frame, paired run by run with a bare Qt window.
#include "common/SettingsStore.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakeInterpreterWarmUp.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeTopmostBand.h"
#include "fakes/FakeTray.h"
#include "fakes/FakeWindowsPrograms.h"
#include "main_window/FrmMain.h"
#include "platform/CodePage.h"
#include "platform/Drives.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace brannock;

static void BM_FrmMainConstructAndLoad(benchmark::State &state)
{
    QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
    test::FakePrompts prompts;
    test::FakeTopmostBand band;
    test::FakeDosPaths dos;
    test::FakeScriptRunner runner;
    test::FakeInterpreterWarmUp warmUp;
    test::FakeTray tray;
    test::FakeWindowsPrograms programs;
    for (auto _ : state) {
        // The machine's own drive list and code page, as the program reads them at start-up.
        FrmMain window({store, prompts, band, dos, runner, warmUp, programs, tray, WorkFolders::portableIn(folder.path()),
                        QStringLiteral("/noexec/"), &oemCodePage, &listDrives});
        window.Form_Load();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_FrmMainConstructAndLoad)->Unit(benchmark::kMillisecond);

namespace {

/// Whether QT_QPA_PLATFORM was given to this benchmark; the benchmark main sets "offscreen"
/// for itself otherwise, which the measured programs must not inherit.
bool g_platformGiven = false;

// CPU time (user + system) of the finished child processes so far; 0 where not known.
double childCpuMs()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
#else
    return 0.0;
#endif
}

/// One program run to its first frame: wall and CPU time in milliseconds.
struct FirstFrame {
    double wallMs = 0;
    double cpuMs = 0;
};

struct Program {
    const char *name;
    QString path;
    QStringList arguments;
    std::vector<FirstFrame> runs;
};

QProcessEnvironment programEnvironment(const QString &configFolder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!g_platformGiven) {
        // The window system of the session (Xvfb with a window manager); offscreen only
        // where there is none.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (env.value(QStringLiteral("DISPLAY")).isEmpty() && env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    // Empty settings: the built-in look, as on a first start.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    return env;
}

bool runToFirstFrame(Program &program, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    const double cpuBefore = childCpuMs();
    QElapsedTimer wall;
    wall.start();
    process.start(program.path, program.arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    program.runs.push_back({double(wall.nsecsElapsed()) / 1e6, childCpuMs() - cpuBefore});
    return true;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double medianOf(const Program &program, double FirstFrame::*field)
{
    std::vector<double> values;
    for (const FirstFrame &run : program.runs)
        values.push_back(run.*field);
    return median(values);
}

/// The programs of the paired runs: Brannock ending at its first frame (BENCH_BRANNOCK_EXE
/// may name another build's brannock_first_frame to compare), the bare window with one
/// caption and without.
std::vector<Program> g_programs;

} // namespace

static void BM_FirstFramePaired(benchmark::State &state)
{
    QString brannock = qEnvironmentVariable("BENCH_BRANNOCK_EXE");
    if (brannock.isEmpty())
        brannock = QStringLiteral(BRANNOCK_EXE);
    g_programs = {{"Brannock", brannock, {QStringLiteral("/noexec/")}, {}},
                  {"bare window with caption", QStringLiteral(BARE_EXE), {QStringLiteral("--caption")}, {}},
                  {"bare window", QStringLiteral(BARE_EXE), {}, {}}};
    QTemporaryDir config;
    const QProcessEnvironment env = programEnvironment(config.path());
    int round = 0;
    for (auto _ : state) {
        // Each round runs every program once, in turn starting with another, so that a
        // busy moment of the machine falls on all of them alike.
        for (std::size_t i = 0; i < g_programs.size(); ++i) {
            Program &program = g_programs[(i + std::size_t(round)) % g_programs.size()];
            if (!runToFirstFrame(program, env)) {
                state.SkipWithError(qPrintable(QStringLiteral("%1 did not reach its first frame").arg(program.name)));
                return;
            }
        }
        ++round;
    }
    for (const Program &program : g_programs) {
        const QString key = QString::fromLatin1(program.name).replace(QLatin1Char(' '), QLatin1Char('_'));
        state.counters[qPrintable(key + QStringLiteral("_wall_ms"))] = medianOf(program, &FirstFrame::wallMs);
        state.counters[qPrintable(key + QStringLiteral("_cpu_ms"))] = medianOf(program, &FirstFrame::cpuMs);
    }
}
BENCHMARK(BM_FirstFramePaired)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);

/// The closing summary: each program's median first frame and Brannock's against the
/// window with one caption.
static void printSummary()
{
    if (g_programs.empty() || g_programs.front().runs.empty())
        return;
    std::printf("\nFirst frame, medians of %zu paired runs (wall / CPU):\n", g_programs.front().runs.size());
    for (const Program &program : g_programs)
        std::printf("  %-26s %7.1f ms / %6.1f ms\n", program.name, medianOf(program, &FirstFrame::wallMs),
                    medianOf(program, &FirstFrame::cpuMs));
    const Program &brannock = g_programs[0];
    const Program &caption = g_programs[1];
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("Brannock / bare window with caption: wall %.2fx, CPU %.2fx\n",
                ratio(medianOf(brannock, &FirstFrame::wallMs), medianOf(caption, &FirstFrame::wallMs)),
                ratio(medianOf(brannock, &FirstFrame::cpuMs), medianOf(caption, &FirstFrame::cpuMs)));
}

#include <QFile>

// Brannock with 10,000 definition files in its work folder (the per-user data folder, given
// through XDG_DATA_HOME) against the same program with an empty one, run in pairs; prints
// the medians of both (wall and CPU) and their ratio.
static void BM_FirstFrameWith10000Items(benchmark::State &state)
{
    constexpr int kItems = 10000;
    QTemporaryDir config;
    QTemporaryDir empty;
    QTemporaryDir full;
    const QString items = full.filePath(QStringLiteral("Brannock"));
    if (!QDir().mkpath(empty.filePath(QStringLiteral("Brannock"))) || !QDir().mkpath(items)) {
        state.SkipWithError("no work folder");
        return;
    }
    for (int i = 0; i < kItems; ++i) {
        QFile file(QDir(items).filePath(QStringLiteral("skin%1.tsf").arg(i)));
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("the work folder cannot be filled");
            return;
        }
        file.write(QStringLiteral("User skin number %1*lush*custom%1.bmp\r\n").arg(i).toLatin1());
    }
    const QStringList arguments{QStringLiteral("/noexec/")};
    Program none{"none", QStringLiteral(BRANNOCK_EXE), arguments, {}};
    Program with{"10000 items", QStringLiteral(BRANNOCK_EXE), arguments, {}};
    QProcessEnvironment noneEnv = programEnvironment(config.path());
    QProcessEnvironment withEnv = noneEnv;
    noneEnv.insert(QStringLiteral("XDG_DATA_HOME"), empty.path());
    withEnv.insert(QStringLiteral("XDG_DATA_HOME"), full.path());
    for (auto _ : state) {
        if (!runToFirstFrame(none, noneEnv) || !runToFirstFrame(with, withEnv)) {
            state.SkipWithError("Brannock did not reach its first frame");
            return;
        }
    }
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    for (const auto field : {&FirstFrame::wallMs, &FirstFrame::cpuMs}) {
        const char *kind = field == &FirstFrame::wallMs ? "wall" : "cpu";
        state.counters[std::string("none_") + kind + "_ms"] = medianOf(none, field);
        state.counters[std::string("items_") + kind + "_ms"] = medianOf(with, field);
        state.counters[std::string(kind) + "_ratio"] = ratio(medianOf(with, field), medianOf(none, field));
    }
}
BENCHMARK(BM_FirstFrameWith10000Items)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(9);

int main(int argc, char **argv)
{
    g_platformGiven = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    const int result = runQtBenchmarks(argc, argv);
    printSummary();
    return result;
}
