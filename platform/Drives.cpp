#include "platform/Drives.h"

#include <QDir>
#include <QFileInfo>

namespace brannock {

int driveHolding(const QList<DriveEntry> &drives, const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString target = canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.size(); ++i) {
        QString root = QDir::cleanPath(drives[i].rootPath);
        const bool holds = target.compare(root, fileNameCase()) == 0
            || target.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'), fileNameCase());
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace brannock
