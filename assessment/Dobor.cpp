#include "assessment/Dobor.h"

#include "assessment/FormatyOceny.h"
#include "assessment/Tabele.h"

#include <algorithm>

namespace kerwano::ocena {

namespace {

// The LPS row of each F1 grade; the SPD row of F2 and F3 grades is the grade.
const int LPS_STOPNIA[] = {0, 1, 2, 3, 4};
const double RP_STOPNIA[] = {1, 0.5, 0.2};

std::array<double, 4> Ryzyka(const Wyniki &w)
{
    std::array<double, 4> R;
    for (int r = 0; r < 4; ++r)
        R[size_t(r)] = w.r[size_t(r)].oceniane ? w.r[size_t(r)].R : BRAK;
    return R;
}

bool Spelnia(const Wyniki &w)
{
    for (int r = 0; r < 3; ++r)
        if (w.r[size_t(r)].oceniane && w.r[size_t(r)].R > RyzykoTolerowane(r))
            return false;
    return true;
}

struct Kandydat
{
    std::array<int, LICZBA_RODZIN> g{};
    int k = 0, s = 0;
    bool operator<(const Kandydat &b) const
    {
        if (k != b.k)
            return k < b.k;
        if (s != b.s)
            return s < b.s;
        std::array<int, LICZBA_RODZIN> ra{}, rb{};
        int na = 0, nb = 0;
        for (int i = 0; i < LICZBA_RODZIN; ++i) {
            if (g[size_t(i)] > 0)
                ra[size_t(na++)] = i;
            if (b.g[size_t(i)] > 0)
                rb[size_t(nb++)] = i;
        }
        if (ra != rb)
            return ra < rb;
        return g < b.g;
    }
};

} // namespace

const char *KluczRodziny(int rodzina)
{
    static const char *const klucze[] = {"LPS", "SPD_wprowadzenie", "SPD_skoordynowane", "PTA_PTU",
                                         "rp"};
    return klucze[rodzina];
}

int LiczbaStopni(int rodzina)
{
    static const int liczby[] = {4, 6, 6, 2, 2};
    return liczby[rodzina];
}

QString KluczStopnia(int rodzina, int stopien)
{
    switch (rodzina) {
    case F_LPS:
        return LPS.Klucz(LPS_STOPNIA[stopien]);
    case F_SPD_WPROWADZENIE:
    case F_SPD_SKOORDYNOWANE:
        return SPD.Klucz(stopien);
    case F_PTA_PTU:
        return PTA.Klucz(stopien - 1);
    default:
        return stopien == 1 ? QStringLiteral("reczne") : QStringLiteral("automatyczne");
    }
}

QString OpisStopnia(int rodzina, int stopien, bool sa_linie)
{
    static const char16_t *const lpl[] = {u"", u"LPL III–IV", u"LPL II", u"LPL I"};
    switch (rodzina) {
    case F_LPS: {
        static const char *const klasy[] = {"", "IV", "III", "II", "I"};
        const int w = LPS_STOPNIA[stopien];
        QString t = QStringLiteral("Urządzenie piorunochronne (LPS) klasy %1 (PB = %2)")
                        .arg(QLatin1String(klasy[stopien]), FormatT(LPS.Wartosc(w, 0)));
        if (sa_linie) {
            const int s = stopien <= 2 ? 1 : stopien - 1;
            t += QStringLiteral(" z połączeniami wyrównawczymi linii przez SPD dobrane dla %1 "
                                "(PEB = %2)")
                     .arg(QString::fromUtf16(lpl[s]), FormatT(LPS.Wartosc(w, 1)));
        }
        return t;
    }
    case F_SPD_WPROWADZENIE:
        if (stopien <= 3)
            return QStringLiteral(
                       "SPD na wprowadzeniach wszystkich linii dobrane dla %1 (PEB = %2)")
                .arg(QString::fromUtf16(lpl[stopien]), FormatT(SPD.Wartosc(stopien)));
        return QStringLiteral(
                   "SPD na wprowadzeniach wszystkich linii lepsze niż dla LPL I (PEB = %1)")
            .arg(FormatT(SPD.Wartosc(stopien)));
    case F_SPD_SKOORDYNOWANE:
        if (stopien <= 3)
            return QStringLiteral("Skoordynowany układ SPD w systemach wewnętrznych dobrany dla %1 "
                                  "(PSPD = %2)")
                .arg(QString::fromUtf16(lpl[stopien]), FormatT(SPD.Wartosc(stopien)));
        return QStringLiteral("Skoordynowany układ SPD w systemach wewnętrznych lepszy niż dla "
                              "LPL I (PSPD = %1)")
            .arg(FormatT(SPD.Wartosc(stopien)));
    case F_PTA_PTU:
        return stopien == 1
                   ? QStringLiteral("Tablice ostrzegawcze (PTA i PTU × 0,1)")
                   : QStringLiteral("Izolacja elektryczna dostępnych części (PTA i PTU × 0,01)");
    default:
        return stopien == 1 ? QStringLiteral("Ręczne środki ochrony przeciwpożarowej, np. gaśnice, "
                                             "hydranty, ręczna sygnalizacja pożarowa (rp = 0,5)")
                            : QStringLiteral("Automatyczne urządzenia gaśnicze lub automatyczna "
                                             "sygnalizacja pożarowa (rp = 0,2)");
    }
}

bool Zastosuj(const Dane &d, Stan &s, int rodzina, int stopien)
{
    bool zmiana = false;
    auto min = [&zmiana](double &x, double v) {
        if (v < x) {
            x = v;
            zmiana = true;
        }
    };
    switch (rodzina) {
    case F_LPS: {
        const int w = LPS_STOPNIA[stopien];
        if (LPS.Wartosc(w, 0) != s.PB) {
            s.PB = LPS.Wartosc(w, 0);
            zmiana = true;
        }
        for (double &peb : s.PEB)
            min(peb, LPS.Wartosc(w, 1));
        break;
    }
    case F_SPD_WPROWADZENIE:
        for (double &peb : s.PEB)
            min(peb, SPD.Wartosc(stopien));
        break;
    case F_SPD_SKOORDYNOWANE:
        for (auto &strefa : s.PSPD)
            for (double &pspd : strefa)
                min(pspd, SPD.Wartosc(stopien));
        break;
    case F_PTA_PTU:
        for (size_t j = 0; j < d.strefy.size(); ++j) {
            const unsigned bit = 1u << (stopien - 1);
            const double pta = PTA.Iloczyn(s.PTA[j]);
            s.PTA[j] |= bit;
            zmiana = zmiana || PTA.Iloczyn(s.PTA[j]) != pta;
            if (d.strefy[j].wewnatrz) {
                const double ptu = PTU.Iloczyn(s.PTU[j]);
                s.PTU[j] |= bit;
                zmiana = zmiana || PTU.Iloczyn(s.PTU[j]) != ptu;
            }
        }
        break;
    default:
        for (size_t j = 0; j < d.strefy.size(); ++j) {
            const DaneStrefy &z = d.strefy[j];
            if (z.wewnatrz && !RF.Ma(z.rf, WYBUCH) && RF.Wartosc(z.rf) != 0)
                min(s.rp[j], RP_STOPNIA[stopien]);
        }
        break;
    }
    return zmiana;
}

Dobor DobierzOchrone(const Dane &d, const Wyniki &wyniki)
{
    Dobor wynik;
    wynik.przed = Ryzyka(wyniki);
    if (Spelnia(wyniki))
        return wynik;
    const Stan S0 = StanPoczatkowy(d);

    // The grades available in S0, per family.
    std::array<std::vector<int>, LICZBA_RODZIN> dostepne;
    for (int f = 0; f < LICZBA_RODZIN; ++f)
        for (int g = 1; g <= LiczbaStopni(f); ++g) {
            Stan s = S0;
            const bool zmienia = Zastosuj(d, s, f, g);
            if (f == F_LPS ? LPS.Wartosc(LPS_STOPNIA[g], 0) < S0.PB : zmienia)
                dostepne[size_t(f)].push_back(g);
        }

    std::vector<Kandydat> kandydaci;
    Kandydat k;
    auto rozwin = [&](auto &&self, int f) -> void {
        if (f == LICZBA_RODZIN) {
            if (k.k > 0)
                kandydaci.push_back(k);
            return;
        }
        k.g[size_t(f)] = 0;
        self(self, f + 1);
        for (int g : dostepne[size_t(f)]) {
            k.g[size_t(f)] = g;
            ++k.k;
            k.s += g;
            self(self, f + 1);
            --k.k;
            k.s -= g;
        }
        k.g[size_t(f)] = 0;
    };
    rozwin(rozwin, 0);
    std::sort(kandydaci.begin(), kandydaci.end());

    // The steps of a candidate: the state after each grade.
    auto kroki = [&](const std::array<int, LICZBA_RODZIN> &g, bool pomin_puste) {
        std::vector<Krok> lista;
        Krok zero;
        zero.R = wynik.przed;
        lista.push_back(zero);
        Stan s = S0;
        for (int f = 0; f < LICZBA_RODZIN; ++f) {
            if (g[size_t(f)] == 0)
                continue;
            Stan przed = s;
            if (!Zastosuj(d, s, f, g[size_t(f)]) && pomin_puste) {
                s = przed;
                continue;
            }
            Krok krok;
            krok.rodzina = f;
            krok.stopien = g[size_t(f)];
            krok.R = Ryzyka(Oblicz(d, s));
            lista.push_back(krok);
        }
        return lista;
    };

    // R4 is no target: the candidates are judged without it.
    Dane bez_R4 = d;
    bez_R4.obiekt.oceniane[3] = false;
    Stan s;
    for (const Kandydat &kand : kandydaci) {
        s = S0;
        bool pusty = false;
        for (int f = 0; f < LICZBA_RODZIN && !pusty; ++f)
            if (kand.g[size_t(f)] > 0)
                pusty = !Zastosuj(d, s, f, kand.g[size_t(f)]);
        if (pusty)
            continue;
        if (Spelnia(Oblicz(bez_R4, s))) {
            wynik.stan = WynikDoboru::Znaleziono;
            wynik.kroki = kroki(kand.g, false);
            return wynik;
        }
    }

    // Nothing suffices: every family at its highest grade available.
    wynik.stan = WynikDoboru::NieZnaleziono;
    std::array<int, LICZBA_RODZIN> wszystkie{};
    for (int f = 0; f < LICZBA_RODZIN; ++f)
        if (!dostepne[size_t(f)].empty())
            wszystkie[size_t(f)] = dostepne[size_t(f)].back();
    wynik.kroki = kroki(wszystkie, true);
    s = S0;
    for (const Krok &krok : wynik.kroki)
        if (krok.rodzina >= 0)
            Zastosuj(d, s, krok.rodzina, krok.stopien);
    const Wyniki po = Oblicz(d, s);
    for (int r = 0; r < 3; ++r) {
        const Ryzyko &ryz = po.r[size_t(r)];
        if (!ryz.oceniane || !(ryz.R > RyzykoTolerowane(r)))
            continue;
        std::vector<DuzaSkladowa> skladowe;
        for (int c = 0; c < LICZBA_SKLADOWYCH; ++c)
            if (Jest(ryz.c[size_t(c)]) && ryz.c[size_t(c)] != 0)
                skladowe.push_back({r, c, ryz.c[size_t(c)]});
        std::stable_sort(
            skladowe.begin(), skladowe.end(),
            [](const DuzaSkladowa &a, const DuzaSkladowa &b) { return a.wartosc > b.wartosc; });
        if (skladowe.size() > 3)
            skladowe.resize(3);
        wynik.najwieksze.insert(wynik.najwieksze.end(), skladowe.begin(), skladowe.end());
    }
    return wynik;
}

const char *KluczWynikuDoboru(WynikDoboru stan)
{
    switch (stan) {
    case WynikDoboru::Wystarcza:
        return "wystarcza";
    case WynikDoboru::Znaleziono:
        return "znaleziono";
    case WynikDoboru::NieZnaleziono:
        break;
    }
    return "nie_znaleziono";
}

QString TekstWynikuDoboru(WynikDoboru stan)
{
    switch (stan) {
    case WynikDoboru::Wystarcza:
        return QStringLiteral("Obecny stan ochrony wystarcza: żadne z ocenianych ryzyk nie "
                              "przekracza RT.");
    case WynikDoboru::Znaleziono:
        return QStringLiteral("Najmniejszy zestaw środków ochrony, który sprowadza oceniane "
                              "ryzyka do wartości nie większych niż RT:");
    case WynikDoboru::NieZnaleziono:
        break;
    }
    return QStringLiteral("Środki rozpatrywane przez program nie wystarczają do osiągnięcia RT. "
                          "Po zastosowaniu wszystkich:");
}

QStringList TekstyNajwiekszych(const Dobor &dobor)
{
    QStringList linie;
    for (int r = 0; r < 3; ++r) {
        QStringList czesci;
        for (const DuzaSkladowa &s : dobor.najwieksze)
            if (s.ryzyko == r)
                czesci << QStringLiteral("%1 = %2").arg(QLatin1String(NazwaSkladowej(s.skladowa)),
                                                        FormatW(s.wartosc));
        if (!czesci.isEmpty())
            linie
                << QStringLiteral("Największe składowe R%1: %2").arg(r + 1).arg(czesci.join(u", "));
    }
    return linie;
}

QString TekstRady()
{
    return QStringLiteral("Rozważ ekranowanie linii, ekrany przestrzenne (KS1, KS2), prowadzenie "
                          "przewodów (KS3) lub urządzenia o wyższym UW.");
}

bool PorownajKoszty(const Dane &d, const Wyniki &wyniki, Oplacalnosc &o)
{
    if (!d.obiekt.oceniane[3] || !Jest(d.obiekt.CPM))
        return false;
    Stan s = StanPoczatkowy(d);
    s.PB = 1;
    s.KS1 = 1;
    std::fill(s.PEB.begin(), s.PEB.end(), 1.0);
    for (auto &strefa : s.PSPD)
        std::fill(strefa.begin(), strefa.end(), 1.0);
    std::fill(s.PTA.begin(), s.PTA.end(), 0u);
    std::fill(s.PTU.begin(), s.PTU.end(), 0u);
    std::fill(s.rp.begin(), s.rp.end(), 1.0);
    std::fill(s.KS2.begin(), s.KS2.end(), 1.0);
    o.ct = d.obiekt.ct4;
    o.CPM = d.obiekt.CPM;
    o.R4_bez_ochrony = Oblicz(d, s).r[3].R;
    o.R4 = wyniki.r[3].R;
    o.CL = o.R4_bez_ochrony * o.ct;
    o.CRL = o.R4 * o.ct;
    o.SM = o.CL - (o.CPM + o.CRL);
    o.oplacalna = o.SM > 0;
    return true;
}

QString WerdyktKosztow(const Oplacalnosc &o)
{
    return o.oplacalna ? QStringLiteral("SM = CL − (CPM + CRL) = %1 zł/rok > 0: środki ochrony "
                                        "są opłacalne")
                             .arg(FormatZl(o.SM))
                       : QStringLiteral("SM = CL − (CPM + CRL) = %1 zł/rok ≤ 0: środki ochrony "
                                        "nie są opłacalne")
                             .arg(FormatZl(o.SM));
}

} // namespace kerwano::ocena
