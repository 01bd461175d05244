#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace kerwano::ocena {

// A JSON value that keeps the order of an object's keys, as the assessment
// file needs (known keys in their order, unknown ones after them as read).
struct Json
{
    enum class Typ
    {
        Null,
        Logiczna,
        Liczba,
        Tekst,
        Tablica,
        Obiekt
    };
    Typ typ = Typ::Null;
    bool logiczna = false;
    double liczba = 0;
    QString tekst; // a text; for a number too large for a double, its literal
    std::vector<Json> tablica;
    std::vector<std::pair<QString, Json>> obiekt;

    static Json Null() { return Json(); }
    static Json Logiczna(bool b);
    static Json Liczba(double x);
    static Json Tekst(const QString &t);
    static Json Tablica();
    static Json Obiekt();

    bool JestNull() const { return typ == Typ::Null; }
    bool JestObiektem() const { return typ == Typ::Obiekt; }
    bool JestTablica() const { return typ == Typ::Tablica; }
    bool JestLiczba() const { return typ == Typ::Liczba; }
    bool JestTekstem() const { return typ == Typ::Tekst; }
    bool JestLogiczna() const { return typ == Typ::Logiczna; }

    // The value of `klucz` in an object, or nullptr.
    const Json *Pole(const QString &klucz) const;
    Json *Pole(const QString &klucz);
    // `klucz` set to `wartosc`: in its place when present, else at the end.
    void Ustaw(const QString &klucz, Json wartosc);
    // The value of `klucz`, or null when there is none.
    const Json &operator[](const QString &klucz) const;

    bool operator==(const Json &inny) const;
    bool operator!=(const Json &inny) const { return !(*this == inny); }
};

// The value at `sciezka` ("strefy[0].systemy[1].UW") under `korzen`, or
// nullptr when there is none.
Json *Znajdz(Json &korzen, const QString &sciezka);
const Json *Znajdz(const Json &korzen, const QString &sciezka);

// Deepest nesting of arrays and objects a file may have.
inline constexpr int MAKS_ZAGNIEZDZENIE = 64;

// Reads UTF-8 JSON text (a leading byte order mark is skipped). On an error
// (bytes that are not UTF-8, a syntax error, nesting deeper than allowed)
// returns false with the 1-based line and column of the character where it
// was found. When a key appears twice in an object, the last value counts,
// in the place of the first.
bool CzytajJson(const QByteArray &utf8, Json &wynik, int &wiersz, int &kolumna);

// The value as UTF-8 text indented by two spaces, one key or element a line,
// with a line feed at the end.
QByteArray PiszJson(const Json &wartosc);

// The shortest text that reads back to `x`, in JSON number syntax ("15",
// "0.1", "1e-05"); a number that is not finite is "null".
QString LiczbaJson(double x);

} // namespace kerwano::ocena
