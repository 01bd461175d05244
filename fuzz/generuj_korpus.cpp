// Writes the seed corpora of the fuzz targets with the program's own writer:
//   generuj_korpus <folder>   (fills <folder>/plik, <folder>/teksty, <folder>/zapis
//                              and <folder>/ryzyko)
// The files in fuzz/korpus/ are its output; run it again after a change of
// the file format or of the parameter texts.

#include "assessment/Dokument.h"
#include "assessment/PlikOceny.h"
#include "elements/ParametryElementu.h"
#include "project/PlikProjektu.h"
#include "tests/BudynekWzorcowy.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using kerwano::ElementDachu;
using kerwano::Material;
using kerwano::Projekt;
using kerwano::TypUkladu;
using kerwano::ZlozParametry;
using wzorcowy::Budynek;
using wzorcowy::Nowy;

namespace {

const QList<ElementDachu> &KazdyUklad()
{
    static const QList<ElementDachu> elementy = {
        {QStringLiteral("Maszt"), ZlozParametry(TypUkladu::A, kerwano::TypInstalacji::Uklad1,
                                                Material::Powietrze, 10, 10, 0, 0)},
        {QStringLiteral("Linka"), ZlozParametry(TypUkladu::B, kerwano::TypInstalacji::Uklad2,
                                                Material::Dielektryk, 12.5, 3, 20, 0)},
        {QStringLiteral("Siatka"), ZlozParametry(TypUkladu::A, kerwano::TypInstalacji::Uklad3,
                                                 Material::Powietrze, 15, 7.5, 10, 4)}};
    return elementy;
}

bool Zapisz(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly) || f.write(dane) != dane.size()) {
        std::fprintf(stderr, "generuj_korpus: cannot write %s\n", qPrintable(sciezka));
        return false;
    }
    return true;
}

bool Projekty(const QDir &folder)
{
    QList<QPair<QString, Projekt>> projekty;
    projekty << qMakePair(QStringLiteral("bez_elementow"), Nowy());
    for (int i = 0; i < KazdyUklad().size(); ++i) {
        Projekt p = Budynek();
        p.elementy = {KazdyUklad()[i]};
        projekty << qMakePair(QStringLiteral("uklad_%1").arg(i + 1), p);
    }
    {
        Projekt p = Budynek();
        p.wybory[12] = 0;
        for (int i = 1; i <= 40; ++i) {
            const double H = i * 1.37;
            p.elementy << ElementDachu{
                QStringLiteral("Element %1").arg(i),
                ZlozParametry(i % 2 ? TypUkladu::A : TypUkladu::B,
                              kerwano::TypInstalacji(1 + i % 3),
                              i % 4 ? Material::Powietrze : Material::Dielektryk, H, i * 0.5,
                              i * 0.75, i % 5)};
        }
        projekty << qMakePair(QStringLiteral("czterdziesci"), p);
    }
    {
        Projekt p = Budynek();
        p.dane = {QStringLiteral("12/2026/ŁÓDŹ"),          QStringLiteral("7.3.2026"),
                  QStringLiteral("Żółć Gęślą Jaźń"),       QStringLiteral("Budowa w Łodzi"),
                  QStringLiteral("Inwestor Ściśle Tajny"), QStringLiteral("Zleceniodawca €")};
        p.elementy = {{QStringLiteral("Świetlik ąęćłńóśźż ĄĘĆŁŃÓŚŹŻ"),
                       ZlozParametry(TypUkladu::B, kerwano::TypInstalacji::Uklad3,
                                     Material::Dielektryk, 4, 2, 3, 6)}};
        projekty << qMakePair(QStringLiteral("polskie_litery"), p);
    }
    {
        // Every text at its field's capacity.
        Projekt p = Budynek();
        p.wymiary = {QString(20, u'9'), QStringLiteral("12,5") + QString(16, u'0'),
                     QStringLiteral("1E") + QString(18, u'1')};
        const int pojemnosci[6] = {25, 20, 128, 128, 128, 128};
        for (int i = 0; i < 6; ++i)
            p.dane[size_t(i)] = QString(pojemnosci[i], u'ś');
        QString parametry =
            ZlozParametry(TypUkladu::A, kerwano::TypInstalacji::Uklad3, Material::Dielektryk,
                          123456.78, 98765.43, 45678.9, 2147483647);
        parametry += QString(96 - parametry.size(), u' ');
        p.elementy = {{QString(40, u'Ż'), parametry}};
        projekty << qMakePair(QStringLiteral("teksty_pelne"), p);
    }
    {
        // Indices outside their lists and dimensions that are not numbers.
        Projekt p = Budynek();
        p.wybory = {-1, 99, 6, 4, 3, -7, 4, 4, 4, 3, 4, 2, 4};
        p.wymiary = {QStringLiteral("abc"), QStringLiteral("1,2,3"), QString()};
        p.elementy = {{QString(), QString()},
                      {QStringLiteral("Tylko B"), QStringLiteral("Układ B")},
                      {QStringLiteral("Zła liczba"),
                       QStringLiteral("Układ A, układ 1, powietrze, H = x, L = 2,00")}};
        projekty << qMakePair(QStringLiteral("poza_zakresem"), p);
    }
    for (const auto &[nazwa, projekt] : projekty) {
        if (!Zapisz(folder.filePath(nazwa + QStringLiteral(".kwp")),
                    kerwano::ZakodujProjekt(projekt)))
            return false;
    }
    // A finding kept as a seed: three elements announced, two there, the
    // second with a name length above its field's (read alike from a file and a pipe).
    Projekt dwa = Budynek();
    dwa.elementy = {KazdyUklad()[0], KazdyUklad()[1]};
    QByteArray zly = kerwano::ZakodujProjekt(dwa);
    zly[680] = 3;
    zly[kerwano::ROZMIAR_NAGLOWKA_PROJEKTU + kerwano::ROZMIAR_REKORDU_ELEMENTU] = 41;
    return Zapisz(folder.filePath(QStringLiteral("zly_rekord_w_krotkim.kwp")), zly);
}

