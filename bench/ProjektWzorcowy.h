#pragma once

// The project every benchmark works on, so that their figures compare.

#include "project/PlikProjektu.h"

#include <QString>

namespace pomiar {

// The worked building of the examples (class I: 30 x 20 x 10 m, free
// standing) with `elementow` roof elements of varied layouts and heights
// (0.5 m up to 29.75 m, some above class I's 20 m).
kerwano::Projekt ProjektWzorcowy(int elementow);

// That project written as a .kwp file in the system's temporary folder;
// its path. The file is named after the process and the element count.
QString PlikWzorcowy(int elementow);

} // namespace pomiar
