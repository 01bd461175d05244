// One start of a window, for the start-up and memory benchmarks:
//   kerwano_bench_start okno   the main window of Kerwano
//   kerwano_bench_start golo   a bare QMainWindow of the same size
//   kerwano_bench_start tekst  the same with one line of text in it: what
//                              loading the fonts alone costs
//   kerwano_bench_start formularz  a window of standard widgets with about
//                              as much text as the program's first page
// Shows the window and, once its first paint is over, writes one line
// "<milliseconds since main> <VmHWM kB>" to stdout and leaves at once, so
// that the process's teardown is not part of what the caller times.

#include "app/TProgram_form.h"
#include "bench/FolderyBenchmarku.h"
#include "bench/PomiarOkna.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// Notes the end of the first paint of a top-level window: its own paint
// event comes first in the backing store's pass, so the pass is over the
// next time the event loop gets control.
class PierwszeMalowanie : public QObject
{
public:
    explicit PierwszeMalowanie(QWidget *okno) : m_okno(okno) { okno->installEventFilter(this); }
    bool namalowane = false;

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override
    {
        if (obiekt == m_okno && zdarzenie->type() == QEvent::Paint)
            namalowane = true;
        return false;
    }

private:
    QWidget *m_okno;
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer zegar;
    zegar.start();
    const std::string rodzaj = argc == 2 ? argv[1] : "";
    if (rodzaj != "okno" && rodzaj != "golo" && rodzaj != "tekst" && rodzaj != "formularz") {
        std::fprintf(stderr, "usage: kerwano_bench_start okno|golo|tekst|formularz\n");
        return 2;
    }
    pomiar::FolderyBenchmarku();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    std::unique_ptr<QMainWindow> okno;
    if (rodzaj == "okno") {
        okno = std::make_unique<TProgram_form>(QStringList{QStringLiteral("kerwano")});
    } else if (rodzaj == "formularz") {
        okno = std::make_unique<pomiar::OknoFormularza>();
    } else {
        okno = std::make_unique<pomiar::GoleOkno>();
        if (rodzaj == "tekst")
            okno->setCentralWidget(new QLabel(QStringLiteral("Obliczanie klasy ochronności")));
    }
    PierwszeMalowanie malowanie(okno.get());
    okno->show();
    while (!malowanie.namalowane)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    std::printf("%.3f %ld\n", zegar.nsecsElapsed() / 1e6, pomiar::SzczytPamieci());
    std::fflush(stdout);
    _exit(0);
}
