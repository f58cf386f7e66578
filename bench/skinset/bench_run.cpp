// Click to volume: a watched run of a 41-file Compile.bat (Make Skinset, the real command
// interpreter with the stand-in tools, the Compile window following it to its verdict)
// beside the same Compile.bat run directly by the same interpreter ("wine cmd /c"), in
// turns within one process. The ratio counter is watched / direct.
//
// BM_ClickToVolume: both with Wine's server up. BM_ClickAfterWarmUp: Brannock's click after
// its warm-up of the interpreter (as after its first frame) beside a cold hand run - "wine
// cmd /c" with no Wine server up - of the same Compile.bat: click to the first tool's first
// output and click to the verdict, against the hand run's start to its first tool's output
// and to its end; and, for comparison, Brannock's click with Wine cold (no warm-up) and the
// same hand run with Wine already warm: the fastest any run of these lines in their order
// can be on this machine, whoever starts it (floor_ratio).

#include "common/SettingsStore.h"
#include "dialogs/compile/FrmCompile.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeWindowsPrograms.h"
#include "fakes/TestWine.h"
#include "platform/InterpreterWarmUp.h"
#include "platform/posix/WineDosPaths.h"
#include "QtBenchmarkMain.h"
#include "skinset/MakeSkinset.h"
#include "skinset/SkinCatalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>

using namespace brannock;

namespace {

/// Runs `wineserver` with `argument` for the prefix, its output discarded.
void wineserver(const QString &argument, int waitMs = 60000)
{
    QProcess server;
    server.setStandardInputFile(QProcess::nullDevice());
    server.setStandardOutputFile(QProcess::nullDevice());
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start(QStringLiteral("wineserver"), {argument});
    server.waitForFinished(waitMs);
}

struct Setup {
    QTemporaryDir root;
    QString start, program, game, volume;
    std::unique_ptr<test::TestWine> wine;
    std::unique_ptr<SettingsStore> store;
    BuildInputs in;
    QString problem;

