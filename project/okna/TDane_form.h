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

    // In the order of the data: number, date, designer, site, investor, client.
    std::array<QLabel *, kerwano::LICZBA_DANYCH> m_etykiety{};
    std::array<QLineEdit *, kerwano::LICZBA_DANYCH> m_pola{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_anuluj; // "Anuluj" (Button2): as Esc, nothing changes
    std::array<QString, kerwano::LICZBA_DANYCH> m_dane;
};
