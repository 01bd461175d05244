#include "assessment/PlikOceny.h"
#include "assessment/okna/PoleOceny.h"
#include "assessment/okna/TOcena_ryzyka_form.h"
#include "pliki/NazwaPliku.h"
#include "project/BlokadaProjektu.h"
#include "project/KopiaOdzyskiwania.h"
#include "project/UstawieniaProgramu.h"
#include "project/okna/TDane_form.h"
#include "project/okna/TOdzyskiwanie.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

// The window "Ocena ryzyka" driven as a user drives it: what typing does to
// the marks, the results and the verdict, on a new document and on the
// country house of tests/ryzyko/.
class TstOcenaRyzykaForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void edycja_data();
    void edycja();
    void daneProjektu();
    void blokada_data();
    void blokada();
    void zmienionyNaDysku_data();
    void zmienionyNaDysku();
    void odzyskiwanie_data();
    void odzyskiwanie();
    void dialogi_data();
    void dialogi();

private:
    QTemporaryDir m_konfiguracja; // the settings of the test run, not the user's
};

namespace {

// Answers each message box shown, in turn, with the button of that text (the
// first button when none has it); `teksty` gets their texts.
void Odpowiedz(QObject *kontekst, const QStringList &odpowiedzi, QStringList *teksty)
{
    auto *zegar = new QTimer(kontekst);
    zegar->setInterval(10);
    QObject::connect(zegar, &QTimer::timeout, zegar, [=] {
        auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!m || !m->isVisible())
            return;
        const QString odpowiedz = odpowiedzi.value(int(teksty->size()));
        teksty->append(m->text());
        QAbstractButton *przycisk = m->buttons().value(0);
        for (QAbstractButton *b : m->buttons())
            if (b->text() == odpowiedz)
                przycisk = b;
        przycisk->click();
    });
    zegar->start();
}

QAction *Polecenie(QMainWindow *okno, const QString &tekst)
{
    for (QAction *a : okno->menuBar()->actions().first()->menu()->actions())
        if (a->text() == tekst)
            return a;
    return nullptr;
}

void Wpisz(QWidget *okno, const char *pole, const QString &tekst)
{
    auto *e = okno->findChild<PoleOceny *>(QLatin1String(pole))->findChild<QLineEdit *>();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, tekst);
}

} // namespace

void TstOcenaRyzykaForm::initTestCase()
{
    QVERIFY(m_konfiguracja.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_konfiguracja.path()));
}

void TstOcenaRyzykaForm::edycja_data()
{
    QTest::addColumn<bool>("dom");          // the house, or a new document
    QTest::addColumn<QStringList>("kroki"); // "scope.key=typed text", or "!button"
    QTest::addColumn<QString>("bledy");     // the fields marked, in order
    QTest::addColumn<QString>("werdykt");   // the verdict panel's text
    QTest::addColumn<bool>("zmieniony");

    const QString ponad = QStringLiteral("R1 = 2,51·10⁻⁵ > RT = 10⁻⁵: ochrona potrzebna");
    QTest::newRow("new")
        << false << QStringList()
        << QStringLiteral("obiekt.L obiekt.W obiekt.H obiekt.CD obiekt.NG obiekt.nt strefy[0].nz "
                          "strefy[0].rt strefy[0].rf")
        << QStringLiteral("Wyniki niedostępne: popraw zaznaczone pola (9).") << false;
    QTest::newRow("house opened") << true << QStringList() << QString() << ponad << false;
    QTest::newRow("H 0") << true << QStringList{QStringLiteral("obiekt.H=0")}
                         << QStringLiteral("obiekt.H")
                         << QStringLiteral("Wyniki niedostępne: popraw zaznaczone pola (1).")
                         << true;
    QTest::newRow("H 0, then 6") << true
                                 << QStringList{QStringLiteral("obiekt.H=0"),
                                                QStringLiteral("obiekt.H=6")}
                                 << QString() << ponad << true;
    QTest::newRow("nz 6") << true << QStringList{QStringLiteral("strefa.nz=6")}
                          << QStringLiteral("strefy[0].nz")
                          << QStringLiteral("Wyniki niedostępne: popraw zaznaczone pola (1).")
                          << true;
    QTest::newRow("nz 6, nt 6") << true
                                << QStringList{QStringLiteral("strefa.nz=6"),
                                               QStringLiteral("obiekt.nt=6")}
                                << QString()
                                << QStringLiteral("R1 = 2,51·10⁻⁵ > RT = 10⁻⁵: ochrona potrzebna")
                                << true;
    // A point typed is a comma: 1,5 h a year in the zone.
    QTest::newRow("point typed") << true << QStringList{QStringLiteral("strefa.tz=1.5")}
                                 << QString()
                                 << QStringLiteral("R1 = 4,29·10⁻⁹ ≤ RT = 10⁻⁵: dodatkowa "
                                                   "ochrona niepotrzebna")
                                 << true;
    // Both systems follow the renamed line.
    QTest::newRow("line renamed") << true << QStringList{QStringLiteral("linia.nazwa=Przylacze")}
                                  << QString() << ponad << true;
    QTest::newRow("line added") << true << QStringList{QStringLiteral("!Dodaj linię")} << QString()
                                << QStringLiteral("R1 = 4,11·10⁻⁵ > RT = 10⁻⁵: ochrona potrzebna")
                                << true;
    // Outside, the zone keeps RA alone; inside again, its hidden data count again.
    QTest::newRow("zone outside") << true << QStringList{QStringLiteral("!Na zewnątrz obiektu")}
                                  << QString()
                                  << QStringLiteral("R1 = 1,03·10⁻⁹ ≤ RT = 10⁻⁵: dodatkowa "
                                                    "ochrona niepotrzebna")
                                  << true;
    QTest::newRow("zone outside and back")
        << true
        << QStringList{QStringLiteral("!Na zewnątrz obiektu"), QStringLiteral("!Wewnątrz obiektu")}
        << QString() << ponad << true;
}

