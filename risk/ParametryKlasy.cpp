#include "risk/ParametryKlasy.h"

namespace kerwano {

ParametryKlasy ParametryDlaKlasy(Klasa k)
{
    // Columns: E, Is, dI/dt, t1/t2, Q, W/R, a x b, R, down conductor spacing.
    static const char *const tabela[4][9] = {
        {"98", "200", "20", "10/350", "300", "10000", "5x5", "20", "10"},
        {"95", "150", "15", "10/350", "225", "5600", "10x10", "30", "15"},
        {"90", "100", "10", "10/350", "150", "2500", "15x15", "45", "20"},
        {"80", "100", "10", "10/350", "150", "2500", "20x20", "60", "25"},
    };
    const int klasa = k.klasa;

    ParametryKlasy p;
    if (klasa < 1 || klasa > 4) {
        const QString nieznane = QStringLiteral("?");
        p = {nieznane, nieznane, nieznane, nieznane, nieznane, nieznane,
             nieznane, nieznane, nieznane, nieznane, nieznane};
        return p;
    }

    const char *const *w = tabela[klasa - 1];
    p.klasa = TekstKlasy(Klasa(klasa)); // I+ shows as I here
    p.E = QString::fromLatin1(w[0]);
    p.Is = QString::fromLatin1(w[1]);
    p.didt = QString::fromLatin1(w[2]);
    p.tt = QString::fromLatin1(w[3]);
    p.Q = QString::fromLatin1(w[4]);
    p.WR = QString::fromLatin1(w[5]);
    p.ab = QString::fromLatin1(w[6]);
    p.R = QString::fromLatin1(w[7]);
    p.ods = QString::fromLatin1(w[8]);
    p.H = p.R; // side strikes are expected above the rolling sphere radius
    return p;
}

} // namespace kerwano
