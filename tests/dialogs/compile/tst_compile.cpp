#include "common/SettingsStore.h"
#include "dialogs/compile/FrmCompile.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/TestWine.h"
#include "platform/DosPaths.h"
#include "platform/WindowsPrograms.h"
#include "skinset/MakeSkinset.h"
#include "skinset/RunGuard.h"
#include "skinset/SkinCatalogue.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

const QStringList Lines = {QStringLiteral("echo one"), QStringLiteral("echo two"), QStringLiteral("echo three")};
const QByteArray Token = "[brannock-test]";

/// What the watched script prints when line `n` (1-based) begins or ends.
QByteArray begins(int n)
{
    return Token + " begin " + QByteArray::number(n) + "\r\n";
}
QByteArray ends(int n, int exitCode = 0)
{
    return Token + " end " + QByteArray::number(n) + " " + QByteArray::number(exitCode) + "\r\n";
}

/// A Compile window following a run that the test drives.
struct Window {
    QTemporaryDir folder;
    test::FakeScriptRunner runner;
    FrmCompile window;
    test::FakeScriptRun *run = nullptr;

    Window()
    {
        StartedScript started;
        QList<BuildStep> steps;
        for (const QString &line : Lines) {
            BuildStep step;
            step.line = line;
            steps.append(step);
        }
        started.judge = std::make_unique<CompileJudge>(steps, folder.path(), QString(), Token);
        started.run = runner.start(folder.filePath(QStringLiteral("Compile.bat")), folder.path(), QString());
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
    void progressAndOutputAreNamed();
    void longOutcomeAndNotesStayReadable();
    void verdictIsAnnouncedAndTakesTheKeyboard();
    void stopEndsTheRun_data();
    void stopEndsTheRun();
    void realRunWithTheStandInTools();
    void toolsFolderIsSearchedAfterTheWorkingFolder_data();
    void toolsFolderIsSearchedAfterTheWorkingFolder();
    void toolsThatMisbehave_data();
    void toolsThatMisbehave();
    void thirtyTwoBitToolsAreCheckedFirst();
    void sharedItemCannotInjectUnderACjkLocale();
    void exitDuringARunKeepsTheGame();
};

void TestCompileWindow::followsProgressOutputAndOutcome()
{
    Window w;
    QSignalSpy ended(&w.window, &FrmCompile::ended);
    auto *bar = w.child<QProgressBar>("prgLines");
    QCOMPARE(bar->maximum(), 0); // busy until the interpreter echoes the first line
    QVERIFY(w.child<QPushButton>("cmdStop")->isEnabled());

    w.run->print(begins(1) + "\r\nZ:\\start>echo one \r\none\r\n" + ends(1) + begins(2) + "\r\nZ:\\start>echo t");
    QCOMPARE(w.run->written, QByteArray("go\r\n")); // line 1 did its work: line 2 may start
    w.run->print("wo \r\ntwo\r\n");
    QCOMPARE(bar->maximum(), 3);
    QCOMPARE(bar->value(), 1);
    const QString status = w.child<QLabel>("lblStatus")->toolTip(); // the label may show it shortened
    QCOMPARE(status, QStringLiteral("Line 2 of 3: echo two"));
    // The watched script's own lines are never shown.
    const QString shown = w.child<QPlainTextEdit>("txtOutput")->toPlainText();
    QVERIFY(shown.endsWith(QStringLiteral("echo two \ntwo\n")));
    QVERIFY(!shown.contains(QLatin1String(Token)));
    QVERIFY(w.window.isRunning());

    w.window.setNotes({QStringLiteral("Tag: the definition file tag.tsf cannot be read.")});
    w.run->print(ends(2) + begins(3) + "\r\nZ:\\start>echo three \r\nthree\r\n" + ends(3));
    QCOMPARE(w.run->written, QByteArray("go\r\ngo\r\ngo\r\n"));
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

void TestCompileWindow::longOutcomeAndNotesStayReadable()
{
    // Forty-one bitmaps left out and a long outcome in a window of its first size: nothing
    // is cut off, and the output keeps room for its last lines.
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QStringList notes;
    for (int i = 1; i <= 41; ++i)
        notes.append(QStringLiteral("\"emblem%1.bmp\": not found").arg(i));
    w.window.setNotes(notes);
    w.run->print(begins(1) + "one\r\n" + ends(1, 3));
    w.run->end(1);
    QVERIFY(w.window.verdict());
    QCoreApplication::processEvents();
    for (const char *name : {"lblOutcome", "lblNotes"}) {
        auto *label = w.child<QLabel>(name);
        QVERIFY2(label->isVisible(), name);
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), name); // not squeezed
        QVERIFY2(label->text().contains(name == QByteArray("lblNotes") ? QStringLiteral("emblem41.bmp") : QString()), name);
    }
    auto *output = w.child<QPlainTextEdit>("txtOutput");
    QVERIFY(output->viewport()->height() >= 4 * output->fontMetrics().lineSpacing());
    QVERIFY(w.window.height() <= w.window.screen()->availableGeometry().height());
    // Whatever does not fit is reached by scrolling.
    auto *notesLabel = w.child<QLabel>("lblNotes");
    const QRect onWindow(notesLabel->mapTo(&w.window, QPoint(0, 0)), notesLabel->size());
    QVERIFY(!w.window.rect().contains(onWindow) || onWindow.bottom() < w.child<QPushButton>("cmdClose")->y());
}

