#include "common/ProgramInfo.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "platform/Console.h"
#include "platform/DosPaths.h"
#include "setup/FrmMain.h"
#include "translations/Language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

namespace {

/// The help's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::primewell::CommandLine)
};

QString helpText(const brannock::WorkFolders &folders)
{
    return brannock::versionLine(QStringLiteral("Primewell"))
         + Texts::tr(" - writes the default settings of Brannock for the current user.\n\n"
                          "Usage: Primewell\n\n"
                          "It asks before it writes anything, then shows what it did.\n")
         + brannock::helpFooter(folders, brannock::SettingsStore().location())
         + Texts::tr("\nRun it once before Brannock's first start (it writes the Settings above).\n"
                          "Brannock --help says where the game's MakeSkin.exe and VT.exe go.\n");
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer and end before any window exists.
    if (const brannock::InfoRequest request = brannock::infoRequest(argc, argv);
        request != brannock::InfoRequest::None) {
        brannock::attachParentConsole();
        return brannock::printInfo(argc, argv, request, QStringLiteral("Primewell"), helpText);
    }

    QApplication app(argc, argv);
    brannock::installTranslations(); // the system's language, before the first text
    QApplication::setApplicationName(QStringLiteral("Primewell"));

    brannock::SettingsStore store;
    brannock::QtPrompts prompts;
    prompts.setBoxesOnTop(true); // in front of a running Brannock, which stays on top
    const auto dosPaths = brannock::makeNativeDosPaths();
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());

    brannock::primewell::FrmMain window(store, prompts, *dosPaths, programFolder);
    if (!window.Form_Load())
        return 0;
    window.exec();
    return 0;
}
