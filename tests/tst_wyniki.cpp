#include "project/ModelProjektu.h"
#include "project/WynikiProjektu.h"
#include "tests/BudynekWzorcowy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using kerwano::ElementDachu;
using kerwano::Material;
using kerwano::Projekt;
using kerwano::TypUkladu;
using wzorcowy::Budynek;
using wzorcowy::Element;
using wzorcowy::Nowy;

// The JSON of `kerwano --wyniki` is read by other tools: for a varied set of
// projects, written by the program's own writer, it must stay the same key
// for key and value for value. The expected outputs live in tests/wyniki/;
// KERWANO_NOWE_WZORCE=1 writes them anew from the binary under test.
class TstWyniki : public QObject
{
    Q_OBJECT
private slots:
    void wyniki_data();
    void wyniki();
    void wrogiePliki_data();
    void wrogiePliki();
    void wyjscieNieudane_data();
    void wyjscieNieudane();
};

namespace {

QList<ElementDachu> KazdyUklad()
{
    return {
        Element(QStringLiteral("Maszt"), TypUkladu::A, 1, Material::Powietrze, 10, 10),
        Element(QStringLiteral("Linka"), TypUkladu::A, 2, Material::Powietrze, 10, 6, 30),
        Element(QStringLiteral("Siatka"), TypUkladu::A, 3, Material::Dielektryk, 10, 5, 10, 4),
        Element(QStringLiteral("Siatka 2"), TypUkladu::A, 3, Material::Powietrze, 20, 8, 5, 2),
        Element(QStringLiteral("Osobny"), TypUkladu::B, 2, Material::Dielektryk, 12.5, 3, 20),
        Element(QStringLiteral("Bez n"), TypUkladu::A, 3, Material::Powietrze, 15, 7.5, 10, 0),
        Element(QStringLiteral("Linka bez H i f"), TypUkladu::A, 2, Material::Powietrze, 0, 4, 0),
        Element(QStringLiteral("Na granicy"), TypUkladu::A, 1, Material::Powietrze, 20, 4),
        Element(QStringLiteral("Ponad"), TypUkladu::A, 1, Material::Powietrze, 20.01, 4),
        Element(QStringLiteral("Zaokrąglony"), TypUkladu::A, 1, Material::Powietrze, 20.004, 4)};
}

} // namespace

