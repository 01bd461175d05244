#include "app/TProgram_form.h"

#include "angles/okna/TKaty_strona.h"
#include "app/MiejsceOkna.h"
#include "app/ObslugaPliku.h"
#include "app/OknoOceny.h"
#include "app/PamiecProgramu.h"
#include "app/PoleceniaWydruku.h"
#include "app/TMenu_glowne.h"
#include "app/TPanel_boczny.h"
#include "app/TPrzewijana.h"
#include "app/WierszPolecen.h"
#include "elements/okna/TOdstepy_strona.h"
#include "pliki/NazwaPliku.h"
#include "project/Wersja.h"
#include "project/okna/HistoriaProjektu.h"
#include "project/okna/TDane_form.h"
#include "project/okna/TOdzyskiwanie.h"
#include "risk/okna/TInfo_form.h"
#include "risk/okna/TKlasa_strona.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>

#include <utility>

TProgram_form::TProgram_form(const QStringList &argumenty, QWidget *parent)
    : QMainWindow(parent), m_argumenty(argumenty)
{
    setObjectName(QStringLiteral("Program_form"));

    m_odzyskiwanie = new TOdzyskiwanie(m_projekt, this);
    connect(m_odzyskiwanie, &TOdzyskiwanie::Przywroc, this,
            [this](const kerwano::Projekt &projekt, const QString &nazwa_pliku) {
                m_plik->Przywroc(projekt, nazwa_pliku);
                UstawZmodyfikowany(true);
            });
    m_historia = new HistoriaProjektu(m_projekt, this);
    connect(m_historia, &HistoriaProjektu::Zmieniono, this,
            [this](const kerwano::Przeliczenie &zmiana, bool caly) {
                if (caly)
                    PokazCaly(zmiana);
                else
                    Zmieniono(zmiana);
            });
    m_plik = new ObslugaPliku(this, m_projekt, m_historia, [this] { return m_zmodyfikowany; });
    connect(m_plik, &ObslugaPliku::Zastosuj, this, &TProgram_form::ZastosujProjekt);
    connect(m_plik, &ObslugaPliku::NazwaZmieniona, this, &TProgram_form::UstawTytul);
    m_wydruki = new PoleceniaWydruku(this, m_projekt, *m_plik);
    UstawTytul();
    connect(m_historia, &QUndoStack::indexChanged, this, &TProgram_form::HistoriaZmieniona);
    connect(m_historia, &QUndoStack::cleanChanged, this, &TProgram_form::HistoriaZmieniona);
    // Typing in a dimension field is one step until the field is left.
    connect(qApp, &QApplication::focusChanged, m_historia, &HistoriaProjektu::ZamknijPole);
    UtworzWidzety();
    m_miejsce = new MiejsceOkna(this, m_przewijana);
    UtworzMenu();
    UtworzPozycjePanelu();

    setAcceptDrops(true);
    m_miejsce->UstawMinimum();
    resize(QSize(800, 600).expandedTo(minimumSize()).boundedTo(m_miejsce->Ekran()));
    m_podzial->setSizes({width() - 136 - m_podzial->handleWidth(), 136});
    if (const QScreen *ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    UtworzPamiec();
}

void TProgram_form::UtworzPamiec()
{
    // The recent projects stand above "Wyjście" and its separator.
    auto *program = menuBar()->findChild<QMenu *>(QStringLiteral("Program1"));
    auto *wyjscie = findChild<QAction *>(QStringLiteral("Wyjcie1"));
    if (!program || !wyjscie)
        return;
    const QList<QAction *> pozycje = program->actions();
    const qsizetype i = pozycje.indexOf(wyjscie);
    m_pamiec = new PamiecProgramu(this, program, i > 0 ? pozycje[i - 1] : wyjscie);
    connect(m_pamiec, &PamiecProgramu::Otworz, m_plik, &ObslugaPliku::OtworzProjekt);
    connect(m_plik, &ObslugaPliku::Zapamietaj, m_pamiec, &PamiecProgramu::Zapamietaj);
    m_pamiec->PrzywrocOkno();
    if (m_panel_boczny)
        m_panel_boczny->setChecked(m_pamiec->PanelBoczny());
}

void TProgram_form::UtworzPozycjePanelu()
{
    auto *obliczenia = menuBar()->findChild<QMenu *>(QStringLiteral("Obliczenia1"));
    if (!obliczenia)
        return;
    obliczenia->addSeparator();
    m_panel_boczny = obliczenia->addAction(QStringLiteral("Panel &boczny"));
    m_panel_boczny->setObjectName(QStringLiteral("PanelBoczny1"));
    m_panel_boczny->setCheckable(true);
    m_panel_boczny->setChecked(true);
    connect(m_panel_boczny, &QAction::toggled, m_panel, &QWidget::setVisible);
}

bool TProgram_form::event(QEvent *zdarzenie)
{
    const bool wynik = QMainWindow::event(zdarzenie);
    if (m_miejsce)
        m_miejsce->Zdarzenie(zdarzenie->type());
    return wynik;
}

TProgram_form::~TProgram_form()
{
    // The history clears itself when deleted: nothing of the window hears it.
    disconnect(m_historia, nullptr, this, nullptr);
}

QString TProgram_form::TytulOkna(const QString &nazwa_pliku)
{
    return QStringLiteral("Kerwano v. %1 - obliczanie parametrów wg IEC 1024 - ")
               .arg(QLatin1String(kerwano::WERSJA)) +
           kerwano::CzytelnaNazwaPliku(QFileInfo(nazwa_pliku).fileName());
}

void TProgram_form::UtworzMenu()
{
    m_menu = new TMenu_glowne(this);
    connect(m_menu, &TMenu_glowne::Nowyprojekt1Click, this, &TProgram_form::Nowyprojekt1Click);
    connect(m_menu, &TMenu_glowne::Cofnij1Click, m_historia, &QUndoStack::undo);
    connect(m_menu, &TMenu_glowne::Ponow1Click, m_historia, &QUndoStack::redo);
    connect(m_menu, &TMenu_glowne::Wczytajprojekt1Click, this,
            &TProgram_form::Wczytajprojekt1Click);
    connect(m_menu, &TMenu_glowne::Zapiszprojekt1Click, this, &TProgram_form::Zapiszprojekt1Click);
    connect(m_menu, &TMenu_glowne::Zapiszjako1Click, this, &TProgram_form::Zapiszjako1Click);
    connect(m_menu, &TMenu_glowne::Drukujformularz1Click, this,
            &TProgram_form::Drukujformularz1Click);
    connect(m_menu, &TMenu_glowne::Drukujobliczenia1Click, this,
            &TProgram_form::Drukujobliczenia1Click);
    connect(m_menu, &TMenu_glowne::Drukujzestawienie1Click, this,
            &TProgram_form::Drukujzestawienie1Click);
    connect(m_menu, &TMenu_glowne::Wyjcie1Click, this, &TProgram_form::Wyjcie1Click);
    connect(m_menu, &TMenu_glowne::Daneprojektu1Click, this, &TProgram_form::Daneprojektu1Click);
    connect(m_menu, &TMenu_glowne::PokazStrone, this,
            [this](int strona) { m_zakladki->setCurrentIndex(strona); });
    connect(m_menu, &TMenu_glowne::OpisProgramu1Click, this, &TProgram_form::OpisProgramu1Click);
    m_ocena = new OknoOceny(this, [this] {
        return QStringList{m_projekt.Wymiar(1), m_projekt.Wymiar(2), m_projekt.Wymiar(3)};
    });
    connect(m_menu, &TMenu_glowne::OcenaRyzyka1Click, m_ocena, &OknoOceny::Pokaz);
    m_odzyskiwanie->UstawOcene([this](const kerwano::KopiaOdzyskana &kopia, QString &blad) {
        return m_ocena->Przywroc(kopia, blad);
    });

    m_menu->SkrotyStron(m_zakladki);
}

void TProgram_form::UtworzWidzety()
{
    m_zakladki = new QTabWidget;
    m_zakladki->setObjectName(QStringLiteral("PageControl1"));
    m_zakladki->setAccessibleName(QStringLiteral("Strony obliczeń"));
    m_strona_klasy = new TKlasa_strona(m_projekt);
    m_strona_klasy->setObjectName(QStringLiteral("TabSheet1"));
    m_strona_katow = new TKaty_strona(m_projekt);
    m_strona_odstepow = new TOdstepy_strona(m_projekt);
    m_strony = {m_strona_klasy, m_strona_katow, m_strona_odstepow};
    m_zakladki->addTab(m_strona_klasy, QStringLiteral("Obliczanie klasy ochronności"));
    m_zakladki->addTab(m_strona_katow, QStringLiteral("Obliczanie kątów osłonowych"));
    m_zakladki->addTab(m_strona_odstepow, QStringLiteral("Obliczanie odstępów izolacyjnych"));

    m_panel = new TPanel_boczny;
    m_podzial = new QSplitter(Qt::Horizontal);
    m_podzial->setObjectName(QStringLiteral("Splitter1"));
    m_podzial->addWidget(m_zakladki);
    m_podzial->addWidget(m_panel);
    m_podzial->setStretchFactor(0, 1);
    m_podzial->setStretchFactor(1, 0);
    m_podzial->setCollapsible(0, false);
    m_podzial->setChildrenCollapsible(false);
    m_przewijana = new TPrzewijana(m_podzial);
    setCentralWidget(m_przewijana);
    PolaczStrony();
}

void TProgram_form::PolaczStrony()
{
    connect(m_strona_klasy, &TKlasa_strona::ListaZmieniona, this,
            [this](int nr, int indeks) { m_historia->Wybor(nr, indeks); });
    connect(m_strona_klasy, &TKlasa_strona::WymiarZmieniony, m_historia, &HistoriaProjektu::Wymiar);
    connect(m_strona_klasy, &TKlasa_strona::Button1Click, this, &TProgram_form::Button1Click);
    connect(m_strona_odstepow, &TOdstepy_strona::DodajElement, m_historia,
            &HistoriaProjektu::DodajElement);
    connect(m_strona_odstepow, &TOdstepy_strona::ZmienElement, m_historia,
            &HistoriaProjektu::ZmienElement);
    // Removing the last row moves a selection that stood on it to the new
    // last row, which shows that element as any change of selection does.
    connect(m_strona_odstepow, &TOdstepy_strona::UsunElement, m_historia,
            &HistoriaProjektu::UsunElement);
    // Page 2's table edits the elements as page 3 does.
    connect(m_strona_katow, &TKaty_strona::Dodaj, m_strona_odstepow, &TOdstepy_strona::Dodaj);
    connect(m_strona_katow, &TKaty_strona::Edycja, m_strona_odstepow, &TOdstepy_strona::Edytuj);
    connect(m_strona_katow, &TKaty_strona::Usun, m_strona_odstepow, &TOdstepy_strona::Usun);
    // The focus, if it stood on "|X| - Ukryj", goes on to the next control;
    // "Panel boczny" in the menu shows it again.
    connect(m_panel, &TPanel_boczny::Label33Click, this, [this] {
        if (m_panel_boczny)
            m_panel_boczny->setChecked(false);
        else
            m_panel->hide();
    });
    connect(m_panel, &TPanel_boczny::Image2Click, this,
            [] { QDesktopServices::openUrl(TPanel_boczny::AdresStrony()); });
    connect(m_zakladki, &QTabWidget::currentChanged, this, [this](int strona) {
        if (TStrona *s = m_strony.value(strona))
            s->Pokazana();
    });
}

void TProgram_form::showEvent(QShowEvent *zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    // The defaults are set once, when the window first appears; showing it
    // again (after minimising, say) must not reset the project.
    if (m_pierwsze_pokazanie) {
        FormShow();
        QTimer::singleShot(0, m_miejsce, &MiejsceOkna::MiescWEkranie);
    }
}

void TProgram_form::FormShow()
{
    const kerwano::Przeliczenie przeliczenie = m_projekt.UstawDomyslne();
    for (TStrona *strona : std::as_const(m_strony))
        strona->PokazProjekt();
    Zmieniono(przeliczenie);
    UstawZmodyfikowany(false);
    m_zakladki->setCurrentIndex(0);
    for (const QString &plik : WierszPolecen::Rozpoznaj(m_argumenty.mid(1)).PlikiOkna())
        WczytajProjekt(plik);
    if (m_pamiec)
        m_zakladki->setCurrentIndex(m_pamiec->Strona(m_zakladki->count()));
    m_ocena->OtworzPliki(WierszPolecen::Rozpoznaj(m_argumenty.mid(1)).pliki);
    m_pierwsze_pokazanie = false;
}

void TProgram_form::UstawZmodyfikowany(bool value)
{
    m_zmodyfikowany = value;
    m_menu->UstawZapisz(value && !m_plik->tylko_do_odczytu());
    setWindowModified(value);
    if (m_odzyskiwanie)
        m_odzyskiwanie->Zmieniono(value, m_plik->nienazwany() ? QString() : m_plik->nazwa_pliku());
}

void TProgram_form::ZaproponujOdzyskanie()
{
    m_odzyskiwanie->Zaproponuj();
}

void TProgram_form::HistoriaZmieniona()
{
    UstawZmodyfikowany(!m_historia->isClean());
    m_menu->UstawCofnij(m_historia->canUndo() ? m_historia->undoText() : QString());
    m_menu->UstawPonow(m_historia->canRedo() ? m_historia->redoText() : QString());
}

void TProgram_form::UstawTytul()
{
    // "[*]": the sign of unsaved changes, shown while the window is modified.
    setWindowTitle(
        TytulOkna(m_plik->nazwa_pliku()) +
        (m_plik->tylko_do_odczytu() ? QStringLiteral(" (tylko do odczytu)") : QString()) +
        QStringLiteral("[*]"));
    if (m_menu)
        m_menu->UstawZapisz(m_zmodyfikowany && !m_plik->tylko_do_odczytu());
}

void TProgram_form::Zmieniono(const kerwano::Przeliczenie &zmiana, bool cicho)
{
    if (zmiana.elementy)
        for (TStrona *strona : std::as_const(m_strony))
            strona->PokazZmianeElementow(zmiana, cicho);
    if (zmiana.obliczono)
        for (TStrona *strona : std::as_const(m_strony))
            strona->Przeliczono(zmiana, strona == m_zakladki->currentWidget());
    if (zmiana.zmieniono())
        UstawZmodyfikowany(true);
}

void TProgram_form::Button1Click()
{
    TInfo_form arkusz(m_projekt.klasa(), this);
    arkusz.exec();
}

// Project files ------------------------------------------------------------

void TProgram_form::ZastosujProjekt(const kerwano::Projekt &projekt)
{
    // A project applied starts a history of its own, unsaved until a load
    // or a save says otherwise.
    m_historia->clear();
    m_historia->resetClean();
    PokazCaly(m_projekt.WczytajProjekt(projekt));
}

void TProgram_form::PokazCaly(const kerwano::Przeliczenie &zmiana)
{
    // One element row put in or taken out changes nothing else they show.
    if (!zmiana.wstawiony && !zmiana.usuniety)
        for (TStrona *strona : std::as_const(m_strony))
            strona->PokazProjekt();
    // Rows half rebuilt are nobody's business: no row is shown until the end.
    Zmieniono(zmiana, true);
    // The page in view shows the element now selected, not one of the list replaced.
    if (TStrona *s = m_strony.value(m_zakladki->currentIndex()))
        s->PokazBiezacy();
}

void TProgram_form::Nowyprojekt1Click()
{
    if (!m_plik->ZastapienieDozwolone())
        return;
    m_historia->clear();
    PokazCaly(m_projekt.StanStartowy());
    m_plik->BezPliku();
    UstawZmodyfikowany(false);
    m_zakladki->setCurrentIndex(0);
}

void TProgram_form::dragEnterEvent(QDragEnterEvent *zdarzenie)
{
    if (!ObslugaPliku::ProjektUpuszczony(zdarzenie->mimeData()).isEmpty())
        zdarzenie->acceptProposedAction();
}

void TProgram_form::dropEvent(QDropEvent *zdarzenie)
{
    const QString plik = ObslugaPliku::ProjektUpuszczony(zdarzenie->mimeData());
    if (plik.isEmpty())
        return;
    zdarzenie->acceptProposedAction();
    // The question and the loading wait until the drag has ended.
    QMetaObject::invokeMethod(
        this, [this, plik] { m_plik->OtworzProjekt(plik); }, Qt::QueuedConnection);
}

void TProgram_form::Wyjcie1Click()
{
    close(); // the question about unsaved changes is the window's own
}

void TProgram_form::closeEvent(QCloseEvent *zdarzenie)
{
    if (!m_ocena->Zamknij()) {
        zdarzenie->ignore();
        return;
    }
    if (!m_plik->ZamkniecieDozwolone()) {
        zdarzenie->ignore();
        return;
    }
    if (m_pamiec)
        m_pamiec->ZapamietajOkno(m_zakladki->currentIndex(),
                                 !m_panel_boczny || m_panel_boczny->isChecked());
    zdarzenie->accept();
}

void TProgram_form::Daneprojektu1Click()
{
    TDane_form Dane_form(m_projekt.DaneProjektu(), this);
    if (Dane_form.exec() != QDialog::Accepted)
        return;
    m_historia->DaneProjektu(Dane_form.Dane());
}
