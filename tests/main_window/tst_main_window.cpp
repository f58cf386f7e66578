#include "base/AppError.h"
#include "common/BuildInfo.h"
#include "common/SettingsStore.h"
#include "desktop/Tray.h"
#include "dialogs/addsupp/frmAddSupp.h"
#include "dialogs/compile/FrmCompile.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakeInterpreterWarmUp.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeTopmostBand.h"
#include "fakes/FakeTray.h"
#include "fakes/FakeWindowsPrograms.h"
#include "main_window/chrome/WindowShape.h"
#include "main_window/CommandLine.h"
#include "main_window/FirstStart.h"
#include "main_window/FrmMain.h"
#include "main_window/MainMenu.h"
#include "main_window/menus/IncludeMenu.h"
#include "main_window/SourceFolderLists.h"
#include "main_window/TopmostProtocol.h"
#include "main_window/WindowSystem.h"
#include "platform/Drives.h"
#include "skinset/SkinCatalogue.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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
    test::FakeInterpreterWarmUp warmUp;
    test::FakeWindowsPrograms programs;
    test::FakeTray tray;
    std::unique_ptr<FrmMain> window;

    /// `realTray`: the desktop's tray instead of the fake one. The console code page and the
    /// drive list are the harness's own, never the machine's.
    /// `folders`: where the work files and looks are; by default all in the harness's folder.
    explicit Harness(const QString &commandLine = {}, Tray *realTray = nullptr, int consoleCodePage = 437,
                     const WorkFolders *folders = nullptr)
    {
        window = std::make_unique<FrmMain>(FrmMainContext{
            store, prompts, band, dos, runner, warmUp, programs, realTray ? *realTray : static_cast<Tray &>(tray),
            folders ? *folders : WorkFolders::portableIn(folder.path()), commandLine,
            [consoleCodePage] { return *CodePage::byNumber(consoleCodePage); },
            [] { return QList<DriveEntry>{{QStringLiteral("root"), QDir::rootPath()}}; }});
        // A store that holds settings, as after Primewell: no first-start question.
        store.WriteSetting(schema::OtherUseAVC, toQString(schema::Yes));
    }

    /// Back to a store without any settings, as before Primewell ever ran.
    void forgetSettings() { QVERIFY(QFile::remove(folder.filePath(QStringLiteral("settings.ini")))); }
};

/// How far the text colour stands from the background behind `area`, in mean luminance
/// (0: invisible, 255: black on white).
int contrast(const QImage &background, QRect area, QColor text)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(background.pixel(x, y));
    return qAbs(int(sum / (area.width() * area.height())) - qGray(text.rgb()));
}

/// Copies the shipped look `name` from the build's program folder into `skinsFolder`.
bool copyShippedLook(const QString &name, const QString &skinsFolder)
{
    const QDir from(qEnvironmentVariable("BRANNOCK_PROGRAM_DIR") + QStringLiteral("/Skins/") + name);
    const QString to = skinsFolder + QLatin1Char('/') + name;
    if (!from.exists() || !QDir().mkpath(to))
        return false;
    for (const QString &file : from.entryList(QDir::Files))
        if (!QFile::copy(from.filePath(file), to + QLatin1Char('/') + file))
            return false;
    return true;
}

/// Where clicks on the tray icon arrive: on X11 the icon is a top-level window of the
/// program's own, apart from the main window. This one passes a double-click on to a tray.
class TrayIconWindow final : public QWidget {
public:
    explicit TrayIconWindow(test::FakeTray &tray) : m_tray(tray) { resize(22, 22); }

protected:
    void mouseDoubleClickEvent(QMouseEvent *) override { m_tray.doubleClick(); }

private:
    test::FakeTray &m_tray;
};

/// Qt's own tray icon window, when a tray host shows the icon (X11).
QWindow *desktopTrayIconWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QSystemTrayIconSys") && widget->isVisible())
            return widget->windowHandle();
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    /// A test that ends the program leaves Qt's quit mark set, which would end every later
    /// event loop (a dialog's exec) at once; one short run of the main loop clears it.
    void cleanup()
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    void switches_data();
    void switches();
    void programPathIsNotPartOfTheCommandLine();
    void waylandSessionsRunOnX_data();
    void waylandSessionsRunOnX();

    void startupFlagsAndWindow();
    void shapedByTransparency_data();
    void shapedByTransparency();
    void hiddenStartEntersTheBandBeforeHiding();
    void interpreterWarmsUpAfterTheStartUp_data();
    void interpreterWarmsUpAfterTheStartUp();

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
    void makeSkinsetFromTheWindow();
    void firstStartWithoutSettings_data();
    void firstStartWithoutSettings();
    void settingsWrittenWhileAskingStay();
    void workFilesGoToTheWorkFolder_data();
    void workFilesGoToTheWorkFolder();
    void watchedRunFromTheWindow();
    void exitWhileBuildingSaysSoAndStopsTheBuild();
    void folderListRevealsTheWorkingFolder();
    void everyDrivesRootCanBeChosen();
    void highlightAlwaysShowsTheFolderTheBuildUses_data();
    void highlightAlwaysShowsTheFolderTheBuildUses();

    void controlsAreNamedForAssistiveTechnology_data();
    void controlsAreNamedForAssistiveTechnology();
    void keyboardAndAssistiveTechnologyPressPictureButtons();
    void windowsPanelsAndMenusAreNamed();
    void keyboardOpensEveryMenuAtTheWindow_data();
    void keyboardOpensEveryMenuAtTheWindow();
    void windowShownAgainTakesTheKeyboard();
    void startedWindowTakesTheKeyboard();
    void drivesAreReadAgainWhenTheListOpens();
    void trayWorksWhileADialogIsOpen_data();
    void trayWorksWhileADialogIsOpen();
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

