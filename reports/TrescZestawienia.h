#pragma once

#include "reports/TrescObliczen.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace kerwano {

class ModelProjektu;

// One roof element as the data sheet shows it: what its parameter text
// holds, then every number of its separation distance with the formula
// that gives it, so that a checker can redo each by hand.
struct BlokElementu
{
    QString tytul;            // "1. Maszt"
    QString opis;             // "Opis: " and the parameter text as stored
    QList<Pozycja> parametry; // "Układ:" "A", ..., "H =" "10,00 m", as the text holds them
    QStringList obliczenia;   // ki, kc, km, d, α, one line each
    QString porownanie;       // d' by PN-EN 62305-3:2011, informative
};

// Every text of "Zestawienie elementów dachu": the report's page header,
// project data and signature block, the class, then one block per element
// and a note naming both standards.
struct TrescZestawienia
{
    QString tytul;
    QString podtytul; // "Zestawienie elementów dachu"
    QString linia_naglowka;
    std::array<Pozycja, 6> dane_projektu;
    QString klasa; // "Klasa ochronności: I"
    QList<BlokElementu> elementy;
    QString brak_elementow; // instead of the blocks when there are none
    QString uwaga;

    QString linia_podpisu;
    QString podpis_wykonawcy;
    QString wykonano;
};

// The sheet of `projekt` as it stands (nothing recalculated but each
// element's distance), dated `dzis`.
TrescZestawienia ZlozTrescZestawienia(const ModelProjektu &projekt, const QDate &dzis);

// The sheet's title, also the document name for the printing system.
QString TytulDokumentuZestawienia();

// A coefficient with three decimals ("0,425"), or "?" when it is not known.
QString TrzyMiejsca(double x);

} // namespace kerwano
