#pragma once

#include <QMap>
#include <QTableWidget>
#include <functional>

// A read-only string grid with one fixed header row and whole-row
// selection. Rows are counted as the program counts them: row 0 is the
// header, data rows start at 1, and RowCount() includes the header row.
// The current row is always shown selected.
class TStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    TStringGrid(const QStringList &naglowki, QWidget *parent = nullptr);

    int RowCount() const { return rowCount() + 1; }
    void UstawRowCount(int liczba); // at least 2: header and one data row

    QString Cells(int kolumna, int wiersz) const;
    void UstawCells(int kolumna, int wiersz, const QString &tekst);

    // The current data row (1 for the first); 1 when nothing is current.
    int Row() const;
    void UstawRow(int wiersz);

    // Shows `liczba` data rows (one empty row when it is 0), row w with the
    // cells `komorki(w)`. Rows to be removed go last, after the others are
    // written, so that a selection moved off a removed row finds its new row
    // filled.
    void Wypelnij(int liczba, const std::function<QStringList(int)> &komorki);
    // One row of a list of `liczba` rows (counted after the change) put in
    // at `wiersz` with `komorki`, the rows below moving down, or taken out,
    // the rows below moving up; the list's only row fills or empties the one
    // row shown. The current row follows its own row; the other rows are
    // not touched.
    void WstawWiersz(int wiersz, int liczba, const QStringList &komorki);
    void UsunWiersz(int wiersz, int liczba);

    // With `dziel` the columns share the table's width by their texts, the
    // last one taking what the others leave (see DzielSzerokosc); without
    // it they keep the widths given them.
    void UstawDzielenieSzerokosci(bool dziel);
    // The width column `kolumna` needs to show its widest text, header
    // included, without cutting it.
    int PotrzebnaSzerokosc(int kolumna) const;

    // With `polecenia` the table answers keys for its rows: Enter and F2
    // edit the current row, Delete removes it, and the context menu (its key
    // or a right click) offers "Dodaj", "Edycja" and "Usuń".
    void UstawPolecenia(bool polecenia) { m_polecenia = polecenia; }

signals:
    // The current data row changed (1 for the first data row).
    void WybranoWiersz(int wiersz);
    // The row commands, with UstawPolecenia: the current data row.
    void Dodaj();
    void Edycja(int wiersz);
    void Usun(int wiersz);

protected:
    bool event(QEvent *zdarzenie) override;
    void keyPressEvent(QKeyEvent *zdarzenie) override;
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;
    bool viewportEvent(QEvent *zdarzenie) override;
    void changeEvent(QEvent *zdarzenie) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &indeks,
                                                         const QEvent *zdarzenie) const override;

private:
    void Wpisz(int kolumna, int wiersz, const QString &tekst);
    // Whether the cell's text is cut to fit its column.
    bool Uciety(const QModelIndex &indeks) const;
    void DzielSzerokosc();
    // The width a cell's text needs, grid line included.
    int Szerokosc(int kolumna, int wiersz) const;
    // A cell's needed width counted in or out of m_potrzebne (when known).
    void Policz(int kolumna, int wiersz, int ile);
    // The current row after a row change that kept signals back: selected,
    // and told when it is another than `byl` or `zmieniony` (its row went).
    void PowiedzBiezacy(int byl, bool zmieniony);

    // The command of a key, if it is one of the row commands'.
    enum class Polecenie
    {
        Zadne,
        Edycja,
        Usun
    };
    Polecenie PolecenieKlawisza(const QKeyEvent *zdarzenie) const;

    bool m_dziel = false;
    // Per column, the widths the cells' texts need and how many cells need
    // each, kept while the columns share the width; empty when not counted
    // (a whole fill, a font or style change).
    QList<QMap<int, int>> m_potrzebne;
    bool m_polecenia = false;
};
