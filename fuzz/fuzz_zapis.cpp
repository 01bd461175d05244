// Bytes as a session: the first four choose a failure of the save (the step
// of the save, which call of it, the error, and whether the project has a
// second name, so that it is written in place); the rest drive the model's
// operations (selections, dimension texts, project data, elements added,
// changed and removed). At the first separator the project is saved, at the
// end saved again with the failure injected, then read back: a save that
// succeeded reads as the model's project, one that failed as the file before
// it (or, when even putting it back failed, its copy does); the other name
// always holds the same bytes and no file of the save is left behind.

#include "elements/UkladyElementu.h"
#include "pliki/KopiaZapisu.h"
#include "pliki/ZapisPliku.h"
#include "project/ModelProjektu.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

[[noreturn]] void Blad(const char *co)
{
    std::fprintf(stderr, "fuzz_zapis: %s\n", co);
    std::abort();
}

class Bajty
{
public:
    Bajty(const uint8_t *dane, size_t rozmiar) : m_dane(dane), m_rozmiar(rozmiar) {}
    bool koniec() const { return m_pozycja >= m_rozmiar; }
    uint8_t Bajt() { return koniec() ? 0 : m_dane[m_pozycja++]; }
    // A text of up to 63 bytes, read as UTF-8 (bytes that are not become U+FFFD).
    QString Tekst()
    {
        const size_t n = qMin<size_t>(Bajt() % 64, m_rozmiar - qMin(m_pozycja, m_rozmiar));
        const QString t =
            QString::fromUtf8(reinterpret_cast<const char *>(m_dane + m_pozycja), qsizetype(n));
        m_pozycja += n;
        return t;
    }

private:
    const uint8_t *m_dane;
    size_t m_rozmiar;
    size_t m_pozycja = 0;
};

kerwano::DaneElementu Element(Bajty &b)
{
    kerwano::DaneElementu e;
    e.nazwa = b.Tekst();
    // Each code or none (Brak).
    const auto &uklady = kerwano::Uklady();
    const auto &instalacje = kerwano::Instalacje();
    const auto &osrodki = kerwano::Osrodki();
    const size_t u = b.Bajt() % (uklady.size() + 1), i = b.Bajt() % (instalacje.size() + 1),
                 m = b.Bajt() % (osrodki.size() + 1);
    e.uklad = u ? uklady[u - 1].typ : kerwano::TypUkladu::Brak;
    e.typ_instalacji = i ? instalacje[i - 1].typ : kerwano::TypInstalacji::Brak;
    e.material = m ? osrodki[m - 1].typ : kerwano::Material::Brak;
    e.H = b.Bajt() * 0.25;
    e.L = b.Bajt() * 0.5;
    e.fc = b.Bajt() * 0.5;
    e.n = b.Bajt() % 12;
    return e;
}

// The failure injected: the step, the call of it that fails (from 1), the error.
// Putting back is reached through a failure of the overwrite at the same call.
int g_etap = -1, g_ktore = 0, g_blad = 0, g_wywolan = 0, g_nadpisan = 0;

int Awaria(kerwano::EtapZapisu etap)
{
    if (g_etap == int(kerwano::EtapZapisu::Przywracanie) && etap == kerwano::EtapZapisu::Nadpisanie)
        return ++g_nadpisan == g_ktore ? ENOSPC : 0;
    if (int(etap) != g_etap || ++g_wywolan != g_ktore)
        return 0;
    return g_blad;
}

QByteArray Czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        Blad("a file of the project cannot be read");
    return f.readAll();
}

// A folder of its own for every run, on a memory file system where there is one.
const QString &Folder()
{
    static const QString folder = [] {
        const QByteArray shm("/dev/shm/fuzz_zapis-XXXXXX"), tmp("/tmp/fuzz_zapis-XXXXXX");
        QByteArray wzor = QDir(QStringLiteral("/dev/shm")).exists() ? shm : tmp;
        if (!::mkdtemp(wzor.data()))
            Blad("no folder to save in");
        // The recovery folder, should the copy go there, inside it too.
        qputenv("HOME", wzor);
        qunsetenv("XDG_DATA_HOME");
        std::atexit([] { QDir(Folder()).removeRecursively(); });
        return QFile::decodeName(wzor);
    }();
    return folder;
}