void TstWyniki::wyniki_data()
{
    QTest::addColumn<Projekt>("projekt");

    QTest::newRow("nowy") << Nowy();
    {
        Projekt p = Budynek(2);
        p.elementy = KazdyUklad();
        QTest::newRow("klasa_I_kazdy_uklad") << p;
    }
    {
        Projekt p = Budynek(1);
        p.elementy = KazdyUklad();
        QTest::newRow("klasa_II") << p;
    }
    {
        Projekt p = Budynek(2, QStringLiteral("60"), QStringLiteral("40"), QStringLiteral("20"));
        p.elementy = KazdyUklad();
        QTest::newRow("klasa_I_plus") << p;
    }
    {
        Projekt p = Budynek(2);
        p.wybory[4] = 0; // no panic
        p.elementy = {
            Element(QStringLiteral("Wysoki"), TypUkladu::A, 1, Material::Powietrze, 59.99, 5),
            Element(QStringLiteral("Za wysoki"), TypUkladu::A, 1, Material::Powietrze, 61, 5)};
        QTest::newRow("klasa_IV") << p;
    }
    {
        // Texts that do not convert keep the dimensions of a fresh start.
        Projekt p = Budynek(2, QStringLiteral("abc"), QStringLiteral("1,2,3"), QString());
        p.elementy = {{QStringLiteral("Pusty"), QString()},
                      {QStringLiteral("Tylko B"), QStringLiteral("Układ B")},
                      {QStringLiteral("Zła liczba"),
                       QStringLiteral("Układ A, układ 1, powietrze, H = x, L = 2,00")},
                      {QStringLiteral("Bez materiału"),
                       QStringLiteral("Układ A, układ 1, H = 3,00, L = 2,00")},
                      {QString(), QStringLiteral("Układ A, Układ B, układ 1, układ 3, "
                                                 "dielektryk, H = 5, L = 5, c = 1, n = 3")}};
        QTest::newRow("zle_teksty") << p;
    }
    {
        // Indices outside their lists keep the coefficients in force.
        Projekt p =
            Budynek(2, QStringLiteral("12,50"), QStringLiteral("8,25"), QStringLiteral("7"));
        p.wybory = {-1, 99, 6, 4, 3, -7, 4, 4, 4, 3, 4, 2, 4};
        p.elementy = {Element(QStringLiteral("E1"), TypUkladu::A, 1, Material::Powietrze, 3.5, 2)};
        QTest::newRow("poza_zakresem") << p;
    }
    {
        Projekt p = Budynek(1);
        p.dane = {QStringLiteral("12/2026/ŁÓDŹ"),
                  QStringLiteral("7.3.2026"),
                  QStringLiteral("Żółć Gęślą Jaźń — biuro ✓"),
                  QStringLiteral("Budowa w Łodzi"),
                  QStringLiteral("Inwestor Ściśle Tajny"),
                  QStringLiteral("Zleceniodawca €")};
        p.elementy = {Element(QStringLiteral("Wywietrznik łazienki"), TypUkladu::A, 1,
                              Material::Powietrze, 2.346, 1.5),
                      Element(QStringLiteral("Świetlik ąęćłńóśźż ĄĘĆŁŃÓŚŹŻ"), TypUkladu::B, 3,
                              Material::Dielektryk, 4, 2, 3, 6)};
        QTest::newRow("polskie_litery") << p;
    }
    {
        Projekt p = Budynek(0, QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("10"));
        p.wybory[4] = 2;
        p.wybory[5] = 3;
        for (int i = 1; i <= 40; ++i) {
            const double H = i * 1.37;
            p.elementy << Element(
                QStringLiteral("Element %1").arg(i), i % 2 ? TypUkladu::A : TypUkladu::B, 1 + i % 3,
                i % 4 ? Material::Powietrze : Material::Dielektryk, H, i * 0.5, i * 0.75, i % 5);
        }
        QTest::newRow("czterdziesci") << p;
    }
    {
        // No area, no strike expected: E is not a number the JSON can hold.
        Projekt p = Budynek(2, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        p.elementy = {Element(QStringLiteral("E1"), TypUkladu::A, 1, Material::Powietrze, 1, 1)};
        QTest::newRow("bez_powierzchni") << p;
    }
    {
        Projekt p =
            Budynek(3, QStringLiteral("1234,5"), QStringLiteral("987"), QStringLiteral("150"));
        p.elementy = {Element(QStringLiteral("Ogromny"), TypUkladu::A, 3, Material::Powietrze,
                              1.5e7, 2e6, 3e6, 2000000000)};
        QTest::newRow("duze_liczby") << p;
    }
}

void TstWyniki::wyniki()
{
    QFETCH(Projekt, projekt);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString plik = folder.filePath(QStringLiteral("projekt.kwp"));
    QCOMPARE(kerwano::ZapiszPlikProjektu(plik, projekt), QString());

    Projekt zapisany;
    kerwano::ModelProjektu model;
    QCOMPARE(kerwano::WczytajJakPoStarcie(plik, zapisany, model), QString());
    const QByteArray wynik = kerwano::WynikiJson(zapisany, model);
    if (QByteArray(QTest::currentDataTag()) == "nowy") {
        // The program prints the same, with no display and no platform plugin.
        QProcess kerwano;
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"),
                          QStringLiteral("brak-takiej-platformy"));
        srodowisko.remove(QStringLiteral("DISPLAY"));
        kerwano.setProcessEnvironment(srodowisko);
        kerwano.start(QStringLiteral(KERWANO_PROGRAM), {QStringLiteral("--wyniki"), plik});
        QVERIFY(kerwano.waitForFinished(60000));
        QCOMPARE(kerwano.exitCode(), 0);
        QCOMPARE(kerwano.readAllStandardOutput(), wynik);
    }

    QFile wzorzec(QStringLiteral(KERWANO_WZORCE "/") +
                  QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".json"));
    if (qEnvironmentVariableIntValue("KERWANO_NOWE_WZORCE") == 1) {
        QVERIFY(wzorzec.open(QIODevice::WriteOnly));
        wzorzec.write(wynik);
        return;
    }
    QVERIFY2(wzorzec.open(QIODevice::ReadOnly), qPrintable(wzorzec.fileName()));
    QCOMPARE(QString::fromUtf8(wynik), QString::fromUtf8(wzorzec.readAll()));
}

void TstWyniki::wrogiePliki_data()
{
    QTest::addColumn<QByteArray>("nazwa"); // bytes of the command-line parameter
    QTest::addColumn<QString>("rodzaj");
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("blad"); // the end of stderr

    QTest::newRow("FIFO") << QByteArray("x.kwp") << "potok" << 1
                          << QStringLiteral("To nie jest zwykły plik.");
    QTest::newRow("2 GiB sparse file announcing 15.5 million elements")
        << QByteArray("x.kwp") << "rzadki" << 1
        << QStringLiteral("Plik projektu jest uszkodzony (ponad 10000 elementów dachu).");
    QTest::newRow("ISO-8859-2 name")
        << QByteArray("projekt \xB3\xB1ka.kwp") << "projekt" << 0 << QString();
}

