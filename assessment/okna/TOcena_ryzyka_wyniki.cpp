// The assessment window: the pages "Wyniki" and "Dobór ochrony" and the
// verdict panel.

#include "assessment/Dobor.h"
#include "assessment/FormatyOceny.h"
#include "assessment/Obliczenia.h"
#include "assessment/okna/PoleOceny.h"
#include "assessment/okna/TOcena_ryzyka_form.h"
#include "widgets/Kontrast.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace kerwano::ocena;

namespace {

QString W(double v)
{
    return Jest(v) ? FormatW(v) : QStringLiteral("—");
}

QTableWidget *NowaTabela(const QStringList &naglowki, const QString &nazwa)
{
    auto *t = new QTableWidget(0, int(naglowki.size()));
    t->setHorizontalHeaderLabels(naglowki);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAccessibleName(nazwa);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->setMinimumHeight(120);
    return t;
}

void DodajWiersz(QTableWidget *t, const QStringList &komorki, const QVector<bool> &czerwone = {})
{
    const int r = t->rowCount();
    t->insertRow(r);
    for (int k = 0; k < komorki.size(); ++k) {
        auto *e = new QTableWidgetItem(komorki[k]);
        if (k > 0 && komorki[k].size() < 14)
            e->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (k < czerwone.size() && czerwone[k]) {
            e->setForeground(
                kontrast::Czytelny(QColor(0xC0, 0, 0), t->palette().color(QPalette::Base)));
            e->setToolTip(QStringLiteral("Powyżej RT"));
        }
        t->setItem(r, k, e);
    }
}

QLabel *Tekst(const QString &t = QString())
{
    auto *l = new QLabel(t);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return l;
}

// Red that reads on what `w` stands on, on a dark palette too.
QColor Czerwony(const QWidget *w)
{
    return kontrast::Czytelny(QColor(0xC0, 0, 0), kontrast::Tlo(w));
}

// A verdict line as rich text: bold red when the risk is above RT.
QString Linia(const QString &tekst, bool ponad, const QWidget *w)
{
    return ponad ? QStringLiteral("<b><span style=\"color:%1\">%2</span></b>")
                       .arg(Czerwony(w).name(), tekst.toHtmlEscaped())
                 : tekst.toHtmlEscaped();
}

} // namespace

QWidget *TOcena_ryzyka_form::StronaWynikow()
{
    auto *w = new QWidget;
    auto *u = new QVBoxLayout(w);
    auto *obiekt = new QGroupBox(QStringLiteral("Obiekt"));
    m_wyniki_obiektu = Tekst();
    (new QVBoxLayout(obiekt))->addWidget(m_wyniki_obiektu);
    u->addWidget(obiekt);
    u->addWidget(new QLabel(QStringLiteral("Linie")));
    m_tabela_linii = NowaTabela(
        {QStringLiteral("Linia"), QStringLiteral("AL [m²]"), QStringLiteral("AI [m²]"),
         QStringLiteral("ADJ [m²]"), QStringLiteral("NL [1/rok]"), QStringLiteral("NI [1/rok]"),
         QStringLiteral("NDJ [1/rok]"), QStringLiteral("CLD"), QStringLiteral("CLI"),
         QStringLiteral("PLD"), QStringLiteral("PLI"), QStringLiteral("PEB")},
        QStringLiteral("Linie"));
    u->addWidget(m_tabela_linii);
    auto *strefa = new QLabel(QStringLiteral("Strefa"));
    m_wybor_strefy = new QComboBox;
    m_wybor_strefy->setAccessibleName(QStringLiteral("Strefa"));
    strefa->setBuddy(m_wybor_strefy);
    u->addWidget(strefa);
    u->addWidget(m_wybor_strefy);
    m_tabela_strefy = NowaTabela({QStringLiteral("Wielkość"), QStringLiteral("Wartość")},
                                 QStringLiteral("Prawdopodobieństwa i straty"));
    m_tabela_strefy->setMinimumHeight(260);
    u->addWidget(new QLabel(QStringLiteral("Prawdopodobieństwa i straty")));
    u->addWidget(m_tabela_strefy);
    auto *ryzyko = new QLabel(QStringLiteral("Ryzyko"));
    m_wybor_ryzyka = new QComboBox;
    m_wybor_ryzyka->setAccessibleName(QStringLiteral("Ryzyko"));
    ryzyko->setBuddy(m_wybor_ryzyka);
    u->addWidget(ryzyko);
    u->addWidget(m_wybor_ryzyka);
    QStringList kolumny{QStringLiteral("Strefa")};
    for (int k = 0; k < LICZBA_SKLADOWYCH; ++k)
        kolumny << QString::fromLatin1(NazwaSkladowej(k));
    kolumny << QStringLiteral("R");
    m_tabela_skladowych = NowaTabela(kolumny, QStringLiteral("Składowe ryzyka"));
    u->addWidget(new QLabel(QStringLiteral("Składowe ryzyka")));
    u->addWidget(m_tabela_skladowych);
    for (QComboBox *c : {m_wybor_strefy, m_wybor_ryzyka})
        connect(c, &QComboBox::activated, this, [this] { PokazWyniki(); });
    return w;
}

