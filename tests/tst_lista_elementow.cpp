#include "OknoTestowe.h"
#include "angles/okna/TKaty_strona.h"
#include "elements/ParametryElementu.h"
#include "elements/okna/TObraz.h"
#include "elements/okna/TOdstepy_parametry_form.h"
#include "elements/okna/TOdstepy_strona.h"
#include "risk/Formaty.h"
#include "widgets/TStringGrid.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>

using kerwano::ElementDachu;

// The roof element list of page 3 through the real element dialog: add,
// delete and edit keep both tables row-parallel, and the pane below shows
// the selected element's pictures, separation distance and angle.
class TstListaElementow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dodanieDoPustej();
    void dodanieDrugiego();
    void usuniecie();
    void usuniecieOstatniegoWiersza();
    void edycja();
    void anulowanie();
    void wysokoscPonadGranica();
    void panelPrzyPustejLiscie();
    void przesuniecieZnakow();
    void tuzinElementow();
    void granicaElementow();
    void dlugieLiczby();
    void klawiszeTabel_data();
    void klawiszeTabel();

private:
    // Answers the element dialog the next add or edit opens; a dialog the
    // answer leaves open is confirmed with Enter.
    void Odpowiedz(std::function<void(TOdstepy_parametry_form *)> odpowiedz);
    void Dodaj(std::function<void(TOdstepy_parametry_form *)> odpowiedz = {});
    QString Komorka1(int k, int w) const
    {
        return W<TStringGrid>(okno_testowe::Strona(m_okno, 3), "StringGrid1")->Cells(k, w);
    }
    QString Komorka2(int k, int w) const
    {
        return W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->Cells(k, w);
    }
    QStringList Nazwy() const
    {
        QStringList n;
        for (int w = 1;
             w < W<TStringGrid>(okno_testowe::Strona(m_okno, 3), "StringGrid1")->RowCount(); ++w)
            n << Komorka1(0, w) + QLatin1Char('|') + Komorka2(0, w);
        return n;
    }
    static ElementDachu Element(const QString &nazwa, double H)
    {
        return {nazwa, kerwano::ZlozParametry(kerwano::TypUkladu::A, kerwano::TypInstalacji::Uklad1,
                                              kerwano::Material::Powietrze, H, 2, 0, 0)};
    }

    TProgram_form *m_okno = nullptr;
    QWidget *m_strona = nullptr;
};

void TstListaElementow::init()
{
    m_okno = new TProgram_form({QStringLiteral("kerwano")});
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno));
    m_strona = okno_testowe::Strona(m_okno, 3);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
}

void TstListaElementow::cleanup()
{
    okno_testowe::ZakonczSzukania();
    delete m_okno;
    m_okno = nullptr;
}

void TstListaElementow::Odpowiedz(std::function<void(TOdstepy_parametry_form *)> odpowiedz)
{
    okno_testowe::Odpowiedz<TOdstepy_parametry_form>([odpowiedz](TOdstepy_parametry_form *d) {
        if (odpowiedz)
            odpowiedz(d);
        if (d->isVisible())
            QTest::keyClick(W<QLineEdit>(d, "Edit1"), Qt::Key_Return);
    });
}

void TstListaElementow::Dodaj(std::function<void(TOdstepy_parametry_form *)> odpowiedz)
{
    Odpowiedz(std::move(odpowiedz));
    QTest::mouseClick(W<QPushButton>(m_strona, "Button2"), Qt::LeftButton);
}

