#include "assessment/PlikOceny.h"

#include "assessment/Dokument.h"
#include "pliki/ZapisPliku.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cmath>

namespace kerwano::ocena {

QString CzytajOcene(const QByteArray &bajty, const QString &nazwa, Json &dokument)
{
    Json d;
    int wiersz = 0, kolumna = 0;
    if (!CzytajJson(bajty, d, wiersz, kolumna))
        return QStringLiteral("Plik „%1” jest uszkodzony: niepoprawny zapis JSON (wiersz %2, "
                              "kolumna %3).")
            .arg(nazwa)
            .arg(wiersz)
            .arg(kolumna);
    if (!d.JestObiektem() || d["format"] != Json::Tekst(QString::fromLatin1(FORMAT_PLIKU)))
        return QStringLiteral("Plik „%1” nie jest plikiem oceny ryzyka programu Kerwano.")
            .arg(nazwa);
    const Json &wersja = d["wersja"];
    if (!wersja.JestLiczba() || !std::isfinite(wersja.liczba) ||
        std::floor(wersja.liczba) != wersja.liczba || wersja.liczba < 1)
        return QStringLiteral("Plik „%1” ma nieprawidłowy numer wersji formatu.").arg(nazwa);
    if (wersja.liczba > WERSJA_FORMATU)
        return QStringLiteral("Plik „%1” zapisano w nowszej wersji formatu (wersja %2). Ta wersja "
                              "programu Kerwano odczytuje pliki oceny ryzyka w wersji 1. Otwórz go "
                              "nowszą wersją programu.")
            .arg(nazwa, LiczbaJson(wersja.liczba));
    const QString blad = Uporzadkuj(d);
    if (blad.startsWith(u'S'))
        return QStringLiteral("Plik „%1” ma nieprawidłową strukturę (%2).").arg(nazwa, blad.mid(2));
    if (blad.startsWith(u'N'))
        return QStringLiteral("Plik „%1” zawiera za dużo elementów (%2).").arg(nazwa, blad.mid(2));
    d.Ustaw(QStringLiteral("wersja"), Json::Liczba(WERSJA_FORMATU));
    dokument = std::move(d);
    return QString();
}

QString WczytajOcene(const QString &sciezka, Json &dokument)
{
    const QString nazwa = QFileInfo(sciezka).fileName();
    const QString nie_mozna = QStringLiteral("Nie można odczytać pliku „%1”.").arg(nazwa);
    const QFileInfo info(QFileInfo(sciezka).canonicalFilePath());
    if (!QFileInfo::exists(sciezka) || !info.exists())
        return nie_mozna + QStringLiteral(" Plik nie istnieje.");
    if (!info.isFile())
        return nie_mozna + QStringLiteral(" To nie jest zwykły plik.");
    QFile plik(info.filePath());
    if (!plik.open(QIODevice::ReadOnly))
        return nie_mozna + u' ' + plik.errorString();
    if (plik.size() > MAKS_ROZMIAR_PLIKU)
        return QStringLiteral("Plik „%1” jest za duży (ponad 10 MB).").arg(nazwa);
    const QByteArray bajty = plik.read(MAKS_ROZMIAR_PLIKU + 1);
    if (plik.error() != QFileDevice::NoError)
        return nie_mozna + u' ' + plik.errorString();
    if (bajty.size() > MAKS_ROZMIAR_PLIKU)
        return QStringLiteral("Plik „%1” jest za duży (ponad 10 MB).").arg(nazwa);
    return CzytajOcene(bajty, nazwa, dokument);
}

QByteArray TekstOceny(const Json &dokument)
{
    Json d = dokument;
    d.Ustaw(QStringLiteral("format"), Json::Tekst(QString::fromLatin1(FORMAT_PLIKU)));
    d.Ustaw(QStringLiteral("wersja"), Json::Liczba(WERSJA_FORMATU));
    return PiszJson(d);
}

QString ZapiszOcene(const QString &sciezka, const Json &dokument)
{
    const QByteArray tekst = TekstOceny(dokument);
    return ZapiszPlik(sciezka, [&tekst](QIODevice &cel) -> QString {
        if (cel.write(tekst) != tekst.size())
            return cel.errorString().isEmpty() ? QStringLiteral("Disk full") : cel.errorString();
        return QString();
    });
}

QString ChronionaOcena(const QString &wyjscie, const QString &wejscie)
{
    const QFileInfo cel(wyjscie);
    if (!cel.exists())
        return QString(); // nothing there to lose
    const QString odmowa =
        QStringLiteral("Plik %1 jest oceną ryzyka Kerwano; nie zostanie zastąpiony plikiem PDF")
            .arg(wyjscie);
    const QString prawdziwy = cel.canonicalFilePath();
    if (prawdziwy == QFileInfo(wejscie).canonicalFilePath())
        return odmowa;
    if (!QFileInfo(prawdziwy).isFile())
        return QString();
    if (cel.fileName().endsWith(QLatin1String(".kwr"), Qt::CaseInsensitive) ||
        prawdziwy.endsWith(QLatin1String(".kwr"), Qt::CaseInsensitive))
        return odmowa;
    Json dokument;
    return WczytajOcene(prawdziwy, dokument).isEmpty() ? odmowa : QString();
}

} // namespace kerwano::ocena
