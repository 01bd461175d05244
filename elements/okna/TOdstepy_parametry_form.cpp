#include "elements/okna/TOdstepy_parametry_form.h"

#include "elements/ElementDachu.h"
#include "elements/okna/TObraz.h"
#include "pliki/TekstPliku.h"
#include "pliki/ZdanieBledu.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"
#include "widgets/Kontrast.h"
#include "widgets/OknoBledu.h"
#include "widgets/TFiltr_klawiszy.h"
#include "widgets/TWalidator_tekstu.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

void Niebieski(QWidget *w)
{
    kontrast::UstawCzytelny(w, QPalette::WindowText, QColor(0, 0, 255));
    kontrast::UstawCzytelny(w, QPalette::ButtonText, QColor(0, 0, 255));
}

QLabel *Naglowek(const QString &tekst, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel *Etykieta(const QString &tekst, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    Niebieski(l);
    return l;
}

QRadioButton *Przycisk(const QString &tekst, QWidget *rodzic)
{
    auto *r = new QRadioButton(tekst, rodzic);
    Niebieski(r);
    return r;
}

QLineEdit *Pole(const QString &tekst, QWidget *rodzic)
{
    auto *e = new QLineEdit(tekst, rodzic);
    e->setFixedWidth(80);
    return e;
}

// A picture with its button above it.
QVBoxLayout *ZObrazem(QRadioButton *przycisk, TObraz *obraz)
{
    auto *k = new QVBoxLayout;
    k->setSpacing(2);
    k->addWidget(przycisk);
    k->addWidget(obraz);
    return k;
}

// The object name of the i-th of a group: the names tests and screen
// readers know it by, then one made of `rdzen` and the entry's mark.
template <size_t N>
QString Nazwa(const char *const (&nazwy)[N], size_t i, const char *rdzen, const QString &znak)
{
    return i < N ? QString::fromLatin1(nazwy[i]) : QString::fromLatin1(rdzen) + znak;
}

// The index of the first checked button, 0 with none.
size_t Zaznaczony(const std::vector<QRadioButton *> &przyciski)
{
    for (size_t i = 0; i < przyciski.size(); ++i) {
        if (przyciski[i]->isChecked())
            return i;
    }
    return 0;
}

// The index of the description of `typ`, 0 with none.
template <typename Opis, typename Typ> size_t Indeks(const std::vector<Opis> &opisy, Typ typ)
{
    for (size_t i = 0; i < opisy.size(); ++i) {
        if (opisy[i].typ == typ)
            return i;
    }
    return 0;
}

} // namespace

