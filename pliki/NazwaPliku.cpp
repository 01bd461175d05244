#include "pliki/NazwaPliku.h"

#include <sys/stat.h>

namespace kerwano {

namespace {

constexpr char16_t POCZATEK_UCIECZEK = 0xDC80; // stands for the byte 0x80
constexpr char16_t KONIEC_UCIECZEK = 0xDCFF;   // ... up to 0xFF

bool Ucieczka(char16_t z)
{
    return z >= POCZATEK_UCIECZEK && z <= KONIEC_UCIECZEK;
}

bool Kontynuacja(uchar b)
{
    return (b & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting at p[0] (1 to 4 bytes, the
// shortest form only, no surrogates, nothing above U+10FFFF), or 0.
int DlugoscSekwencji(const uchar *p, qsizetype zostalo, char32_t &znak)
{
    const uchar b = p[0];
    if (b < 0x80) {
        znak = b;
        return 1;
    }
    int dlugosc;
    char32_t najmniejszy;
    if (b >= 0xC2 && b <= 0xDF) {
        dlugosc = 2;
        znak = b & 0x1F;
        najmniejszy = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        dlugosc = 3;
        znak = b & 0x0F;
        najmniejszy = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        dlugosc = 4;
        znak = b & 0x07;
        najmniejszy = 0x10000;
    } else {
        return 0;
    }
    if (zostalo < dlugosc)
        return 0;
    for (int i = 1; i < dlugosc; ++i) {
        if (!Kontynuacja(p[i]))
            return 0;
        znak = (znak << 6) | (p[i] & 0x3F);
    }
    if (znak < najmniejszy || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF))
        return 0;
    return dlugosc;
}

void DopiszUtf8(QByteArray &cel, char32_t z)
{
    if (z < 0x80) {
        cel += char(z);
    } else if (z < 0x800) {
        cel += char(0xC0 | (z >> 6));
        cel += char(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        cel += char(0xE0 | (z >> 12));
        cel += char(0x80 | ((z >> 6) & 0x3F));
        cel += char(0x80 | (z & 0x3F));
    } else {
        cel += char(0xF0 | (z >> 18));
        cel += char(0x80 | ((z >> 12) & 0x3F));
        cel += char(0x80 | ((z >> 6) & 0x3F));
        cel += char(0x80 | (z & 0x3F));
    }
}

} // namespace

QString DekodujNazwePliku(const QByteArray &bajty)
{
    const auto *p = reinterpret_cast<const uchar *>(bajty.constData());
    const qsizetype n = bajty.size();
    QString wynik;
    wynik.reserve(n);
    for (qsizetype i = 0; i < n;) {
        char32_t znak = 0;
        const int dlugosc = DlugoscSekwencji(p + i, n - i, znak);
        if (dlugosc == 0) {
            wynik += QChar(char16_t(POCZATEK_UCIECZEK + (p[i] - 0x80)));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(znak)) {
            wynik += QChar(QChar::highSurrogate(znak));
            wynik += QChar(QChar::lowSurrogate(znak));
        } else {
            wynik += QChar(char16_t(znak));
        }
        i += dlugosc;
    }
    return wynik;
}

QByteArray KodujNazwePliku(const QString &nazwa)
{
    QByteArray wynik;
    wynik.reserve(nazwa.size() * 3);
    const qsizetype n = nazwa.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t z = nazwa.at(i).unicode();
        if (QChar::isHighSurrogate(z) && i + 1 < n && nazwa.at(i + 1).isLowSurrogate()) {
            DopiszUtf8(wynik, QChar::surrogateToUcs4(z, nazwa.at(i + 1).unicode()));
            ++i;
        } else if (Ucieczka(z)) {
            wynik += char(0x80 + (z - POCZATEK_UCIECZEK));
        } else if (QChar::isSurrogate(z)) {
            DopiszUtf8(wynik, QChar::ReplacementCharacter); // as Qt writes it
        } else {
            DopiszUtf8(wynik, z);
        }
    }
    return wynik;
}

QString CzytelnaNazwaPliku(const QString &nazwa)
{
    QString wynik = nazwa;
    for (qsizetype i = 0; i < wynik.size(); ++i) {
        const QChar z = wynik.at(i);
        if (z.isHighSurrogate() && i + 1 < wynik.size() && wynik.at(i + 1).isLowSurrogate())
            ++i;
        else if (Ucieczka(z.unicode()))
            wynik[i] = QChar::ReplacementCharacter;
    }
    return wynik;
}

QByteArray NazwaSystemowa(const QString &sciezka)
{
    const QByteArray nazwa = KodujNazwePliku(sciezka);
    return nazwa.contains('\0') ? QByteArray() : nazwa;
}

bool ZwyklyPlik(const QString &sciezka)
{
    struct stat st;
    return !sciezka.isEmpty() && ::stat(KodujNazwePliku(sciezka).constData(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

} // namespace kerwano
