#pragma once

#include "angles/KrzyweKatow.h"
#include "elements/ElementDachu.h"
#include "project/PlikProjektu.h"
#include "risk/Klasa.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QFileDialog;
class QSplitter;
class QTabWidget;
class TKaty_strona;
class TKlasa_strona;
class TOdstepy_parametry_form;
class TOdstepy_strona;
class TPanel_boczny;

// The main window: three pages, the menus and the side panel. It holds the
// whole project state, keeps the title, the modified flag and the results in
// step, and coordinates the pages; calculations live in the core library.
class TProgram_form : public QMainWindow
{
    Q_OBJECT
public:
    explicit TProgram_form(const QStringList &argumenty = {}, QWidget *parent = nullptr);

    static QString TytulOkna(const QString &nazwa_pliku);
    // The command-line parameters (the program's own path excluded) that name
    // an existing file with the extension .kwp in any letter case, in order.
    static QStringList PlikiProjektow(const QStringList &parametry);

    // Page-1 calculation: results, class, verdict, the angle column when the
    // class changed (or `wymus`), the chart when page 2 shows, modified flag.
    void ObliczKlase(bool wymus);
    void UstawZmodyfikowany(bool value);

    // Project files. ZapiszProjekt gives false when the save was cancelled
    // or failed, so that a command waiting on it goes no further.
    bool ZapiszProjekt(bool jako);
    void WczytajProjekt(const QString &sciezka);
    // The load without its error box: "" or the error text. `wczytany`, when
    // given, receives the project as the file holds it.
    QString WczytajProjektZPliku(const QString &sciezka, kerwano::Projekt *wczytany = nullptr);
    // What a project file keeps of the window's state, and the way back.
    kerwano::Projekt ZbierzProjekt() const;
    void ZastosujProjekt(const kerwano::Projekt &projekt);
    // Folder the file dialogs start in: the program's, where it can be
    // written to; the user's documents folder otherwise.
    static QString FolderPoczatkowy();

    // The start-up of the first showing: page-1 defaults, the first class,
    // then the projects named on the command line.
    void FormShow();

    // Menu commands.
    void Wczytajprojekt1Click();
    void Zapiszprojekt1Click() { ZapiszProjekt(false); }
    void Zapiszjako1Click() { ZapiszProjekt(true); }
    void Wyjcie1Click();
    void Daneprojektu1Click();

    // A page-1 list's change handler, as a pick by the user runs it.
    void ComboBoxChange(int nr);

    // Replaces the roof element list with `elementy` as a loaded project
    // brings them: heights from the texts, angles recomputed for the class.
    void WczytajElementy(const QList<kerwano::ElementDachu> &elementy);

    // Roof element list of page 3: "<< Dodaj", "Usuń", "Edycja".
    void Button2Click();
    void Button3Click();
    void Button4Click();
    // The page-3 pane for a row of StringGrid1.
    void PokazElement(int wiersz);

    // Protective angles of page 2.
    void OdswiezKolumneKatow(int stara_klasa, bool wymus);
    void PokazKatElementu(int wiersz);

    // State readable by the other windows.
    const kerwano::DaneKlasy &dane() const { return m_dane; }
    const kerwano::WynikiKlasy &wyniki() const { return m_wyniki; }
    int klasa() const { return m_wyniki.klasa; }
    int klasa_plus() const { return m_wyniki.klasa_plus; }
    const kerwano::KrzyweKatow &krzywe_katow() const { return m_krzywe_katow; }

    // Project state.
    QString numer_projektu, data_wykonania, projektant, budowa, inwestor, zleceniodawca;
    // The six project data texts in the order of the dialog, the file and the report.
    std::array<QString *, 6> DaneProjektu()
    {
        return {&numer_projektu, &data_wykonania, &projektant, &budowa, &inwestor, &zleceniodawca};
    }
    std::array<QString, 6> DaneProjektu() const
    {
        return {numer_projektu, data_wykonania, projektant, budowa, inwestor, zleceniodawca};
    }
    int liczba_elementow = 0;
    QString nazwa_pliku;
    bool zmodyfikowany = false;
    bool nienazwany = true;
    bool gotowy = false;
    bool pierwsze_pokazanie = true;

    // Pages, panels and menu items, named as the components they stand for.
    QTabWidget *PageControl1;
    TKlasa_strona *TabSheet1;
    TKaty_strona *TabSheet2;
    TOdstepy_strona *TabSheet3;
    TPanel_boczny *Panel2;
    QSplitter *Splitter1;
    QFileDialog *SaveDialog1 = nullptr; // created on first use, kept for the window's life
    QFileDialog *OpenDialog1 = nullptr;
    QAction *Wczytajprojekt1, *Zapiszprojekt1, *Zapiszjako1, *Drukujformularz1, *Drukujobliczenia1,
        *Wyjcie1, *Daneprojektu1, *N2, *Obliczaniektwosonowych1, *Obliczanieodstpwizolacyjnych1,
        *OpisProgramu1;

protected:
    void showEvent(QShowEvent *zdarzenie) override;
    void closeEvent(QCloseEvent *zdarzenie) override;

private:
    void UtworzAkcje();
    void UtworzMenu();
    void UtworzWidzety();
    void EditChange(int nr);
    QFileDialog *DialogPliku(bool zapis);
    void Button1Click();
    void TabSheet2Show();
    void TabSheet3Show();
    void ZapiszElement(int wiersz, const TOdstepy_parametry_form &dialog);

    kerwano::DaneKlasy m_dane;
    kerwano::WynikiKlasy m_wyniki;
    kerwano::KrzyweKatow m_krzywe_katow;
    QStringList m_argumenty;
};
