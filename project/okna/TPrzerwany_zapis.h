#pragma once

#include <QMessageBox>

class QPushButton;

// The question asked when a project is opened whose last save did not
// finish: its whole earlier contents stand in the copy `kopia`. "Przywróć
// wcześniejszą kopię" writes them back, "Zachowaj obecny plik" keeps the
// file as it is; either way the copy goes. Esc opens the file as it is and
// leaves the copy for the next time.
class TPrzerwany_zapis : public QMessageBox
{
    Q_OBJECT
public:
    TPrzerwany_zapis(const QString &sciezka, const QString &kopia, QWidget *parent = nullptr);

    // Asks, over `okno`, when `sciezka` has such a copy, and does what the
    // user chose; a failure is shown in the error box. Called before the
    // project is read.
    static void Rozstrzygnij(QWidget *okno, const QString &sciezka);

    QPushButton *Przywroc() const { return m_przywroc; }
    QPushButton *Zachowaj() const { return m_zachowaj; }

private:
    QPushButton *m_przywroc = nullptr;
    QPushButton *m_zachowaj = nullptr;
};
