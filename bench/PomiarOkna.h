#pragma once

// What the window benchmarks and the start-up harness share: letting the
// event loop finish what a step started (layout, paint), counting the paints
// it took, and the bare windows they compare with.

#include <QMainWindow>
#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace pomiar {

// Runs the events a step left behind (layout requests, update requests and
// the paints they cause) until none is pending.
void Spokoj();

// Shows `okno` and waits until it is exposed and painted.
void PokazIZaczekaj(QWidget *okno);

// Counts, application-wide, the paint events, the paint events of one
// widget, and the layout requests, from its creation on.
class LicznikZdarzen : public QObject
{
public:
    explicit LicznikZdarzen(QWidget *obserwowany = nullptr);
    ~LicznikZdarzen() override;

    long malowania = 0;         // every widget's paint events
    long malowania_widzetu = 0; // those of the observed widget
    long zadania_ukladu = 0;    // layout requests

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    QWidget *m_obserwowany;
};

// A bare main window of the program's size, nothing in it.
class GoleOkno : public QMainWindow
{
public:
    GoleOkno();
};

// A fairer floor of a start-up: a main window of standard widgets showing
// about as much text as the program's first page, and no program code: a
// menu bar of three menus, three tabs, the first one holding four group
// boxes with thirteen labelled drop-down lists, three line edits, eight
// result labels, a button and a notice, and a text beside the tabs.
class OknoFormularza : public QMainWindow
{
public:
    OknoFormularza();
};

// The floor of a keystroke: a bare window whose line edit writes eight
// labels at every change of its text.
class OknoEtykiet : public QMainWindow
{
public:
    OknoEtykiet();
    QLineEdit *pole;
    QLabel *etykiety[8];
};

// Peak resident memory of this process in kB (VmHWM), 0 if unknown.
long SzczytPamieci();

} // namespace pomiar
