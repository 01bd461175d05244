// Bytes in as a risk assessment file: read, checked, computed with the
// search for protection and the JSON of --ryzyko, then written back; a file
// that reads must write back to text that reads to the same document and
// writes back to the same text.

#include "assessment/Dobor.h"
#include "assessment/PlikOceny.h"
#include "assessment/Walidacja.h"
#include "assessment/WynikiOceny.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    using namespace kerwano::ocena;
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    Json dokument;
    if (!CzytajOcene(bajty, QStringLiteral("f.kwr"), dokument).isEmpty())
        return 0;
    const Walidacja walidacja = Sprawdz(dokument);
    if (walidacja.Poprawna()) {
        const Wyniki wyniki = Oblicz(walidacja.dane);
        for (const Ryzyko &r : wyniki.r)
            if (r.oceniane && !(r.R >= 0 && std::isfinite(r.R)))
                std::abort();
        DobierzOchrone(walidacja.dane, wyniki);
    }
    const Json wynik = WynikiJson(dokument, QStringLiteral("f.kwr"), QStringLiteral("K"));
    if (wynik["wyniki"].JestNull() == walidacja.Poprawna())
        std::abort();
    const QByteArray tekst = TekstOceny(dokument);
    Json znowu;
    if (!CzytajOcene(tekst, QStringLiteral("f.kwr"), znowu).isEmpty() || TekstOceny(znowu) != tekst)
        std::abort();
    return 0;
}
