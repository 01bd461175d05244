#include "risk/okna/TInfo_form.h"

#include "risk/ParametryKlasy.h"
#include "widgets/TPanel_wartosci.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using kerwano::ParametryKlasy;

// Client area of the sheet; the window is not resizable.
constexpr int SZEROKOSC_OKNA = 728;
constexpr int WYSOKOSC_OKNA = 410;
constexpr int MARGINES_OKNA = 8;
constexpr int ODSTEP_POL = 4;
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
// the panel's text, also when the symbol spans two lines.
QLabel *UtworzEtykiete(const QString &tekst, int wysokosc_panelu, QWidget *rodzic)
{
    auto *etykieta = new QLabel(tekst, rodzic);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    const QFontMetrics fm(etykieta->font());
    const int dol = qMax(0, (wysokosc_panelu - fm.height()) / 2);
    etykieta->setContentsMargins(0, 0, 0, dol);
    const int linie = int(tekst.count(QLatin1Char('\n'))) + 1;
    etykieta->setFixedSize(
        etykieta->sizeHint().width(),
        qMax(wysokosc_panelu, (linie - 1) * fm.lineSpacing() + fm.height() + dol));
    return etykieta;
}

// The narrowest width at which a title wraps to at most two lines.
int SzerokoscTytulu(const QString &tytul, const QFontMetrics &fm)
{
    int szerokosc = 0;
    for (const QString &slowo : tytul.split(QLatin1Char(' ')))
        szerokosc = qMax(szerokosc, fm.horizontalAdvance(slowo));
    while (fm.boundingRect(QRect(0, 0, szerokosc, 10000), Qt::TextWordWrap, tytul).height() >
           2 * fm.lineSpacing())
        ++szerokosc;
    return szerokosc;
}

// A box with its symbol either before the value, in its line, or above it
// (`symbol_nad`), which a narrow box needs.
QFrame *UtworzPole(const OpisPola &opis, bool symbol_nad, QWidget *rodzic)
{
    auto *pole = new QFrame(rodzic);
    pole->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto *uklad = new QVBoxLayout(pole);
    uklad->setContentsMargins(MARGINES_POLA, MARGINES_POLA, MARGINES_POLA, MARGINES_POLA + 2);
    uklad->setSpacing(4);

    auto *tytul = new QLabel(opis.tytul, pole);
    tytul->setTextFormat(Qt::PlainText);
    tytul->setWordWrap(true);
    tytul->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    tytul->setMinimumWidth(SzerokoscTytulu(opis.tytul, tytul->fontMetrics()));
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

// Widths of the boxes of one row filling `dostepne` pixels: the narrower
// boxes are widened to one common width, the wider ones keep what their
// content needs. Should the content not fit at all (a much wider font), the
// row is shared in proportion to the needs, so that boxes never overlap.
QList<int> RozdzielSzerokosc(const QList<int> &potrzebne, int dostepne)
{
    int suma = 0;
    for (int p : potrzebne)
        suma += p;

    QList<int> szerokosci = potrzebne;
    if (suma > dostepne) {
        for (int &s : szerokosci)
            s = s * dostepne / suma;
    } else {
        for (int wspolna = dostepne; wspolna > 0; --wspolna) {
            int razem = 0;
            for (int p : potrzebne)
                razem += qMax(p, wspolna);
            if (razem <= dostepne) {
                for (int &s : szerokosci)
                    s = qMax(s, wspolna);
                break;
            }
        }
    }

    // The rounding remainder goes to the last box so the row ends flush.
    suma = 0;
    for (int s : szerokosci)
        suma += s;
    szerokosci.last() += dostepne - suma;
    return szerokosci;
}

// A row of boxes across the whole window, with value panels at least
// `min_panelu` wide, all of one width when their content allows. The
// symbols stand before the values; when a box would then be wider than its
// share of the row, every box of the row has its symbol above its value.
// The layout gives all boxes of the row the height of the tallest one.
QHBoxLayout *UtworzRzad(const QList<OpisPola> &opisy, int min_panelu, QWidget *rodzic)
{
    auto *rzad = new QHBoxLayout;
    rzad->setSpacing(ODSTEP_POL);
    const int n = int(opisy.size());
    const int dostepne = SZEROKOSC_OKNA - 2 * MARGINES_OKNA - (n - 1) * ODSTEP_POL;

    QList<QFrame *> pola;
    QList<int> potrzebne;
    const auto zbuduj = [&](bool symbol_nad) {
        qDeleteAll(pola);
        pola.clear();
        potrzebne.clear();
        for (const OpisPola &opis : opisy) {
            pola.append(UtworzPole(opis, symbol_nad, rodzic));
            QLabel *panel = *opis.panel;
            panel->setFixedWidth(qMax(panel->width(), min_panelu));
            potrzebne.append(pola.last()->minimumSizeHint().width());
        }
        return *std::max_element(potrzebne.cbegin(), potrzebne.cend());
    };
    // The symbols go above the values only where that makes the row more
    // even: a long title is as wide either way.
    const int przed = zbuduj(false);
    if (przed > dostepne / n && zbuduj(true) >= przed)
        zbuduj(false);

    const QList<int> szerokosci = RozdzielSzerokosc(potrzebne, dostepne);
    for (int i = 0; i < n; ++i) {
        pola[i]->setFixedWidth(szerokosci[i]);
        rzad->addWidget(pola[i]);
    }
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

    auto *linia_klasy = new QHBoxLayout;
    linia_klasy->setSpacing(4);
    linia_klasy->addWidget(
        UtworzNaglowek(QStringLiteral("Obliczona klasa ochronności obiektu: "), this));
    Panel_klasa = UtworzPanel("Panel_klasa", &ParametryKlasy::klasa, this);
    Panel_klasa->setFixedWidth(Panel_klasa->width() * 3 / 2);
    linia_klasy->addWidget(Panel_klasa);
    linia_klasy->addStretch(1);
    uklad->addLayout(linia_klasy);
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
        0, this));
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
        4 * QFontMetrics(Panel_klasa->font()).height(), this));
    uklad->addStretch(1);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setMinimumWidth(90);
    uklad->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

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

    setFixedSize(SZEROKOSC_OKNA, WYSOKOSC_OKNA);
}
