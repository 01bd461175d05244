#pragma once

#include "reports/okna/Pasmo.h"

#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// What both printouts share: A4 portrait with margins of 10 mm at the top
// and bottom, 20 mm on the left and 10 mm on the right; one layout of the
// pages, painted alike on a printer, in a print preview and into a PDF file.
class TWydruk
{
public:
    virtual ~TWydruk() = default;

    // The document's title, for the PDF and the printing system.
    virtual QString tytul() const = 0;
    // The pages, laid out for `urzadzenie` with a printable area
    // `wysokosc` millimetres high.
    virtual QList<QList<ElementWydruku>> Strony(const QPaintDevice &urzadzenie,
                                                qreal wysokosc) const = 0;

    static QPageLayout UkladA4();
    static constexpr qreal SZEROKOSC = 180; // the printable width, mm

    QList<QList<ElementWydruku>> Strony(const QPagedPaintDevice &urzadzenie) const;
    // Paints pages `numery` of `strony` (1 for the first) in that order, one
    // to a sheet; every page when `numery` is empty. False when the device
    // could not be painted on.
    static bool Maluj(QPagedPaintDevice &urzadzenie, const QList<QList<ElementWydruku>> &strony,
                      const QList<int> &numery = {});

    // A4, the margins, the document name and the creator.
    void UstawDrukarke(QPrinter &drukarka) const;
    // The print dialog for this report (printer, copies, page range); true
    // when it was confirmed.
    bool DialogDruku(QPrinter &drukarka, QWidget *okno) const;
    // Prints the page range chosen in the print dialog, with as many copies
    // as the printing system does not make itself; a print preview gets
    // every page once.
    bool Drukuj(QPrinter &drukarka) const;
    // The pages a printer gets for a report of `liczba_stron` pages: the
    // range, the page order and, when the printer makes no copies of its
    // own, every copy (collated or not).
    static QList<int> StronyDoDruku(const QPrinter &drukarka, int liczba_stron);

    // Writes the report as a PDF file. The file appears only when complete:
    // a failure leaves no partial file and any earlier file as it was.
    // Empty on success, otherwise the error text.
    QString ZapiszPdf(const QString &sciezka) const;

protected:
    // The page header: the title (and a subtitle under it) centred in bold
    // 14 point, a rule, the office line in 10 point, a second rule.
    static Pasmo NaglowekStrony(const QPaintDevice &urzadzenie, const QString &tytul,
                                const QString &podtytul, const QString &biuro);
    // The page footer: the page number centred in 12 point.
    static Pasmo StopkaStrony(const QPaintDevice &urzadzenie, int nr_strony);
};
