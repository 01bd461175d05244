#pragma once

#include <QString>

namespace kerwano {

// Inputs of the protection class calculation: the coefficients chosen on
// page 1 and the building's dimensions in metres.
struct DaneKlasy
{
    double A1 = 5, A2 = 4, A3 = 4, A4 = 1;
    double B1 = 1, B2 = 1, B3 = 1, B4 = 10;
    double C1 = 1, C2 = 1, C3 = 1;
    double Ng = 1.8;
    double dlugosc_budynku = 1;
    double szerokosc_budynku = 1;
    double wysokosc_budynku = 1;
    double Ce = 0.25;
};

// A protection class: 0 none, 1 I, 2 II, 3 III, 4 IV; `klasa_plus` is 1 only
// for class I with additional measures ("I+"). Whatever looks at the number
// alone treats I+ as I.
struct Klasa
{
    int klasa = 0;
    int klasa_plus = 0;

    constexpr Klasa() = default;
    constexpr explicit Klasa(int k, int plus = 0) : klasa(k), klasa_plus(plus) {}
    constexpr bool operator==(const Klasa &k) const
    {
        return klasa == k.klasa && klasa_plus == k.klasa_plus;
    }
    constexpr bool operator!=(const Klasa &k) const { return !(*this == k); }
};

// Results: each worked in 80-bit extended precision and stored as a double.
struct WynikiKlasy
{
    double A = 0, B = 0, C = 0;
    double Nc = 0; // accepted frequency of strikes
    double Ae = 0; // equivalent collection area, m²
    double Nd = 0; // expected frequency of direct strikes, per year
    double E = 0;  // required efficiency (fraction); minus infinity when Nd = 0
    Klasa klasa;
};

// Computes A, B, C, Nc, Ae, Nd, E and the class. With Nd = 0 (no strike
// expected: a building without area) E is minus infinity, so no class.
WynikiKlasy ObliczKlase(const DaneKlasy &dane);

// The class for a stored efficiency, against the extended-precision
// thresholds 0.8, 0.9, 0.95 and 0.98 (upper bounds inclusive).
Klasa KlasaDlaE(double E);

// "?", "I", "I+", "II", "III", "IV".
QString TekstKlasy(Klasa klasa);
// The verdict shown under the results and framed on the report.
QString Werdykt(Klasa klasa);
// "E = 96,54 %" for E >= 0, otherwise "E < 0".
QString TekstE(double E);

// The texts of the page-1 results, as the labels show them: "A = 80,00000",
// ..., "Nd = 0,00002", the efficiency, the verdict and the class.
struct TekstyWynikow
{
    QString A, B, C, Nc, Ae, Nd, E, werdykt, klasa;
};
TekstyWynikow Teksty(const WynikiKlasy &wyniki);

} // namespace kerwano