void TestCompileWindow::progressAndOutputAreNamed()
{
    Window w;
    for (const auto &[name, accessibleName] :
         {std::pair{"prgLines", "Lines done"}, std::pair{"txtOutput", "Output of Compile.bat"}}) {
        QWidget *control = w.window.findChild<QWidget *>(QLatin1StringView(name));
        QVERIFY(control);
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                 QString::fromLatin1(accessibleName));
    }
}

void TestCompileWindow::verdictIsAnnouncedAndTakesTheKeyboard()
{
    // How a real assistive client hears it: see test_a11y_atspi.
    Window w;
    QCOMPARE(QAccessible::queryAccessibleInterface(&w.window)->role(), QAccessible::Dialog);
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(w.child<QLabel>("lblStatus"));
    QCOMPARE(status->role(), QAccessible::AlertMessage);
    w.window.show();
    QWidget main; // the window the player works in while the script runs
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    w.run->print(begins(1) + "\r\nZ:\\start>echo one \r\none\r\n" + ends(1, 1));
    w.run->end(1);
    const QString verdict = w.window.verdict()->summary;
    QVERIFY2(verdict.startsWith(QStringLiteral("Line 1 of 3 failed")), qPrintable(verdict));
    QCOMPARE(status->text(QAccessible::Name), verdict); // read as plain text
    QTRY_COMPARE(QApplication::activeWindow(), &w.window);
    QVERIFY(w.child<QPushButton>("cmdClose")->hasFocus());
    QTest::keyClick(w.child<QPushButton>("cmdClose"), Qt::Key_Return);
    QVERIFY(!w.window.isVisible());
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
    w.run->print(begins(1) + "\r\nZ:\\start>echo one \r\n");
    if (byClosing)
        w.window.close();
    else
        w.child<QPushButton>("cmdStop")->click();
    QCOMPARE(w.run->stopCalls, 1);
    QVERIFY(w.window.verdict());
    QCOMPARE(w.window.verdict()->kind, CompileVerdict::Kind::Stopped);
    QCOMPARE(w.window.verdict()->summary, QStringLiteral("Stopped at line 1 of 3."));
}

namespace {

/// A real build run by Wine's cmd with the stand-in tools in the start folder: Light Male
/// and Flag ticked, five lines (two compile, two pack, the copy into the game).
struct RealBuild {
    QTemporaryDir root;
    test::TestWine wine{root.path()};
    QString start, program, paint, game, tools;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<DosPaths> dos;
    std::unique_ptr<ScriptRunner> runner;
    std::unique_ptr<WindowsPrograms> programs;
    test::FakePrompts boxes;
    BuildInputs in;
    FrmCompile window;

    /// Empty when the build can run here, else why not.
    QString missing() const
    {
        if (!wine.available())
            return QStringLiteral("wine is not installed: the real command interpreter cannot be tried");
        if (tools.isEmpty())
            return QStringLiteral("the stand-in tools were not built (no mingw-w64 C compiler)");
        return {};
    }

