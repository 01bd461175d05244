#include "angles/KrzyweKatow.h"
#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "risk/Formaty.h"

#include <QtTest>

using namespace kerwano;

// Separation distance d = ki * kc / km * L and the angle beside it, from the
// element's parameter text and the class.
class TstOdstep : public QObject
{
    Q_OBJECT
private slots:
    void przyklady_data();
    void przyklady();
    void zerowe_data();
    void zerowe();
    void katOdWysokosci_data();
    void katOdWysokosci();
    void wspolczynniki();

private:
    KrzyweKatow m_krzywe;
};

void TstOdstep::przyklady_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("d_pn"); // with ki' 0,08 / 0,06 / 0,04 of PN-EN 62305-3:2011

    QTest::newRow("II, A, 1, air") << 2 << "Układ A, układ 1, powietrze, H = 5,00, L = 10,00"
                                   << "0,75 m"
                                   << "0,60 m";
    QTest::newRow("I, A, 2, air") << 1
                                  << "Układ A, układ 2, powietrze, H = 10,00, L = 6,00, f = 30,00"
                                  << "0,48 m"
                                  << "0,38 m";
    QTest::newRow("III, A, 3, dielectric")
        << 3 << "Układ A, układ 3, dielektryk, H = 10,00, L = 5,00, c = 10,00, n = 4"
        << "0,21 m"
        << "0,17 m";
    QTest::newRow("I, A, 3, air, cube root")
        << 1 << "Układ A, układ 3, powietrze, H = 20,00, L = 8,00, c = 5,00, n = 2"
        << "0,38 m"
        << "0,30 m";
    QTest::newRow("IV, B, 2, dielectric")
        << 4 << "Układ B, układ 2, dielektryk, H = 40,00, L = 3,00, f = 7,00"
        << "0,30 m"
        << "0,24 m";
    QTest::newRow("B ignores the mesh") << 2
                                        << "Układ B, układ 3, powietrze, H = 0,00, L = 4,00, "
                                           "c = 10,00, n = 0"
                                        << "0,30 m"
                                        << "0,24 m";
    QTest::newRow("no class") << 0 << "Układ A, układ 1, powietrze, H = 5,00, L = 10,00"
                              << "0,00 m"
                              << "0,00 m";
    // Where the text cannot give a distance, none is shown, never a negative one.
    QTest::newRow("no medium") << 2 << "Układ A, układ 1, H = 5,00, L = 10,00"
                               << "?"
                               << "?";
    QTest::newRow("no medium, no class") << 0 << "Układ B, układ 1, H = 5,00, L = 10,00"
                                         << "?"
                                         << "?";
    QTest::newRow("no arrangement, no medium: -1 / -1 is no distance")
        << 1 << "układ 1, H = 5,00, L = 10,00"
        << "?"
        << "?";
    QTest::newRow("no layout") << 1 << "Układ A, powietrze, H = 5,00, L = 10,00"
                               << "?"
                               << "?";
    QTest::newRow("negative length") << 1 << "Układ A, układ 1, powietrze, H = 5,00, L = -2,00"
                                     << "?"
                                     << "?";
}

void TstOdstep::przyklady()
{
    QFETCH(int, klasa);
    QFETCH(QString, tekst);
    const WynikOdstepu w = ObliczOdstep(tekst, Klasa(klasa), m_krzywe);
    QTEST(TekstOdstepu(w.d), "d");
    QTEST(TekstOdstepu(w.d_pn), "d_pn");
}

void TstOdstep::zerowe_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("kc"); // NaN: the expression cannot be evaluated

    const double nan = qQNaN();
    QTest::newRow("mesh, n = 0") << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, "
                                    "c = 10,00, n = 0"
                                 << nan;
    QTest::newRow("mesh, n negative") << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, "
                                         "c = 10,00, n = -3"
                                      << nan;
    QTest::newRow("mesh, H = 0") << "Układ A, układ 3, powietrze, H = 0,00, L = 5,00, "
                                    "c = 10,00, n = 4"
                                 << nan;
    QTest::newRow("mesh, c / H negative") << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, "
                                             "c = -10,00, n = 4"
                                          << nan;
    QTest::newRow("mesh, n unreadable") << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, "
                                           "c = 10,00, n = x"
                                        << nan;
    QTest::newRow("mesh, c = 0: no root term")
        << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, c = 0,00, n = 4" << 0.225;
    QTest::newRow("mesh, n = 1") << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, "
                                    "c = 0,00, n = 1"
                                 << 0.6;
    QTest::newRow("mesh, n huge: 2n does not overflow")
        << "Układ A, układ 3, powietrze, H = 10,00, L = 5,00, c = 0,00, n = 2000000000"
        << 1.0 / 4e9 + 0.1;
    QTest::newRow("wire, f = H = 0")
        << "Układ A, układ 2, powietrze, H = 0,00, L = 5,00, f = 0,00" << nan;
    QTest::newRow("wire, H = 0, f > 0")
        << "Układ A, układ 2, powietrze, H = 0,00, L = 5,00, f = 3,00" << 1.0;
    QTest::newRow("no arrangement") << "układ 1, powietrze, H = 1,00, L = 1,00" << -1.0;
    QTest::newRow("A without a layout") << "Układ A, powietrze, H = 1,00, L = 1,00" << -1.0;
    QTest::newRow("B without a layout") << "Układ B, powietrze, H = 1,00, L = 1,00" << -1.0;
}

