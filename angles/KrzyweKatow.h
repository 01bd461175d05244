#pragma once

#include "risk/Klasa.h"

#include <QString>
#include <optional>
#include <vector>

namespace kerwano {

// The four protective-angle curves (classes I to IV), sampled at every
// centimetre from the base tables at whole metres. Built once; every angle
// the program shows or prints is one indexed read of these samples.
class KrzyweKatow
{
public:
    // Every curve ends at this angle at the limit height of its class.
    static constexpr double KAT_KONCOWY = 23;

    KrzyweKatow(); // builds all 15 504 points

    // Limit height of a class in metres (20, 30, 45, 60); 0 for other codes.
    static int WysokoscGraniczna(int klasa);
    // Base table of a class (angles at 0, 1, 2 ... m); empty for other codes.
    static const std::vector<double> &KatyBazowe(int klasa);

    // Sampled curve of class 1..4: point j is the angle at j centimetres.
    const std::vector<double> &Krzywa(int klasa) const;

    // The protective angle for class `klasa` (I+ as I) at height `h` metres,
    // or nullopt: for no class, a height above the class's limit (the limit
    // itself has an angle), a negative height or NaN. Otherwise the point
    // j = h * 100 (extended precision) rounded half to even.
    std::optional<double> KatOslonowy(Klasa klasa, double h) const;

    // Angle cell text: "?" without an angle, otherwise F2 of the angle ("65,25").
    QString TekstKata(Klasa klasa, double h) const;
    static QString TekstKata(std::optional<double> kat);

private:
    std::vector<double> m_krzywe[4];
};

} // namespace kerwano
