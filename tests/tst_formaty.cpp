#include "risk/Formaty.h"
#include "risk/Konwersja.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace kerwano;

Q_DECLARE_METATYPE(long double)

namespace {

enum class Format
{
    F5,
    F2,
    F6,
    K2
};

QString Formatuj(Format format, long double x)
{
    switch (format) {
    case Format::F5:
        return F5(x);
    case Format::F2:
        return F2(x);
    case Format::F6:
        return F6(x);
    case Format::K2:
        return K2(x);
    }
    return QString();
}

// Significant digits of a formatted number ("-1,23457E6" -> "123457"),
// without leading or trailing zeros.
std::string CyfryZnaczace(const QString &tekst)
{
    std::string cyfry;
    for (QChar c : tekst) {
        if (c == u'E')
            break;
        if (c.isDigit() && !(cyfry.empty() && c == u'0'))
            cyfry += static_cast<char>(c.unicode());
    }
    while (!cyfry.empty() && cyfry.back() == '0')
        cyfry.pop_back();
    return cyfry;
}

} // namespace

class TestFormaty : public QObject
{
    Q_OBJECT

private slots:
    void formatyStale_data();
    void formatyStale();
    void formatStalyParametry_data();
    void formatStalyParametry();
    void nieskonczonosci_data();
    void nieskonczonosci();
    void formatG_data();
    void formatG();
    void dwaMiejsca_data();
    void dwaMiejsca();
    void dwaMiejscaWracaDoSiebie_data();
    void dwaMiejscaWracaDoSiebie();
    void dwaMiejscaLosowo();
    void osiemnascieCyfrZgodnychZPelnymRozwinieciem();
};

void TestFormaty::formatyStale_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<long double>("x");
    QTest::addColumn<QString>("oczekiwany");

    auto wiersz = [](const char *nazwa, Format f, long double x, const char *tekst) {
        QTest::newRow(nazwa) << f << x << QString::fromUtf8(tekst);
    };
    // The results of the protection level page.
    wiersz("F5 80", Format::F5, 80.0L, "80,00000");
    wiersz("F5 Ae default", Format::F5, 41.2743338823L, "41,27430");
    wiersz("F5 Nd default", Format::F5, 0.0000185734L, "0,00002");
    wiersz("F5 Ae building", Format::F5, 6427.4333882308L, "6427,43000");
    wiersz("F5 Nd building", Format::F5, 0.011569380099L, "0,01157");
    wiersz("F5 0.0004 as double", Format::F5, 0.0004, "0,00040");
    wiersz("F5 zero", Format::F5, 0.0L, "0,00000");
    wiersz("F5 minus zero", Format::F5, -0.0L, "0,00000");
    // Rounding to the fifth decimal, up to and beyond the leading digit.
    wiersz("F5 half up to first decimal", Format::F5, 0.000005, "0,00001");
    wiersz("F5 below half", Format::F5, 0.000004, "0,00000");
    wiersz("F5 below half, two digits", Format::F5, 0.0000049, "0,00000");
    wiersz("F5 negative rounds to zero", Format::F5, -0.000004L, "0,00000");
    wiersz("F5 negative rounds away", Format::F5, -0.000006L, "-0,00001");
    wiersz("F5 denormal", Format::F5, LDBL_TRUE_MIN, "0,00000");
    wiersz("F5 nines kept", Format::F5, 0.999994L, "0,99999");
    wiersz("F5 nines carry", Format::F5, 0.999999L, "1,00000");
    wiersz("F5 nines carry into unit", Format::F5, 0.9999996L, "1,00000");
    // Six significant digits, then the exponent form.
    wiersz("F5 six integer digits", Format::F5, 999999.4L, "999999,00000");
    wiersz("F5 carry to seven digits", Format::F5, 999999.5L, "1E6");
    wiersz("F5 exponent", Format::F5, 1234567.8L, "1,23457E6");
    wiersz("F5 exponent negative", Format::F5, -1234567.8L, "-1,23457E6");
    wiersz("F5 exponent round", Format::F5, 2000000.0L, "2E6");
    wiersz("F5 exponent trailing zeros", Format::F5, 1200004.0L, "1,2E6");
    wiersz("F5 double max", Format::F5, DBL_MAX, "1,79769E308");
    wiersz("F5 long double max", Format::F5, LDBL_MAX, "1,18973E4932");
    // F2 and F6.
    wiersz("F2 efficiency", Format::F2, 96.5425978L, "96,54");
    wiersz("F2 six digits", Format::F2, 12345.678L, "12345,70");
    wiersz("F2 E zero", Format::F2, 0.0L, "0,00");
    wiersz("F2 1.005 as double is below", Format::F2, 1.005, "1,00");
    wiersz("F2 2.675 as double is below", Format::F2, 2.675, "2,67");
    wiersz("F2 0.125 tie", Format::F2, 0.125L, "0,13");
    wiersz("F2 -0.125 tie away from zero", Format::F2, -0.125L, "-0,13");
    wiersz("F2 123456.5", Format::F2, 123456.5L, "123457,00");
    wiersz("F6 small", Format::F6, 0.0000185734L, "0,000019");
    wiersz("F6 six significant", Format::F6, 1.23456789L, "1,234570");
    // K2: two significant digits.
    wiersz("K2 10", Format::K2, 10.0L, "10,00");
    wiersz("K2 0.25", Format::K2, 0.25, "0,25");
    wiersz("K2 1.8", Format::K2, 1.8, "1,80");
    wiersz("K2 0.05", Format::K2, 0.05, "0,05");
    wiersz("K2 0.01", Format::K2, 0.01, "0,01");
    wiersz("K2 0.005 below the second decimal", Format::K2, 0.005, "0,01");
    wiersz("K2 0.125", Format::K2, 0.125L, "0,13");
    wiersz("K2 1.25 two significant", Format::K2, 1.25L, "1,30");
    wiersz("K2 99.5", Format::K2, 99.5L, "1E2");
    wiersz("K2 123", Format::K2, 123.0L, "1,2E2");
}