void TstListaElementow::dodanieDoPustej()
{
    okno_testowe::Budynek(m_okno, wzorcowy::Budynek(1));
    QCOMPARE(m_okno->projekt().klasa().klasa, 2);
    m_okno->UstawZmodyfikowany(false);
    QStringList presety;
    Dodaj([&](TOdstepy_parametry_form *d) {
        presety << W<QLineEdit>(d, "Edit1")->text() << W<QLineEdit>(d, "Edit_H")->text()
                << W<QLineEdit>(d, "Edit_L")->text() << W<QLineEdit>(d, "Edit_fc")->text()
                << W<QLineEdit>(d, "Edit_n")->text();
        QTest::keyClicks(W<QLineEdit>(d, "Edit_L"), QStringLiteral("0")); // 1,000
        W<QLineEdit>(d, "Edit_L")->selectAll();
        QTest::keyClicks(W<QLineEdit>(d, "Edit_L"), QStringLiteral("10"));
    });
    QCOMPARE(presety, QStringList({"Element 1", "1,00", "1,00", "1,00", "1"}));
    QCOMPARE(m_okno->projekt().liczba_elementow(), 1);
    QCOMPARE(W<TStringGrid>(m_strona, "StringGrid1")->RowCount(), 2);
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->RowCount(), 2);
    QCOMPARE(Komorka1(1, 1), QStringLiteral("Układ A, układ 1, powietrze, H = 1,00, L = 10,00"));
    QCOMPARE(Nazwy(), QStringList({"Element 1|Element 1"}));
    QCOMPARE(Komorka2(1, 1), QStringLiteral("1,00"));
    QCOMPARE(Komorka2(2, 1), m_okno->projekt().krzywe_katow().TekstKata(kerwano::Klasa(2), 1.0));
    QVERIFY(m_okno->zmodyfikowany());
    // The pane shows the first element at once.
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_A")->isVisibleTo(m_strona));
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_1")->isVisibleTo(m_strona));
    QVERIFY(!W<QLabel>(m_strona, "Label_uklad_AB")->isVisibleTo(m_strona));
    QVERIFY(!W<QLabel>(m_strona, "Label_typ_instalacji")->isVisibleTo(m_strona));
    QCOMPARE(W<QLabel>(m_strona, "Label_d_wart")->text(), QStringLiteral("0,75 m"));
    QCOMPARE(W<QLabel>(m_strona, "Label_d_nr")->text(), QStringLiteral("1"));
    QCOMPARE(W<QLabel>(m_strona, "Label_alpha_wart")->text(),
             m_okno->projekt().krzywe_katow().TekstKata(kerwano::Klasa(2), 1.0) +
                 QStringLiteral(" °"));
}

void TstListaElementow::dodanieDrugiego()
{
    Dodaj();
    Dodaj([](TOdstepy_parametry_form *d) {
        QCOMPARE(W<QLineEdit>(d, "Edit1")->text(), QStringLiteral("Element 2"));
        QTest::mouseClick(W<TObraz>(d, "Image3"), Qt::LeftButton);
        QTest::mouseClick(W<TObraz>(d, "Image5"), Qt::LeftButton);
    });
    QCOMPARE(m_okno->projekt().liczba_elementow(), 2);
    QCOMPARE(W<TStringGrid>(m_strona, "StringGrid1")->RowCount(), 3);
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->RowCount(), 3);
    QCOMPARE(Komorka1(1, 2),
             QStringLiteral("Układ B, układ 2, powietrze, H = 1,00, L = 1,00, f = 1,00"));
    // Selection and pane stay on the first element.
    QCOMPARE(W<TStringGrid>(m_strona, "StringGrid1")->Row(), 1);
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_A")->isVisibleTo(m_strona));
    QCOMPARE(W<QLabel>(m_strona, "Label_d_nr")->text(), QStringLiteral("1"));
}

