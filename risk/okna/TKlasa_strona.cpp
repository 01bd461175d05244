#include "risk/okna/TKlasa_strona.h"

#include "project/ModelProjektu.h"
#include "project/PlikProjektu.h"
#include "risk/Klasa.h"
#include "risk/Konwersja.h"
#include "risk/Wspolczynniki.h"
#include "widgets/Dostepnosc.h"
#include "widgets/TFiltr_klawiszy.h"
#include "widgets/TKomunikat.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QWidgetItem>

namespace {

const QStringList NAZWY_WYMIAROW = {QStringLiteral("Długość budynku"),
                                    QStringLiteral("Szerokość budynku"),
                                    QStringLiteral("Wysokość budynku")};

QGroupBox *NowaGrupa(int nr, QWidget *rodzic)
{
    auto *g = new QGroupBox(kerwano::TytulGrupy(nr), rodzic);
    g->setObjectName(QStringLiteral("GroupBox%1").arg(nr));
    return g;
}

QGridLayout *SiatkaGrupy(QGroupBox *g)
{
    auto *s = new QGridLayout(g);
    s->setContentsMargins(8, 4, 8, 6);
    s->setHorizontalSpacing(8);
    s->setVerticalSpacing(2);
    return s;
}

QLabel *EtykietaWyniku(const QString &nazwa, QWidget *rodzic)
{
    auto *l = new QLabel(rodzic);
    l->setObjectName(nazwa);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// The widest text a label of `przedrostek` and a number with `calkowite`
// digits before the comma and `ulamkowe` after it (then `przyrostek`) can
// show in the label's font: digits may differ in width, and a large number
// of five decimals takes the exponent form (1,23457E6).
QString NajszerszyTekst(const QLabel *l, const QString &przedrostek, int calkowite, int ulamkowe,
                        const QString &przyrostek = QString())
{
    const QFontMetrics fm(l->font());
    QChar cyfra = QLatin1Char('0');
    for (char c = '1'; c <= '9'; ++c) {
        if (fm.horizontalAdvance(QLatin1Char(c)) > fm.horizontalAdvance(cyfra))
            cyfra = QLatin1Char(c);
    }
    const QString staly = przedrostek + QString(calkowite, cyfra) + QLatin1Char(',') +
                          QString(ulamkowe, cyfra) + przyrostek;
    const QString wykladniczy = przedrostek + QString(1, cyfra) + QLatin1Char(',') +
                                QString(5, cyfra) + QLatin1Char('E') + QString(3, cyfra);
    return ulamkowe == 5 && fm.horizontalAdvance(wykladniczy) > fm.horizontalAdvance(staly)
               ? wykladniczy
               : staly;
}

// m_werdykt's place in the verdict panel's layout, sized exactly as the layout
// would size the label itself. The label lives in a holder without a layout,
// so that a new verdict tells no layout by itself: PokazWyniki invalidates the
// panel's layout when the verdict needs other room.
class MiejsceWerdyktu : public QWidgetItem
{
public:
    MiejsceWerdyktu(QLabel *etykieta, QWidget *uchwyt) : QWidgetItem(etykieta), m_uchwyt(uchwyt) {}
    void setGeometry(const QRect &r) override
    {
        m_uchwyt->setGeometry(r);
        QWidgetItem::setGeometry(QRect(QPoint(0, 0), r.size()));
        m_obszar = r;
    }
    QRect geometry() const override { return m_obszar; }

private:
    QWidget *m_uchwyt;
    QRect m_obszar;
};

// What the layouts learn of the verdict: its hints and its height at its width.
struct PotrzebyWerdyktu
{
    QSize wskazowka, minimum;
    int wysokosc;
    bool operator!=(const PotrzebyWerdyktu &p) const
    {
        return wskazowka != p.wskazowka || minimum != p.minimum || wysokosc != p.wysokosc;
    }
};

PotrzebyWerdyktu Potrzeby(const QLabel *l)
{
    return {l->sizeHint(), l->minimumSizeHint(), l->heightForWidth(l->width())};
}

// The dimensions' fields take digits and a comma, and keep a text that
// converts to a number not below zero, which no dimension is.
bool ZnakWymiaru(QChar znak)
{
    return kerwano::ZnakDozwolony(znak, true);
}

bool LiczbaWymiaru(const QString &tekst)
{
    const std::optional<double> x = kerwano::TekstNaLiczbe(tekst);
    return x && *x >= 0;
}

} // namespace

TKlasa_strona::TKlasa_strona(const kerwano::ModelProjektu &projekt, QWidget *parent)
    : TStrona(projekt, parent)
{
    ZbudujPola();
    UlozWejscia();
    QGridLayout *wyniki = ZbudujWyniki();
    ZbudujWerdykt();
    ZbudujPrzycisk(wyniki);
    UlozStrone();
    UstawKolejnosc();
}

// The five groups, the thirteen lists and the three dimension fields.
void TKlasa_strona::ZbudujPola()
{
    m_konstrukcja = NowaGrupa(1, this);
    m_charakterystyka = NowaGrupa(2, this);
    m_skutki = NowaGrupa(3, this);
    m_inne = NowaGrupa(4, this);
    m_wyniki = NowaGrupa(5, this);

    auto *filtr = new TFiltr_klawiszy(ZnakWymiaru, this);
    for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr) {
        const kerwano::ListaWspolczynnika &lista = kerwano::Lista(nr);
        auto *c = new QComboBox(this);
        c->setObjectName(QStringLiteral("ComboBox%1").arg(nr));
        for (const kerwano::PozycjaListy &p : lista.pozycje)
            c->addItem(p.tekst);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        c->setMaxVisibleItems(12);
        connect(c, &QComboBox::activated, this,
                [this, nr](int indeks) { emit ListaZmieniona(nr, indeks); });
        m_listy[nr - 1] = c;
    }
    for (int nr = 1; nr <= kerwano::LICZBA_WYMIAROW; ++nr) {
        auto *e = new QLineEdit(QStringLiteral("1,00"), this);
        e->setObjectName(QStringLiteral("Edit%1").arg(nr));
        filtr->Zaloz(e, kerwano::POJEMNOSC_WYMIARU, LiczbaWymiaru);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 10);
        e->setAlignment(Qt::AlignRight);
        connect(e, &QLineEdit::textChanged, this,
                [this, nr](const QString &tekst) { emit WymiarZmieniony(nr, tekst); });
        m_wymiary[nr - 1] = e;
    }
}

