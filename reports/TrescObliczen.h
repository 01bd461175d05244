#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace kerwano {

class ModelProjektu;

// A caption with the value beside it.
struct Pozycja
{
    QString podpis;
    QString wartosc;
};

// One row of sections (A) to (C): the caption, the text of the entry chosen
// in the drop-down (A1_I .. C3_I) and its coefficient in K2 (A1_L .. C3_L).
struct WierszWspolczynnika
{
    QString podpis;
    QString I;
    QString L;
};

// A group of rows with its heading and the product under it ("A = A1 x A2 x
// A3 x A4 = 80,00000").
struct GrupaWspolczynnikow
{
    QString naglowek;
    QList<WierszWspolczynnika> wiersze;
    QString wynik;
};

// One line of the element table, every field without leading and trailing
// blanks and cut to 40 characters.
struct RekordElementu
{
    int lp = 0;
    QString nazwa;    // the element's name
    QString wysokosc; // the page-2 height cell and " m": "12,50 m"
    QString kat;      // the page-2 angle cell: "49,82" or "?"
    QString odstep;   // d in F2 and " m": "0,75 m"; "?" where d cannot be computed
};

// Every text of the calculation report, in the order it prints, filled from
// the project as it stands (nothing is recalculated). A superscript is
// written with Unicode superscript characters ("km²", "10⁻⁶"); the painting
// raises them.
struct TrescObliczen
{
    QString tytul;          // the page header
    QString linia_naglowka; // under it: the program and the standard

    std::array<Pozycja, 6> L; // L1 .. L6 after "Numer projektu:" .. "Zleceniodawca:"

    QString sekcja1;
    std::array<GrupaWspolczynnikow, 3> grupy; // (A), (B), (C)
    QString Nc;

    QString sekcja2;
    Pozycja Ng;                      // Label_Ng and Ng
    std::array<Pozycja, 3> Gabaryty; // Gabaryty_A, _B, _H after their captions
    QString Label_Ae;
    QString Ae;
    QString Label_Ce;
    QString Ce;
    QString Nd;

    QString sekcja3;
    QString E;
    QString podpis_klasy;
    QString Klasa; // the verdict
    // The four lines of the additional measures; empty when the memo is off.
    QStringList QRMemo_dodatkowe_srodki;

    // Section 4 exists only with elements.
    QString sekcja4;
    std::array<QString, 5> kolumny;
    QList<RekordElementu> elementy; // RxMemoryData1, in the order of lp

    QString linia_podpisu;
    QString podpis_wykonawcy;
    QString wykonano; // "Wykonano dn. " and the date
};

// The report of `projekt`, dated `dzis` ("d.m.yyyy").
TrescObliczen ZlozTrescObliczen(const ModelProjektu &projekt, const QDate &dzis);

// A distance as the printouts write it: F2 and " m", or "?" where it cannot
// be computed (NaN).
QString TekstOdstepuRaportu(double d);

// The report's title, also the document name for the printing system.
QString TytulDokumentuObliczen();
// The title line of the printouts' page headers.
QString TytulWydruku();
// The line under it: the program, its version and the standard the
// calculation follows, "Kerwano <version> · obliczenia wg IEC 1024-1 / ENV 61024-1".
QString LiniaNaglowka();
// The project data lines of the printouts: "Numer projektu:" .. "Zleceniodawca:"
// with the project's six texts.
std::array<Pozycja, 6> DaneProjektuWydruku(const ModelProjektu &projekt);
// The signature block's texts: the dotted line, "(podpis wykonawcy)" and
// "Wykonano dn. " with the date `dzis` ("d.M.yyyy").
QString LiniaPodpisu();
QString PodpisWykonawcy();
QString Wykonano(const QDate &dzis);

} // namespace kerwano
