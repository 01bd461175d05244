#include "elements/ListaElementow.h"

#include "angles/KrzyweKatow.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"

#include <cmath>

namespace kerwano {

namespace {

WierszElementu NowyWiersz(const DaneElementu &e, Klasa klasa, const KrzyweKatow &krzywe)
{
    WierszElementu w;
    w.nazwa = e.nazwa;
    w.parametry = ZlozParametry(e.uklad, e.typ_instalacji, e.material, e.H, e.L, e.fc, e.n);
    // The height as the text keeps it, to the centimetre: the row then reads
    // the same after the project is saved and opened again, and after a
    // change of class and back.
    w.wysokosc = CzytajH(w.parametry);
    w.kat = krzywe.KatOslonowy(klasa, *w.wysokosc);
    return w;
}

} // namespace

QString WierszElementu::TekstWysokosci() const
{
    return wysokosc ? DwaMiejsca(*wysokosc) : QString();
}

QString WierszElementu::TekstKata() const
{
    return wysokosc ? KrzyweKatow::TekstKata(kat) : QString();
}

double WierszElementu::WysokoscKomorki() const
{
    return TekstNaLiczbe(TekstWysokosci()).value_or(std::nan(""));
}

const WierszElementu &ListaElementow::Wiersz(int wiersz) const
{
    static const WierszElementu pusty;
    return wiersz >= 1 && wiersz <= liczba_elementow() ? m_wiersze.at(wiersz - 1) : pusty;
}

DaneElementu ListaElementow::NowyElement() const
{
    DaneElementu e;
    e.nazwa = QStringLiteral("Element ") + QString::number(liczba_elementow() + 1);
    e.H = e.L = e.fc = 1;
    e.n = 1;
    return e;
}

DaneElementu ListaElementow::ElementWiersza(int wiersz) const
{
    const WierszElementu &w = Wiersz(wiersz);
    const QString &tekst = w.parametry;
    DaneElementu e;
    e.nazwa = w.nazwa;
    if (const TypUkladu uklad = CzytajTypUkladu(tekst); uklad != TypUkladu::Brak)
        e.uklad = uklad;
    if (const TypInstalacji typ = CzytajTypInstalacji(tekst); typ != TypInstalacji::Brak)
        e.typ_instalacji = typ;
    if (const Material material = CzytajMaterial(tekst); material != Material::Brak)
        e.material = material;
    e.H = CzytajH(tekst);
    e.L = CzytajL(tekst);
    // Only one of the two keys is ever present.
    e.fc = CzytajF(tekst) + CzytajC(tekst);
    e.n = CzytajN(tekst);
    return e;
}

void ListaElementow::Dodaj(const DaneElementu &element, Klasa klasa, const KrzyweKatow &krzywe)
{
    m_wiersze.append(NowyWiersz(element, klasa, krzywe));
}

bool ListaElementow::Zmien(int wiersz, const DaneElementu &element, Klasa klasa,
                           const KrzyweKatow &krzywe)
{
    if (wiersz < 1 || wiersz > liczba_elementow())
        return false;
    m_wiersze[wiersz - 1] = NowyWiersz(element, klasa, krzywe);
    return true;
}

bool ListaElementow::Usun(int wiersz)
{
    if (wiersz < 1 || wiersz > liczba_elementow())
        return false;
    m_wiersze.removeAt(wiersz - 1);
    return true;
}

bool ListaElementow::Wstaw(int wiersz, const WierszElementu &w)
{
    if (wiersz < 1 || wiersz > liczba_elementow() + 1)
        return false;
    m_wiersze.insert(wiersz - 1, w);
    return true;
}

void ListaElementow::Wczytaj(const QList<ElementDachu> &elementy)
{
    m_wiersze.clear();
    m_wiersze.reserve(elementy.size());
    for (const ElementDachu &e : elementy)
        m_wiersze.append({e.nazwa, e.parametry, CzytajH(e.parametry), std::nullopt});
}

QList<ElementDachu> ListaElementow::Elementy() const
{
    QList<ElementDachu> elementy;
    elementy.reserve(m_wiersze.size());
    for (const WierszElementu &w : m_wiersze)
        elementy.append({w.nazwa, w.parametry});
    return elementy;
}

void ListaElementow::UstawKat(int wiersz, std::optional<double> kat)
{
    if (wiersz >= 1 && wiersz <= liczba_elementow())
        m_wiersze[wiersz - 1].kat = kat;
}

bool ListaElementow::OdswiezKolumneKatow(Klasa klasa, Klasa stara_klasa, bool wymus,
                                         const KrzyweKatow &krzywe)
{
    if (liczba_elementow() <= 0 || (klasa.klasa == stara_klasa.klasa && !wymus))
        return false;
    for (int w = 1; w <= liczba_elementow(); ++w) {
        // The height as the cell shows it, rounded to the centimetre; no
        // class, no angle.
        UstawKat(w, klasa.klasa == 0 ? std::nullopt
                                     : krzywe.KatOslonowy(klasa, Wiersz(w).WysokoscKomorki()));
    }
    return true;
}

} // namespace kerwano
