#pragma once

#include <QByteArray>
#include <QString>

struct stat;

namespace kerwano {

// A file written in place (its own inode kept, its links and owner with it)
// is journalled: before its first byte changes, its whole earlier contents
// are put beside it as "<name>.kopia", readable by no one the file itself
// does not allow, and that copy is removed only once the new contents are on
// the disk. A copy standing there therefore says that the file's last save
// did not finish, to this program and to any other copy of it. Where the
// folder takes no new file, the copy goes to the user's recovery folder,
// named after the file's device, inode and name.

// "<plik>.kopia", beside the file.
QByteArray KopiaObok(const QByteArray &plik);
// The user's recovery folder (made 0700 when `utworz`); empty when it
// cannot be had.
QByteArray FolderOdzysku(bool utworz);
// The name of the copy of the file `plik` (described by `st`) in the
// recovery folder `folder`.
QByteArray KopiaWOdzysku(const QByteArray &folder, const struct stat &st, const QByteArray &plik);

// The whole earlier contents left by an unfinished save of `sciezka` (a name
// as DekodujNazwePliku gives it; links followed): the copy beside it or in
// the recovery folder, or "" when its last save finished.
QString KopiaNiedokonczonegoZapisu(const QString &sciezka);
// What to tell about it, naming both files.
QString KomunikatNiedokonczonegoZapisu(const QString &sciezka, const QString &kopia);

// The copy's contents written back over the file (in place, flushed to the
// disk), then the copy removed. "" or the error.
QString PrzywrocKopie(const QString &sciezka, const QString &kopia);
// The file kept as it is: the copy removed. "" or the error.
QString UsunKopie(const QString &kopia);

// Flushes the folder `folder`, so that a name made or removed in it reaches
// the disk.
void ZapiszFolder(const QByteArray &folder);

} // namespace kerwano
