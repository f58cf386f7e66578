#pragma once

#include <QString>

namespace brannock {

/// Writes folder\fileName as one line "description*palette*skinFileName" CR LF in the
/// ANSI code page, replacing any file of that name atomically (QSaveFile): a failed write
/// leaves the old file as it was. A character the code page cannot hold is refused before
/// anything is written. The texts are written as given; checking them is the caller's job.
/// Throws AppError.
void WriteTSF(const QString &folder, const QString &fileName, const QString &description,
              const QString &palette, const QString &skinFileName);

/// Field readers. Each reads the first line of the .tsf file at `path` (it ends at the first
/// CR; a line feed alone does not end it), decoded from the ANSI code page, and returns one
/// field. Fields are taken exactly, without trimming. At most the first 768 bytes are read.
/// Throws AppError: 53 and friends when the file cannot be opened, 62 when it is empty, 5
/// when the line lacks a separator the field needs, is longer than 767 characters, or the
/// field is longer than 255.
QString ReadTSFDesc(const QString &path);   ///< text before the first "*"
QString ReadTSFPal(const QString &path);    ///< text between the first and second "*"
QString ReadTSFFile(const QString &path);   ///< text after the second "*" (whole line without one)

/// The three fields of one line, parsed by the same rules as the readers (tests, fuzzing and
/// callers that already hold the line).
namespace tsf {
/// A field longer than a file name can be is no definition a player meant to share; a line
/// that cannot hold three such fields is not read to its end.
inline constexpr qsizetype kMaxFieldLength = 255;
inline constexpr qsizetype kMaxLineBytes = 3 * kMaxFieldLength + 2;

QString descriptionOf(const QString &line, const QString &path);
QString paletteOf(const QString &line, const QString &path);
QString skinFileOf(const QString &line, const QString &path);
/// The first line of the file, decoded; throws like the readers.
QString readFirstLine(const QString &path);
/// The same line from bytes already in memory; `path` only names the file in failures.
QString firstLineOf(const QByteArray &bytes, const QString &path);
}

} // namespace brannock
