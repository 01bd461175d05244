#pragma once

#include <QList>
#include <QString>

#include <array>

namespace kerwano {

// One line of the questionnaire.
struct PozycjaFormularza
{
    enum class Rodzaj
    {
        Naglowek,  // a section heading
        Pytanie,   // a question, at the margin
        Odpowiedz, // an answer, indented
    };
    Rodzaj rodzaj;
    QString tekst;
};

// The blank classification questionnaire: the same on every print, with no
// project data. Sections (A) and (B) fill the first page, (C) and the data
// for Nd the second.
struct TrescFormularza
{
    QString tytul;
    QString podtytul; // "Katalog pytań"
    QString linia_naglowka;
    std::array<QList<PozycjaFormularza>, 2> strony; // the lines of each page
};

TrescFormularza Formularz();

} // namespace kerwano
