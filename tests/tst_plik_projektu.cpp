#include "pliki/BladSystemu.h"
#include "pliki/KopiaZapisu.h"
#include "pliki/NazwaPliku.h"
#include "pliki/ZapisPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/ModelProjektu.h"
#include "project/PlikProjektu.h"
#include "project/WynikiProjektu.h"
#include "tests/Strumien.h"

#include <QtTest>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace kerwano;

namespace {

// Takes `miejsce` bytes in all; a write that finds no room returns `odpowiedz`.
class Ograniczone : public QIODevice
{
public:
    Ograniczone(qint64 miejsce, qint64 odpowiedz) : m_miejsce(miejsce), m_odpowiedz(odpowiedz)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    QByteArray m_zapisane;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *dane, qint64 ile) override
    {
        const qint64 n = qMin(ile, m_miejsce - m_zapisane.size());
        if (n <= 0)
            return m_odpowiedz;
        m_zapisane.append(dane, n);
        return n;
    }

private:
    qint64 m_miejsce;
    qint64 m_odpowiedz;
};

// A new project whose data were confirmed once: the start-up values.
Projekt Startowy()
{
    Projekt p;
    p.wymiary = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
    p.dane[1] = QStringLiteral("7.12.2026");
    return p;
}

Projekt ZElementami(int n)
{
    Projekt p = Startowy();
    for (int i = 1; i <= n; ++i)
        p.elementy.append(
            {QStringLiteral("Maszt %1").arg(i),
             QStringLiteral(u"Układ A, układ 1, powietrze, H = %1,00, L = 2,00").arg(i)});
    return p;
}

// A project no successful read could give, to see that a failed one leaves it.
Projekt Straznik()
{
    Projekt p;
    p.wybory.fill(-7);
    p.dane[0] = QStringLiteral("nie ruszać");
    p.elementy.append({QStringLiteral("stary"), QStringLiteral("stary")});
    return p;
}

void PorownajProjekty(const Projekt &a, const Projekt &b)
{
    QCOMPARE(a.wybory, b.wybory);
    QCOMPARE(a.wymiary, b.wymiary);
    QCOMPARE(a.dane, b.dane);
    QCOMPARE(a.elementy.size(), b.elementy.size());
    for (qsizetype i = 0; i < a.elementy.size(); ++i) {
        QCOMPARE(a.elementy[i].nazwa, b.elementy[i].nazwa);
        QCOMPARE(a.elementy[i].parametry, b.elementy[i].parametry);
    }
}

// Reads `plik` as a file (random access) and as a pipe; both must agree.
QString CzytajObiema(const QByteArray &plik, Projekt &projekt)
{
    Projekt zPotoku = projekt;
    Strumien potok(plik, 7);
    const QString bladPotoku = OdczytajProjekt(potok, zPotoku);
    QBuffer bufor;
    bufor.setData(plik);
    bufor.open(QIODevice::ReadOnly);
    const QString blad = OdczytajProjekt(bufor, projekt);
    if (blad != bladPotoku)
        return QStringLiteral("file: %1, pipe: %2").arg(blad, bladPotoku);
    return blad;
}

QByteArray Zmieniony(QByteArray plik, int offset, const QByteArray &bajty)
{
    plik.replace(offset, bajty.size(), bajty);
    return plik;
}

// A stored text: its length byte, then its characters ("\263" is 'ł').
QByteArray Tekst(const QByteArray &znaki)
{
    return char(znaki.size()) + znaki;
}

QByteArray Liczba(qint32 x)
{
    QByteArray b(4, '\0');
    qToLittleEndian(x, b.data());
    return b;
}

QByteArray Czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

bool Zapisz(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}

const QString KONIEC = QStringLiteral("Read beyond end of file");
const QString UJEMNA_LICZBA =
    QStringLiteral("Plik projektu jest uszkodzony (ujemna liczba elementów)");
const QString ZLA_DLUGOSC =
    QStringLiteral("Plik projektu jest uszkodzony (niepoprawna długość tekstu)");
const QString ZA_DUZO =
    QStringLiteral("Plik projektu jest uszkodzony (ponad 10000 elementów dachu)");
const QString NIE_ZWYKLY = QStringLiteral("To nie jest zwykły plik");
const QString ODMOWA = QStringLiteral("File access denied");

// The users of the shared office: spare ids no account uses.
constexpr uid_t ALICJA = 64001, BOB = 64002, KAROL = 64003;
constexpr gid_t GRUPA = 64010; // alice's and bob's group

// Every extended attribute of a file (its ACL included), name to value.
QMap<QByteArray, QByteArray> Atrybuty(const QByteArray &plik)
{
    QMap<QByteArray, QByteArray> wynik;
    QByteArray nazwy(65536, '\0');
    const ssize_t n = ::llistxattr(plik.constData(), nazwy.data(), size_t(nazwy.size()));
    nazwy.resize(qMax<ssize_t>(n, 0));
    for (const QByteArray &nazwa : nazwy.split('\0')) {
        if (nazwa.isEmpty())
            continue;
        QByteArray wartosc(65536, '\0');
        const ssize_t m = ::lgetxattr(plik.constData(), nazwa.constData(), wartosc.data(),
                                      size_t(wartosc.size()));
        wynik.insert(nazwa, wartosc.left(qMax<ssize_t>(m, 0)));
    }
    return wynik;
}

} // namespace

class TstPlikProjektu : public QObject
{
    Q_OBJECT

private slots:
    void nowyProjekt();
    void liczby_data();
    void liczby();
    void teksty_data();
    void teksty();
    void stronaKodowa_data();
    void stronaKodowa();
    void wszystkieBajtyWracaja();
    void rekordy();
    void zapisIOdczyt_data();
    void zapisIOdczyt();
    void odczytPoprawny_data();
    void odczytPoprawny();
    void odczytBledny_data();
    void odczytBledny();
    void kazdeObciecie();
    void ogromnaLiczbaElementow();
    void bledyPlikow_data();
    void bledyPlikow();
    void nazwyPlikow_data();
    void nazwyPlikow();
    void wrogieMiejsca_data();
    void wrogieMiejsca();
    void zapisPodmieniaPlik();
    void krotkiZapis_data();
    void krotkiZapis();
    void pelnyDysk_data();
    void pelnyDysk();
    void bezPrawDostepu();
    void celeZapisu_data();
    void celeZapisu();
    void zdanieBledu();
};

void TstPlikProjektu::nowyProjekt()
{
    const QByteArray b = ZakodujProjekt(Startowy());
    QCOMPARE(b.size(), 684);
    QCOMPARE(b.left(48), QByteArray(48, '\0'));
    for (int offset : {48, 69, 90}) {
        QCOMPARE(b.at(offset), '\x01');
        QCOMPARE(b.at(offset + 1), '1');
        QCOMPARE(b.mid(offset + 2, 19), QByteArray(19, '\0'));
    }
    QCOMPARE(b.at(111), '\0');
    QCOMPARE(b.mid(112, 4), QByteArray(4, '\0'));
    QCOMPARE(b.at(116), '\0');
    QCOMPARE(b.mid(142, 10), Tekst("7.12.2026"));
    QCOMPARE(b.at(679), '\0');
    QCOMPARE(b.mid(680, 4), QByteArray(4, '\0'));
}

