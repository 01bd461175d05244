#include "reports/TrescZestawienia.h"

#include "angles/KrzyweKatow.h"
#include "elements/OdstepIzolacyjny.h"
#include "elements/ParametryElementu.h"
#include "elements/UkladyElementu.h"
#include "project/ModelProjektu.h"
#include "risk/Formaty.h"
#include "risk/Klasa.h"

#include <cmath>

namespace kerwano {

namespace {

QString NazwaOsrodka(Material material)
{
    const OpisOsrodka *osrodek = OpisMaterialu(material);
    return osrodek ? osrodek->nazwa : QStringLiteral("?");
}

QString LiniaKc(const QString &tekst, TypUkladu uklad, TypInstalacji instalacja,
                const WynikOdstepu &w)
{
    const OpisUkladu *opis_ukladu = OpisTypuUkladu(uklad);
    const OpisInstalacji *opis = OpisTypuInstalacji(instalacja);
    if (!opis_ukladu)
        return QStringLiteral("kc = ? (opis nie podaje układu A ani B)");
    if (!opis)
        return QStringLiteral("kc = ? (opis nie podaje typu instalacji 1, 2 ani 3)");
    if (!opis_ukladu->kc_instalacji)
        return QStringLiteral("kc = %1 (układ %2, dla każdego typu instalacji)")
            .arg(TrzyMiejsca(w.kc), opis_ukladu->znak);
    const QString wzor = opis->wzor_kc(tekst);
    if (wzor.isEmpty())
        return QStringLiteral("kc = %1 (układ %2, instalacja typu %3)")
            .arg(TrzyMiejsca(w.kc), opis_ukladu->znak, opis->znak);
    if (std::isnan(w.kc))
        return wzor + QStringLiteral(" = ? (wyrażenia nie da się obliczyć: %1)")
                          .arg(opis->powod_braku_kc(tekst));
    return wzor + QStringLiteral(" = ") + TrzyMiejsca(w.kc);
}

QString LiniaKm(Material material, const WynikOdstepu &w)
{
    if (material == Material::Brak)
        return QStringLiteral("km = ? (opis nie podaje ośrodka izolacyjnego)");
    return QStringLiteral("km = %1 (%2)").arg(TrzyMiejsca(w.km), NazwaOsrodka(material));
}

// "d = ki · kc / km · L = 0,100 · 0,800 / 1,000 · 6,00 = 0,48 m", or "= ?"
// with the reason.
QString LiniaOdstepu(const QString &nazwa, const QString &ki_nazwa, double ki, double d,
                     const WynikOdstepu &w, const QString &L)
{
    QString linia = QStringLiteral("%1 = %2 · kc / km · L = ").arg(nazwa, ki_nazwa);
    if (std::isnan(w.kc) || std::isnan(w.km))
        return linia + QStringLiteral("? (brak kc lub km)");
    linia += QStringLiteral("%1 · %2 / %3 · %4 = ")
                 .arg(TrzyMiejsca(ki), TrzyMiejsca(w.kc), TrzyMiejsca(w.km), L);
    if (std::isnan(d))
        return linia + QStringLiteral("? (długość L poniżej zera)");
    return linia + TekstOdstepuRaportu(d);
}

QString LiniaAlfa(Klasa klasa, const QString &tekst, const WynikOdstepu &w)
{
    const QString H = TekstWartosci(tekst, PoleParametru::H);
    if (w.alfa >= 0)
        return QStringLiteral("α = %1° (klasa %2, H = %3 m)").arg(F2(w.alfa), TekstKlasy(klasa), H);
    if (klasa.klasa < 1 || klasa.klasa > 4)
        return QStringLiteral("α = ? (brak klasy ochronności)");
    const double H_liczba = CzytajH(tekst);
    if (H_liczba < 0)
        return QStringLiteral("α = ? (wysokość H = %1 m poniżej zera)").arg(H);
    return QStringLiteral("α = ? (H = %1 m ponad %2 m, granicę krzywej dla klasy %3)")
        .arg(H)
        .arg(KrzyweKatow::WysokoscGraniczna(klasa.klasa))
        .arg(TekstKlasy(klasa));
}

QString OpisKi(Klasa klasa)
{
    if (klasa.klasa < 1 || klasa.klasa > 4)
        return QStringLiteral("brak klasy ochronności");
    return QStringLiteral("klasa ") + TekstKlasy(klasa);
}

} // namespace

QString TrzyMiejsca(double x)
{
    return FormatStaly(x, 6, 3);
}

QString TytulDokumentuZestawienia()
{
    return QStringLiteral("Kerwano-Zestawienie elementów dachu");
}

TrescZestawienia ZlozTrescZestawienia(const ModelProjektu &projekt, const QDate &dzis)
{
    // The header, the project data and the signature as the report has them.
    TrescZestawienia t;
    t.tytul = TytulWydruku();
    t.podtytul = QStringLiteral("Zestawienie elementów dachu");
    t.linia_naglowka = LiniaNaglowka();
    t.dane_projektu = DaneProjektuWydruku(projekt);
    const Klasa klasa = projekt.klasa();
    // A building that needs no installation has no class: the verdict says so.
    t.klasa = klasa.klasa >= 1 && klasa.klasa <= 4
                  ? QStringLiteral("Klasa ochronności: ") + TekstKlasy(klasa)
                  : Werdykt(klasa);

    for (int lp = 1; lp <= projekt.liczba_elementow(); ++lp) {
        const WierszElementu &wiersz = projekt.elementy().Wiersz(lp);
        const QString &tekst = wiersz.parametry;
        const WynikOdstepu w = projekt.ObliczOdstep(lp);
        BlokElementu b;
        b.tytul = QStringLiteral("%1. %2").arg(lp).arg(wiersz.nazwa.trimmed());
        b.opis = QStringLiteral("Opis: ") + tekst;
        const TypUkladu uklad = CzytajTypUkladu(tekst);
        const TypInstalacji instalacja = CzytajTypInstalacji(tekst);
        const Material material = CzytajMaterial(tekst);
        const QString L = TekstWartosci(tekst, PoleParametru::L);
        const OpisUkladu *opis_ukladu = OpisTypuUkladu(uklad);
        const OpisInstalacji *opis_instalacji = OpisTypuInstalacji(instalacja);
        b.parametry = {
            {QStringLiteral("Układ:"), opis_ukladu ? opis_ukladu->znak : QStringLiteral("?")},
            {QStringLiteral("Typ instalacji:"),
             opis_instalacji ? opis_instalacji->znak : QStringLiteral("?")},
            {QStringLiteral("Ośrodek:"), NazwaOsrodka(material)}};
        std::vector<PoleParametru> pola = {PoleParametru::H, PoleParametru::L};
        if (opis_instalacji)
            pola.insert(pola.end(), opis_instalacji->pola.begin(), opis_instalacji->pola.end());
        for (const PoleParametru pole : pola) {
            const OpisPola &opis = OpisPolaParametru(pole);
            b.parametry.append(
                {opis.nazwa + QStringLiteral(" ="),
                 TekstWartosci(tekst, pole) + (opis.calkowite ? QString() : QStringLiteral(" m"))});
        }
        b.obliczenia = {
            QStringLiteral("ki = %1 (%2)").arg(TrzyMiejsca(w.ki), OpisKi(klasa)),
            LiniaKc(tekst, uklad, instalacja, w),
            LiniaKm(material, w),
            LiniaOdstepu(QStringLiteral("d"), QStringLiteral("ki"), w.ki, w.d, w, L),
            LiniaAlfa(klasa, tekst, w),
        };
        b.porownanie = LiniaOdstepu(QStringLiteral("d'"), QStringLiteral("ki'"),
                                    WspolczynnikKiPN(klasa), w.d_pn, w, L) +
                       QStringLiteral(" – wg PN-EN 62305-3:2011, informacyjnie");
        t.elementy.append(b);
    }
    if (t.elementy.isEmpty())
        t.brak_elementow = QStringLiteral("Projekt nie zawiera elementów dachu.");

    // The coefficients of classes I, II and III (IV has those of III).
    const auto ki = [](double (*wspolczynnik)(Klasa)) {
        QStringList w;
        for (int k = 1; k <= 3; ++k)
            w << TrzyMiejsca(wspolczynnik(Klasa(k)));
        return w;
    };
    const QStringList ki_iec = ki(&WspolczynnikKi), ki_pn = ki(&WspolczynnikKiPN);
    t.uwaga = QStringLiteral("Uwaga: odstępy d i kąty α obliczono wg IEC 1024-1 (ENV "
                             "61024-1:1995), tak jak w wydruku obliczeń; wg tej normy ki = %1 "
                             "(klasa I), %2 (II), %3 (III i IV). Odstęp d' podano dla porównania "
                             "wg obowiązującej normy PN-EN 62305-3:2011, która zachowuje kc, "
                             "a przyjmuje ki' = %4 (klasa I), %5 (II), %6 (III i IV); ma on "
                             "charakter wyłącznie informacyjny. Norma ta podaje km = 0,5 dla "
                             "betonu i cegły, a km innego stałego materiału izolacyjnego "
                             "pozostawia ocenie projektanta.")
                  .arg(ki_iec[0], ki_iec[1], ki_iec[2], ki_pn[0], ki_pn[1], ki_pn[2]);
    t.linia_podpisu = LiniaPodpisu();
    t.podpis_wykonawcy = PodpisWykonawcy();
    t.wykonano = Wykonano(dzis);
    return t;
}

} // namespace kerwano
