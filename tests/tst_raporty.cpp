#include "OknoTestowe.h"
#include "elements/ParametryElementu.h"
#include "project/PlikProjektu.h"
#include "reports/TrescFormularza.h"
#include "reports/okna/TFormularz_wydruk_form.h"
#include "reports/okna/UkladStron.h"
#include "risk/Formaty.h"
#include "widgets/TDialog_projektu.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using kerwano::ElementDachu;
using kerwano::Material;
using kerwano::Projekt;
using kerwano::TypUkladu;
using okno_testowe::Odpowiedz;

namespace {

// A text expected in a printout, on page `strona` (0: any page).
struct Tekst
{
    int strona;
    QString tekst;
};

// A page as poppler reads it back: its lines with runs of blanks made one,
// empty lines dropped; the boxes of its words, in points from the top left.
struct StronaPdf
{
    QStringList linie;
    QList<QPair<QString, QRectF>> slowa;
};

QString Uruchom(const QString &program, const QStringList &argumenty, int *kod = nullptr,
                QString *bledy = nullptr)
{
    QProcess p;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    // No display, no platform plugin of the desktop.
    srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("brak-takiej-platformy"));
    srodowisko.remove(QStringLiteral("DISPLAY"));
    srodowisko.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(srodowisko);
    p.start(program, argumenty);
    if (!p.waitForFinished(60000))
        qFatal("%s does not finish", qPrintable(program));
    if (kod)
        *kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (bledy)
        *bledy = QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The words of each page with their boxes, and the lines they make: words
// whose middle lies within a line's height join it, left to right, with a
// blank between them unless they touch (a superscript: "km2", "10-6").
QList<StronaPdf> CzytajPdf(const QString &plik)
{
    QList<StronaPdf> strony;
    const QString ramki =
        Uruchom(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), plik, QStringLiteral("-")});
    static const QRegularExpression slowo(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
        "([^<]*)</word>"));
    for (const QString &l : ramki.split(u'\n')) {
        if (l.contains(QStringLiteral("<page ")))
            strony.append(StronaPdf());
        const QRegularExpressionMatch m = slowo.match(l);
        if (m.hasMatch() && !strony.isEmpty())
            strony.last().slowa.append(
                {m.captured(5)
                     .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                     .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                     .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                     .replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                 QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    for (StronaPdf &s : strony) {
        QList<QPair<QRectF, QList<QPair<QString, QRectF>>>> linie;
        for (const auto &w : s.slowa) {
            auto it = std::find_if(linie.begin(), linie.end(), [&w](const auto &linia) {
                return linia.first.top() <= w.second.center().y() &&
                       w.second.center().y() <= linia.first.bottom();
            });
            if (it == linie.end())
                linie.append({w.second, {w}});
            else
                it->second.append(w);
        }
        std::sort(linie.begin(), linie.end(),
                  [](const auto &a, const auto &b) { return a.first.top() < b.first.top(); });
        for (auto &linia : linie) {
            std::sort(linia.second.begin(), linia.second.end(), [](const auto &a, const auto &b) {
                return a.second.left() < b.second.left();
            });
            QString tekst;
            for (int i = 0; i < linia.second.size(); ++i) {
                if (i > 0 &&
                    linia.second[i].second.left() - linia.second[i - 1].second.right() > 0.5)
                    tekst += u' ';
                tekst += linia.second[i].first;
            }
            s.linie << tekst;
        }
    }
    return strony;
}

// The texts in their order through the pages; what was not found, or "".
QString Szukaj(const QList<StronaPdf> &strony, const QList<Tekst> &oczekiwane)
{
    int strona = 0;
    qsizetype od = 0;
    for (const Tekst &t : oczekiwane) {
        // A blank of the expected text stands for a blank or a line break.
        QString wzor;
        for (const QString &s : t.tekst.split(u' '))
            wzor += (wzor.isEmpty() ? QString() : QStringLiteral("[ \\n]")) +
                    QRegularExpression::escape(s);
        const QRegularExpression re(wzor);
        bool znaleziono = false;
        for (; strona < strony.size(); ++strona, od = 0) {
            const QRegularExpressionMatch m = re.match(strony[strona].linie.join(u'\n'), od);
            if (m.hasMatch()) {
                od = m.capturedEnd();
                znaleziono = true;
                break;
            }
        }
        if (!znaleziono)
            return t.tekst;
        if (t.strona != 0 && t.strona != strona + 1)
            return QStringLiteral("%1 (on page %2, not %3)")
                .arg(t.tekst)
                .arg(strona + 1)
                .arg(t.strona);
    }
    return QString();
}

// Every word within the margins (20 mm left, 10 mm elsewhere), none over
// another, and the page number at the foot clear of everything above it.
QString Geometria(const QList<StronaPdf> &strony)
{
    const qreal mm = 72 / 25.4;
    const QRectF pole(QPointF(20 * mm - 0.5, 10 * mm - 0.5),
                      QPointF((210 - 10) * mm + 0.5, (297 - 10) * mm + 0.5));
    for (int nr = 0; nr < strony.size(); ++nr) {
        const auto &slowa = strony[nr].slowa;
        if (slowa.isEmpty() || slowa.last().first != QString::number(nr + 1))
            return QStringLiteral("page %1: no page number at the end").arg(nr + 1);
        const QRectF stopka = slowa.last().second;
        for (int i = 0; i < slowa.size(); ++i) {
            const QRectF &r = slowa[i].second;
            if (!pole.contains(r))
                return QStringLiteral("page %1: \"%2\" outside the margins")
                    .arg(nr + 1)
                    .arg(slowa[i].first);
            if (i + 1 < slowa.size() && r.bottom() > stopka.top() - 2)
                return QStringLiteral("page %1: \"%2\" at the footer")
                    .arg(nr + 1)
                    .arg(slowa[i].first);
            for (int j = i + 1; j < slowa.size(); ++j) {
                const QRectF w = r.intersected(slowa[j].second);
                if (w.width() > 1 && w.height() > 1.5)
                    return QStringLiteral("page %1: \"%2\" over \"%3\"")
                        .arg(nr + 1)
                        .arg(slowa[i].first, slowa[j].first);
            }
        }
    }
    return QString();
}

QString Tytul()
{
    return QStringLiteral("Obliczanie klasy ochronności wg normy IEC 1024-1/1995");
}

QString Biuro()
{
    return QStringLiteral("Pracownia Projektowa Kerwano, ul. Przykładowa 1, 00-001 Warszawa");
}

Projekt Nowy()
{
    Projekt p;
    p.wymiary = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
    p.dane = {QString(), QStringLiteral("8.12.2026"), Biuro(), QString(), QString(), QString()};
    return p;
}

// The worked building, 30 x 20 x 10 m; Ce 1 gives class I.
Projekt Budynek(const QString &L = QStringLiteral("30"), const QString &S = QStringLiteral("20"),
                const QString &H = QStringLiteral("10"))
{
    Projekt p = Nowy();
    p.wybory = {3, 1, 2, 2, 1, 1, 1, 2, 1, 0, 1, 0, 2};
    p.wymiary = {L, S, H};
    return p;
}

ElementDachu E(const QString &nazwa, TypUkladu u, int typ, Material m, double H, double L,
               double fc = 0, int n = 0)
{
    return {nazwa, kerwano::ZlozParametry(u, typ, m, H, L, fc, n)};
}

} // namespace

class TstRaporty : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void obliczenia_data();
    void obliczenia();
    void formularz();
    void ukladStron_data();
    void ukladStron();
    void zakresIKopie_data();
    void zakresIKopie();
    void wierszPolecen_data();
    void wierszPolecen();
    void pelnyDysk_data();
    void pelnyDysk();
    void poleceniaMenu();

private:
    QTemporaryDir m_folder;
};

