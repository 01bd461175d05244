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
// In a folder that others may write in and that has the sticky bit, a link
// is followed only when it belongs to the user or to the folder's owner;
// another's is refused with a message naming it.
//
// - A file the user may not write (no write permission for the ids the
//   program runs with, a read-only file system, or for root a mode without
//   any write bit) is never touched: "File access denied".
// - When the new file can take the old one's identity (a single name, the
//   same owner, group, mode, ACL and extended attributes) it is written
//   beside the old one under a short name of its own, flushed to the disk and
//   renamed over it, so the file is whole at every moment.
// - Otherwise (a hard link, an owner or group this user cannot give, an
//   attribute it cannot copy, a folder it may not write in, a file mounted
//   on its own) the old file is written in place: the new contents are first
//   written whole to a new file (beside it, else in $TMPDIR, else in /tmp),
//   the old contents copied whole beside it as a copy KopiaObok() (or to the
//   user's recovery folder) that marks the write begun, then the old file is
//   overwritten, flushed, and the copy removed. Should the write fail, the
//   old contents are put back; should even that fail, the message names the
//   copy, which stays, as it does when the program dies in between.
// - A file whose earlier save did not finish (a copy still there) is not
//   saved over until that copy is restored or removed.
//
// Every file of the save is made 0600 and given the project's group and mode
// (never more than the project allows) before anything is written to it.
// Short names of earlier saves that died are removed from the folder; no
// other file is left behind. Interrupted calls are made again. "" on
// success, otherwise the error text without a final stop.
QString ZapiszPlik(const QString &sciezka, const std::function<QString(QIODevice &)> &pisz);

// For tests: a failure injected into a step of the save. `awaria` is asked
// before the step (for the two copying steps, before each block) and
// returns 0 to go on, EINTR for a call interrupted (made again) or the errno
// value of a failure; nullptr (the default) injects nothing.
enum class EtapZapisu
{
    Tresc,        // the new contents written to their own file
    Podmiana,     // that file renamed over the old one
    Kopia,        // the old contents copied, before the write in place
    Oznaczenie,   // the copy given its name beside the file: the write begun
    Nadpisanie,   // the new contents onto the old file
    Przywracanie, // the old contents back after a failure
    Usuniecie     // the copy removed: the write done
};
using AwariaZapisu = int (*)(EtapZapisu etap);
void UstawAwarieZapisu(AwariaZapisu awaria);

// Writes `dane` to `cel` (open for writing), checking the count of the
// write: a short count is "Disk full" (or the message of the system error
// behind it), a failed write the system error's message. "" on success.
QString ZapiszBajty(QIODevice &cel, const QByteArray &dane);

// Follows `cel` through symbolic links to the name of the file itself,
// which need not exist yet (a dangling link names the file to create).
// 0, or the errno value of the failure; a link the system would not follow
// gives EACCES with `odmowa` naming it.
int IdzZaDowiazaniami(QByteArray &cel, QString *odmowa = nullptr);

// Flushes `strumien`, made on the C stream `plik`, to the end: "" or the
// error's text (a full device, a closed pipe). Called right after the last
// write or flush, so that the error of one that failed is still in errno.
QString DokonczStrumien(QTextStream &strumien, std::FILE *plik);

} // namespace kerwano
