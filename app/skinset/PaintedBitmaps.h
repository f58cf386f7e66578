#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// The player's painted bitmaps: whether they can be compiled, and that no line of the
/// script writes or deletes one. Paths are native.
namespace brannock::painted {

/// How a line of Compile.bat changes a file.
enum class Change {
    Compile, ///< MakeSkin.exe writes its compiled copy
    Pack,    ///< VT.exe writes the volume
    Copy,    ///< copy writes the volume into the game
    Delete,  ///< del deletes a compiled copy
};

/// A file that a line writes or deletes.
struct Target {
    QString path;
    Change change;
    QString source; ///< for Compile: the painted bitmap the line reads
};

/// Empty when no target is one of the `sources`; otherwise one sentence per painted bitmap
/// that would be written or deleted, naming it and the lines, joined by ".\r\n" (no final
/// full stop). Paths compare as Windows and Wine find files: links of the deepest existing
/// folder resolved, letter case ignored, and two names of one existing file are one file.
QString overwrittenProblem(const QStringList &sources, const QList<Target> &targets);

/// `path` made absolute and clean, with its deepest existing ancestor's links resolved and
/// the letters case-folded: two paths with equal keys name one file for Windows and Wine.
QString comparisonKey(const QString &path);

/// `path` as Wine finds it: as it stands when it exists, else each missing component
/// matched without regard to letter case in its folder; `path` itself when none matches.
QString foundWithoutCase(const QString &path);

/// Why the painted bitmap at `path` cannot be compiled: "not found", "is not a file",
/// "cannot be read" or "not a Windows bitmap"; empty when it starts with "BM". Never
/// opens anything but a regular file, so a named pipe cannot block the build.
QString bitmapProblem(const QString &path);

} // namespace brannock::painted
