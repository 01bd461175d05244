// The program's text conversions on any input: the numbers typed into the
// dimension and dialog fields against an independent reading by the C
// library, the parameter-text readers, the composer (a composed text reads
// back to the values it shows), the number formats and the file names; and
// any Unicode typed into the project data and element names, through the
// model's edit operations, saved and read back: the file gives back exactly
// what the model shows.

#include "angles/KrzyweKatow.h"
#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "elements/UkladyElementu.h"
#include "pliki/NazwaPliku.h"
#include "pliki/TekstPliku.h"
#include "project/ModelProjektu.h"
#include "project/PlikProjektu.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"

#include <QBuffer>
#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void Blad(const char *co, const QString &tekst)
{
    std::fprintf(stderr, "fuzz_teksty: %s: \"%s\"\n", co, tekst.toUtf8().constData());
    std::abort();
}

const kerwano::KrzyweKatow &Krzywe()
{
    static const kerwano::KrzyweKatow krzywe;
    return krzywe;
}

bool Takie(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// TekstNaLiczbe against the documented grammar and strtod.
void SprawdzLiczbe(const QString &tekst)
{
    static const QRegularExpression skladnia(
        QStringLiteral("^ *([+-]?)([0-9]*)(,([0-9]*))?(?:[eE]([+-]?)([0-9]*))? *\\z"));
    const std::optional<double> wynik = kerwano::TekstNaLiczbe(tekst);
    const QRegularExpressionMatch m = skladnia.match(tekst);
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && !m.hasCaptured(3))) {
        if (wynik)
            Blad("TekstNaLiczbe takes a text outside its grammar", tekst);
        return;
    }
    const auto grupa = [&m](int n, const char *pusta) {
        return m.capturedLength(n) > 0 ? m.captured(n).toStdString() : std::string(pusta);
    };
    const std::string c =
        grupa(1, "") + grupa(2, "0") + "." + grupa(4, "0") + "e" + grupa(5, "") + grupa(6, "0");
    errno = 0;
    char *koniec = nullptr;
    const double oczekiwany = std::strtod(c.c_str(), &koniec);
    if (*koniec != '\0')
        Blad("the reference did not read its text", tekst);
    if (std::isinf(oczekiwany)) {
        if (wynik)
            Blad("TekstNaLiczbe takes a number too large for a double", tekst);
        return;
    }
    if (!wynik)
        Blad("TekstNaLiczbe refuses a number", tekst);
    if (!Takie(*wynik, oczekiwany))
        Blad("TekstNaLiczbe reads another number than strtod", tekst);
}

// TekstNaCalkowita against the documented grammar and a 64-bit reading.
void SprawdzCalkowita(const QString &tekst)
{
    static const QRegularExpression skladnia(QStringLiteral("^ *([+-]?)0*([0-9]+)\\z"));
    const std::optional<int> wynik = kerwano::TekstNaCalkowita(tekst);
    const QRegularExpressionMatch m = skladnia.match(tekst);
    std::optional<int> oczekiwany;
    if (m.hasMatch() && m.capturedLength(2) <= 11) {
        long long w = m.captured(2).toLongLong();
        if (m.captured(1) == QLatin1String("-"))
            w = -w;
        if (w >= INT_MIN && w <= INT_MAX)
            oczekiwany = int(w);
    }
    if (wynik != oczekiwany)
        Blad("TekstNaCalkowita", tekst);
}

// Any text: the readers give codes of their tables and finite numbers, and
// everything computed from it is shown.
void SprawdzCzytniki(const QString &tekst)
{
    const int uklad = int(kerwano::CzytajTypUkladu(tekst));
    const int instalacja = int(kerwano::CzytajTypInstalacji(tekst));
    const int material = int(kerwano::CzytajMaterial(tekst));
    if (uklad < 0 || uklad > 2 || instalacja < 0 || instalacja > 3 || material < 0 || material > 2)
        Blad("a code outside its table", tekst);
    const double liczby[] = {kerwano::CzytajH(tekst), kerwano::CzytajL(tekst),
                             kerwano::CzytajF(tekst), kerwano::CzytajC(tekst)};
    for (double x : liczby) {
        if (!std::isfinite(x))
            Blad("a reader gives a number that is not finite", tekst);
    }
    kerwano::CzytajN(tekst);
    for (int klasa = 0; klasa <= 5; ++klasa) {
        const kerwano::WynikOdstepu w =
            kerwano::ObliczOdstep(tekst, kerwano::Klasa(klasa), Krzywe());
        if (kerwano::TekstOdstepu(w.d).isEmpty() || kerwano::TekstAlfa(w.alfa).isEmpty() ||
            Krzywe().TekstKata(kerwano::Klasa(klasa), liczby[0]).isEmpty())
            Blad("an empty result text", tekst);
        if (w.d < 0 || w.d_pn < 0)
            Blad("a negative separation distance", tekst);
    }
}

