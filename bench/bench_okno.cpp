// The main window as a designer feels it, on the offscreen platform: every
// step is timed until the event loop has done the layout and the paint it
// caused. Widgets are found by their object names.

#include "angles/KrzyweKatow.h"
#include "angles/okna/TWykres_katow.h"
#include "app/TProgram_form.h"
#include "bench/FolderyBenchmarku.h"
#include "bench/PomiarOkna.h"
#include "bench/ProjektWzorcowy.h"
#include "elements/okna/TOdstepy_parametry_form.h"
#include "project/ModelProjektu.h"
#include "project/WynikiProjektu.h"
#include "project/okna/HistoriaProjektu.h"
#include "reports/TrescObliczen.h"
#include "reports/okna/WydrukObliczen.h"
#include "risk/okna/TInfo_form.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextStream>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using benchmark::Counter;

// Iterations of the benchmarks that start processes; 1 in a smoke run.
int g_starty = 10;

// Per-iteration averages of what a step cost in paints and layout requests.
void Liczniki(benchmark::State &state, const pomiar::LicznikZdarzen &licznik)
{
    state.counters["malowania"] = Counter(double(licznik.malowania), Counter::kAvgIterations);
    state.counters["uklady"] = Counter(double(licznik.zadania_ukladu), Counter::kAvgIterations);
    state.counters["malowania_wykresu"] =
        Counter(double(licznik.malowania_widzetu), Counter::kAvgIterations);
}

// One step as timed, kept out of line so that a profiler can be told to
// look at the steps alone (valgrind --toggle-collect='*Klawisz*').
[[gnu::noinline]] void Klawisz(QWidget *pole, Qt::Key klawisz)
{
    QTest::keyClick(pole, klawisz);
    pomiar::Spokoj();
}

[[gnu::noinline]] void Klikniecie(QWidget *widzet, QPoint gdzie)
{
    QTest::mouseClick(widzet, Qt::LeftButton, {}, gdzie);
    pomiar::Spokoj();
}

// The main window shown with a project of `elementow` elements loaded from
// the command line, as a designer opens one, and every page looked at once
// (pages are made when first shown), back on page 1: each step then pays
// for every page it updates.
std::unique_ptr<TProgram_form> Okno(int elementow)
{
    auto okno = std::make_unique<TProgram_form>(
        QStringList{QStringLiteral("kerwano"), pomiar::PlikWzorcowy(elementow)});
    pomiar::PokazIZaczekaj(okno.get());
    if (auto *strony = okno->findChild<QTabWidget *>(QStringLiteral("PageControl1"))) {
        for (int strona : {1, 2, 0}) {
            strony->setCurrentIndex(strona);
            pomiar::Spokoj();
        }
    }
    return okno;
}

// One key typed into a dimension field of page 1, until every label is
// written and the window repainted. Each pair of iterations deletes the
// last digit and types it again: 20 -> 2 -> 20 in the width keeps class I
// (Ae, Nd and E change), 10 -> 1 -> 10 in the height goes I -> IV -> I.
void BM_KlawiszWymiaru(benchmark::State &state)
{
    const bool zmiana_klasy = state.range(0) != 0;
    auto okno = Okno(5);
    auto *pole = okno->findChild<QLineEdit *>(zmiana_klasy ? QStringLiteral("Edit3")
                                                           : QStringLiteral("Edit2"));
    if (!pole) {
        state.SkipWithError("no dimension field");
        return;
    }
    pole->setFocus();
    pole->end(false);
    const QString tekst = pole->text();
    const Qt::Key cyfra = Qt::Key(Qt::Key_0 + tekst.back().digitValue());
    pomiar::Spokoj();
    pomiar::LicznikZdarzen licznik;
    bool usun = true;
    for (auto _ : state) {
        Klawisz(pole, usun ? Qt::Key_Backspace : cyfra);
        usun = !usun;
    }
    Liczniki(state, licznik);
    if (!usun)
        QTest::keyClick(pole, cyfra);
    if (pole->text() != tekst)
        state.SkipWithError("the field did not follow the keys");
}
BENCHMARK(BM_KlawiszWymiaru)
    ->ArgName("zmiana_klasy")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The floor of a keystroke: a bare line edit writing eight labels.
