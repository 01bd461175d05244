#include "app/TProgram_form.h"

#include "angles/okna/TKaty_strona.h"
#include "app/OknoOceny.h"
#include "app/PamiecProgramu.h"
#include "app/TMenu_glowne.h"
#include "app/TPanel_boczny.h"
#include "app/TPrzewijana.h"
#include "app/WierszPolecen.h"
#include "elements/okna/TOdstepy_strona.h"
#include "project/NazwaPliku.h"
#include "project/Wersja.h"
#include "project/okna/CzujnikZmianPliku.h"
#include "project/okna/HistoriaProjektu.h"
#include "project/okna/Pytania.h"
#include "project/okna/TDane_form.h"
#include "project/okna/TOdzyskiwanie.h"
#include "project/okna/TPrzerwany_zapis.h"
#include "reports/okna/WydrukFormularza.h"
#include "reports/okna/WydrukObliczen.h"
#include "reports/okna/WydrukZestawienia.h"
#include "risk/okna/TInfo_form.h"
#include "risk/okna/TKlasa_strona.h"
#include "widgets/OknoBledu.h"
#include "widgets/TDialog_projektu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>

#include <utility>

namespace {

// The window's least size when its contents need no more.
constexpr QSize NAJMNIEJSZY(800, 590);

// The local files a drag carries.
QStringList PlikiUpuszczone(const QMimeData *dane)
{
    QStringList pliki;
    for (const QUrl &adres : dane->urls())
        if (adres.isLocalFile())
            pliki << adres.toLocalFile();
    return pliki;
}

} // namespace

TProgram_form::TProgram_form(const QStringList &argumenty, QWidget *parent)
    : QMainWindow(parent), m_argumenty(argumenty), m_nazwa_pliku(QStringLiteral("Nowy projekt.kwp"))
{
    setObjectName(QStringLiteral("Program_form"));
    UstawTytul();

    m_odzyskiwanie = new TOdzyskiwanie(m_projekt, this);
    connect(m_odzyskiwanie, &TOdzyskiwanie::Przywroc, this,
            [this](const kerwano::Projekt &projekt, const QString &nazwa_pliku) {
                // A save of the project's file that did not finish is settled first.
                if (!nazwa_pliku.isEmpty())
                    TPrzerwany_zapis::Rozstrzygnij(this, nazwa_pliku);
                ZastosujProjekt(projekt);
                // Whatever the file holds now, it is not what this project came from.
                m_czujnik->Obserwuj(nazwa_pliku, {});
                m_tylko_odczyt = false;
                if (nazwa_pliku.isEmpty())
                    m_blokada.reset();
                else
                    Zablokuj(nazwa_pliku);
                UstawNazwePliku(nazwa_pliku);
                UstawZmodyfikowany(true);
            });
    m_czujnik = new CzujnikZmianPliku(this, [this] { return m_zmodyfikowany; });
    connect(m_czujnik, &CzujnikZmianPliku::Wczytaj, this, &TProgram_form::WczytajProjekt);
    m_historia = new HistoriaProjektu(m_projekt, this);
    connect(m_historia, &HistoriaProjektu::Zmieniono, this,
            [this](const kerwano::Przeliczenie &zmiana, bool caly) {
                if (caly)
                    PokazCaly(zmiana);
                else
                    Zmieniono(zmiana);
            });
    connect(m_historia, &QUndoStack::indexChanged, this, &TProgram_form::HistoriaZmieniona);
    connect(m_historia, &QUndoStack::cleanChanged, this, &TProgram_form::HistoriaZmieniona);
    // Typing in a dimension field is one step until the field is left.
    connect(qApp, &QApplication::focusChanged, m_historia, &HistoriaProjektu::ZamknijPole);
    UtworzWidzety();
    UtworzMenu();
    UtworzPozycjePanelu();

    setAcceptDrops(true);
    UstawMinimum();
    resize(QSize(800, 600).expandedTo(minimumSize()).boundedTo(Ekran()));
    Splitter1->setSizes({width() - 136 - Splitter1->handleWidth(), 136});
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
    connect(m_pamiec, &PamiecProgramu::Otworz, this,
            [this](const QString &plik) { OtworzProjekt(plik); });
    m_pamiec->PrzywrocOkno();
    if (m_panel_boczny)
        m_panel_boczny->setChecked(m_pamiec->PanelBoczny());
}

