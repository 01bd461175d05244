#include "project/okna/Pytania.h"

#include "pliki/NazwaPliku.h"
#include "project/StempelPliku.h"

#include <QFileInfo>
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

ZmienionyNaDysku PlikZmienionyNaDysku(QWidget *okno, const QString &nazwa)
{
    QMessageBox pytanie(QMessageBox::Warning, QStringLiteral("Plik zmieniony"),
                        QStringLiteral("Plik %1 został zmieniony na dysku przez kogoś innego.\n"
                                       "Zastąpić go tym, co jest w tym oknie?")
                            .arg(nazwa),
                        QMessageBox::NoButton, okno);
    pytanie.setObjectName(QStringLiteral("ZmienionyNaDysku"));
    QPushButton *zastap =
        pytanie.addButton(QStringLiteral("&Zastąp"), QMessageBox::DestructiveRole);
    QPushButton *jako =
        pytanie.addButton(QStringLiteral("Zapisz &jako..."), QMessageBox::AcceptRole);
    QPushButton *anuluj = pytanie.addButton(QStringLiteral("&Anuluj"), QMessageBox::RejectRole);
    pytanie.setDefaultButton(anuluj);
    pytanie.setEscapeButton(anuluj);
    pytanie.exec();
    if (pytanie.clickedButton() == zastap)
        return ZmienionyNaDysku::Zastap;
    if (pytanie.clickedButton() == jako)
        return ZmienionyNaDysku::ZapiszJako;
    return ZmienionyNaDysku::Anuluj;
}

ZmienionyNaDysku PrzedZapisem(QWidget *okno, const QString &plik,
                              const kerwano::StempelPliku &stempel)
{
    const kerwano::StempelPliku teraz = kerwano::Stempel(plik);
    if (!teraz.istnieje || teraz == stempel)
        return ZmienionyNaDysku::Zastap;
    return PlikZmienionyNaDysku(okno, kerwano::CzytelnaNazwaPliku(QFileInfo(plik).fileName()));
}

bool WczytacPonownie(QWidget *okno, const QString &nazwa, bool zmiany)
{
    QString tekst = QStringLiteral("Plik %1 został zmieniony na dysku przez kogoś innego.\n"
                                   "Wczytać go ponownie?")
                        .arg(nazwa);
    if (zmiany)
        tekst += QStringLiteral("\nNiezapisane zmiany w tym oknie zostaną wtedy utracone.");
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Plik zmieniony"), tekst,
                        QMessageBox::NoButton, okno);
    pytanie.setObjectName(QStringLiteral("WczytacPonownie"));
    QPushButton *wczytaj =
        pytanie.addButton(QStringLiteral("&Wczytaj ponownie"), QMessageBox::AcceptRole);
    QPushButton *zostaw = pytanie.addButton(QStringLiteral("&Zostaw"), QMessageBox::RejectRole);
    // Unsaved changes are not lost by a key pressed on the way.
    pytanie.setDefaultButton(zmiany ? zostaw : wczytaj);
    pytanie.setEscapeButton(zostaw);
    pytanie.exec();
    return pytanie.clickedButton() == wczytaj;
}

OtwartyGdzieIndziej ProjektOtwartyGdzieIndziej(QWidget *okno, const QString &nazwa,
                                               const QString &kto)
{
    QMessageBox pytanie(QMessageBox::Warning, QStringLiteral("Plik otwarty"),
                        QStringLiteral("Plik %1 jest już otwarty: %2.").arg(nazwa, kto),
                        QMessageBox::NoButton, okno);
    pytanie.setObjectName(QStringLiteral("OtwartyGdzieIndziej"));
    QPushButton *odczyt =
        pytanie.addButton(QStringLiteral("&Tylko do odczytu"), QMessageBox::AcceptRole);
    QPushButton *mimo =
        pytanie.addButton(QStringLiteral("&Otwórz mimo to"), QMessageBox::DestructiveRole);
    QPushButton *anuluj = pytanie.addButton(QStringLiteral("&Anuluj"), QMessageBox::RejectRole);
    pytanie.setDefaultButton(odczyt);
    pytanie.setEscapeButton(anuluj);
    pytanie.exec();
    if (pytanie.clickedButton() == odczyt)
        return OtwartyGdzieIndziej::TylkoDoOdczytu;
    if (pytanie.clickedButton() == mimo)
        return OtwartyGdzieIndziej::MimoTo;
    return OtwartyGdzieIndziej::Anuluj;
}

} // namespace pytania
