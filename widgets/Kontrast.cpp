#include "widgets/Kontrast.h"

#include <QImage>
#include <QPainter>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

#include <cmath>

namespace kontrast {

namespace {

double Liniowa(double s)
{
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

// The colour the style fills a tab widget's frame with, in `grupa`: painted
// on a small picture and read in its middle.
QColor RamkaKart(const QTabWidget *karty, QPalette::ColorGroup grupa)
{
    constexpr int BOK = 48;
    QStyleOptionTabWidgetFrame opcja;
    opcja.initFrom(karty);
    opcja.rect = QRect(0, 0, BOK, BOK);
    opcja.palette.setCurrentColorGroup(grupa);
    opcja.state &= ~QStyle::State_HasFocus;
    if (grupa == QPalette::Disabled)
        opcja.state &= ~QStyle::State_Enabled;
    const QColor okno = karty->palette().color(grupa, QPalette::Window);
    QImage obraz(BOK, BOK, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(okno);
    QPainter p(&obraz);
    karty->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opcja, &p, karty);
    p.end();
    return obraz.pixelColor(BOK / 2, BOK / 2);
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

QColor Tlo(const QWidget *w, QPalette::ColorGroup grupa)
{
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(grupa, p->backgroundRole());
        // A tab page stands on its tab widget's frame.
        const QWidget *stos = p->parentWidget();
        if (qobject_cast<const QStackedWidget *>(stos))
            if (const auto *karty = qobject_cast<const QTabWidget *>(stos->parentWidget()))
                return RamkaKart(karty, grupa);
    }
    return w->palette().color(grupa, QPalette::Window);
}

void UstawCzytelny(QWidget *w, QPalette::ColorRole rola, const QColor &kolor)
{
    QPalette paleta = w->palette();
    for (QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        paleta.setColor(grupa, rola, Czytelny(kolor, Tlo(w, grupa)));
    w->setPalette(paleta);
}

} // namespace kontrast