QRect TProgram_form::MiejsceWEkranie(QRect okno, const QMargins &ramka, const QRect &dostepne)
{
    const QSize miejsce = dostepne.size().shrunkBy(ramka);
    const QSize rozmiar = okno.size().boundedTo(miejsce);
    QRect zewnatrz = okno.marginsAdded(ramka);
    if (rozmiar != okno.size()) {
        okno.setSize(rozmiar);
        zewnatrz = okno.marginsAdded(ramka);
        zewnatrz.moveCenter(dostepne.center());
    }
    // Moved in, the top left corner first should it still be too large.
    zewnatrz.moveLeft(
        qMax(dostepne.left(),
             qMin(zewnatrz.left(), dostepne.left() + dostepne.width() - zewnatrz.width())));
    zewnatrz.moveTop(qMax(dostepne.top(), qMin(zewnatrz.top(), dostepne.top() + dostepne.height() -
                                                                   zewnatrz.height())));
    return zewnatrz.marginsRemoved(ramka);
}

void TProgram_form::MiescWEkranie()
{
    const QScreen *ekran = screen();
    if (!ekran || !isVisible() || isMaximized() || isFullScreen())
        return;
    const QRect okno = geometry(), zewnatrz = frameGeometry();
    const QMargins ramka(okno.left() - zewnatrz.left(), okno.top() - zewnatrz.top(),
                         zewnatrz.right() - okno.right(), zewnatrz.bottom() - okno.bottom());
    // The least size, too, leaves room for the frame now that it is known.
    UstawMinimum();
    const QRect miejsce = MiejsceWEkranie(okno, ramka, ekran->availableGeometry());
    if (miejsce != okno)
        setGeometry(miejsce);
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
    connect(m_panel_boczny, &QAction::toggled, Panel2, &QWidget::setVisible);
}

TProgram_form::~TProgram_form()
{
    // The history clears itself when deleted: nothing of the window hears it.
    disconnect(m_historia, nullptr, this, nullptr);
}

QSize TProgram_form::Ekran() const
{
    const QScreen *ekran = screen();
    if (!ekran)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The frame a window manager adds is known once the window is shown.
    const QSize ramka = isVisible() ? frameGeometry().size() - geometry().size() : QSize();
    return ekran->availableGeometry().size() - ramka;
}

void TProgram_form::UstawMinimum()
{
    if (!layout())
        return;
    // The layout's need for the fonts in use, never less than the design's
    // least size; on a screen with less room the contents scroll.
    QSize potrzeba = NAJMNIEJSZY.expandedTo(layout()->totalMinimumSize());
    // A wrapped text (the verdict) takes more lines the narrower the window.
    if (layout()->hasHeightForWidth())
        potrzeba.setHeight(
            qMax(potrzeba.height(), layout()->totalHeightForWidth(potrzeba.width())));
    const QSize ekran = Ekran();
    const bool miesci = potrzeba.width() <= ekran.width() && potrzeba.height() <= ekran.height();
    if (!miesci)
        m_przewijana->UstawPelna(false);
    const QSize minimum = m_przewijana->pelna() ? potrzeba : potrzeba.boundedTo(ekran);
    if (minimumSize() != minimum)
        setMinimumSize(minimum);
}

bool TProgram_form::event(QEvent *zdarzenie)
{
    const bool wynik = QMainWindow::event(zdarzenie);
    switch (zdarzenie->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        // Other fonts or another style: the contents may fit whole again.
        m_przewijana->UstawPelna(true);
        UstawMinimum();
        break;
    case QEvent::LayoutRequest:
        UstawMinimum();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The window manager's frame is known once it has placed the window.
        if (!m_ramka_dopasowana && isVisible() && frameGeometry() != geometry()) {
            m_ramka_dopasowana = true;
            MiescWEkranie();
        }
        break;
    default:
        break;
    }
    return wynik;
}

void TProgram_form::ZmienStrone(int krok)
{
    const int n = PageControl1->count();
    PageControl1->setCurrentIndex((PageControl1->currentIndex() + krok + n) % n);
}

