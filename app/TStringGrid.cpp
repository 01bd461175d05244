#include "app/TStringGrid.h"

#include <QHeaderView>

TStringGrid::TStringGrid(const QStringList &naglowki, QWidget *parent)
    : QTableWidget(1, naglowki.size(), parent)
{
    setHorizontalHeaderLabels(naglowki);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCurrentCell(0, 0);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int wiersz, int, int poprzedni, int) {
                if (wiersz >= 0 && wiersz != poprzedni)
                    emit WybranoWiersz(wiersz + 1);
            });
    connect(this, &QTableWidget::cellClicked, this, [this](int wiersz, int) {
        // A click on the row already current still shows it again.
        if (wiersz >= 0 && wiersz == currentRow())
            emit WybranoWiersz(wiersz + 1);
    });
}

void TStringGrid::UstawRowCount(int liczba)
{
    setRowCount(qMax(liczba, 2) - 1);
}

QString TStringGrid::Cells(int kolumna, int wiersz) const
{
    if (wiersz == 0) {
        const QTableWidgetItem *n = horizontalHeaderItem(kolumna);
        return n ? n->text() : QString();
    }
    const QTableWidgetItem *k = item(wiersz - 1, kolumna);
    return k ? k->text() : QString();
}

void TStringGrid::UstawCells(int kolumna, int wiersz, const QString &tekst)
{
    if (wiersz < 1 || wiersz > rowCount() || kolumna < 0 || kolumna >= columnCount())
        return;
    QTableWidgetItem *k = item(wiersz - 1, kolumna);
    if (k)
        k->setText(tekst);
    else
        setItem(wiersz - 1, kolumna, new QTableWidgetItem(tekst));
}

int TStringGrid::Row() const
{
    return currentRow() >= 0 ? currentRow() + 1 : 1;
}

void TStringGrid::UstawRow(int wiersz)
{
    if (wiersz >= 1 && wiersz <= rowCount())
        setCurrentCell(wiersz - 1, qMax(currentColumn(), 0));
}

void TStringGrid::Wypelnij(int liczba, const std::function<QStringList(int)> &komorki)
{
    const int wiersze = qMax(liczba, 1);
    if (wiersze > rowCount())
        UstawRowCount(wiersze + 1);
    for (int w = 1; w <= wiersze; ++w) {
        const QStringList tekst = komorki(w);
        for (int k = 0; k < columnCount(); ++k)
            UstawCells(k, w, k < tekst.size() ? tekst.at(k) : QString());
    }
    UstawRowCount(wiersze + 1);
}
