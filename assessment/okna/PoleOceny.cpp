#include "assessment/okna/PoleOceny.h"

#include "assessment/FormatyOceny.h"
#include "assessment/Walidacja.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using kerwano::ocena::Json;

PoleOceny::PoleOceny(Rodzaj rodzaj, const QString &klucz, const QString &etykieta,
                     const kerwano::ocena::Tabela *tabela, bool pusty, QWidget *parent)
    : QWidget(parent), m_rodzaj(rodzaj), m_klucz(klucz), m_tabela(tabela), m_pusty(pusty),
      m_etykieta(new QLabel(etykieta, this))
{
    auto *uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    switch (rodzaj) {
    case Rodzaj::Zastepcza:
        m_pole = new QCheckBox(QStringLiteral("inna wartość"), this);
        m_pole->setAccessibleName(etykieta + QStringLiteral(" – inna wartość"));
        uklad->addWidget(m_pole);
        connect(m_pole, &QCheckBox::toggled, this, [this](bool wlaczone) {
            m_tekst->setEnabled(wlaczone);
            if (m_pokazywanie)
                return;
            emit Zmieniono(wlaczone ? Json::Liczba(m_domyslna) : Json());
        });
        [[fallthrough]];
    case Rodzaj::Liczba:
    case Rodzaj::Calkowita:
    case Rodzaj::Nazwa: {
        m_tekst = new QLineEdit(this);
        m_edytor = m_tekst;
        if (rodzaj == Rodzaj::Nazwa) {
            m_tekst->setMaxLength(40);
        } else {
            m_tekst->setMaxLength(15);
            m_tekst->setValidator(new QRegularExpressionValidator(
                QRegularExpression(rodzaj == Rodzaj::Calkowita
                                       ? QStringLiteral("[0-9]*")
                                       : QStringLiteral("[0-9]*[.,]?[0-9]*")),
                m_tekst));
        }
        connect(m_tekst, &QLineEdit::textEdited, this, [this](const QString &t) {
            if (t.contains(u'.')) {
                const int kursor = m_tekst->cursorPosition();
                m_tekst->setText(QString(t).replace(u'.', u','));
                m_tekst->setCursorPosition(kursor);
            }
            Zglos();
        });
        uklad->addWidget(m_tekst, 1);
        break;
    }
    case Rodzaj::Wybor:
    case Rodzaj::UW:
        m_lista = new QComboBox(this);
        m_lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_lista->setMinimumContentsLength(24);
        m_edytor = m_lista;
        connect(m_lista, &QComboBox::activated, this, [this] { Zglos(); });
        uklad->addWidget(m_lista, 1);
        break;
    case Rodzaj::Logiczna:
        m_pole = new QCheckBox(etykieta, this);
        m_edytor = m_pole;
        m_etykieta->hide();
        connect(m_pole, &QCheckBox::toggled, this, [this] { Zglos(); });
        uklad->addWidget(m_pole);
        break;
    case Rodzaj::Zbior: {
        auto *kolumna = new QVBoxLayout;
        for (int i = 0; i < tabela->liczba; ++i) {
            auto *pole = new QCheckBox(tabela->Etykieta(i), this);
            m_zbior << pole;
            kolumna->addWidget(pole);
            connect(pole, &QCheckBox::toggled, this, [this] { Zglos(); });
        }
        uklad->addLayout(kolumna, 1);
        m_edytor = m_zbior.value(0);
        setAttribute(Qt::WA_StyledBackground); // so that a red frame shows round the set
        break;
    }
    }
    m_etykieta->setBuddy(m_edytor);
    m_etykieta->setWordWrap(true);
    if (m_edytor)
        m_edytor->setAccessibleName(etykieta);
}

QString PoleOceny::tekstEtykiety() const
{
    return m_etykieta->text().remove(u'&');
}

void PoleOceny::Zglos()
{
    if (m_pokazywanie)
        return;
    switch (m_rodzaj) {
    case Rodzaj::Liczba:
    case Rodzaj::Calkowita:
    case Rodzaj::Zastepcza:
        emit Zmieniono(kerwano::ocena::WartoscPola(m_tekst->text()));
        return;
    case Rodzaj::Nazwa:
        emit Zmieniono(Json::Tekst(m_tekst->text()));
        return;
    case Rodzaj::Wybor: {
        const QVariant klucz = m_lista->currentData();
        emit Zmieniono(klucz.isNull() ? Json() : Json::Tekst(klucz.toString()));
        return;
    }
    case Rodzaj::UW:
        emit Zmieniono(Json::Liczba(m_lista->currentData().toDouble()));
        return;
    case Rodzaj::Logiczna:
        emit Zmieniono(Json::Logiczna(m_pole->isChecked()));
        return;
    case Rodzaj::Zbior: {
        Json zbior = Json::Tablica();
        for (int i = 0; i < m_zbior.size(); ++i)
            if (m_zbior[i]->isChecked())
                zbior.tablica.push_back(Json::Tekst(m_tabela->Klucz(i)));
        emit Zmieniono(zbior);
        return;
    }
    }
}