void TstRaporty::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext (poppler-utils) is needed");
}

void TstRaporty::obliczenia_data()
{
    QTest::addColumn<Projekt>("projekt");
    QTest::addColumn<int>("liczba_stron");
    QTest::addColumn<QList<Tekst>>("oczekiwane");
    QTest::addColumn<QStringList>("nieobecne");

    const QStringList bez_sekcji_4 = {QStringLiteral("4. Kąty osłonowe"),
                                      QStringLiteral("Nazwa elemetu")};
    const QStringList bez_memo = {QStringLiteral("Dodatkowe środki")};
    QTest::newRow("start-up project")
        << Nowy() << 2
        << QList<
               Tekst>{{1, "Numer projektu:\nData: 8.12.2026\nProjektant: " + Biuro() +
                              "\nBudowa:\nInwestor:\nZleceniodawca:"},
                      {1, "1. Obliczenie Nc.\n(A) Oszacowanie konstrukcji budynku."},
                      {1, "A1. Ściany Lany, zbrojony beton; metalowa fasada 5,00"},
                      {1,
                       "A2. Konstrukcja dachu Stal 4,00\nA3. Pokrycie dachu Beton zbrojony 4,00"},
                      {1, "A4. Zabudowa dachu Dach bez zabudowy 1,00"},
                      {1, "A = A1 x A2 x A3 x A4 = 80,00000\n(B) Charakterystyka budynku."},
                      {1, "B1. Zachowanie mieszkańców Nie ma niebezpieczeństwa paniki 1,00"},
                      {1, "B4. Systemy bezpieczeństwa Automatyczna instalacja gaśnicza 10,00"},
                      {1, "B = B1 x B2 x B3 x B4 = 10,00000\n(C) Skutki pożaru."},
                      {1, "C2. Wpływ na inne systemy Żaden 1,00"},
                      {1,
                       "C = C1 x C2 x C3 = 1,00000\nNc = A x B x C = 800,00000\n2. Obliczenie Nd."},
                      {1, "Ng - gęstość wyładowań / km2 / rok Ng = 1,80"},
                      {1, "A - długość budynku A = 1 m,\nB - szerokość budynku B = 1 m,"},
                      {1, "H - wysokość budynku H = 1 m.\nAe - powierzchnia ekwiwalentna w [m2]"},
                      {1,
                       "Ae = A x B + 6H x (A + B) + 9 x π x H2 = 41,27\nCe - położenie budynku."},
                      {1,
                       "Ce = 0,25 - Budynek otoczony obiektami o równej wysokości lub wyższymi."},
                      {1, "Nd = Ng x Ae x Ce x 10-6 = 0,000019"},
                      {2, "E = 1 - Nc/Nd < 0\nKonieczna klasa ochronności :"},
                      {2, "Instalacja odgromowa nie jest potrzebna, warto jednak wykonać "
                          "zabezpieczenia "
                          "przeciwprzepięciowe."}}
        << bez_sekcji_4 + bez_memo;

    QTest::newRow("class I+: the additional measures")
        << Budynek(QStringLiteral("60"), QStringLiteral("40"), QStringLiteral("20")) << 2
        << QList<Tekst>{{1, "A = 60 m,"},
                        {2, "E > 1 - Nc/Nd = 99,14 %"},
                        {2, "Klasa I z dodatkowymi środkami bezpieczeństwa + ochrona "
                            "przeciwprzepięciowa."},
                        {2, "Dodatkowe środki bezpieczeństwa:\n- środki zmniejszające napięcia "
                            "dotykowe i "
                            "krokowe,\n- środki ograniczające rozprzestrzenianie ognia,\n- środki "
                            "zmniejszające przepięcia indukowane w czułych urządzeniach."}}
        << bez_sekcji_4;

    QTest::newRow("class I: no additional measures")
        << Budynek() << 2
        << QList<Tekst>{{1, "A1. Ściany Mur, beton nie zbrojony 0,50"},
                        {1, "A = A1 x A2 x A3 x A4 = 0,20000"},
                        {1, "B = B1 x B2 x B3 x B4 = 0,00800"},
                        {1, "C = C1 x C2 x C3 = 0,25000\nNc = A x B x C = 0,00040"},
                        {1, "A = 30 m,\nB - szerokość budynku B = 20 m,\nH - wysokość budynku H = "
                            "10 m."},
                        {1, "= 6427,43"},
                        {1, "Ce = 1,00 - Budynek wolnostojący - bez zabudowy w odległości 3H."},
                        {1, "10-6 = 0,011569"},
                        {2, "E > 1 - Nc/Nd = 96,54 %"},
                        {2, "Klasa I + ochrona przeciwprzepięciowa."}}
        << bez_sekcji_4 + bez_memo;

    {
        Projekt p = Budynek();
        p.elementy = {
            E(QStringLiteral("  Maszt "), TypUkladu::A, 1, Material::Powietrze, 10, 10),
            E(QStringLiteral("Wywietrznik"), TypUkladu::B, 2, Material::Dielektryk, 12.5, 3, 20),
            E(QStringLiteral("Antena"), TypUkladu::A, 1, Material::Powietrze, 25, 4)};
        QTest::newRow("three elements, one above the class's curve")
            << p << 2
            << QList<Tekst>{{2, "Klasa I + ochrona przeciwprzepięciowa."},
                            {2, "4. Kąty osłonowe i odstępy izolacyjne.\nLp. Nazwa elemetu "
                                "Wysokość elementu Kąt osłonowy Odstęp izolacyjny"},
                            {2, "\n1 Maszt 10,00 m 45,00 1,00 m\n2 Wywietrznik 12,50 m 38,75 "
                                "0,60 m\n3 Antena 25,00 m ? 0,40 m\n"},
                            {2, "Wykonano dn."}}
            << bez_memo;
    }
    {
        Projekt p = Nowy();
        p.dane = {};
        QTest::newRow("empty project data")
            << p << 2
            << QList<Tekst>{{1, Biuro() + "\nNumer projektu:\nData:\nProjektant:\nBudowa:\n"
                                          "Inwestor:\nZleceniodawca:\n1. Obliczenie Nc."}}
            << QStringList();
    }
    {
        // Long texts print their first line only, broken after a word.
        Projekt p = Budynek();
        p.dane[2] = QStringLiteral("Pracownia Projektowa Kerwano, ul. Przykładowa 1, 00-001 "
                                   "Warszawa; mgr inż. Grzegorz Brzęczyszczykiewicz, uprawnienia "
                                   "budowlane nr 1234/56/78");
        QList<Tekst> oczekiwane = {{1, "Projektant: Pracownia Projektowa Kerwano"},
                                   {2, "\n1 ŁĄCZNIK ODGROMOWY NA ŚCIANIE"}};
        p.elementy << E(QStringLiteral("ŁĄCZNIK ODGROMOWY NA ŚCIANIE WSCHODNIEJ"), TypUkladu::A, 1,
                        Material::Powietrze, 5, 2);
        for (int i = 2; i <= 40; ++i) {
            p.elementy << E(QStringLiteral("Świetlik pasmowy hali nr %1").arg(i), TypUkladu::A,
                            1 + i % 3, Material::Powietrze, i * 1.5, 2, 8, 2);
            oczekiwane << Tekst{i == 40 ? 3 : 0,
                                QStringLiteral("\n%1 Świetlik pasmowy hali nr %1 %2 m")
                                    .arg(i)
                                    .arg(kerwano::DwaMiejsca(i * 1.5))};
        }
        oczekiwane << Tekst{3, "Wykonano dn."};
        QTest::newRow("forty elements over pages, long texts")
            << p << 3 << oczekiwane
            << QStringList{QStringLiteral("Brzęczyszczykiewicz"), QStringLiteral("WSCHODNIEJ")};
    }
}

