#include "assessment/okna/TOcena_ryzyka_form.h"

#include "assessment/Dokument.h"
#include "assessment/FormatyOceny.h"
#include "assessment/PlikOceny.h"
#include "assessment/Tabele.h"
#include "assessment/okna/PoleOceny.h"
#include "project/okna/CzujnikZmianPliku.h"
#include "project/okna/TOdzyskiwanie.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace kerwano::ocena;
using R = PoleOceny::Rodzaj;

namespace {

QString U(const char *s)
{
    return QString::fromUtf8(s);
}

QWidget *Przewijana(QWidget *tresc)
{
    auto *s = new QScrollArea;
    s->setWidgetResizable(true);
    s->setFrameShape(QFrame::NoFrame);
    s->setWidget(tresc);
    return s;
}

} // namespace

TOcena_ryzyka_form::TOcena_ryzyka_form(std::function<QStringList()> wymiary, QWidget *parent)
    : QMainWindow(parent), m_wymiary(std::move(wymiary)),
      m_dokument(kerwano::ocena::NowaOcena(QDate::currentDate()))
{
    setObjectName(QStringLiteral("Ocena_ryzyka_form"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_odzyskiwanie =
        new TOdzyskiwanie([this] { return TekstOceny(m_dokument); }, QStringLiteral("kwr"), this);
    m_czujnik = new CzujnikZmianPliku(this, [this] { return m_zmodyfikowany; });
    connect(m_czujnik, &CzujnikZmianPliku::Wczytaj, this, &TOcena_ryzyka_form::Otworz);
    UtworzMenu();
    auto *centrum = new QWidget;
    auto *uklad = new QVBoxLayout(centrum);
    m_strony = new QTabWidget;
    m_strony->addTab(Przewijana(StronaObiektu()), QStringLiteral("Obiekt"));
    m_strony->addTab(StronaLinii(), QStringLiteral("Linie"));
    m_strony->addTab(StronaStref(), QStringLiteral("Strefy"));
    m_strony->addTab(Przewijana(StronaWynikow()), QStringLiteral("Wyniki"));
    m_strony->addTab(Przewijana(StronaDoboru()), QStringLiteral("Dobór ochrony"));
    auto *podzial = new QSplitter(Qt::Vertical);
    podzial->addWidget(m_strony);
    podzial->addWidget(Przewijana(PanelWerdyktu()));
    podzial->setStretchFactor(0, 3);
    podzial->setStretchFactor(1, 1);
    podzial->setSizes({520, 200});
    uklad->addWidget(podzial);
    setCentralWidget(centrum);
    resize(980, 760);
    PokazPola();
    Zmieniono();
    m_zmodyfikowany = false;
    PokazTytul();
}

void TOcena_ryzyka_form::UtworzMenu()
{
    QMenu *plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    auto pozycja = [this, plik](const QString &tekst, QKeySequence skrot, auto &&dzialanie) {
        QAction *a = plik->addAction(tekst);
        a->setShortcut(skrot);
        connect(a, &QAction::triggered, this, dzialanie);
        return a;
    };
    pozycja(QStringLiteral("&Nowa ocena ryzyka"), QKeySequence(Qt::CTRL | Qt::Key_N),
            [this] { NowaOcena(); });
    pozycja(QStringLiteral("&Otwórz..."), QKeySequence(Qt::Key_F3), [this] { OtworzZPliku(); });
    plik->addSeparator();
    m_zapisz =
        pozycja(QStringLiteral("&Zapisz"), QKeySequence(Qt::Key_F2), [this] { Zapisz(false); });
    pozycja(QStringLiteral("Zapisz &jako..."), QKeySequence(), [this] { Zapisz(true); });
    plik->addSeparator();
    pozycja(QStringLiteral("&Dane projektu..."), QKeySequence(Qt::CTRL | Qt::Key_D),
            [this] { DaneProjektu(); });
    plik->addSeparator();
    m_druk << pozycja(QStringLiteral("Podgląd &wydruku..."), QKeySequence(), [this] { Drukuj(0); });
    m_druk << pozycja(QStringLiteral("&Drukuj..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                      [this] { Drukuj(1); });
    m_druk << pozycja(QStringLiteral("Zapisz wydruk jako &PDF..."), QKeySequence(),
                      [this] { Drukuj(2); });
    plik->addSeparator();
    pozycja(QStringLiteral("Za&mknij"), QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });
}

PoleOceny *TOcena_ryzyka_form::Pole(Zakres zakres, int rodzaj, const char *klucz,
                                    const char *etykieta, const Tabela *tabela, bool pusty)
{
    auto *p = new PoleOceny(R(rodzaj), QString::fromLatin1(klucz), U(etykieta), tabela, pusty);
    const char *zakresy[] = {"obiekt.", "linia.", "strefa."};
    p->setObjectName(QLatin1String(zakresy[zakres]) + p->klucz());
    m_pola << Powiazanie{p, zakres};
    connect(p, &PoleOceny::Zmieniono, this,
            [this, p, zakres](const Json &w) { Ustaw(zakres, p->klucz(), w); });
    return p;
}

namespace {

// A group of fields, each under or beside its label.
QGroupBox *Grupa(const QString &tytul, const QList<PoleOceny *> &pola, QWidget *dodatek = nullptr)
{
    auto *g = new QGroupBox(tytul);
    auto *f = new QFormLayout(g);
    f->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (PoleOceny *p : pola) {
        if (p->rodzaj() == PoleOceny::Rodzaj::Logiczna)
            f->addRow(p);
        else
            f->addRow(p->etykieta(), p);
    }
    if (dodatek)
        f->addRow(dodatek);
    return g;
}

} // namespace

QWidget *TOcena_ryzyka_form::StronaObiektu()
{
    auto *w = new QWidget;
    auto *u = new QVBoxLayout(w);
    PoleOceny *L = Pole(OBIEKT, int(R::Liczba), "L", "Długość L [m]");
    PoleOceny *W = Pole(OBIEKT, int(R::Liczba), "W", "Szerokość W [m]");
    PoleOceny *H = Pole(OBIEKT, int(R::Liczba), "H", "Wysokość H [m]");
    PoleOceny *HP = Pole(OBIEKT, int(R::Liczba), "HP", "Wysokość części wystającej HP [m]");
    auto *ma_hp = new QCheckBox(QStringLiteral("Obiekt ma wystającą część dachu"));
    ma_hp->setObjectName(QStringLiteral("ma_HP"));
    connect(ma_hp, &QCheckBox::clicked, this, [this](bool b) {
        if (!b)
            Ustaw(OBIEKT, QStringLiteral("HP"), Json());
        Widocznosc();
    });
    auto *z_projektu = new QPushButton(QStringLiteral("Wymiary z projektu"));
    connect(z_projektu, &QPushButton::clicked, this, [this] {
        const QStringList t = m_wymiary ? m_wymiary() : QStringList();
        const char *klucze[] = {"L", "W", "H"};
        for (int i = 0; i < 3 && i < t.size(); ++i) {
            Json v = WartoscPola(t[i]);
            if (v.JestLiczba())
                v = WartoscPola(FormatT(v.liczba));
            m_dokument.Pole(QStringLiteral("obiekt"))->Ustaw(QString::fromLatin1(klucze[i]), v);
        }
        PokazPola();
        Zmieniono();
    });
    auto *wymiary = Grupa(QStringLiteral("Wymiary obiektu"), {L, W, H});
    static_cast<QFormLayout *>(wymiary->layout())->addRow(ma_hp);
    static_cast<QFormLayout *>(wymiary->layout())->addRow(HP->etykieta(), HP);
    static_cast<QFormLayout *>(wymiary->layout())->addRow(z_projektu);
    u->addWidget(wymiary);
    u->addWidget(Grupa(QStringLiteral("Położenie obiektu"),
                       {Pole(OBIEKT, int(R::Wybor), "CD", "Położenie obiektu (CD)", &CD, true)}));
    PoleOceny *NG = Pole(OBIEKT, int(R::Liczba), "NG", "Gęstość wyładowań NG [1/(km²·rok)]");
    PoleOceny *Td = Pole(OBIEKT, int(R::Liczba), "Td", "Liczba dni burzowych Td [dni/rok]");
    m_ng_td = new QPushButton(QStringLiteral("NG = 0,1·Td"));
    connect(m_ng_td, &QPushButton::clicked, this, [this] {
        const Json &td = m_dokument["obiekt"]["Td"];
        if (td.JestLiczba())
            Ustaw(OBIEKT, QStringLiteral("NG"), Json::Liczba(td.liczba / 10));
        PokazPola();
    });
    u->addWidget(Grupa(QStringLiteral("Gęstość wyładowań piorunowych"), {NG, Td}, m_ng_td));
    u->addWidget(
        Grupa(QStringLiteral("Ochrona obiektu"),
              {Pole(OBIEKT, int(R::Wybor), "LPS", "Urządzenie piorunochronne (PB)", &LPS),
               Pole(OBIEKT, int(R::Wybor), "KS1", "Ekran obiektu (KS1)", &EKRAN_PRZESTRZENNY),
               Pole(OBIEKT, int(R::Liczba), "wm1", "Szerokość oczka wm1 [m]")}));
    u->addWidget(Grupa(QStringLiteral("Osoby"), {Pole(OBIEKT, int(R::Calkowita), "nt",
                                                      "Łączna liczba osób w obiekcie nt")}));
    auto *r1 = new QCheckBox(QStringLiteral("R1 – ryzyko utraty życia ludzkiego"));
    r1->setChecked(true);
    r1->setEnabled(false);
    auto *oceniane = Grupa(
        QStringLiteral("Oceniane ryzyka"),
        {Pole(OBIEKT, int(R::Logiczna), "oceniane.R2", "R2 – ryzyko utraty usługi publicznej"),
         Pole(OBIEKT, int(R::Logiczna), "oceniane.R3",
              "R3 – ryzyko utraty dziedzictwa kulturowego"),
         Pole(OBIEKT, int(R::Logiczna), "oceniane.R4",
              "R4 – ryzyko utraty wartości ekonomicznej")});
    static_cast<QFormLayout *>(oceniane->layout())->insertRow(0, r1);
    u->addWidget(oceniane);
    m_grupy_R << Grupa(
        QStringLiteral("Dane dla R2"),
        {Pole(OBIEKT, int(R::Wybor), "L2.usluga", "Rodzaj usługi publicznej", &USLUGA, true),
         Pole(OBIEKT, int(R::Calkowita), "L2.nt", "Łączna liczba użytkowników usługi nt")});
    m_grupy_R << Grupa(
        QStringLiteral("Dane dla R3"),
        {Pole(OBIEKT, int(R::Liczba), "L3.ct", "Łączna wartość obiektu i zawartości ct [zł]")});
    m_grupy_R << Grupa(
        QStringLiteral("Dane dla R4"),
        {Pole(OBIEKT, int(R::Liczba), "L4.ct", "Łączna wartość obiektu ct [zł]"),
         Pole(OBIEKT, int(R::Liczba), "L4.CPM", "Roczny koszt środków ochrony CPM [zł/rok]")});
    for (QGroupBox *g : std::as_const(m_grupy_R))
        u->addWidget(g);
    u->addStretch();
    return w;
}

QWidget *TOcena_ryzyka_form::StronaLinii()
{
    auto *w = new QWidget;
    auto *u = new QHBoxLayout(w);
    auto *lewa = new QVBoxLayout;
    auto *podpis = new QLabel(QStringLiteral("Linie dołączone do obiektu"));
    m_lista_linii = new QListWidget;
    m_lista_linii->setAccessibleName(podpis->text());
    podpis->setBuddy(m_lista_linii);
    lewa->addWidget(podpis);
    lewa->addWidget(m_lista_linii, 1);
    const std::pair<const char *, std::function<void()>> przyciski[] = {
        {"Dodaj linię", [this] { DodajLinie(); }},
        {"Usuń linię", [this] { UsunLinie(); }},
        {"W górę", [this] { PrzesunLinie(-1); }},
        {"W dół", [this] { PrzesunLinie(1); }}};
    for (const auto &[tekst, dzialanie] : przyciski) {
        auto *b = new QPushButton(U(tekst));
        connect(b, &QPushButton::clicked, this, dzialanie);
        lewa->addWidget(b);
    }
    u->addLayout(lewa, 1);
    connect(m_lista_linii, &QListWidget::currentRowChanged, this, [this](int i) {
        m_linia = i;
        PokazPola();
        PokazOznaczenia();
    });

    m_formularz_linii = new QWidget;
    auto *f = new QVBoxLayout(m_formularz_linii);
    PoleOceny *CIp = Pole(LINIA, int(R::Wybor), "CI", "Sposób prowadzenia linii (CI)", &CI);
    f->addWidget(
        Grupa(QStringLiteral("Linia"),
              {Pole(LINIA, int(R::Nazwa), "nazwa", "Nazwa linii"),
               Pole(LINIA, int(R::Wybor), "rodzaj", "Rodzaj linii", &RODZAJ_LINII), CIp,
               Pole(LINIA, int(R::Wybor), "CT", "Typ linii (CT)", &CT),
               Pole(LINIA, int(R::Wybor), "CE", "Otoczenie linii (CE)", &CE),
               Pole(LINIA, int(R::Liczba), "LL", "Długość odcinka linii LL [m]"),
               Pole(LINIA, int(R::Wybor), "ekran", "Ekran i połączenia na wprowadzeniu (CLD, CLI)",
                    &EKRAN_LINII),
               Pole(LINIA, int(R::Wybor), "RS", "Rezystancja ekranu RS (PLD)", &RS),
               Pole(LINIA, int(R::UW), "UW", "Napięcie udarowe wytrzymywane UW [kV]"),
               Pole(LINIA, int(R::Wybor), "SPD", "SPD na wprowadzeniu linii (PEB)", &SPD)}));
    // Aerial <-> buried: the shield's row follows its counterpart.
    connect(CIp, &PoleOceny::Zmieniono, this, [this] {
        Json *ekran = Wartosc(Przedrostek(LINIA) + QStringLiteral("ekran"));
        if (!ekran || !ekran->JestTekstem())
            return;
        const int wiersz = EKRAN_LINII.Indeks(ekran->tekst);
        const Json &ci = m_dokument["linie"].tablica[size_t(m_linia)]["CI"];
        const int ci_wiersz = ci.JestTekstem() ? CI.Indeks(ci.tekst) : -1;
        if (wiersz < 0 || ci_wiersz < 0 || EKRAN_LINII.Wartosc(wiersz, 2) < 0)
            return;
        const bool podziemna = CI.Ma(ci_wiersz, PODZIEMNA);
        if (!EKRAN_LINII.Ma(wiersz, podziemna ? DLA_PODZIEMNEJ : DLA_NAPOWIETRZNEJ)) {
            *ekran = Json::Tekst(EKRAN_LINII.Klucz(int(EKRAN_LINII.Wartosc(wiersz, 2))));
            PokazPola();
            Zmieniono();
        }
    });
    auto *ma_sasiedni = new QCheckBox(QStringLiteral("Obiekt sąsiedni na drugim końcu linii"));
    ma_sasiedni->setObjectName(QStringLiteral("ma_sasiedni"));
    connect(ma_sasiedni, &QCheckBox::clicked, this, [this](bool b) {
        Json s;
        if (b) {
            s = Json::Obiekt();
            for (const char *k : {"LJ", "WJ", "HJ"})
                s.Ustaw(QString::fromLatin1(k), Json());
            s.Ustaw(QStringLiteral("CDJ"), Json::Tekst(QStringLiteral("odosobniony")));
        }
        Ustaw(LINIA, QStringLiteral("sasiedni"), s);
        PokazPola();
    });
    f->addWidget(ma_sasiedni);
    m_sasiedni = Grupa(
        QStringLiteral("Obiekt sąsiedni"),
        {Pole(LINIA, int(R::Liczba), "sasiedni.LJ", "Długość LJ [m]"),
         Pole(LINIA, int(R::Liczba), "sasiedni.WJ", "Szerokość WJ [m]"),
         Pole(LINIA, int(R::Liczba), "sasiedni.HJ", "Wysokość HJ [m]"),
         Pole(LINIA, int(R::Wybor), "sasiedni.CDJ", "Położenie obiektu sąsiedniego (CDJ)", &CD)});
    f->addWidget(m_sasiedni);
    f->addStretch();
    m_brak_linii =
        new QLabel(QStringLiteral("Obiekt nie ma dołączonych linii. RU, RV, RW i RZ są równe 0."));
    m_brak_linii->setWordWrap(true);
    auto *prawa = new QVBoxLayout;
    prawa->addWidget(m_brak_linii);
    prawa->addWidget(Przewijana(m_formularz_linii), 1);
    u->addLayout(prawa, 3);
    return w;
}

QWidget *TOcena_ryzyka_form::StronaStref()
{
    auto *w = new QWidget;
    auto *u = new QHBoxLayout(w);
    auto *lewa = new QVBoxLayout;
    auto *podpis = new QLabel(QStringLiteral("Strefy obiektu"));
    m_lista_stref = new QListWidget;
    m_lista_stref->setAccessibleName(podpis->text());
    podpis->setBuddy(m_lista_stref);
    lewa->addWidget(podpis);
    lewa->addWidget(m_lista_stref, 1);
    const std::pair<const char *, std::function<void()>> przyciski[] = {
        {"Dodaj strefę", [this] { DodajStrefe(); }},
        {"Usuń strefę", [this] { UsunStrefe(); }},
        {"W górę", [this] { PrzesunStrefe(-1); }},
        {"W dół", [this] { PrzesunStrefe(1); }}};
    for (const auto &[tekst, dzialanie] : przyciski) {
        auto *b = new QPushButton(U(tekst));
        connect(b, &QPushButton::clicked, this, dzialanie);
        lewa->addWidget(b);
        if (QLatin1String(tekst) == QLatin1String("Usuń strefę"))
            m_usun_strefe = b;
    }
    u->addLayout(lewa, 1);
    connect(m_lista_stref, &QListWidget::currentRowChanged, this, [this](int i) {
        if (i < 0)
            return;
        m_strefa = i;
        PokazPola();
        PokazOznaczenia();
    });

    auto *formularz = new QWidget;
    auto *f = new QVBoxLayout(formularz);
    auto *strefa =
        Grupa(QStringLiteral("Strefa"), {Pole(STREFA, int(R::Nazwa), "nazwa", "Nazwa strefy")});
    m_wewnatrz = new QRadioButton(POLOZENIE.Etykieta(0));
    m_na_zewnatrz = new QRadioButton(POLOZENIE.Etykieta(1));
    auto *polozenie = new QHBoxLayout;
    polozenie->addWidget(m_wewnatrz);
    polozenie->addWidget(m_na_zewnatrz);
    static_cast<QFormLayout *>(strefa->layout())
        ->addRow(new QLabel(QStringLiteral("Położenie strefy")), polozenie);
    for (QRadioButton *b : {m_wewnatrz, m_na_zewnatrz})
        connect(b, &QRadioButton::clicked, this, [this] {
            Ustaw(STREFA, QStringLiteral("polozenie"),
                  Json::Tekst(POLOZENIE.Klucz(m_na_zewnatrz->isChecked() ? 1 : 0)));
            PokazPola();
        });
    f->addWidget(strefa);
    PoleOceny *tz = Pole(STREFA, int(R::Liczba), "tz", "Czas przebywania osób tz [h/rok]");
    auto *caly_rok = new QPushButton(QStringLiteral("Cały rok"));
    connect(caly_rok, &QPushButton::clicked, this, [this] {
        Ustaw(STREFA, QStringLiteral("tz"), Json::Liczba(8760));
        PokazPola();
    });
    f->addWidget(Grupa(QStringLiteral("Osoby (R1)"),
                       {Pole(STREFA, int(R::Calkowita), "nz", "Liczba osób w strefie nz"), tz},
                       caly_rok));
    PoleOceny *ptu = Pole(STREFA, int(R::Zbior), "PTU",
                          "Ochrona przed napięciem dotykowym od linii (PTU)", &PTU);
    auto *porazenie = Grupa(
        QStringLiteral("Porażenie"),
        {Pole(STREFA, int(R::Wybor), "rt", "Rodzaj powierzchni (rt)", &RT, true),
         Pole(STREFA, int(R::Zbior), "PTA", "Ochrona przed napięciem dotykowym i krokowym (PTA)",
              &PTA),
         ptu},
        new QLabel(QStringLiteral("Rezystancja styku: elektroda 400 cm² dociskana siłą 500 N")));
    f->addWidget(porazenie);
    m_tylko_wewnatrz << ptu << ptu->etykieta();
    auto *pozar = Grupa(
        QStringLiteral("Pożar"),
        {Pole(STREFA, int(R::Wybor), "rf", "Zagrożenie pożarowe lub wybuchowe (rf)", &RF, true),
         Pole(STREFA, int(R::Zbior), "rp", "Środki ochrony przeciwpożarowej (rp)", &RP),
         Pole(STREFA, int(R::Wybor), "hz", "Szczególne zagrożenie (hz)", &HZ)});
    for (const char *uwaga :
         {"Obiekt z materiałów palnych lub z palnym dachem można zaliczyć do dużego zagrożenia "
          "pożarowego.",
          "Środki automatyczne uwzględnia się, gdy są chronione przed przepięciami, a straż "
          "pożarna może przybyć w czasie krótszym niż 10 minut."}) {
        auto *l = new QLabel(U(uwaga));
        l->setWordWrap(true);
        static_cast<QFormLayout *>(pozar->layout())->addRow(l);
    }
    f->addWidget(pozar);
    PoleOceny *rodzaj =
        Pole(STREFA, int(R::Wybor), "rodzaj", "Rodzaj obiektu lub strefy (LT, LF, LO)", &RODZAJ_L1);
    // A type whose failure endangers life ticks the flag; the designer may clear it.
    connect(rodzaj, &PoleOceny::Zmieniono, this, [this](const Json &w) {
        const int i = w.JestTekstem() ? RODZAJ_L1.Indeks(w.tekst) : -1;
        if (i >= 0 && RODZAJ_L1.Ma(i, ZAGRAZA_ZYCIU)) {
            Ustaw(STREFA, QStringLiteral("zagrozenie_zycia"), Json::Logiczna(true));
            PokazPola();
        }
    });
    auto *straty = Grupa(QStringLiteral("Straty (R1)"),
                         {rodzaj, Pole(STREFA, int(R::Zastepcza), "LF", "LF – inna wartość"),
                          Pole(STREFA, int(R::Zastepcza), "LO", "LO – inna wartość"),
                          Pole(STREFA, int(R::Logiczna), "zagrozenie_zycia",
                               "Awaria systemów wewnętrznych zagraża życiu")},
                         new QLabel(QStringLiteral("LT = 0,01")));
    f->addWidget(straty);
    auto *systemy =
        Grupa(QStringLiteral("Systemy wewnętrzne"),
              {Pole(STREFA, int(R::Wybor), "KS2", "Ekran strefy (KS2)", &EKRAN_PRZESTRZENNY),
               Pole(STREFA, int(R::Liczba), "wm2", "Szerokość oczka wm2 [m]")});
    m_systemy = new QTableWidget(0, 4);
    m_systemy->setAccessibleName(QStringLiteral("Systemy wewnętrzne"));
    m_systemy->setHorizontalHeaderLabels(
        {QStringLiteral("Linia zasilająca system"), QStringLiteral("Prowadzenie przewodów (KS3)"),
         QStringLiteral("UW urządzeń [kV]"), QStringLiteral("Skoordynowany układ SPD (PSPD)")});
    m_systemy->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_systemy->setMinimumHeight(140);
    static_cast<QFormLayout *>(systemy->layout())->addRow(m_systemy);
    auto *przyciski_systemow = new QHBoxLayout;
    m_dodaj_system = new QPushButton(QStringLiteral("Dodaj system"));
    auto *usun_system = new QPushButton(QStringLiteral("Usuń system"));
    connect(m_dodaj_system, &QPushButton::clicked, this, [this] { DodajSystem(); });
    connect(usun_system, &QPushButton::clicked, this, [this] { UsunSystem(); });
    przyciski_systemow->addWidget(m_dodaj_system);
    przyciski_systemow->addWidget(usun_system);
    przyciski_systemow->addStretch();
    static_cast<QFormLayout *>(systemy->layout())->addRow(przyciski_systemow);
    f->addWidget(systemy);
    m_tylko_wewnatrz << pozar << straty << systemy;

    m_grupy_strefy_R << Grupa(
        QStringLiteral("Dane dla R2"),
        {Pole(STREFA, int(R::Calkowita), "L2.nz", "Liczba użytkowników obsługiwanych przez strefę"),
         Pole(STREFA, int(R::Zastepcza), "L2.LF", "LF (R2) – inna wartość"),
         Pole(STREFA, int(R::Zastepcza), "L2.LO", "LO (R2) – inna wartość")});
    m_grupy_strefy_R << Grupa(
        QStringLiteral("Dane dla R3"),
        {Pole(STREFA, int(R::Liczba), "L3.cz", "Wartość dziedzictwa kulturowego w strefie cz [zł]"),
         Pole(STREFA, int(R::Zastepcza), "L3.LF", "LF (R3) – inna wartość")});
    m_grupy_strefy_R << Grupa(
        QStringLiteral("Dane dla R4"),
        {Pole(STREFA, int(R::Liczba), "L4.ca", "Wartość zwierząt ca [zł]"),
         Pole(STREFA, int(R::Liczba), "L4.cb", "Wartość budynku cb [zł]"),
         Pole(STREFA, int(R::Liczba), "L4.cc", "Wartość zawartości cc [zł]"),
         Pole(STREFA, int(R::Liczba), "L4.cs", "Wartość systemów wewnętrznych cs [zł]"),
         Pole(STREFA, int(R::Wybor), "L4.rodzaj", "Rodzaj obiektu (R4)", &RODZAJ_L4),
         Pole(STREFA, int(R::Zastepcza), "L4.LF", "LF (R4) – inna wartość"),
         Pole(STREFA, int(R::Zastepcza), "L4.LO", "LO (R4) – inna wartość")});
    for (QGroupBox *g : std::as_const(m_grupy_strefy_R))
        f->addWidget(g);
    f->addStretch();
    u->addWidget(Przewijana(formularz), 3);
    return w;
}

QString TOcena_ryzyka_form::Przedrostek(Zakres zakres) const
{
    switch (zakres) {
    case OBIEKT:
        return QStringLiteral("obiekt.");
    case LINIA:
        return QStringLiteral("linie[%1].").arg(m_linia);
    case STREFA:
        break;
    }
    return QStringLiteral("strefy[%1].").arg(m_strefa);
}

Json *TOcena_ryzyka_form::Wartosc(const QString &sciezka)
{
    return Znajdz(m_dokument, sciezka);
}

void TOcena_ryzyka_form::Ustaw(Zakres zakres, const QString &klucz, const Json &wartosc)
{
    if ((zakres == LINIA && m_linia < 0) || (zakres == STREFA && m_strefa < 0))
        return;
    const QString sciezka = Przedrostek(zakres) + klucz;
    const qsizetype kropka = sciezka.lastIndexOf(u'.');
    Json *rodzic = Wartosc(sciezka.left(kropka));
    if (!rodzic || !rodzic->JestObiektem())
        return;
    // A renamed line: the systems that name it follow.
    if (zakres == LINIA && klucz == QLatin1String("nazwa")) {
        const Json stara = (*rodzic)[QStringLiteral("nazwa")];
        const QString nowa = wartosc.tekst.trimmed();
        if (stara.JestTekstem())
            for (Json &z : m_dokument.Pole(QStringLiteral("strefy"))->tablica)
                for (Json &s : z.Pole(QStringLiteral("systemy"))->tablica)
                    if (s[QStringLiteral("linia")].JestTekstem() &&
                        s[QStringLiteral("linia")].tekst == stara.tekst.trimmed())
                        s.Ustaw(QStringLiteral("linia"), Json::Tekst(nowa));
    }
    rodzic->Ustaw(sciezka.mid(kropka + 1), wartosc);
    Zmieniono();
}

void TOcena_ryzyka_form::Zmieniono()
{
    m_walidacja = Sprawdz(m_dokument);
    m_zmodyfikowany = true;
    m_dobor_aktualny = false;
    PokazListy();
    Widocznosc();
    PokazOznaczenia();
    PokazWyniki();
    PokazDobor();
    PokazWerdykt();
    PokazTytul();
}

void TOcena_ryzyka_form::PokazPola()
{
    const Json &linie = m_dokument["linie"];
    if (m_linia >= int(linie.tablica.size()))
        m_linia = int(linie.tablica.size()) - 1;
    if (m_linia < 0 && !linie.tablica.empty())
        m_linia = 0;
    const int stref = int(m_dokument["strefy"].tablica.size());
    m_strefa = std::min(std::max(m_strefa, 0), stref - 1);
    for (const Powiazanie &p : std::as_const(m_pola)) {
        if ((p.zakres == LINIA && m_linia < 0) || (p.zakres == STREFA && m_strefa < 0))
            continue;
        const Json *w = Wartosc(Przedrostek(p.zakres) + p.pole->klucz());
        p.pole->Pokaz(w ? *w : Json());
    }
    // The table's values behind the overrides.
    if (m_strefa >= 0) {
        const Dane &d = m_walidacja.dane;
        const Json &z = m_dokument["strefy"].tablica[size_t(m_strefa)];
        const int r1 = z["rodzaj"].JestTekstem() ? RODZAJ_L1.Indeks(z["rodzaj"].tekst) : -1;
        const int r4 =
            z["L4"]["rodzaj"].JestTekstem() ? RODZAJ_L4.Indeks(z["L4"]["rodzaj"].tekst) : -1;
        const int us = m_dokument["obiekt"]["L2"]["usluga"].JestTekstem()
                           ? USLUGA.Indeks(m_dokument["obiekt"]["L2"]["usluga"].tekst)
                           : -1;
        Q_UNUSED(d)
        for (const Powiazanie &p : std::as_const(m_pola)) {
            if (p.pole->rodzaj() != R::Zastepcza)
                continue;
            const QString &k = p.pole->klucz();
            double v = 0;
            if (k == QLatin1String("LF") || k == QLatin1String("LO"))
                v = r1 < 0 ? 0 : RODZAJ_L1.Wartosc(r1, k == QLatin1String("LF") ? 1 : 2);
            else if (k.startsWith(QLatin1String("L2.")))
                v = us < 0 ? 0 : USLUGA.Wartosc(us, k.endsWith(u'F') ? 0 : 1);
            else if (k == QLatin1String("L3.LF"))
                v = LF_L3;
            else
                v = r4 < 0 ? 0 : RODZAJ_L4.Wartosc(r4, k.endsWith(u'F') ? 1 : 2);
            p.pole->UstawDomyslna(v);
        }
        m_wewnatrz->setChecked(z["polozenie"] == Json::Tekst(POLOZENIE.Klucz(0)));
        m_na_zewnatrz->setChecked(z["polozenie"] == Json::Tekst(POLOZENIE.Klucz(1)));
    }
    if (auto *hp = findChild<QCheckBox *>(QStringLiteral("ma_HP")); hp && !hp->hasFocus())
        hp->setChecked(!m_dokument["obiekt"]["HP"].JestNull());
    if (auto *s = findChild<QCheckBox *>(QStringLiteral("ma_sasiedni")); s && m_linia >= 0)
        s->setChecked(!linie.tablica[size_t(m_linia)]["sasiedni"].JestNull());
    PokazSystemy();
    Widocznosc();
}