void TstPlikProjektu::liczby_data()
{
    QTest::addColumn<int>("lista");
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<int>("offset");

    for (int i = 0; i < 12; ++i)
        QTest::addRow("ComboBox%d", i + 1) << i << 0x04030201 + i << 4 * i;
    QTest::newRow("ComboBox13 after the dimensions") << 12 << 3 << 112;
    QTest::newRow("negative index") << 12 << -1 << 112;
}

void TstPlikProjektu::liczby()
{
    QFETCH(int, lista);
    QFETCH(int, wartosc);
    QFETCH(int, offset);

    Projekt p = Startowy();
    p.wybory[lista] = wartosc;
    QByteArray oczekiwany = ZakodujProjekt(Startowy());
    oczekiwany.replace(offset, 4, Liczba(wartosc));
    QCOMPARE(ZakodujProjekt(p), oczekiwany);
}

void TstPlikProjektu::teksty_data()
{
    QTest::addColumn<int>("pole"); // 0-2 dimensions, 3-8 project data
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bajty");

    QTest::newRow("dimension as typed") << 0 << "12,50" << 48 << Tekst("12,50");
    QTest::newRow("height") << 2 << "7" << 90 << Tekst("7");
    QTest::newRow("length cut to 20")
        << 0 << QString(25, u'9') << 48 << (QByteArray(1, 20) + QByteArray(20, '9') + '\x01');
    QTest::newRow("project number cut to 25")
        << 3 << QString(30, u'N') << 116 << (QByteArray(1, 25) + QByteArray(25, 'N') + '\x09');
    QTest::newRow("designer line of 150 cut to 128")
        << 5 << QString(150, u'p') << 163 << (QByteArray(1, '\x80') + QByteArray(128, 'p') + '\0');
    QTest::newRow("client cut to 128, then the pad")
        << 8 << QString(129, u'z') << 550
        << (QByteArray(1, '\x80') + QByteArray(128, 'z') + QByteArray(5, '\0'));
    QTest::newRow("cut by characters, not bytes")
        << 4 << QString(10, u'ł') + QString(15, u'ż') << 142
        << (QByteArray(1, 20) + QByteArray(10, '\xB3') + QByteArray(10, '\xBF') + '\0');
    QTest::newRow("characters after the text are zero")
        << 6 << "Hala" << 292 << (Tekst("Hala") + QByteArray(125, '\0') + '\0');
}

void TstPlikProjektu::teksty()
{
    QFETCH(int, pole);
    QFETCH(QString, tekst);
    QFETCH(int, offset);
    QFETCH(QByteArray, bajty);

    Projekt p = Startowy();
    (pole < 3 ? p.wymiary[pole] : p.dane[pole - 3]) = tekst;
    const QByteArray plik = ZakodujProjekt(p);
    QCOMPARE(plik.size(), 684);
    QCOMPARE(plik.mid(offset, bajty.size()), bajty);

    Projekt wczytany;
    QCOMPARE(CzytajObiema(plik, wczytany), QString());
    const QString zapamietany = pole < 3 ? wczytany.wymiary[pole] : wczytany.dane[pole - 3];
    QCOMPARE(zapamietany, tekst.left(uchar(bajty.at(0))));
}

void TstPlikProjektu::stronaKodowa_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("wczytany");

    const QString polskie = QStringLiteral(u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    QTest::newRow("Polish letters")
        << polskie
        << QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF")
        << polskie;
    QTest::newRow("euro sign and degree")
        << QStringLiteral(u"€°") << QByteArray("\x80\xB0") << QStringLiteral(u"€°");
    QTest::newRow("outside the code page")
        << QStringLiteral(u"a→жàb") << QByteArray("a???b") << QStringLiteral("a???b");
    QTest::newRow("a character beyond 16 bits is one character")
        << QStringLiteral(u"x\U0001F600y") << QByteArray("x?y") << QStringLiteral("x?y");
    QTest::newRow("lone surrogate") << (QStringLiteral("x") + QChar(0xD800) + u'y')
                                    << QByteArray("x?y") << QStringLiteral("x?y");
}

void TstPlikProjektu::stronaKodowa()
{
    QFETCH(QString, tekst);
    QFETCH(QByteArray, bajty);
    QFETCH(QString, wczytany);

    Projekt p = Startowy();
    p.dane[2] = tekst;
    const QByteArray plik = ZakodujProjekt(p);
    QCOMPARE(uchar(plik.at(163)), uchar(bajty.size()));
    QCOMPARE(plik.mid(164, bajty.size()), bajty);
    Projekt w;
    QCOMPARE(CzytajObiema(plik, w), QString());
    QCOMPARE(w.dane[2], wczytany);
}

// Every byte reads as the character Qt's Windows-1250 gives it and is written back as itself.
void TstPlikProjektu::wszystkieBajtyWracaja()
{
    QByteArray wszystkie(256, '\0');
    for (int b = 0; b < 256; ++b)
        wszystkie[b] = char(b);
    QStringDecoder dekoder("windows-1250");
    QVERIFY2(dekoder.isValid(), "Qt has no windows-1250");
    const QString znaki = dekoder.decode(wszystkie);
    QCOMPARE(znaki.size(), 256);

    Projekt p = Startowy();
    for (int b = 0; b < 256; b += 128) {
        p.dane[2] = znaki.mid(b, 128);
        const QByteArray plik = ZakodujProjekt(p);
        QCOMPARE(plik.mid(164, 128), wszystkie.mid(b, 128));
        Projekt w;
        QCOMPARE(CzytajObiema(plik, w), QString());
        QCOMPARE(w.dane[2], p.dane[2]);
    }
}

void TstPlikProjektu::rekordy()
{
    Projekt p = ZElementami(3);
    p.elementy[1] = {QString(45, u'n'), QStringLiteral(u"Układ B, ") + QString(100, u'x')};
    const QByteArray plik = ZakodujProjekt(p);
    QCOMPARE(plik.size(), 1098);
    QCOMPARE(plik.mid(680, 4), Liczba(3));
    const int drugi = 684 + 138;
    QCOMPARE(plik.mid(drugi, 42), QByteArray(1, 40) + QByteArray(40, 'n') + QByteArray(1, 96));
    QCOMPARE(plik.mid(drugi + 42, 9), QByteArray("Uk\263ad B, "));
    QCOMPARE(plik.mid(drugi + 138, 8), Tekst("Maszt 3"));
    QCOMPARE(plik.mid(684 + 41, 48),
             Tekst("Uk\263ad A, uk\263ad 1, powietrze, H = 1,00, L = 2,00"));
}

