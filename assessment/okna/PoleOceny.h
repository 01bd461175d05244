#pragma once

#include "assessment/Json.h"
#include "assessment/Tabele.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// One input of the assessment window, bound to a key of the document: a
// number or integer field (only digits and one decimal comma, a typed point
// becomes a comma, at most 15 characters), a drop-down of a table, a set of
// check boxes, a check box, a name (at most 40 characters), the UW list, or
// an override ("inna wartość" and a number showing the table's value). It
// shows a value without reporting it and reports each change the user makes
// as the value to store. An invalid field gets a red frame, its reason as
// tool tip and as the description a screen reader reads.
class PoleOceny : public QWidget
{
    Q_OBJECT
public:
    enum class Rodzaj
    {
        Liczba,
        Calkowita,
        Wybor,
        Zbior,
        Logiczna,
        Nazwa,
        UW,
        Zastepcza
    };
    // `klucz` is the key under its element ("L", "L2.nt", "sasiedni.LJ");
    // `pusty`: a drop-down that may be empty.
    PoleOceny(Rodzaj rodzaj, const QString &klucz, const QString &etykieta,
              const kerwano::ocena::Tabela *tabela = nullptr, bool pusty = false,
              QWidget *parent = nullptr);

    Rodzaj rodzaj() const { return m_rodzaj; }
    const QString &klucz() const { return m_klucz; }
    QLabel *etykieta() const { return m_etykieta; }
    QString tekstEtykiety() const;

    void Pokaz(const kerwano::ocena::Json &wartosc);
    // The table's value an override shows while it is not set.
    void UstawDomyslna(double wartosc);
    void Oznacz(const QString &powod);
    void Aktywuj(); // the focus to the editor

signals:
    void Zmieniono(const kerwano::ocena::Json &wartosc);

private:
    void Zglos();

    Rodzaj m_rodzaj;
    QString m_klucz;
    const kerwano::ocena::Tabela *m_tabela;
    bool m_pusty;
    QLabel *m_etykieta;
    QLineEdit *m_tekst = nullptr;
    QComboBox *m_lista = nullptr;
    QCheckBox *m_pole = nullptr; // a boolean, or the override's box
    QList<QCheckBox *> m_zbior;
    QWidget *m_edytor = nullptr;
    double m_domyslna = 0;
    bool m_pokazywanie = false;
};
