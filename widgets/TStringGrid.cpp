#include "widgets/TStringGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolTip>

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
    if (qMax(liczba, 2) - 1 != rowCount()) {
        m_potrzebne.clear();
        setRowCount(qMax(liczba, 2) - 1);
    }
    DzielSzerokosc();
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
    Wpisz(kolumna, wiersz, tekst);
    DzielSzerokosc();
}

void TStringGrid::Wpisz(int kolumna, int wiersz, const QString &tekst)
{
    if (wiersz < 1 || wiersz > rowCount() || kolumna < 0 || kolumna >= columnCount())
        return;
    QTableWidgetItem *k = item(wiersz - 1, kolumna);
    if (k && k->text() == tekst)
        return;
    Policz(kolumna, wiersz - 1, -1);
    if (k)
        k->setText(tekst);
    else
        setItem(wiersz - 1, kolumna, new QTableWidgetItem(tekst));
    Policz(kolumna, wiersz - 1, 1);
}

int TStringGrid::Szerokosc(int kolumna, int wiersz) const
{
    return sizeHintForIndex(model()->index(wiersz, kolumna)).width() + (showGrid() ? 1 : 0);
}

void TStringGrid::Policz(int kolumna, int wiersz, int ile)
{
    if (m_potrzebne.size() != columnCount())
        return;
    QMap<int, int> &szerokosci = m_potrzebne[kolumna];
    const int s = Szerokosc(kolumna, wiersz);
    if ((szerokosci[s] += ile) <= 0)
        szerokosci.remove(s);
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
    // Every text may change: the widths are counted again once it is done.
    m_potrzebne.clear();
    const int wiersze = qMax(liczba, 1);
    if (wiersze > rowCount())
        setRowCount(wiersze);
    for (int w = 1; w <= wiersze; ++w) {
        const QStringList tekst = komorki(w);
        for (int k = 0; k < columnCount(); ++k)
            Wpisz(k, w, k < tekst.size() ? tekst.at(k) : QString());
    }
    UstawRowCount(wiersze + 1);
}

void TStringGrid::WstawWiersz(int wiersz, int liczba, const QStringList &komorki)
{
    const int byl = currentRow();
    {
        const QSignalBlocker cisza(this);
        if (liczba > 1) {
            wiersz = qBound(1, wiersz, rowCount() + 1);
            insertRow(wiersz - 1);
            for (int k = 0; k < columnCount(); ++k)
                Policz(k, wiersz - 1, 1);
        } else {
            wiersz = 1; // the empty row of an empty list
        }
        for (int k = 0; k < columnCount(); ++k)
            Wpisz(k, wiersz, komorki.value(k));
    }
    DzielSzerokosc();
    PowiedzBiezacy(byl, false);
}

void TStringGrid::UsunWiersz(int wiersz, int liczba)
{
    if (wiersz < 1 || wiersz > rowCount())
        return;
    const int byl = currentRow();
    {
        const QSignalBlocker cisza(this);
        if (liczba > 0) {
            for (int k = 0; k < columnCount(); ++k)
                Policz(k, wiersz - 1, -1);
            removeRow(wiersz - 1);
        } else {
            // An empty list still shows one row, empty.
            for (int k = 0; k < columnCount(); ++k)
                Wpisz(k, 1, QString());
        }
    }
    DzielSzerokosc();
    PowiedzBiezacy(byl, byl == wiersz - 1);
}

