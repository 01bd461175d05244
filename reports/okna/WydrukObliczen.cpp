#include "reports/okna/WydrukObliczen.h"

#include "project/ModelProjektu.h"
#include "project/ZapisPliku.h"
#include "reports/okna/UkladStron.h"

#include <QDate>
#include <QPrinter>

namespace {

// Columns, in millimetres from the left margin: where each starts at the
// least; a caption wider in the font actually used pushes its values right.
constexpr qreal kTekstWyboru = 52;     // A1_I ...
constexpr qreal kSzerokoscWyboru = 89; // at most
constexpr qreal kKoniecWspolczynnika = 160;
constexpr qreal kWartoscNd = 105; // Ng, Gabaryty_A ...
constexpr qreal kOdstepKolumn = 2;
// The verdict's double frame, centred.
constexpr qreal kSzerokoscRamki = 157;
constexpr qreal kWysokoscRamki = 32;
// The element table: the right end of Lp., the name's column, the right ends
// of the height, angle and distance columns.
constexpr qreal kKoniecLp = 9;
constexpr qreal kNazwa = 13;
constexpr qreal kKonceKolumn[3] = {114, 147, TWydruk::SZEROKOSC};

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
            wspolczynnik = std::max(wspolczynnik, p.Szerokosc(w.L, Tekst10()));
        }
    const qreal szerokosc =
        std::min(kSzerokoscWyboru, kKoniecWspolczynnika - wspolczynnik - kOdstepKolumn - x);
    qreal y = nr == 0 ? Naglowek(p, 0, t.sekcja1) : 0;
    const kerwano::GrupaWspolczynnikow &g = t.grupy[static_cast<size_t>(nr)];
    y += p.Tekst(0, y, g.naglowek, Times(10, true, false, true)) + 1.0;
    for (const kerwano::WierszWspolczynnika &w : g.wiersze) {
        p.Tekst(0, y, w.podpis, Tekst10());
        p.Tekst(0, y, w.L, Tekst10(), Qt::AlignRight, kKoniecWspolczynnika);
        y += p.Akapit(x, y, w.I, Tekst10(), szerokosc, TWydruk::Wiersz(p));
    }
    y += p.Tekst(0, y, g.wynik, Times(10, true));
    if (nr == 2) {
        y += 3;
        y += p.Tekst(0, y, t.Nc, Times(10, true));
    }
    p.UstawWysokosc(y + 4);
    return p;
}

Pasmo Sekcja2(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = Naglowek(p, 0, t.sekcja2);
    const std::array<kerwano::Pozycja, 4> wiersze = {t.Ng, t.Gabaryty[0], t.Gabaryty[1],
                                                     t.Gabaryty[2]};
    qreal x = kWartoscNd;
    for (const kerwano::Pozycja &w : wiersze)
        x = std::max(x, p.Szerokosc(w.podpis, Tekst10()) + kOdstepKolumn);
    for (const kerwano::Pozycja &w : wiersze) {
        p.Tekst(0, y, w.podpis, Tekst10());
        p.Tekst(x, y, w.wartosc, Times(10, true));
        y += TWydruk::Wiersz(p);
    }
    y += 2;
    y += p.Tekst(0, y, t.Label_Ae, Tekst10()) + 1.5;
    y += p.Tekst(0, y, t.Ae, Arial(10, true)) + 3;
    y += p.Tekst(0, y, t.Label_Ce, Tekst10()) + 1.5;
    y += p.Akapit(0, y, t.Ce, Tekst10(), TWydruk::SZEROKOSC, TWydruk::Wiersz(p)) + 1.4;
    y += p.Tekst(0, y, t.Nd, Arial(10, true));
    p.UstawWysokosc(y + 2);
    return p;
}

