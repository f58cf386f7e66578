// One Make Skinset run with every built-in item and 1,000 ticked user-created items.

#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeWindowsPrograms.h"
#include "items/TsfFile.h"
#include "platform/posix/WineDosPaths.h"
#include "platform/ScriptRunner.h"
#include "QtBenchmarkMain.h"
#include "skinset/MakeSkinset.h"
#include "skinset/SkinCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace brannock;

namespace {

void BM_MakeSkinset(benchmark::State &state)
{
    const int userItems = int(state.range(0));
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("prog"));
    const QString paint = root.filePath(QStringLiteral("paint"));
    const QString game = root.filePath(QStringLiteral("game"));
    QDir().mkpath(program);
    QDir().mkpath(paint);
    QDir().mkpath(game + QStringLiteral("/base/Skins"));

    SettingsStore store(root.filePath(QStringLiteral("settings.ini")));
    store.WriteSetting(schema::GamePath, game);
    store.WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));

    BuildInputs in;
    in.saveFilePrefix = QStringLiteral("skin1");
    in.openFilePrefix = QStringLiteral("new1");
    in.volumeName = QStringLiteral("newvol");
    in.sourceFolder = paint;
    in.isTicked = [](const SkinItem &) { return true; };
    for (int n = 0; n < userItems; ++n) {
        const QString name = QStringLiteral("item%1.tsf").arg(n, 5, 10, QLatin1Char('0'));
        WriteTSF(program, name, QStringLiteral("Item %1").arg(n), QStringLiteral("pal1"),
                 QStringLiteral("user%1.bmp").arg(n));
        in.tickedUserEntries.append(QStringLiteral("Item %1 * %2").arg(n).arg(name));
    }

    test::FakePrompts boxes;
    WineDosPaths dos(root.filePath(QStringLiteral("no-prefix"))); // Z: stands for "/"
    test::FakeScriptRunner runner;
    test::FakeWindowsPrograms programs;
    MakeSkinset make(store, boxes, dos, runner, programs, program, *CodePage::byNumber(437));
    for (auto _ : state) {
        if (make.run(in, {}).outcome != MakeSkinset::Outcome::Started)
            state.SkipWithError("the build did not start its script");
    }
    state.counters["lines"] = double(41 * 3 + 1 + userItems);
}
BENCHMARK(BM_MakeSkinset)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
