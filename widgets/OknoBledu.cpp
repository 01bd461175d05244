#include "widgets/OknoBledu.h"

#include "pliki/ZdanieBledu.h"

#include <QMessageBox>

void OknoBledu(QWidget *okno, const QString &tekst)
{
    QMessageBox blad(QMessageBox::Critical, QStringLiteral("Kerwano"), kerwano::ZdanieBledu(tekst),
                     QMessageBox::Ok, okno);
    blad.exec();
}
