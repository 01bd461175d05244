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

    QList<PozycjaFormularza> &s1 = f.strona1;
    Dodaj(s1, Rodzaj::Naglowek, "(A) Konstrukcja budynku.");
    Pytanie(s1, "(A1) Ściany budynku:",
            {"Lany, zbrojony beton; metalowa fasada.", "Szkielet ze stali, beton warstwowy.",
             "Gototwe elementy konstrukcyjne przewodzące.", "Mur, beton nie zbrojony.",
             "Gotowe elementy konstrukcyjne nie przewodzące.", "Drewno lub inne palne materiały."});
    Pytanie(s1, "(A2) Konstrukcja dachu:",
            {"Stal.", "Żelbet.", "Gotowe elementy żelbetonowe.", "Drewno."});
    Pytanie(s1, "(A3) Pokrycie dachu:",
            {"Beton zbrojony.", "Blacha.", "Dachówka ceramiczna, łupek kamienny.",
             "Folia bitumiczna.", "Papa, beton żwirowy.", "Słoma, trzcina, drewno."});
    Pytanie(s1, "(A4) Zabudowa dachu:",
            {"Dach bez zabudowy.", "Nie uziemione anteny, elementy metalowe.",
             "Urządzenia elektryczne.", "Wrażliwe urządzenia elektryczne."});
    Dodaj(s1, Rodzaj::Naglowek, "(B) Charakterystyka budynku.");
    Pytanie(s1, "(B1) Zachowanie mieszkańców:",
            {"Nie ma niebezpieczeństwa paniki.", "Przeciętna możliwość paniki.",
             "Duża pewność paniki."});
    Pytanie(s1, "(B2) Wyposażenie wnętrza:",
            {"Nie palne, trudno palne.", "Palne.", "Urządzenia z zagrożeniem wybuchu.",
             "Urządzenia zawierające materiał wybuchowy.", "Urządzenia atomowe."});
    Pytanie(s1, "(B3) Wyposażenie wnętrza:",
            {"Ubogie wyposażenie.", "Wartościowe wyposażenie.",
             "Szczególnie wartościowe wyposażenie.", "Wartości o niepowetowanym znaczeniu."});
    Pytanie(s1, "(B4) Systemy bezpieczeństwa:",
            {"Automatyczna instalacja gaśnicza.",
             "Instalacja utrudniająca rozprzestrzenianie się ognia.",
             "Centrala sygnalizacji pożaru.", "Bez środków bezpieczeństwa."});

    QList<PozycjaFormularza> &s2 = f.strona2;
    Dodaj(s2, Rodzaj::Naglowek, "(C) Skutki pożaru.");
    Pytanie(s2, "(C1) Skutki dla środowiska:",
            {"Żadne.", "Przeciętne.", "Wysokie.", "Bardzo wysokie."});
    Pytanie(s2, "(C2) Wpływ na pracę innych systemów:", {"Żaden.", "Znaczny.", "Bardzo wysoki."});
    Pytanie(s2, "(C3) Inne szkody:", {"Żadne.", "Przeciętne.", "Znaczne.", "Bardzo wysokie."});
    Dodaj(s2, Rodzaj::Naglowek, "Obliczenie współczynnika Nd:");
    Pytanie(s2, "Warunki atmosferyczne:", {"20 dni burzowych w roku.", "25 dni burzowych w roku."});
    Dodaj(s2, Rodzaj::Pytanie, "Gabaryty budynku:");
    // The letter, " = (", nineteen blanks for the handwritten value, ") m.".
    for (const char *litera : {"A", "B", "H"})
        s2.append({Rodzaj::Odpowiedz, QString::fromLatin1(litera) + QStringLiteral(" = (") +
                                          QString(19, u' ') + QStringLiteral(") m.")});
    Pytanie(s2, "Współczynnik położenia budynku:",
            {"Budynek w terenie zabudowanym lub zalesionym z obiektami"});
    Dodaj(s2, Rodzaj::Odpowiedz, "        równymi wysokością lub wyższymi.");
    for (const char *o : {"Budynek otoczony niższymi obiektami.",
                          "Budynek wolnostojący - bez zabudowy w odległości 3H.",
                          "Budynek wolnostojący na szczycie góry lyb wzniesieniu."})
        s2.append({Rodzaj::Odpowiedz, QStringLiteral("( _ ) ") + QString::fromUtf8(o)});
    return f;
}

} // namespace kerwano
