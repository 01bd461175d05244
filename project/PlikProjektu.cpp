#include "project/PlikProjektu.h"

#include "elements/ParametryElementu.h"
#include "pliki/BladSystemu.h"
#include "pliki/NazwaPliku.h"
#include "pliki/StronaKodowa.h"
#include "pliki/ZapisPliku.h"

#include <QFile>
#include <QIODevice>
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

} // namespace kerwano
