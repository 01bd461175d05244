#include "OknoTestowe.h"
#include "angles/okna/TKaty_strona.h"
#include "app/WierszPolecen.h"
#include "elements/ParametryElementu.h"
#include "elements/okna/TOdstepy_parametry_form.h"
#include "elements/okna/TOdstepy_strona.h"
#include "pliki/KopiaZapisu.h"
#include "project/BlokadaProjektu.h"
#include "project/PlikProjektu.h"
#include "project/WynikiProjektu.h"
#include "project/okna/CzujnikZmianPliku.h"
#include "project/okna/HistoriaProjektu.h"
#include "project/okna/TDane_form.h"
#include "project/okna/TPrzerwany_zapis.h"
#include "risk/Wspolczynniki.h"
#include "widgets/TStringGrid.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

#include <sys/stat.h>

using kerwano::ElementDachu;
using okno_testowe::Odpowiedz;

// Opening, saving and leaving through the real windows: the questions, the
// file dialogs, the title and the flags; the project data dialog; projects
// named on the command line; the headless results.
class TstProjekt : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void zapiszJakoBezZmian();
    void zapiszJakoPyta_data();
    void zapiszJakoPyta();
    void zmianaNaDysku_data();
    void zmianaNaDysku();
    void ponowneWczytanie_data();
    void ponowneWczytanie();
    void pierwszyIDrugiZapis();
    void nowyProjektBajty();
    void zapisIOdczyt();
    void nieudanyOdczyt_data();
    void nieudanyOdczyt();
    void nieudanyZapis();
    void przerwanyZapis_data();
    void przerwanyZapis();
    void otwieraniePytanie();
    void wyjscie_data();
    void wyjscie();
    void daneProjektu();
    void tekstyPoZapisie_data();
    void tekstyPoZapisie();
    void wierszPolecen();
    void rozpoznanieWiersza_data();
    void rozpoznanieWiersza();
    void wynikiBezOkna();
    void ponowneOtwarcie_data();
    void ponowneOtwarcie();
    void nowyProjekt_data();
    void nowyProjekt();
    void odzyskiwanie_data();
    void odzyskiwanie();
    void dziecko();
    void blokada_data();
    void blokada();
    void historia_data();
    void historia();
    void ostatnieProjekty_data();
    void ostatnieProjekty();

private:
    QString Sciezka(const QString &nazwa) const { return m_folder.filePath(nazwa); }
    void Zmien() { okno_testowe::Wpisz(m_okno, 1, QStringLiteral("12,50")); }
    // Answers the save (or open) dialog with a file, or cancels it.
    static void Wybierz(const QString &plik)
    {
        Odpowiedz<QFileDialog>([plik](QFileDialog *d) {
            if (plik.isEmpty()) {
                d->reject();
                return;
            }
            okno_testowe::WybierzPlik(d, plik);
            static_cast<QDialog *>(d)->accept();
        });
    }
    static QByteArray Bajty(const QString &plik)
    {
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString Tytul(const QString &nazwa) const
    {
        return QStringLiteral("Kerwano v. 1.1C - obliczanie parametrów wg IEC 1024 - ") + nazwa +
               QStringLiteral("[*]");
    }

    QTemporaryDir m_folder;
    TProgram_form *m_okno = nullptr;
};

void TstProjekt::init()
{
    QVERIFY(m_folder.isValid());
    okno_testowe::CzysteUstawienia();
    m_okno = new TProgram_form({QStringLiteral("kerwano")});
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno));
}

void TstProjekt::cleanup()
{
    okno_testowe::ZakonczSzukania();
    m_okno->UstawZmodyfikowany(false); // no question on the way out
    delete m_okno;
    m_okno = nullptr;
}

void TstProjekt::zapiszJakoBezZmian()
{
    QVERIFY(!W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    QString proponowany;
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        proponowany = QFileInfo(d->selectedFiles().value(0)).fileName();
        QCOMPARE(d->defaultSuffix(), QStringLiteral("kwp"));
        QCOMPARE(d->nameFilters(), QStringList({"Kerwano Projekt (*.kwp)"}));
        okno_testowe::WybierzPlik(d, Sciezka(QStringLiteral("a")));
        static_cast<QDialog *>(d)->accept();
    });
    W<QAction>(m_okno, "Zapiszjako1")->trigger();
    QCOMPARE(proponowany, QStringLiteral("Nowy projekt.kwp"));
    // The default extension is added, and the file named in the title exists.
    QCOMPARE(m_okno->windowTitle(), Tytul(QStringLiteral("a.kwp")));
    QCOMPARE(Bajty(Sciezka(QStringLiteral("a.kwp"))).size(), 684);
    QVERIFY(!m_okno->nienazwany());
    QVERIFY(!m_okno->zmodyfikowany());

    // The dialog keeps the name chosen last; a cancel changes nothing.
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        proponowany = QFileInfo(d->selectedFiles().value(0)).fileName();
        d->reject();
    });
    W<QAction>(m_okno, "Zapiszjako1")->trigger();
    QCOMPARE(proponowany, QStringLiteral("a.kwp"));
    QCOMPARE(m_okno->windowTitle(), Tytul(QStringLiteral("a.kwp")));
}

void TstProjekt::zapiszJakoPyta_data()
{
    QTest::addColumn<QString>("cel");
    QTest::addColumn<int>("odpowiedz"); // to the question; 0: no question expected
    QTest::newRow("another project, kept") << "jako_b.kwp" << int(QMessageBox::No);
    QTest::newRow("another project, replaced") << "jako_b.kwp" << int(QMessageBox::Yes);
    QTest::newRow("a new file") << "jako_c.kwp" << 0;
}

// Both dialogs start in the folder of the project open, "Zapisz jako..."
// with its name; an existing file is replaced only when the user says so.
void TstProjekt::zapiszJakoPyta()
{
    QFETCH(QString, cel);
    QFETCH(int, odpowiedz);
    kerwano::Projekt b = wzorcowy::Budynek();
    QVERIFY(kerwano::ZapiszPlikProjektu(Sciezka("jako_b.kwp"), b).isEmpty());
    QVERIFY(kerwano::ZapiszPlikProjektu(Sciezka("jako_a.kwp"), wzorcowy::Nowy()).isEmpty());
    const QByteArray przed = Bajty(Sciezka("jako_b.kwp"));
    m_okno->WczytajProjekt(Sciezka("jako_a.kwp"));
    Zmien();

    QString folder, proponowany;
    bool zapytano = false;
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        folder = d->directory().absolutePath();
        proponowany = QFileInfo(d->selectedFiles().value(0)).fileName();
        if (odpowiedz)
            Odpowiedz<QMessageBox>([&](QMessageBox *m) {
                zapytano = true;
                m->button(QMessageBox::StandardButton(odpowiedz))->click();
            });
        okno_testowe::WybierzPlik(d, Sciezka(cel));
        static_cast<QDialog *>(d)->accept();
        if (d->isVisible())
            d->reject();
    });
    W<QAction>(m_okno, "Zapiszjako1")->trigger();
    QCOMPARE(folder, QDir(m_folder.path()).absolutePath());
    QCOMPARE(proponowany, QStringLiteral("jako_a.kwp"));
    QCOMPARE(zapytano, odpowiedz != 0);
    const bool zapisano = odpowiedz != int(QMessageBox::No);
    QCOMPARE(m_okno->zmodyfikowany(), !zapisano);
    QCOMPARE(m_okno->nazwa_pliku(), Sciezka(zapisano ? cel : "jako_a.kwp"));
    if (cel == "jako_b.kwp")
        QCOMPARE(Bajty(Sciezka("jako_b.kwp")) == przed, !zapisano);

    m_okno->UstawZmodyfikowany(false); // no question before the open dialog
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        folder = d->directory().absolutePath();
        d->reject();
    });
    W<QAction>(m_okno, "Wczytajprojekt1")->trigger();
    QCOMPARE(folder, QDir(m_folder.path()).absolutePath());
}

void TstProjekt::zmianaNaDysku_data()
{
    QTest::addColumn<QString>("odpowiedz"); // "" for no question expected
    QTest::addColumn<bool>("z_zewnatrz");   // the file replaced from outside first
    QTest::newRow("unchanged: no question") << "" << false;
    QTest::newRow("changed, Anuluj") << "&Anuluj" << true;
    QTest::newRow("changed, Zastąp") << "&Zastąp" << true;
}

// F2 over the project's file that someone else replaced since it was opened
// asks first; "Anuluj" writes nothing and keeps the project modified.
void TstProjekt::zmianaNaDysku()
{
    QFETCH(QString, odpowiedz);
    QFETCH(bool, z_zewnatrz);
    const QString plik = Sciezka(QStringLiteral("zewn.kwp"));
    QVERIFY(kerwano::ZapiszPlikProjektu(plik, wzorcowy::Nowy()).isEmpty());
    m_okno->WczytajProjekt(plik);
    Zmien();
    if (z_zewnatrz)
        QVERIFY(kerwano::ZapiszPlikProjektu(plik, wzorcowy::Budynek()).isEmpty());
    const QByteArray przed = Bajty(plik);

    bool zapytano = false, nietkniety = false;
    auto szukanie = Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        zapytano = true;
        nietkniety = Bajty(plik) == przed; // nothing written while it asks
        for (QAbstractButton *b : m->buttons())
            if (b->text() == odpowiedz)
                b->click();
    });
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    delete szukanie;
    QCOMPARE(zapytano, !odpowiedz.isEmpty());
    QCOMPARE(nietkniety, zapytano);
    const bool zapisano = odpowiedz != QStringLiteral("&Anuluj");
    QCOMPARE(Bajty(plik) == przed, !zapisano);
    QCOMPARE(m_okno->zmodyfikowany(), !zapisano);
}

