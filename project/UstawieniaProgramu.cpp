#include "project/UstawieniaProgramu.h"

#include "pliki/NazwaPliku.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <memory>
#include <sys/stat.h>

namespace kerwano::ustawienia {

namespace {

const QString OSTATNIE = QStringLiteral("ostatnie_projekty");
const QString PLIK = QStringLiteral("plik");
const QString FOLDER = QStringLiteral("foldery/projekty");

// The settings, or none where the file is something a read could hang on
// or make no sense of (a folder, a pipe, a device).
std::unique_ptr<QSettings> Otworz()
{
    const QString plik = PlikUstawien();
    const QFileInfo info(plik);
    if (info.exists() && !info.isFile())
        return nullptr;
    return std::make_unique<QSettings>(plik, QSettings::IniFormat);
}

// Paths are kept as their bytes: a name that is not UTF-8 comes back as given.
QString Sciezka(const QVariant &wartosc)
{
    return wartosc.canConvert<QByteArray>() ? DekodujNazwePliku(wartosc.toByteArray()) : QString();
}

void ZapiszOstatnie(QSettings &s, const QStringList &lista)
{
    s.remove(OSTATNIE);
    s.beginWriteArray(OSTATNIE, int(lista.size()));
    for (int i = 0; i < lista.size(); ++i) {
        s.setArrayIndex(i);
        s.setValue(PLIK, KodujNazwePliku(lista[i]));
    }
    s.endArray();
}

QStringList CzytajOstatnie(QSettings &s)
{
    QStringList lista;
    const int n = s.beginReadArray(OSTATNIE);
    for (int i = 0; i < n && lista.size() < MAKS_OSTATNICH; ++i) {
        s.setArrayIndex(i);
        const QString plik = Sciezka(s.value(PLIK));
        if (!plik.isEmpty() && !lista.contains(plik))
            lista << plik;
    }
    s.endArray();
    return lista;
}

QString Bezwzgledna(const QString &plik)
{
    return QDir::cleanPath(QFileInfo(plik).absoluteFilePath());
}

} // namespace

QString PlikUstawien()
{
    // The program's name alone, without a maker's: $XDG_CONFIG_HOME/Kerwano.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config/Kerwano");
    return folder + QStringLiteral("/Kerwano.conf");
}

QStringList OstatnieProjekty()
{
    const auto s = Otworz();
    return s ? CzytajOstatnie(*s) : QStringList();
}

void DodajOstatniProjekt(const QString &plik)
{
    const auto s = Otworz();
    if (!s || plik.isEmpty())
        return;
    const QString sciezka = Bezwzgledna(plik);
    QStringList lista = CzytajOstatnie(*s);
    lista.removeAll(sciezka);
    lista.prepend(sciezka);
    ZapiszOstatnie(*s, lista.mid(0, MAKS_OSTATNICH));
}

void UsunOstatniProjekt(const QString &plik)
{
    const auto s = Otworz();
    if (!s)
        return;
    QStringList lista = CzytajOstatnie(*s);
    if (lista.removeAll(plik) + lista.removeAll(Bezwzgledna(plik)) > 0)
        ZapiszOstatnie(*s, lista);
}

QString OstatniFolder()
{
    const auto s = Otworz();
    if (!s)
        return QString();
    const QString folder = Sciezka(s->value(FOLDER));
    struct stat st;
    const QByteArray bajty = NazwaSystemowa(folder);
    return !bajty.isEmpty() && ::stat(bajty.constData(), &st) == 0 && S_ISDIR(st.st_mode)
               ? folder
               : QString();
}

void UstawOstatniFolder(const QString &folder)
{
    if (const auto s = Otworz(); s && !folder.isEmpty())
        s->setValue(FOLDER, KodujNazwePliku(Bezwzgledna(folder)));
}

QVariant Wartosc(const QString &klucz)
{
    const auto s = Otworz();
    return s ? s->value(klucz) : QVariant();
}

void UstawWartosc(const QString &klucz, const QVariant &wartosc)
{
    if (const auto s = Otworz())
        s->setValue(klucz, wartosc);
}

bool BrakPliku(const QString &sciezka)
{
    const QByteArray bajty = NazwaSystemowa(sciezka);
    if (bajty.isEmpty())
        return true;
    struct stat st;
    return ::stat(bajty.constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

} // namespace kerwano::ustawienia
