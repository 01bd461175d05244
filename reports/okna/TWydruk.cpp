#include "reports/okna/TWydruk.h"

#include "assessment/PlikOceny.h"
#include "pliki/BladSystemu.h"
#include "pliki/ZapisPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/PlikProjektu.h"
#include "project/Wersja.h"
#include "project/okna/TDialog_projektu.h"
#include "widgets/OknoBledu.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>

#include <cerrno>

namespace {

// The dialog that names the PDF file. Qt's dialog reads a name with a double
// quote as a list of quoted names (for `Szkoła "Słoneczko" etap 2.pdf` it
// would give Słoneczko.pdf); such a name is taken here exactly as it stands
// in the name field, the default suffix added as the dialog adds it.
class TDialog_pdf : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    QString Wybrany() const { return m_wybrany.isEmpty() ? selectedFiles().value(0) : m_wybrany; }

    void accept() override
    {
        const auto *pole = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QString nazwa = pole ? pole->text() : QString();
        if (!nazwa.contains(u'"')) {
            QFileDialog::accept();
            return;
        }
        if (QFileInfo(nazwa).suffix().isEmpty())
            nazwa += u'.' + defaultSuffix();
        const QFileInfo plik(QDir::isAbsolutePath(nazwa) ? nazwa
                                                         : directory().absoluteFilePath(nazwa));
        if (plik.isDir())
            return;
        if (plik.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                QStringLiteral("Plik %1 już istnieje. Zastąpić go?").arg(plik.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        m_wybrany = plik.absoluteFilePath();
        QDialog::accept();
    }

private:
    QString m_wybrany;
};

} // namespace

QPageLayout TWydruk::UkladA4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 10, 10, 10),
                       QPageLayout::Millimeter);
}

qreal TWydruk::WysokoscA4()
{
    return UkladA4().paintRect(QPageLayout::Millimeter).height();
}

qreal TWydruk::Wiersz(const Pasmo &p)
{
    return p.WysokoscLinii(Times(10)) + 1.6;
}

Pasmo TWydruk::DaneProjektu(const QPaintDevice &urzadzenie,
                            const std::array<kerwano::Pozycja, 6> &dane)
{
    Pasmo p(urzadzenie);
    // The values start where the widest caption, as the font measures it,
    // leaves room.
    const QFont podpis = Times(10, true), wartosc = Times(10);
    qreal x = 32;
    for (const kerwano::Pozycja &d : dane)
        x = std::max(x, p.Szerokosc(d.podpis, podpis) + 2);
    const qreal skok = Wiersz(p);
    qreal y = 0;
    for (const kerwano::Pozycja &d : dane) {
        p.Tekst(0, y, d.podpis, podpis);
        y += p.Akapit(x, y, d.wartosc, wartosc, SZEROKOSC - x, skok);
    }
    y += 1.5;
    p.Linia({0, y}, {SZEROKOSC, y});
    p.UstawWysokosc(y + 4);
    return p;
}

Pasmo TWydruk::Podpis(const QPaintDevice &urzadzenie, const QString &wykonano,
                      const QString &linia_podpisu, const QString &podpis_wykonawcy)
{
    Pasmo p(urzadzenie);
    const QFont kropki = Times(12), tekst = Times(10);
    const qreal szerokosc = p.Szerokosc(linia_podpisu, kropki);
    const qreal x = SZEROKOSC - szerokosc;
    const qreal linia = p.Tekst(x, 0, linia_podpisu, kropki);
    // The date stands on the dotted line's baseline.
    p.Tekst(0, linia - p.WysokoscLinii(tekst), wykonano, tekst);
    const qreal y2 = linia + 0.5;
    p.Tekst(x, y2, podpis_wykonawcy, tekst, Qt::AlignHCenter, szerokosc);
    p.UstawWysokosc(y2 + p.WysokoscLinii(tekst) + 1);
    return p;
}