QString TProgram_form::TytulOkna(const QString &nazwa_pliku)
{
    return QStringLiteral("Kerwano v. %1 - obliczanie parametrów wg IEC 1024 - ")
               .arg(QLatin1String(kerwano::WERSJA)) +
           kerwano::CzytelnaNazwaPliku(QFileInfo(nazwa_pliku).fileName());
}

QStringList TProgram_form::PlikiProjektow(const QStringList &parametry)
{
    QStringList pliki;
    for (const QString &p : parametry) {
        if (p.toUpper().endsWith(QStringLiteral(".KWP")) && kerwano::ZwyklyPlik(p))
            pliki << p;
    }
    return pliki;
}

void TProgram_form::UtworzMenu()
{
    MainMenu1 = new TMenu_glowne(this);
    connect(MainMenu1, &TMenu_glowne::Nowyprojekt1Click, this, &TProgram_form::Nowyprojekt1Click);
    connect(MainMenu1, &TMenu_glowne::Cofnij1Click, m_historia, &QUndoStack::undo);
    connect(MainMenu1, &TMenu_glowne::Ponow1Click, m_historia, &QUndoStack::redo);
    connect(MainMenu1, &TMenu_glowne::Wczytajprojekt1Click, this,
            &TProgram_form::Wczytajprojekt1Click);
    connect(MainMenu1, &TMenu_glowne::Zapiszprojekt1Click, this,
            &TProgram_form::Zapiszprojekt1Click);
    connect(MainMenu1, &TMenu_glowne::Zapiszjako1Click, this, &TProgram_form::Zapiszjako1Click);
    connect(MainMenu1, &TMenu_glowne::Drukujformularz1Click, this,
            &TProgram_form::Drukujformularz1Click);
    connect(MainMenu1, &TMenu_glowne::Drukujobliczenia1Click, this,
            &TProgram_form::Drukujobliczenia1Click);
    connect(MainMenu1, &TMenu_glowne::Drukujzestawienie1Click, this,
            &TProgram_form::Drukujzestawienie1Click);
    connect(MainMenu1, &TMenu_glowne::Wyjcie1Click, this, &TProgram_form::Wyjcie1Click);
    connect(MainMenu1, &TMenu_glowne::Daneprojektu1Click, this, &TProgram_form::Daneprojektu1Click);
    connect(MainMenu1, &TMenu_glowne::PokazStrone, this,
            [this](int strona) { PageControl1->setCurrentIndex(strona); });
    connect(MainMenu1, &TMenu_glowne::OpisProgramu1Click, this, &TProgram_form::OpisProgramu1Click);
    m_ocena = new OknoOceny(this, [this] {
        return QStringList{m_projekt.Wymiar(1), m_projekt.Wymiar(2), m_projekt.Wymiar(3)};
    });
    connect(MainMenu1, &TMenu_glowne::OcenaRyzyka1Click, m_ocena, &OknoOceny::Pokaz);
    m_odzyskiwanie->UstawOcene([this](const kerwano::KopiaOdzyskana &kopia, QString &blad) {
        return m_ocena->Przywroc(kopia, blad);
    });

    // The pages change from the keyboard whatever control has the focus (a
    // drop-down list would take Ctrl+Tab for a search otherwise).
    const QList<QPair<QKeySequence, int>> strony = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto &[klawisze, krok] : strony) {
        auto *skrot = new QShortcut(klawisze, this);
        connect(skrot, &QShortcut::activated, this, [this, krok = krok] { ZmienStrone(krok); });
    }
    // F10 opens the menu bar, as on other desktops.
    auto *menu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menu, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

