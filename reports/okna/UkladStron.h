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
    // From the next band on, every page that a band begins starts with
    // `pasmo` under its page header (the column headings of a table that
    // flows over pages). An empty band (height 0) ends the repetition.
    void Powtarzaj(const Pasmo &pasmo);
    // The summary: at the bottom of the last page, just above its footer,
    // with at least `odstep` mm free above it. When the last page has no
    // room, the summary does not stand alone on a new page: the last band
    // (or bands kept together) of that page moves over with it, unless it is
    // the only one there or began its page on purpose.
    void Podsumowanie(const Pasmo &pasmo, qreal odstep = 0);

    // The pages, each closed with its footer.
    QList<QList<ElementWydruku>> Strony() const;

private:
    struct Jednostka
    {
        QList<Pasmo> pasma;
        bool od_nowej_strony = false;
        int powtarzane = -1; // index in m_powtarzane, -1 for none
        qreal wysokosc() const;
    };
    QList<Jednostka> m_jednostki;
    QList<Pasmo> m_powtarzane;
    int m_powtarzane_teraz = -1;
    bool m_jest_podsumowanie = false;
    Pasmo m_podsumowanie;
    qreal m_odstep = 0;

    qreal m_wysokosc;
    PasmoStrony m_naglowek, m_stopka;
};
