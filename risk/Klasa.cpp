#include "risk/Klasa.h"

#include "risk/Formaty.h"

#include <limits>

namespace kerwano {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the calculation needs the 80-bit extended type");

namespace {

using Rozszerzona = long double;

const Rozszerzona DZIEWIEC_PI = 28.274333882308139146L;
const Rozszerzona MIKRO = 0.000001L;
const Rozszerzona PROG_IV = 0.8L;
const Rozszerzona PROG_III = 0.9L;
const Rozszerzona PROG_II = 0.95L;
const Rozszerzona PROG_I = 0.98L;

} // namespace

WynikiKlasy ObliczKlase(const DaneKlasy &d)
{
    WynikiKlasy w;
    w.A = static_cast<double>(Rozszerzona(d.A1) * d.A2 * d.A3 * d.A4);
    w.B = static_cast<double>(Rozszerzona(d.B1) * d.B2 * d.B3 * d.B4);
    w.C = static_cast<double>(Rozszerzona(d.C1) * d.C2 * d.C3);
    w.Nc = static_cast<double>(Rozszerzona(w.A) * w.B * w.C);

    const Rozszerzona L = d.dlugosc_budynku;
    const Rozszerzona S = d.szerokosc_budynku;
    const Rozszerzona H = d.wysokosc_budynku;
    w.Ae = static_cast<double>(L * S + (6 * H) * (S + L) + (DZIEWIEC_PI * H) * H);
    w.Nd = static_cast<double>(((Rozszerzona(d.Ng) * w.Ae) * d.Ce) * MIKRO);

    if (w.Nd == 0)
        w.E = -std::numeric_limits<double>::infinity();
    else
        w.E = static_cast<double>(1 - Rozszerzona(w.Nc) / w.Nd);

    w.klasa = KlasaDlaE(w.E);
    return w;
}

Klasa KlasaDlaE(double E)
{
    const Rozszerzona e = E;
    if (!(e > 0)) // E <= 0, minus infinity included
        return Klasa(0, 0);
    if (e <= PROG_IV)
        return Klasa(4, 0);
    if (e <= PROG_III)
        return Klasa(3, 0);
    if (e <= PROG_II)
        return Klasa(2, 0);
    if (e <= PROG_I)
        return Klasa(1, 0);
    return Klasa(1, 1);
}

QString TekstKlasy(Klasa k)
{
    switch (k.klasa) {
    case 1:
        return k.klasa_plus == 1 ? QStringLiteral("I+") : QStringLiteral("I");
    case 2:
        return QStringLiteral("II");
    case 3:
        return QStringLiteral("III");
    case 4:
        return QStringLiteral("IV");
    }
    return QStringLiteral("?");
}

QString Werdykt(Klasa k)
{
    switch (k.klasa) {
    case 1:
        if (k.klasa_plus == 1)
            return QStringLiteral("Klasa I z dodatkowymi środkami bezpieczeństwa + ochrona "
                                  "przeciwprzepięciowa.");
        return QStringLiteral("Klasa I + ochrona przeciwprzepięciowa.");
    case 2:
        return QStringLiteral("Klasa II + ochrona przeciwprzepięciowa.");
    case 3:
        return QStringLiteral("Klasa III + ochrona przeciwprzepięciowa.");
    case 4:
        return QStringLiteral("Klasa IV + ochrona przeciwprzepięciowa.");
    }
    return QStringLiteral("Instalacja odgromowa nie jest potrzebna, warto jednak wykonać "
                          "zabezpieczenia przeciwprzepięciowe.");
}

QString TekstE(double E)
{
    if (E >= 0)
        return QStringLiteral("E = ") + F2(Rozszerzona(E) * 100) + QStringLiteral(" %");
    return QStringLiteral("E < 0");
}

TekstyWynikow Teksty(const WynikiKlasy &w)
{
    TekstyWynikow t;
    t.A = QStringLiteral("A = ") + F5(w.A);
    t.B = QStringLiteral("B = ") + F5(w.B);
    t.C = QStringLiteral("C = ") + F5(w.C);
    t.Nc = QStringLiteral("Nc = ") + F5(w.Nc);
    t.Ae = QStringLiteral("Ae = ") + F5(w.Ae);
    t.Nd = QStringLiteral("Nd = ") + F5(w.Nd);
    t.E = TekstE(w.E);
    t.werdykt = Werdykt(w.klasa);
    t.klasa = TekstKlasy(w.klasa);
    return t;
}

} // namespace kerwano
