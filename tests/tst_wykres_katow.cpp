#include "angles/KrzyweKatow.h"
#include "angles/okna/TWykres_katow.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using kerwano::KrzyweKatow;

namespace {

const QColor kolory[4] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(255, 255, 0),
                          QColor(0, 0, 255)};
const QRgb bialy = qRgb(255, 255, 255);

// Antialiased filling may leave a full pixel a few levels off the colour.
bool PodobnyKolor(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

// Pure white appears only where a guide line is drawn: the background,
// grid, text and curves never produce it.
int BialePiksele(const QImage &obraz, const QRect &obszar)
{
    int n = 0;
    const QRect r = obszar & obraz.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += obraz.pixel(x, y) == bialy;
    return n;
}

int PikseleKoloru(const QImage &obraz, const QRect &obszar, QColor kolor)
{
    int n = 0;
    const QRect r = obszar & obraz.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += PodobnyKolor(obraz.pixelColor(x, y), kolor);
    return n;
}

// A band a few pixels wide around a vertical or horizontal guide line,
// stopping short of its ends.
QRect PasPionowy(QPointF p, double dol)
{
    return QRect(QPoint(qFloor(p.x()) - 1, qCeil(p.y()) + 6),
                 QPoint(qCeil(p.x()) + 1, qFloor(dol) - 2));
}

QRect PasPoziomy(double lewa, QPointF p)
{
    return QRect(QPoint(qCeil(lewa) + 2, qFloor(p.y()) - 1),
                 QPoint(qFloor(p.x()) - 6, qCeil(p.y()) + 1));
}

QImage Obraz(TWykres_katow &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class LicznikMalowan : public QObject
{
public:
    explicit LicznikMalowan(QWidget *w) { w->installEventFilter(this); }
    int n = 0;

protected:
    bool eventFilter(QObject *, QEvent *zdarzenie) override
    {
        n += zdarzenie->type() == QEvent::Paint;
        return false;
    }
};

bool Blisko(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

} // namespace

class TestWykresKatow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wyglad();
    void czcionki_data();
    void czcionki();
    void osieStale();
    void serie_data();
    void serie();
    void odwzorowanie();
    void znacznikiKoncow_data();
    void znacznikiKoncow();
    void linieKata_data();
    void linieKata();
    void linieIgnorowane_data();
    void linieIgnorowane();
    void odswiezUsuwaLinie();
    void linieZostajaPoPrzemalowaniu();
    void jednoMalowanie();
    void jakNowy_data();
    void jakNowy();

private:
    KrzyweKatow m_krzywe;
    std::unique_ptr<TWykres_katow> m_wykres;
};

void TestWykresKatow::init()
{
    m_wykres = std::make_unique<TWykres_katow>();
    m_wykres->PrzygotujWykres(m_krzywe);
    m_wykres->resize(m_wykres->sizeHint());
    m_wykres->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_wykres.get()));
}

void TestWykresKatow::cleanup()
{
    m_wykres.reset();
}

// Runs before any other chart exists, so it includes the first-use costs.
void TestWykresKatow::initTestCase()
{
    QElapsedTimer zegar;
    zegar.start();
    TWykres_katow wykres;
    wykres.PrzygotujWykres(m_krzywe);
    const qint64 us = zegar.nsecsElapsed() / 1000;
    qInfo("chart construction + PrzygotujWykres: %.2f ms", us / 1000.0);
    QVERIFY2(us < 200000, qPrintable(QString::number(us)));
}

void TestWykresKatow::wyglad()
{
    QChart *wykres = m_wykres->chart();
    QCOMPARE(wykres->title(), QStringLiteral("Wykresy zależności kątów osłonowych od wysokości "
                                             "budynku z uwzględnieniem klas ochronności"));
    QCOMPARE(wykres->titleFont().family(), QStringLiteral("Arial"));
    QCOMPARE(wykres->titleFont().pointSize(), 8);
    QCOMPARE(wykres->titleBrush().color(), QColor(Qt::black));
    QVERIFY(!wykres->legend()->isVisible());
    QVERIFY(!m_wykres->isInteractive());
    QCOMPARE(m_wykres->rubberBand(), QChartView::NoRubberBand);
    QCOMPARE(m_wykres->sizeHint(), QSize(633, 329));
    QCOMPARE(m_wykres->size(), QSize(633, 329));
    QCOMPARE(wykres->series().size(), 4);
    QCOMPARE(wykres->axes().size(), 2);
}

