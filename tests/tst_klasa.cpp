#include "risk/Formaty.h"
#include "risk/Klasa.h"
#include "risk/Wspolczynniki.h"
#include "tests/BudynekWzorcowy.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace kerwano;
Q_DECLARE_METATYPE(kerwano::DaneKlasy)

// The coefficients of the entries picked in each of the thirteen lists.
static DaneKlasy Wybor(const std::array<int, LICZBA_LIST> &indeksy, double L, double S, double H)
{
    double w[LICZBA_LIST];
    for (int i = 0; i < LICZBA_LIST; ++i)
        w[i] = Lista(i).pozycje.at(static_cast<size_t>(indeksy[i])).wartosc;
    DaneKlasy d;
    d.A1 = w[0], d.A2 = w[1], d.A3 = w[2], d.A4 = w[3];
    d.B1 = w[4], d.B2 = w[5], d.B3 = w[6], d.B4 = w[7];
    d.C1 = w[8], d.C2 = w[9], d.C3 = w[10];
    d.Ng = w[11], d.Ce = w[12];
    d.dlugosc_budynku = L, d.szerokosc_budynku = S, d.wysokosc_budynku = H;
    return d;
}

class TstKlasa : public QObject
{
    Q_OBJECT
private slots:
    void budynki_data();
    void budynki();
    void skrajneListy();
    void progi_data();
    void progi();
    void bezPowierzchni();
    void teksty();
};

void TstKlasa::budynki_data()
{
    QTest::addColumn<DaneKlasy>("dane");
    QTest::addColumn<QStringList>("etykiety"); // A, B, C, Nc, Ae, Nd
    QTest::addColumn<QString>("E");
    QTest::addColumn<int>("klasa");
    QTest::addColumn<int>("plus");

    QTest::newRow("start") << DaneKlasy() << QStringList{"80,00000",  "10,00000", "1,00000",
                                                         "800,00000", "41,27430", "0,00002"}
                           << "E < 0" << 0 << 0;
    const std::array<int, LICZBA_LIST> wzor = wzorcowy::WYBORY;
    QTest::newRow("30x20x10") << Wybor(wzor, 30, 20, 10)
                              << QStringList{"0,20000", "0,00800",    "0,25000",
                                             "0,00040", "6427,43000", "0,01157"}
                              << "E = 96,54 %" << 1 << 0;
    auto ce = wzor;
    ce[12] = 1;
    QTest::newRow("Ce 0,5") << Wybor(ce, 30, 20, 10)
                            << QStringList{"0,20000", "0,00800",    "0,25000",
                                           "0,00040", "6427,43000", "0,00578"}
                            << "E = 93,09 %" << 2 << 0;
    auto b1 = wzor;
    b1[4] = 0;
    QTest::newRow("B1 1") << Wybor(b1, 30, 20, 10)
                          << QStringList{"0,20000", "0,08000",    "0,25000",
                                         "0,00400", "6427,43000", "0,01157"}
                          << "E = 65,43 %" << 4 << 0;
    QTest::newRow("60x40x20") << Wybor(wzor, 60, 40, 20)
                              << QStringList{"0,20000", "0,00800",     "0,25000",
                                             "0,00040", "25709,70000", "0,04628"}
                              << "E = 99,14 %" << 1 << 1;
    QTest::newRow("wielki") << Wybor(wzor, 2000, 1000, 10)
                            << QStringList{"0,20000", "0,00800",   "0,25000",
                                           "0,00040", "2,18283E6", "3,92909"}
                            << "E = 99,99 %" << 1 << 1;
}

void TstKlasa::budynki()
{
    QFETCH(DaneKlasy, dane);
    QFETCH(QStringList, etykiety);
    const WynikiKlasy w = ObliczKlase(dane);
    const QStringList wynik = {F5(w.A), F5(w.B), F5(w.C), F5(w.Nc), F5(w.Ae), F5(w.Nd)};
    QCOMPARE(wynik, etykiety);
    QTEST(TekstE(w.E), "E");
    QTEST(w.klasa.klasa, "klasa");
    QTEST(w.klasa.klasa_plus, "plus");
}

