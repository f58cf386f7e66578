#pragma once

#include <QString>
#include <QStringList>

namespace brannock {

/// The list entries that stand for the look in use and for the built-in look, in the
/// player's language.
QString currentSettingsEntry();
QString defaultEntry();

/// The Skins dialog's list: every name in the `Skins` folders of the look roots, merged
/// (folders and files alike, hidden ones and "." / ".." left out, each name once, sorted
/// without regard to case), then "Current Settings" and "Default".
QStringList skinsListEntries(const QStringList &lookRoots);

/// True when `name` is one plain name (not empty, not "." or "..", no separator, drive or
/// wildcard) that exists, as a folder or a file, in the `Skins` folder of any look root.
/// Anything else would store a look path that leaves the `Skins` folder or names nothing.
bool isExistingSkinsEntry(const QStringList &lookRoots, const QString &name);

/// The stored look folder for a `Skins` entry: "Skins\" + name + "\".
QString lookFolderSetting(const QString &name);

} // namespace brannock
