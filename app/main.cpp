#include "app/PolecenieRyzyka.h"
#include "app/TProgram_form.h"
#include "app/WierszPolecen.h"
#include "help/okna/HelpUnit.h"
#include "pliki/NazwaPliku.h"
#include "pliki/ZapisPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/ModelProjektu.h"
#include "project/PlikProjektu.h"
#include "project/WynikiProjektu.h"
#include "reports/okna/WydrukFormularza.h"
#include "reports/okna/WydrukObliczen.h"
#include "reports/okna/WydrukZestawienia.h"

#include <QApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

void TylkoBledyKrytyczne(QtMsgType typ, const QMessageLogContext &, const QString &tekst)
{
    if (typ == QtCriticalMsg || typ == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(tekst));
}

// The parameters as given, file names that are not UTF-8 included: decoded
// so that the core opens exactly the bytes of the command line.
QStringList Argumenty(int argc, char *argv[])
{
    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty << kerwano::DekodujNazwePliku(QByteArray(argv[i]));
    return argumenty;
}

// The error of a command, as "kerwano: PLIK: text" with the text the error
// box would show; exit code 1.
int Blad(QTextStream &bledy, const QString &plik, const QString &blad)
{
    bledy << "kerwano: " << (plik.isEmpty() ? QStringLiteral("\"\"") : plik) << ": "
          << kerwano::ZdanieBledu(blad) << '\n';
    return 1;
}

// Messages of the platform while the window's application starts, held back:
// without a display Qt says it in several lines and aborts; the program
// says it in one and ends with 1. When a display is named but the window
// still cannot open (no server there, a platform plugin or a library
// missing), Qt's own lines follow, since they name the cause. Otherwise
// they go out as they came.
QStringList g_wstrzymane;
QtMessageHandler g_poprzedni = nullptr;

