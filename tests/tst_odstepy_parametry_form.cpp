#include "Widzet.h"
#include "elements/UkladyElementu.h"
#include "elements/okna/TObraz.h"
#include "elements/okna/TOdstepy_parametry_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QtTest>

// The element dialog on its own: defaults, the fields each layout needs,
// the key filters, conversion on change, Esc and Enter.
class TstOdstepyParametryForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void domyslne();
    void obrazyIUklady();
    void zElementu();
    void filtry_data();
    void filtry();
    void ostatniaPoprawnaWartosc();
    void nazwa();
    void klawisze_data();
    void klawisze();
    void odmowy_data();
    void odmowy();
    void rysunki_data();
    void rysunki();

private:
    QWidget *Kontrolka(const QString &nazwa) const { return m_d->findChild<QWidget *>(nazwa); }
    bool Widoczne(std::initializer_list<QWidget *> w) const
    {
        for (QWidget *x : w)
            if (!x->isVisibleTo(m_d))
                return false;
        return true;
    }
    bool Ukryte(std::initializer_list<QWidget *> w) const
    {
        for (QWidget *x : w)
            if (x->isVisibleTo(m_d))
                return false;
        return true;
    }
    TOdstepy_parametry_form *m_d = nullptr;
};

void TstOdstepyParametryForm::init()
{
    m_d = new TOdstepy_parametry_form;
    m_d->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_d));
}

void TstOdstepyParametryForm::cleanup()
{
    delete m_d;
    m_d = nullptr;
}

void TstOdstepyParametryForm::domyslne()
{
    QCOMPARE(m_d->windowTitle(), QStringLiteral("Parametry odstępów izolacyjnych"));
    QVERIFY(W<QRadioButton>(m_d, "RadioButton1")->isChecked() &&
            W<QRadioButton>(m_d, "RadioButton3")->isChecked() &&
            W<QRadioButton>(m_d, "RadioButton6")->isChecked());
    QCOMPARE(m_d->Element().uklad, kerwano::TypUkladu::A);
    QCOMPARE(m_d->Element().typ_instalacji, kerwano::TypInstalacji::Uklad1);
    QCOMPARE(m_d->Element().material, kerwano::Material::Powietrze);
    QVERIFY(Ukryte({W<QLabel>(m_d, "Label_fc"), W<QLineEdit>(m_d, "Edit_fc"),
                    W<QLabel>(m_d, "Label_n"), W<QLineEdit>(m_d, "Edit_n")}));
    QCOMPARE(m_d->Element().H, 0.0);
    QCOMPARE(m_d->Element().n, 0);
    QVERIFY(m_d->Element().nazwa.isEmpty());
    QCOMPARE(W<QLabel>(m_d, "Label2")->text(),
             QStringLiteral("Sposób wykonania instalacji odgomowej:"));
    QCOMPARE(W<QGroupBox>(m_d, "GroupBox1")->title(), QStringLiteral(" Materiał izolacyjny "));
    QCOMPARE(W<TObraz>(m_d, "Image1")->size(), QSize(200, 161));
    QVERIFY(W<QPushButton>(m_d, "Button1")->isDefault());
    // Blue captions: parameter labels and every radio button.
    for (QWidget *w : {static_cast<QWidget *>(W<QLabel>(m_d, "Label_H")),
                       static_cast<QWidget *>(W<QLabel>(m_d, "Label_n")),
                       static_cast<QWidget *>(W<QRadioButton>(m_d, "RadioButton2")),
                       static_cast<QWidget *>(W<QRadioButton>(m_d, "RadioButton7"))})
        QCOMPARE(w->palette().color(w->foregroundRole()), QColor(0, 0, 255));
    // The tab order runs from the name to "Anuluj".
    auto nastepny = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    QList<QWidget *> kolejnosc = {W<QLineEdit>(m_d, "Edit1")};
    while (kolejnosc.size() < 14)
        kolejnosc << nastepny(kolejnosc.last());
    QCOMPARE(kolejnosc,
             (QList<QWidget *>{
                 W<QLineEdit>(m_d, "Edit1"), W<QRadioButton>(m_d, "RadioButton6"),
                 W<QRadioButton>(m_d, "RadioButton7"), W<QLineEdit>(m_d, "Edit_H"),
                 W<QLineEdit>(m_d, "Edit_L"), W<QLineEdit>(m_d, "Edit_fc"),
                 W<QLineEdit>(m_d, "Edit_n"), W<QRadioButton>(m_d, "RadioButton1"),
                 W<QRadioButton>(m_d, "RadioButton2"), W<QRadioButton>(m_d, "RadioButton3"),
                 W<QRadioButton>(m_d, "RadioButton4"), W<QRadioButton>(m_d, "RadioButton5"),
                 W<QPushButton>(m_d, "Button1"), W<QPushButton>(m_d, "Button2")}));
}

