#include "assessment/Dobor.h"
#include "assessment/Dokument.h"
#include "assessment/FormatyOceny.h"
#include "assessment/Obliczenia.h"
#include "assessment/PlikOceny.h"
#include "assessment/TrescOceny.h"
#include "assessment/Walidacja.h"
#include "assessment/WynikiOceny.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace kerwano::ocena;

// The risk assessment: the country house of the standard's annex to every
// printed digit, the tables at their edges, the checks, the file and the
// search for protection. Most rows change the house by a few fields
// ("path=JSON value; ...") and read one value of the `--ryzyko` object.
class TstOcenaRyzyka : public QObject
{
    Q_OBJECT
private slots:
    void wartosci_data();
    void wartosci();
    void formaty_data();
    void formaty();
    void czytanie_data();
    void czytanie();
    void zapisOdczyt();
    void dobor_data();
    void dobor();
    void polecenie_data();
    void polecenie();
    void wydruk_data();
    void wydruk();
    void tabeleWydruku_data();
    void tabeleWydruku();
};

namespace {

Json Dom()
{
    QFile plik(QStringLiteral(KERWANO_RYZYKO "/dom.kwr"));
    if (!plik.open(QIODevice::ReadOnly))
        qFatal("no dom.kwr");
    Json d;
    const QString blad = CzytajOcene(plik.readAll(), QStringLiteral("dom.kwr"), d);
    if (!blad.isEmpty())
        qFatal("%s", qPrintable(blad));
    return d;
}

// The value at "a.b[1].c"; nullptr when there is none. `utworz` makes the
// last key of an object when missing.
Json *Sciezka(Json &korzen, const QString &sciezka, bool utworz = false)
{
    Json *w = &korzen;
    static const QRegularExpression czesc(QStringLiteral("([^.\\[\\]]+)|\\[(\\d+)\\]"));
    auto it = czesc.globalMatch(sciezka);
    while (it.hasNext() && w) {
        const auto m = it.next();
        if (m.captured(2).isEmpty()) {
            Json *dalej = w->Pole(m.captured(1));
            if (!dalej && utworz && w->JestObiektem()) {
                w->Ustaw(m.captured(1), Json());
                dalej = w->Pole(m.captured(1));
            }
            w = dalej;
        } else {
            const size_t i = m.captured(2).toULongLong();
            w = w->JestTablica() && i < w->tablica.size() ? &w->tablica[i] : nullptr;
        }
    }
    return w;
}

Json Tekst(const QString &json)
{
    Json w;
    int wiersz = 0, kolumna = 0;
    if (!CzytajJson(json.toUtf8(), w, wiersz, kolumna))
        qFatal("bad JSON in a row: %s", qPrintable(json));
    return w;
}

// The house with "path=value; path=value" applied ("linie[1]-" deletes an element).
Json Zmieniony(const QString &zmiany)
{
    Json d = Dom();
    for (const QString &z : zmiany.split(u';', Qt::SkipEmptyParts)) {
        const QString t = z.trimmed();
        if (t.endsWith(u'-')) {
            const qsizetype nawias = t.lastIndexOf(u'[');
            Json *tablica = Sciezka(d, t.left(nawias));
            tablica->tablica.erase(tablica->tablica.begin() + t.mid(nawias + 1).chopped(2).toInt());
            continue;
        }
        const qsizetype rowne = t.indexOf(u'=');
        Json *w = Sciezka(d, t.left(rowne), true);
        if (!w)
            qFatal("no field %s", qPrintable(t));
        *w = Tekst(t.mid(rowne + 1));
    }
    return d;
}

QString Napis(const Json &w)
{
    QByteArray t = PiszJson(w);
    t.chop(1);
    return QString::fromUtf8(t);
}

const QString WARIANT_A = QStringLiteral("linie[0].SPD=\"III_IV\"; linie[1].SPD=\"III_IV\"");
const QString WARIANT_B = WARIANT_A + QStringLiteral("; obiekt.LPS=\"IV\"");

} // namespace