void TestFormaty::formatyStale()
{
    QFETCH(Format, format);
    QFETCH(long double, x);
    QFETCH(QString, oczekiwany);
    QCOMPARE(Formatuj(format, x), oczekiwany);
}

void TestFormaty::formatStalyParametry_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<int>("precyzja");
    QTest::addColumn<int>("miejsca");
    QTest::addColumn<QString>("oczekiwany");

    QTest::newRow("no decimals, no comma") << 2.5L << 6 << 0 << QStringLiteral("3");
    QTest::newRow("no decimals, zero") << 0.4L << 6 << 0 << QStringLiteral("0");
    QTest::newRow("precision first") << 3.14159265L << 3 << 5 << QStringLiteral("3,14000");
    QTest::newRow("decimals first") << 3.14159265L << 10 << 3 << QStringLiteral("3,142");
    // The 19th digit is cut before rounding: with 18 significant digits
    // nothing is left to round up from.
    QTest::newRow("18 digits truncated")
        << 0.1L << 18 << 20 << QStringLiteral("0,10000000000000000000");
    QTest::newRow("18 digits of 0.1 as double")
        << static_cast<long double>(0.1) << 18 << 20 << QStringLiteral("0,10000000000000000500");
    QTest::newRow("precision above 18 clamped")
        << static_cast<long double>(0.1) << 30 << 20 << QStringLiteral("0,10000000000000000500");
    QTest::newRow("many decimals of a small value")
        << static_cast<long double>(1e-30) << 6 << 36
        << QStringLiteral("0,000000000000000000000000000001000000");
}

void TestFormaty::formatStalyParametry()
{
    QFETCH(long double, x);
    QFETCH(int, precyzja);
    QFETCH(int, miejsca);
    QFETCH(QString, oczekiwany);
    QCOMPARE(FormatStaly(x, precyzja, miejsca), oczekiwany);
}

void TestFormaty::nieskonczonosci_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<QString>("oczekiwany");

    const long double inf = std::numeric_limits<long double>::infinity();
    QTest::newRow("inf") << inf << QStringLiteral(u"\u221E");
    QTest::newRow("-inf") << -inf << QStringLiteral(u"-\u221E");
    QTest::newRow("nan") << std::numeric_limits<long double>::quiet_NaN() << QStringLiteral("?");
}

