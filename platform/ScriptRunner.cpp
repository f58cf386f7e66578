#include "ScriptRunner.h"

#include "AppError.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace brannock {

namespace {

#ifdef Q_OS_WIN
/// cmd.exe in a console window of its own. "/d" skips AutoRun commands; "/s" with the
/// doubled quotes makes cmd strip exactly the outer pair, whatever the path holds.
class CmdScriptRunner final : public ScriptRunner {
public:
    void start(const QString &nativePath) override
    {
        const QString path = QDir::toNativeSeparators(nativePath);
        QProcess process;
        process.setProgram(QStringLiteral("cmd.exe"));
        process.setNativeArguments(QStringLiteral("/d /s /c \"\"%1\"\"").arg(path));
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
            args->flags |= CREATE_NEW_CONSOLE;
            args->startupInfo->dwFlags &= ~DWORD(STARTF_USESTDHANDLES);
        });
        if (!process.startDetached())
            throw AppError(ErrorNumber::CannotStart,
                           QStringLiteral("Cannot start \"%1\": %2").arg(path, process.errorString()));
    }
};
#else
/// "wine start /unix <path>": Wine's start opens the batch file in a console of its own.
class WineScriptRunner final : public ScriptRunner {
public:
    void start(const QString &nativePath) override
    {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            throw AppError(ErrorNumber::CannotStart,
                           QStringLiteral("Cannot start \"%1\": the \"wine\" command was not found. "
                                          "Install Wine to run the game's tools.")
                               .arg(nativePath));
        QProcess process;
        process.setProgram(wine);
        process.setArguments({QStringLiteral("start"), QStringLiteral("/unix"), nativePath});
        process.setStandardInputFile(QProcess::nullDevice());
        if (!process.startDetached())
            throw AppError(ErrorNumber::CannotStart,
                           QStringLiteral("Cannot start \"%1\" with \"%2\": %3")
                               .arg(nativePath, wine, process.errorString()));
    }
};
#endif

} // namespace

std::unique_ptr<ScriptRunner> makeNativeScriptRunner()
{
#ifdef Q_OS_WIN
    return std::make_unique<CmdScriptRunner>();
#else
    return std::make_unique<WineScriptRunner>();
#endif
}

} // namespace brannock
