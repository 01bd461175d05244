#include "project/PlikProjektu.h"

#include "elements/ParametryElementu.h"
#include "project/NazwaPliku.h"
#include "project/ZapisPliku.h"

#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QStringDecoder>
#include <QtEndian>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace kerwano {

namespace {

const char *const KONIEC_PLIKU = "Read beyond end of file";

QString ZlaDlugoscTekstu()
{
    return QStringLiteral("Plik projektu jest uszkodzony (niepoprawna długość tekstu)");
}

QString UjemnaLiczbaElementow()
{
    return QStringLiteral("Plik projektu jest uszkodzony (ujemna liczba elementów)");
}

QString ZbytWieleElementow()
{
    return QStringLiteral("Plik projektu jest uszkodzony (ponad %1 elementów dachu)")
        .arg(MAKS_LICZBA_ELEMENTOW);
}

// A text field: offset of its length byte and its capacity in characters.
struct PoleTekstu
{
    int offset;
    int pojemnosc;
};

constexpr PoleTekstu POLA_WYMIAROW[3] = {
    {48, POJEMNOSC_WYMIARU}, {69, POJEMNOSC_WYMIARU}, {90, POJEMNOSC_WYMIARU}};
constexpr PoleTekstu POLA_DANYCH[6] = {{116, POJEMNOSC_DANYCH[0]}, {142, POJEMNOSC_DANYCH[1]},
                                       {163, POJEMNOSC_DANYCH[2]}, {292, POJEMNOSC_DANYCH[3]},
                                       {421, POJEMNOSC_DANYCH[4]}, {550, POJEMNOSC_DANYCH[5]}};
constexpr PoleTekstu POLE_NAZWY = {0, POJEMNOSC_NAZWY_ELEMENTU};   // in a record
constexpr PoleTekstu POLE_PARAMETROW = {41, POJEMNOSC_PARAMETROW}; // in a record
constexpr int OFFSET_WYBORU_13 = 112; // ComboBox13 comes after the dimensions
constexpr int OFFSET_LICZBY_ELEMENTOW = 680;

// Windows-1250 bytes 0x80 .. 0xFF, for a Qt built without the code page.
constexpr char16_t CP1250_GORA[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// The code page both ways. The characters of the 256 bytes come from Qt's
// "windows-1250" decoder; writing uses the inverse of that table, so every
// byte written reads back as the character it stands for, and a character
// without a byte of its own has none (no best-fit letters, no 0x1A).
struct StronaKodowa
{
    std::array<char16_t, 256> znaki{};
    QHash<char32_t, uchar> bajty;

    StronaKodowa()
    {
        QByteArray wszystkie(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            wszystkie[b] = static_cast<char>(b);
        QStringDecoder dekoder("windows-1250", QStringConverter::Flag::Stateless);
        const QString z_qt = dekoder.isValid() ? QString(dekoder.decode(wszystkie)) : QString();
        for (int b = 0; b < 256; ++b) {
            if (z_qt.size() == 256)
                znaki[b] = z_qt.at(b).unicode();
            else
                znaki[b] = b < 128 ? char16_t(b) : CP1250_GORA[b - 128];
        }
        for (int b = 255; b >= 0; --b) {
            if (znaki[b] != QChar::ReplacementCharacter)
                bajty.insert(znaki[b], static_cast<uchar>(b));
        }
    }
};

const StronaKodowa &Cp1250()
{
    static const StronaKodowa strona;
    return strona;
}

void ZapiszLiczbe(QByteArray &dane, int offset, qint32 liczba)
{
    qToLittleEndian<qint32>(liczba, dane.data() + offset);
}

qint32 CzytajLiczbe(const char *dane, int offset)
{
    return qFromLittleEndian<qint32>(dane + offset);
}

// The first `pojemnosc` characters (code points) of `tekst`, one byte each.
void ZapiszTekst(QByteArray &dane, int baza, PoleTekstu pole, const QString &tekst)
{
    const StronaKodowa &strona = Cp1250();
    char *p = dane.data() + baza + pole.offset;
    int dlugosc = 0;
    for (qsizetype i = 0; i < tekst.size() && dlugosc < pole.pojemnosc; ++i) {
        char32_t znak = tekst.at(i).unicode();
        if (QChar::isHighSurrogate(znak) && i + 1 < tekst.size() &&
            tekst.at(i + 1).isLowSurrogate()) {
            znak = QChar::surrogateToUcs4(tekst.at(i), tekst.at(i + 1));
            ++i;
        }
        p[1 + dlugosc] = static_cast<char>(strona.bajty.value(znak, uchar('?')));
        ++dlugosc;
    }
    p[0] = static_cast<char>(dlugosc);
}

bool CzytajTekst(const char *dane, PoleTekstu pole, QString &tekst)
{
    const uchar *p = reinterpret_cast<const uchar *>(dane + pole.offset);
    const int dlugosc = p[0];
    if (dlugosc > pole.pojemnosc)
        return false;
    const StronaKodowa &strona = Cp1250();
    tekst.resize(dlugosc);
    for (int i = 0; i < dlugosc; ++i)
        tekst[i] = QChar(strona.znaki[p[1 + i]]);
    return true;
}

// Reads exactly `n` bytes; "" or the error text.
QString CzytajDokladnie(QIODevice &zrodlo, char *cel, qint64 n)
{
    qint64 przeczytano = 0;
    while (przeczytano < n) {
        errno = 0;
        const qint64 r = zrodlo.read(cel + przeczytano, n - przeczytano);
        if (r < 0) {
            const int kod = errno;
            return KomunikatBleduSystemu(kod != 0 ? kod : EIO);
        }
        if (r == 0) {
            // A pipe or socket may not have its next bytes yet; a file is at its end.
            if (zrodlo.isSequential() && zrodlo.waitForReadyRead(30000))
                continue;
            return QString::fromLatin1(KONIEC_PLIKU);
        }
        przeczytano += r;
    }
    return QString();
}

} // namespace

QByteArray ZakodujProjekt(const Projekt &projekt)
{
    const qsizetype n = projekt.elementy.size();
    QByteArray dane(ROZMIAR_NAGLOWKA_PROJEKTU + ROZMIAR_REKORDU_ELEMENTU * n, '\0');
    for (int i = 0; i < 12; ++i)
        ZapiszLiczbe(dane, 4 * i, projekt.wybory[i]);
    for (int i = 0; i < 3; ++i)
        ZapiszTekst(dane, 0, POLA_WYMIAROW[i], projekt.wymiary[i]);
    ZapiszLiczbe(dane, OFFSET_WYBORU_13, projekt.wybory[12]);
    for (int i = 0; i < LICZBA_DANYCH; ++i)
        ZapiszTekst(dane, 0, POLA_DANYCH[i], projekt.dane[i]);
    ZapiszLiczbe(dane, OFFSET_LICZBY_ELEMENTOW, static_cast<qint32>(n));
    for (qsizetype i = 0; i < n; ++i) {
        const int baza = ROZMIAR_NAGLOWKA_PROJEKTU + ROZMIAR_REKORDU_ELEMENTU * int(i);
        ZapiszTekst(dane, baza, POLE_NAZWY, projekt.elementy[i].nazwa);
        ZapiszTekst(dane, baza, POLE_PARAMETROW, projekt.elementy[i].parametry);
    }
    return dane;
}

QString OdczytajProjekt(QIODevice &zrodlo, Projekt &projekt)
{
    char naglowek[ROZMIAR_NAGLOWKA_PROJEKTU];
    QString blad = CzytajDokladnie(zrodlo, naglowek, sizeof naglowek);
    if (!blad.isEmpty())
        return blad;

    Projekt wynik;
    for (int i = 0; i < 12; ++i)
        wynik.wybory[i] = CzytajLiczbe(naglowek, 4 * i);
    wynik.wybory[12] = CzytajLiczbe(naglowek, OFFSET_WYBORU_13);
    for (int i = 0; i < 3; ++i) {
        if (!CzytajTekst(naglowek, POLA_WYMIAROW[i], wynik.wymiary[i]))
            return ZlaDlugoscTekstu();
    }
    for (int i = 0; i < LICZBA_DANYCH; ++i) {
        if (!CzytajTekst(naglowek, POLA_DANYCH[i], wynik.dane[i]))
            return ZlaDlugoscTekstu();
    }
    const qint32 liczba = CzytajLiczbe(naglowek, OFFSET_LICZBY_ELEMENTOW);
    if (liczba < 0)
        return UjemnaLiczbaElementow();
    if (liczba > MAKS_LICZBA_ELEMENTOW)
        return ZbytWieleElementow();

    // Record by record, on a file as on a pipe: the first fault in the order
    // of the bytes is the one reported, whatever the device.
    for (qint32 i = 0; i < liczba; ++i) {
        char rekord[ROZMIAR_REKORDU_ELEMENTU];
        blad = CzytajDokladnie(zrodlo, rekord, sizeof rekord);
        if (!blad.isEmpty())
            return blad;
        ElementDachu element;
        if (!CzytajTekst(rekord, POLE_NAZWY, element.nazwa) ||
            !CzytajTekst(rekord, POLE_PARAMETROW, element.parametry))
            return ZlaDlugoscTekstu();
        wynik.elementy.append(std::move(element));
    }
    projekt = std::move(wynik);
    return QString();
}

QString ZapiszProjektDoUrzadzenia(QIODevice &cel, const Projekt &projekt)
{
    if (projekt.elementy.size() > MAKS_LICZBA_ELEMENTOW)
        return KomunikatLimituElementow();
    return ZapiszBajty(cel, ZakodujProjekt(projekt));
}

QString KomunikatPelnejListy()
{
    return QStringLiteral("Projekt ma już %1 elementów dachu, najwięcej, ile mieści plik "
                          "projektu; nie można dodać kolejnego")
        .arg(MAKS_LICZBA_ELEMENTOW);
}

QString KomunikatLimituElementow()
{
    return QStringLiteral("Projekt ma ponad %1 elementów dachu; nie można go zapisać")
        .arg(MAKS_LICZBA_ELEMENTOW);
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

QString CzytajPlikProjektu(const QString &sciezka, Projekt &projekt)
{
    const QByteArray nazwa = NazwaSystemowa(sciezka);
    if (nazwa.isEmpty())
        return KomunikatBleduSystemu(EINVAL);
    // Looked at before it is opened: opening a pipe waits for a writer, and a
    // device may do something on open.
    struct stat st;
    if (::stat(nazwa.constData(), &st) != 0)
        return KomunikatBleduSystemu(errno);
    QString blad = RodzajPliku(st);
    if (!blad.isEmpty())
        return blad;
    const int d = ::open(nazwa.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (d < 0)
        return KomunikatBleduSystemu(errno);
    // Swapped for something else in the meantime: the same checks again.
    if (::fstat(d, &st) != 0)
        blad = KomunikatBleduSystemu(errno);
    else
        blad = RodzajPliku(st);
    QFile plik;
    if (blad.isEmpty() && !plik.open(d, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        blad = KomunikatBleduSystemu(EIO);
    if (!blad.isEmpty()) {
        ::close(d);
        return blad;
    }
    try {
        return OdczytajProjekt(plik, projekt);
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Out of memory");
    }
}

QString ZapiszPlikProjektu(const QString &sciezka, const Projekt &projekt)
{
    return ZapiszPlik(
        sciezka, [&projekt](QIODevice &plik) { return ZapiszProjektDoUrzadzenia(plik, projekt); });
}

bool ZnakWindows1250(char32_t znak)
{
    return Cp1250().bajty.contains(znak);
}

QString RodzajPliku(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return QString();
    if (S_ISDIR(st.st_mode))
        return KomunikatBleduSystemu(EISDIR);
    return QStringLiteral("To nie jest zwykły plik");
}

QString KomunikatBleduSystemu(int kod)
{
    switch (kod) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case ENAMETOOLONG:
    case EINVAL:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(kod);
    }
}

} // namespace kerwano
