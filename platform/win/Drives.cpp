#include "platform/Drives.h"

#include <QDir>
#include <QFileInfo>

namespace brannock {

QList<DriveEntry> listDrives()
{
    QList<DriveEntry> drives;
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        drives.append({root.left(2).toLower(), root});
    }
    return drives;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}

} // namespace brannock
