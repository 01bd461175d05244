#include "elements/TOdstepy_strona.h"

#include "app/TStringGrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *Komunikat(const QString &tekst, const QString &nazwa, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setObjectName(nazwa);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    l->setPalette(p);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

} // namespace

TOdstepy_strona::TOdstepy_strona(QWidget *parent) : QWidget(parent)
{
    Label26 = new QLabel(QStringLiteral("Obliczona klasa ochronności budynku:"), this);
    Panel_odi_klasa = new QLabel(QStringLiteral("?"), this);
    Panel_odi_klasa->setObjectName(QStringLiteral("Panel_odi_klasa"));
    Panel_odi_klasa->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel_odi_klasa->setAutoFillBackground(true);
    QPalette p = Panel_odi_klasa->palette();
    p.setColor(QPalette::Window, Qt::white);
    Panel_odi_klasa->setPalette(p);
    QFont f = Panel_odi_klasa->font();
    f.setBold(true);
    Panel_odi_klasa->setFont(f);
    Panel_odi_klasa->setAlignment(Qt::AlignCenter);
    Panel_odi_klasa->setFixedWidth(
        Panel_odi_klasa->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 8);

    Label27 = new QLabel(QStringLiteral("Elementy konstrukcyjne dachu:"), this);
    StringGrid1 =
        new TStringGrid({QStringLiteral("Nazwa elementu"), QStringLiteral("Parametry")}, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setColumnWidth(0, 160);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setDefaultSectionSize(19);

    Button2 = new QPushButton(QStringLiteral("<< Dodaj"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Usuń"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new QPushButton(QStringLiteral("Edycja"), this);
    Button4->setObjectName(QStringLiteral("Button4"));

    Label28 = new QLabel(QStringLiteral("Układy instalacji odgromowej"), this);
    QFont n = Label28->font();
    n.setBold(true);
    Label28->setFont(n);
    Label_uklad_AB = Komunikat(QStringLiteral("Nie wybrano żadnego typu układu."),
                               QStringLiteral("Label_uklad_AB"), this);
    Label_typ_instalacji =
        Komunikat(QStringLiteral("Nie wybrano żadnego typu wykonania instalacji."),
                  QStringLiteral("Label_typ_instalacji"), this);

    auto *gora = new QHBoxLayout;
    gora->addWidget(Label26);
    gora->addWidget(Panel_odi_klasa);
    gora->addStretch(1);

    auto *przyciski = new QVBoxLayout;
    przyciski->addWidget(Button2);
    przyciski->addWidget(Button3);
    przyciski->addWidget(Button4);
    przyciski->addStretch(1);

    auto *lista = new QHBoxLayout;
    lista->addWidget(StringGrid1, 1);
    lista->addLayout(przyciski);

    auto *obrazy = new QHBoxLayout;
    obrazy->addWidget(Label_uklad_AB, 1);
    obrazy->addWidget(Label_typ_instalacji, 1);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(6, 6, 6, 6);
    u->addLayout(gora);
    u->addWidget(Label27);
    u->addLayout(lista, 2);
    u->addWidget(Label28);
    u->addLayout(obrazy, 3);
}
