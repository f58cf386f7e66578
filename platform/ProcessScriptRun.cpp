#include "platform/ProcessScriptRun.h"

#include "base/AppError.h"

#include <QCoreApplication>

namespace brannock {

ProcessScriptRun::ProcessScriptRun(std::unique_ptr<QProcess> process, EndTree endTree)
    : m_process(std::move(process)), m_endTree(std::move(endTree))
{
    QProcess *p = m_process.get();
    connect(p, &QProcess::readyReadStandardOutput, this, [this, p] { emit output(p->readAllStandardOutput()); });
    connect(p, &QProcess::finished, this, [this, p](int exitCode, QProcess::ExitStatus status) {
        const QByteArray rest = p->readAllStandardOutput();
        if (!rest.isEmpty())
            emit output(rest);
        emit finished(exitCode, status == QProcess::CrashExit);
    });
}

QProcessEnvironment ProcessScriptRun::environment(const QString &searchVariable, const QString &firstEntry)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ERRORLEVEL"));
    env.remove(QStringLiteral("BRANNOCK_GO"));
    if (!firstEntry.isEmpty()) {
        const QString rest = env.value(searchVariable);
        env.insert(searchVariable, rest.isEmpty() ? firstEntry : firstEntry + QLatin1Char(';') + rest);
    }
    return env;
}

std::unique_ptr<ProcessScriptRun> ProcessScriptRun::start(std::unique_ptr<QProcess> process, const QString &what,
                                                          const std::function<EndTree(QProcess &)> &afterStart)
{
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start();
    if (!process->waitForStarted())
        throw AppError(ErrorNumber::CannotStart,
                       QCoreApplication::translate("brannock::ScriptRunner", "Cannot start %1: %2").arg(what, process->errorString()));
    EndTree endTree = afterStart ? afterStart(*process) : EndTree();
    if (!endTree)
        endTree = [](QProcess &p) { p.kill(); };
    return std::unique_ptr<ProcessScriptRun>(new ProcessScriptRun(std::move(process), std::move(endTree)));
}

ProcessScriptRun::~ProcessScriptRun()
{
    // A run outlived by nothing: the interpreter and its tools end with it.
    if (isRunning()) {
        m_process->disconnect(this);
        m_endTree(*m_process);
        m_process->waitForFinished(2000);
    }
}

void ProcessScriptRun::stop()
{
    if (isRunning())
        m_endTree(*m_process);
}

void ProcessScriptRun::write(const QByteArray &bytes)
{
    if (isRunning())
        m_process->write(bytes);
}

bool ProcessScriptRun::waitForEnd(int msecs)
{
    return !isRunning() || m_process->waitForFinished(msecs);
}

bool ProcessScriptRun::isRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

} // namespace brannock
