#pragma once

#include "elements/ParametryElementu.h"
#include "risk/Klasa.h"

#include <QString>

namespace kerwano {

class KrzyweKatow;

// Separation distance of one roof element and its protective angle.
struct WynikOdstepu
{
    double d = 0;     // metres
    double alfa = -1; // degrees; -1 when the class has no angle at H
};

// Coefficients of d = ki * kc / km * L.
double WspolczynnikKi(Klasa klasa);       // 0 none, 0.1 I, 0.075 II, 0.05 III and IV
double WspolczynnikKm(Material material); // 1 air, 0.5 dielectric, -1 none
// kc from the element's parameter text: -1 without arrangement or layout;
// 0 when the layout's expression cannot be evaluated (n = 0, H = 0 in
// layout 3, f = H = 0 in layout 2, a negative c / H).
double WspolczynnikKc(const QString &tekst);

// d = L * ((kc / km) * ki) and the angle at H for the class `klasa` (I+
// as I), all read from the parameter text.
WynikOdstepu ObliczOdstep(const QString &tekst, Klasa klasa, const KrzyweKatow &krzywe);

// The page-3 value texts: "0,75 m" whatever the sign; "49,82 °" or "?".
QString TekstOdstepu(double d);
QString TekstAlfa(double alfa);

} // namespace kerwano
