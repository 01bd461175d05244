#include "widgets/TObraz.h"

#include "widgets/Dostepnosc.h"

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

// What a screen reader says of the picture: its name and what it shows.
QPair<QString, QString> Opis(TObraz::Rysunek rysunek)
{
    switch (rysunek) {
    case TObraz::Rysunek::UkladA:
        return {QStringLiteral("Rysunek układu A"),
                QStringLiteral("Zwód pionowy na dachu obok urządzenia dachowego: kąt osłonowy α "
                               "na szczycie zwodu, odstęp d między zwodem a urządzeniem, długość "
                               "L do uziomu, uziom połączony z uziomem budynku.")};
    case TObraz::Rysunek::UkladB:
        return {QStringLiteral("Rysunek układu B"),
                QStringLiteral("Jak układ A, lecz połączenie z uziomem budynku jest "
                               "przekreślone.")};
    case TObraz::Rysunek::Uklad1:
        return {QStringLiteral("Rysunek układu 1"),
                QStringLiteral("Pojedynczy zwód pionowy o wysokości H obok budynku z urządzeniem "
                               "na dachu; odstęp d mierzony od zwodu na wysokości L.")};
    case TObraz::Rysunek::Uklad2:
        return {QStringLiteral("Rysunek układu 2"),
                QStringLiteral("Linka rozpięta między dwoma masztami o wysokości H nad budynkiem, "
                               "rozpiętość f; odstęp d od linki do urządzenia na wysokości L.")};
    case TObraz::Rysunek::Uklad3:
        break;
    }
    return {QStringLiteral("Rysunek układu 3"),
            QStringLiteral("Zwód siatkowy nad budynkiem z wieloma przewodami odprowadzającymi i "
                           "uziomami; c to odległość między sąsiednimi przewodami, H i L wysokości "
                           "przy jednym przewodzie, n liczba przewodów.")};
}

} // namespace

TObraz::TObraz(Rysunek rysunek, QWidget *parent) : QSvgWidget(Plik(rysunek), parent)
{
    setFixedSize(ROZMIAR);
    const auto [nazwa, opis] = Opis(rysunek);
    dostepnosc::Obraz(this, nazwa, opis);
}

void TObraz::mousePressEvent(QMouseEvent *zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        emit Klikniety();
    QSvgWidget::mousePressEvent(zdarzenie);
}
