#pragma once

#include "platform/CodePage.h"
#include "platform/Drives.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>

namespace brannock {

/// The Wine prefix folder: $WINEPREFIX when set, else ~/.wine (it need not exist).
QString winePrefixFolder();

/// The locale every Wine program Brannock starts runs in. Wine takes the console (OEM) and
/// ANSI code pages from the process's locale, not from what the prefix last recorded, so
/// Brannock imposes one whose pages it knows: C.UTF-8, in which Wine reads batch files in
/// code page 437, converts the tools' command lines to 1252, and names Linux files in UTF-8.
inline constexpr char kWineRunLocale[] = "C.UTF-8";
/// The console code page of a Wine program run in kWineRunLocale.
inline constexpr int kWineRunOemCodePage = 437;

/// Wine's own cmd, named by its path in the prefix so that a cmd.exe in the working folder
/// never runs in its place.
inline constexpr char kWineCmd[] = "C:\\windows\\system32\\cmd.exe";

/// `env` as every interpreter Brannock starts under Wine gets it: in kWineRunLocale, and
/// quiet (no fixme lines in the output) unless the player asked Wine for its messages.
QProcessEnvironment wineRunEnvironment(QProcessEnvironment env);

/// The drive list of the prefix folder `winePrefix`: its drive letters (links that lead
/// nowhere left out), or "/" without any, and then the home folder `home`.
QList<DriveEntry> listWineDrives(const QString &winePrefix, const QString &home);

} // namespace brannock