void TstOcenaRyzyka::wartosci_data()
{
    QTest::addColumn<QString>("zmiany");
    QTest::addColumn<QString>("sciezka");
    QTest::addColumn<QString>("oczekiwana"); // JSON text: the full double, exactly
    QTest::addColumn<QString>("okno");       // format W, "" when not compared

    // The house, unprotected: every value the worked example prints.
    const QString w = QStringLiteral("wyniki.");
    const QList<std::array<const char *, 3>> dom = {
        {"obiekt.AD", "2577.8760197630927", "2,58·10³"},
        {"obiekt.AM", "820398.1633974483", "8,20·10⁵"},
        {"obiekt.ND", "0.01031150407905237", "1,03·10⁻²"},
        {"obiekt.NM", "3.281592653589793", "3,28"},
        {"linie[0].AL", "40000", "4,00·10⁴"},
        {"linie[1].AI", "4000000", "4,00·10⁶"},
        {"linie[0].NL", "0.08", "8,00·10⁻²"},
        {"linie[0].NI", "8", "8,00"},
        {"linie[1].NL", "0.16", "1,60·10⁻¹"},
        {"linie[1].NI", "16", "16,0"},
        {"strefy[0].PA", "1", "1,00"},
        {"strefy[0].linie[1].PU", "1", "1,00"},
        {"strefy[0].linie[0].PV", "1", "1,00"},
        {"strefy[0].systemy[0].PMS", "0.006400000000000003", "6,40·10⁻³"},
        {"strefy[0].systemy[1].PMS", "0.4444444444444444", "4,44·10⁻¹"},
        {"strefy[0].PC", "1", "1,00"},
        {"strefy[0].PM", "0.44799999999999995", "4,48·10⁻¹"},
        {"strefy[0].systemy[1].PW", "1", "1,00"},
        {"strefy[0].systemy[0].PZ", "0.3", "3,00·10⁻¹"},
        {"strefy[0].systemy[1].PZ", "0.5", "5,00·10⁻¹"},
        {"strefy[0].R1.f", "1", "1,00"},
        {"strefy[0].R1.LA", "1.0000000000000001e-07", "1,00·10⁻⁷"},
        {"strefy[0].R1.LU", "1.0000000000000001e-07", "1,00·10⁻⁷"},
        {"strefy[0].R1.LV", "0.0001", "1,00·10⁻⁴"},
        {"strefy[0].R1.LZ", "0", "0"},
        {"strefy[0].R1.RA", "1.0311504079052371e-09", "1,03·10⁻⁹"},
        {"strefy[0].R1.RB", "1.031150407905237e-06", "1,03·10⁻⁶"},
        {"strefy[0].R1.RC", "null", ""},
        {"strefy[0].R1.RM", "null", ""},
        {"strefy[0].R1.RW", "null", ""},
        {"strefy[0].R1.RZ", "null", ""},
        {"strefy[0].R1.RU", "2.4000000000000003e-08", "2,40·10⁻⁸"},
        {"strefy[0].R1.RV", "2.4000000000000004e-05", "2,40·10⁻⁵"},
        {"ryzyka.R1.RC", "0", "0"},
        {"ryzyka.R1.R", "2.5056181558313145e-05", "2,51·10⁻⁵"},
        {"ryzyka.R1.przekroczone", "true", ""},
        {"ryzyka.R1.tekst", "\"R1 = 2,51·10⁻⁵ > RT = 10⁻⁵: ochrona potrzebna\"", ""},
        {"ryzyka.R2", "null", ""},
        {"ryzyka.R4", "null", ""},
        {"oplacalnosc", "null", ""},
    };
    for (const auto &[s, v, o] : dom)
        QTest::newRow(s) << QString() << w + QLatin1String(s) << QString::fromUtf8(v)
                         << QString::fromUtf8(o);
    // Each line's RV apart: only that line enters.
    QTest::newRow("RV zasilanie") << QStringLiteral("linie[1]-; strefy[0].systemy[1]-")
                                  << w + QStringLiteral("strefy[0].R1.RV")
                                  << QStringLiteral("8.000000000000001e-06")
                                  << QStringLiteral("8,00·10⁻⁶");
    // (a) SPDs for LPL III-IV at both entrances; (b) with an LPS of class IV too.
    QTest::newRow("a RU") << WARIANT_A << w + QStringLiteral("ryzyka.R1.RU")
                          << QStringLiteral("1.2000000000000002e-09")
                          << QStringLiteral("1,20·10⁻⁹");
    QTest::newRow("a RV") << WARIANT_A << w + QStringLiteral("ryzyka.R1.RV")
                          << QStringLiteral("1.2000000000000002e-06")
                          << QStringLiteral("1,20·10⁻⁶");
    QTest::newRow("a R1") << WARIANT_A << w + QStringLiteral("ryzyka.R1.R")
                          << QStringLiteral("2.2333815583131425e-06")
                          << QStringLiteral("2,23·10⁻⁶");
    QTest::newRow("a tekst")
        << WARIANT_A << w + QStringLiteral("ryzyka.R1.tekst")
        << QStringLiteral("\"R1 = 2,23·10⁻⁶ ≤ RT = 10⁻⁵: dodatkowa ochrona niepotrzebna\"")
        << QString();
    QTest::newRow("b RA") << WARIANT_B << w + QStringLiteral("ryzyka.R1.RA")
                          << QStringLiteral("2.062300815810474e-10")
                          << QStringLiteral("2,06·10⁻¹⁰");
    QTest::newRow("b RB") << WARIANT_B << w + QStringLiteral("ryzyka.R1.RB")
                          << QStringLiteral("2.062300815810474e-07") << QStringLiteral("2,06·10⁻⁷");
    QTest::newRow("b R1") << WARIANT_B << w + QStringLiteral("ryzyka.R1.R")
                          << QStringLiteral("1.4076363116626286e-06")
                          << QStringLiteral("1,41·10⁻⁶");
    QTest::newRow("b tekst")
        << WARIANT_B << w + QStringLiteral("ryzyka.R1.tekst")
        << QStringLiteral("\"R1 = 1,41·10⁻⁶ ≤ RT = 10⁻⁵: dodatkowa ochrona niepotrzebna\"")
        << QString();
    QTest::newRow("b dobor") << WARIANT_B << w + QStringLiteral("dobor.stan")
                             << QStringLiteral("\"wystarcza\"") << QString();

    // Tables at their edges, through the computation.
    const QString ekranowana = QStringLiteral(
        "linie[0].ekran=\"podziemna_ekran_polaczony\"; linie[0].RS=\"%1\"; linie[0].UW=%2");
    QTest::newRow("PLD rs_do_1 UW 1")
        << ekranowana.arg("rs_do_1", "1") << w + QStringLiteral("linie[0].PLD")
        << QStringLiteral("0.6") << QString();
    QTest::newRow("PLD rs_do_1 UW 6")
        << ekranowana.arg("rs_do_1", "6") << w + QStringLiteral("linie[0].PLD")
        << QStringLiteral("0.02") << QString();
    QTest::newRow("PLD rs_5_20 UW 2,5")
        << ekranowana.arg("rs_5_20", "2.5") << w + QStringLiteral("linie[0].PLD")
        << QStringLiteral("0.95") << QString();
    QTest::newRow("PLD rs_1_5 UW 4")
        << ekranowana.arg("rs_1_5", "4") << w + QStringLiteral("linie[0].PLD")
        << QStringLiteral("0.3") << QString();
    QTest::newRow("PLD rs_ponad_20 UW 6")
        << ekranowana.arg("rs_ponad_20", "6") << w + QStringLiteral("linie[0].PLD")
        << QStringLiteral("1") << QString();
    QTest::newRow("bonded CLI 0, RU 0")
        << ekranowana.arg("rs_do_1", "1") << w + QStringLiteral("strefy[0].systemy[0].PZ")
        << QStringLiteral("0") << QString();
    QTest::newRow("PLI power UW 6")
        << QStringLiteral("linie[0].UW=6") << w + QStringLiteral("linie[0].PLI")
        << QStringLiteral("0.1") << QString();
    QTest::newRow("PLI telecom UW 1")
        << QStringLiteral("linie[1].UW=1") << w + QStringLiteral("linie[1].PLI")
        << QStringLiteral("1") << QString();
    QTest::newRow("PLI telecom UW 4")
        << QStringLiteral("linie[1].UW=4") << w + QStringLiteral("linie[1].PLI")
        << QStringLiteral("0.08") << QString();
    QTest::newRow("kabel odgromowy CLD 0")
        << QStringLiteral("linie[0].ekran=\"kabel_odgromowy\"; linie[0].RS=\"rs_do_1\"")
        << w + QStringLiteral("strefy[0].linie[0].PV") << QStringLiteral("0") << QString();
    QTest::newRow("PTA ograniczenia 0")
        << QStringLiteral("strefy[0].PTA=[\"tablice\",\"ograniczenia\"]")
        << w + QStringLiteral("strefy[0].R1.RA") << QStringLiteral("0") << QString();
    QTest::newRow("PTU product") << QStringLiteral("strefy[0].PTU=[\"tablice\",\"izolacja\"]")
                                 << w + QStringLiteral("strefy[0].PTU") << QStringLiteral("0.001")
                                 << QString();
    QTest::newRow("rf brak: RB 0")
        << QStringLiteral("strefy[0].rf=\"brak\"") << w + QStringLiteral("ryzyka.R1.RB")
        << QStringLiteral("0") << QString();
    QTest::newRow("rp the lowest")
        << QStringLiteral("strefy[0].rp=[\"gasnice\",\"sygnalizacja_automatyczna\"]")
        << w + QStringLiteral("strefy[0].rp") << QStringLiteral("0.2") << QString();
    QTest::newRow("explosion: rp 1")
        << QStringLiteral("strefy[0].rp=[\"gasnice\"]; strefy[0].rf=\"wybuch_2_22\"")
        << w + QStringLiteral("strefy[0].rp") << QStringLiteral("1") << QString();
    QTest::newRow("KS1 mesh capped")
        << QStringLiteral("obiekt.KS1=\"siatka\"; obiekt.wm1=10")
        << w + QStringLiteral("obiekt.KS1") << QStringLiteral("1") << QString();
    QTest::newRow("KS2 mesh") << QStringLiteral("strefy[0].KS2=\"siatka\"; strefy[0].wm2=0.5")
                              << w + QStringLiteral("strefy[0].KS2") << QStringLiteral("0.06")
                              << QString();
    QTest::newRow("HP larger") << QStringLiteral("obiekt.HP=20") << w + QStringLiteral("obiekt.AD")
                               << QStringLiteral("11309.733552923255") << QString();
    QTest::newRow("system without line")
        << QStringLiteral(
               "strefy[0].systemy[0].linia=null; strefy[0].zagrozenie_zycia=true; strefy[0].LO=0.1")
        << w + QStringLiteral("strefy[0].systemy[0].PC") << QStringLiteral("0") << QString();
    QTest::newRow("adjacent NDJ")
        << QStringLiteral(
               "linie[0].sasiedni={\"LJ\":10,\"WJ\":10,\"HJ\":5,\"CDJ\":\"odosobniony_wzgorze\"}")
        << w + QStringLiteral("linie[0].NDJ") << QStringLiteral("0.011254866776461626")
        << QString();
    QTest::newRow("outside zone: RA only")
        << QStringLiteral("strefy[0].polozenie=\"na_zewnatrz\"")
        << w + QStringLiteral("strefy[0].R1.RB") << QStringLiteral("null") << QString();
    QTest::newRow("outside zone: PU none")
        << QStringLiteral("strefy[0].polozenie=\"na_zewnatrz\"")
        << w + QStringLiteral("strefy[0].linie") << QStringLiteral("[]") << QString();
    QTest::newRow("R2 without RA")
        << QStringLiteral(
               "obiekt.oceniane.R2=true; obiekt.L2.usluga=\"gaz_woda_energia\"; obiekt.L2.nt=10; "
               "strefy[0].L2.nz=5")
        << w + QStringLiteral("ryzyka.R2.RA") << QStringLiteral("null") << QString();
    QTest::newRow("R2 RB")
        << QStringLiteral(
               "obiekt.oceniane.R2=true; obiekt.L2.usluga=\"gaz_woda_energia\"; obiekt.L2.nt=10; "
               "strefy[0].L2.nz=5")
        << w + QStringLiteral("ryzyka.R2.RB") << QStringLiteral("5.155752039526185e-07")
        << QString();
    QTest::newRow("R4 cost")
        << QStringLiteral("obiekt.oceniane.R4=true; obiekt.L4.ct=1000000; obiekt.L4.CPM=100; "
                          "obiekt.LPS=\"IV\"; "
                          "strefy[0].L4.cb=500000; strefy[0].L4.cc=200000; strefy[0].L4.cs=100000")
        << w + QStringLiteral("oplacalnosc.tekst")
        << QStringLiteral("\"SM = CL − (CPM + CRL) = −99 zł/rok ≤ 0: środki ochrony nie "
                          "są opłacalne\"")
        << QString();

    QTest::newRow("R3 total")
        << QStringLiteral("obiekt.oceniane.R3=true; obiekt.L3.ct=1000000; strefy[0].L3.cz=100000")
        << w + QStringLiteral("ryzyka.R3.R") << QStringLiteral("2.503115040790524e-06")
        << QStringLiteral("2,50·10⁻⁶");
    QTest::newRow("R3 without RA")
        << QStringLiteral("obiekt.oceniane.R3=true; obiekt.L3.ct=1000000; strefy[0].L3.cz=100000")
        << w + QStringLiteral("strefy[0].R3.RA") << QStringLiteral("null") << QString();

    // Checks: the field marked and its reason; no results then.
    QTest::newRow("H zero") << QStringLiteral("obiekt.H=0") << QStringLiteral("bledy")
                            << QStringLiteral(
                                   "[{\"pole\":\"obiekt.H\",\"komunikat\":\"Wartość musi "
                                   "być większa od 0 i nie większa niż 1000.\"}]")
                            << QString();
    QTest::newRow("nz over nt") << QStringLiteral("strefy[0].nz=6") << QStringLiteral("bledy")
                                << QStringLiteral(
                                       "[{\"pole\":\"strefy[0].nz\",\"komunikat\":\"Liczba osób w "
                                       "strefie nie może przekraczać łącznej liczby osób nt.\"}]")
                                << QString();
    QTest::newRow("nz, nt empty") << QStringLiteral("strefy[0].nz=6; obiekt.nt=null")
                                  << QStringLiteral("bledy")
                                  << QStringLiteral("[{\"pole\":\"obiekt.nt\",\"komunikat\":\"Pole "
                                                    "wymagane.\"}]")
                                  << QString();
    QTest::newRow("invalid: no results")
        << QStringLiteral("obiekt.NG=\"abc\"") << QStringLiteral("wyniki") << QStringLiteral("null")
        << QString();
    QTest::newRow("bonded RS missing")
        << QStringLiteral("linie[0].ekran=\"podziemna_ekran_polaczony\"")
        << QStringLiteral("bledy[0]")
        << QStringLiteral("{\"pole\":\"linie[0].RS\",\"komunikat\":\"Wybierz rezystancję ekranu "
                          "RS.\"}")
        << QString();
    QTest::newRow("UW 2") << QStringLiteral("strefy[0].systemy[1].UW=2")
                          << QStringLiteral("bledy[0].komunikat")
                          << QStringLiteral("\"Dopuszczalne wartości UW: 1; 1,5; 2,5; 4; 6 kV.\"")
                          << QString();
    QTest::newRow("unknown key") << QStringLiteral("obiekt.CD=\"gora\"")
                                 << QStringLiteral("bledy[0].komunikat")
                                 << QStringLiteral(
                                        "\"Nieznana wartość „gora” – wybierz wartość z listy.\"")
                                 << QString();
    QTest::newRow("set repeated") << QStringLiteral("strefy[0].PTA=[\"tablice\",\"tablice\"]")
                                  << QStringLiteral("bledy[0].komunikat")
                                  << QStringLiteral("\"Nieprawidłowa lista środków – zaznacz "
                                                    "środki ponownie.\"")
                                  << QString();
    QTest::newRow("integer") << QStringLiteral("obiekt.nt=5.5")
                             << QStringLiteral("bledy[0].komunikat")
                             << QStringLiteral("\"Wpisz liczbę całkowitą.\"") << QString();
    QTest::newRow("integer 5.0") << QStringLiteral("obiekt.nt=5.0") << QStringLiteral("bledy")
                                 << QStringLiteral("[]") << QString();
    QTest::newRow("name repeated")
        << QStringLiteral("linie[1].nazwa=\" Zasilanie \"") << QStringLiteral("bledy[0]")
        << QStringLiteral("{\"pole\":\"linie[1].nazwa\",\"komunikat\":"
                          "\"Nazwa powtarza się.\"}")
        << QString();
    QTest::newRow("no such line") << QStringLiteral("strefy[0].systemy[1].linia=\"Gaz\"")
                                  << QStringLiteral("bledy[0].komunikat")
                                  << QStringLiteral("\"Nie ma linii o nazwie „Gaz”.\"")
                                  << QString();
    QTest::newRow("unknown position")
        << QStringLiteral("strefy[0].polozenie=\"gdzies\"") << QStringLiteral("bledy[0].pole")
        << QStringLiteral("\"strefy[0].polozenie\"") << QString();
    QTest::newRow("HP not above H") << QStringLiteral("obiekt.HP=6") << QStringLiteral("bledy[0]")
                                    << QStringLiteral("{\"pole\":\"obiekt.HP\",\"komunikat\":"
                                                      "\"Wysokość części wystającej HP musi być "
                                                      "większa od wysokości H.\"}")
                                    << QString();
    QTest::newRow("mesh needs wm1")
        << QStringLiteral("obiekt.KS1=\"siatka\"") << QStringLiteral("bledy[0]")
        << QStringLiteral("{\"pole\":\"obiekt.wm1\",\"komunikat\":"
                          "\"Pole wymagane.\"}")
        << QString();
    QTest::newRow("HV type on telecom")
        << QStringLiteral("linie[1].CT=\"wn_transformator\"") << QStringLiteral("bledy[0].pole")
        << QStringLiteral("\"linie[1].CT\"") << QString();
    QTest::newRow("aerial shield on buried line")
        << QStringLiteral(
               "linie[0].ekran=\"napowietrzna_ekran_polaczony\"; linie[0].RS=\"rs_do_1\"")
        << QStringLiteral("bledy")
        << QStringLiteral("[{\"pole\":\"linie[0].ekran\",\"komunikat\":\"Ten rodzaj ekranu nie "
                          "pasuje do sposobu prowadzenia lub rodzaju linii.\"}]")
        << QString();
    QTest::newRow("RS without bonded shield")
        << QStringLiteral("linie[0].RS=\"rs_do_1\"") << QStringLiteral("bledy[0].komunikat")
        << QStringLiteral("\"Rezystancję ekranu wybiera się "
                          "tylko dla linii z ekranem "
                          "połączonym na wprowadzeniu.\"")
        << QString();
    QTest::newRow("cz over ct")
        << QStringLiteral("obiekt.oceniane.R3=true; obiekt.L3.ct=1000; strefy[0].L3.cz=1001")
        << QStringLiteral("bledy[0].komunikat")
        << QStringLiteral("\"Wartość cz nie może przekraczać ct.\"") << QString();
    QTest::newRow("values over ct") << QStringLiteral("obiekt.oceniane.R4=true; obiekt.L4.ct=1000; "
                                                      "strefy[0].L4.cb=600; strefy[0].L4.cs=401")
                                    << QStringLiteral("bledy[0]")
                                    << QStringLiteral("{\"pole\":\"obiekt.L4.ct\",\"komunikat\":"
                                                      "\"Suma wartości ca, cb, cc, cs wszystkich "
                                                      "stref przekracza ct.\"}")
                                    << QString();
    QTest::newRow("hidden values of an outside zone unchecked")
        << QStringLiteral("strefy[0].polozenie=\"na_zewnatrz\"; strefy[0].rf=\"gora\"; "
                          "strefy[0].systemy[0].UW=3")
        << QStringLiteral("bledy") << QStringLiteral("[]") << QString();
    QTest::newRow("no zone") << QStringLiteral("strefy[0]-") << QStringLiteral("bledy[0]")
                             << QStringLiteral("{\"pole\":\"strefy\",\"komunikat\":\"Obiekt musi "
                                               "mieć co najmniej jedną strefę.\"}")
                             << QString();
    QTest::newRow("note: persons") << QStringLiteral("obiekt.nt=7") << QStringLiteral("uwagi")
                                   << QStringLiteral("[{\"pole\":\"obiekt.nt\",\"komunikat\":"
                                                     "\"Suma osób w strefach (5) różni się od "
                                                     "łącznej liczby osób nt (7).\"}]")
                                   << QString();
    QTest::newRow("note: UW of system")
        << QStringLiteral("strefy[0].systemy[0].UW=1") << QStringLiteral("uwagi[0].komunikat")
        << QStringLiteral("\"Strefa „Wnętrze budynku”, system linii „Zasilanie”: UW systemu jest "
                          "niższe niż UW linii.\"")
        << QString();
}