Pasmo TWydruk::NaglowekStrony(const QPaintDevice &urzadzenie, const QString &tytul,
                              const QString &podtytul, const QString &linia)
{
    Pasmo p(urzadzenie);
    qreal y = p.Tekst(0, 0, tytul, Times(14, true), Qt::AlignHCenter, SZEROKOSC);
    if (!podtytul.isEmpty())
        y += p.Tekst(0, y, podtytul, Times(14, true, true), Qt::AlignHCenter, SZEROKOSC);
    y += 1.5;
    p.Linia({0, y}, {SZEROKOSC, y});
    y += 1.2;
    y += p.Tekst(0, y, linia, Times(10), Qt::AlignHCenter, SZEROKOSC);
    y += 0.8;
    p.Linia({0, y}, {SZEROKOSC, y});
    p.UstawWysokosc(y + 3);
    return p;
}

Pasmo TWydruk::StopkaStrony(const QPaintDevice &urzadzenie, int nr_strony)
{
    Pasmo p(urzadzenie, 9);
    const QFont czcionka = Times(12);
    p.Tekst(0, p.wysokosc() - p.WysokoscLinii(czcionka), QString::number(nr_strony), czcionka,
            Qt::AlignHCenter, SZEROKOSC);
    return p;
}

QList<QList<ElementWydruku>> TWydruk::Strony(const QPagedPaintDevice &urzadzenie) const
{
    return Strony(static_cast<const QPaintDevice &>(urzadzenie), WysokoscA4());
}

bool TWydruk::Maluj(QPagedPaintDevice &urzadzenie, const QList<QList<ElementWydruku>> &strony,
                    const QList<int> &numery)
{
    QList<int> wszystkie;
    if (numery.isEmpty())
        for (int nr = 1; nr <= strony.size(); ++nr)
            wszystkie.append(nr);
    QPainter malarz;
    if (!malarz.begin(&urzadzenie))
        return false;
    malarz.setRenderHint(QPainter::Antialiasing);
    const qreal px_na_mm = PikseliNaMilimetr(urzadzenie);
    bool pierwsza = true;
    for (int nr : numery.isEmpty() ? wszystkie : numery) {
        if (nr < 1 || nr > strony.size())
            continue;
        if (!pierwsza && !urzadzenie.newPage())
            return false;
        pierwsza = false;
        MalujElementy(malarz, strony[nr - 1], px_na_mm);
    }
    return malarz.end();
}

void TWydruk::UstawDrukarke(QPrinter &drukarka) const
{
    drukarka.setPageLayout(UkladA4());
    drukarka.setDocName(tytul());
    drukarka.setCreator(QString::fromLatin1(kerwano::NAZWA_I_WERSJA));
}

bool TWydruk::DialogDruku(QPrinter &drukarka, QWidget *okno) const
{
    QPrintDialog dialog(&drukarka, okno);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, static_cast<int>(Strony(drukarka).size()));
    const bool potwierdzony = dialog.exec() == QDialog::Accepted;
    // The dialog sets the paper the printer chosen takes by default (Letter
    // on many a queue); the pages are A4 whatever it is.
    drukarka.setPageLayout(UkladA4());
    return potwierdzony;
}

void TWydruk::Wydrukuj(QPrinter &drukarka, QWidget *okno) const
{
    SprawdzCzcionki(okno);
    UstawDrukarke(drukarka);
    if (!DialogDruku(drukarka, okno))
        return;
    // With no printer at all there is nothing to print on, and nothing is said.
    if (drukarka.isValid())
        Drukuj(drukarka);
}

QString TWydruk::NazwaPdf(const QString &nazwa_pliku, bool nienazwany, const QString &dopisek)
{
    const QFileInfo plik(nazwa_pliku);
    const QString nazwa = plik.suffix().compare(QStringLiteral("kwp"), Qt::CaseInsensitive) == 0
                              ? plik.completeBaseName()
                              : plik.fileName();
    const QString folder = nienazwany ? TDialog_projektu::FolderPoczatkowy() : plik.absolutePath();
    return QDir(folder).filePath(nazwa + dopisek + QStringLiteral(".pdf"));
}

