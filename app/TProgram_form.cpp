#include "app/TProgram_form.h"

#include "angles/TKaty_strona.h"
#include "angles/TWykres_katow.h"
#include "app/OknoBledu.h"
#include "app/TPanel_boczny.h"
#include "app/TStringGrid.h"
#include "elements/ParametryElementu.h"
#include "elements/TOdstepy_parametry_form.h"
#include "elements/TOdstepy_strona.h"
#include "project/TDane_form.h"
#include "risk/Formaty.h"
#include "risk/Konwersja.h"
#include "risk/TInfo_form.h"
#include "risk/TKlasa_strona.h"
#include "risk/Wspolczynniki.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <cmath>

namespace {

const QString NOWY_PROJEKT = QStringLiteral("Nowy projekt.kwp");
const QString DOMYSLNY_PROJEKTANT =
    QStringLiteral("Pracownia Projektowa Kerwano, ul. Przykładowa 1, 00-001 Warszawa");

double *Wspolczynnik(kerwano::DaneKlasy &d, int nr)
{
    double *w[kerwano::LICZBA_LIST] = {&d.A1, &d.A2, &d.A3, &d.A4, &d.B1, &d.B2, &d.B3,
                                       &d.B4, &d.C1, &d.C2, &d.C3, &d.Ng, &d.Ce};
    return w[nr - 1];
}

double *Wymiar(kerwano::DaneKlasy &d, int nr)
{
    double *w[3] = {&d.dlugosc_budynku, &d.szerokosc_budynku, &d.wysokosc_budynku};
    return w[nr - 1];
}

} // namespace

