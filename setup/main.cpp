#include "DosPaths.h"
#include "FrmMain.h"
#include "Prompts.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Primewell"));

    brannock::SettingsStore store;
    brannock::QtPrompts prompts;
    const auto dosPaths = brannock::makeNativeDosPaths();
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());

    brannock::primewell::FrmMain window(store, prompts, *dosPaths, programFolder);
    if (!window.Form_Load())
        return 0;
    window.exec();
    return 0;
}