QString TWydruk::OdmowaPdf(const QString &wyjscie, const QString &wejscie)
{
    const QString odmowa = kerwano::ChronionyProjekt(wyjscie, wejscie);
    return odmowa.isEmpty() ? kerwano::ocena::ChronionaOcena(wyjscie, wejscie) : odmowa;
}

void TWydruk::Podglad(QPrinter &drukarka, QWidget *okno, const QString &tytul_okna,
                      const QString &pdf, const QString &projekt) const
{
    SprawdzCzcionki(okno);
    UstawDrukarke(drukarka);
    if (!DialogDruku(drukarka, okno))
        return;

    QPrintPreviewDialog podglad(&drukarka, okno);
    podglad.setObjectName(QStringLiteral("QRPreview"));
    podglad.setWindowTitle(tytul_okna);
    QObject::connect(&podglad, &QPrintPreviewDialog::paintRequested, &podglad,
                     [this](QPrinter *p) { Drukuj(*p); });
    // The preview's own print command would ask for the printer again, and
    // its page set-up could change the paper: the dialog has been answered.
    QAction *drukuj = nullptr;
    for (QAction *a : podglad.findChildren<QAction *>()) {
        const QString tekst = a->text();
        if (tekst == QPrintPreviewDialog::tr("Print")) {
            drukuj = a;
            a->setObjectName(QStringLiteral("Drukuj1"));
            a->disconnect(&podglad);
            QObject::connect(a, &QAction::triggered, &podglad, [this, &drukarka, &podglad] {
                if (drukarka.isValid())
                    Drukuj(drukarka);
                podglad.accept();
            });
        } else if (tekst == QPrintPreviewDialog::tr("Page setup") ||
                   tekst == QPrintPreviewDialog::tr("Portrait") ||
                   tekst == QPrintPreviewDialog::tr("Landscape")) {
            a->setVisible(false);
        }
    }
    auto *zapisz = new QAction(QStringLiteral("Zapisz jako PDF..."), &podglad);
    zapisz->setObjectName(QStringLiteral("ZapiszPdf1"));
    zapisz->setToolTip(QStringLiteral("Zapisz wydruk jako plik PDF"));
    QObject::connect(zapisz, &QAction::triggered, &podglad, [this, &podglad, pdf, projekt] {
        TDialog_pdf dialog(&podglad, QStringLiteral("Zapisz jako PDF"));
        dialog.setObjectName(QStringLiteral("SaveDialogPdf"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("Dokument PDF (*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.setDirectory(QFileInfo(pdf).absolutePath());
        dialog.selectFile(QFileInfo(pdf).fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.Wybrany().isEmpty())
            return;
        const QString wybrany = dialog.Wybrany();
        // The printout never takes a project's or an assessment's place.
        QString blad = OdmowaPdf(wybrany, projekt);
        if (blad.isEmpty())
            blad = ZapiszPdf(wybrany);
        if (!blad.isEmpty())
            OknoBledu(&podglad, kerwano::ZdanieBledu(blad));
    });
    if (QToolBar *pasek = podglad.findChild<QToolBar *>()) {
        pasek->addSeparator();
        pasek->addAction(zapisz);
    } else {
        podglad.addAction(zapisz);
    }
    KlawiszePodgladu(podglad, drukuj, zapisz);
    podglad.exec();
}

void TWydruk::KlawiszePodgladu(QPrintPreviewDialog &podglad, QAction *drukuj, QAction *zapisz)
{
    // Ctrl+P prints, Ctrl+S saves the PDF; Esc closes, as in every dialog.
    if (drukuj)
        drukuj->setShortcut(QKeySequence::Print);
    zapisz->setShortcut(QKeySequence::Save);
    for (QAction *a : {drukuj, zapisz})
        if (a)
            a->setShortcutContext(Qt::WindowShortcut);
    // The tool bar's buttons take no focus of their own: Tab reaches them
    // here, and each is named for a screen reader by what it does.
    for (QToolButton *przycisk : podglad.findChildren<QToolButton *>()) {
        QAction *a = przycisk->defaultAction();
        if (!a || !a->isVisible())
            continue;
        przycisk->setFocusPolicy(Qt::TabFocus);
        QString nazwa = a->toolTip().isEmpty() ? a->text() : a->toolTip();
        nazwa.remove(QLatin1Char('&'));
        if (!a->shortcut().isEmpty())
            nazwa += QStringLiteral(" (%1)").arg(a->shortcut().toString(QKeySequence::NativeText));
        przycisk->setAccessibleName(nazwa);
        przycisk->setToolTip(nazwa);
    }
    // Not every style marks the focus on a flat tool button, nor on the
    // pages' view (it takes the focus to scroll by key): a frame shows it.
    podglad.setStyleSheet(QStringLiteral(
        "QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"
        "QGraphicsView:focus { border: 2px solid palette(highlight); }"));
}

void TWydruk::SprawdzCzcionki(QWidget *okno)
{
    static bool sprawdzone = false;
    if (sprawdzone)
        return;
    sprawdzone = true;
    const QString braki = BrakujaceCzcionki();
    if (!braki.isEmpty())
        QMessageBox::warning(okno, QStringLiteral("Kerwano"), braki);
}

QList<int> TWydruk::StronyDoDruku(const QPrinter &drukarka, int liczba_stron)
{
    int od = 1, do_ = liczba_stron;
    if (drukarka.printRange() == QPrinter::PageRange && drukarka.fromPage() > 0) {
        od = drukarka.fromPage();
        if (drukarka.toPage() > 0)
            do_ = std::min(drukarka.toPage(), liczba_stron);
    }
    QList<int> zakres;
    for (int nr = od; nr <= do_; ++nr)
        zakres.append(nr);
    if (drukarka.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(zakres.begin(), zakres.end());
    const int kopie = drukarka.supportsMultipleCopies() ? 1 : std::max(1, drukarka.copyCount());
    QList<int> strony;
    if (drukarka.collateCopies()) {
        for (int k = 0; k < kopie; ++k)
            strony += zakres;
    } else {
        for (int nr : zakres)
            for (int k = 0; k < kopie; ++k)
                strony.append(nr);
    }
    return strony;
}

bool TWydruk::Drukuj(QPrinter &drukarka) const
{
    // A print preview records its pages on a picture engine; it shows the
    // whole report, whatever will be printed from it.
    const bool podglad =
        drukarka.paintEngine() && drukarka.paintEngine()->type() == QPaintEngine::Picture;
    if (!podglad)
        drukarka.setPageLayout(UkladA4());
    const QList<QList<ElementWydruku>> strony = Strony(drukarka);
    if (podglad)
        return Maluj(drukarka, strony);
    const QList<int> numery = StronyDoDruku(drukarka, static_cast<int>(strony.size()));
    return numery.isEmpty() || Maluj(drukarka, strony, numery);
}

QString TWydruk::ZapiszPdf(const QString &sciezka) const
{
    // Rendered whole first, then written as a project is saved: the file
    // appears only complete, and a failure leaves any earlier one as it was.
    QByteArray dane;
    {
        QBuffer bufor(&dane);
        bufor.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&bufor);
        pdf.setPageLayout(UkladA4());
        pdf.setTitle(tytul());
        pdf.setCreator(QString::fromLatin1(kerwano::NAZWA_I_WERSJA));
        if (!Maluj(pdf, Strony(pdf)))
            return kerwano::KomunikatBleduSystemu(EIO);
    }
    return kerwano::ZapiszPlik(
        sciezka, [&dane](QIODevice &plik) { return kerwano::ZapiszBajty(plik, dane); });
}