TProgram_form::TProgram_form(const QStringList &argumenty, QWidget *parent)
    : QMainWindow(parent), m_argumenty(argumenty)
{
    setObjectName(QStringLiteral("Program_form"));
    data_wykonania = QDate::currentDate().toString(QStringLiteral("d.M.yyyy"));
    projektant = DOMYSLNY_PROJEKTANT;
    nazwa_pliku = NOWY_PROJEKT;
    setWindowTitle(TytulOkna(nazwa_pliku));

    UtworzAkcje();
    UtworzMenu();
    UtworzWidzety();
    TabSheet2->Chart1->PrzygotujWykres(m_krzywe_katow);

    setMinimumSize(800, 590);
    resize(800, 600);
    Splitter1->setSizes({800 - 136 - Splitter1->handleWidth(), 136});
    if (const QScreen *ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
}

QString TProgram_form::TytulOkna(const QString &nazwa_pliku)
{
    return QStringLiteral("Kerwano v. 1.1C - obliczanie parametrów wg IEC 1024 - ") +
           QFileInfo(nazwa_pliku).fileName();
}

QStringList TProgram_form::PlikiProjektow(const QStringList &parametry)
{
    QStringList pliki;
    for (const QString &p : parametry) {
        const QFileInfo plik(p);
        if (p.toUpper().endsWith(QStringLiteral(".KWP")) && plik.isFile())
            pliki << p;
    }
    return pliki;
}

void TProgram_form::UtworzAkcje()
{
    auto akcja = [this](const char *nazwa, const QString &tekst, const QKeySequence &skrot) {
        auto *a = new QAction(tekst, this);
        a->setObjectName(QString::fromLatin1(nazwa));
        a->setShortcut(skrot);
        return a;
    };
    Wczytajprojekt1 = akcja("Wczytajprojekt1", QStringLiteral("Otwórz projekt"), Qt::Key_F3);
    Zapiszprojekt1 = akcja("Zapiszprojekt1", QStringLiteral("Zapisz projekt"), Qt::Key_F2);
    Zapiszjako1 = akcja("Zapiszjako1", QStringLiteral("Zapisz jako..."), {});
    Drukujformularz1 = akcja("Drukujformularz1", QStringLiteral("Drukuj formularz klasyfikacyjny"),
                             Qt::CTRL | Qt::Key_K);
    Drukujobliczenia1 =
        akcja("Drukujobliczenia1", QStringLiteral("Drukuj obliczenia"), Qt::CTRL | Qt::Key_O);
    Wyjcie1 = akcja("Wyjcie1", QStringLiteral("Wyjście"), {});
    Daneprojektu1 = akcja("Daneprojektu1", QStringLiteral("Dane projektu"), Qt::CTRL | Qt::Key_D);
    N2 = akcja("N2", QStringLiteral("Obliczanie klasy ochronności"), {});
    Obliczaniektwosonowych1 =
        akcja("Obliczaniektwosonowych1", QStringLiteral("Obliczanie kątów osłonowych"), {});
    Obliczanieodstpwizolacyjnych1 = akcja("Obliczanieodstpwizolacyjnych1",
                                          QStringLiteral("Obliczanie odstępów izolacyjnych"), {});
    OpisProgramu1 = akcja("OpisProgramu1", QStringLiteral("Opis Programu"), Qt::Key_F1);

    Zapiszprojekt1->setEnabled(false);
    connect(N2, &QAction::triggered, this, [this] { PageControl1->setCurrentIndex(0); });
    connect(Obliczaniektwosonowych1, &QAction::triggered, this,
            [this] { PageControl1->setCurrentIndex(1); });
    connect(Obliczanieodstpwizolacyjnych1, &QAction::triggered, this,
            [this] { PageControl1->setCurrentIndex(2); });
    connect(Wczytajprojekt1, &QAction::triggered, this, &TProgram_form::Wczytajprojekt1Click);
    connect(Zapiszprojekt1, &QAction::triggered, this, &TProgram_form::Zapiszprojekt1Click);
    connect(Zapiszjako1, &QAction::triggered, this, &TProgram_form::Zapiszjako1Click);
    connect(Wyjcie1, &QAction::triggered, this, &TProgram_form::Wyjcie1Click);
    connect(Daneprojektu1, &QAction::triggered, this, &TProgram_form::Daneprojektu1Click);
}

void TProgram_form::UtworzMenu()
{
    QMenu *program = menuBar()->addMenu(QStringLiteral("Program"));
    program->setObjectName(QStringLiteral("Program1"));
    program->addAction(Wczytajprojekt1);
    program->addSeparator();
    program->addAction(Zapiszprojekt1);
    program->addAction(Zapiszjako1);
    program->addSeparator();
    program->addAction(Drukujformularz1);
    program->addAction(Drukujobliczenia1);
    program->addSeparator();
    program->addAction(Wyjcie1);

    QMenu *obliczenia = menuBar()->addMenu(QStringLiteral("Obliczenia"));
    obliczenia->setObjectName(QStringLiteral("Obliczenia1"));
    obliczenia->addAction(Daneprojektu1);
    obliczenia->addSeparator();
    obliczenia->addAction(N2);
    obliczenia->addAction(Obliczaniektwosonowych1);
    obliczenia->addAction(Obliczanieodstpwizolacyjnych1);

    QMenu *info = menuBar()->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info1"));
    info->addAction(OpisProgramu1);
}

void TProgram_form::UtworzWidzety()
{
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new TKlasa_strona;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new TKaty_strona;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3 = new TOdstepy_strona;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
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
    setCentralWidget(Splitter1);

    connect(TabSheet1, &TKlasa_strona::ListaZmieniona, this, &TProgram_form::ComboBoxChange);
    connect(TabSheet1, &TKlasa_strona::WymiarZmieniony, this, &TProgram_form::EditChange);
    connect(TabSheet1, &TKlasa_strona::Button1Click, this, &TProgram_form::Button1Click);
    connect(Panel2, &TPanel_boczny::Label33Click, Panel2, &QWidget::hide);
    connect(Panel2, &TPanel_boczny::Image2Click, this,
            [] { QDesktopServices::openUrl(TPanel_boczny::AdresStrony()); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int strona) {
        if (strona == 1)
            TabSheet2Show();
        else if (strona == 2)
            TabSheet3Show();
    });
    connect(TabSheet2->StringGrid2, &TStringGrid::WybranoWiersz, this,
            &TProgram_form::PokazKatElementu);
    connect(TabSheet3->StringGrid1, &TStringGrid::WybranoWiersz, this,
            &TProgram_form::PokazElement);
    connect(TabSheet3->Button2, &QPushButton::clicked, this, &TProgram_form::Button2Click);
    connect(TabSheet3->Button3, &QPushButton::clicked, this, &TProgram_form::Button3Click);
    connect(TabSheet3->Button4, &QPushButton::clicked, this, &TProgram_form::Button4Click);
    // A double-click on an element opens it for editing, as "Edycja" does.
    connect(TabSheet3->StringGrid1, &QTableWidget::cellDoubleClicked, this,
            &TProgram_form::Button4Click);
}

void TProgram_form::showEvent(QShowEvent *zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    // The defaults are set once, when the window first appears; showing it
    // again (after minimising, say) must not reset the project.
    if (pierwsze_pokazanie)
        FormShow();
}

void TProgram_form::FormShow()
{
    for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr)
        TabSheet1->ComboBox(nr)->setCurrentIndex(0);
    for (int nr = 1; nr <= 3; ++nr)
        TabSheet1->Edit(nr)->setText(QStringLiteral("1"));
    m_dane = kerwano::DaneKlasy();
    m_wyniki.klasa = 0;
    gotowy = true;
    ObliczKlase(false);
    UstawZmodyfikowany(false);
    PageControl1->setCurrentIndex(0);
    for (const QString &plik : PlikiProjektow(m_argumenty.mid(1)))
        WczytajProjekt(plik);
    pierwsze_pokazanie = false;
}

