#include "elements/okna/TOdstepy_strona.h"

#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "elements/UkladyElementu.h"
#include "elements/okna/TObraz.h"
#include "elements/okna/TOdstepy_parametry_form.h"
#include "pliki/ZdanieBledu.h"
#include "project/ModelProjektu.h"
#include "widgets/Dostepnosc.h"
#include "widgets/OknoBledu.h"
#include "widgets/TKomunikat.h"
#include "widgets/TPanel_wartosci.h"
#include "widgets/TStringGrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const int WYSOKOSC_PANELU = 28;

QLabel *Komunikat(const QString &tekst, const QString &nazwa, QWidget *rodzic)
{
    auto *l = new TKomunikat(tekst, rodzic);
    l->setObjectName(nazwa);
    return l;
}

} // namespace

TOdstepy_strona::TOdstepy_strona(const kerwano::ModelProjektu &projekt, QWidget *parent)
    : TStrona(projekt, parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
}

void TOdstepy_strona::ZbudujZawartosc()
{
    m_opis_klasy = new QLabel(QStringLiteral("Obliczona klasa ochronności budynku:"), this);
    Panel_odi_klasa = new TPanel_wartosci(QStringLiteral("?"), this);
    Panel_odi_klasa->setObjectName(QStringLiteral("Panel_odi_klasa"));
    Panel_odi_klasa->setAccessibleDescription(QStringLiteral("Klasa ochronności"));
    Panel_odi_klasa->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Panel_odi_klasa->setFixedWidth(
        Panel_odi_klasa->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 8);

    m_opis_klasy->setObjectName(QStringLiteral("Label26"));
    m_opis_tabeli = new QLabel(QStringLiteral("Elementy konstrukcyjne dachu:"), this);
    m_opis_tabeli->setObjectName(QStringLiteral("Label27"));
    m_tabela =
        new TStringGrid({QStringLiteral("Nazwa elementu"), QStringLiteral("Parametry")}, this);
    m_tabela->setObjectName(QStringLiteral("StringGrid1"));
    m_tabela->setAccessibleName(m_opis_tabeli->text().chopped(1));
    m_tabela->setAccessibleDescription(
        QStringLiteral("Enter lub F2: edycja, Delete: usunięcie, menu kontekstowe: dodanie"));
    // The name gets what it needs up to half the table, the parameter text
    // the rest; a text cut to fit shows whole as the tool tip.
    m_tabela->UstawDzielenieSzerokosci(true);
    m_tabela->verticalHeader()->setDefaultSectionSize(19);

    m_dodaj = new QPushButton(QStringLiteral("<< &Dodaj"), this);
    m_dodaj->setObjectName(QStringLiteral("Button2"));
    m_usun = new QPushButton(QStringLiteral("&Usuń"), this);
    m_usun->setObjectName(QStringLiteral("Button3"));
    m_edycja = new QPushButton(QStringLiteral("&Edycja"), this);
    m_edycja->setObjectName(QStringLiteral("Button4"));

    connect(m_dodaj, &QPushButton::clicked, this, &TOdstepy_strona::Dodaj);
    connect(m_usun, &QPushButton::clicked, this, &TOdstepy_strona::UsunBiezacy);
    connect(m_edycja, &QPushButton::clicked, this, &TOdstepy_strona::EdytujBiezacy);
    connect(m_tabela, &TStringGrid::WybranoWiersz, this, &TOdstepy_strona::PokazElement);
    // A double-click on an element opens it for editing, as "Edycja" does.
    connect(m_tabela, &QTableWidget::cellDoubleClicked, this, &TOdstepy_strona::EdytujBiezacy);
    // Its keys and context menu do what the buttons do.
    m_tabela->UstawPolecenia(true);
    connect(m_tabela, &TStringGrid::Dodaj, this, &TOdstepy_strona::Dodaj);
    connect(m_tabela, &TStringGrid::Edycja, this, &TOdstepy_strona::Edytuj);
    connect(m_tabela, &TStringGrid::Usun, this, &TOdstepy_strona::Usun);

    m_opis_ukladow = new QLabel(QStringLiteral("Układy instalacji odgromowej"), this);
    m_opis_ukladow->setObjectName(QStringLiteral("Label28"));
    QFont n = m_opis_ukladow->font();
    n.setBold(true);
    m_opis_ukladow->setFont(n);
    Label_uklad_AB = Komunikat(QStringLiteral("Nie wybrano żadnego typu układu."),
                               QStringLiteral("Label_uklad_AB"), this);
    Label_typ_instalacji =
        Komunikat(QStringLiteral("Nie wybrano żadnego typu wykonania instalacji."),
                  QStringLiteral("Label_typ_instalacji"), this);

    auto *gora = new QHBoxLayout;
    gora->addWidget(m_opis_klasy);
    gora->addWidget(Panel_odi_klasa);
    gora->addStretch(1);

    auto *przyciski = new QVBoxLayout;
    przyciski->addWidget(m_dodaj);
    przyciski->addWidget(m_usun);
    przyciski->addWidget(m_edycja);
    przyciski->addStretch(1);

    auto *lista = new QHBoxLayout;
    lista->addWidget(m_tabela, 1);
    lista->addLayout(przyciski);

    // Each arrangement and layout has its picture, named by its mark.
    const auto obraz = [this](const kerwano::Rysunek &rysunek, const QString &znak) {
        auto *o = new TObraz(rysunek, this);
        o->setObjectName(QStringLiteral("Image_uklad_") + znak);
        o->hide();
        return o;
    };
    for (const kerwano::OpisUkladu &u : kerwano::Uklady())
        m_obrazy_ukladow.push_back(obraz(u.rysunek, u.znak));
    for (const kerwano::OpisInstalacji &i : kerwano::Instalacje())
        m_obrazy_instalacji.push_back(obraz(i.rysunek, i.znak));
    for (QLabel *komunikat : {Label_uklad_AB, Label_typ_instalacji})
        komunikat->setFixedSize(TObraz::ROZMIAR);

    Panel_d = PanelWyniku(QStringLiteral("Panel_d"), QStringLiteral("d"), QStringLiteral("≥"),
                          Label_d, Label_d_nr, Label_d_wbr, Label_d_wart);
    Panel_alpha =
        PanelWyniku(QStringLiteral("Panel_alpha"), QStringLiteral("α"), QStringLiteral("="),
                    Label_alpha, Label_alpha_nr, Label_alpha_wbr, Label_alpha_wart);
    Panel_d->setAccessibleDescription(QStringLiteral("Odstęp izolacyjny wybranego elementu"));
    Panel_alpha->setAccessibleDescription(QStringLiteral("Kąt osłonowy wybranego elementu"));

    // Each place holds its pictures and its notice; one of them shows.
    auto *miejsce_ukladu = new QGridLayout;
    miejsce_ukladu->addWidget(Label_uklad_AB, 0, 0);
    for (TObraz *o : m_obrazy_ukladow)
        miejsce_ukladu->addWidget(o, 0, 0);
    auto *miejsce_instalacji = new QGridLayout;
    miejsce_instalacji->addWidget(Label_typ_instalacji, 0, 0);
    for (TObraz *o : m_obrazy_instalacji)
        miejsce_instalacji->addWidget(o, 0, 0);

    auto *wyniki = new QVBoxLayout;
    wyniki->setSpacing(8);
    wyniki->addWidget(Panel_d);
    wyniki->addWidget(Panel_alpha);
    wyniki->addStretch(1);

    auto *obrazy = new QHBoxLayout;
    obrazy->setSpacing(10);
    obrazy->addLayout(miejsce_ukladu);
    obrazy->addLayout(miejsce_instalacji);
    obrazy->addLayout(wyniki);
    obrazy->addStretch(1);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(6, 6, 6, 6);
    u->addLayout(gora);
    u->addWidget(m_opis_tabeli);
    u->addLayout(lista, 1);
    u->addWidget(m_opis_ukladow);
    u->addLayout(obrazy);

    if (m_klasa_pokazana)
        PokazKlase();
    if (m_elementy_pokazane)
        PokazElementy(true);
}

