// The assessment window: lists, visibility, marks, files, elements added,
// removed and moved.

#include "assessment/Dokument.h"
#include "assessment/FormatyOceny.h"
#include "assessment/PlikOceny.h"
#include "assessment/Tabele.h"
#include "assessment/TrescOceny.h"
#include "assessment/okna/PoleOceny.h"
#include "assessment/okna/TOcena_ryzyka_form.h"
#include "assessment/okna/WydrukOceny.h"
#include "pliki/NazwaPliku.h"
#include "pliki/ZapisPliku.h"
#include "project/KopiaOdzyskiwania.h"
#include "project/UstawieniaProgramu.h"
#include "project/okna/CzujnikZmianPliku.h"
#include "project/okna/Pytania.h"
#include "project/okna/TDane_form.h"
#include "project/okna/TDialog_projektu.h"
#include "project/okna/TOdzyskiwanie.h"
#include "project/okna/TPrzerwany_zapis.h"
#include "widgets/Kontrast.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace kerwano::ocena;

namespace {

const char *const KLUCZE_DANYCH[] = {"numer_projektu", "data_wykonania", "projektant",
                                     "budowa",         "inwestor",       "zleceniodawca"};

QString Nazwa(const Json &element)
{
    const Json &n = element[QStringLiteral("nazwa")];
    return n.JestTekstem() ? n.tekst : QString();
}

// The answer to a question with "Tak" and "Nie" (and "Anuluj").
int Pytanie(QWidget *okno, const QString &tekst, bool anuluj)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ocena ryzyka"), tekst,
                    QMessageBox::NoButton, okno);
    QPushButton *tak = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    QPushButton *nie = box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    QPushButton *stop =
        anuluj ? box.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(tak);
    box.setEscapeButton(anuluj ? stop : nie);
    box.exec();
    return box.clickedButton() == tak ? 1 : box.clickedButton() == nie ? 0 : -1;
}

} // namespace

void TOcena_ryzyka_form::PokazListy()
{
    auto wypelnij = [this](QListWidget *lista, const Json &elementy, const QString &przedrostek,
                           int wybrany) {
        const QSignalBlocker blokada(lista);
        if (lista->count() != int(elementy.tablica.size())) {
            lista->clear();
            for (size_t i = 0; i < elementy.tablica.size(); ++i)
                lista->addItem(QString());
        }
        for (size_t i = 0; i < elementy.tablica.size(); ++i) {
            bool blad = false;
            const QString p = QStringLiteral("%1[%2].").arg(przedrostek).arg(i);
            for (const Komunikat &k : std::as_const(m_walidacja.bledy))
                blad = blad || k.pole.startsWith(p);
            // A red dot before an element with an invalid field.
            QListWidgetItem *e = lista->item(int(i));
            e->setText((blad ? QStringLiteral("● ") : QString()) + Nazwa(elementy.tablica[i]));
            e->setForeground(blad ? kontrast::Czytelny(QColor(0xC0, 0, 0),
                                                       lista->palette().color(QPalette::Base))
                                  : lista->palette().color(QPalette::Text));
            e->setToolTip(blad ? QStringLiteral("Zawiera błędne pola") : QString());
        }
        lista->setCurrentRow(wybrany);
    };
    wypelnij(m_lista_linii, m_dokument["linie"], QStringLiteral("linie"), m_linia);
    wypelnij(m_lista_stref, m_dokument["strefy"], QStringLiteral("strefy"), m_strefa);
    const QString zakladki[] = {QStringLiteral("obiekt."), QStringLiteral("linie["),
                                QStringLiteral("strefy")};
    const char *nazwy[] = {"Obiekt", "Linie", "Strefy"};
    for (int t = 0; t < 3; ++t) {
        bool blad = false;
        for (const Komunikat &k : std::as_const(m_walidacja.bledy))
            blad = blad || k.pole.startsWith(zakladki[t]);
        m_strony->setTabText(t, (blad ? QStringLiteral("● ") : QString()) +
                                    QString::fromUtf8(nazwy[t]));
    }
}