void TestWykresKatow::czcionki_data()
{
    QTest::addColumn<double>("punkty"); // the interface font
    QTest::newRow("9 pt, as designed") << 9.0;
    QTest::newRow("12 pt") << 12.0;
    QTest::newRow("14 pt") << 14.0;
}

// The chart's texts follow the interface font, in the design's proportions.
void TestWykresKatow::czcionki()
{
    QFETCH(double, punkty);
    const QFont przed = QApplication::font();
    const auto przywroc = qScopeGuard([&] { QApplication::setFont(przed); });
    QFont czcionka = przed;
    czcionka.setPointSizeF(punkty);
    QApplication::setFont(czcionka);
    TWykres_katow wykres;
    const double skala = punkty / 9;
    QCOMPARE(qRound(wykres.chart()->titleFont().pointSizeF() * 10), qRound(80 * skala));
    for (QAbstractAxis *os : wykres.chart()->axes())
        QCOMPARE(qRound(os->labelsFont().pointSizeF() * 10), qRound(80 * skala));
    QCOMPARE(wykres.chart()->axes(Qt::Horizontal).constFirst()->titleFont().pixelSize(),
             qRound(15 * skala));
    // A change of font later reaches the chart too.
    czcionka.setPointSizeF(punkty + 3);
    wykres.setFont(czcionka);
    QCOMPARE(qRound(wykres.chart()->titleFont().pointSizeF() * 10), qRound(80 * (punkty + 3) / 9));
}

// The ranges are the program's, whatever was there before.
void TestWykresKatow::osieStale()
{
    QChart *wykres = m_wykres->chart();
    const auto poziome = wykres->axes(Qt::Horizontal);
    const auto pionowe = wykres->axes(Qt::Vertical);
    QCOMPARE(poziome.size(), 1);
    QCOMPARE(pionowe.size(), 1);
    auto *os_h = qobject_cast<QValueAxis *>(poziome.first());
    auto *os_kat = qobject_cast<QValueAxis *>(pionowe.first());
    QVERIFY(os_h && os_kat);
    QCOMPARE(os_h->titleText(), QStringLiteral("h (m)"));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(os_h->min(), 0.0);
        QCOMPARE(os_h->max(), 62.0);
        QCOMPARE(os_kat->min(), 0.0);
        QCOMPARE(os_kat->max(), 80.0);
        QCOMPARE(os_h->tickInterval(), 10.0);
        QCOMPARE(os_kat->tickInterval(), 10.0);
        os_h->setRange(5, 100);
        os_kat->setRange(-10, 20);
        m_wykres->PrzygotujWykres(m_krzywe);
    }
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(m_wykres->Seria(k)->attachedAxes().size(), 2);
        QVERIFY(m_wykres->Seria(k)->attachedAxes().contains(os_h));
        QVERIFY(m_wykres->Seria(k)->attachedAxes().contains(os_kat));
    }
}

void TestWykresKatow::serie_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<int>("punktow");
    QTest::addColumn<QColor>("kolor");
    QTest::newRow("I") << 1 << 2001 << QColor(255, 0, 0);
    QTest::newRow("II") << 2 << 3001 << QColor(0, 128, 0);
    QTest::newRow("III") << 3 << 4501 << QColor(255, 255, 0);
    QTest::newRow("IV") << 4 << 6001 << QColor(0, 0, 255);
}

