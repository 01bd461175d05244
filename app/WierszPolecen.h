#pragma once

#include <QString>
#include <QStringList>

// The program's command line as the user gave it: plain project files open
// in the window; --wyniki prints a project's results, --pdf-obliczenia and
// --pdf-formularz and --pdf-zestawienie write the printouts as PDF files,
// all without any window.
// "--" ends the options for every command; an option's value may follow it
// after "=" (--wyniki=PLIK). This only tells which; main() carries it out.
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
        Ryzyko,         // --ryzyko PLIK.kwr
        PdfRyzyko,      // --pdf-ryzyko PLIK.kwr WYJSCIE
        Blad            // a usage error
    };
    Tryb tryb = Tryb::Okno;
    QString plik;      // the project of --wyniki, --pdf-obliczenia and --pdf-zestawienie
    QString wyjscie;   // the PDF file written
    QString blad;      // what was wrong, for Tryb::Blad
    QStringList pliki; // the files named to the window, in order

    // Those of `pliki` the window loads: each project (".kwp" in any letter
    // case) and each name that is not a regular file, so that its error is
    // shown (a missing file, a folder, a pipe, a device); a regular file of
    // another kind is passed over.
    QStringList PlikiOkna() const;

    // `argumenty` without the program's own name.
    static WierszPolecen Rozpoznaj(const QStringList &argumenty);
    static QString Uzycie();
    // The line after a usage error, pointing to the whole usage.
    static QString Podpowiedz();
    static QString Wersja();
};
