#include "OknoTestowe.h"
#include "angles/okna/TKaty_strona.h"
#include "angles/okna/TWykres_katow.h"
#include "elements/ParametryElementu.h"
#include "elements/okna/TOdstepy_strona.h"
#include "widgets/TStringGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using kerwano::ElementDachu;

// Page 2 through the main window: the angle column follows the class, a
// selected row shows its point on the chart and in the information panel.
class TstKatyStrona : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabela();
    void kolumnaKatowZaKlasa();
    void wyborWiersza();
    void pokazanieStrony();
    void wczytanieListy();
    void stronaZbudowanaPozniej_data();
    void stronaZbudowanaPozniej();

private:
    QWidget *Strona2() const { return okno_testowe::Strona(m_okno, 2); }
    TStringGrid *Siatka1() const
    {
        return W<TStringGrid>(okno_testowe::Strona(m_okno, 3), "StringGrid1");
    }
    TStringGrid *Siatka2() const { return W<TStringGrid>(Strona2(), "StringGrid2"); }
    TWykres_katow *Wykres() const { return W<TWykres_katow>(Strona2(), "Chart1"); }
    QString Panel(const char *nazwa) const { return W<QLabel>(Strona2(), nazwa)->text(); }
    QString Kat(int wiersz) const { return Siatka2()->Cells(2, wiersz); }
    QStringList Katy() const
    {
        QStringList k;
        for (int w = 1; w <= m_okno->projekt().liczba_elementow(); ++w)
            k << Kat(w);
        return k;
    }
    static ElementDachu Element(const QString &nazwa, double H)
    {
        return {nazwa, kerwano::ZlozParametry(kerwano::TypUkladu::A, kerwano::TypInstalacji::Uklad1,
                                              kerwano::Material::Powietrze, H, 1, 0, 0)};
    }

    TProgram_form *m_okno = nullptr;
};

void TstKatyStrona::init()
{
    m_okno = new TProgram_form({QStringLiteral("kerwano")});
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno));
}

void TstKatyStrona::cleanup()
{
    okno_testowe::ZakonczSzukania();
    delete m_okno;
    m_okno = nullptr;
}

