#pragma once

#include "assessment/Json.h"
#include "reports/TrescObliczen.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

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

// A column of a table: its heading, its width relative to the other
// columns' (the table's width is shared out in proportion), where its
// heading and texts stand in the column, and its text for every row. Every
// text breaks onto as many lines as the column needs.
struct KolumnaTresci
{
    QString naglowek;
    qreal szerokosc = 1;
    Qt::Alignment wyrownanie = Qt::AlignRight;
    QStringList wartosci;
};

struct TabelaTresci
{
    QList<KolumnaTresci> kolumny;
    // The cells printed in red, as (row, column).
    QSet<std::pair<qsizetype, qsizetype>> czerwone;
    qreal szerokosc = 0; // mm; 0: the whole width of the page

    void DodajKolumne(const QString &naglowek, qreal szerokosc,
                      Qt::Alignment wyrownanie = Qt::AlignRight);
    // A row of one text per column, in the columns' order; `czerwone` marks
    // the cells printed in red, in the same order.
    void DodajWiersz(const QStringList &komorki, const QList<bool> &czerwone = {});
    qsizetype wierszy() const { return kolumny.isEmpty() ? 0 : kolumny.first().wartosci.size(); }
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
