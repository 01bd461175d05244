// Bytes in as a project file: read as from a file and as from a pipe (both
// must agree), every result the program shows computed, then written back;
// a file that loads must write back to bytes that load to the same project.

#include "angles/KrzyweKatow.h"
#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "project/PlikProjektu.h"
#include "risk/Formaty.h"
#include "risk/Klasa.h"
#include "risk/Konwersja.h"
#include "risk/Wspolczynniki.h"
#include "tests/Strumien.h"

#include <QBuffer>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const kerwano::KrzyweKatow &Krzywe()
{
    static const kerwano::KrzyweKatow krzywe;
    return krzywe;
}

// What the program shows of one roof element.
struct WidokElementu
{
    QString wysokosc, kat, odstep, alfa;
};

// Applies a loaded project as a freshly started program does and computes
// everything shown: each list index inside its list sets its coefficient,
// each dimension text that is a number not below zero sets its dimension,
// then the class; per element the height and angle cells of page 2 and the
// separation distance and angle of page 3. The one place that knows how a
// project becomes results.
QList<WidokElementu> ZastosujIOblicz(const kerwano::Projekt &projekt)
{
    kerwano::DaneKlasy dane;
    double *wspolczynniki[kerwano::LICZBA_LIST] = {&dane.A1, &dane.A2, &dane.A3, &dane.A4, &dane.B1,
                                                   &dane.B2, &dane.B3, &dane.B4, &dane.C1, &dane.C2,
                                                   &dane.C3, &dane.Ng, &dane.Ce};
    for (int i = 0; i < kerwano::LICZBA_LIST; ++i) {
        const auto &pozycje = kerwano::Lista(i).pozycje;
        const int indeks = projekt.wybory[size_t(i)];
        if (indeks >= 0 && size_t(indeks) < pozycje.size())
            *wspolczynniki[i] = pozycje[size_t(indeks)].wartosc;
    }
    double *wymiary[3] = {&dane.dlugosc_budynku, &dane.szerokosc_budynku, &dane.wysokosc_budynku};
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> w = kerwano::TekstNaLiczbe(projekt.wymiary[size_t(i)]);
        if (w && *w >= 0)
            *wymiary[i] = *w;
    }
    const kerwano::WynikiKlasy wyniki = kerwano::ObliczKlase(dane);
    kerwano::TekstE(wyniki.E);
    kerwano::Werdykt(wyniki.klasa, wyniki.klasa_plus);

    QList<WidokElementu> widok;
    for (const kerwano::ElementDachu &e : projekt.elementy) {
        WidokElementu w;
        w.wysokosc = kerwano::DwaMiejsca(kerwano::CzytajH(e.parametry));
        const double h = kerwano::TekstNaLiczbe(w.wysokosc).value_or(std::nan(""));
        w.kat = wyniki.klasa == 0 ? QStringLiteral("?") : Krzywe().TekstKata(wyniki.klasa, h);
        const kerwano::WynikOdstepu odstep =
            kerwano::ObliczOdstep(e.parametry, wyniki.klasa, Krzywe());
        w.odstep = kerwano::TekstOdstepu(odstep.d);
        w.alfa = kerwano::TekstAlfa(odstep.alfa);
        widok << w;
    }
    return widok;
}

bool Rowne(const kerwano::Projekt &a, const kerwano::Projekt &b)
{
    if (a.wybory != b.wybory || a.wymiary != b.wymiary || a.dane != b.dane ||
        a.elementy.size() != b.elementy.size())
        return false;
    for (qsizetype i = 0; i < a.elementy.size(); ++i) {
        if (a.elementy[i].nazwa != b.elementy[i].nazwa ||
            a.elementy[i].parametry != b.elementy[i].parametry)
            return false;
    }
    return true;
}

[[noreturn]] void Blad(const char *co)
{
    std::fprintf(stderr, "fuzz_plik: %s\n", co);
    std::abort();
}

QString CzytajBajty(const QByteArray &bajty, kerwano::Projekt &projekt)
{
    QBuffer bufor;
    bufor.setData(bajty);
    bufor.open(QIODevice::ReadOnly);
    return kerwano::OdczytajProjekt(bufor, projekt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    kerwano::Projekt projekt;
    const QString blad = CzytajBajty(bajty, projekt);
    kerwano::Projekt zPotoku;
    Strumien potok(bajty, 61);
    if (kerwano::OdczytajProjekt(potok, zPotoku) != blad)
        Blad("a pipe and a file read differently");
    if (!blad.isEmpty())
        return 0;
    if (!Rowne(projekt, zPotoku))
        Blad("a pipe and a file give different projects");
    if (projekt.elementy.size() > kerwano::MAKS_LICZBA_ELEMENTOW)
        Blad("more elements than allowed");

    for (const WidokElementu &w : ZastosujIOblicz(projekt)) {
        if (w.wysokosc.isEmpty() || w.kat.isEmpty() || w.odstep.isEmpty() || w.alfa.isEmpty())
            Blad("an empty cell");
    }

    const QByteArray zapis = kerwano::ZakodujProjekt(projekt);
    if (zapis.size() != kerwano::ROZMIAR_NAGLOWKA_PROJEKTU +
                            kerwano::ROZMIAR_REKORDU_ELEMENTU * projekt.elementy.size())
        Blad("written size");
    kerwano::Projekt wczytany;
    if (!CzytajBajty(zapis, wczytany).isEmpty())
        Blad("the file written does not load");
    if (!Rowne(projekt, wczytany))
        Blad("the file written loads to another project");
    if (kerwano::ZakodujProjekt(wczytany) != zapis)
        Blad("the file written is not written back the same");
    return 0;
}
