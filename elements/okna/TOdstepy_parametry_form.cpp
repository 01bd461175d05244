#include "elements/okna/TOdstepy_parametry_form.h"

#include "project/PlikProjektu.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"
#include "widgets/Kontrast.h"
#include "widgets/OknoBledu.h"
#include "widgets/TFiltr_klawiszy.h"
#include "widgets/TObraz.h"
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
    Label4->setBuddy(Edit1);
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
    Edit1->setText(element.nazwa);
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
        OknoBledu(this, QStringLiteral("Parametry elementu nie zmieszczą się w pliku projektu "
                                       "(znaków: %1, najwyżej %2); skróć liczby")
                            .arg(parametry.size())
                            .arg(kerwano::POJEMNOSC_PARAMETROW));
        return;
    }
    if (OdmowaWymiarow(parametry))
        return;
    QDialog::accept();
}

bool TOdstepy_parametry_form::OdmowaWymiarow(const QString &parametry)
{
    // The numbers as the text keeps them: 0,004 is written, and read, as 0.
    const kerwano::TypInstalacji typ = TypInstalacji();
    const double H = kerwano::CzytajH(parametry);
    QLineEdit *pole = nullptr;
    QString powod;
    if (typ == kerwano::TypInstalacji::Uklad3 && kerwano::CzytajN(parametry) < 1) {
        pole = Edit_n;
        powod = QStringLiteral("Liczba zwodów n musi wynosić co najmniej 1.");
    } else if (typ == kerwano::TypInstalacji::Uklad3 && H == 0) {
        pole = Edit_H;
        powod = QStringLiteral("Wysokość H musi być większa od zera.");
    } else if (typ == kerwano::TypInstalacji::Uklad2 && H == 0 &&
               kerwano::CzytajF(parametry) == 0) {
        pole = Edit_H;
        powod = QStringLiteral("Wysokość H lub rozpiętość f musi być większa od zera.");
    }
    if (!pole)
        return false;
    pole->setFocus(Qt::OtherFocusReason);
    pole->selectAll();
    QToolTip::showText(pole->mapToGlobal(QPoint(0, pole->height())), powod, pole);
    return true;
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
    Label3 = Naglowek(QStringLiteral("Parametry układu:"), this);
    Label4 = Etykieta(QStringLiteral("&Nazwa elementu:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    new TWalidator_tekstu(Edit1, kerwano::POJEMNOSC_NAZWY_ELEMENTU);

    GroupBox1 = new QGroupBox(QStringLiteral(" Materiał izolacyjny "), this);
    RadioButton6 = Przycisk(QStringLiteral("&powietrze"), GroupBox1);
    RadioButton7 = Przycisk(QStringLiteral("&dielektryk"), GroupBox1);
    RadioButton6->setChecked(true);

    Label_H = Etykieta(QStringLiteral("&H [m]"), this);
    Label_L = Etykieta(QStringLiteral("&L [m]"), this);
    Label_fc = Etykieta(QStringLiteral("&f [m]"), this);
    Label_n = Etykieta(QStringLiteral("n [&szt.]"), this);
    Edit_H = Pole(QStringLiteral("0"), this);
    Edit_L = Pole(QStringLiteral("0"), this);
    Edit_fc = Pole(QStringLiteral("0"), this);
    Edit_n = Pole(QStringLiteral("0"), this);
    auto *rzeczywiste = new TFiltr_klawiszy(true, this);
    for (QLineEdit *e : {Edit_H, Edit_L, Edit_fc})
        rzeczywiste->Zaloz(e, kerwano::MAKS_ZNAKOW_LICZBY);
    (new TFiltr_klawiszy(false, this))->Zaloz(Edit_n, kerwano::MAKS_CYFR_N);

    Label1 = Naglowek(QStringLiteral("Typ układu:"), this);
    RadioButton1 = Przycisk(QStringLiteral("Układ &A"), this);
    RadioButton2 = Przycisk(QStringLiteral("Układ &B"), this);
    Image1 = new TObraz(TObraz::Rysunek::UkladA, this);
    Image3 = new TObraz(TObraz::Rysunek::UkladB, this);
    RadioButton1->setChecked(true);
    m_uklady = new QButtonGroup(this);
    m_uklady->addButton(RadioButton1);
    m_uklady->addButton(RadioButton2);

    Label2 = Naglowek(QStringLiteral("Sposób wykonania instalacji odgomowej:"), this);
    RadioButton3 = Przycisk(QStringLiteral("Układ &1"), this);
    RadioButton4 = Przycisk(QStringLiteral("Układ &2"), this);
    RadioButton5 = Przycisk(QStringLiteral("Układ &3"), this);
    Image4 = new TObraz(TObraz::Rysunek::Uklad1, this);
    Image5 = new TObraz(TObraz::Rysunek::Uklad2, this);
    Image6 = new TObraz(TObraz::Rysunek::Uklad3, this);
    RadioButton3->setChecked(true);
    m_instalacje = new QButtonGroup(this);
    m_instalacje->addButton(RadioButton3);
    m_instalacje->addButton(RadioButton4);
    m_instalacje->addButton(RadioButton5);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Anuluj"), this);

    const QList<QPair<QWidget *, const char *>> nazwy = {{Label1, "Label1"},
                                                         {Label2, "Label2"},
                                                         {Label3, "Label3"},
                                                         {Label4, "Label4"},
                                                         {GroupBox1, "GroupBox1"},
                                                         {RadioButton1, "RadioButton1"},
                                                         {RadioButton2, "RadioButton2"},
                                                         {RadioButton3, "RadioButton3"},
                                                         {RadioButton4, "RadioButton4"},
                                                         {RadioButton5, "RadioButton5"},
                                                         {RadioButton6, "RadioButton6"},
                                                         {RadioButton7, "RadioButton7"},
                                                         {Label_H, "Label_H"},
                                                         {Label_L, "Label_L"},
                                                         {Label_fc, "Label_fc"},
                                                         {Label_n, "Label_n"},
                                                         {Edit_H, "Edit_H"},
                                                         {Edit_L, "Edit_L"},
                                                         {Edit_fc, "Edit_fc"},
                                                         {Edit_n, "Edit_n"},
                                                         {Image1, "Image1"},
                                                         {Image3, "Image3"},
                                                         {Image4, "Image4"},
                                                         {Image5, "Image5"},
                                                         {Image6, "Image6"},
                                                         {Button1, "Button1"},
                                                         {Button2, "Button2"}};
    for (const auto &[w, nazwa] : nazwy)
        w->setObjectName(QString::fromLatin1(nazwa));
}

void TOdstepy_parametry_form::UlozWidzety()
{
    auto *material = new QVBoxLayout(GroupBox1);
    material->setContentsMargins(8, 4, 8, 6);
    material->addWidget(RadioButton6);
    material->addWidget(RadioButton7);

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
    parametry->addWidget(Label3);
    parametry->addSpacing(4);
    parametry->addWidget(Label4);
    parametry->addWidget(Edit1);
    parametry->addWidget(GroupBox1);
    parametry->addLayout(wymiary);
    parametry->addStretch(1);

    auto *uklady_obrazy = new QHBoxLayout;
    uklady_obrazy->setSpacing(10);
    uklady_obrazy->addLayout(ZObrazem(RadioButton1, Image1));
    uklady_obrazy->addLayout(ZObrazem(RadioButton2, Image3));
    auto *uklady = new QVBoxLayout;
    uklady->addWidget(Label1);
    uklady->addLayout(uklady_obrazy);
    uklady->addStretch(1);

    auto *gora = new QHBoxLayout;
    gora->setSpacing(16);
    gora->addLayout(parametry, 1);
    gora->addLayout(uklady);

    auto *instalacje_obrazy = new QHBoxLayout;
    instalacje_obrazy->setSpacing(10);
    instalacje_obrazy->addLayout(ZObrazem(RadioButton3, Image4));
    instalacje_obrazy->addLayout(ZObrazem(RadioButton4, Image5));
    instalacje_obrazy->addLayout(ZObrazem(RadioButton5, Image6));
    instalacje_obrazy->addStretch(1);

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Button1);
    przyciski->addSpacing(12);
    przyciski->addWidget(Button2);
    przyciski->addStretch(1);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(10, 10, 10, 10);
    u->addLayout(gora);
    u->addSpacing(6);
    u->addWidget(Label2);
    u->addLayout(instalacje_obrazy);
    u->addSpacing(8);
    u->addLayout(przyciski);

    // Name, medium, dimensions, the arrangement, the layout, then the buttons.
    const QList<QWidget *> kolejnosc = {
        Edit1,        RadioButton6, RadioButton7, Edit_H,       Edit_L,       Edit_fc, Edit_n,
        RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, Button1, Button2};
    for (int i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
    Edit1->setFocus();
}

void TOdstepy_parametry_form::Polacz()
{
    connect(Edit1, &QLineEdit::textChanged, this,
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

    connect(Image1, &TObraz::Klikniety, this, [this] { RadioButton1->setChecked(true); });
    connect(Image3, &TObraz::Klikniety, this, [this] { RadioButton2->setChecked(true); });
    connect(Image4, &TObraz::Klikniety, this,
            [this] { UstawTypInstalacji(kerwano::TypInstalacji::Uklad1); });
    connect(Image5, &TObraz::Klikniety, this,
            [this] { UstawTypInstalacji(kerwano::TypInstalacji::Uklad2); });
    connect(Image6, &TObraz::Klikniety, this,
            [this] { UstawTypInstalacji(kerwano::TypInstalacji::Uklad3); });
    connect(m_instalacje, &QButtonGroup::buttonToggled, this,
            [this](QAbstractButton *, bool wlaczony) {
                if (wlaczony)
                    PokazPolaInstalacji();
            });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TOdstepy_parametry_form::PokazPolaInstalacji()
{
    // Layout 1 needs H and L; layout 2 also f; layout 3 c and n.
    using kerwano::TypInstalacji;
    const TypInstalacji typ = this->TypInstalacji();
    const bool fc = typ == TypInstalacji::Uklad2 || typ == TypInstalacji::Uklad3;
    if (fc)
        Label_fc->setText(typ == TypInstalacji::Uklad2 ? QStringLiteral("&f [m]")
                                                       : QStringLiteral("&c [m]"));
    Label_fc->setVisible(fc);
    Edit_fc->setVisible(fc);
    Label_n->setVisible(typ == TypInstalacji::Uklad3);
    Edit_n->setVisible(typ == TypInstalacji::Uklad3);
}

kerwano::TypUkladu TOdstepy_parametry_form::Uklad() const
{
    return RadioButton2->isChecked() ? kerwano::TypUkladu::B : kerwano::TypUkladu::A;
}

kerwano::TypInstalacji TOdstepy_parametry_form::TypInstalacji() const
{
    using T = kerwano::TypInstalacji;
    return RadioButton5->isChecked()   ? T::Uklad3
           : RadioButton4->isChecked() ? T::Uklad2
                                       : T::Uklad1;
}

kerwano::Material TOdstepy_parametry_form::Material() const
{
    return RadioButton7->isChecked() ? kerwano::Material::Dielektryk : kerwano::Material::Powietrze;
}

void TOdstepy_parametry_form::UstawUklad(kerwano::TypUkladu uklad)
{
    (uklad == kerwano::TypUkladu::B ? RadioButton2 : RadioButton1)->setChecked(true);
}

void TOdstepy_parametry_form::UstawTypInstalacji(kerwano::TypInstalacji typ)
{
    using T = kerwano::TypInstalacji;
    QRadioButton *przycisk = typ == T::Uklad3   ? RadioButton5
                             : typ == T::Uklad2 ? RadioButton4
                                                : RadioButton3;
    // Checking a button runs the handler through the group; the button
    // already checked runs it all the same.
    if (przycisk->isChecked())
        PokazPolaInstalacji();
    else
        przycisk->setChecked(true);
}

void TOdstepy_parametry_form::UstawMaterial(kerwano::Material material)
{
    (material == kerwano::Material::Dielektryk ? RadioButton7 : RadioButton6)->setChecked(true);
}
