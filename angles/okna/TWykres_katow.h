#pragma once

#include <QPixmap>
#include <QtCharts/QChartView>
#include <functional>

namespace kerwano {
class KrzyweKatow;
}
class QLineSeries;
class QValueAxis;

// Chart1: protective angle against height for the four classes, with a
// round marker at the end of each curve, the class labels above the ends
// and, on request, white guide lines from both axes to one point of the
// current class's curve. Shows data only: no zoom, no panning, no clicks.
//
// The static chart (axes, curves, markers, labels) is drawn once into a
// pixmap and drawn again only when the scene changes (size, style, data);
// a paint copies it and draws the guide lines over it. The series keep all
// their points but are not drawn by the chart: each curve is drawn as one
// path through its points at whole metres, with its series' pen.
class TWykres_katow : public QChartView
{
    Q_OBJECT
public:
    explicit TWykres_katow(QWidget *parent = nullptr);

    // Sets the fixed axis ranges and fills Series1..Series4 from the curves
    // (point j of a series is the point at j centimetres). Called once. A
    // chart not shown yet (page 2 at start-up) gets the points, and lays
    // out and outlines its 15 504-point paths, when it is first shown or a
    // series is asked for.
    void PrzygotujWykres(const kerwano::KrzyweKatow &krzywe);

    // Repaints the chart without the guide lines of an earlier element. The
    // paint comes with the next pass of the event loop, together with the
    // lines of an element drawn right after, so a selection paints once.
    void Odswiez();

    // Draws the guide lines for `klasa` (1..4) at height `h` metres, where
    // the curves give an angle: from the point down to the bottom of the
    // plot area and from the left edge of the plot area to the point. They
    // stay until the next Odswiez(). Other class codes draw nothing.
    void RysujLinieKata(int klasa, double h);

    // For tests and layout: the series of a class (1..4), the pixel position
    // (in viewport coordinates) of a value pair on that series' axes, the
    // plot area in viewport coordinates, and the guide lines' point, if any.
    QLineSeries *Seria(int klasa) const;
    QPointF Pozycja(int klasa, double h_m, double kat) const;
    QRectF ObszarWykresu() const;
    bool MaLinieKata() const { return m_linie_klasa != 0; }
    QPointF PunktLiniiKata() const;

    // The designed size, 633 x 329; the chart grows with its layout.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
    void showEvent(QShowEvent *zdarzenie) override;
    void changeEvent(QEvent *zdarzenie) override;
    // The static decorations: left axis title, class labels, end markers.
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void WypelnijSerie() const;
    // The class labels and the end markers, at the points `punkt` gives
    // for a class, a height and an angle.
    void RysujZnaczniki(QPainter *painter,
                        const std::function<QPointF(int, double, double)> &punkt) const;
    // Draws the whole static chart into m_pamiec, at the viewport's size.
    void OdnowPamiec();
    // Scene counterparts of Pozycja() and ObszarWykresu(), for painting.
    QPointF NaScenie(int klasa, double h_m, double kat) const;
    QRectF ObszarNaScenie() const;

    const kerwano::KrzyweKatow *m_krzywe = nullptr;
    mutable bool m_serie_do_wypelnienia = false;
    QLineSeries *m_serie[4] = {};
    QValueAxis *m_os_h = nullptr;
    QValueAxis *m_os_kat = nullptr;
    // The chart's texts in proportion to the interface font (1 at 9 points).
    void UstawCzcionki();
    double m_skala = 1, m_skala_pikseli = 1;
    int m_linie_klasa = 0;
    double m_linie_h = 0;
    QPixmap m_pamiec;
    bool m_pamiec_aktualna = false;
};
