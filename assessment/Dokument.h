#pragma once

#include "assessment/Json.h"

#include <QDate>
#include <QString>

namespace kerwano::ocena {

// An assessment document is kept as the JSON object of its file: every key
// of the schema present, in the schema's order, holding what the user gave
// (valid or not); the keys this version does not know follow the known ones
// of each object, in the order they were read. Validation (Walidacja.h) turns
// it into the typed inputs of the computation.

inline constexpr int MAKS_LINII = 20;
inline constexpr int MAKS_STREF = 50;
inline constexpr int MAKS_SYSTEMOW = 21;
inline constexpr int WERSJA_FORMATU = 1;
extern const char *const FORMAT_PLIKU; // "kerwano-ocena-ryzyka"

// A new document: empty project data but the date `dzis`, the structure's
// defaults, no lines and one zone "Strefa 1".
Json NowaOcena(const QDate &dzis);
// New elements with their defaults: a line "Linia N", a zone "Strefa N" (N
// the least that makes the name unique), a system of zone `strefa` on the
// first line without a system there (none when every line has one).
Json NowaLinia(const Json &dokument);
Json NowaStrefa(const Json &dokument);
Json NowySystem(const Json &dokument, int strefa);

// The object read from a file brought to the document's form: known keys
// in order with the defaults of missing ones, unknown keys after them.
// "" when it has the form of an assessment, otherwise the refusal without
// the file's name: "S:KLUCZ" for a part that is not an object or an array
// where the schema has one, "N:KLUCZ" for too many lines, zones or systems.
QString Uporzadkuj(Json &dokument);

// The document without the keys this version does not know.
Json BezNieznanych(const Json &dokument);

} // namespace kerwano::ocena
