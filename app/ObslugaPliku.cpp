#include "app/ObslugaPliku.h"

#include "pliki/NazwaPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/ModelProjektu.h"
#include "project/okna/CzujnikZmianPliku.h"
#include "project/okna/HistoriaProjektu.h"
#include "project/okna/Pytania.h"
#include "project/okna/TPrzerwany_zapis.h"
#include "widgets/OknoBledu.h"

#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

#include <utility>

ObslugaPliku::ObslugaPliku(QWidget *okno, kerwano::ModelProjektu &projekt,
                           HistoriaProjektu *historia, std::function<bool()> zmodyfikowany)
    : QObject(okno), m_okno(okno), m_projekt(projekt), m_historia(historia),
      m_zmodyfikowany(std::move(zmodyfikowany))
{
    setObjectName(QStringLiteral("ObslugaPliku"));
    m_czujnik = new CzujnikZmianPliku(okno, m_zmodyfikowany);
    connect(m_czujnik, &CzujnikZmianPliku::Wczytaj, this, &ObslugaPliku::WczytajProjekt);
}

TDialog_projektu *ObslugaPliku::DialogPliku(TDialog_projektu::Tryb tryb)
{
    // Made on first use and kept for the window's life, so that each shows
    // the folder and name chosen in it last.
    TDialog_projektu *&dialog =
        tryb == TDialog_projektu::Tryb::Zapis ? m_dialog_zapisu : m_dialog_odczytu;
    if (!dialog)
        dialog = new TDialog_projektu(tryb, m_okno);
    return dialog;
}

void ObslugaPliku::Zablokuj(const QString &plik)
{
    m_blokada.reset();
    m_blokada = kerwano::BlokadaProjektu::Wzieta(plik);
}

void ObslugaPliku::UstawNazwePliku(const QString &sciezka)
{
    // No file: a new project's name, which no save takes without asking.
    m_nienazwany = sciezka.isEmpty();
    m_nazwa_pliku = m_nienazwany ? QStringLiteral("Nowy projekt.kwp") : sciezka;
    emit NazwaZmieniona();
}

void ObslugaPliku::Przywroc(const kerwano::Projekt &projekt, const QString &nazwa_pliku)
{
    // A save of the project's file that did not finish is settled first.
    if (!nazwa_pliku.isEmpty())
        TPrzerwany_zapis::Rozstrzygnij(m_okno, nazwa_pliku);
    emit Zastosuj(projekt);
    // Whatever the file holds now, it is not what this project came from.
    m_czujnik->Obserwuj(nazwa_pliku, {});
    m_tylko_odczyt = false;
    if (nazwa_pliku.isEmpty())
        m_blokada.reset();
    else
        Zablokuj(nazwa_pliku);
    UstawNazwePliku(nazwa_pliku);
}

void ObslugaPliku::BezPliku()
{
    m_blokada.reset();
    m_czujnik->Obserwuj(QString(), {});
    m_tylko_odczyt = false;
    UstawNazwePliku(QString());
}

void ObslugaPliku::WczytajProjekt(const QString &sciezka)
{
    // A save of it that did not finish is settled first.
    TPrzerwany_zapis::Rozstrzygnij(m_okno, sciezka);
    // The whole file is read and checked first: a damaged one changes nothing.
    // Its stamp is taken before it is read: a change while it is read is one.
    const kerwano::StempelPliku stempel = kerwano::Stempel(sciezka);
    kerwano::Projekt projekt;
    const QString blad = kerwano::CzytajPlikProjektu(sciezka, projekt);
    if (!blad.isEmpty()) {
        OknoBledu(m_okno, kerwano::ZdanieBledu(blad));
        return;
    }
    // A project another program holds is opened only as the user chooses.
    std::unique_ptr<kerwano::BlokadaProjektu> blokada;
    bool tylko_odczyt = false;
    if (m_nienazwany || sciezka != m_nazwa_pliku || !m_blokada) {
        blokada = std::make_unique<kerwano::BlokadaProjektu>(sciezka);
        const kerwano::BlokadaProjektu::Wynik wynik = blokada->Wez();
        if (wynik != kerwano::BlokadaProjektu::Wynik::Wzieta) {
            const QString kto = blokada->Kto();
            const bool zajeta = wynik == kerwano::BlokadaProjektu::Wynik::Zajeta;
            blokada.reset();
            if (zajeta)
                switch (pytania::ProjektOtwartyGdzieIndziej(
                    m_okno, kerwano::CzytelnaNazwaPliku(QFileInfo(sciezka).fileName()), kto)) {
                case pytania::OtwartyGdzieIndziej::TylkoDoOdczytu:
                    tylko_odczyt = true;
                    break;
                case pytania::OtwartyGdzieIndziej::MimoTo:
                    break;
                case pytania::OtwartyGdzieIndziej::Anuluj:
                    return;
                }
        }
        m_blokada = std::move(blokada);
    }
    m_tylko_odczyt = tylko_odczyt;
    m_czujnik->Obserwuj(sciezka, stempel);
    UstawNazwePliku(sciezka);
    emit Zastosuj(projekt);
    m_historia->setClean();
    emit Zapamietaj(sciezka);
}