void TstListaElementow::usuniecie()
{
    Dodaj();
    m_okno->UstawZmodyfikowany(false);
    QTest::mouseClick(W<QPushButton>(m_strona, "Button3"), Qt::LeftButton);
    QCOMPARE(m_okno->projekt().liczba_elementow(), 0);
    QCOMPARE(W<TStringGrid>(m_strona, "StringGrid1")->RowCount(), 2);
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->RowCount(), 2);
    for (int k = 0; k < 3; ++k)
        QVERIFY(Komorka2(k, 1).isEmpty());
    QVERIFY(Komorka1(0, 1).isEmpty() && Komorka1(1, 1).isEmpty());
    QVERIFY(m_okno->zmodyfikowany());

    // An empty list: nothing to delete or edit, the project stays unmodified.
    m_okno->UstawZmodyfikowany(false);
    QTest::mouseClick(W<QPushButton>(m_strona, "Button3"), Qt::LeftButton);
    QTest::mouseClick(W<QPushButton>(m_strona, "Button4"), Qt::LeftButton);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(!m_okno->zmodyfikowany());
    QCOMPARE(m_okno->projekt().liczba_elementow(), 0);

    // The middle one of three goes; the others keep their order and cells.
    okno_testowe::WczytajElementy(m_okno, {Element("a", 5), Element("b", 25), Element("c", 50)});
    const QStringList trzeci = {Komorka2(1, 3), Komorka2(2, 3)};
    W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(2);
    QTest::mouseClick(W<QPushButton>(m_strona, "Button3"), Qt::LeftButton);
    QCOMPARE(m_okno->projekt().liczba_elementow(), 2);
    QCOMPARE(Nazwy(), QStringList({"a|a", "c|c"}));
    QCOMPARE(QStringList({Komorka2(1, 2), Komorka2(2, 2)}), trzeci);
    QCOMPARE(Komorka1(1, 2), Element("c", 50).parametry);
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->RowCount(), 3);

    // The pane follows the delete: row 2 now holds "c" (arrangement A), not
    // the removed "b" (arrangement B), and reads as one text.
    okno_testowe::WczytajElementy(
        m_okno,
        {Element("a", 5), {"b", "Układ B, układ 3, powietrze, H = 1,00"}, Element("c", 50)});
    W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(2);
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_B")->isVisibleTo(m_strona));
    QTest::mouseClick(W<QPushButton>(m_strona, "Button3"), Qt::LeftButton);
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_A")->isVisibleTo(m_strona));
    QVERIFY(!W<TObraz>(m_strona, "Image_uklad_B")->isVisibleTo(m_strona));
    QAccessibleInterface *d = QAccessible::queryAccessibleInterface(W<QFrame>(m_strona, "Panel_d"));
    QCOMPARE(d->text(QAccessible::Name), QStringLiteral("d2 ≥ 0,00 m"));
    QCOMPARE(d->childCount(), 0);
}

void TstListaElementow::usuniecieOstatniegoWiersza()
{
    // A list loaded while page 3 shows replaces the pane too.
    okno_testowe::WczytajElementy(m_okno, {{"b", "Układ B, układ 3, powietrze, H = 1,00"}});
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_B")->isVisibleTo(m_strona));
    okno_testowe::WczytajElementy(m_okno, {});
    QVERIFY(W<QLabel>(m_strona, "Label_uklad_AB")->isVisibleTo(m_strona));
    QVERIFY(!W<QFrame>(m_strona, "Panel_d")->isVisibleTo(m_strona));

    okno_testowe::WczytajElementy(
        m_okno, {Element("a", 5), {"b", "Układ B, układ 3, powietrze, H = 1,00"}});
    W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(2);
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_B")->isVisibleTo(m_strona));
    QTest::mouseClick(W<QPushButton>(m_strona, "Button3"), Qt::LeftButton);
    // The selection falls back to the new last row, and the pane follows it.
    QCOMPARE(W<TStringGrid>(m_strona, "StringGrid1")->Row(), 1);
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_A")->isVisibleTo(m_strona));
    QVERIFY(!W<TObraz>(m_strona, "Image_uklad_B")->isVisibleTo(m_strona));
}

