#pragma once

#include "assessment/Json.h"
#include "assessment/Tabele.h"
#include "assessment/Walidacja.h"
#include "project/BlokadaProjektu.h"
#include "project/StempelPliku.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

#include <functional>
#include <memory>

class CzujnikZmianPliku;
class PoleOceny;
class TOdzyskiwanie;
namespace kerwano {
struct KopiaOdzyskana;
}
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QWidget;

// "Ocena ryzyka": the risk assessment's window. Five pages ("Obiekt",
// "Linie", "Strefy", "Wyniki", "Dobór ochrony") and the verdict panel under
// them; every change is checked and computed at once. The document is kept
// as its file's JSON; the window only edits it.
class TOcena_ryzyka_form : public QMainWindow
{
    Q_OBJECT
public:
    // `wymiary` gives page 1's length, width and height texts, for
    // "Wymiary z projektu".
    explicit TOcena_ryzyka_form(std::function<QStringList()> wymiary, QWidget *parent = nullptr);

    // Reads `plik` into the window; the error box and false on failure (the
    // document shown stays as it was).
    bool Otworz(const QString &plik);
    // Shows the document of a recovery copy, modified, under its own file's
    // name: true when shown; false with `blad` empty when the user keeps the
    // document in the window, with the error when the copy cannot be read.
    bool Przywroc(const kerwano::KopiaOdzyskana &kopia, QString &blad);
    // Before the document is left: the question about unsaved changes;
    // false when the user stays.
    bool MoznaZamknac();
    const kerwano::ocena::Json &dokument() const { return m_dokument; }
    bool zmodyfikowany() const { return m_zmodyfikowany; }
    const QString &plik() const { return m_plik; }
    // Opened as read-only because another program holds the file.
    bool tylko_do_odczytu() const { return m_tylko_odczyt; }

protected:
    void closeEvent(QCloseEvent *zdarzenie) override;

private:
    // The element a field belongs to.
    enum Zakres
    {
        OBIEKT,
        LINIA,
        STREFA
    };
    struct Powiazanie
    {
        PoleOceny *pole;
        Zakres zakres;
    };

    void UtworzMenu();
    QWidget *StronaObiektu();
    QWidget *StronaLinii();
    QWidget *StronaStref();
    QWidget *StronaWynikow();
    QWidget *StronaDoboru();
    QWidget *PanelWerdyktu();
    PoleOceny *Pole(Zakres zakres, int rodzaj, const char *klucz, const char *etykieta,
                    const kerwano::ocena::Tabela *tabela = nullptr, bool pusty = false);

    QString Przedrostek(Zakres zakres) const;
    kerwano::ocena::Json *Wartosc(const QString &sciezka);
    void Ustaw(Zakres zakres, const QString &klucz, const kerwano::ocena::Json &wartosc);
    void Zmieniono(); // checks, computes, shows; the document modified
    void PokazPola(); // every field from the document
    void PokazListy();
    void PokazSystemy();
    void PokazOznaczenia();
    void PokazWyniki();
    void PokazDobor();
    void PokazWerdykt();
    void PokazTytul();
    void Widocznosc();

    void NowaOcena();
    // Where the file dialogs start: the assessment's folder or, for a new
    // one, the folder last used in a file dialog, else the documents folder.
    QString Folder() const;
    void OtworzZPliku();
    bool Zapisz(bool jako);
    void Zablokuj(const QString &plik);
    void DaneProjektu();
    void Drukuj(int jak); // 0 preview, 1 print, 2 PDF
    void DobierzOchrone();
    void PrzejdzDo(const QString &pole);
    void DodajLinie();
    void UsunLinie();
    void PrzesunLinie(int krok);
    void DodajStrefe();
    void UsunStrefe();
    void PrzesunStrefe(int krok);
    void DodajSystem();
    void UsunSystem();

    std::function<QStringList()> m_wymiary;
    kerwano::ocena::Json m_dokument;
    kerwano::ocena::Walidacja m_walidacja;
    QString m_plik; // empty for a document never saved
    bool m_zmodyfikowany = false;
    bool m_tylko_odczyt = false;
    // The file as read or written here, watched for changes from outside.
    CzujnikZmianPliku *m_czujnik = nullptr;
    std::unique_ptr<kerwano::BlokadaProjektu> m_blokada;
    TOdzyskiwanie *m_odzyskiwanie = nullptr; // the recovery copy of unsaved changes
    bool m_dobor_aktualny = false;
    int m_linia = -1, m_strefa = 0;

    QList<Powiazanie> m_pola;
    QTabWidget *m_strony = nullptr;
    QListWidget *m_lista_linii = nullptr, *m_lista_stref = nullptr;
    QWidget *m_formularz_linii = nullptr, *m_sasiedni = nullptr;
    QLabel *m_brak_linii = nullptr;
    QList<QGroupBox *> m_grupy_R; // structure's R2, R3, R4 groups
    QList<QGroupBox *> m_grupy_strefy_R;
    QList<QWidget *> m_tylko_wewnatrz;
    QRadioButton *m_wewnatrz = nullptr, *m_na_zewnatrz = nullptr;
    QTableWidget *m_systemy = nullptr;
    QPushButton *m_dodaj_system = nullptr, *m_usun_strefe = nullptr, *m_ng_td = nullptr;
    QLabel *m_wyniki_obiektu = nullptr;
    QTableWidget *m_tabela_linii = nullptr, *m_tabela_strefy = nullptr,
                 *m_tabela_skladowych = nullptr, *m_tabela_krokow = nullptr,
                 *m_tabela_kosztow = nullptr;
    QComboBox *m_wybor_strefy = nullptr, *m_wybor_ryzyka = nullptr;
    QLabel *m_tekst_doboru = nullptr, *m_werdykty = nullptr, *m_uwagi = nullptr,
           *m_koszty = nullptr;
    QListWidget *m_bledy = nullptr;
    QPushButton *m_dobierz = nullptr, *m_dobierz_panel = nullptr;
    QAction *m_zapisz = nullptr;
    QList<QAction *> m_druk;
};
