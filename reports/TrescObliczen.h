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
// in its drop-down and that entry's coefficient in K2.
struct WierszWspolczynnika
{
    QString podpis;
    QString wybor;
    QString wspolczynnik;
};

// A group of rows with its heading and the product under it ("A = A1 x A2 x
// A3 x A4 = 80,00000").
struct GrupaWspolczynnikow
{
    QString naglowek;
    QList<WierszWspolczynnika> wiersze;
    QString wynik;
};

// A column of the element table: its heading, its width in millimetres,
// where its heading and texts stand in that width, and its text for every
// element in the order of lp. The texts of a left-aligned column break onto
// as many lines as they need, up to where the next column's heading begins;
// the others take one line.
struct KolumnaTabeli
{
    QString naglowek;
    qreal szerokosc = 0;
    Qt::Alignment wyrownanie = Qt::AlignLeft;
    QStringList wartosci;
};

// The columns of the element table stand side by side from the left
// margin, this many millimetres apart.
constexpr qreal ODSTEP_KOLUMN_TABELI = 4;

// Every text of the calculation report, in the order it prints, filled from
// the project as it stands (nothing is recalculated). A superscript is
// written with Unicode superscript characters ("km²", "10⁻⁶"); the painting
// raises them.
struct TrescObliczen
{
    QString tytul;          // the page header
    QString linia_naglowka; // under it: the program and the standard

    // The six project texts after "Numer projektu:" .. "Zleceniodawca:".
    std::array<Pozycja, 6> dane_projektu;

    QString naglowek_Nc;                      // "1. Obliczenie Nc."
    std::array<GrupaWspolczynnikow, 3> grupy; // (A), (B), (C)
    QString Nc;                               // "Nc = A x B x C = ..."

    QString naglowek_Nd;
    Pozycja Ng;                     // the density's caption and "Ng = ..."
    std::array<Pozycja, 3> wymiary; // the building's A, B and H after their captions
    Pozycja Ae;                     // the caption, then the formula with its value
    Pozycja Ce;
    QString Nd;

    QString naglowek_skutecznosci;
    QString E;
    QString podpis_klasy;
    QString werdykt;
    // The four lines of the additional measures; none where they are not needed.
    QStringList dodatkowe_srodki;

    // Section 4 exists only with elements: its heading and the element
    // table, both empty otherwise.
    QString naglowek_tabeli;
    // Lp., the name, the height and angle cells of page 2, the distance.
    // Every text is without leading and trailing blanks and cut to 40
    // characters.
    QList<KolumnaTabeli> tabela;
    // How many lines the element table has, one per element.
    qsizetype wiersze_tabeli() const
    {
        return tabela.isEmpty() ? 0 : tabela.first().wartosci.size();
    }

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