// A kc that cannot be evaluated, like one the text does not give, leaves
// every distance undefined ("?", never 0,00 m) while the angle stays.
void TstOdstep::zerowe()
{
    QFETCH(QString, tekst);
    QFETCH(double, kc);
    const double wynik = WspolczynnikKc(tekst);
    QCOMPARE(std::isnan(wynik), std::isnan(kc));
    if (!std::isnan(kc))
        QCOMPARE(wynik, kc);
    const WynikOdstepu w = ObliczOdstep(tekst, Klasa(1), m_krzywe);
    const bool okreslony = kc > 0;
    QCOMPARE(std::isnan(w.kc), !okreslony);
    QCOMPARE(std::isnan(w.d), !okreslony);
    QCOMPARE(std::isnan(w.d_pn), !okreslony);
    if (!okreslony)
        QCOMPARE(TekstOdstepu(w.d), QStringLiteral("?"));
    QCOMPARE(w.alfa, m_krzywe.KatOslonowy(Klasa(1), CzytajH(tekst)).value_or(-1.0));
}

void TstOdstep::katOdWysokosci_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<double>("H");
    QTest::addColumn<bool>("jest_kat");

    QTest::newRow("I at its limit") << 1 << 20.0 << true;
    QTest::newRow("I above its limit") << 1 << 20.01 << false;
    QTest::newRow("I, 20,004 written as 20,00") << 1 << 20.004 << true;
    QTest::newRow("II at 30") << 2 << 30.0 << true;
    QTest::newRow("III above 45") << 3 << 45.01 << false;
    QTest::newRow("IV at 60") << 4 << 60.0 << true;
    QTest::newRow("no class") << 0 << 5.0 << false;
}

void TstOdstep::katOdWysokosci()
{
    QFETCH(int, klasa);
    QFETCH(double, H);
    QFETCH(bool, jest_kat);
    // The text carries H rounded to the hundredth; the angle follows the text.
    const QString tekst =
        ZlozParametry(TypUkladu::A, TypInstalacji::Uklad1, Material::Powietrze, H, 10, 0, 0);
    const WynikOdstepu w = ObliczOdstep(tekst, Klasa(klasa), m_krzywe);
    if (jest_kat) {
        QCOMPARE(w.alfa, *m_krzywe.KatOslonowy(Klasa(klasa), CzytajH(tekst)));
        QCOMPARE(TekstAlfa(w.alfa), DwaMiejsca(w.alfa) + QStringLiteral(" °"));
    } else {
        QCOMPARE(w.alfa, -1.0);
        QCOMPARE(TekstAlfa(w.alfa), QStringLiteral("?"));
    }
    // Without an angle d is still computed.
    QCOMPARE(w.d, 10 * (1.0 * WspolczynnikKi(Klasa(klasa))));
}

void TstOdstep::wspolczynniki()
{
    QCOMPARE(WspolczynnikKi(Klasa(0)), 0.0);
    QCOMPARE(WspolczynnikKi(Klasa(1)), 0.1);
    QCOMPARE(WspolczynnikKi(Klasa(2)), 0.075);
    QCOMPARE(WspolczynnikKi(Klasa(3)), 0.05);
    QCOMPARE(WspolczynnikKi(Klasa(4)), 0.05);
    QCOMPARE(WspolczynnikKm(Material::Brak), -1.0);
    QCOMPARE(WspolczynnikKm(Material::Powietrze), 1.0);
    QCOMPARE(WspolczynnikKm(Material::Dielektryk), 0.5);
    // The evaluation order is part of the result: kc / km, times ki, times L.
    const QString tekst =
        QStringLiteral("Układ A, układ 3, powietrze, H = 20,00, L = 8,00, c = 5,00, n = 2");
    const double kc = 1.0 / 4 + 0.1 + 0.2 * std::pow(0.25, 1.0 / 3.0);
    QCOMPARE(WspolczynnikKc(tekst), kc);
    QCOMPARE(ObliczOdstep(tekst, Klasa(1), m_krzywe).d, 8.0 * ((kc / 1.0) * 0.1));
}

QTEST_GUILESS_MAIN(TstOdstep)
#include "tst_odstep.moc"
