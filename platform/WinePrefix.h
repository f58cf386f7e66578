#pragma once

#include "platform/CodePage.h"
#include "platform/Drives.h"

#include <QList>
#include <QString>

namespace brannock {

/// The Wine prefix folder: $WINEPREFIX when set, else ~/.wine (it need not exist).
QString winePrefixFolder();

/// The OEM code page recorded in the prefix's system.reg ("OEMCP" under the Nls\CodePage
/// key); 437 when the file or value is missing, unreadable or names an unsupported page.
CodePage wineOemCodePage(const QString &prefixFolder);

/// The drive list of the prefix folder `winePrefix`: its drive letters (links that lead
/// nowhere left out), or "/" without any, and then the home folder `home`.
QList<DriveEntry> listWineDrives(const QString &winePrefix, const QString &home);

} // namespace brannock
