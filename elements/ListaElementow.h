#pragma once

#include "elements/ElementDachu.h"
#include "elements/ParametryElementu.h"
#include "risk/Klasa.h"

#include <QList>
#include <QString>

#include <optional>

namespace kerwano {

class KrzyweKatow;

// One roof element as the two element tables show it. The height and the
// angle are state of their own, not derived each time: an add or an edit
// and a class change compute the angle from the height as its cell shows it
// (to the centimetre), and a load starts it at "?".
struct WierszElementu
{
    QString nazwa;                  // column 0 of both tables
    QString parametry;              // page 3, column 1: the parameter text
    std::optional<double> wysokosc; // H as the text holds it; none only for the empty row
    std::optional<double> kat;      // the protective angle; none: "?"

    // Page 2, column 1: H with two decimals ("12,50"); "" for the empty row.
    QString TekstWysokosci() const;
    // Page 2, column 2: the angle with two decimals ("65,25"), or "?"; "" for
    // the empty row.
    QString TekstKata() const;
    // The height as its cell shows it, rounded to the centimetre; NaN for
    // the empty row.
    double WysokoscKomorki() const;

    bool operator==(const WierszElementu &w) const
    {
        return nazwa == w.nazwa && parametry == w.parametry && wysokosc == w.wysokosc &&
               kat == w.kat;
    }
};

// A roof element as the element dialog shows it and gives it back.
struct DaneElementu
{
    QString nazwa;
    TypUkladu uklad = TypUkladu::A;
    TypInstalacji typ_instalacji = TypInstalacji::Uklad1;
    Material material = Material::Powietrze;
    double H = 0;
    double L = 0;
    double fc = 0; // f for layout 2, c for layout 3
    int n = 0;
};

// The roof element list of pages 2 and 3. Rows are numbered as the tables
// number them: 1 for the first element. With no elements the tables show one
// empty row; Wiersz() gives that empty row for any number outside the list.
class ListaElementow
{
public:
    int liczba_elementow() const { return static_cast<int>(m_wiersze.size()); }
    const QList<WierszElementu> &Wiersze() const { return m_wiersze; }
    const WierszElementu &Wiersz(int wiersz) const;

    // What "<< Dodaj" offers the dialog: the name "Element " with the next
    // number, arrangement A, layout 1, air, H = L = f/c = 1 and n = 1.
    DaneElementu NowyElement() const;
    // What "Edycja" offers for a row: its name, the codes of its text (a code
    // not found keeps the dialog's default), H, L, f + c and n.
    DaneElementu ElementWiersza(int wiersz) const;

    // Appends the dialog's element: the composed text, the height with two
    // decimals and the angle of `klasa` at that height.
    void Dodaj(const DaneElementu &element, Klasa klasa, const KrzyweKatow &krzywe);
    // Rewrites a row the same way; false for a row outside the list.
    bool Zmien(int wiersz, const DaneElementu &element, Klasa klasa, const KrzyweKatow &krzywe);
    // Removes a row, keeping the order of the others; false for a row
    // outside the list (so also with no elements).
    bool Usun(int wiersz);
    // Puts a row back as it was, cells included, at `wiersz` (1 to one past
    // the last), the rows from there moving down; false elsewhere.
    bool Wstaw(int wiersz, const WierszElementu &w);
    // Replaces the list as a loaded project brings it: the height cells from
    // the texts' H, every angle cell "?".
    void Wczytaj(const QList<ElementDachu> &elementy);
    // The elements as the project file keeps them: name and text.
    QList<ElementDachu> Elementy() const;

    void UstawKat(int wiersz, std::optional<double> kat);

    // The angle column after a class calculation: when the list has elements
    // and the class number changed from `stara_klasa` (I and I+ count as one)
    // or `wymus` asks for it, every angle cell is rewritten for `klasa` from
    // the row's height cell, "?" for every row without a class. Returns
    // whether it rewrote the column.
    bool OdswiezKolumneKatow(Klasa klasa, Klasa stara_klasa, bool wymus, const KrzyweKatow &krzywe);

private:
    QList<WierszElementu> m_wiersze;
};

} // namespace kerwano
