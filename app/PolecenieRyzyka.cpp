#include "app/PolecenieRyzyka.h"

#include "assessment/PlikOceny.h"
#include "assessment/Walidacja.h"
#include "assessment/WynikiOceny.h"
#include "project/Wersja.h"
#include "project/ZdanieBledu.h"

#include <QTextStream>

namespace {

int Blad(QTextStream &bledy, const QString &plik, const QString &blad)
{
    bledy << "kerwano: " << (plik.isEmpty() ? QStringLiteral("\"\"") : plik) << ": "
          << kerwano::ZdanieBledu(blad) << '\n';
    return 1;
}

} // namespace

int DrukujRyzyko(const QString &plik, QTextStream &wyjscie, QTextStream &bledy)
{
    using namespace kerwano::ocena;
    Json dokument;
    if (const QString blad = WczytajOcene(plik, dokument); !blad.isEmpty())
        return Blad(bledy, plik, blad);
    const Json wynik = WynikiJson(dokument, plik, QString::fromLatin1(kerwano::NAZWA_I_WERSJA));
    wyjscie << QString::fromUtf8(PiszJson(wynik));
    wyjscie.flush();
    return wynik["wyniki"].JestNull() ? 3 : 0;
}
