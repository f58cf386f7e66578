#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace brannock {

namespace detail {
struct CodePageTable;
}

/// A single-byte Windows code page. Encoding never substitutes: a character the code
/// page cannot hold is reported, never replaced by "?" or a look-alike.
class CodePage final {
public:
    /// The code page with that number, or nullopt when it is not a supported single-byte page.
    static std::optional<CodePage> byNumber(int number);

    /// The system's ANSI code page: GetACP() on Windows, Windows-1252 elsewhere (.tsf files).
    static CodePage ansi();

    int number() const;

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
    explicit CodePage(const detail::CodePageTable *table) : m_table(table) {}
    const detail::CodePageTable *m_table;
};

} // namespace brannock
