#include "reports/okna/WydrukFormularza.h"

#include "reports/TrescFormularza.h"
#include "reports/okna/UkladStron.h"

#include <QPrinter>

namespace {

constexpr qreal kWciecieOdpowiedzi = 10;

// A heading, or a question with the answers that follow it, as one band.
QList<Pasmo> Pasma(const QPaintDevice &u, const QList<kerwano::PozycjaFormularza> &pozycje)
{
    using Rodzaj = kerwano::PozycjaFormularza::Rodzaj;
    QList<Pasmo> pasma;
    qreal y = 0;
    for (const kerwano::PozycjaFormularza &p : pozycje) {
        if (p.rodzaj != Rodzaj::Odpowiedz || pasma.isEmpty()) {
            if (!pasma.isEmpty())
                pasma.last().UstawWysokosc(y);
            pasma.append(Pasmo(u));
            y = 0;
        }
        Pasmo &pasmo = pasma.last();
        switch (p.rodzaj) {
        case Rodzaj::Naglowek:
            y += 2.5;
            y += pasmo.Tekst(0, y, p.tekst, Times(14, true)) + 0.5;
            break;
        case Rodzaj::Pytanie:
            y += 1.2;
            y += pasmo.Tekst(0, y, p.tekst, Times(12));
            break;
        case Rodzaj::Odpowiedz:
            y += pasmo.Tekst(kWciecieOdpowiedzi, y, p.tekst, Times(12));
            break;
        }
    }
    if (!pasma.isEmpty())
        pasma.last().UstawWysokosc(y);
    return pasma;
}

} // namespace

QString WydrukFormularza::tytul() const
{
    return kerwano::Formularz().podtytul;
}

QList<QList<ElementWydruku>> WydrukFormularza::Strony(const QPaintDevice &u, qreal wysokosc) const
{
    const kerwano::TrescFormularza f = kerwano::Formularz();
    UkladStron uklad(
        wysokosc, [&](int) { return NaglowekStrony(u, f.tytul, f.podtytul, f.linia_naglowka); },
        [&](int nr) { return StopkaStrony(u, nr); });
    // Each page's lines begin a new page.
    for (const QList<kerwano::PozycjaFormularza> &strona : f.strony) {
        bool pierwsze = true;
        for (const Pasmo &p : Pasma(u, strona)) {
            uklad.Dodaj(p, pierwsze);
            pierwsze = false;
        }
    }
    return uklad.Strony();
}

void WydrukFormularza::Drukuj(QWidget *okno)
{
    QPrinter drukarka(QPrinter::HighResolution);
    WydrukFormularza().Wydrukuj(drukarka, okno);
}
