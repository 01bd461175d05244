#pragma once

#include "app/MiejsceOkna.h"
#include "app/ObslugaPliku.h"
#include "app/PoleceniaWydruku.h"
#include "project/ModelProjektu.h"

#include <QMainWindow>

class HistoriaProjektu;
class PamiecProgramu;
class TOdzyskiwanie;
class QAction;
class QSplitter;
class QTabWidget;
class TKaty_strona;
class TMenu_glowne;
class TKlasa_strona;
class TOdstepy_strona;
class TPanel_boczny;
class TPrzewijana;
class TStrona;

// The main window: three pages, the menus and the side panel over one
// project. It passes what the user does on a page to the project, has every
// page show the outcome, and keeps the file name, the title and the modified
// flag; the calculations and the element list live in the project.
class TProgram_form : public QMainWindow
{
    Q_OBJECT
public:
    explicit TProgram_form(const QStringList &argumenty = {}, QWidget *parent = nullptr);
    ~TProgram_form() override;

    static QString TytulOkna(const QString &nazwa_pliku);
    static QRect MiejsceWEkranie(QRect okno, const QMargins &ramka, const QRect &dostepne)
    {
        return MiejsceOkna::MiejsceWEkranie(okno, ramka, dostepne);
    }
    // The command-line parameters (the program's own path excluded) that name
    // an existing file with the extension .kwp in any letter case, in order.
    static QStringList PlikiProjektow(const QStringList &parametry)
    {
        return ObslugaPliku::PlikiProjektow(parametry);
    }

    const kerwano::ModelProjektu &projekt() const { return m_projekt; }
    const QString &nazwa_pliku() const { return m_plik->nazwa_pliku(); }
    bool zmodyfikowany() const { return m_zmodyfikowany; }
    bool nienazwany() const { return m_plik->nienazwany(); }
    // Opened read-only beside another program holding it: F2 stays off.
    bool tylko_do_odczytu() const { return m_plik->tylko_do_odczytu(); }

    void UstawZmodyfikowany(bool value);

    // Project files. ZapiszProjekt gives false when the save was cancelled
    // or failed, so that a command waiting on it goes no further. A load
    // that fails shows the error box and changes nothing.
    bool ZapiszProjekt(bool jako) { return m_plik->ZapiszProjekt(jako); }
    void WczytajProjekt(const QString &sciezka) { m_plik->WczytajProjekt(sciezka); }
    // A project applied as a load applies it, shown on every page.
    void ZastosujProjekt(const kerwano::Projekt &projekt);

    // "Otwórz projekt" of a file already chosen (one dropped on the window)
    // or, with none, of one asked for in the open dialog; the question about
    // unsaved changes comes first.
    void OtworzProjekt(const QString &plik = QString()) { m_plik->OtworzProjekt(plik); }

    // The recovery copies that programs no longer running left behind,
    // offered; one restored opens as modified under its own file's name.
    void ZaproponujOdzyskanie();

    // Menu commands.
    // "Nowy projekt": after the question about unsaved changes, the project
    // of a freshly started program, unnamed, without history.
    void Nowyprojekt1Click();
    void Wczytajprojekt1Click() { OtworzProjekt(); }
    void Zapiszprojekt1Click() { ZapiszProjekt(false); }
    void Zapiszjako1Click() { ZapiszProjekt(true); }
    void Wyjcie1Click();
    void Daneprojektu1Click();
    // The printouts: their work is the reports' own.
    void Drukujformularz1Click() { m_wydruki->Formularz(); }
    void Drukujobliczenia1Click() { m_wydruki->Obliczenia(); }
    void Drukujzestawienie1Click() { m_wydruki->Zestawienie(); }

signals:
    // "Opis Programu" (F1): the help is not the window's own.
    void OpisProgramu1Click();

protected:
    bool event(QEvent *zdarzenie) override;
    void showEvent(QShowEvent *zdarzenie) override;
    void closeEvent(QCloseEvent *zdarzenie) override;
    // A project file dragged onto the window opens as "Otwórz projekt" does;
    // other files are refused.
    void dragEnterEvent(QDragEnterEvent *zdarzenie) override;
    void dropEvent(QDropEvent *zdarzenie) override;

private:
    // "Panel boczny" in the "Obliczenia" menu: shows and hides the side panel,
    // checked while it is shown.
    void UtworzPozycjePanelu();
    // What is remembered between runs: the recent projects in the menu, the
    // window's place and state and the side panel given back.
    void UtworzPamiec();
    void UtworzMenu();
    void UtworzWidzety();
    // What the pages and the side panel report, passed to the history, to
    // each other and to the window.
    void PolaczStrony();
    // The start-up of the first showing: page-1 defaults, the first class,
    // then the projects named on the command line.
    void FormShow();
    void Button1Click();
    void UstawTytul();

    // What an operation of the project changed, shown on every page; the
    // project is then modified when anything changed. `cicho` as the pages'
    // PokazElementy.
    void Zmieniono(const kerwano::Przeliczenie &zmiana, bool cicho = false);
    // The whole project shown anew on every page (a load, an undo, a new
    // project), the page in view with the element now selected.
    void PokazCaly(const kerwano::Przeliczenie &zmiana);
    // The history moved: the modified flag follows its saved state, and
    // "Cofnij" and "Ponów" name their steps.
    void HistoriaZmieniona();

    kerwano::ModelProjektu m_projekt;
    HistoriaProjektu *m_historia;
    TOdzyskiwanie *m_odzyskiwanie = nullptr;
    QStringList m_argumenty;
    class OknoOceny *m_ocena = nullptr; // the risk assessment
    MiejsceOkna *m_miejsce = nullptr;   // least size and place on the screen
    ObslugaPliku *m_plik = nullptr;
    PoleceniaWydruku *m_wydruki = nullptr; // the project's file: name, lock, open and save
    bool m_zmodyfikowany = false;
    bool m_pierwsze_pokazanie = true;
    QAction *m_panel_boczny = nullptr;
    PamiecProgramu *m_pamiec = nullptr;

    QTabWidget *m_zakladki = nullptr; // the three pages as tabs
    TKlasa_strona *m_strona_klasy = nullptr;
    TKaty_strona *m_strona_katow = nullptr;
    TOdstepy_strona *m_strona_odstepow = nullptr;
    QList<TStrona *> m_strony; // the three pages in the order of their tabs
    TPanel_boczny *m_panel = nullptr;
    QSplitter *m_podzial = nullptr;      // the pages beside the side panel
    TPrzewijana *m_przewijana = nullptr; // scrolls them when the screen is too small
    TMenu_glowne *m_menu = nullptr;
};
