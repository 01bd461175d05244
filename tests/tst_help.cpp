#include "angles/KrzyweKatow.h"
#include "help/okna/HelpUnit.h"
#include "pliki/ZdanieBledu.h"
#include "widgets/OknoBledu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Zasob()
{
    QFile f(QStringLiteral(":/EXEFILE/TESTFILE"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Tresc(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak>");
}

// Type of what stands at `sciezka`, links not followed: "", "plik",
// "katalog", "dowiazanie" or "inne".
QString Rodzaj(const QString &sciezka)
{
    struct stat st;
    if (::lstat(QFile::encodeName(sciezka).constData(), &st) != 0)
        return {};
    if (S_ISREG(st.st_mode))
        return QStringLiteral("plik");
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("katalog");
    return S_ISLNK(st.st_mode) ? QStringLiteral("dowiazanie") : QStringLiteral("inne");
}

// Closes the message box shown next and remembers what it said.
struct Okienko
{
    bool pokazane = false;
    QString tytul, tekst;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QTimer zegar;

    void ZamknijNastepne()
    {
        zegar.disconnect();
        QObject::connect(&zegar, &QTimer::timeout, &zegar, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            pokazane = true;
            tytul = box->windowTitle();
            tekst = box->text();
            ikona = box->icon();
            box->accept();
            zegar.stop();
        });
        zegar.start(10);
    }
};

} // namespace

class TstHelp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void wyborNazwy_data();
    void wyborNazwy();
    void plikDzialajacejKopii();
    void folderTymczasowyZTmpdir_data();
    void folderTymczasowyZTmpdir();
    void folderPrywatny_data();
    void folderPrywatny();
    void zapisZasobu();
    void zapisWZajetymMiejscu_data();
    void zapisWZajetymMiejscu();
    void brakZasobu();
    void bladZapisu();
    void plikZnikaNaKoniec();
    void opisProgramu();
    void czekanieNieBlokujeOkien();
    void bledyOtwieracza_data();
    void bledyOtwieracza();
    void oknoBledu_data();
    void oknoBledu();
    void folderPrzegladarki_data();
    void folderPrzegladarki();
    void dokument();
    void wykresKatow();

private:
    QString Sciezka(const QString &nazwa) const { return m_folder->filePath(nazwa); }
    void Postaw(const QString &nazwa, const QString &rodzaj);
    QString Skrypt(const QString &tresc);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TstHelp::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QFile cel(Sciezka(QStringLiteral("cel.txt")));
    QVERIFY(cel.open(QIODevice::WriteOnly));
    cel.write("cel");
}

// Plants at `nazwa`: "plik" (our stale file), "katalog" (a non-empty folder,
// which nobody can delete with unlink, root included), "dowiazanie" (a link
// to cel.txt), "wiszace" (a link to nothing) or "obcy" (another user's file).
void TstHelp::Postaw(const QString &nazwa, const QString &rodzaj)
{
    const QString p = Sciezka(nazwa);
    const QByteArray b = QFile::encodeName(p);
    if (rodzaj == QLatin1String("plik") || rodzaj == QLatin1String("obcy")) {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("stary");
        f.close();
        if (rodzaj == QLatin1String("obcy") && ::chown(b.constData(), 65534, 65534) != 0)
            QSKIP("another user's file needs root");
    } else if (rodzaj == QLatin1String("katalog")) {
        QVERIFY(QDir().mkpath(p + QStringLiteral("/w_srodku")));
    } else if (rodzaj == QLatin1String("dowiazanie")) {
        QVERIFY(QFile::link(Sciezka(QStringLiteral("cel.txt")), p));
    } else if (rodzaj == QLatin1String("wiszace")) {
        QVERIFY(QFile::link(Sciezka(QStringLiteral("nie_ma")), p));
    }
}

QString TstHelp::Skrypt(const QString &tresc)
{
    const QString p = Sciezka(QStringLiteral("otwieracz.sh"));
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\n" + tresc.toUtf8() + "\n");
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return p;
}

