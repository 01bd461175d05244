#pragma once

#include "reports/TrescObliczen.h"
#include "reports/okna/TWydruk.h"

namespace kerwano {
class ModelProjektu;
}

// The calculation report, "Wydruk obliczeń": the project data, sections 1
// and 2 on the first page, section 3 from a new page, the table of roof
// elements (section 4, only with elements) flowing over as many pages as it
// needs, and the signature block at the bottom of the last page.
class WydrukObliczen : public TWydruk
{
public:
    explicit WydrukObliczen(kerwano::TrescObliczen tresc);

    QString tytul() const override;
    using TWydruk::Drukuj;
    using TWydruk::Strony;
    QList<QList<ElementWydruku>> Strony(const QPaintDevice &urzadzenie,
                                        qreal wysokosc) const override;
    const kerwano::TrescObliczen &tresc() const { return m_tresc; }

    // "Drukuj obliczenia": the print dialog (cancelling it ends the
    // command), then the report of `projekt` as it stands in a print
    // preview, which prints with the dialog's choices and saves a PDF file
    // named after `nazwa_pliku`. Returns when the preview is closed.
    static void Drukuj(QWidget *okno, const kerwano::ModelProjektu &projekt,
                       const QString &nazwa_pliku, bool nienazwany);

private:
    kerwano::TrescObliczen m_tresc;
};