void TestFormaty::nieskonczonosci()
{
    QFETCH(long double, x);
    QFETCH(QString, oczekiwany);
    QCOMPARE(F5(x), oczekiwany);
    QCOMPARE(F2(x), oczekiwany);
    QCOMPARE(F6(x), oczekiwany);
    QCOMPARE(K2(x), oczekiwany);
    QCOMPARE(G(x), oczekiwany);
    QCOMPARE(DwaMiejsca(static_cast<double>(x)), oczekiwany);
}

void TestFormaty::formatG_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<QString>("oczekiwany");

    auto wiersz = [](const char *nazwa, long double x, const char *tekst) {
        QTest::newRow(nazwa) << x << QString::fromUtf8(tekst);
    };
    wiersz("integer", 29.0L, "29");
    wiersz("half", 12.5L, "12,5");
    wiersz("0.1 double", 0.1, "0,1");
    wiersz("1.8 double", 1.8, "1,8");
    wiersz("zero", 0.0L, "0");
    wiersz("minus zero", -0.0L, "0");
    wiersz("negative", -12.5L, "-12,5");
    wiersz("third", 1.0L / 3, "0,333333333333333");
    wiersz("two thirds rounds up", 2.0L / 3, "0,666666666666667");
    wiersz("15 digits", 123456789012345.0L, "123456789012345");
    wiersz("fixed up to 15 integer digits", 1e14L, "100000000000000");
    wiersz("16 integer digits", 1234567890123456.0L, "1,23456789012346E15");
    wiersz("1e15", 1e15L, "1E15");
    wiersz("rounds up to 1e15", 999999999999999.9L, "1E15");
    wiersz("1e20", 1e20L, "1E20");
    wiersz("0.0001", 0.0001, "0,0001");
    wiersz("0.00012", 0.00012, "0,00012");
    wiersz("0.00001", 0.00001, "1E-5");
    wiersz("0.000099999999999999999", 0.000099999999999999999L, "0,0001");
    wiersz("1.5e-7", 1.5e-7, "1,5E-7");
    wiersz("-1.5e-7", -1.5e-7, "-1,5E-7");
    wiersz("double denormal", 4.9406564584124654e-324, "4,94065645841247E-324");
    wiersz("long double denormal", LDBL_TRUE_MIN, "3,64519953188247E-4951");
    wiersz("long double max", LDBL_MAX, "1,18973149535723E4932");
}

void TestFormaty::formatG()
{
    QFETCH(long double, x);
    QFETCH(QString, oczekiwany);
    QCOMPARE(G(x), oczekiwany);
}

void TestFormaty::dwaMiejsca_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("oczekiwany");

    QTest::newRow("one") << 1.0 << QStringLiteral("1,00");
    QTest::newRow("2.346") << 2.346 << QStringLiteral("2,35");
    QTest::newRow("six digits") << 12345.678 << QStringLiteral("12345,70");
    QTest::newRow("rounds to zero") << -0.004 << QStringLiteral("0,00");
    QTest::newRow("below a million") << 999999.4 << QStringLiteral("999999,00");
    QTest::newRow("F2 would carry") << 999999.5 << QStringLiteral("999999,50");
    QTest::newRow("999999.994") << 999999.994 << QStringLiteral("999999,99");
    QTest::newRow("999999.995 is below") << 999999.995 << QStringLiteral("999999,99");
    QTest::newRow("999999.996") << 999999.996 << QStringLiteral("1000000,00");
    QTest::newRow("1000000.005 is above") << 1000000.005 << QStringLiteral("1000000,01");
    QTest::newRow("million") << 1e6 << QStringLiteral("1000000,00");
    QTest::newRow("above a million") << 1234567.891 << QStringLiteral("1234567,89");
    QTest::newRow("negative above a million") << -1234567.891 << QStringLiteral("-1234567,89");
    QTest::newRow("exact tie") << 1000000000000000.125 << QStringLiteral("1000000000000000,13");
    QTest::newRow("2^53") << 9007199254740992.0 << QStringLiteral("9007199254740992,00");
    QTest::newRow("1e20") << 1e20 << QStringLiteral("100000000000000000000,00");
}

