#pragma once

#include <QString>

namespace brannock {
class DosPaths;
}

namespace brannock::defaults {

/// Where a standard install of the game keeps its program, below a drive root.
inline constexpr char StandardGameFolder[] = "Halvern\\Kestrow";

/// The standard install of the game ("D:\Halvern\Kestrow"): looked for under the drive
/// root of `programFolder` (under Wine "Z:\" for a folder outside the prefix, such as the
/// Documents folder), then under "C:\", where Windows programs install. Empty when neither
/// holds the game's program.
QString findStandardInstall(const DosPaths &dosPaths, const QString &programFolder);

} // namespace brannock::defaults
