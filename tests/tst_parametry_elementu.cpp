#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "elements/UkladyElementu.h"
#include "risk/Formaty.h"

#include <QtTest>
#include <algorithm>

using namespace kerwano;

Q_DECLARE_METATYPE(TypUkladu)
Q_DECLARE_METATYPE(Material)

class TestParametryElementu : public QObject
{
    Q_OBJECT

private slots:
    void zloz_data();
    void zloz();
    void zlozIOdczytaj_data();
    void zlozIOdczytaj();
    void kody_data();
    void kody();
    void liczby_data();
    void liczby();
    void liczbaN_data();
    void liczbaN();
    void opisInstalacji_data();
    void opisInstalacji();
};

void TestParametryElementu::zloz_data()
{
    QTest::addColumn<TypUkladu>("uklad");
    QTest::addColumn<int>("typ");
    QTest::addColumn<Material>("material");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("fc");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("pola");

    QTest::newRow("layout 1 defaults")
        << TypUkladu::A << 1 << Material::Powietrze << 1.0 << 1.0 << 5.0 << 7
        << QStringLiteral(u"Układ A, układ 1, powietrze, H = 1,00, L = 1,00") << 5;
    QTest::newRow("layout 2")
        << TypUkladu::B << 2 << Material::Dielektryk << 12.5 << 3.0 << 20.0 << 7
        << QStringLiteral(u"Układ B, układ 2, dielektryk, H = 12,50, L = 3,00, f = 20,00") << 6;
    QTest::newRow("layout 3")
        << TypUkladu::A << 3 << Material::Powietrze << 15.0 << 7.5 << 10.0 << 4
        << QStringLiteral(u"Układ A, układ 3, powietrze, H = 15,00, L = 7,50, c = 10,00, n = 4")
        << 7;
    QTest::newRow("rounded to the hundredth")
        << TypUkladu::A << 1 << Material::Powietrze << 2.346 << 0.004 << 0.0 << 0
        << QStringLiteral(u"Układ A, układ 1, powietrze, H = 2,35, L = 0,00") << 5;
    QTest::newRow("six significant digits")
        << TypUkladu::B << 2 << Material::Powietrze << 12345.678 << 123456.7 << 0.125 << 0
        << QStringLiteral(u"Układ B, układ 2, powietrze, H = 12345,70, L = 123457,00, f = 0,13")
        << 6;
    QTest::newRow("a million and more")
        << TypUkladu::A << 3 << Material::Dielektryk << 1234567.891 << 999999.996 << 1e20 << 12
        << QStringLiteral(u"Układ A, układ 3, dielektryk, H = 1234567,89, L = 1000000,00, "
                          u"c = 100000000000000000000,00, n = 12")
        << 7;
    // The longest numbers the element dialog takes fill the file's field exactly.
    QTest::newRow("longest entries")
        << TypUkladu::B << 3 << Material::Dielektryk << 9999999999.0 << 9999999999.0 << 9999999999.0
        << 99999
        << QStringLiteral(u"Układ B, układ 3, dielektryk, H = 9999999999,00, "
                          u"L = 9999999999,00, c = 9999999999,00, n = 99999")
        << 7;
    QTest::newRow("negative n")
        << TypUkladu::A << 3 << Material::Powietrze << 1.0 << 1.0 << 1.0 << -2
        << QStringLiteral(u"Układ A, układ 3, powietrze, H = 1,00, L = 1,00, c = 1,00, n = -2")
        << 7;
}

void TestParametryElementu::zloz()
{
    QFETCH(TypUkladu, uklad);
    QFETCH(int, typ);
    QFETCH(Material, material);
    QFETCH(double, H);
    QFETCH(double, L);
    QFETCH(double, fc);
    QFETCH(int, n);
    QFETCH(QString, tekst);
    QFETCH(int, pola);

    const QString wynik = ZlozParametry(uklad, TypInstalacji(typ), material, H, L, fc, n);
    QCOMPARE(wynik, tekst);
    QCOMPARE(wynik.split(QStringLiteral(", ")).size(), pola);
    if (QByteArray(QTest::currentDataTag()) == "longest entries") {
        QCOMPARE(QString::number(9999999999.0, 'f', 0).size(), kerwano::MAKS_ZNAKOW_LICZBY);
        QCOMPARE(QString::number(99999).size(), kerwano::MAKS_CYFR_N);
        QCOMPARE(wynik.size(), kerwano::POJEMNOSC_PARAMETROW);
    }
}

