#include "assessment/Dokument.h"

#include <QSet>

namespace kerwano::ocena {

const char *const FORMAT_PLIKU = "kerwano-ocena-ryzyka";

namespace {

struct Schemat;

enum class Rodzaj
{
    Wartosc,         // a field
    Obiekt,          // a group of fields
    Tablica,         // an array of elements
    WartoscLubObiekt // null, or an object of the schema (the adjacent structure)
};

struct Klucz
{
    const char *nazwa;
    Rodzaj rodzaj;
    const char *domyslna; // JSON text of a missing field; nullptr: set by the element
    const Schemat *schemat;
};

struct Schemat
{
    const Klucz *klucze;
    int liczba;
};

// A key missing from the file whose default depends on the element.
const QString BRAK_KLUCZA = QStringLiteral("\x01");
bool Brak(const Json &w)
{
    return w.JestNull() && w.tekst == BRAK_KLUCZA;
}

template <int N> constexpr Schemat S(const Klucz (&k)[N])
{
    return Schemat{k, N};
}

constexpr Rodzaj W = Rodzaj::Wartosc;

const Klucz k_dane[] = {
    {"numer_projektu", W, "\"\"", nullptr}, {"data_wykonania", W, "\"\"", nullptr},
    {"projektant", W, "\"\"", nullptr},     {"budowa", W, "\"\"", nullptr},
    {"inwestor", W, "\"\"", nullptr},       {"zleceniodawca", W, "\"\"", nullptr},
};
const Schemat s_dane = S(k_dane);

const Klucz k_oceniane[] = {
    {"R2", W, "false", nullptr}, {"R3", W, "false", nullptr}, {"R4", W, "false", nullptr}};
const Schemat s_oceniane = S(k_oceniane);
const Klucz k_o_L2[] = {{"usluga", W, "null", nullptr}, {"nt", W, "null", nullptr}};
const Schemat s_o_L2 = S(k_o_L2);
const Klucz k_o_L3[] = {{"ct", W, "null", nullptr}};
const Schemat s_o_L3 = S(k_o_L3);
const Klucz k_o_L4[] = {{"ct", W, "null", nullptr}, {"CPM", W, "null", nullptr}};
const Schemat s_o_L4 = S(k_o_L4);

const Klucz k_obiekt[] = {
    {"L", W, "null", nullptr},
    {"W", W, "null", nullptr},
    {"H", W, "null", nullptr},
    {"HP", W, "null", nullptr},
    {"CD", W, "null", nullptr},
    {"NG", W, "null", nullptr},
    {"Td", W, "null", nullptr},
    {"LPS", W, "\"brak\"", nullptr},
    {"KS1", W, "\"brak\"", nullptr},
    {"wm1", W, "null", nullptr},
    {"nt", W, "null", nullptr},
    {"oceniane", Rodzaj::Obiekt, nullptr, &s_oceniane},
    {"L2", Rodzaj::Obiekt, nullptr, &s_o_L2},
    {"L3", Rodzaj::Obiekt, nullptr, &s_o_L3},
    {"L4", Rodzaj::Obiekt, nullptr, &s_o_L4},
};
const Schemat s_obiekt = S(k_obiekt);

const Klucz k_sasiedni[] = {{"LJ", W, "null", nullptr},
                            {"WJ", W, "null", nullptr},
                            {"HJ", W, "null", nullptr},
                            {"CDJ", W, "\"odosobniony\"", nullptr}};
const Schemat s_sasiedni = S(k_sasiedni);

const Klucz k_linia[] = {
    {"nazwa", W, nullptr, nullptr},
    {"rodzaj", W, "\"energetyczna\"", nullptr},
    {"CI", W, "\"napowietrzna\"", nullptr},
    {"CT", W, "\"nn\"", nullptr},
    {"CE", W, "\"wiejskie\"", nullptr},
    {"LL", W, "1000", nullptr},
    {"ekran", W, "\"napowietrzna_bez_ekranu\"", nullptr},
    {"RS", W, "\"bez_ekranu\"", nullptr},
    {"UW", W, "2.5", nullptr},
    {"SPD", W, "\"brak\"", nullptr},
    {"sasiedni", Rodzaj::WartoscLubObiekt, "null", &s_sasiedni},
};
const Schemat s_linia = S(k_linia);

const Klucz k_system[] = {
    {"linia", W, nullptr, nullptr},
    {"KS3", W, "\"bez_zabiegow\"", nullptr},
    {"UW", W, nullptr, nullptr},
    {"SPD", W, "\"brak\"", nullptr},
};
const Schemat s_system = S(k_system);

const Klucz k_s_L2[] = {
    {"nz", W, "null", nullptr}, {"LF", W, "null", nullptr}, {"LO", W, "null", nullptr}};
const Schemat s_s_L2 = S(k_s_L2);
const Klucz k_s_L3[] = {{"cz", W, "null", nullptr}, {"LF", W, "null", nullptr}};
const Schemat s_s_L3 = S(k_s_L3);
const Klucz k_s_L4[] = {
    {"ca", W, "0", nullptr},
    {"cb", W, "0", nullptr},
    {"cc", W, "0", nullptr},
    {"cs", W, "0", nullptr},
    {"rodzaj", W, "\"inny\"", nullptr},
    {"LF", W, "null", nullptr},
    {"LO", W, "null", nullptr},
};
const Schemat s_s_L4 = S(k_s_L4);

const Klucz k_strefa[] = {
    {"nazwa", W, nullptr, nullptr},
    {"polozenie", W, "\"wewnatrz\"", nullptr},
    {"nz", W, "null", nullptr},
    {"tz", W, "8760", nullptr},
    {"rt", W, "null", nullptr},
    {"PTA", W, "[]", nullptr},
    {"PTU", W, "[]", nullptr},
    {"rf", W, "null", nullptr},
    {"rp", W, "[]", nullptr},
    {"hz", W, "\"brak\"", nullptr},
    {"rodzaj", W, "\"inny\"", nullptr},
    {"LF", W, "null", nullptr},
    {"LO", W, "null", nullptr},
    {"zagrozenie_zycia", W, "false", nullptr},
    {"KS2", W, "\"brak\"", nullptr},
    {"wm2", W, "null", nullptr},
    {"systemy", Rodzaj::Tablica, nullptr, &s_system},
    {"L2", Rodzaj::Obiekt, nullptr, &s_s_L2},
    {"L3", Rodzaj::Obiekt, nullptr, &s_s_L3},
    {"L4", Rodzaj::Obiekt, nullptr, &s_s_L4},
};
const Schemat s_strefa = S(k_strefa);

const Klucz k_glowny[] = {
    {"format", W, nullptr, nullptr},
    {"wersja", W, nullptr, nullptr},
    {"dane_projektu", Rodzaj::Obiekt, nullptr, &s_dane},
    {"obiekt", Rodzaj::Obiekt, nullptr, &s_obiekt},
    {"linie", Rodzaj::Tablica, nullptr, &s_linia},
    {"strefy", Rodzaj::Tablica, nullptr, &s_strefa},
};
const Schemat s_glowny = S(k_glowny);

Json Domyslna(const char *tekst)
{
    Json w;
    int wiersz = 0, kolumna = 0;
    CzytajJson(QByteArray(tekst), w, wiersz, kolumna);
    return w;
}

int LimitTablicy(const Schemat *s)
{
    return s == &s_linia ? MAKS_LINII : s == &s_strefa ? MAKS_STREF : MAKS_SYSTEMOW;
}

// `obiekt` brought to the schema; "" or the refusal ("S:path", "N:path").
QString Uporzadkuj(Json &obiekt, const Schemat &schemat, const QString &sciezka)
{
    const QString przed = sciezka.isEmpty() ? QString() : sciezka + u'.';
    Json wynik = Json::Obiekt();
    for (int i = 0; i < schemat.liczba; ++i) {
        const Klucz &k = schemat.klucze[i];
        const QString nazwa = QString::fromLatin1(k.nazwa);
        Json *stara = obiekt.Pole(nazwa);
        Json w;
        switch (k.rodzaj) {
        case Rodzaj::Wartosc:
            if (stara)
                w = std::move(*stara);
            else if (k.domyslna)
                w = Domyslna(k.domyslna);
            break;
        case Rodzaj::Obiekt:
        case Rodzaj::WartoscLubObiekt:
            if (stara)
                w = std::move(*stara);
            else if (k.rodzaj == Rodzaj::Obiekt)
                w = Json::Obiekt();
            if (w.JestObiektem()) {
                if (QString blad = Uporzadkuj(w, *k.schemat, przed + nazwa); !blad.isEmpty())
                    return blad;
            } else if (k.rodzaj == Rodzaj::Obiekt) {
                return QStringLiteral("S:") + przed + nazwa;
            }
            break;
        case Rodzaj::Tablica:
            w = stara ? std::move(*stara) : Json::Tablica();
            if (!w.JestTablica())
                return QStringLiteral("S:") + przed + nazwa;
            if (int(w.tablica.size()) > LimitTablicy(k.schemat))
                return QStringLiteral("N:") + przed + nazwa;
            for (size_t j = 0; j < w.tablica.size(); ++j) {
                const QString element = QStringLiteral("%1%2[%3]").arg(przed, nazwa).arg(j);
                if (!w.tablica[j].JestObiektem())
                    return QStringLiteral("S:") + element;
                if (QString blad = Uporzadkuj(w.tablica[j], *k.schemat, element); !blad.isEmpty())
                    return blad;
            }
            break;
        }
        if (!stara && !k.domyslna && k.rodzaj == Rodzaj::Wartosc)
            w.tekst = BRAK_KLUCZA; // set by the element, below
        wynik.obiekt.emplace_back(nazwa, std::move(w));
    }
    // The unknown keys, in the order read.
    for (auto &[klucz, w] : obiekt.obiekt) {
        bool znany = false;
        for (int i = 0; i < schemat.liczba && !znany; ++i)
            znany = klucz == QLatin1String(schemat.klucze[i].nazwa);
        if (!znany)
            wynik.obiekt.emplace_back(klucz, std::move(w));
    }
    obiekt = std::move(wynik);
    return QString();
}

QString NazwaWolna(const Json &lista, const QString &przedrostek)
{
    QSet<QString> zajete;
    for (const Json &e : lista.tablica)
        if (e["nazwa"].JestTekstem())
            zajete.insert(e["nazwa"].tekst.trimmed());
    for (int n = 1;; ++n) {
        const QString nazwa = przedrostek + QString::number(n);
        if (!zajete.contains(nazwa))
            return nazwa;
    }
}

Json PustyElement(const Schemat &schemat)
{
    Json e = Json::Obiekt();
    Uporzadkuj(e, schemat, QString());
    return e;
}

// The first line, in order, without a system in `strefa`; null when none.
Json WolnaLinia(const Json &dokument, const Json &strefa)
{
    for (const Json &linia : dokument["linie"].tablica) {
        bool zajeta = false;
        for (const Json &s : strefa["systemy"].tablica)
            zajeta = zajeta || s["linia"] == linia["nazwa"];
        if (!zajeta && linia["nazwa"].JestTekstem())
            return Json::Tekst(linia["nazwa"].tekst.trimmed());
    }
    return Json();
}

Json UWLinii(const Json &dokument, const Json &linia)
{
    if (linia.JestTekstem())
        for (const Json &l : dokument["linie"].tablica)
            if (l["nazwa"].JestTekstem() && l["nazwa"].tekst.trimmed() == linia.tekst &&
                l["UW"].JestLiczba())
                return l["UW"];
    return Json::Liczba(2.5);
}

Json Bez(const Json &w, const Schemat *schemat)
{
    if (!schemat || !w.JestObiektem())
        return w;
    Json wynik = Json::Obiekt();
    for (int i = 0; i < schemat->liczba; ++i) {
        const Klucz &k = schemat->klucze[i];
        const Json &stara = w[QString::fromLatin1(k.nazwa)];
        Json nowa;
        if (k.rodzaj == Rodzaj::Tablica) {
            nowa = Json::Tablica();
            for (const Json &e : stara.tablica)
                nowa.tablica.push_back(Bez(e, k.schemat));
        } else {
            nowa = Bez(stara, k.schemat);
        }
        wynik.obiekt.emplace_back(QString::fromLatin1(k.nazwa), std::move(nowa));
    }
    return wynik;
}

} // namespace

Json NowaLinia(const Json &dokument)
{
    Json linia = PustyElement(s_linia);
    linia.Ustaw(QStringLiteral("nazwa"),
                Json::Tekst(NazwaWolna(dokument["linie"], QStringLiteral("Linia "))));
    return linia;
}

Json NowaStrefa(const Json &dokument)
{
    Json strefa = PustyElement(s_strefa);
    strefa.Ustaw(QStringLiteral("nazwa"),
                 Json::Tekst(NazwaWolna(dokument["strefy"], QStringLiteral("Strefa "))));
    return strefa;
}

Json NowySystem(const Json &dokument, int strefa)
{
    Json system = PustyElement(s_system);
    const Json &z = dokument["strefy"].tablica.at(size_t(strefa));
    const Json linia = WolnaLinia(dokument, z);
    system.Ustaw(QStringLiteral("linia"), linia);
    system.Ustaw(QStringLiteral("UW"), UWLinii(dokument, linia));
    return system;
}

Json NowaOcena(const QDate &dzis)
{
    Json dokument = Json::Obiekt();
    dokument.Ustaw(QStringLiteral("format"), Json::Tekst(QString::fromLatin1(FORMAT_PLIKU)));
    dokument.Ustaw(QStringLiteral("wersja"), Json::Liczba(WERSJA_FORMATU));
    Uporzadkuj(dokument);
    dokument.Pole(QStringLiteral("dane_projektu"))
        ->Ustaw(QStringLiteral("data_wykonania"),
                Json::Tekst(dzis.toString(QStringLiteral("d.M.yyyy"))));
    dokument.Pole(QStringLiteral("strefy"))->tablica.push_back(NowaStrefa(dokument));
    return dokument;
}

QString Uporzadkuj(Json &dokument)
{
    if (QString blad = Uporzadkuj(dokument, s_glowny, QString()); !blad.isEmpty())
        return blad;
    // Names and systems' lines and voltages missing from the file: as a new
    // element would have them.
    Json &linie = *dokument.Pole(QStringLiteral("linie"));
    for (size_t i = 0; i < linie.tablica.size(); ++i) {
        Json &linia = linie.tablica[i];
        Json &nazwa = *linia.Pole(QStringLiteral("nazwa"));
        if (Brak(nazwa)) {
            Json przed = Json::Tablica();
            przed.tablica.assign(linie.tablica.begin(), linie.tablica.begin() + i);
            nazwa = Json::Tekst(NazwaWolna(przed, QStringLiteral("Linia ")));
        }
    }
    Json &strefy = *dokument.Pole(QStringLiteral("strefy"));
    for (size_t i = 0; i < strefy.tablica.size(); ++i) {
        Json &strefa = strefy.tablica[i];
        Json &nazwa = *strefa.Pole(QStringLiteral("nazwa"));
        if (Brak(nazwa)) {
            Json przed = Json::Tablica();
            przed.tablica.assign(strefy.tablica.begin(), strefy.tablica.begin() + i);
            nazwa = Json::Tekst(NazwaWolna(przed, QStringLiteral("Strefa ")));
        }
        Json &systemy = *strefa.Pole(QStringLiteral("systemy"));
        for (size_t k = 0; k < systemy.tablica.size(); ++k) {
            Json &s = systemy.tablica[k];
            Json &linia = *s.Pole(QStringLiteral("linia"));
            if (Brak(linia)) {
                Json przed = strefa;
                przed.Pole(QStringLiteral("systemy"))->tablica.resize(k);
                linia = WolnaLinia(dokument, przed);
            }
            Json &uw = *s.Pole(QStringLiteral("UW"));
            if (Brak(uw))
                uw = UWLinii(dokument, linia);
        }
    }
    return QString();
}

Json BezNieznanych(const Json &dokument)
{
    return Bez(dokument, &s_glowny);
}

} // namespace kerwano::ocena
