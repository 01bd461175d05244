#include "pliki/KopiaZapisu.h"

#include "pliki/BladSystemu.h"
#include "pliki/NazwaPliku.h"

#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kerwano {

namespace {

QByteArray Folder(const QByteArray &plik)
{
    const qsizetype ukosnik = plik.lastIndexOf('/');
    return ukosnik > 0 ? plik.left(ukosnik) : ukosnik == 0 ? QByteArrayLiteral("/") : ".";
}

// The name at the end of a path, cut to a length that leaves room for the
// numbers before it.
QByteArray KrotkaNazwa(const QByteArray &plik)
{
    return plik.mid(plik.lastIndexOf('/') + 1).left(100);
}

// The device and inode that begin a copy's name in the recovery folder.
QByteArray Przedrostek(const struct stat &st)
{
    return QByteArray::number(qulonglong(st.st_dev)) + '-' +
           QByteArray::number(qulonglong(st.st_ino)) + '-';
}

// A private folder: made 0700 when missing; one that is not ours or that
// others may enter is not used.
bool FolderPrywatny(const QByteArray &folder, bool utworz)
{
    if (utworz && ::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    return ::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

} // namespace

QByteArray KopiaObok(const QByteArray &plik)
{
    return plik + ".kopia";
}

QByteArray FolderOdzysku(bool utworz)
{
    const QString dane = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!QDir::isAbsolutePath(dane))
        return QByteArray();
    const QByteArray kerwano = QFile::encodeName(dane) + "/kerwano";
    if (utworz && !QDir().mkpath(dane))
        return QByteArray();
    const QByteArray folder = kerwano + "/odzysk";
    if (!FolderPrywatny(kerwano, utworz) || !FolderPrywatny(folder, utworz))
        return QByteArray();
    return folder;
}

QByteArray KopiaWOdzysku(const QByteArray &folder, const struct stat &st, const QByteArray &plik)
{
    return folder + '/' + Przedrostek(st) + KrotkaNazwa(plik) + ".kopia";
}

QString KopiaNiedokonczonegoZapisu(const QString &sciezka)
{
    const QByteArray nazwa = NazwaSystemowa(sciezka);
    char prawdziwa[PATH_MAX];
    struct stat st;
    if (nazwa.isEmpty() || ::realpath(nazwa.constData(), prawdziwa) == nullptr ||
        ::stat(prawdziwa, &st) != 0)
        return QString();
    const QByteArray obok = KopiaObok(QByteArray(prawdziwa));
    struct stat k;
    if (::lstat(obok.constData(), &k) == 0 && S_ISREG(k.st_mode))
        return DekodujNazwePliku(obok);
    const QByteArray folder = FolderOdzysku(false);
    if (folder.isEmpty())
        return QString();
    const QByteArray przedrostek = Przedrostek(st);
    const QStringList kopie = QDir(QFile::decodeName(folder))
                                  .entryList({QFile::decodeName(przedrostek) + "*.kopia"},
                                             QDir::Files | QDir::Hidden, QDir::Name);
    return kopie.isEmpty() ? QString()
                           : DekodujNazwePliku(folder + '/' + KodujNazwePliku(kopie.first()));
}

QString KomunikatNiedokonczonegoZapisu(const QString &sciezka, const QString &kopia)
{
    return QStringLiteral("Ostatni zapis pliku %1 nie został dokończony; jego wcześniejsza treść "
                          "jest cała w pliku %2")
        .arg(CzytelnaNazwaPliku(sciezka), CzytelnaNazwaPliku(kopia));
}

QString PrzywrocKopie(const QString &sciezka, const QString &kopia)
{
    const QByteArray z = NazwaSystemowa(kopia), na = NazwaSystemowa(sciezka);
    const int d = ::open(z.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (d < 0)
        return KomunikatBleduSystemu(errno);
    int kod = 0;
    const int c = ::open(na.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (c < 0)
        kod = errno;
    struct stat st;
    if (!kod && ::fstat(c, &st) != 0)
        kod = errno;
    else if (!kod && !S_ISREG(st.st_mode))
        kod = EINVAL;
    char bufor[65536];
    off_t pozycja = 0;
    while (!kod) {
        const ssize_t n = ::pread(d, bufor, sizeof bufor, pozycja);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            kod = n < 0 ? errno : 0;
            break;
        }
        for (ssize_t zapisano = 0; !kod && zapisano < n;) {
            const ssize_t w =
                ::pwrite(c, bufor + zapisano, size_t(n - zapisano), pozycja + zapisano);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                kod = w < 0 ? errno : ENOSPC;
            else
                zapisano += w;
        }
        pozycja += n;
    }
    while (!kod && ::ftruncate(c, pozycja) != 0)
        if (errno != EINTR)
            kod = errno;
    while (!kod && ::fsync(c) != 0)
        if (errno != EINTR)
            kod = errno;
    if (c >= 0)
        ::close(c);
    ::close(d);
    if (kod)
        return KomunikatBleduSystemu(kod);
    return UsunKopie(kopia);
}

QString UsunKopie(const QString &kopia)
{
    const QByteArray nazwa = NazwaSystemowa(kopia);
    if (::unlink(nazwa.constData()) != 0)
        return KomunikatBleduSystemu(errno);
    ZapiszFolder(Folder(nazwa));
    return QString();
}

void ZapiszFolder(const QByteArray &folder)
{
    int f;
    do
        f = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (f < 0 && errno == EINTR);
    if (f < 0)
        return;
    while (::fsync(f) != 0 && errno == EINTR) {
    }
    ::close(f);
}

} // namespace kerwano
