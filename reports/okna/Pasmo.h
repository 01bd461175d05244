#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <limits>

class QPainter;
class QPaintDevice;

// One drawn piece of a printout, in millimetres from the top left of the
// band (or, once placed, of the page's printable area).
struct ElementWydruku
{
    enum class Rodzaj
    {
        Tekst,     // `tekst` in `czcionka`, `a` the left end of its baseline
        Linia,     // from `a` to `b`
        Prostokat, // corners `a` and `b`
    };
    Rodzaj rodzaj = Rodzaj::Tekst;
    QPointF a, b;
    QString tekst;
    QFont czcionka;
    qreal grubosc = 0;        // of a line or frame, mm
    QColor kolor = Qt::black; // of a text
};

// A band of a printout: what it draws and how tall it is. Texts are
// measured on the device the report is laid out for, so that what is
// centred or cut there is centred or cut on paper.
class Pasmo
{
public:
    explicit Pasmo(const QPaintDevice &urzadzenie, qreal wysokosc = 0);

    qreal wysokosc() const { return m_wysokosc; }
    void UstawWysokosc(qreal mm) { m_wysokosc = mm; }
    const QList<ElementWydruku> &elementy() const { return m_elementy; }

    // A one-line text with its top at `y`, aligned left, centred or right
    // within [x, x + szerokosc]. Unicode superscript characters ("²", "⁻⁶")
    // are printed as raised 8-point text. Returns the text's line height.
    qreal Tekst(qreal x, qreal y, const QString &tekst, const QFont &czcionka,
                Qt::Alignment wyrownanie = Qt::AlignLeft, qreal szerokosc = 0);
    void Linia(QPointF a, QPointF b, qreal grubosc = 0.3);
    void Prostokat(const QRectF &r, qreal grubosc = 0.3);

    qreal WysokoscLinii(const QFont &czcionka) const;
    qreal Szerokosc(const QString &tekst, const QFont &czcionka) const;
    // As much of `tekst` as one line of `szerokosc` holds, broken after a
    // word; a single word longer than the line is cut where it no longer fits.
    QString PierwszaLinia(const QString &tekst, const QFont &czcionka, qreal szerokosc) const;
    // `tekst` broken into lines of `szerokosc` at word boundaries, at most
    // `najwiecej` of them (the rest is not printed); every line it takes by
    // default. An empty text gives no line.
    QStringList Linie(const QString &tekst, const QFont &czcionka, qreal szerokosc,
                      int najwiecej = std::numeric_limits<int>::max()) const;
    // Lines of `tekst` broken to `szerokosc` at `x`, one under another from
    // `y`, each `skok` below the last; returns the height they take.
    qreal Akapit(qreal x, qreal y, const QString &tekst, const QFont &czcionka, qreal szerokosc,
                 qreal skok);

    // The texts drawn from the `od`-th piece on in `kolor`.
    void Koloruj(qsizetype od, const QColor &kolor);

    // The pieces of another band with their origin at `y` in this one.
    void Umiesc(const Pasmo &pasmo, qreal y);

private:
    const QPaintDevice *m_urzadzenie;
    qreal m_px_na_mm;
    qreal m_wysokosc;
    QList<ElementWydruku> m_elementy;
};

// The printouts' types: "Times New Roman" or "Arial" in points.
QFont Czcionka(const QString &rodzina, qreal punkty, bool pogrubiona = false, bool kursywa = false,
               bool podkreslona = false);
QFont Times(qreal punkty, bool pogrubiona = false, bool kursywa = false, bool podkreslona = false);
QFont Arial(qreal punkty, bool pogrubiona = false);

// Draws the pieces of one page with `malarz` on a device of `px_na_mm`.
void MalujElementy(QPainter &malarz, const QList<ElementWydruku> &elementy, qreal px_na_mm);

qreal PikseliNaMilimetr(const QPaintDevice &urzadzenie);

// "" when "Times New Roman" and "Arial" are there, or faces with their
// measures (Liberation Serif and Sans); otherwise what is missing and what
// the printouts use instead, to be told to the user once. Needs a
// QGuiApplication.
QString BrakujaceCzcionki();
