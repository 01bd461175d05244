#pragma once

#include "assessment/Dane.h"
#include "assessment/Json.h"

namespace kerwano::ocena {

// A document checked: its typed inputs, every invalid field with its reason
// (in the order of the document, a rule's mark where its field is) and the
// notes. The inputs are complete only when there is no error.
struct Walidacja
{
    Dane dane;
    QVector<Komunikat> bledy;
    QVector<Komunikat> uwagi;
    bool Poprawna() const { return bledy.isEmpty(); }
    // The reason of the field `pole`, or "".
    QString Powod(const QString &pole) const;
};

Walidacja Sprawdz(const Json &dokument);

// The value a number field takes from the text typed into it: a number
// (with a comma or a point), null for an empty text, the text itself when it
// is not a number.
Json WartoscPola(const QString &tekst);

} // namespace kerwano::ocena