void TestMainWindow::waylandSessionsRunOnX_data()
{
    QTest::addColumn<QString>("qpa");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("X session") << "" << "" << "x11" << ":0" << "";
    QTest::newRow("Wayland with XWayland") << "" << "wayland-0" << "wayland" << ":0" << "xcb";
    QTest::newRow("Wayland display alone names the session") << "" << "wayland-0" << "" << ":1" << "xcb";
    QTest::newRow("Wayland without X: Qt's choice") << "" << "wayland-0" << "wayland" << "" << "";
    QTest::newRow("the player's choice stands") << "wayland" << "wayland-0" << "wayland" << ":0" << "";
}

void TestMainWindow::waylandSessionsRunOnX()
{
    QFETCH(QString, qpa);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(QString, display);
    QFETCH(QString, chosen);
    QCOMPARE(preferredQtPlatform({qpa, waylandDisplay, sessionType, display}), chosen);
}

void TestMainWindow::programPathIsNotPartOfTheCommandLine()
{
    const QString line = commandLineText({QStringLiteral("/home/me/hide/Brannock"), QStringLiteral("/noexec/"),
                                          QStringLiteral("x")});
    QCOMPARE(line, QStringLiteral("/noexec/ x"));
    QVERIFY(!hasSwitch(line, Switch::Hide));
    QVERIFY(hasSwitch(QStringLiteral("/noexec/ /NODIRS/"), Switch::NoDirs)); // in capitals too
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

void TestMainWindow::shapedByTransparency_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("shaped");
    QTest::newRow("drawn outline") << "/noexec/" << true;
    QTest::newRow("/noregion/") << "/noexec/ /noregion/" << false;
}

void TestMainWindow::shapedByTransparency()
{
    QFETCH(QString, commandLine);
    QFETCH(bool, shaped);
    Harness h(commandLine);
    h.window->Form_Load();
    QVERIFY(h.window->isVisible());
    QCOMPARE(h.window->testAttribute(Qt::WA_TranslucentBackground), shaped);
    QCOMPARE(h.window->mask(), shaped ? windowShapeRegion() : QRegion());

    // Cut-away corners stay clear where the window system composes with transparency; inside
    // the outline every pixel is opaque.
    const QImage frame = h.window->grab().toImage();
    const int cutAway = shaped ? 0 : 255;
    for (const QPoint outside : {QPoint(0, 0), QPoint(20, 20), QPoint(305, 160), QPoint(250, 250), QPoint(314, 287)})
        QCOMPARE(qAlpha(frame.pixel(outside)), cutAway);
    for (const QPoint inside : {QPoint(60, 120), QPoint(230, 12), QPoint(100, 250), QPoint(5, 100), QPoint(310, 140)})
        QCOMPARE(qAlpha(frame.pixel(inside)), 255);
}

void TestMainWindow::interpreterWarmsUpAfterTheStartUp_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("starts");
    QTest::newRow("shown") << QString() << 1;
    QTest::newRow("hidden: no frame to wait for") << QStringLiteral("/hide/") << 1;
    QTest::newRow("/noexec/: the script never runs") << QStringLiteral("/noexec/") << 0;
}

void TestMainWindow::interpreterWarmsUpAfterTheStartUp()
{
    QFETCH(QString, commandLine);
    QFETCH(int, starts);
    Harness h(commandLine);
    QFile definition(h.folder.filePath(QStringLiteral("cape.tsf")));
    QVERIFY(definition.open(QIODevice::WriteOnly));
    definition.write("Cape*lush*cape.bmp\r\n");
    definition.close();
    // The warm-up comes after everything the start-up shows: the frame and the menu built
    // from the definition files are there when it starts.
    qsizetype entriesAtStart = -1;
    h.warmUp.onStart = [&] { entriesAtStart = h.window->includeMenu().userEntries().size(); };
    h.window->Form_Load();
    QCOMPARE(h.warmUp.starts, 0);
    if (!h.window->IsHidden())
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QTRY_COMPARE(h.warmUp.starts, starts);
    QTest::qWait(50);
    QCOMPARE(h.warmUp.starts, starts); // once
    if (starts > 0)
        QCOMPARE(entriesAtStart, 1);

    // Whatever was warmed is let go when the program ends.
    QCOMPARE(h.warmUp.stops, 0);
    QVERIFY(h.window->close());
    QVERIFY(h.window->hasEnded());
    QCOMPARE(h.warmUp.stops, 1);
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
    SourceFolderLists lists(&window, boxes, [drives] { return drives; });
    lists.setCurrentPath(good);
    QCOMPARE(lists.drvList()->currentIndex(), 0);
    lists.drvList()->setCurrentIndex(1);
    QCOMPARE(prompts.calls.size(), 1);
    QCOMPARE(prompts.calls.first().title, QStringLiteral("Drive Error!"));
    QVERIFY(prompts.calls.first().text.startsWith(QStringLiteral("Error 76:\r\n")));
    QCOMPARE(lists.drvList()->currentIndex(), 0);
    QCOMPARE(QDir::fromNativeSeparators(lists.currentPath()), good);
}

namespace {

/// Paints the bitmaps `files` in `folder` (files that start like a Windows bitmap).
void paintBitmaps(const QString &folder, const QStringList &files)
{
    for (const QString &name : files) {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("BM painted") == 10);
    }
}

/// The bitmaps of the Team items, which are ticked at every start.
QStringList teamBitmaps()
{
    QStringList files;
    for (const SkinItem *item : SkinCatalogue::menuOrder(SkinGroup::Team))
        files += item->files;
    return files;
}

} // namespace

