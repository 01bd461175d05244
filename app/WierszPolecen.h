#pragma once

#include <QString>
#include <QStringList>

// The program's command line as the user gave it: plain project files open
// in the window; --wyniki prints a project's results, --pdf-obliczenia and
// --pdf-formularz and --pdf-zestawienie write the printouts as PDF files,
// all without any window.
// This only tells which; main() carries it out.
struct WierszPolecen
{
    enum class Tryb
    {
        Okno,           // the window, with the projects named
        Pomoc,          // --help
        Wersja,         // --version
        Wyniki,         // --wyniki PLIK
        PdfObliczenia,  // --pdf-obliczenia PLIK WYJSCIE
        PdfFormularz,   // --pdf-formularz WYJSCIE
        PdfZestawienie, // --pdf-zestawienie PLIK WYJSCIE
        Blad            // a usage error
    };
    Tryb tryb = Tryb::Okno;
    QString plik;    // the project of --wyniki, --pdf-obliczenia and --pdf-zestawienie
    QString wyjscie; // the PDF file written
    QString blad;    // what was wrong, for Tryb::Blad

    // `argumenty` without the program's own name.
    static WierszPolecen Rozpoznaj(const QStringList &argumenty);
    static QString Uzycie();
    static QString Wersja();
};
