#include "CommandLine.h"
#include "FrmMain.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "TopmostBand.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // hidden to the tray is not closed
    QApplication::setOrganizationName(QStringLiteral("Brannock"));
    QApplication::setApplicationName(QStringLiteral("Brannock"));

    brannock::SettingsStore store;
    brannock::NativeTopmostBand band;
    brannock::FrmMain *window = nullptr;
    brannock::QtPrompts prompts(nullptr);
    window = new brannock::FrmMain({store, prompts, band, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                                    brannock::commandLineText(QCoreApplication::arguments())});
    window->Form_Load();
    const int result = QApplication::exec();
    delete window;
    return result;
}
