#pragma once

#include <QString>

namespace kerwano::ocena {

// Computed values: 3 significant digits, "0", "3,28", "16,0", "820",
// "2,51·10⁻⁵", "−1,20·10³".
QString FormatW(double v);
// Input and table values: the shortest decimal that reads back to the same
// double, fixed notation, decimal comma ("0,00001", "2,5", "1000").
QString FormatT(double v);
// Money: whole złoty, halves away from zero, groups of three digits split
// by a no-break space, "−" for negatives: "57 185" (without the unit).
QString FormatZl(double v);

} // namespace kerwano::ocena
