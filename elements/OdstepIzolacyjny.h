#pragma once

#include "elements/ParametryElementu.h"
#include "risk/Klasa.h"

#include <QString>

namespace kerwano {

class KrzyweKatow;

// Separation distance of one roof element, the coefficients behind it and
// its protective angle. A coefficient the text cannot give (no medium for
// km, no arrangement or layout for kc, a kc whose expression cannot be
// evaluated) is NaN, and so is every distance that needs it: such a
// distance is shown as "?", never as a number.
struct WynikOdstepu
{
    double ki = 0;    // by the class: 0 with none
    double kc = 0;    // by the arrangement and layout
    double km = 0;    // by the medium
    double d = 0;     // metres, d = L * ((kc / km) * ki)
    double d_pn = 0;  // metres, the same with ki of PN-EN 62305-3:2011
    double alfa = -1; // degrees; -1 when the class has no angle at H
};

// Coefficients of d = ki * kc / km * L.
double WspolczynnikKi(Klasa klasa);       // 0 none, 0.1 I, 0.075 II, 0.05 III and IV
double WspolczynnikKm(Material material); // 1 air, 0.5 dielectric, -1 none
// ki of PN-EN 62305-3:2011, which keeps kc and km: 0 none, 0.08 I, 0.06 II,
// 0.04 III and IV.
double WspolczynnikKiPN(Klasa klasa);
// kc from the element's parameter text: -1 without arrangement or layout;
// NaN when the layout's expression cannot be evaluated (n below 1, H = 0 in
// layout 3, f + 2H = 0 in layout 2, a negative c / H).
double WspolczynnikKc(const QString &tekst);

// d = L * ((kc / km) * ki) and the angle at H for the class `klasa` (I+
// as I), all read from the parameter text; d is NaN where the text lacks the
// medium, the arrangement or the layout, where kc cannot be evaluated, or
// where it would be negative.
WynikOdstepu ObliczOdstep(const QString &tekst, Klasa klasa, const KrzyweKatow &krzywe);

// The page-3 value texts: "0,75 m", or "?" for a distance that cannot be
// computed; "49,82 °" or "?".
QString TekstOdstepu(double d);
QString TekstAlfa(double alfa);

} // namespace kerwano
