#include "reports/TrescFormularza.h"

#include "project/ModelProjektu.h"
#include "reports/TrescObliczen.h"

namespace kerwano {

namespace {

using Rodzaj = PozycjaFormularza::Rodzaj;

// A heading, or a question with its answers, each given a box to tick.
void Dodaj(QList<PozycjaFormularza> &lista, Rodzaj rodzaj, const char *tekst)
{
    lista.append({rodzaj, QString::fromUtf8(tekst)});
}

void Pytanie(QList<PozycjaFormularza> &lista, const char *pytanie,
             std::initializer_list<const char *> odpowiedzi)
{
    Dodaj(lista, Rodzaj::Pytanie, pytanie);
    for (const char *o : odpowiedzi)
        lista.append({Rodzaj::Odpowiedz, QStringLiteral("( _ ) ") + QString::fromUtf8(o)});
}

} // namespace

TrescFormularza Formularz()
{
    TrescFormularza f;
    f.tytul = TytulWydruku();
    f.podtytul = QStringLiteral("Katalog pytań");
    f.linia_naglowka = LiniaNaglowka();

    QList<PozycjaFormularza> &pierwsza = f.strony[0];
    Dodaj(pierwsza, Rodzaj::Naglowek, "(A) Konstrukcja budynku.");
    Pytanie(pierwsza, "(A1) Ściany budynku:",
            {"Lany, zbrojony beton; metalowa fasada.", "Szkielet ze stali, beton warstwowy.",
             "Gototwe elementy konstrukcyjne przewodzące.", "Mur, beton nie zbrojony.",
             "Gotowe elementy konstrukcyjne nie przewodzące.", "Drewno lub inne palne materiały."});
    Pytanie(pierwsza, "(A2) Konstrukcja dachu:",
            {"Stal.", "Żelbet.", "Gotowe elementy żelbetonowe.", "Drewno."});
    Pytanie(pierwsza, "(A3) Pokrycie dachu:",
            {"Beton zbrojony.", "Blacha.", "Dachówka ceramiczna, łupek kamienny.",
             "Folia bitumiczna.", "Papa, beton żwirowy.", "Słoma, trzcina, drewno."});
    Pytanie(pierwsza, "(A4) Zabudowa dachu:",
            {"Dach bez zabudowy.", "Nie uziemione anteny, elementy metalowe.",
             "Urządzenia elektryczne.", "Wrażliwe urządzenia elektryczne."});
    Dodaj(pierwsza, Rodzaj::Naglowek, "(B) Charakterystyka budynku.");
    Pytanie(pierwsza, "(B1) Zachowanie mieszkańców:",
            {"Nie ma niebezpieczeństwa paniki.", "Przeciętna możliwość paniki.",
             "Duża pewność paniki."});
    Pytanie(pierwsza, "(B2) Wyposażenie wnętrza:",
            {"Nie palne, trudno palne.", "Palne.", "Urządzenia z zagrożeniem wybuchu.",
             "Urządzenia zawierające materiał wybuchowy.", "Urządzenia atomowe."});
    Pytanie(pierwsza, "(B3) Wyposażenie wnętrza:",
            {"Ubogie wyposażenie.", "Wartościowe wyposażenie.",
             "Szczególnie wartościowe wyposażenie.", "Wartości o niepowetowanym znaczeniu."});
    Pytanie(pierwsza, "(B4) Systemy bezpieczeństwa:",
            {"Automatyczna instalacja gaśnicza.",
             "Instalacja utrudniająca rozprzestrzenianie się ognia.",
             "Centrala sygnalizacji pożaru.", "Bez środków bezpieczeństwa."});

    QList<PozycjaFormularza> &druga = f.strony[1];
    Dodaj(druga, Rodzaj::Naglowek, "(C) Skutki pożaru.");
    Pytanie(druga, "(C1) Skutki dla środowiska:",
            {"Żadne.", "Przeciętne.", "Wysokie.", "Bardzo wysokie."});
    Pytanie(druga,
            "(C2) Wpływ na pracę innych systemów:", {"Żaden.", "Znaczny.", "Bardzo wysoki."});
    Pytanie(druga, "(C3) Inne szkody:", {"Żadne.", "Przeciętne.", "Znaczne.", "Bardzo wysokie."});
    Dodaj(druga, Rodzaj::Naglowek, "Obliczenie współczynnika Nd:");
    Pytanie(druga,
            "Warunki atmosferyczne:", {"20 dni burzowych w roku.", "25 dni burzowych w roku."});
    Dodaj(druga, Rodzaj::Pytanie, "Gabaryty budynku:");
    // The letter, " = (", nineteen blanks for the handwritten value, ") m.".
    for (const char *litera : {"A", "B", "H"})
        druga.append({Rodzaj::Odpowiedz, QString::fromLatin1(litera) + QStringLiteral(" = (") +
                                             QString(19, u' ') + QStringLiteral(") m.")});
    Pytanie(druga, "Współczynnik położenia budynku:",
            {"Budynek w terenie zabudowanym lub zalesionym z obiektami"});
    Dodaj(druga, Rodzaj::Odpowiedz, "        równymi wysokością lub wyższymi.");
    for (const char *o : {"Budynek otoczony niższymi obiektami.",
                          "Budynek wolnostojący - bez zabudowy w odległości 3H.",
                          "Budynek wolnostojący na szczycie góry lyb wzniesieniu."})
        druga.append({Rodzaj::Odpowiedz, QStringLiteral("( _ ) ") + QString::fromUtf8(o)});
    return f;
}

} // namespace kerwano
