#pragma once

#include "platform/CodePage.h"

#include <QString>

namespace brannock {

/// The Wine prefix folder: $WINEPREFIX when set, else ~/.wine (it need not exist).
QString winePrefixFolder();

/// The OEM code page recorded in the prefix's system.reg ("OEMCP" under the Nls\CodePage
/// key); 437 when the file or value is missing, unreadable or names an unsupported page.
CodePage wineOemCodePage(const QString &prefixFolder);

/// The console (OEM) code page in which the command interpreter reads batch files:
/// GetOEMCP() on Windows, the Wine prefix's elsewhere.
CodePage oemCodePage();

} // namespace brannock
