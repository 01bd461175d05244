#include "pliki/ZapisPliku.h"

#include "pliki/BladSystemu.h"
#include "pliki/KopiaZapisu.h"
#include "pliki/NazwaPliku.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace kerwano {

namespace {

AwariaZapisu g_awaria = nullptr;

// Blocks small enough that a file of a few kilobytes is written in several.
constexpr qint64 BLOK = 4096;

// A short name left by a save whose program died is older than this, and no
// running save holds its lock.
constexpr int WIEK_POZOSTALOSCI_S = 10;

QByteArray FolderPliku(const QByteArray &sciezka)
{
    const qsizetype ukosnik = sciezka.lastIndexOf('/');
    return ukosnik > 0 ? sciezka.left(ukosnik) : ukosnik == 0 ? QByteArrayLiteral("/") : ".";
}

// A call of a step of the save: the test's failure first, then the call
// itself, made again while it is interrupted. Its result, or -1 with errno.
template <typename F> auto Krok(EtapZapisu etap, F wywolanie) -> decltype(wywolanie())
{
    for (;;) {
        if (const int kod = g_awaria ? g_awaria(etap) : 0) {
            if (kod == EINTR)
                continue;
            errno = kod;
            return -1;
        }
        const auto wynik = wywolanie();
        if (wynik >= 0 || errno != EINTR)
            return wynik;
    }
}

template <typename F> auto BezPrzerwan(F wywolanie) -> decltype(wywolanie())
{
    for (;;) {
        const auto wynik = wywolanie();
        if (wynik >= 0 || errno != EINTR)
            return wynik;
    }
}

// Whether the system itself would follow the link `st` in the folder
// `folder` when it guards shared folders: in a folder that is sticky and
// that others may write in, only a link of the user or of the folder's owner.
bool LinkDozwolony(const QByteArray &folder, const struct stat &st)
{
    struct stat f;
    if (::stat(folder.constData(), &f) != 0)
        return true; // the walk on fails with its own error
    const bool wspolny = (f.st_mode & S_ISVTX) && (f.st_mode & S_IWOTH);
    return !wspolny || st.st_uid == ::geteuid() || st.st_uid == f.st_uid;
}

bool NazwaTymczasowa(const char *nazwa)
{
    static const char znaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    if (std::strncmp(nazwa, ".kwp-", 5) != 0 || std::strlen(nazwa) != 13)
        return false;
    for (int i = 5; i < 13; ++i)
        if (!std::strchr(znaki, nazwa[i]))
            return false;
    return true;
}

// A new file with a short name of its own in `folder`, created 0600,
// exclusively and never through a link, and locked while the save runs;
// removed again unless Zatrzymaj() was called.
class Tymczasowy
{
public:
    Tymczasowy() = default;
    Tymczasowy(const Tymczasowy &) = delete;
    Tymczasowy &operator=(const Tymczasowy &) = delete;
    ~Tymczasowy()
    {
        if (m_d >= 0)
            ::close(m_d);
        if (!m_nazwa.isEmpty())
            ::unlink(m_nazwa.constData());
    }

