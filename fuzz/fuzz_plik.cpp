// Bytes in as a project file: read as from a file and as from a pipe (both
// must agree), every result the program shows computed, then written back;
// a file that loads must write back to bytes that load to the same project.

#include "project/ModelProjektu.h"
#include "tests/Strumien.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The same double, NaN included.
bool TaSama(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A loaded project applied as a freshly started program applies it, with
// everything the pages show computed: the results and their texts, and per
// element the height and angle cells and the separation distance and angle.
void ZastosujIOblicz(const kerwano::Projekt &projekt, kerwano::ModelProjektu &model)
{
    model.UstawDomyslne();
    model.ZastosujProjekt(projekt);
    const kerwano::TekstyWynikow teksty = kerwano::Teksty(model.wyniki());
    if (teksty.E.isEmpty() || teksty.werdykt.isEmpty() || teksty.klasa.isEmpty())
        std::abort();
    for (int w = 1; w <= model.liczba_elementow(); ++w) {
        const kerwano::WierszElementu &e = model.elementy().Wiersz(w);
        const kerwano::WynikOdstepu odstep = model.ObliczOdstep(w);
        if (e.TekstWysokosci().isEmpty() || e.TekstKata().isEmpty() ||
            kerwano::TekstOdstepu(odstep.d).isEmpty() || kerwano::TekstAlfa(odstep.alfa).isEmpty())
            std::abort();
    }
}

bool TeSameWyniki(const kerwano::ModelProjektu &a, const kerwano::ModelProjektu &b)
{
    const kerwano::WynikiKlasy &x = a.wyniki(), &y = b.wyniki();
    if (!TaSama(x.A, y.A) || !TaSama(x.B, y.B) || !TaSama(x.C, y.C) || !TaSama(x.Nc, y.Nc) ||
        !TaSama(x.Ae, y.Ae) || !TaSama(x.Nd, y.Nd) || !TaSama(x.E, y.E) || x.klasa != y.klasa)
        return false;
    if (a.liczba_elementow() != b.liczba_elementow())
        return false;
    for (int w = 1; w <= a.liczba_elementow(); ++w) {
        const kerwano::WierszElementu &e = a.elementy().Wiersz(w), &f = b.elementy().Wiersz(w);
        if (e.nazwa != f.nazwa || e.parametry != f.parametry || e.wysokosc != f.wysokosc ||
            e.kat != f.kat || !TaSama(a.ObliczOdstep(w).d, b.ObliczOdstep(w).d))
            return false;
    }
    return true;
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

    kerwano::ModelProjektu model;
    ZastosujIOblicz(projekt, model);

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

    // What the program saves of the loaded project loads to the same project
    // and the same results.
    const kerwano::Projekt zebrany = model.ZbierzProjekt();
    kerwano::Projekt ponownie;
    if (!CzytajBajty(kerwano::ZakodujProjekt(zebrany), ponownie).isEmpty())
        Blad("the project saved does not load");
    kerwano::ModelProjektu drugi;
    ZastosujIOblicz(ponownie, drugi);
    if (!Rowne(drugi.ZbierzProjekt(), zebrany))
        Blad("the project saved loads to another project");
    if (!TeSameWyniki(model, drugi))
        Blad("the project saved gives other results");
    return 0;
}
