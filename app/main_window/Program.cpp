#include "main_window/Program.h"

#include "common/ProgramInfo.h"
#include "common/SettingsStore.h"
#include "common/WorkFolders.h"
#include "desktop/Prompts.h"
#include "desktop/Tray.h"
#include "main_window/CommandLine.h"
#include "main_window/FrmMain.h"
#include "main_window/WindowSystem.h"
#include "platform/CodePage.h"
#include "platform/Console.h"
#include "platform/DosPaths.h"
#include "platform/Drives.h"
#include "platform/InterpreterWarmUp.h"
#include "platform/ScriptRunner.h"
#include "platform/TopmostBand.h"
#include "platform/WindowsPrograms.h"
#include "translations/Language.h"

#include <QApplication>

namespace brannock {

int runBrannock(int argc, char *argv[], const std::function<void(FrmMain &)> &beforeLoad)
{
    // --help and --version answer and end before any window exists; every other argument
    // is the command line that the switches are read from.
    if (const InfoRequest request = infoRequest(argc, argv); request != InfoRequest::None) {
        attachParentConsole();
        return printInfo(argc, argv, request, QStringLiteral("Brannock"), [](const WorkFolders &folders) {
            return helpText(folders, SettingsStore().location());
        });
    }

    choosePreferredQtPlatform(); // before Qt picks one
    QApplication app(argc, argv);
    installTranslations(); // the system's language, before the first text
    QApplication::setQuitOnLastWindowClosed(false); // hidden to the tray is not closed
    QApplication::setOrganizationName(QStringLiteral("Brannock"));
    QApplication::setApplicationName(QStringLiteral("Brannock"));

    SettingsStore store;
    NativeTopmostBand band;
    const auto dos = makeNativeDosPaths();
    const auto runner = makeNativeScriptRunner();
    const auto warmUp = makeNativeInterpreterWarmUp();
    const WorkFolders folders = WorkFolders::detect(QCoreApplication::applicationDirPath());
    folders.makeToolsFolder(); // where the player copies the game's tools; a build tries again
    // The 32-bit probe goes into the work folder, which Wine sees like the script.
    const auto programs = makeNativeWindowsPrograms(folders.workFolder());
    QtTray tray;
    QtPrompts prompts(nullptr);
    FrmMain window({store, prompts, band, *dos, *runner, *warmUp, *programs, tray, folders,
                    commandLineText(QCoreApplication::arguments()), &oemCodePage, &listDrives});
    prompts.setOwner(&window); // boxes open in front of the main window
    if (beforeLoad)
        beforeLoad(window);
    window.Form_Load();
    return QApplication::exec();
}

} // namespace brannock
