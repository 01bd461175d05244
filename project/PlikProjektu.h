#pragma once

#include "elements/ElementDachu.h"
#include "risk/Wspolczynniki.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class QIODevice;

namespace kerwano {

// The six project data texts; the thirteen page-1 lists are LICZBA_LIST, the
// three building dimensions LICZBA_WYMIAROW.
constexpr int LICZBA_DANYCH = 6;

// Everything a project file holds; nothing computed.
struct Projekt
{
    std::array<int, LICZBA_LIST> wybory{};        // selected indices of ComboBox1 .. ComboBox13
    std::array<QString, LICZBA_WYMIAROW> wymiary; // texts of Edit1 .. Edit3 as typed ("12,50")
    std::array<QString, LICZBA_DANYCH> dane; // numer_projektu, data_wykonania, projektant, budowa,
                                             // inwestor, zleceniodawca
    QList<ElementDachu> elementy;            // name, parameter text
};

// A project file is a 684-byte header followed by one 138-byte record per
// roof element. Integers are 32-bit little-endian; texts are a length byte
// followed by a fixed number of Windows-1250 bytes.
constexpr int ROZMIAR_NAGLOWKA_PROJEKTU = 684;
constexpr int ROZMIAR_REKORDU_ELEMENTU = 138;

// The most roof elements a project may have. No roof has anywhere near this
// many; a file announcing more is refused before any of its records is read,
// and a project with more is not written.
constexpr int MAKS_LICZBA_ELEMENTOW = 10000;
// The messages of that limit: at the save, and where elements are added.
QString KomunikatLimituElementow();
QString KomunikatPelnejListy();

// How many characters the file keeps of each project data text (numer_projektu,
// data_wykonania, projektant, budowa, inwestor, zleceniodawca); of an
// element's name, POJEMNOSC_NAZWY_ELEMENTU.
constexpr int POJEMNOSC_DANYCH[6] = {25, 20, 128, 128, 128, 128};
// The same for the texts of the building's three dimensions, as typed.
constexpr int POJEMNOSC_WYMIARU = 20;

// The bytes of a project file: 684 + 138 * n bytes. Each text is cut to its
// field's first n characters (a character outside Windows-1250 is stored as
// "?"); the pad bytes and the bytes after each text are zero.
QByteArray ZakodujProjekt(const Projekt &projekt);

// Reads and validates a whole project from the current position of `zrodlo`
// (open for reading): the header, then exactly the records it announces;
// bytes after them are not read. On success fills `projekt` and returns an
// empty string. On failure returns the error text without a final full stop
// ("Read beyond end of file", "Plik projektu jest uszkodzony (...)", "I/O
// error 5") and leaves `projekt` untouched. A count above
// MAKS_LICZBA_ELEMENTOW fails before any record is read; records are read one
// at a time, so an announced count allocates nothing before its bytes are
// there, and the first fault in the order of the bytes is the one reported,
// on a file as on a pipe.
QString OdczytajProjekt(QIODevice &zrodlo, Projekt &projekt);

// Writes ZakodujProjekt(projekt) to `cel` (open for writing), checking the
// count of every write. A short count is "Disk full" (or the message of the
// system error behind it), a failed write the system error's message; a
// project of more than MAKS_LICZBA_ELEMENTOW elements is not written. ""
// on success. ZapiszPlikProjektu writes through this.
QString ZapiszProjektDoUrzadzenia(QIODevice &cel, const Projekt &projekt);
// Opens the file at `sciezka` (a name as DekodujNazwePliku gives it) and
// reads it with OdczytajProjekt. Only a regular file is opened, once links
// are followed: a folder is "I/O error 21", a pipe, device or socket "To nie
// jest zwykły plik", at once and without opening it. Other error texts as
// OdczytajProjekt, plus the file system's messages of KomunikatBleduSystemu
// ("File not found", "File access denied", ...) and "Out of memory".
QString CzytajPlikProjektu(const QString &sciezka, Projekt &projekt);

// Writes the project to `sciezka` with ZapiszPlik (pliki/ZapisPliku.h):
// a failed save leaves any previous file as it was, a write-protected one is
// not touched, and the file keeps its links, owner, mode and attributes. ""
// on success, otherwise the error text without a final full stop.
QString ZapiszPlikProjektu(const QString &sciezka, const Projekt &projekt);

// "" when a printout may be written to `wyjscie`; otherwise why not, naming
// it: the name leads to the project `wejscie` itself (when given), or to an
// existing file that is a project (a ".kwp" name in any letter case, through
// links too, or contents that read as a project).
QString ChronionyProjekt(const QString &wyjscie, const QString &wejscie = QString());

} // namespace kerwano