    /// `serverUp`: Wine's server started to stay up between the runs.
    explicit Setup(bool serverUp = true)
    {
        wine = std::make_unique<test::TestWine>(root.path());
        const QString tools = test::TestWine::standInFolder();
        if (!wine->available() || tools.isEmpty()) {
            problem = QStringLiteral("needs wine and the stand-in tools (mingw-w64)");
            return;
        }
        start = root.filePath(QStringLiteral("start"));
        program = root.filePath(QStringLiteral("prog"));
        game = root.filePath(QStringLiteral("game"));
        volume = program + QStringLiteral("/New_Wendle/skin1/newvol.vol");
        for (const QString &folder : {start, program, game + QStringLiteral("/base/Skins")})
            QDir().mkpath(folder);
        for (const char *tool : {"MakeSkin.exe", "VT.exe"})
            QFile::copy(tools + QLatin1Char('/') + QLatin1String(tool), start + QLatin1Char('/') + QLatin1String(tool));
        for (const SkinItem &item : SkinCatalogue::items())
            for (const QString &file : item.files) {
                QFile bitmap(start + QLatin1Char('/') + file);
                if (bitmap.open(QIODevice::WriteOnly))
                    bitmap.write(QByteArray("BM") + QByteArray(4000, 'x'));
            }
        store = std::make_unique<SettingsStore>(root.filePath(QStringLiteral("settings.ini")));
        store->WriteSetting(schema::GamePath, game);
        in.saveFilePrefix = QStringLiteral("skin1");
        in.volumeName = QStringLiteral("newvol");
        in.sourceFolder = start;
        in.workingFolder = start;
        in.isTicked = [](const SkinItem &) { return true; };
        if (!serverUp)
            return;
        // Wine's server stays up between the runs, as it does for a player's session. It
        // gets no output of ours to hold open: "bench_run | grep ..." ends with the benchmark.
        wineserver(QStringLiteral("-p"), 30000);
    }
};

/// The times of one run, in seconds from its start (the click, for Brannock).
struct RunTimes {
    double firstTool = 0; ///< to the first tool's first output
    double end = 0;       ///< to the end (Brannock: to the verdict)
};

/// What a stand-in MakeSkin.exe prints once it has made its bitmap.
constexpr char kToolOutput[] = "MakeSkin: ";

/// Ends Wine's server of the prefix and all of it, and waits until it is gone: the next
/// program Wine starts starts cold.
void makeWineCold()
{
    wineserver(QStringLiteral("-k"));
    wineserver(QStringLiteral("-w"));
}

/// Compile.bat straight through "wine cmd /c", as the player runs it by hand.
RunTimes handRun(const Setup &s)
{
    QFile::remove(s.volume);
    QProcess cmd;
    cmd.setWorkingDirectory(s.start);
    cmd.setProcessChannelMode(QProcess::MergedChannels);
    const QString script = WineDosPaths(s.wine->prefix()).toDos(s.program + QStringLiteral("/Compile.bat"));
    RunTimes times;
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    cmd.start(QStringLiteral("wine"), {QStringLiteral("cmd"), QStringLiteral("/c"), script});
    while (cmd.state() != QProcess::NotRunning || cmd.bytesAvailable() > 0) {
        cmd.waitForReadyRead(5);
        output += cmd.readAll();
        if (times.firstTool == 0 && output.contains(kToolOutput))
            times.firstTool = double(timer.nsecsElapsed()) / 1e9;
    }
    times.end = double(timer.nsecsElapsed()) / 1e9;
    return times;
}

/// Seconds from the click to the Compile window's verdict; empty verdict text on success.
double watchedRun(Setup &s, FrmCompile &window, QString *failure, double *firstTool = nullptr)
{
    QFile::remove(s.volume);
    WineDosPaths dos(s.wine->prefix());
    test::FakePrompts boxes;
    const auto runner = makeNativeScriptRunner();
    test::FakeWindowsPrograms programs;
    QEventLoop loop;
    QObject::connect(&window, &FrmCompile::ended, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    MakeSkinset make(*s.store, boxes, dos, *runner, programs, s.program, *CodePage::byNumber(437));
    if (make.run(s.in, {}).outcome != MakeSkinset::Outcome::Started) {
        *failure = QStringLiteral("the build did not start");
        return 0;
    }
    StartedScript started = make.takeStarted();
    if (firstTool) {
        *firstTool = 0;
        auto output = std::make_shared<QByteArray>();
        QObject::connect(started.run.get(), &ScriptRun::output, &loop, [&timer, firstTool, output](const QByteArray &bytes) {
            *output += bytes;
            if (*firstTool == 0 && output->contains(kToolOutput))
                *firstTool = double(timer.nsecsElapsed()) / 1e9;
        });
    }
    window.follow(std::move(started));
    loop.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (window.verdict()->kind != CompileVerdict::Kind::Success)
        *failure = window.verdict()->summary;
    return seconds;
}

/// The median: one slow start of Wine does not move it.
double medianOf(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

/// Skips the benchmark where `s` cannot run; else shows `window` and makes a first watched
/// run, which makes the Wine prefix and writes Compile.bat.
bool readyToRun(Setup &s, FrmCompile &window, benchmark::State &state)
{
    if (!s.problem.isEmpty()) {
        state.SkipWithError(qPrintable(s.problem));
        return false;
    }
    window.show();
    QString failure;
    watchedRun(s, window, &failure);
    return true;
}

void BM_ClickToVolume(benchmark::State &state)
{
    Setup s;
    FrmCompile window;
    if (!readyToRun(s, window, state))
        return;
    handRun(s);
    QString failure;
    QList<double> direct, watched;
    int turn = 0;
    for (auto _ : state) {
        double d = 0, w = 0;
        if (turn++ % 2 == 0) {
            d = handRun(s).end;
            w = watchedRun(s, window, &failure);
        } else {
            w = watchedRun(s, window, &failure);
            d = handRun(s).end;
        }
        if (!failure.isEmpty()) {
            state.SkipWithError(qPrintable(failure));
            break;
        }
        direct.append(d);
        watched.append(w);
        state.SetIterationTime(w);
    }
    if (direct.isEmpty())
        return;
    // Medians, with the fastest and slowest run.
    state.counters["lines"] = 41 * 2 + 1; // compile and pack lines of the 41 files, the copy line
    state.counters["direct_s"] = medianOf(direct);
    state.counters["direct_min"] = *std::min_element(direct.begin(), direct.end());
    state.counters["direct_max"] = *std::max_element(direct.begin(), direct.end());
    state.counters["watched_s"] = medianOf(watched);
    state.counters["watched_min"] = *std::min_element(watched.begin(), watched.end());
    state.counters["watched_max"] = *std::max_element(watched.begin(), watched.end());
    state.counters["ratio"] = medianOf(watched) / medianOf(direct);
}
BENCHMARK(BM_ClickToVolume)->Iterations(6)->UseManualTime()->Unit(benchmark::kSecond);

void BM_ClickAfterWarmUp(benchmark::State &state)
{
    Setup s(false);
    FrmCompile window;
    if (!readyToRun(s, window, state))
        return;
    QString failure;
    QList<double> coldFirst, cold, first, verdict, coldClickFirst, coldClickVerdict, warmHandEnd;
    int turn = 0;
    for (auto _ : state) {
        RunTimes hand, warmHand;
        double firstTool = 0, toVerdict = 0, coldClickFirstTool = 0, coldClickToVerdict = 0;
        // Wine cold, then warmed up as after Brannock's first frame (done by the time the
        // player has filled in the window), then `run`.
        const auto afterWarmUp = [&](const std::function<void()> &run) {
            makeWineCold();
            const auto warmUp = makeNativeInterpreterWarmUp();
            warmUp->start();
            if (!warmUp->waitUntilWarm(test::TestWine::FirstRunMs))
                failure = QStringLiteral("the interpreter never got warm");
            run();
            warmUp->stop();
        };
        const auto brannock = [&] { afterWarmUp([&] { toVerdict = watchedRun(s, window, &failure, &firstTool); }); };
        const auto brannockCold = [&] {
            makeWineCold();
            coldClickToVerdict = watchedRun(s, window, &failure, &coldClickFirstTool);
        };
        const auto byHand = [&] {
            makeWineCold();
            hand = handRun(s);
        };
        const auto byHandWarm = [&] { afterWarmUp([&] { warmHand = handRun(s); }); };
        // In turns, so that a busy moment of the machine falls on each alike.
        const std::array<std::function<void()>, 4> runs{byHand, brannock, brannockCold, byHandWarm};
        for (std::size_t i = 0; i < runs.size(); ++i)
            runs[(i + std::size_t(turn)) % runs.size()]();
        ++turn;
        if (!failure.isEmpty() || hand.firstTool == 0 || firstTool == 0 || coldClickFirstTool == 0) {
            state.SkipWithError(failure.isEmpty() ? "a run printed no tool output" : qPrintable(failure));
            break;
        }
        coldFirst.append(hand.firstTool);
        cold.append(hand.end);
        first.append(firstTool);
        verdict.append(toVerdict);
        coldClickFirst.append(coldClickFirstTool);
        coldClickVerdict.append(coldClickToVerdict);
        warmHandEnd.append(warmHand.end);
        state.SetIterationTime(toVerdict);
    }
    if (cold.isEmpty())
        return;
    state.counters["cold_first_tool_s"] = medianOf(coldFirst);
    state.counters["cold_s"] = medianOf(cold);
    state.counters["first_tool_s"] = medianOf(first);
    state.counters["verdict_s"] = medianOf(verdict);
    state.counters["cold_click_first_tool_s"] = medianOf(coldClickFirst);
    state.counters["cold_click_verdict_s"] = medianOf(coldClickVerdict);
    // Targets: at most 0.3 and 0.7.
    state.counters["first_tool_ratio"] = medianOf(first) / medianOf(coldFirst);
    state.counters["verdict_ratio"] = medianOf(verdict) / medianOf(cold);
    // The tools' own starts: a verdict_ratio near this is all the run can be.
    state.counters["warm_hand_s"] = medianOf(warmHandEnd);
    state.counters["floor_ratio"] = medianOf(warmHandEnd) / medianOf(cold);
}
BENCHMARK(BM_ClickAfterWarmUp)->Iterations(5)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
