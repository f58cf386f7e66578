#include "platform/posix/WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace brannock {

QString winePrefixFolder()
{
    const QString fromEnv = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QDir::homePath() + QStringLiteral("/.wine");
}

QProcessEnvironment wineRunEnvironment(QProcessEnvironment env)
{
    if (!env.contains(QStringLiteral("WINEDEBUG")))
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"})
        env.insert(QString::fromLatin1(name), QString::fromLatin1(kWineRunLocale));
    return env;
}

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

} // namespace brannock
