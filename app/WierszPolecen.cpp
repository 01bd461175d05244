#include "app/WierszPolecen.h"

#include "pliki/NazwaPliku.h"
#include "project/Wersja.h"

namespace {

// Qt's own options, which the window takes for itself: those followed by a
// value, then those without one.
const QStringList OPCJE_QT_Z_WARTOSCIA = {
    QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowtitle"),
    QStringLiteral("-qwindowicon"),     QStringLiteral("-style"),
    QStringLiteral("-stylesheet"),      QStringLiteral("-session"),
    QStringLiteral("-display"),         QStringLiteral("-geometry"),
    QStringLiteral("-title"),           QStringLiteral("-name"),
    QStringLiteral("-qmljsdebugger")};
const QStringList OPCJE_QT = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                              QStringLiteral("-nograb"), QStringLiteral("-dograb"),
                              QStringLiteral("-sync")};

// "-style Fusion" or "-style=Fusion"; the value follows in the next
// argument unless given after "=".
bool OpcjaQt(const QString &a, bool &z_wartoscia)
{
    QString nazwa = a.startsWith(QStringLiteral("--")) ? a.mid(1) : a;
    const qsizetype rowne = nazwa.indexOf(u'=');
    if (rowne > 0)
        nazwa.truncate(rowne);
    z_wartoscia = rowne < 0 && OPCJE_QT_Z_WARTOSCIA.contains(nazwa);
    return OPCJE_QT_Z_WARTOSCIA.contains(nazwa) || OPCJE_QT.contains(nazwa);
}

} // namespace

WierszPolecen WierszPolecen::Rozpoznaj(const QStringList &argumenty)
{
    WierszPolecen w;
    auto blad = [&w](const QString &tekst) {
        w.tryb = Tryb::Blad;
        w.blad = tekst;
        return w;
    };
    QString polecenie; // --wyniki or a --pdf-* command, once
    QStringList pliki;
    bool opcje = true;
    for (int i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        if (!opcje || a.size() < 2 || !a.startsWith(u'-')) {
            pliki << a;
            continue;
        }
        // After "--" every argument is a file, even one that starts with "-".
        if (a == QStringLiteral("--")) {
            opcje = false;
            continue;
        }
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            w.tryb = Tryb::Pomoc;
            return w;
        }
        if (a == QStringLiteral("--version")) {
            w.tryb = Tryb::Wersja;
            return w;
        }
        const qsizetype rowne = a.startsWith(QStringLiteral("--")) ? a.indexOf(u'=') : -1;
        const QString nazwa = rowne > 0 ? a.left(rowne) : a;
        if (nazwa == QStringLiteral("--wyniki") || nazwa == QStringLiteral("--pdf-obliczenia") ||
            nazwa == QStringLiteral("--pdf-formularz") ||
            nazwa == QStringLiteral("--pdf-zestawienie") || nazwa == QStringLiteral("--ryzyko") ||
            nazwa == QStringLiteral("--pdf-ryzyko")) {
            if (!polecenie.isEmpty())
                return blad(
                    QStringLiteral("%1 i %2 nie mogą być podane razem").arg(polecenie, nazwa));
            polecenie = nazwa;
            if (rowne > 0)
                pliki << a.mid(rowne + 1);
            continue;
        }
        bool z_wartoscia = false;
        if (OpcjaQt(a, z_wartoscia)) {
            if (z_wartoscia)
                ++i;
            continue;
        }
        return blad(QStringLiteral("nieznana opcja %1").arg(a));
    }
    if (polecenie.isEmpty()) {
        w.pliki = pliki;
        return w;
    }
    if (polecenie == QStringLiteral("--wyniki")) {
        if (pliki.size() != 1)
            return blad(QStringLiteral("--wyniki wymaga dokładnie jednego pliku projektu"));
        w.tryb = Tryb::Wyniki;
        w.plik = pliki[0];
        return w;
    }
    if (polecenie == QStringLiteral("--ryzyko") || polecenie == QStringLiteral("--pdf-ryzyko")) {
        // The risk assessment: its data and results, or its printout.
        const bool pdf = polecenie == QStringLiteral("--pdf-ryzyko");
        if (pliki.size() != (pdf ? 2 : 1))
            return blad(
                pdf ? QStringLiteral("--pdf-ryzyko wymaga pliku oceny ryzyka i pliku PDF")
                    : QStringLiteral("--ryzyko wymaga dokładnie jednego pliku oceny ryzyka"));
        w.tryb = pdf ? Tryb::PdfRyzyko : Tryb::Ryzyko;
        w.plik = pliki[0];
        w.wyjscie = pdf ? pliki[1] : QString();
        return w;
    }
    // The report and the sheet of a project; the blank questionnaire.
    const bool projektu = polecenie != QStringLiteral("--pdf-formularz");
    if (pliki.size() != (projektu ? 2 : 1))
        return blad(projektu
                        ? polecenie + QStringLiteral(" wymaga pliku projektu i pliku PDF")
                        : QStringLiteral("--pdf-formularz wymaga dokładnie jednego pliku PDF"));
    w.tryb = !projektu                                         ? Tryb::PdfFormularz
             : polecenie == QStringLiteral("--pdf-obliczenia") ? Tryb::PdfObliczenia
                                                               : Tryb::PdfZestawienie;
    w.plik = projektu ? pliki[0] : QString();
    w.wyjscie = pliki.last();
    return w;
}

