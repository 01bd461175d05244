#include "Widzet.h"
#include "project/ModelProjektu.h"
#include "risk/okna/TKlasa_strona.h"
#include "tests/BudynekWzorcowy.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QtTest>

#include <array>
#include <memory>

namespace {

// A building: the list indices and the dimensions.
struct Budynek
{
    std::array<int, 13> wybory;
    double L, S, H;
};

Budynek Dane(const std::array<int, 13> &wybory, double L, double S, double H)
{
    return {wybory, L, S, H};
}

// The project of that building, calculated.
std::unique_ptr<kerwano::ModelProjektu> Projekt(const Budynek &b)
{
    auto m = std::make_unique<kerwano::ModelProjektu>();
    m->UstawDomyslne();
    for (int nr = 1; nr <= 13; ++nr)
        m->UstawWybor(nr, b.wybory[std::size_t(nr - 1)]);
    const double wymiary[3] = {b.L, b.S, b.H};
    for (int nr = 1; nr <= 3; ++nr)
        m->UstawWymiar(nr, QString::number(wymiary[nr - 1]).replace(u'.', u','));
    return m;
}

// Counts the layout requests that reach the page itself.
class LicznikUkladow : public QObject
{
public:
    int n = 0;

protected:
    bool eventFilter(QObject *, QEvent *zdarzenie) override
    {
        n += zdarzenie->type() == QEvent::LayoutRequest;
        return false;
    }
};

constexpr int wysokosc_strony = 553;

// Every layout request a change led to, one level of the page after another.
void Spokoj()
{
    for (int i = 0; i < 16; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Until `strona` has had no layout request for a while: what showing and
// resizing it asked for has all been done, also on a busy machine.
void Cisza(QWidget &strona)
{
    LicznikUkladow licznik;
    strona.installEventFilter(&licznik);
    for (int proba = 0; proba < 50; ++proba) {
        licznik.n = 0;
        Spokoj();
        QTest::qWait(20);
        Spokoj();
        if (licznik.n == 0)
            break;
    }
    strona.removeEventFilter(&licznik);
}

void Pokaz(TKlasa_strona &strona, int szerokosc)
{
    strona.resize(szerokosc, wysokosc_strony);
    strona.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strona));
    Spokoj();
}

} // namespace

Q_DECLARE_METATYPE(Budynek)

// Page 1 on its own: new results relay out the page only when they need
// other room, and the page then looks exactly as one built with them.
class TstKlasaStrona : public QObject
{
    Q_OBJECT
private slots:
    void noweWyniki_data();
    void noweWyniki();
};

void TstKlasaStrona::noweWyniki_data()
{
    QTest::addColumn<Budynek>("przed");
    QTest::addColumn<Budynek>("po");
    QTest::addColumn<QList<int>>("szerokosci"); // first shown, at the change, at the end
    QTest::addColumn<bool>("uklad");            // the change relays out the page

    const auto &wzor = wzorcowy::WYBORY; // class I at 30 x 20 x 10 m
    const Budynek I = Dane(wzor, 30, 20, 10);
    const QList<int> stala = {656, 656, 656};
    auto inne_A = wzor; // A = 80: one digit more
    inne_A[0] = inne_A[1] = inne_A[2] = inne_A[3] = 0;
    QTest::newRow("same results") << I << I << stala << false;
    QTest::newRow("Ae, Nd and E, class I stays") << I << Dane(wzor, 30, 2, 10) << stala << false;
    QTest::newRow("Ae in exponent form, I+ stays")
        << Dane(wzor, 60, 40, 20) << Dane(wzor, 3000, 3000, 10) << stala << false;
    QTest::newRow("class I to IV, one line each") << I << Dane(wzor, 30, 20, 1) << stala << false;
    QTest::newRow("class I to I+, two lines") << I << Dane(wzor, 60, 40, 20) << stala << true;
    QTest::newRow("no area: no class, two lines") << I << Dane(wzor, 0, 20, 0) << stala << true;
    QTest::newRow("A wider") << I << Dane(inne_A, 30, 20, 10) << stala << true;
    QTest::newRow("A narrower") << Dane(inne_A, 30, 20, 10) << I << stala << true;
    // Changed while wide, then narrowed: the verdict's lines at the new
    // width are laid out anew.
    QTest::newRow("I+ while wide, then narrow")
        << Dane(wzor, 30, 20, 1) << Dane(wzor, 60, 40, 20) << QList<int>{1500, 1500, 656} << true;
    QTest::newRow("narrow, wide, I to IV, narrow")
        << I << Dane(wzor, 30, 20, 1) << QList<int>{656, 1500, 700} << false;
}

void TstKlasaStrona::noweWyniki()
{
    QFETCH(Budynek, przed);
    QFETCH(Budynek, po);
    QFETCH(QList<int>, szerokosci);
    QFETCH(bool, uklad);

    const kerwano::ModelProjektu pusty;
    TKlasa_strona strona(pusty);
    Pokaz(strona, szerokosci[0]);
    strona.PokazWyniki(*Projekt(przed));
    Spokoj();
    Pokaz(strona, szerokosci[1]);
    Cisza(strona);

    LicznikUkladow licznik;
    strona.installEventFilter(&licznik);
    strona.PokazWyniki(*Projekt(po));
    Spokoj();
    QCOMPARE(licznik.n > 0, uklad);
    strona.removeEventFilter(&licznik);
    Pokaz(strona, szerokosci[2]);

    TKlasa_strona nowa(pusty);
    Pokaz(nowa, szerokosci[2]);
    nowa.PokazWyniki(*Projekt(po));
    Spokoj();
    for (const char *etykieta : {"Label21", "Label_Ae"})
        QCOMPARE(W<QLabel>(&strona, etykieta)->text(), W<QLabel>(&nowa, etykieta)->text());
    QVERIFY(strona.grab().toImage() == nowa.grab().toImage());
}

QTEST_MAIN(TstKlasaStrona)
#include "tst_klasa_strona.moc"
