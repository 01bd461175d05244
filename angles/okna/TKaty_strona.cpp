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
    m_wykres = new TWykres_katow(this);
    m_wykres->setObjectName(QStringLiteral("Chart1"));
    m_wykres->PrzygotujWykres(m_projekt.krzywe_katow());
    dostepnosc::Obraz(m_wykres, m_wykres->chart()->title(),
                      QStringLiteral("Kąt osłonowy (0 do 80°) w zależności od wysokości (0 do 62 "
                                     "m) dla klas ochronności I do IV; krzywe kończą się na 20, "
                                     "30, 45 i 60 m przy kącie 23°."));

    // The chart is a picture, described as one: its inner panel takes no
    // focus either, and is named.
    m_wykres->viewport()->setFocusPolicy(Qt::NoFocus);
    m_wykres->viewport()->setAccessibleName(QStringLiteral("Obszar wykresu"));
    // On the chart's viewport, where a screen reader finds it among the chart's children.
    m_informacje = new QFrame(m_wykres->viewport());
    m_informacje->setObjectName(QStringLiteral("Panel12"));
    m_informacje->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_informacje->setLineWidth(1);
    m_informacje->setAutoFillBackground(true);
    auto *ramka = new QFrame(m_informacje);
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
    auto *u12 = new QVBoxLayout(m_informacje);
    u12->setContentsMargins(2, 2, 2, 2);
    u12->addWidget(ramka);
    m_informacje->adjustSize();
    m_informacje->setAccessibleDescription(
        QStringLiteral("Wartości wykresu dla wybranego elementu"));
    OpiszInformacje();
    // The plot area settles after the chart's own layout; place the panel then.
    connect(m_wykres->chart(), &QChart::plotAreaChanged, this, &TKaty_strona::UmiescInformacje,
            Qt::QueuedConnection);

    m_opis_tabeli = new QLabel(QStringLiteral("Elementy konstrukcyjne dachu:"), this);
    m_opis_tabeli->setObjectName(QStringLiteral("Label29"));
    m_tabela = new TStringGrid({QStringLiteral("Nazwa elementu"), QStringLiteral("Wysokość H [m]"),
                                QStringLiteral("Kąt [°]")},
                               this);
    m_tabela->setObjectName(QStringLiteral("StringGrid2"));
    m_tabela->setAccessibleName(m_opis_tabeli->text().chopped(1));
    m_tabela->setAccessibleDescription(
        QStringLiteral("Wysokości i kąty osłonowe; Enter lub F2: edycja, Delete: usunięcie"));
    // The number columns are at least as wide as their headers with some
    // air on both sides.
    const int szerokosci[] = {319, 100, 94};
    for (int k = 0; k < 3; ++k)
        m_tabela->setColumnWidth(
            k, qMax(szerokosci[k], m_tabela->horizontalHeader()->sectionSizeHint(k) + 16));
    m_tabela->verticalHeader()->setDefaultSectionSize(19);
    m_tabela->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(m_tabela, &TStringGrid::WybranoWiersz, this, &TKaty_strona::PokazKatElementu);
    m_tabela->UstawPolecenia(true);
    connect(m_tabela, &TStringGrid::Dodaj, this, &TKaty_strona::Dodaj);
    connect(m_tabela, &TStringGrid::Edycja, this, &TKaty_strona::Edycja);
    connect(m_tabela, &TStringGrid::Usun, this, &TKaty_strona::Usun);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(MARGINES, MARGINES, MARGINES, MARGINES);
    u->setSpacing(4);
    u->addWidget(m_wykres, 3);
    u->addWidget(m_opis_tabeli);
    u->addWidget(m_tabela, 1);

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

void TKaty_strona::UmiescInformacje()
{
    const QRectF obszar = m_wykres->ObszarWykresu();
    if (obszar.isEmpty())
        return;
    const QPoint prawy_gorny = obszar.topRight().toPoint();
    m_informacje->move(prawy_gorny.x() - m_informacje->width() - 8, prawy_gorny.y() + 8);
    m_informacje->raise();
}

void TKaty_strona::OpiszInformacje()
{
    // Read as one line, each value after its caption.
    QStringList czesci;
    for (const QLabel *panel : {Panel_wykres_H, Panel_wykres_klasa, Panel_wykres_kat})
        czesci << panel->accessibleName() + QLatin1Char(' ') + panel->text();
    dostepnosc::JedenTekst(m_informacje, czesci.join(QStringLiteral(", ")));
}

void TKaty_strona::PokazElementy(bool cicho)
{
    m_elementy_pokazane = true;
    if (!zbudowana())
        return;
    const QSignalBlocker cisza(cicho ? m_tabela : nullptr);
    m_tabela->Wypelnij(m_projekt.liczba_elementow(), [this](int w) { return KomorkiElementu(w); });
}

void TKaty_strona::PokazZmianeElementow(const kerwano::Przeliczenie &zmiana, bool cicho)
{
    if (!zbudowana() || !m_elementy_pokazane || (!zmiana.wstawiony && !zmiana.usuniety)) {
        PokazElementy(cicho);
        return;
    }
    const QSignalBlocker cisza(cicho ? m_tabela : nullptr);
    const int liczba = m_projekt.liczba_elementow();
    if (zmiana.usuniety)
        m_tabela->UsunWiersz(zmiana.usuniety, liczba);
    else
        m_tabela->WstawWiersz(zmiana.wstawiony, liczba, KomorkiElementu(zmiana.wstawiony));
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
        m_tabela->UstawCells(2, w, m_projekt.elementy().Wiersz(w).TekstKata());
}

void TKaty_strona::OdswiezWykres()
{
    if (zbudowana()) // a chart not made yet has no lines to take away
        m_wykres->Odswiez();
}

void TKaty_strona::PokazKatElementu(int wiersz)
{
    Zbuduj();
    m_wykres->Odswiez();
    const kerwano::WierszElementu &e = m_projekt.elementy().Wiersz(wiersz);
    const kerwano::Klasa klasa = m_projekt.klasa();
    Panel_wykres_klasa->setText(kerwano::TekstKlasy(klasa));
    if (!e.kat || !e.wysokosc) {
        // No angle for this row: the panel shows the class in force and no angle.
        Panel_wykres_kat->setText(QStringLiteral("?"));
        OpiszInformacje();
        return;
    }
    m_wykres->RysujLinieKata(klasa.klasa, e.WysokoscKomorki());
    const std::optional<double> kat =
        m_projekt.krzywe_katow().KatOslonowy(klasa, kerwano::CzytajH(e.parametry));
    Panel_wykres_kat->setText(kat ? QString::number(static_cast<long long>(std::trunc(*kat))) +
                                        QStringLiteral(" °")
                                  : QStringLiteral("?"));
    OpiszInformacje();
}

void TKaty_strona::PokazWybranyElement()
{
    Zbuduj();
    PokazKatElementu(m_tabela->Row());
}

void TKaty_strona::TabSheet2Show()
{
    PokazWybranyElement(); // makes the page
    Panel_wykres_H->setText(kerwano::F2(m_projekt.dane().wysokosc_budynku) + QStringLiteral(" m"));
    OpiszInformacje();
}
