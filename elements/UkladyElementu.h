#pragma once

#include "elements/ParametryElementu.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace kerwano {

// The field keys of a parameter text ("H = 15,00"); nothing else spells them.
namespace klucz {
inline constexpr QStringView H = u"H = ";
inline constexpr QStringView L = u"L = ";
inline constexpr QStringView F = u"f = ";
inline constexpr QStringView C = u"c = ";
inline constexpr QStringView N = u"n = ";
} // namespace klucz

// The numbers a parameter text can hold: H and L in every layout, the others
// as the layout needs them.
enum class PoleParametru
{
    H,
    L,
    F,
    C,
    N
};

struct OpisPola
{
    PoleParametru pole;
    QStringView klucz; // in the text: "H = "
    QString nazwa;     // in the element sheet: "H"
    QString etykieta;  // the dialog's label: "&H [m]"
    bool calkowite;    // an integer (n), written without decimals
};
const OpisPola &OpisPolaParametru(PoleParametru pole);

// A picture of an arrangement or a layout: its SVG resource and what a screen
// reader says of it.
struct Rysunek
{
    QString plik;
    QString nazwa;
    QString opis;
};

// Where the element dialog refuses a layout's numbers: the field and why.
struct OdmowaPola
{
    PoleParametru pole;
    QString powod;
};

// Arrangement of the element's earth electrode ("Układ A", "Układ B").
struct OpisUkladu
{
    TypUkladu typ;
    QString znak;       // "A": the text writes "Układ A", looks for "Układ A,"
    QString przycisk;   // the dialog's button: "Układ &A"
    bool kc_instalacji; // kc by the layout; otherwise 1 for every layout
    Rysunek rysunek;
};

// Installation layout ("układ 1" .. "układ 3").
struct OpisInstalacji
{
    TypInstalacji typ;
    QString znak;                    // "1": the text writes "układ 1", looks for "układ 1,"
    QString przycisk;                // the dialog's button: "Układ &1"
    std::vector<PoleParametru> pola; // the fields after H and L, in the text's order
    // kc in arrangement A: NaN where the layout's expression cannot be evaluated.
    double (*kc)(const QString &tekst);
    // The element sheet's kc expression with the text's values ("kc = (f +
    // H) / ... = (4 + 10) / ..."); empty for a layout whose kc is constant.
    QString (*wzor_kc)(const QString &tekst);
    // Why `kc` gives no number for the text.
    QString (*powod_braku_kc)(const QString &tekst);
    // The field the dialog refuses and why, nullopt when it takes the numbers.
    std::optional<OdmowaPola> (*odmowa)(const QString &tekst);
    Rysunek rysunek;
};

// Insulating medium ("powietrze", "dielektryk").
struct OpisOsrodka
{
    Material typ;
    QString nazwa;    // "powietrze": the text looks for "powietrze,"
    QString przycisk; // the dialog's button: "&powietrze"
    double km;
};

// Every arrangement, layout and medium in the order the dialog shows them and
// the texts are read (a later key wins); nullptr for Brak.
const std::vector<OpisUkladu> &Uklady();
const std::vector<OpisInstalacji> &Instalacje();
const std::vector<OpisOsrodka> &Osrodki();
const OpisUkladu *OpisTypuUkladu(TypUkladu typ);
const OpisInstalacji *OpisTypuInstalacji(TypInstalacji typ);
const OpisOsrodka *OpisMaterialu(Material typ);

// A value as the text holds it, trimmed, or "?" when the text has no such field.
QString TekstWartosci(const QString &tekst, PoleParametru pole);

} // namespace kerwano
