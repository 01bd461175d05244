#pragma once

#include <QString>
#include <vector>

namespace kerwano {

// One entry of a page-1 drop-down and the coefficient value it stands for.
struct PozycjaListy
{
    QString tekst;
    double wartosc;
};

// One page-1 drop-down: its label and its entries in index order.
struct ListaWspolczynnika
{
    QString etykieta;
    std::vector<PozycjaListy> pozycje;
};

// The thirteen drop-downs, nr 1 for ComboBox1 (A1) up to 13 for
// ComboBox13 (Ce): A1..A4, B1..B4, C1..C3, Ng, Ce.
constexpr int LICZBA_LIST = 13;
// The building's dimensions: length, width, height (Edit1 .. Edit3).
constexpr int LICZBA_WYMIAROW = 3;

const ListaWspolczynnika &Lista(int nr); // nr 1..13

// Captions of the page-1 groups.
QString TytulGrupy(int nr); // 1..5: GroupBox1 .. GroupBox5

} // namespace kerwano
