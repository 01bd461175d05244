#include "project/WynikiProjektu.h"

#include "elements/OdstepIzolacyjny.h"
#include "pliki/KopiaZapisu.h"
#include "project/ModelProjektu.h"
#include "project/Wersja.h"
#include "risk/Klasa.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace kerwano {

namespace {

QJsonValue Liczba(double x)
{
    return std::isfinite(x) ? QJsonValue(x) : QJsonValue(QJsonValue::Null);
}

} // namespace

QString WczytajJakPoStarcie(const QString &plik, Projekt &zapisany, ModelProjektu &model)
{
    // A file whose last save did not finish may be half new: no numbers from it.
    if (const QString kopia = KopiaNiedokonczonegoZapisu(plik); !kopia.isEmpty())
        return KomunikatNiedokonczonegoZapisu(plik, kopia);
    Projekt odczytany;
    const QString blad = CzytajPlikProjektu(plik, odczytany);
    if (!blad.isEmpty())
        return blad;
    zapisany = odczytany;
    model.WczytajProjekt(zapisany);
    return QString();
}

QByteArray WynikiJson(const Projekt &zapisany, const ModelProjektu &model)
{
    QJsonObject o;
    QJsonArray wybory, wymiary, dane, elementy;
    for (int w : zapisany.wybory)
        wybory.append(w);
    for (int nr = 1; nr <= LICZBA_WYMIAROW; ++nr)
        wymiary.append(model.Wymiar(nr));
    for (const QString &d : zapisany.dane)
        dane.append(d);
    o.insert(QStringLiteral("wybory"), wybory);
    o.insert(QStringLiteral("wymiary"), wymiary);
    o.insert(QStringLiteral("dane"), dane);

    const WynikiKlasy &w = model.wyniki();
    const DaneKlasy &k = model.dane();
    const QList<QPair<const char *, double>> liczby = {{"A", w.A},   {"B", w.B},   {"C", w.C},
                                                       {"Nc", w.Nc}, {"Ng", k.Ng}, {"Ae", w.Ae},
                                                       {"Ce", k.Ce}, {"Nd", w.Nd}, {"E", w.E}};
    for (const auto &[nazwa, x] : liczby)
        o.insert(QString::fromLatin1(nazwa), Liczba(x));
    // The texts of the labels that show them.
    const TekstyWynikow t = Teksty(w);
    const QList<QPair<const char *, QString>> teksty = {
        {"Label_A", t.A},   {"Label_B", t.B},       {"Label_C", t.C},
        {"Label_Nc", t.Nc}, {"Label_Ae", t.Ae},     {"Label_Nd", t.Nd},
        {"Label_E", t.E},   {"Label21", t.werdykt}, {"Panel_odi_klasa", t.klasa}};
    for (const auto &[nazwa, tekst] : teksty)
        o.insert(QString::fromLatin1(nazwa), tekst);
    o.insert(QStringLiteral("klasa"), w.klasa.klasa);
    o.insert(QStringLiteral("klasa_plus"), w.klasa.klasa_plus);

    for (int lp = 1; lp <= model.liczba_elementow(); ++lp) {
        const WierszElementu &wiersz = model.elementy().Wiersz(lp);
        const WynikOdstepu odstep = model.ObliczOdstep(lp);
        QJsonObject e;
        e.insert(QStringLiteral("lp"), lp);
        e.insert(QStringLiteral("nazwa"), wiersz.nazwa);
        e.insert(QStringLiteral("parametry"), wiersz.parametry);
        e.insert(QStringLiteral("wysokosc"), wiersz.TekstWysokosci());
        e.insert(QStringLiteral("kat"), wiersz.TekstKata());
        // The same two as numbers for scripts; null where the cell shows "?".
        e.insert(QStringLiteral("wysokosc_m"),
                 wiersz.wysokosc ? Liczba(*wiersz.wysokosc) : QJsonValue(QJsonValue::Null));
        e.insert(QStringLiteral("kat_stopnie"),
                 wiersz.kat ? Liczba(*wiersz.kat) : QJsonValue(QJsonValue::Null));
        e.insert(QStringLiteral("d"), Liczba(odstep.d));
        e.insert(QStringLiteral("odstep"), TekstOdstepu(odstep.d));
        e.insert(QStringLiteral("alfa"), TekstAlfa(odstep.alfa));
        e.insert(QStringLiteral("ki"), Liczba(odstep.ki));
        e.insert(QStringLiteral("kc"), Liczba(odstep.kc));
        e.insert(QStringLiteral("km"), Liczba(odstep.km));
        e.insert(QStringLiteral("d_pn_en_62305_3"), Liczba(odstep.d_pn));
        elementy.append(e);
    }
    o.insert(QStringLiteral("elementy"), elementy);
    o.insert(QStringLiteral("wersja"), QString::fromLatin1(WERSJA));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

} // namespace kerwano
