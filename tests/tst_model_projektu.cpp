#include "angles/KrzyweKatow.h"
#include "project/ModelProjektu.h"
#include "tests/BudynekWzorcowy.h"

#include <QtTest>

using namespace kerwano;

// The project without a window: the roof element list and its angle column,
// which the window tests reach only through the dialogs and the tables.
class TstModelProjektu : public QObject
{
    Q_OBJECT
private slots:
    void lista_data();
    void lista();
    void podpowiedziDialogu();
    void kolumnaKatow_data();
    void kolumnaKatow();
};

namespace {

// A building of class `klasa` (1..4), or of none (0), from the worked example:
// Ce 1, 0.5 and 0.25 give I, II and III; no panic gives IV, and with Ce 0.25 none.
void Budynek(ModelProjektu &m, int klasa)
{
    const int ce[5] = {0, 2, 1, 0, 2};
    Projekt p = wzorcowy::Budynek(ce[klasa]);
    if (klasa == 0 || klasa == 4)
        p.wybory[4] = 0;
    m.UstawDomyslne();
    for (int nr = 1; nr <= 13; ++nr)
        m.UstawWybor(nr, p.wybory[size_t(nr - 1)]);
    for (int nr = 1; nr <= 3; ++nr)
        m.UstawWymiar(nr, p.wymiary[size_t(nr - 1)]);
}

DaneElementu Element(const QString &nazwa, double H, int typ = 1)
{
    DaneElementu e;
    e.nazwa = nazwa;
    e.typ_instalacji = TypInstalacji(typ);
    e.H = H;
    e.L = 2;
    e.fc = 3;
    e.n = 4;
    return e;
}

// Each row of the list: name | parameter text's H field | height cell | angle cell.
QStringList Wiersze(const ModelProjektu &m)
{
    QStringList w;
    for (const WierszElementu &e : m.elementy().Wiersze())
        w << e.nazwa + u'|' + e.TekstWysokosci() + u'|' + e.TekstKata();
    return w;
}

} // namespace

void TstModelProjektu::lista_data()
{
    QTest::addColumn<int>("klasa");
    // Operations, one per item: "+name H" adds, "-row" deletes, "=row name H" edits,
    // "k klasa" recalculates for another building of that class.
    QTest::addColumn<QStringList>("operacje");
    QTest::addColumn<QStringList>("wynik");
    QTest::addColumn<int>("zmiany"); // operations that changed the list

    QTest::newRow("first element")
        << 2 << QStringList{"+E1 1"} << QStringList{"E1|1,00|72,00"} << 1;
    QTest::newRow("delete the middle of three")
        << 2 << QStringList{"+E1 1", "+E2 12,34", "+E3 31", "-2"}
        << QStringList{"E1|1,00|72,00", "E3|31,00|?"} << 4;
    QTest::newRow("delete the last row")
        << 1 << QStringList{"+E1 1", "+E2 2", "-2"} << QStringList{"E1|1,00|67,00"} << 3;
    QTest::newRow("delete the only one") << 1 << QStringList{"+E1 1", "-1"} << QStringList{} << 2;
    QTest::newRow("delete and edit on none")
        << 1 << QStringList{"-1", "=1 X 5"} << QStringList{} << 0;
    QTest::newRow("edit outside the list")
        << 1 << QStringList{"+E1 1", "=2 X 5", "-3"} << QStringList{"E1|1,00|67,00"} << 1;
    QTest::newRow("edit in place") << 3 << QStringList{"+E1 1", "+E2 2", "=1 Komin 3,5"}
                                   << QStringList{"Komin|3,50|73,75", "E2|2,00|75,00"} << 3;
    QTest::newRow("height rounded in the cell")
        << 1 << QStringList{"+E1 2,346"} << QStringList{"E1|2,35|67,00"} << 1;
    // The angle is that of the height the text keeps, 20,00 m, as after the
    // project is opened again.
    QTest::newRow("20,004 m under class I")
        << 1 << QStringList{"+E1 20,004"} << QStringList{"E1|20,00|23,00"} << 1;
    QTest::newRow("20,004 m, then class II, then I")
        << 1 << QStringList{"+E1 20,004", "k 2", "k 1"} << QStringList{"E1|20,00|23,00"} << 1;
    QTest::newRow("no class") << 0 << QStringList{"+E1 1", "k 2", "k 0"} << QStringList{"E1|1,00|?"}
                              << 1;
}

void TstModelProjektu::lista()
{
    QFETCH(int, klasa);
    QFETCH(QStringList, operacje);
    QFETCH(QStringList, wynik);
    QFETCH(int, zmiany);

    ModelProjektu m;
    Budynek(m, klasa);
    QCOMPARE(m.klasa().klasa, klasa);
    int zmienione = 0;
    for (const QString &o : operacje) {
        const QStringList c = o.mid(1).trimmed().split(u' ');
        const auto liczba = [](const QString &t) {
            return QString(t).replace(u',', u'.').toDouble();
        };
        if (o.startsWith(u'+')) {
            m.DodajElement(Element(c[0], liczba(c[1])));
            ++zmienione;
        } else if (o.startsWith(u'-')) {
            zmienione += m.UsunElement(c[0].toInt()).zmieniono();
        } else if (o.startsWith(u'=')) {
            zmienione += m.ZmienElement(c[0].toInt(), Element(c[1], liczba(c[2]))).zmieniono();
        } else if (o.startsWith(u'k')) {
            Budynek(m, c[0].toInt());
            QCOMPARE(m.klasa().klasa, c[0].toInt());
        }
    }
    QCOMPARE(Wiersze(m), wynik);
    QCOMPARE(zmienione, zmiany);
    QCOMPARE(m.liczba_elementow(), wynik.size());
    // Outside the list, the tables' empty row.
    QVERIFY(m.elementy().Wiersz(m.liczba_elementow() + 1).parametry.isEmpty());
}