void TstOcenaRyzykaForm::edycja()
{
    QFETCH(bool, dom);
    QFETCH(QStringList, kroki);
    QFETCH(QString, bledy);
    QFETCH(QString, werdykt);
    QFETCH(bool, zmieniony);
    auto *okno = new TOcena_ryzyka_form([] { return QStringList(); });
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno));
    if (dom)
        QVERIFY(okno->Otworz(QStringLiteral(KERWANO_RYZYKO "/dom.kwr")));
    for (const QString &krok : std::as_const(kroki)) {
        if (krok.startsWith(u'!')) {
            for (QAbstractButton *b : okno->findChildren<QAbstractButton *>())
                if (b->text() == krok.mid(1))
                    b->click();
            continue;
        }
        const qsizetype rowne = krok.indexOf(u'=');
        auto *pole = okno->findChild<PoleOceny *>(krok.left(rowne));
        QVERIFY2(pole, qPrintable(krok));
        auto *tekst = pole->findChild<QLineEdit *>();
        tekst->selectAll();
        QTest::keyClick(tekst, Qt::Key_Delete);
        QTest::keyClicks(tekst, krok.mid(rowne + 1));
        if (krok.mid(rowne + 1).contains(u'.'))
            QCOMPARE(tekst->text(), krok.mid(rowne + 1).replace(u'.', u','));
    }
    QStringList pola;
    for (const kerwano::ocena::Komunikat &k : kerwano::ocena::Sprawdz(okno->dokument()).bledy)
        pola << k.pole;
    QCOMPARE(pola.join(u' '), bledy);
    auto *lista = okno->findChild<QListWidget *>(QStringLiteral("bledy"));
    QCOMPARE(lista->count(), int(pola.size()));
    QString tekst = okno->findChild<QLabel *>(QStringLiteral("werdykty"))->text();
    tekst.remove(QRegularExpression(QStringLiteral("<[^>]*>")))
        .replace(QLatin1String("&gt;"), QLatin1String(">"));
    QCOMPARE(tekst, werdykt);
    QCOMPARE(okno->zmodyfikowany(), zmieniony);
    // The printing commands only with results; the marks where the errors are.
    for (QAction *a : okno->menuBar()->actions().first()->menu()->actions())
        if (a->text().contains(QLatin1String("rukuj")))
            QCOMPARE(a->isEnabled(), bledy.isEmpty());
    if (bledy == QLatin1String("obiekt.H"))
        QCOMPARE(okno->findChild<PoleOceny *>(QStringLiteral("obiekt.H"))
                     ->findChild<QLineEdit *>()
                     ->toolTip(),
                 QStringLiteral("Wartość musi być większa od 0 i nie większa niż 1000."));
    okno->setAttribute(Qt::WA_DeleteOnClose, false);
    delete okno;
}

