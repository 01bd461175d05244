#include "angles/okna/TWykres_katow.h"

#include "angles/KrzyweKatow.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtMath>

namespace {

// Light grey behind the curves, as on a classic chart panel. Red, green and
// blue read well on it; yellow and white do not (contrast about 1.5), so the
// class III curve, its label and marker and the white guide lines get a thin
// dark edge of KOLOR_OBRYSU.
const QColor KOLOR_TLA(212, 208, 200);
const QColor KOLOR_OBRYSU(40, 40, 40);

const QColor KOLORY_KLAS[4] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(255, 255, 0),
                               QColor(0, 0, 255)};

// Half the side of the end marker's box, in pixels.
constexpr double PROMIEN_ZNACZNIKA = 4;

constexpr double OS_H_MAX = 62;
constexpr double OS_KAT_MAX = 80;

// The left axis title is painted by the chart itself, horizontally, in the
// space the left margin keeps free before the axis labels.
const QString TYTUL_OSI_KATA = QStringLiteral("α (°)");
constexpr int ODSTEP_TYTULU = 6; // free pixels on each side of that title

// The interface font's size the chart's texts were designed for; a larger
// one makes them larger in proportion.
constexpr double PUNKTY_PROJEKTU = 9;

QFont CzcionkaTytuluOsi(double piksele)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qRound(piksele));
    f.setBold(true);
    return f;
}

QFont CzcionkaEtykietyKlasy(double skala)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(10 * skala);
    f.setBold(true);
    return f;
}

QFont Arial(double punkty)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkty);
    return f;
}

void UstawOs(QValueAxis *os, double max)
{
    os->setRange(0, max);
    os->setTickType(QValueAxis::TicksDynamic);
    os->setTickAnchor(0);
    os->setTickInterval(10);
    os->setMinorTickCount(0);
    os->setLabelFormat(QStringLiteral("%.0f"));
    os->setLabelsBrush(Qt::black);
    os->setLinePen(QPen(Qt::black, 1));
    os->setGridLinePen(QPen(QColor(184, 180, 172), 1));
    os->setTitleBrush(Qt::black);
}

} // namespace

TWykres_katow::TWykres_katow(QWidget *parent) : QChartView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);
    setInteractive(false);
    setRubberBand(QChartView::NoRubberBand);
    setDragMode(QGraphicsView::NoDrag);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    QChart *wykres = chart();
    wykres->setTheme(QChart::ChartThemeLight);

    m_os_h = new QValueAxis(wykres);
    m_os_kat = new QValueAxis(wykres);
    wykres->addAxis(m_os_h, Qt::AlignBottom);
    wykres->addAxis(m_os_kat, Qt::AlignLeft);
    for (int k = 0; k < 4; ++k) {
        m_serie[k] = new QLineSeries(wykres);
        m_serie[k]->setName(kerwano::TekstKlasy(kerwano::Klasa(k + 1)));
        wykres->addSeries(m_serie[k]);
        m_serie[k]->attachAxis(m_os_h);
        m_serie[k]->attachAxis(m_os_kat);
    }

    // The theme has decorated what was added; from here on our own settings.
    wykres->setTitle(QStringLiteral("Wykresy zależności kątów osłonowych od wysokości budynku z "
                                    "uwzględnieniem klas ochronności"));
    wykres->setTitleBrush(Qt::black);
    wykres->legend()->hide();
    wykres->setDropShadowEnabled(false);
    wykres->setBackgroundRoundness(0);
    wykres->setBackgroundPen(Qt::NoPen);
    wykres->setBackgroundBrush(KOLOR_TLA);
    wykres->setPlotAreaBackgroundVisible(false);
    wykres->layout()->setContentsMargins(0, 0, 0, 0);
    UstawOs(m_os_h, OS_H_MAX);
    m_os_h->setTitleText(QStringLiteral("h (m)"));
    UstawOs(m_os_kat, OS_KAT_MAX);
    UstawCzcionki();

    for (int k = 0; k < 4; ++k) {
        // Three pixels wide, as the lines have always looked; a thin yellow
        // line is hard to see on the grey, so class III is two pixels
        // inside a dark edge of one on each side.
        m_serie[k]->setPen(QPen(KOLORY_KLAS[k], k == 2 ? 2 : 3, Qt::SolidLine));
        m_serie[k]->setPointsVisible(false);
        m_serie[k]->setPointLabelsVisible(false);
        // The series hold every point and give the axes' mapping; the chart
        // draws their lines itself (drawForeground), with their pens.
        m_serie[k]->setVisible(false);
    }

    // Whatever changes in the scene (layout, axes, series, theme) makes the
    // static chart out of date; the view repaints the changed part anyway. A
    // hidden series' new pen changes the scene too.
    connect(scene(), &QGraphicsScene::changed, this, [this] { m_pamiec_aktualna = false; });
}