void TstOcenaRyzyka::wartosci()
{
    QFETCH(QString, zmiany);
    QFETCH(QString, sciezka);
    QFETCH(QString, oczekiwana);
    QFETCH(QString, okno);
    Json wynik = WynikiJson(Zmieniony(zmiany), QStringLiteral("dom.kwr"), QStringLiteral("K"));
    const Json *w = Sciezka(wynik, sciezka);
    QVERIFY2(w, qPrintable(Napis(wynik["bledy"])));
    QCOMPARE(Napis(*w), Napis(Tekst(oczekiwana)));
    if (!okno.isEmpty())
        QCOMPARE(FormatW(w->liczba), okno);
}

void TstOcenaRyzyka::formaty_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("W");
    QTest::addColumn<QString>("T");
    QTest::addColumn<QString>("zl");
    QTest::newRow("0") << 0.0 << "0"
                       << "0"
                       << "0";
    QTest::newRow("rounds up to 10^-5") << 9.996e-6 << "1,00·10⁻⁵"
                                        << "0,000009996"
                                        << "0";
    QTest::newRow("820") << 820.398 << "820"
                         << "820,398"
                         << "820";
    QTest::newRow("999.5 -> 10^3") << 999.5 << "1,00·10³"
                                   << "999,5"
                                   << "1 000";
    QTest::newRow("negative") << -57185.4 << "−5,72·10⁴"
                              << "−57185,4"
                              << "−57 185";
    QTest::newRow("half away from zero") << -2.5 << "−2,50"
                                         << "−2,5"
                                         << "−3";
    QTest::newRow("1e12") << 1e12 << "1,00·10¹²"
                          << "1000000000000"
                          << "1 000 000 000 000";
}