void TestWykresKatow::serie()
{
    QFETCH(int, klasa);
    QFETCH(int, punktow);
    QFETCH(QColor, kolor);
    QLineSeries *seria = m_wykres->Seria(klasa);
    QVERIFY(seria);
    QCOMPARE(m_wykres->chart()->series().at(klasa - 1), seria);
    QCOMPARE(seria->pen().color(), kolor);
    QCOMPARE(seria->pen().style(), Qt::SolidLine);
    QVERIFY(!seria->pointsVisible());
    QVERIFY(!seria->pointLabelsVisible());

    const QList<QPointF> punkty = seria->points();
    QCOMPARE(punkty.size(), punktow);
    const std::vector<double> &krzywa = m_krzywe.Krzywa(klasa);
    for (int j = 0; j < punktow; ++j) {
        if (punkty[j].x() != j / 100.0 || punkty[j].y() != krzywa[std::size_t(j)])
            QFAIL(qPrintable(
                QString("point %1 is (%2, %3)").arg(j).arg(punkty[j].x()).arg(punkty[j].y())));
    }
    QCOMPARE(punkty.last(), QPointF(KrzyweKatow::WysokoscGraniczna(klasa), 23));

    // The line drawn is the series' line, in its colour, all along it: at
    // every half metre (between the points at whole metres the chart draws
    // through) the curve's pixel or a neighbour has the class's colour.
    const QImage obraz = Obraz(*m_wykres);
    for (int j = 50; j < punktow - 1; j += 100) {
        const QPoint p = m_wykres->Pozycja(klasa, punkty[j].x(), punkty[j].y()).toPoint();
        if (!PikseleKoloru(obraz, QRect(p - QPoint(1, 1), QSize(3, 3)), kolor))
            QFAIL(qPrintable(
                QString("at %1 m: %2").arg(punkty[j].x()).arg(obraz.pixelColor(p).name())));
    }

    // A second preparation replaces the points rather than adding to them.
    m_wykres->PrzygotujWykres(m_krzywe);
    QCOMPARE(seria->count(), punktow);
}

// Positions are in viewport pixels, on the same axes for every class.
void TestWykresKatow::odwzorowanie()
{
    const QRectF obszar = m_wykres->ObszarWykresu();
    QVERIFY(obszar.width() > 400 && obszar.height() > 200);
    QVERIFY(m_wykres->viewport()->rect().contains(obszar.toAlignedRect()));
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(Blisko(m_wykres->Pozycja(k, 0, 0), obszar.bottomLeft()));
        QVERIFY(Blisko(m_wykres->Pozycja(k, 62, 80), obszar.topRight()));
        QVERIFY(Blisko(m_wykres->Pozycja(k, 31, 40), obszar.center()));
    }
}

void TestWykresKatow::znacznikiKoncow_data()
{
    QTest::addColumn<int>("klasa");
    for (int k = 1; k <= 4; ++k)
        QTest::newRow(qPrintable(QString::number(k))) << k;
}

void TestWykresKatow::znacznikiKoncow()
{
    QFETCH(int, klasa);
    const QColor kolor = kolory[klasa - 1];
    const QImage obraz = Obraz(*m_wykres);
    const QPointF koniec = m_wykres->Pozycja(klasa, KrzyweKatow::WysokoscGraniczna(klasa), 23);
    // The pixel that holds the point `d` pixels away from the end.
    const auto piksel = [&](QPointF d) {
        return obraz.pixelColor(qFloor(koniec.x() + d.x()), qFloor(koniec.y() + d.y()));
    };
    // Right of and below the end the curve does not go: only the marker does.
    for (QPointF d :
         {QPointF(0, 0), QPointF(2, 0), QPointF(0, 2), QPointF(1.5, 1.5), QPointF(-1.5, 1.5)})
        QVERIFY2(PodobnyKolor(piksel(d), kolor), qPrintable(piksel(d).name()));
    for (QPointF d : {QPointF(7, 0), QPointF(0, 7), QPointF(5.5, 5.5)})
        QVERIFY(!PodobnyKolor(piksel(d), kolor));
    const QPoint c = koniec.toPoint();
    // The class label stands above the marker, clear of it.
    QVERIFY(PikseleKoloru(obraz, QRect(QPoint(c.x() - 6, c.y() - 24), QPoint(c.x() + 6, c.y() - 7)),
                          kolor) > 4);
}