void TstHelp::wyborNazwy_data()
{
    QTest::addColumn<QStringList>("zajete"); // planted under the three names
    QTest::addColumn<int>("wybrana");
    QTest::addColumn<bool>("pierwszaUsunieta");

    QTest::newRow("pusty folder") << QStringList{"", "", ""} << 1 << false;
    QTest::newRow("nasz stary plik") << QStringList{"plik", "", ""} << 1 << true;
    QTest::newRow("niepusty katalog") << QStringList{"katalog", "", ""} << 2 << false;
    QTest::newRow("dowiazanie") << QStringList{"dowiazanie", "", ""} << 2 << false;
    QTest::newRow("wiszace dowiazanie") << QStringList{"wiszace", "", ""} << 2 << false;
    QTest::newRow("plik innego uzytkownika") << QStringList{"obcy", "", ""} << 2 << false;
    QTest::newRow("druga nazwa zajeta") << QStringList{"katalog", "plik", ""} << 3 << false;
    QTest::newRow("wszystkie zajete")
        << QStringList{"katalog", "dowiazanie", "katalog"} << 3 << false;
}

void TstHelp::wyborNazwy()
{
    QFETCH(QStringList, zajete);
    QFETCH(int, wybrana);
    QFETCH(bool, pierwszaUsunieta);
    const QStringList nazwy = {HelpUnit::NAZWA_1, HelpUnit::NAZWA_2, HelpUnit::NAZWA_3};
    QStringList przed;
    for (int i = 0; i < 3; ++i) {
        Postaw(nazwy[i], zajete[i]);
        przed << Rodzaj(Sciezka(nazwy[i]));
    }

    HelpUnit h(m_folder->path());
    QCOMPARE(h.plik_pomocy(), Sciezka(nazwy[wybrana - 1]));
    // Only our own stale file under the first name goes; the rest stays as it was.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(Rodzaj(Sciezka(nazwy[i])), i == 0 && pierwszaUsunieta ? QString() : przed[i]);
    QCOMPARE(Tresc(Sciezka(QStringLiteral("cel.txt"))), QByteArray("cel"));
    if (zajete[1] == QLatin1String("plik"))
        QCOMPARE(Tresc(Sciezka(nazwy[1])), QByteArray("stary"));
}

void TstHelp::plikDzialajacejKopii()
{
    // A second copy of the program leaves the first one's file alone.
    auto pierwsza = std::make_unique<HelpUnit>(m_folder->path());
    QCOMPARE(pierwsza->WypakujZasob("EXEFILE", "TESTFILE", pierwsza->plik_pomocy()), QString());
    HelpUnit druga(m_folder->path());
    QCOMPARE(druga.plik_pomocy(), Sciezka(HelpUnit::NAZWA_2));
    QCOMPARE(Tresc(pierwsza->plik_pomocy()), Zasob());

    pierwsza.reset();
    QCOMPARE(Rodzaj(Sciezka(HelpUnit::NAZWA_1)), QString());
    QCOMPARE(HelpUnit(m_folder->path()).plik_pomocy(), Sciezka(HelpUnit::NAZWA_1));
}

void TstHelp::folderTymczasowyZTmpdir_data()
{
    QTest::addColumn<QString>("tmpdir"); // under the test's folder; "" the variable empty
    QTest::addColumn<bool>("uzyty");     // the help file goes there; otherwise into /tmp
    QTest::newRow("istniejacy folder") << "." << true;
    QTest::newRow("brak folderu") << "nie_ma" << false;
    QTest::newRow("plik zamiast folderu") << "cel.txt" << false;
    QTest::newRow("pusta zmienna") << "" << false;
}

// Never the current folder, whatever TMPDIR says.
void TstHelp::folderTymczasowyZTmpdir()
{
    QFETCH(QString, tmpdir);
    QFETCH(bool, uzyty);
    const bool byla = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray stary = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmpdir.isEmpty() ? QByteArray() : QFile::encodeName(Sciezka(tmpdir)));
    Postaw(HelpUnit::NAZWA_1, QStringLiteral("plik"));
    const QString wybrany = HelpUnit().plik_pomocy();
    const QString pomocy = HelpUnit::FolderPomocy();
    if (byla)
        qputenv("TMPDIR", stary);
    else
        qunsetenv("TMPDIR");
    if (uzyty) {
        QCOMPARE(wybrany, Sciezka(HelpUnit::NAZWA_1));
        QCOMPARE(Rodzaj(wybrany), QString());
    } else {
        QCOMPARE(QFileInfo(wybrany).path(), QStringLiteral("/tmp"));
        QCOMPARE(Rodzaj(Sciezka(HelpUnit::NAZWA_1)), QStringLiteral("plik"));
    }
    QVERIFY2(QDir::isAbsolutePath(pomocy), qPrintable(pomocy));
}

