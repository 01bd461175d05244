#include "reports/okna/UkladStron.h"

UkladStron::UkladStron(qreal wysokosc, PasmoStrony naglowek, PasmoStrony stopka)
    : m_wysokosc(wysokosc), m_naglowek(std::move(naglowek)), m_stopka(std::move(stopka))
{
}

void UkladStron::NowaStrona()
{
    const int nr = static_cast<int>(m_strony.size()) + 1;
    Pasmo strona = m_naglowek(nr);
    const Pasmo stopka = m_stopka(nr);
    m_gora = m_y = strona.wysokosc();
    m_dol = m_wysokosc - stopka.wysokosc();
    strona.Umiesc(stopka, m_dol);
    strona.UstawWysokosc(m_wysokosc);
    m_strony.append(strona);
}

void UkladStron::Dodaj(const Pasmo &pasmo, bool od_nowej_strony)
{
    if (od_nowej_strony && !m_strony.isEmpty() && m_y > m_gora)
        NowaStrona();
    DodajRazem({pasmo});
}

void UkladStron::DodajRazem(const QList<Pasmo> &pasma)
{
    qreal razem = 0;
    for (const Pasmo &p : pasma)
        razem += p.wysokosc();
    // A page that holds nothing yet takes the bands even when they overflow
    // it: a new page would have no more room.
    if (m_strony.isEmpty() || (razem > Miejsce() && m_y > m_gora))
        NowaStrona();
    for (const Pasmo &p : pasma) {
        m_strony.last().Umiesc(p, m_y);
        m_y += p.wysokosc();
    }
}

void UkladStron::Podsumowanie(const Pasmo &pasmo)
{
    if (m_strony.isEmpty() || pasmo.wysokosc() > Miejsce())
        NowaStrona();
    m_strony.last().Umiesc(pasmo, m_dol - pasmo.wysokosc());
    m_y = m_dol;
}

QList<QList<ElementWydruku>> UkladStron::Strony() const
{
    QList<QList<ElementWydruku>> strony;
    for (const Pasmo &s : m_strony)
        strony.append(s.elementy());
    return strony;
}
