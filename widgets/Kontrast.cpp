#include "widgets/Kontrast.h"

#include <cmath>

namespace kontrast {

namespace {

double Liniowa(double s)
{
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

} // namespace

double Luminancja(const QColor &kolor)
{
    const QColor k = kolor.toRgb();
    return 0.2126 * Liniowa(k.redF()) + 0.7152 * Liniowa(k.greenF()) + 0.0722 * Liniowa(k.blueF());
}

double Kontrast(const QColor &a, const QColor &b)
{
    const double la = Luminancja(a), lb = Luminancja(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Czytelny(const QColor &kolor, const QColor &tlo, double prog)
{
    if (Kontrast(kolor, tlo) >= prog)
        return kolor;
    // Black and white meet on a luminance of about 0.18: above it dark text
    // reads better, below it light text.
    const bool jasne_tlo = Luminancja(tlo) > 0.18;
    const QColor hsl = kolor.toHsl();
    for (int l = hsl.lightness(); l >= 0 && l <= 255; l += jasne_tlo ? -2 : 2) {
        const QColor k =
            QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), l, kolor.alpha()).toRgb();
        if (Kontrast(k, tlo) >= prog)
            return k;
    }
    return jasne_tlo ? QColor(Qt::black) : QColor(Qt::white);
}

void UstawCzytelny(QPalette &paleta, QPalette::ColorRole rola, const QColor &kolor)
{
    for (QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        paleta.setColor(grupa, rola, Czytelny(kolor, paleta.color(grupa, QPalette::Window)));
}

} // namespace kontrast
