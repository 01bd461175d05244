#pragma once

#include "project/PlikProjektu.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// "Dane projektu": the six project data texts. "OK" takes the fields as
// they stand and closes with OK; the frame's close button discards the
// edits.
class TDane_form : public QDialog
{
    Q_OBJECT
public:
    // What the fields may hold: what the project file keeps (its characters
    // and lengths), or any text (a risk assessment's data).
    enum class Teksty
    {
        PlikuProjektu,
        Dowolne
    };
    // `dane`: numer_projektu, data_wykonania, projektant, budowa, inwestor,
    // zleceniodawca, into the fields.
    explicit TDane_form(const std::array<QString, kerwano::LICZBA_DANYCH> &dane,
                        QWidget *parent = nullptr, Teksty teksty = Teksty::PlikuProjektu);

    // The texts "OK" took, whole; the ones given when it was not pressed.
    const std::array<QString, kerwano::LICZBA_DANYCH> &Dane() const { return m_dane; }

private:
    void Button1Click();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QPushButton *Button1;
    QPushButton *m_anuluj; // "Anuluj" (Button2): as Esc, nothing changes
    std::array<QString, kerwano::LICZBA_DANYCH> m_dane;
};