void TstProjekt::ponowneWczytanie_data()
{
    QTest::addColumn<QString>("zmiana");    // what becomes of the file while it is open
    QTest::addColumn<bool>("zmieniony");    // the window has unsaved changes
    QTest::addColumn<QString>("odpowiedz"); // to the offer; "" when none is expected
    QTest::newRow("written from outside, Wczytaj ponownie")
        << "zapis" << true << "&Wczytaj ponownie";
    QTest::newRow("written from outside, Zostaw") << "zapis" << true << "&Zostaw";
    QTest::newRow("written by another user") << "bob" << false << "&Wczytaj ponownie";
    QTest::newRow("the window's own save: no offer") << "wlasny" << true << "";
    QTest::newRow("deleted: no offer") << "usuniety" << false << "";
}

// A file changed on disk by someone else while it is open is offered for
// reading again once, by name, saying that unsaved changes would be lost; a
// file read again is opened as any file is, without history. After "Zostaw"
// the save asks first. The window's own save and a deletion are no change.
void TstProjekt::ponowneWczytanie()
{
    QFETCH(QString, zmiana);
    QFETCH(bool, zmieniony);
    QFETCH(QString, odpowiedz);
    if (zmiana == "bob" && ::geteuid() != 0)
        QSKIP("acting as a second user needs root");
    const QString plik = Sciezka(QStringLiteral("ponownie.kwp"));
    QVERIFY(kerwano::ZapiszPlikProjektu(plik, wzorcowy::Nowy()).isEmpty());
    m_okno->WczytajProjekt(plik);
    if (zmieniony)
        Zmien();
    const QByteArray budynek = kerwano::ZakodujProjekt(wzorcowy::Budynek());
    if (zmiana == "zapis") {
        QVERIFY(kerwano::ZapiszPlikProjektu(plik, wzorcowy::Budynek()).isEmpty());
    } else if (zmiana == "bob") {
        // A colleague, another user, writes over the shared file in place.
        const QString od_boba = Sciezka(QStringLiteral("od_boba.kwp"));
        QVERIFY(kerwano::ZapiszPlikProjektu(od_boba, wzorcowy::Budynek()).isEmpty());
        QCOMPARE(::chmod(QFile::encodeName(m_folder.path()).constData(), 0755) |
                     ::chmod(QFile::encodeName(plik).constData(), 0666) |
                     ::chmod(QFile::encodeName(od_boba).constData(), 0644),
                 0);
        const int cp =
            QProcess::execute(QStringLiteral("setpriv"),
                              {QStringLiteral("--reuid=64002"), QStringLiteral("--regid=64002"),
                               QStringLiteral("--clear-groups"), QStringLiteral("--"),
                               QStringLiteral("cp"), od_boba, plik});
        if (cp < 0)
            QSKIP("setpriv (package util-linux) is missing");
        QCOMPARE(cp, 0);
    } else if (zmiana == "wlasny") {
        W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    } else {
        QVERIFY(QFile::remove(plik));
    }

    QStringList teksty;
    auto szukanie = Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        teksty << m->text();
        for (QAbstractButton *b : m->buttons())
            if (b->text() == odpowiedz)
                b->click();
    });
    if (odpowiedz.isEmpty())
        QTest::qWait(4 * CzujnikZmianPliku::ZWLOKA_MS);
    else
        QTRY_COMPARE(teksty.size(), 1);
    delete szukanie;
    // Offered once: not again for the same change.
    QTest::qWait(4 * CzujnikZmianPliku::ZWLOKA_MS);
    QCOMPARE(teksty.size(), odpowiedz.isEmpty() ? 0 : 1);
    if (!teksty.isEmpty()) {
        QVERIFY2(teksty[0].contains(QStringLiteral("ponownie.kwp")), qPrintable(teksty[0]));
        QCOMPARE(teksty[0].contains(QStringLiteral("utracone")), zmieniony);
    }
    const bool wczytany = odpowiedz == QStringLiteral("&Wczytaj ponownie");
    QCOMPARE(kerwano::ZakodujProjekt(m_okno->projekt().ZbierzProjekt()) == budynek, wczytany);
    QCOMPARE(m_okno->zmodyfikowany(), zmieniony && !wczytany && zmiana != "wlasny");
    if (wczytany)
        QVERIFY(!W<QAction>(m_okno, "Cofnij1")->isEnabled());
    if (odpowiedz == QStringLiteral("&Zostaw")) {
        // The change kept aside is still asked about before it is written over.
        bool zapytano = false;
        auto pytanie = Odpowiedz<QMessageBox>([&](QMessageBox *m) {
            zapytano = m->objectName() == QStringLiteral("ZmienionyNaDysku");
            for (QAbstractButton *b : m->buttons())
                if (b->text() == QStringLiteral("&Anuluj"))
                    b->click();
        });
        W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
        delete pytanie;
        QVERIFY(zapytano);
        QCOMPARE(Bajty(plik), budynek);
    }
    if (zmiana == "usuniety") {
        // The next save makes it again, without a question.
        Zmien();
        W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
        QVERIFY(!m_okno->zmodyfikowany());
        QVERIFY(QFileInfo::exists(plik));
    }
}

void TstProjekt::pierwszyIDrugiZapis()
{
    Zmien();
    QVERIFY(W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    Wybierz(Sciezka(QStringLiteral("b.kwp")));
    QTest::keyClick(m_okno, Qt::Key_F2);
    QVERIFY(!m_okno->zmodyfikowany());
    QVERIFY(!W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    QCOMPARE(Bajty(Sciezka(QStringLiteral("b.kwp"))).mid(48, 6), QByteArray("\x05"
                                                                            "12,50"));

    // The second save writes without a dialog.
    okno_testowe::Wpisz(m_okno, 1, QStringLiteral("7"));
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(Bajty(Sciezka(QStringLiteral("b.kwp"))).mid(48, 2), QByteArray("\x01"
                                                                            "7"));
    QVERIFY(!m_okno->zmodyfikowany());
}

void TstProjekt::nowyProjektBajty()
{
    Odpowiedz<TDane_form>(
        [](TDane_form *d) { QTest::mouseClick(W<QPushButton>(d, "Button1"), Qt::LeftButton); });
    W<QAction>(m_okno, "Daneprojektu1")->trigger();
    QVERIFY(m_okno->zmodyfikowany());
    Wybierz(Sciezka(QStringLiteral("nowy.kwp")));
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    const QByteArray b = Bajty(Sciezka(QStringLiteral("nowy.kwp")));
    QCOMPARE(b.size(), 684);
    QCOMPARE(b.left(48), QByteArray(48, '\0'));
    for (int poz : {48, 69, 90})
        QCOMPARE(b.mid(poz, 2), QByteArray("\x01"
                                           "1"));
    QCOMPARE(b.mid(112, 4), QByteArray(4, '\0'));
    QCOMPARE(b.mid(680, 4), QByteArray(4, '\0'));
    QCOMPARE(b.at(116), '\0');
    const QByteArray data = QDate::currentDate().toString(QStringLiteral("d.M.yyyy")).toLatin1();
    QCOMPARE(b.mid(142, 1 + data.size()), char(data.size()) + data);
}

void TstProjekt::zapisIOdczyt()
{
    okno_testowe::Budynek(m_okno,
                          wzorcowy::Budynek(2, QStringLiteral("30"), QStringLiteral("20,5")));
    okno_testowe::UstawDane(m_okno, {{3, QString(200, QChar(u'ł'))},
                                     {5, QStringLiteral("Gmina Żółkiewka, ul. Ślusarska 5")}});
    const QList<ElementDachu> elementy = {
        {QStringLiteral("Maszt"),
         QStringLiteral("Układ A, układ 1, powietrze, H = 19,00, L = 3,00")},
        {QStringLiteral("Komin"),
         QStringLiteral("Układ B, układ 3, dielektryk, H = 25,00, L = 4,00, c = 9,00, n = 4")},
        {QStringLiteral("Świetlik"),
         QStringLiteral("Układ A, układ 2, powietrze, H = 2,35, L = 1,00, f = 6,00")}};
    okno_testowe::WczytajElementy(m_okno, elementy);
    Wybierz(Sciezka(QStringLiteral("pelny.kwp")));
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    QCOMPARE(Bajty(Sciezka(QStringLiteral("pelny.kwp"))).size(), 1098);
    kerwano::Projekt zapisany = m_okno->projekt().ZbierzProjekt();

    // A fresh window shows the same everything; the designer line is cut.
    TProgram_form drugie({QStringLiteral("kerwano")});
    drugie.show();
    QVERIFY(QTest::qWaitForWindowExposed(&drugie));
    okno_testowe::WczytajElementy(&drugie,
                                  {{"x", "y"}, {"x", "y"}, {"x", "y"}, {"x", "y"}, {"x", "y"}});
    drugie.WczytajProjekt(Sciezka(QStringLiteral("pelny.kwp")));
    zapisany.dane[2].truncate(128);
    const kerwano::Projekt wczytany = drugie.projekt().ZbierzProjekt();
    QCOMPARE(wczytany.wybory, zapisany.wybory);
    QCOMPARE(wczytany.wymiary, zapisany.wymiary);
    QCOMPARE(wczytany.dane, zapisany.dane);
    QCOMPARE(wczytany.elementy.size(), 3);
    for (int w = 1; w <= 3; ++w) {
        QCOMPARE(wczytany.elementy[w - 1].parametry, elementy[w - 1].parametry);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(W<TStringGrid>(okno_testowe::Strona(&drugie, 2), "StringGrid2")->Cells(k, w),
                     W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->Cells(k, w));
    }
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(&drugie, 2), "StringGrid2")->RowCount(), 4);
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(&drugie, 2), "StringGrid2")->Cells(2, 2),
             QStringLiteral("?")); // 25 m, class I
    QCOMPARE(drugie.projekt().wyniki().E, m_okno->projekt().wyniki().E);
    QCOMPARE(drugie.windowTitle(), Tytul(QStringLiteral("pelny.kwp")));
    QVERIFY(!drugie.zmodyfikowany() && !drugie.nienazwany());
    QCOMPARE(drugie.nazwa_pliku(), Sciezka(QStringLiteral("pelny.kwp")));

    // A project without elements empties the list again.
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        okno_testowe::WybierzPlik(d, Sciezka(QStringLiteral("pusty.kwp")));
        static_cast<QDialog *>(d)->accept();
    });
    TProgram_form trzecie({QStringLiteral("kerwano")});
    trzecie.show();
    W<QAction>(&trzecie, "Zapiszjako1")->trigger();
    drugie.WczytajProjekt(Sciezka(QStringLiteral("pusty.kwp")));
    QCOMPARE(drugie.projekt().liczba_elementow(), 0);
    QCOMPARE(W<TStringGrid>(okno_testowe::Strona(&drugie, 3), "StringGrid1")->RowCount(), 2);
    QVERIFY(W<TStringGrid>(okno_testowe::Strona(&drugie, 3), "StringGrid1")->Cells(0, 1).isEmpty());
    QVERIFY(W<TStringGrid>(okno_testowe::Strona(&drugie, 2), "StringGrid2")->Cells(1, 1).isEmpty());
}

