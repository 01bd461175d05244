#include "assessment/TrescOceny.h"

#include "assessment/Dobor.h"
#include "assessment/FormatyOceny.h"
#include "assessment/Obliczenia.h"
#include "assessment/Tabele.h"
#include "assessment/Walidacja.h"
#include "project/Wersja.h"

namespace kerwano::ocena {

namespace {

QString U(const char *s)
{
    return QString::fromUtf8(s);
}

// "label: row label (symbol = value)"
QString Pole(const char *etykieta, const Tabela &t, int wiersz, const char *symbol, double v)
{
    return QStringLiteral("%1: %2 (%3 = %4)")
        .arg(U(etykieta), t.Etykieta(wiersz), U(symbol), FormatT(v));
}

QString Pole(const char *etykieta, const Tabela &t, int wiersz)
{
    return QStringLiteral("%1: %2").arg(U(etykieta), t.Etykieta(wiersz));
}

// A set: the labels of its rows and the value, or "brak".
QString Zbior(const char *etykieta, const Tabela &t, unsigned maska, const char *symbol, double v)
{
    QStringList nazwy;
    for (int i = 0; i < t.liczba; ++i)
        if (maska & (1u << i))
            nazwy << t.Etykieta(i);
    if (nazwy.isEmpty())
        return QStringLiteral("%1: brak (%2 = %3)").arg(U(etykieta), U(symbol), FormatT(v));
    return QStringLiteral("%1: %2 (%3 = %4)")
        .arg(U(etykieta), nazwy.join(QStringLiteral("; ")), U(symbol), FormatT(v));
}

QString Zastepcza(const char *symbol, double zastepcza, double z_tabeli)
{
    if (Jest(zastepcza))
        return QStringLiteral("%1 = %2 (wartość przyjęta przez projektanta)")
            .arg(U(symbol), FormatT(zastepcza));
    return QStringLiteral("%1 = %2").arg(U(symbol), FormatT(z_tabeli));
}

LiniaTresci L(const QString &t, int wciecie = 0)
{
    return LiniaTresci{t, false, false, wciecie};
}

QString W(double v)
{
    return Jest(v) ? FormatW(v) : QStringLiteral("—");
}

const char *const PELNE_NAZWY[] = {
    "R1 – ryzyko utraty życia ludzkiego (łącznie z trwałym uszczerbkiem na zdrowiu)",
    "R2 – ryzyko utraty usługi publicznej", "R3 – ryzyko utraty dziedzictwa kulturowego",
    "R4 – ryzyko utraty wartości ekonomicznej"};

} // namespace

void TabelaTresci::DodajKolumne(const QString &naglowek, qreal szerokosc, Qt::Alignment wyrownanie)
{
    kolumny.append({naglowek, szerokosc, wyrownanie, {}});
}

void TabelaTresci::DodajWiersz(const QStringList &komorki, const QList<bool> &czerwone)
{
    Q_ASSERT(komorki.size() == kolumny.size());
    const qsizetype wiersz = wierszy();
    for (qsizetype k = 0; k < kolumny.size(); ++k) {
        kolumny[k].wartosci << komorki.value(k);
        if (czerwone.value(k))
            this->czerwone.insert({wiersz, k});
    }
}

QString TytulOceny()
{
    return QStringLiteral("Ocena ryzyka szkód piorunowych");
}

QString PodtytulOceny()
{
    return QStringLiteral(
        "wg PN-EN 62305-2:2012 „Ochrona odgromowa – Część 2: Zarządzanie ryzykiem”");
}

QString LiniaNaglowkaOceny()
{
    return QString::fromLatin1(NAZWA_I_WERSJA) + QStringLiteral(" · PN-EN 62305-2:2012");
}

TrescOceny ZlozTrescOceny(const Json &dokument, const QString &nazwa_pliku, const QDate &dzis)
{
    const Walidacja walidacja = Sprawdz(dokument);
    const Dane &d = walidacja.dane;
    const DaneObiektu &o = d.obiekt;
    const Wyniki w = Oblicz(d);
    TrescOceny t;
    t.tytul = TytulOceny();
    t.podtytul = PodtytulOceny();
    t.linia_naglowka = LiniaNaglowkaOceny();
    const char *klucze[] = {"numer_projektu", "data_wykonania", "projektant",
                            "budowa",         "inwestor",       "zleceniodawca"};
    const char *podpisy[] = {"Numer projektu:", "Data wykonania:", "Projektant:",
                             "Budowa:",         "Inwestor:",       "Zleceniodawca:"};
    for (size_t i = 0; i < 6; ++i) {
        const Json &v = dokument["dane_projektu"][QString::fromLatin1(klucze[i])];
        t.dane[i] = {U(podpisy[i]), v.JestTekstem() ? v.tekst : QString()};
    }
    t.plik = QStringLiteral("Plik: ") + nazwa_pliku;
    t.wykonano = Wykonano(dzis);
    t.linia_podpisu = LiniaPodpisu();
    t.podpis_wykonawcy = PodpisWykonawcy();

    // 1. The structure.
    {
        SekcjaTresci s{QStringLiteral("1. Obiekt"), {}};
        BlokTresci b;
        QString wymiary = QStringLiteral("Wymiary: L = %1 m, W = %2 m, H = %3 m")
                              .arg(FormatT(o.L), FormatT(o.W), FormatT(o.H));
        if (Jest(o.HP))
            wymiary += QStringLiteral(", HP = %1 m").arg(FormatT(o.HP));
        b.linie << L(wymiary);
        b.linie << L(Pole("Położenie obiektu", CD, o.CD, "CD", CD.Wartosc(o.CD)));
        QString ng = QStringLiteral("NG = %1 1/(km²·rok)").arg(FormatT(o.NG));
        if (Jest(o.Td) && o.NG == o.Td / 10)
            ng += QStringLiteral(" (NG = 0,1·Td, Td = %1 dni/rok)").arg(FormatT(o.Td));
        b.linie << L(ng);
        b.linie << L(Pole("Urządzenie piorunochronne", LPS, o.LPS, "PB", LPS.Wartosc(o.LPS)));
        QString ks1 = Pole("Ekran obiektu", EKRAN_PRZESTRZENNY, o.KS1, "KS1", w.obiekt.KS1);
        if (EKRAN_PRZESTRZENNY.Ma(o.KS1, SIATKA))
            ks1 += QStringLiteral(", wm1 = %1 m").arg(FormatT(o.wm1));
        b.linie << L(ks1);
        b.linie << L(QStringLiteral("nt = %1").arg(FormatT(o.nt)));
        QStringList oceniane{QStringLiteral("R1")};
        for (int r = 1; r < 4; ++r)
            if (o.oceniane[r])
                oceniane << QStringLiteral("R%1").arg(r + 1);
        b.linie << L(QStringLiteral("Oceniane ryzyka: ") + oceniane.join(QStringLiteral(", ")));
        if (o.oceniane[1]) {
            b.linie << L(Pole("Rodzaj usługi publicznej", USLUGA, o.usluga));
            b.linie << L(
                QStringLiteral("Łączna liczba użytkowników usługi nt = %1").arg(FormatT(o.nt2)));
        }
        if (o.oceniane[2])
            b.linie << L(QStringLiteral("Łączna wartość obiektu i zawartości ct = %1 zł")
                             .arg(FormatZl(o.ct3)));
        if (o.oceniane[3]) {
            b.linie << L(QStringLiteral("Łączna wartość obiektu ct = %1 zł").arg(FormatZl(o.ct4)));
            if (Jest(o.CPM))
                b.linie << L(QStringLiteral("Roczny koszt środków ochrony CPM = %1 zł/rok")
                                 .arg(FormatZl(o.CPM)));
        }
        s.bloki << b;
        t.sekcje << s;
    }

    // 2. The lines.
    {
        SekcjaTresci s{QStringLiteral("2. Linie"), {}};
        if (d.linie.empty()) {
            BlokTresci b;
            b.linie << L(QStringLiteral("Obiekt nie ma dołączonych linii."));
            s.bloki << b;
        }
        for (size_t i = 0; i < d.linie.size(); ++i) {
            const DaneLinii &l = d.linie[i];
            const WynikLinii &wl = w.linie[i];
            BlokTresci b;
            b.linie << LiniaTresci{QStringLiteral("Linia „%1”").arg(l.nazwa), true, false, 0};
            b.linie << L(Pole("Rodzaj linii", RODZAJ_LINII, l.rodzaj), 1);
            b.linie << L(Pole("Sposób prowadzenia linii", CI, l.CI, "CI", wl.CI), 1);
            b.linie << L(Pole("Typ linii", CT, l.CT, "CT", wl.CT), 1);
            b.linie << L(Pole("Otoczenie linii", CE, l.CE, "CE", wl.CE), 1);
            b.linie << L(QStringLiteral("Długość odcinka linii: LL = %1 m").arg(FormatT(l.LL)), 1);
            b.linie << L(
                QStringLiteral("Ekran i połączenia na wprowadzeniu: %1 (CLD = %2, CLI = %3)")
                    .arg(EKRAN_LINII.Etykieta(l.ekran), FormatT(wl.CLD), FormatT(wl.CLI)),
                1);
            b.linie << L(Pole("Rezystancja ekranu", RS, l.RS, "PLD", wl.PLD), 1);
            b.linie << L(QStringLiteral("Napięcie udarowe wytrzymywane: UW = %1 kV (PLI = %2)")
                             .arg(FormatT(UW_KOLUMNY[l.UW]), FormatT(wl.PLI)),
                         1);
            b.linie << L(Pole("SPD na wprowadzeniu linii", SPD, l.SPD, "PEB", wl.PEB), 1);
            if (l.sasiedni)
                b.linie << L(QStringLiteral("Obiekt sąsiedni: LJ = %1 m, WJ = %2 m, HJ = %3 m; "
                                            "%4 (CDJ = %5)")
                                 .arg(FormatT(l.LJ), FormatT(l.WJ), FormatT(l.HJ),
                                      CD.Etykieta(l.CDJ), FormatT(wl.CDJ)),
                             1);
            else
                b.linie << L(QStringLiteral("Obiekt sąsiedni na drugim końcu linii: brak"), 1);
            s.bloki << b;
        }
        t.sekcje << s;
    }

    // 3. The zones.
    {
        SekcjaTresci s{QStringLiteral("3. Strefy"), {}};
        for (size_t j = 0; j < d.strefy.size(); ++j) {
            const DaneStrefy &z = d.strefy[j];
            const WynikStrefy &wz = w.strefy[j];
            BlokTresci b;
            b.linie << LiniaTresci{QStringLiteral("Strefa „%1”").arg(z.nazwa), true, false, 0};
            b.linie << L(Pole("Położenie strefy", POLOZENIE, z.wewnatrz ? 0 : 1), 1);
            b.linie << L(QStringLiteral("Liczba osób w strefie nz = %1, czas przebywania "
                                        "tz = %2 h/rok")
                             .arg(FormatT(z.nz), FormatT(z.tz)),
                         1);
            b.linie << L(Pole("Rodzaj powierzchni", RT, z.rt, "rt", wz.rt), 1);
            b.linie << L(
                Zbior("Ochrona przed napięciem dotykowym i krokowym", PTA, z.PTA, "PTA", wz.PTA),
                1);
            if (z.wewnatrz) {
                b.linie << L(
                    Zbior("Ochrona przed napięciem dotykowym od linii", PTU, z.PTU, "PTU", wz.PTU),
                    1);
                b.linie << L(Pole("Zagrożenie pożarowe lub wybuchowe", RF, z.rf, "rf", wz.rf), 1);
                b.linie << L(Zbior("Środki ochrony przeciwpożarowej", RP, z.rp, "rp", wz.rp), 1);
                b.linie << L(Pole("Szczególne zagrożenie", HZ, z.hz, "hz", wz.hz), 1);
                b.linie << L(Pole("Rodzaj obiektu lub strefy", RODZAJ_L1, z.rodzaj), 1);
                b.linie << L(QStringLiteral("LT = 0,01; ") +
                                 Zastepcza("LF", z.LF, RODZAJ_L1.Wartosc(z.rodzaj, 1)) +
                                 QStringLiteral("; ") +
                                 Zastepcza("LO", z.LO, RODZAJ_L1.Wartosc(z.rodzaj, 2)),
                             1);
                b.linie << L(
                    QStringLiteral("Awaria systemów wewnętrznych zagraża życiu: ") +
                        (z.zagrozenie_zycia ? QStringLiteral("tak") : QStringLiteral("nie")),
                    1);
                QString ks2 = Pole("Ekran strefy", EKRAN_PRZESTRZENNY, z.KS2, "KS2", wz.KS2);
                if (EKRAN_PRZESTRZENNY.Ma(z.KS2, SIATKA))
                    ks2 += QStringLiteral(", wm2 = %1 m").arg(FormatT(z.wm2));
                b.linie << L(ks2, 1);
                if (o.oceniane[1])
                    b.linie << L(QStringLiteral("R2: użytkownicy obsługiwani przez strefę = %1; ")
                                         .arg(FormatT(z.nz2)) +
                                     Zastepcza("LF", z.LF2, USLUGA.Wartosc(o.usluga, 0)) +
                                     QStringLiteral("; ") +
                                     Zastepcza("LO", z.LO2, USLUGA.Wartosc(o.usluga, 1)),
                                 1);
                if (o.oceniane[2])
                    b.linie << L(QStringLiteral("R3: cz = %1 zł; ").arg(FormatZl(z.cz)) +
                                     Zastepcza("LF", z.LF3, LF_L3),
                                 1);
            }
            if (o.oceniane[3]) {
                QString r4 = QStringLiteral("R4: ca = %1 zł").arg(FormatZl(z.ca));
                if (z.wewnatrz)
                    r4 += QStringLiteral(", cb = %1 zł, cc = %2 zł, cs = %3 zł; %4; ")
                              .arg(FormatZl(z.cb), FormatZl(z.cc), FormatZl(z.cs),
                                   RODZAJ_L4.Etykieta(z.rodzaj4)) +
                          Zastepcza("LF", z.LF4, RODZAJ_L4.Wartosc(z.rodzaj4, 1)) +
                          QStringLiteral("; ") +
                          Zastepcza("LO", z.LO4, RODZAJ_L4.Wartosc(z.rodzaj4, 2));
                b.linie << L(r4, 1);
            }
            if (z.wewnatrz) {
                if (z.systemy.empty()) {
                    b.linie << L(QStringLiteral("Systemy wewnętrzne: brak"), 1);
                } else {
                    b.ma_tabele = true;
                    b.tabela.DodajKolumne(QStringLiteral("Linia"), 3, Qt::AlignLeft);
                    b.tabela.DodajKolumne(QStringLiteral("Prowadzenie przewodów (KS3)"), 6,
                                          Qt::AlignLeft);
                    b.tabela.DodajKolumne(QStringLiteral("UW [kV]"), 1.4, Qt::AlignLeft);
                    b.tabela.DodajKolumne(QStringLiteral("Skoordynowany układ SPD (PSPD)"), 4,
                                          Qt::AlignLeft);
                    for (size_t k = 0; k < z.systemy.size(); ++k) {
                        const DaneSystemu &sy = z.systemy[k];
                        b.tabela.DodajWiersz(
                            {sy.linia >= 0 ? d.linie[size_t(sy.linia)].nazwa
                                           : QStringLiteral("(brak linii – system autonomiczny)"),
                             QStringLiteral("%1 (KS3 = %2)")
                                 .arg(KS3.Etykieta(sy.KS3), FormatT(KS3.Wartosc(sy.KS3))),
                             FormatT(UW_KOLUMNY[sy.UW]),
                             QStringLiteral("%1 (PSPD = %2)")
                                 .arg(SPD.Etykieta(sy.SPD), FormatT(SPD.Wartosc(sy.SPD)))});
                    }
                }
            }
            s.bloki << b;
        }
        t.sekcje << s;
    }

    // 4. Numbers of dangerous events.
    {
        SekcjaTresci s{QStringLiteral("4. Liczba groźnych zdarzeń"), {}};
        BlokTresci b;
        QString ad = QStringLiteral("AD = %1 m²").arg(FormatW(w.obiekt.AD));
        if (Jest(o.HP))
            ad += QStringLiteral(" (prostokąt %1 m², część wystająca %2 m²)")
                      .arg(FormatW(w.obiekt.AD_prostokat), FormatW(w.obiekt.AD_wystajaca));
        b.linie << L(ad) << L(QStringLiteral("AM = %1 m²").arg(FormatW(w.obiekt.AM)))
                << L(QStringLiteral("ND = %1 1/rok").arg(FormatW(w.obiekt.ND)))
                << L(QStringLiteral("NM = %1 1/rok").arg(FormatW(w.obiekt.NM)));
        if (!w.linie.empty()) {
            b.ma_tabele = true;
            b.tabela.DodajKolumne(QStringLiteral("Linia"), 2.4, Qt::AlignLeft);
            for (const char *naglowek :
                 {"AL [m²]", "AI [m²]", "ADJ [m²]", "NL [1/rok]", "NI [1/rok]", "NDJ [1/rok]"})
                b.tabela.DodajKolumne(U(naglowek), 1.5);
            // CLD and CLI are 0 or 1; the probabilities and PEB may need a power of ten.
            b.tabela.DodajKolumne(QStringLiteral("CLD"), 1.0);
            b.tabela.DodajKolumne(QStringLiteral("CLI"), 1.0);
            for (const char *naglowek : {"PLD", "PLI", "PEB"})
                b.tabela.DodajKolumne(U(naglowek), 1.55);
            for (size_t i = 0; i < w.linie.size(); ++i) {
                const WynikLinii &l = w.linie[i];
                b.tabela.DodajWiersz({d.linie[i].nazwa, W(l.AL), W(l.AI), W(l.ADJ), W(l.NL),
                                      W(l.NI), W(l.NDJ), W(l.CLD), W(l.CLI), W(l.PLD), W(l.PLI),
                                      W(l.PEB)});
            }
        }
        s.bloki << b;
        t.sekcje << s;
    }

    // 5. Probabilities and losses, per zone.
    {
        SekcjaTresci s{QStringLiteral("5. Prawdopodobieństwa i straty"), {}};
        for (size_t j = 0; j < w.strefy.size(); ++j) {
            const WynikStrefy &z = w.strefy[j];
            BlokTresci b;
            b.linie << LiniaTresci{QStringLiteral("Strefa „%1”").arg(d.strefy[j].nazwa), true,
                                   false, 0};
            b.ma_tabele = true;
            b.tabela.DodajKolumne(QStringLiteral("Wielkość"), 3, Qt::AlignLeft);
            b.tabela.DodajKolumne(QStringLiteral("Wartość"), 1);
            b.tabela.szerokosc = 110;
            auto wiersz = [&b](const QString &nazwa, double v) {
                b.tabela.DodajWiersz({nazwa, W(v)});
            };
            wiersz(QStringLiteral("PTA"), z.PTA);
            wiersz(QStringLiteral("PA"), z.PA);
            wiersz(QStringLiteral("rt"), z.rt);
            if (z.wewnatrz) {
                wiersz(QStringLiteral("PTU"), z.PTU);
                wiersz(QStringLiteral("rf"), z.rf);
                wiersz(QStringLiteral("rp"), z.rp);
                wiersz(QStringLiteral("hz"), z.hz);
                wiersz(QStringLiteral("KS2"), z.KS2);
                wiersz(QStringLiteral("PC"), z.PC);
                wiersz(QStringLiteral("PM"), z.PM);
                for (size_t i = 0; i < z.PU.size(); ++i) {
                    wiersz(QStringLiteral("PU (%1)").arg(d.linie[i].nazwa), z.PU[i]);
                    wiersz(QStringLiteral("PV (%1)").arg(d.linie[i].nazwa), z.PV[i]);
                }
                for (const WynikSystemu &sy : z.systemy) {
                    const QString nazwa = sy.linia >= 0 ? d.linie[size_t(sy.linia)].nazwa
                                                        : QStringLiteral("bez linii");
                    const std::pair<const char *, double> pola[] = {
                        {"KS3", sy.KS3}, {"KS4", sy.KS4}, {"PMS", sy.PMS}, {"PSPD", sy.PSPD},
                        {"PC", sy.PC},   {"PM", sy.PM},   {"PW", sy.PW},   {"PZ", sy.PZ}};
                    for (const auto &[symbol, v] : pola)
                        wiersz(QStringLiteral("%1 (%2)").arg(U(symbol), nazwa), v);
                }
            }
            for (int r = 0; r < 4; ++r) {
                if (!o.oceniane[r])
                    continue;
                const RyzykoStrefy &rz = z.r[size_t(r)];
                const QString dopisek = QStringLiteral(" (R%1)").arg(r + 1);
                if (r == 0)
                    wiersz(QStringLiteral("f"), rz.wspolczynnik);
                else if (r == 1 && z.wewnatrz)
                    wiersz(QStringLiteral("nz/nt (R2)"), rz.wspolczynnik);
                else if (r == 2 && z.wewnatrz)
                    wiersz(QStringLiteral("cz/ct (R3)"), rz.wspolczynnik);
                const std::pair<const char *, double> straty[] = {
                    {"LT", rz.LT}, {"LF", rz.LF}, {"LO", rz.LO}, {"LA", rz.LA},
                    {"LU", rz.LU}, {"LB", rz.LB}, {"LV", rz.LV}, {"LC", rz.LC},
                    {"LM", rz.LM}, {"LW", rz.LW}, {"LZ", rz.LZ}};
                for (const auto &[symbol, v] : straty)
                    if (Jest(v))
                        wiersz(U(symbol) + dopisek, v);
            }
            s.bloki << b;
        }
        t.sekcje << s;
    }

    // 6. Components.
    {
        SekcjaTresci s{QStringLiteral("6. Składowe ryzyka"), {}};
        for (int r = 0; r < 4; ++r) {
            if (!o.oceniane[r])
                continue;
            BlokTresci b;
            b.linie << LiniaTresci{U(PELNE_NAZWY[r]), true, false, 0};
            b.ma_tabele = true;
            b.tabela.DodajKolumne(QStringLiteral("Strefa"), 2.6, Qt::AlignLeft);
            for (int k = 0; k < LICZBA_SKLADOWYCH; ++k)
                b.tabela.DodajKolumne(U(NazwaSkladowej(k)), 1);
            b.tabela.DodajKolumne(QStringLiteral("R"), 1.1);
            for (size_t j = 0; j < w.strefy.size(); ++j) {
                const RyzykoStrefy &rz = w.strefy[j].r[size_t(r)];
                QStringList wiersz{d.strefy[j].nazwa};
                for (double c : rz.c)
                    wiersz << W(c);
                wiersz << W(rz.R);
                b.tabela.DodajWiersz(wiersz);
            }
            QStringList razem{QStringLiteral("Razem")};
            for (double c : w.r[size_t(r)].c)
                razem << W(c);
            razem << W(w.r[size_t(r)].R);
            b.tabela.DodajWiersz(razem);
            s.bloki << b;
        }
        t.sekcje << s;
    }

    // 7. The verdict.
    const Dobor dobor = DobierzOchrone(d, w);
    Oplacalnosc koszty;
    const bool sa_koszty = PorownajKoszty(d, w, koszty);
    {
        SekcjaTresci s{QStringLiteral("7. Ocena"), {}};
        BlokTresci b;
        b.ramka = true;
        for (int r = 0; r < 4; ++r) {
            if (!o.oceniane[r])
                continue;
            const bool ponad = r < 3 && w.r[size_t(r)].R > RyzykoTolerowane(r);
            b.linie << LiniaTresci{Werdykt(r, w.r[size_t(r)].R), ponad, ponad, 0};
            if (r == 3 && sa_koszty)
                b.linie << LiniaTresci{WerdyktKosztow(koszty), false, false, 0};
        }
        s.bloki << b;
        t.sekcje << s;
    }

    // 8. The search for protection.
    if (dobor.stan != WynikDoboru::Wystarcza) {
        SekcjaTresci s{QStringLiteral("8. Dobór środków ochrony"), {}};
        BlokTresci b;
        b.linie << L(TekstWynikuDoboru(dobor.stan));
        b.ma_tabele = true;
        b.tabela.DodajKolumne(QStringLiteral("Krok"), 0.8, Qt::AlignLeft);
        b.tabela.DodajKolumne(QStringLiteral("Środek ochrony"), 8, Qt::AlignLeft);
        QVector<int> ryzyka;
        for (int r = 0; r < 4; ++r)
            if (o.oceniane[r]) {
                ryzyka << r;
                b.tabela.DodajKolumne(QStringLiteral("R%1").arg(r + 1), 1.4);
            }
        for (size_t k = 0; k < dobor.kroki.size(); ++k) {
            const Krok &krok = dobor.kroki[k];
            QStringList wiersz{QString::number(k),
                               krok.rodzina < 0
                                   ? QStringLiteral("Stan obecny")
                                   : OpisStopnia(krok.rodzina, krok.stopien, !d.linie.empty())};
            QList<bool> czerwone{false, false};
            for (int r : ryzyka) {
                wiersz << FormatW(krok.R[size_t(r)]);
                czerwone << (r < 3 && krok.R[size_t(r)] > RyzykoTolerowane(r));
            }
            b.tabela.DodajWiersz(wiersz, czerwone);
        }
        s.bloki << b;
        if (dobor.stan == WynikDoboru::NieZnaleziono) {
            BlokTresci rada;
            for (const QString &linia : TekstyNajwiekszych(dobor))
                rada.linie << L(linia);
            rada.linie << L(TekstRady());
            s.bloki << rada;
        }
        t.sekcje << s;
    }

    // 9. The cost comparison.
    if (sa_koszty) {
        SekcjaTresci s{QStringLiteral("9. Opłacalność ochrony"), {}};
        BlokTresci b;
        b.ma_tabele = true;
        b.tabela.DodajKolumne(QStringLiteral("Wielkość"), 3, Qt::AlignLeft);
        b.tabela.DodajKolumne(QStringLiteral("Wartość"), 1.4);
        b.tabela.szerokosc = 130;
        const QString rok = QStringLiteral(" zł/rok");
        b.tabela.DodajWiersz(
            {QStringLiteral("R4 bez środków ochrony"), FormatW(koszty.R4_bez_ochrony)});
        b.tabela.DodajWiersz({QStringLiteral("R4 z projektowanymi środkami"), FormatW(koszty.R4)});
        b.tabela.DodajWiersz(
            {QStringLiteral("Roczny koszt strat bez ochrony CL"), FormatZl(koszty.CL) + rok});
        b.tabela.DodajWiersz(
            {QStringLiteral("Roczny koszt strat resztkowych CRL"), FormatZl(koszty.CRL) + rok});
        b.tabela.DodajWiersz(
            {QStringLiteral("Roczny koszt środków ochrony CPM"), FormatZl(koszty.CPM) + rok});
        b.tabela.DodajWiersz({QStringLiteral("Roczna oszczędność SM"), FormatZl(koszty.SM) + rok});
        b.po << L(WerdyktKosztow(koszty));
        s.bloki << b;
        t.sekcje << s;
    }
    return t;
}

} // namespace kerwano::ocena
