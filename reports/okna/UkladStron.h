#pragma once

#include "reports/okna/Pasmo.h"

#include <functional>

// Lays bands out on pages as a banded report does: each page starts with
// its page header and ends with its page footer; the bands follow one
// another down the page and one that does not fit in the room left goes to
// a new page. A band is never split.
class UkladStron
{
public:
    using PasmoStrony = std::function<Pasmo(int nr_strony)>;

    // `wysokosc` is the page's printable height in millimetres.
    UkladStron(qreal wysokosc, PasmoStrony naglowek, PasmoStrony stopka);

    // The next band; with `od_nowej_strony` it begins a new page even when
    // the page in progress has room.
    void Dodaj(const Pasmo &pasmo, bool od_nowej_strony = false);
    // Bands kept together on one page, the first of them where Dodaj would
    // put it.
    void DodajRazem(const QList<Pasmo> &pasma);
    // The summary: at the bottom of the last page, just above its footer, or
    // at the bottom of a new page when the last one has no room left.
    void Podsumowanie(const Pasmo &pasmo);

    // The pages laid out so far, each closed with its footer.
    QList<QList<ElementWydruku>> Strony() const;

private:
    void NowaStrona();
    qreal Miejsce() const { return m_dol - m_y; }

    qreal m_wysokosc;
    PasmoStrony m_naglowek, m_stopka;
    QList<Pasmo> m_strony;
    qreal m_y = 0;    // where the next band goes on the page in progress
    qreal m_gora = 0; // below the page header
    qreal m_dol = 0;  // above the page footer
};