// The assessment's project data take any text, whole: no project file limits them.
void TstOcenaRyzykaForm::daneProjektu()
{
    TOcena_ryzyka_form okno([] { return QStringList(); });
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    const QString projektant = QStringLiteral("Ωmega ✓ ") + QString(300, u'x');
    bool odpowiedziano = false;
    QTimer::singleShot(0, &okno, [&] {
        auto *d = qobject_cast<TDane_form *>(QApplication::activeModalWidget());
        QVERIFY(d);
        auto *pole = d->findChild<QLineEdit *>(QStringLiteral("Edit3"));
        pole->selectAll();
        pole->insert(projektant);
        d->findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
        odpowiedziano = true;
    });
    for (QAction *a : okno.menuBar()->actions().first()->menu()->actions())
        if (a->text() == QLatin1String("&Dane projektu..."))
            a->trigger();
    QVERIFY(odpowiedziano);
    QCOMPARE(okno.dokument()["dane_projektu"]["projektant"].tekst, projektant);
    QVERIFY(okno.zmodyfikowany());
}

void TstOcenaRyzykaForm::blokada_data()
{
    QTest::addColumn<QString>("odpowiedz");
    QTest::newRow("Tylko do odczytu") << "&Tylko do odczytu";
    QTest::newRow("Otwórz mimo to") << "&Otwórz mimo to";
    QTest::newRow("Anuluj") << "&Anuluj";
}

// An assessment held by a program on another computer is said so, with who
// holds it; read-only, it is saved only under another name.
void TstOcenaRyzykaForm::blokada()
{
    QFETCH(QString, odpowiedz);
    QTemporaryDir folder;
    const QString plik = folder.filePath(QStringLiteral("dom.kwr"));
    QVERIFY(QFile::copy(QStringLiteral(KERWANO_RYZYKO "/dom.kwr"), plik));
    QFile obca(kerwano::BlokadaProjektu::PlikBlokady(plik));
    QVERIFY(obca.open(QIODevice::WriteOnly));
    obca.write("4242\nkerwano\nbiuro-7\n");
    obca.close();

    TOcena_ryzyka_form okno([] { return QStringList(); });
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QStringList teksty;
    Odpowiedz(&okno, {odpowiedz}, &teksty);
    const bool otwarty = odpowiedz != QLatin1String("&Anuluj");
    QCOMPARE(okno.Otworz(plik), otwarty);
    QCOMPARE(teksty.size(), 1);
    QVERIFY2(teksty[0].contains(QLatin1String("biuro-7")), qPrintable(teksty[0]));
    QCOMPARE(okno.plik(), otwarty ? plik : QString());
    const bool odczyt = odpowiedz == QLatin1String("&Tylko do odczytu");
    QCOMPARE(okno.tylko_do_odczytu(), odczyt);
    QCOMPARE(okno.windowTitle().contains(QLatin1String("(tylko do odczytu)")), odczyt);
    Wpisz(&okno, "obiekt.nt", QStringLiteral("7"));
    QCOMPARE(Polecenie(&okno, QStringLiteral("&Zapisz"))->isEnabled(), !odczyt);
    // The other program's lock stays as it was.
    QVERIFY(obca.open(QIODevice::ReadOnly));
    QCOMPARE(obca.readAll(), QByteArray("4242\nkerwano\nbiuro-7\n"));
}

void TstOcenaRyzykaForm::zmienionyNaDysku_data()
{
    QTest::addColumn<bool>("zmieniony");         // the file changed by someone else
    QTest::addColumn<bool>("czekaj");            // the change noticed before the save
    QTest::addColumn<QStringList>("odpowiedzi"); // to the questions, in turn
    QTest::addColumn<bool>("zapisany");          // the window's document in the file
    QTest::newRow("unchanged") << false << false << QStringList() << true;
    QTest::newRow("Zastąp") << true << false << QStringList{"&Zastąp"} << true;
    QTest::newRow("Anuluj") << true << false << QStringList{"&Anuluj"} << false;
    QTest::newRow("noticed, Wczytaj ponownie")
        << true << true << QStringList{"&Wczytaj ponownie"} << true;
    QTest::newRow("noticed, Zostaw, the save asks")
        << true << true << QStringList{"&Zostaw", "&Anuluj"} << false;
}