void Oproznij()
{
    QDir folder(Folder());
    for (const QString &n : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    Bajty b(dane, rozmiar);
    const int etapy = int(kerwano::EtapZapisu::Usuniecie) + 1;
    const int etap = b.Bajt() % (etapy + 1); // etapy: no failure
    const int ktore = 1 + b.Bajt() % 4;
    static const int bledy[] = {ENOSPC, EIO, EINTR, EBUSY, EPERM, EACCES, EDQUOT, EROFS};
    const int blad = bledy[b.Bajt() % 8];
    const bool dwie_nazwy = b.Bajt() & 1;

    Oproznij();
    const QString p = Folder() + QStringLiteral("/p.kwp"), q = Folder() + QStringLiteral("/q.kwp");
    kerwano::ModelProjektu model;
    model.UstawDomyslne();
    bool zapisany = false;
    QByteArray przed = kerwano::ZakodujProjekt(model.ZbierzProjekt());
    auto zapisz_przed = [&] {
        przed = kerwano::ZakodujProjekt(model.ZbierzProjekt());
        if (!kerwano::ZapiszPlikProjektu(p, model.ZbierzProjekt()).isEmpty())
            Blad("a save without a failure failed");
        if (dwie_nazwy &&
            ::link(QFile::encodeName(p).constData(), QFile::encodeName(q).constData()))
            Blad("no second name");
        zapisany = true;
    };
    while (!b.koniec()) {
        const uint8_t op = b.Bajt();
        const int n = model.liczba_elementow();
        switch (op % 8) {
        case 0: { // the bytes read in their order, not in that of the arguments
            const int nr = 1 + b.Bajt() % kerwano::LICZBA_LIST;
            model.UstawWybor(nr, int(b.Bajt() % 10) - 2);
            break;
        }
        case 1: {
            const int nr = 1 + b.Bajt() % kerwano::LICZBA_WYMIAROW;
            model.UstawWymiar(nr, b.Tekst());
            break;
        }
        case 2: {
            std::array<QString, kerwano::LICZBA_DANYCH> d = model.DaneProjektu();
            const size_t i = b.Bajt() % kerwano::LICZBA_DANYCH;
            d[i] = b.Tekst();
            model.UstawDaneProjektu(d);
            break;
        }
        case 3:
            if (n < 60)
                model.DodajElement(Element(b));
            break;
        case 4: {
            const int w = 1 + b.Bajt() % (n + 1);
            model.ZmienElement(w, Element(b));
            break;
        }
        case 5:
            model.UsunElement(1 + b.Bajt() % (n + 1));
            break;
        case 6:
            model.ObliczKlase(op & 8);
            break;
        case 7:
            if (!zapisany)
                zapisz_przed();
            break;
        }
    }
    if (!zapisany)
        zapisz_przed();

    // The save with the failure injected, then the file read back.
    const kerwano::Projekt projekt = model.ZbierzProjekt();
    const QByteArray po = kerwano::ZakodujProjekt(projekt);
    g_etap = etap;
    g_ktore = ktore;
    g_blad = blad;
    g_wywolan = 0;
    g_nadpisan = 0;
    kerwano::UstawAwarieZapisu(Awaria);
    const QString wynik = kerwano::ZapiszPlikProjektu(p, projekt);
    kerwano::UstawAwarieZapisu(nullptr);

    const QByteArray teraz = Czytaj(p);
    const QString kopia = kerwano::KopiaNiedokonczonegoZapisu(p);
    if (wynik.isEmpty()) {
        if (teraz != po)
            Blad("a save that succeeded left other bytes");
        // Only a copy that could not be removed stays, and it is whole.
        if (!kopia.isEmpty() &&
            (etap != int(kerwano::EtapZapisu::Usuniecie) || Czytaj(kopia) != przed))
            Blad("a save that succeeded left a copy");
        kerwano::Projekt wczytany;
        if (!kerwano::CzytajPlikProjektu(p, wczytany).isEmpty() ||
            kerwano::ZakodujProjekt(wczytany) != po)
            Blad("the project saved reads back otherwise");
    } else if (wynik.contains(QStringLiteral("poprzednia treść"))) {
        if (kopia.isEmpty() || !wynik.endsWith(kopia) || Czytaj(kopia) != przed)
            Blad("the copy named is not the whole earlier file");
        if (etap != int(kerwano::EtapZapisu::Przywracanie))
            Blad("putting back failed without a failure there");
    } else {
        if (teraz != przed)
            Blad("a save that failed changed the file");
        if (!kopia.isEmpty())
            Blad("a save that failed and put the file back left a copy");
    }
    // An interrupted call is made again: the save succeeds, or, where the
    // overwrite was made to fail so that the old contents are put back, the
    // putting back does.
    if (blad == EINTR && etap != int(kerwano::EtapZapisu::Przywracanie) && !wynik.isEmpty())
        Blad("an interrupted call was not made again");
    if (blad == EINTR && etap == int(kerwano::EtapZapisu::Przywracanie) &&
        wynik.contains(QStringLiteral("poprzednia treść")))
        Blad("an interrupted putting back was not made again");
    if (dwie_nazwy && Czytaj(q) != teraz)
        Blad("the other name holds other bytes");
    if (!kopia.isEmpty() && !kerwano::UsunKopie(kopia).isEmpty())
        Blad("the copy cannot be removed");
    QStringList zostalo =
        QDir(Folder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    zostalo.removeOne(QStringLiteral("p.kwp"));
    zostalo.removeOne(QStringLiteral("q.kwp"));
    if (!zostalo.isEmpty())
        Blad("a file of the save was left behind");
    return 0;
}
