#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace brannock {

/// What kind of program a file is, as its headers say.
enum class ProgramKind {
    Missing,      ///< no file of that name
    Unreadable,   ///< a regular file that cannot be opened or read
    NotProgram,   ///< not a regular file, or no program headers
    Dos,          ///< "MZ" without a Windows header
    Win16,        ///< 16-bit Windows ("NE")
    Win32,        ///< PE for x86
    Win64,        ///< PE32+ for x86-64
    OtherMachine, ///< PE for another processor
};

/// The headers of an .exe file are read from its first bytes, never more than this.
inline constexpr qsizetype ProgramHeaderBytes = 4096;

/// The kind that the first bytes of a file (up to ProgramHeaderBytes) stand for.
ProgramKind programKindOf(QByteArrayView head);

/// The kind of the file at `path`. Only a regular file is opened, so a named pipe or a
/// device never blocks the caller.
ProgramKind programKindOfFile(const QString &path);

/// A console program with no imports whose entry point returns 42: a 32-bit one for
/// ProgramKind::Win32, else a 64-bit one. Its exit code shows whether this system ran it.
QByteArray probeProgram(ProgramKind bits);

/// The exit code of probeProgram's programs.
inline constexpr int ProbeExitCode = 42;

} // namespace brannock
