#pragma once

#include "platform/CodePage.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

/// Checks that keep texts from changing what a line of Compile.bat runs: nothing may close
/// a quote, start a new command, redirect, expand a variable or a wildcard.
namespace brannock::batch {

/// Where a text stands inside its quoted piece.
enum class QuotedPlace {
    EndOfPiece, ///< the text ends the piece: it must not end in a backslash (\" escapes the quote)
    Inside,     ///< more text follows it inside the same quotes
};

/// Empty when `text` may stand inside double quotes in Compile.bat written in `page`;
/// otherwise a short reason naming the offending character, e.g. `holds the character "%"`.
QString quotedTextProblem(QStringView text, const CodePage &page,
                          QuotedPlace place = QuotedPlace::EndOfPiece);

/// Empty when `text` may stand unquoted as the palette word; otherwise a short reason.
QString paletteWordProblem(QStringView text, const CodePage &page);

/// Empty when `page` (the console's) and the system's ANSI page, in which the tools get their
/// command lines, can both hold every character of `text` exactly; otherwise a short reason
/// naming the first character that cannot stand and the code page.
QString codePageProblem(QStringView text, const CodePage &page);

/// The most bytes of one line, CR LF included, that the command interpreter reads as one
/// line: cmd stops at 8191 characters, Wine's reads 8192-byte pieces with the terminator;
/// the rest of a longer line would run as a new command, outside any quote.
inline constexpr qsizetype kMaxLineBytes = 8191;

/// Empty when one encoded line (without its CR LF) fits kMaxLineBytes, holds exactly
/// `quotedPieces` pieces in double quotes, no control byte, no backslash right before a
/// closing quote, and outside the quotes only letters, digits, blanks, ".", "_" and "-".
QString encodedLineProblem(QByteArrayView line, int quotedPieces);

/// Empty when a user-created item's palette and skin file name can go into Compile.bat
/// written in `page` and the skin file name is a single name; otherwise the sentence that
/// says why, naming `definition` (the path of its .tsf file as shown to the user).
QString definitionProblem(const QString &palette, const QString &skinFile, const QString &definition,
                          const CodePage &page);

/// How a character is named in the reasons above: `a blank`, `the character "%"`,
/// `the control character 0x0A`.
QString describeCharacter(char32_t c);

/// `text` with each control character written out ("<LF>", "<CR>", "<TAB>", "<U+001B>"),
/// for quoting a name read from a file in a message.
QString visibleText(QStringView text);

} // namespace brannock::batch
