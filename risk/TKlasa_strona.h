#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace kerwano {
class ModelProjektu;
}

// Page 1, "Obliczanie klasy ochronności": the thirteen coefficient lists,
// the three building dimensions, the results and the verdict. The page
// shows the project and reports what the user picks and types; the project
// keeps the values and does the calculation.
class TKlasa_strona : public QWidget
{
    Q_OBJECT
public:
    explicit TKlasa_strona(QWidget *parent = nullptr);

    // The selections and the dimension texts, as a load or the start-up set
    // them (no signal is sent for them).
    void PokazWybory(const kerwano::ModelProjektu &projekt);
    // The results, the efficiency and the verdict.
    void PokazWyniki(const kerwano::ModelProjektu &projekt);

signals:
    // The user picked entry `indeks` of ComboBox<nr>.
    void ListaZmieniona(int nr, int indeks);
    // The user changed the text of Edit<nr>.
    void WymiarZmieniony(int nr, const QString &tekst);
    void Button1Click();

private:
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5;
    QLabel *Label_A, *Label_B, *Label_C, *Label_Nc, *Label_Ae, *Label_Nd, *Label_E;
    QFrame *Panel3;
    QLabel *Label21; // the verdict
    QPushButton *Button1;
    QComboBox *m_listy[13] = {};
    QLineEdit *m_wymiary[3] = {};
};