void TstHelp::folderPrywatny_data()
{
    QTest::addColumn<int>("runtime");     // mode of the runtime folder; 0: XDG_RUNTIME_DIR unset
    QTest::addColumn<bool>("zajety");     // "kerwano" in the cache folder is a file
    QTest::addColumn<QString>("wybrany"); // "run", "cache/kerwano", or "" the temporary folder
    QTest::newRow("the user's runtime folder") << 0700 << false << "run";
    QTest::newRow("a runtime folder others may write in") << 0777 << false << "cache/kerwano";
    QTest::newRow("no runtime folder") << 0 << false << "cache/kerwano";
    QTest::newRow("the cache folder's place taken") << 0 << true << "";
}

// The help file's fixed names lie where no other user can take them first.
void TstHelp::folderPrywatny()
{
    QFETCH(int, runtime);
    QFETCH(bool, zajety);
    QFETCH(QString, wybrany);
    const QByteArray run = qgetenv("XDG_RUNTIME_DIR"), cache = qgetenv("XDG_CACHE_HOME");
    const auto przywroc = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", run);
        qputenv("XDG_CACHE_HOME", cache);
    });
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("run/x")));
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("cache")));
    if (zajety)
        Postaw(QStringLiteral("cache/kerwano"), QStringLiteral("plik"));
    QCOMPARE(::chmod(QFile::encodeName(Sciezka(QStringLiteral("run"))).constData(),
                     mode_t(runtime ? runtime : 0700)),
             0);
    if (runtime)
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Sciezka(QStringLiteral("run"))));
    else
        qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(Sciezka(QStringLiteral("cache"))));

    const QString folder = HelpUnit::FolderPrywatny();
    QCOMPARE(folder, wybrany.isEmpty() ? HelpUnit::FolderTymczasowy() : Sciezka(wybrany));
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
    if (!wybrany.isEmpty())
        QCOMPARE(st.st_mode & 0777, 0700u);
}

void TstHelp::zapisZasobu()
{
    HelpUnit h(m_folder->path());
    QVERIFY(Zasob().size() > 10000);
    // F1 twice: the second write replaces our own first file.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(h.WypakujZasob("EXEFILE", "TESTFILE", h.plik_pomocy()), QString());
        QCOMPARE(Tresc(h.plik_pomocy()), Zasob());
    }
    struct stat st;
    QCOMPARE(::lstat(QFile::encodeName(h.plik_pomocy()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
}

void TstHelp::zapisWZajetymMiejscu_data()
{
    QTest::addColumn<int>("nazwa");      // the name chosen: the ones before it hold folders
    QTest::addColumn<QString>("rodzaj"); // planted after the name was chosen
    QTest::addColumn<bool>("udany");
    QTest::newRow("nasz stary plik") << 1 << "plik" << true;
    QTest::newRow("dowiazanie") << 1 << "dowiazanie" << false;
    QTest::newRow("wiszace dowiazanie") << 1 << "wiszace" << false;
    QTest::newRow("katalog") << 1 << "katalog" << false;
    QTest::newRow("plik innego uzytkownika") << 1 << "obcy" << false;
    QTest::newRow("druga nazwa: dowiazanie") << 2 << "dowiazanie" << false;
    QTest::newRow("druga nazwa: katalog") << 2 << "katalog" << false;
    QTest::newRow("druga nazwa: plik innego uzytkownika") << 2 << "obcy" << false;
    QTest::newRow("trzecia nazwa: dowiazanie") << 3 << "dowiazanie" << false;
    QTest::newRow("trzecia nazwa: wiszace dowiazanie") << 3 << "wiszace" << false;
    QTest::newRow("trzecia nazwa: plik innego uzytkownika") << 3 << "obcy" << false;
}

void TstHelp::zapisWZajetymMiejscu()
{
    QFETCH(int, nazwa);
    QFETCH(QString, rodzaj);
    QFETCH(bool, udany);
    const QStringList nazwy = {HelpUnit::NAZWA_1, HelpUnit::NAZWA_2, HelpUnit::NAZWA_3};
    for (int i = 0; i < nazwa - 1; ++i)
        Postaw(nazwy[i], QStringLiteral("katalog"));
    HelpUnit h(m_folder->path());
    QCOMPARE(h.plik_pomocy(), Sciezka(nazwy[nazwa - 1]));
    Postaw(nazwy[nazwa - 1], rodzaj);
    const QString blad = h.WypakujZasob("EXEFILE", "TESTFILE", h.plik_pomocy());
    if (udany) {
        QCOMPARE(blad, QString());
        QCOMPARE(Tresc(h.plik_pomocy()), Zasob());
        return;
    }
    QCOMPARE(blad, "Nie mogę utworzyć pliku " + h.plik_pomocy());
    QCOMPARE(Rodzaj(h.plik_pomocy()), rodzaj == "katalog" ? "katalog"
                                      : rodzaj == "obcy"  ? "plik"
                                                          : "dowiazanie");
    QCOMPARE(Tresc(Sciezka(QStringLiteral("cel.txt"))), QByteArray("cel"));
    QCOMPARE(Rodzaj(Sciezka(QStringLiteral("nie_ma"))), QString());
    if (rodzaj == "obcy")
        QCOMPARE(Tresc(h.plik_pomocy()), QByteArray("stary"));
}

void TstHelp::brakZasobu()
{
    HelpUnit h(m_folder->path());
    QCOMPARE(h.WypakujZasob("EXEFILE", "NIEMA", h.plik_pomocy()),
             QStringLiteral("Resource NIEMA not found"));
    QCOMPARE(Rodzaj(h.plik_pomocy()), QString());
}

void TstHelp::bladZapisu()
{
    // A file size limit makes write() fail part way, like a full disk.
    HelpUnit h(m_folder->path());
    struct rlimit stary;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &stary), 0);
    struct rlimit maly = stary;
    maly.rlim_cur = 1000;
    const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &maly), 0);
    const QString blad = h.WypakujZasob("EXEFILE", "TESTFILE", h.plik_pomocy());
    ::setrlimit(RLIMIT_FSIZE, &stary);
    std::signal(SIGXFSZ, sygnal);
    QCOMPARE(blad, QStringLiteral("Stream write error"));
    QCOMPARE(QFileInfo(h.plik_pomocy()).size(), 1000);
}

