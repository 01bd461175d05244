#include "OknoTestowe.h"
#include "app/TPanel_boczny.h"
#include "app/TProgram_form.h"
#include "elements/okna/TOdstepy_parametry_form.h"
#include "elements/okna/TOdstepy_strona.h"
#include "pliki/NazwaPliku.h"
#include "project/UstawieniaProgramu.h"
#include "project/okna/TDane_form.h"
#include "risk/Wspolczynniki.h"
#include "risk/okna/TInfo_form.h"
#include "risk/okna/TKlasa_strona.h"
#include "widgets/Kontrast.h"
#include "widgets/TStringGrid.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>

#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The main window with page 1, driven through its widgets as a user would.
class TstProgramForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startup();
    void listyIMenu();
    void wpisywanieWymiaru();
    void filtrKlawiszy_data();
    void filtrKlawiszy();
    void skrotySchowka_data();
    void skrotySchowka();
    void wybieranieZList();
    void budynekWzorcowy();
    void flagaModyfikacji();
    void budynekBezPowierzchni();
    void strony();
    void panelBoczny();
    void miejsceWEkranie_data();
    void miejsceWEkranie();
    void arkuszKlasy_data();
    void arkuszKlasy();
    void plikiZWierszaPolecen();
    void rozmiarPrzyCzcionce_data();
    void rozmiarPrzyCzcionce();
    void klawiszeStron_data();
    void klawiszeStron();
    void nazwyDostepne_data();
    void nazwyDostepne();
    void kontrast_data();
    void kontrast();
    void mnemoniki_data();
    void mnemoniki();
    void pamiecOkna_data();
    void pamiecOkna();

private:
    void Wybierz(int nr, int indeks)
    {
        okno_testowe::Wybierz(m_okno, nr, indeks);
        QCOMPARE(okno_testowe::Lista(m_okno, nr)->currentIndex(), indeks);
    }
    void Wpisz(int nr, const QString &tekst) { okno_testowe::Wpisz(m_okno, nr, tekst); }
    QString Tekst(const char *nazwa) const;

    TProgram_form *m_okno = nullptr;
};

void TstProgramForm::init()
{
    okno_testowe::CzysteUstawienia();
    m_okno = new TProgram_form({QStringLiteral("kerwano")});
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno));
}

void TstProgramForm::cleanup()
{
    okno_testowe::ZakonczSzukania();
    delete m_okno;
    m_okno = nullptr;
}

QString TstProgramForm::Tekst(const char *nazwa) const
{
    okno_testowe::Strony(m_okno);
    const QLabel *l = m_okno->findChild<QLabel *>(QString::fromLatin1(nazwa));
    return l ? l->text() : QStringLiteral("<brak>");
}

void TstProgramForm::startup()
{
    QCOMPARE(m_okno->windowTitle(),
             QString("Kerwano v. 1.1C - obliczanie parametrów wg IEC 1024 - Nowy projekt.kwp[*]"));
    QCOMPARE(W<QTabWidget>(m_okno, "PageControl1")->currentIndex(), 0);
    for (int nr = 1; nr <= 13; ++nr)
        QCOMPARE(okno_testowe::Lista(m_okno, nr)->currentIndex(), 0);
    for (int nr = 1; nr <= 3; ++nr)
        QCOMPARE(okno_testowe::Pole(m_okno, nr)->text(), QString("1"));
    QCOMPARE(Tekst("Label_A"), QString("A = 80,00000"));
    QCOMPARE(Tekst("Label_B"), QString("B = 10,00000"));
    QCOMPARE(Tekst("Label_C"), QString("C = 1,00000"));
    QCOMPARE(Tekst("Label_Nc"), QString("Nc = 800,00000"));
    QCOMPARE(Tekst("Label_Ae"), QString("Ae = 41,27430"));
    QCOMPARE(Tekst("Label_Nd"), QString("Nd = 0,00002"));
    QCOMPARE(Tekst("Label_E"), QString("E < 0"));
    QCOMPARE(Tekst("Label21"), QString("Instalacja odgromowa nie jest potrzebna, warto jednak "
                                       "wykonać zabezpieczenia przeciwprzepięciowe."));
    QCOMPARE(Tekst("Panel_odi_klasa"), QString("?"));
    QCOMPARE(m_okno->projekt().klasa().klasa, 0);
    QVERIFY(!m_okno->zmodyfikowany());
    QVERIFY(!W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    QVERIFY(m_okno->nienazwany());
    QCOMPARE(m_okno->projekt().DaneProjektu()[1], QDate::currentDate().toString("d.M.yyyy"));
    QVERIFY(!m_okno->projekt().DaneProjektu()[2].isEmpty());
    // At least the design's 800 x 590, more where the layout needs it.
    QCOMPARE(m_okno->minimumSize().expandedTo(QSize(800, 590)), m_okno->minimumSize());
    QCOMPARE(m_okno->minimumSize().width(), 800);
    // Nothing on page 1 needs more room than the smallest window gives it.
    m_okno->resize(800, 590);
    QTest::qWait(10);
    QVERIFY2(okno_testowe::Strona(m_okno, 1)->minimumSizeHint().width() <=
                     okno_testowe::Strona(m_okno, 1)->width() &&
                 okno_testowe::Strona(m_okno, 1)->minimumSizeHint().height() <=
                     okno_testowe::Strona(m_okno, 1)->height(),
             "page 1 is clipped at 800 x 590");
    // Showing the window again (after minimising) keeps the project as it is.
    Wpisz(3, "7");
    m_okno->hide();
    m_okno->show();
    QCOMPARE(okno_testowe::Pole(m_okno, 3)->text(), QString("7"));
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 7.0);
}

