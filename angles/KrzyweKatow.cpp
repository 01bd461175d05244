#include "angles/KrzyweKatow.h"

#include "risk/Formaty.h"

#include <cmath>
#include <limits>

namespace kerwano {

// The samples and the height lookup are worked in the 80-bit x87 format; the
// published angles (and which centimetre a height falls on) depend on it.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended type");

namespace {

// Protective angles in degrees at 0, 1, 2 ... m up to the limit height,
// ten metres a line.
// clang-format off
const std::vector<double> KATY_BAZOWE[4] = {
    // Class I, 20 m
    {67, 67, 67, 67, 63.5, 60, 56.5, 53.5, 50.5, 47.75,
     45, 42.5, 40, 37.5, 35.25, 33, 31, 29, 26.75, 25,
     23},
    // Class II, 30 m
    {72, 72, 72, 72, 68.5, 65.5, 63, 60.5, 58.5, 56.5,
     54.5, 52.5, 50.5, 48.5, 47, 45.25, 43.5, 42, 40.5, 38.75,
     37.5, 36.1, 34.25, 32.75, 31.5, 30, 28.5, 27.5, 26, 24.6,
     23},
    // Class III, 45 m
    {75, 75, 75, 75, 72.5, 70, 68, 66, 64.3, 62.7,
     61.3, 59.75, 58.3, 56.9, 55.5, 54.4, 53, 51.7, 50.5, 49.5,
     48.5, 47.3, 46.2, 45, 44, 43, 41.8, 40.8, 39.8, 38.7,
     37.7, 36.6, 35.6, 34.5, 33.5, 32.5, 31.5, 30.5, 29.5, 28.4,
     27.5, 26.4, 25.6, 24.7, 23.9, 23},
    // Class IV, 60 m
    {78, 78, 78, 78, 75.7, 73.5, 71.5, 69.6, 68.1, 66.8,
     65.5, 64.1, 62.8, 61.6, 60.5, 59.5, 58.5, 57.4, 56.5, 55.4,
     54.5, 53.5, 52.5, 51.5, 50.6, 49.8, 48.7, 48, 47.1, 46.2,
     45.4, 44.5, 43.7, 42.9, 42.2, 41.3, 40.5, 39.6, 38.8, 38.1,
     37.3, 36.6, 35.8, 35.1, 34.3, 33.6, 32.8, 32.2, 31.5, 30.7,
     30, 29.35, 28.6, 27.95, 27.2, 26.5, 25.8, 25.3, 24.6, 23.9,
     23},
};
// clang-format on

const int WYSOKOSC_GRANICZNA[4] = {20, 30, 45, 60};

bool KlasaPoprawna(int klasa)
{
    return klasa >= 1 && klasa <= 4;
}

// Nearest whole number, an exact half going to the even neighbour. Done by
// hand so that the result does not depend on the current rounding mode.
// `x` is finite, non-negative and small enough for an exact floor.
long double ZaokraglijDoParzystej(long double x)
{
    const long double dol = std::floor(x);
    const long double reszta = x - dol; // exact
    if (reszta > 0.5L)
        return dol + 1;
    if (reszta < 0.5L)
        return dol;
    return std::fmod(dol, 2.0L) == 0 ? dol : dol + 1;
}

} // namespace

KrzyweKatow::KrzyweKatow()
{
    for (int k = 0; k < 4; ++k) {
        const std::vector<double> &t = KATY_BAZOWE[k];
        const int n = WYSOKOSC_GRANICZNA[k];
        std::vector<double> &krzywa = m_krzywe[k];
        krzywa.reserve(static_cast<std::size_t>(100 * n + 1));
        for (int m = 0; m < n; ++m) {
            const long double a = t[m];
            const long double b = t[m + 1];
            for (int i = 0; i < 100; ++i)
                krzywa.push_back(static_cast<double>(a - ((a - b) * i) / 100));
        }
        krzywa.push_back(KAT_KONCOWY);
    }
}

int KrzyweKatow::WysokoscGraniczna(int klasa)
{
    return KlasaPoprawna(klasa) ? WYSOKOSC_GRANICZNA[klasa - 1] : 0;
}

const std::vector<double> &KrzyweKatow::KatyBazowe(int klasa)
{
    static const std::vector<double> pusta;
    return KlasaPoprawna(klasa) ? KATY_BAZOWE[klasa - 1] : pusta;
}

const std::vector<double> &KrzyweKatow::Krzywa(int klasa) const
{
    static const std::vector<double> pusta;
    return KlasaPoprawna(klasa) ? m_krzywe[klasa - 1] : pusta;
}

std::optional<double> KrzyweKatow::KatOslonowy(Klasa k, double h) const
{
    const int klasa = k.klasa;
    if (!KlasaPoprawna(klasa))
        return std::nullopt;
    // NaN fails both comparisons; a negative height has no point on the curve.
    if (!(h >= 0) || h > WYSOKOSC_GRANICZNA[klasa - 1])
        return std::nullopt;
    const long double j = ZaokraglijDoParzystej(static_cast<long double>(h) * 100);
    const std::vector<double> &krzywa = m_krzywe[klasa - 1];
    if (j >= static_cast<long double>(krzywa.size())) // cannot happen for h <= limit
        return krzywa.back();
    return krzywa[static_cast<std::size_t>(j)];
}

QString KrzyweKatow::TekstKata(Klasa klasa, double h) const
{
    return TekstKata(KatOslonowy(klasa, h));
}

QString KrzyweKatow::TekstKata(std::optional<double> kat)
{
    return kat ? F2(*kat) : QStringLiteral("?");
}

} // namespace kerwano