    RealBuild()
    {
        tools = test::TestWine::standInFolder();
        start = root.filePath(QStringLiteral("start"));
        program = root.filePath(QStringLiteral("prog"));
        paint = root.filePath(QStringLiteral("paint"));
        game = root.filePath(QStringLiteral("game"));
        for (const QString &folder : {start, program, paint, game + QStringLiteral("/base/Skins")})
            QDir().mkpath(folder);
        for (const char *tool : {"MakeSkin.exe", "VT.exe"})
            QFile::copy(tools + QLatin1Char('/') + QLatin1String(tool), start + QLatin1Char('/') + QLatin1String(tool));
        for (const char *bitmap : {"larmor.bmp", "flag.bmp"})
            writeFile(paint + QLatin1Char('/') + QLatin1String(bitmap), "BM painted " + QByteArray(bitmap));
        store = std::make_unique<SettingsStore>(root.filePath(QStringLiteral("settings.ini")));
        store->WriteSetting(schema::GamePath, game);
        dos = makeNativeDosPaths(); // the prefix of TestWine
        runner = makeNativeScriptRunner();
        programs = makeNativeWindowsPrograms(program);
        in.saveFilePrefix = QStringLiteral("skin1");
        in.volumeName = QStringLiteral("newvol");
        in.sourceFolder = paint;
        in.workingFolder = start;
        in.isTicked = [](const SkinItem &item) {
            return item.menuItem == QLatin1String("mnularmor") || item.menuItem == QLatin1String("mnuFlag");
        };
    }

    QString gameVolume() const { return game + QStringLiteral("/base/Skins/newvol.vol"); }
    QString workVolume() const { return program + QStringLiteral("/New_Wendle/skin1/newvol.vol"); }