void TOcena_ryzyka_form::PokazSystemy()
{
    const QSignalBlocker blokada(m_systemy);
    m_systemy->setRowCount(0);
    if (m_strefa < 0)
        return;
    const Json &linie = m_dokument["linie"];
    const Json &systemy = m_dokument["strefy"].tablica[size_t(m_strefa)]["systemy"];
    m_systemy->setRowCount(int(systemy.tablica.size()));
    for (size_t k = 0; k < systemy.tablica.size(); ++k) {
        const Json &s = systemy.tablica[k];
        const QString p = Przedrostek(STREFA) + QStringLiteral("systemy[%1].").arg(k);
        auto lista = [&](int kolumna, const QString &klucz, auto &&wypelnij) {
            auto *c = new QComboBox;
            wypelnij(c);
            const Json &w = s[klucz];
            int i = w.JestLiczba() ? c->findData(w.liczba)
                    : w.JestNull() ? c->findData(QVariant())
                                   : c->findData(w.tekst);
            if (i < 0) {
                c->addItem(w.JestTekstem() ? w.tekst : QStringLiteral("?"), QStringLiteral("\x01"));
                i = c->count() - 1;
            }
            c->setCurrentIndex(i);
            c->setAccessibleName(m_systemy->horizontalHeaderItem(kolumna)->text() +
                                 QStringLiteral(", system %1").arg(k + 1));
            const QString powod = m_walidacja.Powod(p + klucz);
            c->setToolTip(powod);
            c->setAccessibleDescription(powod);
            if (!powod.isEmpty())
                c->setStyleSheet(QStringLiteral("QComboBox { border: 2px solid #c00000; }"));
            connect(c, &QComboBox::activated, this, [this, c, k, klucz] {
                const QVariant d = c->currentData();
                if (d.toString() == QLatin1String("\x01"))
                    return;
                Json w = d.isNull()                        ? Json()
                         : d.typeId() == QMetaType::Double ? Json::Liczba(d.toDouble())
                                                           : Json::Tekst(d.toString());
                Json *s = Wartosc(Przedrostek(STREFA) + QStringLiteral("systemy[%1]").arg(k));
                if (s)
                    s->Ustaw(klucz, w);
                Zmieniono();
                PokazSystemy();
            });
            m_systemy->setCellWidget(int(k), kolumna, c);
        };
        lista(0, QStringLiteral("linia"), [&](QComboBox *c) {
            for (const Json &l : linie.tablica)
                c->addItem(Nazwa(l), Nazwa(l).trimmed());
            c->addItem(QStringLiteral("(brak linii – system autonomiczny)"), QVariant());
        });
        auto tabela = [](const Tabela &t) {
            return [&t](QComboBox *c) {
                for (int i = 0; i < t.liczba; ++i)
                    c->addItem(t.Etykieta(i), t.Klucz(i));
            };
        };
        lista(1, QStringLiteral("KS3"), tabela(KS3));
        lista(2, QStringLiteral("UW"), [](QComboBox *c) {
            for (double uw : UW_KOLUMNY)
                c->addItem(FormatT(uw), uw);
        });
        lista(3, QStringLiteral("SPD"), tabela(SPD));
    }
    // A system for every line and one without a line: no more to add.
    m_dodaj_system->setEnabled(systemy.tablica.size() < linie.tablica.size() + 1);
}

