#pragma once

#include "widgets/TStrona.h"

class QFrame;
class QLabel;
class TStringGrid;
class TWykres_katow;
namespace kerwano {
class ModelProjektu;
}

// Page 2, "Obliczanie kątów osłonowych": the angle chart with its
// information panel and the element table with heights and angles, shown
// from the project. Selecting a row shows its point on the chart. The
// chart and the table are made when the page is first needed; until then
// the table's rows and angles are the project's, no row has been shown and
// the panel keeps its start texts.
class TKaty_strona : public TStrona
{
    Q_OBJECT
public:
    explicit TKaty_strona(const kerwano::ModelProjektu &projekt, QWidget *parent = nullptr);

    // The whole table from the element list.
    void PokazElementy(bool cicho = false) override;
    // One row put in or taken out: that row of the table alone.
    void PokazZmianeElementow(const kerwano::Przeliczenie &zmiana, bool cicho) override;
    // The angle column when the calculation rewrote it; the chart, which
    // loses its guide lines, when the page is in view.
    void Przeliczono(const kerwano::Przeliczenie &przeliczenie, bool biezaca) override;
    // Shown, or a project put in while in view: the current row and the
    // building height.
    void Pokazana() override { TabSheet2Show(); }
    // The angle column only, after the class calculation rewrote it.
    void PokazKaty();
    // Repaints the chart, which takes the guide lines away.
    void OdswiezWykres();

    // A row (1 for the first) on the chart and in the information panel.
    void PokazKatElementu(int wiersz);
    // The current row, as a selection shows it.
    void PokazWybranyElement();
    // Page shown: the current row, then the building height.
    void TabSheet2Show();

    QSize minimumSizeHint() const override;

signals:
    // The table's keys and context menu: "<< Dodaj", "Edycja" and "Usuń"
    // of page 3 for row `wiersz`.
    void Dodaj();
    void Edycja(int wiersz);
    void Usun(int wiersz);

protected:
    void ZbudujZawartosc() override;

private:
    // A row's cells in the table.
    QStringList KomorkiElementu(int wiersz) const;
    void UmiescInformacje();
    // The information panel's accessible text: its three values with their captions.
    void OpiszInformacje();

    // The table was filled from the element list at least once.
    bool m_elementy_pokazane = false;
    TWykres_katow *m_wykres = nullptr;
    QFrame *m_informacje = nullptr;       // over the chart: H, the class and the angle
    QLabel *Panel_wykres_H = nullptr;     // building height
    QLabel *Panel_wykres_klasa = nullptr; // class of the last row shown
    QLabel *Panel_wykres_kat = nullptr;   // angle of the last row shown
    QLabel *m_opis_tabeli = nullptr;
    TStringGrid *m_tabela = nullptr; // "Nazwa elementu", "Wysokość H [m]", "Kąt [°]"
};