namespace {

// A value as the field shows it: a number in format T, a text as it is.
QString Tekst(const Json &w)
{
    if (w.JestLiczba())
        return w.tekst.isEmpty() ? kerwano::ocena::FormatT(w.liczba) : w.tekst;
    if (w.JestTekstem())
        return w.tekst;
    if (w.JestNull())
        return QString();
    return QString::fromUtf8(kerwano::ocena::PiszJson(w)).trimmed();
}

} // namespace

void PoleOceny::Pokaz(const Json &w)
{
    m_pokazywanie = true;
    switch (m_rodzaj) {
    case Rodzaj::Zastepcza:
        m_pole->setChecked(!w.JestNull());
        m_tekst->setEnabled(!w.JestNull());
        m_tekst->setText(w.JestNull() ? kerwano::ocena::FormatT(m_domyslna) : Tekst(w));
        break;
    case Rodzaj::Liczba:
    case Rodzaj::Calkowita:
    case Rodzaj::Nazwa:
        if (m_tekst->text() != Tekst(w))
            m_tekst->setText(Tekst(w));
        break;
    case Rodzaj::Wybor:
    case Rodzaj::UW: {
        m_lista->clear();
        if (m_rodzaj == Rodzaj::UW) {
            for (double uw : kerwano::ocena::UW_KOLUMNY)
                m_lista->addItem(kerwano::ocena::FormatT(uw), uw);
        } else {
            if (m_pusty)
                m_lista->addItem(QString());
            for (int i = 0; i < m_tabela->liczba; ++i)
                m_lista->addItem(m_tabela->Etykieta(i), m_tabela->Klucz(i));
        }
        int i = -1;
        if (m_rodzaj == Rodzaj::UW && w.JestLiczba())
            i = m_lista->findData(w.liczba);
        else if (w.JestTekstem())
            i = m_lista->findData(w.tekst);
        else if (w.JestNull() && m_pusty)
            i = 0;
        if (i < 0) {
            // A value from a file that is not in the list, shown as it is.
            m_lista->addItem(Tekst(w));
            i = m_lista->count() - 1;
        }
        m_lista->setCurrentIndex(i);
        break;
    }
    case Rodzaj::Logiczna:
        m_pole->setChecked(w.JestLogiczna() && w.logiczna);
        break;
    case Rodzaj::Zbior:
        for (int i = 0; i < m_zbior.size(); ++i) {
            bool jest = false;
            for (const Json &e : w.tablica)
                jest = jest || (e.JestTekstem() && e.tekst == m_tabela->Klucz(i));
            m_zbior[i]->setChecked(jest);
        }
        break;
    }
    m_pokazywanie = false;
}

void PoleOceny::UstawDomyslna(double wartosc)
{
    m_domyslna = wartosc;
    if (m_rodzaj == Rodzaj::Zastepcza && !m_pole->isChecked()) {
        m_pokazywanie = true;
        m_tekst->setText(kerwano::ocena::FormatT(wartosc));
        m_pokazywanie = false;
    }
}

void PoleOceny::Oznacz(const QString &powod)
{
    QWidget *cel = m_rodzaj == Rodzaj::Zbior ? static_cast<QWidget *>(this) : m_edytor;
    if (!cel)
        return;
    if (cel->toolTip() == powod && cel->property("oznaczone").toBool() == !powod.isEmpty())
        return;
    cel->setProperty("oznaczone", !powod.isEmpty());
    cel->setToolTip(powod);
    cel->setAccessibleDescription(powod);
    const QString nazwa = cel->metaObject()->className();
    cel->setStyleSheet(powod.isEmpty()
                           ? QString()
                           : QStringLiteral("%1 { border: 2px solid #c00000; }").arg(nazwa));
}

void PoleOceny::Aktywuj()
{
    if (m_edytor)
        m_edytor->setFocus(Qt::OtherFocusReason);
}