void TWykres_katow::UstawCzcionki()
{
    const double punkty = font().pointSizeF();
    m_skala = punkty > 0 ? qMax(0.75, punkty / PUNKTY_PROJEKTU) : 1.0;
    // Texts sized in pixels grow with the screen's font resolution as well.
    m_skala_pikseli = m_skala * qMax(1, logicalDpiY()) / 96.0;
    QChart *wykres = chart();
    wykres->setTitleFont(Arial(8 * m_skala));
    for (QValueAxis *os : {m_os_h, m_os_kat})
        os->setLabelsFont(Arial(8 * m_skala));
    m_os_h->setTitleFont(CzcionkaTytuluOsi(15 * m_skala_pikseli));
    // The left margin keeps room for the angle axis's title.
    const int lewy = qCeil(QFontMetricsF(CzcionkaTytuluOsi(16 * m_skala_pikseli))
                               .horizontalAdvance(TYTUL_OSI_KATA)) +
                     2 * ODSTEP_TYTULU;
    wykres->setMargins(QMargins(lewy, 2, 10, 2));
}

void TWykres_katow::PrzygotujWykres(const kerwano::KrzyweKatow &krzywe)
{
    m_krzywe = &krzywe;
    m_linie_klasa = 0;
    m_os_h->setRange(0, OS_H_MAX);
    m_os_kat->setRange(0, OS_KAT_MAX);
    m_serie_do_wypelnienia = true;
    if (isVisible())
        WypelnijSerie();
}

void TWykres_katow::WypelnijSerie() const
{
    if (!m_serie_do_wypelnienia || !m_krzywe)
        return;
    m_serie_do_wypelnienia = false;
    for (int k = 0; k < 4; ++k) {
        const std::vector<double> &krzywa = m_krzywe->Krzywa(k + 1);
        QList<QPointF> punkty;
        punkty.reserve(qsizetype(krzywa.size()));
        for (std::size_t j = 0; j < krzywa.size(); ++j)
            punkty.append(QPointF(double(j) / 100.0, krzywa[j]));
        // One replace() instead of thousands of append()s on a live series.
        m_serie[k]->replace(punkty);
    }
}

void TWykres_katow::showEvent(QShowEvent *zdarzenie)
{
    WypelnijSerie();
    QChartView::showEvent(zdarzenie);
}

void TWykres_katow::Odswiez()
{
    m_linie_klasa = 0;
    viewport()->update();
}

void TWykres_katow::RysujLinieKata(int klasa, double h)
{
    if (klasa < 1 || klasa > 4 || !m_krzywe || !m_krzywe->KatOslonowy(kerwano::Klasa(klasa), h))
        return;
    m_linie_klasa = klasa;
    m_linie_h = h;
    viewport()->update();
}

QLineSeries *TWykres_katow::Seria(int klasa) const
{
    WypelnijSerie();
    return klasa >= 1 && klasa <= 4 ? m_serie[klasa - 1] : nullptr;
}

