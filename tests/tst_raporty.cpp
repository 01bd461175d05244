#include "OknoTestowe.h"
#include "elements/ParametryElementu.h"
#include "project/ModelProjektu.h"
#include "project/PlikProjektu.h"
#include "project/okna/TDialog_projektu.h"
#include "reports/TrescFormularza.h"
#include "reports/okna/UkladStron.h"
#include "reports/okna/WydrukFormularza.h"
#include "reports/okna/WydrukObliczen.h"
#include "risk/Formaty.h"
#include "tests/BudynekWzorcowy.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using kerwano::Material;
using kerwano::Projekt;
using kerwano::TypUkladu;
using okno_testowe::Odpowiedz;
using wzorcowy::Biuro;
using wzorcowy::Budynek;
using wzorcowy::Element;
using wzorcowy::Nowy;

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
                     .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
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
        // The lowest word, wherever poppler's reading order puts it.
        const auto numer = std::max_element(slowa.begin(), slowa.end(), [](auto &a, auto &b) {
            return a.second.bottom() < b.second.bottom();
        });
        if (numer == slowa.end() || numer->first != QString::number(nr + 1))
            return QStringLiteral("page %1: no page number at the foot").arg(nr + 1);
        const QRectF stopka = numer->second;
        for (int i = 0; i < slowa.size(); ++i) {
            const QRectF &r = slowa[i].second;
            if (!pole.contains(r))
                return QStringLiteral("page %1: \"%2\" outside the margins")
                    .arg(nr + 1)
                    .arg(slowa[i].first);
            if (slowa.begin() + i != numer && r.bottom() > stopka.top() - 2)
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

// The line under the title: the program, its version and the standard.
QString LiniaNaglowka()
{
    return QStringLiteral("Kerwano 1.1C · obliczenia wg IEC 1024-1 / ENV 61024-1");
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
    void zestawienie_data();
    void zestawienie();
    void papierA4_data();
    void papierA4();
    void czcionkiZastepcze();
    void ukladStron_data();
    void ukladStron();
    void zakresIKopie_data();
    void zakresIKopie();
    void wierszPolecen_data();
    void wierszPolecen();
    void pelnyDysk_data();
    void pelnyDysk();
    void poleceniaMenu();
    void nazwaPdfZCudzyslowem_data();
    void nazwaPdfZCudzyslowem();
    void pdfNadPlikiem_data();
    void pdfNadPlikiem();

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
        << Budynek(2, QStringLiteral("60"), QStringLiteral("40"), QStringLiteral("20")) << 2
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
            Element(QStringLiteral("  Maszt "), TypUkladu::A, 1, Material::Powietrze, 10, 10),
            Element(QStringLiteral("Wywietrznik"), TypUkladu::B, 2, Material::Dielektryk, 12.5, 3,
                    20),
            Element(QStringLiteral("Antena"), TypUkladu::A, 1, Material::Powietrze, 25, 4),
            // A hand-edited text without its medium: no distance, never -1,00 m.
            {QStringLiteral("Uszkodzony"),
             QStringLiteral("Układ A, układ 1, H = 5,00, L = 10,00")}};
        QTest::newRow("four elements, one above the class's curve, one without a distance")
            << p << 2
            << QList<Tekst>{{2, "Klasa I + ochrona przeciwprzepięciowa."},
                            {2, "4. Kąty osłonowe i odstępy izolacyjne.\nLp. Nazwa elemetu "
                                "Wysokość elementu Kąt osłonowy Odstęp izolacyjny"},
                            {2, "\n1 Maszt 10,00 m 45,00 1,00 m\n2 Wywietrznik 12,50 m 38,75 "
                                "0,60 m\n3 Antena 25,00 m ? 0,40 m\n4 Uszkodzony 5,00 m 60,00 ?\n"},
                            {2, "Wykonano dn."}}
            << bez_memo + QStringList{QStringLiteral("-1,00")};
    }
    {
        Projekt p = Nowy();
        p.dane = {};
        QTest::newRow("empty project data")
            << p << 2
            << QList<Tekst>{{1, LiniaNaglowka() + "\nNumer projektu:\nData:\nProjektant:\nBudowa:\n"
                                                  "Inwestor:\nZleceniodawca:\n1. Obliczenie Nc."}}
            << QStringList();
    }
    {
        // Texts at their fields' capacity print whole, on as many lines as they
        // need beside their captions; so does a long element name.
        Projekt p = Budynek();
        p.dane = {
            QStringLiteral("KW-2026/0001/BUDOWA/HALA7"),
            QStringLiteral("31.12.2026 r. (wt.)."),
            QStringLiteral("Pracownia Projektowa Kerwano, ul. Przykładowa 1, 00-001 Warszawa; mgr "
                           "inż. G. Brzęczyszczykiewicz, upr. bud. nr 1234/56/7 KONIEC"),
            QStringLiteral("Hala magazynowa z częścią biurową i wiatą, działka nr 123/45, obręb "
                           "0012 Śródmieście, ul. Długa 150, 00-950 Warszawa, pow. WAWA."),
            QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe INWESTBUD spółka z ograniczoną "
                           "odpowiedzialnością sp. k., ul. Krótka 2/4a, 90-001 Łódź (POL.)"),
            QStringLiteral("Biuro Obsługi Inwestycji Budowlanych i Nadzoru Technicznego "
                           "Generalnego Wykonawcy, al. Jerozolimskie 200 lok. 17, Warszawa 0217.")};
        QList<Tekst> oczekiwane;
        const char *podpisy[] = {
            "Numer projektu:", "Data:", "Projektant:", "Budowa:", "Inwestor:", "Zleceniodawca:"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(p.dane[i].size(), i == 0 ? 25 : i == 1 ? 20 : 128);
            oczekiwane << Tekst{1, QString::fromUtf8(podpisy[i]) + u' ' + p.dane[i]};
        }
        p.elementy << Element(QStringLiteral("ŁĄCZNIK ODGROMOWY NA ŚCIANIE WSCHODNIEJ"),
                              TypUkladu::A, 1, Material::Powietrze, 5, 2);
        oczekiwane << Tekst{2, "\n1 ŁĄCZNIK ODGROMOWY NA ŚCIANIE 5,00 m 60,00 0,20 m\nWSCHODNIEJ"};
        for (int i = 2; i <= 40; ++i) {
            p.elementy << Element(QStringLiteral("Świetlik pasmowy hali nr %1").arg(i),
                                  TypUkladu::A, 1 + i % 3, Material::Powietrze, i * 1.5, 2, 8, 2);
            oczekiwane << Tekst{0, QStringLiteral("\n%1 Świetlik pasmowy hali nr %1 %2 m")
                                       .arg(i)
                                       .arg(kerwano::DwaMiejsca(i * 1.5))};
        }
        oczekiwane << Tekst{0, "Wykonano dn."};
        QTest::newRow("data texts at capacity, a long name, forty elements")
            << p << 0 << oczekiwane << QStringList();
    }
    // However many elements, the signature block keeps an element line on its
    // page and every page of the table starts with the column headings.
    for (int n = 18; n <= 34; ++n) {
        Projekt p = Budynek();
        for (int i = 1; i <= n; ++i)
            p.elementy << Element(QStringLiteral("Element %1").arg(i), TypUkladu::A, 1,
                                  Material::Powietrze, 10, 5);
        QTest::newRow(qPrintable(QStringLiteral("%1 elements").arg(n)))
            << p << 0
            << QList<Tekst>{{0, QStringLiteral("\n%1 Element %1 10,00 m 45,00 0,50 m").arg(n)}}
            << QStringList();
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
    if (liczba_stron > 0)
        QCOMPARE(strony.size(), liczba_stron);
    int podpisy = 0;
    for (int nr = 0; nr < strony.size(); ++nr) {
        const QStringList &l = strony[nr].linie;
        QVERIFY(l.size() >= 3);
        QCOMPARE(l[0], Tytul());
        QCOMPARE(l[1], LiniaNaglowka());
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
    if (!projekt.elementy.isEmpty()) {
        static const QRegularExpression linia_elementu(
            QStringLiteral("^\\d+ .* \\d+,\\d\\d m (\\d+,\\d\\d|\\?) (\\d+,\\d\\d m|\\?)$"));
        QVERIFY2(!ostatnia.mid(2, ostatnia.size() - 5).filter(linia_elementu).isEmpty(),
                 "the signature stands alone on its page");
        const QString kolumny =
            QStringLiteral("Lp. Nazwa elemetu Wysokość elementu Kąt osłonowy Odstęp izolacyjny");
        int tabela = -1;
        for (int nr = 0; nr < strony.size(); ++nr) {
            const QStringList &l = strony[nr].linie;
            if (tabela < 0 &&
                l.contains(QStringLiteral("4. Kąty osłonowe i odstępy izolacyjne."))) {
                tabela = nr;
                QCOMPARE(l.count(kolumny), 1);
            } else if (tabela >= 0) {
                QCOMPARE(l[2], kolumny);
            }
        }
        QVERIFY(tabela >= 0);
    }

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
    for (int nr = 0; nr < 2; ++nr) {
        QStringList linie = {Tytul(), QStringLiteral("Katalog pytań"), LiniaNaglowka()};
        for (const kerwano::PozycjaFormularza &p : tresc.strony[size_t(nr)])
            linie << p.tekst.simplified();
        linie << QString::number(nr + 1);
        QCOMPARE(strony[nr].linie, linie);
    }
    QCOMPARE(tresc.strony[0].first().tekst, QStringLiteral("(A) Konstrukcja budynku."));
    QCOMPARE(tresc.strony[1].first().tekst, QStringLiteral("(C) Skutki pożaru."));
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

void TstRaporty::zestawienie_data()
{
    QTest::addColumn<kerwano::ElementDachu>("element"); // in the worked building, class I
    QTest::addColumn<QStringList>("linie");             // of its block, in order
    QTest::addColumn<QString>("d");                     // as the report prints it too

    const QString ki = QStringLiteral("ki = 0,100 (klasa I)");
    QTest::newRow("A, layout 1, air")
        << Element(QStringLiteral("Maszt"), TypUkladu::A, 1, Material::Powietrze, 10, 10)
        << QStringList{"1. Maszt",
                       "Opis: Układ A, układ 1, powietrze, H = 10,00, L = 10,00",
                       "Układ: A Typ instalacji: 1 Ośrodek: powietrze H = 10,00 m L = 10,00 m",
                       ki,
                       "kc = 1,000 (układ A, instalacja typu 1)",
                       "km = 1,000 (powietrze)",
                       "d = ki · kc / km · L = 0,100 · 1,000 / 1,000 · 10,00 = 1,00 m",
                       "α = 45,00° (klasa I, H = 10,00 m)",
                       "d' = ki' · kc / km · L = 0,080 · 1,000 / 1,000 · 10,00 = 0,80 m – wg "
                       "PN-EN 62305-3:2011, informacyjnie"}
        << "1,00 m";
    QTest::newRow("A, layout 2, air")
        << Element(QStringLiteral("Linka"), TypUkladu::A, 2, Material::Powietrze, 10, 6, 30)
        << QStringList{"H = 10,00 m L = 6,00 m f = 30,00 m", ki,
                       "kc = (f + H) / (f + 2 · H) = (30,00 + 10,00) / (30,00 + 2 · 10,00) = 0,800",
                       "d = ki · kc / km · L = 0,100 · 0,800 / 1,000 · 6,00 = 0,48 m",
                       "d' = ki' · kc / km · L = 0,080 · 0,800 / 1,000 · 6,00 = 0,38 m"}
        << "0,48 m";
    QTest::newRow("A, layout 3, dielectric")
        << Element(QStringLiteral("Siatka"), TypUkladu::A, 3, Material::Dielektryk, 10, 4, 10, 4)
        << QStringList{"Ośrodek: dielektryk H = 10,00 m L = 4,00 m c = 10,00 m n = 4",
                       "kc = 1 / (2 · n) + 0,1 + 0,2 · (c / H)^(1/3) = 1 / (2 · 4) + 0,1 + 0,2 · "
                       "(10,00 / 10,00)^(1/3) = 0,425",
                       "km = 0,500 (dielektryk)",
                       "d = ki · kc / km · L = 0,100 · 0,425 / 0,500 · 4,00 = 0,34 m",
                       "d' = ki' · kc / km · L = 0,080 · 0,425 / 0,500 · 4,00 = 0,27 m"}
        << "0,34 m";
    QTest::newRow("B, layout 2, dielectric")
        << Element(QStringLiteral("Wywietrznik"), TypUkladu::B, 2, Material::Dielektryk, 12.5, 3,
                   20)
        << QStringList{"Układ: B Typ instalacji: 2",
                       "kc = 1,000 (układ B, dla każdego typu instalacji)",
                       "d = ki · kc / km · L = 0,100 · 1,000 / 0,500 · 3,00 = 0,60 m",
                       "α = 38,75° (klasa I, H = 12,50 m)",
                       "d' = ki' · kc / km · L = 0,080 · 1,000 / 0,500 · 3,00 = 0,48 m"}
        << "0,60 m";
    QTest::newRow("above the class's limit")
        << Element(QStringLiteral("Antena"), TypUkladu::A, 1, Material::Powietrze, 25, 4)
        << QStringList{"d = ki · kc / km · L = 0,100 · 1,000 / 1,000 · 4,00 = 0,40 m",
                       "α = ? (H = 25,00 m ponad 20 m, granicę krzywej dla klasy I)"}
        << "0,40 m";
    QTest::newRow("layout 3, no down-conductor")
        << Element(QStringLiteral("Siatka"), TypUkladu::A, 3, Material::Powietrze, 10, 5, 10, 0)
        << QStringList{"kc = 1 / (2 · n) + 0,1 + 0,2 · (c / H)^(1/3) = 1 / (2 · 0) + 0,1 + 0,2 · "
                       "(10,00 / 10,00)^(1/3) = ? (wyrażenia nie da się obliczyć: liczba zwodów n "
                       "poniżej 1)",
                       "d = ki · kc / km · L = ? (brak kc lub km)",
                       "α = 45,00° (klasa I, H = 10,00 m)",
                       "d' = ki' · kc / km · L = ? (brak kc lub km)"}
        << "?";
    QTest::newRow("layout 2, f = H = 0")
        << Element(QStringLiteral("Linka"), TypUkladu::A, 2, Material::Powietrze, 0, 5, 0)
        << QStringList{"kc = (f + H) / (f + 2 · H) = (0,00 + 0,00) / (0,00 + 2 · 0,00) = ? "
                       "(wyrażenia nie da się obliczyć: f + 2 · H = 0)",
                       "d = ki · kc / km · L = ? (brak kc lub km)"}
        << "?";
    QTest::newRow("no medium")
        << kerwano::ElementDachu{QStringLiteral("Uszkodzony"),
                                 QStringLiteral("Układ A, układ 1, H = 5,00, L = 10,00")}
        << QStringList{"Ośrodek: ?", "km = ? (opis nie podaje ośrodka izolacyjnego)",
                       "d = ki · kc / km · L = ? (brak kc lub km)",
                       "d' = ki' · kc / km · L = ? (brak kc lub km)"}
        << "?";
}

// The element data sheet: every number of an element's distance with the
// formula that gives it, and the same d as the report's.
void TstRaporty::zestawienie()
{
    QFETCH(kerwano::ElementDachu, element);
    QFETCH(QStringList, linie);
    QFETCH(QString, d);

    Projekt p = Budynek();
    p.elementy = {element};
    const QString kwp = m_folder.filePath(QStringLiteral("zestawienie.kwp"));
    const QString pdf = m_folder.filePath(QStringLiteral("zestawienie.pdf"));
    const QString raport = m_folder.filePath(QStringLiteral("raport.pdf"));
    QCOMPARE(kerwano::ZapiszPlikProjektu(kwp, p), QString());
    int kod = -1;
    QString bledy;
    Uruchom(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-zestawienie"), kwp, pdf}, &kod,
            &bledy);
    QCOMPARE(bledy, QString());
    QCOMPARE(kod, 0);
    Uruchom(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-obliczenia"), kwp, raport});

    const QList<StronaPdf> strony = CzytajPdf(pdf);
    QCOMPARE(strony.size(), 1);
    const QStringList &l = strony[0].linie;
    QCOMPARE(l.mid(0, 3), (QStringList{Tytul(), QStringLiteral("Zestawienie elementów dachu"),
                                       LiniaNaglowka()}));
    QList<Tekst> oczekiwane = {{1, "Klasa ochronności: I"}};
    for (const QString &linia : linie)
        oczekiwane << Tekst{1, linia};
    oczekiwane << Tekst{1, "Uwaga: odstępy d i kąty α obliczono wg IEC 1024-1 (ENV 61024-1:1995)"}
               << Tekst{1, "PN-EN 62305-3:2011"}
               << Tekst{1, "Norma ta podaje km = 0,5 dla betonu i cegły, a km innego stałego "
                           "materiału izolacyjnego pozostawia ocenie projektanta."}
               << Tekst{1, "(podpis wykonawcy)"};
    QCOMPARE(Szukaj(strony, oczekiwane), QString());
    QVERIFY2(
        l.filter(QRegularExpression(QStringLiteral("^d = .* = ") + QRegularExpression::escape(d) +
                                    QStringLiteral("( \\(.*\\))?$")))
                .size() == 1,
        qPrintable(l.join(u'\n')));
    QVERIFY(CzytajPdf(raport)
                .last()
                .linie
                .filter(QRegularExpression(
                    QStringLiteral("^1 ") + QRegularExpression::escape(element.nazwa) +
                    QStringLiteral(" .* ") + QRegularExpression::escape(d) + u'$'))
                .size() == 1);
    QCOMPARE(Geometria(strony), QString());
}

void TstRaporty::papierA4_data()
{
    QTest::addColumn<bool>("obliczenia"); // the report, or the questionnaire
    QTest::addColumn<int>("droga");       // 0 printed directly, 1 after the dialog,
                                          // 2 from the preview after the dialog, 3 the
                                          // same by keys alone

    QTest::newRow("questionnaire, printed on a Letter printer") << false << 0;
    QTest::newRow("questionnaire, the dialog setting Letter") << false << 1;
    QTest::newRow("report, the dialog setting Letter, printed from the preview") << true << 2;
    QTest::newRow("report, printed from the preview by Ctrl+P") << true << 3;
}

// A printer whose paper is Letter by default, as the dialog sets it for
// such a queue: the pages are laid out and printed on A4 all the same, and
// the preview prints what the one dialog chose without asking again.
void TstRaporty::papierA4()
{
    QFETCH(bool, obliczenia);
    QFETCH(int, droga);

    const QString pdf = m_folder.filePath(QStringLiteral("letter.pdf"));
    QFile::remove(pdf);
    kerwano::ModelProjektu projekt;
    projekt.UstawDomyslne();
    std::unique_ptr<TWydruk> wydruk;
    if (obliczenia)
        wydruk = std::make_unique<WydrukObliczen>(
            kerwano::ZlozTrescObliczen(projekt, QDate::currentDate()));
    else
        wydruk = std::make_unique<WydrukFormularza>();
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageSize(QPageSize(QPageSize::Letter));
    drukarka.setOutputFileName(pdf);

    int dialogi = 0;
    QMap<QString, QString> przyciski; // the preview's tool buttons Tab reached, by name
    bool aktywny = false, oznaczony = false;
    QTimer straznik; // a second print dialog is counted and cancelled
    QObject::connect(&straznik, &QTimer::timeout, [&dialogi] {
        if (auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            ++dialogi;
            d->reject();
        }
    });
    if (droga == 0) {
        QVERIFY(wydruk->Drukuj(drukarka));
    } else {
        Odpowiedz<QPrintDialog>([&](QPrintDialog *d) {
            ++dialogi;
            W<QLineEdit>(d, "filename")->setText(pdf);
            d->accept();
            d->printer()->setPageSize(QPageSize(QPageSize::Letter));
            if (droga == 2) {
                Odpowiedz<QPrintPreviewDialog>([&](QPrintPreviewDialog *p) {
                    straznik.start(20);
                    W<QAction>(p, "Drukuj1")->trigger();
                });
            } else if (droga == 3) {
                Odpowiedz<QPrintPreviewDialog>([&](QPrintPreviewDialog *p) {
                    // Tab goes round every control, the print and save
                    // buttons among them, each named; then Ctrl+P prints.
                    aktywny = QTest::qWaitForWindowActive(p);
                    for (int i = 0; i < 40; ++i) {
                        QWidget *w = QApplication::focusWidget();
                        QTest::keyClick(w ? w : p, Qt::Key_Tab);
                        if (auto *b = qobject_cast<QToolButton *>(QApplication::focusWidget()))
                            przyciski.insert(b->defaultAction()->objectName(), b->accessibleName());
                    }
                    // The focused button is marked.
                    for (QToolButton *b : p->findChildren<QToolButton *>()) {
                        if (!b->defaultAction() ||
                            b->defaultAction()->objectName() != QLatin1String("Drukuj1"))
                            continue;
                        b->setFocus(Qt::TabFocusReason);
                        const QImage z_fokusem = b->grab().toImage();
                        b->clearFocus();
                        oznaczony = z_fokusem != b->grab().toImage();
                    }
                    straznik.start(20);
                    QTest::keyClick(p, Qt::Key_P, Qt::ControlModifier);
                });
            }
        });
        if (droga == 1)
            wydruk->Wydrukuj(drukarka, nullptr);
        else
            wydruk->Podglad(drukarka, nullptr, QStringLiteral("Wydruk obliczeń"), QString());
        straznik.stop();
        QCOMPARE(dialogi, 1);
        if (droga == 3) {
            QVERIFY(aktywny);
            QVERIFY(oznaczony);
            QVERIFY(przyciski.contains("Drukuj1"));
            QVERIFY(przyciski.contains("ZapiszPdf1"));
            for (const QString &nazwa : przyciski)
                QVERIFY(!nazwa.isEmpty());
        }
    }
    const QString info =
        Uruchom(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "99", pdf}).replace(u'\n', u' ');
    QCOMPARE(info.count(QRegularExpression(QStringLiteral("Page +\\d+ size: "))), 2);
    QCOMPARE(info.count(QRegularExpression(QStringLiteral("size: +595[.\\d]* x 84[12][.\\d]* pts "
                                                          "\\(A4\\)"))),
             2);
}

// Without "Times New Roman" and "Arial" or their Liberation faces (only
// DejaVu known to fontconfig): said once on stderr, and the layout, measured
// with the fonts that stand in, keeps every text clear of the others.
void TstRaporty::czcionkiZastepcze()
{
    const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
    if (!QDir(dejavu).exists())
        QSKIP("fonts-dejavu-core is not installed");
    QFile konfiguracja(m_folder.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(konfiguracja.open(QIODevice::WriteOnly));
    konfiguracja.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir>"
                                      "<cachedir>%2</cachedir></fontconfig>\n")
                           .arg(dejavu, m_folder.filePath(QStringLiteral("fc")))
                           .toUtf8());
    konfiguracja.close();
    Projekt p = Budynek();
    for (int i = 1; i <= 30; ++i)
        p.elementy << Element(QStringLiteral("Świetlik dachowy nad klatką schodową nr %1").arg(i),
                              TypUkladu::A, 1, Material::Powietrze, 10, 5);
    const QString kwp = m_folder.filePath(QStringLiteral("czcionki.kwp"));
    const QString pdf = m_folder.filePath(QStringLiteral("czcionki.pdf"));
    QCOMPARE(kerwano::ZapiszPlikProjektu(kwp, p), QString());

    QProcess kerwano;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("FONTCONFIG_FILE"), konfiguracja.fileName());
    kerwano.setProcessEnvironment(srodowisko);
    kerwano.start(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--pdf-obliczenia"), kwp, pdf});
    QVERIFY(kerwano.waitForFinished(60000));
    QCOMPARE(kerwano.exitCode(), 0);
    const QString bledy = QString::fromUtf8(kerwano.readAllStandardError());
    QCOMPARE(bledy.count(u'\n'), 1);
    QVERIFY2(bledy.startsWith(QStringLiteral(
                 "kerwano: uwaga: Brak czcionek „Times New Roman” i „Arial” ani czcionek o tych "
                 "samych wymiarach (pakiet fonts-liberation2).")),
             qPrintable(bledy));
    const QList<StronaPdf> strony = CzytajPdf(pdf);
    QCOMPARE(Geometria(strony), QString());
    QCOMPARE(Szukaj(strony, {{1, "B1. Zachowanie mieszkańców Przeciętna możliwość paniki 0,10"},
                             {0, "\n30 Świetlik dachowy"}}),
             QString());
}

void TstRaporty::ukladStron_data()
{
    // Bands by height in millimetres: "30+" begins a new page, "20&" is kept
    // on one page with the band after it, "R5" heads every page begun after
    // it. Pages are 100 mm high with a 10 mm header and a 5 mm footer; where
    // each band and then the summary ("S") land, as page:top.
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
    QTest::newRow("summary on a new page, never alone: the last band goes with it")
        << QStringList{"30", "30", "20"} << 20.0 << "1:10 1:40 2:10 S2:75";
    QTest::newRow("the bands kept together go with the summary")
        << QStringList{"30", "20&", "30"} << 20.0 << "1:10 2:10 2:30 S2:75";
    QTest::newRow("a lone band that began its page stays")
        << QStringList{"30", "80+"} << 20.0 << "1:10 2:10 S3:75";
    QTest::newRow("repeated at the top of every later page")
        << QStringList{"30", "R5", "30", "30", "60", "10"} << 5.0
        << "1:10 2:10,3:10 1:40 2:15 3:15 3:75 S3:90";
    QTest::newRow("repeated on the summary's page too")
        << QStringList{"30", "R5", "25", "25"} << 20.0 << "1:10 2:10 1:40 2:15 S2:75";
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
        if (p.startsWith(u'R')) {
            uklad.Powtarzaj(pasmo(p.mid(1).toDouble(), i + 1));
        } else if (razem) {
            uklad.DodajRazem({pasmo(p.toDouble(), i + 1), pasmo(pasma[i + 1].toDouble(), i + 2)});
            ++i;
        } else {
            uklad.Dodaj(pasmo(p.toDouble(), i + 1), nowa);
        }
    }
    uklad.Podsumowanie(pasmo(podsumowanie, 100));
    QMap<qreal, QStringList> znalezione;
    const QList<QList<ElementWydruku>> strony = uklad.Strony();
    for (int nr = 0; nr < strony.size(); ++nr)
        for (const ElementWydruku &e : strony[nr])
            znalezione[e.a.x()] << QStringLiteral("%1%2:%3")
                                       .arg(e.a.x() == 100 ? "S" : "")
                                       .arg(nr + 1)
                                       .arg(e.a.y());
    QStringList wynik;
    for (const QStringList &m : znalezione)
        wynik << m.join(u',');
    QCOMPARE(wynik.join(u' '), miejsca);
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
    const WydrukFormularza formularz;
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
    QTest::newRow("sheet without output")
        << QStringList{"--pdf-zestawienie", "%1/p.kwp"} << 2 << "kerwano: --pdf-zestawienie"
        << "";
    // A printout never takes a project's place.
    const QString projekt =
        QStringLiteral("kerwano: %1/%2: Plik %1/%2 jest projektem Kerwano; nie zostanie zastąpiony "
                       "plikiem PDF.\n");
    QTest::newRow("output is the project")
        << QStringList{"--pdf-obliczenia", "%1/p.kwp", "%1/p.kwp"} << 1
        << projekt.arg("%1", "p.kwp") << "";
    QTest::newRow("output links to the project")
        << QStringList{"--pdf-obliczenia", "%1/p.kwp", "%1/lacze.pdf"} << 1
        << projekt.arg("%1", "lacze.pdf") << "";
    QTest::newRow("output is another .kwp")
        << QStringList{"--pdf-formularz", "%1/zly.kwp"} << 1 << projekt.arg("%1", "zly.kwp") << "";
    QTest::newRow("output holds a project under another name")
        << QStringList{"--pdf-obliczenia", "%1/p.kwp", "%1/kopia.pdf"} << 1
        << projekt.arg("%1", "kopia.pdf") << "";
    QTest::newRow("read-only PDF") << QStringList{"--pdf-formularz", "%1/stary.pdf"} << 1
                                   << "kerwano: %1/stary.pdf: File access denied.\n"
                                   << "";
    QTest::newRow("unknown short option")
        << QStringList{"-V"} << 2
        << "kerwano: nieznana opcja -V\nSpróbuj „kerwano --help”, aby zobaczyć opis wywołania.\n"
        << "";
    QTest::newRow("-- before an output named with a dash")
        << QStringList{"--pdf-formularz", "--", "%1/-f.pdf"} << 0 << ""
        << "-f.pdf";
    QTest::newRow("--pdf-obliczenia=PLIK")
        << QStringList{"--pdf-obliczenia=%1/p.kwp", "%1/o.pdf"} << 0 << ""
        << "o.pdf";
    QTest::newRow("a project whose last save did not finish")
        << QStringList{"--pdf-obliczenia", "%1/n.kwp", "%1/o.pdf"} << 1
        << "kerwano: %1/n.kwp: Ostatni zapis pliku %1/n.kwp nie został dokończony; jego "
           "wcześniejsza treść jest cała w pliku %1/n.kwp.kopia.\n"
        << "";
    QTest::newRow("another user's link planted in a shared sticky folder")
        << QStringList{"--pdf-formularz", "%1/wspolny/raport.pdf"} << 1
        << "kerwano: %1/wspolny/raport.pdf: Plik %1/wspolny/raport.pdf jest dowiązaniem innego "
           "użytkownika we wspólnym folderze; nie zostanie zapisany.\n"
        << "";
    QTest::newRow("the window without a display")
        << QStringList{} << 1
        << "kerwano: nie można otworzyć okna: brak ekranu (nie ustawiono DISPLAY ani "
           "WAYLAND_DISPLAY); bez okna działają --wyniki, --pdf-obliczenia, --pdf-formularz, "
           "--pdf-zestawienie, --ryzyko i --pdf-ryzyko\n"
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
    QVERIFY(QFile::link(QStringLiteral("p.kwp"), folder.filePath(QStringLiteral("lacze.pdf"))));
    QVERIFY(QFile::copy(folder.filePath(QStringLiteral("p.kwp")),
                        folder.filePath(QStringLiteral("kopia.pdf"))));
    QFile stary(folder.filePath(QStringLiteral("stary.pdf")));
    QVERIFY(stary.open(QIODevice::WriteOnly) && stary.write("%PDF-1.4 stary") > 0);
    stary.close();
    QVERIFY(stary.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // A save of n.kwp that did not finish: its copy beside it.
    for (const char *n : {"n.kwp", "n.kwp.kopia"})
        QVERIFY(QFile::copy(folder.filePath(QStringLiteral("p.kwp")), folder.filePath(n)));
    // Another user's link in a folder all may write in, with the sticky bit.
    const QByteArray wspolny = QFile::encodeName(folder.filePath(QStringLiteral("wspolny")));
    QCOMPARE(::mkdir(wspolny.constData(), 0777) | ::chmod(wspolny.constData(), 01777), 0);
    QFile ofiara(folder.filePath(QStringLiteral("ofiara.txt")));
    QVERIFY(ofiara.open(QIODevice::WriteOnly) && ofiara.write("tajne") > 0);
    ofiara.close();
    QVERIFY(QFile::link(QStringLiteral("../ofiara.txt"), folder.filePath("wspolny/raport.pdf")));
    if (::lchown((wspolny + "/raport.pdf").constData(), 64003, 64003) != 0 &&
        QByteArray(QTest::currentDataTag()).contains("link planted"))
        QSKIP("giving a link to another user needs root");
    QMap<QString, QByteArray> tresci;
    for (const QString &nazwa : QDir(folder.path()).entryList(QDir::Files)) {
        QFile f(folder.filePath(nazwa));
        tresci.insert(nazwa, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    const QStringList przed =
        QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    for (QString &a : argumenty)
        a.replace(QStringLiteral("%1"), folder.path());
    blad.replace(QStringLiteral("%1"), folder.path());

    int wynik = -1;
    QString bledy;
    Uruchom(QStringLiteral(KERWANO_PROGRAM), argumenty, &wynik, &bledy);
    QCOMPARE(wynik, kod);
    if (kod == 2) // one line, and the hint
        QVERIFY2(bledy.startsWith(blad) && bledy.count(u'\n') == 2, qPrintable(bledy));
    else
        QCOMPARE(bledy, blad);
    QStringList po = QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    if (!wyjscie.isEmpty()) {
        QVERIFY(po.removeOne(wyjscie));
        QVERIFY(Uruchom(QStringLiteral("pdfinfo"), {folder.filePath(wyjscie)})
                    .contains(QRegularExpression(QStringLiteral("Pages: +2\n"))));
    }
    QCOMPARE(po, przed);
    for (auto i = tresci.cbegin(); i != tresci.cend(); ++i) {
        QFile f(folder.filePath(i.key()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), i.value());
    }
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

void TstRaporty::nazwaPdfZCudzyslowem_data()
{
    QTest::addColumn<QString>("wpisana"); // the name typed; "" keeps the one offered
    QTest::addColumn<QString>("plik");    // the PDF file written
    QTest::newRow("the name offered") << ""
                                      << "Szkoła \"Słoneczko\" etap 2.pdf";
    QTest::newRow("typed without its suffix") << "Raport \"B\""
                                              << "Raport \"B\".pdf";
}

// A name with double quotes is written as it stands in the dialog.
void TstRaporty::nazwaPdfZCudzyslowem()
{
    QFETCH(QString, wpisana);
    QFETCH(QString, plik);
    QTemporaryDir folder;
    const QString projekt = folder.filePath(QStringLiteral("Szkoła \"Słoneczko\" etap 2.kwp"));
    QCOMPARE(kerwano::ZapiszPlikProjektu(projekt, Budynek()), QString());
    TProgram_form okno({QStringLiteral("kerwano")});
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    okno.WczytajProjekt(projekt);

    QString oferowana;
    Odpowiedz<QPrintDialog>([](QPrintDialog *d) { d->accept(); });
    Odpowiedz<QPrintPreviewDialog>([&](QPrintPreviewDialog *d) {
        Odpowiedz<QFileDialog>([&](QFileDialog *f) {
            auto *pole = f->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            oferowana = pole->text();
            if (!wpisana.isEmpty())
                pole->setText(wpisana);
            QMetaObject::invokeMethod(f, "accept");
        });
        W<QAction>(d, "ZapiszPdf1")->trigger();
        d->accept();
    });
    W<QAction>(&okno, "Drukujobliczenia1")->trigger();
    QCOMPARE(oferowana, QStringLiteral("Szkoła \"Słoneczko\" etap 2.pdf"));
    QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.pdf")}), QStringList{plik});
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
            okno_testowe::WybierzPlik(f, pdf);
            QMetaObject::invokeMethod(f, "accept");
        });
        // By keys: Ctrl+S saves, Esc closes.
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    W<QAction>(&okno, "Drukujobliczenia1")->trigger();
    QCOMPARE(strony_podgladu, 2);
    QCOMPARE(domyslny, QDir(TDialog_projektu::FolderPoczatkowy()).filePath("Nowy projekt.pdf"));
    const QList<StronaPdf> strony = CzytajPdf(pdf);
    QCOMPARE(strony.size(), 2);
    QCOMPARE(Szukaj(strony, {{1, "Numer projektu: KW-7/2026"}, {2, "\n1 Maszt 10,00 m"}}),
             QString());

    // The element data sheet, previewed alike.
    QString tytul_podgladu;
    strony_podgladu = 0;
    Odpowiedz<QPrintDialog>([&](QPrintDialog *d) {
        Odpowiedz<QPrintPreviewDialog>([&](QPrintPreviewDialog *p) {
            tytul_podgladu = p->windowTitle();
            strony_podgladu = W<QPrintPreviewWidget>(p, "")->pageCount();
            p->reject();
        });
        d->accept();
    });
    W<QAction>(&okno, "Drukujzestawienie1")->trigger();
    QCOMPARE(tytul_podgladu, QStringLiteral("Wydruk zestawienia elementów dachu"));
    QCOMPARE(strony_podgladu, 1);

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

void TstRaporty::pdfNadPlikiem_data()
{
    QTest::addColumn<QString>("cel");    // the existing file chosen in the preview
    QTest::addColumn<QString>("odmowa"); // what the refusal says; "" when replaced
    QTest::newRow("a risk assessment") << "ocena.kwr"
                                       << "jest oceną ryzyka Kerwano";
    QTest::newRow("another project") << "inny.kwp"
                                     << "jest projektem Kerwano";
    QTest::newRow("an older PDF") << "stary.pdf"
                                  << "";
}

// The preview's "Zapisz jako PDF..." replaces an existing file only after
// the question, and never a project's or a risk assessment's file.
void TstRaporty::pdfNadPlikiem()
{
    QFETCH(QString, cel);
    QFETCH(QString, odmowa);
    QTemporaryDir folder;
    const QString sciezka = folder.filePath(cel);
    if (cel.endsWith(QLatin1String(".kwp"))) {
        QCOMPARE(kerwano::ZapiszPlikProjektu(sciezka, Nowy()), QString());
    } else {
        QFile inny(sciezka); // any contents: the name says what it is
        QVERIFY(inny.open(QIODevice::WriteOnly));
        inny.write("{}\n");
    }
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::ReadOnly));
    const QByteArray przed = plik.readAll();
    plik.close();
    TProgram_form okno({QStringLiteral("kerwano")});
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));

    QStringList pytania;
    Odpowiedz<QPrintDialog>([](QPrintDialog *d) { d->accept(); });
    Odpowiedz<QPrintPreviewDialog>([&](QPrintPreviewDialog *d) {
        Odpowiedz<QFileDialog>([&](QFileDialog *f) {
            // "Replace it?" answered Yes; then the refusal, if any.
            Odpowiedz<QMessageBox>([&](QMessageBox *m) {
                pytania << m->text();
                if (!odmowa.isEmpty())
                    Odpowiedz<QMessageBox>([&](QMessageBox *b) {
                        pytania << b->text();
                        b->accept();
                    });
                m->button(QMessageBox::Yes)->click();
            });
            okno_testowe::WybierzPlik(f, sciezka);
            QMetaObject::invokeMethod(f, "accept");
        });
        W<QAction>(d, "ZapiszPdf1")->trigger();
        d->accept();
    });
    W<QAction>(&okno, "Drukujobliczenia1")->trigger();
    QCOMPARE(pytania.size(), odmowa.isEmpty() ? 1 : 2);
    if (!odmowa.isEmpty())
        QVERIFY2(pytania.last().contains(odmowa), qPrintable(pytania.last()));
    QVERIFY(plik.open(QIODevice::ReadOnly));
    QCOMPARE(plik.readAll() == przed, !odmowa.isEmpty());
}
