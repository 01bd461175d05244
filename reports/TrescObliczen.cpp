#include "reports/TrescObliczen.h"

#include "project/ModelProjektu.h"
#include "project/Wersja.h"
#include "risk/Formaty.h"
#include "risk/Klasa.h"
#include "risk/Wspolczynniki.h"

#include <cmath>

namespace kerwano {

namespace {

// The text of the entry chosen in drop-down `nr` (1..13); empty with none.
QString TekstWyboru(const ModelProjektu &projekt, int nr)
{
    const int indeks = projekt.Wybor(nr);
    const ListaWspolczynnika &lista = Lista(nr);
    if (indeks < 0 || indeks >= static_cast<int>(lista.pozycje.size()))
        return QString();
    return lista.pozycje[static_cast<size_t>(indeks)].tekst;
}

// Trimmed and cut to the 40 characters of a table field.
QString Pole(const QString &tekst)
{
    return tekst.trimmed().left(40);
}

GrupaWspolczynnikow Grupa(const ModelProjektu &projekt, const char *naglowek,
                          std::initializer_list<std::pair<const char *, double>> wiersze,
                          int pierwsza_lista, const char *wynik, double wartosc)
{
    GrupaWspolczynnikow g;
    g.naglowek = QString::fromUtf8(naglowek);
    int nr = pierwsza_lista;
    for (const auto &[podpis, wspolczynnik] : wiersze)
        g.wiersze.append({QString::fromUtf8(podpis), TekstWyboru(projekt, nr++), K2(wspolczynnik)});
    g.wynik = QString::fromUtf8(wynik) + F5(wartosc);
    return g;
}

} // namespace

QString TytulDokumentuObliczen()
{
    return QStringLiteral("Kerwano-Klasa Ochronności");
}

QString TytulWydruku()
{
    return QStringLiteral("Obliczanie klasy ochronności wg normy IEC 1024-1/1995");
}

QString LiniaNaglowka()
{
    return QString::fromLatin1(NAZWA_I_WERSJA) +
           QStringLiteral(" · obliczenia wg IEC 1024-1 / ENV 61024-1");
}

QString TekstOdstepuRaportu(double d)
{
    return std::isnan(d) ? QStringLiteral("?") : F2(d) + QStringLiteral(" m");
}

std::array<Pozycja, 6> DaneProjektuWydruku(const ModelProjektu &projekt)
{
    const char *podpisy[] = {
        "Numer projektu:", "Data:", "Projektant:", "Budowa:", "Inwestor:", "Zleceniodawca:"};
    std::array<Pozycja, 6> dane;
    for (size_t i = 0; i < dane.size(); ++i)
        dane[i] = {QString::fromUtf8(podpisy[i]), projekt.DaneProjektu()[i]};
    return dane;
}

QString LiniaPodpisu()
{
    return QStringLiteral(". . . . . . . . . . . . . . . . . . . . . . . . . . ");
}

QString PodpisWykonawcy()
{
    return QStringLiteral("(podpis wykonawcy)");
}

QString Wykonano(const QDate &dzis)
{
    return QStringLiteral("Wykonano dn. ") + dzis.toString(QStringLiteral("d.M.yyyy"));
}

TrescObliczen ZlozTrescObliczen(const ModelProjektu &projekt, const QDate &dzis)
{
    const DaneKlasy &k = projekt.dane();
    const WynikiKlasy &w = projekt.wyniki();
    TrescObliczen t;
    t.tytul = TytulWydruku();
    t.linia_naglowka = LiniaNaglowka();

    t.dane_projektu = DaneProjektuWydruku(projekt);

    t.naglowek_Nc = QStringLiteral("1. Obliczenie Nc.");
    t.grupy[0] = Grupa(projekt, "(A) Oszacowanie konstrukcji budynku.",
                       {{"A1. Ściany", k.A1},
                        {"A2. Konstrukcja dachu", k.A2},
                        {"A3. Pokrycie dachu", k.A3},
                        {"A4. Zabudowa dachu", k.A4}},
                       1, "A = A1 x A2 x A3 x A4 = ", w.A);
    t.grupy[1] = Grupa(projekt, "(B) Charakterystyka budynku.",
                       {{"B1. Zachowanie mieszkańców", k.B1},
                        {"B2. Wyposażenie wnętrza", k.B2},
                        {"B3. Wartość wyposażenia", k.B3},
                        {"B4. Systemy bezpieczeństwa", k.B4}},
                       5, "B = B1 x B2 x B3 x B4 = ", w.B);
    t.grupy[2] = Grupa(projekt, "(C) Skutki pożaru.",
                       {{"C1. Skutki dla środowiska", k.C1},
                        {"C2. Wpływ na inne systemy", k.C2},
                        {"C3. Inne szkody", k.C3}},
                       9, "C = C1 x C2 x C3 = ", w.C);
    t.Nc = QStringLiteral("Nc = A x B x C = ") + F5(w.Nc);

    t.naglowek_Nd = QStringLiteral("2. Obliczenie Nd.");
    t.Ng = {QStringLiteral("Ng - gęstość wyładowań / km² / rok"),
            QStringLiteral("Ng = ") + K2(k.Ng)};
    t.wymiary = {{{QStringLiteral("A - długość budynku"),
                   QStringLiteral("A = ") + G(k.dlugosc_budynku) + QStringLiteral(" m,")},
                  {QStringLiteral("B - szerokość budynku"),
                   QStringLiteral("B = ") + G(k.szerokosc_budynku) + QStringLiteral(" m,")},
                  {QStringLiteral("H - wysokość budynku"),
                   QStringLiteral("H = ") + G(k.wysokosc_budynku) + QStringLiteral(" m.")}}};
    t.Ae = {QStringLiteral("Ae - powierzchnia ekwiwalentna w [m²]"),
            QStringLiteral("Ae = A x B + 6H x (A + B) + 9 x π x H² = ") + F2(w.Ae)};
    t.Ce = {QStringLiteral("Ce - położenie budynku."),
            QStringLiteral("Ce = ") + K2(k.Ce) + QStringLiteral(" - ") + TekstWyboru(projekt, 13) +
                QStringLiteral(".")};
    t.Nd = QStringLiteral("Nd = Ng x Ae x Ce x 10⁻⁶ = ") + F6(w.Nd);

    t.naglowek_skutecznosci =
        QStringLiteral("3. Obliczenie wymaganego współczynnika skuteczności.");
    t.E = w.E > 0 ? QStringLiteral("E > 1 - Nc/Nd = ") + F2(static_cast<long double>(w.E) * 100) +
                        QStringLiteral(" %")
                  : QStringLiteral("E = 1 - Nc/Nd < 0");
    t.podpis_klasy = QStringLiteral("Konieczna klasa ochronności :");
    t.werdykt = Teksty(w).werdykt;
    if (w.klasa.klasa == 1 && w.klasa.klasa_plus == 1)
        t.dodatkowe_srodki = {
            QStringLiteral("Dodatkowe środki bezpieczeństwa:"),
            QStringLiteral("  - środki zmniejszające napięcia dotykowe i krokowe,"),
            QStringLiteral("  - środki ograniczające rozprzestrzenianie ognia,"),
            QStringLiteral(
                "  - środki zmniejszające przepięcia indukowane w czułych urządzeniach.")};

    if (projekt.liczba_elementow() > 0) {
        t.naglowek_tabeli = QStringLiteral("4. Kąty osłonowe i odstępy izolacyjne.");
        // Across the 180 mm of the page: the height "12,50 m", the angle
        // "49,82" or "?", the distance "0,75 m", or "?" where it cannot be
        // computed.
        enum
        {
            Lp,
            Nazwa,
            Wysokosc,
            Kat,
            Odstep
        };
        t.tabela = {{QStringLiteral("Lp."), 9, Qt::AlignRight, {}},
                    {QStringLiteral("Nazwa elemetu"), 68, Qt::AlignLeft, {}},
                    {QStringLiteral("Wysokość elementu"), 29, Qt::AlignRight, {}},
                    {QStringLiteral("Kąt osłonowy"), 29, Qt::AlignRight, {}},
                    {QStringLiteral("Odstęp izolacyjny"), 29, Qt::AlignRight, {}}};
        for (int lp = 1; lp <= projekt.liczba_elementow(); ++lp) {
            const WierszElementu &wiersz = projekt.elementy().Wiersz(lp);
            t.tabela[Lp].wartosci << QString::number(lp);
            t.tabela[Nazwa].wartosci << Pole(wiersz.nazwa);
            t.tabela[Wysokosc].wartosci << Pole(wiersz.TekstWysokosci() + QStringLiteral(" m"));
            t.tabela[Kat].wartosci << Pole(wiersz.TekstKata());
            t.tabela[Odstep].wartosci << Pole(TekstOdstepuRaportu(projekt.ObliczOdstep(lp).d));
        }
    }

    t.linia_podpisu = LiniaPodpisu();
    t.podpis_wykonawcy = PodpisWykonawcy();
    t.wykonano = Wykonano(dzis);
    return t;
}

} // namespace kerwano
