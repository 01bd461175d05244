#pragma once

#include <QString>

class QWidget;

// The application's error box, shown modally over `okno`: title "Kerwano",
// the error icon, the text with a full stop added when it lacks one.
void OknoBledu(QWidget *okno, const QString &tekst);
