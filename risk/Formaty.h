#pragma once

#include <QString>

namespace kerwano {

// Number formats of the program, all with the decimal comma.
//
// The value is taken as its first 18 significant decimal digits (the exact
// decimal expansion of the 80-bit value, cut after the 18th digit), then
// rounded half up (on the magnitude) at whichever comes first: the
// `precyzja`-th significant digit or the `miejsca`-th digit after the comma.
// It is written in fixed notation with exactly `miejsca` decimals. When the
// rounded number has more than `precyzja` digits before the comma it is
// written in exponent form instead: first digit, then the comma and the
// remaining significant digits without trailing zeros (if any), then "E" and
// the exponent without sign or leading zeros (1234567.8 -> "1,23457E6").
// A value that rounds to zero is written without a minus sign.
// Infinities are written "∞" and "-∞", NaN as "?".
QString FormatStaly(long double x, int precyzja, int miejsca);

QString F5(long double x); // FormatStaly(x, 6, 5): 41.2743338823 -> "41,27430"
QString F2(long double x); // FormatStaly(x, 6, 2): 96.5425978 -> "96,54"
QString F6(long double x); // FormatStaly(x, 6, 6)
QString K2(long double x); // FormatStaly(x, 2, 2): 10 -> "10,00", 0.25 -> "0,25"

// Shortest form with up to 15 significant digits, no trailing zeros:
// 29 -> "29", 12.5 -> "12,5". Exponent form ("1E20", "1,5E-7") when the
// rounded value has more than 15 digits before the comma or is below 0.0001
// (0.0001 -> "0,0001", 0.00001 -> "1E-5"). Zero is "0".
QString G(long double x);

// Two-decimal number of the element list (parameter texts, height cells):
// below one million exactly F2 (so 12345.678 -> "12345,70"); from one
// million on, fixed notation rounded to the hundredth without the
// six-digit limit, so that the text reads back to the value it shows.
QString DwaMiejsca(double x);

} // namespace kerwano