void TestParametryElementu::zlozIOdczytaj_data()
{
    QTest::addColumn<TypUkladu>("uklad");
    QTest::addColumn<int>("typ");
    QTest::addColumn<Material>("material");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("fc");
    QTest::addColumn<int>("n");

    QTest::newRow("A 1 air") << TypUkladu::A << 1 << Material::Powietrze << 1.0 << 1.0 << 3.0 << 2;
    QTest::newRow("B 1 dielectric")
        << TypUkladu::B << 1 << Material::Dielektryk << 0.5 << 0.25 << 0.0 << 0;
    QTest::newRow("A 2 air") << TypUkladu::A << 2 << Material::Powietrze << 12.5 << 3.0 << 20.0
                             << 0;
    QTest::newRow("B 2 dielectric")
        << TypUkladu::B << 2 << Material::Dielektryk << 2.346 << 12345.678 << 0.01 << 0;
    QTest::newRow("A 3 air") << TypUkladu::A << 3 << Material::Powietrze << 15.0 << 7.5 << 10.0
                             << 4;
    QTest::newRow("B 3 dielectric")
        << TypUkladu::B << 3 << Material::Dielektryk << 45.0 << 60.0 << 5.0 << 2147483647;
    QTest::newRow("millions") << TypUkladu::A << 3 << Material::Powietrze << 1234567.891
                              << 999999.995 << 1e20 << 1;
    QTest::newRow("huge") << TypUkladu::B << 2 << Material::Dielektryk << 1.7976931348623157e308
                          << 9007199254740993.0 << 1e15 + 0.125 << 0;
}

// Every value comes back as the number its text shows, and writing that
// number again gives the same text.
void TestParametryElementu::zlozIOdczytaj()
{
    QFETCH(TypUkladu, uklad);
    QFETCH(int, typ);
    QFETCH(Material, material);
    QFETCH(double, H);
    QFETCH(double, L);
    QFETCH(double, fc);
    QFETCH(int, n);

    const QString tekst = ZlozParametry(uklad, TypInstalacji(typ), material, H, L, fc, n);
    QCOMPARE(CzytajTypUkladu(tekst), uklad);
    QCOMPARE(CzytajTypInstalacji(tekst), TypInstalacji(typ));
    QCOMPARE(CzytajMaterial(tekst), material);
    QCOMPARE(DwaMiejsca(CzytajH(tekst)), DwaMiejsca(H));
    QCOMPARE(DwaMiejsca(CzytajL(tekst)), DwaMiejsca(L));
    QCOMPARE(DwaMiejsca(CzytajF(tekst)), DwaMiejsca(typ == 2 ? fc : 0.0));
    QCOMPARE(DwaMiejsca(CzytajC(tekst)), DwaMiejsca(typ == 3 ? fc : 0.0));
    QCOMPARE(CzytajN(tekst), typ == 3 ? n : 0);

    const QString ponownie =
        ZlozParametry(uklad, TypInstalacji(typ), material, CzytajH(tekst), CzytajL(tekst),
                      typ == 2 ? CzytajF(tekst) : CzytajC(tekst), CzytajN(tekst));
    QCOMPARE(ponownie, tekst);
}