    // false with errno set when no file could be made there.
    bool Utworz(const QByteArray &folder)
    {
        static const char znaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int proba = 0; proba < 100; ++proba) {
            QByteArray nazwa = folder + QByteArrayLiteral("/.kwp-");
            for (int i = 0; i < 8; ++i)
                nazwa += znaki[QRandomGenerator::global()->bounded(int(sizeof znaki - 1))];
            m_d = BezPrzerwan([&] {
                return ::open(nazwa.constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
            });
            if (m_d >= 0) {
                m_nazwa = nazwa;
                ::flock(m_d, LOCK_EX | LOCK_NB);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }
    int d() const { return m_d; }
    const QByteArray &nazwa() const { return m_nazwa; }
    // The file stays, under its name.
    void Zatrzymaj() { m_nazwa.clear(); }
    // The file was given another name.
    void Przemianowano(const QByteArray &nazwa) { m_nazwa = nazwa; }

private:
    int m_d = -1;
    QByteArray m_nazwa;
};

// The temporary folders, in order: $TMPDIR when it names a folder, then /tmp.
QList<QByteArray> FolderyTymczasowe()
{
    QList<QByteArray> foldery;
    const QByteArray tmpdir = qgetenv("TMPDIR");
    struct stat st;
    if (tmpdir.startsWith('/') && ::stat(tmpdir.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        foldery << tmpdir;
    if (!foldery.contains(QByteArrayLiteral("/tmp")))
        foldery << QByteArrayLiteral("/tmp");
    return foldery;
}

// "" or the message of the system error `kod` (EIO when none was set).
QString Blad(int kod)
{
    return KomunikatBleduSystemu(kod != 0 ? kod : EIO);
}

// A file of the save that holds a project's contents: no ACL of its own, the
// project's group when this user can give it, and the project's mode for
// group and others (none for the group it could not get).
void Ogranicz(int d, const struct stat &projekt)
{
    ::fremovexattr(d, "system.posix_acl_access");
    mode_t tryb = 0600 | (projekt.st_mode & 0066);
    if (::fchown(d, uid_t(-1), projekt.st_gid) != 0)
        tryb &= 0606;
    ::fchmod(d, tryb);
}

// Removes from `folder` the short names of this user's saves that died: a
// regular file untouched for longer than any save takes, that no running
// save holds locked.
void UsunPozostalosci(const QByteArray &folder)
{
    DIR *katalog = ::opendir(folder.constData());
    if (!katalog)
        return;
    const int f = ::dirfd(katalog);
    const time_t teraz = ::time(nullptr);
    while (const dirent *wpis = ::readdir(katalog)) {
        if (!NazwaTymczasowa(wpis->d_name))
            continue;
        const int d =
            ::openat(f, wpis->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (d < 0)
            continue;
        struct stat st, teraz_st;
        if (::fstat(d, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            st.st_mtime + WIEK_POZOSTALOSCI_S < teraz && ::flock(d, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(f, wpis->d_name, &teraz_st, AT_SYMLINK_NOFOLLOW) == 0 &&
            teraz_st.st_ino == st.st_ino && teraz_st.st_dev == st.st_dev)
            ::unlinkat(f, wpis->d_name, 0);
        ::close(d);
    }
    ::closedir(katalog);
}

// Writes the contents through `pisz` to the descriptor and flushes them to the disk.
QString ZapiszTresc(int d, const std::function<QString(QIODevice &)> &pisz)
{
    if (Krok(EtapZapisu::Tresc, [] { return 0; }) != 0)
        return Blad(errno);
    // Unbuffered, so that every write reaches the file system and its count is
    // the real one: a full disk is seen at the write that it refuses.
    QString blad;
    {
        QFile plik;
        if (plik.open(d, QIODevice::WriteOnly | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle))
            blad = pisz(plik);
        else
            blad = Blad(EIO);
    }
    if (blad.isEmpty() && BezPrzerwan([d] { return ::fsync(d); }) != 0)
        blad = Blad(errno);
    return blad;
}

// Copies the whole of `z` onto `na` from the start, cuts `na` to that
// length and flushes it to the disk; `etap` names the step, where a test may
// inject a failure before each block. "" or the error.
QString Kopiuj(int z, int na, EtapZapisu etap)
{
    char bufor[BLOK];
    qint64 pozycja = 0;
    for (;;) {
        const ssize_t n = BezPrzerwan([&] { return ::pread(z, bufor, sizeof bufor, pozycja); });
        if (n < 0)
            return Blad(errno);
        if (n == 0)
            break;
        for (ssize_t zapisano = 0; zapisano < n;) {
            const ssize_t w = Krok(etap, [&] {
                return ::pwrite(na, bufor + zapisano, size_t(n - zapisano), pozycja + zapisano);
            });
            if (w <= 0)
                return Blad(w < 0 ? errno : ENOSPC);
            zapisano += w;
        }
        pozycja += n;
    }
    if (BezPrzerwan([&] { return ::ftruncate(na, pozycja); }) != 0 ||
        BezPrzerwan([&] { return ::fsync(na); }) != 0)
        return Blad(errno);
    return QString();
}
// The extended attribute names of a file, each ended by a zero byte; false on failure.
bool Nazwy(const QByteArray &plik, int d, QByteArray &nazwy)
{
    for (int proba = 0; proba < 5; ++proba) {
        const ssize_t n = d >= 0 ? ::flistxattr(d, nullptr, 0) : ::llistxattr(plik, nullptr, 0);
        if (n < 0) {
            if (errno == ENOTSUP) {
                nazwy.clear();
                return true;
            }
            return false;
        }
        nazwy.resize(n);
        const ssize_t m = d >= 0 ? ::flistxattr(d, nazwy.data(), size_t(n))
                                 : ::llistxattr(plik, nazwy.data(), size_t(n));
        if (m >= 0) {
            nazwy.resize(m);
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}

QList<QByteArray> Lista(const QByteArray &nazwy)
{
    QList<QByteArray> lista = nazwy.split('\0');
    lista.removeAll(QByteArray());
    return lista;
}

// Gives the new file `d` the extended attributes of `stary`, its POSIX ACL
// included (system.posix_acl_access, copied as it is), and removes those the
// new file got from its folder that the old one lacks. false when any of
// them cannot be read, set or removed.
bool KopiujAtrybuty(const QByteArray &stary, int d)
{
    QByteArray nazwy, nowe;
    if (!Nazwy(stary, -1, nazwy) || !Nazwy(QByteArray(), d, nowe))
        return false;
    const QList<QByteArray> stare = Lista(nazwy);
    for (const QByteArray &nazwa : Lista(nowe)) {
        if (!stare.contains(nazwa) && ::fremovexattr(d, nazwa.constData()) != 0)
            return false;
    }
    for (const QByteArray &nazwa : stare) {
        const ssize_t n = ::lgetxattr(stary.constData(), nazwa.constData(), nullptr, 0);
        if (n < 0)
            return false;
        QByteArray wartosc(n, '\0');
        const ssize_t m =
            ::lgetxattr(stary.constData(), nazwa.constData(), wartosc.data(), size_t(n));
        if (m < 0 || ::fsetxattr(d, nazwa.constData(), wartosc.constData(), size_t(m), 0) != 0)
            return false;
    }
    return true;
}

// Gives the new file the identity of the old one: owner and group (the group
// alone when the owner cannot be set), mode, ACL and extended attributes.
// true only when all of it now matches.
bool NadajTozsamosc(int d, const QByteArray &stary, const struct stat &st)
{
    if (::fchown(d, st.st_uid, st.st_gid) != 0 && ::fchown(d, uid_t(-1), st.st_gid) != 0)
        return false;
    if (::fchmod(d, st.st_mode & 07777) != 0 || !KopiujAtrybuty(stary, d))
        return false;
    struct stat nowy;
    return ::fstat(d, &nowy) == 0 && nowy.st_uid == st.st_uid && nowy.st_gid == st.st_gid &&
           (nowy.st_mode & 07777) == (st.st_mode & 07777);
}

// Names the copy `kopia` (a file of the folder `folder`) `nazwa`, never
// over a file of that name: the write in place has begun.
int Oznacz(const QByteArray &folder, Tymczasowy &kopia, const QByteArray &nazwa)
{
    int wynik = Krok(EtapZapisu::Oznaczenie, [&] {
        return ::renameat2(AT_FDCWD, kopia.nazwa().constData(), AT_FDCWD, nazwa.constData(),
                           RENAME_NOREPLACE);
    });
    if (wynik != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without it: a second name, then the first one gone.
        wynik = ::link(kopia.nazwa().constData(), nazwa.constData());
        if (wynik == 0)
            ::unlink(kopia.nazwa().constData());
    }
    if (wynik != 0)
        return errno;
    kopia.Przemianowano(nazwa);
    ZapiszFolder(folder);
    return 0;
}

// The whole old contents of `d` (the file `cel`, described by `st`) copied
// beside it under the name KopiaObok(cel), or into the user's recovery
// folder where the folder takes no new file: the mark of a write begun.
QString ZrobKopie(int d, const QByteArray &cel, const QByteArray &folder, const struct stat &st,
                  Tymczasowy &kopia)
{
    QByteArray gdzie = folder, nazwa = KopiaObok(cel);
    const qsizetype dlugosc = cel.size() - cel.lastIndexOf('/') - 1;
    if (dlugosc + 6 > NAME_MAX || !kopia.Utworz(folder)) {
        gdzie = FolderOdzysku(true);
        if (gdzie.isEmpty())
            return Blad(errno ? errno : EACCES);
        nazwa = KopiaWOdzysku(gdzie, st, cel);
        UsunPozostalosci(gdzie);
        if (!kopia.Utworz(gdzie))
            return Blad(errno);
    }
    Ogranicz(kopia.d(), st);
    if (const QString blad = Kopiuj(d, kopia.d(), EtapZapisu::Kopia); !blad.isEmpty())
        return blad;
    if (const int kod = Oznacz(gdzie, kopia, nazwa))
        return kod == EEXIST ? KomunikatNiedokonczonegoZapisu(DekodujNazwePliku(cel),
                                                              DekodujNazwePliku(nazwa))
                             : Blad(kod);
    return QString();
}

// Overwrites the file `cel` (described by `st`) with the contents of `nowy`,
// keeping its inode: its links, owner, mode and attributes stay as they are.
QString ZapiszWMiejscu(const QByteArray &cel, const QByteArray &folder, int nowy,
                       const struct stat &st)
{
    const int d = BezPrzerwan(
        [&] { return ::open(cel.constData(), O_RDWR | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC); });
    if (d < 0)
        return Blad(errno);
    struct stat teraz;
    QString blad;
    if (::fstat(d, &teraz) != 0)
        blad = Blad(errno);
    else if (blad = RodzajPliku(teraz);
             blad.isEmpty() && (teraz.st_ino != st.st_ino || teraz.st_dev != st.st_dev))
        blad = Blad(EAGAIN); // another file took the name meanwhile
    // The old contents, whole and named, before the first byte of the file changes.
    Tymczasowy kopia;
    if (blad.isEmpty())
        blad = ZrobKopie(d, cel, folder, st, kopia);
    if (blad.isEmpty()) {
        blad = Kopiuj(nowy, d, EtapZapisu::Nadpisanie);
        if (blad.isEmpty() || Kopiuj(kopia.d(), d, EtapZapisu::Przywracanie).isEmpty()) {
            // Whole, new or as it was: the copy goes. One that cannot be
            // removed still marks the file, until the user settles it.
            if (Krok(EtapZapisu::Usuniecie, [&] { return ::unlink(kopia.nazwa().constData()); }) ==
                0)
                ZapiszFolder(FolderPliku(kopia.nazwa()));
            kopia.Zatrzymaj();
        } else {
            const QByteArray gdzie = kopia.nazwa();
            kopia.Zatrzymaj();
            blad = QStringLiteral("%1; poprzednia treść pliku jest cała w pliku %2")
                       .arg(blad, CzytelnaNazwaPliku(DekodujNazwePliku(gdzie)));
        }
    }
    ::close(d); // closed even when interrupted
    return blad;
}

} // namespace

int IdzZaDowiazaniami(QByteArray &cel, QString *odmowa)
{
    for (int krok = 0; krok < 40; ++krok) {
        struct stat st;
        if (::lstat(cel.constData(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (!LinkDozwolony(FolderPliku(cel), st)) {
            if (odmowa)
                *odmowa = QStringLiteral("Plik %1 jest dowiązaniem innego użytkownika we wspólnym "
                                         "folderze; nie zostanie zapisany")
                              .arg(CzytelnaNazwaPliku(DekodujNazwePliku(cel)));
            return EACCES;
        }
        char bufor[PATH_MAX];
        const ssize_t n = ::readlink(cel.constData(), bufor, sizeof bufor);
        if (n < 0)
            return errno;
        if (n == ssize_t(sizeof bufor))
            return ENAMETOOLONG;
        QByteArray dokad(bufor, n);
        cel = dokad.startsWith('/') ? dokad : FolderPliku(cel) + '/' + dokad;
    }
    return ELOOP;
}

void UstawAwarieZapisu(AwariaZapisu awaria)
{
    g_awaria = awaria;
}

QString ZapiszPlik(const QString &sciezka, const std::function<QString(QIODevice &)> &pisz)
{
    const QByteArray podana = NazwaSystemowa(sciezka);
    if (podana.isEmpty())
        return Blad(EINVAL);
    QByteArray cel = podana;
    QString odmowa;
    if (const int kod = IdzZaDowiazaniami(cel, &odmowa))
        return odmowa.isEmpty() ? Blad(kod) : odmowa;
    struct stat st;
    const bool istnial = ::stat(cel.constData(), &st) == 0;
    if (!istnial && errno != ENOENT)
        return Blad(errno);
    if (istnial) {
        if (const QString rodzaj = RodzajPliku(st); !rodzaj.isEmpty())
            return rodzaj;
        // The name as the system opens it, its own rules for links applied,
        // must lead to the file the walk found.
        const int sam = BezPrzerwan([&] { return ::open(podana.constData(), O_PATH | O_CLOEXEC); });
        struct stat otwarty;
        if (sam < 0)
            return Blad(errno);
        const bool ten_sam = ::fstat(sam, &otwarty) == 0 && otwarty.st_dev == st.st_dev &&
                             otwarty.st_ino == st.st_ino;
        ::close(sam);
        if (!ten_sam)
            return Blad(EAGAIN);
        // Write-protected: never replaced, though the folder would allow it.
        if (::faccessat(AT_FDCWD, cel.constData(), W_OK, AT_EACCESS) != 0)
            return Blad(errno);
        if (::geteuid() == 0 && (st.st_mode & 0222) == 0)
            return Blad(EACCES);
        // An earlier save that did not finish: its copy is the user's to settle.
        if (const QString kopia = KopiaNiedokonczonegoZapisu(DekodujNazwePliku(cel));
            !kopia.isEmpty())
            return KomunikatNiedokonczonegoZapisu(DekodujNazwePliku(cel), kopia);
    }

    // The new contents, whole, before anything else happens.
    const QByteArray folder = FolderPliku(cel);
    UsunPozostalosci(folder);
    Tymczasowy nowy;
    const bool obok = nowy.Utworz(folder);
    int kod = errno;
    if (!obok) {
        if (!istnial)
            return Blad(kod);
        bool jest = false;
        for (const QByteArray &tymczasowy : FolderyTymczasowe()) {
            UsunPozostalosci(tymczasowy);
            if ((jest = nowy.Utworz(tymczasowy)))
                break;
        }
        if (!jest)
            return Blad(kod);
    }
    bool podmiana = obok && !istnial;
    if (podmiana) {
        // A new file: the mode a file made here would get.
        const mode_t maska = ::umask(0);
        ::umask(maska);
        ::fchmod(nowy.d(), 0666 & ~maska);
    } else {
        podmiana = obok && st.st_nlink == 1 && NadajTozsamosc(nowy.d(), cel, st);
        if (!podmiana)
            Ogranicz(nowy.d(), st);
    }
    const QString blad = ZapiszTresc(nowy.d(), pisz);
    if (!blad.isEmpty())
        return blad;

    if (podmiana) {
        if (Krok(EtapZapisu::Podmiana,
                 [&] { return ::rename(nowy.nazwa().constData(), cel.constData()); }) == 0) {
            nowy.Zatrzymaj();
            // The rename itself reaches the disk with the folder.
            ZapiszFolder(folder);
            return QString();
        }
        // A folder with the sticky bit refuses to replace another's file; a
        // file mounted on its own cannot be replaced: written in place.
        if (!istnial || (errno != EPERM && errno != EACCES && errno != EBUSY))
            return Blad(errno);
    }
    return ZapiszWMiejscu(cel, folder, nowy.d(), st);
}

QString ZapiszBajty(QIODevice &cel, const QByteArray &dane)
{
    errno = 0;
    const qint64 zapisano = cel.write(dane);
    const int kod = errno;
    if (zapisano == dane.size())
        return QString();
    if (zapisano < 0 && kod == 0) {
        const auto *plik = qobject_cast<const QFileDevice *>(&cel);
        const bool pelny = plik && plik->error() == QFileDevice::ResourceError;
        return KomunikatBleduSystemu(pelny ? ENOSPC : EIO);
    }
    // A short count: the device took what it had room for.
    return KomunikatBleduSystemu(kod != 0 ? kod : ENOSPC);
}

QString DokonczStrumien(QTextStream &strumien, std::FILE *plik)
{
    // A flush that failed before (the caller's own) left its error here.
    int kod = errno;
    errno = 0;
    strumien.flush();
    if (errno != 0)
        kod = errno;
    const bool dobrze = strumien.status() == QTextStream::Ok;
    errno = 0;
    if (std::fflush(plik) != 0 && errno != 0)
        kod = errno;
    if (dobrze && !std::ferror(plik))
        return QString();
    return Blad(kod);
}

} // namespace kerwano
