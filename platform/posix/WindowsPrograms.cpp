#include "platform/WindowsPrograms.h"

#include "platform/posix/WineDosPaths.h"
#include "platform/posix/WinePrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

namespace brannock {

namespace {

/// Wine's first start in a new prefix makes the prefix, which takes a while.
constexpr int ProbeTimeoutMs = 120000;

/// The entry of `folder` named `name` in any letter case, as Wine matches names; folders
/// are passed over as the interpreter's search does.
QString entryIn(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return {};
    const QFileInfo exact(folder + QLatin1Char('/') + name);
    if (exact.exists() && !exact.isDir())
        return exact.filePath();
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && !QFileInfo(dir.filePath(entry)).isDir())
            return dir.filePath(entry);
    return {};
}

/// The 32-bit answers per prefix, for the life of the process.
QMutex probedLock;
QHash<QString, bool> probed32;

/// Starts the 32-bit probe under Wine: true when it ran, nullopt when Wine gave no answer.
std::optional<bool> run32BitProbe(const QString &wine, const QString &scratchFolder)
{
    const QString base = scratchFolder.isEmpty() ? QDir::tempPath() : scratchFolder;
    QDir().mkpath(base);
    QTemporaryDir dir(base + QStringLiteral("/probe-XXXXXX"));
    if (!dir.isValid())
        return std::nullopt;
    const QString path = dir.filePath(QStringLiteral("probe32.exe"));
    QFile file(path);
    const QByteArray image = probeProgram(ProgramKind::Win32);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return std::nullopt;
    file.close();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    env.remove(QStringLiteral("DISPLAY")); // a console program: no window may open
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice()); // Wine's server outlives the probe
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(wine, {path});
    if (!process.waitForStarted())
        return std::nullopt;
    if (!process.waitForFinished(ProbeTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == ProbeExitCode;
}

/// Wine's cmd: the working folder, then the tools folder (put in front of WINEPATH by the
/// ScriptRunner), then WINEPATH, then the prefix's Windows folders.
class WineWindowsPrograms final : public WindowsPrograms {
public:
    explicit WineWindowsPrograms(QString scratchFolder) : m_scratch(std::move(scratchFolder)) {}

    FoundProgram find(const QString &name, const QString &workingFolder, const QString &toolsFolder) override
    {
        const WineDosPaths dos(winePrefixFolder());
        QString path = entryIn(workingFolder, name);
        if (path.isEmpty() && !dos.searchEntry(toolsFolder).isEmpty())
            path = entryIn(toolsFolder, name);
        if (path.isEmpty()) {
            for (const QString &folder : searchPath()) {
                path = entryIn(dos.toNative(folder), name);
                if (!path.isEmpty())
                    break;
            }
        }
        if (path.isEmpty())
            return {};
        return {path, programKindOfFile(path)};
    }

    QStringList searchPath() override
    {
        QStringList folders;
        const QStringList extra = qEnvironmentVariable("WINEPATH").split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString folder : extra) {
            folder = folder.trimmed().remove(QLatin1Char('"'));
            if (!folder.isEmpty())
                folders.append(folder);
        }
        folders << QStringLiteral("C:\\windows\\system32") << QStringLiteral("C:\\windows");
        return folders;
    }

    RunSupport support(ProgramKind kind) override
    {
        if (kind != ProgramKind::Win64 && kind != ProgramKind::Win32 && kind != ProgramKind::Win16)
            return RunSupport::No;
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            return RunSupport::NeedsWine;
        if (kind == ProgramKind::Win64)
            return RunSupport::Yes;
        // Wine runs 16-bit programs through its 32-bit part.
        const QString prefix = winePrefixFolder();
        {
            const QMutexLocker lock(&probedLock);
            const auto known = probed32.constFind(prefix);
            if (known != probed32.cend())
                return *known ? RunSupport::Yes : RunSupport::NeedsWine32;
        }
        const std::optional<bool> ran = run32BitProbe(wine, m_scratch);
        if (!ran)
            return RunSupport::NeedsWine32;
        const QMutexLocker lock(&probedLock);
        probed32.insert(prefix, *ran);
        return *ran ? RunSupport::Yes : RunSupport::NeedsWine32;
    }

private:
    QString m_scratch;
};

} // namespace

std::unique_ptr<WindowsPrograms> makeNativeWindowsPrograms(const QString &scratchFolder)
{
    return std::make_unique<WineWindowsPrograms>(scratchFolder);
}

} // namespace brannock
