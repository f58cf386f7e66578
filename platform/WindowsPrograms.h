#pragma once

#include "platform/ProgramKind.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace brannock {

/// A program that the command interpreter would start for a bare name.
struct FoundProgram {
    QString path;     ///< native path; empty when the name was found nowhere
    ProgramKind kind = ProgramKind::Missing;
};

/// Whether this system can run a kind of program.
enum class RunSupport {
    Yes,
    No,             ///< never on this system (a DOS program under 64-bit Windows or Wine)
    NeedsWine32,    ///< only once Wine's 32-bit part is installed
    NeedsWine,      ///< the "wine" command is missing
};

/// The game's tools as the command interpreter sees them: where a bare name such as
/// "MakeSkin.exe" is found, and whether this system can run what is found.
class WindowsPrograms {
public:
    WindowsPrograms() = default;
    virtual ~WindowsPrograms() = default;
    Q_DISABLE_COPY(WindowsPrograms)

    /// The first file named `name` (any letter case) in `workingFolder`, then in
    /// `toolsFolder` (native; empty: none), then along the interpreter's search path, with
    /// its kind: the order of a run that ScriptRunner starts with the same folders.
    virtual FoundProgram find(const QString &name, const QString &workingFolder, const QString &toolsFolder) = 0;

    /// The interpreter's usual search path, after the working folder and the tools folder,
    /// as it names the folders (DOS paths under Wine).
    virtual QStringList searchPath() = 0;

    /// Whether a program of `kind` runs here. May start a small probe program once.
    virtual RunSupport support(ProgramKind kind) = 0;
};

/// cmd.exe's search on Windows; Wine's cmd search elsewhere, whose 32-bit support is probed
/// with a program written into `scratchFolder` (a folder Wine can see).
std::unique_ptr<WindowsPrograms> makeNativeWindowsPrograms(const QString &scratchFolder);

} // namespace brannock
