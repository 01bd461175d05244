#include "angles/KrzyweKatow.h"

#include <QtTest>

#include <cmath>
#include <limits>

using kerwano::KrzyweKatow;

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr int BrakPunktu = -1;
} // namespace

class TestKrzyweKatow : public QObject
{
    Q_OBJECT

private slots:
    void liczbaPunktow_data();
    void liczbaPunktow();
    void calkowiteMetry();
    void wybranePunkty_data();
    void wybranePunkty();
    void katOslonowy_data();
    void katOslonowy();
    void tekstKata_data();
    void tekstKata();
    void klasaSpozaZakresu_data();
    void klasaSpozaZakresu();

private:
    KrzyweKatow m_krzywe;
};

void TestKrzyweKatow::liczbaPunktow_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<int>("graniczna");
    QTest::addColumn<int>("bazowych");
    QTest::addColumn<int>("punktow");
    QTest::newRow("I") << 1 << 20 << 21 << 2001;
    QTest::newRow("II") << 2 << 30 << 31 << 3001;
    QTest::newRow("III") << 3 << 45 << 46 << 4501;
    QTest::newRow("IV") << 4 << 60 << 61 << 6001;
}

void TestKrzyweKatow::liczbaPunktow()
{
    QFETCH(int, klasa);
    QFETCH(int, graniczna);
    QFETCH(int, bazowych);
    QFETCH(int, punktow);
    QCOMPARE(KrzyweKatow::WysokoscGraniczna(klasa), graniczna);
    QCOMPARE(int(KrzyweKatow::KatyBazowe(klasa).size()), bazowych);
    const std::vector<double> &krzywa = m_krzywe.Krzywa(klasa);
    QCOMPARE(int(krzywa.size()), punktow);
    QCOMPARE(krzywa.back(), 23.0);
    QCOMPARE(KrzyweKatow::KatyBazowe(klasa).back(), 23.0);
}

// At every whole metre the sample is the base value itself, and between two
// whole metres the curve runs monotonically from one to the other.
void TestKrzyweKatow::calkowiteMetry()
{
    std::size_t razem = 0;
    for (int klasa = 1; klasa <= 4; ++klasa) {
        const std::vector<double> &t = KrzyweKatow::KatyBazowe(klasa);
        const std::vector<double> &krzywa = m_krzywe.Krzywa(klasa);
        razem += krzywa.size();
        for (std::size_t m = 0; m < t.size(); ++m)
            QCOMPARE(krzywa[100 * m], t[m]);
        for (std::size_t j = 1; j < krzywa.size(); ++j)
            QVERIFY2(krzywa[j] <= krzywa[j - 1],
                     qPrintable(QString("class %1, point %2").arg(klasa).arg(j)));
    }
    QCOMPARE(razem, std::size_t(15504));
}

void TestKrzyweKatow::wybranePunkty_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<int>("punkt");
    QTest::addColumn<double>("kat");
    QTest::newRow("I 3.50 m") << 1 << 350 << 65.25;
    QTest::newRow("II 12.34 m") << 2 << 1234 << 49.82;
    QTest::newRow("IV 59.99 m") << 4 << 5999 << 23.009;
    QTest::newRow("II 19.99 m") << 2 << 1999 << 37.5125;
    QTest::newRow("III 0.01 m") << 3 << 1 << 75.0;
    // Worked in double these come out one unit in the last place off.
    QTest::newRow("I 17.94 m, extended") << 1 << 1794 << 26.885;
    QTest::newRow("II 28.86 m, extended") << 2 << 2886 << 24.796000000000003;
    QTest::newRow("III 43.82 m, extended") << 3 << 4382 << 24.043999999999997;
    QTest::newRow("III 43.86 m, extended") << 3 << 4386 << 24.012;
}

void TestKrzyweKatow::wybranePunkty()
{
    QFETCH(int, klasa);
    QFETCH(int, punkt);
    QFETCH(double, kat);
    // Bit for bit: QCOMPARE on doubles would forgive the last-place errors
    // these rows are about.
    const double punkt_krzywej = m_krzywe.Krzywa(klasa).at(std::size_t(punkt));
    QVERIFY2(punkt_krzywej == kat, qPrintable(QString::number(punkt_krzywej, 'g', 17)));
}

