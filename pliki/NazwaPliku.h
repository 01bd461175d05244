#pragma once

#include <QByteArray>
#include <QString>

namespace kerwano {

// File names are bytes; the program holds them as QString. Valid UTF-8 reads
// as its characters; every byte that is not part of a valid UTF-8 sequence
// (an ISO-8859-2 or Windows-1250 name from an old archive, say) reads as the
// lone low surrogate U+DC80 + (byte - 0x80), and is written back as that byte.
// So bytes -> DekodujNazwePliku -> KodujNazwePliku gives the same bytes for
// every name, and any name given on the command line can be opened and saved.
// For text without such surrogates both equal Qt's own QFile::decodeName and
// QFile::encodeName.
QString DekodujNazwePliku(const QByteArray &bajty);
QByteArray KodujNazwePliku(const QString &nazwa);

// The bytes of a file name the system can take (KodujNazwePliku), or empty
// for one it cannot: a name with a NUL inside.
QByteArray NazwaSystemowa(const QString &sciezka);

// The name to show to a person (the window title, a message): each byte that
// was not UTF-8 becomes U+FFFD.
QString CzytelnaNazwaPliku(const QString &nazwa);

// The path names a regular file once symbolic links are followed (not a
// folder, pipe, device or socket); opening is never tried.
bool ZwyklyPlik(const QString &sciezka);

} // namespace kerwano