QFrame *TOdstepy_strona::PanelWyniku(const QString &nazwa, const QString &symbol,
                                     const QString &relacja, QLabel *&symbol_l, QLabel *&nr_l,
                                     QLabel *&relacja_l, QLabel *&wartosc_l)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(nazwa);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, QColor(128, 128, 128)); // the frame
    panel->setPalette(p);
    p.setColor(QPalette::WindowText, Qt::black);
    panel->setFixedSize(140, WYSOKOSC_PANELU);

    const QFont duza = font();
    QFont mala = font();
    mala.setPointSizeF(duza.pointSizeF() * 0.75);
    auto etykieta = [panel, p](const QString &tekst, const QFont &f, int x, int y) {
        auto *l = new QLabel(tekst, panel);
        l->setPalette(p);
        l->setFont(f);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    const int y = (WYSOKOSC_PANELU - QFontMetrics(duza).height()) / 2;
    QFont pochyla = duza;
    pochyla.setItalic(true);
    symbol_l = etykieta(symbol, pochyla, 7, y);
    nr_l = etykieta(QString(), mala, 17,
                    y + QFontMetrics(duza).ascent() - QFontMetrics(mala).ascent() + 3);
    relacja_l = etykieta(relacja, duza, 29, y);
    wartosc_l = etykieta(QString(), duza, 41, y);
    // "Panel_d" holds "Label_d", "Label_d_nr", "Label_d_wbr" and "Label_d_wart".
    const QString etykiety = QStringLiteral("Label") + nazwa.mid(nazwa.indexOf(u'_'));
    symbol_l->setObjectName(etykiety);
    nr_l->setObjectName(etykiety + QStringLiteral("_nr"));
    relacja_l->setObjectName(etykiety + QStringLiteral("_wbr"));
    wartosc_l->setObjectName(etykiety + QStringLiteral("_wart"));
    panel->hide();
    return panel;
}