void TOcena_ryzyka_form::Widocznosc()
{
    const Json &o = m_dokument["obiekt"];
    for (int r = 0; r < 3; ++r) {
        const Json &oc = o["oceniane"][QStringLiteral("R%1").arg(r + 2)];
        const bool oceniane = oc.JestLogiczna() && oc.logiczna;
        m_grupy_R[r]->setEnabled(oceniane);
        m_grupy_strefy_R[r]->setVisible(oceniane);
    }
    const bool wewnatrz =
        m_strefa < 0 || m_dokument["strefy"].tablica[size_t(m_strefa)]["polozenie"] !=
                            Json::Tekst(POLOZENIE.Klucz(1));
    for (QWidget *w : std::as_const(m_tylko_wewnatrz))
        w->setVisible(wewnatrz);
    m_grupy_strefy_R[0]->setVisible(m_grupy_strefy_R[0]->isVisibleTo(this) && wewnatrz);
    m_grupy_strefy_R[1]->setVisible(m_grupy_strefy_R[1]->isVisibleTo(this) && wewnatrz);
    for (const Powiazanie &p : std::as_const(m_pola)) {
        const QString &k = p.pole->klucz();
        if (p.zakres == STREFA &&
            (k == QLatin1String("L4.cb") || k == QLatin1String("L4.cc") ||
             k == QLatin1String("L4.cs") || k.startsWith(QLatin1String("L4.r")) ||
             k == QLatin1String("L4.LF") || k == QLatin1String("L4.LO"))) {
            p.pole->setVisible(wewnatrz);
            p.pole->etykieta()->setVisible(wewnatrz);
        }
        if (p.zakres == OBIEKT && k == QLatin1String("wm1"))
            p.pole->setEnabled(o["KS1"] == Json::Tekst(QStringLiteral("siatka")));
        if (p.zakres == OBIEKT && k == QLatin1String("HP"))
            p.pole->setEnabled(findChild<QCheckBox *>(QStringLiteral("ma_HP"))->isChecked());
        if (p.zakres == STREFA && k == QLatin1String("wm2") && m_strefa >= 0)
            p.pole->setEnabled(m_dokument["strefy"].tablica[size_t(m_strefa)]["KS2"] ==
                               Json::Tekst(QStringLiteral("siatka")));
        if (p.zakres == LINIA && k == QLatin1String("RS") && m_linia >= 0) {
            const Json &e = m_dokument["linie"].tablica[size_t(m_linia)]["ekran"];
            const int i = e.JestTekstem() ? EKRAN_LINII.Indeks(e.tekst) : -1;
            p.pole->setEnabled(i < 0 || EKRAN_LINII.Ma(i, EKRAN_POLACZONY) ||
                               !m_walidacja.Powod(Przedrostek(LINIA) + k).isEmpty());
        }
    }
    const bool sa_linie = m_linia >= 0;
    m_formularz_linii->setVisible(sa_linie);
    m_brak_linii->setVisible(!sa_linie);
    m_sasiedni->setVisible(sa_linie &&
                           !m_dokument["linie"].tablica[size_t(m_linia)]["sasiedni"].JestNull());
    m_usun_strefe->setEnabled(m_dokument["strefy"].tablica.size() > 1);
    m_ng_td->setEnabled(m_walidacja.Powod(QStringLiteral("obiekt.Td")).isEmpty() &&
                        o["Td"].JestLiczba());
}

void TOcena_ryzyka_form::PokazOznaczenia()
{
    for (const Powiazanie &p : std::as_const(m_pola)) {
        if ((p.zakres == LINIA && m_linia < 0) || (p.zakres == STREFA && m_strefa < 0))
            continue;
        p.pole->Oznacz(m_walidacja.Powod(Przedrostek(p.zakres) + p.pole->klucz()));
    }
}

void TOcena_ryzyka_form::PokazTytul()
{
    const QString nazwa =
        m_plik.isEmpty() ? QStringLiteral("Nowa ocena ryzyka.kwr") : QFileInfo(m_plik).fileName();
    setWindowTitle(QStringLiteral("Kerwano - ocena ryzyka wg PN-EN 62305-2 - ") + nazwa +
                   (m_tylko_odczyt ? QStringLiteral(" (tylko do odczytu)") : QString()) +
                   QStringLiteral("[*]"));
    setWindowModified(m_zmodyfikowany);
    m_zapisz->setEnabled(m_zmodyfikowany && !m_tylko_odczyt);
    for (QAction *a : std::as_const(m_druk))
        a->setEnabled(m_walidacja.Poprawna());
    m_odzyskiwanie->Zmieniono(m_zmodyfikowany, m_plik);
}

bool TOcena_ryzyka_form::MoznaZamknac()
{
    if (!m_zmodyfikowany)
        return true;
    const QString nazwa =
        m_plik.isEmpty() ? QStringLiteral("Nowa ocena ryzyka.kwr") : QFileInfo(m_plik).fileName();
    const int odp =
        Pytanie(this, QStringLiteral("Zapisać zmiany w ocenie ryzyka „%1”?").arg(nazwa), true);
    if (odp < 0)
        return false;
    return odp == 0 || Zapisz(false);
}

void TOcena_ryzyka_form::closeEvent(QCloseEvent *zdarzenie)
{
    if (MoznaZamknac())
        zdarzenie->accept();
    else
        zdarzenie->ignore();
}