void TstHelp::plikZnikaNaKoniec()
{
    QString plik;
    {
        HelpUnit h(m_folder->path());
        plik = h.plik_pomocy();
        QCOMPARE(h.WypakujZasob("EXEFILE", "TESTFILE", plik), QString());
        QCOMPARE(Rodzaj(plik), QStringLiteral("plik"));
    }
    QCOMPARE(Rodzaj(plik), QString());

    // A file that has replaced ours under the same name is not ours to delete.
    {
        HelpUnit h(m_folder->path());
        QCOMPARE(h.WypakujZasob("EXEFILE", "TESTFILE", plik), QString());
        QVERIFY(QFile::remove(plik));
        Postaw(HelpUnit::NAZWA_1, QStringLiteral("plik"));
    }
    QCOMPARE(Tresc(plik), QByteArray("stary"));
}

void TstHelp::opisProgramu()
{
    HelpUnit h(m_folder->path());
    h.UstawOtwieracz(Skrypt("echo \"$1\" > \"" + Sciezka("wywolanie") + "\""));
    Okienko okienko;
    okienko.ZamknijNastepne();
    h.OpisProgramu1Click(nullptr);
    QVERIFY(!okienko.pokazane);
    QCOMPARE(Tresc(Sciezka("wywolanie")), QFile::encodeName(h.plik_pomocy()) + '\n');
    // The browser reads the file after the opener has returned.
    QCOMPARE(Tresc(h.plik_pomocy()), Zasob());
}

void TstHelp::czekanieNieBlokujeOkien()
{
    HelpUnit h(m_folder->path());
    h.UstawOtwieracz(Skrypt("sleep 0.5"));
    int tykniecia = 0;
    QTimer zegar;
    connect(&zegar, &QTimer::timeout, this, [&tykniecia] { ++tykniecia; });
    zegar.start(20);
    QElapsedTimer czas;
    czas.start();
    QVERIFY(h.OtworzIPoczekaj(h.plik_pomocy(), nullptr));
    QVERIFY(czas.elapsed() >= 500);
    QVERIFY2(tykniecia >= 10, qPrintable(QString::number(tykniecia)));
}

