#include "platform/Drives.h"

#include "platform/posix/WinePrefix.h"

#include <QDir>

namespace brannock {

QList<DriveEntry> listDrives()
{
    return listWineDrives(winePrefixFolder(), QDir::homePath());
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseSensitive;
}

} // namespace brannock