void TstOcenaRyzyka::formaty()
{
    QFETCH(double, v);
    QFETCH(QString, W);
    QFETCH(QString, T);
    QFETCH(QString, zl);
    QCOMPARE(FormatW(v), W);
    QCOMPARE(FormatT(v), T);
    QCOMPARE(FormatZl(v).replace(QChar(0xA0), u' '), zl);
}

void TstOcenaRyzyka::czytanie_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("komunikat"); // "" when read; then the error of `pole`
    QTest::addColumn<QString>("pole");
    QTest::addColumn<QString>("powod");

    const QByteArray naglowek = "{\"format\":\"kerwano-ocena-ryzyka\",\"wersja\":1";
    const QString nazwa = QStringLiteral("Plik „x.kwr” ");
    QTest::newRow("newer") << QByteArray("{\"format\":\"kerwano-ocena-ryzyka\",\"wersja\":2}")
                           << nazwa + QStringLiteral(
                                          "zapisano w nowszej wersji formatu (wersja 2). Ta "
                                          "wersja programu Kerwano odczytuje pliki oceny ryzyka "
                                          "w wersji 1. Otwórz go nowszą wersją programu.")
                           << QString() << QString();
    QTest::newRow("version 1.5") << QByteArray(
                                        "{\"format\":\"kerwano-ocena-ryzyka\",\"wersja\":1.5}")
                                 << nazwa + QStringLiteral("ma nieprawidłowy numer wersji formatu.")
                                 << QString() << QString();
    QTest::newRow("not ours") << QByteArray("[1,2]")
                              << nazwa + QStringLiteral(
                                             "nie jest plikiem oceny ryzyka programu Kerwano.")
                              << QString() << QString();
    QTest::newRow("syntax") << QByteArray("{\n  \"format\": x}")
                            << nazwa + QStringLiteral("jest uszkodzony: niepoprawny zapis JSON "
                                                      "(wiersz 2, kolumna 13).")
                            << QString() << QString();
    QTest::newRow("not UTF-8") << QByteArray("{\"format\":\"k\xff\"}")
                               << nazwa + QStringLiteral("jest uszkodzony: niepoprawny zapis JSON "
                                                         "(wiersz 1, kolumna 13).")
                               << QString() << QString();
    QTest::newRow("deep nesting") << naglowek + ",\"x\":" + QByteArray(100000, '[') +
                                         QByteArray(100000, ']') + "}"
                                  << nazwa + QStringLiteral("jest uszkodzony: niepoprawny zapis "
                                                            "JSON (wiersz 1, kolumna 112).")
                                  << QString() << QString();
    QTest::newRow("zone not object")
        << naglowek + ",\"strefy\":[{},5]}"
        << nazwa + QStringLiteral("ma nieprawidłową strukturę (strefy[1]).") << QString()
        << QString();
    QTest::newRow("systems not array")
        << naglowek + ",\"strefy\":[{\"systemy\":{}}]}"
        << nazwa + QStringLiteral("ma nieprawidłową strukturę (strefy[0].systemy).") << QString()
        << QString();
    QTest::newRow("21 lines") << naglowek + ",\"linie\":[{}" +
                                     QByteArray(20 * 3, 0).replace(QByteArray(3, 0), ",{}") + "]}"
                              << nazwa + QStringLiteral("zawiera za dużo elementów (linie).")
                              << QString() << QString();
    QTest::newRow("huge number") << naglowek + ",\"obiekt\":{\"L\":1e999},\"strefy\":[{}]}"
                                 << QString() << QStringLiteral("obiekt.L")
                                 << QStringLiteral("Wartość poza zakresem.");
    QTest::newRow("wrong type") << naglowek + ",\"obiekt\":{\"L\":\"15\"},\"strefy\":[{}]}"
                                << QString() << QStringLiteral("obiekt.L")
                                << QStringLiteral("Wpisz liczbę.");
    QTest::newRow("duplicate key: last counts")
        << naglowek + ",\"obiekt\":{\"W\":-1,\"W\":20},\"strefy\":[{\"nz\":-5}]}" << QString()
        << QStringLiteral("strefy[0].nz") << QStringLiteral("Wartość nie może być ujemna.");
    QTest::newRow("boolean") << naglowek + ",\"strefy\":[{\"zagrozenie_zycia\":1}]}" << QString()
                             << QStringLiteral("strefy[0].zagrozenie_zycia")
                             << QStringLiteral("Nieprawidłowa wartość – zaznacz lub wyczyść pole.");
    QTest::newRow("adjacent") << naglowek + ",\"linie\":[{\"sasiedni\":7}]}" << QString()
                              << QStringLiteral("linie[0].sasiedni")
                              << QStringLiteral("Nieprawidłowe dane obiektu sąsiedniego.");
    QTest::newRow("two systems without line")
        << naglowek + ",\"strefy\":[{\"systemy\":[{\"linia\":null},{\"linia\":null}]}]}"
        << QString() << QStringLiteral("strefy[0].systemy[1].linia")
        << QStringLiteral("Strefa ma już system bez linii zewnętrznej.");
}

