#include "reports/okna/UkladStron.h"

#include <QImage>

namespace {

// A band stands for nothing until it is given one; the summary's place is
// kept on a device that is never painted on.
const QPaintDevice &BezUrzadzenia()
{
    static const QImage obraz(1, 1, QImage::Format_Mono);
    return obraz;
}

} // namespace

UkladStron::UkladStron(qreal wysokosc, PasmoStrony naglowek, PasmoStrony stopka)
    : m_podsumowanie(BezUrzadzenia()), m_wysokosc(wysokosc), m_naglowek(std::move(naglowek)),
      m_stopka(std::move(stopka))
{
}

qreal UkladStron::Jednostka::wysokosc() const
{
    qreal razem = 0;
    for (const Pasmo &p : pasma)
        razem += p.wysokosc();
    return razem;
}

void UkladStron::Dodaj(const Pasmo &pasmo, bool od_nowej_strony)
{
    m_jednostki.append({{pasmo}, od_nowej_strony, m_powtarzane_teraz});
}

void UkladStron::DodajRazem(const QList<Pasmo> &pasma)
{
    m_jednostki.append({pasma, false, m_powtarzane_teraz});
}

void UkladStron::Powtarzaj(const Pasmo &pasmo)
{
    if (pasmo.wysokosc() <= 0) {
        m_powtarzane_teraz = -1;
        return;
    }
    m_powtarzane.append(pasmo);
    m_powtarzane_teraz = static_cast<int>(m_powtarzane.size()) - 1;
}

void UkladStron::Podsumowanie(const Pasmo &pasmo, qreal odstep)
{
    m_jest_podsumowanie = true;
    m_podsumowanie = pasmo;
    m_odstep = odstep;
}

QList<QList<ElementWydruku>> UkladStron::Strony() const
{
    struct Strona
    {
        Pasmo tlo;                      // header, repeated band, footer
        QList<QPair<int, qreal>> pasma; // unit and its top
        qreal gora = 0, dol = 0;
    };
    QList<Strona> strony;
    qreal y = 0;
    auto nowa = [&](int powtarzane) {
        const int nr = static_cast<int>(strony.size()) + 1;
        Strona s{m_naglowek(nr), {}, 0, 0};
        const Pasmo stopka = m_stopka(nr);
        s.gora = s.tlo.wysokosc();
        s.dol = m_wysokosc - stopka.wysokosc();
        s.tlo.Umiesc(stopka, s.dol);
        if (powtarzane >= 0) {
            const Pasmo &p = m_powtarzane[powtarzane];
            s.tlo.Umiesc(p, s.gora);
            s.gora += p.wysokosc();
        }
        strony.append(s);
        y = s.gora;
    };
    auto umiesc = [&](int nr) {
        strony.last().pasma.append({nr, y});
        y += m_jednostki[nr].wysokosc();
    };

    for (int nr = 0; nr < m_jednostki.size(); ++nr) {
        const Jednostka &j = m_jednostki[nr];
        // A page that holds nothing yet takes the bands even when they
        // overflow it: a new page would have no more room.
        const bool pusta = strony.isEmpty() || strony.last().pasma.isEmpty();
        if (strony.isEmpty() ||
            (!pusta && (j.od_nowej_strony || j.wysokosc() > strony.last().dol - y)))
            nowa(j.powtarzane);
        umiesc(nr);
    }
    if (m_jest_podsumowanie) {
        if (strony.isEmpty())
            nowa(-1);
        if (m_podsumowanie.wysokosc() + m_odstep > strony.last().dol - y) {
            Strona &ostatnia = strony.last();
            const int nr = ostatnia.pasma.isEmpty() ? -1 : ostatnia.pasma.last().first;
            if (nr >= 0 && ostatnia.pasma.size() > 1 && !m_jednostki[nr].od_nowej_strony) {
                ostatnia.pasma.removeLast();
                nowa(m_jednostki[nr].powtarzane);
                umiesc(nr);
            } else {
                nowa(-1);
            }
        }
    }

    QList<QList<ElementWydruku>> wynik;
    for (Strona &s : strony) {
        for (const auto &[nr, gora] : s.pasma) {
            qreal yp = gora;
            for (const Pasmo &p : m_jednostki[nr].pasma) {
                s.tlo.Umiesc(p, yp);
                yp += p.wysokosc();
            }
        }
        wynik.append(s.tlo.elementy());
    }
    if (m_jest_podsumowanie && !strony.isEmpty()) {
        const Strona &s = strony.last();
        Pasmo ostatnia(BezUrzadzenia());
        ostatnia.Umiesc(m_podsumowanie, s.dol - m_podsumowanie.wysokosc());
        wynik.last() += ostatnia.elementy();
    }
    return wynik;
}
