#include "OknoTestowe.h"
#include "project/PlikProjektu.h"
#include "widgets/TStringGrid.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

using kerwano::ElementDachu;
using okno_testowe::Odpowiedz;

// What the designer sees and handles around the page-3 table, the save
// dialog and a project dropped on the window.
class TstWykonczenie : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void kolumny_data();
    void kolumny();
    void zaznaczenie_data();
    void zaznaczenie();
    void dialogZapisu_data();
    void dialogZapisu();
    void upuszczenie_data();
    void upuszczenie();

private:
    TStringGrid *Siatka() const
    {
        return W<TStringGrid>(okno_testowe::Strona(m_okno, 3), "StringGrid1");
    }
    // Whether the cell shows its whole text: the width an item view leaves
    // for the text (its column less the grid line and the text margins).
    bool Caly(int kolumna, int wiersz) const
    {
        TStringGrid *s = Siatka();
        const int margines = s->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, s) + 1;
        const QString tekst = s->Cells(kolumna, wiersz);
        return s->fontMetrics().elidedText(tekst, Qt::ElideRight,
                                           s->columnWidth(kolumna) - 1 - 2 * margines) == tekst;
    }

    QTemporaryDir m_folder;
    TProgram_form *m_okno = nullptr;
};

void TstWykonczenie::init()
{
    QVERIFY(m_folder.isValid());
    m_okno = new TProgram_form({QStringLiteral("kerwano")});
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno));
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
}

void TstWykonczenie::cleanup()
{
    okno_testowe::ZakonczSzukania();
    m_okno->UstawZmodyfikowany(false);
    delete m_okno;
    m_okno = nullptr;
}

void TstWykonczenie::kolumny_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("parametry");
    QTest::addColumn<int>("liczba"); // rows, the first named `nazwa`
    QTest::addColumn<QSize>("okno");
    QTest::addColumn<bool>("nazwa_cala");
    QTest::addColumn<bool>("parametry_cale");

    const QString siatka = QStringLiteral("Siatka nad dachem hali");
    const QString dluga = QStringLiteral("Świetlik nad klatką schodową nr 2 (pn.)");
    const QString krotki =
        QStringLiteral("Układ A, układ 3, dielektryk, H = 10,00, L = 5,00, c = 10,00, n = 4");
    const QString dlugi =
        QStringLiteral("Układ A, układ 3, dielektryk, H = 12,50, L = 10,00, c = 12,00, n = 10");
    QTest::newRow("layout 3, 800 x 600")
        << siatka << krotki << 5 << QSize(800, 600) << true << true;
    QTest::newRow("longer, scroll bar, 800 x 600")
        << siatka << dlugi << 30 << QSize(800, 600) << true << false;
    QTest::newRow("long name, 800 x 600")
        << dluga << krotki << 5 << QSize(800, 600) << true << false;
    QTest::newRow("long name, maximised")
        << dluga << dlugi << 30 << QSize(1280, 1000) << true << true;
}

// The name gets the room it needs up to half the table, so that names alike
// but for their ends can be told apart; the parameter text gets the rest,
// and a text cut to fit shows whole as the tool tip.
void TstWykonczenie::kolumny()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, parametry);
    QFETCH(int, liczba);
    QFETCH(QSize, okno);
    QFETCH(bool, nazwa_cala);
    QFETCH(bool, parametry_cale);

    QList<ElementDachu> elementy;
    for (int i = 1; i <= liczba; ++i)
        elementy.append({i == 1 ? nazwa : QStringLiteral("Element %1").arg(i), parametry});
    okno_testowe::WczytajElementy(m_okno, elementy);
    m_okno->resize(okno);
    QApplication::sendPostedEvents();
    QCOMPARE(m_okno->size(), okno);

    for (int w = 1; w <= liczba; ++w)
        QCOMPARE(Caly(1, w), parametry_cale);
    for (int w = 2; w <= liczba; ++w)
        QVERIFY(Caly(0, w));
    QCOMPARE(Caly(0, 1), nazwa_cala);
    QVERIFY(Caly(0, 0) && Caly(1, 0)); // the headers

    if (!parametry_cale) {
        QWidget *v = Siatka()->viewport();
        const QPoint p = Siatka()->visualRect(Siatka()->model()->index(0, 1)).center();
        QHelpEvent pomoc(QEvent::ToolTip, p, v->mapToGlobal(p));
        QApplication::sendEvent(v, &pomoc);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), parametry);
        QToolTip::hideText();
    }
}

