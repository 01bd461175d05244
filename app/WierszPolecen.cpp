#include "app/WierszPolecen.h"

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
    for (int i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        // After "--" every argument is a file, even one that starts with "-".
        if (a == QStringLiteral("--"))
            break;
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            w.tryb = Tryb::Pomoc;
            return w;
        }
        if (a == QStringLiteral("--version")) {
            w.tryb = Tryb::Wersja;
            return w;
        }
        if (a == QStringLiteral("--wyniki")) {
            if (argumenty.size() != 2 || i != 0) {
                w.tryb = Tryb::Blad;
                w.blad = QStringLiteral("--wyniki wymaga dokładnie jednego pliku projektu");
                return w;
            }
            w.tryb = Tryb::Wyniki;
            w.plik = argumenty[1];
            return w;
        }
        if (a == QStringLiteral("--pdf-obliczenia") || a == QStringLiteral("--pdf-formularz") ||
            a == QStringLiteral("--pdf-zestawienie")) {
            // The report and the sheet of a project; the blank questionnaire.
            const bool projektu = a != QStringLiteral("--pdf-formularz");
            if (argumenty.size() != (projektu ? 3 : 2) || i != 0) {
                w.tryb = Tryb::Blad;
                w.blad = projektu
                             ? a + QStringLiteral(" wymaga pliku projektu i pliku PDF")
                             : QStringLiteral("--pdf-formularz wymaga dokładnie jednego pliku PDF");
                return w;
            }
            w.tryb = !projektu                                 ? Tryb::PdfFormularz
                     : a == QStringLiteral("--pdf-obliczenia") ? Tryb::PdfObliczenia
                                                               : Tryb::PdfZestawienie;
            w.plik = projektu ? argumenty[1] : QString();
            w.wyjscie = argumenty.last();
            return w;
        }
        bool z_wartoscia = false;
        if (OpcjaQt(a, z_wartoscia)) {
            if (z_wartoscia)
                ++i;
            continue;
        }
        if (a.startsWith(u'-') && a.size() > 1) {
            w.tryb = Tryb::Blad;
            w.blad = QStringLiteral("nieznana opcja %1").arg(a);
            return w;
        }
    }
    return w;
}

QString WierszPolecen::Uzycie()
{
    return QStringLiteral(
        "Użycie: kerwano [PLIK.kwp ...]\n"
        "        kerwano --wyniki PLIK.kwp\n"
        "        kerwano --pdf-obliczenia PLIK.kwp WYJSCIE.pdf\n"
        "        kerwano --pdf-formularz WYJSCIE.pdf\n"
        "        kerwano --pdf-zestawienie PLIK.kwp WYJSCIE.pdf\n"
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
        "  --help            wypisuje ten opis\n"
        "  --version         wypisuje wersję programu\n"
        "  --                dalsze argumenty to pliki, także te zaczynające się od \"-\"\n"
        "\n"
        "Błąd wczytania projektu lub zapisu pliku: kod wyjścia 1 (na stderr wiersz\n"
        "\"kerwano: PLIK: opis\", plik PDF nie powstaje); brak ekranu dla okna: kod\n"
        "wyjścia 1; błędne wywołanie: kod wyjścia 2.\n");
}

QString WierszPolecen::Wersja()
{
    return QString::fromLatin1(kerwano::NAZWA_I_WERSJA);
}