QWidget *TOcena_ryzyka_form::StronaDoboru()
{
    auto *w = new QWidget;
    auto *u = new QVBoxLayout(w);
    m_dobierz = new QPushButton(QStringLiteral("Dobierz ochronę"));
    connect(m_dobierz, &QPushButton::clicked, this, [this] { DobierzOchrone(); });
    u->addWidget(m_dobierz, 0, Qt::AlignLeft);
    m_tekst_doboru = Tekst();
    m_tekst_doboru->setObjectName(QStringLiteral("tekst_doboru"));
    u->addWidget(m_tekst_doboru);
    m_tabela_krokow = NowaTabela({QStringLiteral("Krok"), QStringLiteral("Środek ochrony")},
                                 QStringLiteral("Kroki doboru ochrony"));
    m_tabela_krokow->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_tabela_krokow->setWordWrap(true);
    u->addWidget(m_tabela_krokow);
    m_tabela_kosztow = NowaTabela({QStringLiteral("Wielkość"), QStringLiteral("Wartość")},
                                  QStringLiteral("Opłacalność ochrony"));
    u->addWidget(m_tabela_kosztow);
    m_koszty = Tekst();
    u->addWidget(m_koszty);
    u->addStretch();
    return w;
}

QWidget *TOcena_ryzyka_form::PanelWerdyktu()
{
    auto *w = new QWidget;
    auto *u = new QVBoxLayout(w);
    m_werdykty = Tekst();
    m_werdykty->setObjectName(QStringLiteral("werdykty"));
    m_werdykty->setTextFormat(Qt::RichText);
    m_werdykty->setAccessibleName(QStringLiteral("Ocena"));
    u->addWidget(m_werdykty);
    m_dobierz_panel = new QPushButton(QStringLiteral("Dobierz ochronę"));
    connect(m_dobierz_panel, &QPushButton::clicked, this, [this] {
        DobierzOchrone();
        m_strony->setCurrentIndex(4);
    });
    u->addWidget(m_dobierz_panel, 0, Qt::AlignLeft);
    m_bledy = new QListWidget;
    m_bledy->setObjectName(QStringLiteral("bledy"));
    m_bledy->setAccessibleName(QStringLiteral("Błędy danych"));
    m_bledy->setMaximumHeight(110);
    connect(m_bledy, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *e) { PrzejdzDo(e->data(Qt::UserRole).toString()); });
    connect(m_bledy, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *e) { PrzejdzDo(e->data(Qt::UserRole).toString()); });
    u->addWidget(m_bledy);
    m_uwagi = Tekst();
    m_uwagi->setAccessibleName(QStringLiteral("Uwagi"));
    u->addWidget(m_uwagi);
    return w;
}

