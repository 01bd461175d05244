#include "assessment/okna/WydrukOceny.h"

#include "reports/okna/UkladStron.h"

namespace {

using kerwano::ocena::BlokTresci;
using kerwano::ocena::KolumnaTresci;
using kerwano::ocena::LiniaTresci;
using kerwano::ocena::TabelaTresci;

constexpr qreal kWciecie = 6;
const QColor kCzerwony(0xC0, 0, 0);

// Lines of text, each broken to the width; returns the height taken.
qreal Linie(Pasmo &p, qreal y, const QList<LiniaTresci> &linie)
{
    const qreal y0 = y;
    for (const LiniaTresci &l : linie) {
        const qsizetype od = p.elementy().size();
        const qreal x = l.wciecie * kWciecie;
        y += p.Akapit(x, y, l.tekst, Times(10, l.pogrubiona), TWydruk::SZEROKOSC - x,
                      TWydruk::Wiersz(p));
        if (l.czerwona)
            p.Koloruj(od, kCzerwony);
    }
    return y - y0;
}

// The column edges of a table, in millimetres.
QVector<qreal> Kolumny(const TabelaTresci &t)
{
    qreal suma = 0;
    for (const KolumnaTresci &k : t.kolumny)
        suma += k.szerokosc;
    const qreal calosc = t.szerokosc > 0 ? t.szerokosc : TWydruk::SZEROKOSC;
    QVector<qreal> x{0};
    for (const KolumnaTresci &k : t.kolumny)
        x << x.last() + k.szerokosc / suma * calosc;
    return x;
}

// Row `wiersz` of a table, or its headings for a row below 0: each cell
// broken to its column and aligned there as the column says.
Pasmo Wiersz(const QPaintDevice &u, const TabelaTresci &t, qsizetype wiersz)
{
    Pasmo p(u);
    const bool naglowek = wiersz < 0;
    const QVector<qreal> x = Kolumny(t);
    const QFont czcionka = Times(9, naglowek);
    const qreal skok = p.WysokoscLinii(czcionka);
    int linii = 1;
    for (qsizetype k = 0; k < t.kolumny.size(); ++k) {
        const KolumnaTresci &kolumna = t.kolumny[k];
        const qreal szer = x[k + 1] - x[k] - 1.5;
        const QStringList l =
            p.Linie(naglowek ? kolumna.naglowek : kolumna.wartosci.value(wiersz), czcionka, szer);
        const qsizetype od = p.elementy().size();
        for (qsizetype i = 0; i < l.size(); ++i)
            p.Tekst(x[k] + 0.75, 0.8 + i * skok, l[i], czcionka, kolumna.wyrownanie, szer);
        if (t.czerwone.contains({wiersz, k}))
            p.Koloruj(od, kCzerwony);
        linii = std::max(linii, int(l.size()));
    }
    const qreal h = linii * skok + 1.6;
    p.Linia({0, h}, {x.last(), h}, naglowek ? 0.3 : 0.1);
    if (naglowek)
        p.Linia({0, 0}, {x.last(), 0}, 0.3);
    p.UstawWysokosc(h);
    return p;
}

// The bands of a block: its lines (with the section's title before the
// first block), then the table's heading and rows, then the lines under it.
struct Pasma
{
    Pasmo poczatek;
    Pasmo naglowek;
    QList<Pasmo> wiersze;
    Pasmo koniec;
};

Pasma Blok(const QPaintDevice &u, const BlokTresci &b, const QString &tytul_sekcji)
{
    Pasma w{Pasmo(u), Pasmo(u), {}, Pasmo(u)};
    qreal y = 1;
    if (!tytul_sekcji.isEmpty())
        y += w.poczatek.Tekst(0, y + 2, tytul_sekcji, Times(12, true)) + 3;
    const qreal y_ramki = y;
    y += Linie(w.poczatek, y + (b.ramka ? 2 : 0), b.linie) + (b.ramka ? 4 : 0);
    if (b.ramka)
        w.poczatek.Prostokat(QRectF(QPointF(-1, y_ramki), QPointF(TWydruk::SZEROKOSC + 1, y)), 0.4);
    w.poczatek.UstawWysokosc(y + 1);
    if (b.ma_tabele) {
        w.naglowek = Wiersz(u, b.tabela, -1);
        for (qsizetype i = 0; i < b.tabela.wierszy(); ++i)
            w.wiersze << Wiersz(u, b.tabela, i);
    }
    w.koniec.UstawWysokosc(b.po.isEmpty() ? 1 : Linie(w.koniec, 1, b.po) + 2);
    return w;
}

} // namespace

WydrukOceny::WydrukOceny(kerwano::ocena::TrescOceny tresc) : m_tresc(std::move(tresc)) {}

QString WydrukOceny::tytul() const
{
    return m_tresc.tytul;
}

QList<QList<ElementWydruku>> WydrukOceny::Strony(const QPaintDevice &u, qreal wysokosc) const
{
    const kerwano::ocena::TrescOceny &t = m_tresc;
    UkladStron uklad(
        wysokosc, [&](int) { return NaglowekStrony(u, t.tytul, t.podtytul, t.linia_naglowka); },
        [&](int nr) { return StopkaStrony(u, nr); });
    uklad.Dodaj(Pasmo(u, 4));
    uklad.Dodaj(DaneProjektu(u, t.dane));
    {
        Pasmo p(u);
        p.UstawWysokosc(p.Tekst(0, 1, t.plik, Times(10)) + 2);
        uklad.Dodaj(p);
    }
    // What a page holds under its header and above its footer, roughly.
    const qreal miejsce = wysokosc - 45;
    for (const kerwano::ocena::SekcjaTresci &s : t.sekcje) {
        for (qsizetype i = 0; i < s.bloki.size(); ++i) {
            const Pasma p = Blok(u, s.bloki[i], i == 0 ? s.tytul : QString());
            QList<Pasmo> razem{p.poczatek};
            qreal h = p.poczatek.wysokosc() + p.koniec.wysokosc();
            if (!p.wiersze.isEmpty()) {
                razem << p.naglowek;
                h += p.naglowek.wysokosc();
                for (const Pasmo &w : p.wiersze) {
                    razem << w;
                    h += w.wysokosc();
                }
            }
            razem << p.koniec;
            if (h <= miejsce) {
                uklad.DodajRazem(razem);
                continue;
            }
            // Too long for one page: the heading with the first row, then
            // the rows one by one under the heading repeated.
            uklad.DodajRazem({p.poczatek, p.naglowek, p.wiersze.first()});
            uklad.Powtarzaj(p.naglowek);
            for (qsizetype k = 1; k < p.wiersze.size(); ++k)
                uklad.Dodaj(p.wiersze[k]);
            uklad.Powtarzaj(Pasmo(u));
            uklad.Dodaj(p.koniec);
        }
    }
    uklad.Podsumowanie(Podpis(u, t.wykonano, t.linia_podpisu, t.podpis_wykonawcy), ODSTEP_PODPISU);
    return uklad.Strony();
}
