#include "project/ZapisPliku.h"

#include "project/NazwaPliku.h"
#include "project/PlikProjektu.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace kerwano {

namespace {

AwariaZapisu g_awaria = nullptr;

// Blocks small enough that a file of a few kilobytes is written in several.
constexpr qint64 BLOK = 4096;

QByteArray FolderPliku(const QByteArray &sciezka)
{
    const qsizetype ukosnik = sciezka.lastIndexOf('/');
    return ukosnik > 0 ? sciezka.left(ukosnik) : ukosnik == 0 ? QByteArrayLiteral("/") : ".";
}

// Follows `cel` through symbolic links to the name of the file itself,
// which need not exist yet (a dangling link names the file to create).
// 0, or the errno value of the failure.
int IdzZaDowiazaniami(QByteArray &cel)
{
    for (int krok = 0; krok < 40; ++krok) {
        struct stat st;
        if (::lstat(cel.constData(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
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

// A new file with a short name of its own in `folder`, created exclusively
// (never through a link); removed again unless Zatrzymaj() was called.
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
    bool Utworz(const QByteArray &folder, mode_t tryb)
    {
        static const char znaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int proba = 0; proba < 100; ++proba) {
            QByteArray nazwa = folder + QByteArrayLiteral("/.kwp-");
            for (int i = 0; i < 8; ++i)
                nazwa += znaki[QRandomGenerator::global()->bounded(int(sizeof znaki - 1))];
            m_d =
                ::open(nazwa.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, tryb);
            if (m_d >= 0) {
                m_nazwa = nazwa;
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

private:
    int m_d = -1;
    QByteArray m_nazwa;
};

QByteArray FolderTymczasowy()
{
    return QFile::encodeName(QDir::tempPath());
}

// "" or the message of the system error `kod` (EIO when none was set).
QString Blad(int kod)
{
    return KomunikatBleduSystemu(kod != 0 ? kod : EIO);
}

// Writes the contents through `pisz` to the descriptor and flushes them to the disk.
QString ZapiszTresc(int d, const std::function<QString(QIODevice &)> &pisz)
{
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
    if (blad.isEmpty() && ::fsync(d) != 0)
        blad = Blad(errno);
    return blad;
}

// Copies the whole of `z` onto `na` from the start, cuts `na` to that
// length and flushes it to the disk; `etap` names a write onto the old file,
// where a test may inject a failure. "" or the error.
QString Kopiuj(int z, int na, const EtapZapisu *etap = nullptr)
{
    char bufor[BLOK];
    qint64 pozycja = 0;
    for (;;) {
        const ssize_t n = ::pread(z, bufor, sizeof bufor, pozycja);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Blad(errno);
        }
        if (n == 0)
            break;
        if (const int wstrzykniety = g_awaria && etap ? g_awaria(*etap) : 0)
            return Blad(wstrzykniety);
        for (ssize_t zapisano = 0; zapisano < n;) {
            const ssize_t w =
                ::pwrite(na, bufor + zapisano, size_t(n - zapisano), pozycja + zapisano);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return Blad(w < 0 ? errno : ENOSPC);
            zapisano += w;
        }
        pozycja += n;
    }
    if (::ftruncate(na, pozycja) != 0 || ::fsync(na) != 0)
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

// Overwrites the file `cel` with the contents of `nowy`, keeping its inode:
// its links, owner, mode and attributes stay as they are.
QString ZapiszWMiejscu(const QByteArray &cel, const QByteArray &folder, int nowy)
{
    const int d = ::open(cel.constData(), O_RDWR | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (d < 0)
        return Blad(errno);
    struct stat st;
    if (::fstat(d, &st) != 0) {
        const int kod = errno;
        ::close(d);
        return Blad(kod);
    }
    if (const QString rodzaj = RodzajPliku(st); !rodzaj.isEmpty()) {
        ::close(d);
        return rodzaj;
    }
    // The old contents, whole, before the first byte of the file changes.
    Tymczasowy kopia;
    QString blad;
    if (!kopia.Utworz(folder, 0600) && !kopia.Utworz(FolderTymczasowy(), 0600))
        blad = Blad(errno);
    if (blad.isEmpty())
        blad = Kopiuj(d, kopia.d());
    if (blad.isEmpty()) {
        const EtapZapisu nadpisanie = EtapZapisu::Nadpisanie;
        const EtapZapisu przywracanie = EtapZapisu::Przywracanie;
        blad = Kopiuj(nowy, d, &nadpisanie);
        if (!blad.isEmpty()) {
            if (Kopiuj(kopia.d(), d, &przywracanie).isEmpty()) {
                // Put back as it was; only the error of the write is told.
            } else {
                const QByteArray gdzie = kopia.nazwa();
                kopia.Zatrzymaj();
                blad = QStringLiteral("%1; poprzednia treść pliku jest cała w pliku %2")
                           .arg(blad, DekodujNazwePliku(gdzie));
            }
        }
    }
    if (::close(d) != 0 && blad.isEmpty())
        blad = Blad(errno);
    return blad;
}

} // namespace

void UstawAwarieZapisu(AwariaZapisu awaria)
{
    g_awaria = awaria;
}

QString ZapiszPlik(const QString &sciezka, const std::function<QString(QIODevice &)> &pisz)
{
    QByteArray cel = NazwaSystemowa(sciezka);
    if (cel.isEmpty())
        return Blad(EINVAL);
    if (const int kod = IdzZaDowiazaniami(cel))
        return Blad(kod);
    struct stat st;
    const bool istnial = ::stat(cel.constData(), &st) == 0;
    if (!istnial && errno != ENOENT)
        return Blad(errno);
    if (istnial) {
        if (const QString rodzaj = RodzajPliku(st); !rodzaj.isEmpty())
            return rodzaj;
        // Write-protected: never replaced, though the folder would allow it.
        if (::faccessat(AT_FDCWD, cel.constData(), W_OK, AT_EACCESS) != 0)
            return Blad(errno);
        if (::geteuid() == 0 && (st.st_mode & 0222) == 0)
            return Blad(EACCES);
    }

    // The new contents, whole, before anything else happens.
    const QByteArray folder = FolderPliku(cel);
    Tymczasowy nowy;
    const bool obok = nowy.Utworz(folder, 0666);
    if (!obok && (!istnial || !nowy.Utworz(FolderTymczasowy(), 0600)))
        return Blad(errno);
    const bool podmiana =
        obok && (!istnial || (st.st_nlink == 1 && NadajTozsamosc(nowy.d(), cel, st)));
    const QString blad = ZapiszTresc(nowy.d(), pisz);
    if (!blad.isEmpty())
        return blad;

    if (podmiana) {
        if (::rename(nowy.nazwa().constData(), cel.constData()) == 0) {
            nowy.Zatrzymaj();
            // The rename itself reaches the disk with the folder.
            const int f = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (f >= 0) {
                ::fsync(f);
                ::close(f);
            }
            return QString();
        }
        // A folder with the sticky bit refuses to replace another's file.
        if (!istnial || (errno != EPERM && errno != EACCES))
            return Blad(errno);
    }
    return ZapiszWMiejscu(cel, folder, nowy.d());
}

QString ChronionyProjekt(const QString &wyjscie, const QString &wejscie)
{
    QByteArray cel = NazwaSystemowa(wyjscie);
    struct stat st;
    if (cel.isEmpty() || ::stat(cel.constData(), &st) != 0)
        return QString(); // nothing there to lose
    const QString odmowa =
        QStringLiteral("Plik %1 jest projektem Kerwano; nie zostanie zastąpiony plikiem PDF")
            .arg(CzytelnaNazwaPliku(wyjscie));
    struct stat we;
    const QByteArray zrodlo = NazwaSystemowa(wejscie);
    if (!zrodlo.isEmpty() && ::stat(zrodlo.constData(), &we) == 0 && we.st_dev == st.st_dev &&
        we.st_ino == st.st_ino)
        return odmowa;
    if (!S_ISREG(st.st_mode))
        return QString();
    auto projektowa = [](const QByteArray &nazwa) {
        return nazwa.size() >= 4 && nazwa.right(4).toLower() == ".kwp";
    };
    if (projektowa(cel) || (IdzZaDowiazaniami(cel) == 0 && projektowa(cel)))
        return odmowa;
    Projekt projekt;
    return CzytajPlikProjektu(wyjscie, projekt).isEmpty() ? odmowa : QString();
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