void TProgram_form::UstawZmodyfikowany(bool value)
{
    zmodyfikowany = value;
    Zapiszprojekt1->setEnabled(value);
}

void TProgram_form::ComboBoxChange(int nr)
{
    const int indeks = TabSheet1->ComboBox(nr)->currentIndex();
    const kerwano::ListaWspolczynnika &lista = kerwano::Lista(nr - 1);
    if (indeks >= 0 && indeks < static_cast<int>(lista.pozycje.size()))
        *Wspolczynnik(m_dane, nr) = lista.pozycje[static_cast<size_t>(indeks)].wartosc;
    ObliczKlase(false);
}

void TProgram_form::EditChange(int nr)
{
    // A text that is not a number leaves the dimension in force, silently;
    // so does a negative one, which no building has.
    const std::optional<double> wartosc = kerwano::TekstNaLiczbe(TabSheet1->Edit(nr)->text());
    if (!wartosc || *wartosc < 0)
        return;
    *Wymiar(m_dane, nr) = *wartosc;
    ObliczKlase(false);
}

void TProgram_form::ObliczKlase(bool wymus)
{
    if (!gotowy)
        return;
    const int stara_klasa = m_wyniki.klasa;
    m_wyniki = kerwano::ObliczKlase(m_dane);
    TabSheet1->PokazWyniki(m_wyniki);
    TabSheet3->Panel_odi_klasa->setText(kerwano::TekstKlasy(m_wyniki.klasa, m_wyniki.klasa_plus));
    OdswiezKolumneKatow(stara_klasa, wymus);
    if (PageControl1->currentIndex() == 1)
        TabSheet2->Chart1->Odswiez();
    UstawZmodyfikowany(true);
}

void TProgram_form::Button1Click()
{
    TInfo_form arkusz(m_wyniki.klasa, this);
    arkusz.exec();
}

