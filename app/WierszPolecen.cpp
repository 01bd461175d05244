#include "app/WierszPolecen.h"

#include "project/ModelProjektu.h"
#include "project/Wersja.h"
#include "project/ZapisPliku.h"
#include "project/ZdanieBledu.h"
#include "reports/okna/TFormularz_wydruk_form.h"
#include "reports/okna/TObliczenia_wydruk_form.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>

WierszPolecen WierszPolecen::Rozpoznaj(const QStringList &argumenty)
{
    WierszPolecen w;
    for (int i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
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
        if (a == QStringLiteral("--pdf-obliczenia") || a == QStringLiteral("--pdf-formularz")) {
            const bool obliczenia = a == QStringLiteral("--pdf-obliczenia");
            if (argumenty.size() != (obliczenia ? 3 : 2) || i != 0) {
                w.tryb = Tryb::Blad;
                w.blad = obliczenia
                             ? QStringLiteral("--pdf-obliczenia wymaga pliku projektu i pliku PDF")
                             : QStringLiteral("--pdf-formularz wymaga dokładnie jednego pliku PDF");
                return w;
            }
            w.tryb = obliczenia ? Tryb::PdfObliczenia : Tryb::PdfFormularz;
            w.plik = obliczenia ? argumenty[1] : QString();
            w.wyjscie = argumenty.last();
            return w;
        }
        if (a.startsWith(QStringLiteral("--"))) {
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
        "  --help            wypisuje ten opis\n"
        "  --version         wypisuje wersję programu\n"
        "\n"
        "Błąd wczytania projektu lub zapisu pliku: kod wyjścia 1 (opis błędu na stderr,\n"
        "plik PDF nie powstaje); błędne wywołanie: kod wyjścia 2.\n");
}

QString WierszPolecen::Wersja()
{
    return QString::fromLatin1(kerwano::NAZWA_I_WERSJA);
}

namespace {

QJsonValue Liczba(double x)
{
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue(QJsonValue::Null);
}

// Loads `plik` into `projekt` as a freshly started program would; false,
// with the error box's text written to `bledy`, when it cannot be read.
bool Wczytaj(const QString &plik, kerwano::Projekt &zapisany, kerwano::ModelProjektu &projekt,
             QTextStream &bledy)
{
    const QString blad = kerwano::CzytajPlikProjektu(plik, zapisany);
    if (!blad.isEmpty()) {
        bledy << kerwano::ZdanieBledu(blad) << '\n';
        return false;
    }
    projekt.UstawDomyslne();
    projekt.ZastosujProjekt(zapisany);
    return true;
}

int Zapisz(const TWydruk &wydruk, const QString &wyjscie, QTextStream &bledy)
{
    const QString blad = wydruk.ZapiszPdf(wyjscie);
    if (blad.isEmpty())
        return 0;
    bledy << kerwano::ZdanieBledu(blad) << '\n';
    return 1;
}

} // namespace

int ZapiszPdfObliczen(const QString &plik, const QString &wyjscie, QTextStream &bledy)
{
    // A printout never takes a project's place, this one's or another's.
    if (const QString odmowa = kerwano::ChronionyProjekt(wyjscie, plik); !odmowa.isEmpty()) {
        bledy << kerwano::ZdanieBledu(odmowa) << '\n';
        return 1;
    }
    kerwano::Projekt zapisany;
    kerwano::ModelProjektu projekt;
    if (!Wczytaj(plik, zapisany, projekt, bledy))
        return 1;
    return Zapisz(
        TObliczenia_wydruk_form(kerwano::ZlozTrescObliczen(projekt, QDate::currentDate())), wyjscie,
        bledy);
}

int ZapiszPdfFormularza(const QString &wyjscie, QTextStream &bledy)
{
    if (const QString odmowa = kerwano::ChronionyProjekt(wyjscie); !odmowa.isEmpty()) {
        bledy << kerwano::ZdanieBledu(odmowa) << '\n';
        return 1;
    }
    return Zapisz(TFormularz_wydruk_form(), wyjscie, bledy);
}

int DrukujWyniki(const QString &plik, QTextStream &wyjscie, QTextStream &bledy)
{
    kerwano::Projekt zapisany;
    kerwano::ModelProjektu projekt;
    if (!Wczytaj(plik, zapisany, projekt, bledy))
        return 1;

    QJsonObject o;
    QJsonArray wybory, wymiary, dane, elementy;
    for (int w : zapisany.wybory)
        wybory.append(w);
    for (int nr = 1; nr <= kerwano::ModelProjektu::LICZBA_WYMIAROW; ++nr)
        wymiary.append(projekt.Wymiar(nr));
    for (const QString &d : zapisany.dane)
        dane.append(d);
    o.insert(QStringLiteral("wybory"), wybory);
    o.insert(QStringLiteral("wymiary"), wymiary);
    o.insert(QStringLiteral("dane"), dane);

    const kerwano::WynikiKlasy &w = projekt.wyniki();
    const kerwano::DaneKlasy &k = projekt.dane();
    const QList<QPair<const char *, double>> liczby = {{"A", w.A},   {"B", w.B},   {"C", w.C},
                                                       {"Nc", w.Nc}, {"Ng", k.Ng}, {"Ae", w.Ae},
                                                       {"Ce", k.Ce}, {"Nd", w.Nd}, {"E", w.E}};
    for (const auto &[nazwa, x] : liczby)
        o.insert(QString::fromLatin1(nazwa), Liczba(x));
    // The texts of the labels that show them.
    const kerwano::TekstyWynikow t = kerwano::Teksty(w);
    const QList<QPair<const char *, QString>> teksty = {
        {"Label_A", t.A},   {"Label_B", t.B},       {"Label_C", t.C},
        {"Label_Nc", t.Nc}, {"Label_Ae", t.Ae},     {"Label_Nd", t.Nd},
        {"Label_E", t.E},   {"Label21", t.werdykt}, {"Panel_odi_klasa", t.klasa}};
    for (const auto &[nazwa, tekst] : teksty)
        o.insert(QString::fromLatin1(nazwa), tekst);
    o.insert(QStringLiteral("klasa"), w.klasa.klasa);
    o.insert(QStringLiteral("klasa_plus"), w.klasa.klasa_plus);

    for (int lp = 1; lp <= projekt.liczba_elementow(); ++lp) {
        const kerwano::WierszElementu &wiersz = projekt.elementy().Wiersz(lp);
        const kerwano::WynikOdstepu odstep = projekt.ObliczOdstep(lp);
        QJsonObject e;
        e.insert(QStringLiteral("lp"), lp);
        e.insert(QStringLiteral("nazwa"), wiersz.nazwa);
        e.insert(QStringLiteral("parametry"), wiersz.parametry);
        e.insert(QStringLiteral("wysokosc"), wiersz.wysokosc);
        e.insert(QStringLiteral("kat"), wiersz.kat);
        e.insert(QStringLiteral("d"), Liczba(odstep.d));
        e.insert(QStringLiteral("odstep"), kerwano::TekstOdstepu(odstep.d));
        e.insert(QStringLiteral("alfa"), kerwano::TekstAlfa(odstep.alfa));
        elementy.append(e);
    }
    o.insert(QStringLiteral("elementy"), elementy);
    wyjscie << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
    wyjscie.flush();
    return 0;
}
