#include "platform/Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace brannock {

QList<DriveEntry> listWineDrives(const QString &winePrefix, const QString &home)
{
    QList<DriveEntry> drives;
    const QDir devices(winePrefix + QStringLiteral("/dosdevices"));
    static const QRegularExpression letter(QStringLiteral("^[a-z]:$"));
    const QStringList names = devices.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        if (!letter.match(name).hasMatch())
            continue;
        const QString target = QFileInfo(devices.filePath(name)).canonicalFilePath();
        if (target.isEmpty() || !QFileInfo(target).isDir())
            continue; // a dangling link or a device
        drives.append({name + QLatin1Char(' ') + target, target});
    }
    if (drives.isEmpty())
        drives.append({QStringLiteral("/"), QStringLiteral("/")});
    const QString homeRoot = QFileInfo(home).canonicalFilePath();
    if (!homeRoot.isEmpty())
        drives.append({QStringLiteral("~ ") + homeRoot, homeRoot});
    return drives;
}

QList<DriveEntry> listDrives()
{
#ifdef Q_OS_WIN
    QList<DriveEntry> drives;
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        drives.append({root.left(2).toLower(), root});
    }
    return drives;
#else
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    return listWineDrives(prefix, QDir::homePath());
#endif
}

int driveHolding(const QList<DriveEntry> &drives, const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString target = canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.size(); ++i) {
        QString root = QDir::cleanPath(drives[i].rootPath);
        const bool holds = target.compare(root, Qt::CaseInsensitive) == 0
            || target.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'),
#ifdef Q_OS_WIN
                                 Qt::CaseInsensitive
#else
                                 Qt::CaseSensitive
#endif
            );
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace brannock
