// Rebuilding the User-Created menu over many definition files, beside the floor: a plain
// loop that lists the same folder and opens, reads and closes each file. And the whole
// program after its first frame with 10,000 definition files beside it with none: how long
// until it has settled, and the memory it holds then.
#include "desktop/Prompts.h"
#include "fakes/FakePrompts.h"
#include "main_window/menus/IncludeMenu.h"
#include "platform/CodePage.h"
#include "QtBenchmarkMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>
#include <dirent.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

using namespace brannock;

namespace {

/// A program folder with `count` definition files, made once per count.
const QTemporaryDir &folderWith(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto &dir = folders[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        for (int i = 0; i < count; ++i) {
            QFile file(dir->filePath(QStringLiteral("skin%1.tsf").arg(i)));
            if (!file.open(QIODevice::WriteOnly))
                std::abort();
            file.write(QStringLiteral("User skin number %1*lush*custom%1.bmp\r\n").arg(i).toLatin1());
        }
    }
    return *dir;
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

/// The floor: list the folder, and open, read and close every .tsf file in it. Returns the
/// number of files read.
int plainLoop(const QByteArray &folder)
{
    DIR *dir = opendir(folder.constData());
    if (!dir)
        std::abort();
    int files = 0;
    char path[4096];
    char buffer[768];
    while (const dirent *entry = readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (length < 4 || std::strcmp(entry->d_name + length - 4, ".tsf") != 0)
            continue;
        std::snprintf(path, sizeof path, "%s/%s", folder.constData(), entry->d_name);
        const int fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            std::abort();
        if (read(fd, buffer, sizeof buffer) > 0)
            ++files;
        close(fd);
    }
    closedir(dir);
    return files;
}

/// The floor's cost per file in microseconds of CPU time, the best of a few runs.
double floorMicrosecondsPerFile(const QByteArray &folder, int count)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const double start = threadCpuSeconds();
        if (plainLoop(folder) != count)
            std::abort();
        best = std::min(best, threadCpuSeconds() - start);
    }
    return best * 1e6 / count;
}

void BM_BuildUCIMenu(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QTemporaryDir &dir = folderWith(count);
    test::FakePrompts boxes;
    IncludeMenu menu(boxes, dir.path(), [] { return *CodePage::byNumber(437); });
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        menu.BuildUCIMenu();
        cpu += threadCpuSeconds() - start;
        benchmark::DoNotOptimize(menu.userEntries().size());
    }
    if (!boxes.calls.isEmpty() || menu.userEntries().size() != count)
        state.SkipWithError("the menu was not built from every file");
    const double perFile = cpu * 1e6 / double(state.iterations()) / count;
    const double floor = floorMicrosecondsPerFile(QFile::encodeName(dir.path()), count);
    state.counters["us_per_file"] = perFile;
    state.counters["floor_us_per_file"] = floor;
    state.counters["x_floor"] = perFile / floor;
    state.SetComplexityN(count);
}
// Enough runs at every size that the steady cost is measured, not only the first build.
BENCHMARK(BM_BuildUCIMenu)->Arg(1000)->Arg(10000)->Arg(32767)->MinTime(1.0)->Unit(benchmark::kMillisecond)->Complexity();

void BM_PlainLoop(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QByteArray folder = QFile::encodeName(folderWith(count).path());
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        benchmark::DoNotOptimize(plainLoop(folder));
        cpu += threadCpuSeconds() - start;
    }
    state.counters["us_per_file"] = cpu * 1e6 / double(state.iterations()) / count;
}
BENCHMARK(BM_PlainLoop)->Arg(1000)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

/// One run of Brannock from its first frame until it has settled (brannock_first_frame).
struct Settled {
    double windowWallMs = 0; ///< first frame to the window's thread settled: the window is free
    double wallMs = 0;       ///< first frame to the whole program settled
    double windowCpuMs = 0;  ///< processor time of the window's thread meanwhile
    double cpuMs = 0;        ///< of all its threads
    double residentMiB = 0;  ///< memory held once settled
};

