#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The program's command line: plain project files open in the window;
// --wyniki prints a project's results, --pdf-obliczenia and --pdf-formularz
// write the printouts as PDF files, all without any window.
struct WierszPolecen
{
    enum class Tryb
    {
        Okno,          // the window, with the projects named
        Pomoc,         // --help
        Wersja,        // --version
        Wyniki,        // --wyniki PLIK
        PdfObliczenia, // --pdf-obliczenia PLIK WYJSCIE
        PdfFormularz,  // --pdf-formularz WYJSCIE
        Blad           // a usage error
    };
    Tryb tryb = Tryb::Okno;
    QString plik;    // the project of --wyniki and --pdf-obliczenia
    QString wyjscie; // the PDF file written
    QString blad;    // what was wrong, for Tryb::Blad

    // `argumenty` without the program's own name.
    static WierszPolecen Rozpoznaj(const QStringList &argumenty);
    static QString Uzycie();
    static QString Wersja();
};

// Loads `plik` as a freshly started program would and writes one JSON
// object with the inputs, results and roof elements to `wyjscie`. Needs no
// window and no display. Returns the exit code: 0, or 1 with the error
// box's text written to `bledy`.
int DrukujWyniki(const QString &plik, QTextStream &wyjscie, QTextStream &bledy);

// Writes the calculation report of the project `plik`, loaded as by
// DrukujWyniki, or the questionnaire, to the PDF file `wyjscie`. Needs a
// QGuiApplication (the offscreen platform will do) for the fonts. The file
// appears only when complete. Returns 0, or 1 with the error text written
// to `bledy`.
int ZapiszPdfObliczen(const QString &plik, const QString &wyjscie, QTextStream &bledy);
int ZapiszPdfFormularza(const QString &wyjscie, QTextStream &bledy);