void TProgram_form::UtworzWidzety()
{
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(QStringLiteral("Strony obliczeń"));
    TabSheet1 = new TKlasa_strona(m_projekt);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new TKaty_strona(m_projekt);
    TabSheet3 = new TOdstepy_strona(m_projekt);
    m_strony = {TabSheet1, TabSheet2, TabSheet3};
    PageControl1->addTab(TabSheet1, QStringLiteral("Obliczanie klasy ochronności"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Obliczanie kątów osłonowych"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Obliczanie odstępów izolacyjnych"));

    Panel2 = new TPanel_boczny;
    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(PageControl1);
    Splitter1->addWidget(Panel2);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setCollapsible(0, false);
    Splitter1->setChildrenCollapsible(false);
    m_przewijana = new TPrzewijana(Splitter1);
    setCentralWidget(m_przewijana);

    connect(TabSheet1, &TKlasa_strona::ListaZmieniona, this,
            [this](int nr, int indeks) { m_historia->Wybor(nr, indeks); });
    connect(TabSheet1, &TKlasa_strona::WymiarZmieniony, m_historia, &HistoriaProjektu::Wymiar);
    connect(TabSheet1, &TKlasa_strona::Button1Click, this, &TProgram_form::Button1Click);
    connect(TabSheet3, &TOdstepy_strona::DodajElement, m_historia, &HistoriaProjektu::DodajElement);
    connect(TabSheet3, &TOdstepy_strona::ZmienElement, m_historia, &HistoriaProjektu::ZmienElement);
    // Removing the last row moves a selection that stood on it to the new
    // last row, which shows that element as any change of selection does.
    connect(TabSheet3, &TOdstepy_strona::UsunElement, m_historia, &HistoriaProjektu::UsunElement);
    // Page 2's table edits the elements as page 3 does.
    connect(TabSheet2, &TKaty_strona::Dodaj, TabSheet3, &TOdstepy_strona::Dodaj);
    connect(TabSheet2, &TKaty_strona::Edycja, TabSheet3, &TOdstepy_strona::Edytuj);
    connect(TabSheet2, &TKaty_strona::Usun, TabSheet3, &TOdstepy_strona::Usun);
    // The focus, if it stood on "|X| - Ukryj", goes on to the next control;
    // "Panel boczny" in the menu shows it again.
    connect(Panel2, &TPanel_boczny::Label33Click, this, [this] {
        if (m_panel_boczny)
            m_panel_boczny->setChecked(false);
        else
            Panel2->hide();
    });
    connect(Panel2, &TPanel_boczny::Image2Click, this,
            [] { QDesktopServices::openUrl(TPanel_boczny::AdresStrony()); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int strona) {
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
        QTimer::singleShot(0, this, &TProgram_form::MiescWEkranie);
    }
}

void TProgram_form::FormShow()
{
    const kerwano::Przeliczenie przeliczenie = m_projekt.UstawDomyslne();
    for (TStrona *strona : std::as_const(m_strony))
        strona->PokazProjekt();
    Zmieniono(przeliczenie);
    UstawZmodyfikowany(false);
    PageControl1->setCurrentIndex(0);
    for (const QString &plik : WierszPolecen::Rozpoznaj(m_argumenty.mid(1)).PlikiOkna())
        WczytajProjekt(plik);
    if (m_pamiec)
        PageControl1->setCurrentIndex(m_pamiec->Strona(PageControl1->count()));
    m_ocena->OtworzPliki(WierszPolecen::Rozpoznaj(m_argumenty.mid(1)).pliki);
    m_pierwsze_pokazanie = false;
}

void TProgram_form::UstawZmodyfikowany(bool value)
{
    m_zmodyfikowany = value;
    MainMenu1->UstawZapisz(value && !m_tylko_odczyt);
    setWindowModified(value);
    if (m_odzyskiwanie)
        m_odzyskiwanie->Zmieniono(value, m_nienazwany ? QString() : m_nazwa_pliku);
}

void TProgram_form::ZaproponujOdzyskanie()
{
    m_odzyskiwanie->Zaproponuj();
}

void TProgram_form::HistoriaZmieniona()
{
    UstawZmodyfikowany(!m_historia->isClean());
    MainMenu1->UstawCofnij(m_historia->canUndo() ? m_historia->undoText() : QString());
    MainMenu1->UstawPonow(m_historia->canRedo() ? m_historia->redoText() : QString());
}

void TProgram_form::UstawTytul()
{
    // "[*]": the sign of unsaved changes, shown while the window is modified.
    setWindowTitle(TytulOkna(m_nazwa_pliku) +
                   (m_tylko_odczyt ? QStringLiteral(" (tylko do odczytu)") : QString()) +
                   QStringLiteral("[*]"));
    if (MainMenu1)
        MainMenu1->UstawZapisz(m_zmodyfikowany && !m_tylko_odczyt);
}

void TProgram_form::Zablokuj(const QString &plik)
{
    m_blokada.reset();
    auto blokada = std::make_unique<kerwano::BlokadaProjektu>(plik);
    if (blokada->Wez() == kerwano::BlokadaProjektu::Wynik::Wzieta)
        m_blokada = std::move(blokada);
}

void TProgram_form::UstawNazwePliku(const QString &sciezka)
{
    // No file: a new project's name, which no save takes without asking.
    m_nienazwany = sciezka.isEmpty();
    m_nazwa_pliku = m_nienazwany ? QStringLiteral("Nowy projekt.kwp") : sciezka;
    UstawTytul();
}

void TProgram_form::Zmieniono(const kerwano::Przeliczenie &zmiana, bool cicho)
{
    if (zmiana.elementy)
        for (TStrona *strona : std::as_const(m_strony))
            strona->PokazZmianeElementow(zmiana, cicho);
    if (zmiana.obliczono)
        for (TStrona *strona : std::as_const(m_strony))
            strona->Przeliczono(zmiana, strona == PageControl1->currentWidget());
    if (zmiana.zmieniono())
        UstawZmodyfikowany(true);
}

void TProgram_form::Button1Click()
{
    TInfo_form arkusz(m_projekt.klasa(), this);
    arkusz.exec();
}

// Project files ------------------------------------------------------------

TDialog_projektu *TProgram_form::DialogPliku(TDialog_projektu::Tryb tryb)
{
    // Made on first use and kept for the window's life, so that each shows
    // the folder and name chosen in it last.
    TDialog_projektu *&dialog = tryb == TDialog_projektu::Tryb::Zapis ? SaveDialog1 : OpenDialog1;
    if (!dialog)
        dialog = new TDialog_projektu(tryb, this);
    return dialog;
}

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
    if (TStrona *s = m_strony.value(PageControl1->currentIndex()))
        s->PokazBiezacy();
}