void TstProjekt::nieudanyOdczyt_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("komunikat");

    kerwano::Projekt p;
    p.wymiary = {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5")};
    p.elementy = {{QStringLiteral("e"), QStringLiteral("Układ A, układ 1, powietrze")}};
    const QByteArray dobry = kerwano::ZakodujProjekt(p);
    QTest::newRow("header cut") << dobry.left(683) << "Read beyond end of file.";
    QTest::newRow("700 bytes, one element") << dobry.left(700) << "Read beyond end of file.";
    QByteArray dlugosc = dobry;
    dlugosc[48] = char(255);
    QTest::newRow("length byte 255") << dlugosc
                                     << "Plik projektu jest uszkodzony (niepoprawna długość "
                                        "tekstu).";
    QTest::newRow("missing file") << QByteArray() << "File not found.";
}

void TstProjekt::nieudanyOdczyt()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, komunikat);
    const QString plik =
        Sciezka(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".kwp"));
    if (!bajty.isEmpty()) {
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bajty);
    }
    okno_testowe::WczytajElementy(m_okno,
                                  {{QStringLiteral("stary"), QStringLiteral("Układ A, układ 1")}});
    Zmien();
    const kerwano::Projekt przed = m_okno->projekt().ZbierzProjekt();
    QString tekst, tytul;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        tekst = m->text();
        tytul = m->windowTitle();
        ikona = m->icon();
        m->accept();
    });
    m_okno->WczytajProjekt(plik);
    QCOMPARE(tekst, komunikat);
    QCOMPARE(tytul, QStringLiteral("Kerwano"));
    QCOMPARE(ikona, QMessageBox::Critical);
    // Nothing of the damaged file, nor its name, reached the window.
    const kerwano::Projekt po = m_okno->projekt().ZbierzProjekt();
    QCOMPARE(po.wymiary, przed.wymiary);
    QCOMPARE(po.elementy.size(), 1);
    QCOMPARE(m_okno->nazwa_pliku(), QStringLiteral("Nowy projekt.kwp"));
    QCOMPARE(m_okno->windowTitle(), Tytul(QStringLiteral("Nowy projekt.kwp")));
    QVERIFY(m_okno->nienazwany());
    QVERIFY(m_okno->zmodyfikowany());
}

void TstProjekt::nieudanyZapis()
{
    Zmien();
    QString tekst;
    Wybierz(Sciezka(QStringLiteral("brak/folder/x.kwp")));
    Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        tekst = m->text();
        m->accept();
    });
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    QVERIFY(tekst.endsWith(QLatin1Char('.')));
    QVERIFY(!tekst.isEmpty());
    QVERIFY(m_okno->zmodyfikowany());
    QVERIFY(W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled());
    // The window keeps the name of the file it came from, not the one never written.
    QCOMPARE(m_okno->windowTitle(), Tytul(QStringLiteral("Nowy projekt.kwp")));
}

void TstProjekt::przerwanyZapis_data()
{
    QTest::addColumn<QString>("przycisk"); // the answer: a button's name, or none (Esc)
    QTest::addColumn<bool>("przywrocony"); // the earlier contents back in the file
    QTest::addColumn<bool>("kopia");       // the copy still there

    QTest::newRow("restore the earlier copy") << "Przywroc" << true << false;
    QTest::newRow("keep the current file") << "Zachowaj" << false << false;
    QTest::newRow("Esc: the file as it is, the copy kept") << "" << false << true;
}

// A project whose last save did not finish: the question names the copy,
// and the answer is carried out before the file is read.
void TstProjekt::przerwanyZapis()
{
    QFETCH(QString, przycisk);
    QFETCH(bool, przywrocony);
    QFETCH(bool, kopia);

    kerwano::Projekt wczesniejszy, obecny;
    wczesniejszy.dane[0] = QStringLiteral("wcześniejszy");
    obecny.dane[0] = QStringLiteral("obecny");
    const QString plik = Sciezka(QStringLiteral("p.kwp")), zapas = plik + QStringLiteral(".kopia");
    for (const auto &[nazwa, p] : {std::pair{plik, obecny}, std::pair{zapas, wczesniejszy}}) {
        QFile f(nazwa);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kerwano::ZakodujProjekt(p));
    }
    QString tekst;
    Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        tekst = m->text();
        if (przycisk.isEmpty())
            QTest::keyClick(m, Qt::Key_Escape);
        else
            m->findChild<QPushButton *>(przycisk)->click();
    });
    m_okno->WczytajProjekt(plik);
    QVERIFY2(tekst.contains(kerwano::KomunikatNiedokonczonegoZapisu(plik, zapas)),
             qPrintable(tekst));
    QCOMPARE(m_okno->projekt().DaneProjektu()[0], przywrocony ? "wcześniejszy" : "obecny");
    QCOMPARE(QFile::exists(zapas), kopia);
    kerwano::Projekt w;
    QCOMPARE(kerwano::CzytajPlikProjektu(plik, w), QString());
    QCOMPARE(w.dane[0], m_okno->projekt().DaneProjektu()[0]);
}

void TstProjekt::otwieraniePytanie()
{
    // Without changes the open dialog comes at once.
    bool otwarty = false;
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        otwarty = d->fileMode() == QFileDialog::ExistingFile;
        d->reject();
    });
    W<QAction>(m_okno, "Wczytajprojekt1")->trigger();
    QVERIFY(otwarty);

    // With changes the question first; "&Nie" goes on to the open dialog.
    Zmien();
    QString tekst, tytul;
    QStringList przyciski;
    otwarty = false;
    Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        tekst = m->text();
        tytul = m->windowTitle();
        for (QAbstractButton *b : m->buttons())
            przyciski << b->text();
        Odpowiedz<QFileDialog>([&](QFileDialog *d) {
            otwarty = true;
            d->reject();
        });
        for (QAbstractButton *b : m->buttons())
            if (b->text() == QStringLiteral("&Nie"))
                b->click();
    });
    W<QAction>(m_okno, "Wczytajprojekt1")->trigger();
    QCOMPARE(tytul, QStringLiteral("Potwierdzenie"));
    QCOMPARE(tekst, QStringLiteral(
                        "    Projekt nie został zapisany. Czy zapisać zmodyfikowane dane ?    "));
    przyciski.sort();
    QCOMPARE(przyciski, QStringList({"&Nie", "&Tak"}));
    QVERIFY(otwarty);
    QVERIFY(m_okno->zmodyfikowany());

    // "&Tak" with the save dialog cancelled: no open dialog, changes kept.
    otwarty = false;
    Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        Odpowiedz<QFileDialog>([&](QFileDialog *d) {
            otwarty = d->acceptMode() == QFileDialog::AcceptOpen;
            d->reject();
        });
        for (QAbstractButton *b : m->buttons())
            if (b->text() == QStringLiteral("&Tak"))
                b->click();
    });
    W<QAction>(m_okno, "Wczytajprojekt1")->trigger();
    QTest::qWait(50);
    QVERIFY(!otwarty);
    QVERIFY(m_okno->zmodyfikowany());
}

