#include "risk/Formaty.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kerwano {

namespace {

static_assert(std::numeric_limits<long double>::radix == 2 &&
                  std::numeric_limits<long double>::digits <= 64,
              "the digit generator expects a binary long double of at most 64 mantissa bits");

// Significant digits the formats take from a value before rounding.
constexpr int kCyfryZnaczace = 18;

// A non-negative decimal number: `cyfry` are its significant digits without
// trailing zeros (empty for zero), the first one standing at the decimal
// position `wykladnik` (value = sum of cyfry[i] * 10^(wykladnik - i)).
struct Dziesietne
{
    std::string cyfry;
    int wykladnik = 0;

    bool zero() const { return cyfry.empty(); }

    // The digit at the decimal position `pozycja` (0 units, -1 tenths...).
    char cyfraNa(int pozycja) const
    {
        const long long i = static_cast<long long>(wykladnik) - pozycja;
        if (i < 0 || i >= static_cast<long long>(cyfry.size()))
            return '0';
        return cyfry[static_cast<std::size_t>(i)];
    }

    void usunZeraKoncowe()
    {
        while (!cyfry.empty() && cyfry.back() == '0')
            cyfry.pop_back();
    }
};

// Unsigned integer of any size in base 10^9, least significant limb first.
// Only what the exact decimal expansion needs: multiplication by a small
// factor and the decimal digits.
class DuzaLiczba
{
public:
    explicit DuzaLiczba(std::uint64_t wartosc)
    {
        while (wartosc != 0) {
            m_konczyny.push_back(static_cast<std::uint32_t>(wartosc % kBaza));
            wartosc /= kBaza;
        }
    }

    void pomnozPrzezPotegeDwojki(int k)
    {
        for (; k >= 31; k -= 31)
            pomnoz(std::uint32_t{1} << 31);
        if (k > 0)
            pomnoz(std::uint32_t{1} << k);
    }

    void pomnozPrzezPotegePiatki(int k)
    {
        static constexpr std::uint32_t kPotegi[] = {
            1,     5,      25,      125,     625,      3125,      15625,
            78125, 390625, 1953125, 9765625, 48828125, 244140625, 1220703125};
        for (; k >= 13; k -= 13)
            pomnoz(kPotegi[13]);
        if (k > 0)
            pomnoz(kPotegi[k]);
    }

    std::string cyfry() const
    {
        if (m_konczyny.empty())
            return {};
        std::string wynik = std::to_string(m_konczyny.back());
        wynik.reserve(wynik.size() + 9 * (m_konczyny.size() - 1));
        for (auto it = m_konczyny.rbegin() + 1; it != m_konczyny.rend(); ++it) {
            char blok[9];
            std::uint32_t v = *it;
            for (int i = 8; i >= 0; --i) {
                blok[i] = static_cast<char>('0' + v % 10);
                v /= 10;
            }
            wynik.append(blok, 9);
        }
        return wynik;
    }

private:
    static constexpr std::uint32_t kBaza = 1000000000u;

    // czynnik < 2^32, so konczyna * czynnik + przeniesienie stays below 2^63.
    void pomnoz(std::uint32_t czynnik)
    {
        std::uint64_t przeniesienie = 0;
        for (std::uint32_t &konczyna : m_konczyny) {
            const std::uint64_t t = std::uint64_t{konczyna} * czynnik + przeniesienie;
            konczyna = static_cast<std::uint32_t>(t % kBaza);
            przeniesienie = t / kBaza;
        }
        while (przeniesienie != 0) {
            m_konczyny.push_back(static_cast<std::uint32_t>(przeniesienie % kBaza));
            przeniesienie /= kBaza;
        }
    }