void TstKatyStrona::tabela()
{
    TStringGrid *s = Siatka2();
    QCOMPARE(s->RowCount(), 2); // header and one empty row
    QCOMPARE(s->Cells(0, 0), QString("Nazwa elementu"));
    QCOMPARE(s->Cells(1, 0), QString("Wysokość H [m]"));
    QCOMPARE(s->Cells(2, 0), QString("Kąt [°]"));
    QCOMPARE(s->columnWidth(0), 319);
    // The number columns widen where their headers need air.
    QVERIFY(s->columnWidth(1) >= 100);
    QVERIFY(s->columnWidth(2) >= 94);
    QCOMPARE(s->verticalHeader()->defaultSectionSize(), 19);
    QCOMPARE(s->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(s->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(Panel("Panel_wykres_H"), QString("999,99 m"));
    QCOMPARE(Panel("Panel_wykres_klasa"), QString("999,99 m"));
    QCOMPARE(Panel("Panel_wykres_kat"), QString("999,99 m"));
    QCOMPARE(m_okno->findChild<QLabel *>("Label30")->text(), QString("Wysokość budyku:"));
    QCOMPARE(W<QLabel>(m_okno, "Panel_wykres_H")->accessibleName(), QString("Wysokość budynku:"));
}

void TstKatyStrona::kolumnaKatowZaKlasa()
{
    // No class yet: every angle is "?", whatever the height.
    okno_testowe::WczytajElementy(m_okno, {Element("Maszt", 3.5), Element("Komin", 12.34),
                                           Element("Antena", 50), Element("Wieża", 21)});
    QCOMPARE(Katy(), QStringList({"?", "?", "?", "?"}));
    QCOMPARE(Siatka2()->Cells(1, 2), QString("12,34"));

    okno_testowe::Budynek(m_okno); // class I
    QCOMPARE(m_okno->projekt().klasa().klasa, 1);
    QCOMPARE(Katy(), QStringList({"65,25", "39,15", "?", "?"}));
    okno_testowe::Wybierz(m_okno, 13, 1); // class II
    QCOMPARE(m_okno->projekt().klasa().klasa, 2);
    QCOMPARE(Katy(), QStringList({"70,25", "49,82", "?", "36,10"}));

    // A change that keeps the class leaves the column alone.
    Siatka2()->UstawCells(2, 1, "znacznik");
    okno_testowe::Pole(m_okno, 3)->setText("10,5");
    QCOMPARE(m_okno->projekt().klasa().klasa, 2);
    QCOMPARE(Kat(1), QString("znacznik"));

    okno_testowe::Wybierz(m_okno, 5, 0); // class IV: above 45 m still has an angle
    QCOMPARE(m_okno->projekt().klasa().klasa, 4);
    QCOMPARE(Katy(), QStringList({"76,85", "62,39", "30,00", "53,50"}));
    okno_testowe::Wybierz(m_okno, 13, 3); // class III: nothing above 45 m
    QCOMPARE(m_okno->projekt().klasa().klasa, 3);
    QCOMPARE(Katy(), QStringList({"73,75", "57,82", "?", "47,30"}));

    // From I to I+ the class code stays 1: the column is not rewritten.
    okno_testowe::Budynek(m_okno);
    QCOMPARE(m_okno->projekt().klasa().klasa, 1);
    Siatka2()->UstawCells(2, 1, "znacznik");
    for (int nr : {1, 2, 3})
        okno_testowe::Pole(m_okno, nr)->setText(nr == 1 ? "60" : nr == 2 ? "40" : "20");
    QCOMPARE(m_okno->projekt().klasa().klasa_plus, 1);
    QCOMPARE(Kat(1), QString("znacznik"));

    // No class again: "?" everywhere.
    okno_testowe::Wybierz(m_okno, 5, 0);
    okno_testowe::Wybierz(m_okno, 13, 0);
    okno_testowe::Wpisz(m_okno, 3, "1");
    QCOMPARE(m_okno->projekt().klasa().klasa, 0);
    QCOMPARE(Katy(), QStringList({"?", "?", "?", "?"}));
}

void TstKatyStrona::wyborWiersza()
{
    okno_testowe::Budynek(m_okno); // class I
    okno_testowe::WczytajElementy(
        m_okno, {Element("Maszt", 3.5), Element("Antena", 50), Element("Szczyt", 20)});
    W<QAction>(m_okno, "Obliczaniektwosonowych1")->trigger();
    // Showing the page shows the current row, the first.
    TWykres_katow *wykres = Wykres();
    TStringGrid *siatka = Siatka2();
    QVERIFY(wykres->MaLinieKata());
    QCOMPARE(wykres->PunktLiniiKata(), wykres->Pozycja(1, 3.5, 65.25));
    QCOMPARE(Panel("Panel_wykres_klasa"), QString("I"));
    QCOMPARE(Panel("Panel_wykres_kat"), QString("65 °"));

    // A row without an angle: no guide lines, the class in force and "?".
    QTest::mouseClick(siatka->viewport(), Qt::LeftButton, {},
                      siatka->visualRect(siatka->model()->index(1, 0)).center());
    QCOMPARE(siatka->Row(), 2);
    QVERIFY(!wykres->MaLinieKata());
    QCOMPARE(Panel("Panel_wykres_klasa"), QString("I"));
    QCOMPARE(Panel("Panel_wykres_kat"), QString("?"));

    // The limit height: the guide lines meet at the end marker of the curve.
    siatka->UstawRow(3);
    QVERIFY(wykres->MaLinieKata());
    QCOMPARE(wykres->PunktLiniiKata(), wykres->Pozycja(1, 20, 23));
    QCOMPARE(Panel("Panel_wykres_kat"), QString("23 °"));

    // A recalculation while the page shows repaints without the guide lines.
    okno_testowe::Wpisz(m_okno, 3, "11");
    QVERIFY(!wykres->MaLinieKata());
}

void TstKatyStrona::pokazanieStrony()
{
    okno_testowe::Wpisz(m_okno, 3, "12,5");
    QTabWidget *strony = W<QTabWidget>(m_okno, "PageControl1");
    QTest::mouseClick(strony->tabBar(), Qt::LeftButton, {}, strony->tabBar()->tabRect(1).center());
    QCOMPARE(strony->currentIndex(), 1);
    QCOMPARE(Panel("Panel_wykres_H"), QString("12,50 m"));
    // The empty list: no guide lines, no class, no angle.
    QVERIFY(!Wykres()->MaLinieKata());
    QCOMPARE(Panel("Panel_wykres_klasa"), QString("?"));
    QCOMPARE(Panel("Panel_wykres_kat"), QString("?"));

    // A class II element selected on showing the page: the panel shows it.
    W<QAction>(m_okno, "N2")->trigger();
    okno_testowe::Budynek(m_okno, wzorcowy::Budynek(1));
    okno_testowe::WczytajElementy(m_okno, {Element("Komin", 12.34)});
    W<QAction>(m_okno, "Obliczaniektwosonowych1")->trigger();
    QCOMPARE(Panel("Panel_wykres_H"), QString("10,00 m"));
    QCOMPARE(Panel("Panel_wykres_klasa"), QString("II"));
    QCOMPARE(Panel("Panel_wykres_kat"), QString("49 °"));
    QCOMPARE(Kat(1), QString("49,82"));

    // A project opened while the page is in view shows its own height.
    kerwano::Projekt inny = m_okno->projekt().ZbierzProjekt();
    inny.wymiary[2] = QStringLiteral("7,5");
    m_okno->ZastosujProjekt(inny);
    QCOMPARE(Panel("Panel_wykres_H"), QString("7,50 m"));
}

void TstKatyStrona::wczytanieListy()
{
    okno_testowe::Budynek(m_okno); // class I
    QList<ElementDachu> piec;
    for (int i = 1; i <= 5; ++i)
        piec << Element(QString("Element %1").arg(i), i);
    okno_testowe::WczytajElementy(m_okno, piec);
    QCOMPARE(Siatka2()->RowCount(), 6);
    QCOMPARE(Siatka1()->RowCount(), 6);
    QCOMPARE(Kat(5), QString("60,00"));
    QCOMPARE(Siatka1()->Cells(1, 5), piec[4].parametry);

    // A pasted negative height has no angle; a huge one neither.
    okno_testowe::WczytajElementy(
        m_okno,
        {{"Ujemny", "Układ A, układ 1, powietrze, H = -5,00, L = 1,00"}, Element("Duży", 2e6)});
    QCOMPARE(Siatka2()->RowCount(), 3);
    QCOMPARE(Siatka2()->Cells(1, 1), QString("-5,00"));
    QCOMPARE(Siatka2()->Cells(1, 2), QString("2000000,00"));
    QCOMPARE(Katy(), QStringList({"?", "?"}));
    W<QAction>(m_okno, "Obliczaniektwosonowych1")->trigger();
    QVERIFY(!Wykres()->MaLinieKata());

    // No elements: one empty row in both tables.
    okno_testowe::WczytajElementy(m_okno, {});
    QCOMPARE(m_okno->projekt().liczba_elementow(), 0);
    QCOMPARE(Siatka2()->RowCount(), 2);
    QCOMPARE(Siatka1()->RowCount(), 2);
    QCOMPARE(Siatka2()->Cells(0, 1), QString());
    QCOMPARE(Siatka1()->Cells(1, 1), QString());
}

// Steps of stronaZbudowanaPozniej: "elementy" loads three elements, "klasa I"
// gives the building class I, "klasa II" then class II, "strona N" shows
// page N, "wiersz 2" selects the second row on the page in view.
void TstKatyStrona::stronaZbudowanaPozniej_data()
{
    QTest::addColumn<QStringList>("kroki");
    QTest::newRow("a new window") << QStringList{};
    QTest::newRow("a project on page 1") << QStringList{"elementy", "klasa I"};
    QTest::newRow("the class changed after the elements")
        << QStringList{"klasa I", "elementy", "klasa II"};
    QTest::newRow("a row on page 3, then a class")
        << QStringList{"elementy", "klasa I", "strona 3", "wiersz 2", "strona 1", "klasa II"};
    QTest::newRow("a row on page 2, then a new list")
        << QStringList{"elementy", "klasa I", "strona 2", "wiersz 2", "strona 1", "elementy"};
}

// Pages 2 and 3 are made when first needed. After the same steps a window
// whose pages were made with it and one whose pages were not show pages 3
// and 2 alike: every widget's place, visibility and text, every cell, the
// current rows and the guide lines, and the pages' least size before.
void TstKatyStrona::stronaZbudowanaPozniej()
{
    QFETCH(QStringList, kroki);
    const auto obraz = [&kroki](bool od_razu) {
        TProgram_form okno({QStringLiteral("kerwano")});
        if (od_razu)
            okno_testowe::Strony(&okno);
        okno.show();
        if (!QTest::qWaitForWindowExposed(&okno))
            return QStringList{"not shown"};
        QTabWidget *strony = W<QTabWidget>(&okno, "PageControl1");
        for (const QString &krok : kroki) {
            if (krok == "elementy")
                okno_testowe::WczytajElementy(
                    &okno, {Element("Maszt", 3.5), Element("Komin", 12.5), Element("Antena", 50)});
            else if (krok == "klasa I")
                okno_testowe::Budynek(&okno);
            else if (krok == "klasa II")
                okno_testowe::Wybierz(&okno, 13, 1);
            else if (krok.startsWith("strona "))
                strony->setCurrentIndex(krok.back().digitValue() - 1);
            else if (krok == "wiersz 2")
                strony->currentWidget()->findChild<TStringGrid *>()->UstawRow(2);
            QTest::qWait(1);
        }
        QStringList o{QStringLiteral("least size %1 x %2")
                          .arg(strony->minimumSizeHint().width())
                          .arg(strony->minimumSizeHint().height())};
        for (int nr : {3, 2}) {
            strony->setCurrentIndex(nr - 1);
            QTest::qWait(20); // the chart's panel is placed after its layout
            QWidget *strona = strony->widget(nr - 1);
            for (const QWidget *w : strona->findChildren<QWidget *>()) {
                // Where a hidden widget would stand is nobody's business.
                const QRect g =
                    w->isVisibleTo(strona) ? QRect(w->mapTo(strona, QPoint()), w->size()) : QRect();
                QString opis = QStringLiteral("%1 %2 %3,%4 %5x%6")
                                   .arg(w->metaObject()->className(), w->objectName())
                                   .arg(g.x())
                                   .arg(g.y())
                                   .arg(g.width())
                                   .arg(g.height());
                if (const auto *l = qobject_cast<const QLabel *>(w))
                    opis += " " + l->text();
                if (const auto *t = qobject_cast<const TStringGrid *>(w)) {
                    opis += QStringLiteral(" row %1:").arg(t->Row());
                    for (int r = 0; r < t->RowCount(); ++r)
                        for (int k = 0; k < t->columnCount(); ++k)
                            opis += " " + t->Cells(k, r);
                }
                if (const auto *c = qobject_cast<const TWykres_katow *>(w))
                    opis += QStringLiteral(" lines %1 at %2,%3")
                                .arg(c->MaLinieKata())
                                .arg(c->PunktLiniiKata().x())
                                .arg(c->PunktLiniiKata().y());
                o << opis;
            }
        }
        return o;
    };
    QCOMPARE(obraz(false), obraz(true));
}

QTEST_MAIN(TstKatyStrona)
#include "tst_katy_strona.moc"
