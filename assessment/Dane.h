#pragma once

#include <QString>
#include <QVector>

#include <limits>
#include <vector>

namespace kerwano::ocena {

// "No value": an empty optional field, a table value not overridden, a
// quantity that does not exist.
inline constexpr double BRAK = std::numeric_limits<double>::quiet_NaN();
inline bool Jest(double x)
{
    return x == x;
}

// The typed inputs of the computation, read from a valid document. Table
// fields are row numbers of their tables (Tabele.h); sets are bit masks of
// rows; integers are held as doubles.
struct DaneObiektu
{
    double L = 0, W = 0, H = 0, HP = BRAK, NG = 0, Td = BRAK;
    int CD = 0, LPS = 0, KS1 = 0;
    double wm1 = BRAK, nt = 1;
    bool oceniane[4] = {true, false, false, false}; // R1 .. R4
    int usluga = 0;
    double nt2 = 1, ct3 = 1, ct4 = 1, CPM = BRAK;
};

struct DaneLinii
{
    QString nazwa;
    int rodzaj = 0, CI = 0, CT = 0, CE = 0, ekran = 0, RS = 0, UW = 0, SPD = 0;
    double LL = 1000;
    bool sasiedni = false;
    double LJ = 0, WJ = 0, HJ = 0;
    int CDJ = 0;
};

struct DaneSystemu
{
    int linia = -1; // the line's number, -1 without a line
    int KS3 = 0, UW = 0, SPD = 0;
};

struct DaneStrefy
{
    QString nazwa;
    bool wewnatrz = true;
    double nz = 0, tz = 8760;
    int rt = 0;
    unsigned PTA = 0, PTU = 0, rp = 0;
    int rf = 0, hz = 0, rodzaj = 0;
    double LF = BRAK, LO = BRAK; // overrides
    bool zagrozenie_zycia = false;
    int KS2 = 0;
    double wm2 = BRAK;
    std::vector<DaneSystemu> systemy;
    double nz2 = 0, LF2 = BRAK, LO2 = BRAK;
    double cz = 0, LF3 = BRAK;
    double ca = 0, cb = 0, cc = 0, cs = 0;
    int rodzaj4 = 0;
    double LF4 = BRAK, LO4 = BRAK;
};

struct Dane
{
    DaneObiektu obiekt;
    std::vector<DaneLinii> linie;
    std::vector<DaneStrefy> strefy;
};

// A field's path in the file ("strefy[0].tz") and its text.
struct Komunikat
{
    QString pole;
    QString komunikat;
    bool operator==(const Komunikat &k) const { return pole == k.pole && komunikat == k.komunikat; }
};

} // namespace kerwano::ocena
