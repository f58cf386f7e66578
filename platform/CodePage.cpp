#include "platform/CodePage.h"

#include "platform/CodePageTables.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace brannock {

std::optional<CodePage> CodePage::byNumber(int number)
{
    for (std::size_t i = 0; i < detail::kCodePageTableCount; ++i)
        if (detail::kCodePageTables[i].number == number)
            return CodePage(&detail::kCodePageTables[i]);
    return std::nullopt;
}

CodePage CodePage::ansi()
{
#ifdef Q_OS_WIN
    if (auto page = byNumber(int(GetACP())))
        return *page;
#endif
    return *byNumber(1252);
}

int CodePage::number() const
{
    return m_table->number;
}

bool CodePage::asciiOnly() const
{
    for (const std::uint16_t c : m_table->upper)
        if (c != 0xFFFF)
            return false;
    return true;
}

CodePage::Encoded CodePage::encode(QStringView text) const
{
    Encoded result;
    result.bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            result.bytes.append(char(c));
            continue;
        }
        int found = -1;
        for (int b = 0; b < 128; ++b) {
            if (m_table->upper[std::size_t(b)] == c) {
                found = b;
                break;
            }
        }
        if (found < 0 || c == 0xFFFF) {
            result.badIndex = i;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(char(0x80 + found));
    }
    return result;
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            text.append(QChar(char16_t(b)));
        } else {
            const char16_t c = m_table->upper[b - 0x80];
            text.append(c == 0xFFFF ? QChar(QChar::ReplacementCharacter) : QChar(c));
        }
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
