#include "project/BlokadaProjektu.h"

#include "pliki/NazwaPliku.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

#include <pwd.h>
#include <sys/stat.h>

namespace kerwano {

BlokadaProjektu::BlokadaProjektu(const QString &projekt) : m_plik(PlikBlokady(projekt)) {}

BlokadaProjektu::~BlokadaProjektu() = default;

std::unique_ptr<BlokadaProjektu> BlokadaProjektu::Wzieta(const QString &projekt)
{
    auto blokada = std::make_unique<BlokadaProjektu>(projekt);
    if (blokada->Wez() != Wynik::Wzieta)
        blokada.reset();
    return blokada;
}

QString BlokadaProjektu::PlikBlokady(const QString &projekt)
{
    const QFileInfo f(projekt);
    return f.absolutePath() + QStringLiteral("/.") + f.fileName() + QStringLiteral(".blokada");
}

BlokadaProjektu::Wynik BlokadaProjektu::Wez()
{
    m_blokada = std::make_unique<QLockFile>(m_plik);
    m_blokada->setStaleLockTime(0);
    if (m_blokada->tryLock(0))
        return Wynik::Wzieta;
    const QLockFile::LockError blad = m_blokada->error();
    m_blokada.reset();
    if (blad != QLockFile::LockFailedError)
        return Wynik::Niemozliwa;
    // Another window of this very program holds it: that is no other designer.
    QLockFile inna(m_plik);
    qint64 pid = 0;
    QString komputer, program;
    if (inna.getLockInfo(&pid, &komputer, &program) && pid == QCoreApplication::applicationPid() &&
        komputer == QSysInfo::machineHostName())
        return Wynik::Niemozliwa;
    return Wynik::Zajeta;
}

QString BlokadaProjektu::Kto() const
{
    QLockFile blokada(m_plik);
    qint64 pid = 0;
    QString komputer, program;
    blokada.getLockInfo(&pid, &komputer, &program);
    QString uzytkownik;
    struct stat st;
    const QByteArray nazwa = NazwaSystemowa(m_plik);
    QDateTime od;
    if (!nazwa.isEmpty() && ::stat(nazwa.constData(), &st) == 0) {
        if (const struct passwd *pw = ::getpwuid(st.st_uid))
            uzytkownik = QString::fromLocal8Bit(pw->pw_name);
        else
            uzytkownik = QString::number(st.st_uid);
        od = QFileInfo(m_plik).lastModified();
    }
    return QStringLiteral("użytkownik %1 na komputerze %2 od %3")
        .arg(uzytkownik, komputer,
             QLocale(QLocale::Polish).toString(od, QStringLiteral("d.MM.yyyy HH:mm")));
}

} // namespace kerwano