void TestWykresKatow::linieKata_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("kat");
    QTest::newRow("I 3.5") << 1 << 3.5 << 65.25;
    QTest::newRow("II 12.34") << 2 << 12.34 << 49.82;
    QTest::newRow("III 0") << 3 << 0.0 << 75.0;
    QTest::newRow("IV 59.99") << 4 << 59.99 << 23.009;
    // Nearest centimetre for the angle, the height itself for X.
    QTest::newRow("I 3.125 (point 312)") << 1 << 3.125 << 66.58;
    // At the limit: through the centre of the end marker.
    QTest::newRow("I limit") << 1 << 20.0 << 23.0;
    QTest::newRow("II limit") << 2 << 30.0 << 23.0;
    QTest::newRow("III limit") << 3 << 45.0 << 23.0;
    QTest::newRow("IV limit") << 4 << 60.0 << 23.0;
}

void TestWykresKatow::linieKata()
{
    QFETCH(int, klasa);
    QFETCH(double, h);
    QFETCH(double, kat);
    QCOMPARE(BialePiksele(Obraz(*m_wykres), m_wykres->rect()), 0);

    m_wykres->RysujLinieKata(klasa, h);
    QVERIFY(m_wykres->MaLinieKata());
    const QPointF p = m_wykres->PunktLiniiKata();
    QCOMPARE(p, m_wykres->Pozycja(klasa, h, kat));
    QCOMPARE(p, m_wykres->Pozycja(klasa, h, *m_krzywe.KatOslonowy(kerwano::Klasa(klasa), h)));
    if (h == KrzyweKatow::WysokoscGraniczna(klasa))
        QVERIFY(Blisko(p, m_wykres->Pozycja(klasa, h, 23)));

    const QRectF obszar = m_wykres->ObszarWykresu();
    const QImage obraz = Obraz(*m_wykres);
    const QRect pion = PasPionowy(p, obszar.bottom());
    const QRect poziom = PasPoziomy(obszar.left(), p);
    // A one-pixel line the whole length of each band but under the end
    // markers it crosses, which stay above it, and nothing else white.
    QVERIFY2(BialePiksele(obraz, pion) >= pion.height(),
             qPrintable(QString::number(BialePiksele(obraz, pion))));
    int zakryte = 0;
    for (int k = 1; k <= 4; ++k) {
        const QPoint znacznik =
            m_wykres->Pozycja(k, KrzyweKatow::WysokoscGraniczna(k), 23).toPoint();
        if (poziom.adjusted(-5, -5, 5, 5).contains(znacznik)) {
            zakryte += 10;
            QVERIFY(PodobnyKolor(obraz.pixelColor(znacznik), kolory[k - 1]));
        }
    }
    if (poziom.width() > 0)
        QVERIFY(BialePiksele(obraz, poziom) >= poziom.width() - zakryte);
    QVERIFY(BialePiksele(obraz, QRect(obszar.toAlignedRect().topLeft(),
                                      QPoint(obszar.right(), qFloor(p.y()) - 3))) == 0);
    QVERIFY(BialePiksele(obraz, QRect(QPoint(qCeil(p.x()) + 3, obszar.top()),
                                      obszar.toAlignedRect().bottomRight())) == 0);
}

void TestWykresKatow::linieIgnorowane_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<double>("h");
    QTest::newRow("no class") << 0 << 10.0;
    QTest::newRow("class 5") << 5 << 10.0;
    QTest::newRow("class -1") << -1 << 10.0;
    QTest::newRow("above limit") << 1 << 20.01;
    QTest::newRow("negative") << 2 << -1.0;
    QTest::newRow("NaN") << 3 << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("huge") << 4 << 1e300;
}

void TestWykresKatow::linieIgnorowane()
{
    QFETCH(int, klasa);
    QFETCH(double, h);
    m_wykres->RysujLinieKata(klasa, h);
    QVERIFY(!m_wykres->MaLinieKata());
    QCOMPARE(m_wykres->PunktLiniiKata(), QPointF());
    QCOMPARE(BialePiksele(Obraz(*m_wykres), m_wykres->rect()), 0);
}

