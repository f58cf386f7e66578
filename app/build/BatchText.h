#pragma once

#include "CodePage.h"

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

/// Empty when one encoded line (without its CR LF) holds exactly `quotedPieces` pieces in
/// double quotes, no control byte, and no backslash right before a closing quote.
QString encodedLineProblem(QByteArrayView line, int quotedPieces);

/// How a character is named in the reasons above: `a blank`, `the character "%"`,
/// `the control character 0x0A`.
QString describeCharacter(char32_t c);

} // namespace brannock::batch