void TProgram_form::WczytajProjekt(const QString &sciezka)
{
    // A save of it that did not finish is settled first.
    TPrzerwany_zapis::Rozstrzygnij(this, sciezka);
    // The whole file is read and checked first: a damaged one changes nothing.
    // Its stamp is taken before it is read: a change while it is read is one.
    const kerwano::StempelPliku stempel = kerwano::Stempel(sciezka);
    kerwano::Projekt projekt;
    const QString blad = kerwano::CzytajPlikProjektu(sciezka, projekt);
    if (!blad.isEmpty()) {
        OknoBledu(this, blad);
        return;
    }
    // A project another program holds is opened only as the user chooses.
    std::unique_ptr<kerwano::BlokadaProjektu> blokada;
    bool tylko_odczyt = false;
    if (m_nienazwany || sciezka != m_nazwa_pliku || !m_blokada) {
        blokada = std::make_unique<kerwano::BlokadaProjektu>(sciezka);
        const kerwano::BlokadaProjektu::Wynik wynik = blokada->Wez();
        if (wynik != kerwano::BlokadaProjektu::Wynik::Wzieta) {
            const QString kto = blokada->Kto();
            const bool zajeta = wynik == kerwano::BlokadaProjektu::Wynik::Zajeta;
            blokada.reset();
            if (zajeta)
                switch (pytania::ProjektOtwartyGdzieIndziej(
                    this, kerwano::CzytelnaNazwaPliku(QFileInfo(sciezka).fileName()), kto)) {
                case pytania::OtwartyGdzieIndziej::TylkoDoOdczytu:
                    tylko_odczyt = true;
                    break;
                case pytania::OtwartyGdzieIndziej::MimoTo:
                    break;
                case pytania::OtwartyGdzieIndziej::Anuluj:
                    return;
                }
        }
        m_blokada = std::move(blokada);
    }
    m_tylko_odczyt = tylko_odczyt;
    m_czujnik->Obserwuj(sciezka, stempel);
    UstawNazwePliku(sciezka);
    ZastosujProjekt(projekt);
    m_historia->setClean();
    if (m_pamiec)
        m_pamiec->Zapamietaj(sciezka);
}

