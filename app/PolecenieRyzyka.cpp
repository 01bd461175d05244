#include "app/PolecenieRyzyka.h"

#include "assessment/okna/WydrukOceny.h"

#include "assessment/PlikOceny.h"
#include "assessment/Walidacja.h"
#include "assessment/WynikiOceny.h"
#include "pliki/KopiaZapisu.h"
#include "pliki/ZapisPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/PlikProjektu.h"
#include "project/Wersja.h"
#include "reports/okna/Pasmo.h"

#include <QDate>
#include <QFileInfo>
#include <QTextStream>

namespace {

int Blad(QTextStream &bledy, const QString &plik, const QString &blad)
{
    bledy << "kerwano: " << (plik.isEmpty() ? QStringLiteral("\"\"") : plik) << ": "
          << kerwano::ZdanieBledu(blad) << '\n';
    return 1;
}

// The assessment as the window would open it; one whose last save did not
// finish is refused, naming the copy of its earlier contents.
QString Wczytaj(const QString &plik, kerwano::ocena::Json &dokument)
{
    if (const QString kopia = kerwano::KopiaNiedokonczonegoZapisu(plik); !kopia.isEmpty())
        return kerwano::KomunikatNiedokonczonegoZapisu(plik, kopia);
    return kerwano::ocena::WczytajOcene(plik, dokument);
}

} // namespace

int DrukujRyzyko(const QString &plik, QTextStream &wyjscie, QTextStream &bledy)
{
    using namespace kerwano::ocena;
    Json dokument;
    if (const QString blad = Wczytaj(plik, dokument); !blad.isEmpty())
        return Blad(bledy, plik, blad);
    const Json wynik = WynikiJson(dokument, plik, QString::fromLatin1(kerwano::NAZWA_I_WERSJA));
    wyjscie << QString::fromUtf8(PiszJson(wynik));
    wyjscie.flush();
    return wynik["wyniki"].JestNull() ? 3 : 0;
}

int PdfRyzyka(const QString &plik, const QString &pdf, QTextStream &bledy)
{
    using namespace kerwano::ocena;
    Json dokument;
    if (const QString blad = Wczytaj(plik, dokument); !blad.isEmpty())
        return Blad(bledy, plik, blad);
    if (const qsizetype n = Sprawdz(dokument).bledy.size(); n > 0) {
        bledy << "kerwano: " << plik << ": "
              << QStringLiteral("dane zawierają błędy (%1) – popraw je w oknie „Ocena ryzyka”.")
                     .arg(n)
              << '\n';
        return 3;
    }
    // A printout never takes the place of an assessment or a project.
    for (const QString &odmowa : {ChronionaOcena(pdf, plik), kerwano::ChronionyProjekt(pdf, plik)})
        if (!odmowa.isEmpty())
            return Blad(bledy, pdf, odmowa);
    if (const QString braki = BrakujaceCzcionki(); !braki.isEmpty())
        bledy << "kerwano: uwaga: " << braki << '\n';
    const WydrukOceny wydruk(
        ZlozTrescOceny(dokument, QFileInfo(plik).fileName(), QDate::currentDate()));
    const QString blad = wydruk.ZapiszPdf(pdf);
    return blad.isEmpty() ? 0 : Blad(bledy, pdf, blad);
}
