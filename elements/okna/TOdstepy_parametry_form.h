#pragma once

#include "elements/ListaElementow.h"
#include "elements/ParametryElementu.h"
#include "elements/UkladyElementu.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TObraz;

// "Parametry odstępów izolacyjnych": one roof element's name, arrangement,
// installation layout, insulating medium and dimensions. It computes
// nothing; the numbers follow the fields as they are typed, and the caller
// reads the element after OK.
class TOdstepy_parametry_form : public QDialog
{
    Q_OBJECT
public:
    // The dialog as created: arrangement A, layout 1, air, every number 0.
    explicit TOdstepy_parametry_form(QWidget *parent = nullptr);
    // The same, with the fields preset to `element`: the name, its buttons
    // checked (a layout as a click checks it) and its numbers written with two
    // decimals (n as an integer), reaching the values as typed text does.
    explicit TOdstepy_parametry_form(const kerwano::DaneElementu &element,
                                     QWidget *parent = nullptr);

    // The element as the dialog holds it: the checked buttons and, for each
    // field, the last text that converted.
    kerwano::DaneElementu Element() const;

    // OK. The fields hold numbers short enough for the project file; an
    // element preset from a file with longer ones whose parameter text would
    // no longer fit is refused with a message, and the dialog stays open.
    // So is a layout whose distance cannot be computed (layout 3 with n below
    // 1 or H = 0, layout 2 with f = H = 0): the focus goes to the field and
    // a tool tip under it says why.
    void accept() override;

private:
    // Refuses the dimensions of `parametry` that the checked layout cannot
    // compute with, as described at accept(); true when it did.
    bool OdmowaWymiarow(const QString &parametry);

    // The checked buttons of the three groups.
    kerwano::TypUkladu Uklad() const;
    kerwano::TypInstalacji TypInstalacji() const;
    kerwano::Material Material() const;

    // Checks a button as the edit operation does; a layout runs its click handler.
    void UstawUklad(kerwano::TypUkladu uklad);
    void UstawTypInstalacji(kerwano::TypInstalacji typ);
    void UstawMaterial(kerwano::Material material);

    // The last text of each field that converted.
    QString nazwa_elementu;
    double wartosc_H = 0;
    double wartosc_L = 0;
    double wartosc_fc = 0; // f for layout 2, c for layout 3
    int wartosc_n = 0;

    QLabel *m_naglowek_ukladu, *m_naglowek_instalacji, *m_naglowek_parametrow, *m_etykieta_nazwy;
    QLineEdit *m_nazwa;
    QGroupBox *m_ramka_osrodka;
    // One button per medium, arrangement and layout, in the order of their
    // descriptions, and the pictures of the arrangements and layouts.
    std::vector<QRadioButton *> m_osrodek, m_uklad, m_instalacja;
    std::vector<TObraz *> m_obraz_ukladu, m_obraz_instalacji;
    QLabel *Label_H, *Label_L, *Label_fc, *Label_n;
    QLineEdit *Edit_H, *Edit_L, *Edit_fc, *Edit_n;
    QPushButton *m_ok, *m_anuluj;

    void UtworzWidzety();
    void UlozWidzety();
    void Polacz();

    // The click handler of the layout buttons: the fields the checked layout needs.
    void PokazPolaInstalacji();
    // The field that holds `pole` (f and c share one).
    QLineEdit *PoleEdycji(kerwano::PoleParametru pole) const;

    QButtonGroup *m_uklady;
    QButtonGroup *m_instalacje;
};
