#include "risk/okna/TInfo_form.h"

#include "risk/ParametryKlasy.h"
#include "widgets/Dostepnosc.h"
#include "widgets/TPanel_wartosci.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using kerwano::ParametryKlasy;

// The sheet's design size at the default font; it grows to what its layout
// needs for larger fonts and may be resized.
constexpr int SZEROKOSC_OKNA = 728;
constexpr int WYSOKOSC_OKNA = 410;
constexpr int MARGINES_OKNA = 8;
constexpr int ODSTEP_POL = 4;
// The narrowest screen the sheet is laid out for, in pixels (a smaller one
// counts as it is).
constexpr int NAJWEZSZY_EKRAN = 800;
// Inside a box: air between the frame and the title or the values.
constexpr int MARGINES_POLA = 8;

// One value box: a framed box with a wrapped title on top and, at its
// bottom, the symbol, the value panel and the unit.
struct OpisPola
{
    QString tytul;
    QString symbol; // may be empty or span two lines
    QString jednostka;
    QLabel **panel;
    const char *nazwa;
    QString ParametryKlasy::*wartosc;
};

// A box read by a screen reader as one sentence, its title with its value
// ("Skuteczność ochrony: E = 90 %"); Tab stops on it and a frame in the
// highlight colour shows that it has the focus.
class TPole : public QFrame
{
public:
    explicit TPole(QWidget *rodzic) : QFrame(rodzic) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void focusInEvent(QFocusEvent *zdarzenie) override
    {
        QFrame::focusInEvent(zdarzenie);
        update();
    }
    void focusOutEvent(QFocusEvent *zdarzenie) override
    {
        QFrame::focusOutEvent(zdarzenie);
        update();
    }
    void paintEvent(QPaintEvent *zdarzenie) override
    {
        QFrame::paintEvent(zdarzenie);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

// The sentence a box reads as: its title, symbol, value and unit.
QString Zdanie(const QString &tytul, const QString &symbol, const QString &wartosc,
               const QString &jednostka)
{
    QString zdanie = tytul + QStringLiteral(": ") + symbol + QLatin1Char(' ') + wartosc;
    if (!jednostka.isEmpty())
        zdanie += QLatin1Char(' ') + jednostka;
    return zdanie.replace(QStringLiteral("/\n"), QStringLiteral("/"))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .simplified();
}

// Width of a value panel: its widest text over all classes plus the frame
// and the width of a character of air on each side, so the boxes do not
// jump when the class changes.
int SzerokoscPanelu(const QFont &pogrubiona, QString ParametryKlasy::*wartosc)
{
    const QFontMetrics fm(pogrubiona);
    int najszerszy = 0;
    for (int klasa = 0; klasa <= 4; ++klasa)
        najszerszy =
            qMax(najszerszy,
                 fm.horizontalAdvance(kerwano::ParametryDlaKlasy(kerwano::Klasa(klasa)).*wartosc));
    return qMax(najszerszy + 2 * fm.averageCharWidth() + 2, 2 * fm.height());
}

// A value panel as wide as its widest text.
QLabel *UtworzPanel(const char *nazwa, QString ParametryKlasy::*wartosc, QWidget *rodzic)
{
    auto *panel = new TPanel_wartosci(QString(), rodzic);
    panel->setObjectName(QLatin1String(nazwa));
    const QFont pogrubiona = panel->font();
    panel->setFixedSize(SzerokoscPanelu(pogrubiona, wartosc),
                        QFontMetrics(pogrubiona).height() + 10);
    return panel;
}

// Symbol or unit label next to a value panel. Its last line is centred on
// the panel's text, also when the symbol spans two lines; it is never
// narrower or lower than its text.
QLabel *UtworzEtykiete(const QString &tekst, int wysokosc_panelu, QWidget *rodzic)
{
    auto *etykieta = new QLabel(tekst, rodzic);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    const QFontMetrics fm(etykieta->font());
    const int dol = qMax(0, (wysokosc_panelu - fm.height()) / 2);
    etykieta->setContentsMargins(0, 0, 0, dol);
    const QRect tekst_obszar = fm.boundingRect(QRect(0, 0, 10000, 10000), 0, tekst);
    etykieta->setMinimumSize(qMax(etykieta->sizeHint().width(), tekst_obszar.width()),
                             qMax(wysokosc_panelu, tekst_obszar.height() + dol));
    etykieta->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return etykieta;
}

// The narrowest width at which a title wraps to at most `linie` lines.
int SzerokoscTytulu(const QString &tytul, const QFontMetrics &fm, int linie)
{
    int szerokosc = 0;
    for (const QString &slowo : tytul.split(QLatin1Char(' ')))
        szerokosc = qMax(szerokosc, fm.horizontalAdvance(slowo));
    // The lines as high as the font sets them (not always their number
    // times the line spacing).
    const int wysokosc = fm.boundingRect(QRect(0, 0, 10000, 10000), 0,
                                         QStringList(linie, QStringLiteral("X")).join(u'\n'))
                             .height();
    while (fm.boundingRect(QRect(0, 0, szerokosc, 10000), Qt::TextWordWrap, tytul).height() >
           wysokosc)
        ++szerokosc;
    return szerokosc;
}

// A box with its symbol either before the value, in its line, or above it
// (`symbol_nad`), which a narrow box needs.
TPole *UtworzPole(const OpisPola &opis, bool symbol_nad, QWidget *rodzic)
{
    auto *pole = new TPole(rodzic);
    pole->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto *uklad = new QVBoxLayout(pole);
    uklad->setContentsMargins(MARGINES_POLA, MARGINES_POLA, MARGINES_POLA, MARGINES_POLA + 2);
    uklad->setSpacing(4);

    auto *tytul = new QLabel(opis.tytul, pole);
    tytul->setTextFormat(Qt::PlainText);
    tytul->setWordWrap(true);
    tytul->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QFontMetrics fm = tytul->fontMetrics();
    const int szerokosc = SzerokoscTytulu(opis.tytul, fm, 2);
    // As high as its lines at its least width: never cut at the bottom.
    tytul->setMinimumSize(
        szerokosc,
        fm.boundingRect(QRect(0, 0, szerokosc, 10000), Qt::TextWordWrap, opis.tytul).height());
    uklad->addWidget(tytul);
    uklad->addStretch(1);

    *opis.panel = UtworzPanel(opis.nazwa, opis.wartosc, pole);
    const int h = (*opis.panel)->height();

    if (symbol_nad && !opis.symbol.isEmpty()) {
        auto *symbol = new QLabel(opis.symbol, pole);
        symbol->setTextFormat(Qt::PlainText);
        symbol->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        uklad->addWidget(symbol);
    }
    auto *linia = new QHBoxLayout;
    linia->setSpacing(3);
    linia->addStretch(1);
    if (!symbol_nad && !opis.symbol.isEmpty())
        linia->addWidget(UtworzEtykiete(opis.symbol, h, pole), 0, Qt::AlignBottom);
    linia->addWidget(*opis.panel, 0, Qt::AlignBottom);
    linia->addWidget(UtworzEtykiete(opis.jednostka, h, pole), 0, Qt::AlignBottom);
    linia->addStretch(1);
    uklad->addLayout(linia);
    return pole;
}

QLabel *UtworzNaglowek(const QString &tekst, QWidget *rodzic)
{
    auto *naglowek = new QLabel(tekst, rodzic);
    naglowek->setTextFormat(Qt::PlainText);
    return naglowek;
}

// A row of boxes with value panels at least `min_panelu` wide, sharing the
// row's width. The symbols stand before the values; when the row would then
// be wider than the design's, every box of the row has its symbol above its
// value, if that makes the row narrower; if it is still wider than an
// 800-pixel screen (or a narrower one) allows, the boxes take two lines. The layout gives all boxes
// of a line the height of the tallest one; `pola_zdania` gets the boxes.
QGridLayout *UtworzRzad(const QList<OpisPola> &opisy, int min_panelu, QWidget *rodzic,
                        QList<QPair<TPole *, OpisPola>> &pola_zdania)
{
    auto *rzad = new QGridLayout;
    rzad->setSpacing(ODSTEP_POL);
    const int n = int(opisy.size());
    const int dostepne = SZEROKOSC_OKNA - 2 * MARGINES_OKNA - (n - 1) * ODSTEP_POL;

    QList<TPole *> pola;
    const auto zbuduj = [&](bool symbol_nad) {
        qDeleteAll(pola);
        pola.clear();
        int razem = 0;
        for (const OpisPola &opis : opisy) {
            pola.append(UtworzPole(opis, symbol_nad, rodzic));
            QLabel *panel = *opis.panel;
            panel->setFixedWidth(qMax(panel->width(), min_panelu));
            razem += pola.last()->minimumSizeHint().width();
        }
        return razem;
    };
    int szerokosc = zbuduj(false);
    if (szerokosc > dostepne) {
        const int nad = zbuduj(true);
        szerokosc = nad < szerokosc ? nad : zbuduj(false);
    }
    // Wider than the least screen allows: two lines, the symbols before the
    // values again (the boxes have room for them).
    int ekran = NAJWEZSZY_EKRAN;
    if (const QScreen *s = rodzic->screen())
        ekran = qMin(ekran, s->availableGeometry().width());
    const bool dwie_linie = szerokosc > ekran - 40 - (n - 1) * ODSTEP_POL;
    if (dwie_linie)
        zbuduj(false);
    const int kolumny = dwie_linie ? (n + 1) / 2 : n;
    for (int i = 0; i < n; ++i) {
        rzad->addWidget(pola[i], i / kolumny, i % kolumny);
        pola_zdania.append({pola[i], opisy[i]});
    }
    for (int k = 0; k < kolumny; ++k)
        rzad->setColumnStretch(k, 1);
    return rzad;
}

} // namespace

TInfo_form::TInfo_form(kerwano::Klasa klasa, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Info_form"));
    setWindowTitle(QStringLiteral("Zwody i przewody odprowadzające"));

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(MARGINES_OKNA, MARGINES_OKNA + 2, MARGINES_OKNA, MARGINES_OKNA + 2);
    uklad->setSpacing(4);

    // The class, a box of its own without a frame.
    QList<QPair<TPole *, OpisPola>> pola;
    auto *klasa_pole = new TPole(this);
    auto *linia_klasy = new QHBoxLayout(klasa_pole);
    linia_klasy->setContentsMargins(2, 2, 2, 2);
    linia_klasy->setSpacing(4);
    const QString naglowek_klasy = QStringLiteral("Obliczona klasa ochronności obiektu: ");
    linia_klasy->addWidget(UtworzNaglowek(naglowek_klasy, klasa_pole));
    Panel_klasa = UtworzPanel("Panel_klasa", &ParametryKlasy::klasa, klasa_pole);
    Panel_klasa->setFixedWidth(Panel_klasa->width() * 3 / 2);
    linia_klasy->addWidget(Panel_klasa);
    linia_klasy->addStretch(1);
    uklad->addWidget(klasa_pole);
    uklad->addStretch(1);

    uklad->addWidget(
        UtworzNaglowek(QStringLiteral("Dane wynikające z wyliczonej klasy ochronności:"), this));
    uklad->addLayout(UtworzRzad(
        {
            {QStringLiteral("Skuteczność ochrony"), QStringLiteral("E = "), QStringLiteral("%"),
             &Panel_E, "Panel_E", &ParametryKlasy::E},
            {QStringLiteral("Amplituda pądu wyładowania"), QStringLiteral("Is = "),
             QStringLiteral("kA"), &Panel_Is, "Panel_Is", &ParametryKlasy::Is},
            {QStringLiteral("Stromość narastania"), QStringLiteral("dI/dt = "),
             QStringLiteral("kA/us"), &Panel_didt, "Panel_didt", &ParametryKlasy::didt},
            {QStringLiteral("Kształt impulsu"), QStringLiteral("t czoła/\nt półszczytu ="),
             QStringLiteral("us"), &Panel_tt, "Panel_tt", &ParametryKlasy::tt},
            {QStringLiteral("Całkowity ładunek"), QStringLiteral("Q = "), QStringLiteral("C"),
             &Panel_Q, "Panel_Q", &ParametryKlasy::Q},
            {QStringLiteral("Energia właściwa"), QStringLiteral("W/R = "),
             QStringLiteral("kJ/") + QChar(0x03A9), &Panel_WR, "Panel_WR", &ParametryKlasy::WR},
        },
        0, this, pola));
    uklad->addStretch(1);

    uklad->addWidget(UtworzNaglowek(
        QStringLiteral("Dane do projektu rozlokowania zwodów i przewodów odprowadzających::"),
        this));
    uklad->addLayout(UtworzRzad(
        {
            {QStringLiteral("Wymiary siatki zwodów"), QStringLiteral("a x b = "),
             QStringLiteral("m"), &Panel_ab, "Panel_ab", &ParametryKlasy::ab},
            {QStringLiteral("Promień kuli"), QStringLiteral("R = "), QStringLiteral("m"), &Panel_R,
             "Panel_R", &ParametryKlasy::R},
            {QStringLiteral("Maksymalne odstępy przewodów odprowadzających"), QString(),
             QStringLiteral("m"), &Panel_ods, "Panel_ods", &ParametryKlasy::ods},
            {QStringLiteral("Wysokość spodziewanych uderzeń bocznych"), QStringLiteral("H > "),
             QStringLiteral("m"), &Panel_H, "Panel_H", &ParametryKlasy::H},
        },
        4 * QFontMetrics(Panel_klasa->font()).height(), this, pola));
    uklad->addStretch(1);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(90);
    uklad->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    const ParametryKlasy p = kerwano::ParametryDlaKlasy(klasa);
    Panel_klasa->setText(p.klasa);
    Panel_E->setText(p.E);
    Panel_Is->setText(p.Is);
    Panel_didt->setText(p.didt);
    Panel_tt->setText(p.tt);
    Panel_Q->setText(p.Q);
    Panel_WR->setText(p.WR);
    Panel_ab->setText(p.ab);
    Panel_R->setText(p.R);
    Panel_ods->setText(p.ods);
    Panel_H->setText(p.H);

    // Each box reads as one sentence; its pieces are not read one by one.
    dostepnosc::JedenTekst(klasa_pole, naglowek_klasy.trimmed() + QLatin1Char(' ') + p.klasa);
    for (const auto &[pole, opis] : std::as_const(pola))
        dostepnosc::JedenTekst(
            pole, Zdanie(opis.tytul, opis.symbol, (*opis.panel)->text(), opis.jednostka));

    // The design's size, or what the layout needs for the fonts in use; no
    // more than the screen has room for while the layout allows.
    QSize rozmiar(SZEROKOSC_OKNA, WYSOKOSC_OKNA);
    if (const QScreen *ekran = screen())
        rozmiar = rozmiar.boundedTo(ekran->availableGeometry().size());
    resize(rozmiar.expandedTo(minimumSizeHint()));
}