TOdstepy_parametry_form::TOdstepy_parametry_form(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Odstepy_parametry_form"));
    setWindowTitle(QStringLiteral("Parametry odstępów izolacyjnych"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    UtworzWidzety();
    UlozWidzety();
    Polacz();
    m_etykieta_nazwy->setBuddy(m_nazwa);
    // Room for every field, whichever layout shows which.
    for (QWidget *w : std::initializer_list<QWidget *>{Label_fc, Edit_fc, Label_n, Edit_n})
        w->setVisible(true);
    setFixedSize(sizeHint());
    PokazPolaInstalacji();
}

TOdstepy_parametry_form::TOdstepy_parametry_form(const kerwano::DaneElementu &element,
                                                 QWidget *parent)
    : TOdstepy_parametry_form(parent)
{
    m_nazwa->setText(element.nazwa);
    UstawUklad(element.uklad);
    UstawTypInstalacji(element.typ_instalacji);
    UstawMaterial(element.material);
    Edit_H->setText(kerwano::DwaMiejsca(element.H));
    Edit_L->setText(kerwano::DwaMiejsca(element.L));
    Edit_fc->setText(kerwano::DwaMiejsca(element.fc));
    Edit_n->setText(QString::number(element.n));
}

void TOdstepy_parametry_form::accept()
{
    const kerwano::DaneElementu e = Element();
    const QString parametry =
        kerwano::ZlozParametry(e.uklad, e.typ_instalacji, e.material, e.H, e.L, e.fc, e.n);
    if (parametry.size() > kerwano::POJEMNOSC_PARAMETROW) {
        OknoBledu(this, kerwano::ZdanieBledu(
                            QStringLiteral("Parametry elementu nie zmieszczą się w pliku projektu "
                                           "(znaków: %1, najwyżej %2); skróć liczby")
                                .arg(parametry.size())
                                .arg(kerwano::POJEMNOSC_PARAMETROW)));
        return;
    }
    if (OdmowaWymiarow(parametry))
        return;
    QDialog::accept();
}

bool TOdstepy_parametry_form::OdmowaWymiarow(const QString &parametry)
{
    // The numbers as the text keeps them: 0,004 is written, and read, as 0.
    const std::optional<kerwano::OdmowaPola> odmowa =
        kerwano::OpisTypuInstalacji(TypInstalacji())->odmowa(parametry);
    if (!odmowa)
        return false;
    QLineEdit *pole = PoleEdycji(odmowa->pole);
    pole->setFocus(Qt::OtherFocusReason);
    pole->selectAll();
    QToolTip::showText(pole->mapToGlobal(QPoint(0, pole->height())), odmowa->powod, pole);
    return true;
}

QLineEdit *TOdstepy_parametry_form::PoleEdycji(kerwano::PoleParametru pole) const
{
    switch (pole) {
    case kerwano::PoleParametru::H:
        return Edit_H;
    case kerwano::PoleParametru::L:
        return Edit_L;
    case kerwano::PoleParametru::N:
        return Edit_n;
    case kerwano::PoleParametru::F:
    case kerwano::PoleParametru::C:
        break;
    }
    return Edit_fc;
}

kerwano::DaneElementu TOdstepy_parametry_form::Element() const
{
    kerwano::DaneElementu e;
    e.nazwa = nazwa_elementu;
    e.uklad = Uklad();
    e.typ_instalacji = TypInstalacji();
    e.material = Material();
    e.H = wartosc_H;
    e.L = wartosc_L;
    e.fc = wartosc_fc;
    e.n = wartosc_n;
    return e;
}

void TOdstepy_parametry_form::UtworzWidzety()
{
    m_naglowek_parametrow = Naglowek(QStringLiteral("Parametry układu:"), this);
    m_etykieta_nazwy = Etykieta(QStringLiteral("&Nazwa elementu:"), this);
    m_nazwa = new QLineEdit(this);
    m_nazwa->setObjectName(QStringLiteral("Edit1"));
    new TWalidator_tekstu(m_nazwa, kerwano::POJEMNOSC_NAZWY_ELEMENTU, kerwano::PrzyjmijTekst);

    m_ramka_osrodka = new QGroupBox(QStringLiteral(" Materiał izolacyjny "), this);
    for (const kerwano::OpisOsrodka &o : kerwano::Osrodki())
        m_osrodek.push_back(Przycisk(o.przycisk, m_ramka_osrodka));
    m_osrodek.front()->setChecked(true);

    using kerwano::PoleParametru;
    const auto etykieta = [this](PoleParametru pole) {
        return Etykieta(kerwano::OpisPolaParametru(pole).etykieta, this);
    };
    Label_H = etykieta(PoleParametru::H);
    Label_L = etykieta(PoleParametru::L);
    Label_fc = etykieta(PoleParametru::F);
    Label_n = etykieta(PoleParametru::N);
    Edit_H = Pole(QStringLiteral("0"), this);
    Edit_L = Pole(QStringLiteral("0"), this);
    Edit_fc = Pole(QStringLiteral("0"), this);
    Edit_n = Pole(QStringLiteral("0"), this);
    auto *rzeczywiste =
        new TFiltr_klawiszy([](QChar z) { return kerwano::ZnakDozwolony(z, true); }, this);
    for (QLineEdit *e : {Edit_H, Edit_L, Edit_fc})
        rzeczywiste->Zaloz(e, kerwano::MAKS_ZNAKOW_LICZBY);
    (new TFiltr_klawiszy([](QChar z) { return kerwano::ZnakDozwolony(z, false); }, this))
        ->Zaloz(Edit_n, kerwano::MAKS_CYFR_N);

    m_naglowek_ukladu = Naglowek(QStringLiteral("Typ układu:"), this);
    m_uklady = new QButtonGroup(this);
    for (const kerwano::OpisUkladu &u : kerwano::Uklady()) {
        m_uklad.push_back(Przycisk(u.przycisk, this));
        m_uklady->addButton(m_uklad.back());
    }
    for (const kerwano::OpisUkladu &u : kerwano::Uklady())
        m_obraz_ukladu.push_back(new TObraz(u.rysunek, this));
    m_uklad.front()->setChecked(true);

    m_naglowek_instalacji =
        Naglowek(QStringLiteral("Sposób wykonania instalacji odgomowej:"), this);
    m_instalacje = new QButtonGroup(this);
    for (const kerwano::OpisInstalacji &i : kerwano::Instalacje()) {
        m_instalacja.push_back(Przycisk(i.przycisk, this));
        m_instalacje->addButton(m_instalacja.back());
    }
    for (const kerwano::OpisInstalacji &i : kerwano::Instalacje())
        m_obraz_instalacji.push_back(new TObraz(i.rysunek, this));
    m_instalacja.front()->setChecked(true);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_anuluj = new QPushButton(QStringLiteral("Anuluj"), this);

    const QList<QPair<QWidget *, const char *>> nazwy = {{m_naglowek_ukladu, "Label1"},
                                                         {m_naglowek_instalacji, "Label2"},
                                                         {m_naglowek_parametrow, "Label3"},
                                                         {m_etykieta_nazwy, "Label4"},
                                                         {m_ramka_osrodka, "GroupBox1"},
                                                         {Label_H, "Label_H"},
                                                         {Label_L, "Label_L"},
                                                         {Label_fc, "Label_fc"},
                                                         {Label_n, "Label_n"},
                                                         {Edit_H, "Edit_H"},
                                                         {Edit_L, "Edit_L"},
                                                         {Edit_fc, "Edit_fc"},
                                                         {Edit_n, "Edit_n"},
                                                         {m_ok, "Button1"},
                                                         {m_anuluj, "Button2"}};
    for (const auto &[w, nazwa] : nazwy)
        w->setObjectName(QString::fromLatin1(nazwa));
    static const char *const osrodki[] = {"RadioButton6", "RadioButton7"};
    static const char *const uklady[] = {"RadioButton1", "RadioButton2"};
    static const char *const obrazy_ukladow[] = {"Image1", "Image3"};
    static const char *const instalacje[] = {"RadioButton3", "RadioButton4", "RadioButton5"};
    static const char *const obrazy_instalacji[] = {"Image4", "Image5", "Image6"};
    for (size_t i = 0; i < m_osrodek.size(); ++i)
        m_osrodek[i]->setObjectName(
            Nazwa(osrodki, i, "RadioButton_osrodek_", kerwano::Osrodki()[i].nazwa));
    for (size_t i = 0; i < m_uklad.size(); ++i) {
        const QString &znak = kerwano::Uklady()[i].znak;
        m_uklad[i]->setObjectName(Nazwa(uklady, i, "RadioButton_uklad_", znak));
        m_obraz_ukladu[i]->setObjectName(Nazwa(obrazy_ukladow, i, "Image_uklad_", znak));
    }
    for (size_t i = 0; i < m_instalacja.size(); ++i) {
        const QString &znak = kerwano::Instalacje()[i].znak;
        m_instalacja[i]->setObjectName(Nazwa(instalacje, i, "RadioButton_instalacja_", znak));
        m_obraz_instalacji[i]->setObjectName(
            Nazwa(obrazy_instalacji, i, "Image_instalacja_", znak));
    }
}

void TOdstepy_parametry_form::UlozWidzety()
{
    auto *material = new QVBoxLayout(m_ramka_osrodka);
    material->setContentsMargins(8, 4, 8, 6);
    for (QRadioButton *r : m_osrodek)
        material->addWidget(r);

    auto *wymiary = new QGridLayout;
    wymiary->setHorizontalSpacing(8);
    wymiary->setVerticalSpacing(4);
    const QList<QPair<QLabel *, QLineEdit *>> pola = {
        {Label_H, Edit_H}, {Label_L, Edit_L}, {Label_fc, Edit_fc}, {Label_n, Edit_n}};
    for (int w = 0; w < pola.size(); ++w) {
        pola[w].first->setBuddy(pola[w].second);
        wymiary->addWidget(pola[w].first, w, 0);
        wymiary->addWidget(pola[w].second, w, 1, Qt::AlignLeft);
    }
    wymiary->setColumnStretch(2, 1);
    // The fields keep their place whichever labels the layout hides.
    wymiary->setColumnMinimumWidth(0, Label_n->sizeHint().width());

    auto *parametry = new QVBoxLayout;
    parametry->setSpacing(4);
    parametry->addWidget(m_naglowek_parametrow);
    parametry->addSpacing(4);
    parametry->addWidget(m_etykieta_nazwy);
    parametry->addWidget(m_nazwa);
    parametry->addWidget(m_ramka_osrodka);
    parametry->addLayout(wymiary);
    parametry->addStretch(1);

    auto *uklady_obrazy = new QHBoxLayout;
    uklady_obrazy->setSpacing(10);
    for (size_t i = 0; i < m_uklad.size(); ++i)
        uklady_obrazy->addLayout(ZObrazem(m_uklad[i], m_obraz_ukladu[i]));
    auto *uklady = new QVBoxLayout;
    uklady->addWidget(m_naglowek_ukladu);
    uklady->addLayout(uklady_obrazy);
    uklady->addStretch(1);

    auto *gora = new QHBoxLayout;
    gora->setSpacing(16);
    gora->addLayout(parametry, 1);
    gora->addLayout(uklady);

    auto *instalacje_obrazy = new QHBoxLayout;
    instalacje_obrazy->setSpacing(10);
    for (size_t i = 0; i < m_instalacja.size(); ++i)
        instalacje_obrazy->addLayout(ZObrazem(m_instalacja[i], m_obraz_instalacji[i]));
    instalacje_obrazy->addStretch(1);

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_ok);
    przyciski->addSpacing(12);
    przyciski->addWidget(m_anuluj);
    przyciski->addStretch(1);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(10, 10, 10, 10);
    u->addLayout(gora);
    u->addSpacing(6);
    u->addWidget(m_naglowek_instalacji);
    u->addLayout(instalacje_obrazy);
    u->addSpacing(8);
    u->addLayout(przyciski);

    // Name, medium, dimensions, the arrangement, the layout, then the buttons.
    QList<QWidget *> kolejnosc = {m_nazwa};
    kolejnosc.append(QList<QWidget *>(m_osrodek.begin(), m_osrodek.end()));
    kolejnosc.append({Edit_H, Edit_L, Edit_fc, Edit_n});
    kolejnosc.append(QList<QWidget *>(m_uklad.begin(), m_uklad.end()));
    kolejnosc.append(QList<QWidget *>(m_instalacja.begin(), m_instalacja.end()));
    kolejnosc.append({m_ok, m_anuluj});
    for (int i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
    m_nazwa->setFocus();
}

void TOdstepy_parametry_form::Polacz()
{
    connect(m_nazwa, &QLineEdit::textChanged, this,
            [this](const QString &tekst) { nazwa_elementu = tekst; });
    const QList<QPair<QLineEdit *, double *>> liczby = {
        {Edit_H, &wartosc_H}, {Edit_L, &wartosc_L}, {Edit_fc, &wartosc_fc}};
    for (const auto &[pole, wartosc] : liczby) {
        double *cel = wartosc;
        connect(pole, &QLineEdit::textChanged, this, [cel](const QString &tekst) {
            if (const std::optional<double> v = kerwano::TekstNaLiczbe(tekst))
                *cel = *v;
        });
    }
    connect(Edit_n, &QLineEdit::textChanged, this, [this](const QString &tekst) {
        if (const std::optional<int> v = kerwano::TekstNaCalkowita(tekst))
            wartosc_n = *v;
    });

    for (size_t i = 0; i < m_uklad.size(); ++i) {
        QRadioButton *przycisk = m_uklad[i];
        connect(m_obraz_ukladu[i], &TObraz::Klikniety, this,
                [przycisk] { przycisk->setChecked(true); });
    }
    for (size_t i = 0; i < m_instalacja.size(); ++i) {
        const kerwano::TypInstalacji typ = kerwano::Instalacje()[i].typ;
        connect(m_obraz_instalacji[i], &TObraz::Klikniety, this,
                [this, typ] { UstawTypInstalacji(typ); });
    }
    connect(m_instalacje, &QButtonGroup::buttonToggled, this,
            [this](QAbstractButton *, bool wlaczony) {
                if (wlaczony)
                    PokazPolaInstalacji();
            });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void TOdstepy_parametry_form::PokazPolaInstalacji()
{
    // Every layout needs H and L, and the fields of its description: f or c
    // in the shared field, n in its own.
    bool fc = false;
    bool n = false;
    for (const kerwano::PoleParametru pole : kerwano::OpisTypuInstalacji(TypInstalacji())->pola) {
        const kerwano::OpisPola &opis = kerwano::OpisPolaParametru(pole);
        if (opis.calkowite) {
            n = true;
        } else {
            fc = true;
            Label_fc->setText(opis.etykieta);
        }
    }
    Label_fc->setVisible(fc);
    Edit_fc->setVisible(fc);
    Label_n->setVisible(n);
    Edit_n->setVisible(n);
}

kerwano::TypUkladu TOdstepy_parametry_form::Uklad() const
{
    return kerwano::Uklady()[Zaznaczony(m_uklad)].typ;
}

kerwano::TypInstalacji TOdstepy_parametry_form::TypInstalacji() const
{
    return kerwano::Instalacje()[Zaznaczony(m_instalacja)].typ;
}

kerwano::Material TOdstepy_parametry_form::Material() const
{
    return kerwano::Osrodki()[Zaznaczony(m_osrodek)].typ;
}

void TOdstepy_parametry_form::UstawUklad(kerwano::TypUkladu uklad)
{
    m_uklad[Indeks(kerwano::Uklady(), uklad)]->setChecked(true);
}

void TOdstepy_parametry_form::UstawTypInstalacji(kerwano::TypInstalacji typ)
{
    QRadioButton *przycisk = m_instalacja[Indeks(kerwano::Instalacje(), typ)];
    // Checking a button runs the handler through the group; the button
    // already checked runs it all the same.
    if (przycisk->isChecked())
        PokazPolaInstalacji();
    else
        przycisk->setChecked(true);
}

void TOdstepy_parametry_form::UstawMaterial(kerwano::Material material)
{
    m_osrodek[Indeks(kerwano::Osrodki(), material)]->setChecked(true);
}