void TestParametryElementu::kody_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("uklad");
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("material");

    auto wiersz = [](const char *nazwa, const char16_t *tekst, int uklad, int typ, int material) {
        QTest::newRow(nazwa) << QString::fromUtf16(tekst) << uklad << typ << material;
    };
    wiersz("empty", u"", 0, 0, 0);
    wiersz("full", u"Układ B, układ 2, dielektryk, H = 1,00", 2, 2, 2);
    wiersz("fields need a following comma", u"Układ B", 0, 0, 0);
    wiersz("last field unread", u"Układ A, układ 1, powietrze", 1, 1, 0);
    wiersz("later key wins", u"Układ A, Układ B, układ 1, układ 3, powietrze, dielektryk, ", 2, 3,
           2);
    // The table order decides, not the order in the text.
    wiersz("table order wins", u"Układ B, Układ A, układ 3, układ 1, dielektryk, powietrze, ", 2, 3,
           2);
    wiersz("middle layout", u"układ 2, układ 1, ", 0, 2, 0);
    wiersz("keys anywhere", u"xUkład A,yukład 2,zpowietrze,", 1, 2, 1);
    wiersz("case sensitive", u"układ A, Układ 1, Powietrze, DIELEKTRYK, ", 0, 0, 0);
    wiersz("without Polish letter", u"Uklad A, uklad 1, powietrze, ", 0, 0, 1);
    wiersz("space before comma", u"Układ A , układ 1 , powietrze , ", 0, 0, 0);
    wiersz("unknown values", u"Układ C, układ 4, woda, ", 0, 0, 0);
}

void TestParametryElementu::kody()
{
    QFETCH(QString, tekst);
    QFETCH(int, uklad);
    QFETCH(int, typ);
    QFETCH(int, material);
    QCOMPARE(static_cast<int>(CzytajTypUkladu(tekst)), uklad);
    QCOMPARE(CzytajTypInstalacji(tekst), TypInstalacji(typ));
    QCOMPARE(static_cast<int>(CzytajMaterial(tekst)), material);
}

void TestParametryElementu::liczby_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("c");

    auto wiersz = [](const char *nazwa, const QString &tekst, double H, double L, double f,
                     double c) { QTest::newRow(nazwa) << tekst << H << L << f << c; };
    wiersz("layout 3",
           QStringLiteral(u"Układ A, układ 3, powietrze, H = 15,00, L = 7,50, c = 10,00, n = 4"),
           15, 7.5, 0, 10);
    wiersz("layout 2",
           QStringLiteral(u"Układ B, układ 2, dielektryk, H = 12,50, L = 3,00, f = 20,00"), 12.5, 3,
           20, 0);
    wiersz("empty", QString(), 0, 0, 0, 0);
    wiersz("no keys", QStringLiteral("H=1, L =2, f= 3, c  = 4"), 0, 0, 0, 0);
    wiersz("empty value before the next field", QStringLiteral("H = , L = 5,00"), 0, 5, 0, 0);
    wiersz("empty value at the end", QStringLiteral("L = 5,00, H = "), 0, 5, 0, 0);
    wiersz("first occurrence counts", QStringLiteral("H = 1,00, H = 2,00, L = x, L = 3"), 1, 0, 0,
           0);
    wiersz("unreadable first occurrence", QStringLiteral("H = x, H = 2,00"), 0, 0, 0, 0);
    wiersz("case sensitive keys", QStringLiteral("h = 1, l = 2, F = 3, C = 4"), 0, 0, 0, 0);
    wiersz("spaces around the value", QStringLiteral("H =  2,5  , L = 3"), 2.5, 3, 0, 0);
    wiersz("comma without space stays in the value", QStringLiteral("H = 1,5,L = 2"), 0, 2, 0, 0);
    wiersz("exponent", QStringLiteral("H = 1,5E2, L = -2"), 150, -2, 0, 0);
    wiersz("point is not a decimal sign", QStringLiteral("H = 1.5, L = 2,5"), 0, 2.5, 0, 0);
    wiersz("key inside a word", QStringLiteral("XH = 4, L = 1"), 4, 1, 0, 0);
    wiersz("millions", QStringLiteral("H = 100000000000000000000,00, L = 1234567,89"), 1e20,
           1234567.89, 0, 0);
    wiersz("overflow", QStringLiteral("H = 1E400, L = 1E-400"), 0, 0, 0, 0);
    // Without a comma-space the value is the rest of the text, cut to 255
    // characters.
    wiersz("255 characters", QStringLiteral("H = ") + QString(254, u' ') + QStringLiteral("5"), 5,
           0, 0, 0);
    wiersz("256 characters", QStringLiteral("H = ") + QString(255, u' ') + QStringLiteral("5"), 0,
           0, 0, 0);
    wiersz("long number cut", QStringLiteral("H = 1") + QString(299, u'0'), 1e254, 0, 0, 0);
    wiersz("long value before a comma-space",
           QStringLiteral("H = ") + QString(300, u' ') + QStringLiteral("5, L = 1"), 5, 1, 0, 0);
}

