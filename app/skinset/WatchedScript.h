#pragma once

#include <QByteArray>
#include <QStringView>

#include <optional>

namespace brannock::watch {

/// What Brannock runs to follow Compile.bat line by line. Compile.bat itself stays as the
/// player may run it by hand; the watched copy holds each of its lines as written, framed
/// by lines of its own that are never echoed:
///
///     @echo <token> begin <n>
///     <line n of Compile.bat>
///     @echo <token> end <n> %ERRORLEVEL%
///     @set BRANNOCK_GO=
///     @set /p BRANNOCK_GO=
///     @if not "%BRANNOCK_GO%"=="go" exit /b 1
///
/// so the interpreter reports each line's end with its exit status and then waits on its
/// standard input for Brannock's answer: "go" runs the next line, anything else (or the end
/// of the input, when Brannock is gone) ends the run there.
QByteArray watchedScript(const QByteArray &scriptBytes, const QByteArray &token);

/// A token no tool prints by chance, made anew for each run.
QByteArray newToken();

/// The answer that lets the next line run, or ends the run.
QByteArray answer(bool goOn);

struct Marker {
    enum class Kind { Begin, End };
    Kind kind = Kind::Begin;
    int line = 0;     ///< 1-based
    int exitCode = 0; ///< the line's %ERRORLEVEL%, for End
};

/// The marker that `line` (one line of output, without its line end) is, if it is one.
std::optional<Marker> markerOf(QStringView line, QStringView token);

} // namespace brannock::watch
