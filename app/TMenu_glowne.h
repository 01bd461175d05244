#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QTabWidget;

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
    // The keys that act wherever the focus stands: Ctrl+Tab and
    // Ctrl+PgDn the next page of `strony`, Ctrl+Shift+Tab and Ctrl+PgUp the
    // previous one, round; F10 opens the menu bar.
    void SkrotyStron(QTabWidget *strony);

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
    QMainWindow *m_okno;
    QAction *m_zapisz;
    QAction *m_cofnij;
    QAction *m_ponow;
};