// The four groups of inputs: a label beside each list and field.
void TKlasa_strona::UlozWejscia()
{
    // The first three groups: a label and its list on each row.
    auto wiersze = [this](QGroupBox *g, int od, int do_) {
        QGridLayout *s = SiatkaGrupy(g);
        for (int nr = od; nr <= do_; ++nr) {
            auto *l = new QLabel(kerwano::Lista(nr).etykieta, g);
            l->setBuddy(m_listy[nr - 1]);
            s->addWidget(l, nr - od, 0);
            s->addWidget(m_listy[nr - 1], nr - od, 1, Qt::AlignLeft);
        }
        s->setColumnStretch(1, 1);
        return s;
    };
    QGridLayout *s1 = wiersze(m_konstrukcja, 1, 4);
    QGridLayout *s2 = wiersze(m_charakterystyka, 5, 8);
    QGridLayout *s3 = wiersze(m_skutki, 9, 11);

    // Thunderstorm days and building location with the three dimensions.
    QGridLayout *s4 = SiatkaGrupy(m_inne);
    auto *l12 = new QLabel(kerwano::Lista(12).etykieta, m_inne);
    l12->setBuddy(m_listy[11]);
    s4->addWidget(l12, 0, 0);
    s4->addWidget(m_listy[11], 0, 1, Qt::AlignLeft);
    auto *wymiary = new QHBoxLayout;
    wymiary->setSpacing(4);
    for (int nr = 1; nr <= kerwano::LICZBA_WYMIAROW; ++nr) {
        auto *l = new QLabel(NAZWY_WYMIAROW.at(nr - 1), m_inne);
        l->setBuddy(m_wymiary[nr - 1]);
        wymiary->addWidget(l);
        wymiary->addWidget(m_wymiary[nr - 1]);
        wymiary->addWidget(new QLabel(QStringLiteral("m"), m_inne));
        if (nr < kerwano::LICZBA_WYMIAROW)
            wymiary->addSpacing(6);
    }
    wymiary->addStretch(1);
    s4->addLayout(wymiary, 1, 0, 1, 2);
    auto *l13 = new QLabel(kerwano::Lista(13).etykieta, m_inne);
    l13->setBuddy(m_listy[12]);
    s4->addWidget(l13, 2, 0);
    s4->addWidget(m_listy[12], 2, 1, Qt::AlignLeft);
    s4->setColumnStretch(1, 1);

    WyrownajKolumny({s1, s2, s3, s4});
}