// Section 3: the efficiency, the verdict in its double frame and the place
// of the additional measures, kept blank when there are none.
Pasmo Sekcja3(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = Naglowek(p, 0, t.sekcja3) + 1;
    y += p.Tekst(0, y, t.E, Times(10, true)) + 3;
    y += p.Tekst(0, y, t.podpis_klasy, Tekst10()) + 2;

    const qreal x = (TWydruk::SZEROKOSC - kSzerokoscRamki) / 2;
    const QRectF ramka(x, y, kSzerokoscRamki, kWysokoscRamki);
    p.Prostokat(ramka, 0.35);
    p.Prostokat(ramka.adjusted(1, 1, -1, -1), 0.35);
    const QFont klasa = Times(14, true, false, true);
    const QStringList linie = p.Linie(t.Klasa, klasa, kSzerokoscRamki - 8, 3);
    const qreal linia = p.WysokoscLinii(klasa);
    qreal yl = y + (kWysokoscRamki - linia * linie.size()) / 2;
    for (const QString &l : linie)
        yl += p.Tekst(x, yl, l, klasa, Qt::AlignHCenter, kSzerokoscRamki);
    y += kWysokoscRamki + 3;

    const QFont memo = Arial(10);
    const qreal linia_memo = p.WysokoscLinii(memo);
    for (int i = 0; i < t.QRMemo_dodatkowe_srodki.size(); ++i)
        p.Tekst(x, y + i * linia_memo, t.QRMemo_dodatkowe_srodki[i], memo);
    p.UstawWysokosc(y + 4 * linia_memo + 5);
    return p;
}

// The table's columns as the font measures them: the name's column ends
// where the height column's heading begins.
struct Kolumny
{
    qreal szerokosc_nazwy;
};

Kolumny KolumnyTabeli(const Pasmo &p, const kerwano::TrescObliczen &t)
{
    const qreal wysokosc = kKonceKolumn[0] - p.Szerokosc(t.kolumny[2], Times(10, true));
    return {wysokosc - kOdstepKolumn - kNazwa};
}

// The column headings with the rule under them, also at the top of every
// page the table continues on.
Pasmo NaglowkiKolumn(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    const QFont f = Times(10, true);
    p.Tekst(0, 0, t.kolumny[0], f, Qt::AlignRight, kKoniecLp);
    p.Tekst(kNazwa, 0, t.kolumny[1], f);
    for (int i = 0; i < 3; ++i)
        p.Tekst(0, 0, t.kolumny[static_cast<size_t>(i + 2)], f, Qt::AlignRight, kKonceKolumn[i]);
    const qreal dol = p.WysokoscLinii(f) + 0.8;
    p.Linia({0, dol}, {TWydruk::SZEROKOSC, dol}, 0.2);
    p.UstawWysokosc(dol + 1.5);
    return p;
}

// Section 4's heading with the column headings.
Pasmo Sekcja4(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    const qreal y = Naglowek(p, 0, t.sekcja4) + 1;
    const Pasmo naglowki = NaglowkiKolumn(u, t);
    p.Umiesc(naglowki, y);
    p.UstawWysokosc(y + naglowki.wysokosc());
    return p;
}

// QR4b: one element; its name takes as many lines as it needs.
Pasmo LiniaElementu(const QPaintDevice &u, const kerwano::TrescObliczen &t,
                    const kerwano::RekordElementu &r)
{
    Pasmo p(u);
    p.Tekst(0, 0, QString::number(r.lp), Tekst10(), Qt::AlignRight, kKoniecLp);
    const qreal wysokosc = p.Akapit(kNazwa, 0, r.nazwa, Tekst10(),
                                    KolumnyTabeli(p, t).szerokosc_nazwy, TWydruk::Wiersz(p));
    const QString *pola[3] = {&r.wysokosc, &r.kat, &r.odstep};
    for (int i = 0; i < 3; ++i)
        p.Tekst(0, 0, *pola[i], Tekst10(), Qt::AlignRight, kKonceKolumn[i]);
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
    // QRGroup1: white space before the detail, on the first page only.
    uklad.Dodaj(Pasmo(u, 10.6));
    uklad.Dodaj(DaneProjektu(u, t.L));
    for (int nr = 0; nr < 3; ++nr)
        uklad.Dodaj(Grupa(u, t, nr));
    uklad.Dodaj(Sekcja2(u, t));
    uklad.Dodaj(Sekcja3(u, t), true);
    if (!t.elementy.isEmpty()) {
        // The headings never stand at the foot of a page without a line, and
        // head every page the table goes on to.
        uklad.DodajRazem({Sekcja4(u, t), LiniaElementu(u, t, t.elementy.first())});
        uklad.Powtarzaj(NaglowkiKolumn(u, t));
        for (qsizetype i = 1; i < t.elementy.size(); ++i)
            uklad.Dodaj(LiniaElementu(u, t, t.elementy[i]));
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