void TstProjekt::wyjscie_data()
{
    QTest::addColumn<bool>("zmieniony");
    QTest::addColumn<int>("odpowiedz"); // 0 none expected, Yes, No, Escape
    QTest::addColumn<bool>("przez_ramke");
    QTest::addColumn<bool>("zamkniete");

    QTest::newRow("unchanged") << false << 0 << false << true;
    QTest::newRow("unchanged, frame") << false << 0 << true << true;
    QTest::newRow("No") << true << int(QMessageBox::No) << false << true;
    QTest::newRow("No, frame") << true << int(QMessageBox::No) << true << true;
    QTest::newRow("Yes, save cancelled") << true << int(QMessageBox::Yes) << false << false;
    QTest::newRow("Yes, save cancelled, frame") << true << int(QMessageBox::Yes) << true << false;
    QTest::newRow("Esc stays") << true << int(QMessageBox::Escape) << false << false;
}

void TstProjekt::wyjscie()
{
    QFETCH(bool, zmieniony);
    QFETCH(int, odpowiedz);
    QFETCH(bool, przez_ramke);
    QFETCH(bool, zamkniete);
    if (zmieniony)
        Zmien();
    QString tytul, tekst;
    bool pytanie = false;
    if (odpowiedz != 0)
        Odpowiedz<QMessageBox>([&](QMessageBox *m) {
            pytanie = true;
            tytul = m->windowTitle();
            tekst = m->text();
            QCOMPARE(m->icon(), QMessageBox::NoIcon);
            if (odpowiedz == QMessageBox::Escape) {
                QTest::keyClick(m, Qt::Key_Escape);
                return;
            }
            if (odpowiedz == QMessageBox::Yes)
                Wybierz(QString()); // the save dialog is cancelled
            m->button(QMessageBox::StandardButton(odpowiedz))->click();
        });
    if (przez_ramke)
        m_okno->close();
    else
        W<QAction>(m_okno, "Wyjcie1")->trigger();
    QCOMPARE(!m_okno->isVisible(), zamkniete);
    QCOMPARE(pytanie, odpowiedz != 0);
    if (pytanie) {
        QCOMPARE(tytul, QStringLiteral("Uwaga"));
        QCOMPARE(tekst,
                 QStringLiteral("    Projekt nie został zapisany. Czy zapisać nowe dane ?    "));
    }
}

