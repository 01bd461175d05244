#pragma once

#include "assessment/Json.h"
#include "reports/TrescObliczen.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace kerwano::ocena {

// Every text of the printout "Ocena ryzyka szkód piorunowych", in order;
// the window's printout lays it out on A4 pages.
struct LiniaTresci
{
    QString tekst;
    bool pogrubiona = false;
    bool czerwona = false;
    int wciecie = 0; // levels of indent
};

struct TabelaTresci
{
    QStringList naglowki;
    QList<QStringList> wiersze;
    QList<QVector<bool>> czerwone; // per cell, or empty
    QVector<qreal> szerokosci;     // relative column widths
    int kolumn_tekstu = 1;         // the first columns hold text, the rest numbers
    qreal szerokosc = 0;           // mm; 0: the whole width of the page
};

// A line's, zone's or system's block (kept on one page when it fits), or a
// piece of a section: lines, then a table.
struct BlokTresci
{
    QList<LiniaTresci> linie;
    bool ma_tabele = false;
    TabelaTresci tabela;
    QList<LiniaTresci> po; // lines under the table
    bool ramka = false;    // the verdicts
};

struct SekcjaTresci
{
    QString tytul; // "1. Obiekt"
    QList<BlokTresci> bloki;
};

struct TrescOceny
{
    QString tytul, podtytul, linia_naglowka;
    std::array<Pozycja, 6> dane;
    QString plik; // "Plik: NAZWA.kwr"
    QList<SekcjaTresci> sekcje;
    QString wykonano, linia_podpisu, podpis_wykonawcy;
};

QString TytulOceny();    // "Ocena ryzyka szkód piorunowych"
QString PodtytulOceny(); // "wg PN-EN 62305-2:2012 „Ochrona odgromowa – ..."
QString LiniaNaglowkaOceny();

// The printout of `dokument` (valid: Sprawdz() found no error), saved as
// `nazwa_pliku` (without folder), printed on `dzis`.
TrescOceny ZlozTrescOceny(const Json &dokument, const QString &nazwa_pliku, const QDate &dzis);

} // namespace kerwano::ocena
