#pragma once

#include <QTableWidget>

// A read-only string grid with one fixed header row and whole-row
// selection. Rows are counted as the program counts them: row 0 is the
// header, data rows start at 1, and RowCount() includes the header row.
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

    // Empties every cell of a data row.
    void WyczyscWiersz(int wiersz);

signals:
    // The current data row changed (1 for the first data row).
    void WybranoWiersz(int wiersz);
};