void TstRaporty::obliczenia()
{
    QFETCH(Projekt, projekt);
    QFETCH(int, liczba_stron);
    QFETCH(QList<Tekst>, oczekiwane);
    QFETCH(QStringList, nieobecne);

    const QString kwp = m_folder.filePath(QStringLiteral("projekt.kwp"));
    const QString pdf = m_folder.filePath(QStringLiteral("obliczenia.pdf"));
    QCOMPARE(kerwano::ZapiszPlikProjektu(kwp, projekt), QString());
    int kod = -1;
    QString bledy;
    Uruchom(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-obliczenia"), kwp, pdf}, &kod,
            &bledy);
    QCOMPARE(bledy, QString());
    QCOMPARE(kod, 0);

    const QList<StronaPdf> strony = CzytajPdf(pdf);
    QCOMPARE(strony.size(), liczba_stron);
    int podpisy = 0;
    for (int nr = 0; nr < strony.size(); ++nr) {
        const QStringList &l = strony[nr].linie;
        QVERIFY(l.size() >= 3);
        QCOMPARE(l[0], Tytul());
        QCOMPARE(l[1], Biuro());
        QCOMPARE(l.last(), QString::number(nr + 1));
        podpisy += static_cast<int>(l.join(u'\n').count(QStringLiteral("(podpis wykonawcy)")));
    }
    // Section 3 opens page 2; the signature block ends the last page, once.
    QCOMPARE(strony[1].linie[2],
             QStringLiteral("3. Obliczenie wymaganego współczynnika skuteczności."));
    QCOMPARE(podpisy, 1);
    const QStringList &ostatnia = strony.last().linie;
    QCOMPARE(ostatnia[ostatnia.size() - 3],
             "Wykonano dn. " + QDate::currentDate().toString(QStringLiteral("d.M.yyyy")) +
                 QString(" .").repeated(26));
    QCOMPARE(ostatnia[ostatnia.size() - 2], QStringLiteral("(podpis wykonawcy)"));

    QCOMPARE(Szukaj(strony, oczekiwane), QString());
    for (const QString &t : nieobecne)
        for (const StronaPdf &s : strony)
            QVERIFY2(!s.linie.join(u' ').contains(t), qPrintable(t));
    QCOMPARE(Geometria(strony), QString());
    // The superscripts are smaller and raised: km², m², H², 10⁻⁶.
    const auto &slowa = strony[0].slowa;
    int indeksy = 0;
    for (int i = 1; i < slowa.size(); ++i) {
        const QRectF &przed = slowa[i - 1].second, &w = slowa[i].second;
        if (std::abs(w.left() - przed.right()) > 0.5 || w.top() >= przed.top())
            continue;
        QVERIFY2(w.height() < 0.85 * przed.height() && w.bottom() < przed.bottom() - 1,
                 qPrintable(slowa[i - 1].first + slowa[i].first));
        ++indeksy;
    }
    QCOMPARE(indeksy, 4);

    const QString info = Uruchom(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("Title: +Kerwano-Klasa Ochronności\n"))),
        qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator: +Kerwano 1.1C\n"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Page size: +595(\\.\\d+)? x 842"))));
    // Every font embedded, Times New Roman and Arial as Liberation.
    const QStringList fonty =
        Uruchom(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonty.isEmpty());
    for (const QString &f : fonty)
        QVERIFY2(f.startsWith(QStringLiteral("Liberation")) && f.section(u' ', 0, 0).size() > 0 &&
                     f.simplified().split(u' ').at(4) == QStringLiteral("yes"),
                 qPrintable(f));
}

