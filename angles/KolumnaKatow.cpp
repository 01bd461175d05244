#include "angles/KolumnaKatow.h"

#include "angles/KrzyweKatow.h"
#include "elements/ListaElementow.h"
#include "risk/Konwersja.h"

#include <cmath>

namespace kerwano {

bool OdswiezKolumneKatow(ListaElementow &lista, Klasa klasa, Klasa stara_klasa, bool wymus,
                         const KrzyweKatow &krzywe)
{
    if (lista.liczba_elementow() <= 0 || (klasa.klasa == stara_klasa.klasa && !wymus))
        return false;
    for (int w = 1; w <= lista.liczba_elementow(); ++w) {
        if (klasa.klasa == 0) {
            lista.UstawKat(w, QStringLiteral("?"));
            continue;
        }
        // The height as the cell shows it, rounded to the centimetre.
        const double h = TekstNaLiczbe(lista.Wiersz(w).wysokosc).value_or(std::nan(""));
        lista.UstawKat(w, krzywe.TekstKata(klasa, h));
    }
    return true;
}

} // namespace kerwano