void TOcena_ryzyka_form::PokazWyniki()
{
    for (QTableWidget *t : {m_tabela_linii, m_tabela_strefy, m_tabela_skladowych})
        t->setRowCount(0);
    if (!m_walidacja.Poprawna()) {
        m_wyniki_obiektu->setText(QStringLiteral("Wyniki niedostępne."));
        m_wybor_strefy->clear();
        m_wybor_ryzyka->clear();
        return;
    }
    const Dane &d = m_walidacja.dane;
    const Wyniki w = Oblicz(d);
    const WynikObiektu &o = w.obiekt;
    QString ad = QStringLiteral("AD = %1 m²").arg(FormatW(o.AD));
    if (Jest(o.AD_wystajaca))
        ad += QStringLiteral(" (prostokąt %1 m², część wystająca %2 m²)")
                  .arg(FormatW(o.AD_prostokat), FormatW(o.AD_wystajaca));
    m_wyniki_obiektu->setText(QStringList{ad, QStringLiteral("AM = %1 m²").arg(FormatW(o.AM)),
                                          QStringLiteral("ND = %1 1/rok").arg(FormatW(o.ND)),
                                          QStringLiteral("NM = %1 1/rok").arg(FormatW(o.NM)),
                                          QStringLiteral("PB = %1").arg(FormatW(o.PB)),
                                          QStringLiteral("KS1 = %1").arg(FormatW(o.KS1))}
                                  .join(u'\n'));
    for (size_t i = 0; i < w.linie.size(); ++i) {
        const WynikLinii &l = w.linie[i];
        DodajWiersz(m_tabela_linii, {d.linie[i].nazwa, W(l.AL), W(l.AI), W(l.ADJ), W(l.NL), W(l.NI),
                                     W(l.NDJ), W(l.CLD), W(l.CLI), W(l.PLD), W(l.PLI), W(l.PEB)});
    }
    // The zone and the risk chosen stay chosen.
    const int strefa = std::max(0, m_wybor_strefy->currentIndex());
    m_wybor_strefy->clear();
    for (const DaneStrefy &z : d.strefy)
        m_wybor_strefy->addItem(z.nazwa);
    m_wybor_strefy->setCurrentIndex(std::min(strefa, m_wybor_strefy->count() - 1));
    const QString ryzyko = m_wybor_ryzyka->currentText();
    m_wybor_ryzyka->clear();
    for (int r = 0; r < 4; ++r)
        if (d.obiekt.oceniane[r])
            m_wybor_ryzyka->addItem(QStringLiteral("R%1").arg(r + 1), r);
    m_wybor_ryzyka->setCurrentIndex(std::max(0, m_wybor_ryzyka->findText(ryzyko)));

    const size_t j = size_t(m_wybor_strefy->currentIndex());
    const WynikStrefy &z = w.strefy[j];
    auto wiersz = [this](const QString &nazwa, double v) {
        DodajWiersz(m_tabela_strefy, {nazwa, W(v)});
    };
    wiersz(QStringLiteral("PTA"), z.PTA);
    wiersz(QStringLiteral("PA"), z.PA);
    wiersz(QStringLiteral("rt"), z.rt);
    if (z.wewnatrz) {
        const std::pair<const char *, double> pola[] = {
            {"PTU", z.PTU}, {"rf", z.rf}, {"rp", z.rp}, {"hz", z.hz},
            {"KS2", z.KS2}, {"PC", z.PC}, {"PM", z.PM}};
        for (const auto &[n, v] : pola)
            wiersz(QString::fromLatin1(n), v);
        for (size_t i = 0; i < z.PU.size(); ++i) {
            wiersz(QStringLiteral("PU (%1)").arg(d.linie[i].nazwa), z.PU[i]);
            wiersz(QStringLiteral("PV (%1)").arg(d.linie[i].nazwa), z.PV[i]);
        }
        for (const WynikSystemu &s : z.systemy) {
            const QString nazwa =
                s.linia >= 0 ? d.linie[size_t(s.linia)].nazwa : QStringLiteral("„bez linii”");
            const std::pair<const char *, double> pola_s[] = {
                {"KS3", s.KS3}, {"KS4", s.KS4}, {"PMS", s.PMS}, {"PSPD", s.PSPD},
                {"PC", s.PC},   {"PM", s.PM},   {"PW", s.PW},   {"PZ", s.PZ}};
            for (const auto &[n, v] : pola_s)
                wiersz(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(n), nazwa), v);
        }
    }
    for (int r = 0; r < 4; ++r) {
        if (!d.obiekt.oceniane[r])
            continue;
        const RyzykoStrefy &rz = z.r[size_t(r)];
        const char *czynnik[] = {"f", "nz/nt (R2)", "cz/ct (R3)", nullptr};
        if (czynnik[r] && Jest(rz.wspolczynnik))
            wiersz(QString::fromLatin1(czynnik[r]), rz.wspolczynnik);
        const std::pair<const char *, double> straty[] = {
            {"LT", rz.LT}, {"LF", rz.LF}, {"LO", rz.LO}, {"LA", rz.LA},
            {"LU", rz.LU}, {"LB", rz.LB}, {"LV", rz.LV}, {"LC", rz.LC},
            {"LM", rz.LM}, {"LW", rz.LW}, {"LZ", rz.LZ}};
        for (const auto &[n, v] : straty)
            if (Jest(v))
                wiersz(QStringLiteral("%1 (R%2)").arg(QString::fromLatin1(n)).arg(r + 1), v);
    }
    const int r = m_wybor_ryzyka->currentData().toInt();
    for (size_t k = 0; k < w.strefy.size(); ++k) {
        QStringList komorki{d.strefy[k].nazwa};
        for (double c : w.strefy[k].r[size_t(r)].c)
            komorki << W(c);
        komorki << W(w.strefy[k].r[size_t(r)].R);
        DodajWiersz(m_tabela_skladowych, komorki);
    }
    QStringList razem{QStringLiteral("Razem")};
    for (double c : w.r[size_t(r)].c)
        razem << W(c);
    razem << W(w.r[size_t(r)].R);
    DodajWiersz(m_tabela_skladowych, razem);
}

