#include "widgets/OknoBledu.h"

#include <QMessageBox>

void OknoBledu(QWidget *okno, const QString &zdanie)
{
    QMessageBox blad(QMessageBox::Critical, QStringLiteral("Kerwano"), zdanie, QMessageBox::Ok,
                     okno);
    blad.exec();
}
