#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Colours that stay readable on the background they stand on, whatever the
// desktop's palette: contrast as the accessibility guidelines reckon it
// (relative luminance, 1:1 to 21:1).
namespace kontrast {

inline constexpr double CZYTELNY = 4.5; // the least contrast of normal text

double Luminancja(const QColor &kolor);
double Kontrast(const QColor &a, const QColor &b);

// `kolor` when it reads on `tlo`; otherwise the same hue made darker on a
// light background or lighter on a dark one, just enough.
QColor Czytelny(const QColor &kolor, const QColor &tlo, double prog = CZYTELNY);

// `kolor` for the role `rola` of `paleta`, in every colour group made
// readable on that group's window background.
void UstawCzytelny(QPalette &paleta, QPalette::ColorRole rola, const QColor &kolor);

// The colour `w`'s text is actually drawn on in colour group `grupa`: that of
// the nearest widget from `w` up that fills its background, of the frame the
// style paints behind a tab page (Fusion paints it lighter than the window),
// or of the window.
QColor Tlo(const QWidget *w, QPalette::ColorGroup grupa = QPalette::Active);

// `kolor` for the role `rola` of `w`'s palette, in every colour group made
// readable on what `w` stands on (Tlo).
void UstawCzytelny(QWidget *w, QPalette::ColorRole rola, const QColor &kolor);

} // namespace kontrast
