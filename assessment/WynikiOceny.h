#pragma once

#include "assessment/Json.h"

#include <QString>

namespace kerwano::ocena {

// The object `kerwano --ryzyko` prints: the document as saved (without
// unknown keys), its errors and notes, and every result, the search for
// protection and the cost comparison included ("wyniki" null while any
// field is invalid). `plik` is the path as given, `program` the version text.
Json WynikiJson(const Json &dokument, const QString &plik, const QString &program);

} // namespace kerwano::ocena
