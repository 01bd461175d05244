#pragma once

#include "risk/Wspolczynniki.h"
#include "widgets/TStrona.h"

#include <QSize>
#include <array>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class QResizeEvent;

namespace kerwano {
class ModelProjektu;
}

// Page 1, "Obliczanie klasy ochronności": the thirteen coefficient lists,
// the three building dimensions, the results and the verdict. The page
// shows the project and reports what the user picks and types; the project
// keeps the values and does the calculation.
class TKlasa_strona : public TStrona
{
    Q_OBJECT
public:
    explicit TKlasa_strona(const kerwano::ModelProjektu &projekt, QWidget *parent = nullptr);

    // The selections and the dimension texts, as a load or the start-up set
    // them (no signal is sent for them).
    void PokazWybory(const kerwano::ModelProjektu &projekt);
    // The results, the efficiency and the verdict.
    void PokazWyniki(const kerwano::ModelProjektu &projekt);

    void PokazProjekt() override;
    QSize minimumSizeHint() const override;
    void Przeliczono(const kerwano::Przeliczenie &, bool) override { PokazWyniki(m_projekt); }

signals:
    // The user picked entry `indeks` of ComboBox<nr>.
    void ListaZmieniona(int nr, int indeks);
    // The user changed the text of Edit<nr>.
    void WymiarZmieniony(int nr, const QString &tekst);
    void Button1Click();

protected:
    // Page 1 is made with the window, as the page in view at the start.
    void ZbudujZawartosc() override {}
    void resizeEvent(QResizeEvent *zdarzenie) override;
    bool event(QEvent *zdarzenie) override;

private:
    // The page is built in these steps, in this order (the order of the
    // widgets' making is their order for the keyboard and the screen reader).
    void ZbudujPola();
    void UlozWejscia();
    void WyrownajKolumny(const std::array<QGridLayout *, 4> &siatki);
    QGridLayout *ZbudujWyniki();
    void ZarezerwujMiejsce();
    void ZbudujWerdykt();
    void ZbudujPrzycisk(QGridLayout *wyniki);
    void UlozStrone();
    void UstawKolejnosc();

    // The page's arrangement: the groups one under another with the results
    // beside the fire consequences, or, `szeroko`, the inputs on the left and
    // the results and the verdict on the right.
    void Rozloz(bool szeroko);

    QGridLayout *m_uklad = nullptr;
    bool m_szeroko = false;
    QGroupBox *m_konstrukcja = nullptr;     // "Parametry konstrukcji budynku"
    QGroupBox *m_charakterystyka = nullptr; // "Charakterystyka budynku"
    QGroupBox *m_skutki = nullptr;          // the fire consequences
    QGroupBox *m_inne = nullptr;            // "Inne współczynniki" and the dimensions
    QGroupBox *m_wyniki = nullptr;          // "Wyniki obliczeń"
    QLabel *Label_A, *Label_B, *Label_C, *Label_Nc, *Label_Ae, *Label_Nd, *Label_E;
    QFrame *m_panel_werdyktu = nullptr;
    QLabel *m_werdykt = nullptr;
    QPushButton *m_arkusz = nullptr; // opens the class parameters sheet

    // The room reserved for the widest text of Nc, Ae, Nd or E: its size,
    // and the advance of that text in the label's font.
    struct Zapas
    {
        QSize rozmiar;
        int dlugosc = 0;
    };
    // Result labels have a fixed size: A, B and C the room of their text, the
    // others the room of their widest text. A new text relays out the page
    // only when it needs other room, as it did when the labels filled their cells.
    void Pokaz(QLabel *etykieta, const QString &tekst, const Zapas *zapas = nullptr);
    QSize Rozmiar(const QLabel *etykieta, const QString &tekst) const;

    QComboBox *m_listy[kerwano::LICZBA_LIST] = {};
    QLineEdit *m_wymiary[kerwano::LICZBA_WYMIAROW] = {};
    std::array<Zapas, 4> m_zapas{}; // of Nc, Ae, Nd and E
    QLabel *m_miarka = nullptr;     // hidden, measures the room of a text
    // The verdict changed without a new layout: the layouts may keep its old
    // heights for other widths, so the next change of width lays out again.
    bool m_werdykt_bez_ukladu = false;
};
