#include "AppError.h"
#include "CommandLine.h"
#include "Drives.h"
#include "FakeDosPaths.h"
#include "FakePrompts.h"
#include "FakeScriptRunner.h"
#include "FakeTopmostBand.h"
#include "FakeTray.h"
#include "FrmMain.h"
#include "IncludeMenu.h"
#include "MainMenu.h"
#include "SettingsStore.h"
#include "SourceFolderLists.h"
#include "TopmostProtocol.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace brannock;
using brannock::test::FakePrompts;
using brannock::test::FakeTopmostBand;

namespace {

/// One main window with fake ports and its own program folder and store.
struct Harness {
    QTemporaryDir folder;
    SettingsStore store{folder.filePath(QStringLiteral("settings.ini"))};
    FakePrompts prompts;
    FakeTopmostBand band;
    test::FakeDosPaths dos;
    test::FakeScriptRunner runner;
    test::FakeTray tray;
    std::unique_ptr<FrmMain> window;

    explicit Harness(const QString &commandLine = {})
    {
        window = std::make_unique<FrmMain>(
            FrmMainContext{store, prompts, band, dos, runner, tray, QDir::toNativeSeparators(folder.path()), commandLine});
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void switches_data();
    void switches();
    void programPathIsNotPartOfTheCommandLine();

    void startupFlagsAndWindow();
    void hiddenStartEntersTheBandBeforeHiding();

    void escapeAsksWithAnyModifier_data();
    void escapeAsksWithAnyModifier();
    void answeringNoKeepsEverything();
    void answeringNoWhileHiddenLeavesTheBandAlone();
    void answeringYesEndsTheProgram();
    void outsideCloseEndsWithoutAQuestion();
    void shortcutsNeedExactlyCtrl_data();
    void shortcutsNeedExactlyCtrl();

    void everyBoxLeavesAndReturnsToTheBand();
    void mainMenuEntries();
    void unusableDriveIsReportedAndKept();
    void wineDrivesAndHome();
    void makeSkinsetFromTheWindow();
    void folderListRevealsTheWorkingFolder();
};

void TestMainWindow::switches_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("noPaint");
    QTest::addColumn<bool>("hide");
    QTest::addColumn<bool>("noExec");
    QTest::addColumn<bool>("noRegion");

