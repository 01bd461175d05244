#pragma once

#include "risk/Klasa.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "Zwody i przewody odprowadzające": the lightning current parameters and
// the design data of air terminations and down conductors for one
// protection class. Fixed texts per class, filled once at creation.
class TInfo_form : public QDialog
{
    Q_OBJECT
public:
    // The texts of the computed class; class I with additional measures
    // shows as class I.
    explicit TInfo_form(kerwano::Klasa klasa, QWidget *parent = nullptr);

private:
    // The eleven value panels, named as the components they stand for
    // (objectName "Panel_klasa", "Panel_E", ... "Panel_H").
    QLabel *Panel_klasa;
    QLabel *Panel_E;
    QLabel *Panel_Is;
    QLabel *Panel_didt;
    QLabel *Panel_tt;
    QLabel *Panel_Q;
    QLabel *Panel_WR;
    QLabel *Panel_ab;
    QLabel *Panel_R;
    QLabel *Panel_ods;
    QLabel *Panel_H;
    QPushButton *m_ok; // "OK", the default button
};