void TstProjekt::daneProjektu()
{
    okno_testowe::UstawDane(m_okno, {{3, QString(200, QLatin1Char('p'))}});
    m_okno->UstawZmodyfikowany(false);
    QStringList pola;
    bool staly = false; // a dialog frame, not resizable
    bool przeszlo = false;
    Odpowiedz<TDane_form>([&](TDane_form *d) {
        staly = d->minimumSize() == d->maximumSize() && d->size() == d->minimumSize();
        for (const char *e : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
            pola << W<QLineEdit>(d, e)->text();
        // Alt+letter moves to a field; "Anuluj" (Alt+A) discards what was typed.
        QTest::keyClick(d, Qt::Key_Z, Qt::AltModifier);
        przeszlo = W<QLineEdit>(d, "Edit6")->hasFocus();
        QTest::keyClicks(W<QLineEdit>(d, "Edit6"), QStringLiteral("P/12/2026"));
        QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
    });
    W<QAction>(m_okno, "Daneprojektu1")->trigger();
    QVERIFY(staly);
    QVERIFY(przeszlo);
    QCOMPARE(pola.value(2).size(), 128); // what the file holds
    QCOMPARE(pola.value(1), QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
    QVERIFY(m_okno->projekt().DaneProjektu()[0].isEmpty());
    QVERIFY(m_okno->projekt().DaneProjektu()[5].isEmpty());
    QVERIFY(!m_okno->zmodyfikowany());

    Odpowiedz<TDane_form>([&](TDane_form *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Dane projektu"));
        W<QLineEdit>(d, "Edit1")->setText(QStringLiteral("P/12/2026"));
        W<QLineEdit>(d, "Edit6")->setText(QStringLiteral("Spółdzielnia Mieszkaniowa"));
        QTest::mouseClick(W<QPushButton>(d, "Button1"), Qt::LeftButton);
    });
    W<QAction>(m_okno, "Daneprojektu1")->trigger();
    QCOMPARE(m_okno->projekt().DaneProjektu()[0], QStringLiteral("P/12/2026"));
    QCOMPARE(m_okno->projekt().DaneProjektu()[5], QStringLiteral("Spółdzielnia Mieszkaniowa"));
    QCOMPARE(m_okno->projekt().DaneProjektu()[2].size(), 128);
    QVERIFY(m_okno->zmodyfikowany());
}

void TstProjekt::tekstyPoZapisie_data()
{
    QTest::addColumn<QString>(
        "pole"); // Edit1 .. Edit6 of "Dane projektu", or "nazwa" of an element
    QTest::addColumn<bool>("wklejony");      // pasted whole, else typed key by key
    QTest::addColumn<QString>("wpisany");    // what arrives
    QTest::addColumn<QString>("ekran");      // what the field then shows
    QTest::addColumn<QString>("podpowiedz"); // part of the hint shown at once, "" for none

    const QString polskie = u"Zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ"_qs;
    const QString spoza = QStringLiteral("spoza strony kodowej Windows-1250");
    QTest::newRow("Polish letters typed") << "Edit4" << false << polskie << polskie << "";
    QTest::newRow("Polish letters pasted into a name")
        << "nazwa" << true << polskie << polskie << "";
    QTest::newRow("n and a combining acute typed")
        << "Edit6" << false << u"Gdan\u0301sk"_qs << u"Gdańsk"_qs << "";
    QTest::newRow("decomposed letters pasted into a name")
        << "nazwa" << true << u"Kos\u0301cio\u0301\u0142"_qs << u"Kościół"_qs << "";
    QTest::newRow("characters outside the code page typed")
        << "Edit4" << false << u"€ ñ ø 北京 Пекин"_qs << u"€    "_qs << spoza;
    QTest::newRow("characters outside the code page pasted into a name")
        << "nazwa" << true << u"Maszt \U0001F600 ø"_qs << u"Maszt  "_qs << spoza;
    QTest::newRow("project number typed beyond its 25")
        << "Edit1" << false << QString(30, u'7') << QString(25, u'7') << "najwyżej 25 znaków";
    QTest::newRow("designer pasted at 129")
        << "Edit3" << true << QString(129, u'ł') << QString(128, u'ł') << "najwyżej 128 znaków";
    QTest::newRow("name of 40 ending in a decomposed letter")
        << "nazwa" << false << QString(39, u'a') + u"n\u0301"_qs << QString(39, u'a') + u'ń' << "";
}

// What the field shows after typing or pasting is what the file holds: the
// model takes it, the save writes it and the file reads back to it.
void TstProjekt::tekstyPoZapisie()
{
    QFETCH(QString, pole);
    QFETCH(bool, wklejony);
    QFETCH(QString, wpisany);
    QFETCH(QString, ekran);
    QFETCH(QString, podpowiedz);

    QString naEkranie, wskazowka;
    auto wprowadz = [&](QLineEdit *e) {
        QToolTip::hideText();
        e->clear();
        if (wklejony) {
            QGuiApplication::clipboard()->setText(wpisany);
            e->paste();
        } else {
            for (const char32_t znak : wpisany.toUcs4()) {
                const QString tekst = QString::fromUcs4(&znak, 1);
                QKeyEvent klawisz(QEvent::KeyPress, 0, Qt::NoModifier, tekst);
                QCoreApplication::sendEvent(e, &klawisz);
            }
        }
        naEkranie = e->text();
        wskazowka = QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QString wModelu;
    if (pole == QLatin1String("nazwa")) {
        W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
        Odpowiedz<TOdstepy_parametry_form>([&](TOdstepy_parametry_form *d) {
            wprowadz(W<QLineEdit>(d, "Edit1"));
            QTest::keyClick(W<QLineEdit>(d, "Edit1"), Qt::Key_Return);
        });
        QTest::mouseClick(W<QPushButton>(okno_testowe::Strona(m_okno, 3), "Button2"),
                          Qt::LeftButton);
        wModelu = m_okno->projekt().elementy().Wiersz(1).nazwa;
    } else {
        Odpowiedz<TDane_form>([&](TDane_form *d) {
            wprowadz(W<QLineEdit>(d, pole.toLatin1().constData()));
            QTest::mouseClick(W<QPushButton>(d, "Button1"), Qt::LeftButton);
        });
        W<QAction>(m_okno, "Daneprojektu1")->trigger();
        wModelu = m_okno->projekt().DaneProjektu()[size_t(pole.back().digitValue() - 1)];
    }
    QCOMPARE(naEkranie, ekran);
    QVERIFY2(podpowiedz.isEmpty() ? wskazowka.isEmpty() : wskazowka.contains(podpowiedz),
             qPrintable(wskazowka));
    QCOMPARE(wModelu, ekran);

    QFile::remove(Sciezka(QStringLiteral("teksty.kwp"))); // no question about replacing it
    Wybierz(Sciezka(QStringLiteral("teksty.kwp")));
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();
    QVERIFY(!m_okno->zmodyfikowany());
    kerwano::Projekt wczytany;
    QCOMPARE(kerwano::CzytajPlikProjektu(Sciezka(QStringLiteral("teksty.kwp")), wczytany),
             QString());
    QCOMPARE(pole == QLatin1String("nazwa") ? wczytany.elementy.value(0).nazwa
                                            : wczytany.dane[size_t(pole.back().digitValue() - 1)],
             ekran);
}

void TstProjekt::wierszPolecen()
{
    kerwano::Projekt p;
    p.wymiary = {QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("10")};
    p.dane[0] = QStringLiteral("pierwszy");
    QFile f1(Sciezka(QStringLiteral("jeden.kwp")));
    QVERIFY(f1.open(QIODevice::WriteOnly));
    f1.write(kerwano::ZakodujProjekt(p));
    f1.close();
    p.dane[0] = QStringLiteral("drugi");
    p.elementy = {{QStringLiteral("e"), QStringLiteral("Układ A, układ 1, powietrze, H = 3,00")}};
    QFile f2(Sciezka(QStringLiteral("dwa.KwP")));
    QVERIFY(f2.open(QIODevice::WriteOnly));
    f2.write(kerwano::ZakodujProjekt(p));
    f2.close();

    QFile notatki(Sciezka(QStringLiteral("notatki.txt")));
    QVERIFY(notatki.open(QIODevice::WriteOnly));
    notatki.close();
    QCOMPARE(::mkfifo(QFile::encodeName(Sciezka(QStringLiteral("potok.kwp"))).constData(), 0600),
             0);

    // Each name that cannot be opened is said in the error box, in order; a
    // regular file of another kind is passed over.
    QStringList bledy;
    std::function<void(QMessageBox *)> odpowiedz = [&](QMessageBox *m) {
        bledy << m->text();
        if (bledy.size() < 5)
            Odpowiedz<QMessageBox>(odpowiedz);
        m->accept();
    };
    Odpowiedz<QMessageBox>(odpowiedz);
    TProgram_form okno({QStringLiteral("kerwano"), Sciezka(QStringLiteral("jeden.kwp")),
                        Sciezka(QStringLiteral("brak.kwp")), Sciezka(QStringLiteral("dwa.KwP")),
                        Sciezka(QStringLiteral("x.txt")), m_folder.path(),
                        Sciezka(QStringLiteral("potok.kwp")), QStringLiteral("/dev/zero"),
                        Sciezka(QStringLiteral("notatki.txt"))});
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTRY_COMPARE(bledy, QStringList({"File not found.", "File not found.", "I/O error 21.",
                                     "To nie jest zwykły plik.", "To nie jest zwykły plik."}));
    QCOMPARE(okno.projekt().DaneProjektu()[0], QStringLiteral("drugi"));
    QCOMPARE(okno.windowTitle(), Tytul(QStringLiteral("dwa.KwP")));
    QCOMPARE(okno.projekt().liczba_elementow(), 1);
    QVERIFY(!okno.zmodyfikowany());
}

void TstProjekt::rozpoznanieWiersza_data()
{
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<int>("tryb");
    QTest::addColumn<QString>("plik");

    using T = WierszPolecen::Tryb;
    QTest::newRow("none") << QStringList() << int(T::Okno) << "";
    QTest::newRow("files") << QStringList({"a.kwp", "b.txt"}) << int(T::Okno) << "";
    QTest::newRow("help") << QStringList({"a.kwp", "--help"}) << int(T::Pomoc) << "";
    QTest::newRow("version") << QStringList({"--version"}) << int(T::Wersja) << "";
    QTest::newRow("results") << QStringList({"--wyniki", "p.kwp"}) << int(T::Wyniki) << "p.kwp";
    QTest::newRow("results without a file") << QStringList({"--wyniki"}) << int(T::Blad) << "";
    QTest::newRow("results, two files")
        << QStringList({"--wyniki", "a.kwp", "b.kwp"}) << int(T::Blad) << "";
    QTest::newRow("report as PDF")
        << QStringList({"--pdf-obliczenia", "p.kwp", "o.pdf"}) << int(T::PdfObliczenia) << "p.kwp";
    QTest::newRow("report as PDF, no output")
        << QStringList({"--pdf-obliczenia", "p.kwp"}) << int(T::Blad) << "";
    QTest::newRow("questionnaire as PDF")
        << QStringList({"--pdf-formularz", "f.pdf"}) << int(T::PdfFormularz) << "";
    QTest::newRow("unknown option") << QStringList({"--drukuj"}) << int(T::Blad) << "";
    QTest::newRow("results, -- before the file")
        << QStringList({"--wyniki", "--", "-p.kwp"}) << int(T::Wyniki) << "-p.kwp";
    QTest::newRow("results=FILE") << QStringList({"--wyniki=p.kwp"}) << int(T::Wyniki) << "p.kwp";
    QTest::newRow("sheet=FILE, then the output")
        << QStringList({"--pdf-zestawienie=p.kwp", "o.pdf"}) << int(T::PdfZestawienie) << "p.kwp";
    QTest::newRow("two commands") << QStringList({"--wyniki", "a.kwp", "--pdf-formularz", "b.pdf"})
                                  << int(T::Blad) << "";
    QTest::newRow("an option after -- is a file")
        << QStringList({"--", "--help"}) << int(T::Okno) << "";
}

void TstProjekt::rozpoznanieWiersza()
{
    QFETCH(QStringList, argumenty);
    const WierszPolecen w = WierszPolecen::Rozpoznaj(argumenty);
    QTEST(int(w.tryb), "tryb");
    QTEST(w.plik, "plik");
}

void TstProjekt::wynikiBezOkna()
{
    okno_testowe::Budynek(m_okno);
    okno_testowe::WczytajElementy(
        m_okno, {{QStringLiteral("Maszt"),
                  QStringLiteral("Układ A, układ 1, powietrze, H = 10,00, L = 10,00")},
                 {QStringLiteral("Antena"),
                  QStringLiteral("Układ A, układ 1, powietrze, H = 30,00, L = 1,00")}});
    Wybierz(Sciezka(QStringLiteral("wzorzec.kwp")));
    W<QAction>(m_okno, "Zapiszprojekt1")->trigger();

    const auto wyniki = [](const QString &plik, QString *blad = nullptr) {
        kerwano::Projekt zapisany;
        kerwano::ModelProjektu model;
        const QString b = kerwano::WczytajJakPoStarcie(plik, zapisany, model);
        if (blad)
            *blad = b;
        return b.isEmpty() ? QJsonDocument::fromJson(kerwano::WynikiJson(zapisany, model)).object()
                           : QJsonObject();
    };
    const QJsonObject o = wyniki(Sciezka(QStringLiteral("wzorzec.kwp")));
    QCOMPARE(o.value("klasa").toInt(), m_okno->projekt().klasa().klasa);
    QCOMPARE(o.value("E").toDouble(), m_okno->projekt().wyniki().E);
    QCOMPARE(o.value("Nd").toDouble(), m_okno->projekt().wyniki().Nd);
    QCOMPARE(o.value("Label21").toString(),
             W<QLabel>(okno_testowe::Strona(m_okno, 1), "Label21")->text());
    QCOMPARE(o.value("Label_E").toString(),
             W<QLabel>(okno_testowe::Strona(m_okno, 1), "Label_E")->text());
    QCOMPARE(o.value("Panel_odi_klasa").toString(), QStringLiteral("I"));
    QCOMPARE(o.value("wymiary").toArray().at(1).toString(), QStringLiteral("20"));
    QCOMPARE(o.value("wybory").toArray().size(), 13);
    QCOMPARE(o.value("wybory").toArray().at(12).toInt(), 2);
    const QJsonArray e = o.value("elementy").toArray();
    QCOMPARE(e.size(), 2);
    QCOMPARE(e.at(0).toObject().value("odstep").toString(), QStringLiteral("1,00 m"));
    QCOMPARE(e.at(0).toObject().value("d").toDouble(), 1.0);
    QCOMPARE(e.at(0).toObject().value("kat").toString(),
             W<TStringGrid>(okno_testowe::Strona(m_okno, 2), "StringGrid2")->Cells(2, 1));
    QCOMPARE(e.at(1).toObject().value("alfa").toString(), QStringLiteral("?"));
    QCOMPARE(e.at(1).toObject().value("kat").toString(), QStringLiteral("?"));
    QCOMPARE(e.at(1).toObject().value("wysokosc").toString(), QStringLiteral("30,00"));

    // A building without area: E is not a number the format can hold.
    kerwano::Projekt p;
    p.wymiary = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    QFile f(Sciezka(QStringLiteral("zero.kwp")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kerwano::ZakodujProjekt(p));
    f.close();
    QVERIFY(wyniki(Sciezka(QStringLiteral("zero.kwp"))).value("E").isNull());

    QString blad;
    QVERIFY(wyniki(Sciezka(QStringLiteral("brak.kwp")), &blad).isEmpty());
    QCOMPARE(blad, QStringLiteral("File not found"));
}

void TstProjekt::ponowneOtwarcie_data()
{
    QTest::addColumn<quint32>("ziarno");
    for (quint32 ziarno : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", ziarno) << ziarno;
}

// What is saved reopens to what was shown: random projects (indices outside
// their lists, dimension texts that do not convert, elements whose distance
// cannot be computed) opened one after another and edited at random, keys
// and pastes that would leave no number included. At every save the window's
// results are the headless results of the file, and a project opened after
// another shows what it shows opened alone.
void TstProjekt::ponowneOtwarcie()
{
    QFETCH(quint32, ziarno);
    QRandomGenerator los(ziarno);
    const QStringList wymiary = {"100",  "40", "30", "100,,", "",   "abc", ",",
                                 "12,5", "-3", "0",  "1E3",   "7,", ",25"};
    const QList<ElementDachu> elementy = {
        wzorcowy::Element("Maszt", kerwano::TypUkladu::A, 1, kerwano::Material::Powietrze, 10, 10),
        wzorcowy::Element("Bez n", kerwano::TypUkladu::A, 3, kerwano::Material::Powietrze, 10, 5,
                          10, 0),
        wzorcowy::Element("Linka", kerwano::TypUkladu::A, 2, kerwano::Material::Dielektryk, 0, 5,
                          0)};
    const auto losowy = [&] {
        kerwano::Projekt p = wzorcowy::Nowy();
        for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr)
            p.wybory[size_t(nr - 1)] = los.bounded(-1, int(kerwano::Lista(nr).pozycje.size()) + 2);
        for (QString &w : p.wymiary)
            w = wymiary[los.bounded(int(wymiary.size()))];
        for (const ElementDachu &e : elementy)
            if (los.bounded(2))
                p.elementy << e;
        return p;
    };
    // The JSON of --wyniki for the window's project (the file's selections
    // as stored) and for a file.
    const auto zOkna = [this](const kerwano::Projekt &zapisany) {
        return kerwano::WynikiJson(zapisany, m_okno->projekt());
    };
    const auto zPliku = [](const QString &plik) {
        kerwano::Projekt zapisany;
        kerwano::ModelProjektu model;
        return kerwano::WczytajJakPoStarcie(plik, zapisany, model).isEmpty()
                   ? kerwano::WynikiJson(zapisany, model)
                   : QByteArray();
    };
    const QString plik = Sciezka(QStringLiteral("ponownie.kwp"));
    for (int krok = 0; krok < 6; ++krok) {
        const kerwano::Projekt p = losowy();
        QCOMPARE(kerwano::ZapiszPlikProjektu(plik, p), QString());
        m_okno->ZastosujProjekt(p);
        QCOMPARE(zOkna(p), zPliku(plik));

        for (int edycja = 0; edycja < 12; ++edycja) {
            const int nr = 1 + los.bounded(3);
            QLineEdit *e = okno_testowe::Pole(m_okno, nr);
            e->setFocus();
            switch (los.bounded(6)) {
            case 0:
                okno_testowe::Wybierz(m_okno, 1 + los.bounded(13), los.bounded(3));
                break;
            case 1:
                e->selectAll();
                QApplication::clipboard()->setText(wymiary[los.bounded(int(wymiary.size()))]);
                QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
                break;
            case 2:
                QTest::keyClick(e, los.bounded(2) ? Qt::Key_Backspace : Qt::Key_Delete);
                break;
            case 3:
                QTest::keyClick(e, los.bounded(2) ? Qt::Key_Home : Qt::Key_End);
                break;
            case 4:
                QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
                break;
            default:
                QTest::keyClicks(e, QStringLiteral(",0123456789").mid(los.bounded(11), 1));
            }
            QCoreApplication::processEvents();
            QCOMPARE(e->text(), m_okno->projekt().Wymiar(nr));
        }
        const QByteArray pokazane = zOkna(m_okno->projekt().ZbierzProjekt());
        QCOMPARE(QJsonDocument::fromJson(pokazane).object().value("Label_E").toString(),
                 W<QLabel>(okno_testowe::Strona(m_okno, 1), "Label_E")->text());
        QCOMPARE(kerwano::ZapiszPlikProjektu(plik, m_okno->projekt().ZbierzProjekt()), QString());
        QCOMPARE(pokazane, zPliku(plik));
    }
}

// What the window shows of the project and what it keeps of it: the file's
// contents, every cell of both element tables, the page-1 fields and the class.
static QStringList Stan(const TProgram_form *okno, bool szerokosci = false)
{
    const kerwano::ModelProjektu &m = okno->projekt();
    const kerwano::Projekt p = m.ZbierzProjekt();
    QStringList s;
    for (int nr = 1; nr <= 13; ++nr)
        s << QString::number(p.wybory[size_t(nr - 1)]) +
                 QString::number(okno_testowe::Lista(okno, nr)->currentIndex());
    for (int nr = 1; nr <= 3; ++nr)
        s << p.wymiary[size_t(nr - 1)] + u'|' + okno_testowe::Pole(okno, nr)->text();
    s << QStringList(p.dane.begin(), p.dane.end());
    s << QString::number(m.klasa().klasa) + QString::number(m.klasa().klasa_plus) +
             QString::number(m.wyniki().E, 'g', 17);
    for (const char *siatka : {"StringGrid1", "StringGrid2"}) {
        const auto *g = W<TStringGrid>(okno, siatka);
        for (int w = 0; w < g->RowCount(); ++w)
            for (int k = 0; k < g->columnCount(); ++k)
                s << g->Cells(k, w);
        // The widths the texts give the columns, however the rows came.
        for (int k = 0; szerokosci && k < g->columnCount(); ++k)
            s << QString::number(g->columnWidth(k));
    }
    for (const kerwano::WierszElementu &w : m.elementy().Wiersze())
        s << w.nazwa + u'|' + w.parametry + u'|' + w.TekstWysokosci() + u'|' + w.TekstKata();
    return s;
}

void TstProjekt::nowyProjekt_data()
{
    QTest::addColumn<bool>("zmieniony");
    QTest::newRow("unsaved changes, the question answered Nie") << true;
    QTest::newRow("saved") << false;
}

// "Cofnij" names the step it takes back; "Nowy projekt" (Ctrl+N) brings the
// start-up state of a fresh program back, unnamed, without history.
void TstProjekt::nowyProjekt()
{
    QFETCH(bool, zmieniony);
    okno_testowe::Strony(m_okno);
    const QStringList start = Stan(m_okno);
    okno_testowe::Budynek(m_okno);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
    okno_testowe::WczytajElementy(m_okno,
                                  {wzorcowy::Element("Komin & maszt", kerwano::TypUkladu::A, 1,
                                                     kerwano::Material::Powietrze, 12, 3)});
    m_okno->findChild<HistoriaProjektu *>()->UsunElement(1);
    auto *cofnij = W<QAction>(m_okno, "Cofnij1");
    QCOMPARE(cofnij->text(), QStringLiteral("&Cofnij: usunięcie elementu Komin && maszt"));
    cofnij->trigger();
    QCOMPARE(m_okno->projekt().elementy().Wiersz(1).nazwa, QStringLiteral("Komin & maszt"));
    QVERIFY(W<QAction>(m_okno, "Ponow1")->isEnabled());
    QVERIFY(!cofnij->isEnabled());
    if (!zmieniony) {
        Wybierz(Sciezka(QStringLiteral("nowy_projekt.kwp")));
        QVERIFY(m_okno->ZapiszProjekt(true));
    }

    bool zapytano = false;
    auto szukanie = Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        zapytano = true;
        for (QAbstractButton *b : m->buttons())
            if (b->text() == QStringLiteral("&Nie"))
                b->click();
    });
    W<QAction>(m_okno, "Nowyprojekt1")->trigger();
    delete szukanie;
    QCOMPARE(zapytano, zmieniony);
    QCOMPARE(Stan(m_okno), start);
    QCOMPARE(m_okno->windowTitle(), Tytul(QStringLiteral("Nowy projekt.kwp")));
    QVERIFY(m_okno->nienazwany());
    QVERIFY(!m_okno->zmodyfikowany());
    QVERIFY(!W<QAction>(m_okno, "Ponow1")->isEnabled());
    QCOMPARE(W<QTabWidget>(m_okno, "PageControl1")->currentIndex(), 0);
}

// The changes the recovery test makes to a project, the same in the child
// that is killed and in the window that shows what the child had.
static void ZmianyDoOdzyskania(TProgram_form *okno)
{
    okno_testowe::Wpisz(okno, 1, QStringLiteral("33,5"));
    auto *historia = okno->findChild<HistoriaProjektu *>();
    kerwano::DaneElementu e = okno->projekt().elementy().NowyElement();
    e.nazwa = QStringLiteral("Komin łazienki");
    e.H = 14;
    historia->DodajElement(e);
    std::array<QString, kerwano::LICZBA_DANYCH> dane = okno->projekt().DaneProjektu();
    dane[3] = QStringLiteral("Szkoła Podstawowa");
    historia->DaneProjektu(dane);
}

void TstProjekt::odzyskiwanie_data()
{
    QTest::addColumn<int>("sygnal");
    QTest::addColumn<bool>("przerwany"); // the project's own last save did not finish
    QTest::newRow("SIGKILL after the copy") << int(SIGKILL) << false;
    QTest::newRow("SIGTERM at once") << int(SIGTERM) << false;
    QTest::newRow("SIGKILL, the file's save unfinished") << int(SIGKILL) << true;
}

// A child with a modified project is killed; the next start offers its
// recovery copy (0600, in the user's data folder, not the project's), and
// "Przywróć" shows what the child showed, modified, under the project's name.
void TstProjekt::odzyskiwanie()
{
    QFETCH(int, sygnal);
    QFETCH(bool, przerwany);
    QTemporaryDir dane;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dane.path()));
    const QString projekt = Sciezka(QStringLiteral("odzysk.kwp"));
    QVERIFY(kerwano::ZapiszPlikProjektu(projekt, wzorcowy::Budynek()).isEmpty());

    QProcess dziecko;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("KERWANO_DZIECKO"), projekt);
    dziecko.setProcessEnvironment(srodowisko);
    dziecko.start(QCoreApplication::applicationFilePath(), {QStringLiteral("dziecko")});
    QVERIFY(dziecko.waitForStarted());
    QByteArray wyjscie;
    QTRY_VERIFY_WITH_TIMEOUT((wyjscie += dziecko.readAllStandardOutput()).contains("gotowe"),
                             20000);
    const QString kopia = QStringLiteral("%1/tst_projekt/kopie/%2-%3.kwp")
                              .arg(dane.path(), QSysInfo::machineHostName())
                              .arg(dziecko.processId());
    if (sygnal == SIGKILL)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(kopia), 10000);
    else
        QVERIFY(!QFileInfo::exists(kopia)); // not yet: the signal writes it
    ::kill(pid_t(dziecko.processId()), sygnal);
    QVERIFY(dziecko.waitForFinished(20000));
    struct stat st;
    QVERIFY(::stat(QFile::encodeName(kopia).constData(), &st) == 0);
    QCOMPARE(st.st_mode & 0777, 0600u);

    m_okno->WczytajProjekt(projekt);
    okno_testowe::Strony(m_okno);
    ZmianyDoOdzyskania(m_okno);
    TProgram_form nowe({QStringLiteral("kerwano")});
    nowe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&nowe));
    okno_testowe::Strony(&nowe);
    // The file's own unfinished save is settled before the copy is restored.
    const QString slad = projekt + QStringLiteral(".kopia");
    if (przerwany)
        QVERIFY(QFile::copy(projekt, slad));
    QString tekst, pytanie;
    Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        tekst = m->text();
        if (przerwany)
            Odpowiedz<TPrzerwany_zapis>([&](TPrzerwany_zapis *p) {
                pytanie = p->text();
                p->Zachowaj()->click();
            });
        for (QAbstractButton *b : m->buttons())
            if (b->text() == QStringLiteral("&Przywróć"))
                b->click();
    });
    nowe.ZaproponujOdzyskanie();
    QCOMPARE(pytanie.contains(QStringLiteral("odzysk.kwp.kopia")), przerwany);
    QVERIFY(!QFileInfo::exists(slad));
    QVERIFY2(tekst.contains(QStringLiteral("odzysk.kwp")) && tekst.contains(m_folder.path()),
             qPrintable(tekst));
    QCOMPARE(Stan(&nowe), Stan(m_okno));
    QCOMPARE(nowe.nazwa_pliku(), projekt);
    QVERIFY(nowe.zmodyfikowany());
    QVERIFY(!QFileInfo::exists(kopia)); // the restored copy gave way to this program's own
    nowe.UstawZmodyfikowany(false);
    qunsetenv("XDG_DATA_HOME");
}

