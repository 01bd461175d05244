// The core library: the class calculation, the angle curves and lookup, the
// roof element texts, the number formats and the project file.

#include "angles/KrzyweKatow.h"
#include "bench/ProjektWzorcowy.h"
#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "project/KopiaOdzyskiwania.h"
#include "project/PlikProjektu.h"
#include "risk/Formaty.h"
#include "risk/Klasa.h"
#include "risk/Konwersja.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

namespace {

// Inputs varied so that no branch is always taken: heights and dimensions
// over the whole range the program sees, a few above the curves' limits.
std::array<double, 64> Wysokosci()
{
    std::array<double, 64> h{};
    for (std::size_t i = 0; i < h.size(); ++i)
        h[i] = double(i) * 0.987 + 0.013 * double(i % 7);
    return h;
}

void BM_ObliczKlase(benchmark::State &state)
{
    const std::array<double, 64> h = Wysokosci();
    kerwano::DaneKlasy dane;
    dane.A1 = 0.2;
    dane.B2 = 0.8;
    dane.Ng = 1.8;
    dane.Ce = 1;
    std::size_t i = 0;
    for (auto _ : state) {
        dane.dlugosc_budynku = 10 + h[i];
        dane.szerokosc_budynku = 5 + h[(i + 9) % h.size()];
        dane.wysokosc_budynku = h[(i + 20) % h.size()];
        benchmark::DoNotOptimize(kerwano::ObliczKlase(dane));
        i = (i + 1) % h.size();
    }
}
BENCHMARK(BM_ObliczKlase);

void BM_BudowaKrzywych(benchmark::State &state)
{
    for (auto _ : state) {
        kerwano::KrzyweKatow krzywe;
        benchmark::DoNotOptimize(krzywe.Krzywa(4).data());
    }
}
BENCHMARK(BM_BudowaKrzywych)->Unit(benchmark::kMicrosecond);

void BM_KatOslonowy(benchmark::State &state)
{
    const kerwano::KrzyweKatow krzywe;
    const std::array<double, 64> h = Wysokosci();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(krzywe.KatOslonowy(kerwano::Klasa(1 + int(i % 4)), h[i]));
        i = (i + 1) % h.size();
    }
}
BENCHMARK(BM_KatOslonowy);

void BM_TekstKata(benchmark::State &state)
{
    const kerwano::KrzyweKatow krzywe;
    const std::array<double, 64> h = Wysokosci();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(krzywe.TekstKata(kerwano::Klasa(1 + int(i % 4)), h[i]));
        i = (i + 1) % h.size();
    }
}
BENCHMARK(BM_TekstKata);

void BM_ZlozParametry(benchmark::State &state)
{
    const std::array<double, 64> h = Wysokosci();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kerwano::ZlozParametry(i % 2 ? kerwano::TypUkladu::B : kerwano::TypUkladu::A,
                                   kerwano::TypInstalacji(1 + int(i % 3)),
                                   kerwano::Material::Powietrze, h[i], 7.5, 10, 4));
        i = (i + 1) % h.size();
    }
}
BENCHMARK(BM_ZlozParametry);

// Every reader on one text, as the separation distance reads an element.
void BM_Czytniki(benchmark::State &state)
{
    const QString tekst =
        kerwano::ZlozParametry(kerwano::TypUkladu::B, kerwano::TypInstalacji::Uklad3,
                               kerwano::Material::Dielektryk, 15, 7.5, 10, 4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerwano::CzytajTypUkladu(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajTypInstalacji(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajMaterial(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajH(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajL(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajF(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajC(tekst));
        benchmark::DoNotOptimize(kerwano::CzytajN(tekst));
    }
}
BENCHMARK(BM_Czytniki);

void BM_ObliczOdstep(benchmark::State &state)
{
    const kerwano::KrzyweKatow krzywe;
    const QString tekst =
        kerwano::ZlozParametry(kerwano::TypUkladu::A, kerwano::TypInstalacji::Uklad3,
                               kerwano::Material::Powietrze, 15, 7.5, 10, 4);
    int klasa = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerwano::ObliczOdstep(tekst, kerwano::Klasa(klasa), krzywe));
        klasa = klasa % 4 + 1;
    }
}
BENCHMARK(BM_ObliczOdstep);

// The formats on values of every magnitude page 1 shows.
const std::array<double, 8> liczby = {80,         41.2743338823, 0.0000185734, 6427.43,
                                      0.96542597, 1234567.8,     0.000004,     12.5};

template <QString (*Format)(long double)> void BM_Format(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Format(liczby[i]));
        i = (i + 1) % liczby.size();
    }
}
BENCHMARK_TEMPLATE(BM_Format, kerwano::F5)->Name("BM_Format/F5");
BENCHMARK_TEMPLATE(BM_Format, kerwano::F2)->Name("BM_Format/F2");
BENCHMARK_TEMPLATE(BM_Format, kerwano::F6)->Name("BM_Format/F6");
BENCHMARK_TEMPLATE(BM_Format, kerwano::K2)->Name("BM_Format/K2");
BENCHMARK_TEMPLATE(BM_Format, kerwano::G)->Name("BM_Format/G");

void BM_DwaMiejsca(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerwano::DwaMiejsca(liczby[i]));
        i = (i + 1) % liczby.size();
    }
}
BENCHMARK(BM_DwaMiejsca);