// The program opens the bytes it was given and ends at once on what is not a project.
void TstWyniki::wrogiePliki()
{
    QFETCH(QByteArray, nazwa);
    QFETCH(QString, rodzaj);
    QFETCH(int, kod);
    QFETCH(QString, blad);
    QTemporaryDir folder;
    const QByteArray pelna = QFile::encodeName(folder.path()) + '/' + nazwa;
    const auto sprzatnij = qScopeGuard([&] { ::unlink(pelna.constData()); });
    if (rodzaj == QLatin1String("potok")) {
        QCOMPARE(::mkfifo(pelna.constData(), 0644), 0);
    } else {
        QByteArray dane = kerwano::ZakodujProjekt(Nowy());
        if (rodzaj == QLatin1String("rzadki"))
            qToLittleEndian<qint32>(15'500'000, dane.data() + 680);
        const int d = ::open(pelna.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(d >= 0);
        QCOMPARE(::write(d, dane.constData(), size_t(dane.size())), ssize_t(dane.size()));
        QCOMPARE(::ftruncate(d, rodzaj == QLatin1String("rzadki") ? 2LL << 30 : dane.size()), 0);
        ::close(d);
    }
    // QProcess would pass the name through Qt's UTF-8; the shell passes its bytes.
    QString bajty;
    for (const char b : nazwa)
        bajty += QStringLiteral("\\%1").arg(uint(uchar(b)), 3, 8, QLatin1Char('0'));
    QProcess kerwano;
    kerwano.setWorkingDirectory(folder.path());
    kerwano.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("exec \"$0\" --wyniki \"$(printf \"$1\")\""),
                   QStringLiteral(KERWANO_PROGRAM), bajty});
    QVERIFY(kerwano.waitForFinished(60000));
    QCOMPARE(kerwano.exitCode(), kod);
    const QString bledy = QString::fromUtf8(kerwano.readAllStandardError()).trimmed();
    QVERIFY2(bledy.endsWith(blad), qPrintable(bledy));
    if (kod == 0)
        QVERIFY(kerwano.readAllStandardOutput().contains("\"klasa\""));
}

void TstWyniki::wyjscieNieudane_data()
{
    QTest::addColumn<QStringList>("argumenty"); // %1: a project
    QTest::addColumn<QString>("dokad");         // the shell's redirection of stdout
    QTest::addColumn<QString>("blad");          // the end of stderr

    const QString pelne = QStringLiteral("exec \"$0\" \"$@\" > /dev/full");
    // The reader has gone before anything is written.
    const QString potok =
        QStringLiteral("set -o pipefail; { sleep 0.3; exec \"$0\" \"$@\"; } | true");
    const QString pelny = QStringLiteral("Disk full."), zamkniety = QStringLiteral("I/O error 32.");
    QTest::newRow("--wyniki to /dev/full") << QStringList{"--wyniki", "%1"} << pelne << pelny;
    QTest::newRow("--help to /dev/full") << QStringList{"--help"} << pelne << pelny;
    QTest::newRow("--version to /dev/full") << QStringList{"--version"} << pelne << pelny;
    QTest::newRow("--wyniki to a closed pipe")
        << QStringList{"--wyniki", "%1"} << potok << zamkniety;
    QTest::newRow("--version to a closed pipe") << QStringList{"--version"} << potok << zamkniety;
}

// What cannot be printed is an error: exit 1 and why on stderr.
void TstWyniki::wyjscieNieudane()
{
    QFETCH(QStringList, argumenty);
    QFETCH(QString, dokad);
    QFETCH(QString, blad);
    QTemporaryDir folder;
    const QString plik = folder.filePath(QStringLiteral("p.kwp"));
    QCOMPARE(kerwano::ZapiszPlikProjektu(plik, Nowy()), QString());
    argumenty.replaceInStrings(QStringLiteral("%1"), plik);
    QProcess kerwano;
    kerwano.start(QStringLiteral("/bin/bash"),
                  QStringList{QStringLiteral("-c"), dokad, QStringLiteral(KERWANO_PROGRAM)} +
                      argumenty);
    QVERIFY(kerwano.waitForFinished(60000));
    QCOMPARE(kerwano.exitStatus(), QProcess::NormalExit);
    QCOMPARE(kerwano.exitCode(), 1);
    const QString bledy = QString::fromUtf8(kerwano.readAllStandardError()).trimmed();
    QVERIFY2(bledy.startsWith(QStringLiteral("kerwano: ")) && bledy.endsWith(blad),
             qPrintable(bledy));
}

QTEST_GUILESS_MAIN(TstWyniki)
#include "tst_wyniki.moc"