void TstPlikProjektu::zapisIOdczyt_data()
{
    QTest::addColumn<int>("elementy");
    QTest::addColumn<int>("wybor");
    QTest::addColumn<QString>("tekst");

    QTest::newRow("no elements") << 0 << 0 << QString();
    QTest::newRow("three elements, Polish data") << 3 << 2 << QStringLiteral(u"Łódź, ul. Żółta 5");
    QTest::newRow("indices outside the lists") << 1 << 99 << QStringLiteral("x");
    QTest::newRow("negative index") << 2 << -1 << QStringLiteral("12,5");
    QTest::newRow("longest texts") << 5 << INT_MAX - 1 << QString(128, u'Ś');
}

void TstPlikProjektu::zapisIOdczyt()
{
    QFETCH(int, elementy);
    QFETCH(int, wybor);
    QFETCH(QString, tekst);

    Projekt p = ZElementami(elementy);
    for (int i = 0; i < 13; ++i)
        p.wybory[i] = wybor + i % 2;
    p.wymiary[1] = tekst.left(20);
    const int pojemnosci[6] = {25, 20, 128, 128, 128, 128};
    for (int i = 0; i < 6; ++i)
        p.dane[i] = tekst.left(pojemnosci[i]);
    if (elementy > 0)
        p.elementy.last() = {tekst.left(40), tekst.left(96)};

    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("projekt.kwp"));
    QCOMPARE(ZapiszPlikProjektu(sciezka, p), QString());
    QCOMPARE(Czytaj(sciezka), ZakodujProjekt(p));
    Projekt w = Straznik();
    QCOMPARE(CzytajPlikProjektu(sciezka, w), QString());
    PorownajProjekty(w, p);
}

void TstPlikProjektu::odczytPoprawny_data()
{
    QTest::addColumn<QByteArray>("plik");
    QTest::addColumn<int>("elementy");

    const QByteArray jeden = ZakodujProjekt(ZElementami(1));
    QTest::newRow("684 + 138 announcing one") << jeden << 1;
    QTest::newRow("bytes after the records ignored") << jeden + QByteArray(50, '\xFF') << 1;
    QTest::newRow("a whole record too many ignored") << jeden + jeden.right(138) << 1;
    QTest::newRow("as many elements as allowed")
        << ZakodujProjekt(ZElementami(MAKS_LICZBA_ELEMENTOW)) << MAKS_LICZBA_ELEMENTOW;
    QTest::newRow("length bytes at capacity")
        << Zmieniony(Zmieniony(jeden, 48, QByteArray(1, 20)), 684 + 41, QByteArray(1, 96)) << 1;
    QTest::newRow("pad and tail bytes not read")
        << Zmieniony(Zmieniony(jeden, 111, "\xFF"), 679, "\xFF") + "junk" << 1;
}

void TstPlikProjektu::odczytPoprawny()
{
    QFETCH(QByteArray, plik);
    QFETCH(int, elementy);

    Projekt w;
    QCOMPARE(CzytajObiema(plik, w), QString());
    QCOMPARE(w.elementy.size(), elementy);
    QCOMPARE(w.elementy[0].nazwa, QStringLiteral("Maszt 1"));
    QBuffer bufor(&plik);
    bufor.open(QIODevice::ReadOnly);
    QCOMPARE(OdczytajProjekt(bufor, w), QString());
    QCOMPARE(bufor.pos(), 684 + 138 * elementy);
}

void TstPlikProjektu::odczytBledny_data()
{
    QTest::addColumn<QByteArray>("plik");
    QTest::addColumn<QString>("blad");

    const QByteArray pusty = ZakodujProjekt(Startowy());
    const QByteArray dwa = ZakodujProjekt(ZElementami(2));
    QTest::newRow("empty file") << QByteArray() << KONIEC;
    QTest::newRow("700 bytes announcing one element")
        << Zmieniony(pusty, 680, Liczba(1)) + QByteArray(16, 'x') << KONIEC;
    QTest::newRow("length byte 255") << Zmieniony(pusty, 48, "\xFF") << ZLA_DLUGOSC;
    QTest::newRow("length byte 21 in a 20-field") << Zmieniony(pusty, 90, "\x15") << ZLA_DLUGOSC;
    QTest::newRow("length byte 26 in the number") << Zmieniony(pusty, 116, "\x1A") << ZLA_DLUGOSC;
    QTest::newRow("length byte 129 in the client") << Zmieniony(pusty, 550, "\x81") << ZLA_DLUGOSC;
    QTest::newRow("name length 41 in the second record")
        << Zmieniony(dwa, 684 + 138, "\x29") << ZLA_DLUGOSC;
    QTest::newRow("parameter length 97") << Zmieniony(dwa, 684 + 41, "\x61") << ZLA_DLUGOSC;
    QTest::newRow("bad record in a file cut short: the first fault counts")
        << Zmieniony(Zmieniony(dwa, 680, Liczba(3)), 684 + 138, "\x29") << ZLA_DLUGOSC;
    QTest::newRow("count -1") << Zmieniony(pusty, 680, Liczba(-1)) << UJEMNA_LICZBA;
    QTest::newRow("count INT_MIN") << Zmieniony(dwa, 680, Liczba(INT_MIN)) << UJEMNA_LICZBA;
    QTest::newRow("count 2^31-1") << Zmieniony(dwa, 680, Liczba(INT_MAX)) << ZA_DUZO;
    QTest::newRow("one element above the limit")
        << Zmieniony(dwa, 680, Liczba(MAKS_LICZBA_ELEMENTOW + 1)) << ZA_DUZO;
}

void TstPlikProjektu::odczytBledny()
{
    QFETCH(QByteArray, plik);
    QFETCH(QString, blad);

    Projekt w = Straznik();
    QCOMPARE(CzytajObiema(plik, w), blad);
    PorownajProjekty(w, Straznik());
}

void TstPlikProjektu::kazdeObciecie()
{
    const QByteArray plik = ZakodujProjekt(ZElementami(2));
    QCOMPARE(plik.size(), 960);
    for (int dlugosc = 0; dlugosc < plik.size(); ++dlugosc) {
        Projekt w = Straznik();
        const QString blad = CzytajObiema(plik.left(dlugosc), w);
        if (blad != KONIEC)
            QFAIL(qPrintable(QStringLiteral("%1 bytes: %2").arg(dlugosc).arg(blad)));
        PorownajProjekty(w, Straznik());
    }
}

// The largest count on a pipe reads only the bytes that are there, one record at a time.
void TstPlikProjektu::ogromnaLiczbaElementow()
{
    const QByteArray plik =
        Zmieniony(ZakodujProjekt(ZElementami(2)), 680, Liczba(MAKS_LICZBA_ELEMENTOW));
    QElapsedTimer zegar;
    zegar.start();
    Strumien potok(plik, 1 << 20);
    Projekt w;
    QCOMPARE(OdczytajProjekt(potok, w), KONIEC);
    QCOMPARE(potok.m_wydano, plik.size());
    QVERIFY(zegar.elapsed() < 1000);
    Strumien zepsuty(plik, -1);
    QCOMPARE(OdczytajProjekt(zepsuty, w), QStringLiteral("I/O error 5"));
}

