#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// What the main window keeps between runs: the recent projects in the
// "Program" menu ("&1 nazwa.kwp" .. "&9", newest first), the window's place,
// size and state, the page last shown and whether the side panel is shown.
class PamiecProgramu : public QObject
{
    Q_OBJECT
public:
    // The recent projects go into `menu` before `przed`.
    PamiecProgramu(QMainWindow *okno, QMenu *menu, QAction *przed);

    // A project opened or saved: first of the recent ones.
    void Zapamietaj(const QString &projekt);
    // The place, size and state remembered, given to the window before it
    // is shown (its frame is fitted into the screen once shown).
    void PrzywrocOkno();
    // The page last shown (0 .. liczba - 1) and whether the side panel was shown.
    int Strona(int liczba) const;
    bool PanelBoczny() const;
    void ZapamietajOkno(int strona, bool panel_boczny);

signals:
    // A recent project chosen that still exists.
    void Otworz(const QString &plik);

private:
    void Pokaz();
    void Wybrany(const QString &plik);

    QMainWindow *m_okno;
    QMenu *m_menu;
    QAction *m_przed;
    QAction *m_separator = nullptr;
    QList<QAction *> m_pozycje;
};