void TestKrzyweKatow::katOslonowy_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<double>("h");
    QTest::addColumn<int>("punkt"); // BrakPunktu: no angle

    QTest::newRow("I 3.5") << 1 << 3.5 << 350;
    QTest::newRow("II 12.34") << 2 << 12.34 << 1234;
    QTest::newRow("IV 59.99") << 4 << 59.99 << 5999;
    QTest::newRow("II 21") << 2 << 21.0 << 2100;
    QTest::newRow("I 0") << 1 << 0.0 << 0;
    QTest::newRow("IV 0") << 4 << 0.0 << 0;
    QTest::newRow("minus zero") << 3 << -0.0 << 0;

    // The limit itself has an angle; anything above it has none.
    QTest::newRow("I at limit") << 1 << 20.0 << 2000;
    QTest::newRow("II at limit") << 2 << 30.0 << 3000;
    QTest::newRow("III at limit") << 3 << 45.0 << 4500;
    QTest::newRow("IV at limit") << 4 << 60.0 << 6000;
    QTest::newRow("I 20.01") << 1 << 20.01 << BrakPunktu;
    QTest::newRow("I 20.004 (cell shows 20,00)") << 1 << 20.004 << BrakPunktu;
    QTest::newRow("I just above limit") << 1 << std::nextafter(20.0, 21.0) << BrakPunktu;
    QTest::newRow("IV 60.001") << 4 << 60.001 << BrakPunktu;
    QTest::newRow("huge") << 4 << 1e300 << BrakPunktu;
    QTest::newRow("max double") << 1 << std::numeric_limits<double>::max() << BrakPunktu;
    QTest::newRow("+inf") << 2 << Inf << BrakPunktu;

    QTest::newRow("negative") << 1 << -1.0 << BrakPunktu;
    QTest::newRow("tiny negative") << 2 << -1e-300 << BrakPunktu;
    QTest::newRow("negative half centimetre") << 1 << -0.004 << BrakPunktu;
    QTest::newRow("-inf") << 3 << -Inf << BrakPunktu;
    QTest::newRow("NaN") << 1 << NaN << BrakPunktu;

    // Nearest centimetre, exact halves to the even one (3.125 and 4.125 are
    // exact binary fractions, so h * 100 is exactly x.5).
    QTest::newRow("half down to even 312") << 1 << 3.125 << 312;
    QTest::newRow("half down to even 412") << 1 << 4.125 << 412;
    QTest::newRow("half up to even 438") << 1 << 4.375 << 438;
    QTest::newRow("half up to even 0.375") << 2 << 0.375 << 38;
    QTest::newRow("below half") << 1 << 4.3549 << 435;
    QTest::newRow("above half") << 1 << 4.3551 << 436;
    QTest::newRow("19.996 rounds to the limit") << 1 << 19.996 << 2000;
    // h * 100 in extended precision falls just off the half, which a product
    // in double would round onto it (and then to the even neighbour), and a
    // round-half-away-from-zero would miss in the other direction.
    QTest::newRow("3.135 -> 313") << 1 << 3.135 << 313;
    QTest::newRow("3.145 -> 315") << 1 << 3.145 << 315;
    QTest::newRow("3.005 -> 300") << 1 << 3.005 << 300;
    QTest::newRow("3.165 -> 317") << 1 << 3.165 << 317;
}

void TestKrzyweKatow::katOslonowy()
{
    QFETCH(int, klasa);
    QFETCH(double, h);
    QFETCH(int, punkt);
    const std::optional<double> kat = m_krzywe.KatOslonowy(kerwano::Klasa(klasa), h);
    if (punkt == BrakPunktu) {
        QVERIFY2(!kat, qPrintable(QString::number(kat.value_or(0))));
        return;
    }
    QVERIFY(kat);
    const std::vector<double> &krzywa = m_krzywe.Krzywa(klasa);
    QCOMPARE(*kat, krzywa.at(std::size_t(punkt)));
    // The row only proves the choice of point where the neighbours differ.
    if (h > 3.01 && h < 19.99)
        QVERIFY(krzywa.at(std::size_t(punkt) - 1) != *kat &&
                krzywa.at(std::size_t(punkt) + 1) != *kat);
}

void TestKrzyweKatow::tekstKata_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<double>("h");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("I 3.5") << 1 << 3.5 << "65,25";
    QTest::newRow("II 12.34") << 2 << 12.34 << "49,82";
    QTest::newRow("I 20") << 1 << 20.0 << "23,00";
    QTest::newRow("I 20.01") << 1 << 20.01 << "?";
    QTest::newRow("IV 59.99") << 4 << 59.99 << "23,01";
    QTest::newRow("II 21") << 2 << 21.0 << "36,10";
    QTest::newRow("I 0") << 1 << 0.0 << "67,00";
    QTest::newRow("II 0") << 2 << 0.0 << "72,00";
    QTest::newRow("III 0") << 3 << 0.0 << "75,00";
    QTest::newRow("IV 0") << 4 << 0.0 << "78,00";
    // 26.885 exactly as the extended sampling stores it; a double sample
    // (26.884999...) would read 26,88.
    QTest::newRow("I 17.94") << 1 << 17.94 << "26,89";
    QTest::newRow("no class") << 0 << 10.0 << "?";
    QTest::newRow("negative") << 2 << -3.0 << "?";
    QTest::newRow("NaN") << 3 << NaN << "?";
}

void TestKrzyweKatow::tekstKata()
{
    QFETCH(int, klasa);
    QFETCH(double, h);
    QFETCH(QString, tekst);
    QCOMPARE(m_krzywe.TekstKata(kerwano::Klasa(klasa), h), tekst);
}

void TestKrzyweKatow::klasaSpozaZakresu_data()
{
    QTest::addColumn<int>("klasa");
    QTest::newRow("0 (none)") << 0;
    QTest::newRow("5") << 5;
    QTest::newRow("-1") << -1;
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min();
    QTest::newRow("INT_MAX") << std::numeric_limits<int>::max();
}

void TestKrzyweKatow::klasaSpozaZakresu()
{
    QFETCH(int, klasa);
    QCOMPARE(KrzyweKatow::WysokoscGraniczna(klasa), 0);
    QVERIFY(KrzyweKatow::KatyBazowe(klasa).empty());
    QVERIFY(m_krzywe.Krzywa(klasa).empty());
    for (double h : {0.0, 3.5, 20.0, 60.0})
        QVERIFY(!m_krzywe.KatOslonowy(kerwano::Klasa(klasa), h));
}

QTEST_APPLESS_MAIN(TestKrzyweKatow)
#include "tst_krzywe_katow.moc"