// Runs only as the recovery test's child: the project named, changed, then
// waiting to be killed.
void TstProjekt::dziecko()
{
    const QString projekt = qEnvironmentVariable("KERWANO_DZIECKO");
    if (projekt.isEmpty())
        QSKIP("the child of odzyskiwanie");
    m_okno->WczytajProjekt(projekt);
    okno_testowe::Strony(m_okno);
    ZmianyDoOdzyskania(m_okno);
    std::printf("gotowe\n");
    std::fflush(stdout);
    QEventLoop petla; // SIGTERM ends it
    QTimer::singleShot(20000, &petla, &QEventLoop::quit);
    petla.exec();
}

void TstProjekt::blokada_data()
{
    QTest::addColumn<QString>("odpowiedz"); // "" when no question is expected
    QTest::addColumn<bool>("zabity");       // the other program killed first: its lock is stale
    // The other program's user: "" this one; "bob" another, in a folder both
    // write; "bob_bez_zapisu" another, in a folder he cannot write.
    QTest::addColumn<QString>("kto");
    QTest::newRow("Tylko do odczytu") << "&Tylko do odczytu" << false << "";
    QTest::newRow("Otwórz mimo to") << "&Otwórz mimo to" << false << "";
    QTest::newRow("Anuluj") << "&Anuluj" << false << "";
    QTest::newRow("stale lock taken over") << "" << true << "";
    QTest::newRow("another user, Tylko do odczytu") << "&Tylko do odczytu" << false << "bob";
    QTest::newRow("another user's folder without write permission: no lock")
        << "" << false << "bob_bez_zapisu";
}

