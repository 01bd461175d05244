#include "elements/OdstepIzolacyjny.h"

#include "angles/KrzyweKatow.h"
#include "elements/ParametryElementu.h"
#include "elements/UkladyElementu.h"
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
    const OpisOsrodka *osrodek = OpisMaterialu(material);
    return osrodek ? osrodek->km : -1.0;
}

double WspolczynnikKc(const QString &tekst)
{
    const OpisUkladu *uklad = OpisTypuUkladu(CzytajTypUkladu(tekst));
    const OpisInstalacji *instalacja = OpisTypuInstalacji(CzytajTypInstalacji(tekst));
    if (!uklad || !instalacja)
        return -1.0;
    return uklad->kc_instalacji ? instalacja->kc(tekst) : 1.0;
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