void TstKlasa::skrajneListy()
{
    std::array<int, LICZBA_LIST> ostatnie;
    for (int i = 0; i < LICZBA_LIST; ++i)
        ostatnie[i] = static_cast<int>(Lista(i).pozycje.size()) - 1;
    const WynikiKlasy w = ObliczKlase(Wybor(ostatnie, 1, 1, 1));
    QCOMPARE(w.A, double(0.1L * 0.1 * 0.05 * 0.1));
    QCOMPARE(F5(w.A), QString("0,00005"));
    QCOMPARE(w.B, double(0.01L * 0.01 * 0.01 * 1));
    QCOMPARE(w.C, double(0.01L * 0.01 * 0.01));
    QCOMPARE(w.klasa.klasa, 1); // the most sensitive building needs class I+
    QCOMPARE(w.klasa.klasa_plus, 1);
}

void TstKlasa::progi_data()
{
    QTest::addColumn<double>("E");
    QTest::addColumn<int>("klasa");
    QTest::addColumn<int>("plus");
    // The doubles nearest 0.8 and 0.9 lie above the extended thresholds, those
    // nearest 0.95 and 0.98 below them.
    QTest::newRow("0.8") << 0.8 << 3 << 0;
    QTest::newRow("0.9") << 0.9 << 2 << 0;
    QTest::newRow("0.95") << 0.95 << 2 << 0;
    QTest::newRow("0.98") << 0.98 << 1 << 0;
    QTest::newRow("0.98+") << std::nextafter(0.98, 1.0) << 1 << 1;
    QTest::newRow("0.8-") << std::nextafter(0.8, 0.0) << 4 << 0;
    QTest::newRow("zero") << 0.0 << 0 << 0;
    QTest::newRow("-zero") << -0.0 << 0 << 0;
    QTest::newRow("najmniejsze") << std::numeric_limits<double>::denorm_min() << 4 << 0;
    QTest::newRow("jeden") << 1.0 << 1 << 1;
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << 0 << 0;
}

void TstKlasa::progi()
{
    QFETCH(double, E);
    const Klasa k = KlasaDlaE(E);
    QTEST(k.klasa, "klasa");
    QTEST(k.klasa_plus, "plus");
}

void TstKlasa::bezPowierzchni()
{
    // No area, no strike expected: never a division by zero, no class.
    DaneKlasy d;
    d.wysokosc_budynku = 0;
    d.szerokosc_budynku = 0;
    WynikiKlasy w = ObliczKlase(d);
    QCOMPARE(w.Nd, 0.0);
    QVERIFY(std::isinf(w.E) && w.E < 0);
    QCOMPARE(F5(w.Nd), QString("0,00000"));
    QCOMPARE(TekstE(w.E), QString("E < 0"));
    QCOMPARE(w.klasa.klasa, 0);
    QCOMPARE(w.klasa.klasa_plus, 0);

    // A building so small that Nd underflows to zero behaves the same way.
    d.dlugosc_budynku = d.szerokosc_budynku = 1e-160;
    d.wysokosc_budynku = 0;
    w = ObliczKlase(d);
    QCOMPARE(w.Nd, 0.0);
    QCOMPARE(w.klasa.klasa, 0);

    // E = 0 exactly is shown as a number, with the no-installation verdict.
    QCOMPARE(TekstE(0.0), QString("E = 0,00 %"));
    QCOMPARE(KlasaDlaE(0.0).klasa, 0);
}

void TstKlasa::teksty()
{
    QCOMPARE(TekstKlasy({0, 0}), QString("?"));
    QCOMPARE(TekstKlasy({1, 0}), QString("I"));
    QCOMPARE(TekstKlasy({1, 1}), QString("I+"));
    QCOMPARE(TekstKlasy({4, 0}), QString("IV"));
    QCOMPARE(TekstKlasy({7, 0}), QString("?"));
    QCOMPARE(Werdykt({0, 0}), QString("Instalacja odgromowa nie jest potrzebna, warto jednak "
                                      "wykonać zabezpieczenia przeciwprzepięciowe."));
    QCOMPARE(Werdykt({1, 1}), QString("Klasa I z dodatkowymi środkami bezpieczeństwa + ochrona "
                                      "przeciwprzepięciowa."));
    QCOMPARE(Werdykt({3, 0}), QString("Klasa III + ochrona przeciwprzepięciowa."));
}

QTEST_APPLESS_MAIN(TstKlasa)
#include "tst_klasa.moc"