    QTest::newRow("none") << "" << false << false << false << false;
    QTest::newRow("capitals") << "/HIDE/" << false << true << false << false;
    QTest::newRow("mixed case") << "/HiDe/" << false << true << false << false;
    QTest::newRow("run together") << "/noexec//nopaint/" << true << false << true << false;
    QTest::newRow("inside other text") << "xx/noregion/yy" << false << false << false << true;
    QTest::newRow("no closing slash") << "/hide /noexec" << false << false << false << false;
    QTest::newRow("spaces between") << "/nopaint/ /hide/ /noexec/ /noregion/" << true << true << true << true;
}

void TestMainWindow::switches()
{
    QFETCH(QString, line);
    QFETCH(bool, noPaint);
    QFETCH(bool, hide);
    QFETCH(bool, noExec);
    QFETCH(bool, noRegion);
    QCOMPARE(hasSwitch(line, Switch::NoPaint), noPaint);
    QCOMPARE(hasSwitch(line, Switch::Hide), hide);
    QCOMPARE(hasSwitch(line, Switch::NoExec), noExec);
    QCOMPARE(hasSwitch(line, Switch::NoRegion), noRegion);
}

void TestMainWindow::programPathIsNotPartOfTheCommandLine()
{
    const QString line = commandLineText({QStringLiteral("/home/me/hide/Brannock"), QStringLiteral("/noexec/"),
                                          QStringLiteral("x")});
    QCOMPARE(line, QStringLiteral("/noexec/ x"));
    QVERIFY(!hasSwitch(line, Switch::Hide));
}

void TestMainWindow::startupFlagsAndWindow()
{
    Harness h(QStringLiteral("/NOEXEC//nopaint/"));
    h.window->Form_Load();
    QVERIFY(!h.window->PaintLook());
    QVERIFY(!h.window->RunScript());
    QVERIFY(!h.window->StartHidden());
    QVERIFY(!h.window->IsHidden());
    QVERIFY(h.window->isVisible());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Kestrow Wendle VI"));
    QCOMPARE(h.window->size(), QSize(315, 288));
    QVERIFY(h.window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(h.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(h.band.changes, QList<bool>{true});
    QVERIFY(h.prompts.calls.isEmpty());
    // Without a painted look the tray icon still shows, with the built-in picture.
    QVERIFY(h.tray.visible);
    QCOMPARE(h.tray.toolTip, QStringLiteral("Kestrow Wendle VI"));
    QVERIFY(!h.tray.icon.isNull());
}

void TestMainWindow::hiddenStartEntersTheBandBeforeHiding()
{
    Harness h(QStringLiteral("/Hide/"));
    // The band is entered while the window is still shown; hiding comes after, and
    // hiding itself does not touch the band.
    h.window->Form_Load();
    QVERIFY(h.window->StartHidden());
    QVERIFY(h.window->IsHidden());
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.window->mainMenu().mnuHS()->text(), QStringLiteral("&Show"));
    QCOMPARE(h.band.changes, QList<bool>{true});
    QCOMPARE(h.band.windowShown, QList<bool>{true});
}

void TestMainWindow::escapeAsksWithAnyModifier_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("plain") << int(Qt::NoModifier);
    QTest::newRow("shift") << int(Qt::ShiftModifier);
    QTest::newRow("ctrl+alt") << int(Qt::ControlModifier | Qt::AltModifier);
}

void TestMainWindow::escapeAsksWithAnyModifier()
{
    QFETCH(int, modifiers);
    Harness h;
    h.window->Form_Load();
    auto *focus = h.window->findChild<QLineEdit *>(QStringLiteral("TxtSFP"));
    QTest::keyClick(focus, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(h.prompts.calls.size(), 1);
    const FakePrompts::Call &call = h.prompts.calls.first();
    QCOMPARE(call.title, QStringLiteral("Are you sure?"));
    QCOMPARE(call.text, QStringLiteral("Exit Brannock?"));
    QCOMPARE(call.buttons, PromptButtons::YesNo);
    QCOMPARE(call.icon, PromptIcon::Question);
}

void TestMainWindow::answeringNoKeepsEverything()
{
    Harness h;
    h.window->Form_Load();
    h.band.changes.clear();
    QList<bool> bandWhileAsking;
    h.prompts.onShow = [&](const FakePrompts::Call &) { bandWhileAsking = h.band.changes; };
    h.prompts.answers = {PromptAnswer::No};
    h.window->ConfirmExit();
    QCOMPARE(bandWhileAsking, QList<bool>{false});
    QCOMPARE(h.band.changes, (QList<bool>{false, true}));
    QVERIFY(!h.window->hasEnded());
    QVERIFY(h.window->isVisible());
}

void TestMainWindow::answeringNoWhileHiddenLeavesTheBandAlone()
{
    Harness h(QStringLiteral("/hide/"));
    h.window->Form_Load();
    h.band.changes.clear();
    h.prompts.answers = {PromptAnswer::No};
    h.window->ConfirmExit();
    QCOMPARE(h.prompts.calls.size(), 1);
    QVERIFY(h.band.changes.isEmpty());
    QVERIFY(h.window->IsHidden());
    QVERIFY(!h.window->isVisible());
}

void TestMainWindow::answeringYesEndsTheProgram()
{
    Harness h;
    h.window->Form_Load();
    QSignalSpy ended(h.window.get(), &FrmMain::programEnded);
    h.prompts.answers = {PromptAnswer::Yes};
    h.window->mainMenu().mnuExit()->trigger();
    QCOMPARE(ended.count(), 1);
    QVERIFY(h.window->hasEnded());
}

void TestMainWindow::outsideCloseEndsWithoutAQuestion()
{
    Harness h;
    h.window->Form_Load();
    QSignalSpy ended(h.window.get(), &FrmMain::programEnded);
    QVERIFY(h.window->close());
    QCOMPARE(ended.count(), 1);
    QVERIFY(h.prompts.calls.isEmpty());
}

void TestMainWindow::shortcutsNeedExactlyCtrl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("used");
    QTest::newRow("ctrl+f") << int(Qt::Key_F) << int(Qt::ControlModifier) << true;
    QTest::newRow("ctrl+s") << int(Qt::Key_S) << int(Qt::ControlModifier) << true;
    QTest::newRow("ctrl+f keypad flag") << int(Qt::Key_F) << int(Qt::ControlModifier | Qt::KeypadModifier) << true;
    QTest::newRow("ctrl+shift+f") << int(Qt::Key_F) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("ctrl+alt+s") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::AltModifier) << false;
    QTest::newRow("plain s") << int(Qt::Key_S) << int(Qt::NoModifier) << false;
}