void TstWykonczenie::zaznaczenie_data()
{
    QTest::addColumn<int>("akcja");
    QTest::addColumn<int>("wiersz"); // current row afterwards

    QTest::newRow("click below the rows") << 0 << 3;
    QTest::newRow("Ctrl+click on the current row") << 1 << 3;
    QTest::newRow("current last row deleted") << 2 << 2;
    QTest::newRow("shorter project loaded") << 3 << 1;
}

// The current row, the one "Edycja" and "Usuń" act on, is always shown
// selected.
void TstWykonczenie::zaznaczenie()
{
    QFETCH(int, akcja);
    QFETCH(int, wiersz);

    const ElementDachu e{QStringLiteral("e"), QStringLiteral("Układ A, układ 1, powietrze")};
    okno_testowe::WczytajElementy(m_okno, {e, e, e});
    TStringGrid *s = Siatka();
    QWidget *v = s->viewport();
    const QRect trzeci = s->visualRect(s->model()->index(2, 0));
    QTest::mouseClick(v, Qt::LeftButton, {}, trzeci.center());
    QCOMPARE(s->Row(), 3);

    if (akcja == 0)
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(trzeci.center().x(), trzeci.bottom() + 30));
    else if (akcja == 1)
        QTest::mouseClick(v, Qt::LeftButton, Qt::ControlModifier, trzeci.center());
    else if (akcja == 2)
        QTest::mouseClick(W<QPushButton>(okno_testowe::Strona(m_okno, 3), "Button3"),
                          Qt::LeftButton);
    else
        okno_testowe::WczytajElementy(m_okno, {e});

    QCOMPARE(s->Row(), wiersz);
    const QModelIndexList wybrane = s->selectionModel()->selectedRows();
    QCOMPARE(wybrane.size(), 1);
    QCOMPARE(wybrane.first().row(), wiersz - 1);
}

void TstWykonczenie::dialogZapisu_data()
{
    QTest::addColumn<QString>("wpisane"); // typed into the name field, in the test's folder
    QTest::addColumn<bool>("anulowany");
    QTest::addColumn<QString>("folder"); // the next showing, in the test's folder
    QTest::addColumn<QString>("nazwa");

    QTest::newRow("path without extension") << "a/projekt" << false << "a"
                                            << "projekt.kwp";
    QTest::newRow("path with extension") << "a/b/hala.kwp" << false << "a/b"
                                         << "hala.kwp";
    QTest::newRow("typed, then cancelled") << "a/x" << true << QString() << "Nowy projekt.kwp";
}

// The save dialog opens in the folder and with the name chosen last, also
// after a whole path was typed as the name.
void TstWykonczenie::dialogZapisu()
{
    QFETCH(QString, wpisane);
    QFETCH(bool, anulowany);
    QFETCH(QString, folder);
    QFETCH(QString, nazwa);

    QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("a/b")));
    QString poczatkowy;
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        poczatkowy = d->directory().absolutePath();
        // What the user types goes to the name field; the dialog reads it on OK.
        W<QLineEdit>(d, "fileNameEdit")->setText(m_folder.filePath(wpisane));
        if (anulowany)
            d->reject();
        else
            static_cast<QDialog *>(d)->accept();
    });
    W<QAction>(m_okno, "Zapiszjako1")->trigger();
    QVERIFY(!QApplication::activeModalWidget());

    QString widziany_folder, widziana_nazwa;
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        widziany_folder = d->directory().absolutePath();
        widziana_nazwa = W<QLineEdit>(d, "fileNameEdit")->text();
        d->reject();
    });
    W<QAction>(m_okno, "Zapiszjako1")->trigger();
    QCOMPARE(widziany_folder, folder.isEmpty() ? poczatkowy : m_folder.filePath(folder));
    QCOMPARE(widziana_nazwa, nazwa);
}