bool ObslugaPliku::ZapiszProjekt(bool jako)
{
    QString plik = m_nazwa_pliku;
    if (jako || m_nienazwany || m_tylko_odczyt) {
        plik = DialogPliku(TDialog_projektu::Tryb::Zapis)
                   ->Wybierz(m_nienazwany ? QString() : m_nazwa_pliku);
        if (plik.isEmpty())
            return false;
    } else if (!m_zmodyfikowany()) {
        return true;
    }
    // The project's own file, changed by someone else since it was read or
    // written here, is replaced only when the user says so.
    if (!m_nienazwany && plik == m_nazwa_pliku) {
        const auto odpowiedz = m_czujnik->PrzedZapisem(plik);
        if (odpowiedz == pytania::ZmienionyNaDysku::ZapiszJako)
            return ZapiszProjekt(true);
        if (odpowiedz == pytania::ZmienionyNaDysku::Anuluj)
            return false;
    }
    // A file chosen is written even when nothing changed, and names the
    // window only once written: the title never names a file that does not
    // hold the project.
    const QString blad = kerwano::ZapiszPlikProjektu(plik, m_projekt.ZbierzProjekt());
    if (!blad.isEmpty()) {
        OknoBledu(m_okno, kerwano::ZdanieBledu(blad));
        return false;
    }
    m_czujnik->Obserwuj(plik, kerwano::Stempel(plik));
    if (plik != m_nazwa_pliku || m_nienazwany || !m_blokada)
        Zablokuj(plik);
    m_tylko_odczyt = false;
    UstawNazwePliku(plik);
    m_historia->ZamknijPole();
    m_historia->setClean();
    emit Zapamietaj(plik);
    return true;
}

bool ObslugaPliku::ZastapienieDozwolone()
{
    // A save cancelled or failed keeps the changes on screen.
    return !(m_zmodyfikowany() && pytania::ZapisacPrzedOtwarciem(m_okno) && !ZapiszProjekt(false));
}

bool ObslugaPliku::ZamkniecieDozwolone()
{
    if (!m_zmodyfikowany())
        return true;
    const pytania::Odpowiedz odpowiedz = pytania::ZapisacPrzedWyjsciem(m_okno);
    return !(odpowiedz == pytania::Odpowiedz::Zostan ||
             (odpowiedz == pytania::Odpowiedz::Tak && !ZapiszProjekt(false)));
}

void ObslugaPliku::OtworzProjekt(QString plik)
{
    if (!ZastapienieDozwolone())
        return;
    if (plik.isEmpty())
        plik = DialogPliku(TDialog_projektu::Tryb::Odczyt)
                   ->Wybierz(m_nienazwany ? QString() : m_nazwa_pliku);
    if (!plik.isEmpty())
        WczytajProjekt(plik);
}

QStringList ObslugaPliku::PlikiProjektow(const QStringList &parametry)
{
    QStringList pliki;
    for (const QString &p : parametry) {
        if (p.toUpper().endsWith(QStringLiteral(".KWP")) && kerwano::ZwyklyPlik(p))
            pliki << p;
    }
    return pliki;
}

QString ObslugaPliku::ProjektUpuszczony(const QMimeData *dane)
{
    QStringList pliki;
    for (const QUrl &adres : dane->urls())
        if (adres.isLocalFile())
            pliki << adres.toLocalFile();
    return PlikiProjektow(pliki).value(0);
}