void TestMainWindow::shortcutsNeedExactlyCtrl()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, used);
    Harness h;
    QCOMPARE(h.window->Form_KeyDown(key, Qt::KeyboardModifiers(modifiers)), used);
    QVERIFY(h.prompts.calls.isEmpty());
}

void TestMainWindow::everyBoxLeavesAndReturnsToTheBand()
{
    Harness h;
    h.window->Form_Load();
    h.band.changes.clear();
    QList<bool> duringBox;
    h.prompts.onShow = [&](const FakePrompts::Call &) { duringBox = h.band.changes; };
    h.window->boxes().reportFailure(QStringLiteral("Make"), AppError(76, QStringLiteral("Folder missing.")));
    QCOMPARE(duringBox, QList<bool>{false});
    QCOMPARE(h.band.changes, (QList<bool>{false, true}));
    const FakePrompts::Call &call = h.prompts.calls.last();
    QCOMPARE(call.title, QStringLiteral("Make Error!"));
    QCOMPARE(call.text, QStringLiteral("Error 76:\r\nFolder missing."));
    QCOMPARE(call.icon, PromptIcon::Exclamation);

    // A modal dialog, and a box whose showing throws, both return to the band.
    h.band.changes.clear();
    h.window->boxes().runModal([&] { duringBox = h.band.changes; });
    QCOMPARE(duringBox, QList<bool>{false});
    QCOMPARE(h.band.changes, (QList<bool>{false, true}));
    h.band.changes.clear();
    h.prompts.onShow = [](const FakePrompts::Call &) { throw AppError(5, QStringLiteral("x")); };
    QVERIFY_THROWS_EXCEPTION(AppError, h.window->boxes().message(QString(), QString(), PromptButtons::Ok,
                                                                 PromptIcon::None));
    QCOMPARE(h.band.changes, (QList<bool>{false, true}));
}

void TestMainWindow::mainMenuEntries()
{
    Harness h;
    const QMenu *menu = h.window->mainMenu().menu();
    QCOMPARE(menu->title(), QStringLiteral("MainMenu"));
    QStringList names;
    QStringList captions;
    for (const QAction *action : menu->actions()) {
        names << action->objectName();
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(names, (QStringList{"mnuCfg", "mnuRefresh", "mnuSep0", "mnuHS", "mnuSep1", "mnuAbout", "mnuExit"}));
    QCOMPARE(captions, (QStringList{"&Configuration", "&Refresh Main Form", "-", "&Hide", "-", "&About Brannock",
                                    "E&xit"}));
}

void TestMainWindow::unusableDriveIsReportedAndKept()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good"));
    QVERIFY(QDir().mkpath(good));
    QList<DriveEntry> drives{{QStringLiteral("c:"), good}, {QStringLiteral("e:"), dir.filePath(QStringLiteral("gone"))}};
    FakePrompts prompts;
    FakeTopmostBand band;
    TopmostProtocol boxes(prompts, [] {}, [] {});
    QWidget window;
    SourceFolderLists lists(&window, boxes, drives);
    lists.setCurrentPath(good);
    QCOMPARE(lists.drvList()->currentIndex(), 0);
    lists.drvList()->setCurrentIndex(1);
    QCOMPARE(prompts.calls.size(), 1);
    QCOMPARE(prompts.calls.first().title, QStringLiteral("Drive Error!"));
    QVERIFY(prompts.calls.first().text.startsWith(QStringLiteral("Error 76:\r\n")));
    QCOMPARE(lists.drvList()->currentIndex(), 0);
    QCOMPARE(QDir::fromNativeSeparators(lists.currentPath()), good);
}