void TOcena_ryzyka_form::NowaOcena()
{
    if (!MoznaZamknac())
        return;
    m_dokument = kerwano::ocena::NowaOcena(QDate::currentDate());
    m_plik.clear();
    m_blokada.reset();
    m_tylko_odczyt = false;
    m_czujnik->Obserwuj(QString(), {});
    m_linia = -1;
    m_strefa = 0;
    PokazPola();
    Zmieniono();
    m_zmodyfikowany = false;
    PokazTytul();
}

bool TOcena_ryzyka_form::Otworz(const QString &plik)
{
    // A save of it that did not finish is settled first.
    TPrzerwany_zapis::Rozstrzygnij(this, plik);
    // Its stamp is taken before it is read: a change while it is read is one.
    const kerwano::StempelPliku stempel = kerwano::Stempel(plik);
    Json d;
    const QString blad = WczytajOcene(plik, d);
    if (!blad.isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Kerwano"), blad);
        return false;
    }
    // A file another program holds is opened only as the user chooses.
    const QString sciezka = QFileInfo(plik).absoluteFilePath();
    bool tylko_odczyt = false;
    if (sciezka != m_plik || !m_blokada) {
        auto blokada = std::make_unique<kerwano::BlokadaProjektu>(sciezka);
        const kerwano::BlokadaProjektu::Wynik wynik = blokada->Wez();
        if (wynik == kerwano::BlokadaProjektu::Wynik::Zajeta) {
            const QString kto = blokada->Kto();
            blokada.reset();
            switch (pytania::ProjektOtwartyGdzieIndziej(
                this, kerwano::CzytelnaNazwaPliku(QFileInfo(plik).fileName()), kto)) {
            case pytania::OtwartyGdzieIndziej::TylkoDoOdczytu:
                tylko_odczyt = true;
                break;
            case pytania::OtwartyGdzieIndziej::MimoTo:
                break;
            case pytania::OtwartyGdzieIndziej::Anuluj:
                return false;
            }
        } else if (wynik != kerwano::BlokadaProjektu::Wynik::Wzieta) {
            blokada.reset();
        }
        m_blokada = std::move(blokada);
    }
    m_tylko_odczyt = tylko_odczyt;
    m_czujnik->Obserwuj(sciezka, stempel);
    m_dokument = std::move(d);
    m_plik = sciezka;
    m_linia = -1;
    m_strefa = 0;
    PokazPola();
    Zmieniono();
    m_zmodyfikowany = false; // even with invalid fields
    PokazTytul();
    return true;
}

bool TOcena_ryzyka_form::Przywroc(const kerwano::KopiaOdzyskana &kopia, QString &blad)
{
    if (!MoznaZamknac())
        return false;
    Json d;
    blad = WczytajOcene(kopia.plik, d);
    if (!blad.isEmpty())
        return false;
    m_dokument = std::move(d);
    // Whatever the file holds now, it is not what this document came from.
    m_plik =
        kopia.nazwa_pliku.isEmpty() ? QString() : QFileInfo(kopia.nazwa_pliku).absoluteFilePath();
    m_czujnik->Obserwuj(m_plik, {});
    m_tylko_odczyt = false;
    if (m_plik.isEmpty())
        m_blokada.reset();
    else
        Zablokuj(m_plik);
    m_linia = -1;
    m_strefa = 0;
    PokazPola();
    Zmieniono();
    m_odzyskiwanie->ZapiszTeraz();
    return true;
}

QString TOcena_ryzyka_form::Folder() const
{
    return m_plik.isEmpty() ? TDialog_projektu::FolderPoczatkowy()
                            : QFileInfo(m_plik).absolutePath();
}

void TOcena_ryzyka_form::OtworzZPliku()
{
    if (!MoznaZamknac())
        return;
    const QString plik =
        QFileDialog::getOpenFileName(this, QStringLiteral("Otwórz ocenę ryzyka"), Folder(),
                                     QStringLiteral("Ocena ryzyka (*.kwr);;Wszystkie pliki (*)"));
    if (plik.isEmpty())
        return;
    kerwano::ustawienia::UstawOstatniFolder(QFileInfo(plik).absolutePath());
    Otworz(plik);
}

