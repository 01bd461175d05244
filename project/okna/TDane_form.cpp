#include "project/okna/TDane_form.h"

#include "pliki/TekstPliku.h"
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
    auto *siatka = new QGridLayout;
    siatka->setHorizontalSpacing(8);
    siatka->setVerticalSpacing(6);
    for (int i = 0; i < kerwano::LICZBA_DANYCH; ++i) {
        const auto n = static_cast<size_t>(i);
        QLabel *l = m_etykiety[n] = new QLabel(etykiety[i], this);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        QLineEdit *e = m_pola[n] = new QLineEdit(m_dane[n], this);
        e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        if (teksty == Teksty::PlikuProjektu)
            new TWalidator_tekstu(e, kerwano::POJEMNOSC_DANYCH[i], kerwano::PrzyjmijTekst);
        e->setCursorPosition(0);
        l->setBuddy(e);
        siatka->addWidget(l, i, 0);
        // Number and date are short; the names and addresses long.
        if (i < 2) {
            e->setFixedWidth(150);
            siatka->addWidget(e, i, 1, Qt::AlignLeft);
        } else {
            e->setMinimumWidth(480);
            siatka->addWidget(e, i, 1);
        }
    }
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TDane_form::Button1Click);
    // What Esc and the close box do, as a button.
    m_anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    m_anuluj->setObjectName(QStringLiteral("Button2"));
    connect(m_anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_ok);
    przyciski->addWidget(m_anuluj);
    przyciski->addStretch(1);
    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(12, 12, 12, 12);
    u->addLayout(siatka);
    u->addSpacing(8);
    u->addLayout(przyciski);
    // A dialog frame: the size its contents ask for, not resizable.
    u->setSizeConstraint(QLayout::SetFixedSize);
    m_pola[0]->setFocus();
}

void TDane_form::Button1Click()
{
    for (size_t i = 0; i < m_pola.size(); ++i)
        m_dane[i] = m_pola[i]->text();
    accept();
}
