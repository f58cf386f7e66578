#include "platform/CodePageConverter.h"

#include <windows.h>

namespace brannock::detail {

struct CodePageConverter::Handles {};

bool CodePageConverter::isAvailable(int page)
{
    return IsValidCodePage(UINT(page)) != 0;
}

CodePageConverter::CodePageConverter(int page) : m_page(page) {}

CodePageConverter::~CodePageConverter() = default;

std::optional<char> CodePageConverter::toByte(QStringView character)
{
    // No best fit ("ě" as "e"), and the default character counts as a refusal.
    char out[8];
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(UINT(m_page), WC_NO_BEST_FIT_CHARS,
                                            reinterpret_cast<LPCWCH>(character.utf16()), int(character.size()),
                                            out, int(sizeof out), nullptr, &usedDefault);
    if (written != 1 || usedDefault)
        return std::nullopt;
    return out[0];
}

std::optional<QChar> CodePageConverter::toCharacter(char byte)
{
    wchar_t out[4];
    const int written = MultiByteToWideChar(UINT(m_page), MB_ERR_INVALID_CHARS, &byte, 1, out, 4);
    if (written != 1)
        return std::nullopt;
    return QChar(char16_t(out[0]));
}

} // namespace brannock::detail
