#include "widgets/TObraz.h"

#include <QMouseEvent>

namespace {

QString Plik(TObraz::Rysunek rysunek)
{
    switch (rysunek) {
    case TObraz::Rysunek::UkladA:
        return QStringLiteral(":/kerwano/uklad_A.svg");
    case TObraz::Rysunek::UkladB:
        return QStringLiteral(":/kerwano/uklad_B.svg");
    case TObraz::Rysunek::Uklad1:
        return QStringLiteral(":/kerwano/uklad_1.svg");
    case TObraz::Rysunek::Uklad2:
        return QStringLiteral(":/kerwano/uklad_2.svg");
    case TObraz::Rysunek::Uklad3:
        break;
    }
    return QStringLiteral(":/kerwano/uklad_3.svg");
}

} // namespace

TObraz::TObraz(Rysunek rysunek, QWidget *parent) : QSvgWidget(Plik(rysunek), parent)
{
    setFixedSize(ROZMIAR);
}

void TObraz::mousePressEvent(QMouseEvent *zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        emit Klikniety();
    QSvgWidget::mousePressEvent(zdarzenie);
}