// A file changed on disk since it was read is replaced only when the user
// says so; one nobody changed is saved without a word. A change noticed
// while the window is open is offered for reading again.
void TstOcenaRyzykaForm::zmienionyNaDysku()
{
    QFETCH(bool, zmieniony);
    QFETCH(bool, czekaj);
    QFETCH(QStringList, odpowiedzi);
    QFETCH(bool, zapisany);
    QTemporaryDir folder;
    const QString plik = folder.filePath(QStringLiteral("dom.kwr"));
    QVERIFY(QFile::copy(QStringLiteral(KERWANO_RYZYKO "/dom.kwr"), plik));
    TOcena_ryzyka_form okno([] { return QStringList(); });
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QVERIFY(okno.Otworz(plik));
    kerwano::ocena::Json inny = okno.dokument();
    inny.Pole(QStringLiteral("obiekt"))
        ->Ustaw(QStringLiteral("nt"), kerwano::ocena::Json::Liczba(9));
    if (zmieniony)
        QVERIFY(kerwano::ocena::ZapiszOcene(plik, inny).isEmpty());
    Wpisz(&okno, "obiekt.nt", QStringLiteral("7"));
    QStringList teksty;
    Odpowiedz(&okno, odpowiedzi, &teksty);
    if (czekaj)
        QTRY_COMPARE(teksty.size(), 1);
    Polecenie(&okno, QStringLiteral("&Zapisz"))->trigger();
    QCOMPARE(teksty.size(), odpowiedzi.size());
    QCOMPARE(okno.zmodyfikowany(), !zapisany);
    kerwano::ocena::Json w_pliku;
    QVERIFY(kerwano::ocena::WczytajOcene(plik, w_pliku).isEmpty());
    QVERIFY(w_pliku == (zapisany ? okno.dokument() : inny));
}

void TstOcenaRyzykaForm::odzyskiwanie_data()
{
    QTest::addColumn<QString>("odpowiedz");
    QTest::addColumn<bool>("uszkodzona"); // the copy cannot be read
    QTest::addColumn<bool>("nazwana");    // the assessment has a file
    QTest::newRow("Przywróć") << "&Przywróć" << false << true;
    QTest::newRow("Przywróć, never saved") << "&Przywróć" << false << false;
    QTest::newRow("Odrzuć") << "&Odrzuć" << false << true;
    QTest::newRow("damaged") << "&Przywróć" << true << true;
}

// The copy of an assessment a program left behind is offered, restored into
// the window as modified under its own file's name, and replaced by the
// window's own copy; a copy that cannot be read is set aside.
void TstOcenaRyzykaForm::odzyskiwanie()
{
    QFETCH(QString, odpowiedz);
    QFETCH(bool, uszkodzona);
    QFETCH(bool, nazwana);
    QTemporaryDir dane, pliki;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dane.path()));
    const QString folder = kerwano::KopiaOdzyskiwania::Folder();
    const QString plik = pliki.filePath(QStringLiteral("dom.kwr"));
    QVERIFY(QFile::copy(QStringLiteral(KERWANO_RYZYKO "/dom.kwr"), plik));
    kerwano::ocena::Json zmieniona;
    QVERIFY(kerwano::ocena::WczytajOcene(plik, zmieniona).isEmpty());
    zmieniona.Pole(QStringLiteral("obiekt"))
        ->Ustaw(QStringLiteral("nt"), kerwano::ocena::Json::Liczba(9));
    const QString kopia = folder + QStringLiteral("/inny-1.kwr");
    QFile k(kopia), n(kopia + QStringLiteral(".nazwa"));
    QVERIFY(k.open(QIODevice::WriteOnly) && n.open(QIODevice::WriteOnly));
    k.write(uszkodzona ? QByteArray("{") : kerwano::ocena::TekstOceny(zmieniona));
    n.write(kerwano::KodujNazwePliku(nazwana ? plik : QString()));
    k.close();
    n.close();

    TOcena_ryzyka_form okno([] { return QStringList(); });
    auto *oferta = new TOdzyskiwanie([] { return QByteArray(); }, QStringLiteral("kwp"), &okno);
    oferta->UstawOcene([&okno](const kerwano::KopiaOdzyskana &k, QString &blad) {
        return okno.Przywroc(k, blad);
    });
    QStringList teksty;
    Odpowiedz(&okno, {odpowiedz, QStringLiteral("&Zastąp")}, &teksty);
    oferta->Zaproponuj();
    QCOMPARE(teksty.size(), uszkodzona ? 2 : 1);
    QVERIFY2(teksty[0].contains(nazwana ? QStringLiteral("dom.kwr")
                                        : QStringLiteral("Nowa ocena ryzyka.kwr")),
             qPrintable(teksty[0]));
    const bool przywrocona = odpowiedz == QStringLiteral("&Przywróć") && !uszkodzona;
    QCOMPARE(okno.zmodyfikowany(), przywrocona);
    QCOMPARE(okno.plik(), przywrocona && nazwana ? plik : QString());
    QCOMPARE(okno.dokument() == zmieniona, przywrocona);
    QVERIFY(!QFileInfo::exists(kopia));
    QCOMPARE(QFileInfo::exists(kopia + QStringLiteral(".uszkodzona")), uszkodzona);
    const QString wlasna = QStringLiteral("%1/%2-%3.kwr")
                               .arg(folder, QSysInfo::machineHostName())
                               .arg(QCoreApplication::applicationPid());
    QCOMPARE(QFileInfo::exists(wlasna), przywrocona);
    if (przywrocona && nazwana) {
        kerwano::ocena::Json w_kopii;
        QVERIFY(kerwano::ocena::WczytajOcene(wlasna, w_kopii).isEmpty());
        QVERIFY(w_kopii == zmieniona);
        // Its file is no longer what the document came from: asked, then saved.
        Polecenie(&okno, QStringLiteral("&Zapisz"))->trigger();
        QCOMPARE(teksty.size(), 2);
        QVERIFY(!okno.zmodyfikowany());
        QVERIFY(!QFileInfo::exists(wlasna));
    }
    qunsetenv("XDG_DATA_HOME");
}