// A double of any kind: every bit pattern, ordinary two-decimal values and
// values around the limits of the formats.
double Liczba(FuzzedDataProvider &dane)
{
    switch (dane.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        const uint64_t bity = dane.ConsumeIntegral<uint64_t>();
        double x;
        std::memcpy(&x, &bity, sizeof x);
        return x;
    }
    case 1:
        return double(dane.ConsumeIntegralInRange<int64_t>(-100'000'000, 100'000'000)) / 100;
    case 2:
        return dane.ConsumeFloatingPointInRange(-2e6, 2e6);
    default:
        return dane.ConsumeFloatingPoint<double>();
    }
}

// What a reader gives for a number shown as `pokazany`, the last field of
// its text or not: a shown text past 255 characters is cut there when last.
double Pokazana(const QString &pokazany, bool ostatnie)
{
    return kerwano::TekstNaLiczbe(ostatnie ? pokazany.left(255) : pokazany).value_or(0);
}

// ZlozParametry: its text reads back to the codes it was given and to the
// numbers it shows.
void SprawdzZlozenie(FuzzedDataProvider &dane)
{
    const auto &uklady = kerwano::Uklady();
    const auto &instalacje = kerwano::Instalacje();
    const auto &osrodki = kerwano::Osrodki();
    const auto uklad = uklady[dane.ConsumeIntegralInRange<size_t>(0, uklady.size() - 1)].typ;
    const kerwano::OpisInstalacji &opis =
        instalacje[dane.ConsumeIntegralInRange<size_t>(0, instalacje.size() - 1)];
    const auto instalacja = opis.typ;
    const auto material = osrodki[dane.ConsumeIntegralInRange<size_t>(0, osrodki.size() - 1)].typ;
    const double H = Liczba(dane), L = Liczba(dane), fc = Liczba(dane);
    const int n = dane.ConsumeIntegral<int>();
    const QString tekst = kerwano::ZlozParametry(uklad, instalacja, material, H, L, fc, n);

    if (kerwano::CzytajTypUkladu(tekst) != uklad ||
        kerwano::CzytajTypInstalacji(tekst) != instalacja ||
        kerwano::CzytajMaterial(tekst) != material)
        Blad("ZlozParametry: a code does not read back", tekst);
    // The layout's fields after H and L, each read back as shown (the last
    // one cut as the readers cut it); a field it lacks reads as 0.
    using kerwano::PoleParametru;
    std::vector<PoleParametru> pola = {PoleParametru::H, PoleParametru::L};
    pola.insert(pola.end(), opis.pola.begin(), opis.pola.end());
    const auto oczekiwana = [&](PoleParametru pole) -> double {
        const auto miejsce = std::find(pola.begin(), pola.end(), pole);
        if (miejsce == pola.end())
            return 0;
        if (kerwano::OpisPolaParametru(pole).calkowite)
            return n;
        const double x = pole == PoleParametru::H ? H : pole == PoleParametru::L ? L : fc;
        return Pokazana(kerwano::DwaMiejsca(x), miejsce + 1 == pola.end());
    };
    if (kerwano::CzytajH(tekst) != oczekiwana(PoleParametru::H) ||
        kerwano::CzytajL(tekst) != oczekiwana(PoleParametru::L) ||
        kerwano::CzytajF(tekst) != oczekiwana(PoleParametru::F) ||
        kerwano::CzytajC(tekst) != oczekiwana(PoleParametru::C) ||
        kerwano::CzytajN(tekst) != oczekiwana(PoleParametru::N))
        Blad("ZlozParametry: a number does not read back as shown", tekst);

    // Every format writes something, and the two-decimal form of a finite
    // number always reads back as a number.
    const long double x = H;
    if (kerwano::F2(x).isEmpty() || kerwano::F5(x).isEmpty() || kerwano::F6(x).isEmpty() ||
        kerwano::K2(x).isEmpty() || kerwano::G(x).isEmpty())
        Blad("an empty format", tekst);
    if (std::isfinite(H) && !kerwano::TekstNaLiczbe(kerwano::DwaMiejsca(H)))
        Blad("DwaMiejsca writes what does not read back", kerwano::DwaMiejsca(H));
    for (int klasa = 0; klasa <= 5; ++klasa)
        Krzywe().KatOslonowy(kerwano::Klasa(klasa), H);
}

// Bytes of a file name -> name -> the same bytes.
void SprawdzNazwe(const QByteArray &bajty)
{
    if (bajty.contains('\0'))
        return;
    const QString nazwa = kerwano::DekodujNazwePliku(bajty);
    if (kerwano::KodujNazwePliku(nazwa) != bajty)
        Blad("a file name does not come back as its bytes", nazwa);
    // The readable form: as long, and plain UTF-8 that stays as it is.
    const QString czytelna = kerwano::CzytelnaNazwaPliku(nazwa);
    if (czytelna.size() != nazwa.size() ||
        kerwano::DekodujNazwePliku(kerwano::KodujNazwePliku(czytelna)) != czytelna ||
        kerwano::CzytelnaNazwaPliku(czytelna) != czytelna)
        Blad("the readable form of a file name", czytelna);
}