bool TProgram_form::ZapiszProjekt(bool jako)
{
    QString plik = m_nazwa_pliku;
    if (jako || m_nienazwany || m_tylko_odczyt) {
        plik = DialogPliku(TDialog_projektu::Tryb::Zapis)
                   ->Wybierz(m_nienazwany ? QString() : m_nazwa_pliku);
        if (plik.isEmpty())
            return false;
    } else if (!m_zmodyfikowany) {
        return true;
    }
    // The project's own file, changed by someone else since it was read or
    // written here, is replaced only when the user says so.
    if (!m_nienazwany && plik == m_nazwa_pliku) {
        const auto odpowiedz = m_czujnik->PrzedZapisem(plik);
        if (odpowiedz == pytania::ZmienionyNaDysku::ZapiszJako)
            return ZapiszProjekt(true);
        if (odpowiedz == pytania::ZmienionyNaDysku::Anuluj)
            return false;
    }
    // A file chosen is written even when nothing changed, and names the
    // window only once written: the title never names a file that does not
    // hold the project.
    const QString blad = kerwano::ZapiszPlikProjektu(plik, m_projekt.ZbierzProjekt());
    if (!blad.isEmpty()) {
        OknoBledu(this, blad);
        return false;
    }
    m_czujnik->Obserwuj(plik, kerwano::Stempel(plik));
    if (plik != m_nazwa_pliku || m_nienazwany || !m_blokada)
        Zablokuj(plik);
    m_tylko_odczyt = false;
    UstawNazwePliku(plik);
    m_historia->ZamknijPole();
    m_historia->setClean();
    if (m_pamiec)
        m_pamiec->Zapamietaj(plik);
    return true;
}

void TProgram_form::Nowyprojekt1Click()
{
    if (m_zmodyfikowany && pytania::ZapisacPrzedOtwarciem(this) && !ZapiszProjekt(false))
        return;
    m_historia->clear();
    PokazCaly(m_projekt.StanStartowy());
    m_blokada.reset();
    m_czujnik->Obserwuj(QString(), {});
    m_tylko_odczyt = false;
    UstawNazwePliku(QString());
    UstawZmodyfikowany(false);
    PageControl1->setCurrentIndex(0);
}

void TProgram_form::OtworzProjekt(QString plik)
{
    // A save cancelled or failed keeps the changes on screen.
    if (m_zmodyfikowany && pytania::ZapisacPrzedOtwarciem(this) && !ZapiszProjekt(false))
        return;
    if (plik.isEmpty())
        plik = DialogPliku(TDialog_projektu::Tryb::Odczyt)
                   ->Wybierz(m_nienazwany ? QString() : m_nazwa_pliku);
    if (!plik.isEmpty())
        WczytajProjekt(plik);
}

void TProgram_form::dragEnterEvent(QDragEnterEvent *zdarzenie)
{
    if (!PlikiProjektow(PlikiUpuszczone(zdarzenie->mimeData())).isEmpty())
        zdarzenie->acceptProposedAction();
}

void TProgram_form::dropEvent(QDropEvent *zdarzenie)
{
    const QString plik = PlikiProjektow(PlikiUpuszczone(zdarzenie->mimeData())).value(0);
    if (plik.isEmpty())
        return;
    zdarzenie->acceptProposedAction();
    // The question and the loading wait until the drag has ended.
    QMetaObject::invokeMethod(
        this, [this, plik] { OtworzProjekt(plik); }, Qt::QueuedConnection);
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
    if (m_zmodyfikowany) {
        const pytania::Odpowiedz odpowiedz = pytania::ZapisacPrzedWyjsciem(this);
        if (odpowiedz == pytania::Odpowiedz::Zostan ||
            (odpowiedz == pytania::Odpowiedz::Tak && !ZapiszProjekt(false))) {
            zdarzenie->ignore();
            return;
        }
    }
    if (m_pamiec)
        m_pamiec->ZapamietajOkno(PageControl1->currentIndex(),
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

void TProgram_form::Drukujformularz1Click()
{
    WydrukFormularza::Drukuj(this);
}

void TProgram_form::Drukujobliczenia1Click()
{
    WydrukObliczen::Drukuj(this, m_projekt, m_nazwa_pliku, m_nienazwany);
}

void TProgram_form::Drukujzestawienie1Click()
{
    WydrukZestawienia::Drukuj(this, m_projekt, m_nazwa_pliku, m_nienazwany);
}