// The questionnaire: every line of its content on the page it belongs to,
// in order, under the header; the document's own spellings kept.
void TstRaporty::formularz()
{
    const QString pdf = m_folder.filePath(QStringLiteral("formularz.pdf"));
    int kod = -1;
    Uruchom(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-formularz"), pdf}, &kod);
    QCOMPARE(kod, 0);
    const QList<StronaPdf> strony = CzytajPdf(pdf);
    QCOMPARE(strony.size(), 2);
    const kerwano::TrescFormularza tresc = kerwano::Formularz();
    const QList<kerwano::PozycjaFormularza> *pozycje[2] = {&tresc.strona1, &tresc.strona2};
    for (int nr = 0; nr < 2; ++nr) {
        QStringList linie = {Tytul(), QStringLiteral("Katalog pytań"), Biuro()};
        for (const kerwano::PozycjaFormularza &p : *pozycje[nr])
            linie << p.tekst.simplified();
        linie << QString::number(nr + 1);
        QCOMPARE(strony[nr].linie, linie);
    }
    QCOMPARE(tresc.strona1.first().tekst, QStringLiteral("(A) Konstrukcja budynku."));
    QCOMPARE(tresc.strona2.first().tekst, QStringLiteral("(C) Skutki pożaru."));
    QCOMPARE(strony[0].linie.filter(QStringLiteral("( _ ) ")).size(), 36);
    QCOMPARE(strony[1].linie.filter(QStringLiteral("( _ ) ")).size(), 17);
    QCOMPARE(
        Szukaj(strony, {{1, "(A1) Ściany budynku:\n( _ ) Lany, zbrojony beton; metalowa fasada."},
                        {1, "( _ ) Gototwe elementy konstrukcyjne przewodzące."},
                        {1, "(B3) Wyposażenie wnętrza:\n( _ ) Ubogie wyposażenie."},
                        {2, "(C2) Wpływ na pracę innych systemów:"},
                        {2, "Obliczenie współczynnika Nd:\nWarunki atmosferyczne:"},
                        {2, "Gabaryty budynku:\nA = ( ) m.\nB = ( ) m.\nH = ( ) m."},
                        {2, "z obiektami\nrównymi wysokością lub wyższymi."},
                        {2, "( _ ) Budynek wolnostojący na szczycie góry lyb wzniesieniu."}}),
        QString());
    // Room for the handwritten dimensions: nineteen blanks between the brackets.
    const auto &slowa = strony[1].slowa;
    const auto nawias =
        std::adjacent_find(slowa.begin(), slowa.end(), [](const auto &a, const auto &b) {
            return a.first == QStringLiteral("(") && b.first == QStringLiteral(")");
        });
    QVERIFY(nawias != slowa.end());
    QVERIFY((nawias + 1)->second.left() - nawias->second.right() > 19 * 2.5);
    QCOMPARE(Geometria(strony), QString());
}

void TstRaporty::ukladStron_data()
{
    // Bands by height in millimetres: "30+" begins a new page, "20&" is kept
    // on one page with the band after it. Pages are 100 mm high with a 10 mm
    // header and a 5 mm footer; where each band and then the summary ("S")
    // land, as page:top.
    QTest::addColumn<QStringList>("pasma");
    QTest::addColumn<qreal>("podsumowanie");
    QTest::addColumn<QString>("miejsca");

    QTest::newRow("flowing over") << QStringList{"30", "30", "30"} << 20.0
                                  << "1:10 1:40 2:10 S2:75";
    QTest::newRow("a new page") << QStringList{"30", "30+"} << 20.0 << "1:10 2:10 S2:75";
    QTest::newRow("a new page at the top of one")
        << QStringList{"30+", "30"} << 20.0 << "1:10 1:40 S1:75";
    QTest::newRow("kept together")
        << QStringList{"30", "30", "20&", "20"} << 20.0 << "1:10 1:40 2:10 2:30 S2:75";
    QTest::newRow("kept together, fits")
        << QStringList{"30", "20&", "20"} << 10.0 << "1:10 1:40 1:60 S1:85";
    QTest::newRow("summary on a new page")
        << QStringList{"30", "30", "20"} << 20.0 << "1:10 1:40 1:70 S2:75";
    QTest::newRow("summary just fits")
        << QStringList{"30", "30", "20"} << 5.0 << "1:10 1:40 1:70 S1:90";
    QTest::newRow("a band taller than a page")
        << QStringList{"120", "10"} << 5.0 << "1:10 2:10 S2:90";
    QTest::newRow("no bands, the summary alone") << QStringList{} << 5.0 << "S1:90";
}

void TstRaporty::ukladStron()
{
    QFETCH(QStringList, pasma);
    QFETCH(qreal, podsumowanie);
    QFETCH(QString, miejsca);

    const QImage urzadzenie(8, 8, QImage::Format_Mono);
    // Each band marked by a dot at x = its number (100 for the summary).
    auto pasmo = [&urzadzenie](qreal wysokosc, qreal znak) {
        Pasmo p(urzadzenie, wysokosc);
        p.Linia({znak, 0}, {znak, 0});
        return p;
    };
    UkladStron uklad(
        100, [&urzadzenie](int) { return Pasmo(urzadzenie, 10); },
        [&urzadzenie](int) { return Pasmo(urzadzenie, 5); });
    for (int i = 0; i < pasma.size(); ++i) {
        QString p = pasma[i];
        const bool nowa = p.endsWith(u'+'), razem = p.endsWith(u'&');
        p.remove(u'+').remove(u'&');
        if (razem) {
            uklad.DodajRazem({pasmo(p.toDouble(), i + 1), pasmo(pasma[i + 1].toDouble(), i + 2)});
            ++i;
        } else {
            uklad.Dodaj(pasmo(p.toDouble(), i + 1), nowa);
        }
    }
    uklad.Podsumowanie(pasmo(podsumowanie, 100));
    QMap<qreal, QString> znalezione;
    const QList<QList<ElementWydruku>> strony = uklad.Strony();
    for (int nr = 0; nr < strony.size(); ++nr)
        for (const ElementWydruku &e : strony[nr])
            znalezione[e.a.x()] =
                QStringLiteral("%1%2:%3").arg(e.a.x() == 100 ? "S" : "").arg(nr + 1).arg(e.a.y());
    QCOMPARE(QStringList(znalezione.values()).join(u' '), miejsca);
}

void TstRaporty::zakresIKopie_data()
{
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("do_");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<bool>("zbierz");
    QTest::addColumn<QStringList>("strony");

    QTest::newRow("all pages") << 0 << 0 << 1 << true << QStringList{"1", "2"};
    QTest::newRow("pages 2 to 2") << 2 << 2 << 1 << true << QStringList{"2"};
    QTest::newRow("page 1, two copies") << 1 << 1 << 2 << true << QStringList{"1", "1"};
    QTest::newRow("two collated copies") << 0 << 0 << 2 << true << QStringList{"1", "2", "1", "2"};
    QTest::newRow("two copies, not collated")
        << 0 << 0 << 2 << false << QStringList{"1", "1", "2", "2"};
    QTest::newRow("range beyond the end") << 2 << 9 << 1 << true << QStringList{"2"};
}

// What the print dialog chose reaches the paper: the questionnaire printed
// on a printer that makes no copies of its own.
void TstRaporty::zakresIKopie()
{
    QFETCH(int, od);
    QFETCH(int, do_);
    QFETCH(int, kopie);
    QFETCH(bool, zbierz);
    QFETCH(QStringList, strony);

    const QString pdf = m_folder.filePath(QStringLiteral("druk.pdf"));
    const TFormularz_wydruk_form formularz;
    QPrinter drukarka(QPrinter::HighResolution);
    formularz.UstawDrukarke(drukarka);
    drukarka.setOutputFileName(pdf);
    QVERIFY(!drukarka.supportsMultipleCopies());
    if (od > 0) {
        drukarka.setPrintRange(QPrinter::PageRange);
        drukarka.setFromTo(od, do_);
    }
    drukarka.setCopyCount(kopie);
    drukarka.setCollateCopies(zbierz);
    QVERIFY(formularz.Drukuj(drukarka));
    QStringList numery;
    for (const StronaPdf &s : CzytajPdf(pdf))
        numery << s.linie.last();
    QCOMPARE(numery, strony);
}

void TstRaporty::wierszPolecen_data()
{
    QTest::addColumn<QStringList>("argumenty"); // %1: the test's folder
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("blad");    // stderr, or how it begins
    QTest::addColumn<QString>("wyjscie"); // the PDF written, or "" for none

    QTest::newRow("questionnaire") << QStringList{"--pdf-formularz", "%1/f.pdf"} << 0 << ""
                                   << "f.pdf";
    QTest::newRow("report") << QStringList{"--pdf-obliczenia", "%1/p.kwp", "%1/o.pdf"} << 0 << ""
                            << "o.pdf";
    QTest::newRow("missing project") << QStringList{"--pdf-obliczenia", "%1/brak.kwp", "%1/o.pdf"}
                                     << 1 << "kerwano: %1/brak.kwp: File not found.\n"
                                     << "";
    QTest::newRow("damaged project") << QStringList{"--pdf-obliczenia", "%1/zly.kwp", "%1/o.pdf"}
                                     << 1 << "kerwano: %1/zly.kwp: Read beyond end of file.\n"
                                     << "";
    QTest::newRow("missing folder")
        << QStringList{"--pdf-obliczenia", "%1/p.kwp", "%1/nie/ma/o.pdf"} << 1
        << "kerwano: %1/nie/ma/o.pdf: File not found.\n"
        << "";
    QTest::newRow("output is a folder")
        << QStringList{"--pdf-formularz", "%1"} << 1 << "kerwano: %1: I/O error 21.\n"
        << "";
    QTest::newRow("output without a name")
        << QStringList{"--pdf-formularz", ""} << 1 << "kerwano: \"\": Invalid filename.\n"
        << "";
    QTest::newRow("questionnaire without output")
        << QStringList{"--pdf-formularz"} << 2 << "kerwano: --pdf-formularz"
        << "";
    QTest::newRow("questionnaire, two outputs")
        << QStringList{"--pdf-formularz", "%1/a.pdf", "%1/b.pdf"} << 2 << "kerwano: "
        << "";
    QTest::newRow("report without output")
        << QStringList{"--pdf-obliczenia", "%1/p.kwp"} << 2 << "kerwano: --pdf-obliczenia"
        << "";
    QTest::newRow("unknown short option")
        << QStringList{"-V"} << 2 << "kerwano: nieznana opcja -V\n"
        << "";
}

// No window and no display; a failure leaves nothing behind, not even a
// temporary file.
void TstRaporty::wierszPolecen()
{
    QFETCH(QStringList, argumenty);
    QFETCH(int, kod);
    QFETCH(QString, blad);
    QFETCH(QString, wyjscie);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(kerwano::ZapiszPlikProjektu(folder.filePath(QStringLiteral("p.kwp")), Budynek()),
             QString());
    QFile zly(folder.filePath(QStringLiteral("zly.kwp")));
    QVERIFY(zly.open(QIODevice::WriteOnly));
    zly.write("KWP");
    zly.close();
    const QStringList przed =
        QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    for (QString &a : argumenty)
        a.replace(QStringLiteral("%1"), folder.path());
    blad.replace(QStringLiteral("%1"), folder.path());

    int wynik = -1;
    QString bledy;
    Uruchom(QStringLiteral(KERWANO_PROGRAM), argumenty, &wynik, &bledy);
    QCOMPARE(wynik, kod);
    if (kod == 2)
        QVERIFY2(bledy.startsWith(blad), qPrintable(bledy));
    else
        QCOMPARE(bledy, blad);
    QStringList po = QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    if (!wyjscie.isEmpty()) {
        QVERIFY(po.removeOne(wyjscie));
        QVERIFY(Uruchom(QStringLiteral("pdfinfo"), {folder.filePath(wyjscie)})
                    .contains(QRegularExpression(QStringLiteral("Pages: +2\n"))));
    }
    QCOMPARE(po, przed);
}

void TstRaporty::pelnyDysk_data()
{
    QTest::addColumn<bool>("tylko_do_odczytu");
    QTest::addColumn<QString>("blad");

    QTest::newRow("disk full") << false << QStringLiteral("Disk full.\n");
    QTest::newRow("read-only file system") << true << QStringLiteral("File access denied.\n");
}

// A PDF that does not fit, on a file system too small for it (needs the
// right to mount one): the earlier file stays as it was, nothing else appears.
void TstRaporty::pelnyDysk()
{
    QFETCH(bool, tylko_do_odczytu);
    QFETCH(QString, blad);

    QTemporaryDir katalog;
    const QString punkt = katalog.path();
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=16k", "tmpfs", punkt}) != 0)
        QSKIP("cannot mount a tmpfs here");
    const auto odmontuj = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), punkt});
    });
    QFile stary(punkt + QStringLiteral("/f.pdf"));
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("stary");
    stary.close();
    if (tylko_do_odczytu)
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", punkt}), 0);

    int kod = -1;
    QString bledy;
    Uruchom(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-formularz"), stary.fileName()},
            &kod, &bledy);
    QCOMPARE(kod, 1);
    QCOMPARE(bledy, QStringLiteral("kerwano: ") + stary.fileName() + QStringLiteral(": ") + blad);
    QVERIFY(stary.open(QIODevice::ReadOnly));
    QCOMPARE(stary.readAll(), QByteArray("stary"));
    QCOMPARE(QDir(punkt).entryList(QDir::Files | QDir::Hidden), QStringList{"f.pdf"});
}

