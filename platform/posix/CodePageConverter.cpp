#include "platform/CodePageConverter.h"

#include <QByteArray>
#include <QString>

#include <iconv.h>

namespace brannock::detail {

namespace {

QByteArray iconvName(int page)
{
    return "CP" + QByteArray::number(page);
}

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

/// Converts all of `in` with `cd` from its initial state; nullopt when iconv refuses any of it.
std::optional<QByteArray> convert(iconv_t cd, const QByteArray &in)
{
    if (cd == kNoConverter)
        return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray source = in;
    char out[16];
    char *inPtr = source.data();
    size_t inLeft = size_t(source.size());
    char *outPtr = out;
    size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == size_t(-1)) // flush a pending state
        return std::nullopt;
    return QByteArray(out, qsizetype(outPtr - out));
}

} // namespace

struct CodePageConverter::Handles {
    iconv_t toPage = kNoConverter;
    iconv_t fromPage = kNoConverter;
};

bool CodePageConverter::isAvailable(int page)
{
    const iconv_t cd = iconv_open(iconvName(page).constData(), "UTF-8");
    if (cd == kNoConverter)
        return false;
    iconv_close(cd);
    return true;
}

CodePageConverter::CodePageConverter(int page) : m_page(page), m_handles(std::make_unique<Handles>())
{
    m_handles->toPage = iconv_open(iconvName(m_page).constData(), "UTF-8");
    m_handles->fromPage = iconv_open("UTF-8", iconvName(m_page).constData());
}

CodePageConverter::~CodePageConverter()
{
    if (m_handles->toPage != kNoConverter)
        iconv_close(m_handles->toPage);
    if (m_handles->fromPage != kNoConverter)
        iconv_close(m_handles->fromPage);
}

std::optional<char> CodePageConverter::toByte(QStringView character)
{
    // Some converters write a character the page lacks as a base letter and a combining
    // mark (two bytes): that is no byte of the page's own.
    const std::optional<QByteArray> bytes = convert(m_handles->toPage, character.toUtf8());
    if (!bytes || bytes->size() != 1)
        return std::nullopt;
    return bytes->at(0);
}

std::optional<QChar> CodePageConverter::toCharacter(char byte)
{
    const std::optional<QByteArray> text = convert(m_handles->fromPage, QByteArray(1, byte));
    if (!text)
        return std::nullopt;
    const QString decoded = QString::fromUtf8(*text);
    if (decoded.size() != 1)
        return std::nullopt;
    return decoded.at(0);
}

} // namespace brannock::detail
