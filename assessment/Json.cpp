#include "assessment/Json.h"

#include <QHash>
#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kerwano::ocena {

Json Json::Logiczna(bool b)
{
    Json j;
    j.typ = Typ::Logiczna;
    j.logiczna = b;
    return j;
}

Json Json::Liczba(double x)
{
    Json j;
    j.typ = Typ::Liczba;
    j.liczba = x;
    return j;
}

Json Json::Tekst(const QString &t)
{
    Json j;
    j.typ = Typ::Tekst;
    j.tekst = t;
    return j;
}

Json Json::Tablica()
{
    Json j;
    j.typ = Typ::Tablica;
    return j;
}

Json Json::Obiekt()
{
    Json j;
    j.typ = Typ::Obiekt;
    return j;
}

const Json *Json::Pole(const QString &klucz) const
{
    for (const auto &[k, w] : obiekt)
        if (k == klucz)
            return &w;
    return nullptr;
}

Json *Json::Pole(const QString &klucz)
{
    for (auto &[k, w] : obiekt)
        if (k == klucz)
            return &w;
    return nullptr;
}

void Json::Ustaw(const QString &klucz, Json wartosc)
{
    if (Json *w = Pole(klucz))
        *w = std::move(wartosc);
    else
        obiekt.emplace_back(klucz, std::move(wartosc));
}

const Json &Json::operator[](const QString &klucz) const
{
    static const Json brak;
    const Json *w = Pole(klucz);
    return w ? *w : brak;
}

bool Json::operator==(const Json &inny) const
{
    if (typ != inny.typ)
        return false;
    switch (typ) {
    case Typ::Null:
        return true;
    case Typ::Logiczna:
        return logiczna == inny.logiczna;
    case Typ::Liczba:
        return liczba == inny.liczba && tekst == inny.tekst;
    case Typ::Tekst:
        return tekst == inny.tekst;
    case Typ::Tablica:
        return tablica == inny.tablica;
    case Typ::Obiekt:
        return obiekt == inny.obiekt;
    }
    return false;
}

namespace {

class Parser
{
public:
    explicit Parser(const QString &t) : m_t(t) {}

    bool Czytaj(Json &wynik)
    {
        Spacje();
        if (!Wartosc(wynik, 0))
            return false;
        Spacje();
        return m_i == m_t.size();
    }
    qsizetype Pozycja() const { return m_i; }

private:
    const QString &m_t;
    qsizetype m_i = 0;

    QChar Znak() const { return m_i < m_t.size() ? m_t[m_i] : QChar(); }
    void Spacje()
    {
        while (m_i < m_t.size()) {
            const char16_t c = m_t[m_i].unicode();
            if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
                break;
            ++m_i;
        }
    }
    bool Slowo(const char *s)
    {
        qsizetype j = m_i;
        for (; *s; ++s, ++j)
            if (j >= m_t.size() || m_t[j] != QLatin1Char(*s)) {
                m_i = j;
                return false;
            }
        m_i = j;
        return true;
    }

    bool Wartosc(Json &w, int glebokosc)
    {
        const QChar c = Znak();
        if (c == u'{' || c == u'[') {
            if (glebokosc >= MAKS_ZAGNIEZDZENIE)
                return false;
            return c == u'{' ? Obiekt(w, glebokosc + 1) : Tablica(w, glebokosc + 1);
        }
        if (c == u'"') {
            w = Json::Tekst(QString());
            return Tekst(w.tekst);
        }
        if (c == u't') {
            w = Json::Logiczna(true);
            return Slowo("true");
        }
        if (c == u'f') {
            w = Json::Logiczna(false);
            return Slowo("false");
        }
        if (c == u'n') {
            w = Json();
            return Slowo("null");
        }
        return Liczba(w);
    }

    bool Obiekt(Json &w, int glebokosc)
    {
        w = Json::Obiekt();
        ++m_i;
        Spacje();
        if (Znak() == u'}') {
            ++m_i;
            return true;
        }
        QHash<QString, qsizetype> miejsca;
        for (;;) {
            Spacje();
            if (Znak() != u'"')
                return false;
            QString klucz;
            if (!Tekst(klucz))
                return false;
            Spacje();
            if (Znak() != u':')
                return false;
            ++m_i;
            Spacje();
            Json wartosc;
            if (!Wartosc(wartosc, glebokosc))
                return false;
            const auto it = miejsca.constFind(klucz);
            if (it != miejsca.constEnd()) {
                w.obiekt[*it].second = std::move(wartosc);
            } else {
                miejsca.insert(klucz, qsizetype(w.obiekt.size()));
                w.obiekt.emplace_back(std::move(klucz), std::move(wartosc));
            }
            Spacje();
            if (Znak() == u',') {
                ++m_i;
                continue;
            }
            if (Znak() == u'}') {
                ++m_i;
                return true;
            }
            return false;
        }
    }