void TstOcenaRyzyka::czytanie()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, komunikat);
    QFETCH(QString, pole);
    QFETCH(QString, powod);
    Json d = Json::Tekst(QStringLiteral("bez zmian"));
    QCOMPARE(CzytajOcene(bajty, QStringLiteral("x.kwr"), d), komunikat);
    if (!komunikat.isEmpty()) {
        QCOMPARE(d.tekst, QStringLiteral("bez zmian"));
        return;
    }
    QCOMPARE(Sprawdz(d).Powod(pole), powod);
    // An invalid value reads back as it was.
    Json znowu;
    QCOMPARE(CzytajOcene(TekstOceny(d), QStringLiteral("x.kwr"), znowu), QString());
    QVERIFY(znowu == d);
}

void TstOcenaRyzyka::zapisOdczyt()
{
    // Unknown keys everywhere stay, after the known ones, in their order.
    Json d = Zmieniony(
        QStringLiteral("przyszle={\"b\":1,\"a\":[true]}; obiekt.L4.nowe=\"x\"; linie[1].zz=null; "
                       "strefy[0].systemy[0].k=2; obiekt.L=15.25; strefy[0].PTA=[\"izolacja\"]"));
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("dom.kwr"));
    QCOMPARE(ZapiszOcene(plik, d), QString());
    Json wczytany;
    QCOMPARE(WczytajOcene(plik, wczytany), QString());
    QVERIFY(wczytany == d);
    QFile f(plik);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray tekst = f.readAll();
    QCOMPARE(tekst, TekstOceny(wczytany));
    QVERIFY(tekst.endsWith("  \"przyszle\": {\n    \"b\": 1,\n    \"a\": [\n      true\n    ]\n  "
                           "}\n}\n"));
    QVERIFY(tekst.contains("\"CPM\": null,\n      \"nowe\": \"x\""));
    // The file of the example reads and writes back byte for byte.
    QFile przyklad(QStringLiteral(KERWANO_RYZYKO "/dom.kwr"));
    QVERIFY(przyklad.open(QIODevice::ReadOnly));
    QCOMPARE(TekstOceny(Dom()), przyklad.readAll());
    // The JSON output leaves the unknown keys out.
    QVERIFY(WynikiJson(d, plik, QString())["wejscie"]["przyszle"].JestNull());
    // A new document: defaults, one zone, and what is missing marked.
    const Walidacja nowa = Sprawdz(NowaOcena(QDate(2026, 12, 9)));
    QStringList pola;
    for (const Komunikat &k : nowa.bledy)
        pola << k.pole;
    QCOMPARE(pola.join(u' '), QStringLiteral("obiekt.L obiekt.W obiekt.H obiekt.CD obiekt.NG "
                                             "obiekt.nt strefy[0].nz strefy[0].rt strefy[0].rf"));
    QCOMPARE(NowaOcena(QDate(2026, 12, 9))["dane_projektu"]["data_wykonania"].tekst,
             QStringLiteral("9.12.2026"));
}

