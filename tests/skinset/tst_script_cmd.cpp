// The written Compile.bat run by a real command interpreter (Wine's cmd): with a field that
// makes a line as long as a line may be, only the script's own commands run.
#include "common/SettingsStore.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeWindowsPrograms.h"
#include "platform/posix/WineDosPaths.h"
#include "skinset/MakeSkinset.h"
#include "skinset/SkinCatalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

class TestScriptCmd final : public QObject {
    Q_OBJECT

private slots:
    void longestLineRunsOnlyTheScriptsCommands();
};

namespace {

/// Runs `program` with `arguments` in `folder` under the test's own Wine prefix.
QProcess *startWine(const QString &prefix, const QString &folder, const QString &program, const QStringList &arguments)
{
    auto *process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEPREFIX"), prefix);
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    env.remove(QStringLiteral("DISPLAY")); // no windows on anybody's screen
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(folder);
    process->start(program, arguments);
    return process;
}

} // namespace

void TestScriptCmd::longestLineRunsOnlyTheScriptsCommands()
{
    if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
        QSKIP("wine is not installed: the script cannot be run through a real cmd here");

    QTemporaryDir root;
    const QString prefix = root.filePath(QStringLiteral("wineprefix"));
    const QString program = root.filePath(QStringLiteral("prog"));
    const QString paint = root.filePath(QStringLiteral("paint"));
    const QString game = root.filePath(QStringLiteral("game"));
    for (const QString &folder : {program, paint, game + QStringLiteral("/base/Skins")})
        QVERIFY(QDir().mkpath(folder));
    const auto stopWine = qScopeGuard([&] {
        std::unique_ptr<QProcess> kill(startWine(prefix, root.path(), QStringLiteral("wineserver"), {"-k"}));
        kill->waitForFinished(30000);
    });

    // The prefix is made by its first use; its drives are what the script's paths name.
    std::unique_ptr<QProcess> boot(startWine(prefix, root.path(), QStringLiteral("wine"),
                                             {QStringLiteral("cmd"), QStringLiteral("/d"), QStringLiteral("/c"),
                                              QStringLiteral("exit")}));
    QVERIFY2(boot->waitForFinished(240000), "the Wine prefix was not made within four minutes");

    SettingsStore store(root.filePath(QStringLiteral("settings.ini")));
    store.WriteSetting(schema::GamePath, game);
    store.WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    store.WriteSetting(schema::OtherUseAVC, QStringLiteral("No")); // the pack line is the longest
    {
        QFile bitmap(paint + QStringLiteral("/larmor.bmp"));
        QVERIFY(bitmap.open(QIODevice::WriteOnly) && bitmap.write("BM painted") == 10);
    }
    test::FakePrompts boxes;
    WineDosPaths dos(prefix);
    test::FakeScriptRunner runner;
    test::FakeWindowsPrograms programs;
    BuildInputs in;
    in.saveFilePrefix = QStringLiteral("skin1");
    in.volumeName = QStringLiteral("newvol");
    in.sourceFolder = paint;
    in.isTicked = [](const SkinItem &item) { return item.menuItem == QLatin1String("mnularmor"); };
    in.runScript = false;
    const auto build = [&] {
        MakeSkinset make(store, boxes, dos, runner, programs, program, *CodePage::byNumber(437));
        return make.run(in, {}).outcome;
    };

    // Measure the pack line (line 2) with a one-letter volume name, then give it the name
    // that makes it 8191 bytes with its line end: the most a line may hold, ending in what
    // would run as a command if the interpreter cut the line short. (A painted bitmap's name
    // cannot be that long, so the volume makes the line long.)
    in.volumeName = QStringLiteral("x");
    QCOMPARE(build(), MakeSkinset::Outcome::Written);
    const auto scriptBytes = [&] {
        QFile file(program + QStringLiteral("/Compile.bat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto secondLineLength = [](const QByteArray &bytes) {
        const qsizetype start = bytes.indexOf("\r\n") + 2;
        return bytes.indexOf("\r\n", start) - start;
    };
    const qsizetype lengthWithoutName = secondLineLength(scriptBytes()) - 1;
    const QString payload = QStringLiteral("&mkdir pwned&");
    in.volumeName = QString(8189 - lengthWithoutName - payload.size(), QLatin1Char('A')) + payload;
    QCOMPARE(build(), MakeSkinset::Outcome::Written);
    const QByteArray script = scriptBytes();
    QCOMPARE(secondLineLength(script), 8189);
    QCOMPARE(boxes.calls.size(), 0);

    std::unique_ptr<QProcess> run(startWine(prefix, program, QStringLiteral("wine"),
                                            {QStringLiteral("cmd"), QStringLiteral("/d"), QStringLiteral("/c"),
                                             dos.toDos(program + QStringLiteral("/Compile.bat"))}));
    QVERIFY2(run->waitForFinished(120000), "cmd did not finish the script within two minutes");
    const QString output = QString::fromLatin1(run->readAllStandardOutput());
    const QString errors = QString::fromLatin1(run->readAllStandardError());

    // cmd echoes each command after its prompt (the working folder and ">"): the commands
    // that ran are exactly the script's lines, in order, each whole.
    const QString prompt = dos.toDos(program) + QLatin1Char('>');
    QStringList ran;
    for (QString line : output.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(prompt))
            ran << line.mid(prompt.size()).trimmed();
    }
    QStringList expected = QString::fromLatin1(script).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(ran, expected);
    QVERIFY2(!output.contains(QLatin1String("truncated")) && !errors.contains(QLatin1String("truncated")),
             qPrintable(errors.right(500)));
    QVERIFY(!QFileInfo::exists(program + QStringLiteral("/pwned")));
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("pwned"))));
}

QTEST_GUILESS_MAIN(TestScriptCmd)
#include "tst_script_cmd.moc"
