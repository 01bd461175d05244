#pragma once

#include "assessment/Dane.h"

#include <array>
#include <vector>

namespace kerwano::ocena {

// The values the protection measures set; "Dobierz ochronę" and the cost
// comparison change these and nothing else.
struct Stan
{
    double PB = 1, KS1 = 1;
    std::vector<double> PEB;               // per line
    std::vector<std::vector<double>> PSPD; // per zone, per system
    std::vector<unsigned> PTA, PTU;        // per zone: the measures (rows)
    std::vector<double> rp, KS2;           // per zone
};
Stan StanPoczatkowy(const Dane &dane);

// The components in the order they are added.
enum Skladowa
{
    RA,
    RB,
    RC,
    RM,
    RU,
    RV,
    RW,
    RZ,
    LICZBA_SKLADOWYCH
};
const char *NazwaSkladowej(int skladowa); // "RA" ...

struct WynikObiektu
{
    double AD_prostokat, AD_wystajaca, AD, AM, CD, NG, ND, NM, PB, KS1;
};

struct WynikLinii
{
    double CI, CE, CT, AL, AI, NL, NI, ADJ, CDJ, NDJ, CLD, CLI, PLD, PLI, PEB, PV;
};

struct WynikSystemu
{
    int linia;
    double KS3, KS4, PMS, PSPD, CLD, CLI, PC, PM, PW, PZ;
};

// One risk in one zone. Quantities that do not exist are BRAK.
struct RyzykoStrefy
{
    double wspolczynnik = BRAK; // f (R1), u (R2), c (R3)
    double LT = BRAK, LF = BRAK, LO = BRAK, LA = BRAK, LU = BRAK, LB = BRAK, LV = BRAK, LC = BRAK,
           LM = BRAK, LW = BRAK, LZ = BRAK;
    std::array<double, LICZBA_SKLADOWYCH> c;
    double R = 0;
    RyzykoStrefy() { c.fill(BRAK); }
};

struct WynikStrefy
{
    bool wewnatrz = true;
    double rt, PTA, PA;
    double PTU = BRAK, rf = BRAK, rp = BRAK, hz = BRAK, KS2 = BRAK, PC = BRAK, PM = BRAK;
    std::vector<double> PU, PV; // per line (empty outside)
    std::vector<WynikSystemu> systemy;
    std::array<RyzykoStrefy, 4> r; // R1 .. R4 (of assessed risks only)
};

// A risk in total: a component is BRAK where the risk has none.
struct Ryzyko
{
    bool oceniane = false;
    std::array<double, LICZBA_SKLADOWYCH> c;
    double R = 0;
};

struct Wyniki
{
    WynikObiektu obiekt;
    std::vector<WynikLinii> linie;
    std::vector<WynikStrefy> strefy;
    std::array<Ryzyko, 4> r;
};

// Whether risk `r` (0 .. 3) contains the component at all.
bool RyzykoMaSkladowa(int r, int skladowa);

Wyniki Oblicz(const Dane &dane, const Stan &stan);
inline Wyniki Oblicz(const Dane &dane)
{
    return Oblicz(dane, StanPoczatkowy(dane));
}

// The tolerable risk of R1 .. R3 (index 0 .. 2), BRAK for R4.
double RyzykoTolerowane(int r);
// "10⁻⁵", "10⁻³", "10⁻⁴"; "" for R4.
QString TekstRT(int r);
// The verdict line of an assessed risk.
QString Werdykt(int r, double R);

} // namespace kerwano::ocena
