#pragma once

#include "assessment/Json.h"

#include <QByteArray>
#include <QString>

namespace kerwano::ocena {

// The largest assessment file read.
inline constexpr qint64 MAKS_ROZMIAR_PLIKU = 10 * 1024 * 1024;

// Reads the bytes of an assessment file named `nazwa` (without its folder,
// for the messages) into `dokument`. "" on success; otherwise the refusal's
// message and `dokument` untouched.
QString CzytajOcene(const QByteArray &bajty, const QString &nazwa, Json &dokument);

// Reads the file `sciezka` (only a regular file, through links, at most
// MAKS_ROZMIAR_PLIKU bytes). "" or the message.
QString WczytajOcene(const QString &sciezka, Json &dokument);

// The file's text: the document as it is, UTF-8, indented, format and
// version of this program.
QByteArray TekstOceny(const Json &dokument);

// Saves the document to `sciezka` the way every file of the program is
// saved. "" or the error.
QString ZapiszOcene(const QString &sciezka, const Json &dokument);

// "" when a printout may be written to `wyjscie`; otherwise why not: it is
// the assessment `wejscie` itself (through links too), or an existing
// assessment (a ".kwr" name in any letter case, or contents that read as one).
QString ChronionaOcena(const QString &wyjscie, const QString &wejscie);

} // namespace kerwano::ocena