void TStringGrid::PowiedzBiezacy(int byl, bool zmieniony)
{
    const int w = currentRow();
    if (w < 0)
        return;
    if (!selectionModel()->isRowSelected(w, QModelIndex()))
        selectionModel()->select(currentIndex(),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (w != byl || zmieniony)
        emit WybranoWiersz(w + 1);
}

void TStringGrid::UstawDzielenieSzerokosci(bool dziel)
{
    m_dziel = dziel;
    if (!dziel)
        m_potrzebne.clear();
    horizontalHeader()->setStretchLastSection(dziel);
    // What does not fit is cut, not scrolled to.
    setHorizontalScrollBarPolicy(dziel ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    DzielSzerokosc();
}

int TStringGrid::PotrzebnaSzerokosc(int kolumna) const
{
    int szerokosc = horizontalHeader()->sectionSizeHint(kolumna);
    if (m_potrzebne.size() == columnCount()) {
        const QMap<int, int> &szerokosci = m_potrzebne.at(kolumna);
        return szerokosci.isEmpty() ? szerokosc : qMax(szerokosc, szerokosci.lastKey());
    }
    for (int w = 0; w < rowCount(); ++w)
        szerokosc = qMax(szerokosc, Szerokosc(kolumna, w));
    return szerokosc;
}

bool TStringGrid::Uciety(const QModelIndex &indeks) const
{
    return sizeHintForIndex(indeks).width() + (showGrid() ? 1 : 0) > columnWidth(indeks.column());
}

void TStringGrid::DzielSzerokosc()
{
    const int n = columnCount();
    if (!m_dziel || n < 2)
        return;
    // The widths are counted once; row changes and cell texts keep the count.
    if (m_potrzebne.size() != n) {
        QList<QMap<int, int>> potrzebne(n);
        for (int w = 0; w < rowCount(); ++w)
            for (int k = 0; k < n; ++k)
                ++potrzebne[k][Szerokosc(k, w)];
        m_potrzebne = potrzebne;
    }
    // Every column but the last gets what its texts need, as long as the
    // last one's texts still fit; otherwise it gives way, but never below
    // what it needs up to half the table (names alike but for their ends
    // must be told apart), nor below the width of its header. The last
    // column stretches over what is left.
    QList<int> potrzebne;
    for (int k = 0; k < n; ++k)
        potrzebne << PotrzebnaSzerokosc(k);
    int reszta = viewport()->width() - potrzebne.last();
    for (int k = 0; k < n - 1; ++k) {
        int dalsze = 0;
        for (int j = k + 1; j < n - 1; ++j)
            dalsze += potrzebne[j];
        const int najmniej = qMax(horizontalHeader()->sectionSizeHint(k),
                                  qMin(potrzebne[k], viewport()->width() / 2));
        const int szerokosc = qBound(najmniej, reszta - dalsze, qMax(najmniej, potrzebne[k]));
        setColumnWidth(k, szerokosc);
        reszta -= szerokosc;
    }
}

TStringGrid::Polecenie TStringGrid::PolecenieKlawisza(const QKeyEvent *zdarzenie) const
{
    if (!m_polecenia || (zdarzenie->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return Polecenie::Zadne;
    switch (zdarzenie->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        return Polecenie::Edycja;
    case Qt::Key_Delete:
        return Polecenie::Usun;
    default:
        return Polecenie::Zadne;
    }
}

bool TStringGrid::event(QEvent *zdarzenie)
{
    // F2 here edits the row rather than saving the project, and Enter is
    // not the window's default button.
    if (zdarzenie->type() == QEvent::ShortcutOverride &&
        PolecenieKlawisza(static_cast<QKeyEvent *>(zdarzenie)) != Polecenie::Zadne) {
        zdarzenie->accept();
        return true;
    }
    return QTableWidget::event(zdarzenie);
}

void TStringGrid::keyPressEvent(QKeyEvent *zdarzenie)
{
    switch (PolecenieKlawisza(zdarzenie)) {
    case Polecenie::Edycja:
        if (!zdarzenie->isAutoRepeat())
            emit Edycja(Row());
        break;
    case Polecenie::Usun:
        if (!zdarzenie->isAutoRepeat())
            emit Usun(Row());
        break;
    case Polecenie::Zadne:
        QTableWidget::keyPressEvent(zdarzenie);
        return;
    }
    zdarzenie->accept();
}

void TStringGrid::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    if (!m_polecenia) {
        QTableWidget::contextMenuEvent(zdarzenie);
        return;
    }
    // A right click on a row makes it the current one first.
    QPoint miejsce = zdarzenie->pos();
    if (zdarzenie->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex indeks = indexAt(viewport()->mapFrom(this, miejsce));
        if (indeks.isValid())
            setCurrentCell(indeks.row(), indeks.column());
    } else {
        // By key, under the current row.
        const QRect wiersz = visualRect(model()->index(qMax(currentRow(), 0), 0));
        miejsce = viewport()->mapTo(this, wiersz.bottomLeft());
    }
    const int w = Row();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("MenuElementow"));
    const QAction *dodaj = menu.addAction(QStringLiteral("&Dodaj"));
    const QAction *edycja = menu.addAction(QStringLiteral("&Edycja"));
    const QAction *usun = menu.addAction(QStringLiteral("&Usuń"));
    zdarzenie->accept();
    // The command runs once the menu has closed.
    const QAction *wybrana = menu.exec(mapToGlobal(miejsce));
    if (wybrana == dodaj)
        emit Dodaj();
    else if (wybrana == edycja)
        emit Edycja(w);
    else if (wybrana == usun)
        emit Usun(w);
}

void TStringGrid::changeEvent(QEvent *zdarzenie)
{
    // Another font or style needs other widths.
    if (zdarzenie->type() == QEvent::FontChange || zdarzenie->type() == QEvent::StyleChange)
        m_potrzebne.clear();
    QTableWidget::changeEvent(zdarzenie);
}

bool TStringGrid::viewportEvent(QEvent *zdarzenie)
{
    if (zdarzenie->type() == QEvent::ToolTip) {
        // A text cut to fit its column shows whole as the tool tip.
        const auto *pomoc = static_cast<QHelpEvent *>(zdarzenie);
        const QModelIndex indeks = indexAt(pomoc->pos());
        if (indeks.isValid() && Uciety(indeks))
            QToolTip::showText(pomoc->globalPos(), indeks.data().toString(), viewport(),
                               visualRect(indeks));
        else
            QToolTip::hideText();
        return true;
    }
    const bool wynik = QTableWidget::viewportEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::Resize)
        DzielSzerokosc();
    return wynik;
}

QItemSelectionModel::SelectionFlags TStringGrid::selectionCommand(const QModelIndex &indeks,
                                                                  const QEvent *zdarzenie) const
{
    // A click on the blank area below the rows, or a Ctrl+click on the
    // selected row, would leave the current row unselected: the selection
    // stays as it is.
    const QItemSelectionModel::SelectionFlags polecenie =
        QTableWidget::selectionCommand(indeks, zdarzenie);
    if (!indeks.isValid() || polecenie.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return polecenie;
}
