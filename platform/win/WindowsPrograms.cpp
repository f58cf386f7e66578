#include "platform/WindowsPrograms.h"

#include <QDir>
#include <QFileInfo>

namespace brannock {

namespace {

/// cmd.exe: the working folder, then the tools folder (put in front of PATH by the
/// ScriptRunner), then %PATH%. Windows matches names without regard to
/// letter case, and as a 64-bit system runs 32- and 64-bit programs only.
class CmdWindowsPrograms final : public WindowsPrograms {
public:
    FoundProgram find(const QString &name, const QString &workingFolder, const QString &toolsFolder) override
    {
        QStringList folders = searchPath();
        if (!toolsFolder.contains(QLatin1Char(';')))
            folders.prepend(toolsFolder);
        folders.prepend(workingFolder);
        for (const QString &folder : std::as_const(folders)) {
            if (folder.isEmpty())
                continue;
            const QFileInfo info(QDir(folder).filePath(name));
            if (info.exists() && !info.isDir())
                return {QDir::toNativeSeparators(info.filePath()), programKindOfFile(info.filePath())};
        }
        return {};
    }

    QStringList searchPath() override
    {
        QStringList folders;
        const QStringList entries = qEnvironmentVariable("PATH").split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString folder : entries) {
            folder = folder.trimmed().remove(QLatin1Char('"'));
            if (!folder.isEmpty())
                folders.append(QDir::toNativeSeparators(folder));
        }
        return folders;
    }

    RunSupport support(ProgramKind kind) override
    {
        return kind == ProgramKind::Win32 || kind == ProgramKind::Win64 ? RunSupport::Yes : RunSupport::No;
    }
};

} // namespace

std::unique_ptr<WindowsPrograms> makeNativeWindowsPrograms(const QString &scratchFolder)
{
    Q_UNUSED(scratchFolder);
    return std::make_unique<CmdWindowsPrograms>();
}

} // namespace brannock
