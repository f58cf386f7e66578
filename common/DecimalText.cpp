#include "common/DecimalText.h"

#include <QByteArray>

#include <charconv>
#include <limits>

namespace brannock {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<double> parseDecimal(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    QStringView body = text.mid(begin, end - begin);

    bool negative = false;
    if (!body.isEmpty() && (body[0] == u'+' || body[0] == u'-')) {
        negative = body[0] == u'-';
        body = body.mid(1);
    }

    // Walk the grammar, noting the decimal magnitude so that a value too large or too
    // small for a double can be told apart.
    qsizetype i = 0;
    qsizetype intDigits = 0;   // integer digits after leading zeros
    qsizetype fracZeros = 0;   // zeros after the point before the first other digit
    bool seenNonZero = false;
    bool anyDigit = false;
    while (i < body.size() && isDigit(body[i])) {
        anyDigit = true;
        if (body[i] != u'0' || seenNonZero) {
            seenNonZero = true;
            ++intDigits;
        }
        ++i;
    }
    if (i < body.size() && body[i] == u'.') {
        ++i;
        while (i < body.size() && isDigit(body[i])) {
            anyDigit = true;
            if (!seenNonZero) {
                if (body[i] == u'0')
                    ++fracZeros;
                else
                    seenNonZero = true;
            }
            ++i;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    long long exponent = 0;
    if (i < body.size() && (body[i] == u'e' || body[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < body.size() && (body[i] == u'+' || body[i] == u'-')) {
            negativeExponent = body[i] == u'-';
            ++i;
        }
        if (i == body.size() || !isDigit(body[i]))
            return std::nullopt;
        while (i < body.size() && isDigit(body[i])) {
            if (exponent < 1'000'000)
                exponent = exponent * 10 + (body[i].unicode() - u'0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != body.size())
        return std::nullopt;

    const QByteArray ascii = body.toLatin1();
    double value = 0;
    const auto [ptr, error] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        const long long magnitude = (intDigits > 0 ? intDigits : -fracZeros) + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || ptr != ascii.constData() + ascii.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace brannock
