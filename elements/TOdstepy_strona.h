#pragma once

#include "app/TStrona_odroczona.h"

class QFrame;
class QLabel;
class QPushButton;
class TObraz;
class TStringGrid;
namespace kerwano {
class ModelProjektu;
struct DaneElementu;
} // namespace kerwano

// Page 3, "Obliczanie odstępów izolacyjnych": the computed class, the roof
// element list with its buttons, and the pane of the selected element. The
// page shows the project; "<< Dodaj" and "Edycja" ask the element dialog and
// report the element to add or change, "Usuń" the row to remove. Its
// widgets are made when the page is first needed; until then the class and
// the rows are the project's and the lower half is as at the start.
class TOdstepy_strona : public TStrona_odroczona
{
    Q_OBJECT
public:
    explicit TOdstepy_strona(const kerwano::ModelProjektu &projekt, QWidget *parent = nullptr);

    // The whole table from the element list; `cicho` as on page 2.
    void PokazElementy(bool cicho = false);
    // The class in force.
    void PokazKlase();
    // Fills the lower half for a row of StringGrid1: the pictures of its
    // arrangement and layout (or the red notices), its separation distance
    // and its protective angle for the class in force.
    void PokazElement(int wiersz);
    // Page shown: the current row.
    void TabSheet3Show();

signals:
    void DodajElement(const kerwano::DaneElementu &element);
    void ZmienElement(int wiersz, const kerwano::DaneElementu &element);
    void UsunElement(int wiersz);

protected:
    void ZbudujZawartosc() override;

private:
    // "<< Dodaj", "Usuń", "Edycja".
    void Button2Click();
    void Button3Click();
    void Button4Click();

    QFrame *PanelWyniku(const QString &nazwa, const QString &symbol, const QString &relacja,
                        QLabel *&symbol_l, QLabel *&nr_l, QLabel *&relacja_l, QLabel *&wartosc_l);
    // Fills and shows a result panel: the row number as a subscript, the
    // sign and the value placed by its digits.
    static void PokazWynik(QFrame *panel, QLabel *nr, QLabel *relacja, QLabel *wartosc, int wiersz,
                           const QString &tekst);

    const kerwano::ModelProjektu &m_projekt;
    // The table was filled from the element list, the class shown, at least once.
    bool m_elementy_pokazane = false;
    bool m_klasa_pokazana = false;
    QLabel *Label26;
    QLabel *Panel_odi_klasa; // the class as text: "?", "IV" .. "I+"
    QLabel *Label27;
    TStringGrid *StringGrid1; // "Nazwa elementu", "Parametry"
    QPushButton *Button2;     // "<< Dodaj"
    QPushButton *Button3;     // "Usuń"
    QPushButton *Button4;     // "Edycja"
    QLabel *Label28;
    TObraz *Image_uklad_A, *Image_uklad_B;                 // one place, with Label_uklad_AB
    QLabel *Label_uklad_AB;                                // no arrangement to show
    TObraz *Image_uklad_1, *Image_uklad_2, *Image_uklad_3; // one place
    QLabel *Label_typ_instalacji;                          // no installation layout to show
    // "d<sub>nr</sub> ≥ value" and "α<sub>nr</sub> = value".
    QFrame *Panel_d;
    QLabel *Label_d, *Label_d_nr, *Label_d_wbr, *Label_d_wart;
    QFrame *Panel_alpha;
    QLabel *Label_alpha, *Label_alpha_nr, *Label_alpha_wbr, *Label_alpha_wart;
};
