#pragma once

#include <QChar>
#include <QStringView>

#include <memory>
#include <optional>

namespace brannock::detail {

/// The system's converter for one single-byte Windows code page (iconv on Linux,
/// WideCharToMultiByte / MultiByteToWideChar on Windows), one character at a time. It never
/// substitutes: a character without a byte of its own in the page has none.
class CodePageConverter final {
public:
    /// False when the system has no converter for the page.
    static bool isAvailable(int page);

    explicit CodePageConverter(int page);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter &) = delete;
    CodePageConverter &operator=(const CodePageConverter &) = delete;

    /// The one byte that stands for `character` (one UTF-16 unit, or a surrogate pair);
    /// nullopt when the page has no byte for it, or would write it as several bytes or as a
    /// best-fit look-alike.
    std::optional<char> toByte(QStringView character);
    /// The character of `byte`; nullopt when the page does not define the byte.
    std::optional<QChar> toCharacter(char byte);

private:
    struct Handles;
    int m_page;
    std::unique_ptr<Handles> m_handles;
};

} // namespace brannock::detail
