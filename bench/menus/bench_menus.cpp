// Rebuilding the User-Created menu over many definition files.
#include "platform/CodePage.h"
#include "fakes/FakePrompts.h"
#include "main_window/menus/IncludeMenu.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

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

void BM_BuildUCIMenu(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QTemporaryDir &dir = folderWith(count);
    test::FakePrompts boxes;
    IncludeMenu menu(boxes, dir.path(), [] { return *CodePage::byNumber(437); });
    for (auto _ : state) {
        menu.BuildUCIMenu();
        benchmark::DoNotOptimize(menu.userEntries().size());
    }
    if (!boxes.calls.isEmpty() || menu.userEntries().size() != count)
        state.SkipWithError("the menu was not built from every file");
    state.SetComplexityN(count);
}
BENCHMARK(BM_BuildUCIMenu)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
