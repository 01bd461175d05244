#include "project/KopiaOdzyskiwania.h"

#include "pliki/BladSystemu.h"
#include "pliki/NazwaPliku.h"
#include "pliki/ZapisPliku.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace kerwano {

namespace {

// Next to each copy: the project's file name, as its bytes.
QString PlikNazwy(const QString &kopia)
{
    return kopia + QStringLiteral(".nazwa");
}

QString PlikBlokady(const QString &kopia)
{
    return kopia + QStringLiteral(".blokada");
}

QString ZapiszBajtyDoPliku(const QString &sciezka, const QByteArray &dane)
{
    if (QFileInfo::exists(sciezka))
        return ZapiszPlik(sciezka, [&dane](QIODevice &cel) { return ZapiszBajty(cel, dane); });
    // The first copy is written whole under a name of its own, 0600 from
    // the start, and only then takes its name: a copy that can be seen is
    // never an empty or half-written one, whenever the program is killed.
    const QString nowy = sciezka + QStringLiteral(".nowy");
    QFile::remove(nowy);
    {
        QFile plik(nowy);
        if (!plik.open(QIODevice::WriteOnly) ||
            !plik.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return plik.errorString();
    }
    QString blad = ZapiszPlik(nowy, [&dane](QIODevice &cel) { return ZapiszBajty(cel, dane); });
    if (blad.isEmpty() &&
        ::rename(QFile::encodeName(nowy).constData(), QFile::encodeName(sciezka).constData()) != 0)
        blad = KomunikatBleduSystemu(errno);
    if (!blad.isEmpty())
        QFile::remove(nowy);
    return blad;
}

} // namespace

QString KopiaOdzyskiwania::Folder()
{
    const QString dane = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (dane.isEmpty() || !QDir().mkpath(dane))
        return QString();
    const QString folder = dane + QStringLiteral("/kopie");
    const QByteArray bajty = QFile::encodeName(folder);
    if (::mkdir(bajty.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat st;
    if (::lstat(bajty.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return QString();
    if ((st.st_mode & 077) != 0 && ::chmod(bajty.constData(), 0700) != 0)
        return QString();
    return folder;
}

KopiaOdzyskiwania::KopiaOdzyskiwania(const QString &rodzaj)
{
    const QString folder = Folder();
    if (folder.isEmpty())
        return;
    m_plik = QStringLiteral("%1/%2-%3.%4")
                 .arg(folder, QSysInfo::machineHostName())
                 .arg(QCoreApplication::applicationPid())
                 .arg(rodzaj);
    m_blokada = std::make_unique<QLockFile>(PlikBlokady(m_plik));
    m_blokada->setStaleLockTime(0);
    if (!m_blokada->tryLock(0)) {
        m_plik.clear(); // a name this program cannot hold: no copies
        return;
    }
    // A copy of an earlier program that had this process number is its
    // own: it moves aside under a name nobody holds, to be offered.
    if (QFileInfo::exists(m_plik)) {
        const QString obok = QStringLiteral("%1-%2.%3")
                                 .arg(m_plik.chopped(4))
                                 .arg(QDateTime::currentMSecsSinceEpoch())
                                 .arg(rodzaj);
        QFile::rename(PlikNazwy(m_plik), PlikNazwy(obok));
        QFile::rename(m_plik, obok);
    }
}

KopiaOdzyskiwania::~KopiaOdzyskiwania() = default;

QString KopiaOdzyskiwania::Zapisz(const Projekt &projekt, const QString &nazwa_pliku)
{
    return Zapisz(ZakodujProjekt(projekt), nazwa_pliku);
}

QString KopiaOdzyskiwania::Zapisz(const QByteArray &bajty, const QString &nazwa_pliku)
{
    if (m_plik.isEmpty())
        return QStringLiteral("Brak folderu kopii");
    QString blad = ZapiszBajtyDoPliku(PlikNazwy(m_plik), KodujNazwePliku(nazwa_pliku));
    if (blad.isEmpty())
        blad = ZapiszBajtyDoPliku(m_plik, bajty);
    return blad;
}

void KopiaOdzyskiwania::Usun()
{
    if (m_plik.isEmpty())
        return;
    QFile::remove(m_plik);
    QFile::remove(PlikNazwy(m_plik));
}

QList<KopiaOdzyskana> KopiaOdzyskiwania::Porzucone()
{
    QList<KopiaOdzyskana> kopie;
    const QString folder = Folder();
    if (folder.isEmpty())
        return kopie;
    const QDir d(folder);
    for (const QFileInfo &f :
         d.entryInfoList({QStringLiteral("*.kwp"), QStringLiteral("*.kwr")}, QDir::Files)) {
        // The lock of a running program is not free; that of a program no
        // longer running on this host is taken over.
        QLockFile blokada(PlikBlokady(f.absoluteFilePath()));
        blokada.setStaleLockTime(0);
        if (!blokada.tryLock(0))
            continue;
        blokada.unlock();
        QFile nazwa(PlikNazwy(f.absoluteFilePath()));
        const QByteArray bajty = nazwa.open(QIODevice::ReadOnly) ? nazwa.readAll() : QByteArray();
        kopie.append({f.absoluteFilePath(), DekodujNazwePliku(bajty), f.lastModified()});
    }
    std::sort(kopie.begin(), kopie.end(),
              [](const KopiaOdzyskana &a, const KopiaOdzyskana &b) { return a.czas < b.czas; });
    return kopie;
}

QString KopiaOdzyskiwania::Wczytaj(const KopiaOdzyskana &kopia, Projekt &projekt)
{
    const QString blad = CzytajPlikProjektu(kopia.plik, projekt);
    if (!blad.isEmpty())
        Odloz(kopia);
    return blad;
}

void KopiaOdzyskiwania::Odloz(const KopiaOdzyskana &kopia)
{
    const QString obok = kopia.plik + QStringLiteral(".uszkodzona");
    QFile::remove(obok);
    QFile::rename(kopia.plik, obok);
}

void KopiaOdzyskiwania::Odrzuc(const KopiaOdzyskana &kopia)
{
    QFile::remove(kopia.plik);
    QFile::remove(PlikNazwy(kopia.plik));
}

} // namespace kerwano