void TProgram_form::OdswiezKolumneKatow(int stara_klasa, bool wymus)
{
    if (liczba_elementow <= 0 || (m_wyniki.klasa == stara_klasa && !wymus))
        return;
    TStringGrid *siatka = TabSheet2->StringGrid2;
    for (int w = 1; w <= liczba_elementow; ++w) {
        if (m_wyniki.klasa == 0) {
            siatka->UstawCells(2, w, QStringLiteral("?"));
            continue;
        }
        const double h = kerwano::TekstNaLiczbe(siatka->Cells(1, w)).value_or(std::nan(""));
        siatka->UstawCells(2, w, m_krzywe_katow.TekstKata(m_wyniki.klasa, h));
    }
}

void TProgram_form::PokazKatElementu(int wiersz)
{
    TStringGrid *siatka = TabSheet2->StringGrid2;
    TabSheet2->Chart1->Odswiez();
    const QString klasa_tekst = kerwano::TekstKlasy(m_wyniki.klasa, m_wyniki.klasa_plus);
    if (siatka->Cells(2, wiersz) == QStringLiteral("?") || siatka->Cells(1, wiersz).isEmpty()) {
        // No angle for this row: the panel shows the class in force and no angle.
        TabSheet2->Panel_wykres_klasa->setText(klasa_tekst);
        TabSheet2->Panel_wykres_kat->setText(QStringLiteral("?"));
        return;
    }
    const double h = kerwano::TekstNaLiczbe(siatka->Cells(1, wiersz)).value_or(std::nan(""));
    TabSheet2->Chart1->RysujLinieKata(m_wyniki.klasa, h);
    TabSheet2->Panel_wykres_klasa->setText(klasa_tekst);
    const double H = kerwano::CzytajH(TabSheet3->StringGrid1->Cells(1, wiersz));
    const std::optional<double> kat = m_krzywe_katow.KatOslonowy(m_wyniki.klasa, H);
    TabSheet2->Panel_wykres_kat->setText(
        kat ? QString::number(static_cast<long long>(std::trunc(*kat))) + QStringLiteral(" °")
            : QStringLiteral("?"));
}

void TProgram_form::TabSheet2Show()
{
    PokazKatElementu(TabSheet2->StringGrid2->Row());
    TabSheet2->Panel_wykres_H->setText(kerwano::F2(m_dane.wysokosc_budynku) + QStringLiteral(" m"));
}

void TProgram_form::WczytajElementy(const QList<kerwano::ElementDachu> &elementy)
{
    TStringGrid *siatka1 = TabSheet3->StringGrid1;
    TStringGrid *siatka2 = TabSheet2->StringGrid2;
    {
        // Rows half rebuilt are nobody's business: no row is shown until the end.
        const QSignalBlocker cisza1(siatka1);
        const QSignalBlocker cisza2(siatka2);
        liczba_elementow = static_cast<int>(elementy.size());
        siatka1->UstawRowCount(2);
        siatka2->UstawRowCount(2);
        siatka1->WyczyscWiersz(1);
        siatka2->WyczyscWiersz(1);
        for (int i = 1; i <= liczba_elementow; ++i) {
            const kerwano::ElementDachu &e = elementy.at(i - 1);
            if (i > 1) {
                siatka1->UstawRowCount(i + 1);
                siatka2->UstawRowCount(i + 1);
            }
            siatka1->UstawCells(0, i, e.nazwa);
            siatka1->UstawCells(1, i, e.parametry);
            siatka2->UstawCells(0, i, e.nazwa);
            siatka2->UstawCells(1, i, kerwano::DwaMiejsca(kerwano::CzytajH(e.parametry)));
            siatka2->UstawCells(2, i, QStringLiteral("?"));
        }
    }
    if (liczba_elementow > 0)
        ObliczKlase(true);
    // The page in view shows the element now selected, not one of the list replaced.
    if (PageControl1->currentIndex() == 1)
        PokazKatElementu(TabSheet2->StringGrid2->Row());
    else if (PageControl1->currentIndex() == 2)
        PokazElement(TabSheet3->StringGrid1->Row());
}

void TProgram_form::TabSheet3Show()
{
    PokazElement(TabSheet3->StringGrid1->Row());
}