void BezEkranu(QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst)
{
    if (typ == QtFatalMsg) {
        const bool bez_ekranu = qEnvironmentVariableIsEmpty("DISPLAY") &&
                                qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
        std::fprintf(stderr,
                     "kerwano: nie można otworzyć okna: %s; bez okna działają --wyniki, "
                     "--pdf-obliczenia, --pdf-formularz, --pdf-zestawienie, --ryzyko i "
                     "--pdf-ryzyko\n",
                     bez_ekranu ? "brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY)"
                                : "nie udało się połączyć z ekranem");
        if (!bez_ekranu) {
            g_wstrzymane << tekst;
            for (const QString &linia : std::as_const(g_wstrzymane))
                std::fprintf(stderr, "%s\n", qPrintable(linia));
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    Q_UNUSED(kontekst)
    g_wstrzymane << tekst;
}

// --wyniki: the project's results as JSON, no window and no display.
int DrukujWyniki(const QString &plik, QTextStream &wyjscie, QTextStream &bledy)
{
    kerwano::Projekt zapisany;
    kerwano::ModelProjektu projekt;
    const QString blad = kerwano::WczytajJakPoStarcie(plik, zapisany, projekt);
    if (!blad.isEmpty())
        return Blad(bledy, plik, blad);
    wyjscie << QString::fromUtf8(kerwano::WynikiJson(zapisany, projekt));
    wyjscie.flush();
    return 0;
}

// What was printed must have reached its place: a full device or a closed
// pipe ends the command with 1 and the error on stderr.
int Dokoncz(int kod, QTextStream &wyjscie, QTextStream &bledy)
{
    const QString blad = kerwano::DokonczStrumien(wyjscie, stdout);
    if (blad.isEmpty())
        return kod;
    bledy << "kerwano: " << kerwano::ZdanieBledu(blad) << '\n';
    return 1;
}

// --help and --version: what was asked, on stdout.
int Uzycie(QTextStream &wyjscie, QTextStream &bledy)
{
    wyjscie << WierszPolecen::Uzycie();
    return Dokoncz(0, wyjscie, bledy);
}

int Wersja(QTextStream &wyjscie, QTextStream &bledy)
{
    wyjscie << WierszPolecen::Wersja() << '\n';
    return Dokoncz(0, wyjscie, bledy);
}

int BladWywolania(const WierszPolecen &wiersz, QTextStream &bledy)
{
    bledy << "kerwano: " << wiersz.blad << '\n' << WierszPolecen::Podpowiedz() << '\n';
    return 2;
}

// --wyniki: no window and no display, the project alone.
int Wyniki(const QString &plik, int &argc, char *argv[], QTextStream &wyjscie, QTextStream &bledy)
{
    QCoreApplication aplikacja(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kerwano"));
    return Dokoncz(DrukujWyniki(plik, wyjscie, bledy), wyjscie, bledy);
}

// --ryzyko: the same for a risk assessment.
int Ryzyko(const QString &plik, int &argc, char *argv[], QTextStream &wyjscie, QTextStream &bledy)
{
    QCoreApplication aplikacja(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kerwano"));
    return Dokoncz(DrukujRyzyko(plik, wyjscie, bledy), wyjscie, bledy);
}

// --pdf-obliczenia, --pdf-zestawienie and --pdf-formularz (with a GUI
// application running): the printout of the project as PDF.
int PdfProjektu(const WierszPolecen &wiersz, QTextStream &bledy)
{
    // The project is loaded first, once, so that its error names its file.
    kerwano::Projekt zapisany;
    kerwano::ModelProjektu projekt;
    if (wiersz.tryb != WierszPolecen::Tryb::PdfFormularz) {
        const QString blad = kerwano::WczytajJakPoStarcie(wiersz.plik, zapisany, projekt);
        if (!blad.isEmpty())
            return Blad(bledy, wiersz.plik, blad);
    }
    // A printout never takes a project's place, this one's or another's.
    if (const QString odmowa = kerwano::ChronionyProjekt(wiersz.wyjscie, wiersz.plik);
        !odmowa.isEmpty())
        return Blad(bledy, wiersz.wyjscie, odmowa);
    // Fonts missing: said once, the PDF still written.
    if (const QString braki = BrakujaceCzcionki(); !braki.isEmpty())
        bledy << "kerwano: uwaga: " << braki << '\n';
    const QDate dzis = QDate::currentDate();
    const QString blad =
        wiersz.tryb == WierszPolecen::Tryb::PdfObliczenia
            ? WydrukObliczen(kerwano::ZlozTrescObliczen(projekt, dzis)).ZapiszPdf(wiersz.wyjscie)
        : wiersz.tryb == WierszPolecen::Tryb::PdfZestawienie
            ? WydrukZestawienia(kerwano::ZlozTrescZestawienia(projekt, dzis))
                  .ZapiszPdf(wiersz.wyjscie)
            : WydrukFormularza().ZapiszPdf(wiersz.wyjscie);
    return blad.isEmpty() ? 0 : Blad(bledy, wiersz.wyjscie, blad);
}

// Every --pdf-… command: the fonts need a GUI application, not a display:
// the offscreen platform, whatever QT_QPA_PLATFORM says.
int Pdf(const WierszPolecen &wiersz, char *argv[], QTextStream &bledy)
{
    QByteArray platforma("-platform"), offscreen("offscreen");
    char *argv_pdf[] = {argv[0], platforma.data(), offscreen.data(), nullptr};
    int argc_pdf = 3;
    // Only the error of the command belongs on stderr, not the platform's notes.
    qInstallMessageHandler(TylkoBledyKrytyczne);
    QGuiApplication aplikacja(argc_pdf, argv_pdf);
    QGuiApplication::setApplicationName(QStringLiteral("Kerwano"));
    if (wiersz.tryb == WierszPolecen::Tryb::PdfRyzyko)
        return PdfRyzyka(wiersz.plik, wiersz.wyjscie, bledy);
    return PdfProjektu(wiersz, bledy);
}

// The window, with the projects and assessments named on the command line.
int Okno(int &argc, char *argv[])
{
    g_poprzedni = qInstallMessageHandler(BezEkranu);
    QApplication aplikacja(argc, argv);
    qInstallMessageHandler(g_poprzedni);
    for (const QString &tekst : std::as_const(g_wstrzymane))
        qWarning("%s", qPrintable(tekst));
    // The help file's name is chosen (and a stale one removed) before anything
    // else; the unit outlives the main window and deletes the file at the end.
    HelpUnit pomoc(HelpUnit::FolderPomocy());
    QApplication::setApplicationName(QStringLiteral("Kerwano"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kerwano"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/kerwano/ikona.svg")));
    // Qt's own texts (Tak/Nie, the file dialogs) in Polish, where installed.
    QTranslator tlumaczenie;
    if (tlumaczenie.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumaczenie);
    // argv without the options Qt has taken for itself.
    TProgram_form Program_form(Argumenty(argc, argv));
    QObject::connect(&Program_form, &TProgram_form::OpisProgramu1Click, &pomoc,
                     [&pomoc, &Program_form] { pomoc.OpisProgramu1Click(&Program_form); });
    Program_form.show();
    QTimer::singleShot(0, &Program_form, &TProgram_form::ZaproponujOdzyskanie);
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    const WierszPolecen wiersz = WierszPolecen::Rozpoznaj(Argumenty(argc, argv).mid(1));
    QTextStream wyjscie(stdout), bledy(stderr);
    // A closed pipe is an error of the write, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
    switch (wiersz.tryb) {
    case WierszPolecen::Tryb::Pomoc:
        return Uzycie(wyjscie, bledy);
    case WierszPolecen::Tryb::Wersja:
        return Wersja(wyjscie, bledy);
    case WierszPolecen::Tryb::Blad:
        return BladWywolania(wiersz, bledy);
    case WierszPolecen::Tryb::Wyniki:
        return Wyniki(wiersz.plik, argc, argv, wyjscie, bledy);
    case WierszPolecen::Tryb::Ryzyko:
        return Ryzyko(wiersz.plik, argc, argv, wyjscie, bledy);
    case WierszPolecen::Tryb::PdfRyzyko:
    case WierszPolecen::Tryb::PdfObliczenia:
    case WierszPolecen::Tryb::PdfZestawienie:
    case WierszPolecen::Tryb::PdfFormularz:
        return Pdf(wiersz, argv, bledy);
    case WierszPolecen::Tryb::Okno:
        break;
    }
    return Okno(argc, argv);
}
