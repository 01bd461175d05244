#pragma once

#include "risk/Klasa.h"

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

// For classes I to IV the fixed texts of that class (class I also for I+);
// without a class every text is "?".
ParametryKlasy ParametryDlaKlasy(Klasa klasa);

} // namespace kerwano
