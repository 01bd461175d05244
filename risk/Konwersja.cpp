#include "risk/Konwersja.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace kerwano {

namespace {

bool Cyfra(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Decimal exponents beyond this are saturated while scanning; anything that
// large is far outside the range of a double anyway.
constexpr std::int64_t kWykladnikGraniczny = 1'000'000'000'000'000;

// Leading-digit exponents outside this range certainly overflow or underflow
// a double (its range is about 4.9E-324 .. 1.8E308).
constexpr std::int64_t kWykladnikMaks = 400;

} // namespace

std::optional<double> TekstNaLiczbe(const QString &tekst)
{
    const qsizetype n = tekst.size();
    qsizetype i = 0;
    while (i < n && tekst[i] == u' ')
        ++i;

    bool ujemna = false;
    if (i < n && (tekst[i] == u'+' || tekst[i] == u'-')) {
        ujemna = tekst[i] == u'-';
        ++i;
    }

    // Mantissa: the digits of both runs, leading zeros dropped, and how many
    // of the kept digits stand after the comma.
    std::string cyfry;
    std::int64_t po_przecinku = 0;
    bool cokolwiek = false;
    for (; i < n && Cyfra(tekst[i]); ++i) {
        cokolwiek = true;
        if (!cyfry.empty() || tekst[i] != u'0')
            cyfry += static_cast<char>(tekst[i].unicode());
    }
    if (i < n && tekst[i] == u',') {
        cokolwiek = true;
        ++i;
        for (; i < n && Cyfra(tekst[i]); ++i) {
            if (!cyfry.empty() || tekst[i] != u'0')
                cyfry += static_cast<char>(tekst[i].unicode());
            ++po_przecinku;
        }
    }
    if (!cokolwiek)
        return std::nullopt;

    std::int64_t wykladnik = 0;
    if (i < n && (tekst[i] == u'E' || tekst[i] == u'e')) {
        ++i;
        bool wykladnik_ujemny = false;
        if (i < n && (tekst[i] == u'+' || tekst[i] == u'-')) {
            wykladnik_ujemny = tekst[i] == u'-';
            ++i;
        }
        for (; i < n && Cyfra(tekst[i]); ++i) {
            if (wykladnik < kWykladnikGraniczny)
                wykladnik = wykladnik * 10 + (tekst[i].unicode() - u'0');
        }
        if (wykladnik_ujemny)
            wykladnik = -wykladnik;
    }

    while (i < n && tekst[i] == u' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // From here on the value is cyfry * 10^wykladnik.
    const double zero = ujemna ? -0.0 : 0.0;
    wykladnik -= po_przecinku;
    while (!cyfry.empty() && cyfry.back() == '0') {
        cyfry.pop_back();
        ++wykladnik;
    }
    if (cyfry.empty())
        return zero;

    // Range check on the leading digit's exponent, so that the exponent
    // handed on below stays small whatever the text held.
    const std::int64_t wiodacy = wykladnik + static_cast<std::int64_t>(cyfry.size()) - 1;
    if (wiodacy > kWykladnikMaks)
        return std::nullopt;
    if (wiodacy < -kWykladnikMaks)
        return zero;

    std::string kanoniczny;
    kanoniczny.reserve(cyfry.size() + 32);
    if (ujemna)
        kanoniczny += '-';
    kanoniczny += cyfry;
    kanoniczny += 'e';
    kanoniczny += std::to_string(wykladnik);

    double wynik = 0;
    const char *poczatek = kanoniczny.data();
    const char *koniec = poczatek + kanoniczny.size();
    const auto [ptr, ec] = std::from_chars(poczatek, koniec, wynik);
    if (ec == std::errc::result_out_of_range)
        return wiodacy > 0 ? std::nullopt : std::optional<double>(zero);
    if (ec != std::errc() || ptr != koniec)
        return std::nullopt;
    if (wynik == std::numeric_limits<double>::infinity() ||
        wynik == -std::numeric_limits<double>::infinity())
        return std::nullopt;
    return wynik;
}

std::optional<int> TekstNaCalkowita(const QString &tekst)
{
    const qsizetype n = tekst.size();
    qsizetype i = 0;
    while (i < n && tekst[i] == u' ')
        ++i;
    bool ujemna = false;
    if (i < n && (tekst[i] == u'+' || tekst[i] == u'-')) {
        ujemna = tekst[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;

    // Accumulated as a magnitude; stops growing once past every int.
    constexpr std::int64_t kGranica = std::int64_t{std::numeric_limits<int>::max()} + 2;
    std::int64_t wartosc = 0;
    for (; i < n; ++i) {
        if (!Cyfra(tekst[i]))
            return std::nullopt;
        if (wartosc < kGranica)
            wartosc = wartosc * 10 + (tekst[i].unicode() - u'0');
    }
    if (ujemna)
        wartosc = -wartosc;
    if (wartosc < std::numeric_limits<int>::min() || wartosc > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(wartosc);
}

bool ZnakDozwolony(QChar znak, bool z_przecinkiem)
{
    return Cyfra(znak) || znak.unicode() == 8 || (z_przecinkiem && znak == u',');
}

} // namespace kerwano