void TOcena_ryzyka_form::DobierzOchrone()
{
    if (!m_walidacja.Poprawna())
        return;
    m_dobor_aktualny = true;
    PokazDobor();
    m_strony->setCurrentIndex(4);
}

void TOcena_ryzyka_form::PokazDobor()
{
    const bool wyniki = m_walidacja.Poprawna();
    m_dobierz->setEnabled(wyniki);
    m_dobierz_panel->setEnabled(wyniki);
    m_tabela_krokow->setRowCount(0);
    m_tabela_kosztow->setRowCount(0);
    m_koszty->clear();
    if (!wyniki) {
        m_tekst_doboru->setText(QStringLiteral("Wyniki niedostępne."));
        return;
    }
    const Dane &d = m_walidacja.dane;
    const Wyniki w = Oblicz(d);
    // The cost comparison does not wait for the button.
    Oplacalnosc k;
    const bool koszty = PorownajKoszty(d, w, k);
    m_tabela_kosztow->setVisible(koszty);
    if (koszty) {
        const std::pair<const char *, QString> wiersze[] = {
            {"R4 bez środków ochrony", FormatW(k.R4_bez_ochrony)},
            {"R4 z projektowanymi środkami", FormatW(k.R4)},
            {"Roczny koszt strat bez ochrony CL", FormatZl(k.CL) + QStringLiteral(" zł/rok")},
            {"Roczny koszt strat resztkowych CRL", FormatZl(k.CRL) + QStringLiteral(" zł/rok")},
            {"Roczny koszt środków ochrony CPM", FormatZl(k.CPM) + QStringLiteral(" zł/rok")},
            {"Roczna oszczędność SM", FormatZl(k.SM) + QStringLiteral(" zł/rok")}};
        for (const auto &[n, v] : wiersze)
            DodajWiersz(m_tabela_kosztow, {QString::fromUtf8(n), v});
        m_koszty->setText(WerdyktKosztow(k));
    }
    if (!m_dobor_aktualny) {
        m_tabela_krokow->hide();
        m_tekst_doboru->setText(m_tekst_doboru->text().isEmpty() ||
                                        m_tekst_doboru->text() ==
                                            QStringLiteral("Wyniki niedostępne.")
                                    ? QString()
                                    : QStringLiteral("Dane zmieniły się – naciśnij „Dobierz "
                                                     "ochronę” ponownie."));
        return;
    }
    const Dobor dobor = kerwano::ocena::DobierzOchrone(d, w);
    QStringList tekst{TekstWynikuDoboru(dobor.stan)};
    QStringList naglowki{QStringLiteral("Krok"), QStringLiteral("Środek ochrony")};
    QVector<int> ryzyka;
    for (int r = 0; r < 4; ++r)
        if (d.obiekt.oceniane[r]) {
            ryzyka << r;
            naglowki << QStringLiteral("R%1").arg(r + 1);
        }
    m_tabela_krokow->setColumnCount(int(naglowki.size()));
    m_tabela_krokow->setHorizontalHeaderLabels(naglowki);
    m_tabela_krokow->setVisible(dobor.stan != WynikDoboru::Wystarcza);
    for (size_t i = 0; i < dobor.kroki.size(); ++i) {
        const Krok &krok = dobor.kroki[i];
        QStringList komorki{QString::number(i),
                            krok.rodzina < 0
                                ? QStringLiteral("Stan obecny")
                                : OpisStopnia(krok.rodzina, krok.stopien, !d.linie.empty())};
        QVector<bool> czerwone{false, false};
        for (int r : ryzyka) {
            komorki << FormatW(krok.R[size_t(r)]);
            czerwone << (r < 3 && krok.R[size_t(r)] > RyzykoTolerowane(r));
        }
        DodajWiersz(m_tabela_krokow, komorki, czerwone);
    }
    m_tabela_krokow->resizeRowsToContents();
    if (dobor.stan == WynikDoboru::NieZnaleziono)
        tekst << TekstyNajwiekszych(dobor) << TekstRady();
    m_tekst_doboru->setText(tekst.join(u'\n'));
}

