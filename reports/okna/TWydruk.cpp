#include "reports/okna/TWydruk.h"

#include "project/PlikProjektu.h"
#include "project/Wersja.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <cerrno>

QPageLayout TWydruk::UkladA4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 10, 10, 10),
                       QPageLayout::Millimeter);
}

Pasmo TWydruk::NaglowekStrony(const QPaintDevice &urzadzenie, const QString &tytul,
                              const QString &podtytul, const QString &biuro)
{
    Pasmo p(urzadzenie);
    qreal y = p.Tekst(0, 0, tytul, Times(14, true), Qt::AlignHCenter, SZEROKOSC);
    if (!podtytul.isEmpty())
        y += p.Tekst(0, y, podtytul, Times(14, true, true), Qt::AlignHCenter, SZEROKOSC);
    y += 1.5;
    p.Linia({0, y}, {SZEROKOSC, y});
    y += 1.2;
    y += p.Tekst(0, y, biuro, Times(10), Qt::AlignHCenter, SZEROKOSC);
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
    const qreal wysokosc = urzadzenie.pageLayout().paintRect(QPageLayout::Millimeter).height();
    return Strony(urzadzenie, wysokosc);
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
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, static_cast<int>(Strony(drukarka).size()));
    return dialog.exec() == QDialog::Accepted;
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
    return kerwano::ZapiszPlikAtomowo(
        sciezka, [&dane](QIODevice &plik) { return kerwano::ZapiszBajty(plik, dane); });
}
