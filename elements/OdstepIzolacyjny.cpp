#include "elements/OdstepIzolacyjny.h"

#include "angles/KrzyweKatow.h"
#include "elements/ParametryElementu.h"
#include "risk/Formaty.h"

#include <QtNumeric>

#include <cmath>

namespace kerwano {

double WspolczynnikKi(Klasa klasa)
{
    switch (klasa.klasa) {
    case 1:
        return 0.1;
    case 2:
        return 0.075;
    case 3:
    case 4:
        return 0.05;
    default:
        return 0;
    }
}

double WspolczynnikKiPN(Klasa klasa)
{
    switch (klasa.klasa) {
    case 1:
        return 0.08;
    case 2:
        return 0.06;
    case 3:
    case 4:
        return 0.04;
    default:
        return 0;
    }
}

double WspolczynnikKm(Material material)
{
    switch (material) {
    case Material::Powietrze:
        return 1.0;
    case Material::Dielektryk:
        return 0.5;
    case Material::Brak:
        break;
    }
    return -1.0;
}

namespace {

// Wire between two masts: (f + H) / (f + 2H); NaN where f + 2H = 0.
double KcDrutu(double f, double H)
{
    const double mianownik = f + 2 * H;
    if (mianownik == 0)
        return qQNaN();
    const double kc = (f + H) / mianownik;
    return std::isfinite(kc) ? kc : qQNaN();
}

// Meshed air termination with n down-conductors c apart:
// 1 / (2n) + 0.1 + 0.2 * (c / H)^(1/3); NaN without a down-conductor, with
// H = 0 or with a negative c / H.
double KcSiatki(double c, double H, int n)
{
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

} // namespace

double WspolczynnikKc(const QString &tekst)
{
    const TypUkladu uklad = CzytajTypUkladu(tekst);
    const TypInstalacji instalacja = CzytajTypInstalacji(tekst);
    if (uklad == TypUkladu::Brak || instalacja == TypInstalacji::Brak)
        return -1.0;
    if (uklad == TypUkladu::B)
        return 1.0;
    switch (instalacja) {
    case TypInstalacji::Uklad2:
        return KcDrutu(CzytajF(tekst), CzytajH(tekst));
    case TypInstalacji::Uklad3:
        return KcSiatki(CzytajC(tekst), CzytajH(tekst), CzytajN(tekst));
    default:
        return 1.0;
    }
}

WynikOdstepu ObliczOdstep(const QString &tekst, Klasa klasa, const KrzyweKatow &krzywe)
{
    WynikOdstepu w;
    w.ki = WspolczynnikKi(klasa);
    // -1 (or any negative kc) marks a coefficient the text does not give,
    // NaN a kc whose expression cannot be evaluated: d is undefined for both.
    const double km = WspolczynnikKm(CzytajMaterial(tekst));
    const double kc = WspolczynnikKc(tekst);
    w.km = km < 0 ? qQNaN() : km;
    w.kc = kc < 0 ? qQNaN() : kc;
    w.alfa = krzywe.KatOslonowy(klasa, CzytajH(tekst)).value_or(-1.0);
    const double L = CzytajL(tekst);
    w.d = L * ((w.kc / w.km) * w.ki);
    w.d_pn = L * ((w.kc / w.km) * WspolczynnikKiPN(klasa));
    // A negative length in a hand-edited text gives no distance either.
    if (w.d < 0)
        w.d = qQNaN();
    if (w.d_pn < 0)
        w.d_pn = qQNaN();
    return w;
}

QString TekstOdstepu(double d)
{
    if (std::isnan(d))
        return QStringLiteral("?");
    return DwaMiejsca(d) + QStringLiteral(" m");
}

QString TekstAlfa(double alfa)
{
    return alfa >= 0 ? DwaMiejsca(alfa) + QStringLiteral(" °") : QStringLiteral("?");
}

} // namespace kerwano