void TstProgramForm::listyIMenu()
{
    for (int nr = 1; nr <= 13; ++nr) {
        const QComboBox *c = okno_testowe::Lista(m_okno, nr);
        QVERIFY(!c->isEditable());
        const kerwano::ListaWspolczynnika &l = kerwano::Lista(nr);
        QCOMPARE(c->count(), static_cast<int>(l.pozycje.size()));
        for (int i = 0; i < c->count(); ++i)
            QCOMPARE(c->itemText(i), l.pozycje[size_t(i)].tekst);
    }
    QCOMPARE(okno_testowe::Lista(m_okno, 8)->itemText(1),
             QString("Instalacja utrudniająca rozprzestrzenianie się ognia"));
    QCOMPARE(W<QGroupBox>(okno_testowe::Strona(m_okno, 1), "GroupBox3")->title(),
             QString(" Stutki pożaru "));
    // Tab follows the page: the dimensions come between the last two lists.
    using okno_testowe::Lista;
    using okno_testowe::Pole;
    QCOMPARE(Lista(m_okno, 12)->nextInFocusChain(), Pole(m_okno, 1));
    QCOMPARE(Pole(m_okno, 3)->nextInFocusChain(), Lista(m_okno, 13));

    QStringList menu;
    for (QAction *m : m_okno->menuBar()->actions()) {
        menu << m->text();
        for (QAction *a : m->menu()->actions())
            menu << (a->isSeparator() ? QString("-") : a->text() + "|" + a->shortcut().toString());
    }
    // The texts with their mnemonics, each letter once in its menu.
    QCOMPARE(menu, QStringList({"&Program",
                                "&Nowy projekt|Ctrl+N",
                                "&Otwórz projekt|F3",
                                "-",
                                "&Zapisz projekt|F2",
                                "Zapisz &jako...|",
                                "-",
                                "Drukuj &formularz klasyfikacyjny|Ctrl+K",
                                "Drukuj o&bliczenia|Ctrl+O",
                                "Drukuj zestawienie &elementów dachu|",
                                "-",
                                "&Wyjście|",
                                "Ed&ycja",
                                "&Cofnij|Ctrl+Z",
                                "&Ponów|Ctrl+Shift+Z",
                                "&Obliczenia",
                                "&Dane projektu|Ctrl+D",
                                "-",
                                "Obliczanie &klasy ochronności|",
                                "Obliczanie kątów &osłonowych|",
                                "Obliczanie odstępów &izolacyjnych|",
                                "-",
                                "Ocena &ryzyka (PN-EN 62305-2)...|Ctrl+R",
                                "-",
                                "Panel &boczny|",
                                "&Info",
                                "&Opis Programu|F1"}));
}

void TstProgramForm::wpisywanieWymiaru()
{
    QLineEdit *e = okno_testowe::Pole(m_okno, 3);
    e->setFocus();
    QTest::keyClick(e, Qt::Key_End);
    QTest::keyClick(e, Qt::Key_0); // "10": every keystroke recalculates
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 10.0);
    QCOMPARE(Tekst("Label_Ae"), QString("Ae = 2948,43000"));
    QTest::keyClick(e, Qt::Key_Comma);
    QTest::keyClick(e, Qt::Key_5);
    QCOMPARE(e->text(), QString("10,5"));
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 10.5);
    // An edit that would leave no number (cleared, a second comma, pasted
    // over with one) is refused: the field shows the number in use.
    const QString ae = Tekst("Label_Ae");
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClick(e, Qt::Key_End);
    QTest::keyClick(e, Qt::Key_Comma);
    e->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1,,5"));
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e->text(), QString("10,5"));
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 10.5);
    QCOMPARE(Tekst("Label_Ae"), ae);
    // A lone comma is 0.
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Comma);
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 0.0);
    // Text set by the program goes the same way; a negative one is refused.
    e->setText("12,5");
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 12.5);
    e->setText("-3");
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 12.5);
    e->setText("1,2,3");
    QCOMPARE(m_okno->projekt().dane().wysokosc_budynku, 12.5);
}

void TstProgramForm::filtrKlawiszy_data()
{
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("po_backspace");
    // clang-format off
    QTest::newRow("cyfry i przecinek") << "12,5" << "12,5" << "12,";
    QTest::newRow("kropka")            << "1.5"  << "15"   << "1";
    // The field is never left empty: the last digit stays.
    QTest::newRow("minus")             << "-2"   << "2"    << "2";
    QTest::newRow("litery")            << "a1e3" << "13"   << "1";
    QTest::newRow("spacja i plus")     << " +4"  << "4"    << "4";
    // The file keeps 20 characters of a dimension as typed.
    QTest::newRow("ponad pole pliku")  << "123456789012345678901" << "12345678901234567890"
                                       << "1234567890123456789";
    // clang-format on
}