void TstModelProjektu::podpowiedziDialogu()
{
    ModelProjektu m;
    Budynek(m, 2);
    const DaneElementu nowy = m.elementy().NowyElement();
    QCOMPARE(nowy.nazwa, QStringLiteral("Element 1"));
    QCOMPARE(nowy.uklad, TypUkladu::A);
    QCOMPARE(nowy.typ_instalacji, TypInstalacji::Uklad1);
    QCOMPARE(nowy.material, Material::Powietrze);
    QCOMPARE((QList<double>{nowy.H, nowy.L, nowy.fc, double(nowy.n)}), (QList<double>{1, 1, 1, 1}));

    // A loaded text without arrangement, layout or medium keeps the
    // dialog's defaults; f/c is f + c whichever is present.
    Projekt p = m.ZbierzProjekt();
    p.elementy = {{QStringLiteral("Obcy"), QStringLiteral("H = 7,5, L = 2, f = 4, c = 1")},
                  {QStringLiteral("Siatka"),
                   QStringLiteral("Układ B, układ 3, dielektryk, H = 10,00, L = 5,00, c = "
                                  "10,00, n = 4")}};
    m.ZastosujProjekt(p);
    QCOMPARE(m.elementy().NowyElement().nazwa, QStringLiteral("Element 3"));
    const DaneElementu obcy = m.elementy().ElementWiersza(1);
    QCOMPARE(obcy.uklad, TypUkladu::A);
    QCOMPARE(obcy.typ_instalacji, TypInstalacji::Uklad1);
    QCOMPARE(obcy.material, Material::Powietrze);
    QCOMPARE((QList<double>{obcy.H, obcy.L, obcy.fc, double(obcy.n)}),
             (QList<double>{7.5, 2, 5, 0}));
    const DaneElementu siatka = m.elementy().ElementWiersza(2);
    QCOMPARE(siatka.nazwa, QStringLiteral("Siatka"));
    QCOMPARE(siatka.uklad, TypUkladu::B);
    QCOMPARE(siatka.typ_instalacji, TypInstalacji::Uklad3);
    QCOMPARE(siatka.material, Material::Dielektryk);
    QCOMPARE((QList<double>{siatka.H, siatka.L, siatka.fc, double(siatka.n)}),
             (QList<double>{10, 5, 10, 4}));
}

void TstModelProjektu::kolumnaKatow_data()
{
    QTest::addColumn<int>("stara");
    QTest::addColumn<int>("nowa");
    QTest::addColumn<int>("plus");
    QTest::addColumn<bool>("wymus");
    QTest::addColumn<QStringList>("katy"); // of rows at 10 m, 46 m and 20 m; "-1,00" untouched

    const QStringList bez_zmian = {"-1,00", "-1,00", "-1,00"};
    QTest::newRow("II to III") << 2 << 3 << 0 << false << QStringList{"61,30", "?", "48,50"};
    QTest::newRow("same class") << 2 << 2 << 0 << false << bez_zmian;
    QTest::newRow("I to I+") << 1 << 1 << 1 << false << bez_zmian;
    QTest::newRow("same class, forced")
        << 1 << 1 << 0 << true << QStringList{"45,00", "?", "23,00"};
    QTest::newRow("to no class") << 4 << 0 << 0 << false << QStringList{"?", "?", "?"};
    QTest::newRow("no class, forced") << 0 << 0 << 0 << true << QStringList{"?", "?", "?"};
    QTest::newRow("to IV") << 0 << 4 << 0 << false << QStringList{"65,50", "32,80", "54,50"};
}

void TstModelProjektu::kolumnaKatow()
{
    QFETCH(int, stara);
    QFETCH(int, nowa);
    QFETCH(int, plus);
    QFETCH(bool, wymus);
    QFETCH(QStringList, katy);

    const KrzyweKatow krzywe;
    ListaElementow lista;
    QVERIFY(!lista.OdswiezKolumneKatow(Klasa(nowa, plus), Klasa(stara), true, krzywe));
    lista.Wczytaj({{QStringLiteral("a"), QStringLiteral("H = 10,00, L = 1")},
                   {QStringLiteral("b"), QStringLiteral("H = 46,00, L = 1")},
                   {QStringLiteral("c"), QStringLiteral("H = 20,00, L = 1")}});
    for (int w = 1; w <= 3; ++w)
        lista.UstawKat(w, -1.0);
    const bool odswiezona =
        lista.OdswiezKolumneKatow(Klasa(nowa, plus), Klasa(stara), wymus, krzywe);
    QStringList wynik;
    for (const WierszElementu &e : lista.Wiersze())
        wynik << e.TekstKata();
    QCOMPARE(wynik, katy);
    QCOMPARE(odswiezona, katy != QStringList({"-1,00", "-1,00", "-1,00"}));
}

QTEST_GUILESS_MAIN(TstModelProjektu)
#include "tst_model_projektu.moc"