QTEST_MAIN(TstOcenaRyzykaForm)
#include "tst_ocena_ryzyka_form.moc"

void TstOcenaRyzykaForm::dialogi_data()
{
    QTest::addColumn<bool>("nazwana"); // an assessment read from its file
    QTest::newRow("a new assessment: the folder last used") << false;
    QTest::newRow("an assessment opened: its folder and its name") << true;
}

// The file dialogs and the PDF dialog start in the assessment's folder or,
// for a new one, in the folder last used; they offer the assessment's name.
void TstOcenaRyzykaForm::dialogi()
{
    QFETCH(bool, nazwana);
    QTemporaryDir ostatni, folder, dane;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dane.path())); // the recovery copy
    kerwano::ustawienia::UstawOstatniFolder(ostatni.path());
    const QString plik = folder.filePath(QStringLiteral("dom.kwr"));
    QVERIFY(QFile::copy(QStringLiteral(KERWANO_RYZYKO "/dom.kwr"), plik));
    TOcena_ryzyka_form okno([] { return QStringList(); });
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    // A new assessment, valid for printing: the document of a file that has
    // no file of its own, as a restored copy of an assessment never saved.
    QString blad;
    if (nazwana)
        QVERIFY(okno.Otworz(plik));
    else
        QVERIFY(okno.Przywroc({plik, QString(), QDateTime()}, blad));
    QVERIFY(okno.plik().isEmpty() != nazwana);
    QStringList pytania; // "Zapisać zmiany...?" before another is opened: "Nie"
    Odpowiedz(&okno, {QStringLiteral("Nie")}, &pytania);
    const QString oczekiwany = QDir(nazwana ? folder.path() : ostatni.path()).absolutePath();
    const QString nazwa = nazwana ? QStringLiteral("dom") : QStringLiteral("Nowa ocena ryzyka");
    const QList<QPair<QString, QString>> polecenia = {
        {QStringLiteral("&Otwórz..."), QString()},
        {QStringLiteral("Zapisz &jako..."), nazwa + QStringLiteral(".kwr")},
        {QStringLiteral("Zapisz wydruk jako &PDF..."), nazwa + QStringLiteral(".pdf")}};
    for (const auto &[polecenie, proponowana] : polecenia) {
        QString w_folderze, nazwa_pliku;
        bool pokazany = false;
        QTimer zegar;
        zegar.setInterval(10);
        QObject::connect(&zegar, &QTimer::timeout, &okno, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!d || !d->isVisible())
                return;
            pokazany = true;
            w_folderze = d->directory().absolutePath();
            auto *pole = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            nazwa_pliku = pole ? pole->text() : QString();
            d->reject();
        });
        zegar.start();
        QAction *a = Polecenie(&okno, polecenie);
        QVERIFY2(a && a->isEnabled(), qPrintable(polecenie));
        a->trigger();
        QVERIFY2(pokazany, qPrintable(polecenie));
        QCOMPARE(w_folderze, oczekiwany);
        if (!proponowana.isEmpty())
            QCOMPARE(nazwa_pliku, proponowana);
    }
    qunsetenv("XDG_DATA_HOME");
}