bool Teksty(const QDir &folder)
{
    QList<QByteArray> teksty;
    for (const ElementDachu &e : KazdyUklad())
        teksty << e.parametry.toUtf8();
    teksty << ZlozParametry(TypUkladu::A, kerwano::TypInstalacji::Uklad3, Material::Dielektryk,
                            1.5e7, 2e6, 3e6, 2000000000)
                  .toUtf8();
    teksty << QStringLiteral("Układ A, Układ B, układ 1, układ 3, dielektryk, H = 5, L = 5, "
                             "c = 1, n = 3")
                  .toUtf8();
    for (const char *liczba : {"12,50", "1", ",", "-0", " +7,5e-3 ", "1E308", "2147483647",
                               "-2147483648", "0,000000000000000000001", "1,2,3"})
        teksty << QByteArray(liczba);
    teksty << QByteArray("projekt \xB3\xB1ka.kwp")
           << QByteArray("\xC5\x81\xC3\xB3"
                         "d\xC5\xBA");
    for (int i = 0; i < teksty.size(); ++i) {
        if (!Zapisz(folder.filePath(QStringLiteral("tekst_%1").arg(i + 1, 2, 10, QLatin1Char('0'))),
                    teksty[i]))
            return false;
    }
    return true;
}

// Sessions for fuzz_zapis: four bytes choosing the failure of the second
// save (step, call, error, a second name), then the operations, as the
// target reads them.
bool Sesje(const QDir &folder)
{
    auto tekst = [](const QString &t) {
        const QByteArray b = t.toUtf8();
        return char(b.size()) + b;
    };
    QByteArray ops;
    const QStringList wymiary = {QStringLiteral("12,5"), QStringLiteral("8"),
                                 QStringLiteral("6,5")};
    for (int nr = 0; nr < 3; ++nr)
        ops += char(1) + QByteArray(1, char(nr)) + tekst(wymiary[nr]);
    ops += QByteArray("\x00\x02\x05\x00\x0C\x04", 6); // two selections
    ops += char(2) + QByteArray(1, char(0)) + tekst(QStringLiteral("KW-7/2026 Łódź"));
    auto element = [&](const QString &nazwa, int uklad, int typ, int material, int h, int l) {
        return char(3) + tekst(nazwa) + QByteArray(1, char(uklad)) + char(typ) + char(material) +
               char(h) + char(l) + char(4) + char(3);
    };
    for (int i = 1; i <= 3; ++i)
        ops += element(QStringLiteral("Maszt %1").arg(i), 1, i, 1, 20 + i, 10);
    ops += char(7);               // the first save
    for (int i = 1; i <= 40; ++i) // more than one block of the file
        ops += element(QStringLiteral("Iglica ąę %1").arg(i), 1 + i % 2, 1 + i % 3, 1 + i % 2,
                       4 * i, i);
    ops += char(4) + QByteArray(1, char(1)) +
           element(QStringLiteral("Zmieniony"), 2, 3, 2, 9, 9).mid(1);
    ops += char(5) + QByteArray(1, char(0));
    ops += char(2) + QByteArray(1, char(2)) + tekst(QStringLiteral("Projektant €"));

    const int etapy = 7;
    for (int etap = 0; etap <= etapy; ++etap) {
        for (int wywolanie = 0; wywolanie < 2; ++wywolanie) { // the first call fails, or the second
            for (int dwie = 0; dwie < 2; ++dwie) {
                const char naglowek[] = {char(etap), char(wywolanie), char(0), char(dwie)};
                if (!Zapisz(folder.filePath(
                                QStringLiteral("etap_%1_%2_%3").arg(etap).arg(wywolanie).arg(dwie)),
                            QByteArray(naglowek, 4) + ops))
                    return false;
            }
        }
    }
    // EINTR in the overwrite, EBUSY at the rename.
    return Zapisz(folder.filePath(QStringLiteral("eintr")),
                  QByteArray("\x04\x02\x02\x01", 4) + ops) &&
           Zapisz(folder.filePath(QStringLiteral("ebusy")),
                  QByteArray("\x01\x00\x03\x00", 4) + ops);
}

} // namespace

