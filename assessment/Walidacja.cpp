#include "assessment/Walidacja.h"

#include "assessment/FormatyOceny.h"
#include "assessment/Tabele.h"

#include <QLocale>

#include <cmath>

namespace kerwano::ocena {

namespace {

const QString WYMAGANE = QStringLiteral("Pole wymagane.");

QString L(const char *s)
{
    return QString::fromLatin1(s);
}

// One document checked field by field; each check returns whether the
// field is valid and, if so, its value.
class Sprawdzanie
{
public:
    explicit Sprawdzanie(Walidacja &w) : m_w(w) {}

    bool Blad(const QString &pole, const QString &komunikat)
    {
        m_w.bledy.push_back({pole, komunikat});
        return false;
    }
    void Uwaga(const QString &pole, const QString &komunikat)
    {
        m_w.uwagi.push_back({pole, komunikat});
    }

    bool Liczba(const Json &w, const QString &pole, double &x)
    {
        if (w.JestNull())
            return Blad(pole, WYMAGANE);
        if (!w.JestLiczba())
            return Blad(pole, QStringLiteral("Wpisz liczbę."));
        if (!std::isfinite(w.liczba))
            return Blad(pole, QStringLiteral("Wartość poza zakresem."));
        x = w.liczba;
        return true;
    }
    // 0 < x <= b
    bool Dodatnia(const Json &w, const QString &pole, double b, double &x)
    {
        if (!Liczba(w, pole, x))
            return false;
        if (!(x > 0 && x <= b))
            return Blad(pole, QStringLiteral("Wartość musi być większa od 0 i nie większa niż %1.")
                                  .arg(FormatT(b)));
        return true;
    }
    // a <= x <= b
    bool Przedzial(const Json &w, const QString &pole, double a, double b, double &x)
    {
        if (!Liczba(w, pole, x))
            return false;
        if (!(x >= a && x <= b))
            return Blad(pole, QStringLiteral("Wartość musi mieścić się w przedziale od %1 do %2.")
                                  .arg(FormatT(a), FormatT(b)));
        return true;
    }
    bool Nieujemna(const Json &w, const QString &pole, double &x)
    {
        if (!Liczba(w, pole, x))
            return false;
        if (x < 0)
            return Blad(pole, QStringLiteral("Wartość nie może być ujemna."));
        return true;
    }
    bool Calkowita(const Json &w, const QString &pole, double &x)
    {
        if (!Liczba(w, pole, x))
            return false;
        if (std::floor(x) != x)
            return Blad(pole, QStringLiteral("Wpisz liczbę całkowitą."));
        return true;
    }
    bool CalkowitaPrzedzial(const Json &w, const QString &pole, double a, double b, double &x)
    {
        if (!Calkowita(w, pole, x))
            return false;
        if (!(x >= a && x <= b))
            return Blad(pole, QStringLiteral("Wartość musi mieścić się w przedziale od %1 do %2.")
                                  .arg(FormatT(a), FormatT(b)));
        return true;
    }
    bool CalkowitaNieujemna(const Json &w, const QString &pole, double &x)
    {
        if (!Calkowita(w, pole, x))
            return false;
        if (x < 0)
            return Blad(pole, QStringLiteral("Wartość nie może być ujemna."));
        return true;
    }
    // An override: null (the table's value, BRAK) or 0 <= x <= 1.
    bool Zastepcza(const Json &w, const QString &pole, double &x)
    {
        x = BRAK;
        return w.JestNull() || Przedzial(w, pole, 0, 1, x);
    }
    bool Klucz(const Json &w, const QString &pole, const Tabela &t, int &i)
    {
        if (w.JestNull())
            return Blad(pole, WYMAGANE);
        if (!w.JestTekstem())
            return Blad(pole, QStringLiteral("Wybierz wartość z listy."));
        const int wiersz = t.Indeks(w.tekst);
        if (wiersz < 0)
            return Blad(
                pole,
                QStringLiteral("Nieznana wartość „%1” – wybierz wartość z listy.").arg(w.tekst));
        i = wiersz;
        return true;
    }
    bool Zbior(const Json &w, const QString &pole, const Tabela &t, unsigned &maska)
    {
        maska = 0;
        bool dobry = w.JestTablica();
        for (size_t k = 0; dobry && k < w.tablica.size(); ++k) {
            const Json &e = w.tablica[k];
            const int i = e.JestTekstem() ? t.Indeks(e.tekst) : -1;
            dobry = i >= 0 && !(maska & (1u << i));
            if (dobry)
                maska |= 1u << i;
        }
        if (!dobry)
            return Blad(pole,
                        QStringLiteral("Nieprawidłowa lista środków – zaznacz środki ponownie."));
        return true;
    }
    bool Logiczna(const Json &w, const QString &pole, bool &b)
    {
        if (!w.JestLogiczna())
            return Blad(pole, QStringLiteral("Nieprawidłowa wartość – zaznacz lub wyczyść pole."));
        b = w.logiczna;
        return true;
    }
    bool UW(const Json &w, const QString &pole, int &kolumna)
    {
        double x = 0;
        if (!Liczba(w, pole, x))
            return false;
        const int k = KolumnaUW(x);
        if (k < 0)
            return Blad(pole, QStringLiteral("Dopuszczalne wartości UW: 1; 1,5; 2,5; 4; 6 kV."));
        kolumna = k;
        return true;
    }
    bool Nazwa(const Json &w, const QString &pole, QString &nazwa)
    {
        nazwa = w.JestTekstem() ? w.tekst.trimmed() : QString();
        if (nazwa.isEmpty())
            return Blad(pole, QStringLiteral("Nazwa nie może być pusta."));
        if (nazwa.toUcs4().size() > 40)
            return Blad(pole, QStringLiteral("Nazwa może mieć najwyżej 40 znaków."));
        return true;
    }

private:
    Walidacja &m_w;
};

} // namespace

QString Walidacja::Powod(const QString &pole) const
{
    for (const Komunikat &k : bledy)
        if (k.pole == pole)
            return k.komunikat;
    return QString();
}

Json WartoscPola(const QString &tekst)
{
    const QString t = tekst.trimmed();
    if (t.isEmpty())
        return Json();
    QString kropka = t;
    kropka.replace(u',', u'.');
    bool ok = false;
    const double x = QLocale::c().toDouble(kropka, &ok);
    if (ok && std::isfinite(x))
        return Json::Liczba(x);
    return Json::Tekst(tekst);
}

Walidacja Sprawdz(const Json &dokument)
{
    Walidacja wynik;
    Sprawdzanie s(wynik);
    Dane &d = wynik.dane;
    DaneObiektu &o = d.obiekt;

    // The structure.
    const Json &jo = dokument["obiekt"];
    const QString po = QStringLiteral("obiekt.");
    const bool okL = s.Dodatnia(jo["L"], po + L("L"), 10000, o.L);
    const bool okW = s.Dodatnia(jo["W"], po + L("W"), 10000, o.W);
    const bool okH = s.Dodatnia(jo["H"], po + L("H"), 1000, o.H);
    Q_UNUSED(okL)
    Q_UNUSED(okW)
    if (!jo["HP"].JestNull() && s.Dodatnia(jo["HP"], po + L("HP"), 1000, o.HP) && okH &&
        !(o.HP > o.H))
        s.Blad(po + L("HP"),
               QStringLiteral("Wysokość części wystającej HP musi być większa od wysokości H."));
    s.Klucz(jo["CD"], po + L("CD"), CD, o.CD);
    s.Dodatnia(jo["NG"], po + L("NG"), 100, o.NG);
    if (!jo["Td"].JestNull())
        s.Dodatnia(jo["Td"], po + L("Td"), 365, o.Td);
    s.Klucz(jo["LPS"], po + L("LPS"), LPS, o.LPS);
    const bool okKS1 = s.Klucz(jo["KS1"], po + L("KS1"), EKRAN_PRZESTRZENNY, o.KS1);
    if (okKS1 && EKRAN_PRZESTRZENNY.Ma(o.KS1, SIATKA))
        s.Dodatnia(jo["wm1"], po + L("wm1"), 100, o.wm1);
    const bool okNt = s.CalkowitaPrzedzial(jo["nt"], po + L("nt"), 1, 1000000, o.nt);
    const Json &oc = jo["oceniane"];
    for (int r = 1; r < 4; ++r) {
        const QString k = QStringLiteral("R%1").arg(r + 1);
        s.Logiczna(oc[k], po + L("oceniane.") + k, o.oceniane[r]);
    }
    bool okNt2 = false, okCt3 = false, okCt4 = false;
    if (o.oceniane[1]) {
        s.Klucz(jo["L2"]["usluga"], po + L("L2.usluga"), USLUGA, o.usluga);
        okNt2 = s.CalkowitaPrzedzial(jo["L2"]["nt"], po + L("L2.nt"), 1, 100000000, o.nt2);
    }
    if (o.oceniane[2])
        okCt3 = s.Dodatnia(jo["L3"]["ct"], po + L("L3.ct"), 1e12, o.ct3);
    if (o.oceniane[3]) {
        okCt4 = s.Dodatnia(jo["L4"]["ct"], po + L("L4.ct"), 1e12, o.ct4);
        if (!jo["L4"]["CPM"].JestNull())
            s.Przedzial(jo["L4"]["CPM"], po + L("L4.CPM"), 0, 1e12, o.CPM);
    }

    // The lines.
    const Json &jl = dokument["linie"];
    std::vector<bool> nazwa_linii_dobra;
    for (size_t i = 0; i < jl.tablica.size(); ++i) {
        const Json &l = jl.tablica[i];
        const QString p = QStringLiteral("linie[%1].").arg(i);
        DaneLinii dl;
        bool okNazwa = s.Nazwa(l["nazwa"], p + L("nazwa"), dl.nazwa);
        for (size_t j = 0; okNazwa && j < i; ++j)
            if (nazwa_linii_dobra[j] && d.linie[j].nazwa == dl.nazwa)
                okNazwa = s.Blad(p + L("nazwa"), QStringLiteral("Nazwa powtarza się."));
        nazwa_linii_dobra.push_back(okNazwa);
        const bool okRodzaj = s.Klucz(l["rodzaj"], p + L("rodzaj"), RODZAJ_LINII, dl.rodzaj);
        const bool okCI = s.Klucz(l["CI"], p + L("CI"), CI, dl.CI);
        if (s.Klucz(l["CT"], p + L("CT"), CT, dl.CT) && okRodzaj &&
            CT.Ma(dl.CT, TYLKO_ENERGETYCZNA) && dl.rodzaj != 0)
            s.Blad(p + L("CT"),
                   QStringLiteral(
                       "Typ WN z transformatorem dotyczy tylko linii elektroenergetycznej."));
        s.Klucz(l["CE"], p + L("CE"), CE, dl.CE);
        s.Dodatnia(l["LL"], p + L("LL"), 1000, dl.LL);
        bool okEkran = s.Klucz(l["ekran"], p + L("ekran"), EKRAN_LINII, dl.ekran);
        if (okEkran && okCI && okRodzaj) {
            const bool podziemna = CI.Ma(dl.CI, PODZIEMNA);
            const bool pasuje =
                EKRAN_LINII.Ma(dl.ekran, podziemna ? DLA_PODZIEMNEJ : DLA_NAPOWIETRZNEJ) &&
                !(EKRAN_LINII.Ma(dl.ekran, TYLKO_ENERGETYCZNA) && dl.rodzaj != 0);
            if (!pasuje)
                okEkran =
                    s.Blad(p + L("ekran"), QStringLiteral("Ten rodzaj ekranu nie pasuje do sposobu "
                                                          "prowadzenia lub rodzaju linii."));
        }
        if (s.Klucz(l["RS"], p + L("RS"), RS, dl.RS) && okEkran) {
            const bool polaczony = EKRAN_LINII.Ma(dl.ekran, EKRAN_POLACZONY);
            if (polaczony && !RS.Ma(dl.RS, EKRAN_POLACZONY))
                s.Blad(p + L("RS"), QStringLiteral("Wybierz rezystancję ekranu RS."));
            else if (!polaczony && RS.Ma(dl.RS, EKRAN_POLACZONY))
                s.Blad(p + L("RS"), QStringLiteral("Rezystancję ekranu wybiera się tylko dla "
                                                   "linii z ekranem połączonym na wprowadzeniu."));
        }
        s.UW(l["UW"], p + L("UW"), dl.UW);
        s.Klucz(l["SPD"], p + L("SPD"), SPD, dl.SPD);
        const Json &sj = l["sasiedni"];
        if (sj.JestObiektem()) {
            dl.sasiedni = true;
            s.Dodatnia(sj["LJ"], p + L("sasiedni.LJ"), 10000, dl.LJ);
            s.Dodatnia(sj["WJ"], p + L("sasiedni.WJ"), 10000, dl.WJ);
            s.Dodatnia(sj["HJ"], p + L("sasiedni.HJ"), 1000, dl.HJ);
            s.Klucz(sj["CDJ"], p + L("sasiedni.CDJ"), CD, dl.CDJ);
        } else if (!sj.JestNull()) {
            s.Blad(p + L("sasiedni"), QStringLiteral("Nieprawidłowe dane obiektu sąsiedniego."));
        }
        d.linie.push_back(dl);
    }

    // The zones.
    const Json &jz = dokument["strefy"];
    if (jz.tablica.empty())
        s.Blad(QStringLiteral("strefy"),
               QStringLiteral("Obiekt musi mieć co najmniej jedną strefę."));
    std::vector<bool> nazwa_strefy_dobra;
    bool okSumaOsob = okNt, okSumaWartosci = okCt4;
    double suma_osob = 0, suma_wartosci = 0;
    for (size_t j = 0; j < jz.tablica.size(); ++j) {
        const Json &z = jz.tablica[j];
        const QString p = QStringLiteral("strefy[%1].").arg(j);
        DaneStrefy dz;
        bool okNazwa = s.Nazwa(z["nazwa"], p + L("nazwa"), dz.nazwa);
        for (size_t k = 0; okNazwa && k < j; ++k)
            if (nazwa_strefy_dobra[k] && d.strefy[k].nazwa == dz.nazwa)
                okNazwa = s.Blad(p + L("nazwa"), QStringLiteral("Nazwa powtarza się."));
        nazwa_strefy_dobra.push_back(okNazwa);
        int polozenie = 0;
        const bool okPolozenie = s.Klucz(z["polozenie"], p + L("polozenie"), POLOZENIE, polozenie);
        dz.wewnatrz = !POLOZENIE.Ma(polozenie, NA_ZEWNATRZ);
        if (s.CalkowitaNieujemna(z["nz"], p + L("nz"), dz.nz)) {
            suma_osob += dz.nz;
            if (okNt && dz.nz > o.nt)
                s.Blad(p + L("nz"), QStringLiteral("Liczba osób w strefie nie może przekraczać "
                                                   "łącznej liczby osób nt."));
        } else {
            okSumaOsob = false;
        }
        s.Przedzial(z["tz"], p + L("tz"), 0, 8760, dz.tz);
        s.Klucz(z["rt"], p + L("rt"), RT, dz.rt);
        s.Zbior(z["PTA"], p + L("PTA"), PTA, dz.PTA);
        const bool wewnatrz = okPolozenie && dz.wewnatrz;
        if (wewnatrz) {
            s.Zbior(z["PTU"], p + L("PTU"), PTU, dz.PTU);
            s.Klucz(z["rf"], p + L("rf"), RF, dz.rf);
            s.Zbior(z["rp"], p + L("rp"), RP, dz.rp);
            s.Klucz(z["hz"], p + L("hz"), HZ, dz.hz);
            s.Klucz(z["rodzaj"], p + L("rodzaj"), RODZAJ_L1, dz.rodzaj);
            s.Zastepcza(z["LF"], p + L("LF"), dz.LF);
            s.Zastepcza(z["LO"], p + L("LO"), dz.LO);
            s.Logiczna(z["zagrozenie_zycia"], p + L("zagrozenie_zycia"), dz.zagrozenie_zycia);
            if (s.Klucz(z["KS2"], p + L("KS2"), EKRAN_PRZESTRZENNY, dz.KS2) &&
                EKRAN_PRZESTRZENNY.Ma(dz.KS2, SIATKA))
                s.Dodatnia(z["wm2"], p + L("wm2"), 100, dz.wm2);
            const Json &sy = z["systemy"];
            bool bez_linii = false;
            for (size_t k = 0; k < sy.tablica.size(); ++k) {
                const Json &js = sy.tablica[k];
                const QString ps = p + QStringLiteral("systemy[%1].").arg(k);
                DaneSystemu ds;
                const Json &jlinia = js["linia"];
                if (jlinia.JestNull()) {
                    if (bez_linii)
                        s.Blad(ps + L("linia"),
                               QStringLiteral("Strefa ma już system bez linii zewnętrznej."));
                    bez_linii = true;
                } else if (!jlinia.JestTekstem()) {
                    s.Blad(ps + L("linia"), QStringLiteral("Wybierz wartość z listy."));
                } else {
                    for (size_t i = 0; i < d.linie.size() && ds.linia < 0; ++i)
                        if (nazwa_linii_dobra[i] && d.linie[i].nazwa == jlinia.tekst)
                            ds.linia = int(i);
                    bool powtorzona = false;
                    for (const DaneSystemu &wczesniejszy : dz.systemy)
                        powtorzona =
                            powtorzona || (ds.linia >= 0 && wczesniejszy.linia == ds.linia);
                    if (ds.linia < 0)
                        s.Blad(ps + L("linia"),
                               QStringLiteral("Nie ma linii o nazwie „%1”.").arg(jlinia.tekst));
                    else if (powtorzona)
                        s.Blad(ps + L("linia"),
                               QStringLiteral("Strefa ma już system zasilany z tej linii."));
                }
                s.Klucz(js["KS3"], ps + L("KS3"), KS3, ds.KS3);
                if (s.UW(js["UW"], ps + L("UW"), ds.UW) && ds.linia >= 0 &&
                    KolumnaUW(jl.tablica[size_t(ds.linia)]["UW"].liczba) > ds.UW)
                    s.Uwaga(ps + L("UW"),
                            QStringLiteral("Strefa „%1”, system linii „%2”: UW systemu jest "
                                           "niższe niż UW linii.")
                                .arg(dz.nazwa, d.linie[size_t(ds.linia)].nazwa));
                s.Klucz(js["SPD"], ps + L("SPD"), SPD, ds.SPD);
                dz.systemy.push_back(ds);
            }
            if (o.oceniane[1]) {
                if (s.CalkowitaNieujemna(z["L2"]["nz"], p + L("L2.nz"), dz.nz2) && okNt2 &&
                    dz.nz2 > o.nt2)
                    s.Blad(p + L("L2.nz"), QStringLiteral("Liczba użytkowników strefy nie może "
                                                          "przekraczać łącznej liczby "
                                                          "użytkowników nt."));
                s.Zastepcza(z["L2"]["LF"], p + L("L2.LF"), dz.LF2);
                s.Zastepcza(z["L2"]["LO"], p + L("L2.LO"), dz.LO2);
            }
            if (o.oceniane[2]) {
                if (s.Nieujemna(z["L3"]["cz"], p + L("L3.cz"), dz.cz) && okCt3 && dz.cz > o.ct3)
                    s.Blad(p + L("L3.cz"), QStringLiteral("Wartość cz nie może przekraczać ct."));
                s.Zastepcza(z["L3"]["LF"], p + L("L3.LF"), dz.LF3);
            }
        }
        if (o.oceniane[3]) {
            const Json &j4 = z["L4"];
            okSumaWartosci = s.Nieujemna(j4["ca"], p + L("L4.ca"), dz.ca) && okSumaWartosci;
            suma_wartosci += dz.ca;
            if (wewnatrz) {
                okSumaWartosci = s.Nieujemna(j4["cb"], p + L("L4.cb"), dz.cb) && okSumaWartosci;
                okSumaWartosci = s.Nieujemna(j4["cc"], p + L("L4.cc"), dz.cc) && okSumaWartosci;
                okSumaWartosci = s.Nieujemna(j4["cs"], p + L("L4.cs"), dz.cs) && okSumaWartosci;
                suma_wartosci += dz.cb + dz.cc + dz.cs;
                s.Klucz(j4["rodzaj"], p + L("L4.rodzaj"), RODZAJ_L4, dz.rodzaj4);
                s.Zastepcza(j4["LF"], p + L("L4.LF"), dz.LF4);
                s.Zastepcza(j4["LO"], p + L("L4.LO"), dz.LO4);
            }
        }
        d.strefy.push_back(dz);
    }
    if (o.oceniane[3] && okSumaWartosci && suma_wartosci > o.ct4)
        s.Blad(po + L("L4.ct"),
               QStringLiteral("Suma wartości ca, cb, cc, cs wszystkich stref przekracza ct."));

    // The notes.
    if (okSumaOsob && !jz.tablica.empty() && suma_osob != o.nt)
        s.Uwaga(po + L("nt"), QStringLiteral("Suma osób w strefach (%1) różni się od łącznej "
                                             "liczby osób nt (%2).")
                                  .arg(FormatT(suma_osob), FormatT(o.nt)));
    for (size_t j = 0; j < d.strefy.size(); ++j) {
        const DaneStrefy &dz = d.strefy[j];
        const QString p = QStringLiteral("strefy[%1].").arg(j);
        if (!dz.wewnatrz || !wynik.Powod(p + L("polozenie")).isEmpty())
            continue;
        const bool okZycie = wynik.Powod(p + L("zagrozenie_zycia")).isEmpty();
        const bool okLO = wynik.Powod(p + L("LO")).isEmpty() &&
                          (Jest(dz.LO) || wynik.Powod(p + L("rodzaj")).isEmpty());
        if (okZycie && dz.zagrozenie_zycia && okLO &&
            (Jest(dz.LO) ? dz.LO : RODZAJ_L1.Wartosc(dz.rodzaj, 2)) == 0)
            s.Uwaga(p + L("LO"), QStringLiteral("Strefa „%1”: awaria systemów wewnętrznych "
                                                "zagraża życiu, ale LO = 0 – składowe RC, RM, "
                                                "RW, RZ są zerowe.")
                                     .arg(dz.nazwa));
        if (okZycie && dz.zagrozenie_zycia &&
            dokument["strefy"].tablica[j]["systemy"].tablica.empty())
            s.Uwaga(p + L("systemy"), QStringLiteral("Strefa „%1”: zaznaczono zagrożenie życia "
                                                     "przy awarii systemów wewnętrznych, ale "
                                                     "strefa nie ma systemów wewnętrznych.")
                                          .arg(dz.nazwa));
        if (wynik.Powod(p + L("rf")).isEmpty() && RF.Ma(dz.rf, WYBUCH))
            s.Uwaga(p + L("rf"), QStringLiteral("Strefa „%1”: zagrożenie wybuchem – przyjęto "
                                                "rp = 1; straty poza obiektem nie są "
                                                "uwzględniane.")
                                     .arg(dz.nazwa));
    }
    // The systems' notes where they belong: after the zones' own.
    QVector<Komunikat> systemowe, pozostale;
    for (const Komunikat &k : std::as_const(wynik.uwagi))
        (k.pole.contains(QLatin1String("].systemy[")) ? systemowe : pozostale).push_back(k);
    wynik.uwagi = pozostale + systemowe;
    return wynik;
}

} // namespace kerwano::ocena
