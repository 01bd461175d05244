#include "bench/ProjektWzorcowy.h"

#include "elements/ParametryElementu.h"
#include "tests/BudynekWzorcowy.h"

#include <QCoreApplication>
#include <QDir>

namespace pomiar {

kerwano::Projekt ProjektWzorcowy(int elementow)
{
    kerwano::Projekt p = wzorcowy::Budynek();
    p.dane = {QStringLiteral("1/2024"),
              QStringLiteral("1.3.2024"),
              QStringLiteral("Pracownia"),
              QStringLiteral("Hala magazynowa"),
              QStringLiteral("Inwestor Sp. z o.o."),
              QStringLiteral("Zleceniodawca")};
    for (int i = 0; i < elementow; ++i) {
        const int uklad = 1 + i % 3;
        p.elementy.append(
            {QStringLiteral("Element %1").arg(i + 1),
             kerwano::ZlozParametry(i % 2 ? kerwano::TypUkladu::B : kerwano::TypUkladu::A,
                                    kerwano::TypInstalacji(uklad), kerwano::Material::Powietrze,
                                    0.5 + (i % 40) * 0.75, 2.5 + i % 7, uklad == 1 ? 0 : 4.0, 3)});
    }
    return p;
}

QString PlikWzorcowy(int elementow)
{
    const QString sciezka = QDir::temp().filePath(QStringLiteral("kerwano-bench-%1-%2.kwp")
                                                      .arg(QCoreApplication::applicationPid())
                                                      .arg(elementow));
    kerwano::ZapiszPlikProjektu(sciezka, ProjektWzorcowy(elementow));
    return sciezka;
}

} // namespace pomiar
