// The risk assessment: a keystroke's recomputation (check and compute the
// whole document) and "Dobierz ochronę" on an assessment of 5 zones and 4
// lines with every risk assessed; and the whole `kerwano --ryzyko` process
// beside `kerwano --wyniki`.

#include "assessment/Dobor.h"
#include "assessment/Dokument.h"
#include "assessment/PlikOceny.h"
#include "assessment/Walidacja.h"
#include "bench/FolderyBenchmarku.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace kerwano::ocena;

void Ustaw(Json &o, const char *klucz, Json w)
{
    o.Ustaw(QString::fromLatin1(klucz), std::move(w));
}
Json T(const char *t)
{
    return Json::Tekst(QString::fromUtf8(t));
}
Json N(double x)
{
    return Json::Liczba(x);
}

// 5 zones (one outside), 4 lines (one with an adjacent structure), R1 to R4.
Json Ocena5x4()
{
    Json d = NowaOcena(QDate(2026, 12, 9));
    Json &o = *d.Pole(QStringLiteral("obiekt"));
    Ustaw(o, "L", N(60));
    Ustaw(o, "W", N(25));
    Ustaw(o, "H", N(18));
    Ustaw(o, "HP", N(30));
    Ustaw(o, "CD", T("otoczony_rownymi"));
    Ustaw(o, "NG", N(2.7));
    Ustaw(o, "nt", N(400));
    Json oceniane = Json::Obiekt();
    Ustaw(oceniane, "R2", Json::Logiczna(true));
    Ustaw(oceniane, "R3", Json::Logiczna(true));
    Ustaw(oceniane, "R4", Json::Logiczna(true));
    Ustaw(o, "oceniane", oceniane);
    Ustaw(*o.Pole(QStringLiteral("L2")), "usluga", T("gaz_woda_energia"));
    Ustaw(*o.Pole(QStringLiteral("L2")), "nt", N(5000));
    Ustaw(*o.Pole(QStringLiteral("L3")), "ct", N(4e6));
    Ustaw(*o.Pole(QStringLiteral("L4")), "ct", N(9e7));
    Ustaw(*o.Pole(QStringLiteral("L4")), "CPM", N(12000));
    Json &linie = *d.Pole(QStringLiteral("linie"));
    const char *rodzaje[] = {"energetyczna", "telekomunikacyjna", "energetyczna",
                             "telekomunikacyjna"};
    for (int i = 0; i < 4; ++i) {
        Json l = NowaLinia(d);
        Ustaw(l, "rodzaj", T(rodzaje[i]));
        Ustaw(l, "UW", N(i % 2 ? 1.5 : 2.5));
        if (i == 2) {
            Json s = Json::Obiekt();
            Ustaw(s, "LJ", N(20));
            Ustaw(s, "WJ", N(15));
            Ustaw(s, "HJ", N(9));
            Ustaw(s, "CDJ", T("odosobniony"));
            Ustaw(l, "sasiedni", s);
        }
        linie.tablica.push_back(l);
    }
    Json &strefy = *d.Pole(QStringLiteral("strefy"));
    strefy.tablica.clear();
    for (int j = 0; j < 5; ++j) {
        Json z = NowaStrefa(d);
        Ustaw(z, "polozenie", T(j == 4 ? "na_zewnatrz" : "wewnatrz"));
        Ustaw(z, "nz", N(j == 4 ? 10 : 90));
        Ustaw(z, "rt", T("marmur_ceramika"));
        Ustaw(z, "rf", T("pozar_zwykle"));
        Ustaw(z, "zagrozenie_zycia", Json::Logiczna(j == 0));
        Ustaw(z, "LO", j == 0 ? N(0.01) : Json());
        Ustaw(*z.Pole(QStringLiteral("L2")), "nz", N(1000));
        Ustaw(*z.Pole(QStringLiteral("L3")), "cz", N(5e5));
        Json &l4 = *z.Pole(QStringLiteral("L4"));
        Ustaw(l4, "cb", N(1e7));
        Ustaw(l4, "cc", N(4e6));
        Ustaw(l4, "cs", N(2e6));
        strefy.tablica.push_back(z);
        if (j < 4)
            for (int k = 0; k < 4; ++k) {
                Json s = NowySystem(d, j);
                strefy.tablica.back().Pole(QStringLiteral("systemy"))->tablica.push_back(s);
            }
    }
    return d;
}

// A keystroke: one field changed, the whole document checked and computed.
void BM_RyzykoKlawisz(benchmark::State &state)
{
    Json d = Ocena5x4();
    if (!Sprawdz(d).Poprawna())
        state.SkipWithError("the assessment has errors");
    Json &nz = *d.Pole(QStringLiteral("strefy"))->tablica[1].Pole(QStringLiteral("tz"));
    int i = 0;
    for (auto _ : state) {
        nz = Json::Liczba(8000 + (i++ % 700));
        const Walidacja w = Sprawdz(d);
        const Wyniki wyniki = Oblicz(w.dane);
        benchmark::DoNotOptimize(wyniki.r[0].R);
    }
}
BENCHMARK(BM_RyzykoKlawisz)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// "Dobierz ochronę" on it, from checked inputs.
void BM_DobierzOchrone(benchmark::State &state)
{
    const Walidacja w = Sprawdz(Ocena5x4());
    const Wyniki wyniki = Oblicz(w.dane);
    for (auto _ : state) {
        const Dobor dobor = DobierzOchrone(w.dane, wyniki);
        benchmark::DoNotOptimize(dobor.kroki.size());
    }
    state.counters["kroki"] = double(DobierzOchrone(w.dane, wyniki).kroki.size());
}
BENCHMARK(BM_DobierzOchrone)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The whole process, wall time: `--ryzyko` on that assessment, `--wyniki` on
// the project of tests/ (the worked building) for comparison.
void Proces(benchmark::State &state, const QStringList &argumenty)
{
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(KERWANO_PROGRAM), argumenty);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("the command failed");
    }
}
QTemporaryDir *g_katalog = nullptr;

void BM_ProcesRyzyko(benchmark::State &state)
{
    const QString plik = g_katalog->filePath(QStringLiteral("ocena.kwr"));
    ZapiszOcene(plik, Ocena5x4());
    Proces(state, {QStringLiteral("--ryzyko"), plik});
}
BENCHMARK(BM_ProcesRyzyko)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_ProcesWyniki(benchmark::State &state)
{
    Proces(state, {QStringLiteral("--wyniki"), QStringLiteral(KERWANO_PROJEKT)});
}
BENCHMARK(BM_ProcesWyniki)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    pomiar::FolderyBenchmarku();
    QCoreApplication aplikacja(argc, argv);
    QTemporaryDir katalog;
    g_katalog = &katalog;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
