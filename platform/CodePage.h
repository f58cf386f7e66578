#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace brannock {

/// A Windows code page as Brannock writes it: a single-byte page in full, a multi-byte page
/// (932, 936, 949, 950, 65001) in its ASCII half only, converted by the system's own
/// converter one character at a time. Encoding never substitutes: a
/// character the code page cannot hold is reported, never replaced by "?" or a look-alike,
/// and never written in another page.
class CodePage final {
public:
    /// The code page with that number, or nullopt when it is not a supported page.
    static std::optional<CodePage> byNumber(int number);
    /// The numbers of the supported single-byte pages.
    static QList<int> singleBytePages();

    /// The system's ANSI code page: GetACP() on Windows, Windows-1252 elsewhere (.tsf files,
    /// and the page Wine's programs get their command lines in, see WinePrefix.h).
    /// A page that is not supported counts as Windows-1252.
    static CodePage ansi();

    int number() const;
    /// True for a multi-byte page, of which only plain ASCII text is written.
    bool asciiOnly() const;

    struct Encoded {
        QByteArray bytes;
        qsizetype badIndex = -1; ///< index of the first character that cannot be held, or -1
        bool ok() const { return badIndex < 0; }
    };
    Encoded encode(QStringView text) const;
    QString decode(QByteArrayView bytes) const;

    /// Whether `text` can be written exactly in this code page; on false, `badIndex`
    /// (when given) receives the first character that cannot.
    bool canHold(QStringView text, qsizetype *badIndex = nullptr) const;

private:
    explicit CodePage(int number) : m_number(number) {}
    int m_number;
};

/// The console (OEM) code page in which the command interpreter reads batch files:
/// GetOEMCP() on Windows (437 when the system's is not supported); under Wine the page of
/// the locale Brannock runs Wine's programs in (WinePrefix.h), whatever the prefix recorded.
CodePage oemCodePage();

} // namespace brannock
