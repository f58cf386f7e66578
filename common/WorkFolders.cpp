#include "common/WorkFolders.h"

#include "common/BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace brannock {

namespace {

QString nativeClean(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool hasSkinsFolder(const QString &root)
{
    return QFileInfo(root + QStringLiteral("/Skins")).isDir();
}

/// The folder whose Skins\ holds the shipped looks: beside the programs (a build folder, a
/// portable copy), else the installed data folder, else beside the programs all the same.
QString shippedLookRoot(const QString &programFolder)
{
    if (hasSkinsFolder(programFolder))
        return programFolder;
    const QString installed = nativeClean(programFolder + QLatin1Char('/') + QLatin1String(InstalledDataFromPrograms));
    return hasSkinsFolder(installed) ? installed : programFolder;
}

} // namespace

WorkFolders::WorkFolders(Mode mode, QString programFolder, QString workFolder, QStringList lookRoots)
    : m_mode(mode), m_programFolder(std::move(programFolder)), m_workFolder(std::move(workFolder)),
      m_lookRoots(std::move(lookRoots))
{
}

QString WorkFolders::defaultUserDataFolder()
{
    // Not AppDataLocation: that adds the organisation and the application name, which
    // would give each program a folder of its own (~/.local/share/Brannock/Brannock).
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Brannock");
}

WorkFolders WorkFolders::detect(const QString &programFolder, const QString &userDataFolder)
{
    const QString programs = nativeClean(programFolder);
    const bool portable = QFileInfo(programs + QLatin1Char('/') + QLatin1String(PortableMarker)).isFile();
    const QString work = portable ? programs : nativeClean(userDataFolder.isEmpty() ? defaultUserDataFolder()
                                                                                     : userDataFolder);
    QStringList roots{work};
    const QString shipped = shippedLookRoot(programs);
    if (!roots.contains(shipped))
        roots << shipped;
    return WorkFolders(portable ? Mode::Portable : Mode::Installed, programs, work, roots);
}

bool WorkFolders::makeWorkFolder() const
{
    return QDir().mkpath(m_workFolder);
}

QString WorkFolders::toolsFolder() const
{
    return nativeClean(m_workFolder + QStringLiteral("/Tools"));
}

bool WorkFolders::makeToolsFolder() const
{
    return QDir().mkpath(toolsFolder());
}

WorkFolders WorkFolders::portableIn(const QString &folder)
{
    const QString clean = nativeClean(folder);
    return WorkFolders(Mode::Portable, clean, clean, {clean});
}

QString WorkFolders::lookRootFor(const QString &lookFolder) const
{
    return lookRootIn(m_lookRoots, lookFolder);
}

QString lookRootIn(const QStringList &lookRoots, const QString &lookFolder)
{
    QString relative = lookFolder;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString &root : lookRoots) {
        if (QFileInfo(root + QLatin1Char('/') + relative).isDir())
            return root;
    }
    return lookRoots.isEmpty() ? QString() : lookRoots.last();
}

QString WorkFolders::description() const
{
    QStringList skins;
    for (const QString &root : m_lookRoots)
        skins << QDir::toNativeSeparators(root + QStringLiteral("/Skins"));
    const QString mode = m_mode == Mode::Portable
                             ? QCoreApplication::translate("brannock::WorkFolders",
                                                           "portable (a file \"portable\" stands beside the programs)")
                             : QCoreApplication::translate("brannock::WorkFolders",
                                                           "installed (no file \"portable\" beside the programs)");
    return QCoreApplication::translate("brannock::WorkFolders",
                                       "Mode: %1\nPrograms: %2\nWork files: %3\nGame's tools: %4\nLooks: %5")
        .arg(mode, m_programFolder, m_workFolder, toolsFolder(),
             skins.join(QCoreApplication::translate("brannock::WorkFolders", "\n  then ")));
}

} // namespace brannock
