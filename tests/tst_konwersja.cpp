#include "risk/Konwersja.h"

#include <QtTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>

using namespace kerwano;

namespace {

// A row name that shows control and non-ASCII characters by their codes.
QByteArray NazwaWiersza(const QString &tekst)
{
    QByteArray nazwa = "\"";
    for (QChar c : tekst) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            nazwa += static_cast<char>(c.unicode());
        else
            nazwa += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    }
    return nazwa + "\"";
}

} // namespace

class TestKonwersja : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void liczba_data();
    void liczba();
    void liczbaBledna_data();
    void liczbaBledna();
    void calkowita_data();
    void calkowita();
    void znakDozwolony_data();
    void znakDozwolony();
};

void TestKonwersja::initTestCase()
{
    // The conversions must not depend on the C locale the application sets.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "pl_PL.UTF-8");
}

void TestKonwersja::liczba_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("oczekiwana");

    auto wiersz = [](const char *tekst, double wartosc) {
        const QString t = QString::fromUtf8(tekst);
        QTest::newRow(NazwaWiersza(t).constData()) << t << wartosc;
    };
    wiersz("1", 1);
    wiersz("80", 80);
    wiersz(",", 0);
    wiersz("12,", 12);
    wiersz(",5", 0.5);
    wiersz("  1,5  ", 1.5);
    wiersz("1,5E3", 1500);
    wiersz("1e-2", 0.01);
    wiersz("1E+2", 100);
    wiersz("-2,5", -2.5);
    wiersz("+3", 3);
    wiersz("1E", 1);
    wiersz("1E+", 1);
    wiersz("1,5e-", 1.5);
    wiersz(",E5", 0);
    wiersz("0,1", 0.1);
    wiersz("0,3", 0.3);
    wiersz("2,675", 2.675);
    wiersz("000000000000000000000000000001,5", 1.5);
    wiersz("1,5000000000000000000000000000", 1.5);
    wiersz("0,000000000000000000000000000001E30", 1);
    wiersz("1E0000000000000000000000000000001", 10);
    // Long mantissas are rounded once, to the nearest double.
    wiersz("0,1000000000000000055511151231257827", 0.1);
    wiersz("3,14159265358979323846264338327950288", 3.14159265358979323846);
    wiersz("9007199254740993", 9007199254740992.0);
    wiersz("9007199254740993,00000000000000000001", 9007199254740994.0);
    wiersz("9007199254740995", 9007199254740996.0);
    wiersz("123456789012345678901234567890", 123456789012345678901234567890.0);
    // The ends of the double range.
    wiersz("1,7976931348623157E308", DBL_MAX);
    wiersz("-1,7976931348623157E308", -DBL_MAX);
    wiersz("2,2250738585072014E-308", DBL_MIN);
    wiersz("4,9406564584124654E-324", 4.9406564584124654e-324);
    wiersz("3E-324", 4.9406564584124654e-324);
    wiersz("2E-324", 0);
    wiersz("1E-400", 0);
    wiersz("-1E-400", -0.0);
    wiersz("-,", -0.0);
    wiersz("-0E5", -0.0);
    wiersz("1E-99999999999999999999999999", 0);
    wiersz("0E99999999999999999999999999", 0);
    wiersz("0,0000000001E309", 1e299);

    // A mantissa of a thousand digits with an exponent that cancels it.
    QTest::newRow("1000 digits") << (QStringLiteral("1") + QString(999, u'0') +
                                     QStringLiteral("E-999"))
                                 << 1.0;
    QTest::newRow("401 decimals") << (QStringLiteral(",") + QString(400, u'0') +
                                      QStringLiteral("1E400"))
                                  << 0.1;
}

void TestKonwersja::liczba()
{
    QFETCH(QString, tekst);
    QFETCH(double, oczekiwana);
    const std::optional<double> wynik = TekstNaLiczbe(tekst);
    QVERIFY(wynik.has_value());
    // Exact comparison: the result must be the double nearest the text.
    QVERIFY2(*wynik == oczekiwana, qPrintable(QString::number(*wynik, 'g', 17)));
    QCOMPARE(std::signbit(*wynik), std::signbit(oczekiwana));
}