void TstPlikProjektu::bledyPlikow_data()
{
    QTest::addColumn<QString>("sciezka"); // under a temporary folder holding "plik"
    QTest::addColumn<QString>("odczyt");
    QTest::addColumn<QString>("zapis");

    const QString nieznaleziony = QStringLiteral("File not found");
    const QString zlaNazwa = QStringLiteral("Invalid filename");
    QTest::newRow("missing file") << "brak.kwp" << nieznaleziony << QString();
    QTest::newRow("missing folder") << "brak/p.kwp" << nieznaleziony << nieznaleziony;
    QTest::newRow("folder is a file") << "plik/p.kwp" << nieznaleziony << nieznaleziony;
    QTest::newRow("a folder") << "."
                              << "I/O error 21"
                              << "I/O error 21";
    QTest::newRow("name too long") << QString(300, u'a') << zlaNazwa << zlaNazwa;
    QTest::newRow("path of 5000 bytes")
        << (QString(199, u'a') + u'/').repeated(25) + QStringLiteral("p.kwp") << zlaNazwa
        << zlaNazwa;
    QTest::newRow("empty name") << "" << zlaNazwa << zlaNazwa;
}

void TstPlikProjektu::bledyPlikow()
{
    QFETCH(QString, sciezka);
    QFETCH(QString, odczyt);
    QFETCH(QString, zapis);

    QTemporaryDir katalog;
    QVERIFY(Zapisz(katalog.filePath(QStringLiteral("plik")), "x"));
    const QString pelna = sciezka.isEmpty() ? sciezka : katalog.filePath(sciezka);
    Projekt w = Straznik();
    QCOMPARE(CzytajPlikProjektu(pelna, w), odczyt);
    PorownajProjekty(w, Straznik());
    QCOMPARE(ZapiszPlikProjektu(pelna, Startowy()), zapis);
    QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden).size(),
             1 + int(zapis.isEmpty()));
}

void TstPlikProjektu::nazwyPlikow_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("czytelna");

    auto znaki = [](std::initializer_list<char16_t> z) {
        QString s;
        for (char16_t c : z)
            s += QChar(c);
        return s;
    };
    const char16_t zly = QChar::ReplacementCharacter;
    QTest::newRow("UTF-8") << QByteArray("\xC5\x81\xC3\xB3"
                                         "d\xC5\xBA.kwp")
                           << u"Łódź.kwp"_qs << u"Łódź.kwp"_qs;
    QTest::newRow("a character beyond 16 bits")
        << QByteArray("\xF0\x9F\x98\x80") << u"\U0001F600"_qs << u"\U0001F600"_qs;
    QTest::newRow("ISO-8859-2 letters")
        << QByteArray("\xB3\xF3"
                      "d\xBC")
        << znaki({0xDCB3, 0xDCF3, u'd', 0xDCBC}) << znaki({zly, zly, u'd', zly});
    QTest::newRow("overlong slash")
        << QByteArray("\xC0\xAF") << znaki({0xDCC0, 0xDCAF}) << znaki({zly, zly});
    QTest::newRow("UTF-8 of an escape is not the escape")
        << QByteArray("\xED\xB2\xB3") << znaki({0xDCED, 0xDCB2, 0xDCB3}) << znaki({zly, zly, zly});
    QTest::newRow("cut sequence") << QByteArray("a\xE2\x82") << znaki({u'a', 0xDCE2, 0xDC82})
                                  << znaki({u'a', zly, zly});
    QTest::newRow("above U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << znaki({0xDCF4, 0xDC90, 0xDC80, 0xDC80})
        << znaki({zly, zly, zly, zly});
}

// Bytes -> name -> the same bytes, for every name; valid UTF-8 as Qt reads it.
void TstPlikProjektu::nazwyPlikow()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, nazwa);
    QFETCH(QString, czytelna);

    QCOMPARE(DekodujNazwePliku(bajty), nazwa);
    QCOMPARE(KodujNazwePliku(nazwa), bajty);
    QCOMPARE(CzytelnaNazwaPliku(nazwa), czytelna);
    if (czytelna == nazwa)
        QCOMPARE(QFile::decodeName(bajty), nazwa);
}

void TstPlikProjektu::wrogieMiejsca_data()
{
    QTest::addColumn<QByteArray>("nazwa"); // in a temporary folder
    QTest::addColumn<QString>("rodzaj");   // what stands there first
    QTest::addColumn<QString>("odczyt");   // the load's error; "" a clean load
    QTest::addColumn<QString>("zapis");    // the save's error; "" the project written there

    const QByteArray x = "x.kwp";
    const QString nic;
    const QString zlaNazwa = QStringLiteral("Invalid filename");
    QTest::newRow("folder named x.kwp") << x << "katalog"
                                        << "I/O error 21"
                                        << "I/O error 21";
    QTest::newRow("FIFO") << x << "potok" << NIE_ZWYKLY << NIE_ZWYKLY;
    QTest::newRow("link to /dev/zero") << x << "dev_zero" << NIE_ZWYKLY << NIE_ZWYKLY;
    QTest::newRow("2 GiB sparse file announcing 15.5 million elements")
        << x << "rzadki_ogromny" << ZA_DUZO << nic;
    QTest::newRow("2 GiB sparse file announcing one element") << x << "rzadki" << nic << nic;
    QTest::newRow("link to a project") << x << "dowiazanie" << nic << nic;
    QTest::newRow("ISO-8859-2 name")
        << QByteArray("projekt \xB3\xB1ka.kwp") << "projekt" << nic << nic;
    QTest::newRow("name of 255 bytes") << QByteArray(251, 'n') + ".kwp"
                                       << "projekt" << nic << nic;
    QTest::newRow("name of 254 bytes, Polish letters") << QString(125, u'ł').toUtf8() + ".kwp"
                                                       << "projekt" << nic << nic;
    QTest::newRow("name of 256 bytes") << QByteArray(252, 'n') + ".kwp"
                                       << "" << zlaNazwa << zlaNazwa;
}