// A project another running program holds is said so, with who holds it;
// the lock of a program that was killed is taken over without a word.
void TstProjekt::blokada()
{
    QFETCH(QString, odpowiedz);
    QFETCH(bool, zabity);
    QFETCH(QString, kto);
    if (!kto.isEmpty() && ::geteuid() != 0)
        QSKIP("acting as a second user needs root");
    QTemporaryDir dane;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dane.path()));
    const QString projekt = Sciezka(QStringLiteral("wspolny.kwp"));
    QVERIFY(kerwano::ZapiszPlikProjektu(projekt, wzorcowy::Budynek()).isEmpty());
    QProcess dziecko;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("KERWANO_DZIECKO"), projekt);
    dziecko.setProcessEnvironment(srodowisko);
    QStringList polecenie{QCoreApplication::applicationFilePath(), QStringLiteral("dziecko")};
    if (!kto.isEmpty()) {
        // bob's program: his own data folder; the project's folder his to write or not.
        QCOMPARE(::chown(QFile::encodeName(dane.path()).constData(), 64002, 64002), 0);
        QCOMPARE(::chmod(QFile::encodeName(m_folder.path()).constData(),
                         kto == QStringLiteral("bob") ? 0777 : 0755),
                 0);
        polecenie = QStringList{QStringLiteral("--reuid=64002"), QStringLiteral("--regid=64002"),
                                QStringLiteral("--clear-groups"), QStringLiteral("--")} +
                    polecenie;
    }
    const QString program = kto.isEmpty() ? polecenie.takeFirst() : QStringLiteral("setpriv");
    dziecko.start(program, polecenie);
    QVERIFY(dziecko.waitForStarted());
    QByteArray wyjscie;
    QTRY_VERIFY_WITH_TIMEOUT((wyjscie += dziecko.readAllStandardOutput()).contains("gotowe"),
                             20000);
    // Where the other program can make no lock, it opens the project as ever.
    QCOMPARE(QFileInfo::exists(kerwano::BlokadaProjektu::PlikBlokady(projekt)),
             kto != QStringLiteral("bob_bez_zapisu"));
    if (zabity) {
        ::kill(pid_t(dziecko.processId()), SIGKILL);
        QVERIFY(dziecko.waitForFinished(20000));
    }

    QString tekst;
    auto szukanie = Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        tekst = m->text();
        for (QAbstractButton *b : m->buttons())
            if (b->text() == odpowiedz)
                b->click();
    });
    m_okno->WczytajProjekt(projekt);
    delete szukanie;
    QCOMPARE(tekst.isEmpty(), odpowiedz.isEmpty());
    if (!tekst.isEmpty())
        QVERIFY2(tekst.contains(QSysInfo::machineHostName()), qPrintable(tekst));
    const bool otwarty = odpowiedz != QStringLiteral("&Anuluj");
    QCOMPARE(m_okno->nazwa_pliku(), otwarty ? projekt : QStringLiteral("Nowy projekt.kwp"));
    const bool odczyt = odpowiedz == QStringLiteral("&Tylko do odczytu");
    QCOMPARE(m_okno->tylko_do_odczytu(), odczyt);
    QCOMPARE(m_okno->windowTitle().contains(QStringLiteral("(tylko do odczytu)")), odczyt);
    Zmien();
    QCOMPARE(W<QAction>(m_okno, "Zapiszprojekt1")->isEnabled(), !odczyt);
    if (!zabity) {
        dziecko.terminate();
        QVERIFY(dziecko.waitForFinished(20000));
    }
    ::chmod(QFile::encodeName(m_folder.path()).constData(), 0700);
    qunsetenv("XDG_DATA_HOME");
}

void TstProjekt::historia_data()
{
    QTest::addColumn<quint32>("ziarno");
    QTest::addColumn<int>("kroki");
    for (quint32 ziarno : {1u, 2u, 3u, 4u, 5u, 6u})
        QTest::addRow("ziarno %u", ziarno) << ziarno << 60;
}