void TestMainWindow::makeSkinsetFromTheWindow()
{
    // Code page 850 holds the "ø" of the folder name; the default 437 would refuse it.
    Harness h(QStringLiteral("/noexec/"), nullptr, 850);
    const QString program = h.folder.path();
    const QString paint = program + QStringLiteral("/paint");
    QVERIFY(QDir().mkpath(paint));
    paintBitmaps(paint, {QStringLiteral("larmor.bmp"), QStringLiteral("flag.bmp")});
    h.dos.mappings = {{paint, QStringLiteral("D:\\Paint\u00f8")}, {program, QStringLiteral("C:\\Skinner")}};
    h.window->Form_Load();
    QCOMPARE(h.window->sourceFolders().drvList()->itemText(0), QStringLiteral("root"));

    // The three boxes take at most 64 characters, however much is pasted, and say why when
    // text is cut.
    const std::pair<const char *, QString> boxes[] = {{"TxtOFP", QStringLiteral("Open File Prefix")},
                                                      {"TxtSFP", QStringLiteral("Save File Prefix")},
                                                      {"TxtVOL", QStringLiteral("New VOL")}};
    const auto bandBefore = h.band.changes; // each box takes the window out of the band and back
    for (const auto &[name, label] : boxes) {
        auto *box = h.window->findChild<QLineEdit *>(QLatin1String(name));
        box->insert(QString(8300, QLatin1Char('A')) + QStringLiteral("&echo pwned>pwned&"));
        QCOMPARE(box->text(), QString(64, QLatin1Char('A')));
        QCOMPARE(h.prompts.titles(), QStringList{label});
        QCOMPARE(h.prompts.calls.last().text,
                 QStringLiteral("The %1 box takes at most 64 characters. The 8254 characters past that were left "
                                "out.").arg(label));
        // Typed into the middle of a full box: the typed letter is the one left out.
        box->setCursorPosition(10);
        QTest::keyClick(box, Qt::Key_B);
        QCOMPARE(box->text(), QString(64, QLatin1Char('A')));
        QCOMPARE(h.prompts.calls.size(), 2);
        QVERIFY(h.prompts.calls.last().text.endsWith(QStringLiteral("characters. The character past that was left out.")));
        QVERIFY(box->toolTip().endsWith(QStringLiteral("At most 64 characters.")));
        box->clear();
        h.prompts.calls.clear();
    }
    h.band.changes = bandBefore;
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
    QVERIFY(!h.window->compileWindow());
    QVERIFY(h.window->findChild<QPushButton *>(QStringLiteral("CmdMake"))->isEnabled());
    QFile script(program + QStringLiteral("/Compile.bat"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    QCOMPARE(script.readAll(),
             QByteArray("MakeSkin.exe pal3 \"D:\\Paint\x9b\\larmor.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
                        "MakeSkin.exe pal3 \"D:\\Paint\x9b\\flag.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n"
                        "VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
                        "VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n"));
    QVERIFY(QFileInfo(program + QStringLiteral("/New_Wendle/skin1")).isDir());
}

void TestMainWindow::firstStartWithoutSettings_data()
{
    QTest::addColumn<bool>("portable");
    QTest::addColumn<bool>("emptyStore");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("gameOnC");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("installed, Yes") << false << true << true << false << "";
    QTest::newRow("portable, Yes") << true << true << true << false << "";
    QTest::newRow("installed, No: as before") << false << true << false << false << "";
    QTest::newRow("portable, No: as before") << true << true << false << false << "";
    QTest::newRow("portable, game found, Yes") << true << true << true << true << "";
    QTest::newRow("started hidden, Yes") << false << true << true << false << "/hide/";
    QTest::newRow("settings present: no question") << false << false << true << false << "";
}

void TestMainWindow::firstStartWithoutSettings()
{
    QFETCH(bool, portable);
    QFETCH(bool, emptyStore);
    QFETCH(bool, answerYes);
    QFETCH(bool, gameOnC);
    QFETCH(QString, commandLine);

    // The shipped looks stand beside a portable copy's programs, and in the installed data
    // folder of an installed one.
    QTemporaryDir tree;
    const QString bin = tree.filePath(QStringLiteral("bin"));
    const QString shipped = portable ? bin : QDir::cleanPath(bin + QLatin1Char('/') + QLatin1String(InstalledDataFromPrograms));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(copyShippedLook(QStringLiteral("6.0 GOLD"), shipped + QStringLiteral("/Skins")));
    if (portable) {
        QFile marker(bin + QStringLiteral("/portable"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
    }
    const WorkFolders folders = WorkFolders::detect(bin, tree.filePath(QStringLiteral("data/Brannock")));
    QCOMPARE(folders.mode(), portable ? WorkFolders::Mode::Portable : WorkFolders::Mode::Installed);

    Harness h(commandLine, nullptr, 437, &folders);
    const QString driveC = tree.filePath(QStringLiteral("drive_c"));
    h.dos.mappings = {{bin, QStringLiteral("Z:\\bin")}, {driveC, QStringLiteral("C:\\")}};
    if (gameOnC) {
        QVERIFY(QDir().mkpath(driveC + QStringLiteral("/Halvern/Kestrow")));
        QFile game(driveC + QStringLiteral("/Halvern/Kestrow/Kestrow.exe"));
        QVERIFY(game.open(QIODevice::WriteOnly));
    }
    if (emptyStore)
        h.forgetSettings();
    h.prompts.answers = {answerYes ? PromptAnswer::Yes : PromptAnswer::No};
    h.window->Form_Load();
    if (!h.window->IsHidden()) {
        // The question comes after the first frame.
        QVERIFY(h.prompts.calls.isEmpty());
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    }
    if (!emptyStore) {
        QTest::qWait(50);
        QVERIFY(h.prompts.calls.isEmpty());
        return;
    }
    QTRY_COMPARE(h.prompts.titles(), QStringList{FirstStart::title()});
    const FakePrompts::Call &ask = h.prompts.calls.first();
    QCOMPARE(ask.buttons, PromptButtons::YesNo);
    QCOMPARE(ask.icon, PromptIcon::Question);
    const QString intro = QStringLiteral(
        "Brannock found no settings, so its window has no colours yet. Primewell writes them; Brannock can write "
        "the same defaults now.\r\n\r\nWrite the default settings (colours, look, palettes and build options)?\r\n");
    QCOMPARE(ask.text, intro + (gameOnC ? QStringLiteral("The game folder will be C:\\Halvern\\Kestrow, where the game was found.")
                                        : QStringLiteral("The game was not found in Z:\\Halvern\\Kestrow or "
                                                         "C:\\Halvern\\Kestrow; set its folder later under Configuration.")));

    const auto *label = h.window->findChild<QLabel *>(QStringLiteral("LblOFP"));
    const QColor text = label->palette().color(QPalette::WindowText);
    const QImage background = h.window->currentLook().background;
    if (!answerYes) {
        // As before: nothing written, and the window black with black texts.
        QVERIFY(!QFileInfo::exists(h.folder.filePath(QStringLiteral("settings.ini"))));
        QCOMPARE(background.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(contrast(background, label->geometry(), text), 0);
        return;
    }
    for (const auto &v : schema::SetupColors)
        QCOMPARE(h.store.ReadSetting(v.key, QStringLiteral("<missing>")), toQString(v.value));
    for (const auto &v : schema::SetupRest)
        QCOMPARE(h.store.ReadSetting(v.key, QStringLiteral("<missing>")), toQString(v.value));
    QCOMPARE(h.store.ReadSetting(schema::GamePath, QStringLiteral("<missing>")),
             gameOnC ? QStringLiteral("C:\\Halvern\\Kestrow") : QStringLiteral("<missing>"));

    // The default look, found among the shipped looks: its background, with the default
    // black texts readable on it.
    const QImage back(shipped + QStringLiteral("/Skins/6.0 GOLD/back.bmp"));
    QVERIFY(!back.isNull());
    for (const QPoint at : {QPoint(0, 0), QPoint(150, 140), QPoint(back.width() - 1, back.height() - 1)})
        QCOMPARE(background.pixel(at), back.pixel(at));
    QCOMPARE(text, QColor(0, 0, 0));
    QVERIFY2(contrast(background, label->geometry(), text) > 100,
             qPrintable(QString::number(contrast(background, label->geometry(), text))));
}

void TestMainWindow::settingsWrittenWhileAskingStay()
{
    // Primewell run while the question is open: its answers stay, nothing is added to them.
    Harness h;
    h.forgetSettings();
    h.prompts.answers = {PromptAnswer::Yes};
    h.prompts.onShow = [&](const FakePrompts::Call &) {
        h.store.WriteSetting(schema::GamePath, QStringLiteral("D:\\Mine"));
    };
    h.window->Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QTRY_COMPARE(h.prompts.titles(), QStringList{FirstStart::title()});
    QCOMPARE(h.store.ReadSetting(schema::GamePath), QStringLiteral("D:\\Mine"));
    QCOMPARE(h.store.ReadSetting(schema::SkinPath, QStringLiteral("<missing>")), QStringLiteral("<missing>"));
}

void TestMainWindow::workFilesGoToTheWorkFolder_data()
{
    QTest::addColumn<bool>("portable");
    QTest::newRow("portable: beside the programs") << true;
    QTest::newRow("installed: the user data folder") << false;
}

void TestMainWindow::workFilesGoToTheWorkFolder()
{
    QFETCH(bool, portable);
    QTemporaryDir tree;
    const QString bin = tree.filePath(QStringLiteral("bin"));
    const QString paint = tree.filePath(QStringLiteral("paint"));
    QVERIFY(QDir().mkpath(bin + QStringLiteral("/Skins/Gold")) && QDir().mkpath(paint));
    paintBitmaps(paint, teamBitmaps() << QStringLiteral("cape.bmp"));
    if (portable) {
        QFile marker(bin + QStringLiteral("/portable"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
    }
    // The user data folder does not exist before the first item or build.
    const WorkFolders folders = WorkFolders::detect(bin, tree.filePath(QStringLiteral("data/Brannock")));
    const QString work = QDir::fromNativeSeparators(folders.workFolder());
    QCOMPARE(work, portable ? bin : tree.filePath(QStringLiteral("data/Brannock")));
    const QStringList shipped = QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    Harness h(QStringLiteral("/noexec/"), nullptr, 437, &folders);
    h.dos.mappings = {{paint, QStringLiteral("D:\\Paint")}, {work, QStringLiteral("C:\\Work")}};
    h.window->Form_Load();

    // An item added from the window is written to the work folder and listed from there.
    h.window->includeMenu().action(QStringLiteral("mnuUCAdd"))->trigger();
    auto *add = h.window->findChild<frmAddSupp *>();
    QVERIFY(add);
    const QList<std::pair<const char *, const char *>> fields = {
        {"txtDesc", "Cape"}, {"txtPal", "pal2"}, {"txtFile", "cape.bmp"}, {"txtTSFFile", "cape"}};
    for (const auto &[name, text] : fields)
        add->findChild<QLineEdit *>(QLatin1String(name))->setText(QLatin1String(text));
    add->findChild<QPushButton *>(QStringLiteral("cmdSave"))->click();
    QVERIFY(QFileInfo(work + QStringLiteral("/cape.tsf")).isFile());
    h.window->includeMenu().BuildUCIMenu();
    QCOMPARE(h.window->includeMenu().userEntries().size(), 1);
    h.window->includeMenu().userEntries().first()->trigger();

    h.window->findChild<QLineEdit *>(QStringLiteral("TxtSFP"))->setText(QStringLiteral("skin1"));
    h.window->findChild<QLineEdit *>(QStringLiteral("TxtVOL"))->setText(QStringLiteral("newvol"));
    h.window->sourceFolders().setCurrentPath(paint);
    h.window->findChild<QPushButton *>(QStringLiteral("CmdMake"))->click();

    QFile script(work + QStringLiteral("/Compile.bat"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    QVERIFY2(script.readAll().contains("MakeSkin.exe pal2 \"D:\\Paint\\cape.bmp\" "
                                       "\"C:\\Work\\New_Wendle\\skin1\\skin1.cape.bmp\""),
             qPrintable(h.prompts.titles().join(QLatin1Char(','))));
    QVERIFY(QFileInfo(work + QStringLiteral("/New_Wendle/skin1")).isDir());
    if (!portable) // nothing the player made lands beside the programs
        QCOMPARE(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), shipped);
}

void TestMainWindow::watchedRunFromTheWindow()
{
    Harness h;
    const QString program = h.folder.path();
    const QString paint = program + QStringLiteral("/paint");
    QVERIFY(QDir().mkpath(paint) && QDir().mkpath(program + QStringLiteral("/game/base/Skins")));
    // The Team items are ticked at start; one of their bitmaps is not painted.
    QStringList painted = teamBitmaps();
    QVERIFY(painted.removeAll(QStringLiteral("door.bmp")) == 1);
    paintBitmaps(paint, painted);
    h.dos.mappings = {{paint, QStringLiteral("D:\\Paint")}, {program, QStringLiteral("C:\\Skinner")}};
    h.store.WriteSetting(schema::GamePath, program + QStringLiteral("/game"));
    h.window->Form_Load();
    h.window->findChild<QLineEdit *>(QStringLiteral("TxtSFP"))->setText(QStringLiteral("skin1"));
    h.window->sourceFolders().setCurrentPath(paint);
    auto *make = h.window->findChild<QPushButton *>(QStringLiteral("CmdMake"));

    h.prompts.answers = {PromptAnswer::Yes}; // build the rest
    make->click();
    QCOMPARE(h.prompts.titles(), QStringList{QStringLiteral("Missing Bitmaps")});
    QCOMPARE(h.runner.workingFolders, QStringList{QDir::currentPath()});
    // The tools folder of the work folder is searched after it, and made for the player.
    const QString tools = QDir::toNativeSeparators(program + QStringLiteral("/Tools"));
    QCOMPARE(h.runner.toolsFolders, QStringList{tools});
    QVERIFY(QFileInfo(tools).isDir());
    FrmCompile *compile = h.window->compileWindow();
    QVERIFY(compile && compile->isVisible() && compile->isRunning());
    QCOMPARE(compile->parentWidget(), h.window.get()); // kept in front of the main window
    // The Compile window names what the run leaves out.
    auto *notes = compile->findChild<QLabel *>(QStringLiteral("lblNotes"));
    QVERIFY(notes && notes->isVisible());
    QCOMPARE(notes->text(), QStringLiteral("Left out of this build:\n\"door.bmp\": not found"));
    paintBitmaps(paint, {QStringLiteral("door.bmp")});
    h.prompts.calls.clear();

    // A second build would rewrite Compile.bat under the running interpreter: refused.
    make->click();
    QCOMPARE(h.prompts.titles(), QStringList{QStringLiteral("Make Skinset")});
    QCOMPARE(h.runner.started.size(), 1);
    QVERIFY(make->isEnabled());

    // Hidden to the tray, the Compile window goes too and the outcome comes as a tray message.
    h.window->mnuHS_Click();
    QVERIFY(!compile->isVisible());
    h.runner.lastRun->begin(1);
    h.runner.lastRun->finishLine(1, 1);
    QCOMPARE(h.runner.lastRun->written, QByteArray("stop\r\n")); // the run ends at its first failed line
    h.runner.lastRun->end(1);
    QCOMPARE(h.tray.messages.size(), 1);
    QCOMPARE(h.tray.messages[0].text, compile->verdict()->summary);
    h.window->mnuHS_Click();
    QVERIFY(compile->isVisible());

    // An interpreter that never ran the script is a "Make Error!", never silence.
    h.prompts.calls.clear();
    make->click();
    QVERIFY(!notes->isVisible()); // every bitmap is there now
    h.runner.lastRun->print("wine: could not load kernel32.dll\n");
    h.runner.lastRun->end(1);
    QCOMPARE(h.prompts.titles(), QStringList{QStringLiteral("Make Error!")});
    QVERIFY2(h.prompts.calls[0].text.startsWith(QStringLiteral("Error 423:\r\n"))
                 && h.prompts.calls[0].text.contains(QStringLiteral("kernel32.dll")),
             qPrintable(h.prompts.calls[0].text));
    QVERIFY(!compile->isVisible());
    QCOMPARE(h.tray.messages.size(), 1);
}

void TestMainWindow::exitWhileBuildingSaysSoAndStopsTheBuild()
{
    Harness h;
    const QString program = h.folder.path();
    const QString paint = program + QStringLiteral("/paint");
    QVERIFY(QDir().mkpath(paint));
    for (const SkinItem &item : SkinCatalogue::items())
        for (const QString &file : item.files) {
            QFile bitmap(paint + QLatin1Char('/') + file);
            QVERIFY(bitmap.open(QIODevice::WriteOnly) && bitmap.write("BM") == 2);
        }
    h.dos.mappings = {{paint, QStringLiteral("D:\\Paint")}, {program, QStringLiteral("C:\\Skinner")}};
    h.window->Form_Load();
    h.window->findChild<QLineEdit *>(QStringLiteral("TxtSFP"))->setText(QStringLiteral("skin1"));
    h.window->sourceFolders().setCurrentPath(paint);
    h.window->findChild<QPushButton *>(QStringLiteral("CmdMake"))->click();
    QVERIFY(h.window->compileWindow() && h.window->compileWindow()->isRunning());
    h.prompts.calls.clear();

    // The question says what exit does to the build; No leaves it running.
    h.prompts.answers = {PromptAnswer::No};
    h.window->ConfirmExit();
    QCOMPARE(h.prompts.calls.size(), 1);
    QVERIFY2(h.prompts.calls[0].text.startsWith(QStringLiteral("A skinset is being built. Exiting stops Compile.bat"))
                 && h.prompts.calls[0].text.endsWith(QStringLiteral("Exit Brannock?")),
             qPrintable(h.prompts.calls[0].text));
    QCOMPARE(h.runner.lastRun->stopCalls, 0);

    // A close from outside stops the build before the program ends.
    QSignalSpy ended(h.window.get(), &FrmMain::programEnded);
    h.window->close();
    QCOMPARE(ended.size(), 1);
    QCOMPARE(h.runner.lastRun->stopCalls, 1);
    QCOMPARE(h.window->compileWindow()->verdict()->kind, CompileVerdict::Kind::Stopped);
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
    SourceFolderLists lists(&window, boxes,
                            [&dir] { return QList<DriveEntry>{{QStringLiteral("temp"), dir.path()}}; });
    lists.setCurrentPath(deep);
    window.show();
    QCOMPARE(QDir::fromNativeSeparators(lists.currentPath()), QFileInfo(deep).absoluteFilePath());
    QTreeView *view = lists.DirFP();
    QTRY_VERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
    QVERIFY(!view->visualRect(view->currentIndex()).isEmpty());
}

namespace {

/// The folder an item of the folder list stands for (native).
QString folderOfItem(const QModelIndex &item)
{
    return QDir::toNativeSeparators(item.data(QFileSystemModel::FilePathRole).toString());
}

/// The one highlighted folder of the folder list; empty when none or more are.
QString highlighted(const QTreeView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.size() == 1 ? folderOfItem(rows.first()) : QString();
}

} // namespace

void TestMainWindow::everyDrivesRootCanBeChosen()
{
    QTemporaryDir dir;
    const QString first = QFileInfo(dir.path()).canonicalFilePath() + QStringLiteral("/first");
    const QString second = QFileInfo(dir.path()).canonicalFilePath() + QStringLiteral("/second");
    QVERIFY(QDir().mkpath(first + QStringLiteral("/paint")) && QDir().mkpath(second + QStringLiteral("/other")));
    FakePrompts prompts;
    TopmostProtocol boxes(prompts, [] {}, [] {});
    QWidget window;
    window.resize(315, 288);
    SourceFolderLists lists(&window, boxes, [&] {
        return QList<DriveEntry>{{QStringLiteral("c: first"), first}, {QStringLiteral("d: second"), second}};
    });
    lists.setCurrentPath(first + QStringLiteral("/paint"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Away to the other drive and back: the sub-folder visited before comes back...
    lists.drvList()->setCurrentIndex(1);
    lists.drvList()->setCurrentIndex(0);
    QTreeView *view = lists.DirFP();
    const QString paint = QDir::toNativeSeparators(first + QStringLiteral("/paint"));
    QTRY_COMPARE(highlighted(view), paint);
    QCOMPARE(lists.currentPath(), paint);
    // ...and the drive's root is an item of its own, named as in the drive list.
    const QModelIndex root = view->model()->index(0, 0, view->rootIndex());
    QCOMPARE(view->model()->rowCount(view->rootIndex()), 1);
    QCOMPARE(folderOfItem(root), QDir::toNativeSeparators(first));
    QCOMPARE(root.data().toString(), QStringLiteral("c: first"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(root).center());
    QCOMPARE(lists.currentPath(), QDir::toNativeSeparators(first));
    QCOMPARE(highlighted(view), QDir::toNativeSeparators(first));
    // The other drive's root too, although it opens at its own root at once.
    lists.drvList()->setCurrentIndex(1);
    QTRY_COMPARE(highlighted(view), QDir::toNativeSeparators(second));
    QCOMPARE(lists.currentPath(), QDir::toNativeSeparators(second));
}

void TestMainWindow::highlightAlwaysShowsTheFolderTheBuildUses_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("click on the empty space below the folders") << 0;
    QTest::newRow("Ctrl+click on the highlighted folder") << 1;
}

void TestMainWindow::highlightAlwaysShowsTheFolderTheBuildUses()
{
    QFETCH(int, how);
    QTemporaryDir dir;
    const QString drive = QFileInfo(dir.path()).canonicalFilePath();
    QVERIFY(QDir().mkpath(drive + QStringLiteral("/paint")) && QDir().mkpath(drive + QStringLiteral("/other")));
    FakePrompts prompts;
    TopmostProtocol boxes(prompts, [] {}, [] {});
    QWidget window;
    window.resize(315, 288);
    SourceFolderLists lists(&window, boxes, [&] { return QList<DriveEntry>{{QStringLiteral("c:"), drive}}; });
    lists.setCurrentPath(drive + QStringLiteral("/paint"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTreeView *view = lists.DirFP();
    const QString paint = QDir::toNativeSeparators(drive + QStringLiteral("/paint"));
    QTRY_COMPARE(highlighted(view), paint);
    QTRY_VERIFY(!view->visualRect(view->currentIndex()).isEmpty());

    if (how == 0) {
        const QPoint below(view->viewport()->width() / 2, view->viewport()->height() - 2);
        QVERIFY(!view->indexAt(below).isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, below);
    } else {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          view->visualRect(view->currentIndex()).center());
    }
    QCOMPARE(highlighted(view), lists.currentPath());
    QCOMPARE(lists.currentPath(), paint);
}

void TestMainWindow::controlsAreNamedForAssistiveTechnology_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const int button = QAccessible::Button;
    QTest::newRow("minimise") << "BPicMin" << button << "Hide";
    QTest::newRow("exit") << "BPicExit" << button << "Exit";
    QTest::newRow("include") << "BPicInc" << button << "Include Menu";
    QTest::newRow("team") << "xmnuTeam" << button << "Team Skins";
    // A name starts with the word the picture shows; the tooltip is read as the description.
    QTest::newRow("flyers") << "xmnuFlyers" << button << "Flyers";
    QTest::newRow("turrets") << "xmnuTurrets" << button << "Turrets";
    QTest::newRow("equipment") << "xmnuEquipment" << button << "Equipment Skins";
    QTest::newRow("stations") << "xmnuStations" << button << "Stations";
    QTest::newRow("toggle built-in") << "xbtnToggleNorm" << button << "Toggle All(Non-User-created)";
    QTest::newRow("extended") << "xmnuExtended" << button << "Extended";
    QTest::newRow("toggle user-created") << "xbtnToggleEx" << button << "Toggle All(User-created)";
    const int text = QAccessible::EditableText;
    QTest::newRow("open prefix, by its label") << "TxtOFP" << text << "Open File Prefix";
    QTest::newRow("save prefix, by its label") << "TxtSFP" << text << "Save File Prefix";
    QTest::newRow("volume, by its label") << "TxtVOL" << text << "New VOL";
    QTest::newRow("title icon") << "PicIcon" << int(QAccessible::ButtonMenu) << "Main Menu";
    QTest::newRow("folder list") << "DirFP" << int(QAccessible::Tree) << "Folder";
}

void TestMainWindow::controlsAreNamedForAssistiveTechnology()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    Harness h;
    h.window->Form_Load();
    auto *widget = h.window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QVERIFY(widget->focusPolicy() & Qt::TabFocus);
}

void TestMainWindow::windowsPanelsAndMenusAreNamed()
{
    Harness h;
    h.window->Form_Load();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(h.window.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kestrow Wendle VI"));
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(h.window->findChild<QWidget *>("IncModule"));
    QCOMPARE(panel->role(), QAccessible::Grouping);
    QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Include"));
    // The drive list reads the drive it shows as its name, so its label comes from a label.
    QAccessibleInterface *drives = QAccessible::queryAccessibleInterface(h.window->sourceFolders().drvList());
    QStringList labels;
    for (const auto &[label, relation] : drives->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    QCOMPARE(labels, QStringList{QStringLiteral("Drive")});
    QCOMPARE(QAccessible::queryAccessibleInterface(h.window->mainMenu().menu())->text(QAccessible::Name),
             QStringLiteral("Main Menu"));
    QCOMPARE(QAccessible::queryAccessibleInterface(h.window->includeMenu().includeMenu())->text(QAccessible::Name),
             QStringLiteral("Include"));
}

void TestMainWindow::keyboardOpensEveryMenuAtTheWindow_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QPoint>("corner"); ///< where the menu opens, in the main window
    QTest::addColumn<QString>("defaultEntry");
    // Where the buttons that open the same menus open them; the pointer may be anywhere.
    QTest::newRow("Ctrl+S: Include") << "Ctrl+S" << "mnuInc" << QPoint(299, 148) << QString();
    QTest::newRow("Ctrl+F: User-Created") << "Ctrl+F" << "mnuUC" << QPoint(7, 289) << QString();
    // Under the title icon, as a press on it opens it.
    QTest::newRow("Alt+Space: main menu") << "Alt+Space" << "mnuMain" << QPoint(134, 18) << "mnuExit";
    QTest::newRow("Enter on the title icon") << "Return" << "mnuMain" << QPoint(134, 18) << "mnuExit";
}

void TestMainWindow::keyboardOpensEveryMenuAtTheWindow()
{
    QFETCH(QString, keys);
    QFETCH(QString, menu);
    QFETCH(QPoint, corner);
    QFETCH(QString, defaultEntry);
    Harness h;
    h.window->Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    QCursor::setPos(h.window->mapToGlobal(QPoint(-200, -200)));
    QWidget *target = h.window->findChild<QWidget *>(QStringLiteral("TxtOFP"));
    if (keys == QLatin1String("Return")) {
        target = h.window->findChild<QWidget *>(QStringLiteral("PicIcon"));
        QVERIFY(target->focusPolicy() & Qt::TabFocus); // reached by Tab
    }
    target->setFocus();
    const QKeyCombination key = QKeySequence(keys)[0];
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), menu);
    QCOMPARE(shown->pos(), h.window->mapToGlobal(corner));
    QCOMPARE(shown->defaultAction() ? shown->defaultAction()->objectName() : QString(), defaultEntry);
    shown->close();
}

void TestMainWindow::windowShownAgainTakesTheKeyboard()
{
    Harness h;
    h.window->Form_Load();
    h.window->mnuHS_Click();
    QVERIFY(h.window->IsHidden());
    h.tray.doubleClick(); // or Enter on the focused icon in the notification area
    QVERIFY(!h.window->IsHidden());
    QTRY_VERIFY(h.window->isActiveWindow());
}

void TestMainWindow::startedWindowTakesTheKeyboard()
{
    // Brannock started by the player takes the keys (and a screen reader's attention) at once,
    // as a started program does; one started to the tray takes nothing.
    {
        Harness h(QStringLiteral("/noexec/"));
        h.window->Form_Load();
        QTRY_VERIFY(h.window->isActiveWindow());
    }
    Harness hidden(QStringLiteral("/noexec/ /hide/"));
    hidden.window->Form_Load();
    QTest::qWait(50);
    QVERIFY(hidden.window->IsHidden());
    QVERIFY(!hidden.window->isVisible());
}

void TestMainWindow::keyboardAndAssistiveTechnologyPressPictureButtons()
{
    Harness h;
    h.window->Form_Load();
    auto *exit = h.window->findChild<QAbstractButton *>(QStringLiteral("BPicExit"));
    QVERIFY(exit);
    QTest::keyClick(exit, Qt::Key_Space);
    QTest::keyClick(exit, Qt::Key_Return);
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(exit)->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction()); // an animated click: it comes a moment later
    QTRY_COMPARE(h.prompts.titles(), QStringList(3, QStringLiteral("Are you sure?")));

    auto *toggle = h.window->findChild<QAbstractButton *>(QStringLiteral("xbtnToggleNorm"));
    QVERIFY(toggle);
    QTest::keyClick(toggle, Qt::Key_Enter);
    QVERIFY(!h.window->includeMenu().action(QStringLiteral("mnularmor"))->isChecked());
    QVERIFY(h.window->includeMenu().action(QStringLiteral("mnuScout"))->isChecked());
}

void TestMainWindow::drivesAreReadAgainWhenTheListOpens()
{
    QTemporaryDir dir;
    const QString driveC = QFileInfo(dir.path()).canonicalFilePath();
    const QString root = QDir::rootPath(); // "/", or the system's drive on Windows
    QList<DriveEntry> present{{QStringLiteral("/"), root}}; // no Wine prefix yet
    FakePrompts prompts;
    TopmostProtocol boxes(prompts, [] {}, [] {});
    QWidget window;
    SourceFolderLists lists(&window, boxes, [&] { return present; });
    lists.setCurrentPath(root);
    window.show();
    const auto labels = [&] {
        QStringList shown;
        for (int i = 0; i < lists.drvList()->count(); ++i)
            shown << lists.drvList()->itemText(i);
        return shown;
    };

    // The first build made the prefix: its drives show when the list is opened next.
    present = {{QStringLiteral("c: ") + driveC, driveC}, {QStringLiteral("z: /"), root}};
    lists.drvList()->showPopup();
    lists.drvList()->hidePopup();
    QCOMPARE(labels(), (QStringList{QStringLiteral("c: ") + driveC, QStringLiteral("z: /")}));
    QCOMPARE(lists.drvList()->currentIndex(), 1); // still the drive the folder list shows

    // A drive that went away stays listed while the folder list shows it.
    present = {{QStringLiteral("c: ") + driveC, driveC}};
    lists.drvList()->showPopup();
    lists.drvList()->hidePopup();
    QCOMPARE(labels(), (QStringList{QStringLiteral("c: ") + driveC, QStringLiteral("z: /")}));
    QCOMPARE(lists.drvList()->currentIndex(), 1);

    lists.drvList()->setCurrentIndex(0);
    QVERIFY(prompts.calls.isEmpty());
    QCOMPARE(QDir::fromNativeSeparators(lists.currentPath()), driveC);
}

// Each row: the buttons pressed one after another, each opening a modal dialog over the last.
void TestMainWindow::trayWorksWhileADialogIsOpen_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("About") << QStringList{QStringLiteral("CmdAbout")};
    QTest::newRow("Thanks over About") << QStringList{QStringLiteral("CmdAbout"), QStringLiteral("CmdThanks")};
    QTest::newRow("Configuration") << QStringList{QStringLiteral("CmdCfg")};
    QTest::newRow("colour dialog over Configuration") << QStringList{QStringLiteral("CmdCfg"), QStringLiteral("CmdClr1")};
}

void TestMainWindow::trayWorksWhileADialogIsOpen()
{
    QFETCH(QStringList, buttons);
    // Under a desktop with a tray host (run with QT_QPA_PLATFORM=xcb) the real tray icon
    // is double-clicked; elsewhere a window of its own stands in for it.
    QtTray desktopTray;
    const bool realTray = QGuiApplication::platformName() == QLatin1String("xcb") && desktopTray.isAvailable();
    Harness h({}, realTray ? &desktopTray : nullptr);
    h.window->Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    TrayIconWindow standIn(h.tray);
    QWindow *trayIcon = nullptr;
    if (realTray) {
        QTRY_VERIFY((trayIcon = desktopTrayIconWindow()) != nullptr);
    } else {
        standIn.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standIn));
        trayIcon = standIn.windowHandle();
    }

    bool dialogsClosed = false;
    bool windowHidden = false;
    std::function<void(int)> whileOpen = [&](int step) {
        QTimer::singleShot(0, h.window.get(), [&, step] {
            if (step < buttons.size()) {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                whileOpen(step + 1);
                dialog->findChild<QPushButton *>(buttons.at(step))->click();
                return;
            }
            QTest::mouseDClick(trayIcon, Qt::LeftButton, {}, QPoint(5, 5));
            // On Windows the event loop of a dialog that ended under another one returns at
            // its next message: on a desktop one comes at once, offscreen a timer brings it.
            QTimer::singleShot(1, h.window.get(), [] {});
            dialogsClosed = QApplication::activeModalWidget() == nullptr;
            windowHidden = h.window->IsHidden();
            if (!dialogsClosed)
                h.window->mnuHS_Click(); // what the tray should have done, so that the test ends
        });
    };
    whileOpen(1);
    h.window->findChild<QPushButton *>(buttons.first())->click();

    QVERIFY(dialogsClosed);
    QVERIFY(windowHidden);
    QVERIFY(!h.window->isVisible());
    QVERIFY(!h.window->AboutOpen());
    QVERIFY(!h.window->CfgOpen());
    QCOMPARE(h.window->mainMenu().mnuHS()->text(), QStringLiteral("&Show"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
