#pragma once

#include <QString>

class QWidget;

// The application's error box, shown modally over `okno`: title "Kerwano",
// the error icon, the sentence the caller makes of the error's text
// (kerwano::ZdanieBledu, as on the command line).
void OknoBledu(QWidget *okno, const QString &zdanie);
