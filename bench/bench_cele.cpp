// Reads the JSON files of the benchmark runs (--benchmark_out, with the
// median aggregates) and prints one line per target:
//   target <name>: <median> <unit> (goal <goal>, baseline <baseline>) met|missed
// Exit status 0 whatever the verdicts; 1 when a file cannot be read.

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>
#include <optional>

namespace {

// The median aggregate of every benchmark, by its run name.
QHash<QString, QJsonObject> g_mediany;

// By run name; a name ending in "/" stands for the first run under it (the
// name a benchmark gets from its iteration count and manual time).
std::optional<QJsonObject> Mediana(const QString &nazwa)
{
    if (nazwa.endsWith(QLatin1Char('/'))) {
        for (auto it = g_mediany.constBegin(); it != g_mediany.constEnd(); ++it) {
            if (it.key().startsWith(nazwa))
                return it.value();
        }
        return std::nullopt;
    }
    const auto it = g_mediany.constFind(nazwa);
    if (it == g_mediany.constEnd())
        return std::nullopt;
    return *it;
}

// The median in milliseconds: the wall time of the benchmarks that time
// themselves (the start of a process), otherwise the CPU time of the main
// thread, where the window does all its work and which the other load of a
// shared machine does not inflate.
std::optional<double> Ms(const QString &nazwa)
{
    const std::optional<QJsonObject> m = Mediana(nazwa);
    if (!m)
        return std::nullopt;
    const QString jednostka = m->value(QStringLiteral("time_unit")).toString();
    const bool wlasny_czas =
        m->value(QStringLiteral("run_name")).toString().endsWith(QStringLiteral("/manual_time"));
    const double t =
        m->value(wlasny_czas ? QStringLiteral("real_time") : QStringLiteral("cpu_time")).toDouble();
    if (jednostka == QStringLiteral("ns"))
        return t / 1e6;
    if (jednostka == QStringLiteral("us"))
        return t / 1e3;
    if (jednostka == QStringLiteral("s"))
        return t * 1e3;
    return t;
}

std::optional<double> Licznik(const QString &nazwa, const QString &licznik)
{
    const std::optional<QJsonObject> m = Mediana(nazwa);
    if (!m || !m->contains(licznik))
        return std::nullopt;
    return m->value(licznik).toDouble();
}

QString Liczba(double x)
{
    return QString::number(x, 'f', x < 10 ? 3 : x < 100 ? 2 : 1);
}

QTextStream &Wyjscie()
{
    static QTextStream s(stdout);
    return s;
}

// A target with an absolute goal in milliseconds.
void CelCzasu(const QString &cel, const QString &pomiar, double goal_ms, const QString &baza)
{
    const std::optional<double> t = Ms(pomiar);
    const std::optional<double> b = Ms(baza);
    const QString baseline =
        b ? Liczba(*b) + QStringLiteral(" ms (") + baza + QLatin1Char(')') : QStringLiteral("none");
    if (!t) {
        Wyjscie() << "target " << cel << ": not measured"
                  << " (goal <= " << Liczba(goal_ms) << " ms, baseline " << baseline
                  << ") missed\n";
        return;
    }
    Wyjscie() << "target " << cel << ": " << Liczba(*t) << " ms (goal <= " << Liczba(goal_ms)
              << " ms, baseline " << baseline << ") " << (*t <= goal_ms ? "met" : "missed") << '\n';
}

// A target as a ratio to a baseline measured in the same run.
void CelStosunku(const QString &cel, std::optional<double> wartosc, std::optional<double> baza,
                 double goal, const QString &jednostka, const QString &opis_bazy)
{
    if (!wartosc || !baza || *baza <= 0) {
        Wyjscie() << "target " << cel << ": not measured (goal <= " << Liczba(goal)
                  << " x, baseline " << opis_bazy << ") missed\n";
        return;
    }
    const double stosunek = *wartosc / *baza;
    Wyjscie() << "target " << cel << ": " << Liczba(stosunek) << " x = " << Liczba(*wartosc) << ' '
              << jednostka << " (goal <= " << Liczba(goal) << " x, baseline " << Liczba(*baza)
              << ' ' << jednostka << ' ' << opis_bazy << ") "
              << (stosunek <= goal ? "met" : "missed") << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplikacja(argc, argv);
    const QStringList pliki = aplikacja.arguments().mid(1);
    for (const QString &sciezka : pliki) {
        QFile plik(sciezka);
        if (!plik.open(QIODevice::ReadOnly)) {
            QTextStream(stderr) << "kerwano_bench_cele: cannot read " << sciezka << '\n';
            return 1;
        }
        // Google Benchmark writes NaN and inf (a spread of nothing) where JSON has no word.
        QByteArray tekst = plik.readAll();
        for (const char *slowo : {": NaN", ": -NaN", ": nan", ": -nan", ": inf", ": -inf"})
            tekst.replace(slowo, ": null");
        QJsonParseError blad;
        const QJsonDocument dokument = QJsonDocument::fromJson(tekst, &blad);
        if (blad.error != QJsonParseError::NoError) {
            QTextStream(stderr) << "kerwano_bench_cele: " << sciezka << ": " << blad.errorString()
                                << " at " << blad.offset << '\n';
            return 1;
        }
        const QJsonArray wyniki = dokument.object().value(QStringLiteral("benchmarks")).toArray();
        for (const QJsonValue &w : wyniki) {
            const QJsonObject o = w.toObject();
            if (o.value(QStringLiteral("aggregate_name")).toString() == QStringLiteral("median"))
                g_mediany.insert(o.value(QStringLiteral("run_name")).toString(), o);
        }
    }

    Wyjscie() << "medians; in-process steps in main-thread CPU time, start-up in wall time\n";
    CelCzasu(QStringLiteral("klawisz"), QStringLiteral("BM_KlawiszWymiaru/zmiana_klasy:0"), 1,
             QStringLiteral("BM_KlawiszGolegoOkna"));
    CelCzasu(QStringLiteral("klawisz_zmiana_klasy"),
             QStringLiteral("BM_KlawiszWymiaru/zmiana_klasy:1"), 1,
             QStringLiteral("BM_KlawiszGolegoOkna"));
    CelCzasu(QStringLiteral("wybor_wiersza"), QStringLiteral("BM_WyborWiersza"), 4,
             QStringLiteral("BM_WykresCalaScena"));
    CelStosunku(QStringLiteral("start"), Ms(QStringLiteral("BM_Start/okno/")),
                Ms(QStringLiteral("BM_Start/golo/")), 1.6, QStringLiteral("ms"),
                QStringLiteral("(bare QMainWindow)"));
    // The same goal against a window of standard widgets with as much text
    // as page 1: a bare QMainWindow loads no font at all.
    CelStosunku(QStringLiteral("start_formularz"), Ms(QStringLiteral("BM_Start/okno/")),
                Ms(QStringLiteral("BM_Start/formularz/")), 1.6, QStringLiteral("ms"),
                QStringLiteral("(window of standard widgets, as much text)"));
    CelCzasu(QStringLiteral("wczytanie_100"), QStringLiteral("BM_WczytanieProjektu/100"), 5,
             QStringLiteral("BM_WczytanieGolychTabel/100"));
    CelCzasu(QStringLiteral("odczyt_kwp_100"), QStringLiteral("BM_OdczytajProjekt/100"), 1,
             QString());
    CelCzasu(QStringLiteral("zapis_kwp_100"), QStringLiteral("BM_ZapiszProjekt/100"), 1, QString());
    CelCzasu(QStringLiteral("raport_pdf"), QStringLiteral("BM_RaportPdf/100"), 300, QString());
    // One frame (16.7 ms) for what a click or a key opens; the print preview
    // of a 100-element report within 100 ms.
    CelCzasu(QStringLiteral("strona_2_pierwsza"), QStringLiteral("BM_PierwszePokazanieStrony/2"),
             16.7, QString());
    CelCzasu(QStringLiteral("strona_3_pierwsza"), QStringLiteral("BM_PierwszePokazanieStrony/3"),
             16.7, QString());
    CelCzasu(QStringLiteral("dialog_elementu"), QStringLiteral("BM_DialogElementu"), 16.7,
             QString());
    CelCzasu(QStringLiteral("arkusz_klasy"), QStringLiteral("BM_ArkuszKlasy"), 16.7, QString());
    CelCzasu(QStringLiteral("podglad_wydruku_100"), QStringLiteral("BM_PodgladWydruku/100"), 100,
             QString());
    CelCzasu(QStringLiteral("kopia_odzyskiwania_100"), QStringLiteral("BM_KopiaOdzyskiwania/100"),
             5, QString());
    // Undo and redo of a delete in 10,000 elements within one frame.
    CelCzasu(QStringLiteral("cofnij_usuniecie_10000"),
             QStringLiteral("BM_CofnijUsuniecie/elementow:10000/ponow:0"), 16.7, QString());
    CelCzasu(QStringLiteral("ponow_usuniecie_10000"),
             QStringLiteral("BM_CofnijUsuniecie/elementow:10000/ponow:1"), 16.7, QString());
    if (const std::optional<double> mb = Licznik(QStringLiteral("BM_PamiecHistorii/1000/"
                                                                "iterations:1"),
                                                 QStringLiteral("historia_MB")))
        Wyjscie() << "target historia_1000_krokow: " << Liczba(*mb) << " MB (goal <= 10 MB) "
                  << (*mb <= 10 ? "met" : "missed") << '\n';
    const auto kb = [](const char *nazwa) {
        const std::optional<double> k =
            Licznik(QString::fromLatin1(nazwa), QStringLiteral("VmHWM_kB"));
        return k ? std::optional<double>(*k / 1024.0) : std::nullopt;
    };
    CelStosunku(QStringLiteral("pamiec"), kb("BM_Start/okno/"), kb("BM_Start/golo/"), 1.5,
                QStringLiteral("MB"), QStringLiteral("(bare QMainWindow, VmHWM)"));
    CelStosunku(QStringLiteral("pamiec_formularz"), kb("BM_Start/okno/"), kb("BM_Start/formularz/"),
                1.5, QStringLiteral("MB"),
                QStringLiteral("(window of standard widgets, as much text, VmHWM)"));
    Wyjscie().flush();
    return 0;
}