    /// Makes the skinset and lets the Compile window follow it; false when it did not start.
    bool startBuild()
    {
        MakeSkinset make(*store, boxes, *dos, *runner, *programs, program, *CodePage::byNumber(437));
        if (make.run(in, {}).outcome != MakeSkinset::Outcome::Started)
            return false;
        window.follow(make.takeStarted());
        return true;
    }
    bool build()
    {
        if (!startBuild())
            return false;
        return QTest::qWaitFor([this] { return window.verdict().has_value(); }, test::TestWine::FirstRunMs);
    }
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

void TestCompileWindow::realRunWithTheStandInTools()
{
    RealBuild b;
    if (!b.missing().isEmpty())
        QSKIP(qPrintable(b.missing()));
    // A cmd.exe in the start folder (players keep downloaded tools there) must never run.
    QVERIFY(QFile::copy(b.tools + QStringLiteral("/VT.exe"), b.start + QStringLiteral("/cmd.exe")));

    QVERIFY(b.build());
    QCOMPARE(b.window.verdict()->summary, QStringLiteral("Done: newvol.vol is in the game."));
    QCOMPARE(b.window.findChild<QProgressBar *>(QStringLiteral("prgLines"))->value(), 5);
    // A rebuild makes a fresh volume: each bitmap is in it once, never appended twice.
    QVERIFY(b.build());
    QCOMPARE(b.window.verdict()->kind, CompileVerdict::Kind::Success);
    const QByteArray volume = bytesOf(b.gameVolume());
    QCOMPARE(volume.count("skin1.flag.bmp"), 1);
    QCOMPARE(bytesOf(b.workVolume()), volume);
    QVERIFY(!QFileInfo::exists(RunGuard::previousPathOf(b.workVolume())));
    QVERIFY(!QFileInfo::exists(RunGuard::gameCopyPathOf(b.workVolume())));
    QVERIFY(!QFileInfo::exists(b.program + QStringLiteral("/Compile.watched.bat")));
}

void TestCompileWindow::toolsFolderIsSearchedAfterTheWorkingFolder_data()
{
    QTest::addColumn<QStringList>("inStart");     ///< good tools in the working folder
    QTest::addColumn<QStringList>("inTools");     ///< good tools in the tools folder
    QTest::addColumn<QStringList>("brokenTools"); ///< files that are no programs, in the tools folder
    QTest::addColumn<QStringList>("onWinePath");  ///< good tools in a folder of the player's WINEPATH
    const QStringList both{QStringLiteral("MakeSkin.exe"), QStringLiteral("VT.exe")};
    QTest::newRow("only in the tools folder, none where Brannock started")
        << QStringList{} << both << QStringList{} << QStringList{};
    QTest::newRow("the working folder comes first")
        << both << QStringList{} << both << QStringList{};
    QTest::newRow("the player's WINEPATH still searched after the tools folder")
        << QStringList{} << QStringList{QStringLiteral("MakeSkin.exe")} << QStringList{}
        << QStringList{QStringLiteral("VT.exe")};
}

void TestCompileWindow::toolsFolderIsSearchedAfterTheWorkingFolder()
{
    QFETCH(QStringList, inStart);
    QFETCH(QStringList, inTools);
    QFETCH(QStringList, brokenTools);
    QFETCH(QStringList, onWinePath);
    RealBuild b;
    if (!b.missing().isEmpty())
        QSKIP(qPrintable(b.missing()));
    // The per-user tools folder, as an installed copy started from the desktop menu has it.
    const QString toolsFolder = b.root.filePath(QStringLiteral("data/Brannock/Tools"));
    const QString extra = b.root.filePath(QStringLiteral("extra"));
    QVERIFY(QDir().mkpath(toolsFolder) && QDir().mkpath(extra));
    b.in.toolsFolder = toolsFolder;
    for (const QString &tool : {QStringLiteral("MakeSkin.exe"), QStringLiteral("VT.exe")}) {
        if (!inStart.contains(tool))
            QVERIFY(QFile::remove(b.start + QLatin1Char('/') + tool));
        if (inTools.contains(tool))
            QVERIFY(QFile::copy(b.tools + QLatin1Char('/') + tool, toolsFolder + QLatin1Char('/') + tool));
        if (brokenTools.contains(tool))
            QVERIFY(writeFile(toolsFolder + QLatin1Char('/') + tool, "not a program"));
        if (onWinePath.contains(tool))
            QVERIFY(QFile::copy(b.tools + QLatin1Char('/') + tool, extra + QLatin1Char('/') + tool));
    }
    const QByteArray winePath = qgetenv("WINEPATH");
    qputenv("WINEPATH", b.dos->toDos(extra).toLocal8Bit());
    const bool built = b.build();
    if (winePath.isNull())
        qunsetenv("WINEPATH");
    else
        qputenv("WINEPATH", winePath);
    QVERIFY2(built, qPrintable(b.boxes.calls.isEmpty() ? QString() : b.boxes.calls[0].text));
    QVERIFY2(b.window.verdict()->kind == CompileVerdict::Kind::Success, qPrintable(b.window.verdict()->details));
    QCOMPARE(b.window.verdict()->summary, QStringLiteral("Done: newvol.vol is in the game."));
}

void TestCompileWindow::toolsThatMisbehave_data()
{
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QString>("summary");
    QTest::newRow("MakeSkin writes half and exits 1")
        << QByteArray("half:flag") << QStringLiteral("Line 2 of 5 failed: MakeSkin.exe ended with exit code 1.");
    QTest::newRow("MakeSkin exits 0 and writes nothing")
        << QByteArray("nothing:larmor") << QStringLiteral("Line 1 of 5 failed: MakeSkin.exe did not write skin1.larmor.bmp.");
    QTest::newRow("VT appends a few bytes and exits 1")
        << QByteArray("torn:flag") << QStringLiteral("Line 4 of 5 failed: VT.exe ended with exit code 1.");
    QTest::newRow("VT says write failed on a full disk, exits 0")
        << QByteArray("full:flag") << QStringLiteral("Line 4 of 5 failed: VT.exe reported a failure: VT: write failed");
}

void TestCompileWindow::toolsThatMisbehave()
{
    QFETCH(QByteArray, fault);
    QFETCH(QString, summary);
    RealBuild b;
    if (!b.missing().isEmpty())
        QSKIP(qPrintable(b.missing()));
    // The player's good volume in the game, and one of an earlier build in the work folder.
    QVERIFY(writeFile(b.gameVolume(), "the player's good volume"));
    QVERIFY(QDir().mkpath(b.program + QStringLiteral("/New_Wendle/skin1")));
    QVERIFY(writeFile(b.workVolume(), "an earlier build's volume"));

    qputenv("STANDIN_FAULT", fault);
    const bool built = b.build();
    qunsetenv("STANDIN_FAULT");
    QVERIFY(built);
    QCOMPARE(b.window.verdict()->kind, CompileVerdict::Kind::Failure);
    QCOMPARE(b.window.verdict()->summary, summary);
    QVERIFY2(b.window.verdict()->details.contains(QStringLiteral("The game's newvol.vol was kept as it was before this build.")),
             qPrintable(b.window.verdict()->details));
    // Nothing after the failed line ran; the game and the work folder are as they were.
    QCOMPARE(bytesOf(b.gameVolume()), QByteArray("the player's good volume"));
    QCOMPARE(bytesOf(b.workVolume()), QByteArray("an earlier build's volume"));
    QCOMPARE(bytesOf(b.paint + QStringLiteral("/flag.bmp")), QByteArray("BM painted flag.bmp"));
    QVERIFY(!QFileInfo::exists(RunGuard::gameCopyPathOf(b.workVolume())));
}

void TestCompileWindow::thirtyTwoBitToolsAreCheckedFirst()
{
    RealBuild b;
    if (!b.missing().isEmpty())
        QSKIP(qPrintable(b.missing()));
    const QString x86 = b.tools + QStringLiteral("/x86");
    if (!QFileInfo::exists(x86 + QStringLiteral("/MakeSkin.exe")))
        QSKIP("the 32-bit stand-in tools were not built (no i686 mingw-w64 C compiler)");
    // The game's tools are 32-bit programs, as the player has them.
    for (const char *tool : {"MakeSkin.exe", "VT.exe"}) {
        const QString to = b.start + QLatin1Char('/') + QLatin1String(tool);
        QVERIFY(QFile::remove(to) && QFile::copy(x86 + QLatin1Char('/') + QLatin1String(tool), to));
    }
    QVERIFY(writeFile(b.gameVolume(), "the player's good volume"));
    if (b.programs->support(ProgramKind::Win32) == RunSupport::Yes) {
        // This Wine has its 32-bit part: the run goes through.
        QVERIFY(b.build());
        QCOMPARE(b.window.verdict()->kind, CompileVerdict::Kind::Success);
        return;
    }
    // A 64-bit-only Wine, as a fresh Debian has it: said before anything is written, with the fix.
    QVERIFY(!b.startBuild());
    QCOMPARE(b.boxes.calls.size(), 1);
    const QString text = b.boxes.calls[0].text;
    QVERIFY2(text.contains(QStringLiteral("sudo dpkg --add-architecture i386"))
                 && text.contains(QStringLiteral("sudo apt-get install wine32:i386"))
                 && text.endsWith(QStringLiteral("Nothing was written or started.")),
             qPrintable(text));
    QVERIFY(!QFileInfo::exists(b.program + QStringLiteral("/Compile.bat")));
    QCOMPARE(bytesOf(b.gameVolume()), QByteArray("the player's good volume"));
}

void TestCompileWindow::sharedItemCannotInjectUnderACjkLocale()
{
    RealBuild b;
    if (!b.missing().isEmpty())
        QSKIP(qPrintable(b.missing()));
    const QString locales = test::TestWine::localeFolder(b.root.path());
    if (!test::TestWine::makeLocale(locales, QStringLiteral("ja_JP.UTF-8")))
        QSKIP("localedef cannot make the Japanese locale here");
    // A shared item whose skin file name ends in a byte that code page 932 reads as the lead
    // byte of a pair: read in 932, it would swallow the closing quote and run the rest.
    const QString payload = QStringLiteral("&mkdir PWNED&\u00e9");
    QVERIFY(writeFile(b.program + QStringLiteral("/evil.tsf"), "Evil*pal1*&mkdir PWNED&\xe9\r\n"));
    QVERIFY(writeFile(b.paint + QLatin1Char('/') + payload, "BM painted"));
    b.in.tickedUserEntries = {QStringLiteral("Evil * evil.tsf")};

    const QByteArray oldLang = qgetenv("LANG"), oldLocPath = qgetenv("LOCPATH");
    qputenv("LANG", "ja_JP.UTF-8");
    qputenv("LOCPATH", locales.toLocal8Bit());
    const bool built = b.build();
    qputenv("LANG", oldLang);
    qputenv("LOCPATH", oldLocPath);
    QVERIFY(built);
    QCOMPARE(b.window.verdict()->kind, CompileVerdict::Kind::Success);
    for (const QString &folder : {b.start, b.program, b.paint, b.root.path()})
        QVERIFY2(!QFileInfo::exists(folder + QStringLiteral("/PWNED")), qPrintable(folder));
    // The item was compiled under its own name.
    QVERIFY(QFileInfo::exists(b.program + QStringLiteral("/New_Wendle/skin1/skin1.") + payload));
}

void TestCompileWindow::exitDuringARunKeepsTheGame()
{
    RealBuild b;
    if (!b.missing().isEmpty())
        QSKIP(qPrintable(b.missing()));
    QVERIFY(writeFile(b.gameVolume(), "the player's good volume"));
    qputenv("STANDIN_DELAY_MS", "60000");
    const bool started = b.startBuild();
    qunsetenv("STANDIN_DELAY_MS");
    QVERIFY(started);
    auto *status = b.window.findChild<QLabel *>(QStringLiteral("lblStatus"));
    QTRY_VERIFY_WITH_TIMEOUT(status->toolTip().startsWith(QStringLiteral("Line 1 of 5")), test::TestWine::FirstRunMs);

    b.window.stopAndWait(); // what the program does on its way out
    QVERIFY(b.window.verdict());
    QCOMPARE(b.window.verdict()->kind, CompileVerdict::Kind::Stopped);
    QCOMPARE(bytesOf(b.gameVolume()), QByteArray("the player's good volume"));
    QVERIFY(!QFileInfo::exists(b.workVolume()));
}

QTEST_MAIN(TestCompileWindow)
#include "tst_compile.moc"
