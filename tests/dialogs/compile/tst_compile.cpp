#include "fakes/FakeDosPaths.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "dialogs/compile/FrmCompile.h"
#include "skinset/MakeSkinset.h"
#include "common/SettingsStore.h"
#include "skinset/SkinCatalogue.h"
#include "fakes/TestWine.h"
#include "fakes/FakeWindowsPrograms.h"
#include "platform/DosPaths.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

const QStringList Lines = {QStringLiteral("echo one"), QStringLiteral("echo two"), QStringLiteral("echo three")};

/// A Compile window following a run that the test drives.
struct Window {
    QTemporaryDir folder;
    test::FakeDosPaths dos;
    test::FakeScriptRunner runner;
    FrmCompile window;
    test::FakeScriptRun *run = nullptr;

    Window()
    {
        StartedScript started;
        started.judge = std::make_unique<CompileJudge>(compileSteps(Lines), dos, folder.path());
        started.run = runner.start(folder.filePath(QStringLiteral("Compile.bat")), folder.path());
        started.page = CodePage::byNumber(437);
        run = runner.lastRun;
        window.follow(std::move(started));
    }

    template <typename T>
    T *child(const char *name) const
    {
        return window.findChild<T *>(QLatin1StringView(name));
    }
    QString status() const { return child<QLabel>("lblStatus")->text(); }
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestCompileWindow final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void followsProgressOutputAndOutcome();
    void stopEndsTheRun_data();
    void stopEndsTheRun();
    void realRunWithTheStandInTools();
};

void TestCompileWindow::followsProgressOutputAndOutcome()
{
    Window w;
    QSignalSpy ended(&w.window, &FrmCompile::ended);
    auto *bar = w.child<QProgressBar>("prgLines");
    QCOMPARE(bar->maximum(), 0); // busy until the interpreter echoes the first line
    QVERIFY(w.child<QPushButton>("cmdStop")->isEnabled());

    w.run->print("\r\nZ:\\start>echo one \r\none\r\n\r\nZ:\\start>echo t");
    w.run->print("wo \r\ntwo\r\n");
    QCOMPARE(bar->maximum(), 3);
    QCOMPARE(bar->value(), 1);
    const QString status = w.child<QLabel>("lblStatus")->toolTip(); // the label may show it shortened
    QCOMPARE(status, QStringLiteral("Line 2 of 3: echo two"));
    QVERIFY(w.child<QPlainTextEdit>("txtOutput")->toPlainText().endsWith(QStringLiteral("echo two \ntwo\n")));
    QVERIFY(w.window.isRunning());

    w.window.setNotes({QStringLiteral("Tag: the definition file tag.tsf cannot be read.")});
    w.run->print("\r\nZ:\\start>echo three \r\nthree\r\n");
    w.run->end(0);
    QCOMPARE(ended.size(), 1);
    QVERIFY(w.window.verdict());
    QCOMPARE(w.window.verdict()->kind, CompileVerdict::Kind::Success);
    QCOMPARE(bar->value(), 3);
    QVERIFY(w.status().contains(w.window.verdict()->summary));
    QVERIFY(!w.child<QPushButton>("cmdStop")->isEnabled());
    QVERIFY(!w.window.isRunning());
    QVERIFY(w.child<QLabel>("lblNotes")->text().contains(QStringLiteral("tag.tsf")));
}

void TestCompileWindow::stopEndsTheRun_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("Stop button") << false;
    QTest::newRow("closing the window") << true;
}

void TestCompileWindow::stopEndsTheRun()
{
    QFETCH(bool, byClosing);
    Window w;
    w.window.show();
    w.run->print("\r\nZ:\\start>echo one \r\n");
    if (byClosing)
        w.window.close();
    else
        w.child<QPushButton>("cmdStop")->click();
    QCOMPARE(w.run->stopCalls, 1);
    QVERIFY(w.window.verdict());
    QCOMPARE(w.window.verdict()->kind, CompileVerdict::Kind::Stopped);
    QCOMPARE(w.window.verdict()->summary, QStringLiteral("Stopped at line 1 of 3."));
}

void TestCompileWindow::realRunWithTheStandInTools()
{
    QTemporaryDir root;
    test::TestWine wine(root.path());
    if (!wine.available())
        QSKIP("wine is not installed: the real command interpreter cannot be tried");
    const QString tools = test::TestWine::standInFolder();
    if (tools.isEmpty())
        QSKIP("the stand-in tools were not built (no mingw-w64 C compiler)");

    const QString start = root.filePath(QStringLiteral("start")), program = root.filePath(QStringLiteral("prog"));
    const QString paint = root.filePath(QStringLiteral("paint")), game = root.filePath(QStringLiteral("game"));
    for (const QString &folder : {start, program, paint, game + QStringLiteral("/base/Skins")})
        QVERIFY(QDir().mkpath(folder));
    for (const char *tool : {"MakeSkin.exe", "VT.exe"})
        QVERIFY(QFile::copy(tools + QLatin1Char('/') + QLatin1String(tool), start + QLatin1Char('/') + QLatin1String(tool)));
    for (const char *bitmap : {"larmor.bmp", "flag.bmp"})
        QVERIFY(writeFile(paint + QLatin1Char('/') + QLatin1String(bitmap), "BM painted"));
    SettingsStore store(root.filePath(QStringLiteral("settings.ini")));
    store.WriteSetting(schema::GamePath, game);

    const auto dos = makeNativeDosPaths(); // the prefix of TestWine
    test::FakePrompts boxes;
    const auto runner = makeNativeScriptRunner();
    test::FakeWindowsPrograms programs;
    BuildInputs in;
    in.saveFilePrefix = QStringLiteral("skin1");
    in.volumeName = QStringLiteral("newvol");
    in.sourceFolder = paint;
    in.workingFolder = start;
    in.isTicked = [](const SkinItem &item) {
        return item.menuItem == QLatin1String("mnularmor") || item.menuItem == QLatin1String("mnuFlag");
    };
    FrmCompile window;
    const auto build = [&] {
        MakeSkinset make(store, boxes, *dos, *runner, programs, program, *CodePage::byNumber(437));
        QCOMPARE(make.run(in, {}).outcome, MakeSkinset::Outcome::Started);
        window.follow(make.takeStarted());
        QTRY_VERIFY_WITH_TIMEOUT(window.verdict().has_value(), test::TestWine::FirstRunMs);
    };

    build();
    QCOMPARE(window.verdict()->summary, QStringLiteral("Done: newvol.vol is in the game."));
    QFile volume(game + QStringLiteral("/base/Skins/newvol.vol"));
    QVERIFY(volume.open(QIODevice::ReadOnly));
    QVERIFY(volume.readAll().contains("skin1.flag.bmp"));
    QCOMPARE(window.findChild<QProgressBar *>(QStringLiteral("prgLines"))->value(), 5);

    QVERIFY(QFile::remove(start + QStringLiteral("/MakeSkin.exe")));
    build();
    QCOMPARE(window.verdict()->kind, CompileVerdict::Kind::Failure);
    QCOMPARE(window.verdict()->summary, QStringLiteral("Line 1 of 5 failed: MakeSkin.exe was not found."));
    QVERIFY2(window.verdict()->details.contains(QStringLiteral("MakeSkin.exe pal3")), qPrintable(window.verdict()->details));
}

QTEST_MAIN(TestCompileWindow)
#include "tst_compile.moc"
