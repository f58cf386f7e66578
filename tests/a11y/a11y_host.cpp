// The main window as the player sees it, for an assistive client outside the process: the
// real window, boxes, topmost band, tray and window system, with a script runner that the
// client drives through the standard input ("fail" runs the first line of Compile.bat, which
// fails, and ends the script; "quit" ends the program). The folder lists start in the working folder, which the client
// fills with painted bitmaps; the work files and settings go to the folder named by the
// first argument.
#include "common/SettingsStore.h"
#include "common/WorkFolders.h"
#include "desktop/Prompts.h"
#include "desktop/Tray.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakeInterpreterWarmUp.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeWindowsPrograms.h"
#include "main_window/FrmMain.h"
#include "platform/CodePage.h"
#include "platform/TopmostBand.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

using namespace brannock;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: a11y_host <work folder>\n");
        return 2;
    }
    const QString work = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    SettingsStore store(work + QStringLiteral("/settings.ini"));
    store.WriteSetting(schema::OtherUseAVC, toQString(schema::Yes)); // as after Primewell
    NativeTopmostBand band;
    test::FakeDosPaths dos;
    dos.mappings = {{QDir::currentPath(), QStringLiteral("D:\\Paint")}, {work, QStringLiteral("C:\\Skinner")}};
    test::FakeScriptRunner runner;
    test::FakeWindowsPrograms programs;
    test::FakeInterpreterWarmUp warmUp;
    QtTray tray;
    QtPrompts prompts;
    FrmMain window({store, prompts, band, dos, runner, warmUp, programs, tray, WorkFolders::portableIn(work), QString(),
                    [] { return *CodePage::byNumber(437); },
                    [] { return QList<DriveEntry>{{QStringLiteral("root"), QDir::rootPath()}}; }});
    prompts.setOwner(&window);
    window.Form_Load();

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, &app, [&] {
        char line[256];
        const ssize_t got = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (got <= 0) {
            QCoreApplication::exit(0); // the client went away
            return;
        }
        const QStringList words = QString::fromLatin1(line, int(got)).simplified().split(QLatin1Char(' '));
        if (words.value(0) == QLatin1String("fail") && runner.lastRun) {
            test::FakeScriptRun &run = *runner.lastRun;
            run.begin(1);
            run.print("The tool could not read the bitmap.\r\n");
            run.finishLine(1, 1);
            run.end(1);
        }
        else if (words.value(0) == QLatin1String("quit"))
            QCoreApplication::exit(0);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}