void TstProgramForm::filtrKlawiszy()
{
    QFETCH(QString, klawisze);
    QLineEdit *e = okno_testowe::Pole(m_okno, 1);
    Wpisz(1, klawisze);
    QTEST(e->text(), "tekst");
    // A Polish letter arriving as a typed character is discarded too.
    QTest::sendKeyEvent(QTest::Press, e, Qt::Key_unknown, QString("ą"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, e, Qt::Key_unknown, QString("ą"), Qt::NoModifier);
    QTEST(e->text(), "tekst");
    QTest::keyClick(e, Qt::Key_Backspace);
    QTEST(e->text(), "po_backspace");
}

void TstProgramForm::skrotySchowka_data()
{
    QTest::addColumn<int>("droga"); // 0 Ctrl+V, 1 Shift+Insert, 2 "Wklej", 3 drop, 4 input method
    QTest::addColumn<QString>("wklejany");
    QTest::addColumn<QString>("tekst");  // the field afterwards
    QTest::addColumn<double>("wartosc"); // the width in force afterwards
    // A drop goes in where it lands, before the 25.
    // clang-format off
    QTest::newRow("Ctrl+V 12,5")             << 0 << "12,5" << "12,5" << 12.5;
    QTest::newRow("Ctrl+V 1.5 refused")      << 0 << "1.5"  << "25"   << 25.0;
    QTest::newRow("Shift+Insert 7")          << 1 << "7"    << "7"    << 7.0;
    QTest::newRow("menu x7y refused")        << 2 << "x7y"  << "25"   << 25.0;
    QTest::newRow("menu 99")                 << 2 << "99"   << "99"   << 99.0;
    QTest::newRow("Ctrl+V 21 znaków refused") << 0 << "123456789012345678901" << "25" << 25.0;
    QTest::newRow("drop 3,5")                << 3 << "3,5"  << "3,525" << 3.525;
    QTest::newRow("drop -4 refused")         << 3 << "-4"   << "25"   << 25.0;
    QTest::newRow("drop 1,, refused")        << 3 << "1,,"  << "25"   << 25.0;
    QTest::newRow("Ctrl+V 1,,5 refused")     << 0 << "1,,5" << "25"   << 25.0;
    QTest::newRow("input method 4a refused") << 4 << "4a"   << "25"   << 25.0;
    // clang-format on
}

// Whatever way text enters a dimension field, it passes the same filter: a
// paste the filter would not allow is refused whole, and the field and the
// value in force never disagree. The editing shortcuts work.
void TstProgramForm::skrotySchowka()
{
    QFETCH(int, droga);
    QFETCH(QString, wklejany);
    QFETCH(QString, tekst);
    QFETCH(double, wartosc);
    QLineEdit *e = okno_testowe::Pole(m_okno, 2);
    Wpisz(2, "25");
    QGuiApplication::clipboard()->setText(wklejany);
    // The field left and entered again: what comes now is a step of its own.
    e->clearFocus();
    e->setFocus();
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(e->selectedText(), QString("25"));
    switch (droga) {
    case 0:
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        break;
    case 1:
        QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case 2:
        e->paste(); // what the context menu's "Wklej" does
        break;
    case 3: {
        QMimeData dane;
        dane.setText(wklejany);
        QDragEnterEvent wejscie(QPoint(5, 5), Qt::CopyAction, &dane, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(e, &wejscie);
        QDropEvent upuszczenie(QPointF(5, 5), Qt::CopyAction, &dane, Qt::LeftButton,
                               Qt::NoModifier);
        QApplication::sendEvent(e, &upuszczenie);
        break;
    }
    default: {
        QInputMethodEvent metoda;
        metoda.setCommitString(wklejany);
        QApplication::sendEvent(e, &metoda);
        break;
    }
    }
    QCOMPARE(e->text(), tekst);
    QCOMPARE(m_okno->projekt().dane().szerokosc_budynku, wartosc);
    // Undo brings the old text and value back; cut copies the text but
    // leaves it, as the field is never left without its number.
    if (tekst != "25" && droga != 3) {
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e->text(), QString("25"));
        QCOMPARE(m_okno->projekt().dane().szerokosc_budynku, 25.0);
    }
    const QString przed = e->text();
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(e->text(), przed);
    QCOMPARE(QGuiApplication::clipboard()->text(), przed);
    // Menu shortcuts reach the window while a dimension field has the focus.
    QSignalSpy druk(W<QAction>(m_okno, "Drukujformularz1"), &QAction::triggered);
    okno_testowe::Odpowiedz<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
    QTest::keyClick(e, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(druk.count(), 1);
}

void TstProgramForm::wybieranieZList()
{
    Wybierz(1, 1); // steel skeleton: 4
    QCOMPARE(m_okno->projekt().dane().A1, 4.0);
    Wybierz(1, 2); // conductive prefabricated: the same 4
    QCOMPARE(m_okno->projekt().dane().A1, 4.0);
    QCOMPARE(Tekst("Label_A"), QString("A = 64,00000"));
    Wybierz(3, 4);
    QCOMPARE(m_okno->projekt().dane().A3, 0.5);
    Wybierz(6, 4);
    QCOMPARE(m_okno->projekt().dane().B2, 0.01);
    Wybierz(12, 1);
    QCOMPARE(m_okno->projekt().dane().Ng, 2.5);
    Wybierz(13, 3);
    QCOMPARE(m_okno->projekt().dane().Ce, 2.0);
    // A selection made by the program alone changes nothing.
    okno_testowe::Lista(m_okno, 2)->setCurrentIndex(3);
    QCOMPARE(m_okno->projekt().dane().A2, 4.0);
}

void TstProgramForm::budynekWzorcowy()
{
    okno_testowe::Budynek(m_okno);
    QCOMPARE(Tekst("Label_Ae"), QString("Ae = 6427,43000"));
    QCOMPARE(Tekst("Label_Nd"), QString("Nd = 0,01157"));
    QCOMPARE(Tekst("Label_Nc"), QString("Nc = 0,00040"));
    QCOMPARE(Tekst("Label_E"), QString("E = 96,54 %"));
    QCOMPARE(Tekst("Label21"), QString("Klasa I + ochrona przeciwprzepięciowa."));
    QCOMPARE(Tekst("Panel_odi_klasa"), QString("I"));
    Wybierz(13, 1);
    QCOMPARE(Tekst("Label_E"), QString("E = 93,09 %"));
    QCOMPARE(Tekst("Panel_odi_klasa"), QString("II"));
    Wybierz(13, 2);
    Wpisz(1, "60");
    Wpisz(2, "40");
    Wpisz(3, "20");
    QCOMPARE(Tekst("Label_E"), QString("E = 99,14 %"));
    QCOMPARE(Tekst("Panel_odi_klasa"), QString("I+"));
    QCOMPARE(Tekst("Label21"), QString("Klasa I z dodatkowymi środkami bezpieczeństwa + "
                                       "ochrona przeciwprzepięciowa."));
}

void TstProgramForm::flagaModyfikacji()
{
    QVERIFY(!W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    Wybierz(1, 1);
    QVERIFY(m_okno->zmodyfikowany());
    m_okno->UstawZmodyfikowany(false);
    // An entry with the same coefficient changes no result, yet it counts.
    Wybierz(1, 2);
    QVERIFY(m_okno->zmodyfikowany());
    QVERIFY(W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    m_okno->UstawZmodyfikowany(false);
    QVERIFY(!W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    // A text that does not convert does not recalculate, yet the file keeps it.
    okno_testowe::Pole(m_okno, 1)->setText("");
    QVERIFY(m_okno->zmodyfikowany());
    m_okno->UstawZmodyfikowany(false);
    okno_testowe::Pole(m_okno, 1)->setText(",");
    QVERIFY(m_okno->zmodyfikowany());
}

void TstProgramForm::budynekBezPowierzchni()
{
    kerwano::Projekt bez_paniki = wzorcowy::Budynek();
    bez_paniki.wybory[4] = 0;
    okno_testowe::Budynek(m_okno, bez_paniki);
    QCOMPARE(m_okno->projekt().klasa().klasa, 4);
    // Height 0 and width 0: no area, no strike expected, never an error box.
    Wpisz(3, "0");
    Wpisz(2, "0");
    m_okno->UstawZmodyfikowany(false);
    Wpisz(2, ",");
    QCOMPARE(Tekst("Label_Ae"), QString("Ae = 0,00000"));
    QCOMPARE(Tekst("Label_Nd"), QString("Nd = 0,00000"));
    QCOMPARE(Tekst("Label_E"), QString("E < 0"));
    QCOMPARE(Tekst("Label21"), QString("Instalacja odgromowa nie jest potrzebna, warto jednak "
                                       "wykonać zabezpieczenia przeciwprzepięciowe."));
    QCOMPARE(Tekst("Panel_odi_klasa"), QString("?"));
    QCOMPARE(m_okno->projekt().klasa().klasa, 0);
    QVERIFY(m_okno->zmodyfikowany());
    Wybierz(1, 5);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(Tekst("Label_A"), QString("A = 0,04000"));
    QCOMPARE(Tekst("Label_E"), QString("E < 0"));
    Wpisz(3, "10");
    QVERIFY(m_okno->projekt().klasa().klasa != 0);
}

void TstProgramForm::strony()
{
    QTabWidget *strony = W<QTabWidget>(m_okno, "PageControl1");
    QCOMPARE(strony->tabText(0), QString("Obliczanie klasy ochronności"));
    QCOMPARE(strony->tabText(1), QString("Obliczanie kątów osłonowych"));
    QCOMPARE(strony->tabText(2), QString("Obliczanie odstępów izolacyjnych"));
    W<QAction>(m_okno, "Obliczanieodstpwizolacyjnych1")->trigger();
    QCOMPARE(strony->currentIndex(), 2);
    W<QAction>(m_okno, "Obliczaniektwosonowych1")->trigger();
    QCOMPARE(strony->currentIndex(), 1);
    W<QAction>(m_okno, "N2")->trigger();
    QCOMPARE(strony->currentIndex(), 0);
    QCOMPARE(W<QLabel>(okno_testowe::Strona(m_okno, 3), "Label_uklad_AB")->text(),
             QString("Nie wybrano żadnego typu układu."));
    QVERIFY(W<QLabel>(okno_testowe::Strona(m_okno, 3), "Label_typ_instalacji")
                ->isVisibleTo(okno_testowe::Strona(m_okno, 3)));
}

void TstProgramForm::panelBoczny()
{
    TPanel_boczny *panel = W<TPanel_boczny>(m_okno, "Panel2");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->width(), 136);
    QCOMPARE(W<QLabel>(panel, "Label33")->text(), QString("|X| - Ukryj"));
    QVERIFY(W<QWidget>(panel, "Image2")->toolTip().contains(".example"));
    const int przed = W<QTabWidget>(m_okno, "PageControl1")->width();
    auto *pozycja = W<QAction>(m_okno, "PanelBoczny1");
    QVERIFY(pozycja->isCheckable() && pozycja->isChecked());
    QTest::mouseClick(W<QLabel>(panel, "Label33"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(!pozycja->isChecked());
    QTest::qWait(10);
    QVERIFY(W<QTabWidget>(m_okno, "PageControl1")->width() > przed + 100);
    // "Panel boczny" in the menu brings it back.
    pozycja->trigger();
    QVERIFY(panel->isVisible());
    QTest::qWait(10);
    QCOMPARE(W<QTabWidget>(m_okno, "PageControl1")->width(), przed);
}

void TstProgramForm::miejsceWEkranie_data()
{
    QTest::addColumn<QRect>("okno");
    QTest::addColumn<QMargins>("ramka");
    QTest::addColumn<QRect>("dostepne");
    QTest::addColumn<QRect>("wynik");
    const QMargins ramka(4, 25, 4, 4);
    QTest::newRow("800 x 600, centred 800 x 600 window")
        << QRect(0, 0, 800, 600) << ramka << QRect(0, 0, 800, 600) << QRect(4, 25, 792, 571);
    QTest::newRow("800 x 600 under a 30 px panel")
        << QRect(0, 0, 800, 600) << ramka << QRect(0, 30, 800, 570) << QRect(4, 55, 792, 541);
    QTest::newRow("scale 2 on 1280 x 1024, a larger font")
        << QRect(-10, -20, 840, 620) << ramka << QRect(0, 0, 640, 512) << QRect(4, 25, 632, 483);
    QTest::newRow("room enough: only moved in")
        << QRect(700, 500, 800, 600) << ramka << QRect(0, 0, 1600, 1200)
        << QRect(700, 500, 800, 600);
    QTest::newRow("room enough, off the bottom right")
        << QRect(1000, 800, 800, 600) << ramka << QRect(0, 0, 1600, 1200)
        << QRect(796, 596, 800, 600);
    QTest::newRow("no frame") << QRect(0, 0, 800, 600) << QMargins() << QRect(0, 0, 800, 600)
                              << QRect(0, 0, 800, 600);
}

// The window's frame lies inside the screen's available area whatever the
// frame, the fonts and the scale.
void TstProgramForm::miejsceWEkranie()
{
    QFETCH(QRect, okno);
    QFETCH(QMargins, ramka);
    QFETCH(QRect, dostepne);
    QFETCH(QRect, wynik);
    const QRect miejsce = TProgram_form::MiejsceWEkranie(okno, ramka, dostepne);
    QCOMPARE(miejsce, wynik);
    QVERIFY(dostepne.contains(miejsce.marginsAdded(ramka)));
}

void TstProgramForm::arkuszKlasy_data()
{
    QTest::addColumn<int>("ce");
    QTest::addColumn<QString>("klasa");
    QTest::addColumn<QString>("E");
    QTest::newRow("brak") << -1 << "?"
                          << "?";
    QTest::newRow("I") << 2 << "I"
                       << "98";
    QTest::newRow("II") << 1 << "II"
                        << "95";
    QTest::newRow("I+") << 3 << "I"
                        << "98"; // 60 x 40 x 20 m
}

void TstProgramForm::arkuszKlasy()
{
    QFETCH(int, ce);
    if (ce == 3)
        okno_testowe::Budynek(m_okno, wzorcowy::Budynek(2, "60", "40", "20"));
    else if (ce >= 0)
        okno_testowe::Budynek(m_okno, wzorcowy::Budynek(ce));
    QString klasa, e;
    bool otwarty = false;
    QTimer::singleShot(0, this, [&] {
        auto *arkusz = qobject_cast<TInfo_form *>(QApplication::activeModalWidget());
        if (!arkusz)
            return;
        otwarty = true;
        klasa = W<QLabel>(arkusz, "Panel_klasa")->text();
        e = W<QLabel>(arkusz, "Panel_E")->text();
        QTest::keyClick(arkusz, Qt::Key_Escape);
    });
    QTest::mouseClick(W<QPushButton>(okno_testowe::Strona(m_okno, 1), "Button1"), Qt::LeftButton);
    QVERIFY(otwarty);
    QTEST(klasa, "klasa");
    QTEST(e, "E");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TstProgramForm::plikiZWierszaPolecen()
{
    QTemporaryDir katalog;
    auto plik = [&](const QString &nazwa) {
        QFile f(katalog.filePath(nazwa));
        QVERIFY(f.open(QIODevice::WriteOnly));
        return;
    };
    plik("a.kwp");
    plik("b.KwP");
    plik("c.txt");
    plik("kwp");
    QDir(katalog.path()).mkdir("folder.kwp");
    QCOMPARE(mkfifo(QFile::encodeName(katalog.filePath("fifo.kwp")).constData(), 0600), 0);
    // "łódź.kwp" in ISO-8859-2, as an old archive names it: not UTF-8.
    const QByteArray iso = QFile::encodeName(katalog.path()) + "/\xB3\xF3"
                                                               "d\xBC.kwp";
    const int d = ::open(iso.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(d >= 0);
    ::close(d);
    const QString lodz = kerwano::DekodujNazwePliku(iso);
    const QStringList wynik = TProgram_form::PlikiProjektow(
        {katalog.filePath("c.txt"), katalog.filePath("b.KwP"), katalog.filePath("brak.kwp"),
         katalog.filePath("folder.kwp"), katalog.filePath("fifo.kwp"), katalog.filePath("kwp"),
         "-x", lodz, katalog.filePath("a.kwp")});
    QCOMPARE(wynik, QStringList({katalog.filePath("b.KwP"), lodz, katalog.filePath("a.kwp")}));
    QCOMPARE(TProgram_form::TytulOkna("/tmp/projekty/Dom.kwp"),
             QString("Kerwano v. 1.1C - obliczanie parametrów wg IEC 1024 - Dom.kwp"));
    QCOMPARE(
        TProgram_form::TytulOkna(lodz),
        QString("Kerwano v. 1.1C - obliczanie parametrów wg IEC 1024 - \uFFFD\uFFFDd\uFFFD.kwp"));
}

void TstProgramForm::mnemoniki_data()
{
    QTest::addColumn<int>("okno");   // 1, 3 a page of the main window; 10 the element
                                     // dialog, 11 "Dane projektu"
    QTest::addColumn<int>("liczba"); // the underlined letters expected, menus included
    QTest::newRow("page 1") << 1 << 5;
    QTest::newRow("page 3") << 3 << 7;
    QTest::newRow("element dialog") << 10 << 10;
    QTest::newRow("project data") << 11 << 7;
}

// The underlined letters are unique within each window, and Alt with a
// label's letter moves to its field.
void TstProgramForm::mnemoniki()
{
    QFETCH(int, okno);
    QFETCH(int, liczba);
    std::unique_ptr<QDialog> dialog;
    QWidget *w = m_okno;
    if (okno == 10)
        dialog = std::make_unique<TOdstepy_parametry_form>(m_okno);
    else if (okno == 11)
        dialog = std::make_unique<TDane_form>(m_okno->projekt().DaneProjektu(), m_okno);
    else
        W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(okno - 1);
    if (dialog) {
        dialog->show();
        w = dialog.get();
    }
    w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), w);
    const auto litera = [](const QString &tekst) {
        const qsizetype i = tekst.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        return i >= 0 ? tekst.at(i + 1).toLower() : QChar();
    };
    QString litery;
    if (!dialog)
        for (const QAction *a : m_okno->menuBar()->actions())
            litery += litera(a->text());
    QList<QLabel *> etykiety;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisible())
            continue;
        QString tekst;
        if (auto *l = qobject_cast<QLabel *>(c); l && l->buddy()) {
            tekst = l->text();
            etykiety << l;
        } else if (auto *b = qobject_cast<QAbstractButton *>(c)) {
            tekst = b->text();
        }
        if (!litera(tekst).isNull())
            litery += litera(tekst);
    }
    QCOMPARE(litery.size(), liczba);
    for (QChar z : std::as_const(litery))
        QVERIFY2(litery.count(z) == 1, qPrintable(litery));
    for (QLabel *l : std::as_const(etykiety)) {
        const QChar z = litera(l->text());
        if (z.isNull())
            continue;
        QTest::keyClick(w, z.toLatin1(), Qt::AltModifier);
        QVERIFY2(l->buddy()->hasFocus(), qPrintable(l->text()));
    }
}

QTEST_MAIN(TstProgramForm)
#include "tst_program_form.moc"

void TstProgramForm::rozmiarPrzyCzcionce_data()
{
    QTest::addColumn<QString>("rodzina");
    QTest::addColumn<int>("punkty");
    QTest::newRow("DejaVu Sans 9") << "DejaVu Sans" << 9;
    QTest::newRow("DejaVu Sans 11") << "DejaVu Sans" << 11;
    QTest::newRow("DejaVu Sans 13") << "DejaVu Sans" << 13;
}

// A larger desktop font: the window's least size is what its layout needs,
// never less than 800 x 590, and at that size nothing on page 1 is cut.
void TstProgramForm::rozmiarPrzyCzcionce()
{
    QFETCH(QString, rodzina);
    QFETCH(int, punkty);
    const QFont przed = QApplication::font();
    const auto przywroc = qScopeGuard([&] { QApplication::setFont(przed); });
    QApplication::setFont(QFont(rodzina, punkty));
    TProgram_form okno({QStringLiteral("kerwano")});
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QApplication::sendPostedEvents();
    const QSize minimum = okno.minimumSize();
    QVERIFY(minimum.width() >= 800 && minimum.height() >= 590);
    okno.resize(minimum);
    QApplication::sendPostedEvents();
    QTest::qWait(10);
    QWidget *strona = okno_testowe::Strona(&okno, 1);
    QVERIFY2(strona->width() >= strona->minimumSizeHint().width() &&
                 strona->height() >= strona->minimumSizeHint().height(),
             qPrintable(QStringLiteral("%1 x %2").arg(strona->width()).arg(strona->height())));
    // The screen (1600 x 1200) has room: nothing scrolls.
    QVERIFY(!W<QScrollArea>(&okno, "Przewijana")->verticalScrollBar()->isVisible());
    auto *przycisk = W<QPushButton>(strona, "Button1");
    QVERIFY(przycisk->width() >= przycisk->sizeHint().width());
    QVERIFY2(przycisk->height() >= przycisk->sizeHint().height(),
             qPrintable(QStringLiteral("%1 < %2, group %3 of %4")
                            .arg(przycisk->height())
                            .arg(przycisk->sizeHint().height())
                            .arg(przycisk->parentWidget()->height())
                            .arg(przycisk->parentWidget()->minimumSizeHint().height())));
    for (int nr = 1; nr <= 13; ++nr) {
        QComboBox *c = okno_testowe::Lista(&okno, nr);
        QVERIFY2(c->width() >= c->sizeHint().width() && c->height() >= c->sizeHint().height(),
                 qPrintable(c->objectName()));
    }
    // "|X| - Ukryj" whole beside the pages.
    auto *ukryj = W<QLabel>(&okno, "Label33");
    QVERIFY(ukryj->contentsRect().width() >= ukryj->sizeHint().width() - 2 * ukryj->margin());
    QLineEdit *e = okno_testowe::Pole(&okno, 3);
    e->setText(QStringLiteral("1234,56"));
    QVERIFY(e->width() > e->fontMetrics().horizontalAdvance(e->text()));
    QVERIFY(e->height() >= e->sizeHint().height());
}

void TstProgramForm::klawiszeStron_data()
{
    QTest::addColumn<QString>("pole"); // the control with the focus, on page 1
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<int>("modyfikatory");
    QTest::addColumn<int>("strona"); // afterwards, 0..2
    const int ctrl = Qt::ControlModifier, ctrl_shift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Tab, list") << "ComboBox1" << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Ctrl+Shift+Tab, list")
        << "ComboBox12" << int(Qt::Key_Backtab) << ctrl_shift << 2;
    QTest::newRow("Ctrl+PgDn, field") << "Edit2" << int(Qt::Key_PageDown) << ctrl << 1;
    QTest::newRow("Ctrl+PgUp, button") << "Button1" << int(Qt::Key_PageUp) << ctrl << 2;
}

// The pages change from the keyboard whatever control has the focus.
void TstProgramForm::klawiszeStron()
{
    QFETCH(QString, pole);
    QFETCH(int, klawisz);
    QFETCH(int, modyfikatory);
    auto *strony = W<QTabWidget>(m_okno, "PageControl1");
    QWidget *w = W<QWidget>(okno_testowe::Strona(m_okno, 1), pole.toLatin1().constData());
    m_okno->activateWindow();
    w->setFocus();
    QVERIFY(w->hasFocus());
    QTest::keyClick(w, Qt::Key(klawisz), Qt::KeyboardModifiers(modyfikatory));
    QTEST(strony->currentIndex(), "strona");
    // From the page reached, on to the next one as well.
    const int teraz = strony->currentIndex();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_okno, Qt::Key_Tab,
                    Qt::ControlModifier);
    QCOMPARE(strony->currentIndex(), (teraz + 1) % 3);
}

void TstProgramForm::nazwyDostepne_data()
{
    QTest::addColumn<int>("okno"); // 0 page 1, 1 the element dialog, 2, 3 pages 2, 3
    QTest::newRow("page 1") << 0;
    QTest::newRow("element dialog") << 1;
    QTest::newRow("page 2: table, chart") << 2;
    QTest::newRow("page 3: table, class") << 3;
}

// A screen reader names every input by its label, and every control Tab
// stops on and every table (page 2 and 3) by what it is.
void TstProgramForm::nazwyDostepne()
{
    QFETCH(int, okno);
    if (okno >= 2) {
        auto *karty = W<QTabWidget>(m_okno, "PageControl1");
        karty->setCurrentIndex(okno - 1);
        QWidget *strona = okno_testowe::Strona(m_okno, okno);
        QApplication::sendPostedEvents();
        int tabele = 0;
        for (QWidget *w : m_okno->findChildren<QWidget *>()) {
            if (!w->isVisible() ||
                (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QTableView *>(w)))
                continue;
            tabele += qobject_cast<QTableView *>(w) ? 1 : 0;
            const QString nazwa = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(!nazwa.trimmed().isEmpty(),
                     qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
        }
        QCOMPARE(tabele, 1);
        if (okno == 3)
            QCOMPARE(QAccessible::queryAccessibleInterface(W<QLabel>(strona, "Panel_odi_klasa"))
                         ->text(QAccessible::Name),
                     QStringLiteral("Obliczona klasa ochronności budynku: ?"));
        return;
    }
    std::unique_ptr<TOdstepy_parametry_form> dialog;
    QWidget *w = okno_testowe::Strona(m_okno, 1);
    if (okno == 1) {
        dialog = std::make_unique<TOdstepy_parametry_form>(m_okno);
        w = dialog.get();
    }
    QHash<const QWidget *, QString> etykiety;
    for (const QLabel *l : w->findChildren<QLabel *>())
        if (l->buddy())
            etykiety.insert(l->buddy(), l->text().remove(QLatin1Char('&')));
    QList<QWidget *> pola;
    for (QWidget *p : w->findChildren<QLineEdit *>())
        pola << p;
    for (QWidget *p : w->findChildren<QComboBox *>())
        pola << p;
    QCOMPARE(pola.size(), okno == 0 ? 16 : 5);
    for (QWidget *p : pola) {
        const QString nazwa = QAccessible::queryAccessibleInterface(p)->text(QAccessible::Name);
        QVERIFY2(etykiety.contains(p), qPrintable(p->objectName()));
        QString etykieta = etykiety.value(p);
        QVERIFY2(nazwa == etykieta || nazwa + QLatin1Char(':') == etykieta,
                 qPrintable(p->objectName() + QStringLiteral(": ") + nazwa));
    }
}

void TstProgramForm::kontrast_data()
{
    QTest::addColumn<QColor>("okno"); // Window and Button; none: Fusion's own light palette
    QTest::addColumn<QColor>("tekst");
    QTest::newRow("light palette") << QColor() << QColor();
    QTest::newRow("dark palette") << QColor(53, 53, 53) << QColor(Qt::white);
    QTest::newRow("black high contrast") << QColor(Qt::black) << QColor(Qt::white);
}

// Every coloured text reads at 4.5:1 on what it is actually drawn on (a
// tab page under Fusion is lighter than the window), measured in the
// window's picture: the red verdict and notices, the element dialog's blue
// labels; the red stays red.
void TstProgramForm::kontrast()
{
    QFETCH(QColor, okno);
    QFETCH(QColor, tekst);
    const QPalette przed = QApplication::palette();
    const QString styl = QApplication::style()->name();
    const auto przywroc = qScopeGuard([&] {
        QApplication::setStyle(QStyleFactory::create(styl));
        QApplication::setPalette(przed);
    });
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette paleta = QApplication::style()->standardPalette();
    if (okno.isValid()) {
        for (auto rola : {QPalette::Window, QPalette::Button, QPalette::Base})
            paleta.setColor(rola, okno);
        for (auto rola : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            paleta.setColor(rola, tekst);
    }
    QApplication::setPalette(paleta);
    QApplication::sendPostedEvents();

    // The colour most of `w`'s area shows in its window's picture.
    const auto tlo = [](QWidget *w) {
        const QImage obraz = w->window()->grab().toImage();
        QHash<QRgb, int> ile;
        const QRect r = QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()) & obraz.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ++ile[obraz.pixel(x, y)];
        QRgb najczestszy = 0;
        for (auto i = ile.cbegin(); i != ile.cend(); ++i)
            if (i.value() > ile.value(najczestszy))
                najczestszy = i.key();
        return QColor(najczestszy);
    };
    const auto sprawdz = [&](QWidget *w, bool czerwony) {
        QVERIFY(QTest::qWaitForWindowExposed(w->window()));
        const QColor kolor = w->palette().color(QPalette::WindowText);
        const QColor pod = tlo(w);
        const QByteArray opis = w->objectName().toLatin1() + ' ' + kolor.name().toLatin1() +
                                " on " + pod.name().toLatin1();
        QVERIFY2(kontrast::Kontrast(kolor, pod) >= 4.5, opis);
        if (czerwony) // still red
            QVERIFY2((kolor.hslHue() <= 15 || kolor.hslHue() >= 345) && kolor.hslSaturation() > 128,
                     opis);
    };
    auto *karty = W<QTabWidget>(m_okno, "PageControl1");
    for (const auto &[strona, nazwa] : {std::pair{1, "Label21"}, std::pair{3, "Label_uklad_AB"},
                                        std::pair{3, "Label_typ_instalacji"}}) {
        karty->setCurrentIndex(strona - 1);
        sprawdz(W<QLabel>(okno_testowe::Strona(m_okno, strona), nazwa), true);
    }
    TOdstepy_parametry_form dialog;
    dialog.show();
    for (const char *nazwa : {"Label4", "Label_H", "RadioButton6"})
        sprawdz(W<QWidget>(&dialog, nazwa), false);
}

void TstProgramForm::pamiecOkna_data()
{
    QTest::addColumn<QString>("plik"); // what stands in place of the settings file
    QTest::newRow("remembered") << "";
    QTest::newRow("damaged bytes") << "bajty";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a pipe") << "fifo";
}

// The window's size, the page and the side panel come back in the next run;
// a settings file that cannot be used gives the first run's window and
// stops nothing.
void TstProgramForm::pamiecOkna()
{
    QFETCH(QString, plik);
    m_okno->resize(900, 640);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
    W<QAction>(m_okno, "PanelBoczny1")->trigger();
    QVERIFY(m_okno->close());
    const QString ustawienia = kerwano::ustawienia::PlikUstawien();
    QVERIFY(QFileInfo(ustawienia).isFile());
    if (!plik.isEmpty()) {
        QVERIFY(QFile::remove(ustawienia));
        if (plik == "bajty") {
            QFile f(ustawienia);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("[okno]\ngeometria=@ByteArray(\x01\xff\0\n[[\x80strona=x\n", 33));
        } else if (plik == "folder") {
            QVERIFY(QDir().mkdir(ustawienia));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(ustawienia).constData(), 0600), 0);
        }
    }
    TProgram_form nowe({QStringLiteral("kerwano")});
    nowe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&nowe));
    const bool pamieta = plik.isEmpty();
    QCOMPARE(W<QTabWidget>(&nowe, "PageControl1")->currentIndex(), pamieta ? 2 : 0);
    QCOMPARE(W<TPanel_boczny>(&nowe, "Panel2")->isVisible(), !pamieta);
    QCOMPARE(W<QAction>(&nowe, "PanelBoczny1")->isChecked(), !pamieta);
    if (pamieta)
        QCOMPARE(nowe.size(), QSize(900, 640));
    const QRect ekran = nowe.screen()->availableGeometry();
    QVERIFY(ekran.contains(nowe.frameGeometry()));
    QVERIFY(nowe.close());
}
