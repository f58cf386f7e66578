// Rebuilding the User-Created menu over many definition files, beside the floor: a plain
// loop that lists the same folder and opens, reads and closes each file.
#include "platform/CodePage.h"
#include "fakes/FakePrompts.h"
#include "main_window/menus/IncludeMenu.h"
#include "desktop/Prompts.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

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

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
