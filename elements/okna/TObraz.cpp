#include "elements/okna/TObraz.h"

#include "elements/UkladyElementu.h"
#include "widgets/Dostepnosc.h"

#include <QMouseEvent>

TObraz::TObraz(const kerwano::Rysunek &rysunek, QWidget *parent) : QSvgWidget(rysunek.plik, parent)
{
    setFixedSize(ROZMIAR);
    dostepnosc::Obraz(this, rysunek.nazwa, rysunek.opis);
}

void TObraz::mousePressEvent(QMouseEvent *zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        emit Klikniety();
    QSvgWidget::mousePressEvent(zdarzenie);
}
