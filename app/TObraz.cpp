#include "app/TObraz.h"

#include <QMouseEvent>

TObraz::TObraz(const QString &plik, const QSize &rozmiar, QWidget *parent)
    : QSvgWidget(plik, parent)
{
    setFixedSize(rozmiar);
}

void TObraz::mousePressEvent(QMouseEvent *zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        emit Klikniety();
    QSvgWidget::mousePressEvent(zdarzenie);
}
