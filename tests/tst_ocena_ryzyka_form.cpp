#include "assessment/okna/PoleOceny.h"
#include "assessment/okna/TOcena_ryzyka_form.h"
#include "project/okna/TDane_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QtTest>

// The window "Ocena ryzyka" driven as a user drives it: what typing does to
// the marks, the results and the verdict, on a new document and on the
// country house of tests/ryzyko/.
class TstOcenaRyzykaForm : public QObject
{
    Q_OBJECT
private slots:
    void edycja_data();
    void edycja();
    void daneProjektu();
};

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

QTEST_MAIN(TstOcenaRyzykaForm)
#include "tst_ocena_ryzyka_form.moc"