    std::vector<std::uint32_t> m_konczyny;
};

// The exact decimal expansion of a finite, non-negative value. The value is
// mantysa * 2^e with an integer mantissa; for e < 0 that equals
// mantysa * 5^-e / 10^-e, so the digits are those of an integer either way.
Dziesietne Rozwiniecie(long double a)
{
    Dziesietne d;
    if (a == 0)
        return d;
    int e = 0;
    const long double ulamek = std::frexp(a, &e); // [0.5, 1)
    constexpr int kBity = std::numeric_limits<long double>::digits;
    std::uint64_t mantysa = static_cast<std::uint64_t>(std::ldexp(ulamek, kBity));
    e -= kBity;
    while ((mantysa & 1u) == 0) {
        mantysa >>= 1;
        ++e;
    }
    DuzaLiczba n(mantysa);
    int przesuniecie = 0;
    if (e >= 0) {
        n.pomnozPrzezPotegeDwojki(e);
    } else {
        n.pomnozPrzezPotegePiatki(-e);
        przesuniecie = -e;
    }
    d.cyfry = n.cyfry();
    d.wykladnik = static_cast<int>(d.cyfry.size()) - 1 - przesuniecie;
    d.usunZeraKoncowe();
    return d;
}

// Keeps the first `ile` significant digits, dropping the rest.
void Obetnij(Dziesietne &d, std::size_t ile)
{
    if (d.cyfry.size() > ile)
        d.cyfry.resize(ile);
    d.usunZeraKoncowe();
}

// Rounds half up (on the magnitude) to the decimal position `pozycja`: the
// digits from that position up are kept, the next lower one decides.
void Zaokraglij(Dziesietne &d, int pozycja)
{
    if (d.zero())
        return;
    const long long zostaje = static_cast<long long>(d.wykladnik) - pozycja + 1;
    if (zostaje >= static_cast<long long>(d.cyfry.size()))
        return;
    if (zostaje < 0) {
        d.cyfry.clear();
        return;
    }
    const std::size_t ile = static_cast<std::size_t>(zostaje);
    const bool w_gore = d.cyfry[ile] >= '5';
    d.cyfry.resize(ile);
    if (w_gore) {
        while (!d.cyfry.empty() && d.cyfry.back() == '9')
            d.cyfry.pop_back();
        if (d.cyfry.empty()) {
            // All nines carry into a new leading digit (999999,5 -> 1000000),
            // as does a lone rounding digit (0,000005 -> 0,00001).
            d.cyfry = "1";
            ++d.wykladnik;
        } else {
            ++d.cyfry.back();
        }
    }
    d.usunZeraKoncowe();
}

QString ZapiszStaly(const Dziesietne &d, bool ujemna, int miejsca)
{
    std::string s;
    if (ujemna && !d.zero())
        s += '-';
    if (!d.zero() && d.wykladnik >= 0) {
        for (int p = d.wykladnik; p >= 0; --p)
            s += d.cyfraNa(p);
    } else {
        s += '0';
    }
    if (miejsca > 0) {
        s += ',';
        for (int p = -1; p >= -miejsca; --p)
            s += d.cyfraNa(p);
    }
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QString ZapiszWykladniczy(const Dziesietne &d, bool ujemna)
{
    std::string s;
    if (ujemna)
        s += '-';
    s += d.cyfry[0];
    if (d.cyfry.size() > 1) {
        s += ',';
        s.append(d.cyfry, 1, std::string::npos);
    }
    s += 'E';
    s += std::to_string(d.wykladnik);
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Infinity or NaN as the formats write them; null for a finite value.
QString NieskonczonaLubNaN(long double x)
{
    if (std::isnan(x))
        return QStringLiteral("?");
    if (std::isinf(x))
        return std::signbit(x) ? QStringLiteral("-\u221E") : QStringLiteral("\u221E");
    return QString();
}

// The value's digits as the fixed formats see them: the first 18 of the exact
// expansion, rounded at whichever comes first, the `precyzja`-th significant
// digit or the `miejsca`-th decimal.
Dziesietne CyfryStale(long double x, int precyzja, int miejsca)
{
    Dziesietne d = Rozwiniecie(std::fabs(x));
    Obetnij(d, kCyfryZnaczace);
    if (!d.zero())
        Zaokraglij(d, std::max(d.wykladnik - precyzja + 1, -miejsca));
    return d;
}

} // namespace

QString FormatStaly(long double x, int precyzja, int miejsca)
{
    const QString specjalna = NieskonczonaLubNaN(x);
    if (!specjalna.isNull())
        return specjalna;
    precyzja = std::clamp(precyzja, 1, kCyfryZnaczace);
    miejsca = std::max(miejsca, 0);
    const Dziesietne d = CyfryStale(x, precyzja, miejsca);
    if (!d.zero() && d.wykladnik >= precyzja)
        return ZapiszWykladniczy(d, std::signbit(x));
    return ZapiszStaly(d, std::signbit(x), miejsca);
}

QString F5(long double x)
{
    return FormatStaly(x, 6, 5);
}

QString F2(long double x)
{
    return FormatStaly(x, 6, 2);
}

QString F6(long double x)
{
    return FormatStaly(x, 6, 6);
}

QString K2(long double x)
{
    return FormatStaly(x, 2, 2);
}

QString G(long double x)
{
    const QString specjalna = NieskonczonaLubNaN(x);
    if (!specjalna.isNull())
        return specjalna;
    constexpr int kPrecyzja = 15;
    Dziesietne d = Rozwiniecie(std::fabs(x));
    Obetnij(d, kCyfryZnaczace);
    if (d.zero())
        return QStringLiteral("0");
    Zaokraglij(d, d.wykladnik - kPrecyzja + 1);
    // Fixed notation from 0,0001 up to fifteen digits before the comma.
    if (d.wykladnik >= kPrecyzja || d.wykladnik < -4)
        return ZapiszWykladniczy(d, std::signbit(x));
    const int miejsca = std::max(0, static_cast<int>(d.cyfry.size()) - 1 - d.wykladnik);
    return ZapiszStaly(d, std::signbit(x), miejsca);
}

QString DwaMiejsca(double x)
{
    if (!std::isfinite(x))
        return F2(x);
    const Dziesietne d = CyfryStale(x, 6, 2);
    if (d.zero() || d.wykladnik < 6)
        return ZapiszStaly(d, std::signbit(x), 2);
    // One million or more: every digit before the comma, rounded to the
    // hundredth from the exact value, so the text names the value it came from.
    Dziesietne pelne = Rozwiniecie(std::fabs(x));
    Zaokraglij(pelne, -2);
    return ZapiszStaly(pelne, std::signbit(x), 2);
}

} // namespace kerwano