void TstOcenaRyzyka::dobor_data()
{
    QTest::addColumn<QString>("zmiany");
    QTest::addColumn<QString>("stan");
    QTest::addColumn<QStringList>("kroki"); // "family stage R1 in format W"
    QTest::addColumn<QStringList>("teksty");

    QTest::newRow("house: LPS IV first")
        << QString() << "znaleziono" << QStringList{QStringLiteral("LPS IV 1,41·10⁻⁶")}
        << QStringList();
    QTest::newRow("protected enough") << WARIANT_A << "wystarcza" << QStringList() << QStringList();
    // No LPS class can be taken (a metal roof already), RV from the lines
    // stays: SPDs of the entrances are chosen.
    QTest::newRow("no LPS grade") << QStringLiteral("obiekt.LPS=\"dach_metalowy\"") << "znaleziono"
                                  << QStringList{QStringLiteral(
                                         "SPD_wprowadzenie III_IV 1,20·10⁻⁶")}
                                  << QStringList();
    // Failure of the internal systems endangers life and LO is 1: RZ, RM
    // and RW stay far above RT whatever the listed measures do.
    QTest::newRow("nothing suffices")
        << QStringLiteral("strefy[0].zagrozenie_zycia=true; strefy[0].LO=1") << "nie_znaleziono"
        << QStringList{QStringLiteral("LPS I 12,1"),
                       QStringLiteral("SPD_wprowadzenie lepsze_0_001 12,1"),
                       QStringLiteral("SPD_skoordynowane lepsze_0_001 1,21·10⁻²"),
                       QStringLiteral("PTA_PTU izolacja 1,21·10⁻²"),
                       QStringLiteral("rp automatyczne 1,21·10⁻²")}
        << QStringList{QStringLiteral("Największe składowe R1: RZ = 1,04·10⁻², RM = 1,48·10⁻³, "
                                      "RW = 2,40·10⁻⁴")};
}

