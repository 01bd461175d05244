#include "reports/okna/WydrukZestawienia.h"

#include "project/ModelProjektu.h"
#include "reports/okna/UkladStron.h"

#include <QPrinter>

namespace {

constexpr qreal kWciecie = 6; // the lines of a block under its title

// One element's block, never split over two pages.
Pasmo Blok(const QPaintDevice &u, const kerwano::BlokElementu &b)
{
    Pasmo p(u);
    const QFont tekst = Times(10), pogrubiony = Times(10, true);
    const qreal skok = TWydruk::Wiersz(p);
    const qreal szerokosc = TWydruk::SZEROKOSC - kWciecie;
    qreal y = 1;
    y += p.Akapit(0, y, b.tytul, pogrubiony, TWydruk::SZEROKOSC, skok);
    y += p.Akapit(kWciecie, y, b.opis, tekst, szerokosc, skok);
    // The parameters side by side, as many to a line as fit.
    qreal x = kWciecie;
    for (const kerwano::Pozycja &d : b.parametry) {
        const QString pole = d.podpis + u' ' + d.wartosc;
        const qreal w = p.Szerokosc(pole, tekst);
        if (x > kWciecie && x + w > TWydruk::SZEROKOSC) {
            x = kWciecie;
            y += skok;
        }
        p.Tekst(x, y, pole, tekst);
        x += w + 6;
    }
    y += skok;
    for (const QString &l : b.obliczenia)
        y += p.Akapit(kWciecie, y, l, tekst, szerokosc, skok);
    y += p.Akapit(kWciecie, y, b.porownanie, Times(10, false, true), szerokosc, skok);
    y += 1;
    p.Linia({0, y}, {TWydruk::SZEROKOSC, y}, 0.15);
    p.UstawWysokosc(y + 1);
    return p;
}

} // namespace

WydrukZestawienia::WydrukZestawienia(kerwano::TrescZestawienia tresc) : m_tresc(std::move(tresc)) {}

QString WydrukZestawienia::tytul() const
{
    return kerwano::TytulDokumentuZestawienia();
}

QList<QList<ElementWydruku>> WydrukZestawienia::Strony(const QPaintDevice &u, qreal wysokosc) const
{
    const kerwano::TrescZestawienia &t = m_tresc;
    UkladStron uklad(
        wysokosc, [&](int) { return NaglowekStrony(u, t.tytul, t.podtytul, t.linia_naglowka); },
        [&](int nr) { return StopkaStrony(u, nr); });
    uklad.Dodaj(Pasmo(u, 4));
    uklad.Dodaj(DaneProjektu(u, t.dane_projektu));
    {
        Pasmo p(u);
        p.UstawWysokosc(p.Tekst(0, 0, t.klasa, Times(12, true)) + 2);
        uklad.Dodaj(p);
    }
    Pasmo uwaga(u);
    qreal y = 3;
    if (!t.brak_elementow.isEmpty())
        y += uwaga.Akapit(0, y, t.brak_elementow, Times(10), SZEROKOSC, Wiersz(uwaga)) + 2;
    y += uwaga.Akapit(0, y, t.uwaga, Times(9, false, true), SZEROKOSC,
                      uwaga.WysokoscLinii(Times(9)) + 1);
    uwaga.UstawWysokosc(y);
    // The note stays under the last block, so that it is read with the table.
    for (qsizetype i = 0; i + 1 < t.elementy.size(); ++i)
        uklad.Dodaj(Blok(u, t.elementy[i]));
    if (t.elementy.isEmpty())
        uklad.Dodaj(uwaga);
    else
        uklad.DodajRazem({Blok(u, t.elementy.last()), uwaga});
    uklad.Podsumowanie(Podpis(u, t.wykonano, t.linia_podpisu, t.podpis_wykonawcy), ODSTEP_PODPISU);
    return uklad.Strony();
}

void WydrukZestawienia::Drukuj(QWidget *okno, const kerwano::ModelProjektu &projekt,
                               const QString &nazwa_pliku, bool nienazwany)
{
    QPrinter drukarka(QPrinter::HighResolution);
    WydrukZestawienia(kerwano::ZlozTrescZestawienia(projekt, QDate::currentDate()))
        .Podglad(drukarka, okno, QStringLiteral("Wydruk zestawienia elementów dachu"),
                 NazwaPdf(nazwa_pliku, nienazwany, QStringLiteral(" - zestawienie")),
                 nienazwany ? QString() : nazwa_pliku);
}
