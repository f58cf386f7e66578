#pragma once

#include <QStringView>

#include <optional>

namespace brannock {

/// The value of a decimal number text, the one reading of numeric text in settings and
/// fields: optional surrounding blanks, an optional sign, digits with an optional fraction
/// and exponent ("  -1.5e2 "). nullopt when the text is not such a number (the empty text
/// is not). Too large a number gives an infinity.
std::optional<double> parseDecimal(QStringView text);

} // namespace brannock
