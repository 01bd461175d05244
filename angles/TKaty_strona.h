#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class TStringGrid;
class TWykres_katow;

// Page 2, "Obliczanie kątów osłonowych": the angle chart with its
// information panel and the element table with heights and angles.
class TKaty_strona : public QWidget
{
    Q_OBJECT
public:
    explicit TKaty_strona(QWidget *parent = nullptr);

    TWykres_katow *Chart1;
    QFrame *Panel12;
    QLabel *Panel_wykres_H;     // building height
    QLabel *Panel_wykres_klasa; // class of the last row shown
    QLabel *Panel_wykres_kat;   // angle of the last row shown
    QLabel *Label29;
    TStringGrid *StringGrid2; // "Nazwa elementu", "Wysokość H [m]", "Kąt [°]"

private:
    void UmiescPanel12();
};
