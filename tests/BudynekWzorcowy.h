#pragma once

// The worked building of the manual, as the tests, the benchmarks and the
// fuzz corpus generator all use it. Plain data on Qt Core: the window tests
// type it with okno_testowe::Budynek.

#include "elements/ParametryElementu.h"
#include "project/PlikProjektu.h"

#include <QString>

#include <array>

namespace wzorcowy {

// Masonry, reinforced concrete roof, tiles, electrical equipment; average
// panic, combustible, valuable, fire alarm; average, none, average; 20
// thunderstorm days; free standing. The indices of ComboBox1 .. ComboBox13:
// index 0 of ComboBox5 is no panic, ComboBox13's 0, 1, 2 are Ce 0.25, 0.5, 1.
inline constexpr std::array<int, 13> WYBORY = {3, 1, 2, 2, 1, 1, 1, 2, 1, 0, 1, 0, 2};

// The designer of the projects the tests write.
inline QString Biuro()
{
    return QStringLiteral("Pracownia Projektowa Kerwano, ul. Przykładowa 1, 00-001 Warszawa");
}

// A project as the program starts one: 1 x 1 x 1 m, the date and the designer only.
inline kerwano::Projekt Nowy()
{
    kerwano::Projekt p;
    p.wymiary = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
    p.dane = {QString(), QStringLiteral("8.12.2026"), Biuro(), QString(), QString(), QString()};
    return p;
}

// The worked building with Ce index `ce` and the dimensions as typed into
// Edit1 .. Edit3. 30 x 20 x 10 m is class I, with Ce 0.5 class II; 60 x 40 x
// 20 m is class I+.
inline kerwano::Projekt Budynek(int ce = 2, const QString &L = QStringLiteral("30"),
                                const QString &S = QStringLiteral("20"),
                                const QString &H = QStringLiteral("10"))
{
    kerwano::Projekt p = Nowy();
    p.wybory = WYBORY;
    p.wybory[12] = ce;
    p.wymiary = {L, S, H};
    return p;
}

// A roof element with its parameter text as the element dialog writes it.
inline kerwano::ElementDachu Element(const QString &nazwa, kerwano::TypUkladu u, int typ,
                                     kerwano::Material m, double H, double L, double fc = 0,
                                     int n = 0)
{
    return {nazwa, kerwano::ZlozParametry(u, typ, m, H, L, fc, n)};
}

} // namespace wzorcowy