    bool Tablica(Json &w, int glebokosc)
    {
        w = Json::Tablica();
        ++m_i;
        Spacje();
        if (Znak() == u']') {
            ++m_i;
            return true;
        }
        for (;;) {
            Spacje();
            w.tablica.emplace_back();
            if (!Wartosc(w.tablica.back(), glebokosc))
                return false;
            Spacje();
            if (Znak() == u',') {
                ++m_i;
                continue;
            }
            if (Znak() == u']') {
                ++m_i;
                return true;
            }
            return false;
        }
    }

    static int Hex(QChar c)
    {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'a' && u <= u'f')
            return u - u'a' + 10;
        if (u >= u'A' && u <= u'F')
            return u - u'A' + 10;
        return -1;
    }

    bool Tekst(QString &wynik)
    {
        ++m_i; // the opening quote
        for (;;) {
            if (m_i >= m_t.size())
                return false;
            const char16_t c = m_t[m_i].unicode();
            if (c == u'"') {
                ++m_i;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c != u'\\') {
                wynik += m_t[m_i++];
                continue;
            }
            ++m_i;
            if (m_i >= m_t.size())
                return false;
            const char16_t e = m_t[m_i].unicode();
            switch (e) {
            case u'"':
            case u'\\':
            case u'/':
                wynik += QChar(e);
                break;
            case u'b':
                wynik += QChar(u'\b');
                break;
            case u'f':
                wynik += QChar(u'\f');
                break;
            case u'n':
                wynik += QChar(u'\n');
                break;
            case u'r':
                wynik += QChar(u'\r');
                break;
            case u't':
                wynik += QChar(u'\t');
                break;
            case u'u': {
                int kod = 0;
                for (int k = 1; k <= 4; ++k) {
                    const int h = m_i + k < m_t.size() ? Hex(m_t[m_i + k]) : -1;
                    if (h < 0) {
                        m_i += k;
                        return false;
                    }
                    kod = kod * 16 + h;
                }
                m_i += 4;
                wynik += QChar(char16_t(kod));
                break;
            }
            default:
                return false;
            }
            ++m_i;
        }
    }

    bool Liczba(Json &w)
    {
        const qsizetype poczatek = m_i;
        auto cyfry = [this] {
            const qsizetype p = m_i;
            while (m_i < m_t.size() && m_t[m_i] >= u'0' && m_t[m_i] <= u'9')
                ++m_i;
            return m_i > p;
        };
        if (Znak() == u'-')
            ++m_i;
        if (Znak() == u'0')
            ++m_i;
        else if (!cyfry())
            return false;
        if (Znak() == u'.') {
            ++m_i;
            if (!cyfry())
                return false;
        }
        if (Znak() == u'e' || Znak() == u'E') {
            ++m_i;
            if (Znak() == u'+' || Znak() == u'-')
                ++m_i;
            if (!cyfry())
                return false;
        }
        const QByteArray literal = m_t.mid(poczatek, m_i - poczatek).toLatin1();
        const double x = std::strtod(literal.constData(), nullptr);
        w = Json::Liczba(x);
        if (!std::isfinite(x))
            w.tekst = QString::fromLatin1(literal);
        return true;
    }
};

