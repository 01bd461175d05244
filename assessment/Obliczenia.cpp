#include "assessment/Obliczenia.h"

#include "assessment/FormatyOceny.h"
#include "assessment/Tabele.h"

#include <cmath>

namespace kerwano::ocena {

namespace {

double Ekran(int wiersz, double wm)
{
    return EKRAN_PRZESTRZENNY.Ma(wiersz, SIATKA) ? std::min(1.0, 0.12 * wm)
                                                 : EKRAN_PRZESTRZENNY.Wartosc(wiersz);
}

double Powierzchnia(double L, double W, double H)
{
    return L * W + 2 * (3 * H) * (L + W) + M_PI * (3 * H) * (3 * H);
}

double Suma(const std::array<double, LICZBA_SKLADOWYCH> &c)
{
    double R = 0;
    for (double x : c)
        if (Jest(x))
            R = R + x;
    return R;
}

} // namespace

const char *NazwaSkladowej(int skladowa)
{
    static const char *const nazwy[] = {"RA", "RB", "RC", "RM", "RU", "RV", "RW", "RZ"};
    return nazwy[skladowa];
}

bool RyzykoMaSkladowa(int r, int skladowa)
{
    switch (r) {
    case 1:
        return skladowa != RA && skladowa != RU;
    case 2:
        return skladowa == RB || skladowa == RV;
    default:
        return true;
    }
}

Stan StanPoczatkowy(const Dane &d)
{
    Stan s;
    s.PB = LPS.Wartosc(d.obiekt.LPS);
    s.KS1 = Ekran(d.obiekt.KS1, d.obiekt.wm1);
    for (const DaneLinii &l : d.linie)
        s.PEB.push_back(SPD.Wartosc(l.SPD));
    for (const DaneStrefy &z : d.strefy) {
        std::vector<double> pspd;
        for (const DaneSystemu &sy : z.systemy)
            pspd.push_back(SPD.Wartosc(sy.SPD));
        s.PSPD.push_back(pspd);
        s.PTA.push_back(z.PTA);
        s.PTU.push_back(z.PTU);
        double rp = 1;
        if (z.wewnatrz && !RF.Ma(z.rf, WYBUCH))
            for (int i = 0; i < RP.liczba; ++i)
                if (z.rp & (1u << i))
                    rp = std::min(rp, RP.Wartosc(i));
        s.rp.push_back(rp);
        s.KS2.push_back(z.wewnatrz ? Ekran(z.KS2, z.wm2) : 1.0);
    }
    return s;
}

Wyniki Oblicz(const Dane &d, const Stan &s)
{
    Wyniki w;
    const DaneObiektu &o = d.obiekt;
    WynikObiektu &wo = w.obiekt;
    wo.AD_prostokat = Powierzchnia(o.L, o.W, o.H);
    wo.AD_wystajaca = Jest(o.HP) ? M_PI * (3 * o.HP) * (3 * o.HP) : BRAK;
    wo.AD = Jest(o.HP) ? std::max(wo.AD_prostokat, wo.AD_wystajaca) : wo.AD_prostokat;
    wo.AM = 2 * 500 * (o.L + o.W) + M_PI * 500 * 500;
    wo.CD = CD.Wartosc(o.CD);
    wo.NG = o.NG;
    wo.ND = o.NG * wo.AD * wo.CD * 1e-6;
    wo.NM = o.NG * wo.AM * 1e-6;
    wo.PB = s.PB;
    wo.KS1 = s.KS1;

    w.linie.reserve(d.linie.size());
    w.strefy.reserve(d.strefy.size());
    for (size_t i = 0; i < d.linie.size(); ++i) {
        const DaneLinii &l = d.linie[i];
        WynikLinii wl;
        wl.CI = CI.Wartosc(l.CI);
        wl.CE = CE.Wartosc(l.CE);
        wl.CT = CT.Wartosc(l.CT);
        wl.AL = 40 * l.LL;
        wl.AI = 4000 * l.LL;
        wl.NL = o.NG * wl.AL * wl.CI * wl.CE * wl.CT * 1e-6;
        wl.NI = o.NG * wl.AI * wl.CI * wl.CE * wl.CT * 1e-6;
        if (l.sasiedni) {
            wl.ADJ = Powierzchnia(l.LJ, l.WJ, l.HJ);
            wl.CDJ = CD.Wartosc(l.CDJ);
            wl.NDJ = o.NG * wl.ADJ * wl.CDJ * wl.CT * 1e-6;
        } else {
            wl.ADJ = wl.CDJ = BRAK;
            wl.NDJ = 0;
        }
        wl.CLD = EKRAN_LINII.Wartosc(l.ekran, 0);
        wl.CLI = EKRAN_LINII.Wartosc(l.ekran, 1);
        wl.PLD = RS.Wartosc(l.RS, l.UW);
        wl.PLI = PLI.Wartosc(l.rodzaj, l.UW);
        wl.PEB = s.PEB[i];
        wl.PV = wl.PEB * wl.PLD * wl.CLD;
        w.linie.push_back(wl);
    }

    for (int r = 0; r < 4; ++r) {
        w.r[size_t(r)].oceniane = o.oceniane[r];
        for (int k = 0; k < LICZBA_SKLADOWYCH; ++k)
            w.r[size_t(r)].c[size_t(k)] = RyzykoMaSkladowa(r, k) ? 0.0 : BRAK;
    }

    for (size_t j = 0; j < d.strefy.size(); ++j) {
        const DaneStrefy &z = d.strefy[j];
        WynikStrefy wz;
        wz.wewnatrz = z.wewnatrz;
        wz.rt = RT.Wartosc(z.rt);
        wz.PTA = PTA.Iloczyn(s.PTA[j]);
        wz.PA = wz.PTA * s.PB;
        if (z.wewnatrz) {
            wz.PTU = PTU.Iloczyn(s.PTU[j]);
            wz.rf = RF.Wartosc(z.rf);
            wz.rp = s.rp[j];
            wz.hz = HZ.Wartosc(z.hz);
            wz.KS2 = s.KS2[j];
            wz.PU.reserve(w.linie.size());
            wz.PV.reserve(w.linie.size());
            wz.systemy.reserve(z.systemy.size());
            for (const WynikLinii &wl : w.linie) {
                wz.PU.push_back(wz.PTU * wl.PEB * wl.PLD * wl.CLD);
                wz.PV.push_back(wl.PV);
            }
            double iloczyn_PC = 1, iloczyn_PM = 1;
            for (size_t k = 0; k < z.systemy.size(); ++k) {
                const DaneSystemu &sy = z.systemy[k];
                WynikSystemu ws;
                ws.linia = sy.linia;
                const WynikLinii *wl = sy.linia >= 0 ? &w.linie[size_t(sy.linia)] : nullptr;
                ws.CLD = wl ? wl->CLD : 0;
                ws.CLI = wl ? wl->CLI : 0;
                ws.PSPD = s.PSPD[j][k];
                ws.PC = ws.PSPD * ws.CLD;
                ws.KS3 = KS3.Wartosc(sy.KS3);
                ws.KS4 = 1 / UW_KOLUMNY[sy.UW];
                const double x = s.KS1 * wz.KS2 * ws.KS3 * ws.KS4;
                ws.PMS = std::min(1.0, x * x);
                ws.PM = ws.PSPD * ws.PMS;
                ws.PW = wl ? ws.PSPD * wl->PLD * wl->CLD : 0;
                ws.PZ = wl ? ws.PSPD * wl->PLI * wl->CLI : 0;
                iloczyn_PC = iloczyn_PC * (1 - ws.PC);
                iloczyn_PM = iloczyn_PM * (1 - ws.PM);
                wz.systemy.push_back(ws);
            }
            wz.PC = 1 - iloczyn_PC;
            wz.PM = 1 - iloczyn_PM;
        }

        // The components of one loss type, with its losses set.
        auto skladowe = [&](RyzykoStrefy &rz) {
            rz.c[RA] = wo.ND * wz.PA * rz.LA;
            if (!z.wewnatrz)
                return;
            rz.c[RB] = wo.ND * wo.PB * rz.LB;
            rz.c[RC] = wo.ND * wz.PC * rz.LC;
            rz.c[RM] = wo.NM * wz.PM * rz.LM;
            double RU_ = 0, RV_ = 0, RW_ = 0, RZ_ = 0;
            for (size_t i = 0; i < w.linie.size(); ++i) {
                const WynikLinii &wl = w.linie[i];
                RU_ = RU_ + (wl.NL + wl.NDJ) * wz.PU[i] * rz.LU;
                RV_ = RV_ + (wl.NL + wl.NDJ) * wz.PV[i] * rz.LV;
            }
            for (const WynikSystemu &ws : wz.systemy) {
                if (ws.linia < 0)
                    continue;
                const WynikLinii &wl = w.linie[size_t(ws.linia)];
                RW_ = RW_ + (wl.NL + wl.NDJ) * ws.PW * rz.LW;
                RZ_ = RZ_ + wl.NI * ws.PZ * rz.LZ;
            }
            rz.c[RU] = RU_;
            rz.c[RV] = RV_;
            rz.c[RW] = RW_;
            rz.c[RZ] = RZ_;
        };

        // L1
        {
            RyzykoStrefy &r1 = wz.r[0];
            const double f = (z.nz / o.nt) * (z.tz / 8760);
            r1.wspolczynnik = f;
            r1.LT = LT;
            r1.LA = wz.rt * LT * f;
            if (z.wewnatrz) {
                r1.LF = Jest(z.LF) ? z.LF : RODZAJ_L1.Wartosc(z.rodzaj, 1);
                r1.LO = Jest(z.LO) ? z.LO : RODZAJ_L1.Wartosc(z.rodzaj, 2);
                r1.LU = r1.LA;
                r1.LB = r1.LV = wz.rp * wz.rf * wz.hz * r1.LF * f;
                r1.LC = r1.LM = r1.LW = r1.LZ = r1.LO * f;
            }
            skladowe(r1);
            if (z.wewnatrz && !z.zagrozenie_zycia)
                r1.c[RC] = r1.c[RM] = r1.c[RW] = r1.c[RZ] = BRAK;
        }
        // L2
        if (o.oceniane[1]) {
            RyzykoStrefy &r2 = wz.r[1];
            if (z.wewnatrz) {
                const double u = z.nz2 / o.nt2;
                r2.wspolczynnik = u;
                r2.LF = Jest(z.LF2) ? z.LF2 : USLUGA.Wartosc(o.usluga, 0);
                r2.LO = Jest(z.LO2) ? z.LO2 : USLUGA.Wartosc(o.usluga, 1);
                r2.LB = r2.LV = wz.rp * wz.rf * r2.LF * u;
                r2.LC = r2.LM = r2.LW = r2.LZ = r2.LO * u;
                r2.LA = r2.LU = 0;
                skladowe(r2);
                r2.LA = r2.LU = BRAK;
                r2.c[RA] = r2.c[RU] = BRAK;
            }
        }
        // L3
        if (o.oceniane[2]) {
            RyzykoStrefy &r3 = wz.r[2];
            if (z.wewnatrz) {
                const double c = z.cz / o.ct3;
                r3.wspolczynnik = c;
                r3.LF = Jest(z.LF3) ? z.LF3 : LF_L3;
                r3.LB = r3.LV = wz.rp * wz.rf * r3.LF * c;
                r3.c[RB] = wo.ND * wo.PB * r3.LB;
                double RV_ = 0;
                for (size_t i = 0; i < w.linie.size(); ++i)
                    RV_ = RV_ + (w.linie[i].NL + w.linie[i].NDJ) * wz.PV[i] * r3.LV;
                r3.c[RV] = RV_;
            }
        }
        // L4
        if (o.oceniane[3]) {
            RyzykoStrefy &r4 = wz.r[3];
            r4.LT = LT;
            r4.LA = wz.rt * LT * (z.ca / o.ct4);
            if (z.wewnatrz) {
                r4.LF = Jest(z.LF4) ? z.LF4 : RODZAJ_L4.Wartosc(z.rodzaj4, 1);
                r4.LO = Jest(z.LO4) ? z.LO4 : RODZAJ_L4.Wartosc(z.rodzaj4, 2);
                r4.LU = r4.LA;
                r4.LB = r4.LV = wz.rp * wz.rf * r4.LF * ((z.ca + z.cb + z.cc + z.cs) / o.ct4);
                r4.LC = r4.LM = r4.LW = r4.LZ = r4.LO * (z.cs / o.ct4);
            }
            skladowe(r4);
        }

        for (int r = 0; r < 4; ++r) {
            if (!o.oceniane[r])
                continue;
            RyzykoStrefy &rz = wz.r[size_t(r)];
            rz.R = Suma(rz.c);
            Ryzyko &razem = w.r[size_t(r)];
            for (int k = 0; k < LICZBA_SKLADOWYCH; ++k)
                if (Jest(rz.c[size_t(k)]) && Jest(razem.c[size_t(k)]))
                    razem.c[size_t(k)] = razem.c[size_t(k)] + rz.c[size_t(k)];
            razem.R = razem.R + rz.R;
        }
        w.strefy.push_back(std::move(wz));
    }
    return w;
}

double RyzykoTolerowane(int r)
{
    static const double rt[] = {RT_R1, RT_R2, RT_R3, BRAK};
    return rt[r];
}

QString TekstRT(int r)
{
    static const char16_t *const teksty[] = {u"10⁻⁵", u"10⁻³", u"10⁻⁴", u""};
    return QString::fromUtf16(teksty[r]);
}

QString Werdykt(int r, double R)
{
    const QString V = FormatW(R);
    if (r == 3)
        return QStringLiteral("R4 = %1 (dla R4 nie ustala się wartości RT)").arg(V);
    if (R > RyzykoTolerowane(r))
        return QStringLiteral("R%1 = %2 > RT = %3: ochrona potrzebna")
            .arg(r + 1)
            .arg(V, TekstRT(r));
    return QStringLiteral("R%1 = %2 ≤ RT = %3: dodatkowa ochrona niepotrzebna")
        .arg(r + 1)
        .arg(V, TekstRT(r));
}

} // namespace kerwano::ocena