std::optional<Settled> runToSettled(const QProcessEnvironment &env, const QString &workingFolder)
{
    QProcess brannock;
    brannock.setProcessEnvironment(env);
    brannock.setWorkingDirectory(workingFolder);
    brannock.start(QStringLiteral(BRANNOCK_FIRST_FRAME_EXE), {QStringLiteral("/noexec/")});
    if (!brannock.waitForFinished(60000) || brannock.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", brannock.readAllStandardError().constData());
        return std::nullopt;
    }
    static const QRegularExpression line(QStringLiteral("settled window_wall_ms=([0-9.]+) wall_ms=([0-9.]+) "
                                                        "window_cpu_ms=([0-9.]+) cpu_ms=([0-9.]+) rss_kib=([0-9]+)"));
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(brannock.readAllStandardOutput()));
    if (!m.hasMatch())
        return std::nullopt;
    return Settled{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                   m.captured(4).toDouble(), m.captured(5).toDouble() / 1024};
}

double medianOf(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Brannock started with 10,000 definition files in its work folder (the per-user data folder,
// given through XDG_DATA_HOME) and with none, in turns; medians of each and their ratios.
void BM_SettleAfterFirstFrame(benchmark::State &state)
{
    constexpr int kItems = 10000;
    QTemporaryDir scratch;
    const QString config = scratch.filePath(QStringLiteral("config"));
    const QString empty = scratch.filePath(QStringLiteral("empty"));
    const QString start = scratch.filePath(QStringLiteral("start"));
    const QString items = QFileInfo(folderWith(kItems).path()).absoluteFilePath();
    // The items' folder stands as the work folder "Brannock" of a data folder of its own.
    const QString full = scratch.filePath(QStringLiteral("full"));
    if (!QDir().mkpath(config + QStringLiteral("/Brannock")) || !QDir().mkpath(empty + QStringLiteral("/Brannock"))
        || !QDir().mkpath(start) || !QDir().mkpath(full) || !QFile::link(items, full + QStringLiteral("/Brannock"))) {
        state.SkipWithError("no folders to run in");
        return;
    }
    // Settings as Primewell leaves them: no first-start question.
    QFile settings(config + QStringLiteral("/Brannock/Brannock.conf"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[Other]\nUseAVC=Yes\n") <= 0) {
        state.SkipWithError("no settings");
        return;
    }
    settings.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("BRANNOCK_BENCH_SETTLE"), QStringLiteral("1"));
    QProcessEnvironment noneEnv = env, itemsEnv = env;
    noneEnv.insert(QStringLiteral("XDG_DATA_HOME"), empty);
    itemsEnv.insert(QStringLiteral("XDG_DATA_HOME"), full);

    std::vector<Settled> none, with;
    int turn = 0;
    for (auto _ : state) {
        std::optional<Settled> a, b;
        if (turn++ % 2 == 0) {
            a = runToSettled(noneEnv, start);
            b = runToSettled(itemsEnv, start);
        } else {
            b = runToSettled(itemsEnv, start);
            a = runToSettled(noneEnv, start);
        }
        if (!a || !b) {
            state.SkipWithError("Brannock did not settle after its first frame");
            return;
        }
        none.push_back(*a);
        with.push_back(*b);
    }
    const auto median = [](const std::vector<Settled> &runs, double Settled::*field) {
        std::vector<double> values;
        for (const Settled &run : runs)
            values.push_back(run.*field);
        return medianOf(values);
    };
    // Targets: the window settled in at most 1.5 times as long, holding at most 1.2 times the
    // memory. The whole program's figures (its reading threads included) stand beside them.
    for (const auto &[name, field] :
         {std::pair{"window_wall_ms", &Settled::windowWallMs}, std::pair{"wall_ms", &Settled::wallMs},
          std::pair{"window_cpu_ms", &Settled::windowCpuMs}, std::pair{"cpu_ms", &Settled::cpuMs},
          std::pair{"rss_mib", &Settled::residentMiB}}) {
        const double a = median(none, field), b = median(with, field);
        state.counters[std::string("none_") + name] = a;
        state.counters[std::string("items_") + name] = b;
        state.counters[std::string(name).replace(std::string(name).rfind('_'), std::string::npos, "_ratio")] =
            a > 0 ? b / a : 0;
    }
}
BENCHMARK(BM_SettleAfterFirstFrame)->Iterations(15)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