// The label columns of the four groups line up, and the lists of a column
// share one width: those of the full-width groups, and the fire
// consequences beside the results.
void TKlasa_strona::WyrownajKolumny(const std::array<QGridLayout *, 4> &siatki)
{
    int szer = 0;
    for (QGridLayout *s : siatki) {
        for (int w = 0; w < s->rowCount(); ++w) {
            if (QLayoutItem *it = s->itemAtPosition(w, 0); it && it->widget())
                szer = qMax(szer, it->widget()->sizeHint().width());
        }
    }
    for (QGridLayout *s : siatki)
        s->setColumnMinimumWidth(0, szer);
    const auto wspolna = [this](std::initializer_list<int> numery) {
        int w = 0;
        for (int nr : numery)
            w = qMax(w, m_listy[nr - 1]->sizeHint().width());
        for (int nr : numery)
            m_listy[nr - 1]->setMinimumWidth(w);
        // Never narrower than the longest entry needs, whatever the font;
        // the shared width above is measured before the style has polished
        // the lists and may fall short of it.
        for (int nr : numery)
            m_listy[nr - 1]->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    };
    wspolna({1, 2, 3, 4, 5, 6, 7, 8, 12, 13});
    wspolna({9, 10, 11});
}

// The results group, its layout returned.
QGridLayout *TKlasa_strona::ZbudujWyniki()
{
    // Results.
    Label_A = EtykietaWyniku(QStringLiteral("Label_A"), m_wyniki);
    Label_B = EtykietaWyniku(QStringLiteral("Label_B"), m_wyniki);
    Label_C = EtykietaWyniku(QStringLiteral("Label_C"), m_wyniki);
    Label_Nc = EtykietaWyniku(QStringLiteral("Label_Nc"), m_wyniki);
    Label_Ae = EtykietaWyniku(QStringLiteral("Label_Ae"), m_wyniki);
    Label_Nd = EtykietaWyniku(QStringLiteral("Label_Nd"), m_wyniki);
    Label_E = EtykietaWyniku(QStringLiteral("Label_E"), m_wyniki);
    // What each result is, for a screen reader that reads only "A = 80,00000".
    const std::pair<QLabel *, const char *> opisy[] = {
        {Label_A, "Współczynnik A"},
        {Label_B, "Współczynnik B"},
        {Label_C, "Współczynnik C"},
        {Label_Nc, "Dopuszczalna częstość wyładowań Nc"},
        {Label_Ae, "Równoważna powierzchnia zbierania Ae"},
        {Label_Nd, "Spodziewana częstość bezpośrednich wyładowań Nd"},
        {Label_E, "Wymagana skuteczność ochrony E"}};
    for (const auto &[wynik, opis] : opisy)
        wynik->setAccessibleDescription(QString::fromUtf8(opis));
    QFont pogrubiona = Label_E->font();
    pogrubiona.setBold(true);
    Label_E->setFont(pogrubiona);
    ZarezerwujMiejsce();
    // Fixed in size, they stand where a label filling its cell shows its text.
    const Qt::Alignment miejsce = Qt::AlignLeft | Qt::AlignVCenter;
    QGridLayout *s5 = SiatkaGrupy(m_wyniki);
    s5->setHorizontalSpacing(16);
    s5->setVerticalSpacing(2);
    s5->addWidget(Label_A, 0, 0, miejsce);
    s5->addWidget(Label_B, 1, 0, miejsce);
    s5->addWidget(Label_C, 2, 0, miejsce);
    s5->addWidget(Label_Nc, 0, 1, miejsce);
    s5->addWidget(Label_Ae, 1, 1, miejsce);
    s5->addWidget(Label_Nd, 2, 1, miejsce);
    s5->addWidget(Label_E, 3, 0, 1, 2, miejsce);

    return s5;
}

