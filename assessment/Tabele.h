#pragma once

#include <QString>

namespace kerwano::ocena {

// One row of a coefficient table: the key stored in the file and the JSON,
// the label the window and the printout show, the values it stands for and
// the table's own marks. What each value and mark means is said at the
// table's declaration.
struct Wiersz
{
    const char *klucz;
    const char *etykieta; // UTF-8
    double w[5];
    unsigned cechy;
};

// A table, defined once and read by the computation, the window's lists,
// the printout and the JSON.
struct Tabela
{
    const Wiersz *wiersze;
    int liczba;

    // The row of `klucz`, or -1 when the table has no such key.
    int Indeks(const QString &klucz) const;
    QString Klucz(int i) const { return QString::fromLatin1(wiersze[i].klucz); }
    QString Etykieta(int i) const { return QString::fromUtf8(wiersze[i].etykieta); }
    double Wartosc(int i, int k = 0) const { return wiersze[i].w[k]; }
    bool Ma(int i, unsigned cecha) const { return (wiersze[i].cechy & cecha) != 0; }
    // The product of the values of the rows a set marks (bit i: row i); 1
    // for the empty set.
    double Iloczyn(unsigned maska) const;
};

// Marks of the rows.
enum Cecha : unsigned
{
    PODZIEMNA = 1,          // CI: a buried line
    TYLKO_ENERGETYCZNA = 2, // CT, ekran_linii: only for a power line
    DLA_NAPOWIETRZNEJ = 4,  // ekran_linii: allowed for an aerial line
    DLA_PODZIEMNEJ = 8,     // ekran_linii: allowed for a buried line
    EKRAN_POLACZONY = 16,   // ekran_linii: a bonded shield, RS chosen
    SIATKA = 32,            // ekran_przestrzenny: min(1, 0.12 * wm)
    WYBUCH = 64,            // rf: an explosion row
    NA_ZEWNATRZ = 128,      // polozenie: outside the structure
    ZAGRAZA_ZYCIU = 256     // rodzaj_L1: the type sets the life-hazard flag
};

// The values of each table (w[0] unless said otherwise).
extern const Tabela CD;                 // CD, also CDJ
extern const Tabela RODZAJ_LINII;       // no values
extern const Tabela CI;                 // CI
extern const Tabela CT;                 // CT
extern const Tabela CE;                 // CE
extern const Tabela LPS;                // w[0] PB, w[1] PEB of its LPL (1 without LPS)
extern const Tabela EKRAN_PRZESTRZENNY; // KS1, KS2 (w[0] unused for SIATKA)
extern const Tabela PTA;                // the measure's factor
extern const Tabela SPD;                // PEB and PSPD
extern const Tabela PTU;                // the measure's factor
extern const Tabela EKRAN_LINII;        // w[0] CLD, w[1] CLI, w[2] the counterpart row or -1
extern const Tabela RS;                 // PLD in the five UW columns
extern const Tabela PLI;                // rows of RODZAJ_LINII: PLI in the five UW columns
extern const Tabela KS3;                // KS3
extern const Tabela POLOZENIE;          // no values
extern const Tabela RT;                 // rt
extern const Tabela RP;                 // rp
extern const Tabela RF;                 // rf
extern const Tabela HZ;                 // hz
extern const Tabela RODZAJ_L1;          // w[0] LT, w[1] LF, w[2] LO
extern const Tabela USLUGA;             // w[0] LF, w[1] LO
extern const Tabela RODZAJ_L4;          // w[0] LT, w[1] LF, w[2] LO

// The rated impulse withstand voltages, kV: the five UW columns.
inline constexpr double UW_KOLUMNY[5] = {1, 1.5, 2.5, 4, 6};
// The column of `uw` (exactly one of the five), or -1.
int KolumnaUW(double uw);

// The typical values that have no table of their own.
inline constexpr double LT = 0.01;       // L1 and L4
inline constexpr double LF_L3 = 0.1;     // museums and galleries
inline constexpr double RT_R1 = 0.00001; // tolerable risks
inline constexpr double RT_R2 = 0.001;
inline constexpr double RT_R3 = 0.0001;

} // namespace kerwano::ocena
