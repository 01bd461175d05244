#pragma once

#include <QString>

class QTextStream;

// `kerwano --ryzyko PLIK.kwr`: the assessment's JSON on `wyjscie`. Exit
// code 0, 1 when the file cannot be read (the error on `bledy`), 3 when it
// has invalid fields (the JSON still printed, with "wyniki": null).
int DrukujRyzyko(const QString &plik, QTextStream &wyjscie, QTextStream &bledy);

// `kerwano --pdf-ryzyko PLIK.kwr WYJSCIE.pdf` (with a GUI application
// running): the printout as PDF. Exit code 0, 1 as above or when the PDF
// cannot be written, 3 when the file has invalid fields (nothing written).
int PdfRyzyka(const QString &plik, const QString &pdf, QTextStream &bledy);