// Random operations of every kind on a random loaded project, with saves,
// undos and redos among them: every position of the history shows the
// project it showed before, cells included, undoing all gives back the
// project as loaded and redoing all the last one; the window is modified
// exactly when it is not at the position last saved.
void TstProjekt::historia()
{
    QFETCH(quint32, ziarno);
    QFETCH(int, kroki);
    QRandomGenerator los(ziarno);
    auto liczba = [&los](int od, int do_) { return int(los.bounded(od, do_ + 1)); };
    const QStringList wymiary = {"12,5", "0", "", ",", "300", "7", "1,25", "45"};

    kerwano::Projekt p =
        wzorcowy::Budynek(liczba(0, 2), wymiary[liczba(0, 7)], wymiary[liczba(0, 7)], "10");
    for (int i = liczba(0, 6); i > 0; --i)
        p.elementy << wzorcowy::Element(QStringLiteral("E%1").arg(i), kerwano::TypUkladu::B,
                                        liczba(1, 3), kerwano::Material::Powietrze, liczba(1, 50),
                                        liczba(1, 9), 2, 2);
    const QString plik = Sciezka(QStringLiteral("historia.kwp"));
    QVERIFY(kerwano::ZapiszPlikProjektu(plik, p).isEmpty());
    okno_testowe::Strony(m_okno);
    W<QTabWidget>(m_okno, "PageControl1")->setCurrentIndex(2);
    m_okno->WczytajProjekt(plik);
    auto *historia = m_okno->findChild<HistoriaProjektu *>();
    QVERIFY(historia);
    QCOMPARE(historia->count(), 0);

    QList<QStringList> stany = {Stan(m_okno, true)};
    int zapisany = 0;
    auto sprawdz = [&] {
        QCOMPARE(Stan(m_okno, true), stany.value(historia->index()));
        QCOMPARE(m_okno->zmodyfikowany(), historia->index() != zapisany);
    };
    for (int krok = 0; krok < kroki; ++krok) {
        const int n = m_okno->projekt().liczba_elementow();
        const int przed = historia->index();
        bool krok_historii = true;
        kerwano::DaneElementu e = m_okno->projekt().elementy().NowyElement();
        e.H = liczba(1, 60);
        e.typ_instalacji = kerwano::TypInstalacji(liczba(1, 3));
        // Names of many lengths: the first column's width follows the widest.
        e.nazwa = QString(liczba(1, 60), u'W');
        switch (liczba(0, 10)) {
        case 0:
        case 1: {
            const int nr = liczba(1, 13);
            QComboBox *c = okno_testowe::Lista(m_okno, nr);
            const int i = liczba(0, c->count() - 1);
            c->setCurrentIndex(i);
            emit c->activated(i);
            break;
        }
        case 2:
        case 3:
            okno_testowe::Pole(m_okno, liczba(1, 3))->setText(wymiary[liczba(0, 7)]);
            break;
        case 4:
            historia->ZamknijPole();
            krok_historii = false;
            break;
        case 5: {
            std::array<QString, kerwano::LICZBA_DANYCH> dane = m_okno->projekt().DaneProjektu();
            dane[size_t(liczba(0, 5))] = QString::number(liczba(0, 3));
            historia->DaneProjektu(dane);
            break;
        }
        case 6:
            historia->DodajElement(e);
            break;
        case 7:
            historia->ZmienElement(liczba(0, n + 1), e);
            break;
        case 8:
            historia->UsunElement(liczba(0, n + 1));
            break;
        case 9:
            historia->undo();
            sprawdz();
            if (QTest::currentTestFailed())
                return;
            continue;
        default:
            if (liczba(0, 1)) {
                historia->redo();
                sprawdz();
                if (QTest::currentTestFailed())
                    return;
                continue;
            }
            QVERIFY(m_okno->ZapiszProjekt(false));
            zapisany = historia->index();
            krok_historii = false;
            break;
        }
        // A step made where redo was possible drops the steps ahead, the
        // saved position with them.
        if (krok_historii && zapisany > przed)
            zapisany = -1;
        stany.resize(historia->index() + 1);
        stany[historia->index()] = Stan(m_okno, true);
        QCOMPARE(m_okno->zmodyfikowany(), historia->index() != zapisany);
    }
    while (historia->canUndo()) {
        historia->undo();
        sprawdz();
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(m_okno->projekt().elementy().Elementy().size(), p.elementy.size());
    for (int i = 0; i < p.elementy.size(); ++i)
        QCOMPARE(m_okno->projekt().elementy().Wiersz(i + 1).parametry, p.elementy[i].parametry);
    while (historia->canRedo()) {
        historia->redo();
        sprawdz();
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(historia->index(), historia->count());
}

QTEST_MAIN(TstProjekt)
#include "tst_projekt.moc"

// The recent projects of the "Program" menu, as their texts, in order.
static QStringList Ostatnie(const TProgram_form *okno)
{
    QStringList teksty;
    for (const QAction *a : W<QMenu>(okno, "Program1")->actions())
        if (a->objectName().startsWith(QStringLiteral("Ostatni")))
            teksty << a->text();
    return teksty;
}

void TstProjekt::ostatnieProjekty_data()
{
    QTest::addColumn<QStringList>("otwierane"); // opened in this order
    QTest::addColumn<QString>("usuniety");      // removed from the disk before the choice
    QTest::addColumn<int>("wybor");             // the item chosen, 1..9
    QTest::addColumn<QString>("otwarty");       // the project open after it
    QTest::addColumn<QStringList>("menu");      // the items after it
    QStringList jedenascie, po;
    for (int i = 1; i <= 11; ++i)
        jedenascie << QStringLiteral("p%1.kwp").arg(i);
    po << "&1 p3.kwp";
    for (int i = 11; i >= 4; --i)
        po << QStringLiteral("&%1 p%2.kwp").arg(13 - i).arg(i);
    QTest::newRow("eleven: the nine newest") << jedenascie << "" << 9 << "p3.kwp" << po;
    QTest::newRow("opened again: first, once") << QStringList{"a.kwp", "b.kwp", "a.kwp"} << "" << 2
                                               << "b.kwp" << QStringList{"&1 b.kwp", "&2 a.kwp"};
    QTest::newRow("missing: removed with a message")
        << QStringList{"a.kwp", "b.kwp"} << "a.kwp" << 2 << "b.kwp" << QStringList{"&1 b.kwp"};
    const QString nie_utf8 = QStringLiteral("z") + QChar(0xdcb3) + QStringLiteral(".kwp");
    QTest::newRow("an & and a name not UTF-8")
        << QStringList{"R&D.kwp", nie_utf8} << "" << 1 << nie_utf8
        << QStringList{QStringLiteral("&1 z\ufffd.kwp"), "&2 R&&D.kwp"};
}

// Projects opened or saved are listed newest first under "&1" .. "&9", for
// this run and the next; one gone from the disk is said so and dropped. A
// new project's file dialog starts in the folder chosen last.
void TstProjekt::ostatnieProjekty()
{
    QFETCH(QStringList, otwierane);
    QFETCH(QString, usuniety);
    QFETCH(int, wybor);
    QFETCH(QString, otwarty);
    QFETCH(QStringList, menu);
    for (const QString &nazwa : otwierane) {
        if (!QFileInfo::exists(Sciezka(nazwa)))
            QVERIFY(kerwano::ZapiszPlikProjektu(Sciezka(nazwa), wzorcowy::Nowy()).isEmpty());
        m_okno->WczytajProjekt(Sciezka(nazwa));
    }
    if (!usuniety.isEmpty())
        QVERIFY(QFile::remove(Sciezka(usuniety)));
    QString komunikat;
    auto szukanie = Odpowiedz<QMessageBox>([&](QMessageBox *m) {
        komunikat = m->text();
        m->accept();
    });
    W<QAction>(m_okno, QStringLiteral("Ostatni%1").arg(wybor).toLatin1().constData())->trigger();
    delete szukanie;
    QCOMPARE(komunikat.isEmpty(), usuniety.isEmpty());
    QCOMPARE(m_okno->nazwa_pliku(), Sciezka(otwarty));
    QCOMPARE(Ostatnie(m_okno), menu);

    // The next run lists them alike; its dialogs start where the last one chose.
    QString folder;
    const QString wybrany = Sciezka(QStringLiteral("z okna.kwp"));
    QVERIFY(kerwano::ZapiszPlikProjektu(wybrany, wzorcowy::Nowy()).isEmpty());
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        okno_testowe::WybierzPlik(d, wybrany);
        static_cast<QDialog *>(d)->accept();
    });
    W<QAction>(m_okno, "Wczytajprojekt1")->trigger();
    QCOMPARE(m_okno->nazwa_pliku(), wybrany);
    TProgram_form nowe({QStringLiteral("kerwano")});
    QCOMPARE(Ostatnie(&nowe), Ostatnie(m_okno));
    Odpowiedz<QFileDialog>([&](QFileDialog *d) {
        folder = d->directory().absolutePath();
        d->reject();
    });
    W<QAction>(&nowe, "Zapiszjako1")->trigger();
    QCOMPARE(folder, QDir(m_folder.path()).absolutePath());
}