void TOdstepy_strona::PokazWynik(QFrame *panel, QLabel *symbol, QLabel *nr, QLabel *relacja,
                                 QLabel *wartosc, int wiersz, const QString &tekst)
{
    nr->setText(QString::number(wiersz));
    nr->adjustSize();
    // The sign and the value make way for a longer row number.
    const int cyfry = nr->text().size();
    if (cyfry >= 1 && cyfry <= 3) {
        const int przesuniecie = 6 * (cyfry - 1);
        relacja->move(29 + przesuniecie, relacja->y());
        wartosc->move(41 + przesuniecie, wartosc->y());
    }
    wartosc->setText(tekst);
    wartosc->adjustSize();
    // A very long value widens its panel rather than being cut off.
    panel->setFixedWidth(std::max(140, wartosc->x() + wartosc->width() + 8));
    // A screen reader reads the panel as one line, "d1 ≥ 0,38 m", not as four labels.
    dostepnosc::JedenTekst(panel, symbol->text() + nr->text() + QLatin1Char(' ') + relacja->text() +
                                      QLatin1Char(' ') + tekst);
    panel->show();
}

void TOdstepy_strona::PokazElementy(bool cicho)
{
    m_elementy_pokazane = true;
    if (!zbudowana())
        return;
    const QSignalBlocker cisza(cicho ? m_tabela : nullptr);
    m_tabela->Wypelnij(m_projekt.liczba_elementow(), [this](int w) { return KomorkiElementu(w); });
}

void TOdstepy_strona::PokazZmianeElementow(const kerwano::Przeliczenie &zmiana, bool cicho)
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

QStringList TOdstepy_strona::KomorkiElementu(int wiersz) const
{
    const kerwano::WierszElementu &e = m_projekt.elementy().Wiersz(wiersz);
    return QStringList{e.nazwa, e.parametry};
}

