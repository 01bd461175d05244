#pragma once

#include "risk/Klasa.h"

namespace kerwano {

class KrzyweKatow;
class ListaElementow;

// The angle column after a class calculation: when the list has elements
// and the class number changed from `stara_klasa` (I and I+ count as one) or
// `wymus` asks for it, every angle cell is rewritten for `klasa` from the
// row's height cell, "?" for every row without a class. Returns whether it
// rewrote the column.
bool OdswiezKolumneKatow(ListaElementow &lista, Klasa klasa, Klasa stara_klasa, bool wymus,
                         const KrzyweKatow &krzywe);

} // namespace kerwano
