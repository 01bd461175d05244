#pragma once

#include <QObject>

class QAction;
class QMainWindow;

// MainMenu1: the menus "Program", "Edycja", "Obliczenia" and "Info" of the main window
// with their commands and shortcuts. It reports which command was chosen;
// what the command does is the window's business.
class TMenu_glowne : public QObject
{
    Q_OBJECT
public:
    explicit TMenu_glowne(QMainWindow *okno);

    // "Zapisz projekt" is enabled exactly while the project has unsaved changes.
    void UstawZapisz(bool wlaczony);
    // "Cofnij" and "Ponów" of "Edycja", each naming the step it takes back
    // or makes again ("" when there is none: the item is disabled).
    void UstawCofnij(const QString &krok);
    void UstawPonow(const QString &krok);

signals:
    void Nowyprojekt1Click();
    void Wczytajprojekt1Click();
    void Zapiszprojekt1Click();
    void Zapiszjako1Click();
    void Drukujformularz1Click();
    void Drukujobliczenia1Click();
    void Drukujzestawienie1Click();
    void Wyjcie1Click();
    void Daneprojektu1Click();
    // "Obliczanie klasy ochronności" .. "Obliczanie odstępów izolacyjnych":
    // page 0, 1 or 2.
    void PokazStrone(int strona);
    void OpisProgramu1Click();
    void OcenaRyzyka1Click(); // "Ocena ryzyka (PN-EN 62305-2)..."
    void Cofnij1Click();
    void Ponow1Click();

private:
    QAction *Zapiszprojekt1;
    QAction *Cofnij1;
    QAction *Ponow1;
};