// Each ends at once in a clear error or a clean load, and a save that fails
// leaves what stood there as it was, with no file of its own left behind.
void TstPlikProjektu::wrogieMiejsca()
{
    QFETCH(QByteArray, nazwa);
    QFETCH(QString, rodzaj);
    QFETCH(QString, odczyt);
    QFETCH(QString, zapis);

    QTemporaryDir katalog;
    const QByteArray folder = QFile::encodeName(katalog.path()) + '/';
    const QByteArray pelna = folder + nazwa;
    const QByteArray cel = folder + "cel.kwp"; // what a link names
    // Before the folder goes: Qt cannot name a file that is not UTF-8.
    const auto sprzatnij = qScopeGuard([&] { ::unlink(pelna.constData()); });
    const QByteArray stary = ZakodujProjekt(ZElementami(1));
    auto zapiszBajty = [](const QByteArray &p, const QByteArray &dane, qint64 rozmiar) {
        const int d = ::open(p.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        const bool ok = d >= 0 &&
                        ::write(d, dane.constData(), size_t(dane.size())) == dane.size() &&
                        ::ftruncate(d, qMax(rozmiar, qint64(dane.size()))) == 0;
        if (d >= 0)
            ::close(d);
        return ok;
    };
    if (rodzaj == "katalog")
        QCOMPARE(::mkdir(pelna.constData(), 0755), 0);
    else if (rodzaj == "potok")
        QCOMPARE(::mkfifo(pelna.constData(), 0644), 0);
    else if (rodzaj == "dev_zero")
        QCOMPARE(::symlink("/dev/zero", pelna.constData()), 0);
    else if (rodzaj == "rzadki_ogromny")
        QVERIFY(zapiszBajty(pelna, Zmieniony(stary, 680, Liczba(15'500'000)), 2LL << 30));
    else if (rodzaj == "rzadki")
        QVERIFY(zapiszBajty(pelna, stary, 2LL << 30));
    else if (rodzaj == "projekt")
        QVERIFY(zapiszBajty(pelna, stary, 0));
    else if (rodzaj == "dowiazanie")
        QVERIFY(zapiszBajty(cel, stary, 0) && ::symlink("cel.kwp", pelna.constData()) == 0);
    struct stat przed = {};
    ::lstat(pelna.constData(), &przed);
    const int wpisow =
        QDir(katalog.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .size();

    const QString sciezka = DekodujNazwePliku(pelna);
    QCOMPARE(ZwyklyPlik(sciezka), odczyt.isEmpty() || odczyt == ZA_DUZO);
    Projekt w = Straznik();
    QCOMPARE(CzytajPlikProjektu(sciezka, w), odczyt);
    if (odczyt.isEmpty())
        QCOMPARE(w.elementy.size(), 1);
    else
        PorownajProjekty(w, Straznik());

    QCOMPARE(ZapiszPlikProjektu(sciezka, Startowy()), zapis);
    struct stat po = {};
    ::lstat(pelna.constData(), &po);
    QCOMPARE(po.st_mode & S_IFMT, przed.st_mode & S_IFMT);
    if (zapis.isEmpty()) {
        QCOMPARE(CzytajPlikProjektu(sciezka, w), QString());
        PorownajProjekty(w, Startowy());
        if (rodzaj == "dowiazanie")
            QCOMPARE(Czytaj(DekodujNazwePliku(cel)), ZakodujProjekt(Startowy()));
    } else if (przed.st_size > 0) {
        QCOMPARE(po.st_ino, przed.st_ino);
        QCOMPARE(po.st_size, przed.st_size);
    }
    QCOMPARE(QDir(katalog.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .size(),
             wpisow + int(zapis.isEmpty() && !przed.st_mode));
}

void TstPlikProjektu::zapisPodmieniaPlik()
{
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("p.kwp"));
    QVERIFY(Zapisz(sciezka, ZakodujProjekt(ZElementami(5))));
    QCOMPARE(ZapiszPlikProjektu(sciezka, Startowy()), QString());
    QCOMPARE(Czytaj(sciezka), ZakodujProjekt(Startowy()));
    QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("p.kwp")});
}

void TstPlikProjektu::krotkiZapis_data()
{
    QTest::addColumn<int>("elementy");
    QTest::addColumn<qint64>("miejsce");
    QTest::addColumn<qint64>("odpowiedz");
    QTest::addColumn<QString>("blad");

    QTest::newRow("room for all") << 3 << qint64(1098) << qint64(-1) << QString();
    QTest::newRow("short count") << 3 << qint64(1000) << qint64(-1) << QStringLiteral("Disk full");
    QTest::newRow("nothing taken") << 3 << qint64(0) << qint64(0) << QStringLiteral("Disk full");
    QTest::newRow("write fails") << 3 << qint64(0) << qint64(-1) << QStringLiteral("I/O error 5");
    QTest::newRow("more elements than a file may hold")
        << MAKS_LICZBA_ELEMENTOW + 1 << (qint64(1) << 30) << qint64(-1)
        << QStringLiteral("Projekt ma ponad 10000 elementów dachu; nie można go zapisać");
}

void TstPlikProjektu::krotkiZapis()
{
    QFETCH(int, elementy);
    QFETCH(qint64, miejsce);
    QFETCH(qint64, odpowiedz);
    QFETCH(QString, blad);

    Ograniczone cel(miejsce, odpowiedz);
    QCOMPARE(ZapiszProjektDoUrzadzenia(cel, ZElementami(elementy)), blad);
    if (blad.isEmpty())
        QCOMPARE(cel.m_zapisane, ZakodujProjekt(ZElementami(elementy)));
    else if (elementy > MAKS_LICZBA_ELEMENTOW)
        QCOMPARE(cel.m_zapisane, QByteArray());
}

void TstPlikProjektu::pelnyDysk_data()
{
    QTest::addColumn<int>("wolneStrony");
    QTest::addColumn<int>("elementy");
    QTest::addColumn<bool>("tylkoDoOdczytu");
    QTest::addColumn<QString>("blad");

    QTest::newRow("no room at all") << 0 << 3 << false << QStringLiteral("Disk full");
    QTest::newRow("room for part of it") << 1 << 40 << false << QStringLiteral("Disk full");
    QTest::newRow("read-only file system")
        << 2 << 1 << true << QStringLiteral("File access denied");
    QTest::newRow("room enough") << 2 << 40 << false << QString();
}

// On a tiny file system of its own (needs the right to mount one).
void TstPlikProjektu::pelnyDysk()
{
    QFETCH(int, wolneStrony);
    QFETCH(int, elementy);
    QFETCH(bool, tylkoDoOdczytu);
    QFETCH(QString, blad);

    QTemporaryDir katalog;
    const QString punkt = katalog.path();
    QProcess mount;
    mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=16k", "tmpfs", punkt});
    if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit ||
        mount.exitCode() != 0)
        QSKIP("cannot mount a tmpfs here");
    const auto odmontuj = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), punkt});
    });

    const QString sciezka = punkt + QStringLiteral("/projekt.kwp");
    const QByteArray stary = ZakodujProjekt(ZElementami(2));
    QVERIFY(Zapisz(sciezka, stary));
    QFile zapchaj(punkt + QStringLiteral("/zapchaj"));
    QVERIFY(zapchaj.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray strona(4096, 'z');
    while (zapchaj.write(strona) == strona.size()) {
    }
    QVERIFY(zapchaj.resize((zapchaj.size() / 4096 - wolneStrony) * 4096));
    zapchaj.close();
    if (tylkoDoOdczytu)
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", punkt}), 0);

    const Projekt nowy = ZElementami(elementy);
    QCOMPARE(ZapiszPlikProjektu(sciezka, nowy), blad);
    QCOMPARE(Czytaj(sciezka), blad.isEmpty() ? ZakodujProjekt(nowy) : stary);
    QCOMPARE(QDir(punkt).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("projekt.kwp"), QStringLiteral("zapchaj")}));
}