void TProgram_form::PokazElement(int wiersz)
{
    TabSheet3->PokazElement(wiersz, m_wyniki.klasa, m_krzywe_katow);
}

void TProgram_form::ZapiszElement(int wiersz, const TOdstepy_parametry_form &dialog)
{
    const QString tekst = kerwano::ZlozParametry(
        dialog.Uklad(), dialog.TypInstalacji(), dialog.Material(), dialog.wartosc_H,
        dialog.wartosc_L, dialog.wartosc_fc, dialog.wartosc_n);
    TStringGrid *siatka1 = TabSheet3->StringGrid1;
    TStringGrid *siatka2 = TabSheet2->StringGrid2;
    siatka1->UstawCells(0, wiersz, dialog.nazwa_elementu);
    siatka1->UstawCells(1, wiersz, tekst);
    siatka2->UstawCells(0, wiersz, dialog.nazwa_elementu);
    siatka2->UstawCells(1, wiersz, kerwano::DwaMiejsca(dialog.wartosc_H));
    // The angle of the height as typed, not as the text rounds it.
    siatka2->UstawCells(2, wiersz, m_krzywe_katow.TekstKata(m_wyniki.klasa, dialog.wartosc_H));
}

void TProgram_form::Button2Click()
{
    TOdstepy_parametry_form dialog(this);
    dialog.Edit1->setText(QStringLiteral("Element ") + QString::number(liczba_elementow + 1));
    dialog.Edit_H->setText(QStringLiteral("1,00"));
    dialog.Edit_L->setText(QStringLiteral("1,00"));
    dialog.Edit_fc->setText(QStringLiteral("1,00"));
    dialog.Edit_n->setText(QStringLiteral("1"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    TStringGrid *siatka1 = TabSheet3->StringGrid1;
    TStringGrid *siatka2 = TabSheet2->StringGrid2;
    if (liczba_elementow > 0) {
        siatka1->UstawRowCount(siatka1->RowCount() + 1);
        siatka2->UstawRowCount(siatka2->RowCount() + 1);
    }
    ++liczba_elementow;
    ZapiszElement(siatka1->RowCount() - 1, dialog);
    if (liczba_elementow == 1)
        PokazElement(1);
    UstawZmodyfikowany(true);
}

void TProgram_form::Button3Click()
{
    if (liczba_elementow <= 0)
        return;
    TStringGrid *siatka1 = TabSheet3->StringGrid1;
    TStringGrid *siatka2 = TabSheet2->StringGrid2;
    if (liczba_elementow == 1) {
        siatka1->WyczyscWiersz(1);
        siatka2->WyczyscWiersz(1);
        liczba_elementow = 0;
        UstawZmodyfikowany(true);
        return;
    }
    const int usuwany = siatka1->Row();
    for (TStringGrid *siatka : {siatka1, siatka2}) {
        for (int w = usuwany; w < siatka->RowCount() - 1; ++w)
            for (int k = 0; k < siatka->columnCount(); ++k)
                siatka->UstawCells(k, w, siatka->Cells(k, w + 1));
    }
    // Removing the last row moves a selection that stood on it to the new
    // last row, which shows that element as any change of selection does.
    siatka2->UstawRowCount(siatka2->RowCount() - 1);
    siatka1->UstawRowCount(siatka1->RowCount() - 1);
    --liczba_elementow;
    UstawZmodyfikowany(true);
}

void TProgram_form::Button4Click()
{
    if (liczba_elementow <= 0)
        return;
    const int wiersz = TabSheet3->StringGrid1->Row();
    const QString tekst = TabSheet3->StringGrid1->Cells(1, wiersz);
    TOdstepy_parametry_form dialog(this);
    dialog.Edit1->setText(TabSheet3->StringGrid1->Cells(0, wiersz));
    if (const int uklad = kerwano::CzytajTypUkladu(tekst))
        dialog.UstawUklad(static_cast<kerwano::TypUkladu>(uklad));
    if (const int instalacja = kerwano::CzytajTypInstalacji(tekst))
        dialog.UstawTypInstalacji(instalacja);
    if (const int material = kerwano::CzytajMaterial(tekst))
        dialog.UstawMaterial(static_cast<kerwano::Material>(material));
    dialog.Edit_H->setText(kerwano::DwaMiejsca(kerwano::CzytajH(tekst)));
    dialog.Edit_L->setText(kerwano::DwaMiejsca(kerwano::CzytajL(tekst)));
    dialog.Edit_fc->setText(kerwano::DwaMiejsca(kerwano::CzytajF(tekst) + kerwano::CzytajC(tekst)));
    dialog.Edit_n->setText(QString::number(kerwano::CzytajN(tekst)));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ZapiszElement(wiersz, dialog);
    PokazElement(wiersz);
    UstawZmodyfikowany(true);
}

// Project files ------------------------------------------------------------

namespace {

const QString PYTANIE_OTWORZ =
    QStringLiteral("    Projekt nie został zapisany. Czy zapisać zmodyfikowane dane ?    ");
const QString PYTANIE_WYJSCIE =
    QStringLiteral("    Projekt nie został zapisany. Czy zapisać nowe dane ?    ");

} // namespace

QString TProgram_form::FolderPoczatkowy()
{
    const QFileInfo program(QCoreApplication::applicationDirPath());
    if (program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumenty).isDir() ? dokumenty : QDir::homePath();
}

QFileDialog *TProgram_form::DialogPliku(bool zapis)
{
    QFileDialog *&dialog = zapis ? SaveDialog1 : OpenDialog1;
    if (!dialog) {
        dialog = new QFileDialog(this);
        dialog->setObjectName(zapis ? QStringLiteral("SaveDialog1")
                                    : QStringLiteral("OpenDialog1"));
        dialog->setNameFilter(QStringLiteral("Kerwano Projekt (*.kwp)"));
        dialog->setDefaultSuffix(QStringLiteral("kwp"));
        dialog->setDirectory(FolderPoczatkowy());
        if (zapis) {
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setFileMode(QFileDialog::AnyFile);
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(NOWY_PROJEKT);
        } else {
            dialog->setAcceptMode(QFileDialog::AcceptOpen);
            dialog->setFileMode(QFileDialog::ExistingFile);
        }
    }
    return dialog;
}

kerwano::Projekt TProgram_form::ZbierzProjekt() const
{
    kerwano::Projekt p;
    for (int nr = 1; nr <= kerwano::LICZBA_LIST; ++nr)
        p.wybory[static_cast<size_t>(nr - 1)] = TabSheet1->ComboBox(nr)->currentIndex();
    for (int nr = 1; nr <= 3; ++nr)
        p.wymiary[static_cast<size_t>(nr - 1)] = TabSheet1->Edit(nr)->text();
    p.dane = DaneProjektu();
    for (int w = 1; w <= liczba_elementow; ++w)
        p.elementy << kerwano::ElementDachu{TabSheet3->StringGrid1->Cells(0, w),
                                            TabSheet3->StringGrid1->Cells(1, w)};
    return p;
}

void TProgram_form::ZastosujProjekt(const kerwano::Projekt &projekt)
{
    // The order of the file's own reading: each list with its handler, the
    // dimensions through their fields, the last two lists, the data, the
    // element list. An index outside its list leaves no entry selected and
    // the coefficient in force.
    auto wybierz = [this, &projekt](int nr) {
        QComboBox *lista = TabSheet1->ComboBox(nr);
        const int indeks = projekt.wybory[static_cast<size_t>(nr - 1)];
        lista->setCurrentIndex(indeks >= 0 && indeks < lista->count() ? indeks : -1);
        ComboBoxChange(nr);
    };
    for (int nr = 1; nr <= 11; ++nr)
        wybierz(nr);
    for (int nr = 1; nr <= 3; ++nr)
        TabSheet1->Edit(nr)->setText(projekt.wymiary[static_cast<size_t>(nr - 1)]);
    wybierz(12);
    wybierz(13);
    const std::array<QString *, 6> dane = DaneProjektu();
    for (size_t i = 0; i < dane.size(); ++i)
        *dane[i] = projekt.dane[i];
    WczytajElementy(projekt.elementy);
}

QString TProgram_form::WczytajProjektZPliku(const QString &sciezka, kerwano::Projekt *wczytany)
{
    // The whole file is read and checked first: a damaged one changes nothing.
    kerwano::Projekt projekt;
    const QString blad = kerwano::CzytajPlikProjektu(sciezka, projekt);
    if (!blad.isEmpty())
        return blad;
    if (wczytany)
        *wczytany = projekt;
    nienazwany = false;
    nazwa_pliku = sciezka;
    setWindowTitle(TytulOkna(nazwa_pliku));
    ZastosujProjekt(projekt);
    UstawZmodyfikowany(false);
    return {};
}

void TProgram_form::WczytajProjekt(const QString &sciezka)
{
    const QString blad = WczytajProjektZPliku(sciezka);
    if (!blad.isEmpty())
        OknoBledu(this, blad);
}

bool TProgram_form::ZapiszProjekt(bool jako)
{
    if (jako || nienazwany) {
        QFileDialog *dialog = DialogPliku(true);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return false;
        nazwa_pliku = dialog->selectedFiles().constFirst();
        setWindowTitle(TytulOkna(nazwa_pliku));
        nienazwany = false;
    }
    // "Zapisz jako..." writes the chosen file even when nothing changed:
    // the title must not name a file that does not exist.
    if (!zmodyfikowany && !jako)
        return true;
    const QString blad = kerwano::ZapiszPlikProjektu(nazwa_pliku, ZbierzProjekt());
    if (!blad.isEmpty()) {
        OknoBledu(this, blad);
        return false;
    }
    UstawZmodyfikowany(false);
    return true;
}

void TProgram_form::Wczytajprojekt1Click()
{
    if (zmodyfikowany) {
        QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Potwierdzenie"), PYTANIE_OTWORZ,
                            QMessageBox::NoButton, this);
        QPushButton *tak = pytanie.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
        pytanie.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
        pytanie.setDefaultButton(tak);
        pytanie.exec();
        // A save cancelled or failed keeps the changes on screen.
        if (pytanie.clickedButton() == tak && !ZapiszProjekt(false))
            return;
    }
    QFileDialog *dialog = DialogPliku(false);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    WczytajProjekt(dialog->selectedFiles().constFirst());
}

void TProgram_form::Wyjcie1Click()
{
    close(); // the question about unsaved changes is the window's own
}

void TProgram_form::closeEvent(QCloseEvent *zdarzenie)
{
    if (zmodyfikowany) {
        QMessageBox pytanie(QMessageBox::NoIcon, QStringLiteral("Uwaga"), PYTANIE_WYJSCIE,
                            QMessageBox::Yes | QMessageBox::No, this);
        pytanie.setDefaultButton(QMessageBox::Yes);
        // Esc or the box's close button answers neither: the program stays.
        QPushButton *zostan = pytanie.addButton(QMessageBox::Cancel);
        zostan->hide();
        pytanie.setEscapeButton(zostan);
        const int odpowiedz = pytanie.exec();
        if (odpowiedz == QMessageBox::Cancel ||
            (odpowiedz == QMessageBox::Yes && !ZapiszProjekt(false))) {
            zdarzenie->ignore();
            return;
        }
    }
    zdarzenie->accept();
}

void TProgram_form::Daneprojektu1Click()
{
    TDane_form Dane_form(DaneProjektu(), this);
    if (Dane_form.exec() == QDialog::Accepted)
        UstawZmodyfikowany(true);
}