bool TOcena_ryzyka_form::Zapisz(bool jako)
{
    QString plik = m_plik;
    if (jako || plik.isEmpty() || m_tylko_odczyt) {
        plik = QFileDialog::getSaveFileName(
            this, QStringLiteral("Zapisz ocenę ryzyka"),
            m_plik.isEmpty() ? QDir(Folder()).filePath(QStringLiteral("Nowa ocena ryzyka.kwr"))
                             : m_plik,
            QStringLiteral("Ocena ryzyka (*.kwr);;Wszystkie pliki (*)"));
        if (plik.isEmpty())
            return false;
        if (QFileInfo(plik).suffix().isEmpty())
            plik += QStringLiteral(".kwr");
        plik = QFileInfo(plik).absoluteFilePath();
        kerwano::ustawienia::UstawOstatniFolder(QFileInfo(plik).absolutePath());
    }
    // Its own file, changed by someone else since it was read or written
    // here, is replaced only when the user says so.
    if (!m_plik.isEmpty() && plik == m_plik) {
        const auto odpowiedz = m_czujnik->PrzedZapisem(plik);
        if (odpowiedz == pytania::ZmienionyNaDysku::ZapiszJako)
            return Zapisz(true);
        if (odpowiedz == pytania::ZmienionyNaDysku::Anuluj)
            return false;
    }
    const QString blad = ZapiszOcene(plik, m_dokument);
    if (!blad.isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Kerwano"), blad);
        return false;
    }
    m_czujnik->Obserwuj(plik, kerwano::Stempel(plik));
    if (plik != m_plik || !m_blokada)
        Zablokuj(plik);
    m_tylko_odczyt = false;
    m_plik = plik;
    m_zmodyfikowany = false;
    PokazTytul();
    return true;
}

void TOcena_ryzyka_form::Zablokuj(const QString &plik)
{
    m_blokada.reset();
    m_blokada = kerwano::BlokadaProjektu::Wzieta(plik);
}

void TOcena_ryzyka_form::DaneProjektu()
{
    std::array<QString, kerwano::LICZBA_DANYCH> dane;
    for (size_t i = 0; i < dane.size() && i < 6; ++i) {
        const Json &v = m_dokument["dane_projektu"][QString::fromLatin1(KLUCZE_DANYCH[i])];
        dane[i] = v.JestTekstem() ? v.tekst : QString();
    }
    // Any text: the file keeps it in UTF-8, whole.
    TDane_form okno(dane, this, TDane_form::Teksty::Dowolne);
    if (okno.exec() != QDialog::Accepted)
        return;
    Json &d = *m_dokument.Pole(QStringLiteral("dane_projektu"));
    for (size_t i = 0; i < dane.size() && i < 6; ++i)
        d.Ustaw(QString::fromLatin1(KLUCZE_DANYCH[i]), Json::Tekst(okno.Dane()[i]));
    Zmieniono();
}

void TOcena_ryzyka_form::Drukuj(int jak)
{
    if (!m_walidacja.Poprawna())
        return;
    const QString nazwa =
        m_plik.isEmpty() ? QStringLiteral("Nowa ocena ryzyka.kwr") : QFileInfo(m_plik).fileName();
    const WydrukOceny wydruk(ZlozTrescOceny(m_dokument, nazwa, QDate::currentDate()));
    TWydruk::SprawdzCzcionki(this);
    QString pdf = m_plik.isEmpty() ? QDir(Folder()).filePath(nazwa) : m_plik;
    pdf = pdf.left(pdf.size() - QFileInfo(pdf).suffix().size()) + QStringLiteral("pdf");
    if (jak == 2) {
        const QString plik =
            QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz wydruk jako PDF"), pdf,
                                         QStringLiteral("Dokument PDF (*.pdf)"));
        if (plik.isEmpty())
            return;
        QString blad = TWydruk::OdmowaPdf(plik, m_plik);
        if (blad.isEmpty())
            blad = wydruk.ZapiszPdf(plik);
        if (!blad.isEmpty())
            QMessageBox::critical(this, QStringLiteral("Kerwano"), blad);
        return;
    }
    QPrinter drukarka(QPrinter::HighResolution);
    if (jak == 0)
        wydruk.Podglad(drukarka, this, QStringLiteral("Podgląd wydruku oceny ryzyka"), pdf, m_plik);
    else
        wydruk.Wydrukuj(drukarka, this);
}

void TOcena_ryzyka_form::DodajLinie()
{
    Json &linie = *m_dokument.Pole(QStringLiteral("linie"));
    if (int(linie.tablica.size()) >= MAKS_LINII)
        return;
    linie.tablica.push_back(NowaLinia(m_dokument));
    m_linia = int(linie.tablica.size()) - 1;
    PokazPola();
    Zmieniono();
}

