#pragma once

#include "common/SettingsStore.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace brannock {
class DosPaths;
}

namespace brannock::defaults {

/// Where a standard install of the game keeps its program, below a drive root.
inline constexpr char StandardGameFolder[] = "Halvern\\Kestrow";

/// The drive roots a standard install of the game is looked for under, in order: the one
/// of `programFolder` (under Wine "Z:\" for a folder outside the prefix, such as the
/// Documents folder), then "C:\", where Windows programs install.
QStringList standardInstallRoots(const DosPaths &dosPaths, const QString &programFolder);

/// The standard install of the game ("D:\Halvern\Kestrow") under the first of
/// standardInstallRoots that holds the game's program; empty when none does.
QString findStandardInstall(const DosPaths &dosPaths, const QString &programFolder);

/// Every value the setup program writes, in its order: the colours, the game folder
/// (left out when `gameFolder` is empty), the palettes, the look and the build options.
QList<SettingValue> setupValues(const QString &gameFolder);

} // namespace brannock::defaults