void TstOcenaRyzyka::dobor()
{
    QFETCH(QString, zmiany);
    QFETCH(QString, stan);
    QFETCH(QStringList, kroki);
    QFETCH(QStringList, teksty);
    const Walidacja w = Sprawdz(Zmieniony(zmiany));
    QVERIFY2(w.Poprawna(), qPrintable(w.bledy.value(0).komunikat));
    const Wyniki wyniki = Oblicz(w.dane);
    const Dobor d = DobierzOchrone(w.dane, wyniki);
    QCOMPARE(QString::fromLatin1(KluczWynikuDoboru(d.stan)), stan);
    QStringList opis;
    for (const Krok &k : d.kroki)
        if (k.rodzina >= 0)
            opis << QStringLiteral("%1 %2 %3")
                        .arg(QLatin1String(KluczRodziny(k.rodzina)),
                             KluczStopnia(k.rodzina, k.stopien), FormatW(k.R[0]));
    QCOMPARE(opis, kroki);
    QCOMPARE(TekstyNajwiekszych(d), teksty);
    // The same inputs, the same answer; the inputs untouched.
    const Dobor znowu = DobierzOchrone(w.dane, Oblicz(w.dane));
    QCOMPARE(znowu.kroki.size(), d.kroki.size());
    QCOMPARE(Oblicz(w.dane).r[0].R, wyniki.r[0].R);
}

void TstOcenaRyzyka::polecenie_data()
{
    QTest::addColumn<QByteArray>("bajty"); // empty: the house
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("bledy");
    QTest::addColumn<QString>("sciezka");
    QTest::addColumn<QString>("wartosc");

    QTest::newRow("house") << QByteArray() << 0 << QString()
                           << QStringLiteral("wyniki.dobor.kroki[0].R1")
                           << QStringLiteral("1.4076363116626286e-06");
    QTest::newRow("house AD") << QByteArray() << 0 << QString()
                              << QStringLiteral("wyniki.obiekt.AD")
                              << QStringLiteral("2577.8760197630927");
    QTest::newRow("invalid fields")
        << QByteArray("{\"format\":\"kerwano-ocena-ryzyka\",\"wersja\":1}") << 3 << QString()
        << QStringLiteral("bledy[0].komunikat") << QStringLiteral("\"Pole wymagane.\"");
    QTest::newRow("unfinished save")
        << QByteArray("{\"format\":\"kerwano-ocena-ryzyka\",\"wersja\":1}") << 1
        << QStringLiteral("^kerwano: .*/x\\.kwr: .*x\\.kwr\\.kopia") << QString() << QString();
    QTest::newRow("newer") << QByteArray("{\"format\":\"kerwano-ocena-ryzyka\",\"wersja\":7}") << 1
                           << QStringLiteral("^kerwano: .*/x\\.kwr: Plik „x\\.kwr” zapisano w "
                                             "nowszej wersji formatu \\(wersja 7\\)\\.")
                           << QString() << QString();
}

void TstOcenaRyzyka::polecenie()
{
    QFETCH(QByteArray, bajty);
    QFETCH(int, kod);
    QFETCH(QString, bledy);
    QFETCH(QString, sciezka);
    QFETCH(QString, wartosc);
    QTemporaryDir katalog;
    QString plik = QStringLiteral(KERWANO_RYZYKO "/dom.kwr");
    if (!bajty.isEmpty()) {
        plik = katalog.filePath(QStringLiteral("x.kwr"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bajty);
        // An unfinished save's copy beside it.
        if (QTest::currentDataTag() == QLatin1String("unfinished save")) {
            QFile kopia(plik + QStringLiteral(".kopia"));
            QVERIFY(kopia.open(QIODevice::WriteOnly));
            kopia.write(bajty);
        }
    }
    QProcess kerwano;
    kerwano.start(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--ryzyko"), plik});
    QVERIFY(kerwano.waitForFinished(60000));
    QCOMPARE(kerwano.exitCode(), kod);
    const QString err = QString::fromUtf8(kerwano.readAllStandardError());
    if (!bledy.isEmpty())
        QVERIFY2(QRegularExpression(bledy).match(err).hasMatch(), qPrintable(err));
    if (sciezka.isEmpty()) {
        QVERIFY(kerwano.readAllStandardOutput().isEmpty());
        return;
    }
    Json wynik;
    int w = 0, k = 0;
    QVERIFY(CzytajJson(kerwano.readAllStandardOutput(), wynik, w, k));
    QCOMPARE(wynik["plik"].tekst, plik);
    const Json *v = Sciezka(wynik, sciezka);
    QVERIFY(v);
    QCOMPARE(Napis(*v), Napis(Tekst(wartosc)));
}

void TstOcenaRyzyka::wydruk_data()
{
    QTest::addColumn<QString>("zmiany");
    QTest::addColumn<QString>("wyjscie"); // the PDF's name in the folder
    QTest::addColumn<int>("kod");
    QTest::addColumn<QStringList>("teksty"); // in the PDF's text, or on stderr

    // Superscripts are printed as raised digits: pdftotext reads "10-5".
    QTest::newRow("house") << QString() << QStringLiteral("dom.pdf") << 0
                           << QStringList{QStringLiteral("Plik: dom.kwr"),
                                          QStringLiteral("AD = 2,58·103 m2"),
                                          QStringLiteral("NM = 3,28 1/rok"),
                                          QStringLiteral("R1 = 2,51·10-5 > RT = 10-5: ochrona "
                                                         "potrzebna"),
                                          QStringLiteral("8. Dobór środków ochrony"),
                                          QStringLiteral("Stan obecny"),
                                          QStringLiteral("(podpis wykonawcy)")};
    QTest::newRow("variant b") << WARIANT_B << QStringLiteral("b.pdf") << 0
                               << QStringList{QStringLiteral("R1 = 1,41·10-6 ≤ RT = 10-5: "
                                                             "dodatkowa ochrona niepotrzebna"),
                                              QStringLiteral("(PB = 0,2)")};
    QTest::newRow("invalid fields")
        << QStringLiteral("obiekt.H=0") << QStringLiteral("h.pdf") << 3
        << QStringList{QStringLiteral("dane zawierają błędy (1) – popraw je w oknie „Ocena "
                                      "ryzyka”.")};
    QTest::newRow("over an assessment")
        << QString() << QStringLiteral("inna.KWR") << 1
        << QStringList{QStringLiteral("jest oceną ryzyka Kerwano; nie zostanie zastąpiony "
                                      "plikiem PDF")};
    QTest::newRow("over itself") << QString() << QStringLiteral("dom.kwr") << 1
                                 << QStringList{QStringLiteral("jest oceną ryzyka Kerwano")};
}

void TstOcenaRyzyka::wydruk()
{
    QFETCH(QString, zmiany);
    QFETCH(QString, wyjscie);
    QFETCH(int, kod);
    QFETCH(QStringList, teksty);
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("dom.kwr"));
    QCOMPARE(ZapiszOcene(plik, Zmieniony(zmiany)), QString());
    const QString pdf = katalog.filePath(wyjscie);
    if (wyjscie.endsWith(QLatin1String(".KWR")))
        QCOMPARE(ZapiszOcene(pdf, Dom()), QString());
    const QByteArray przed = [&pdf] {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QProcess kerwano;
    kerwano.start(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-ryzyko"), plik, pdf});
    QVERIFY(kerwano.waitForFinished(60000));
    const QString err = QString::fromUtf8(kerwano.readAllStandardError());
    QCOMPARE(kerwano.exitCode(), kod);
    QString tekst = err;
    if (kod == 0) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        tekst = QString::fromUtf8(pdftotext.readAllStandardOutput());
    } else {
        // Nothing written, nothing replaced.
        QFile f(pdf);
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), przed);
    }
    for (const QString &t : teksty)
        QVERIFY2(tekst.contains(t), qPrintable(t + QStringLiteral(" in:\n") + tekst));
}