// A read-only folder and an unreadable file. Root may do anything, so as
// root the checks run with the effective id of nobody.
void TstPlikProjektu::bezPrawDostepu()
{
    const bool root = geteuid() == 0;
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("p.kwp"));
    const QByteArray stary = ZakodujProjekt(ZElementami(1));
    QVERIFY(Zapisz(sciezka, stary));
    QFile::setPermissions(katalog.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(sciezka, QFile::WriteOwner);
    if (root && ::seteuid(65534) != 0)
        QSKIP("cannot act as nobody");
    const auto przywroc = qScopeGuard([&] {
        if (root && ::seteuid(0) != 0)
            qFatal("cannot become root again");
        QFile::setPermissions(katalog.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QCOMPARE(ZapiszPlikProjektu(sciezka, Startowy()), QStringLiteral("File access denied"));
    Projekt w = Straznik();
    QCOMPARE(CzytajPlikProjektu(sciezka, w), QStringLiteral("File access denied"));
    PorownajProjekty(w, Straznik());
    if (root)
        QCOMPARE(::seteuid(0), 0);
    QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QFile::setPermissions(sciezka, QFile::ReadOwner);
    QCOMPARE(Czytaj(sciezka), stary);
}

void TstPlikProjektu::celeZapisu_data()
{
    QTest::addColumn<QString>("rodzaj"); // what stands at f/a.kwp before bob saves there
    QTest::addColumn<int>("tryb");       // the project's mode, where the kind leaves it open
    QTest::addColumn<int>("etap");       // the step of the save cut short (EtapZapisu), or -1
    QTest::addColumn<QString>("sposob"); // how: a failure, the save killed, EINTR, EBUSY
    QTest::addColumn<int>("umaska");
    QTest::addColumn<QString>("blad"); // the save's error, or a part of it

    const int brak = -1, tresc = int(EtapZapisu::Tresc), podmiana = int(EtapZapisu::Podmiana),
              kopia = int(EtapZapisu::Kopia), oznaczenie = int(EtapZapisu::Oznaczenie),
              nadpisanie = int(EtapZapisu::Nadpisanie),
              przywracanie = int(EtapZapisu::Przywracanie), usuniecie = int(EtapZapisu::Usuniecie);
    const QString nic;
    auto wiersz = [&](const char *nazwa, const char *rodzaj, int tryb, int etap, const char *sposob,
                      int umaska, const QString &blad) {
        QTest::newRow(nazwa) << QString::fromLatin1(rodzaj) << tryb << etap
                             << QString::fromLatin1(sposob) << umaska << blad;
    };
    wiersz("alice's file shared through the group", "grupa", 0660, brak, "", 022, nic);
    wiersz("bob's own file at 0444", "0444", 0, brak, "", 022, ODMOWA);
    wiersz("root's 0644 file in bob's folder", "root", 0, brak, "", 022, ODMOWA);
    wiersz("hard link", "twarde", 0644, brak, "", 022, nic);
    wiersz("ACL user:carol:r--, group::r--", "acl", 0, brak, "", 022, nic);
    wiersz("extended attribute user.*", "xattr", 0, brak, "", 022, nic);
    wiersz("link to a project", "dowiazanie", 0, brak, "", 022, nic);
    wiersz("dangling link", "martwe", 0, brak, "", 022, nic);
    wiersz("writable file in a read-only folder", "folder", 0, brak, "", 022, nic);
    wiersz("in-place write fails, old contents put back", "folder", 0, nadpisanie, "blad", 022,
           QStringLiteral("Disk full"));
    wiersz("in-place write and putting back fail", "folder", 0, przywracanie, "blad", 022,
           QStringLiteral("Disk full; poprzednia treść pliku jest cała w pliku "));
    // Temporary files and copies never wider than the project.
    wiersz("0600 hard link, umask 000", "twarde", 0600, brak, "", 0, nic);
    wiersz("0640 group hard link, umask 000", "twarde", 0640, brak, "", 0, nic);
    wiersz("0640 group hard link, umask 077", "twarde", 0640, brak, "", 077, nic);
    wiersz("alice's 0660 group file, umask 000", "grupa", 0660, brak, "", 0, nic);
    // Killed at each step: whole old, whole new, or marked with a whole copy.
    wiersz("killed writing the new contents", "wlasny", 0644, tresc, "zabij", 022, nic);
    wiersz("killed at the rename", "wlasny", 0644, podmiana, "zabij", 022, nic);
    wiersz("killed copying the old contents", "grupa", 0660, kopia, "zabij", 022, nic);
    wiersz("killed naming the copy", "grupa", 0660, oznaczenie, "zabij", 022, nic);
    wiersz("killed in the overwrite", "grupa", 0660, nadpisanie, "zabij", 022, nic);
    wiersz("killed putting back", "twarde", 0600, przywracanie, "zabij", 022, nic);
    wiersz("killed removing the copy", "grupa", 0660, usuniecie, "zabij", 022, nic);
    wiersz("read-only folder, killed in the overwrite", "folder", 0, nadpisanie, "zabij", 022, nic);
    wiersz("hard link, copy of the old contents fails", "twarde", 0644, kopia, "blad", 022,
           QStringLiteral("Disk full"));
    // Fallbacks.
    wiersz("EINTR at the rename", "wlasny", 0644, podmiana, "eintr", 022, nic);
    wiersz("EINTR in the overwrite", "grupa", 0660, nadpisanie, "eintr", 022, nic);
    wiersz("EINTR naming the copy", "grupa", 0660, oznaczenie, "eintr", 022, nic);
    wiersz("EBUSY at the rename: written in place", "wlasny", 0644, podmiana, "ebusy", 022, nic);
    wiersz("TMPDIR missing, read-only folder: /tmp", "folder", 0, brak, "bez_tmpdir", 022, nic);
    // Links in a shared sticky folder.
    wiersz("carol's link in the sticky folder", "obce_dowiazanie", 0, brak, "", 022,
           QStringLiteral(" jest dowiązaniem innego użytkownika we wspólnym folderze"));
    wiersz("bob's own link in the sticky folder", "wlasne_dowiazanie", 0, brak, "", 022, nic);
}

namespace {

// The step of the save the child cuts short, and how.
int g_etap = -1;
QByteArray g_sposob;
int g_bloki = 0;
// What the child found wider than the project while it saved.
QByteArray g_naruszenia;
QList<QByteArray> g_foldery;
struct stat g_projekt = {};

// Every file of the save in the folders watched: none may let anyone in
// whom the project does not.
void SprawdzTryby()
{
    for (const QByteArray &folder : std::as_const(g_foldery)) {
        const QStringList wpisy =
            QDir(QFile::decodeName(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &wpis : wpisy) {
            if (!wpis.startsWith(QStringLiteral(".kwp-")) &&
                !wpis.endsWith(QStringLiteral(".kopia")))
                continue;
            struct stat st;
            const QByteArray p = folder + '/' + QFile::encodeName(wpis);
            if (::lstat(p.constData(), &st) != 0)
                continue;
            const mode_t dozwolone =
                g_projekt.st_mode & (st.st_gid == g_projekt.st_gid ? 0077 : 0007);
            if ((st.st_mode & 0077 & ~dozwolone) != 0)
                g_naruszenia += p + ' ' + QByteArray::number(st.st_mode & 07777, 8) + '\n';
        }
    }
}

int Awaria(EtapZapisu etap)
{
    SprawdzTryby();
    // Putting back is reached by a failure of the overwrite's second block.
    const bool przez_blad = g_etap == int(EtapZapisu::Przywracanie);
    if (przez_blad && etap == EtapZapisu::Nadpisanie)
        return ++g_bloki == 2 ? ENOSPC : 0;
    if (int(etap) != g_etap)
        return 0;
    // The overwrite is cut in its second block, so that the file is half written.
    if (etap == EtapZapisu::Nadpisanie && ++g_bloki != 2)
        return 0;
    if (g_sposob == "zabij")
        ::kill(::getpid(), SIGKILL);
    if (g_sposob == "eintr") {
        g_sposob = "eintr-juz";
        return EINTR;
    }
    if (g_sposob == "ebusy") {
        g_sposob.clear();
        return EBUSY;
    }
    return g_sposob == "blad" ? ENOSPC : 0;
}

// Runs `praca` in a child acting as bob (in alice's and bob's group, HOME
// `dom`, TMPDIR `tmp`, umask `umaska`): its exit status and what it returned.
QPair<int, QByteArray> JakoBob(const QByteArray &dom, const QByteArray &tmp, int umaska,
                               const std::function<QByteArray()> &praca)
{
    int rura[2];
    if (::pipe(rura) != 0)
        return {-1, QByteArray()};
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        ::close(rura[0]);
        const gid_t grupy[] = {GRUPA};
        if (::setgroups(1, grupy) != 0 || ::setresgid(BOB, BOB, BOB) != 0 ||
            ::setresuid(BOB, BOB, BOB) != 0)
            ::_exit(99);
        ::setenv("TMPDIR", tmp.constData(), 1);
        ::setenv("HOME", dom.constData(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::umask(mode_t(umaska));
        const QByteArray wynik = praca();
        const bool ok = ::write(rura[1], wynik.constData(), size_t(wynik.size())) == wynik.size();
        ::_exit(ok ? 0 : 98);
    }
    ::close(rura[1]);
    QByteArray wynik;
    char bufor[4096];
    for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) > 0;)
        wynik.append(bufor, n);
    ::close(rura[0]);
    int stan = 0;
    ::waitpid(dziecko, &stan, 0);
    return {stan, wynik};
}

} // namespace

// Bob, a second user, saves onto what others made: a file he may not write
// stays as it was; any other keeps its owner, group, mode, ACL, attributes,
// links and other names; no file of the save is ever wider than the project,
// and none is left behind. A save cut short leaves the project whole, old or
// new, or marked as not finished with its whole old contents beside it,
// which opening it tells.
void TstPlikProjektu::celeZapisu()
{
    QFETCH(QString, rodzaj);
    QFETCH(int, tryb);
    QFETCH(int, etap);
    QFETCH(QString, sposob);
    QFETCH(int, umaska);
    QFETCH(QString, blad);
    if (::geteuid() != 0)
        QSKIP("acting as a second user needs root");

    QTemporaryDir katalog;
    const QByteArray k = QFile::encodeName(katalog.path());
    const QByteArray f = k + "/f", tmp = k + "/tmp", a = f + "/a.kwp", cel = f + "/cel.kwp";
    const QByteArray dom = k + "/dom", odzysk = dom + "/.local/share/kerwano/odzysk";
    QCOMPARE(::chmod(k.constData(), 0755), 0);
    QCOMPARE(::mkdir(tmp.constData(), 01777) | ::chmod(tmp.constData(), 01777), 0);
    QCOMPARE(::mkdir(f.constData(), 0755), 0);
    QCOMPARE(::mkdir(dom.constData(), 0700) | ::chown(dom.constData(), BOB, BOB), 0);
    const QByteArray stary = ZakodujProjekt(ZElementami(1));
    const Projekt nowy = ZElementami(40); // more than one block
    auto plik = [&](const QByteArray &p, uid_t u, gid_t g, mode_t m) {
        QVERIFY(Zapisz(QFile::decodeName(p), stary));
        QCOMPARE(::chown(p.constData(), u, g) | ::chmod(p.constData(), m), 0);
    };
    QByteArray zapisywany = a, prawdziwy = a; // the name saved, the file it names
    if (rodzaj == "grupa") {
        QCOMPARE(::chown(f.constData(), ALICJA, GRUPA) | ::chmod(f.constData(), 0775), 0);
        plik(a, ALICJA, GRUPA, mode_t(tryb));
    } else if (rodzaj == "0444") {
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        plik(a, BOB, BOB, 0444);
    } else if (rodzaj == "root") {
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        plik(a, 0, 0, 0644);
    } else if (rodzaj == "twarde" || rodzaj == "wlasny") {
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        plik(a, BOB, (tryb & 070) ? GRUPA : BOB, mode_t(tryb));
        if (rodzaj == "twarde")
            QCOMPARE(::link(a.constData(), (f + "/b.kwp").constData()), 0);
    } else if (rodzaj == "acl") {
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        plik(a, BOB, BOB, 0640);
        const int setfacl = QProcess::execute(QStringLiteral("setfacl"),
                                              {QStringLiteral("-m"),
                                               QStringLiteral("u:%1:r--,g::r--,m::r--").arg(KAROL),
                                               QFile::decodeName(a)});
        if (setfacl != 0)
            QSKIP("setfacl (package acl) is missing or the file system has no ACLs");
    } else if (rodzaj == "xattr") {
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        plik(a, BOB, BOB, 0644);
        if (::setxattr(a.constData(), "user.kerwano", "projekt", 7, 0) != 0)
            QSKIP("the temporary folder's file system has no user attributes");
    } else if (rodzaj == "dowiazanie" || rodzaj == "martwe") {
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        if (rodzaj == "dowiazanie")
            plik(cel, BOB, BOB, 0640);
        QCOMPARE(::symlink("cel.kwp", a.constData()), 0);
        prawdziwy = cel;
    } else if (rodzaj == "obce_dowiazanie" || rodzaj == "wlasne_dowiazanie") {
        // A link in the shared sticky folder to bob's project.
        QCOMPARE(::chown(f.constData(), BOB, BOB), 0);
        plik(a, BOB, BOB, 0600);
        zapisywany = tmp + "/raport.kwp";
        QCOMPARE(::symlink(a.constData(), zapisywany.constData()), 0);
        const uid_t wlasciciel = rodzaj == "obce_dowiazanie" ? KAROL : BOB;
        QCOMPARE(::lchown(zapisywany.constData(), wlasciciel, wlasciciel), 0);
    } else if (rodzaj == "folder") {
        plik(a, BOB, BOB, 0644);
    }
    struct stat przed = {}, lprzed = {};
    const bool istnial = ::stat(prawdziwy.constData(), &przed) == 0;
    ::lstat(zapisywany.constData(), &lprzed);
    const QMap<QByteArray, QByteArray> atrybuty = Atrybuty(prawdziwy);
    auto wpisy = [](const QByteArray &folder) {
        return QDir(QFile::decodeName(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    const QStringList wF = wpisy(f), wTmp = wpisy(tmp);

    // Bob saves, the step chosen cut short; the files of the save watched.
    const QByteArray tmpdir = sposob == "bez_tmpdir" ? k + "/brak" : tmp;
    const QString nazwa = QFile::decodeName(zapisywany);
    const auto [stan, wynik] = JakoBob(dom, tmpdir, umaska, [&] {
        g_etap = etap;
        g_sposob = sposob.toLatin1();
        if (istnial) // a new file gets the mode of any file made there
            g_foldery = {f, tmp, odzysk};
        g_projekt = przed;
        UstawAwarieZapisu(Awaria);
        const QByteArray zapis = ZapiszPlikProjektu(nazwa, nowy).toUtf8();
        SprawdzTryby();
        return zapis + '\0' + g_naruszenia;
    });
    if (WIFEXITED(stan) && WEXITSTATUS(stan) == 99)
        QSKIP("cannot act as a second user here");
    const QByteArray zapisany = Czytaj(QFile::decodeName(zapisywany));
    if (sposob == "zabij") {
        QVERIFY(WIFSIGNALED(stan) && WTERMSIG(stan) == SIGKILL);
        // Opened again: what the save left, and what opening it says.
        const auto [s, co] = JakoBob(dom, tmp, umaska, [&] {
            Projekt zapisany_p;
            ModelProjektu model;
            return KopiaNiedokonczonegoZapisu(nazwa).toUtf8() + '\0' +
                   WczytajJakPoStarcie(nazwa, zapisany_p, model).toUtf8();
        });
        QCOMPARE(s, 0);
        const QString kopia = QString::fromUtf8(co.left(co.indexOf('\0')));
        const QString otwarcie = QString::fromUtf8(co.mid(co.indexOf('\0') + 1));
        const bool w_miejscu = rodzaj != "wlasny";
        const bool oznaczony = w_miejscu && etap >= int(EtapZapisu::Nadpisanie);
        QCOMPARE(!kopia.isEmpty(), oznaczony);
        if (oznaczony) {
            QCOMPARE(otwarcie, KomunikatNiedokonczonegoZapisu(nazwa, kopia));
            QCOMPARE(Czytaj(kopia), stary);
            QVERIFY(kopia.startsWith(QFile::decodeName(rodzaj == "folder" ? odzysk : f) + u'/'));
            struct stat ks;
            QCOMPARE(::stat(QFile::encodeName(kopia).constData(), &ks), 0);
            QCOMPARE(ks.st_gid, przed.st_gid); // the project's group reads it
            QCOMPARE(ks.st_mode & 0077, przed.st_mode & 0077);
            QCOMPARE(UsunKopie(kopia), QString());
        } else {
            QCOMPARE(otwarcie, QString());
            QCOMPARE(zapisany, stary);
        }
        // What the killed save left is cleared by the next save into the folder.
        const struct timespec dawno[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        for (const QByteArray &folder : {f, tmp})
            for (const QString &w : wpisy(folder))
                ::utimensat(AT_FDCWD, (folder + '/' + QFile::encodeName(w)).constData(), dawno,
                            AT_SYMLINK_NOFOLLOW);
        const auto [s2, ponownie] =
            JakoBob(dom, tmp, umaska, [&] { return ZapiszPlikProjektu(nazwa, nowy).toUtf8(); });
        QCOMPARE(s2, 0);
        QCOMPARE(QString::fromUtf8(ponownie), QString());
        QCOMPARE(Czytaj(nazwa), ZakodujProjekt(nowy));
        QCOMPARE(wpisy(f), wF);
        QCOMPARE(wpisy(tmp), wTmp);
        return;
    }
    QVERIFY(WIFEXITED(stan));
    QCOMPARE(WEXITSTATUS(stan), 0);
    const QString zapis = QString::fromUtf8(wynik.left(wynik.indexOf('\0')));
    QCOMPARE(wynik.mid(wynik.indexOf('\0') + 1), QByteArray());

    QVERIFY2(blad.isEmpty() ? zapis.isEmpty() : zapis.contains(blad), qPrintable(zapis));
    const bool przywracanie = etap == int(EtapZapisu::Przywracanie);
    if (!przywracanie) // else half written, as the message says
        QCOMPARE(zapisany, zapis.isEmpty() ? ZakodujProjekt(nowy) : stary);
    if (rodzaj == "obce_dowiazanie")
        QCOMPARE(Czytaj(QFile::decodeName(a)), stary);
    struct stat po = {}, lpo = {};
    QCOMPARE(::stat(prawdziwy.constData(), &po), 0);
    ::lstat(zapisywany.constData(), &lpo);
    QCOMPARE(lpo.st_mode & S_IFMT, lprzed.st_mode & S_IFMT);
    if (istnial) {
        QCOMPARE(po.st_uid, przed.st_uid);
        QCOMPARE(po.st_gid, przed.st_gid);
        QCOMPARE(po.st_mode, przed.st_mode);
        QCOMPARE(Atrybuty(prawdziwy), atrybuty);
    }
    if (sposob == "ebusy")
        QCOMPARE(po.st_ino, przed.st_ino);
    if (rodzaj == "twarde")
        QCOMPARE(Czytaj(QFile::decodeName(f + "/b.kwp")), zapisany);
    // Nothing of the save left behind; the one whole copy of the old contents
    // when even putting it back failed, named by the message and by opening.
    if (przywracanie) {
        const QString kopia = zapis.mid(blad.size());
        QVERIFY2(kopia.startsWith(QFile::decodeName(odzysk) + u'/'), qPrintable(kopia));
        QCOMPARE(Czytaj(kopia), stary);
        const auto [s, co] =
            JakoBob(dom, tmp, umaska, [&] { return KopiaNiedokonczonegoZapisu(nazwa).toUtf8(); });
        QCOMPARE(s, 0);
        QCOMPARE(QString::fromUtf8(co), kopia);
        QVERIFY(QFile::remove(kopia));
    }
    QCOMPARE(wpisy(f), wF + (istnial ? QStringList() : QStringList{QStringLiteral("cel.kwp")}));
    QCOMPARE(wpisy(tmp), wTmp);
}

void TstPlikProjektu::zdanieBledu()
{
    QCOMPARE(ZdanieBledu(QStringLiteral("File not found")), QStringLiteral("File not found."));
    QCOMPARE(ZdanieBledu(QStringLiteral("I/O error 21")), QStringLiteral("I/O error 21."));
    QCOMPARE(ZdanieBledu(QStringLiteral("Disk full.")), QStringLiteral("Disk full."));
    QCOMPARE(KomunikatBleduSystemu(EMFILE), QStringLiteral("Too many open files"));
    QCOMPARE(KomunikatBleduSystemu(EDQUOT), QStringLiteral("Disk full"));
    QCOMPARE(KomunikatBleduSystemu(EPERM), QStringLiteral("File access denied"));
}

QTEST_APPLESS_MAIN(TstPlikProjektu)

#include "tst_plik_projektu.moc"
