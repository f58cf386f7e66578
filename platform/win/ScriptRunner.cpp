#include "platform/ScriptRunner.h"

#include "base/AppError.h"
#include "platform/ProcessScriptRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <memory>
#include <windows.h>

namespace brannock {

namespace {

/// A job object that holds the interpreter and, through it, every program it starts.
std::shared_ptr<void> jobFor(QProcess &process)
{
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return {};
    std::shared_ptr<void> owned(job, [](void *handle) { CloseHandle(handle); });
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    HANDLE child = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, DWORD(process.processId()));
    const bool assigned = child && AssignProcessToJobObject(job, child);
    if (child)
        CloseHandle(child);
    return assigned ? owned : std::shared_ptr<void>();
}

/// The system's own cmd.exe (in the system folder, named by its full path: a cmd.exe in the
/// working folder or along the search path never runs), in Brannock's working folder, with
/// no console window and its output through pipes. "/d" skips AutoRun commands; "/s" with the doubled quotes makes cmd strip exactly
/// the outer pair, whatever the path holds. The tools folder goes at the front of PATH.
/// Stop ends the job, and so the tools too.
class CmdScriptRunner final : public ScriptRunner {
public:
    std::unique_ptr<ScriptRun> start(const QString &nativePath, const QString &workingFolder,
                                     const QString &toolsFolder) override
    {
        const QString path = QDir::toNativeSeparators(nativePath);
        wchar_t system[MAX_PATH];
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            throw AppError(ErrorNumber::CannotStart,
                           QCoreApplication::translate("brannock::ScriptRunner", "Cannot start \"%1\": the system folder, which holds cmd.exe, is not known.")
                               .arg(path));
        const QString interpreter = QString::fromWCharArray(system, int(length)) + QStringLiteral("\\cmd.exe");
        const bool listable = !toolsFolder.isEmpty() && !toolsFolder.contains(QLatin1Char(';'));
        const QProcessEnvironment env = ProcessScriptRun::environment(
            QStringLiteral("PATH"), listable ? QDir::toNativeSeparators(toolsFolder) : QString());
        auto process = std::make_unique<QProcess>();
        process->setProgram(interpreter);
        process->setProcessEnvironment(env);
        process->setNativeArguments(QStringLiteral("/d /s /c \"\"%1\"\"").arg(path));
        process->setWorkingDirectory(workingFolder);
        process->setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments *args) { args->flags |= CREATE_NO_WINDOW; });
        return ProcessScriptRun::start(std::move(process), QCoreApplication::translate("brannock::ScriptRunner", "\"%1\" with %2").arg(path, interpreter),
                                       [](QProcess &started) -> ProcessScriptRun::EndTree {
                                           std::shared_ptr<void> job = jobFor(started);
                                           if (!job)
                                               return {}; // the interpreter alone can be ended
                                           return [job](QProcess &) { TerminateJobObject(job.get(), 1); };
                                       });
    }
};

} // namespace

std::unique_ptr<ScriptRunner> makeNativeScriptRunner()
{
    return std::make_unique<CmdScriptRunner>();
}

} // namespace brannock