void TestMainWindow::wineDrivesAndHome()
{
#ifdef Q_OS_WIN
    QSKIP("Wine prefixes with their drive links are a matter of the Linux build");
#endif
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/drive_c")));
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/dosdevices")));
    QVERIFY(QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:")));
    QVERIFY(QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:")));
    QVERIFY(QFile::link(QStringLiteral("/nowhere/at/all"), prefix + QStringLiteral("/dosdevices/d:")));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), prefix + QStringLiteral("/dosdevices/com1")));
    const QString home = dir.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));

    const QList<DriveEntry> drives = listWineDrives(prefix, home);
    QCOMPARE(drives.size(), 3);
    QVERIFY(drives[0].label.startsWith(QStringLiteral("c: ")));
    QCOMPARE(drives[0].rootPath, QFileInfo(prefix + QStringLiteral("/drive_c")).canonicalFilePath());
    QCOMPARE(drives[1].rootPath, QStringLiteral("/"));
    QVERIFY(drives[2].label.startsWith(QStringLiteral("~ ")));
    // The longest matching root holds a path.
    QCOMPARE(driveHolding(drives, prefix + QStringLiteral("/drive_c")), 0);
    QCOMPARE(driveHolding(drives, home), 2);
    QCOMPARE(driveHolding(drives, QStringLiteral("/usr")), 1);
}

void TestMainWindow::makeSkinsetFromTheWindow()
{
    Harness h(QStringLiteral("/noexec/"));
    const QString program = h.folder.path();
    const QString paint = program + QStringLiteral("/paint");
    QVERIFY(QDir().mkpath(paint));
    h.dos.mappings = {{paint, QStringLiteral("D:\\Paint")}, {program, QStringLiteral("C:\\Skinner")}};
    h.window->Form_Load();

    h.window->findChild<QLineEdit *>(QStringLiteral("TxtSFP"))->setText(QStringLiteral("skin1"));
    h.window->findChild<QLineEdit *>(QStringLiteral("TxtVOL"))->setText(QStringLiteral("newvol"));
    h.window->includeMenu().action(QStringLiteral("mnuTAll"))->trigger(); // all Team items off
    h.window->includeMenu().action(QStringLiteral("mnularmor"))->trigger();
    h.window->includeMenu().action(QStringLiteral("mnuFlag"))->trigger();
    h.window->sourceFolders().setCurrentPath(paint);
    QCOMPARE(QDir::fromNativeSeparators(h.window->sourceFolders().currentPath()), paint);

    QList<bool> bandDuringBox;
    h.prompts.onShow = [&](const FakePrompts::Call &) { bandDuringBox = h.band.changes.mid(1); };
    h.window->findChild<QPushButton *>(QStringLiteral("CmdMake"))->click();

    QCOMPARE(h.prompts.titles(), QStringList{QStringLiteral("Invalid Data!")});
    QCOMPARE(bandDuringBox, QList<bool>{false});
    QVERIFY(h.runner.started.isEmpty());
    QVERIFY(h.window->findChild<QPushButton *>(QStringLiteral("CmdMake"))->isEnabled());
    QFile script(program + QStringLiteral("/Compile.bat"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    QCOMPARE(script.readAll(),
             QByteArray("MakeSkin.exe pal3 \"D:\\Paint\\larmor.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
                        "MakeSkin.exe pal3 \"D:\\Paint\\flag.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n"
                        "VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
                        "VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n"));
    QVERIFY(QFileInfo(program + QStringLiteral("/New_Wendle/skin1")).isDir());
}

void TestMainWindow::folderListRevealsTheWorkingFolder()
{
    QTemporaryDir dir;
    const QString deep = dir.filePath(QStringLiteral("a/b/c/d"));
    QVERIFY(QDir().mkpath(deep));
    for (int i = 0; i < 40; ++i)
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("a/b/sibling%1").arg(i, 2, 10, QLatin1Char('0')))));
    FakePrompts prompts;
    TopmostProtocol boxes(prompts, [] {}, [] {});
    QWidget window;
    window.resize(315, 288);
    SourceFolderLists lists(&window, boxes, {{QStringLiteral("temp"), dir.path()}});
    lists.setCurrentPath(deep);
    window.show();
    QCOMPARE(QDir::fromNativeSeparators(lists.currentPath()), QFileInfo(deep).absoluteFilePath());
    QTreeView *view = lists.DirFP();
    QTRY_VERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
    QVERIFY(!view->visualRect(view->currentIndex()).isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