void BM_KlawiszGolegoOkna(benchmark::State &state)
{
    pomiar::OknoEtykiet okno;
    pomiar::PokazIZaczekaj(&okno);
    okno.pole->setFocus();
    okno.pole->end(false);
    pomiar::LicznikZdarzen licznik;
    bool usun = true;
    for (auto _ : state) {
        Klawisz(okno.pole, usun ? Qt::Key_Backspace : Qt::Key_0);
        usun = !usun;
    }
    Liczniki(state, licznik);
}
BENCHMARK(BM_KlawiszGolegoOkna)->Unit(benchmark::kMillisecond);

// A click on a row of the page-2 element table: the chart shows that
// element's guide lines, the panel its class and angle. Rows 1 and 2
// alternate, both with an angle.
void BM_WyborWiersza(benchmark::State &state)
{
    auto okno = Okno(5);
    auto *strony = okno->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    if (!strony) {
        state.SkipWithError("no pages");
        return;
    }
    strony->setCurrentIndex(1);
    pomiar::Spokoj();
    auto *siatka = okno->findChild<QTableWidget *>(QStringLiteral("StringGrid2"));
    auto *wykres = okno->findChild<TWykres_katow *>(QStringLiteral("Chart1"));
    if (!siatka || !wykres) {
        state.SkipWithError("no page 2");
        return;
    }
    const QPoint wiersze[2] = {siatka->visualRect(siatka->model()->index(0, 0)).center(),
                               siatka->visualRect(siatka->model()->index(1, 0)).center()};
    pomiar::LicznikZdarzen licznik(wykres->viewport());
    int i = 1;
    for (auto _ : state) {
        Klikniecie(siatka->viewport(), wiersze[i]);
        i = 1 - i;
    }
    Liczniki(state, licznik);
    if (!wykres->MaLinieKata())
        state.SkipWithError("no guide lines after a selection");
}
BENCHMARK(BM_WyborWiersza)->Unit(benchmark::kMillisecond);

// The chart alone, at its designed size.
struct Wykres
{
    kerwano::KrzyweKatow krzywe;
    TWykres_katow wykres;
    Wykres()
    {
        wykres.PrzygotujWykres(krzywe);
        wykres.resize(wykres.sizeHint());
        pomiar::PokazIZaczekaj(&wykres);
    }
};

// Odswiez(): the repaint of a recalculation while page 2 shows.
void BM_WykresOdswiez(benchmark::State &state)
{
    Wykres w;
    pomiar::LicznikZdarzen licznik(w.wykres.viewport());
    for (auto _ : state) {
        w.wykres.Odswiez();
        pomiar::Spokoj();
    }
    Liczniki(state, licznik);
}
BENCHMARK(BM_WykresOdswiez)->Unit(benchmark::kMillisecond);

// The chart after a change of its size: layout and the whole static chart.
void BM_WykresNowyRozmiar(benchmark::State &state)
{
    Wykres w;
    const QSize rozmiar = w.wykres.size();
    pomiar::LicznikZdarzen licznik(w.wykres.viewport());
    int i = 0;
    for (auto _ : state) {
        w.wykres.resize(rozmiar + QSize(i, 0));
        pomiar::Spokoj();
        i = 1 - i;
    }
    Liczniki(state, licznik);
}
BENCHMARK(BM_WykresNowyRozmiar)->Unit(benchmark::kMillisecond);

// One full drawing of the chart's scene as a paint draws it without any
// cache: the cost every paint had before.
void BM_WykresCalaScena(benchmark::State &state)
{
    Wykres w;
    QImage obraz(w.wykres.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        obraz.fill(Qt::white);
        QPainter p(&obraz);
        p.setRenderHints(w.wykres.renderHints());
        w.wykres.scene()->render(&p, QRectF(obraz.rect()), w.wykres.sceneRect());
    }
}
BENCHMARK(BM_WykresCalaScena)->Unit(benchmark::kMillisecond);

// Loading a 100-element project into the window on page 1: the file, the
// selections and dimensions, the recalculation, both tables refilled, and
// the paint. Two projects alternate so that every load changes the rows.
void BM_WczytanieProjektu(benchmark::State &state)
{
    auto okno = Okno(0);
    const QString pliki[2] = {pomiar::PlikWzorcowy(int(state.range(0))),
                              pomiar::PlikWzorcowy(int(state.range(0)) - 1)};
    pomiar::LicznikZdarzen licznik;
    int i = 0;
    for (auto _ : state) {
        okno->WczytajProjekt(pliki[i]);
        pomiar::Spokoj();
        if (okno->projekt().liczba_elementow() != int(state.range(0)) - i) {
            state.SkipWithError("the project did not load");
            break;
        }
        i = 1 - i;
    }
    Liczniki(state, licznik);
}
BENCHMARK(BM_WczytanieProjektu)->Arg(100)->Unit(benchmark::kMillisecond);

