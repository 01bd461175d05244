#pragma once

#include <QFileDialog>

// The file dialogs of the project files: "Kerwano Projekt (*.kwp)", the
// extension kwp added to a name typed without one. The save dialog offers
// "Nowy projekt.kwp" and asks before it replaces an existing file; the open
// dialog accepts existing files only. Both start in FolderPoczatkowy() and,
// kept for the window's life, show the folder and name chosen last, or
// those of the project named.
class TDialog_projektu : public QFileDialog
{
    Q_OBJECT
public:
    enum class Tryb
    {
        Zapis,
        Odczyt
    };
    TDialog_projektu(Tryb tryb, QWidget *parent);

    // The folder chosen last in either dialog (in this run or an earlier
    // one) while it exists; the user's documents folder otherwise.
    static QString FolderPoczatkowy();

    // Shows the dialog in the folder of `projekt` (the save dialog with its
    // name) or, with none, in the folder chosen last in either dialog and
    // with the name chosen last in this one (a
    // full path typed as the name counts as its folder and its name); the
    // chosen path, or empty when it was cancelled.
    QString Wybierz(const QString &projekt = QString());

private:
    QString m_folder;
    QString m_nazwa;
};
