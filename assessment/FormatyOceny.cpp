#include "assessment/FormatyOceny.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kerwano::ocena {

namespace {

const QChar MINUS(0x2212);

QString Wykladnik(int e)
{
    static const char16_t cyfry[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString s;
    if (e < 0)
        s += QChar(0x207B);
    const QString liczba = QString::number(std::abs(e));
    for (QChar c : liczba)
        s += QChar(cyfry[c.unicode() - u'0']);
    return s;
}

} // namespace

QString FormatW(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    if (!std::isfinite(v))
        return QStringLiteral("?");
    const double a = std::fabs(v);
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, "%.2e", a);
    const char *e_znak = std::strchr(bufor, 'e');
    const int e = std::atoi(e_znak + 1);
    QString tekst;
    if (e >= 0 && e <= 2) {
        std::snprintf(bufor, sizeof bufor, "%.*f", 2 - e, a);
        tekst = QString::fromLatin1(bufor);
    } else {
        tekst =
            QString::fromLatin1(bufor, int(e_znak - bufor)) + QStringLiteral("·10") + Wykladnik(e);
    }
    tekst.replace(u'.', u',');
    return v < 0 ? MINUS + tekst : tekst;
}

QString FormatT(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral("?");
    char bufor[400];
    const auto [koniec, ec] =
        std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::fixed);
    Q_UNUSED(ec)
    QString tekst = QString::fromLatin1(bufor, int(koniec - bufor));
    tekst.replace(u'.', u',');
    if (tekst.startsWith(u'-'))
        tekst[0] = MINUS;
    return tekst;
}

QString FormatZl(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral("?");
    const double r = std::round(v); // halves away from zero
    char bufor[400];
    std::snprintf(bufor, sizeof bufor, "%.0f", std::fabs(r));
    const QString cyfry = QString::fromLatin1(bufor);
    QString tekst;
    for (int i = 0; i < cyfry.size(); ++i) {
        if (i > 0 && (cyfry.size() - i) % 3 == 0)
            tekst += QChar(0x00A0);
        tekst += cyfry[i];
    }
    return r < 0 ? MINUS + tekst : tekst;
}

} // namespace kerwano::ocena
