#include "assessment/WynikiOceny.h"

#include "assessment/Dobor.h"
#include "assessment/Dokument.h"
#include "assessment/Obliczenia.h"
#include "assessment/Tabele.h"
#include "assessment/Walidacja.h"

namespace kerwano::ocena {

namespace {

// An object built key by key, in the order written.
class O
{
public:
    O &operator()(const char *klucz, Json w)
    {
        m_j.obiekt.emplace_back(QString::fromLatin1(klucz), std::move(w));
        return *this;
    }
    O &operator()(const char *klucz, double x) { return (*this)(klucz, N(x)); }
    O &operator()(const char *klucz, const QString &t) { return (*this)(klucz, Json::Tekst(t)); }
    operator Json() const { return m_j; }
    static Json N(double x) { return Jest(x) ? Json::Liczba(x) : Json(); }

private:
    Json m_j = Json::Obiekt();
};

Json Komunikaty(const QVector<Komunikat> &lista)
{
    Json t = Json::Tablica();
    for (const Komunikat &k : lista)
        t.tablica.push_back(O()("pole", k.pole)("komunikat", k.komunikat));
    return t;
}

Json Ryzyka4(const std::array<double, 4> &R)
{
    return O()("R1", R[0])("R2", R[1])("R3", R[2])("R4", R[3]);
}

Json Skladowe(O o, const std::array<double, LICZBA_SKLADOWYCH> &c, double R)
{
    for (int k = 0; k < LICZBA_SKLADOWYCH; ++k)
        o(NazwaSkladowej(k), c[size_t(k)]);
    o("R", R);
    return o;
}

Json RyzykoStrefyJson(int r, const RyzykoStrefy &z)
{
    O o;
    switch (r) {
    case 0:
        o("f", z.wspolczynnik)("LT", z.LT)("LF", z.LF)("LO", z.LO)("LA", z.LA)("LU", z.LU)(
            "LB", z.LB)("LV", z.LV)("LC", z.LC)("LM", z.LM)("LW", z.LW)("LZ", z.LZ);
        break;
    case 1:
        o("wspolczynnik", z.wspolczynnik)("LF", z.LF)("LO", z.LO)("LB", z.LB)("LV", z.LV)(
            "LC", z.LC)("LM", z.LM)("LW", z.LW)("LZ", z.LZ);
        break;
    case 2:
        o("wspolczynnik", z.wspolczynnik)("LF", z.LF)("LB", z.LB)("LV", z.LV);
        break;
    default:
        o("LT", z.LT)("LF", z.LF)("LO", z.LO)("LA", z.LA)("LU", z.LU)("LB", z.LB)("LV", z.LV)(
            "LC", z.LC)("LM", z.LM)("LW", z.LW)("LZ", z.LZ);
        break;
    }
    return Skladowe(o, z.c, z.R);
}

Json Wyniki_(const Dane &d, const Wyniki &w)
{
    const WynikObiektu &wo = w.obiekt;
    Json obiekt = O()("AD_prostokat", wo.AD_prostokat)("AD_wystajaca",
                                                       wo.AD_wystajaca)("AD", wo.AD)("AM", wo.AM)(
        "CD", wo.CD)("NG", wo.NG)("ND", wo.ND)("NM", wo.NM)("PB", wo.PB)("KS1", wo.KS1);
    Json linie = Json::Tablica();
    for (size_t i = 0; i < w.linie.size(); ++i) {
        const WynikLinii &l = w.linie[i];
        linie.tablica.push_back(O()("nazwa", d.linie[i].nazwa)("CI", l.CI)("CE", l.CE)("CT", l.CT)(
            "AL", l.AL)("AI", l.AI)("NL", l.NL)("NI", l.NI)("ADJ", l.ADJ)("CDJ", l.CDJ)(
            "NDJ", l.NDJ)("CLD", l.CLD)("CLI", l.CLI)("PLD", l.PLD)("PLI", l.PLI)("PEB", l.PEB));
    }
    Json strefy = Json::Tablica();
    for (size_t j = 0; j < w.strefy.size(); ++j) {
        const WynikStrefy &z = w.strefy[j];
        const DaneStrefy &dz = d.strefy[j];
        O o;
        o("nazwa", dz.nazwa)("polozenie", POLOZENIE.Klucz(z.wewnatrz ? 0 : 1))("rt", z.rt)(
            "PTA", z.PTA)("PA", z.PA)("PTU", z.PTU)("rf", z.rf)("rp", z.rp)("hz", z.hz)(
            "KS2", z.KS2)("PC", z.PC)("PM", z.PM);
        Json pl = Json::Tablica();
        for (size_t i = 0; i < z.PU.size(); ++i)
            pl.tablica.push_back(O()("nazwa", d.linie[i].nazwa)("PU", z.PU[i])("PV", z.PV[i]));
        o("linie", pl);
        Json sy = Json::Tablica();
        for (const WynikSystemu &s : z.systemy)
            sy.tablica.push_back(
                O()("linia", s.linia >= 0 ? Json::Tekst(d.linie[size_t(s.linia)].nazwa) : Json())(
                    "KS3", s.KS3)("KS4", s.KS4)("PMS", s.PMS)("PSPD", s.PSPD)("CLD", s.CLD)(
                    "CLI", s.CLI)("PC", s.PC)("PM", s.PM)("PW", s.PW)("PZ", s.PZ));
        o("systemy", sy);
        for (int r = 0; r < 4; ++r)
            o(qPrintable(QStringLiteral("R%1").arg(r + 1)),
              d.obiekt.oceniane[r] ? RyzykoStrefyJson(r, z.r[size_t(r)]) : Json());
        strefy.tablica.push_back(o);
    }
    O ryzyka;
    for (int r = 0; r < 4; ++r) {
        const Ryzyko &ryz = w.r[size_t(r)];
        const QString klucz = QStringLiteral("R%1").arg(r + 1);
        if (!ryz.oceniane) {
            ryzyka(qPrintable(klucz), Json());
            continue;
        }
        O o;
        for (int k = 0; k < LICZBA_SKLADOWYCH; ++k)
            o(NazwaSkladowej(k), ryz.c[size_t(k)]);
        o("R", ryz.R)("RT", RyzykoTolerowane(r))(
            "przekroczone", r == 3 ? Json() : Json::Logiczna(ryz.R > RyzykoTolerowane(r)))(
            "tekst", Werdykt(r, ryz.R));
        ryzyka(qPrintable(klucz), o);
    }
    const Dobor dobor = DobierzOchrone(d, w);
    Json kroki = Json::Tablica();
    for (const Krok &k : dobor.kroki) {
        if (k.rodzina < 0)
            continue;
        O o;
        o("rodzina", QString::fromLatin1(KluczRodziny(k.rodzina)))(
            "stopien", KluczStopnia(k.rodzina, k.stopien))(
            "opis", OpisStopnia(k.rodzina, k.stopien, !d.linie.empty()));
        o("R1", k.R[0])("R2", k.R[1])("R3", k.R[2])("R4", k.R[3]);
        kroki.tablica.push_back(o);
    }
    Json najwieksze = Json::Tablica();
    for (const DuzaSkladowa &s : dobor.najwieksze)
        najwieksze.tablica.push_back(O()("ryzyko", QStringLiteral("R%1").arg(s.ryzyko + 1))(
            "skladowa", QString::fromLatin1(NazwaSkladowej(s.skladowa)))("wartosc", s.wartosc));
    Json dob = O()("stan", QString::fromLatin1(KluczWynikuDoboru(dobor.stan)))(
        "przed", Ryzyka4(dobor.przed))("kroki", kroki)("najwieksze_skladowe", najwieksze);
    Oplacalnosc k;
    Json oplacalnosc;
    if (PorownajKoszty(d, w, k))
        oplacalnosc = O()("ct", k.ct)("CPM", k.CPM)("R4_bez_ochrony", k.R4_bez_ochrony)("R4", k.R4)(
            "CL", k.CL)("CRL", k.CRL)("SM", k.SM)("oplacalna", Json::Logiczna(k.oplacalna))(
            "tekst", WerdyktKosztow(k));
    return O()("obiekt", obiekt)("linie", linie)("strefy", strefy)("ryzyka", ryzyka)("dobor", dob)(
        "oplacalnosc", oplacalnosc);
}

} // namespace

Json WynikiJson(const Json &dokument, const QString &plik, const QString &program)
{
    const Walidacja walidacja = Sprawdz(dokument);
    Json wejscie = BezNieznanych(dokument);
    wejscie.Ustaw(QStringLiteral("format"), Json::Tekst(QString::fromLatin1(FORMAT_PLIKU)));
    wejscie.Ustaw(QStringLiteral("wersja"), Json::Liczba(WERSJA_FORMATU));
    return O()("format", QStringLiteral("kerwano-ocena-ryzyka-wyniki"))("wersja", Json::Liczba(1))(
        "program", program)("plik", plik)("wejscie", wejscie)("bledy", Komunikaty(walidacja.bledy))(
        "uwagi", Komunikaty(walidacja.uwagi))(
        "wyniki", walidacja.Poprawna() ? Wyniki_(walidacja.dane, Oblicz(walidacja.dane)) : Json());
}

} // namespace kerwano::ocena
