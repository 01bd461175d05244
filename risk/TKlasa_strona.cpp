#include "risk/TKlasa_strona.h"

#include "app/TFiltr_klawiszy.h"
#include "project/ModelProjektu.h"
#include "risk/Klasa.h"
#include "risk/Wspolczynniki.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

} // namespace

TKlasa_strona::TKlasa_strona(QWidget *parent) : QWidget(parent)
{
    GroupBox1 = NowaGrupa(1, this);
    GroupBox2 = NowaGrupa(2, this);
    GroupBox3 = NowaGrupa(3, this);
    GroupBox4 = NowaGrupa(4, this);
    GroupBox5 = NowaGrupa(5, this);

    auto *filtr = new TFiltr_klawiszy(true, this);
    for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr) {
        const kerwano::ListaWspolczynnika &lista = kerwano::Lista(nr - 1);
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
    for (int nr = 1; nr <= 3; ++nr) {
        auto *e = new QLineEdit(QStringLiteral("1,00"), this);
        e->setObjectName(QStringLiteral("Edit%1").arg(nr));
        e->installEventFilter(filtr);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 10);
        e->setAlignment(Qt::AlignRight);
        connect(e, &QLineEdit::textChanged, this,
                [this, nr](const QString &tekst) { emit WymiarZmieniony(nr, tekst); });
        m_wymiary[nr - 1] = e;
    }

    // The first three groups: a label and its list on each row.
    auto wiersze = [this](QGroupBox *g, int od, int do_) {
        QGridLayout *s = SiatkaGrupy(g);
        for (int nr = od; nr <= do_; ++nr) {
            auto *l = new QLabel(kerwano::Lista(nr - 1).etykieta, g);
            l->setBuddy(m_listy[nr - 1]);
            s->addWidget(l, nr - od, 0);
            s->addWidget(m_listy[nr - 1], nr - od, 1, Qt::AlignLeft);
        }
        s->setColumnStretch(1, 1);
        return s;
    };
    QGridLayout *s1 = wiersze(GroupBox1, 1, 4);
    QGridLayout *s2 = wiersze(GroupBox2, 5, 8);
    wiersze(GroupBox3, 9, 11);

    // Thunderstorm days and building location with the three dimensions.
    QGridLayout *s4 = SiatkaGrupy(GroupBox4);
    auto *l12 = new QLabel(kerwano::Lista(11).etykieta, GroupBox4);
    s4->addWidget(l12, 0, 0);
    s4->addWidget(m_listy[11], 0, 1, Qt::AlignLeft);
    auto *wymiary = new QHBoxLayout;
    wymiary->setSpacing(4);
    for (int nr = 1; nr <= 3; ++nr) {
        auto *l = new QLabel(NAZWY_WYMIAROW.at(nr - 1), GroupBox4);
        l->setBuddy(m_wymiary[nr - 1]);
        wymiary->addWidget(l);
        wymiary->addWidget(m_wymiary[nr - 1]);
        wymiary->addWidget(new QLabel(QStringLiteral("m"), GroupBox4));
        if (nr < 3)
            wymiary->addSpacing(6);
    }
    wymiary->addStretch(1);
    s4->addLayout(wymiary, 1, 0, 1, 2);
    auto *l13 = new QLabel(kerwano::Lista(12).etykieta, GroupBox4);
    s4->addWidget(l13, 2, 0);
    s4->addWidget(m_listy[12], 2, 1, Qt::AlignLeft);
    s4->setColumnStretch(1, 1);

    // The label columns of the full-width groups line up.
    int szer = 0;
    for (QGridLayout *s : {s1, s2, s4}) {
        for (int w = 0; w < s->rowCount(); ++w) {
            if (QLayoutItem *it = s->itemAtPosition(w, 0); it && it->widget())
                szer = qMax(szer, it->widget()->sizeHint().width());
        }
    }
    for (QGridLayout *s : {s1, s2, s4})
        s->setColumnMinimumWidth(0, szer);

    // Results.
    Label_A = EtykietaWyniku(QStringLiteral("Label_A"), GroupBox5);
    Label_B = EtykietaWyniku(QStringLiteral("Label_B"), GroupBox5);
    Label_C = EtykietaWyniku(QStringLiteral("Label_C"), GroupBox5);
    Label_Nc = EtykietaWyniku(QStringLiteral("Label_Nc"), GroupBox5);
    Label_Ae = EtykietaWyniku(QStringLiteral("Label_Ae"), GroupBox5);
    Label_Nd = EtykietaWyniku(QStringLiteral("Label_Nd"), GroupBox5);
    Label_E = EtykietaWyniku(QStringLiteral("Label_E"), GroupBox5);
    QFont pogrubiona = Label_E->font();
    pogrubiona.setBold(true);
    Label_E->setFont(pogrubiona);
    QGridLayout *s5 = SiatkaGrupy(GroupBox5);
    s5->setHorizontalSpacing(16);
    s5->setVerticalSpacing(2);
    s5->addWidget(Label_A, 0, 0);
    s5->addWidget(Label_B, 1, 0);
    s5->addWidget(Label_C, 2, 0);
    s5->addWidget(Label_Nc, 0, 1);
    s5->addWidget(Label_Ae, 1, 1);
    s5->addWidget(Label_Nd, 2, 1);
    s5->addWidget(Label_E, 3, 0, 1, 2);

    // Verdict.
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label21 = new QLabel(Panel3);
    Label21->setObjectName(QStringLiteral("Label21"));
    Label21->setAlignment(Qt::AlignCenter);
    Label21->setWordWrap(true);
    QFont duza = Label21->font();
    duza.setBold(true);
    duza.setPointSizeF(duza.pointSizeF() + 2);
    Label21->setFont(duza);
    QPalette p = Label21->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label21->setPalette(p);
    auto *u3 = new QVBoxLayout(Panel3);
    u3->setContentsMargins(6, 3, 6, 3);
    u3->addWidget(Label21);
    // Grows with the window up to three lines of the verdict, no further.
    Panel3->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Panel3->setMaximumHeight(3 * QFontMetrics(duza).lineSpacing() + 12);

    Button1 = new QPushButton(QStringLiteral("Zwody i przewody odprowadzające"), GroupBox5);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TKlasa_strona::Button1Click);
    s5->addWidget(Button1, 4, 0, 1, 2, Qt::AlignRight);
    s5->setColumnStretch(1, 1);

    auto *uklad = new QGridLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(4);
    uklad->addWidget(GroupBox1, 0, 0, 1, 2);
    uklad->addWidget(GroupBox2, 1, 0, 1, 2);
    uklad->addWidget(GroupBox3, 2, 0);
    uklad->addWidget(GroupBox5, 2, 1);
    uklad->addWidget(GroupBox4, 3, 0, 1, 2);
    uklad->addWidget(Panel3, 4, 0, 1, 2);

    // Tab goes the way the page reads: the dimensions between the two lists
    // of the last group, the sheet button last.
    for (int nr = 1; nr < 12; ++nr)
        setTabOrder(m_listy[nr - 1], m_listy[nr]);
    setTabOrder(m_listy[11], m_wymiary[0]);
    setTabOrder(m_wymiary[0], m_wymiary[1]);
    setTabOrder(m_wymiary[1], m_wymiary[2]);
    setTabOrder(m_wymiary[2], m_listy[12]);
    setTabOrder(m_listy[12], Button1);
    uklad->setRowStretch(4, 1);
    uklad->setRowStretch(5, 1);
    uklad->setColumnStretch(1, 1);
}

void TKlasa_strona::PokazWybory(const kerwano::ModelProjektu &projekt)
{
    for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr)
        m_listy[nr - 1]->setCurrentIndex(projekt.Wybor(nr));
    for (int nr = 1; nr <= kerwano::ModelProjektu::LICZBA_WYMIAROW; ++nr) {
        const QSignalBlocker cisza(m_wymiary[nr - 1]);
        m_wymiary[nr - 1]->setText(projekt.Wymiar(nr));
    }
}

void TKlasa_strona::PokazWyniki(const kerwano::ModelProjektu &projekt)
{
    const kerwano::TekstyWynikow t = kerwano::Teksty(projekt.wyniki());
    Label_A->setText(t.A);
    Label_B->setText(t.B);
    Label_C->setText(t.C);
    Label_Nc->setText(t.Nc);
    Label_Ae->setText(t.Ae);
    Label_Nd->setText(t.Nd);
    Label_E->setText(t.E);
    Label21->setText(t.werdykt);
}
