#include "reports/okna/WydrukObliczen.h"

#include "pliki/ZapisPliku.h"
#include "project/ModelProjektu.h"
#include "reports/okna/UkladStron.h"

#include <QDate>
#include <QPrinter>

namespace {

// Columns, in millimetres from the left margin: where each starts at the
// least; a caption wider in the font actually used pushes its values right.
constexpr qreal kTekstWyboru = 52;     // the entry chosen in (A) .. (C)
constexpr qreal kSzerokoscWyboru = 89; // at most
constexpr qreal kKoniecWspolczynnika = 160;
constexpr qreal kWartoscNd = 105; // Ng and the building's dimensions
constexpr qreal kOdstepKolumn = 2;
// The verdict's double frame, centred.
constexpr qreal kSzerokoscRamki = 157;
constexpr qreal kWysokoscRamki = 32;

QFont Tekst10()
{
    return Times(10);
}

// A section heading, bold 14 point; returns the height it takes.
qreal Naglowek(Pasmo &p, qreal y, const QString &tekst)
{
    return p.Tekst(0, y, tekst, Times(14, true)) + 2.5;
}

// One of the groups (A) to (C), under the heading of section 1 for the first.
// The entry's text starts after the widest caption of the three groups and
// ends before the widest coefficient; a longer one takes more lines.
Pasmo Grupa(const QPaintDevice &u, const kerwano::TrescObliczen &t, int nr)
{
    Pasmo p(u);
    qreal x = kTekstWyboru, wspolczynnik = 0;
    for (const kerwano::GrupaWspolczynnikow &g : t.grupy)
        for (const kerwano::WierszWspolczynnika &w : g.wiersze) {
            x = std::max(x, p.Szerokosc(w.podpis, Tekst10()) + kOdstepKolumn);
            wspolczynnik = std::max(wspolczynnik, p.Szerokosc(w.wspolczynnik, Tekst10()));
        }
    const qreal szerokosc =
        std::min(kSzerokoscWyboru, kKoniecWspolczynnika - wspolczynnik - kOdstepKolumn - x);
    qreal y = nr == 0 ? Naglowek(p, 0, t.naglowek_Nc) : 0;
    const kerwano::GrupaWspolczynnikow &g = t.grupy[static_cast<size_t>(nr)];
    y += p.Tekst(0, y, g.naglowek, Times(10, true, false, true)) + 1.0;
    for (const kerwano::WierszWspolczynnika &w : g.wiersze) {
        p.Tekst(0, y, w.podpis, Tekst10());
        p.Tekst(0, y, w.wspolczynnik, Tekst10(), Qt::AlignRight, kKoniecWspolczynnika);
        y += p.Akapit(x, y, w.wybor, Tekst10(), szerokosc, TWydruk::Wiersz(p));
    }
    y += p.Tekst(0, y, g.wynik, Times(10, true));
    if (nr == 2) {
        y += 3;
        y += p.Tekst(0, y, t.Nc, Times(10, true));
    }
    p.UstawWysokosc(y + 4);
    return p;
}

// Section 2, the calculation of Nd.
Pasmo SekcjaNd(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = Naglowek(p, 0, t.naglowek_Nd);
    const std::array<kerwano::Pozycja, 4> wiersze = {t.Ng, t.wymiary[0], t.wymiary[1],
                                                     t.wymiary[2]};
    qreal x = kWartoscNd;
    for (const kerwano::Pozycja &w : wiersze)
        x = std::max(x, p.Szerokosc(w.podpis, Tekst10()) + kOdstepKolumn);
    for (const kerwano::Pozycja &w : wiersze) {
        p.Tekst(0, y, w.podpis, Tekst10());
        p.Tekst(x, y, w.wartosc, Times(10, true));
        y += TWydruk::Wiersz(p);
    }
    y += 2;
    y += p.Tekst(0, y, t.Ae.podpis, Tekst10()) + 1.5;
    y += p.Tekst(0, y, t.Ae.wartosc, Arial(10, true)) + 3;
    y += p.Tekst(0, y, t.Ce.podpis, Tekst10()) + 1.5;
    y += p.Akapit(0, y, t.Ce.wartosc, Tekst10(), TWydruk::SZEROKOSC, TWydruk::Wiersz(p)) + 1.4;
    y += p.Tekst(0, y, t.Nd, Arial(10, true));
    p.UstawWysokosc(y + 2);
    return p;
}

// Section 3: the efficiency, the verdict in its double frame and the place
// of the additional measures, kept blank when there are none.
Pasmo SekcjaSkutecznosci(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = Naglowek(p, 0, t.naglowek_skutecznosci) + 1;
    y += p.Tekst(0, y, t.E, Times(10, true)) + 3;
    y += p.Tekst(0, y, t.podpis_klasy, Tekst10()) + 2;

    const qreal x = (TWydruk::SZEROKOSC - kSzerokoscRamki) / 2;
    const QRectF ramka(x, y, kSzerokoscRamki, kWysokoscRamki);
    p.Prostokat(ramka, 0.35);
    p.Prostokat(ramka.adjusted(1, 1, -1, -1), 0.35);
    const QFont klasa = Times(14, true, false, true);
    const QStringList linie = p.Linie(t.werdykt, klasa, kSzerokoscRamki - 8, 3);
    const qreal linia = p.WysokoscLinii(klasa);
    qreal yl = y + (kWysokoscRamki - linia * linie.size()) / 2;
    for (const QString &l : linie)
        yl += p.Tekst(x, yl, l, klasa, Qt::AlignHCenter, kSzerokoscRamki);
    y += kWysokoscRamki + 3;

    const QFont memo = Arial(10);
    const qreal linia_memo = p.WysokoscLinii(memo);
    for (int i = 0; i < t.dodatkowe_srodki.size(); ++i)
        p.Tekst(x, y + i * linia_memo, t.dodatkowe_srodki[i], memo);
    p.UstawWysokosc(y + 4 * linia_memo + 5);
    return p;
}

// Where a column of the element table begins, in millimetres from the left
// margin.
qreal LewaKrawedz(const QList<kerwano::KolumnaTabeli> &tabela, qsizetype nr)
{
    qreal x = 0;
    for (qsizetype i = 0; i < nr; ++i)
        x += tabela[i].szerokosc + kerwano::ODSTEP_KOLUMN_TABELI;
    return x;
}

// The column headings' type.
QFont Naglowki()
{
    return Times(10, true);
}

// The room for the texts of a left-aligned column, which break onto as many
// lines as they need: up to where the next column's heading begins, as the
// font measures it.
qreal SzerokoscTekstu(const Pasmo &p, const QList<kerwano::KolumnaTabeli> &tabela, qsizetype nr)
{
    const qreal lewa = LewaKrawedz(tabela, nr);
    if (nr + 1 == tabela.size())
        return tabela[nr].szerokosc;
    const kerwano::KolumnaTabeli &nastepna = tabela[nr + 1];
    const qreal naglowek = p.Szerokosc(nastepna.naglowek, Naglowki());
    qreal poczatek = LewaKrawedz(tabela, nr + 1);
    if (nastepna.wyrownanie & Qt::AlignRight)
        poczatek = poczatek + nastepna.szerokosc - naglowek;
    else if (nastepna.wyrownanie & Qt::AlignHCenter)
        poczatek += (nastepna.szerokosc - naglowek) / 2;
    return poczatek - kOdstepKolumn - lewa;
}

// The column headings with the rule under them, also at the top of every
// page the table continues on.
Pasmo NaglowkiKolumn(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    const QFont f = Naglowki();
    for (qsizetype i = 0; i < t.tabela.size(); ++i) {
        const kerwano::KolumnaTabeli &k = t.tabela[i];
        p.Tekst(LewaKrawedz(t.tabela, i), 0, k.naglowek, f, k.wyrownanie, k.szerokosc);
    }
    const qreal dol = p.WysokoscLinii(f) + 0.8;
    p.Linia({0, dol}, {TWydruk::SZEROKOSC, dol}, 0.2);
    p.UstawWysokosc(dol + 1.5);
    return p;
}

// Section 4's heading with the column headings.
Pasmo SekcjaTabeli(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    const qreal y = Naglowek(p, 0, t.naglowek_tabeli) + 1;
    const Pasmo naglowki = NaglowkiKolumn(u, t);
    p.Umiesc(naglowki, y);
    p.UstawWysokosc(y + naglowki.wysokosc());
    return p;
}

// The `wiersz`-th line of the table, one element; a left-aligned text (the
// name) takes as many lines as it needs, the others one.
Pasmo WierszTabeli(const QPaintDevice &u, const kerwano::TrescObliczen &t, qsizetype wiersz)
{
    Pasmo p(u);
    qreal wysokosc = TWydruk::Wiersz(p);
    for (qsizetype i = 0; i < t.tabela.size(); ++i) {
        const kerwano::KolumnaTabeli &k = t.tabela[i];
        const QString &tekst = k.wartosci[wiersz];
        const qreal x = LewaKrawedz(t.tabela, i);
        if (k.wyrownanie & Qt::AlignLeft)
            wysokosc =
                std::max(wysokosc, p.Akapit(x, 0, tekst, Tekst10(), SzerokoscTekstu(p, t.tabela, i),
                                            TWydruk::Wiersz(p)));
        else
            p.Tekst(x, 0, tekst, Tekst10(), k.wyrownanie, k.szerokosc);
    }
    p.UstawWysokosc(wysokosc);
    return p;
}

} // namespace