void TOcena_ryzyka_form::UsunLinie()
{
    if (m_linia < 0)
        return;
    Json &linie = *m_dokument.Pole(QStringLiteral("linie"));
    const QString nazwa = Nazwa(linie.tablica[size_t(m_linia)]).trimmed();
    int n = 0;
    for (const Json &z : m_dokument["strefy"].tablica)
        for (const Json &s : z["systemy"].tablica)
            n += s["linia"] == Json::Tekst(nazwa);
    const QString pytanie =
        n == 0 ? QStringLiteral("Usunąć linię „%1”?").arg(nazwa)
               : QStringLiteral("Usunąć linię „%1”? Usunięte zostaną także systemy wewnętrzne "
                                "zasilane z tej linii (%2).")
                     .arg(nazwa)
                     .arg(n);
    if (Pytanie(this, pytanie, false) != 1)
        return;
    for (Json &z : m_dokument.Pole(QStringLiteral("strefy"))->tablica) {
        auto &sy = z.Pole(QStringLiteral("systemy"))->tablica;
        sy.erase(std::remove_if(sy.begin(), sy.end(),
                                [&nazwa](const Json &s) {
                                    return s[QStringLiteral("linia")] == Json::Tekst(nazwa);
                                }),
                 sy.end());
    }
    linie.tablica.erase(linie.tablica.begin() + m_linia);
    PokazPola();
    Zmieniono();
}

void TOcena_ryzyka_form::PrzesunLinie(int krok)
{
    auto &t = m_dokument.Pole(QStringLiteral("linie"))->tablica;
    const int cel = m_linia + krok;
    if (m_linia < 0 || cel < 0 || cel >= int(t.size()))
        return;
    std::swap(t[size_t(m_linia)], t[size_t(cel)]);
    m_linia = cel;
    PokazPola();
    Zmieniono();
}

void TOcena_ryzyka_form::DodajStrefe()
{
    Json &strefy = *m_dokument.Pole(QStringLiteral("strefy"));
    if (int(strefy.tablica.size()) >= MAKS_STREF)
        return;
    strefy.tablica.push_back(kerwano::ocena::NowaStrefa(m_dokument));
    m_strefa = int(strefy.tablica.size()) - 1;
    PokazPola();
    Zmieniono();
}

void TOcena_ryzyka_form::UsunStrefe()
{
    auto &t = m_dokument.Pole(QStringLiteral("strefy"))->tablica;
    if (t.size() <= 1 || m_strefa < 0)
        return;
    if (Pytanie(this, QStringLiteral("Usunąć strefę „%1”?").arg(Nazwa(t[size_t(m_strefa)])),
                false) != 1)
        return;
    t.erase(t.begin() + m_strefa);
    PokazPola();
    Zmieniono();
}

void TOcena_ryzyka_form::PrzesunStrefe(int krok)
{
    auto &t = m_dokument.Pole(QStringLiteral("strefy"))->tablica;
    const int cel = m_strefa + krok;
    if (cel < 0 || cel >= int(t.size()))
        return;
    std::swap(t[size_t(m_strefa)], t[size_t(cel)]);
    m_strefa = cel;
    PokazPola();
    Zmieniono();
}

void TOcena_ryzyka_form::DodajSystem()
{
    if (m_strefa < 0 || !m_dodaj_system->isEnabled())
        return;
    Json s = NowySystem(m_dokument, m_strefa);
    m_dokument.Pole(QStringLiteral("strefy"))
        ->tablica[size_t(m_strefa)]
        .Pole(QStringLiteral("systemy"))
        ->tablica.push_back(s);
    Zmieniono();
    PokazSystemy();
}

void TOcena_ryzyka_form::UsunSystem()
{
    const int k = m_systemy->currentRow();
    if (m_strefa < 0 || k < 0)
        return;
    auto &sy = m_dokument.Pole(QStringLiteral("strefy"))
                   ->tablica[size_t(m_strefa)]
                   .Pole(QStringLiteral("systemy"))
                   ->tablica;
    if (k >= int(sy.size()))
        return;
    sy.erase(sy.begin() + k);
    Zmieniono();
    PokazSystemy();
}
