#pragma once

#include <QList>
#include <QString>

namespace brannock {

/// One entry of the main window's drive list.
struct DriveEntry {
    QString label;    ///< what the list shows: "c:" on Windows, "c: /home/me/.wine/drive_c" under Wine
    QString rootPath; ///< the native folder the entry stands for
};

/// The drives a player picks the bitmaps' folder from: the system's drives on Windows;
/// elsewhere the Wine prefix's drive letters ($WINEPREFIX, default ~/.wine; links that lead
/// nowhere are left out) and the home folder, or "/" and the home folder without a prefix.
QList<DriveEntry> listDrives();

/// How this system compares file names: without regard to letter case on Windows.
Qt::CaseSensitivity fileNameCase();

/// The index of the entry that holds `path` (the longest matching root), or -1.
int driveHolding(const QList<DriveEntry> &drives, const QString &path);

} // namespace brannock