void Pisz(const Json &w, int wciecie, QString &out)
{
    const QString odstep(wciecie * 2 + 2, u' ');
    switch (w.typ) {
    case Json::Typ::Null:
        out += QLatin1String("null");
        return;
    case Json::Typ::Logiczna:
        out += w.logiczna ? QLatin1String("true") : QLatin1String("false");
        return;
    case Json::Typ::Liczba:
        out += w.tekst.isEmpty() ? LiczbaJson(w.liczba) : w.tekst;
        return;
    case Json::Typ::Tekst: {
        out += u'"';
        for (QChar c : w.tekst) {
            const char16_t u = c.unicode();
            if (u == u'"' || u == u'\\') {
                out += u'\\';
                out += c;
            } else if (u == u'\n') {
                out += QLatin1String("\\n");
            } else if (u == u'\t') {
                out += QLatin1String("\\t");
            } else if (u == u'\r') {
                out += QLatin1String("\\r");
            } else if (u < 0x20) {
                out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
        out += u'"';
        return;
    }
    case Json::Typ::Tablica:
        if (w.tablica.empty()) {
            out += QLatin1String("[]");
            return;
        }
        out += QLatin1String("[\n");
        for (size_t i = 0; i < w.tablica.size(); ++i) {
            out += odstep;
            Pisz(w.tablica[i], wciecie + 1, out);
            out += i + 1 < w.tablica.size() ? QLatin1String(",\n") : QLatin1String("\n");
        }
        out += QString(wciecie * 2, u' ');
        out += u']';
        return;
    case Json::Typ::Obiekt:
        if (w.obiekt.empty()) {
            out += QLatin1String("{}");
            return;
        }
        out += QLatin1String("{\n");
        for (size_t i = 0; i < w.obiekt.size(); ++i) {
            out += odstep;
            Pisz(Json::Tekst(w.obiekt[i].first), wciecie + 1, out);
            out += QLatin1String(": ");
            Pisz(w.obiekt[i].second, wciecie + 1, out);
            out += i + 1 < w.obiekt.size() ? QLatin1String(",\n") : QLatin1String("\n");
        }
        out += QString(wciecie * 2, u' ');
        out += u'}';
        return;
    }
}

} // namespace

Json *Znajdz(Json &korzen, const QString &sciezka)
{
    Json *w = &korzen;
    qsizetype i = 0;
    while (w && i < sciezka.size()) {
        if (sciezka[i] == u'.') {
            ++i;
            continue;
        }
        if (sciezka[i] == u'[') {
            const qsizetype koniec = sciezka.indexOf(u']', i);
            bool ok = false;
            const qsizetype n = sciezka.mid(i + 1, koniec - i - 1).toLongLong(&ok);
            if (koniec < 0 || !ok || !w->JestTablica() || n < 0 || size_t(n) >= w->tablica.size())
                return nullptr;
            w = &w->tablica[size_t(n)];
            i = koniec + 1;
            continue;
        }
        qsizetype koniec = i;
        while (koniec < sciezka.size() && sciezka[koniec] != u'.' && sciezka[koniec] != u'[')
            ++koniec;
        w = w->JestObiektem() ? w->Pole(sciezka.mid(i, koniec - i)) : nullptr;
        i = koniec;
    }
    return w;
}

const Json *Znajdz(const Json &korzen, const QString &sciezka)
{
    return Znajdz(const_cast<Json &>(korzen), sciezka);
}

bool CzytajJson(const QByteArray &utf8, Json &wynik, int &wiersz, int &kolumna)
{
    QByteArray bajty = utf8;
    if (bajty.startsWith("\xEF\xBB\xBF"))
        bajty.remove(0, 3);
    QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString tekst = dekoder.decode(bajty);
    qsizetype blad = -1;
    if (dekoder.hasError()) {
        // The first character that could not be decoded.
        blad = tekst.indexOf(QChar(QChar::ReplacementCharacter));
        if (blad < 0)
            blad = tekst.size();
    } else {
        Parser parser(tekst);
        if (!parser.Czytaj(wynik))
            blad = parser.Pozycja();
    }
    if (blad < 0)
        return true;
    wynik = Json();
    wiersz = 1;
    kolumna = 1;
    for (qsizetype i = 0; i < blad && i < tekst.size(); ++i) {
        if (tekst[i] == u'\n') {
            ++wiersz;
            kolumna = 1;
        } else {
            ++kolumna;
        }
    }
    return false;
}

QByteArray PiszJson(const Json &wartosc)
{
    QString out;
    Pisz(wartosc, 0, out);
    out += u'\n';
    return out.toUtf8();
}

QString LiczbaJson(double x)
{
    if (!std::isfinite(x))
        return QStringLiteral("null");
    char bufor[64];
    const auto [koniec, ec] = std::to_chars(bufor, bufor + sizeof bufor, x);
    Q_UNUSED(ec)
    return QString::fromLatin1(bufor, koniec - bufor);
}

} // namespace kerwano::ocena