void TestFormaty::dwaMiejsca()
{
    QFETCH(double, x);
    QFETCH(QString, oczekiwany);
    QCOMPARE(DwaMiejsca(x), oczekiwany);
}

void TestFormaty::dwaMiejscaWracaDoSiebie_data()
{
    QTest::addColumn<double>("x");

    const double wartosci[] = {0.0,
                               0.005,
                               2.346,
                               12345.678,
                               999999.4999999,
                               999999.5,
                               std::nextafter(999999.995, 0.0),
                               999999.995,
                               std::nextafter(999999.995, 2e6),
                               999999.996,
                               999999.999,
                               1234567.891,
                               1e6 + 0.005,
                               70368744177664.01,
                               1e15 + 0.125,
                               1e15 + 0.375,
                               1e16 + 2,
                               1e20,
                               123456789012345678901234567890.0,
                               DBL_MAX,
                               -DBL_MAX,
                               DBL_MIN,
                               -1234567.891};
    for (double x : wartosci)
        QTest::addRow("%.17g", x) << x;
}

void TestFormaty::dwaMiejscaWracaDoSiebie()
{
    QFETCH(double, x);
    const QString tekst = DwaMiejsca(x);
    const std::optional<double> odczyt = TekstNaLiczbe(tekst);
    QVERIFY2(odczyt.has_value(), qPrintable(tekst));
    QCOMPARE(DwaMiejsca(*odczyt), tekst);
    // Off by at most half a hundredth or half a unit of the sixth digit.
    QVERIFY2(std::fabs(*odczyt - x) <= std::max(0.005, std::fabs(x) * 5e-6) * (1 + 1e-9),
             qPrintable(tekst));
}

void TestFormaty::dwaMiejscaLosowo()
{
    std::mt19937_64 los(20240611);
    std::uniform_real_distribution<double> wykladnik(-3.0, 20.0);
    for (int i = 0; i < 20000; ++i) {
        double x;
        if (i % 2 == 0) {
            const std::uint64_t bity = los();
            std::memcpy(&x, &bity, sizeof x);
            if (!std::isfinite(x))
                continue;
        } else {
            x = std::pow(10.0, wykladnik(los));
        }
        const QString tekst = DwaMiejsca(x);
        const std::optional<double> odczyt = TekstNaLiczbe(tekst);
        QVERIFY2(odczyt.has_value(), qPrintable(tekst));
        QVERIFY2(DwaMiejsca(*odczyt) == tekst, qPrintable(tekst));
        QVERIFY2(!tekst.contains(u'E'), qPrintable(tekst));
    }
}

// The formats must see exactly the first 18 digits of the value's exact
// decimal expansion; the C library prints exact expansions of binary values,
// which makes it a reference independent of the formats' own arithmetic.
void TestFormaty::osiemnascieCyfrZgodnychZPelnymRozwinieciem()
{
    std::mt19937_64 los(7);
    std::uniform_int_distribution<int> wykladnik(-16445 - 63, 16383 - 63);
    int sprawdzone = 0;
    for (int i = 0; i < 300; ++i) {
        const std::uint64_t mantysa = los() | (std::uint64_t{1} << 63);
        const long double x = std::ldexp(static_cast<long double>(mantysa), wykladnik(los));
        if (x == 0 || !std::isfinite(x))
            continue;
        char bufor[64];
        std::snprintf(bufor, sizeof bufor, "%.39Le", x);
        std::string wzor;
        for (const char *p = bufor; *p && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9')
                wzor += *p;
        const int pozycja = std::atoi(std::strchr(bufor, 'e') + 1);
        // Digits 19..40 all 0 or all 9 could hide a carry of the reference.
        const std::string ogon = wzor.substr(18);
        if (ogon.find_first_not_of('0') == std::string::npos ||
            ogon.find_first_not_of('9') == std::string::npos)
            continue;
        wzor.resize(18);
        while (wzor.back() == '0')
            wzor.pop_back();

        const QString tekst = FormatStaly(x, 18, std::max(0, 17 - pozycja));
        QCOMPARE(CyfryZnaczace(tekst), wzor);
        ++sprawdzone;
    }
    QVERIFY(sprawdzone > 250);
}

QTEST_APPLESS_MAIN(TestFormaty)

#include "tst_formaty.moc"