void TstOdstepyParametryForm::obrazyIUklady()
{
    QTest::mouseClick(W<TObraz>(m_d, "Image6"), Qt::LeftButton);
    QVERIFY(W<QRadioButton>(m_d, "RadioButton5")->isChecked());
    QCOMPARE(W<QLabel>(m_d, "Label_fc")->text(), QStringLiteral("&c [m]"));
    QVERIFY(Widoczne({W<QLabel>(m_d, "Label_fc"), W<QLineEdit>(m_d, "Edit_fc"),
                      W<QLabel>(m_d, "Label_n"), W<QLineEdit>(m_d, "Edit_n")}));
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit_fc"), QStringLiteral("7"));

    // Layout 2 after 3: "f [m]", no n, and the value typed for c is f now.
    QTest::mouseClick(W<QRadioButton>(m_d, "RadioButton4"), Qt::LeftButton, {},
                      QPoint(6, W<QRadioButton>(m_d, "RadioButton4")->height() / 2));
    QCOMPARE(W<QLabel>(m_d, "Label_fc")->text(), QStringLiteral("&f [m]"));
    QVERIFY(Widoczne({W<QLabel>(m_d, "Label_fc"), W<QLineEdit>(m_d, "Edit_fc")}));
    QVERIFY(Ukryte({W<QLabel>(m_d, "Label_n"), W<QLineEdit>(m_d, "Edit_n")}));
    QCOMPARE(m_d->Element().fc, 7.0);
    QCOMPARE(m_d->Element().typ_instalacji, kerwano::TypInstalacji::Uklad2);

    QTest::mouseClick(W<TObraz>(m_d, "Image4"), Qt::LeftButton);
    QVERIFY(Ukryte({W<QLabel>(m_d, "Label_fc"), W<QLineEdit>(m_d, "Edit_fc"),
                    W<QLabel>(m_d, "Label_n"), W<QLineEdit>(m_d, "Edit_n")}));
    QTest::mouseClick(W<TObraz>(m_d, "Image3"), Qt::LeftButton);
    QCOMPARE(m_d->Element().uklad, kerwano::TypUkladu::B);
    QTest::mouseClick(W<TObraz>(m_d, "Image1"), Qt::LeftButton);
    QCOMPARE(m_d->Element().uklad, kerwano::TypUkladu::A);
}

// Given an element, the dialog checks its buttons as clicks do and shows the
// fields of its layout, with the numbers written as the element list writes
// them.
void TstOdstepyParametryForm::zElementu()
{
    kerwano::DaneElementu e;
    e.nazwa = QStringLiteral("Siatka");
    e.uklad = kerwano::TypUkladu::B;
    e.typ_instalacji = kerwano::TypInstalacji::Uklad3;
    e.material = kerwano::Material::Dielektryk;
    e.H = 12.5;
    e.L = 2.346;
    e.fc = 10;
    e.n = 4;
    TOdstepy_parametry_form d(e);
    QCOMPARE(W<QLabel>(&d, "Label_fc")->text(), QStringLiteral("&c [m]"));
    QVERIFY(!W<QLineEdit>(&d, "Edit_n")->isHidden());
    QCOMPARE((QStringList{W<QLineEdit>(&d, "Edit1")->text(), W<QLineEdit>(&d, "Edit_H")->text(),
                          W<QLineEdit>(&d, "Edit_L")->text(), W<QLineEdit>(&d, "Edit_fc")->text(),
                          W<QLineEdit>(&d, "Edit_n")->text()}),
             (QStringList{"Siatka", "12,50", "2,35", "10,00", "4"}));
    const kerwano::DaneElementu wynik = d.Element();
    QCOMPARE(wynik.uklad, kerwano::TypUkladu::B);
    QCOMPARE(wynik.typ_instalacji, kerwano::TypInstalacji::Uklad3);
    QCOMPARE(wynik.material, kerwano::Material::Dielektryk);
    // The values come from the texts: L as the field shows it.
    QCOMPARE(wynik.L, 2.35);

    // Layout 1, already checked in a new dialog, still brings its fields.
    e.typ_instalacji = kerwano::TypInstalacji::Uklad1;
    TOdstepy_parametry_form d1(e);
    QVERIFY(W<QLineEdit>(&d1, "Edit_fc")->isHidden());
    QVERIFY(W<QLineEdit>(&d1, "Edit_n")->isHidden());
}

