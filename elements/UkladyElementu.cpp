#include "elements/UkladyElementu.h"

#include <QtNumeric>

#include <cmath>

namespace kerwano {

namespace {

// Wire between two masts: (f + H) / (f + 2H); NaN where f + 2H = 0.
double KcDrutu(const QString &tekst)
{
    const double f = CzytajF(tekst);
    const double H = CzytajH(tekst);
    const double mianownik = f + 2 * H;
    if (mianownik == 0)
        return qQNaN();
    const double kc = (f + H) / mianownik;
    return std::isfinite(kc) ? kc : qQNaN();
}

// Meshed air termination with n down-conductors c apart:
// 1 / (2n) + 0.1 + 0.2 * (c / H)^(1/3); NaN without a down-conductor, with
// H = 0 or with a negative c / H.
double KcSiatki(const QString &tekst)
{
    const double c = CzytajC(tekst);
    const double H = CzytajH(tekst);
    const int n = CzytajN(tekst);
    if (H == 0 || n < 1)
        return qQNaN();
    const double podstawa = c / H;
    if (!std::isfinite(podstawa) || podstawa < 0)
        return qQNaN();
    const double pierwiastek = podstawa == 0 ? 0 : 0.2 * std::pow(podstawa, 1.0 / 3.0);
    // 2n as a 64-bit integer: no overflow for any n a text can hold.
    const long long dwa_n = 2LL * n;
    const double kc = 1.0 / static_cast<double>(dwa_n) + 0.1 + pierwiastek;
    return std::isfinite(kc) ? kc : qQNaN();
}

QString PonizejZera()
{
    return QStringLiteral("wynik poniżej zera");
}

Rysunek RysunekUkladu(const QString &znak, const QString &opis)
{
    return {QStringLiteral(":/kerwano/uklad_%1.svg").arg(znak),
            QStringLiteral("Rysunek układu %1").arg(znak), opis};
}

std::vector<OpisUkladu> ZlozUklady()
{
    return {
        {TypUkladu::A, QStringLiteral("A"), QStringLiteral("Układ &A"), true,
         RysunekUkladu(QStringLiteral("A"),
                       QStringLiteral("Zwód pionowy na dachu obok urządzenia dachowego: kąt "
                                      "osłonowy α na szczycie zwodu, odstęp d między zwodem a "
                                      "urządzeniem, długość L do uziomu, uziom połączony z "
                                      "uziomem budynku."))},
        {TypUkladu::B, QStringLiteral("B"), QStringLiteral("Układ &B"), false,
         RysunekUkladu(QStringLiteral("B"),
                       QStringLiteral("Jak układ A, lecz połączenie z uziomem budynku jest "
                                      "przekreślone."))},
    };
}

std::vector<OpisInstalacji> ZlozInstalacje()
{
    using P = PoleParametru;
    return {
        {TypInstalacji::Uklad1,
         QStringLiteral("1"),
         QStringLiteral("Układ &1"),
         {},
         [](const QString &) { return 1.0; },
         [](const QString &) { return QString(); },
         [](const QString &) { return PonizejZera(); },
         [](const QString &) { return std::optional<OdmowaPola>(); },
         RysunekUkladu(QStringLiteral("1"),
                       QStringLiteral("Pojedynczy zwód pionowy o wysokości H obok budynku z "
                                      "urządzeniem na dachu; odstęp d mierzony od zwodu na "
                                      "wysokości L."))},
        {TypInstalacji::Uklad2,
         QStringLiteral("2"),
         QStringLiteral("Układ &2"),
         {P::F},
         KcDrutu,
         [](const QString &tekst) {
             return QStringLiteral("kc = (f + H) / (f + 2 · H) = (%1 + %2) / (%1 + 2 · %2)")
                 .arg(TekstWartosci(tekst, P::F), TekstWartosci(tekst, P::H));
         },
         [](const QString &tekst) {
             return CzytajF(tekst) + 2 * CzytajH(tekst) == 0 ? QStringLiteral("f + 2 · H = 0")
                                                             : PonizejZera();
         },
         [](const QString &tekst) -> std::optional<OdmowaPola> {
             if (CzytajH(tekst) == 0 && CzytajF(tekst) == 0)
                 return OdmowaPola{
                     P::H, QStringLiteral("Wysokość H lub rozpiętość f musi być większa od zera.")};
             return std::nullopt;
         },
         RysunekUkladu(QStringLiteral("2"),
                       QStringLiteral("Linka rozpięta między dwoma masztami o wysokości H nad "
                                      "budynkiem, rozpiętość f; odstęp d od linki do urządzenia "
                                      "na wysokości L."))},
        {TypInstalacji::Uklad3,
         QStringLiteral("3"),
         QStringLiteral("Układ &3"),
         {P::C, P::N},
         KcSiatki,
         [](const QString &tekst) {
             return QStringLiteral("kc = 1 / (2 · n) + 0,1 + 0,2 · (c / H)^(1/3) = 1 / (2 · %1) "
                                   "+ 0,1 + 0,2 · (%2 / %3)^(1/3)")
                 .arg(TekstWartosci(tekst, P::N), TekstWartosci(tekst, P::C),
                      TekstWartosci(tekst, P::H));
         },
         [](const QString &tekst) {
             const double H = CzytajH(tekst);
             if (CzytajN(tekst) < 1)
                 return QStringLiteral("liczba zwodów n poniżej 1");
             if (H == 0)
                 return QStringLiteral("H = 0");
             if (CzytajC(tekst) / H < 0)
                 return QStringLiteral("c / H poniżej zera");
             return PonizejZera();
         },
         [](const QString &tekst) -> std::optional<OdmowaPola> {
             if (CzytajN(tekst) < 1)
                 return OdmowaPola{P::N,
                                   QStringLiteral("Liczba zwodów n musi wynosić co najmniej 1.")};
             if (CzytajH(tekst) == 0)
                 return OdmowaPola{P::H, QStringLiteral("Wysokość H musi być większa od zera.")};
             return std::nullopt;
         },
         RysunekUkladu(QStringLiteral("3"),
                       QStringLiteral("Zwód siatkowy nad budynkiem z wieloma przewodami "
                                      "odprowadzającymi i uziomami; c to odległość między "
                                      "sąsiednimi przewodami, H i L wysokości przy jednym "
                                      "przewodzie, n liczba przewodów."))},
    };
}

template <typename Opis, typename Typ> const Opis *Znajdz(const std::vector<Opis> &opisy, Typ typ)
{
    for (const Opis &o : opisy) {
        if (o.typ == typ)
            return &o;
    }
    return nullptr;
}

} // namespace

const OpisPola &OpisPolaParametru(PoleParametru pole)
{
    static const OpisPola pola[] = {
        {PoleParametru::H, klucz::H, QStringLiteral("H"), QStringLiteral("&H [m]"), false},
        {PoleParametru::L, klucz::L, QStringLiteral("L"), QStringLiteral("&L [m]"), false},
        {PoleParametru::F, klucz::F, QStringLiteral("f"), QStringLiteral("&f [m]"), false},
        {PoleParametru::C, klucz::C, QStringLiteral("c"), QStringLiteral("&c [m]"), false},
        {PoleParametru::N, klucz::N, QStringLiteral("n"), QStringLiteral("n [&szt.]"), true},
    };
    return pola[static_cast<int>(pole)];
}

const std::vector<OpisUkladu> &Uklady()
{
    static const std::vector<OpisUkladu> uklady = ZlozUklady();
    return uklady;
}

const std::vector<OpisInstalacji> &Instalacje()
{
    static const std::vector<OpisInstalacji> instalacje = ZlozInstalacje();
    return instalacje;
}

const std::vector<OpisOsrodka> &Osrodki()
{
    static const std::vector<OpisOsrodka> osrodki = {
        {Material::Powietrze, QStringLiteral("powietrze"), QStringLiteral("&powietrze"), 1.0},
        {Material::Dielektryk, QStringLiteral("dielektryk"), QStringLiteral("&dielektryk"), 0.5},
    };
    return osrodki;
}

const OpisUkladu *OpisTypuUkladu(TypUkladu typ)
{
    return Znajdz(Uklady(), typ);
}

const OpisInstalacji *OpisTypuInstalacji(TypInstalacji typ)
{
    return Znajdz(Instalacje(), typ);
}

const OpisOsrodka *OpisMaterialu(Material typ)
{
    return Znajdz(Osrodki(), typ);
}

QString TekstWartosci(const QString &tekst, PoleParametru pole)
{
    const QString w = WartoscPola(tekst, OpisPolaParametru(pole).klucz).trimmed();
    return w.isEmpty() ? QStringLiteral("?") : w;
}

} // namespace kerwano
