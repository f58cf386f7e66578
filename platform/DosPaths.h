#pragma once

#include <QString>

#include <memory>

namespace brannock {

/// Maps between the paths of this machine and the DOS paths that the game's Windows
/// tools see (under Wine on Linux). On Windows both are the same path.
class DosPaths {
public:
    virtual ~DosPaths() = default;

    /// "C:\Halvern\Kestrow" for a native folder the tools see as that path.
    virtual QString toDos(const QString &nativePath) const = 0;

    /// The native path for a DOS path typed by the user (a native path is returned as is).
    virtual QString toNative(const QString &dosPath) const = 0;
};

/// The mapping of this platform: identity on Windows; on other systems the Wine prefix
/// of $WINEPREFIX (default ~/.wine).
std::unique_ptr<DosPaths> makeNativeDosPaths();

} // namespace brannock
