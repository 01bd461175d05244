#include "app/TMenu_glowne.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>

TMenu_glowne::TMenu_glowne(QMainWindow *okno) : QObject(okno), m_okno(okno)
{
    setObjectName(QStringLiteral("MainMenu1"));
    // Each item is named as the component it stands for. The mnemonics
    // (Alt+P, Alt+Y, Alt+O, Alt+I: page 3's buttons take Alt+D, Alt+E and
    // Alt+U; then the underlined letter of an item) are
    // unique within their menu.
    auto pozycja = [this](QMenu *menu, const char *nazwa, const QString &tekst,
                          const QKeySequence &skrot, void (TMenu_glowne::*sygnal)()) {
        auto *a = new QAction(tekst, this);
        a->setObjectName(QString::fromLatin1(nazwa));
        a->setShortcut(skrot);
        connect(a, &QAction::triggered, this, sygnal);
        menu->addAction(a);
        return a;
    };
    auto strona = [this](QMenu *menu, const char *nazwa, const QString &tekst, int nr) {
        auto *a = new QAction(tekst, this);
        a->setObjectName(QString::fromLatin1(nazwa));
        connect(a, &QAction::triggered, this, [this, nr] { emit PokazStrone(nr); });
        menu->addAction(a);
    };

    QMenu *program = okno->menuBar()->addMenu(QStringLiteral("&Program"));
    program->setObjectName(QStringLiteral("Program1"));
    pozycja(program, "Nowyprojekt1", QStringLiteral("&Nowy projekt"), Qt::CTRL | Qt::Key_N,
            &TMenu_glowne::Nowyprojekt1Click);
    pozycja(program, "Wczytajprojekt1", QStringLiteral("&Otwórz projekt"), Qt::Key_F3,
            &TMenu_glowne::Wczytajprojekt1Click);
    program->addSeparator();
    m_zapisz = pozycja(program, "Zapiszprojekt1", QStringLiteral("&Zapisz projekt"), Qt::Key_F2,
                       &TMenu_glowne::Zapiszprojekt1Click);
    pozycja(program, "Zapiszjako1", QStringLiteral("Zapisz &jako..."), {},
            &TMenu_glowne::Zapiszjako1Click);
    program->addSeparator();
    pozycja(program, "Drukujformularz1", QStringLiteral("Drukuj &formularz klasyfikacyjny"),
            Qt::CTRL | Qt::Key_K, &TMenu_glowne::Drukujformularz1Click);
    pozycja(program, "Drukujobliczenia1", QStringLiteral("Drukuj o&bliczenia"),
            Qt::CTRL | Qt::Key_O, &TMenu_glowne::Drukujobliczenia1Click);
    pozycja(program, "Drukujzestawienie1", QStringLiteral("Drukuj zestawienie &elementów dachu"),
            {}, &TMenu_glowne::Drukujzestawienie1Click);
    program->addSeparator();
    pozycja(program, "Wyjcie1", QStringLiteral("&Wyjście"), {}, &TMenu_glowne::Wyjcie1Click);

    QMenu *edycja = okno->menuBar()->addMenu(QStringLiteral("Ed&ycja"));
    edycja->setObjectName(QStringLiteral("Edycja1"));
    m_cofnij = pozycja(edycja, "Cofnij1", {}, Qt::CTRL | Qt::Key_Z, &TMenu_glowne::Cofnij1Click);
    m_ponow =
        pozycja(edycja, "Ponow1", {}, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &TMenu_glowne::Ponow1Click);
    m_ponow->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu *obliczenia = okno->menuBar()->addMenu(QStringLiteral("&Obliczenia"));
    obliczenia->setObjectName(QStringLiteral("Obliczenia1"));
    pozycja(obliczenia, "Daneprojektu1", QStringLiteral("&Dane projektu"), Qt::CTRL | Qt::Key_D,
            &TMenu_glowne::Daneprojektu1Click);
    obliczenia->addSeparator();
    strona(obliczenia, "N2", QStringLiteral("Obliczanie &klasy ochronności"), 0);
    strona(obliczenia, "Obliczaniektwosonowych1", QStringLiteral("Obliczanie kątów &osłonowych"),
           1);
    strona(obliczenia, "Obliczanieodstpwizolacyjnych1",
           QStringLiteral("Obliczanie odstępów &izolacyjnych"), 2);
    obliczenia->addSeparator();
    pozycja(obliczenia, "OcenaRyzyka1", QStringLiteral("Ocena &ryzyka (PN-EN 62305-2)..."),
            Qt::CTRL | Qt::Key_R, &TMenu_glowne::OcenaRyzyka1Click);

    QMenu *info = okno->menuBar()->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("Info1"));
    pozycja(info, "OpisProgramu1", QStringLiteral("&Opis Programu"), Qt::Key_F1,
            &TMenu_glowne::OpisProgramu1Click);

    UstawZapisz(false);
    UstawCofnij({});
    UstawPonow({});
}

void TMenu_glowne::UstawZapisz(bool wlaczony)
{
    m_zapisz->setEnabled(wlaczony);
}

namespace {

void UstawKrok(QAction *a, const QString &tekst, const QString &krok)
{
    // An "&" of an element's name is shown, not taken for a mnemonic.
    a->setText(krok.isEmpty() ? tekst
                              : tekst + QStringLiteral(": ") +
                                    QString(krok).replace(u'&', QStringLiteral("&&")));
    a->setEnabled(!krok.isEmpty());
}

} // namespace

void TMenu_glowne::UstawCofnij(const QString &krok)
{
    UstawKrok(m_cofnij, QStringLiteral("&Cofnij"), krok);
}

void TMenu_glowne::UstawPonow(const QString &krok)
{
    UstawKrok(m_ponow, QStringLiteral("&Ponów"), krok);
}

void TMenu_glowne::SkrotyStron(QTabWidget *strony)
{
    // The pages change from the keyboard whatever control has the focus (a
    // drop-down list would take Ctrl+Tab for a search otherwise).
    const QList<QPair<QKeySequence, int>> klawisze_stron = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto &[klawisze, krok] : klawisze_stron) {
        auto *skrot = new QShortcut(klawisze, m_okno);
        connect(skrot, &QShortcut::activated, strony, [strony, krok = krok] {
            const int n = strony->count();
            strony->setCurrentIndex((strony->currentIndex() + krok + n) % n);
        });
    }
    // F10 opens the menu bar, as on other desktops.
    auto *menu = new QShortcut(QKeySequence(Qt::Key_F10), m_okno);
    connect(menu, &QShortcut::activated, m_okno, [okno = m_okno] {
        if (!okno->menuBar()->actions().isEmpty())
            okno->menuBar()->setActiveAction(okno->menuBar()->actions().constFirst());
    });
}