void TstOdstepyParametryForm::filtry_data()
{
    QTest::addColumn<QString>("pole");
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("tekst");

    QTest::newRow("H: letters, point, minus") << "Edit_H"
                                              << "a.-1,5e"
                                              << "1,5";
    QTest::newRow("L: digits and comma") << "Edit_L"
                                         << "12,75"
                                         << "12,75";
    QTest::newRow("f/c: several commas pass") << "Edit_fc"
                                              << ",,3"
                                              << ",,3";
    QTest::newRow("n: no comma") << "Edit_n"
                                 << "1,2a"
                                 << "12";
    QTest::newRow("name: anything") << "Edit1"
                                    << "K-1.a"
                                    << "K-1.a";
}

void TstOdstepyParametryForm::filtry()
{
    QFETCH(QString, pole);
    QFETCH(QString, klawisze);
    W<QRadioButton>(m_d, "RadioButton5")->setChecked(true);
    auto *e = qobject_cast<QLineEdit *>(Kontrolka(pole));
    QVERIFY(e);
    e->clear();
    QTest::keyClicks(e, klawisze);
    QTEST(e->text(), "tekst");
}

void TstOdstepyParametryForm::ostatniaPoprawnaWartosc()
{
    W<QRadioButton>(m_d, "RadioButton5")->setChecked(true);
    W<QLineEdit>(m_d, "Edit_H")->setText(QStringLiteral("1,00"));
    QCOMPARE(m_d->Element().H, 1.0);
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit_H"), QStringLiteral("5"));
    QCOMPARE(m_d->Element().H, 1.005);

    // Cleared in one step: the last value that converted stays.
    W<QLineEdit>(m_d, "Edit_H")->clear();
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit_H"), QStringLiteral("12"));
    W<QLineEdit>(m_d, "Edit_H")->selectAll();
    QTest::keyClick(W<QLineEdit>(m_d, "Edit_H"), Qt::Key_Delete);
    QCOMPARE(m_d->Element().H, 12.0);
    // Character by character: 1 is the last text that converted.
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit_H"), QStringLiteral("12"));
    QTest::keyClick(W<QLineEdit>(m_d, "Edit_H"), Qt::Key_Backspace);
    QTest::keyClick(W<QLineEdit>(m_d, "Edit_H"), Qt::Key_Backspace);
    QCOMPARE(m_d->Element().H, 1.0);
    // A lone comma and two commas do not convert either.
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit_H"), QStringLiteral("2,5,"));
    QCOMPARE(m_d->Element().H, 2.5);

    W<QLineEdit>(m_d, "Edit_n")->clear();
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit_n"), QStringLiteral("3"));
    QTest::keyClick(W<QLineEdit>(m_d, "Edit_n"), Qt::Key_Backspace);
    QCOMPARE(m_d->Element().n, 3);
}

void TstOdstepyParametryForm::nazwa()
{
    QTest::keyClicks(W<QLineEdit>(m_d, "Edit1"), QString(45, QLatin1Char('x')));
    QCOMPARE(W<QLineEdit>(m_d, "Edit1")->text().size(), 40);
    QCOMPARE(m_d->Element().nazwa, QString(40, QLatin1Char('x')));
}

void TstOdstepyParametryForm::klawisze_data()
{
    QTest::addColumn<QString>("kontrolka");
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<int>("wynik");

    const int ok = QDialog::Accepted, anuluj = QDialog::Rejected;
    for (const char *k : {"Edit1", "Edit_H", "Edit_L", "Edit_fc", "Edit_n", "RadioButton1",
                          "RadioButton5", "RadioButton7", "Button1", "Button2"})
        QTest::addRow("Esc on %s", k) << k << int(Qt::Key_Escape) << anuluj;
    for (const char *k : {"Edit1", "Edit_H", "Edit_L", "Edit_fc", "Edit_n", "RadioButton2"})
        QTest::addRow("Enter on %s", k) << k << int(Qt::Key_Return) << ok;
    QTest::newRow("Enter on Anuluj") << "Button2" << int(Qt::Key_Return) << anuluj;
}

void TstOdstepyParametryForm::klawisze()
{
    QFETCH(QString, kontrolka);
    QFETCH(int, klawisz);
    W<QRadioButton>(m_d, "RadioButton5")->setChecked(true);
    W<QLineEdit>(m_d, "Edit_H")->setText(QStringLiteral("1"));
    W<QLineEdit>(m_d, "Edit_n")->setText(QStringLiteral("1"));
    QWidget *w = Kontrolka(kontrolka);
    QVERIFY(w);
    w->setFocus();
    m_d->setResult(-1);
    QTest::keyClick(w, Qt::Key(klawisz));
    QTEST(m_d->result(), "wynik");
    QVERIFY(!m_d->isVisible());
}

