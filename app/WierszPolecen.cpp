#include "app/WierszPolecen.h"

#include "angles/TKaty_strona.h"
#include "app/TProgram_form.h"
#include "app/TStringGrid.h"
#include "elements/OdstepIzolacyjny.h"
#include "elements/TOdstepy_strona.h"
#include "project/PlikProjektu.h"
#include "risk/TKlasa_strona.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
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
        "        kerwano --help | --version\n"
        "\n"
        "Kerwano oblicza klasę ochronności budynku, kąty osłonowe i odstępy izolacyjne\n"
        "instalacji odgromowej wg IEC 1024.\n"
        "\n"
        "  PLIK.kwp          otwiera projekt w oknie programu (ostatni pozostaje otwarty)\n"
        "  --wyniki PLIK     wczytuje projekt bez okna i wypisuje wyniki jako JSON (UTF-8)\n"
        "  --help            wypisuje ten opis\n"
        "  --version         wypisuje wersję programu\n");
}

QString WierszPolecen::Wersja()
{
    return QStringLiteral("Kerwano 1.1C");
}

namespace {

QJsonValue Liczba(double x)
{
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue(QJsonValue::Null);
}

} // namespace

int DrukujWyniki(const QString &plik, QTextStream &wyjscie, QTextStream &bledy)
{
    TProgram_form okno({QCoreApplication::applicationFilePath()});
    okno.FormShow();
    kerwano::Projekt zapisany;
    const QString blad = okno.WczytajProjektZPliku(plik, &zapisany);
    if (!blad.isEmpty()) {
        bledy << kerwano::ZdanieBledu(blad) << '\n';
        return 1;
    }

    QJsonObject o;
    QJsonArray wybory, wymiary, dane, elementy;
    for (int w : zapisany.wybory)
        wybory.append(w);
    for (int nr = 1; nr <= 3; ++nr)
        wymiary.append(okno.TabSheet1->Edit(nr)->text());
    for (const QString &d : zapisany.dane)
        dane.append(d);
    o.insert(QStringLiteral("wybory"), wybory);
    o.insert(QStringLiteral("wymiary"), wymiary);
    o.insert(QStringLiteral("dane"), dane);

    const kerwano::WynikiKlasy &w = okno.wyniki();
    const kerwano::DaneKlasy &k = okno.dane();
    const QList<QPair<const char *, double>> liczby = {{"A", w.A},   {"B", w.B},   {"C", w.C},
                                                       {"Nc", w.Nc}, {"Ng", k.Ng}, {"Ae", w.Ae},
                                                       {"Ce", k.Ce}, {"Nd", w.Nd}, {"E", w.E}};
    for (const auto &[nazwa, x] : liczby)
        o.insert(QString::fromLatin1(nazwa), Liczba(x));
    const TKlasa_strona *s = okno.TabSheet1;
    const QList<QPair<const char *, const QLabel *>> etykiety = {
        {"Label_A", s->Label_A},
        {"Label_B", s->Label_B},
        {"Label_C", s->Label_C},
        {"Label_Nc", s->Label_Nc},
        {"Label_Ae", s->Label_Ae},
        {"Label_Nd", s->Label_Nd},
        {"Label_E", s->Label_E},
        {"Label21", s->Label21},
        {"Panel_odi_klasa", okno.TabSheet3->Panel_odi_klasa}};
    for (const auto &[nazwa, etykieta] : etykiety)
        o.insert(QString::fromLatin1(nazwa), etykieta->text());
    o.insert(QStringLiteral("klasa"), okno.klasa());
    o.insert(QStringLiteral("klasa_plus"), okno.klasa_plus());

    const TStringGrid *siatka1 = okno.TabSheet3->StringGrid1;
    const TStringGrid *siatka2 = okno.TabSheet2->StringGrid2;
    for (int lp = 1; lp <= okno.liczba_elementow; ++lp) {
        const QString tekst = siatka1->Cells(1, lp);
        const kerwano::WynikOdstepu odstep =
            kerwano::ObliczOdstep(tekst, okno.klasa(), okno.krzywe_katow());
        QJsonObject e;
        e.insert(QStringLiteral("lp"), lp);
        e.insert(QStringLiteral("nazwa"), siatka1->Cells(0, lp));
        e.insert(QStringLiteral("parametry"), tekst);
        e.insert(QStringLiteral("wysokosc"), siatka2->Cells(1, lp));
        e.insert(QStringLiteral("kat"), siatka2->Cells(2, lp));
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
