#include "main_window/CommandLine.h"
#include "platform/Console.h"
#include "platform/DosPaths.h"
#include "platform/Drives.h"
#include "main_window/FrmMain.h"
#include "common/ProgramInfo.h"
#include "desktop/Prompts.h"
#include "platform/ScriptRunner.h"
#include "common/SettingsStore.h"
#include "common/WorkFolders.h"
#include "platform/TopmostBand.h"
#include "desktop/Tray.h"
#include "platform/WindowsPrograms.h"
#include "platform/CodePage.h"
#include "translations/Language.h"

#include "main_window/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdlib>

namespace {

/// For start-up benchmarks (BRANNOCK_QUIT_AT_FIRST_FRAME set): ends the process as soon
/// as the main window has painted its first frame, without the orderly shut-down, so that
/// the time measured is the time to that frame.
class QuitAtFirstFrame final : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer and end before any window exists; every other argument
    // is the command line that the switches are read from.
    if (const brannock::InfoRequest request = brannock::infoRequest(argc, argv);
        request != brannock::InfoRequest::None) {
        brannock::attachParentConsole();
        return brannock::printInfo(argc, argv, request, QStringLiteral("Brannock"),
                                   [](const brannock::WorkFolders &folders) {
                                       return brannock::helpText(folders, brannock::SettingsStore().location());
                                   });
    }

    brannock::choosePreferredQtPlatform(); // before Qt picks one
    QApplication app(argc, argv);
    brannock::installTranslations(); // the system's language, before the first text
    QApplication::setQuitOnLastWindowClosed(false); // hidden to the tray is not closed
    QApplication::setOrganizationName(QStringLiteral("Brannock"));
    QApplication::setApplicationName(QStringLiteral("Brannock"));

    brannock::SettingsStore store;
    brannock::NativeTopmostBand band;
    const auto dos = brannock::makeNativeDosPaths();
    const auto runner = brannock::makeNativeScriptRunner();
    const brannock::WorkFolders folders = brannock::WorkFolders::detect(QCoreApplication::applicationDirPath());
    folders.makeToolsFolder(); // where the player copies the game's tools; a build tries again
    // The 32-bit probe goes into the work folder, which Wine sees like the script.
    const auto programs = brannock::makeNativeWindowsPrograms(folders.workFolder());
    brannock::QtTray tray;
    brannock::QtPrompts prompts(nullptr);
    brannock::FrmMain window({store, prompts, band, *dos, *runner, *programs, tray, folders,
                              brannock::commandLineText(QCoreApplication::arguments()),
                              &brannock::oemCodePage, &brannock::listDrives});
    prompts.setOwner(&window); // boxes open in front of the main window
    QuitAtFirstFrame quitAtFirstFrame;
    if (!qEnvironmentVariableIsEmpty("BRANNOCK_QUIT_AT_FIRST_FRAME"))
        window.installEventFilter(&quitAtFirstFrame);
    window.Form_Load();
    return QApplication::exec();
}
