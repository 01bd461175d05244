#pragma once

#include <QString>

class QWidget;

// What screen readers are told about widgets that say nothing by
// themselves.
namespace dostepnosc {

// `w` reads as one text, `tekst` (a result put together from several
// labels, "d1 ≥ 0,38 m"): its children are not read one by one.
void JedenTekst(QWidget *w, const QString &tekst);

// Every drop-down list of `okno` that a label names (its buddy) gets the
// label's text as its accessible name, without the mnemonic and the colon,
// unless it has a name already. Edit fields are named by their labels as
// they stand.
void NazwijPola(QWidget *okno);

// A picture: its name and what it shows.
void Obraz(QWidget *w, const QString &nazwa, const QString &opis);

} // namespace dostepnosc
