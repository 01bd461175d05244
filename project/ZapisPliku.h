#pragma once

#include <QString>

#include <cstdio>
#include <functional>

class QIODevice;
class QTextStream;

namespace kerwano {

// Writes a file the way every file of the program is written: projects and
// PDF files alike. `pisz` writes the whole contents to a new file (open for
// writing, unbuffered) and returns "" or its error. The name is followed
// through symbolic links, which stay links; only a regular file is replaced.
//
// - A file the user may not write (no write permission for the ids the
//   program runs with, a read-only file system, or for root a mode without
//   any write bit) is never touched: "File access denied".
// - When the new file can take the old one's identity (a single name, the
//   same owner, group, mode, ACL and extended attributes) it is written
//   beside the old one under a short name of its own, flushed to the disk and
//   renamed over it, so the file is whole at every moment.
// - Otherwise (a hard link, an owner or group this user cannot give, an
//   attribute it cannot copy, a folder it may not write in) the old file is
//   written in place: the new contents are first written whole to a new file
//   (beside it, else in the temporary folder) and the old contents copied
//   likewise, then the old file is overwritten. Should that fail, the old
//   contents are put back; should even that fail, the message says where
//   the whole old contents are kept.
//
// No temporary file is left behind, except that one copy of the old
// contents. "" on success, otherwise the error text without a final stop.
QString ZapiszPlik(const QString &sciezka, const std::function<QString(QIODevice &)> &pisz);

// For tests: a failure injected into the in-place write. `awaria` is asked
// before each block written onto the old file and returns 0 to go on or the
// errno value of a failure; nullptr (the default) injects nothing.
enum class EtapZapisu
{
    Nadpisanie,  // the new contents onto the old file
    Przywracanie // the old contents back after a failure
};
using AwariaZapisu = int (*)(EtapZapisu etap);
void UstawAwarieZapisu(AwariaZapisu awaria);

// "" when a printout may be written to `wyjscie`; otherwise why not, naming
// it: the name leads to the project `wejscie` itself (when given), or to an
// existing file that is a project (a ".kwp" name in any letter case, through
// links too, or contents that read as a project).
QString ChronionyProjekt(const QString &wyjscie, const QString &wejscie = QString());

// Flushes `strumien`, made on the C stream `plik`, to the end: "" or the
// error's text (a full device, a closed pipe). Called right after the last
// write or flush, so that the error of one that failed is still in errno.
QString DokonczStrumien(QTextStream &strumien, std::FILE *plik);

} // namespace kerwano
