#include "platform/ScriptRunner.h"

#include "base/AppError.h"
#include "platform/posix/WineDosPaths.h"
#include "platform/posix/WinePrefix.h"
#include "platform/ProcessScriptRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <signal.h>
#include <unistd.h>

namespace brannock {

namespace {

/// Wine's cmd in Brannock's working folder, named by its full path in the prefix so that a
/// cmd.exe in the working folder never runs: `wine C:\windows\system32\cmd.exe /d /c
/// %BRANNOCK_SCRIPT%`, the
/// variable holding the script's DOS path in quotes. Wine quotes an argument with blanks
/// for cmd, and cmd strips those quotes again when the path holds "&" or brackets; a
/// variable expanded by cmd itself keeps the quotes whatever the path holds.
/// The tools folder goes at the front of WINEPATH, which Wine puts before the prefix's own
/// PATH. The interpreter starts in a process group of its own, so that Stop ends the tools too.
class WineScriptRunner final : public ScriptRunner {
public:
    std::unique_ptr<ScriptRun> start(const QString &nativePath, const QString &workingFolder,
                                     const QString &toolsFolder) override
    {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            throw AppError(ErrorNumber::CannotStart,
                           QCoreApplication::translate("brannock::ScriptRunner", "Cannot start \"%1\": the \"wine\" command was not found. "
                                          "Install Wine to run the game's tools.")
                               .arg(nativePath));
        const WineDosPaths dos(winePrefixFolder());
        const QString dosPath = dos.toDos(nativePath);
        if (dosPath.isEmpty())
            throw AppError(ErrorNumber::PathNotFound,
                           QCoreApplication::translate("brannock::ScriptRunner", "Cannot start \"%1\": it lies on no drive of the Wine prefix \"%2\".")
                               .arg(nativePath, winePrefixFolder()));

        // The locale decides the code pages Wine reads the script and converts the tools'
        // command lines in: the one whose pages the script was written for.
        QProcessEnvironment env =
            wineRunEnvironment(ProcessScriptRun::environment(QStringLiteral("WINEPATH"), dos.searchEntry(toolsFolder)));
        env.insert(QStringLiteral("BRANNOCK_SCRIPT"), QLatin1Char('"') + dosPath + QLatin1Char('"'));

        auto process = std::make_unique<QProcess>();
        process->setProgram(wine);
        process->setArguments({QString::fromLatin1(kWineCmd), QStringLiteral("/d"), QStringLiteral("/c"),
                               QStringLiteral("%BRANNOCK_SCRIPT%")});
        process->setWorkingDirectory(workingFolder);
        process->setProcessEnvironment(env);
        process->setChildProcessModifier([] { ::setpgid(0, 0); });
        return ProcessScriptRun::start(std::move(process),
                                       QCoreApplication::translate("brannock::ScriptRunner", "\"%1\" with \"%2\"").arg(QDir::toNativeSeparators(nativePath), wine),
                                       [](QProcess &started) -> ProcessScriptRun::EndTree {
                                           const pid_t group = pid_t(started.processId());
                                           return [group](QProcess &) { ::kill(-group, SIGKILL); };
                                       });
    }
};

} // namespace

std::unique_ptr<ScriptRunner> makeNativeScriptRunner()
{
    return std::make_unique<WineScriptRunner>();
}

} // namespace brannock
