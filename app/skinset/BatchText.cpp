#include "skinset/BatchText.h"

#include "items/SingleName.h"

#include <QCoreApplication>

namespace brannock::batch {

namespace {

/// The checks' texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::batch)
};

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

/// The code point at `i` (a whole surrogate pair when one starts there).
char32_t codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i + 1]);
    return c.unicode();
}

} // namespace

QString codePageProblem(QStringView text, const CodePage &page)
{
    qsizetype bad = -1;
    if (page.canHold(text, &bad)) {
        // The tools get their command lines in the ANSI page, where a character the console
        // page holds may turn into a look-alike ("Γ" into "G"): it must hold it exactly too.
        const CodePage tools = CodePage::ansi();
        if (tools.number() == page.number() || tools.canHold(text, &bad))
            return {};
        return Texts::tr("holds %1, which the game's tools would read as another character (code page %2)")
            .arg(describeCharacter(codePointAt(text, bad)), QString::number(tools.number()));
    }
    if (page.asciiOnly())
        return Texts::tr("holds %1; in the console's code page %2 only plain ASCII text can be written")
            .arg(describeCharacter(codePointAt(text, bad)), QString::number(page.number()));
    return Texts::tr("holds %1, which code page %2 cannot hold")
        .arg(describeCharacter(codePointAt(text, bad)), QString::number(page.number()));
}

QString describeCharacter(char32_t c)
{
    //: A character named in a sentence such as "holds %1" or "starts with %1".
    if (c == U' ')
        return Texts::tr("a blank");
    if (c == U'\r' || c == U'\n')
        return Texts::tr("a line break");
    if (isControl(c))
        return Texts::tr("the control character 0x%1")
            .arg(QString::number(uint(c), 16).toUpper().rightJustified(2, QLatin1Char('0')));
    if (c >= 0xD800 && c <= 0xDFFF)
        return Texts::tr("a broken character (U+%1)").arg(uint(c), 4, 16, QLatin1Char('0'));
    return Texts::tr("the character \"%1\"").arg(QString::fromUcs4(&c, 1));
}

QString quotedTextProblem(QStringView text, const CodePage &page, QuotedPlace place)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = text[i].unicode();
        switch (c) {
        case U'"': // ends the quote
        case U'%': // variable expansion, even inside quotes
        case U'!': // delayed expansion where the user's registry turns it on
        case U'^': // escape character of cmd
        case U'*': // wildcards: del would remove more than one file
        case U'?':
            return Texts::tr("holds %1").arg(describeCharacter(c));
        default:
            if (isControl(c))
                return Texts::tr("holds %1").arg(describeCharacter(c));
        }
    }
    if (place == QuotedPlace::EndOfPiece && text.endsWith(QLatin1Char('\\')))
        return Texts::tr("ends in a backslash");
    return codePageProblem(text, page);
}

QString paletteWordProblem(QStringView text, const CodePage &page)
{
    if (text.isEmpty())
        return Texts::tr("is empty");
    if (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('/'))
        return Texts::tr("starts with %1").arg(describeCharacter(text.front().unicode()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool allowed = c.isLetter() || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.');
        if (!allowed)
            return Texts::tr("holds %1").arg(describeCharacter(codePointAt(text, i)));
    }
    return codePageProblem(text, page);
}

QString encodedLineProblem(QByteArrayView line, int quotedPieces)
{
    if (line.size() + 2 > kMaxLineBytes)
        return Texts::tr("is %1 bytes long with its line end, more than the %2 the command interpreter reads")
            .arg(line.size() + 2)
            .arg(kMaxLineBytes);
    int quotes = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x20 || b == 0x7F)
            return Texts::tr("holds the control byte 0x%1")
                .arg(QString::number(uint(b), 16).toUpper().rightJustified(2, QLatin1Char('0')));
        if (b == '"') {
            ++quotes;
            const bool closing = quotes % 2 == 0;
            if (closing && i > 0 && line[i - 1] == '\\')
                return Texts::tr("has a backslash before a closing quote");
            continue;
        }
        const bool quoted = quotes % 2 == 1;
        const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == ' '
            || b == '.' || b == '_' || b == '-' || b >= 0x80;
        if (!quoted && !plain)
            return Texts::tr("holds %1 outside quotes").arg(describeCharacter(b));
    }
    if (quotes != 2 * quotedPieces)
        return Texts::tr("holds %1 double quotes instead of %2").arg(quotes).arg(2 * quotedPieces);
    return {};
}

QString visibleText(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            shown += QStringLiteral("<LF>");
        else if (u == u'\r')
            shown += QStringLiteral("<CR>");
        else if (u == u'\t')
            shown += QStringLiteral("<TAB>");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            shown += QStringLiteral("<U+%1>").arg(int(u), 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown;
}

QString definitionProblem(const QString &palette, const QString &skinFile, const QString &definitionPath,
                          const CodePage &page)
{
    // The definition's name is made shown only for a problem: the User-Created menu checks
    // thousands of sound ones.
    if (const QString problem = paletteWordProblem(palette, page); !problem.isEmpty())
        return Texts::tr("The palette \"%1\" in \"%2\" %3; it cannot go into Compile.bat.")
            .arg(visibleText(palette), visibleText(definitionPath), problem);
    if (const QString problem = quotedTextProblem(skinFile, page); !problem.isEmpty())
        return Texts::tr("The skin file name \"%1\" in \"%2\" %3; it cannot go into Compile.bat.")
            .arg(visibleText(skinFile), visibleText(definitionPath), problem);
    // It names a file in the source folder and one in New_Wendle: never a path out of them.
    if (const QString problem = singleNameProblem(skinFile); !problem.isEmpty())
        return Texts::tr("The skin file name \"%1\" in \"%2\" %3.")
            .arg(visibleText(skinFile), visibleText(definitionPath), problem);
    return {};
}

} // namespace brannock::batch