// A, B and C take the room of their own texts, which sets the column of Nc,
// Ae and Nd as before; those and E reserve the room of their widest text.
void TKlasa_strona::ZarezerwujMiejsce()
{
    m_miarka = EtykietaWyniku(QString(), m_wyniki);
    m_miarka->hide();
    const std::pair<QLabel *, QString> najszersze[4] = {
        {Label_Nc, NajszerszyTekst(Label_Nc, QStringLiteral("Nc = "), 6, 5)},
        {Label_Ae, NajszerszyTekst(Label_Ae, QStringLiteral("Ae = "), 6, 5)},
        {Label_Nd, NajszerszyTekst(Label_Nd, QStringLiteral("Nd = "), 6, 5)},
        {Label_E, NajszerszyTekst(Label_E, QStringLiteral("E = "), 3, 2, QStringLiteral(" %"))}};
    for (int i = 0; i < 4; ++i) {
        const auto &[l, tekst] = najszersze[i];
        m_zapas[i] = {Rozmiar(l, tekst), QFontMetrics(l->font()).horizontalAdvance(tekst)};
        l->setFixedSize(m_zapas[i].rozmiar);
    }
}

void TKlasa_strona::ZbudujWerdykt()
{
    // Verdict.
    m_panel_werdyktu = new QFrame(this);
    m_panel_werdyktu->setObjectName(QStringLiteral("Panel3"));
    m_panel_werdyktu->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *uchwyt = new QWidget(m_panel_werdyktu);
    m_werdykt = new TKomunikat(QString(), uchwyt);
    m_werdykt->setObjectName(QStringLiteral("Label21"));
    QFont duza = m_werdykt->font();
    duza.setPointSizeF(duza.pointSizeF() + 2);
    m_werdykt->setFont(duza);
    auto *u3 = new QVBoxLayout(m_panel_werdyktu);
    u3->setContentsMargins(6, 3, 6, 3);
    u3->addItem(new MiejsceWerdyktu(m_werdykt, uchwyt));
    // Grows with the window up to three lines of the verdict, no further.
    m_panel_werdyktu->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_panel_werdyktu->setMaximumHeight(3 * QFontMetrics(duza).lineSpacing() + 12);
}

// The button of the class parameters sheet, under the results.
void TKlasa_strona::ZbudujPrzycisk(QGridLayout *s5)
{
    m_arkusz = new QPushButton(QStringLiteral("&Zwody i przewody odprowadzające"), m_wyniki);
    m_arkusz->setObjectName(QStringLiteral("Button1"));
    connect(m_arkusz, &QPushButton::clicked, this, &TKlasa_strona::Button1Click);
    s5->addWidget(m_arkusz, 4, 0, 1, 2, Qt::AlignLeft);
    s5->setColumnStretch(1, 1);
}

