#include "assessment/Tabele.h"

namespace kerwano::ocena {

namespace {

const Wiersz w_CD[] = {
    {"otoczony_wyzszymi", "Obiekt otoczony obiektami wyższymi", {0.25}, 0},
    {"otoczony_rownymi", "Obiekt otoczony obiektami tej samej wysokości lub niższymi", {0.5}, 0},
    {"odosobniony", "Obiekt odosobniony – brak innych obiektów w pobliżu", {1}, 0},
    {"odosobniony_wzgorze", "Obiekt odosobniony na szczycie wzgórza lub pagórka", {2}, 0},
};

const Wiersz w_RODZAJ_LINII[] = {
    {"energetyczna", "Elektroenergetyczna", {}, 0},
    {"telekomunikacyjna", "Telekomunikacyjna", {}, 0},
};

const Wiersz w_CI[] = {
    {"napowietrzna", "Napowietrzna", {1}, 0},
    {"podziemna", "Podziemna", {0.5}, PODZIEMNA},
    {"podziemna_w_uziomie",
     "Kabel podziemny ułożony w całości w obrębie uziomu kratowego",
     {0.01},
     PODZIEMNA},
};

const Wiersz w_CT[] = {
    {"nn", "Linia elektroenergetyczna nn, telekomunikacyjna lub teleinformatyczna", {1}, 0},
    {"wn_transformator",
     "Linia elektroenergetyczna WN z transformatorem WN/nn",
     {0.2},
     TYLKO_ENERGETYCZNA},
};

const Wiersz w_CE[] = {
    {"wiejskie", "Wiejskie", {1}, 0},
    {"podmiejskie", "Podmiejskie", {0.5}, 0},
    {"miejskie", "Miejskie", {0.1}, 0},
    {"miejskie_wysokie", "Miejskie z budynkami wyższymi niż 20 m", {0.01}, 0},
};

const Wiersz w_LPS[] = {
    {"brak", "Obiekt bez LPS", {1, 1}, 0},
    {"IV", "LPS klasy IV", {0.2, 0.05}, 0},
    {"III", "LPS klasy III", {0.1, 0.05}, 0},
    {"II", "LPS klasy II", {0.05, 0.02}, 0},
    {"I", "LPS klasy I", {0.02, 0.01}, 0},
    {"I_konstrukcja",
     "Zwody jak dla LPS klasy I i ciągła konstrukcja metalowa lub żelbetowa jako naturalne "
     "przewody odprowadzające",
     {0.01, 0.01},
     0},
    {"dach_metalowy",
     "Dach metalowy lub zwody (także naturalne) chroniące wszystkie urządzenia na dachu i ciągła "
     "konstrukcja metalowa lub żelbetowa jako naturalne przewody odprowadzające",
     {0.001, 0.01},
     0},
};

const Wiersz w_EKRAN_PRZESTRZENNY[] = {
    {"brak", "Brak ekranu", {1}, 0},
    {"siatka", "Ekran kratowy (siatka) – szerokość oczka wm", {1}, SIATKA},
    {"ekran_ciagly", "Ciągły ekran metalowy o grubości co najmniej 0,1 mm", {0.0001}, 0},
};

const Wiersz w_PTA[] = {
    {"tablice", "Tablice ostrzegawcze", {0.1}, 0},
    {"izolacja",
     "Izolacja elektryczna dostępnych części (np. co najmniej 3 mm polietylenu usieciowanego na "
     "przewodach odprowadzających)",
     {0.01},
     0},
    {"ekwipotencjalizacja", "Skuteczne wyrównanie potencjałów w gruncie", {0.01}, 0},
    {"ograniczenia",
     "Ograniczenia fizyczne (np. ogrodzenie) lub konstrukcja budynku użyta jako przewody "
     "odprowadzające",
     {0},
     0},
};

const Wiersz w_SPD[] = {
    {"brak", "Brak SPD", {1}, 0},
    {"III_IV", "SPD dobrane dla LPL III–IV", {0.05}, 0},
    {"II", "SPD dobrane dla LPL II", {0.02}, 0},
    {"I", "SPD dobrane dla LPL I", {0.01}, 0},
    {"lepsze_0_005", "SPD lepsze niż dla LPL I (0,005)", {0.005}, 0},
    {"lepsze_0_002", "SPD lepsze niż dla LPL I (0,002)", {0.002}, 0},
    {"lepsze_0_001", "SPD lepsze niż dla LPL I (0,001)", {0.001}, 0},
};

const Wiersz w_PTU[] = {
    {"tablice", "Tablice ostrzegawcze", {0.1}, 0},
    {"izolacja", "Izolacja elektryczna", {0.01}, 0},
    {"ograniczenia", "Ograniczenia fizyczne", {0}, 0},
};

// w[2]: the row of the other installation (aerial <-> buried), or -1.
const Wiersz w_EKRAN_LINII[] = {
    {"napowietrzna_bez_ekranu", "Linia napowietrzna bez ekranu", {1, 1, 1}, DLA_NAPOWIETRZNEJ},
    {"podziemna_bez_ekranu", "Linia podziemna bez ekranu", {1, 1, 0}, DLA_PODZIEMNEJ},
    {"wielokrotnie_uziemiony_n",
     "Linia elektroenergetyczna z wielokrotnie uziemionym przewodem neutralnym",
     {1, 0.2, -1},
     DLA_NAPOWIETRZNEJ | DLA_PODZIEMNEJ | TYLKO_ENERGETYCZNA},
    {"podziemna_ekran_niepolaczony",
     "Linia podziemna ekranowana – ekran niepołączony z szyną wyrównawczą urządzeń",
     {1, 0.3, 4},
     DLA_PODZIEMNEJ},
    {"napowietrzna_ekran_niepolaczony",
     "Linia napowietrzna ekranowana – ekran niepołączony z szyną wyrównawczą urządzeń",
     {1, 0.1, 3},
     DLA_NAPOWIETRZNEJ},
    {"podziemna_ekran_polaczony",
     "Linia podziemna ekranowana – ekran połączony z tą samą szyną wyrównawczą co urządzenia",
     {1, 0, 6},
     DLA_PODZIEMNEJ | EKRAN_POLACZONY},
    {"napowietrzna_ekran_polaczony",
     "Linia napowietrzna ekranowana – ekran połączony z tą samą szyną wyrównawczą co urządzenia",
     {1, 0, 5},
     DLA_NAPOWIETRZNEJ | EKRAN_POLACZONY},
    {"kabel_odgromowy",
     "Kabel odgromowy lub przewody w kanałach, rurach lub korytach metalowych połączonych z tą "
     "samą szyną wyrównawczą co urządzenia",
     {0, 0, -1},
     DLA_NAPOWIETRZNEJ | DLA_PODZIEMNEJ | EKRAN_POLACZONY},
    {"interfejsy_izolujace",
     "Linia zakończona interfejsami izolującymi (wg PN-EN 62305-4)",
     {0, 0, -1},
     DLA_NAPOWIETRZNEJ | DLA_PODZIEMNEJ},
};

// EKRAN_POLACZONY here: a row that needs a bonded shield.
const Wiersz w_RS[] = {
    {"bez_ekranu",
     "Linia bez ekranu lub ekran niepołączony z szyną wyrównawczą urządzeń",
     {1, 1, 1, 1, 1},
     0},
    {"rs_ponad_20", "Ekran połączony, RS > 20 Ω/km lub nieznana", {1, 1, 1, 1, 1}, EKRAN_POLACZONY},
    {"rs_5_20", "Ekran połączony, 5 Ω/km < RS ≤ 20 Ω/km", {1, 1, 0.95, 0.9, 0.8}, EKRAN_POLACZONY},
    {"rs_1_5", "Ekran połączony, 1 Ω/km < RS ≤ 5 Ω/km", {0.9, 0.8, 0.6, 0.3, 0.1}, EKRAN_POLACZONY},
    {"rs_do_1", "Ekran połączony, RS ≤ 1 Ω/km", {0.6, 0.4, 0.2, 0.04, 0.02}, EKRAN_POLACZONY},
};

const Wiersz w_PLI[] = {
    {"energetyczna", "Elektroenergetyczna", {1, 0.6, 0.3, 0.16, 0.1}, 0},
    {"telekomunikacyjna", "Telekomunikacyjna", {1, 0.5, 0.2, 0.08, 0.04}, 0},
};

const Wiersz w_KS3[] = {
    {"bez_zabiegow",
     "Przewody nieekranowane – bez zabiegów przeciw pętlom (pętla ok. 50 m²)",
     {1},
     0},
    {"unikanie_duzych_petli",
     "Przewody nieekranowane – prowadzenie unikające dużych pętli (pętla ok. 10 m²)",
     {0.2},
     0},
    {"unikanie_petli",
     "Przewody nieekranowane – prowadzenie unikające pętli (przewody w jednym kablu, pętla ok. "
     "0,5 m²)",
     {0.01},
     0},
    {"ekranowane",
     "Przewody ekranowane lub w rurach metalowych, ekrany i rury połączone na obu końcach z "
     "szynami wyrównawczymi, urządzenia przyłączone do tej samej szyny",
     {0.0001},
     0},
};

const Wiersz w_POLOZENIE[] = {
    {"wewnatrz", "Wewnątrz obiektu", {}, 0},
    {"na_zewnatrz", "Na zewnątrz obiektu", {}, NA_ZEWNATRZ},
};

const Wiersz w_RT[] = {
    {"grunt_beton", "Grunt rolny, beton (rezystancja styku do 1 kΩ)", {0.01}, 0},
    {"marmur_ceramika", "Marmur, ceramika (1–10 kΩ)", {0.001}, 0},
    {"zwir_wykladzina", "Żwir, wykładzina, dywan (10–100 kΩ)", {0.0001}, 0},
    {"asfalt_drewno", "Asfalt, linoleum, drewno (co najmniej 100 kΩ)", {0.00001}, 0},
};

const Wiersz w_RP[] = {
    {"gasnice", "Gaśnice", {0.5}, 0},
    {"gaszenie_reczne", "Stałe urządzenia gaśnicze uruchamiane ręcznie", {0.5}, 0},
    {"sygnalizacja_reczna", "Ręczne urządzenia sygnalizacji pożarowej", {0.5}, 0},
    {"hydranty", "Hydranty", {0.5}, 0},
    {"oddzielenia", "Oddzielenia przeciwpożarowe (strefy pożarowe)", {0.5}, 0},
    {"drogi_ewakuacyjne", "Chronione drogi ewakuacyjne", {0.5}, 0},
    {"gaszenie_automatyczne", "Stałe urządzenia gaśnicze uruchamiane automatycznie", {0.2}, 0},
    {"sygnalizacja_automatyczna", "Automatyczne urządzenia sygnalizacji pożarowej", {0.2}, 0},
};

const Wiersz w_RF[] = {
    {"wybuch_0_20",
     "Zagrożenie wybuchem: strefy 0 i 20 oraz stałe materiały wybuchowe",
     {1},
     WYBUCH},
    {"wybuch_1_21", "Zagrożenie wybuchem: strefy 1 i 21", {0.1}, WYBUCH},
    {"wybuch_2_22", "Zagrożenie wybuchem: strefy 2 i 22", {0.001}, WYBUCH},
    {"pozar_duze", "Duże zagrożenie pożarowe (obciążenie ogniowe co najmniej 800 MJ/m²)", {0.1}, 0},
    {"pozar_zwykle",
     "Zwykłe zagrożenie pożarowe (obciążenie ogniowe od 400 do 800 MJ/m²)",
     {0.01},
     0},
    {"pozar_male", "Małe zagrożenie pożarowe (obciążenie ogniowe poniżej 400 MJ/m²)", {0.001}, 0},
    {"brak", "Brak zagrożenia pożarowego i wybuchowego", {0}, 0},
};

const Wiersz w_HZ[] = {
    {"brak", "Brak szczególnego zagrożenia", {1}, 0},
    {"panika_niska", "Niski poziom paniki (np. obiekt do dwóch kondygnacji, do 100 osób)", {2}, 0},
    {"panika_srednia",
     "Średni poziom paniki (np. imprezy kulturalne lub sportowe, od 100 do 1000 osób)",
     {5},
     0},
    {"ewakuacja_utrudniona", "Utrudniona ewakuacja (np. osoby unieruchomione, szpitale)", {5}, 0},
    {"panika_wysoka", "Wysoki poziom paniki (ponad 1000 osób)", {10}, 0},
};

const Wiersz w_RODZAJ_L1[] = {
    {"wybuch", "Obiekt z zagrożeniem wybuchem", {0.01, 0.1, 0.1}, ZAGRAZA_ZYCIU},
    {"szpital_oiom",
     "Szpital – oddział intensywnej terapii i blok operacyjny",
     {0.01, 0.1, 0.01},
     ZAGRAZA_ZYCIU},
    {"szpital_inne", "Szpital – pozostałe części", {0.01, 0.1, 0.001}, ZAGRAZA_ZYCIU},
    {"hotel_szkola", "Hotel, szkoła, budynek użyteczności publicznej", {0.01, 0.1, 0}, 0},
    {"widowiskowy", "Obiekt widowiskowy, kościół, muzeum", {0.01, 0.05, 0}, 0},
    {"przemyslowy", "Obiekt przemysłowy lub handlowy", {0.01, 0.02, 0}, 0},
    {"inny", "Inny (np. budynek mieszkalny)", {0.01, 0.01, 0}, 0},
};

const Wiersz w_USLUGA[] = {
    {"gaz_woda_energia", "Dostawa gazu, wody lub energii elektrycznej", {0.1, 0.01}, 0},
    {"tv_telekomunikacja", "Telewizja, telekomunikacja", {0.01, 0.001}, 0},
};

const Wiersz w_RODZAJ_L4[] = {
    {"wybuch", "Obiekt z zagrożeniem wybuchem", {0.01, 1, 0.1}, 0},
    {"szpital", "Szpital", {0.01, 0.5, 0.01}, 0},
    {"przemyslowy", "Obiekt przemysłowy", {0.01, 0.5, 0.01}, 0},
    {"muzeum", "Muzeum", {0.01, 0.5, 0.001}, 0},
    {"rolniczy", "Obiekt rolniczy", {0.01, 0.5, 0.001}, 0},
    {"hotel", "Hotel", {0.01, 0.2, 0.01}, 0},
    {"szkola", "Szkoła", {0.01, 0.2, 0.001}, 0},
    {"biuro", "Biuro", {0.01, 0.2, 0.01}, 0},
    {"kosciol", "Kościół", {0.01, 0.2, 0.001}, 0},
    {"widowiskowy", "Obiekt widowiskowy", {0.01, 0.2, 0.001}, 0},
    {"handlowy", "Obiekt handlowy", {0.01, 0.2, 0.01}, 0},
    {"inny", "Inny", {0.01, 0.1, 0.0001}, 0},
};

template <int N> constexpr Tabela T(const Wiersz (&w)[N])
{
    return Tabela{w, N};
}

} // namespace

const Tabela CD = T(w_CD);
const Tabela RODZAJ_LINII = T(w_RODZAJ_LINII);
const Tabela CI = T(w_CI);
const Tabela CT = T(w_CT);
const Tabela CE = T(w_CE);
const Tabela LPS = T(w_LPS);
const Tabela EKRAN_PRZESTRZENNY = T(w_EKRAN_PRZESTRZENNY);
const Tabela PTA = T(w_PTA);
const Tabela SPD = T(w_SPD);
const Tabela PTU = T(w_PTU);
const Tabela EKRAN_LINII = T(w_EKRAN_LINII);
const Tabela RS = T(w_RS);
const Tabela PLI = T(w_PLI);
const Tabela KS3 = T(w_KS3);
const Tabela POLOZENIE = T(w_POLOZENIE);
const Tabela RT = T(w_RT);
const Tabela RP = T(w_RP);
const Tabela RF = T(w_RF);
const Tabela HZ = T(w_HZ);
const Tabela RODZAJ_L1 = T(w_RODZAJ_L1);
const Tabela USLUGA = T(w_USLUGA);
const Tabela RODZAJ_L4 = T(w_RODZAJ_L4);

double Tabela::Iloczyn(unsigned maska) const
{
    double p = 1;
    for (int i = 0; i < liczba; ++i)
        if (maska & (1u << i))
            p = p * Wartosc(i);
    return p;
}

int Tabela::Indeks(const QString &klucz) const
{
    for (int i = 0; i < liczba; ++i)
        if (klucz == QLatin1String(wiersze[i].klucz))
            return i;
    return -1;
}

int KolumnaUW(double uw)
{
    for (int i = 0; i < 5; ++i)
        if (uw == UW_KOLUMNY[i])
            return i;
    return -1;
}

} // namespace kerwano::ocena
