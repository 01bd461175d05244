#include "risk/Wspolczynniki.h"

#include <array>

namespace kerwano {

namespace {

const std::array<ListaWspolczynnika, LICZBA_LIST> &Listy()
{
    static const std::array<ListaWspolczynnika, LICZBA_LIST> listy = {{
        {QStringLiteral("Rodzaj ścian:"),
         {{QStringLiteral("Lany, zbrojony beton; metalowa fasada"), 5},
          {QStringLiteral("Szkielet ze stali, beton warstwowy"), 4},
          {QStringLiteral("Gotowe elementy konstrukcyjne przewodzące"), 4},
          {QStringLiteral("Mur, beton nie zbrojony"), 0.5},
          {QStringLiteral("Gotowe elementy konstrukcyjne nie przewodzące"), 0.5},
          {QStringLiteral("Drewno lub inne palne materiały"), 0.1}}},
        {QStringLiteral("Konstrukcja dachu:"),
         {{QStringLiteral("Stal"), 4},
          {QStringLiteral("Żelbet"), 2},
          {QStringLiteral("Gotowe elementy żelbetonowe"), 0.5},
          {QStringLiteral("Drewno"), 0.1}}},
        {QStringLiteral("Pokrycie dachu:"),
         {{QStringLiteral("Beton zbrojony"), 4},
          {QStringLiteral("Blacha"), 2},
          {QStringLiteral("Dachówka ceramiczna, łupek kamienny"), 1},
          {QStringLiteral("Folia bitumiczna"), 0.5},
          {QStringLiteral("Papa, beton żwirowy"), 0.5},
          {QStringLiteral("Słoma, trzcina, drewno"), 0.05}}},
        {QStringLiteral("Zabudowa dachu:"),
         {{QStringLiteral("Dach bez zabudowy"), 1},
          {QStringLiteral("Nie uziemione anteny, elementy metalowe"), 0.5},
          {QStringLiteral("Urządzenia elektryczne"), 0.2},
          {QStringLiteral("Wrażliwe urządzenia elektryczne"), 0.1}}},
        {QStringLiteral("Zachowanie mieszkańców:"),
         {{QStringLiteral("Nie ma niebezpieczeństwa paniki"), 1},
          {QStringLiteral("Przeciętna możliwość paniki"), 0.1},
          {QStringLiteral("Duża pewność paniki"), 0.01}}},
        {QStringLiteral("Wyposażenie wnętrza:"),
         {{QStringLiteral("Nie palne, trudno palne"), 1},
          {QStringLiteral("Palne"), 0.2},
          {QStringLiteral("Urządzenia z zagrożeniem wybuchu"), 0.1},
          {QStringLiteral("Urządzenia zawierające materiał wybuchowy"), 0.01},
          {QStringLiteral("Urządzenia atomowe"), 0.01}}},
        {QStringLiteral("Rodzaj wyposażenia wnętrza:"),
         {{QStringLiteral("Ubogie wyposażenie"), 1},
          {QStringLiteral("Wartościowe wyposażenie"), 0.2},
          {QStringLiteral("Szczególnie wartościowe wyposażenie"), 0.1},
          {QStringLiteral("Wartości o niepowetowanym znaczeniu"), 0.01}}},
        {QStringLiteral("Systemy bezpieczeństwa:"),
         {{QStringLiteral("Automatyczna instalacja gaśnicza"), 10},
          {QStringLiteral("Instalacja utrudniająca rozprzestrzenianie się ognia"), 5},
          {QStringLiteral("Centrala sygnalizacji pożaru"), 2},
          {QStringLiteral("Bez środków bezpieczeństwa"), 1}}},
        {QStringLiteral("Skutki dla środowiska:"),
         {{QStringLiteral("Żadne"), 1},
          {QStringLiteral("Przeciętne"), 0.5},
          {QStringLiteral("Znaczne"), 0.1},
          {QStringLiteral("Bardzo wysokie"), 0.01}}},
        {QStringLiteral("Wpływ na pracę innych systemów:"),
         {{QStringLiteral("Żaden"), 1},
          {QStringLiteral("Znaczny"), 0.1},
          {QStringLiteral("Bardzo wysoki"), 0.01}}},
        {QStringLiteral("Inne szkody:"),
         {{QStringLiteral("Żadne"), 1},
          {QStringLiteral("Przeciętne"), 0.5},
          {QStringLiteral("Znaczne"), 0.1},
          {QStringLiteral("Bardzo wysokie"), 0.01}}},
        {QStringLiteral("Ilość dni burzowych w roku:"),
         {{QStringLiteral("20 dni burzowych w roku"), 1.8},
          {QStringLiteral("25 dni burzowych w roku"), 2.5}}},
        {QStringLiteral("Położenie budynku:"),
         {{QStringLiteral("Budynek otoczony obiektami o równej wysokości lub wyższymi"), 0.25},
          {QStringLiteral("Budynek otoczony niższymi obiektami"), 0.5},
          {QStringLiteral("Budynek wolnostojący - bez zabudowy w odległości 3H"), 1},
          {QStringLiteral("Budynek wolnostojący na szczycie góry lub wzniesieniu"), 2}}},
    }};
    return listy;
}

} // namespace

const ListaWspolczynnika &Lista(int nr)
{
    return Listy().at(static_cast<size_t>(nr - 1));
}

QString TytulGrupy(int nr)
{
    switch (nr) {
    case 1:
        return QStringLiteral(" Parametry konstrukcji budynku ");
    case 2:
        return QStringLiteral(" Charakterystyka budynku ");
    case 3:
        return QStringLiteral(" Stutki pożaru ");
    case 4:
        return QStringLiteral("  Inne współczynniki  ");
    case 5:
        return QStringLiteral(" Wyniki obliczeń ");
    }
    return QString();
}

} // namespace kerwano