void TestParametryElementu::liczby()
{
    QFETCH(QString, tekst);
    QFETCH(double, H);
    QFETCH(double, L);
    QFETCH(double, f);
    QFETCH(double, c);
    QCOMPARE(CzytajH(tekst), H);
    QCOMPARE(CzytajL(tekst), L);
    QCOMPARE(CzytajF(tekst), f);
    QCOMPARE(CzytajC(tekst), c);
}

void TestParametryElementu::liczbaN_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("n");

    QTest::newRow("at the end") << QStringLiteral("c = 10,00, n = 4") << 4;
    QTest::newRow("field follows") << QStringLiteral("n = 12, x") << 12;
    QTest::newRow("leading spaces") << QStringLiteral("n =   7") << 7;
    QTest::newRow("negative") << QStringLiteral("n = -3") << -3;
    QTest::newRow("missing") << QStringLiteral("c = 10,00") << 0;
    QTest::newRow("empty") << QStringLiteral("n = ") << 0;
    QTest::newRow("fraction") << QStringLiteral("n = 4,5") << 0;
    QTest::newRow("trailing space") << QStringLiteral("n = 4 , x") << 0;
    QTest::newRow("too large") << QStringLiteral("n = 2147483648") << 0;
    QTest::newRow("largest") << QStringLiteral("n = 2147483647") << 2147483647;
    QTest::newRow("upper case key") << QStringLiteral("N = 4") << 0;
}

void TestParametryElementu::liczbaN()
{
    QFETCH(QString, tekst);
    QFETCH(int, n);
    QCOMPARE(CzytajN(tekst), n);
}

void TestParametryElementu::opisInstalacji_data()
{
    QTest::addColumn<int>("indeks");
    for (size_t i = 0; i < Instalacje().size(); ++i)
        QTest::newRow(qPrintable(QStringLiteral("układ ") + Instalacje()[i].znak)) << int(i);
}

// Each layout is found by its code, its text holds H, L and its own fields
// and no other, and the distance takes the layout's kc in arrangement A.
void TestParametryElementu::opisInstalacji()
{
    QFETCH(int, indeks);
    const OpisInstalacji &opis = Instalacje()[size_t(indeks)];
    QCOMPARE(OpisTypuInstalacji(opis.typ), &opis);
    const QString tekst = ZlozParametry(TypUkladu::A, opis.typ, Material::Powietrze, 12, 5, 8, 3);
    QCOMPARE(CzytajTypInstalacji(tekst), opis.typ);
    for (const PoleParametru pole : {PoleParametru::H, PoleParametru::L, PoleParametru::F,
                                     PoleParametru::C, PoleParametru::N}) {
        const bool potrzebne = pole == PoleParametru::H || pole == PoleParametru::L ||
                               std::count(opis.pola.begin(), opis.pola.end(), pole) == 1;
        QCOMPARE(tekst.contains(OpisPolaParametru(pole).klucz), potrzebne);
    }
    QCOMPARE(WspolczynnikKc(tekst), opis.kc(tekst));
    QVERIFY(opis.kc(tekst) > 0);
}

QTEST_APPLESS_MAIN(TestParametryElementu)

#include "tst_parametry_elementu.moc"