void TstOcenaRyzyka::tabeleWydruku_data()
{
    QTest::addColumn<QString>("zmiany");
    QTest::addColumn<QString>("sekcja");       // the first table of that section
    QTest::addColumn<QString>("naglowki");     // joined with "|"
    QTest::addColumn<QString>("wyrownanie");   // L or P per column
    QTest::addColumn<int>("wierszy");          // in every column
    QTest::addColumn<QStringList>("czerwone"); // "row/column"

    QTest::newRow("zone's systems")
        << QString() << QStringLiteral("3. Strefy")
        << QStringLiteral(
               "Linia|Prowadzenie przewodów (KS3)|UW [kV]|Skoordynowany układ SPD (PSPD)")
        << QStringLiteral("LLLL") << 2 << QStringList();
    QTest::newRow("lines")
        << QString() << QStringLiteral("4. Liczba groźnych zdarzeń")
        << QStringLiteral("Linia|AL [m²]|AI [m²]|ADJ [m²]|NL [1/rok]|NI [1/rok]|NDJ [1/rok]|CLD|"
                          "CLI|PLD|PLI|PEB")
        << QStringLiteral("LPPPPPPPPPPP") << 2 << QStringList();
    // Only a risk above its RT is red, and R4 has none.
    QTest::newRow("search, R1 and R4")
        << QStringLiteral("obiekt.oceniane.R4=true; obiekt.L4.ct=1000000; "
                          "strefy[0].L4.cb=500000; strefy[0].L4.cc=200000; strefy[0].L4.cs=100000")
        << QStringLiteral("8. Dobór środków ochrony") << QStringLiteral("Krok|Środek ochrony|R1|R4")
        << QStringLiteral("LLPP") << 2 << QStringList{QStringLiteral("0/2")};
    QTest::newRow("costs")
        << QStringLiteral("obiekt.oceniane.R4=true; obiekt.L4.ct=1000000; obiekt.L4.CPM=100; "
                          "obiekt.LPS=\"IV\"; "
                          "strefy[0].L4.cb=500000; strefy[0].L4.cc=200000; strefy[0].L4.cs=100000")
        << QStringLiteral("9. Opłacalność ochrony") << QStringLiteral("Wielkość|Wartość")
        << QStringLiteral("LP") << 6 << QStringList();
}

void TstOcenaRyzyka::tabeleWydruku()
{
    QFETCH(QString, zmiany);
    QFETCH(QString, sekcja);
    QFETCH(QString, naglowki);
    QFETCH(QString, wyrownanie);
    QFETCH(int, wierszy);
    QFETCH(QStringList, czerwone);
    const Json d = Zmieniony(zmiany);
    QCOMPARE(Sprawdz(d).bledy.size(), 0);
    const TrescOceny t = ZlozTrescOceny(d, QStringLiteral("dom.kwr"), QDate(2026, 1, 2));
    const TabelaTresci *tabela = nullptr;
    for (const SekcjaTresci &s : t.sekcje)
        for (const BlokTresci &b : s.bloki)
            if (s.tytul == sekcja && b.ma_tabele && !tabela)
                tabela = &b.tabela;
    QVERIFY(tabela);
    QStringList n;
    QString w;
    for (const KolumnaTresci &k : tabela->kolumny) {
        n << k.naglowek;
        w += k.wyrownanie == Qt::AlignLeft ? u'L' : u'P';
        QCOMPARE(k.wartosci.size(), wierszy);
    }
    QCOMPARE(n.join(u'|'), naglowki);
    QCOMPARE(w, wyrownanie);
    QCOMPARE(tabela->wierszy(), wierszy);
    QStringList c;
    for (const auto &[wiersz, kolumna] : tabela->czerwone)
        c << QStringLiteral("%1/%2").arg(wiersz).arg(kolumna);
    c.sort();
    QCOMPARE(c, czerwone);
}

QTEST_GUILESS_MAIN(TstOcenaRyzyka)
#include "tst_ocena_ryzyka.moc"