void TestKonwersja::liczbaBledna_data()
{
    QTest::addColumn<QString>("tekst");

    const char *teksty[] = {"",
                            "   ",
                            "E5",
                            "e",
                            "+",
                            "-",
                            "-E1",
                            "1,2,3",
                            ",,",
                            "1.5",
                            "1 5",
                            "1, 5",
                            "- 1",
                            "--1",
                            "+-1",
                            "1E--2",
                            "1E5E3",
                            "1E3,5",
                            "1,5E 3",
                            "1E400",
                            "-1E400",
                            "2E308",
                            "0x10",
                            "inf",
                            "nan",
                            "1,5x",
                            "\t1",
                            "1\t",
                            "1\n",
                            "1\302\240",
                            "\302\2401",
                            "\331\243",
                            "\357\274\221",
                            "1'000",
                            "1E99999999999999999999999",
                            "1,7976931348623159E308"};
    for (const char *tekst : teksty) {
        const QString t = QString::fromUtf8(tekst);
        QTest::newRow(NazwaWiersza(t).constData()) << t;
    }
    QTest::newRow("too many digits") << (QStringLiteral("1") + QString(400, u'0'));
}

void TestKonwersja::liczbaBledna()
{
    QFETCH(QString, tekst);
    const std::optional<double> wynik = TekstNaLiczbe(tekst);
    QVERIFY2(!wynik.has_value(), qPrintable(QString::number(wynik.value_or(0))));
}

void TestKonwersja::calkowita_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("poprawna");
    QTest::addColumn<int>("oczekiwana");

    auto dobra = [](const char *tekst, int wartosc) {
        const QString t = QString::fromUtf8(tekst);
        QTest::newRow(NazwaWiersza(t).constData()) << t << true << wartosc;
    };
    auto zla = [](const char *tekst) {
        const QString t = QString::fromUtf8(tekst);
        QTest::newRow(NazwaWiersza(t).constData()) << t << false << 0;
    };
    dobra("0", 0);
    dobra("4", 4);
    dobra("  42", 42);
    dobra("+7", 7);
    dobra("-3", -3);
    dobra("  -3", -3);
    dobra("2147483647", 2147483647);
    dobra("-2147483648", std::numeric_limits<int>::min());
    dobra("000000000000000000000000000042", 42);
    zla("");
    zla(" ");
    zla("-");
    zla("+");
    zla("42 ");
    zla("4 2");
    zla("- 4");
    zla("4,0");
    zla("4,");
    zla("1E2");
    zla("\t42");
    zla("0x1F");
    zla("2147483648");
    zla("-2147483649");
    zla("99999999999999999999999999");
    zla("\xd9\xa3");
}

void TestKonwersja::calkowita()
{
    QFETCH(QString, tekst);
    QFETCH(bool, poprawna);
    QFETCH(int, oczekiwana);
    const std::optional<int> wynik = TekstNaCalkowita(tekst);
    QCOMPARE(wynik.has_value(), poprawna);
    if (poprawna)
        QCOMPARE(*wynik, oczekiwana);
}

void TestKonwersja::znakDozwolony_data()
{
    QTest::addColumn<QChar>("znak");
    QTest::addColumn<bool>("liczbaRzeczywista");
    QTest::addColumn<bool>("calkowita");

    QTest::newRow("0") << QChar(u'0') << true << true;
    QTest::newRow("5") << QChar(u'5') << true << true;
    QTest::newRow("9") << QChar(u'9') << true << true;
    QTest::newRow("backspace") << QChar(8) << true << true;
    QTest::newRow("comma") << QChar(u',') << true << false;
    QTest::newRow("point") << QChar(u'.') << false << false;
    QTest::newRow("minus") << QChar(u'-') << false << false;
    QTest::newRow("plus") << QChar(u'+') << false << false;
    QTest::newRow("space") << QChar(u' ') << false << false;
    QTest::newRow("E") << QChar(u'E') << false << false;
    QTest::newRow("ctrl-C") << QChar(3) << false << false;
    QTest::newRow("ctrl-V") << QChar(22) << false << false;
    QTest::newRow("tab") << QChar(9) << false << false;
    QTest::newRow("delete") << QChar(127) << false << false;
    QTest::newRow("arabic-indic three") << QChar(0x0663) << false << false;
    QTest::newRow("fullwidth one") << QChar(0xFF11) << false << false;
}

void TestKonwersja::znakDozwolony()
{
    QFETCH(QChar, znak);
    QFETCH(bool, liczbaRzeczywista);
    QFETCH(bool, calkowita);
    QCOMPARE(ZnakDozwolony(znak, true), liczbaRzeczywista);
    QCOMPARE(ZnakDozwolony(znak, false), calkowita);
}

QTEST_APPLESS_MAIN(TestKonwersja)

#include "tst_konwersja.moc"