void TstOdstepyParametryForm::odmowy_data()
{
    QTest::addColumn<QString>("uklad"); // the arrangement's and the layout's buttons
    QTest::addColumn<QString>("H");
    QTest::addColumn<QString>("fc");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("pole"); // the field refused, or empty: accepted
    QTest::addColumn<QString>("powod");

    const QString n = QStringLiteral("Liczba zwodów n musi wynosić co najmniej 1.");
    const QString H = QStringLiteral("Wysokość H musi być większa od zera.");
    const QString fH = QStringLiteral("Wysokość H lub rozpiętość f musi być większa od zera.");
    // clang-format off
    QTest::newRow("layout 3, n = 0")          << "1 5" << "10"    << "10" << "0" << "Edit_n" << n;
    QTest::newRow("layout 3, n = 0, H = 0")   << "1 5" << "0"     << "10" << "0" << "Edit_n" << n;
    QTest::newRow("layout 3, H = 0")          << "1 5" << "0"     << "10" << "4" << "Edit_H" << H;
    QTest::newRow("layout 3, H written 0,00") << "1 5" << "0,004" << "10" << "4" << "Edit_H" << H;
    QTest::newRow("layout 3, n = 1")          << "1 5" << "10"    << "0"  << "1" << ""       << "";
    QTest::newRow("layout 3 of B, n = 0")     << "2 5" << "10"    << "10" << "0" << "Edit_n" << n;
    QTest::newRow("layout 2, f = H = 0")      << "1 4" << "0"     << "0"  << "0" << "Edit_H" << fH;
    QTest::newRow("layout 2, H = 0, f > 0")   << "1 4" << "0"     << "3"  << "0" << ""       << "";
    QTest::newRow("layout 1, all 0")          << "1 3" << "0"     << "0"  << "0" << ""       << "";
    // clang-format on
}

// OK with numbers the layout cannot compute a distance from keeps the
// dialog open, puts the focus on the field and says why under it.
void TstOdstepyParametryForm::odmowy()
{
    QFETCH(QString, uklad);
    QFETCH(QString, pole);
    QFETCH(QString, powod);
    for (const QString &nr : uklad.split(u' '))
        W<QRadioButton>(m_d, ("RadioButton" + nr).toLatin1().constData())->setChecked(true);
    QFETCH(QString, H);
    QFETCH(QString, fc);
    QFETCH(QString, n);
    W<QLineEdit>(m_d, "Edit_H")->setText(H);
    W<QLineEdit>(m_d, "Edit_fc")->setText(fc);
    W<QLineEdit>(m_d, "Edit_n")->setText(n);
    Kontrolka("Edit1")->setFocus();
    QToolTip::hideText();
    m_d->setResult(-1);
    QTest::mouseClick(W<QPushButton>(m_d, "Button1"), Qt::LeftButton);
    if (pole.isEmpty()) {
        QCOMPARE(m_d->result(), int(QDialog::Accepted));
        QVERIFY(!m_d->isVisible());
        return;
    }
    QVERIFY(m_d->isVisible());
    QCOMPARE(m_d->result(), -1);
    QCOMPARE(m_d->focusWidget(), Kontrolka(pole));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), powod);
}

QTEST_MAIN(TstOdstepyParametryForm)
void TstOdstepyParametryForm::rysunki_data()
{
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<QString>("plik");
    QTest::addColumn<QString>("nazwa");
    for (const kerwano::OpisUkladu &u : kerwano::Uklady())
        QTest::newRow(qPrintable(u.rysunek.nazwa))
            << u.przycisk << u.rysunek.plik << u.rysunek.nazwa;
    for (const kerwano::OpisInstalacji &i : kerwano::Instalacje())
        QTest::newRow(qPrintable(i.rysunek.nazwa))
            << i.przycisk << i.rysunek.plik << i.rysunek.nazwa;
}

// Every arrangement and layout has its button, and its picture is a
// resource of the program, read by screen readers under its name.
void TstOdstepyParametryForm::rysunki()
{
    QFETCH(QString, przycisk);
    QFETCH(QString, plik);
    QFETCH(QString, nazwa);
    QVERIFY(QFile::exists(plik));
    const auto przyciski = m_d->findChildren<QRadioButton *>();
    QCOMPARE(std::count_if(przyciski.begin(), przyciski.end(),
                           [&](const QRadioButton *r) { return r->text() == przycisk; }),
             1);
    const auto obrazy = m_d->findChildren<TObraz *>();
    QCOMPARE(std::count_if(obrazy.begin(), obrazy.end(),
                           [&](const TObraz *o) { return o->accessibleName() == nazwa; }),
             1);
}

#include "tst_odstepy_parametry_form.moc"