void TstWykonczenie::upuszczenie_data()
{
    QTest::addColumn<QString>("plik");
    QTest::addColumn<bool>("zapisany"); // a project's bytes are written to it
    QTest::addColumn<bool>("zmiany");   // the project on screen has unsaved changes
    QTest::addColumn<bool>("otwarty");
    QTest::addColumn<bool>("na_polu"); // dropped on a dimension field of page 1

    QTest::newRow(".kwp") << "hala.kwp" << true << false << true << false;
    QTest::newRow(".KWP") << "HALA.KWP" << true << false << true << false;
    QTest::newRow(".kwp, unsaved changes: &Nie") << "hala.kwp" << true << true << true << false;
    QTest::newRow(".kwp on a number field") << "hala.kwp" << true << false << true << true;
    QTest::newRow("project bytes in a .txt") << "hala.txt" << true << false << false << false;
    QTest::newRow(".txt on a number field") << "hala.txt" << true << false << false << true;
    QTest::newRow(".kwp that does not exist") << "brak.kwp" << false << false << false << false;
}

// A project file dropped on the window opens as "Otwórz projekt" opens it,
// the question about unsaved changes included; other files are refused.
void TstWykonczenie::upuszczenie()
{
    QFETCH(QString, plik);
    QFETCH(bool, zapisany);
    QFETCH(bool, zmiany);
    QFETCH(bool, otwarty);
    QFETCH(bool, na_polu);

    const QString sciezka = m_folder.filePath(plik);
    kerwano::Projekt p = m_okno->projekt().ZbierzProjekt();
    p.elementy = {{QStringLiteral("Maszt"), QStringLiteral("Układ A, układ 1, powietrze")}};
    if (zapisany)
        QVERIFY(kerwano::ZapiszPlikProjektu(sciezka, p).isEmpty());
    if (zmiany)
        okno_testowe::Wpisz(m_okno, 1, QStringLiteral("12"));

    bool zapytano = false;
    if (zmiany)
        Odpowiedz<QMessageBox>([&](QMessageBox *m) {
            zapytano = m->windowTitle() == QStringLiteral("Potwierdzenie");
            for (QAbstractButton *b : m->buttons())
                if (b->text() == QStringLiteral("&Nie"))
                    b->click();
        });
    QWidget *cel = m_okno;
    if (na_polu) {
        W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(0);
        cel = okno_testowe::Pole(m_okno, 1);
    }
    const QString tekst_pola = okno_testowe::Pole(m_okno, 1)->text();
    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(sciezka)});
    dane.setText(sciezka); // as file managers offer it besides the address
    QDragEnterEvent wejscie(QPoint(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cel, &wejscie);
    QCOMPARE(wejscie.isAccepted(), otwarty);
    QDropEvent upuszczenie(QPointF(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cel, &upuszczenie);
    QCOMPARE(upuszczenie.isAccepted(), otwarty);

    if (otwarty)
        QTRY_COMPARE(m_okno->nazwa_pliku(), sciezka);
    else
        QTest::qWait(50);
    QCOMPARE(m_okno->nazwa_pliku(), otwarty ? sciezka : QStringLiteral("Nowy projekt.kwp"));
    QCOMPARE(m_okno->projekt().liczba_elementow(), otwarty ? 1 : 0);
    QCOMPARE(zapytano, zmiany);
    QCOMPARE(m_okno->zmodyfikowany(), zmiany && !otwarty);
    if (!otwarty) // the field takes no dropped text past its filter
        QCOMPARE(okno_testowe::Pole(m_okno, 1)->text(), tekst_pola);
}

QTEST_MAIN(TstWykonczenie)
#include "tst_wykonczenie.moc"