// The two menu commands with their dialogs answered: a cancelled print
// dialog ends the command; confirmed, the report of the window's project
// opens in the preview, which saves it as a PDF file; the questionnaire
// goes straight to the printer chosen.
void TstRaporty::poleceniaMenu()
{
    TProgram_form okno({QStringLiteral("kerwano")});
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    okno_testowe::UstawDane(&okno, {{1, QStringLiteral("KW-7/2026")}});
    okno_testowe::WczytajElementy(
        &okno, {{QStringLiteral("Maszt"),
                 QStringLiteral("Układ A, układ 1, powietrze, H = 10,00, L = 10,00")}});

    // Any preview shown after a cancelled dialog is counted and closed.
    int podglady = 0;
    QTimer straznik;
    QObject::connect(&straznik, &QTimer::timeout, [&podglady] {
        if (auto *d = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
            ++podglady;
            d->reject();
        }
    });
    straznik.start(20);
    Odpowiedz<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
    W<QAction>(&okno, "Drukujobliczenia1")->trigger();
    straznik.stop();
    QCOMPARE(podglady, 0);

    const QString pdf = m_folder.filePath(QStringLiteral("z podgladu.pdf"));
    QString domyslny;
    int strony_podgladu = 0;
    Odpowiedz<QPrintDialog>([](QPrintDialog *d) { d->accept(); });
    Odpowiedz<QPrintPreviewDialog>([&](QPrintPreviewDialog *d) {
        strony_podgladu = W<QPrintPreviewWidget>(d, "")->pageCount();
        Odpowiedz<QFileDialog>([&](QFileDialog *f) {
            domyslny = f->selectedFiles().value(0);
            f->selectFile(pdf);
            QMetaObject::invokeMethod(f, "accept");
        });
        W<QAction>(d, "ZapiszPdf1")->trigger();
        d->accept();
    });
    W<QAction>(&okno, "Drukujobliczenia1")->trigger();
    QCOMPARE(strony_podgladu, 2);
    QCOMPARE(domyslny, QDir(TDialog_projektu::FolderPoczatkowy()).filePath("Nowy projekt.pdf"));
    const QList<StronaPdf> strony = CzytajPdf(pdf);
    QCOMPARE(strony.size(), 2);
    QCOMPARE(Szukaj(strony, {{1, "Numer projektu: KW-7/2026"}, {2, "\n1 Maszt 10,00 m"}}),
             QString());

    // The questionnaire: nothing when cancelled, both pages on the printer chosen.
    const QString druk = m_folder.filePath(QStringLiteral("formularz z menu.pdf"));
    Odpowiedz<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
    W<QAction>(&okno, "Drukujformularz1")->trigger();
    QVERIFY(!QFile::exists(druk));
    Odpowiedz<QPrintDialog>([&druk](QPrintDialog *d) {
        W<QLineEdit>(d, "filename")->setText(druk);
        d->accept();
    });
    W<QAction>(&okno, "Drukujformularz1")->trigger();
    QCOMPARE(CzytajPdf(druk).size(), 2);
}

QTEST_MAIN(TstRaporty)
#include "tst_raporty.moc"