QPointF TWykres_katow::NaScenie(int klasa, double h_m, double kat) const
{
    QLineSeries *seria = Seria(klasa) ? Seria(klasa) : m_serie[0];
    return chart()->mapToScene(chart()->mapToPosition(QPointF(h_m, kat), seria));
}

QPointF TWykres_katow::Pozycja(int klasa, double h_m, double kat) const
{
    return viewportTransform().map(NaScenie(klasa, h_m, kat));
}

QRectF TWykres_katow::ObszarNaScenie() const
{
    return chart()->mapRectToScene(chart()->plotArea());
}

QRectF TWykres_katow::ObszarWykresu() const
{
    return viewportTransform().mapRect(ObszarNaScenie());
}

QPointF TWykres_katow::PunktLiniiKata() const
{
    if (!m_linie_klasa || !m_krzywe)
        return QPointF();
    const std::optional<double> kat =
        m_krzywe->KatOslonowy(kerwano::Klasa(m_linie_klasa), m_linie_h);
    return kat ? Pozycja(m_linie_klasa, m_linie_h, *kat) : QPointF();
}

QSize TWykres_katow::sizeHint() const
{
    return QSize(633, 329);
}

QSize TWykres_katow::minimumSizeHint() const
{
    return sizeHint();
}

void TWykres_katow::OdnowPamiec()
{
    const qreal dpr = viewport()->devicePixelRatioF();
    const QSize rozmiar = viewport()->size() * dpr;
    if (m_pamiec.size() != rozmiar)
        m_pamiec = QPixmap(rozmiar);
    m_pamiec.setDevicePixelRatio(dpr);
    m_pamiec.fill(viewport()->palette().color(viewport()->backgroundRole()));
    QPainter p(&m_pamiec);
    p.setRenderHints(renderHints());
    render(&p, QRectF(QPointF(0, 0), viewport()->size()), viewport()->rect());
    m_pamiec_aktualna = true;
}

void TWykres_katow::paintEvent(QPaintEvent *zdarzenie)
{
    if (!m_pamiec_aktualna ||
        m_pamiec.size() != viewport()->size() * viewport()->devicePixelRatioF())
        OdnowPamiec();
    QPainter p(viewport());
    const QRect r = zdarzenie->rect();
    const qreal dpr = m_pamiec.devicePixelRatio();
    p.drawPixmap(r, m_pamiec, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));

    // Guide lines of the element shown, until the next Odswiez().
    if (m_linie_klasa && m_krzywe) {
        const std::optional<double> kat =
            m_krzywe->KatOslonowy(kerwano::Klasa(m_linie_klasa), m_linie_h);
        if (kat) {
            const QPointF punkt = Pozycja(m_linie_klasa, m_linie_h, *kat);
            const QRectF obszar = ObszarWykresu();
            // One pixel wide and white, with a dark pixel on each side.
            for (const QPen &pioro : {QPen(KOLOR_OBRYSU, 3, Qt::SolidLine, Qt::FlatCap),
                                      QPen(QColor(255, 255, 255), 1, Qt::SolidLine)}) {
                p.setPen(pioro);
                p.drawLine(punkt, QPointF(punkt.x(), obszar.bottom()));
                p.drawLine(QPointF(obszar.left(), punkt.y()), punkt);
            }
            // The class labels and end markers stay above the lines.
            p.setRenderHints(renderHints());
            RysujZnaczniki(
                &p, [this](int klasa, double h, double kat) { return Pozycja(klasa, h, kat); });
        }
    }
}

void TWykres_katow::changeEvent(QEvent *zdarzenie)
{
    QChartView::changeEvent(zdarzenie);
    switch (zdarzenie->type()) {
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        if (zdarzenie->type() == QEvent::FontChange)
            UstawCzcionki();
        m_pamiec_aktualna = false;
        viewport()->update();
        break;
    default:
        break;
    }
}

