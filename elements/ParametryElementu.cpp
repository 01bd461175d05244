#include "elements/ParametryElementu.h"

#include "elements/UkladyElementu.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"

#include <QStringView>
#include <vector>

namespace kerwano {

namespace {

// Each key is looked for in table order; the last one present decides.
template <typename Opis, typename Typ>
Typ CzytajKod(const QString &tekst, const std::vector<Opis> &opisy, const QString &przed,
              const QString &(*klucz)(const Opis &))
{
    Typ kod = Typ::Brak;
    for (const Opis &opis : opisy) {
        if (tekst.contains(przed + klucz(opis) + u',', Qt::CaseSensitive))
            kod = opis.typ;
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
    const OpisUkladu *u = OpisTypuUkladu(uklad);
    const OpisInstalacji *i = OpisTypuInstalacji(typ_instalacji);
    const OpisOsrodka *m = OpisMaterialu(material);
    QString tekst = QStringLiteral(u"Układ ") + (u ? u : &Uklady().front())->znak;
    tekst += QStringLiteral(u", układ ") +
             (i ? i->znak : QString::number(static_cast<int>(typ_instalacji)));
    tekst += QStringLiteral(", ") + (m ? m : &Osrodki().front())->nazwa;
    const auto dopisz = [&tekst](QStringView klucz, const QString &wartosc) {
        tekst += QStringLiteral(", ");
        tekst += klucz;
        tekst += wartosc;
    };
    dopisz(klucz::H, DwaMiejsca(H));
    dopisz(klucz::L, DwaMiejsca(L));
    for (const PoleParametru pole : i ? i->pola : std::vector<PoleParametru>()) {
        const OpisPola &opis = OpisPolaParametru(pole);
        dopisz(opis.klucz, opis.calkowite ? QString::number(n) : DwaMiejsca(fc));
    }
    return tekst;
}

TypUkladu CzytajTypUkladu(const QString &tekst)
{
    return CzytajKod<OpisUkladu, TypUkladu>(
        tekst, Uklady(), QStringLiteral(u"Układ "),
        [](const OpisUkladu &o) -> const QString & { return o.znak; });
}

TypInstalacji CzytajTypInstalacji(const QString &tekst)
{
    return CzytajKod<OpisInstalacji, TypInstalacji>(
        tekst, Instalacje(), QStringLiteral(u"układ "),
        [](const OpisInstalacji &o) -> const QString & { return o.znak; });
}

Material CzytajMaterial(const QString &tekst)
{
    return CzytajKod<OpisOsrodka, Material>(
        tekst, Osrodki(), QString(),
        [](const OpisOsrodka &o) -> const QString & { return o.nazwa; });
}

double CzytajH(const QString &tekst)
{
    return CzytajLiczbe(tekst, klucz::H);
}

double CzytajL(const QString &tekst)
{
    return CzytajLiczbe(tekst, klucz::L);
}

double CzytajF(const QString &tekst)
{
    return CzytajLiczbe(tekst, klucz::F);
}

double CzytajC(const QString &tekst)
{
    return CzytajLiczbe(tekst, klucz::C);
}

int CzytajN(const QString &tekst)
{
    return TekstNaCalkowita(WartoscPola(tekst, klucz::N)).value_or(0);
}

} // namespace kerwano