void TstHelp::bledyOtwieracza_data()
{
    QTest::addColumn<QString>("skrypt");     // empty: no such program
    QTest::addColumn<QString>("tekst");      // %1 the opener, %2 the help file
    QTest::addColumn<bool>("zainstalowany"); // the manual installed with the program
    QTest::newRow("brak programu")
        << ""
        << "Nie można uruchomić programu %1, który otwiera dokumenty na pulpicie "
           "(pakiet xdg-utils)."
        << true;
    QTest::newRow("brak przegladarki")
        << "exit 3"
        << "Nie znaleziono programu, który otworzyłby plik %2. Potrzebna jest "
           "przeglądarka internetowa."
        << true;
    QTest::newRow("brak przegladarki, podręcznik niezainstalowany")
        << "exit 3"
        << "Nie znaleziono programu, który otworzyłby plik %2. Potrzebna jest "
           "przeglądarka internetowa."
        << false;
    QTest::newRow("nieudane otwarcie") << "exit 4"
                                       << "Nie udało się otworzyć pliku %2." << true;
    QTest::newRow("przerwany") << "kill -KILL $$"
                               << "Program %1 zakończył się nieoczekiwanie." << true;
    QTest::newRow("inny kod") << "exit 7"
                              << "Program %1 zakończył się z kodem 7." << true;
}

void TstHelp::bledyOtwieracza()
{
    QFETCH(QString, skrypt);
    QFETCH(QString, tekst);
    QFETCH(bool, zainstalowany);
    HelpUnit h(m_folder->path());
    h.UstawOtwieracz(skrypt.isEmpty() ? Sciezka("nie-ma-otwieracza") : Skrypt(skrypt));
    const QString podrecznik = Sciezka("pomoc.html");
    Postaw(QStringLiteral("pomoc.html"), QStringLiteral("plik"));
    h.UstawPodrecznik(zainstalowany ? podrecznik : QString());
    Okienko okienko;
    okienko.ZamknijNastepne();
    h.OpisProgramu1Click(nullptr);
    QVERIFY(okienko.pokazane);
    QCOMPARE(okienko.tytul, QStringLiteral("Kerwano"));
    QCOMPARE(okienko.ikona, QMessageBox::NoIcon);
    // The message says where the manual can be read all the same.
    QCOMPARE(okienko.tekst, tekst.replace("%1", h.otwieracz()).replace("%2", h.plik_pomocy()) +
                                "\n\nPodręcznik programu jest w pliku " +
                                (zainstalowany ? podrecznik : h.plik_pomocy()) + ".");
    // Nothing could read it, so it is gone at once, unless it is the file named.
    QCOMPARE(Rodzaj(h.plik_pomocy()), zainstalowany ? QString() : QStringLiteral("plik"));
}

void TstHelp::oknoBledu_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("pokazany");
    QTest::newRow("bez kropki") << "Stream write error"
                                << "Stream write error.";
    QTest::newRow("z kropka") << "Disk full."
                              << "Disk full.";
}

void TstHelp::oknoBledu()
{
    QFETCH(QString, tekst);
    QFETCH(QString, pokazany);
    Okienko okienko;
    okienko.ZamknijNastepne();
    OknoBledu(nullptr, kerwano::ZdanieBledu(tekst));
    QCOMPARE(okienko.tytul, QStringLiteral("Kerwano"));
    QCOMPARE(okienko.ikona, QMessageBox::Critical);
    QCOMPARE(okienko.tekst, pokazany);

    // "Opis Programu" when no name can be created: the box, and no opener run.
    for (const QString &n : {HelpUnit::NAZWA_1, HelpUnit::NAZWA_2, HelpUnit::NAZWA_3})
        Postaw(n, QStringLiteral("katalog"));
    HelpUnit h(m_folder->path());
    h.UstawOtwieracz(Skrypt("touch \"" + Sciezka("wywolanie") + "\""));
    okienko.ZamknijNastepne();
    h.OpisProgramu1Click(nullptr);
    QCOMPARE(okienko.tekst, "Nie mogę utworzyć pliku " + Sciezka(HelpUnit::NAZWA_3) + ".");
    QCOMPARE(okienko.ikona, QMessageBox::Critical);
    QCOMPARE(Rodzaj(Sciezka("wywolanie")), QString());
}

void TstHelp::folderPrzegladarki_data()
{
    QTest::addColumn<QString>("aplikacja");
    QTest::addColumn<QString>("folder"); // under the home folder; empty: the temporary folder
    QTest::newRow("snap uruchamiany") << "firefox_firefox.desktop"
                                      << "snap/firefox/common";
    QTest::newRow("snap jeszcze nie uruchomiony") << "chromium_chromium.desktop"
                                                  << "snap/chromium/common";
    QTest::newRow("nieznany snap") << "opera_opera.desktop"
                                   << "";
    QTest::newRow("przegladarka z pakietu") << "firefox-esr.desktop"
                                            << "";
    QTest::newRow("flatpak") << "org.mozilla.firefox.desktop"
                             << "";
    QTest::newRow("sciezka zamiast nazwy") << "../firefox_firefox.desktop"
                                           << "";
    QTest::newRow("brak odpowiedzi") << ""
                                     << "";
}