void TWykres_katow::RysujZnaczniki(QPainter *painter,
                                   const std::function<QPointF(int, double, double)> &punkt) const
{
    painter->save();
    // Class labels just above the end of each curve.
    painter->setFont(CzcionkaEtykietyKlasy(m_skala));
    const QFontMetricsF etykieta(painter->font());
    for (int k = 0; k < 4; ++k) {
        const QString nazwa = kerwano::TekstKlasy(kerwano::Klasa(k + 1));
        const QPointF koniec = punkt(k + 1, kerwano::KrzyweKatow::WysokoscGraniczna(k + 1),
                                     kerwano::KrzyweKatow::KAT_KONCOWY);
        const QPointF poczatek(koniec.x() - etykieta.horizontalAdvance(nazwa) / 2,
                               koniec.y() - PROMIEN_ZNACZNIKA - 3 - etykieta.descent());
        if (k == 2) {
            QPainterPath napis;
            napis.addText(poczatek, painter->font(), nazwa);
            painter->strokePath(napis, QPen(KOLOR_OBRYSU, 2));
            painter->fillPath(napis, KOLORY_KLAS[k]);
        } else {
            painter->setPen(KOLORY_KLAS[k]);
            painter->drawText(poczatek, nazwa);
        }
    }

    // End markers.
    for (int k = 0; k < 4; ++k) {
        const QPointF koniec = punkt(k + 1, kerwano::KrzyweKatow::WysokoscGraniczna(k + 1),
                                     kerwano::KrzyweKatow::KAT_KONCOWY);
        painter->setPen(QPen(k == 2 ? KOLOR_OBRYSU : KOLORY_KLAS[k], 1, Qt::SolidLine));
        painter->setBrush(KOLORY_KLAS[k]);
        painter->drawEllipse(koniec, PROMIEN_ZNACZNIKA, PROMIEN_ZNACZNIKA);
    }

    painter->restore();
}

void TWykres_katow::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    painter->save();
    const QRectF obszar = ObszarNaScenie();

    // Left axis title, horizontal, centred on the plot area's height.
    painter->setFont(CzcionkaTytuluOsi(16 * m_skala_pikseli));
    painter->setPen(Qt::black);
    const QFontMetricsF tytul(painter->font());
    const double x_tytulu = chart()->mapToScene(chart()->rect().topLeft()).x() + ODSTEP_TYTULU;
    painter->drawText(
        QPointF(x_tytulu, obszar.center().y() + (tytul.ascent() - tytul.descent()) / 2),
        TYTUL_OSI_KATA);

    // The curves. Each is straight between whole metres, the points in
    // between lying on those lines, so a path through its base angles (its
    // points at whole metres) draws the line of the series' thousands of
    // segments at a fraction of their cost. Clipped to the plot area, as a
    // series is. The class III curve gets a dark edge.
    if (m_krzywe) {
        painter->save();
        painter->setClipRect(obszar);
        for (int k = 0; k < 4; ++k) {
            const std::vector<double> &katy = kerwano::KrzyweKatow::KatyBazowe(k + 1);
            QPainterPath sciezka;
            for (std::size_t m = 0; m < katy.size(); ++m) {
                const QPointF punkt = NaScenie(k + 1, double(m), katy[m]);
                if (m == 0)
                    sciezka.moveTo(punkt);
                else
                    sciezka.lineTo(punkt);
            }
            QPen pioro = m_serie[k]->pen();
            pioro.setCapStyle(Qt::RoundCap);
            pioro.setJoinStyle(Qt::RoundJoin);
            if (k == 2) {
                QPen obrys = pioro;
                obrys.setColor(KOLOR_OBRYSU);
                obrys.setWidthF(pioro.widthF() + 2);
                painter->strokePath(sciezka, obrys);
            }
            painter->strokePath(sciezka, pioro);
        }
        painter->restore();
    }

    RysujZnaczniki(painter,
                   [this](int klasa, double h, double kat) { return NaScenie(klasa, h, kat); });

    painter->restore();
}
