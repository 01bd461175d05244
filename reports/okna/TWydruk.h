#pragma once

#include "reports/TrescObliczen.h"
#include "reports/okna/Pasmo.h"

#include <QList>
#include <QPageLayout>
#include <QString>

class QAction;
class QPagedPaintDevice;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// What the printouts share: A4 portrait with margins of 10 mm at the top
// and bottom, 20 mm on the left and 10 mm on the right, whatever paper the
// printer would take by default; one layout of the pages, painted alike on
// a printer, in a print preview and into a PDF file.
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
    static qreal WysokoscA4();              // the printable height, mm
    // The pitch of a 10-point line.
    static qreal Wiersz(const Pasmo &p);

    // The pages laid out for A4 and measured on `urzadzenie`, whatever page
    // size the device has.
    QList<QList<ElementWydruku>> Strony(const QPagedPaintDevice &urzadzenie) const;
    // Paints pages `numery` of `strony` (1 for the first) in that order, one
    // to a sheet; every page when `numery` is empty. False when the device
    // could not be painted on.
    static bool Maluj(QPagedPaintDevice &urzadzenie, const QList<QList<ElementWydruku>> &strony,
                      const QList<int> &numery = {});

    // A4, the margins, the document name and the creator.
    void UstawDrukarke(QPrinter &drukarka) const;
    // The print dialog for this report (printer, copies, page range); true
    // when it was confirmed. What it chooses is kept, except the paper: the
    // page stays A4 portrait with its margins, whatever the printer chosen
    // takes by default.
    bool DialogDruku(QPrinter &drukarka, QWidget *okno) const;
    // Prints the page range chosen in the print dialog on A4, with as many
    // copies as the printing system does not make itself; a print preview
    // gets every page once.
    bool Drukuj(QPrinter &drukarka) const;

    // A printing command from the menu, on `drukarka`: the printer set up,
    // the print dialog (cancelling it ends the command), then the pages
    // printed on the printer chosen, if there is one.
    void Wydrukuj(QPrinter &drukarka, QWidget *okno) const;
    // A printing command with a preview: the printer set up, the print
    // dialog (cancelling it ends the command), then the print preview
    // titled `tytul_okna`. Its print command prints at once with the
    // dialog's choices, without a second dialog; it offers no page set-up
    // or orientation (the paper is A4); "Zapisz jako PDF..." offers `pdf`
    // and never writes over a project or an assessment file (`projekt` or
    // any other: OdmowaPdf).
    // Returns when the preview is closed.
    void Podglad(QPrinter &drukarka, QWidget *okno, const QString &tytul_okna, const QString &pdf,
                 const QString &projekt = QString()) const;
    // The PDF file offered for a project file: its name, then `dopisek`,
    // with ".pdf" for ".kwp", in its folder; for a project never saved, in
    // the folder the project dialogs start in.
    static QString NazwaPdf(const QString &nazwa_pliku, bool nienazwany,
                            const QString &dopisek = QString());
    // Before the first printout of a run: when "Times New Roman" or
    // "Arial" is missing, says so once, in a message box.
    static void SprawdzCzcionki(QWidget *okno);
    // The pages a printer gets for a report of `liczba_stron` pages: the
    // range, the page order and, when the printer makes no copies of its
    // own, every copy (collated or not).
    static QList<int> StronyDoDruku(const QPrinter &drukarka, int liczba_stron);

    // Why a PDF may not be written as `wyjscie`: it is a project or a risk
    // assessment file (`wejscie`, the printout's own, or any other); empty
    // when it may.
    static QString OdmowaPdf(const QString &wyjscie, const QString &wejscie);

    // Writes the report as a PDF file. The file appears only when complete:
    // a failure leaves no partial file and any earlier file as it was.
    // Empty on success, otherwise the error text.
    QString ZapiszPdf(const QString &sciezka) const;

protected:
    // The page header: the title (and a subtitle under it) centred in bold
    // 14 point, a rule, `linia` in 10 point, a second rule.
    static Pasmo NaglowekStrony(const QPaintDevice &urzadzenie, const QString &tytul,
                                const QString &podtytul, const QString &linia);
    // The page footer: the page number centred in 12 point.
    static Pasmo StopkaStrony(const QPaintDevice &urzadzenie, int nr_strony);
    // The six project data texts, each beside its bold caption and broken
    // onto as many lines as it needs, then a rule.
    static Pasmo DaneProjektu(const QPaintDevice &urzadzenie,
                              const std::array<kerwano::Pozycja, 6> &dane);
    // The signature block: the date at the left, the dotted line with the
    // signature's caption under it at the right. Leave `ODSTEP_PODPISU`
    // free above it.
    static Pasmo Podpis(const QPaintDevice &urzadzenie, const QString &wykonano,
                        const QString &linia_podpisu, const QString &podpis_wykonawcy);
    static constexpr qreal ODSTEP_PODPISU = 6;

private:
    // The preview by keyboard: its tool buttons in the Tab order, each named,
    // Ctrl+P printing, Ctrl+S saving the PDF, a focus mark on the pages.
    static void KlawiszePodgladu(QPrintPreviewDialog &podglad, QAction *drukuj, QAction *zapisz);
};
