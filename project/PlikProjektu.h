#pragma once

#include "elements/ElementDachu.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class QFileDevice;
class QIODevice;

namespace kerwano {

// Everything a project file holds; nothing computed.
struct Projekt
{
    std::array<int, 13> wybory{};   // selected indices of ComboBox1 .. ComboBox13
    std::array<QString, 3> wymiary; // texts of Edit1 .. Edit3 as typed ("12,50")
    std::array<QString, 6> dane;    // numer_projektu, data_wykonania, projektant, budowa,
                                    // inwestor, zleceniodawca
    QList<ElementDachu> elementy;   // name, parameter text
};

// A project file is a 684-byte header followed by one 138-byte record per
// roof element. Integers are 32-bit little-endian; texts are a length byte
// followed by a fixed number of Windows-1250 bytes.
constexpr int ROZMIAR_NAGLOWKA_PROJEKTU = 684;
constexpr int ROZMIAR_REKORDU_ELEMENTU = 138;

// The bytes of a project file: 684 + 138 * n bytes. Each text is cut to its
// field's first n characters (a character outside Windows-1250 is stored as
// "?"); the pad bytes and the bytes after each text are zero.
QByteArray ZakodujProjekt(const Projekt &projekt);

// Reads and validates a whole project from the current position of `zrodlo`
// (open for reading): the header, then exactly the records it announces;
// bytes after them are not read. On success fills `projekt` and returns an
// empty string. On failure returns the error text without a final full stop
// ("Read beyond end of file", "Plik projektu jest uszkodzony (...)", "I/O
// error 5") and leaves `projekt` untouched. Records are read one at a time,
// so an announced count allocates nothing before its bytes are there; on a
// random-access device a count the remaining size cannot hold fails at once.
QString OdczytajProjekt(QIODevice &zrodlo, Projekt &projekt);

// Writes ZakodujProjekt(projekt) to `cel` (open for writing), checking the
// count of every write. A short count is "Disk full" (or the message of the
// system error behind it), a failed write the system error's message. ""
// on success. ZapiszPlikProjektu writes through this.
QString ZapiszProjektDoUrzadzenia(QIODevice &cel, const Projekt &projekt);

// Opens the file at `sciezka` and reads it with OdczytajProjekt. Error texts
// as OdczytajProjekt, plus the file system's messages of
// KomunikatBleduSystemu ("File not found", "File access denied", ...).
QString CzytajPlikProjektu(const QString &sciezka, Projekt &projekt);

// Writes the project to `sciezka` atomically: a new file is written beside
// it and replaces the old one only when it is complete, so a failed save
// leaves any previous file as it was. "" on success, otherwise the error
// text without a final full stop.
QString ZapiszPlikProjektu(const QString &sciezka, const Projekt &projekt);

// The message of a file operation that failed with the system error `kod`
// (an errno value): "File not found", "Invalid filename", "Too many open
// files", "File access denied", "Disk full", otherwise "I/O error <kod>".
QString KomunikatBleduSystemu(int kod);

// The message of a failed open, write or commit of `plik` at `sciezka`;
// `kod` is errno taken right after the call (0 when the failure left none:
// then a folder, a permission error or a general I/O error is named).
QString BladPliku(int kod, const QFileDevice &plik, const QString &sciezka);

} // namespace kerwano