void TKlasa_strona::UlozStrone()
{
    // The groups keep the height their contents need; the verdict and the
    // space below take what the window gives beyond it.
    for (QGroupBox *g : {m_konstrukcja, m_charakterystyka, m_skutki, m_inne, m_wyniki})
        g->setSizePolicy(g->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    m_uklad = new QGridLayout(this);
    m_uklad->setContentsMargins(6, 6, 6, 6);
    m_uklad->setSpacing(4);
    Rozloz(false);
    // The narrow arrangement is the page's least width: the wide one, needing
    // more, takes over only above it, and the window can always be narrowed.
    setMinimumWidth(m_uklad->minimumSize().width());
}

void TKlasa_strona::UstawKolejnosc()
{
    // Tab goes the way the page reads: the dimensions between the two lists
    // of the last group, the sheet button last.
    for (int nr = 1; nr < 12; ++nr)
        setTabOrder(m_listy[nr - 1], m_listy[nr]);
    setTabOrder(m_listy[11], m_wymiary[0]);
    setTabOrder(m_wymiary[0], m_wymiary[1]);
    setTabOrder(m_wymiary[1], m_wymiary[2]);
    setTabOrder(m_wymiary[2], m_listy[12]);
    setTabOrder(m_listy[12], m_arkusz);

    // Each list and field is named by its label for screen readers; the
    // verdict reads with what it is.
    dostepnosc::NazwijPola(this);
    m_werdykt->setAccessibleDescription(QStringLiteral("Werdykt"));
}

void TKlasa_strona::Rozloz(bool szeroko)
{
    m_szeroko = szeroko;
    const QList<QWidget *> czesci = {m_konstrukcja, m_charakterystyka, m_skutki,
                                     m_inne,        m_wyniki,          m_panel_werdyktu};
    for (QWidget *w : czesci)
        m_uklad->removeWidget(w);
    for (int r = 0; r < 6; ++r)
        m_uklad->setRowStretch(r, 0);
    for (int k = 0; k < 3; ++k)
        m_uklad->setColumnStretch(k, 0);
    if (!szeroko) {
        m_uklad->addWidget(m_konstrukcja, 0, 0, 1, 2);
        m_uklad->addWidget(m_charakterystyka, 1, 0, 1, 2);
        m_uklad->addWidget(m_skutki, 2, 0);
        m_uklad->addWidget(m_wyniki, 2, 1);
        m_uklad->addWidget(m_inne, 3, 0, 1, 2);
        m_uklad->addWidget(m_panel_werdyktu, 4, 0, 1, 2);
        m_uklad->setRowStretch(4, 1);
        m_uklad->setRowStretch(5, 1);
        m_uklad->setColumnStretch(1, 1);
    } else {
        // A wide window: the inputs keep their width on the left, the results
        // and the verdict stand beside them at the top, in view.
        m_uklad->addWidget(m_konstrukcja, 0, 0);
        m_uklad->addWidget(m_charakterystyka, 1, 0);
        m_uklad->addWidget(m_skutki, 2, 0);
        m_uklad->addWidget(m_inne, 3, 0);
        m_uklad->addWidget(m_wyniki, 0, 1);
        m_uklad->addWidget(m_panel_werdyktu, 1, 1, Qt::AlignTop);
        m_uklad->setRowStretch(4, 1);
        m_uklad->setColumnStretch(1, 1);
        m_uklad->setColumnStretch(2, 1);
    }
}

void TKlasa_strona::PokazProjekt()
{
    PokazWybory(m_projekt);
}

void TKlasa_strona::PokazWybory(const kerwano::ModelProjektu &projekt)
{
    for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr)
        m_listy[nr - 1]->setCurrentIndex(projekt.Wybor(nr));
    for (int nr = 1; nr <= kerwano::LICZBA_WYMIAROW; ++nr) {
        const QSignalBlocker cisza(m_wymiary[nr - 1]);
        TFiltr_klawiszy::UstawTekst(m_wymiary[nr - 1], projekt.Wymiar(nr));
    }
}

