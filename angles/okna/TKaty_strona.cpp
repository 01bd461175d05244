#include "angles/okna/TKaty_strona.h"

#include "angles/okna/TWykres_katow.h"
#include "project/ModelProjektu.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"
#include "widgets/Dostepnosc.h"
#include "widgets/TPanel_wartosci.h"
#include "widgets/TStringGrid.h"

#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <cmath>

namespace {

// The page's margins around the chart and the table.
constexpr int MARGINES = 6;
// The chart's designed width (TWykres_katow::sizeHint()), its least width
// until it has been shown.
constexpr int SZEROKOSC_WYKRESU = 633;

QLabel *PanelWartosci(const QString &nazwa, QWidget *rodzic, bool czerwony)
{
    auto *p = new TPanel_wartosci(QStringLiteral("999,99 m"), rodzic, czerwony);
    p->setObjectName(nazwa);
    QFont f = p->font();
    f.setPointSize(8);
    p->setFont(f);
    p->setMinimumWidth(p->fontMetrics().horizontalAdvance(QStringLiteral("9999,99 m")) + 10);
    return p;
}

} // namespace

TKaty_strona::TKaty_strona(const kerwano::ModelProjektu &projekt, QWidget *parent)
    : TStrona(projekt, parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
}

void TKaty_strona::ZbudujZawartosc()
{
    Chart1 = new TWykres_katow(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->PrzygotujWykres(m_projekt.krzywe_katow());
    dostepnosc::Obraz(Chart1, Chart1->chart()->title(),
                      QStringLiteral("Kąt osłonowy (0 do 80°) w zależności od wysokości (0 do 62 "
                                     "m) dla klas ochronności I do IV; krzywe kończą się na 20, "
                                     "30, 45 i 60 m przy kącie 23°."));

    // The chart is a picture, described as one: its inner panel takes no
    // focus either, and is named.
    Chart1->viewport()->setFocusPolicy(Qt::NoFocus);
    Chart1->viewport()->setAccessibleName(QStringLiteral("Obszar wykresu"));
    // On the chart's viewport, where a screen reader finds it among the chart's children.
    Panel12 = new QFrame(Chart1->viewport());
    Panel12->setObjectName(QStringLiteral("Panel12"));
    Panel12->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel12->setLineWidth(1);
    Panel12->setAutoFillBackground(true);
    auto *ramka = new QFrame(Panel12);
    ramka->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel_wykres_H = PanelWartosci(QStringLiteral("Panel_wykres_H"), ramka, false);
    Panel_wykres_klasa = PanelWartosci(QStringLiteral("Panel_wykres_klasa"), ramka, false);
    Panel_wykres_kat = PanelWartosci(QStringLiteral("Panel_wykres_kat"), ramka, true);
    auto *s = new QGridLayout(ramka);
    s->setContentsMargins(6, 4, 6, 4);
    s->setHorizontalSpacing(6);
    s->setVerticalSpacing(3);
    const QString podpisy[] = {QStringLiteral("Wysokość budyku:"),
                               QStringLiteral("Klasa ochronności:"),
                               QStringLiteral("Kąt osłonowy:")};
    // A screen reader says the height's caption as it is meant, not as printed.
    const QString nazwy[] = {QStringLiteral("Wysokość budynku:"), podpisy[1], podpisy[2]};
    QLabel *panele[] = {Panel_wykres_H, Panel_wykres_klasa, Panel_wykres_kat};
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(podpisy[i], ramka);
        l->setObjectName(QStringLiteral("Label%1").arg(30 + i));
        s->addWidget(l, i, 0);
        s->addWidget(panele[i], i, 1);
        panele[i]->setAccessibleName(nazwy[i]);
    }
    auto *u12 = new QVBoxLayout(Panel12);
    u12->setContentsMargins(2, 2, 2, 2);
    u12->addWidget(ramka);
    Panel12->adjustSize();
    Panel12->setAccessibleDescription(QStringLiteral("Wartości wykresu dla wybranego elementu"));
    OpiszPanel12();
    // The plot area settles after the chart's own layout; place the panel then.
    connect(Chart1->chart(), &QChart::plotAreaChanged, this, &TKaty_strona::UmiescPanel12,
            Qt::QueuedConnection);

    Label29 = new QLabel(QStringLiteral("Elementy konstrukcyjne dachu:"), this);
    Label29->setObjectName(QStringLiteral("Label29"));
    StringGrid2 = new TStringGrid({QStringLiteral("Nazwa elementu"),
                                   QStringLiteral("Wysokość H [m]"), QStringLiteral("Kąt [°]")},
                                  this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setAccessibleName(Label29->text().chopped(1));
    StringGrid2->setAccessibleDescription(
        QStringLiteral("Wysokości i kąty osłonowe; Enter lub F2: edycja, Delete: usunięcie"));
    // The number columns are at least as wide as their headers with some
    // air on both sides.
    const int szerokosci[] = {319, 100, 94};
    for (int k = 0; k < 3; ++k)
        StringGrid2->setColumnWidth(
            k, qMax(szerokosci[k], StringGrid2->horizontalHeader()->sectionSizeHint(k) + 16));
    StringGrid2->verticalHeader()->setDefaultSectionSize(19);
    StringGrid2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(StringGrid2, &TStringGrid::WybranoWiersz, this, &TKaty_strona::PokazKatElementu);
    StringGrid2->UstawPolecenia(true);
    connect(StringGrid2, &TStringGrid::Dodaj, this, &TKaty_strona::Dodaj);
    connect(StringGrid2, &TStringGrid::Edycja, this, &TKaty_strona::Edycja);
    connect(StringGrid2, &TStringGrid::Usun, this, &TKaty_strona::Usun);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(MARGINES, MARGINES, MARGINES, MARGINES);
    u->setSpacing(4);
    u->addWidget(Chart1, 3);
    u->addWidget(Label29);
    u->addWidget(StringGrid2, 1);

    // The rows as the fills so far left them; no row is shown by that.
    if (m_elementy_pokazane)
        PokazElementy(true);
}

QSize TKaty_strona::minimumSizeHint() const
{
    if (zbudowana())
        return TStrona_odroczona::minimumSizeHint();
    // As wide as the made page is until its chart is first shown: the
    // splitter beside the pages lets them grow no narrower.
    return QSize(SZEROKOSC_WYKRESU + 2 * MARGINES, 0);
}

void TKaty_strona::UmiescPanel12()
{
    const QRectF obszar = Chart1->ObszarWykresu();
    if (obszar.isEmpty())
        return;
    const QPoint prawy_gorny = obszar.topRight().toPoint();
    Panel12->move(prawy_gorny.x() - Panel12->width() - 8, prawy_gorny.y() + 8);
    Panel12->raise();
}

void TKaty_strona::OpiszPanel12()
{
    // Read as one line, each value after its caption.
    QStringList czesci;
    for (const QLabel *panel : {Panel_wykres_H, Panel_wykres_klasa, Panel_wykres_kat})
        czesci << panel->accessibleName() + QLatin1Char(' ') + panel->text();
    dostepnosc::JedenTekst(Panel12, czesci.join(QStringLiteral(", ")));
}

void TKaty_strona::PokazElementy(bool cicho)
{
    m_elementy_pokazane = true;
    if (!zbudowana())
        return;
    const QSignalBlocker cisza(cicho ? StringGrid2 : nullptr);
    StringGrid2->Wypelnij(m_projekt.liczba_elementow(),
                          [this](int w) { return KomorkiElementu(w); });
}

void TKaty_strona::PokazZmianeElementow(const kerwano::Przeliczenie &zmiana, bool cicho)
{
    if (!zbudowana() || !m_elementy_pokazane || (!zmiana.wstawiony && !zmiana.usuniety)) {
        PokazElementy(cicho);
        return;
    }
    const QSignalBlocker cisza(cicho ? StringGrid2 : nullptr);
    const int liczba = m_projekt.liczba_elementow();
    if (zmiana.usuniety)
        StringGrid2->UsunWiersz(zmiana.usuniety, liczba);
    else
        StringGrid2->WstawWiersz(zmiana.wstawiony, liczba, KomorkiElementu(zmiana.wstawiony));
}

QStringList TKaty_strona::KomorkiElementu(int wiersz) const
{
    const kerwano::WierszElementu &e = m_projekt.elementy().Wiersz(wiersz);
    return QStringList{e.nazwa, e.TekstWysokosci(), e.TekstKata()};
}

void TKaty_strona::Przeliczono(const kerwano::Przeliczenie &przeliczenie, bool biezaca)
{
    // A new element list brought its angles with its rows.
    if (przeliczenie.katy && !przeliczenie.elementy)
        PokazKaty();
    if (biezaca)
        OdswiezWykres();
}

void TKaty_strona::PokazKaty()
{
    // A table made later takes the angles with its rows.
    if (!zbudowana())
        return;
    for (int w = 1; w <= m_projekt.liczba_elementow(); ++w)
        StringGrid2->UstawCells(2, w, m_projekt.elementy().Wiersz(w).TekstKata());
}

void TKaty_strona::OdswiezWykres()
{
    if (zbudowana()) // a chart not made yet has no lines to take away
        Chart1->Odswiez();
}

void TKaty_strona::PokazKatElementu(int wiersz)
{
    Zbuduj();
    Chart1->Odswiez();
    const kerwano::WierszElementu &e = m_projekt.elementy().Wiersz(wiersz);
    const kerwano::Klasa klasa = m_projekt.klasa();
    Panel_wykres_klasa->setText(kerwano::TekstKlasy(klasa));
    if (!e.kat || !e.wysokosc) {
        // No angle for this row: the panel shows the class in force and no angle.
        Panel_wykres_kat->setText(QStringLiteral("?"));
        OpiszPanel12();
        return;
    }
    Chart1->RysujLinieKata(klasa.klasa, e.WysokoscKomorki());
    const std::optional<double> kat =
        m_projekt.krzywe_katow().KatOslonowy(klasa, kerwano::CzytajH(e.parametry));
    Panel_wykres_kat->setText(kat ? QString::number(static_cast<long long>(std::trunc(*kat))) +
                                        QStringLiteral(" °")
                                  : QStringLiteral("?"));
    OpiszPanel12();
}

void TKaty_strona::PokazWybranyElement()
{
    Zbuduj();
    PokazKatElementu(StringGrid2->Row());
}

void TKaty_strona::TabSheet2Show()
{
    PokazWybranyElement(); // makes the page
    Panel_wykres_H->setText(kerwano::F2(m_projekt.dane().wysokosc_budynku) + QStringLiteral(" m"));
    OpiszPanel12();
}
