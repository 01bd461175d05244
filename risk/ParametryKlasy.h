#pragma once

#include <QString>

namespace kerwano {

// Texts of the class parameters sheet for one protection class.
struct ParametryKlasy
{
    QString klasa; // "I", "II", "III", "IV" or "?"
    QString E;     // nominal efficiency, "98" ...
    QString Is;    // peak current, kA
    QString didt;  // rate of rise, kA/us
    QString tt;    // impulse shape, front/half-value time, us
    QString Q;     // total charge, C
    QString WR;    // specific energy, kJ/ohm
    QString ab;    // mesh size, m
    QString R;     // rolling sphere radius, m
    QString ods;   // largest spacing of down conductors, m
    QString H;     // height above which side strikes are expected, m (same as R)
};

// For klasa 1..4 the fixed texts of that class (class I also for I+);
// for any other code every text is "?".
ParametryKlasy ParametryDlaKlasy(int klasa);

} // namespace kerwano
