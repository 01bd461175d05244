#pragma once

#include "angles/KrzyweKatow.h"
#include "elements/ListaElementow.h"
#include "elements/OdstepIzolacyjny.h"
#include "project/PlikProjektu.h"
#include "risk/Klasa.h"
#include "risk/Wspolczynniki.h"

#include <QString>
#include <array>

namespace kerwano {

// What an operation changed, so that a view redraws no more than that and
// the project is marked modified when anything did.
struct Przeliczenie
{
    bool obliczono = false; // results, class and verdict are new
    bool katy = false;      // the angle column was rewritten
    bool elementy = false;  // rows were added, changed, removed or replaced
    bool dane = false;      // the project data texts were set
    // When the list change is one row put in or taken out, that row (1 for
    // the first), so that a table changes that row alone; 0 otherwise.
    int wstawiony = 0;
    int usuniety = 0;

    bool zmieniono() const { return obliczono || elementy || dane; }

    Przeliczenie &operator|=(const Przeliczenie &p)
    {
        // Two list changes are no longer one row's.
        if (p.elementy) {
            wstawiony = elementy ? 0 : p.wstawiony;
            usuniety = elementy ? 0 : p.usuniety;
        }
        obliczono |= p.obliczono;
        katy |= p.katy;
        elementy |= p.elementy;
        dane |= p.dane;
        return *this;
    }
};

// Everything an operation of the model may change, as plain data: a copy
// taken before a change and given back restores the project exactly, its
// height and angle cells included (the texts share their data, so a copy is
// cheap until either side changes).
struct StanProjektu
{
    bool gotowy = false;
    std::array<int, LICZBA_LIST> wybory{};
    std::array<QString, LICZBA_WYMIAROW> wymiary;
    DaneKlasy dane;
    WynikiKlasy wyniki;
    std::array<QString, LICZBA_DANYCH> dane_projektu;
    ListaElementow elementy;
};

// The project as the program holds it, without any window: the thirteen
// selections and three dimension texts of page 1 with the coefficients and
// dimensions in force, the results and the class, the six project data texts
// and the roof element list with its height and angle cells, and the
// operations that change them as the pages' handlers do. The windows show it
// and pass the user's changes to it; the command line and the reports use it
// alone.
//
// Every operation that recalculates or changes the project says so in its
// result (Przeliczenie); keeping the modified flag is the caller's business.
class ModelProjektu
{
public:
    // The creation defaults: today's date and the office's designer line in
    // the project data, no elements, the angle curves built. Nothing is
    // calculated until UstawDomyslne().
    ModelProjektu();

    static QString DomyslnyProjektant();
    // Today's date and the designer line, the other texts empty.
    static std::array<QString, LICZBA_DANYCH> DomyslneDaneProjektu();

    // The page-1 start-up: every list at its first entry, each dimension "1",
    // the coefficients of those entries, no class, then the first
    // calculation. From here on every change recalculates.
    Przeliczenie UstawDomyslne();
    bool gotowy() const { return m_gotowy; }
    // The project of a freshly started program: the creation defaults of the
    // project data, no elements, then UstawDomyslne(). Says that everything
    // changed.
    Przeliczenie StanStartowy();

    // A page-1 list (nr 1..13) set to entry `indeks`: the coefficient of
    // that entry, or, for an index outside the list, no entry selected and
    // the coefficient in force; then the calculation.
    Przeliczenie UstawWybor(int nr, int indeks);
    // A dimension field's text (nr 1..3): stored as it is; when it converts
    // to a number that is not negative, that dimension is in force and the
    // class is calculated, otherwise nothing else changes.
    Przeliczenie UstawWymiar(int nr, const QString &tekst);
    // The page-1 calculation: results and class, then the angle column when
    // the class changed or `wymus`. Nothing before UstawDomyslne().
    Przeliczenie ObliczKlase(bool wymus);

    int Wybor(int nr) const { return m_wybory.at(static_cast<size_t>(nr - 1)); } // -1: none
    const QString &Wymiar(int nr) const { return m_wymiary.at(static_cast<size_t>(nr - 1)); }
    const DaneKlasy &dane() const { return m_dane; }
    const WynikiKlasy &wyniki() const { return m_wyniki; }
    Klasa klasa() const { return m_wyniki.klasa; }

    // numer_projektu, data_wykonania, projektant, budowa, inwestor,
    // zleceniodawca: the order of the dialog, the file and the report.
    const std::array<QString, LICZBA_DANYCH> &DaneProjektu() const { return m_dane_projektu; }
    Przeliczenie UstawDaneProjektu(const std::array<QString, LICZBA_DANYCH> &dane);

    // The roof element list and its operations; each says whether the list
    // changed (a row outside the list changes nothing).
    const ListaElementow &elementy() const { return m_elementy; }
    int liczba_elementow() const { return m_elementy.liczba_elementow(); }
    Przeliczenie DodajElement(const DaneElementu &element);
    Przeliczenie ZmienElement(int wiersz, const DaneElementu &element);
    Przeliczenie UsunElement(int wiersz);
    // A row taken out given back as it was (ListaElementow::Wstaw).
    Przeliczenie WstawWiersz(int wiersz, const WierszElementu &w);
    // Separation distance and protective angle of a row for the class in force.
    WynikOdstepu ObliczOdstep(int wiersz) const;

    // What the project file keeps, and a loaded project applied in the
    // file's order: each list with its handler, the dimension texts, the last
    // two lists, the data, the elements with "?" angles, then, with elements,
    // the calculation forced to rewrite every angle.
    Projekt ZbierzProjekt() const;
    Przeliczenie ZastosujProjekt(const Projekt &projekt);
    // Opening a file: StanStartowy(), then ZastosujProjekt(), so that a
    // dimension text or a list index the file cannot put in force leaves the
    // start-up value, whatever was open before.
    Przeliczenie WczytajProjekt(const Projekt &projekt);

    const KrzyweKatow &krzywe_katow() const { return m_krzywe_katow; }

    // The whole state, and a state taken earlier given back; the result
    // names what differs from the state replaced (results always).
    StanProjektu Stan() const;
    Przeliczenie PrzywrocStan(const StanProjektu &stan);

private:
    KrzyweKatow m_krzywe_katow;
    bool m_gotowy = false;
    std::array<int, LICZBA_LIST> m_wybory{};
    std::array<QString, LICZBA_WYMIAROW> m_wymiary;
    DaneKlasy m_dane;
    WynikiKlasy m_wyniki;
    std::array<QString, LICZBA_DANYCH> m_dane_projektu;
    ListaElementow m_elementy;
};

} // namespace kerwano