void TstListaElementow::edycja()
{
    okno_testowe::WczytajElementy(m_okno, {Element("a", 5), Element("b", 7)});
    W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(2);
    m_okno->UstawZmodyfikowany(false);
    QStringList pola;
    bool widoczne = true, odmowa = false;
    Odpowiedz([&](TOdstepy_parametry_form *d) {
        pola << W<QLineEdit>(d, "Edit1")->text() << W<QLineEdit>(d, "Edit_H")->text()
             << W<QLineEdit>(d, "Edit_L")->text() << W<QLineEdit>(d, "Edit_fc")->text()
             << W<QLineEdit>(d, "Edit_n")->text();
        widoczne =
            W<QLineEdit>(d, "Edit_fc")->isVisible() || W<QLineEdit>(d, "Edit_n")->isVisible();
        QTest::mouseClick(W<TObraz>(d, "Image6"), Qt::LeftButton);
        QCOMPARE(W<QLabel>(d, "Label_fc")->text(), QStringLiteral("&c [m]"));
        W<QLineEdit>(d, "Edit1")->setText(QStringLiteral("Świetlik"));
        // Layout 3 with the n of layout 1, 0, is refused; typing n over it helps.
        QTest::keyClick(W<QLineEdit>(d, "Edit1"), Qt::Key_Return);
        odmowa = d->isVisible() && d->focusWidget() == W<QLineEdit>(d, "Edit_n");
        QTest::keyClicks(d->focusWidget(), QStringLiteral("3"));
    });
    QTest::mouseClick(W<QPushButton>(m_strona, "Button4"), Qt::LeftButton);
    QCOMPARE(pola, QStringList({"b", "7,00", "2,00", "0,00", "0"}));
    QVERIFY(!widoczne);
    QVERIFY(odmowa);
    QCOMPARE(Komorka1(1, 2),
             QStringLiteral("Układ A, układ 3, powietrze, H = 7,00, L = 2,00, c = 0,00, n = 3"));
    QCOMPARE(Nazwy(), QStringList({"a|a", "Świetlik|Świetlik"}));
    QVERIFY(m_okno->zmodyfikowany());
    QVERIFY(W<TObraz>(m_strona, "Image_uklad_3")->isVisibleTo(m_strona));
    QCOMPARE(W<QLabel>(m_strona, "Label_d_nr")->text(), QStringLiteral("2"));
    QCOMPARE(W<QLabel>(m_strona, "Label_d_wart")->text(),
             kerwano::TekstOdstepu(m_okno->projekt().ObliczOdstep(2).d));

    // The edit puts the element's own buttons and numbers into the dialog.
    bool dobrze = false;
    Odpowiedz([&](TOdstepy_parametry_form *d) {
        dobrze = W<QRadioButton>(d, "RadioButton5")->isChecked() &&
                 W<QRadioButton>(d, "RadioButton1")->isChecked() &&
                 W<QRadioButton>(d, "RadioButton6")->isChecked() &&
                 W<QLineEdit>(d, "Edit_n")->isVisible() &&
                 W<QLineEdit>(d, "Edit_fc")->text() == QStringLiteral("0,00");
        QTest::mouseClick(W<QPushButton>(d, "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(W<QPushButton>(m_strona, "Button4"), Qt::LeftButton);
    QVERIFY(dobrze);

    // A double-click on the row opens the same edit.
    dobrze = false;
    Odpowiedz([&](TOdstepy_parametry_form *d) {
        dobrze = W<QLineEdit>(d, "Edit1")->text() == QStringLiteral("Świetlik");
        QTest::mouseClick(W<QPushButton>(d, "Button2"), Qt::LeftButton);
    });
    emit W<TStringGrid>(m_strona, "StringGrid1")->cellDoubleClicked(1, 0);
    QVERIFY(dobrze);
}

void TstListaElementow::anulowanie()
{
    okno_testowe::WczytajElementy(m_okno, {Element("a", 5)});
    m_okno->UstawZmodyfikowany(false);
    const QStringList przed = {Komorka1(0, 1), Komorka1(1, 1), Komorka2(1, 1), Komorka2(2, 1)};
    Dodaj([](TOdstepy_parametry_form *d) {
        QTest::keyClick(W<QLineEdit>(d, "Edit_H"), Qt::Key_Escape);
    });
    Odpowiedz([](TOdstepy_parametry_form *d) {
        QTest::keyClicks(W<QLineEdit>(d, "Edit_H"), QStringLiteral("9"));
        QTest::mouseClick(W<QPushButton>(d, "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(W<QPushButton>(m_strona, "Button4"), Qt::LeftButton);
    QCOMPARE(m_okno->projekt().liczba_elementow(), 1);
    QCOMPARE(QStringList({Komorka1(0, 1), Komorka1(1, 1), Komorka2(1, 1), Komorka2(2, 1)}), przed);
    QVERIFY(!m_okno->zmodyfikowany());
}

void TstListaElementow::wysokoscPonadGranica()
{
    okno_testowe::Budynek(m_okno);
    QCOMPARE(m_okno->projekt().klasa().klasa, 1);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
    Dodaj([](TOdstepy_parametry_form *d) {
        W<QLineEdit>(d, "Edit_H")->selectAll();
        QTest::keyClicks(W<QLineEdit>(d, "Edit_H"), QStringLiteral("20,004"));
    });
    // The cell, the text and the pane all follow the height the text keeps.
    QCOMPARE(Komorka2(1, 1), QStringLiteral("20,00"));
    QCOMPARE(Komorka2(2, 1), m_okno->projekt().krzywe_katow().TekstKata(kerwano::Klasa(1), 20.0));
    QCOMPARE(W<QLabel>(m_strona, "Label_alpha_wart")->text(),
             m_okno->projekt().krzywe_katow().TekstKata(kerwano::Klasa(1), 20.0) +
                 QStringLiteral(" °"));
    Dodaj([](TOdstepy_parametry_form *d) {
        W<QLineEdit>(d, "Edit_H")->selectAll();
        QTest::keyClicks(W<QLineEdit>(d, "Edit_H"), QStringLiteral("20,01"));
    });
    W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(2);
    QCOMPARE(W<QLabel>(m_strona, "Label_alpha_wart")->text(), QStringLiteral("?"));
    QCOMPARE(W<QLabel>(m_strona, "Label_d_wart")->text(), QStringLiteral("0,10 m"));

    // A file's element whose kc cannot be evaluated: no distance, the angle stays.
    okno_testowe::WczytajElementy(
        m_okno,
        {{QStringLiteral("Bez n"),
          QStringLiteral("Układ A, układ 3, powietrze, H = 7,00, L = 2,00, c = 1,00, n = 0")}});
    QCOMPARE(W<QLabel>(m_strona, "Label_d_wart")->text(), QStringLiteral("?"));
    QCOMPARE(W<QLabel>(m_strona, "Label_alpha_wart")->text(),
             m_okno->projekt().krzywe_katow().TekstKata(kerwano::Klasa(1), 7.0) +
                 QStringLiteral(" °"));
}

void TstListaElementow::panelPrzyPustejLiscie()
{
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(0);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
    QVERIFY(W<QLabel>(m_strona, "Label_uklad_AB")->isVisibleTo(m_strona));
    QVERIFY(W<QLabel>(m_strona, "Label_typ_instalacji")->isVisibleTo(m_strona));
    for (QWidget *w : {static_cast<QWidget *>(W<TObraz>(m_strona, "Image_uklad_A")),
                       static_cast<QWidget *>(W<TObraz>(m_strona, "Image_uklad_B")),
                       static_cast<QWidget *>(W<TObraz>(m_strona, "Image_uklad_1")),
                       static_cast<QWidget *>(W<TObraz>(m_strona, "Image_uklad_2")),
                       static_cast<QWidget *>(W<TObraz>(m_strona, "Image_uklad_3")),
                       static_cast<QWidget *>(W<QFrame>(m_strona, "Panel_d")),
                       static_cast<QWidget *>(W<QFrame>(m_strona, "Panel_alpha"))})
        QVERIFY2(!w->isVisibleTo(m_strona), qPrintable(w->objectName()));
    QCOMPARE(W<QLabel>(m_strona, "Label_uklad_AB")->text(),
             QStringLiteral("Nie wybrano żadnego typu układu."));
}

void TstListaElementow::przesuniecieZnakow()
{
    QList<ElementDachu> elementy;
    for (int i = 1; i <= 100; ++i)
        elementy << Element(QString::number(i), 5);
    okno_testowe::WczytajElementy(m_okno, elementy);
    auto polozenia = [this](int wiersz) {
        W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(wiersz);
        return QList<int>({W<QLabel>(m_strona, "Label_d_wbr")->x(),
                           W<QLabel>(m_strona, "Label_d_wart")->x(),
                           W<QLabel>(m_strona, "Label_alpha_wbr")->x(),
                           W<QLabel>(m_strona, "Label_alpha_wart")->x()});
    };
    QCOMPARE(polozenia(9), QList<int>({29, 41, 29, 41}));
    QCOMPARE(polozenia(10), QList<int>({35, 47, 35, 47}));
    QCOMPARE(polozenia(100), QList<int>({41, 53, 41, 53}));
    QCOMPARE(W<QLabel>(m_strona, "Label_alpha_nr")->text(), QStringLiteral("100"));
}

void TstListaElementow::tuzinElementow()
{
    okno_testowe::Budynek(m_okno);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
    const QStringList wysokosci = {"3",     "7,5",   "12,25", "19,99", "20",    "20,004",
                                   "20,01", "2,346", "0",     "15",    "8,125", "33"};
    for (const QString &h : wysokosci)
        Dodaj([h](TOdstepy_parametry_form *d) {
            W<QLineEdit>(d, "Edit_H")->selectAll();
            QTest::keyClicks(W<QLineEdit>(d, "Edit_H"), h);
        });
    QCOMPARE(m_okno->projekt().liczba_elementow(), 12);
    for (int w = 1; w <= 12; ++w) {
        const double H = kerwano::CzytajH(Komorka1(1, w));
        QCOMPARE(Komorka2(1, w), kerwano::DwaMiejsca(H));
        QCOMPARE(Komorka1(0, w), QStringLiteral("Element %1").arg(w));
        W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(w);
        const QString kat = W<QLabel>(m_strona, "Label_alpha_wart")->text();
        // Page 2 and page 3 show the angle of the height the text keeps.
        QCOMPARE(Komorka2(2, w), m_okno->projekt().krzywe_katow().TekstKata(kerwano::Klasa(1), H));
        QCOMPARE(kat == QStringLiteral("?") ? kat : Komorka2(2, w) + QStringLiteral(" °"), kat);
    }
    QCOMPARE(Komorka2(1, 8), QStringLiteral("2,35"));
}

// At the limit "<< Dodaj" says so before any dialog opens.
void TstListaElementow::granicaElementow()
{
    okno_testowe::WczytajElementy(m_okno, QList<ElementDachu>(kerwano::MAKS_LICZBA_ELEMENTOW,
                                                              Element(QStringLiteral("E"), 5)));
    bool dialog = false;
    const QPointer<QTimer> szukaj =
        okno_testowe::Odpowiedz<TOdstepy_parametry_form>([&](TOdstepy_parametry_form *d) {
            dialog = true;
            d->reject();
        });
    QString komunikat;
    okno_testowe::Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        komunikat = m->text();
        m->accept();
    });
    QTest::mouseClick(W<QPushButton>(m_strona, "Button2"), Qt::LeftButton);
    QCOMPARE(komunikat, QStringLiteral("Projekt ma już 10000 elementów dachu, najwięcej, ile "
                                       "mieści plik projektu; nie można dodać kolejnego."));
    QVERIFY(!dialog);
    QCOMPARE(m_okno->projekt().liczba_elementow(), kerwano::MAKS_LICZBA_ELEMENTOW);
    delete szukaj;
}

// The dialog's numbers stay short enough for the element's parameter text
// to fit the project file; an element read from a file with a longer number
// whose text would grow past the field is refused at OK, nothing changed.
void TstListaElementow::dlugieLiczby()
{
    QStringList pola;
    Dodaj([&](TOdstepy_parametry_form *d) {
        for (const char *nazwa : {"Edit_H", "Edit_n"}) {
            W<QLineEdit>(d, nazwa)->selectAll();
            QTest::keyClicks(W<QLineEdit>(d, nazwa), QStringLiteral("12345678901"));
            pola << W<QLineEdit>(d, nazwa)->text();
        }
    });
    QCOMPARE(pola, QStringList({"1234567890", "12345"}));

    const QString dlugie = QString(40, QLatin1Char('9'));
    okno_testowe::WczytajElementy(
        m_okno, {{QStringLiteral("a"), QStringLiteral(u"Układ A, układ 1, powietrze, H = ") +
                                           dlugie + QStringLiteral(u",00, L = 1,00")}});
    W<TStringGrid>(m_strona, "StringGrid1")->UstawRow(1);
    m_okno->UstawZmodyfikowany(false);
    const QString przed = Komorka1(1, 1);
    QString komunikat;
    bool otwarty = false;
    Odpowiedz([&](TOdstepy_parametry_form *d) {
        QTest::mouseClick(W<TObraz>(d, "Image6"), Qt::LeftButton); // layout 3
        okno_testowe::Odpowiedz<QMessageBox>([&](QMessageBox *m) {
            komunikat = m->text();
            m->accept();
        });
        QTest::mouseClick(W<QPushButton>(d, "Button1"), Qt::LeftButton);
        otwarty = d->isVisible();
        QTest::mouseClick(W<QPushButton>(d, "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(W<QPushButton>(m_strona, "Button4"), Qt::LeftButton);
    QVERIFY(otwarty);
    const QString parametry =
        kerwano::ZlozParametry(kerwano::TypUkladu::A, kerwano::TypInstalacji::Uklad3,
                               kerwano::Material::Powietrze, kerwano::CzytajH(przed), 1, 0, 0);
    QVERIFY(parametry.size() > kerwano::POJEMNOSC_PARAMETROW);
    QCOMPARE(komunikat, QStringLiteral("Parametry elementu nie zmieszczą się w pliku projektu "
                                       "(znaków: %1, najwyżej 96); skróć liczby.")
                            .arg(parametry.size()));
    QCOMPARE(Komorka1(1, 1), przed);
    QVERIFY(!m_okno->zmodyfikowany());
}

void TstListaElementow::klawiszeTabel_data()
{
    QTest::addColumn<int>("strona");
    QTest::addColumn<int>("klawisz"); // sent to the table; Qt::Key_Menu: the context menu
    QTest::addColumn<int>("modyfikatory");
    QTest::addColumn<QString>("pozycja");   // the menu item's underlined letter
    QTest::addColumn<QStringList>("nazwy"); // the list after the command
    const int brak = Qt::NoModifier, alt = Qt::AltModifier;
    const QStringList zmieniony{"a|a", "Nowy|Nowy"}, usuniety{"a|a"},
        dodany{"a|a", "b|b", "Nowy|Nowy"};
    QTest::newRow("page 3, Enter edits") << 3 << int(Qt::Key_Return) << brak << "" << zmieniony;
    QTest::newRow("page 3, F2 edits, no save") << 3 << int(Qt::Key_F2) << brak << "" << zmieniony;
    QTest::newRow("page 3, Delete removes") << 3 << int(Qt::Key_Delete) << brak << "" << usuniety;
    QTest::newRow("page 3, menu Dodaj") << 3 << int(Qt::Key_Menu) << brak << "d" << dodany;
    QTest::newRow("page 3, menu Usuń") << 3 << int(Qt::Key_Menu) << brak << "u" << usuniety;
    QTest::newRow("page 3, Alt+D adds") << 3 << int(Qt::Key_D) << alt << "" << dodany;
    QTest::newRow("page 3, Alt+E edits") << 3 << int(Qt::Key_E) << alt << "" << zmieniony;
    QTest::newRow("page 3, Alt+U removes") << 3 << int(Qt::Key_U) << alt << "" << usuniety;
    QTest::newRow("page 2, Enter edits") << 2 << int(Qt::Key_Enter) << brak << "" << zmieniony;
    QTest::newRow("page 2, Delete removes") << 2 << int(Qt::Key_Delete) << brak << "" << usuniety;
    QTest::newRow("page 2, menu Edycja") << 2 << int(Qt::Key_Menu) << brak << "e" << zmieniony;
}

// Both element tables answer keys: Enter and F2 edit the current row, Delete
// removes it, the context menu offers the page's three commands; the
// buttons' mnemonics reach them from the table.
void TstListaElementow::klawiszeTabel()
{
    QFETCH(int, strona);
    QFETCH(int, klawisz);
    QFETCH(int, modyfikatory);
    QFETCH(QString, pozycja);
    QFETCH(QStringList, nazwy);

    okno_testowe::WczytajElementy(m_okno, {Element("a", 5), Element("b", 7)});
    m_okno->UstawZmodyfikowany(false);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(strona - 1);
    auto *tabela = W<TStringGrid>(okno_testowe::Strona(m_okno, strona),
                                  strona == 3 ? "StringGrid1" : "StringGrid2");
    tabela->UstawRow(2);
    tabela->setFocus();
    QTRY_VERIFY(tabela->hasFocus());

    // The dialog, when one opens, names the element "Nowy".
    const QPointer<QTimer> dialog =
        okno_testowe::Odpowiedz<TOdstepy_parametry_form>([](TOdstepy_parametry_form *d) {
            W<QLineEdit>(d, "Edit1")->setText(QStringLiteral("Nowy"));
            QTest::keyClick(W<QLineEdit>(d, "Edit1"), Qt::Key_Return);
        });
    if (klawisz == Qt::Key_Menu) {
        bool menu = false;
        QTimer::singleShot(50, [&] {
            auto *m = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QStringList pozycje;
            for (const QAction *a : m ? m->actions() : QList<QAction *>())
                pozycje << a->text();
            menu = pozycje == QStringList{"&Dodaj", "&Edycja", "&Usuń"};
            if (m)
                QTest::keyClick(m, pozycja.at(0).toLatin1());
        });
        // What the platform sends for the menu key.
        QContextMenuEvent zdarzenie(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    tabela->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tabela, &zdarzenie);
        QVERIFY(menu);
    } else {
        QTest::keyClick(tabela, Qt::Key(klawisz), Qt::KeyboardModifiers(modyfikatory));
    }
    QTRY_COMPARE(Nazwy(), nazwy);
    delete dialog;
    // Changed, not saved (F2 is "Zapisz projekt" elsewhere).
    QVERIFY(m_okno->zmodyfikowany());
}

QTEST_MAIN(TstListaElementow)
#include "tst_lista_elementow.moc"
