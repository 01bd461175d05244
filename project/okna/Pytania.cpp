#include "project/okna/Pytania.h"

#include <QMessageBox>
#include <QPushButton>

namespace pytania {

bool ZapisacPrzedOtwarciem(QWidget *okno)
{
    QMessageBox pytanie(
        QMessageBox::Question, QStringLiteral("Potwierdzenie"),
        QStringLiteral("    Projekt nie został zapisany. Czy zapisać zmodyfikowane dane ?    "),
        QMessageBox::NoButton, okno);
    QPushButton *tak = pytanie.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    pytanie.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    pytanie.setDefaultButton(tak);
    pytanie.exec();
    return pytanie.clickedButton() == tak;
}

Odpowiedz ZapisacPrzedWyjsciem(QWidget *okno)
{
    QMessageBox pytanie(
        QMessageBox::NoIcon, QStringLiteral("Uwaga"),
        QStringLiteral("    Projekt nie został zapisany. Czy zapisać nowe dane ?    "),
        QMessageBox::Yes | QMessageBox::No, okno);
    pytanie.setDefaultButton(QMessageBox::Yes);
    // Qt would take Esc for No and end the program: Esc answers neither.
    QPushButton *zostan = pytanie.addButton(QMessageBox::Cancel);
    zostan->hide();
    pytanie.setEscapeButton(zostan);
    switch (pytanie.exec()) {
    case QMessageBox::Yes:
        return Odpowiedz::Tak;
    case QMessageBox::No:
        return Odpowiedz::Nie;
    default:
        return Odpowiedz::Zostan;
    }
}

} // namespace pytania
