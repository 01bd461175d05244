#include "project/okna/TDane_form.h"

#include "project/PlikProjektu.h"
#include "widgets/TWalidator_tekstu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDane_form::TDane_form(const std::array<QString, kerwano::LICZBA_DANYCH> &dane, QWidget *parent,
                       Teksty teksty)
    : QDialog(parent), m_dane(dane)
{
    setObjectName(QStringLiteral("Dane_form"));
    setWindowTitle(QStringLiteral("Dane projektu"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    const QStringList etykiety = {
        QStringLiteral("&Numer projektu:"), QStringLiteral("&Data wykonania:"),
        QStringLiteral("&Projektant:"),     QStringLiteral("&Budowa:"),
        QStringLiteral("&Inwestor:"),       QStringLiteral("&Zleceniodawca:")};
    QLabel **l[6] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
    QLineEdit **e[6] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6};
    auto *siatka = new QGridLayout;
    siatka->setHorizontalSpacing(8);
    siatka->setVerticalSpacing(6);
    for (int i = 0; i < kerwano::LICZBA_DANYCH; ++i) {
        *l[i] = new QLabel(etykiety[i], this);
        (*l[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        *e[i] = new QLineEdit(m_dane[static_cast<size_t>(i)], this);
        (*e[i])->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        if (teksty == Teksty::PlikuProjektu)
            new TWalidator_tekstu(*e[i], kerwano::POJEMNOSC_DANYCH[i]);
        (*e[i])->setCursorPosition(0);
        (*l[i])->setBuddy(*e[i]);
        siatka->addWidget(*l[i], i, 0);
        // Number and date are short; the names and addresses long.
        if (i < 2) {
            (*e[i])->setFixedWidth(150);
            siatka->addWidget(*e[i], i, 1, Qt::AlignLeft);
        } else {
            (*e[i])->setMinimumWidth(480);
            siatka->addWidget(*e[i], i, 1);
        }
    }
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TDane_form::Button1Click);
    // What Esc and the close box do, as a button.
    m_anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    m_anuluj->setObjectName(QStringLiteral("Button2"));
    connect(m_anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Button1);
    przyciski->addWidget(m_anuluj);
    przyciski->addStretch(1);
    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(12, 12, 12, 12);
    u->addLayout(siatka);
    u->addSpacing(8);
    u->addLayout(przyciski);
    // A dialog frame: the size its contents ask for, not resizable.
    u->setSizeConstraint(QLayout::SetFixedSize);
    Edit1->setFocus();
}

void TDane_form::Button1Click()
{
    const QLineEdit *e[6] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (size_t i = 0; i < size_t(kerwano::LICZBA_DANYCH); ++i)
        m_dane[i] = e[i]->text();
    accept();
}