QStringList WierszPolecen::PlikiOkna() const
{
    QStringList wynik;
    for (const QString &p : pliki)
        if (p.toUpper().endsWith(QStringLiteral(".KWP")) || !kerwano::ZwyklyPlik(p))
            wynik << p;
    return wynik;
}

QString WierszPolecen::Podpowiedz()
{
    return QStringLiteral("Spróbuj „kerwano --help”, aby zobaczyć opis wywołania.");
}

QString WierszPolecen::Uzycie()
{
    return QStringLiteral(
        "Użycie: kerwano [PLIK.kwp ...]\n"
        "        kerwano --wyniki PLIK.kwp\n"
        "        kerwano --pdf-obliczenia PLIK.kwp WYJSCIE.pdf\n"
        "        kerwano --pdf-formularz WYJSCIE.pdf\n"
        "        kerwano --pdf-zestawienie PLIK.kwp WYJSCIE.pdf\n"
        "        kerwano --ryzyko PLIK.kwr\n"
        "        kerwano --pdf-ryzyko PLIK.kwr WYJSCIE.pdf\n"
        "        kerwano --help | --version\n"
        "\n"
        "Kerwano oblicza klasę ochronności budynku, kąty osłonowe i odstępy izolacyjne\n"
        "instalacji odgromowej wg IEC 1024.\n"
        "\n"
        "  PLIK.kwp          otwiera projekt w oknie programu (ostatni pozostaje otwarty)\n"
        "  --wyniki PLIK     wczytuje projekt bez okna i wypisuje wyniki jako JSON (UTF-8)\n"
        "  --pdf-obliczenia PLIK WYJSCIE\n"
        "                    zapisuje wydruk obliczeń projektu jako plik PDF, bez okna\n"
        "  --pdf-formularz WYJSCIE\n"
        "                    zapisuje formularz klasyfikacyjny jako plik PDF, bez okna\n"
        "  --pdf-zestawienie PLIK WYJSCIE\n"
        "                    zapisuje zestawienie elementów dachu projektu (wszystkie\n"
        "                    współczynniki odstępu każdego elementu) jako plik PDF, bez okna\n"
        "  --ryzyko PLIK     wczytuje ocenę ryzyka wg PN-EN 62305-2 bez okna i wypisuje\n"
        "                    dane i wyniki jako JSON (UTF-8)\n"
        "  --pdf-ryzyko PLIK WYJSCIE\n"
        "                    zapisuje wydruk oceny ryzyka jako plik PDF, bez okna\n"
        "  --help            wypisuje ten opis\n"
        "  --version         wypisuje wersję programu\n"
        "  --                dalsze argumenty to pliki, także te zaczynające się od \"-\"\n"
        "\n"
        "Błąd wczytania projektu lub zapisu pliku: kod wyjścia 1 (na stderr wiersz\n"
        "\"kerwano: PLIK: opis\", plik PDF nie powstaje); brak ekranu dla okna: kod\n"
        "wyjścia 1; błędne wywołanie: kod wyjścia 2; ocena ryzyka z błędnymi danymi:\n"
        "kod wyjścia 3.\n");
}

QString WierszPolecen::Wersja()
{
    return QString::fromLatin1(kerwano::NAZWA_I_WERSJA);
}