WydrukObliczen::WydrukObliczen(kerwano::TrescObliczen tresc) : m_tresc(std::move(tresc)) {}

QString WydrukObliczen::tytul() const
{
    return kerwano::TytulDokumentuObliczen();
}

QList<QList<ElementWydruku>> WydrukObliczen::Strony(const QPaintDevice &u, qreal wysokosc) const
{
    const kerwano::TrescObliczen &t = m_tresc;
    UkladStron uklad(
        wysokosc, [&](int) { return NaglowekStrony(u, t.tytul, QString(), t.linia_naglowka); },
        [&](int nr) { return StopkaStrony(u, nr); });
    // White space above the project data, on the first page only.
    uklad.Dodaj(Pasmo(u, 10.6));
    uklad.Dodaj(DaneProjektu(u, t.dane_projektu));
    for (int nr = 0; nr < 3; ++nr)
        uklad.Dodaj(Grupa(u, t, nr));
    uklad.Dodaj(SekcjaNd(u, t));
    uklad.Dodaj(SekcjaSkutecznosci(u, t), true);
    if (t.wiersze_tabeli() > 0) {
        // The headings never stand at the foot of a page without a line, and
        // head every page the table goes on to.
        uklad.DodajRazem({SekcjaTabeli(u, t), WierszTabeli(u, t, 0)});
        uklad.Powtarzaj(NaglowkiKolumn(u, t));
        for (qsizetype i = 1; i < t.wiersze_tabeli(); ++i)
            uklad.Dodaj(WierszTabeli(u, t, i));
    }
    uklad.Podsumowanie(Podpis(u, t.wykonano, t.linia_podpisu, t.podpis_wykonawcy), ODSTEP_PODPISU);
    return uklad.Strony();
}

void WydrukObliczen::Drukuj(QWidget *okno, const kerwano::ModelProjektu &projekt,
                            const QString &nazwa_pliku, bool nienazwany)
{
    QPrinter drukarka(QPrinter::HighResolution);
    WydrukObliczen(kerwano::ZlozTrescObliczen(projekt, QDate::currentDate()))
        .Podglad(drukarka, okno, QStringLiteral("Wydruk obliczeń"),
                 NazwaPdf(nazwa_pliku, nienazwany), nienazwany ? QString() : nazwa_pliku);
}