// Undo, or redo, of "Usuń" of the first row of a 10,000-element project in
// the window: the state given back (or the row removed again), both tables
// refilled and the window repainted. The other half of each pair is not timed.
void BM_CofnijUsuniecie(benchmark::State &state)
{
    const bool ponow = state.range(1) != 0;
    auto okno = Okno(int(state.range(0)));
    auto *historia = okno->findChild<HistoriaProjektu *>();
    if (!historia || okno->projekt().liczba_elementow() != int(state.range(0))) {
        state.SkipWithError("no project or no history");
        return;
    }
    historia->UsunElement(1);
    pomiar::Spokoj();
    pomiar::LicznikZdarzen licznik;
    for (auto _ : state) {
        if (ponow) {
            state.PauseTiming();
            historia->undo();
            pomiar::Spokoj();
            state.ResumeTiming();
            historia->redo();
            pomiar::Spokoj();
        } else {
            historia->undo();
            pomiar::Spokoj();
            state.PauseTiming();
            historia->redo();
            pomiar::Spokoj();
            state.ResumeTiming();
        }
    }
    Liczniki(state, licznik);
    if (okno->projekt().liczba_elementow() != int(state.range(0)) - 1)
        state.SkipWithError("the delete was not redone");
}
BENCHMARK(BM_CofnijUsuniecie)
    ->ArgNames({"elementow", "ponow"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

// The memory the history of 1,000 steps holds on a 100-element project: the
// same operations (selections, dimension texts, project data, element
// edits, adds and deletes, in turn) made on one model with the history and
// on another without it; the counter `historia_MB` is the difference of the
// heap in use.
void BM_PamiecHistorii(benchmark::State &state)
{
    const int krokow = int(state.range(0));
    double roznica = 0;
    for (auto _ : state) {
        auto wykonaj = [krokow](kerwano::ModelProjektu &m, HistoriaProjektu *h) {
            for (int i = 0; i < krokow; ++i) {
                kerwano::DaneElementu e = m.elementy().NowyElement();
                e.H = 1 + i % 40;
                const int nr = 1 + i % 3;
                auto operacja = [&, i, nr](kerwano::ModelProjektu &model) {
                    switch (i % 6) {
                    case 0:
                        return model.UstawWybor(1 + i % 13, i % 2);
                    case 1:
                        return model.UstawWymiar(nr, QString::number(10 + i % 50));
                    case 2: {
                        auto dane = model.DaneProjektu();
                        dane[3] = QStringLiteral("Budowa %1").arg(i);
                        return model.UstawDaneProjektu(dane);
                    }
                    case 3:
                        return model.ZmienElement(1 + i % 100, e);
                    case 4:
                        return model.DodajElement(e);
                    default:
                        return model.UsunElement(1 + i % 100);
                    }
                };
                if (h) {
                    h->Wykonaj(QStringLiteral("krok"), operacja, 0);
                    h->ZamknijPole();
                } else {
                    operacja(m);
                }
            }
        };
        const auto zajete = [] { return double(mallinfo2().uordblks); };
        const double przed_bez = zajete();
        double bez = 0;
        {
            kerwano::ModelProjektu m;
            m.UstawDomyslne();
            m.ZastosujProjekt(pomiar::ProjektWzorcowy(100));
            wykonaj(m, nullptr);
            bez = zajete() - przed_bez;
        }
        const double przed_z = zajete();
        double z = 0;
        {
            kerwano::ModelProjektu m;
            m.UstawDomyslne();
            m.ZastosujProjekt(pomiar::ProjektWzorcowy(100));
            HistoriaProjektu h(m);
            h.setUndoLimit(0);
            wykonaj(m, &h);
            if (h.count() != krokow)
                state.SkipWithError("a step was lost");
            z = zajete() - przed_z;
        }
        roznica = (z - bez) / (1024.0 * 1024.0);
    }
    state.counters["historia_MB"] = roznica;
}
BENCHMARK(BM_PamiecHistorii)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The floor of that load: two bare tables of a shown window refilled with
// as many rows of three texts.
void BM_WczytanieGolychTabel(benchmark::State &state)
{
    pomiar::GoleOkno okno;
    auto *srodek = new QWidget;
    auto *t1 = new QTableWidget(1, 3, srodek);
    auto *t2 = new QTableWidget(1, 3, srodek);
    t1->setGeometry(0, 0, 800, 290);
    t2->setGeometry(0, 300, 800, 290);
    okno.setCentralWidget(srodek);
    pomiar::PokazIZaczekaj(&okno);
    const int n = int(state.range(0));
    int i = 0;
    for (auto _ : state) {
        for (QTableWidget *t : {t1, t2}) {
            t->setRowCount(n - i);
            for (int w = 0; w < n - i; ++w)
                for (int k = 0; k < 3; ++k)
                    t->setItem(w, k, new QTableWidgetItem(QStringLiteral("%1 %2").arg(w).arg(k)));
        }
        pomiar::Spokoj();
        i = 1 - i;
    }
}
BENCHMARK(BM_WczytanieGolychTabel)->Arg(100)->Unit(benchmark::kMillisecond);

// The first showing of page 2 or page 3 (state.range(0)) of a window with a
// 100-element project: the page is made then, with its chart or its table
// and pictures, laid out and painted. A fresh window each time, not timed.
void BM_PierwszePokazanieStrony(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto okno = std::make_unique<TProgram_form>(
            QStringList{QStringLiteral("kerwano"), pomiar::PlikWzorcowy(100)});
        pomiar::PokazIZaczekaj(okno.get());
        auto *strony = okno->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        state.ResumeTiming();
        strony->setCurrentIndex(int(state.range(0)) - 1);
        pomiar::Spokoj();
        state.PauseTiming();
        okno->UstawZmodyfikowany(false);
        okno.reset();
        pomiar::Spokoj();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PierwszePokazanieStrony)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// A window shown with a 100-element project, for the dialogs opened over it;
// it lives to the end of the process (a static destroyed after the
// application would outlive what it needs).
TProgram_form *OknoDialogow()
{
    static TProgram_form *okno = Okno(100).release();
    return okno;
}

// "Edycja" opens the element dialog: made, filled with an element, shown
// and painted (then closed, not timed).
void BM_DialogElementu(benchmark::State &state)
{
    TProgram_form *okno = OknoDialogow();
    const kerwano::DaneElementu element = okno->projekt().elementy().ElementWiersza(1);
    for (auto _ : state) {
        auto dialog = std::make_unique<TOdstepy_parametry_form>(element, okno);
        pomiar::PokazIZaczekaj(dialog.get());
        state.PauseTiming();
        dialog.reset();
        pomiar::Spokoj();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DialogElementu)->Unit(benchmark::kMillisecond);

// "Zwody i przewody odprowadzające" opens the class parameters sheet.
void BM_ArkuszKlasy(benchmark::State &state)
{
    TProgram_form *okno = OknoDialogow();
    for (auto _ : state) {
        auto arkusz = std::make_unique<TInfo_form>(okno->projekt().klasa(), okno);
        pomiar::PokazIZaczekaj(arkusz.get());
        state.PauseTiming();
        arkusz.reset();
        pomiar::Spokoj();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ArkuszKlasy)->Unit(benchmark::kMillisecond);

// The print preview of the calculation report of a 100-element project as
// "Drukuj obliczenia" opens it after the print dialog: the report put
// together, the preview made, its pages drawn and shown.
void BM_PodgladWydruku(benchmark::State &state)
{
    TProgram_form *okno = OknoDialogow();
    for (auto _ : state) {
        const WydrukObliczen wydruk(
            kerwano::ZlozTrescObliczen(okno->projekt(), QDate(2026, 12, 8)));
        QPrinter drukarka(QPrinter::HighResolution);
        wydruk.UstawDrukarke(drukarka);
        auto podglad = std::make_unique<QPrintPreviewDialog>(&drukarka, okno);
        QObject::connect(podglad.get(), &QPrintPreviewDialog::paintRequested, podglad.get(),
                         [&](QPrinter *p) { wydruk.Drukuj(*p); });
        pomiar::PokazIZaczekaj(podglad.get());
        state.PauseTiming();
        podglad.reset();
        pomiar::Spokoj();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PodgladWydruku)->Arg(100)->Unit(benchmark::kMillisecond);

// Starts kerwano_bench_start with `rodzaj` and waits for its line; the
// time is taken from the spawn to the line (the child leaves at once).
bool Start(const char *rodzaj, double &sekundy, double &wewnatrz_ms, long &pamiec_kb)
{
    int rura[2];
    if (pipe(rura) != 0)
        return false;
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_adddup2(&akcje, rura[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&akcje, rura[0]);
    char program[] = KERWANO_BENCH_START;
    char argument[16];
    std::snprintf(argument, sizeof argument, "%s", rodzaj);
    char *argumenty[] = {program, argument, nullptr};
    const auto poczatek = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int blad = posix_spawn(&pid, program, &akcje, nullptr, argumenty, environ);
    posix_spawn_file_actions_destroy(&akcje);
    close(rura[1]);
    if (blad != 0) {
        close(rura[0]);
        return false;
    }
    char bufor[128] = {};
    size_t n = 0;
    while (n < sizeof bufor - 1) {
        const ssize_t r = read(rura[0], bufor + n, sizeof bufor - 1 - n);
        if (r <= 0)
            break;
        n += size_t(r);
        if (std::memchr(bufor, '\n', n))
            break;
    }
    const auto koniec = std::chrono::steady_clock::now();
    close(rura[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    sekundy = std::chrono::duration<double>(koniec - poczatek).count();
    return std::sscanf(bufor, "%lf %ld", &wewnatrz_ms, &pamiec_kb) == 2 && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Start-up to the end of the first paint, a new process each time; the
// counters give the time inside the process from main() and its peak memory.
void BM_Start(benchmark::State &state, const char *rodzaj)
{
    double wewnatrz = 0;
    double pamiec = 0;
    for (auto _ : state) {
        double sekundy = 0, ms = 0;
        long kb = 0;
        if (!Start(rodzaj, sekundy, ms, kb)) {
            state.SkipWithError("the start-up harness failed");
            break;
        }
        state.SetIterationTime(sekundy);
        wewnatrz += ms;
        pamiec += double(kb);
    }
    state.counters["od_main_ms"] = Counter(wewnatrz, Counter::kAvgIterations);
    state.counters["VmHWM_kB"] = Counter(pamiec, Counter::kAvgIterations);
}

// The calculation report of a project of `elementow` elements written as a
// PDF file, as "kerwano --pdf-obliczenia PLIK.kwp WYJSCIE.pdf" does it: the
// project read and calculated, the report's texts composed, its pages laid
// out and painted, the file written. The CPU time leaves out the wait for
// the disk; the wall time has it.
void BM_RaportPdf(benchmark::State &state)
{
    const int elementow = int(state.range(0));
    const QString projekt = pomiar::PlikWzorcowy(elementow);
    const QString pdf = QDir::temp().filePath(QStringLiteral("kerwano-bench-%1-%2.pdf")
                                                  .arg(QCoreApplication::applicationPid())
                                                  .arg(elementow));
    for (auto _ : state) {
        kerwano::Projekt zapisany;
        kerwano::ModelProjektu model;
        if (!kerwano::WczytajJakPoStarcie(projekt, zapisany, model).isEmpty() ||
            !WydrukObliczen(kerwano::ZlozTrescObliczen(model, QDate::currentDate()))
                 .ZapiszPdf(pdf)
                 .isEmpty()) {
            state.SkipWithError("the report was not written");
            break;
        }
    }
    state.counters["bajty"] = double(QFileInfo(pdf).size());
    QFile::remove(pdf);
}
BENCHMARK(BM_RaportPdf)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    pomiar::FolderyBenchmarku();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // --dym: the smoke run of CTest, one start of each kind.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dym") == 0) {
            g_starty = 1;
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication aplikacja(argc, argv);
    for (const char *rodzaj : {"okno", "golo", "tekst", "formularz"}) {
        benchmark::RegisterBenchmark((std::string("BM_Start/") + rodzaj).c_str(), BM_Start, rodzaj)
            ->UseManualTime()
            ->Iterations(g_starty)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The projects the benchmarks wrote (ProjektWzorcowy.h names them).
    QDir tymczasowy = QDir::temp();
    const QString wzorzec =
        QStringLiteral("kerwano-bench-%1-*.kwp").arg(QCoreApplication::applicationPid());
    for (const QString &plik : tymczasowy.entryList({wzorzec}, QDir::Files))
        tymczasowy.remove(plik);
    return 0;
}
