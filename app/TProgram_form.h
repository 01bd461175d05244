#pragma once

#include "project/BlokadaProjektu.h"
#include "project/ModelProjektu.h"
#include "project/StempelPliku.h"
#include "widgets/TDialog_projektu.h"

#include <QMainWindow>

#include <memory>

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
    // The window's place `okno` moved and made smaller as far as needed for
    // its frame (margins `ramka`) to lie inside the screen's available area
    // `dostepne`; centred there when it had to be made smaller.
    static QRect MiejsceWEkranie(QRect okno, const QMargins &ramka, const QRect &dostepne);
    // The command-line parameters (the program's own path excluded) that name
    // an existing file with the extension .kwp in any letter case, in order.
    static QStringList PlikiProjektow(const QStringList &parametry);

    const kerwano::ModelProjektu &projekt() const { return m_projekt; }
    const QString &nazwa_pliku() const { return m_nazwa_pliku; }
    bool zmodyfikowany() const { return m_zmodyfikowany; }
    bool nienazwany() const { return m_nienazwany; }
    // Opened read-only beside another program holding it: F2 stays off.
    bool tylko_do_odczytu() const { return m_tylko_odczyt; }

    void UstawZmodyfikowany(bool value);

    // Project files. ZapiszProjekt gives false when the save was cancelled
    // or failed, so that a command waiting on it goes no further. A load
    // that fails shows the error box and changes nothing.
    bool ZapiszProjekt(bool jako);
    void WczytajProjekt(const QString &sciezka);
    // A project applied as a load applies it, shown on every page.
    void ZastosujProjekt(const kerwano::Projekt &projekt);

    // "Otwórz projekt" of a file already chosen (one dropped on the window)
    // or, with none, of one asked for in the open dialog; the question about
    // unsaved changes comes first.
    void OtworzProjekt(QString plik = QString());

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
    void Drukujformularz1Click();
    void Drukujobliczenia1Click();
    void Drukujzestawienie1Click();

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
    // The least size: what the layout needs for the fonts in use, at least
    // 800 x 590, as far as the screen allows (the contents scroll beyond).
    void UstawMinimum();
    // The room the screen gives the window, its frame taken off.
    QSize Ekran() const;
    // The window's frame fitted into the available area of its screen, once
    // the frame is known (MiejsceWEkranie).
    void MiescWEkranie();
    // "Panel boczny" in the "Obliczenia" menu: shows and hides the side panel,
    // checked while it is shown.
    void UtworzPozycjePanelu();
    // What is remembered between runs: the recent projects in the menu, the
    // window's place and state and the side panel given back.
    void UtworzPamiec();
    // The next (1) or previous (-1) page, round.
    void ZmienStrone(int krok);
    void UtworzMenu();
    void UtworzWidzety();
    // The start-up of the first showing: page-1 defaults, the first class,
    // then the projects named on the command line.
    void FormShow();
    TDialog_projektu *DialogPliku(TDialog_projektu::Tryb tryb);
    void Button1Click();
    // The project's file; "" for a project without one.
    void UstawNazwePliku(const QString &sciezka);
    void UstawTytul();
    // The lock of `plik` taken for this window (none where it cannot be).
    void Zablokuj(const QString &plik);

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
    QString m_nazwa_pliku;
    // The project's file as it was last read or written here, watched for
    // changes from outside.
    class CzujnikZmianPliku *m_czujnik = nullptr;
    // The lock this window holds on its project's file, if any.
    std::unique_ptr<kerwano::BlokadaProjektu> m_blokada;
    bool m_tylko_odczyt = false;
    bool m_zmodyfikowany = false;
    bool m_nienazwany = true;
    bool m_pierwsze_pokazanie = true;
    bool m_ramka_dopasowana = false; // the frame, once known, fitted into the screen
    QAction *m_panel_boczny = nullptr;
    PamiecProgramu *m_pamiec = nullptr;

    // Pages, panels and menu items, named as the components they stand for.
    QTabWidget *PageControl1;
    TKlasa_strona *TabSheet1;
    TKaty_strona *TabSheet2;
    TOdstepy_strona *TabSheet3;
    QList<TStrona *> m_strony; // the three pages in the order of their tabs
    TPanel_boczny *Panel2;
    QSplitter *Splitter1;
    TPrzewijana *m_przewijana;
    TDialog_projektu *SaveDialog1 = nullptr;
    TDialog_projektu *OpenDialog1 = nullptr;
    TMenu_glowne *MainMenu1 = nullptr;
};