void TstHelp::folderPrzegladarki()
{
    QFETCH(QString, aplikacja);
    QFETCH(QString, folder);
    const QString dom = Sciezka("dom");
    QVERIFY(QDir().mkpath(dom + "/snap/firefox"));
    QVERIFY(QDir().mkpath(Sciezka("snap/chromium")));
    QCOMPARE(HelpUnit::FolderDlaPrzegladarki(aplikacja, dom, Sciezka("snap")),
             folder.isEmpty() ? QString() : dom + "/" + folder);
}

void TstHelp::dokument()
{
    // Well-formed, self-contained, ten topics each opening with the office's
    // banner, the topic headings in order, and every link inside resolving.
    QXmlStreamReader xml(Zasob());
    QStringList naglowki;
    QSet<QString> kotwice, odnosniki;
    int tematy = 0, z_banerem = 0;
    bool czekam_na_baner = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QString nazwa = xml.name().toString();
        QVERIFY2(nazwa != "script" && nazwa != "link" && nazwa != "img" && nazwa != "iframe",
                 qPrintable(nazwa));
        QVERIFY2(!a.hasAttribute("src"), qPrintable(nazwa));
        if (a.hasAttribute("id"))
            kotwice << a.value("id").toString();
        const QString href = a.value("href").toString();
        if (href.startsWith('#'))
            odnosniki << href.mid(1);
        else
            QVERIFY2(href.isEmpty() || href.startsWith("mailto:") ||
                         href.contains(QRegularExpression("\\.example(\\.|/|$)")),
                     qPrintable(href));
        if (czekam_na_baner) {
            z_banerem += a.value("class") == QLatin1String("baner");
            czekam_na_baner = false;
        }
        if (nazwa == "section" && a.value("class").contains(QLatin1String("temat"))) {
            ++tematy;
            czekam_na_baner = true;
        }
        if (nazwa == "h2")
            naglowki << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    }
    QVERIFY2(!xml.hasError(),
             qPrintable(xml.errorString() + " w wierszu " + QString::number(xml.lineNumber())));
    QCOMPARE(tematy, 10);
    QCOMPARE(z_banerem, 10);
    QCOMPARE(naglowki, QStringList({"Spis treści", "Kerwano 1.1C", "O programie", "Trochę Teorii",
                                    "Zwody izolowane", "Pomoc", "Komitet ochrony odgromowej",
                                    "Pracownia Projektowa Kerwano"}));
    for (const QString &o : odnosniki)
        QVERIFY2(kotwice.contains(o), qPrintable(o));
}

void TstHelp::wykresKatow()
{
    // The figure of the angle curves is drawn from the program's own base
    // values: one point a metre, to the limit height, in one scale for all.
    QXmlStreamReader xml(Zasob());
    QMap<int, QList<QPointF>> krzywe;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("polyline") || !xml.attributes().hasAttribute("data-klasa"))
            continue;
        QList<QPointF> punkty;
        const QStringList pary =
            xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts);
        for (const QString &p : pary)
            punkty << QPointF(p.section(',', 0, 0).toDouble(), p.section(',', 1, 1).toDouble());
        krzywe[xml.attributes().value("data-klasa").toInt()] = punkty;
    }
    QCOMPARE(krzywe.keys(), QList<int>({1, 2, 3, 4}));
    const QPointF zero = krzywe[1].at(0);
    const double metr = krzywe[1].at(1).x() - zero.x();
    const double stopien =
        (krzywe[1].last().y() - zero.y()) / (67 - 23); // 67° at 0 m, 23° at the end
    for (int k = 1; k <= 4; ++k) {
        const std::vector<double> &katy = kerwano::KrzyweKatow::KatyBazowe(k);
        QCOMPARE(krzywe[k].size(), kerwano::KrzyweKatow::WysokoscGraniczna(k) + 1);
        for (int m = 0; m < krzywe[k].size(); ++m) {
            QVERIFY(qAbs(krzywe[k][m].x() - (zero.x() + m * metr)) < 0.06);
            QVERIFY2(qAbs(krzywe[k][m].y() - (zero.y() - (katy[m] - 67) * stopien)) < 0.06,
                     qPrintable(QStringLiteral("klasa %1, %2 m").arg(k).arg(m)));
        }
    }
}

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
