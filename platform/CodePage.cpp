#include "platform/CodePage.h"

#include "platform/CodePageConverter.h"

#include <algorithm>
#include <array>

namespace brannock {

namespace {

constexpr std::array kSingleBytePages = {437, 737, 775, 850, 852, 855, 857, 858, 860, 861, 862, 863, 865, 866,
                                         869, 874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};
/// Japanese, Chinese, Korean and UTF-8: every byte from 0x80 up starts a sequence whose
/// trailing bytes may look like a quote or a backslash, so only their ASCII half is written.
constexpr std::array kMultiBytePages = {932, 936, 949, 950, 65001};

bool isOneOf(const auto &pages, int number)
{
    return std::find(pages.begin(), pages.end(), number) != pages.end();
}

} // namespace

std::optional<CodePage> CodePage::byNumber(int number)
{
    if (isOneOf(kSingleBytePages, number) || isOneOf(kMultiBytePages, number))
        return CodePage(number);
    return std::nullopt;
}

QList<int> CodePage::singleBytePages()
{
    return QList<int>(kSingleBytePages.begin(), kSingleBytePages.end());
}

int CodePage::number() const
{
    return m_number;
}

bool CodePage::asciiOnly() const
{
    return isOneOf(kMultiBytePages, m_number);
}

CodePage::Encoded CodePage::encode(QStringView text) const
{
    Encoded result;
    result.bytes.reserve(text.size());
    std::optional<detail::CodePageConverter> converter; // opened at the first character beyond ASCII
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            result.bytes.append(char(c.unicode()));
            continue;
        }
        std::optional<char> byte;
        if (!asciiOnly()) {
            if (!converter)
                converter.emplace(m_number);
            const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
            byte = converter->toByte(text.mid(i, length));
            // Only a byte that reads back as the very same character counts: no look-alike,
            // no "?" for a broken surrogate.
            if (byte && converter->toCharacter(*byte) != c)
                byte.reset();
        }
        if (!byte) {
            result.badIndex = i;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(*byte);
    }
    return result;
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QString text;
    text.reserve(bytes.size());
    std::optional<detail::CodePageConverter> converter;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            text.append(QChar(char16_t(byte)));
            continue;
        }
        std::optional<QChar> c;
        if (!asciiOnly()) {
            if (!converter)
                converter.emplace(m_number);
            c = converter->toCharacter(byte);
        }
        text.append(c.value_or(QChar(QChar::ReplacementCharacter)));
    }
    return text;
}

bool CodePage::canHold(QStringView text, qsizetype *badIndex) const
{
    const Encoded encoded = encode(text);
    if (badIndex)
        *badIndex = encoded.badIndex;
    return encoded.ok();
}

} // namespace brannock
