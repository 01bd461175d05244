#pragma once

#include "assessment/Obliczenia.h"

#include <QString>

#include <array>
#include <vector>

namespace kerwano::ocena {

// "Dobierz ochronę": the least set of measures, in a fixed order, that
// brings every assessed risk with a tolerable value to it or below. It
// starts from the inputs as they are and changes nothing in them.
enum Rodzina
{
    F_LPS,
    F_SPD_WPROWADZENIE,
    F_SPD_SKOORDYNOWANE,
    F_PTA_PTU,
    F_RP,
    LICZBA_RODZIN
};
const char *KluczRodziny(int rodzina);          // "LPS", "SPD_wprowadzenie", ...
int LiczbaStopni(int rodzina);                  // 4, 6, 6, 2, 2
QString KluczStopnia(int rodzina, int stopien); // "IV", "III_IV", "tablice", "reczne", ...
QString OpisStopnia(int rodzina, int stopien, bool sa_linie);

// Applies grade `stopien` (from 1) of a family to `stan`; whether any value changed.
bool Zastosuj(const Dane &dane, Stan &stan, int rodzina, int stopien);

struct Krok
{
    int rodzina = -1; // -1: the state as it is (step 0)
    int stopien = 0;
    std::array<double, 4> R; // BRAK for risks not assessed
};

struct DuzaSkladowa
{
    int ryzyko;   // 0 .. 3
    int skladowa; // RA ...
    double wartosc;
};

enum class WynikDoboru
{
    Wystarcza,
    Znaleziono,
    NieZnaleziono
};

struct Dobor
{
    WynikDoboru stan = WynikDoboru::Wystarcza;
    std::array<double, 4> przed;
    std::vector<Krok> kroki;              // with step 0; empty for Wystarcza
    std::vector<DuzaSkladowa> najwieksze; // only for NieZnaleziono
};

Dobor DobierzOchrone(const Dane &dane, const Wyniki &wyniki);
const char *KluczWynikuDoboru(WynikDoboru stan); // "wystarcza", ...
QString TekstWynikuDoboru(WynikDoboru stan);
// "Największe składowe Rk: C1 = V1, ..." for each risk still above RT.
QStringList TekstyNajwiekszych(const Dobor &dobor);
QString TekstRady(); // "Rozważ ekranowanie linii, ..."

// The R4 cost comparison, when R4 is assessed and CPM entered.
struct Oplacalnosc
{
    double ct, CPM, R4_bez_ochrony, R4, CL, CRL, SM;
    bool oplacalna;
};
bool PorownajKoszty(const Dane &dane, const Wyniki &wyniki, Oplacalnosc &wynik);
QString WerdyktKosztow(const Oplacalnosc &o);

} // namespace kerwano::ocena