void BM_TekstNaLiczbe(benchmark::State &state)
{
    const QString teksty[] = {QStringLiteral("12,50"), QStringLiteral("1"),
                              QStringLiteral("  -0,5E3 "), QStringLiteral("1,2,3"),
                              QStringLiteral("2000000,00")};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kerwano::TekstNaLiczbe(teksty[i]));
        i = (i + 1) % std::size(teksty);
    }
}
BENCHMARK(BM_TekstNaLiczbe);

QString Sciezka(const char *nazwa)
{
    return QDir::temp().filePath(QStringLiteral("kerwano-bench-%1-%2")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QString::fromLatin1(nazwa)));
}

void BM_ZakodujProjekt(benchmark::State &state)
{
    const kerwano::Projekt p = pomiar::ProjektWzorcowy(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(kerwano::ZakodujProjekt(p));
}
BENCHMARK(BM_ZakodujProjekt)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_OdczytajProjekt(benchmark::State &state)
{
    QByteArray bajty = kerwano::ZakodujProjekt(pomiar::ProjektWzorcowy(int(state.range(0))));
    for (auto _ : state) {
        QBuffer bufor(&bajty);
        bufor.open(QIODevice::ReadOnly);
        kerwano::Projekt p;
        benchmark::DoNotOptimize(kerwano::OdczytajProjekt(bufor, p));
    }
}
BENCHMARK(BM_OdczytajProjekt)->Arg(100)->Unit(benchmark::kMicrosecond);

// The write of the program into memory: every field checked on its way out.
void BM_ZapiszProjekt(benchmark::State &state)
{
    const kerwano::Projekt p = pomiar::ProjektWzorcowy(int(state.range(0)));
    for (auto _ : state) {
        QByteArray bajty;
        QBuffer bufor(&bajty);
        bufor.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(kerwano::ZapiszProjektDoUrzadzenia(bufor, p));
    }
}
BENCHMARK(BM_ZapiszProjekt)->Arg(100)->Unit(benchmark::kMicrosecond);

// The file as the program opens it: open, read, check, close.
void BM_CzytajPlikProjektu(benchmark::State &state)
{
    const QString sciezka = Sciezka("czytaj.kwp");
    kerwano::ZapiszPlikProjektu(sciezka, pomiar::ProjektWzorcowy(int(state.range(0))));
    for (auto _ : state) {
        kerwano::Projekt p;
        const QString blad = kerwano::CzytajPlikProjektu(sciezka, p);
        if (!blad.isEmpty()) {
            state.SkipWithError(qPrintable(blad));
            break;
        }
    }
    QFile::remove(sciezka);
}
BENCHMARK(BM_CzytajPlikProjektu)->Arg(100)->Unit(benchmark::kMicrosecond);

// The recovery copy of a project with unsaved changes as the timer writes
// it: the project's name and the project through ZapiszPlik, both synced to
// the disk, in the user's data folder.
void BM_KopiaOdzyskiwania(benchmark::State &state)
{
    const kerwano::Projekt p = pomiar::ProjektWzorcowy(int(state.range(0)));
    kerwano::KopiaOdzyskiwania kopia;
    for (auto _ : state) {
        const QString blad = kopia.Zapisz(p, QStringLiteral("/home/projektant/Dom.kwp"));
        if (!blad.isEmpty()) {
            state.SkipWithError(qPrintable(blad));
            break;
        }
    }
    kopia.Usun();
}
BENCHMARK(BM_KopiaOdzyskiwania)->Arg(100)->Unit(benchmark::kMillisecond);

// The save as the program makes it: a new file beside the old one,
// written unbuffered, synced to the disk, then put in its place (its wall
// time is mostly the disk's).
void BM_ZapiszPlikProjektu(benchmark::State &state)
{
    const QString sciezka = Sciezka("zapisz.kwp");
    const kerwano::Projekt p = pomiar::ProjektWzorcowy(int(state.range(0)));
    for (auto _ : state) {
        const QString blad = kerwano::ZapiszPlikProjektu(sciezka, p);
        if (!blad.isEmpty()) {
            state.SkipWithError(qPrintable(blad));
            break;
        }
    }
    QFile::remove(sciezka);
}
BENCHMARK(BM_ZapiszPlikProjektu)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // --dym (the smoke run of CTest) changes nothing here: every benchmark
    // already runs as few iterations as --benchmark_min_time allows.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dym") == 0) {
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    QCoreApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