// A text field of `pojemnosc` holding `tekst`: `wpis` arrives at a place in
// it, as typing, pasting or dropping does. What the field then holds.
QString Wpisz(FuzzedDataProvider &dane, const QString &tekst, int pojemnosc)
{
    const QString wpis =
        QString::fromUtf8(QByteArray::fromStdString(dane.ConsumeRandomLengthString(200)));
    const int kursor = dane.ConsumeIntegralInRange<int>(0, int(tekst.size()));
    const QString nowy = tekst.left(kursor) + wpis + tekst.mid(kursor);
    const kerwano::TekstPola pole =
        kerwano::PrzyjmijTekst(nowy, kursor + int(wpis.size()), pojemnosc);
    if (!kerwano::TekstMiesciSie(pole.tekst, pojemnosc))
        Blad("a field keeps what the file cannot hold", pole.tekst);
    if (pole.kursor < 0 || pole.kursor > pole.tekst.size())
        Blad("the cursor outside the field", pole.tekst);
    if (kerwano::PrzyjmijTekst(pole.tekst, pole.kursor, pojemnosc).tekst != pole.tekst)
        Blad("a field's text changes when taken again", pole.tekst);
    return pole.tekst;
}

// Edits through the model as the dialogs make them, then save and read back.
void SprawdzZapisTekstow(FuzzedDataProvider &dane)
{
    kerwano::ModelProjektu model;
    model.UstawDomyslne();
    const int operacji = dane.ConsumeIntegralInRange(1, 8);
    for (int i = 0; i < operacji && dane.remaining_bytes() > 0; ++i) {
        const int co = dane.ConsumeIntegralInRange(0, 2);
        if (co == 0) {
            std::array<QString, kerwano::LICZBA_DANYCH> teksty = model.DaneProjektu();
            for (size_t d = 0; d < teksty.size(); ++d)
                teksty[d] = Wpisz(dane, teksty[d], kerwano::POJEMNOSC_DANYCH[d]);
            model.UstawDaneProjektu(teksty);
            continue;
        }
        const int wiersz = dane.ConsumeIntegralInRange(1, qMax(1, model.liczba_elementow()));
        kerwano::DaneElementu element =
            co == 1 ? model.elementy().NowyElement() : model.elementy().ElementWiersza(wiersz);
        element.nazwa = Wpisz(dane, element.nazwa, kerwano::POJEMNOSC_NAZWY_ELEMENTU);
        element.typ_instalacji = kerwano::Instalacje()[dane.ConsumeIntegralInRange<size_t>(
                                                           0, kerwano::Instalacje().size() - 1)]
                                     .typ;
        // Dimensions a roof has; the numbers' own limits are not the subject here.
        element.H = dane.ConsumeIntegralInRange(0, 99999) / 100.0;
        element.L = dane.ConsumeIntegralInRange(0, 99999) / 100.0;
        element.fc = dane.ConsumeIntegralInRange(0, 99999) / 100.0;
        element.n = dane.ConsumeIntegralInRange(0, 999);
        if (co == 1)
            model.DodajElement(element);
        else
            model.ZmienElement(wiersz, element);
    }

    const QByteArray plik = kerwano::ZakodujProjekt(model.ZbierzProjekt());
    QBuffer bufor;
    bufor.setData(plik);
    bufor.open(QIODevice::ReadOnly);
    kerwano::Projekt wczytany;
    if (!kerwano::OdczytajProjekt(bufor, wczytany).isEmpty())
        Blad("a saved project does not read back", QString());
    for (size_t d = 0; d < wczytany.dane.size(); ++d) {
        if (wczytany.dane[d] != model.DaneProjektu()[d])
            Blad("a project data text reads back otherwise", model.DaneProjektu()[d]);
    }
    if (wczytany.elementy.size() != model.liczba_elementow())
        Blad("the element count reads back otherwise", QString());
    for (int w = 1; w <= model.liczba_elementow(); ++w) {
        const kerwano::WierszElementu &wiersz = model.elementy().Wiersz(w);
        if (wczytany.elementy[w - 1].nazwa != wiersz.nazwa ||
            wczytany.elementy[w - 1].parametry != wiersz.parametry)
            Blad("an element reads back otherwise", wiersz.nazwa);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    SprawdzNazwe(bajty);
    const QString tekst = QString::fromUtf8(bajty);
    SprawdzLiczbe(tekst);
    SprawdzCalkowita(tekst);
    SprawdzCzytniki(tekst);
    FuzzedDataProvider dostawca(dane, rozmiar);
    SprawdzZlozenie(dostawca);
    SprawdzZapisTekstow(dostawca);
    return 0;
}