void TestWykresKatow::odswiezUsuwaLinie()
{
    m_wykres->RysujLinieKata(2, 12.34);
    const QPointF stary = m_wykres->PunktLiniiKata();
    const QRectF obszar = m_wykres->ObszarWykresu();
    QVERIFY(BialePiksele(Obraz(*m_wykres), PasPionowy(stary, obszar.bottom())) > 0);

    m_wykres->Odswiez();
    QVERIFY(!m_wykres->MaLinieKata());
    QCOMPARE(m_wykres->PunktLiniiKata(), QPointF());
    QCOMPARE(BialePiksele(Obraz(*m_wykres), m_wykres->rect()), 0);

    // Another element: only its own lines are there.
    m_wykres->RysujLinieKata(4, 5.0);
    const QPointF nowy = m_wykres->PunktLiniiKata();
    const QImage obraz = Obraz(*m_wykres);
    QVERIFY(BialePiksele(obraz, PasPionowy(nowy, obszar.bottom())) > 0);
    QCOMPARE(BialePiksele(obraz, PasPionowy(stary, obszar.bottom())), 0);
}

void TestWykresKatow::linieZostajaPoPrzemalowaniu()
{
    m_wykres->RysujLinieKata(1, 3.5);
    m_wykres->viewport()->repaint();
    m_wykres->hide();
    m_wykres->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_wykres.get()));
    QVERIFY(m_wykres->MaLinieKata());

    m_wykres->resize(900, 500);
    QTRY_COMPARE(m_wykres->ObszarWykresu().width() > 700, true);
    QVERIFY(m_wykres->MaLinieKata());
    const QPointF p = m_wykres->PunktLiniiKata();
    QCOMPARE(p, m_wykres->Pozycja(1, 3.5, 65.25));
    const QRectF obszar = m_wykres->ObszarWykresu();
    const QImage obraz = Obraz(*m_wykres);
    const QRect pion = PasPionowy(p, obszar.bottom());
    QVERIFY(BialePiksele(obraz, pion) >= pion.height());
    const QRect poziom = PasPoziomy(obszar.left(), p);
    QVERIFY(BialePiksele(obraz, poziom) >= poziom.width());
}

// A selection repaints the chart and draws new guide lines: one paint.
void TestWykresKatow::jednoMalowanie()
{
    QTest::qWait(0);
    LicznikMalowan licznik(m_wykres->viewport());
    m_wykres->Odswiez();
    m_wykres->RysujLinieKata(1, 3.5);
    QTRY_COMPARE(licznik.n, 1);
    QTest::qWait(20);
    QCOMPARE(licznik.n, 1);
    QVERIFY(m_wykres->MaLinieKata());
}

void TestWykresKatow::jakNowy_data()
{
    QTest::addColumn<QSize>("rozmiar");
    QTest::addColumn<int>("klasa");  // of the guide lines, 0 for none
    QTest::addColumn<bool>("pioro"); // class I drawn in another pen
    QTest::newRow("larger, lines") << QSize(900, 500) << 2 << false;
    QTest::newRow("wider only") << QSize(700, 329) << 0 << false;
    QTest::newRow("taller, lines") << QSize(633, 420) << 4 << false;
    QTest::newRow("same size, new pen") << QSize(633, 329) << 1 << true;
}

// After a change of size or style, with the guide lines drawn before it,
// the chart shows exactly what a chart made that way shows.
void TestWykresKatow::jakNowy()
{
    QFETCH(QSize, rozmiar);
    QFETCH(int, klasa);
    QFETCH(bool, pioro);
    const QPen magenta(QColor(255, 0, 255), 2);
    m_wykres->RysujLinieKata(klasa, 12.34);
    QTest::qWait(0);
    m_wykres->resize(rozmiar);
    if (pioro)
        m_wykres->Seria(1)->setPen(magenta);
    QTRY_COMPARE(m_wykres->viewport()->size(), rozmiar);
    QTest::qWait(20);

    TWykres_katow nowy;
    nowy.PrzygotujWykres(m_krzywe);
    if (pioro)
        nowy.Seria(1)->setPen(magenta);
    nowy.resize(rozmiar);
    nowy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&nowy));
    nowy.RysujLinieKata(klasa, 12.34);
    QTest::qWait(20);
    QCOMPARE(Obraz(*m_wykres), Obraz(nowy));
}

QTEST_MAIN(TestWykresKatow)
#include "tst_wykres_katow.moc"
