#include "platform/WinePrefix.h"

#include <QDir>
#include <QFile>
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

CodePage wineOemCodePage(const QString &prefixFolder)
{
    const CodePage fallback = *CodePage::byNumber(437);
    QFile reg(prefixFolder + QStringLiteral("/system.reg"));
    if (!reg.open(QIODevice::ReadOnly))
        return fallback;
    // The value sits under [System\\CurrentControlSet\\Control\\Nls\\CodePage]; keys are
    // written with doubled backslashes and compared without regard to letter case.
    const QByteArray text = reg.readAll();
    const QByteArray lower = text.toLower();
    const qsizetype key = lower.indexOf("\\\\control\\\\nls\\\\codepage]");
    if (key < 0)
        return fallback;
    const qsizetype nextKey = lower.indexOf("\n[", key);
    const qsizetype value = lower.indexOf("\n\"oemcp\"=\"", key);
    if (value < 0 || (nextKey >= 0 && value > nextKey))
        return fallback;
    const qsizetype start = value + qsizetype(sizeof("\n\"oemcp\"=\"") - 1);
    const qsizetype end = text.indexOf('"', start);
    if (end < 0)
        return fallback;
    bool ok = false;
    const int number = text.mid(start, end - start).toInt(&ok);
    if (!ok)
        return fallback;
    return CodePage::byNumber(number).value_or(fallback);
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