void TOdstepy_strona::PokazKlase()
{
    m_klasa_pokazana = true;
    if (!zbudowana())
        return;
    Panel_odi_klasa->setText(kerwano::TekstKlasy(m_projekt.klasa()));
    // Read with its caption: "Obliczona klasa ochronności budynku: II".
    dostepnosc::JedenTekst(Panel_odi_klasa,
                           m_opis_klasy->text() + QLatin1Char(' ') + Panel_odi_klasa->text());
}

void TOdstepy_strona::TabSheet3Show()
{
    Zbuduj();
    PokazElement(m_tabela->Row());
}

void TOdstepy_strona::PokazElement(int wiersz)
{
    Zbuduj();
    const QString &tekst = m_projekt.elementy().Wiersz(wiersz).parametry;
    const kerwano::TypUkladu uklad = kerwano::CzytajTypUkladu(tekst);
    for (size_t i = 0; i < m_obrazy_ukladow.size(); ++i)
        m_obrazy_ukladow[i]->setVisible(uklad == kerwano::Uklady()[i].typ);
    Label_uklad_AB->setVisible(uklad == kerwano::TypUkladu::Brak);

    using kerwano::TypInstalacji;
    const TypInstalacji instalacja = kerwano::CzytajTypInstalacji(tekst);
    for (size_t i = 0; i < m_obrazy_instalacji.size(); ++i)
        m_obrazy_instalacji[i]->setVisible(instalacja == kerwano::Instalacje()[i].typ);
    Label_typ_instalacji->setVisible(instalacja == TypInstalacji::Brak);

    if (uklad == kerwano::TypUkladu::Brak || instalacja == TypInstalacji::Brak) {
        Panel_d->hide();
        Panel_alpha->hide();
        return;
    }
    const kerwano::WynikOdstepu w = m_projekt.ObliczOdstep(wiersz);
    PokazWynik(Panel_d, Label_d, Label_d_nr, Label_d_wbr, Label_d_wart, wiersz,
               kerwano::TekstOdstepu(w.d));
    PokazWynik(Panel_alpha, Label_alpha, Label_alpha_nr, Label_alpha_wbr, Label_alpha_wart, wiersz,
               kerwano::TekstAlfa(w.alfa));
}

void TOdstepy_strona::Dodaj()
{
    // The limit holds where elements are added, before the dialog opens.
    if (m_projekt.liczba_elementow() >= kerwano::MAKS_LICZBA_ELEMENTOW) {
        OknoBledu(window(), kerwano::ZdanieBledu(kerwano::KomunikatPelnejListy()));
        return;
    }
    TOdstepy_parametry_form dialog(m_projekt.elementy().NowyElement(), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    emit DodajElement(dialog.Element());
    // The first element shows at once; the selection stays where it is.
    if (m_projekt.liczba_elementow() == 1)
        PokazElement(1);
}

void TOdstepy_strona::UsunBiezacy()
{
    Usun(m_tabela->Row());
}

void TOdstepy_strona::Usun(int wiersz)
{
    if (m_projekt.liczba_elementow() <= 0)
        return;
    Zbuduj();
    emit UsunElement(wiersz);
    // Mended: the pane follows the delete. Kept as it was, it showed the
    // removed element's distance and pictures under the number of the
    // element that took its row; now it shows the row selected after the
    // delete, or the empty state when the list is empty.
    PokazElement(m_tabela->Row());
}

void TOdstepy_strona::EdytujBiezacy()
{
    Edytuj(m_tabela->Row());
}

void TOdstepy_strona::Edytuj(int wiersz)
{
    if (m_projekt.liczba_elementow() <= 0 || wiersz < 1 || wiersz > m_projekt.liczba_elementow())
        return;
    TOdstepy_parametry_form dialog(m_projekt.elementy().ElementWiersza(wiersz), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    emit ZmienElement(wiersz, dialog.Element());
    PokazElement(wiersz);
}