// Risk assessments: a new one, the country house of the standard's annex,
// and one with every risk, an outside zone, a prominent part, a mesh shield,
// an adjacent structure, a bonded shield and a key this version does not know.
bool Oceny(const QDir &folder)
{
    using namespace kerwano::ocena;
    const char *dom =
        R"({"format":"kerwano-ocena-ryzyka","wersja":1,"dane_projektu":{"data_wykonania":"9.12.2025",)"
        R"("budowa":"Dom wiejski"},"obiekt":{"L":15,"W":20,"H":6,"CD":"odosobniony","NG":4,"nt":5},)"
        R"("linie":[{"nazwa":"Zasilanie","CI":"podziemna","ekran":"podziemna_bez_ekranu"},)"
        R"({"nazwa":"Telekomunikacja","rodzaj":"telekomunikacyjna","UW":1.5}],)"
        R"("strefy":[{"nazwa":"Wnętrze budynku","nz":5,"rt":"asfalt_drewno","rf":"pozar_male",)"
        R"("LF":0.1,"systemy":[{"linia":"Zasilanie","KS3":"unikanie_duzych_petli"},)"
        R"({"linia":"Telekomunikacja","UW":1.5}]}]})";
    const char *pelny =
        R"({"format":"kerwano-ocena-ryzyka","wersja":1,"obiekt":{"L":15,"W":20,"H":6,"HP":12,)"
        R"("CD":"odosobniony","NG":2.7,"Td":27,"KS1":"siatka","wm1":5,"nt":5,)"
        R"("oceniane":{"R2":true,"R3":true,"R4":true},"L2":{"usluga":"gaz_woda_energia","nt":100},)"
        R"("L3":{"ct":10000},"L4":{"ct":2000000,"CPM":500}},"linie":[{"nazwa":"Zasilanie",)"
        R"("sasiedni":{"LJ":10,"WJ":8,"HJ":4,"CDJ":"otoczony_rownymi"}},{"nazwa":"Telekomunikacja",)"
        R"("rodzaj":"telekomunikacyjna","ekran":"napowietrzna_ekran_polaczony","RS":"rs_1_5"}],)"
        R"("strefy":[{"nazwa":"Wnętrze","nz":5,"rt":"grunt_beton","rf":"wybuch_2_22","PTA":["tablice"],)"
        R"("rp":["gasnice"],"rodzaj":"szpital_oiom","zagrozenie_zycia":true,"KS2":"siatka","wm2":2,)"
        R"("systemy":[{"linia":"Zasilanie","SPD":"II"},{"linia":null,"UW":4}],"L2":{"nz":50},)"
        R"("L3":{"cz":5000},"L4":{"cb":1000000,"cc":200000,"cs":100000,"rodzaj":"biuro"}},)"
        R"({"nazwa":"Ogród","polozenie":"na_zewnatrz","nz":0,"rt":"zwir_wykladzina","L4":{"ca":1000}}],)"
        R"("przyszly_klucz":{"a":[1,2]}})";
    const std::pair<const char *, QByteArray> oceny[] = {
        {"nowa.kwr", TekstOceny(NowaOcena(QDate(2026, 12, 9)))},
        {"dom.kwr", dom},
        {"pelny.kwr", pelny}};
    for (const auto &[nazwa, tekst] : oceny) {
        Json dokument;
        if (!CzytajOcene(tekst, QString::fromLatin1(nazwa), dokument).isEmpty())
            return false;
        QFile plik(folder.filePath(QString::fromLatin1(nazwa)));
        if (!plik.open(QIODevice::WriteOnly) || plik.write(TekstOceny(dokument)) < 0)
            return false;
    }
    return true;
}

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: generuj_korpus <folder>\n");
        return 2;
    }
    const QDir korzen(QString::fromLocal8Bit(argv[1]));
    if (!korzen.mkpath(QStringLiteral("plik")) || !korzen.mkpath(QStringLiteral("teksty")) ||
        !korzen.mkpath(QStringLiteral("zapis")) || !korzen.mkpath(QStringLiteral("ryzyko")))
        return 1;
    return Projekty(QDir(korzen.filePath(QStringLiteral("plik")))) &&
                   Teksty(QDir(korzen.filePath(QStringLiteral("teksty")))) &&
                   Sesje(QDir(korzen.filePath(QStringLiteral("zapis")))) &&
                   Oceny(QDir(korzen.filePath(QStringLiteral("ryzyko"))))
               ? 0
               : 1;
}