void TOcena_ryzyka_form::PokazWerdykt()
{
    m_bledy->clear();
    m_bledy->setVisible(!m_walidacja.Poprawna());
    if (!m_walidacja.Poprawna()) {
        m_werdykty->setText(Linia(QStringLiteral("Wyniki niedostępne: popraw zaznaczone pola (%1).")
                                      .arg(m_walidacja.bledy.size()),
                                  true, m_werdykty));
        for (const Komunikat &k : std::as_const(m_walidacja.bledy)) {
            // The place as a path of captions: "Strefy › Wnętrze › tz".
            QStringList miejsce;
            QString klucz = k.pole;
            const Json *element = nullptr;
            if (k.pole.startsWith(QLatin1String("obiekt."))) {
                miejsce << QStringLiteral("Obiekt");
                klucz = k.pole.mid(7);
            } else if (k.pole.startsWith(QLatin1String("linie[")) ||
                       k.pole.startsWith(QLatin1String("strefy["))) {
                const bool linia = k.pole.startsWith(u'l');
                const qsizetype koniec = k.pole.indexOf(u']');
                element = Znajdz(m_dokument, k.pole.left(koniec + 1));
                miejsce << (linia ? QStringLiteral("Linie") : QStringLiteral("Strefy"));
                if (element && (*element)[QStringLiteral("nazwa")].JestTekstem())
                    miejsce << (*element)[QStringLiteral("nazwa")].tekst;
                klucz = k.pole.mid(koniec + 2);
            } else {
                miejsce << QStringLiteral("Strefy");
                klucz.clear();
            }
            QString etykieta = klucz;
            for (const Powiazanie &p : std::as_const(m_pola))
                if (p.pole->klucz() == klucz)
                    etykieta = p.pole->tekstEtykiety();
            if (!etykieta.isEmpty())
                miejsce << etykieta;
            auto *e = new QListWidgetItem(miejsce.join(QStringLiteral(" › ")) +
                                          QStringLiteral(": ") + k.komunikat);
            e->setData(Qt::UserRole, k.pole);
            m_bledy->addItem(e);
        }
    } else {
        const Wyniki w = Oblicz(m_walidacja.dane);
        QStringList linie;
        for (int r = 0; r < 4; ++r) {
            if (!w.r[size_t(r)].oceniane)
                continue;
            linie << Linia(Werdykt(r, w.r[size_t(r)].R),
                           r < 3 && w.r[size_t(r)].R > RyzykoTolerowane(r), m_werdykty);
            Oplacalnosc k;
            if (r == 3 && PorownajKoszty(m_walidacja.dane, w, k))
                linie << Linia(WerdyktKosztow(k), false, m_werdykty);
        }
        m_werdykty->setText(linie.join(QStringLiteral("<br>")));
    }
    QStringList uwagi;
    for (const Komunikat &k : std::as_const(m_walidacja.uwagi))
        uwagi << k.komunikat;
    m_uwagi->setText(uwagi.join(u'\n'));
    m_uwagi->setVisible(!uwagi.isEmpty());
}

void TOcena_ryzyka_form::PrzejdzDo(const QString &pole)
{
    Zakres zakres = OBIEKT;
    QString klucz = pole.mid(7);
    if (pole.startsWith(QLatin1String("linie[")) || pole.startsWith(QLatin1String("strefy["))) {
        const qsizetype a = pole.indexOf(u'['), b = pole.indexOf(u']');
        const int i = pole.mid(a + 1, b - a - 1).toInt();
        zakres = pole.startsWith(u'l') ? LINIA : STREFA;
        (zakres == LINIA ? m_linia : m_strefa) = i;
        klucz = pole.mid(b + 2);
        PokazListy();
        PokazPola();
        PokazOznaczenia();
    } else if (pole == QLatin1String("strefy")) {
        zakres = STREFA;
    }
    m_strony->setCurrentIndex(int(zakres));
    for (const Powiazanie &p : std::as_const(m_pola))
        if (p.zakres == zakres && p.pole->klucz() == klucz) {
            p.pole->Aktywuj();
            return;
        }
    if (klucz.startsWith(QLatin1String("systemy")))
        m_systemy->setFocus(Qt::OtherFocusReason);
}
