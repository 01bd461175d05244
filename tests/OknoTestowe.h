#pragma once

// Driving the main window as a user does, for the GUI tests.

#include "Widzet.h"
#include "angles/okna/TWykres_katow.h"
#include "app/TPanel_boczny.h"
#include "app/TProgram_form.h"
#include "elements/okna/TObraz.h"
#include "project/okna/TDane_form.h"
#include "tests/BudynekWzorcowy.h"
#include "widgets/TStringGrid.h"
#include "widgets/TStrona_odroczona.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace okno_testowe {

// The settings the windows remember between runs go into a folder of the
// test program's own, removed at its end: never the user's.
inline QTemporaryDir g_konfiguracja;
inline const bool g_konfiguracja_ustawiona =
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(g_konfiguracja.path()));

// Nothing remembered: each test starts as the program's first run.
inline void CzysteUstawienia()
{
    QDir(g_konfiguracja.path()).removeRecursively();
    QDir().mkpath(g_konfiguracja.path());
}

// Page `nr` (1..3): "TabSheet1" .. "TabSheet3", its widgets made if the
// page was not needed yet, so that a test finds them by name.
inline QWidget *Strona(const TProgram_form *okno, int nr)
{
    auto *strona = W<QWidget>(okno, QStringLiteral("TabSheet%1").arg(nr).toLatin1().constData());
    if (auto *odroczona = qobject_cast<TStrona_odroczona *>(strona))
        odroczona->Zbuduj();
    return strona;
}

// Every page's widgets made, for a test that looks for them in the whole window.
inline void Strony(const TProgram_form *okno)
{
    for (int nr = 1; nr <= 3; ++nr)
        Strona(okno, nr);
}

// ComboBox<nr> and Edit<nr> of page 1.
inline QComboBox *Lista(const TProgram_form *okno, int nr)
{
    return W<QComboBox>(Strona(okno, 1),
                        QStringLiteral("ComboBox%1").arg(nr).toLatin1().constData());
}
inline QLineEdit *Pole(const TProgram_form *okno, int nr)
{
    return W<QLineEdit>(Strona(okno, 1), QStringLiteral("Edit%1").arg(nr).toLatin1().constData());
}

// Picks entry `indeks` of ComboBox<nr> with the keyboard.
inline void Wybierz(TProgram_form *okno, int nr, int indeks)
{
    QComboBox *c = Lista(okno, nr);
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Home);
    for (int i = 0; i < indeks; ++i)
        QTest::keyClick(c, Qt::Key_Down);
}

// Replaces the text of Edit<nr> by typing `tekst` over all of it (the
// field refuses to be left empty).
inline void Wpisz(TProgram_form *okno, int nr, const QString &tekst)
{
    QLineEdit *e = Pole(okno, nr);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, tekst);
}

// Types the page-1 selections and dimensions of `projekt` (by default the
// worked building, class I) as a user does.
inline void Budynek(TProgram_form *okno, const kerwano::Projekt &projekt = wzorcowy::Budynek())
{
    for (int nr = 1; nr <= 13; ++nr)
        Wybierz(okno, nr, projekt.wybory[size_t(nr - 1)]);
    for (int nr = 1; nr <= 3; ++nr)
        Wpisz(okno, nr, projekt.wymiary[size_t(nr - 1)]);
}

// Replaces the roof element list as a loaded project would, the rest of the
// project kept.
inline void WczytajElementy(TProgram_form *okno, const QList<kerwano::ElementDachu> &elementy)
{
    kerwano::Projekt p = okno->projekt().ZbierzProjekt();
    p.elementy = elementy;
    okno->ZastosujProjekt(p);
}

// Runs `odpowiedz` on the next modal window of type T as soon as it shows
// and has the keyboard (a dialog started by exec() blocks the test until it
// is answered; keys sent before the window is active miss its shortcuts on
// a loaded machine). The window is expected to close itself in `odpowiedz`.
// The search looks every 10 ms for about 5 s and then gives up; a window that
// shows but never becomes active is answered after 2 s all the same. A test
// that expects no such window deletes the returned timer when it is done;
// the test's cleanup() ends every search left (ZakonczSzukania), so that no
// search outlives its test and answers the next one's window.
inline QList<QPointer<QTimer>> g_szukania;

inline void ZakonczSzukania()
{
    for (const QPointer<QTimer> &zegar : std::as_const(g_szukania))
        delete zegar.data();
    g_szukania.clear();
}

template <typename T> QPointer<QTimer> Odpowiedz(std::function<void(T *)> odpowiedz)
{
    auto *zegar = new QTimer(QCoreApplication::instance());
    zegar->setInterval(10);
    g_szukania.append(zegar);
    auto proby = std::make_shared<int>(0);
    auto widoczne = std::make_shared<QElapsedTimer>();
    QObject::connect(zegar, &QTimer::timeout, zegar, [zegar, odpowiedz, proby, widoczne] {
        auto *okno = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!okno || !okno->isVisible()) {
            widoczne->invalidate();
            if (++*proby >= 500)
                zegar->deleteLater();
            return;
        }
        if (!widoczne->isValid())
            widoczne->start();
        if (!okno->isActiveWindow() && !widoczne->hasExpired(2000))
            return;
        zegar->stop();
        zegar->deleteLater();
        odpowiedz(okno);
    });
    zegar->start();
    return zegar;
}

// Chooses `plik` in a file dialog as typing its name would. The dialog
// ignores selectFile() while its name field has the focus, which it takes
// once it is shown.
inline void WybierzPlik(QFileDialog *dialog, const QString &plik)
{
    if (QWidget *w = dialog->focusWidget())
        w->clearFocus();
    dialog->selectFile(plik);
}

// Writes texts into fields of "Dane projektu" (nr 1..6: Edit1 .. Edit6)
// and confirms the dialog with "OK".
inline void UstawDane(TProgram_form *okno, const QList<QPair<int, QString>> &pola)
{
    Odpowiedz<TDane_form>([pola](TDane_form *d) {
        for (const auto &[nr, tekst] : pola)
            W<QLineEdit>(d, QStringLiteral("Edit%1").arg(nr).toLatin1().constData())
                ->setText(tekst);
        QTest::mouseClick(W<QPushButton>(d, "Button1"), Qt::LeftButton);
    });
    W<QAction>(okno, "Daneprojektu1")->trigger();
}

} // namespace okno_testowe
