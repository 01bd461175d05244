#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TStringGrid;

// Page 3, "Obliczanie odstępów izolacyjnych": the computed class, the roof
// element list with its buttons, and the pane of the selected element.
class TOdstepy_strona : public QWidget
{
    Q_OBJECT
public:
    explicit TOdstepy_strona(QWidget *parent = nullptr);

    QLabel *Label26;
    QLabel *Panel_odi_klasa; // the class as text: "?", "IV" .. "I+"
    QLabel *Label27;
    TStringGrid *StringGrid1; // "Nazwa elementu", "Parametry"
    QPushButton *Button2;     // "<< Dodaj"
    QPushButton *Button3;     // "Usuń"
    QPushButton *Button4;     // "Edycja"
    QLabel *Label28;
    QLabel *Label_uklad_AB;       // no arrangement to show
    QLabel *Label_typ_instalacji; // no installation layout to show
};
