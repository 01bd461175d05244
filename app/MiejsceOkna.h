#pragma once

#include <QEvent>
#include <QObject>
#include <QRect>

class QMainWindow;
class TPrzewijana;

// The main window's least size and its place on the screen: at least what
// its layout needs for the fonts in use, never less than 800 x 590, as far
// as the screen allows (the contents in `przewijana` scroll beyond); the
// frame, once known, fitted into the screen's available area.
class MiejsceOkna : public QObject
{
    Q_OBJECT
public:
    MiejsceOkna(QMainWindow *okno, TPrzewijana *przewijana);

    // The window's place `okno` moved and made smaller as far as needed for
    // its frame (margins `ramka`) to lie inside the screen's available area
    // `dostepne`; centred there when it had to be made smaller.
    static QRect MiejsceWEkranie(QRect okno, const QMargins &ramka, const QRect &dostepne);

    void UstawMinimum();
    // The room the screen gives the window, its frame taken off.
    QSize Ekran() const;
    // The window's frame fitted into the available area of its screen, once
    // the frame is known (MiejsceWEkranie).
    void MiescWEkranie();
    // An event of the window, after the window has had it.
    void Zdarzenie(QEvent::Type typ);

private:
    QMainWindow *m_okno;
    TPrzewijana *m_przewijana;
    bool m_ramka_dopasowana = false; // the frame, once known, fitted into the screen
};
