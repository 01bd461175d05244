#pragma once

#include "widgets/TStrona.h"

#include <vector>

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
class TOdstepy_strona : public TStrona
{
    Q_OBJECT
public:
    explicit TOdstepy_strona(const kerwano::ModelProjektu &projekt, QWidget *parent = nullptr);

    // The whole table from the element list; `cicho` as on page 2.
    void PokazElementy(bool cicho = false) override;
    // One row put in or taken out: that row of the table alone.
    void PokazZmianeElementow(const kerwano::Przeliczenie &zmiana, bool cicho) override;
    // The class in force after a calculation.
    void Przeliczono(const kerwano::Przeliczenie &, bool) override { PokazKlase(); }
    void Pokazana() override { TabSheet3Show(); }
    // The class in force.
    void PokazKlase();
    // Fills the lower half for a row of m_tabela: the pictures of its
    // arrangement and layout (or the red notices), its separation distance
    // and its protective angle for the class in force.
    void PokazElement(int wiersz);
    // Page shown: the current row.
    void TabSheet3Show();

    // "<< Dodaj", "Edycja" and "Usuń" of row `wiersz` (1 for the first),
    // whichever table or key asked for them.
    void Dodaj();
    void Edytuj(int wiersz);
    void Usun(int wiersz);

signals:
    void DodajElement(const kerwano::DaneElementu &element);
    void ZmienElement(int wiersz, const kerwano::DaneElementu &element);
    void UsunElement(int wiersz);

protected:
    void ZbudujZawartosc() override;

private:
    // A row's cells in the table.
    QStringList KomorkiElementu(int wiersz) const;
    // "Usuń", "Edycja" of the current row.
    void UsunBiezacy();
    void EdytujBiezacy();

    QFrame *PanelWyniku(const QString &nazwa, const QString &symbol, const QString &relacja,
                        QLabel *&symbol_l, QLabel *&nr_l, QLabel *&relacja_l, QLabel *&wartosc_l);
    // Fills and shows a result panel: the row number as a subscript, the
    // sign and the value placed by its digits.
    static void PokazWynik(QFrame *panel, QLabel *symbol, QLabel *nr, QLabel *relacja,
                           QLabel *wartosc, int wiersz, const QString &tekst);

    // The table was filled from the element list, the class shown, at least once.
    bool m_elementy_pokazane = false;
    bool m_klasa_pokazana = false;
    QLabel *m_opis_klasy = nullptr;
    QLabel *Panel_odi_klasa = nullptr; // the class as text: "?", "IV" .. "I+"
    QLabel *m_opis_tabeli = nullptr;
    TStringGrid *m_tabela = nullptr; // "Nazwa elementu", "Parametry"
    QPushButton *m_dodaj = nullptr;  // "<< Dodaj"
    QPushButton *m_usun = nullptr;   // "Usuń"
    QPushButton *m_edycja = nullptr; // "Edycja"
    QLabel *m_opis_ukladow = nullptr;
    // "Image_uklad_A", "Image_uklad_B": in one place, with Label_uklad_AB.
    std::vector<TObraz *> m_obrazy_ukladow;
    QLabel *Label_uklad_AB = nullptr; // no arrangement to show
    // "Image_uklad_1" ..: in one place, with Label_typ_instalacji.
    std::vector<TObraz *> m_obrazy_instalacji;
    QLabel *Label_typ_instalacji = nullptr; // no installation layout to show
    // "d<sub>nr</sub> ≥ value" and "α<sub>nr</sub> = value".
    QFrame *Panel_d = nullptr;
    QLabel *Label_d = nullptr, *Label_d_nr = nullptr, *Label_d_wbr = nullptr,
           *Label_d_wart = nullptr;
    QFrame *Panel_alpha = nullptr;
    QLabel *Label_alpha = nullptr, *Label_alpha_nr = nullptr, *Label_alpha_wbr = nullptr,
           *Label_alpha_wart = nullptr;
};
