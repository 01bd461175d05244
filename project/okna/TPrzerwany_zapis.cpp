#include "project/okna/TPrzerwany_zapis.h"

#include "pliki/KopiaZapisu.h"
#include "pliki/ZdanieBledu.h"
#include "widgets/OknoBledu.h"

#include <QPushButton>

TPrzerwany_zapis::TPrzerwany_zapis(const QString &sciezka, const QString &kopia, QWidget *parent)
    : QMessageBox(QMessageBox::Warning, QStringLiteral("Kerwano"),
                  kerwano::ZdanieBledu(kerwano::KomunikatNiedokonczonegoZapisu(sciezka, kopia)) +
                      QStringLiteral("\n\nPrzywrócić wcześniejszą treść czy zachować obecny plik?"),
                  QMessageBox::NoButton, parent)
{
    setObjectName(QStringLiteral("Przerwany_zapis"));
    m_przywroc = addButton(QStringLiteral("&Przywróć wcześniejszą kopię"), QMessageBox::AcceptRole);
    m_zachowaj = addButton(QStringLiteral("&Zachowaj obecny plik"), QMessageBox::DestructiveRole);
    m_przywroc->setObjectName(QStringLiteral("Przywroc"));
    m_zachowaj->setObjectName(QStringLiteral("Zachowaj"));
    addButton(QMessageBox::Cancel)->hide(); // Esc: neither
    setDefaultButton(m_przywroc);
}

void TPrzerwany_zapis::Rozstrzygnij(QWidget *okno, const QString &sciezka)
{
    const QString kopia = kerwano::KopiaNiedokonczonegoZapisu(sciezka);
    if (kopia.isEmpty())
        return;
    TPrzerwany_zapis pytanie(sciezka, kopia, okno);
    pytanie.exec();
    QString blad;
    if (pytanie.clickedButton() == pytanie.Przywroc())
        blad = kerwano::PrzywrocKopie(sciezka, kopia);
    else if (pytanie.clickedButton() == pytanie.Zachowaj())
        blad = kerwano::UsunKopie(kopia);
    if (!blad.isEmpty())
        OknoBledu(okno, kerwano::ZdanieBledu(blad));
}
