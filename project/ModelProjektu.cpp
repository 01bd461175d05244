#include "project/ModelProjektu.h"

#include "risk/Konwersja.h"

#include <QDate>

namespace kerwano {

namespace {

double &Wspolczynnik(DaneKlasy &d, int nr)
{
    double *w[LICZBA_LIST] = {&d.A1, &d.A2, &d.A3, &d.A4, &d.B1, &d.B2, &d.B3,
                              &d.B4, &d.C1, &d.C2, &d.C3, &d.Ng, &d.Ce};
    return *w[nr - 1];
}

double &WymiarWMetrach(DaneKlasy &d, int nr)
{
    double *w[LICZBA_WYMIAROW] = {&d.dlugosc_budynku, &d.szerokosc_budynku, &d.wysokosc_budynku};
    return *w[nr - 1];
}

} // namespace

ModelProjektu::ModelProjektu()
{
    // The dimension fields' text until the start-up writes "1" into them.
    m_wymiary.fill(QStringLiteral("1,00"));
    m_dane_projektu = DomyslneDaneProjektu();
}

std::array<QString, LICZBA_DANYCH> ModelProjektu::DomyslneDaneProjektu()
{
    std::array<QString, LICZBA_DANYCH> dane;
    dane[1] = QDate::currentDate().toString(QStringLiteral("d.M.yyyy"));
    dane[2] = DomyslnyProjektant();
    return dane;
}

QString ModelProjektu::DomyslnyProjektant()
{
    return QStringLiteral("Pracownia Projektowa Kerwano, ul. Przykładowa 1, 00-001 Warszawa");
}

Przeliczenie ModelProjektu::UstawDomyslne()
{
    m_wybory.fill(0);
    // The fields' handlers store 1 without calculating: not ready yet.
    for (int nr = 1; nr <= LICZBA_WYMIAROW; ++nr)
        UstawWymiar(nr, QStringLiteral("1"));
    m_dane = DaneKlasy();
    m_wyniki.klasa = Klasa();
    m_gotowy = true;
    return ObliczKlase(false);
}

Przeliczenie ModelProjektu::StanStartowy()
{
    m_dane_projektu = DomyslneDaneProjektu();
    m_elementy.Wczytaj({});
    Przeliczenie p = UstawDomyslne();
    p.elementy = true;
    p.dane = true;
    return p;
}

Przeliczenie ModelProjektu::UstawWybor(int nr, int indeks)
{
    const ListaWspolczynnika &lista = Lista(nr);
    if (indeks >= 0 && indeks < static_cast<int>(lista.pozycje.size())) {
        m_wybory[static_cast<size_t>(nr - 1)] = indeks;
        Wspolczynnik(m_dane, nr) = lista.pozycje[static_cast<size_t>(indeks)].wartosc;
    } else {
        m_wybory[static_cast<size_t>(nr - 1)] = -1;
    }
    return ObliczKlase(false);
}

Przeliczenie ModelProjektu::UstawWymiar(int nr, const QString &tekst)
{
    m_wymiary[static_cast<size_t>(nr - 1)] = tekst;
    // A text that is not a number leaves the dimension in force, silently;
    // so does a negative one, which no building has.
    const std::optional<double> wartosc = TekstNaLiczbe(tekst);
    if (!wartosc || *wartosc < 0)
        return {};
    WymiarWMetrach(m_dane, nr) = *wartosc;
    return ObliczKlase(false);
}

Przeliczenie ModelProjektu::ObliczKlase(bool wymus)
{
    if (!m_gotowy)
        return {};
    const Klasa stara_klasa = m_wyniki.klasa;
    m_wyniki = kerwano::ObliczKlase(m_dane);
    Przeliczenie p;
    p.obliczono = true;
    p.katy = m_elementy.OdswiezKolumneKatow(m_wyniki.klasa, stara_klasa, wymus, m_krzywe_katow);
    return p;
}

Przeliczenie ModelProjektu::UstawDaneProjektu(const std::array<QString, LICZBA_DANYCH> &dane)
{
    m_dane_projektu = dane;
    Przeliczenie p;
    p.dane = true; // accepted in the dialog counts as a change, as typed or not
    return p;
}

Przeliczenie ModelProjektu::DodajElement(const DaneElementu &element)
{
    m_elementy.Dodaj(element, m_wyniki.klasa, m_krzywe_katow);
    Przeliczenie p;
    p.elementy = true;
    p.wstawiony = liczba_elementow();
    return p;
}

Przeliczenie ModelProjektu::ZmienElement(int wiersz, const DaneElementu &element)
{
    Przeliczenie p;
    p.elementy = m_elementy.Zmien(wiersz, element, m_wyniki.klasa, m_krzywe_katow);
    return p;
}

Przeliczenie ModelProjektu::UsunElement(int wiersz)
{
    Przeliczenie p;
    p.elementy = m_elementy.Usun(wiersz);
    p.usuniety = p.elementy ? wiersz : 0;
    return p;
}

Przeliczenie ModelProjektu::WstawWiersz(int wiersz, const WierszElementu &w)
{
    Przeliczenie p;
    p.elementy = m_elementy.Wstaw(wiersz, w);
    p.wstawiony = p.elementy ? wiersz : 0;
    return p;
}

WynikOdstepu ModelProjektu::ObliczOdstep(int wiersz) const
{
    return kerwano::ObliczOdstep(m_elementy.Wiersz(wiersz).parametry, m_wyniki.klasa,
                                 m_krzywe_katow);
}

Projekt ModelProjektu::ZbierzProjekt() const
{
    Projekt p;
    p.wybory = m_wybory;
    p.wymiary = m_wymiary;
    p.dane = m_dane_projektu;
    p.elementy = m_elementy.Elementy();
    return p;
}

Przeliczenie ModelProjektu::ZastosujProjekt(const Projekt &projekt)
{
    Przeliczenie p;
    for (int nr = 1; nr <= 11; ++nr)
        p |= UstawWybor(nr, projekt.wybory[static_cast<size_t>(nr - 1)]);
    for (int nr = 1; nr <= LICZBA_WYMIAROW; ++nr)
        p |= UstawWymiar(nr, projekt.wymiary[static_cast<size_t>(nr - 1)]);
    p |= UstawWybor(12, projekt.wybory[11]);
    p |= UstawWybor(13, projekt.wybory[12]);
    m_dane_projektu = projekt.dane;
    m_elementy.Wczytaj(projekt.elementy);
    p.elementy = true;
    if (liczba_elementow() > 0)
        p |= ObliczKlase(true);
    return p;
}

Przeliczenie ModelProjektu::WczytajProjekt(const Projekt &projekt)
{
    Przeliczenie p = StanStartowy();
    p |= ZastosujProjekt(projekt);
    return p;
}

StanProjektu ModelProjektu::Stan() const
{
    return {m_gotowy, m_wybory, m_wymiary, m_dane, m_wyniki, m_dane_projektu, m_elementy};
}

Przeliczenie ModelProjektu::PrzywrocStan(const StanProjektu &stan)
{
    Przeliczenie p;
    p.obliczono = true;
    p.elementy = !(m_elementy.Wiersze() == stan.elementy.Wiersze());
    p.katy = p.elementy;
    p.dane = m_dane_projektu != stan.dane_projektu;
    m_gotowy = stan.gotowy;
    m_wybory = stan.wybory;
    m_wymiary = stan.wymiary;
    m_dane = stan.dane;
    m_wyniki = stan.wyniki;
    m_dane_projektu = stan.dane_projektu;
    m_elementy = stan.elementy;
    return p;
}

} // namespace kerwano