void TKlasa_strona::PokazWyniki(const kerwano::ModelProjektu &projekt)
{
    const kerwano::TekstyWynikow t = kerwano::Teksty(projekt.wyniki());
    Pokaz(Label_A, t.A);
    Pokaz(Label_B, t.B);
    Pokaz(Label_C, t.C);
    Pokaz(Label_Nc, t.Nc, &m_zapas[0]);
    Pokaz(Label_Ae, t.Ae, &m_zapas[1]);
    Pokaz(Label_Nd, t.Nd, &m_zapas[2]);
    Pokaz(Label_E, t.E, &m_zapas[3]);

    const QString &werdykt = t.werdykt;
    if (werdykt == m_werdykt->text())
        return;
    const PotrzebyWerdyktu przed = Potrzeby(m_werdykt);
    m_werdykt->setText(werdykt);
    if (!m_panel_werdyktu->isVisible() || Potrzeby(m_werdykt) != przed)
        m_panel_werdyktu->layout()->invalidate();
    else
        m_werdykt_bez_ukladu = true;
}

QSize TKlasa_strona::Rozmiar(const QLabel *l, const QString &tekst) const
{
    // A label's own size hint grows to its minimum size, which is fixed
    // here: the room of a text is measured on a hidden twin that has none.
    m_miarka->setFont(l->font());
    m_miarka->setText(tekst);
    return m_miarka->sizeHint();
}

void TKlasa_strona::Pokaz(QLabel *l, const QString &tekst, const Zapas *zapas)
{
    if (tekst == l->text())
        return;
    l->setText(tekst);
    // Within the reserved room nothing changes size; otherwise the label
    // takes the room of its text, which lays out the group as before.
    if (!zapas || l->size() != zapas->rozmiar ||
        QFontMetrics(l->font()).horizontalAdvance(tekst) > zapas->dlugosc) {
        const QSize s = Rozmiar(l, tekst);
        l->setFixedSize(qMax(s.width(), zapas ? zapas->rozmiar.width() : 0), s.height());
    }
    // Asking the label itself lays its text out now: laid out in its paint,
    // the text would ask for a second paint.
    l->sizeHint();
}

QSize TKlasa_strona::minimumSizeHint() const
{
    // The verdict wraps: at the least width it may take more lines than the
    // layout's least height allows for, and would take them from the groups.
    QSize najmniej = TStrona::minimumSizeHint();
    if (m_uklad && m_uklad->hasHeightForWidth())
        najmniej.setHeight(qMax(najmniej.height(), m_uklad->totalHeightForWidth(
                                                       qMax(najmniej.width(), minimumWidth()))));
    return najmniej;
}

bool TKlasa_strona::event(QEvent *zdarzenie)
{
    // The least width measured at creation falls short once the style has
    // polished the lists and labels (a larger desktop font shows it): the
    // narrow arrangement measures it again whenever the layout changes.
    if (zdarzenie->type() == QEvent::LayoutRequest && !m_szeroko && m_uklad) {
        m_uklad->activate();
        const int szerokosc = m_uklad->minimumSize().width();
        if (szerokosc != minimumWidth())
            setMinimumWidth(szerokosc);
    }
    return TStrona::event(zdarzenie);
}

void TKlasa_strona::resizeEvent(QResizeEvent *zdarzenie)
{
    QWidget::resizeEvent(zdarzenie);
    // Wide enough for the inputs and the results side by side, with room to spare.
    const int szeroki = qMax(m_konstrukcja->sizeHint().width(), m_inne->sizeHint().width()) +
                        m_wyniki->sizeHint().width() + 2 * 6 + 4 + 40;
    if ((width() >= szeroki) != m_szeroko)
        Rozloz(!m_szeroko);
    if (m_werdykt_bez_ukladu && zdarzenie->size().width() != zdarzenie->oldSize().width()) {
        m_werdykt_bez_ukladu = false;
        m_panel_werdyktu->layout()->invalidate();
    }
}
