#pragma once

#include <QString>
#include <QStringView>

namespace kerwano {

// Arrangement of the element's earth electrode against the building's;
// Brak when a text names none.
enum class TypUkladu
{
    Brak = 0,
    A = 1,
    B = 2
};
// Installation layout ("układ 1" .. "układ 3": a rod, a catenary wire, a
// mesh with n down conductors); Brak when a text names none.
enum class TypInstalacji
{
    Brak = 0,
    Uklad1 = 1,
    Uklad2 = 2,
    Uklad3 = 3
};
// Medium between the element and the installation; Brak when a text names none.
enum class Material
{
    Brak = 0,
    Powietrze = 1,
    Dielektryk = 2
};

// How many characters of an element's parameter text the project file keeps.
constexpr int POJEMNOSC_PARAMETROW = 96;
// The longest numbers the element dialog takes: characters of H, L and f or
// c, digits of n. ZlozParametry writes a number of MAKS_ZNAKOW_LICZBY
// characters with at most three more, so that the longest text these allow,
// "Układ B, układ 3, dielektryk, ..." with every number at its longest, is
// exactly POJEMNOSC_PARAMETROW characters.
constexpr int MAKS_ZNAKOW_LICZBY = 10;
constexpr int MAKS_CYFR_N = 5;

// Builds the parameter text of a roof element, for example
// "Układ A, układ 3, powietrze, H = 15,00, L = 7,50, c = 10,00, n = 4".
// `typ_instalacji` is one of the three layouts; `fc` is f for layout 2 and c for layout 3,
// unused for layout 1; `n` is used for layout 3 only. Numbers are written
// with DwaMiejsca (two decimals, decimal comma).
QString ZlozParametry(TypUkladu uklad, TypInstalacji typ_instalacji, Material material, double H,
                      double L, double fc, int n);

// Codes read back from a text; 0 when no key is found. Keys are searched
// case-sensitively anywhere in the text and a later key wins over an
// earlier one ("Układ B," over "Układ A,", "układ 3," over "układ 1,").
TypUkladu CzytajTypUkladu(const QString &tekst);         // "Układ A," A, "Układ B," B
TypInstalacji CzytajTypInstalacji(const QString &tekst); // "układ 1," Uklad1 .. "układ 3," Uklad3
Material CzytajMaterial(const QString &tekst); // "powietrze," air, "dielektryk," dielectric

// Numbers read back from a text: the value after the first "H = " (etc.) up
// to the first comma-space (or the rest of the text, at most 255
// characters), converted with TekstNaLiczbe / TekstNaCalkowita. A missing
// key or a value that does not convert gives 0.
double CzytajH(const QString &tekst);
// The value text the readers convert: after the first occurrence of `klucz`
// ("H = ") up to the first comma-space, or the rest of the text cut to 255
// characters; empty when the key is missing.
QString WartoscPola(const QString &tekst, QStringView klucz);
double CzytajL(const QString &tekst);
double CzytajF(const QString &tekst);
double CzytajC(const QString &tekst);
int CzytajN(const QString &tekst);

} // namespace kerwano
