#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace kerwano {

// Converts a numeric text with the decimal comma. Accepted: leading spaces,
// an optional sign (+ or -), a run of digits, optionally the comma and a
// second run of digits, optionally "E" or "e" with an optional sign and a run
// of digits, trailing spaces, nothing else. The mantissa's digit runs may be
// empty as long as at least one digit or the comma stands there: "," -> 0,
// "12," -> 12, ",5" -> 0.5. An empty exponent run counts as 0 ("1E" -> 1).
// Fails (nullopt) on an empty text, spaces only, a second comma, any other
// character, or a result too large for a double. A result too small for a
// double becomes 0. The result is the double nearest to the decimal value.
std::optional<double> TekstNaLiczbe(const QString &tekst);

// Converts a decimal integer text: optional leading spaces, optional sign,
// at least one digit, nothing else; fails outside the 32-bit signed range.
std::optional<int> TekstNaCalkowita(const QString &tekst);

// The typed-character rule of numeric fields: digits 0-9, Backspace (code 8)
// and, for real-number fields, the comma. Everything else is discarded.
bool ZnakDozwolony(QChar znak, bool z_przecinkiem);

} // namespace kerwano
