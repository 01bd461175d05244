#include "risk/ParametryKlasy.h"

namespace kerwano {

ParametryKlasy ParametryDlaKlasy(int klasa)
{
    // Columns: class, E, Is, dI/dt, t1/t2, Q, W/R, a x b, R, down conductor spacing.
    static const char *const tabela[4][10] = {
        {"I", "98", "200", "20", "10/350", "300", "10000", "5x5", "20", "10"},
        {"II", "95", "150", "15", "10/350", "225", "5600", "10x10", "30", "15"},
        {"III", "90", "100", "10", "10/350", "150", "2500", "15x15", "45", "20"},
        {"IV", "80", "100", "10", "10/350", "150", "2500", "20x20", "60", "25"},
    };

    ParametryKlasy p;
    if (klasa < 1 || klasa > 4) {
        const QString nieznane = QStringLiteral("?");
        p = {nieznane, nieznane, nieznane, nieznane, nieznane, nieznane,
             nieznane, nieznane, nieznane, nieznane, nieznane};
        return p;
    }

    const char *const *w = tabela[klasa - 1];
    p.klasa = QString::fromLatin1(w[0]);
    p.E = QString::fromLatin1(w[1]);
    p.Is = QString::fromLatin1(w[2]);
    p.didt = QString::fromLatin1(w[3]);
    p.tt = QString::fromLatin1(w[4]);
    p.Q = QString::fromLatin1(w[5]);
    p.WR = QString::fromLatin1(w[6]);
    p.ab = QString::fromLatin1(w[7]);
    p.R = QString::fromLatin1(w[8]);
    p.ods = QString::fromLatin1(w[9]);
    p.H = p.R; // side strikes are expected above the rolling sphere radius
    return p;
}

} // namespace kerwano
