#include "elements/ParametryElementu.h"

#include "risk/Formaty.h"
#include "risk/Konwersja.h"

#include <QStringView>
#include <initializer_list>
#include <utility>

namespace kerwano {

namespace {

using Klucz = std::pair<QStringView, int>;

// Each key is looked for in table order; the last one present decides.
int CzytajKod(const QString &tekst, std::initializer_list<Klucz> klucze)
{
    int kod = 0;
    for (const Klucz &klucz : klucze) {
        if (tekst.contains(klucz.first, Qt::CaseSensitive))
            kod = klucz.second;
    }
    return kod;
}

double CzytajLiczbe(const QString &tekst, QStringView klucz)
{
    return TekstNaLiczbe(WartoscPola(tekst, klucz)).value_or(0.0);
}

} // namespace

QString WartoscPola(const QString &tekst, QStringView klucz)
{
    const qsizetype poczatek = tekst.indexOf(klucz, 0, Qt::CaseSensitive);
    if (poczatek < 0)
        return QString();
    const QStringView reszta = QStringView(tekst).mid(poczatek + klucz.size());
    const qsizetype separator = reszta.indexOf(u", ");
    if (separator >= 0)
        return reszta.left(separator).toString();
    return reszta.left(255).toString();
}

QString ZlozParametry(TypUkladu uklad, TypInstalacji typ_instalacji, Material material, double H,
                      double L, double fc, int n)
{
    QString tekst = uklad == TypUkladu::B ? QStringLiteral(u"Układ B") : QStringLiteral(u"Układ A");
    tekst += QStringLiteral(u", układ ") + QString::number(static_cast<int>(typ_instalacji));
    tekst += material == Material::Dielektryk ? QStringLiteral(u", dielektryk")
                                              : QStringLiteral(u", powietrze");
    tekst += QStringLiteral(u", H = ") + DwaMiejsca(H);
    tekst += QStringLiteral(u", L = ") + DwaMiejsca(L);
    if (typ_instalacji == TypInstalacji::Uklad2) {
        tekst += QStringLiteral(u", f = ") + DwaMiejsca(fc);
    } else if (typ_instalacji == TypInstalacji::Uklad3) {
        tekst += QStringLiteral(u", c = ") + DwaMiejsca(fc);
        tekst += QStringLiteral(u", n = ") + QString::number(n);
    }
    return tekst;
}

TypUkladu CzytajTypUkladu(const QString &tekst)
{
    return static_cast<TypUkladu>(CzytajKod(tekst, {{u"Układ A,", 1}, {u"Układ B,", 2}}));
}

TypInstalacji CzytajTypInstalacji(const QString &tekst)
{
    return static_cast<TypInstalacji>(
        CzytajKod(tekst, {{u"układ 1,", 1}, {u"układ 2,", 2}, {u"układ 3,", 3}}));
}

Material CzytajMaterial(const QString &tekst)
{
    return static_cast<Material>(CzytajKod(tekst, {{u"powietrze,", 1}, {u"dielektryk,", 2}}));
}

double CzytajH(const QString &tekst)
{
    return CzytajLiczbe(tekst, u"H = ");
}

double CzytajL(const QString &tekst)
{
    return CzytajLiczbe(tekst, u"L = ");
}

double CzytajF(const QString &tekst)
{
    return CzytajLiczbe(tekst, u"f = ");
}

double CzytajC(const QString &tekst)
{
    return CzytajLiczbe(tekst, u"c = ");
}

int CzytajN(const QString &tekst)
{
    return TekstNaCalkowita(WartoscPola(tekst, u"n = ")).value_or(0);
}

} // namespace kerwano
