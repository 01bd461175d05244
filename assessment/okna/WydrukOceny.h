#pragma once

#include "assessment/TrescOceny.h"
#include "reports/okna/TWydruk.h"

// "Ocena ryzyka szkód piorunowych": the assessment's printout on A4, in the
// page header, project data and signature block of the calculation report.
// A line's, zone's or table's block stays on one page when it fits there;
// a longer table repeats its column headings on every page it goes on to.
class WydrukOceny : public TWydruk
{
public:
    explicit WydrukOceny(kerwano::ocena::TrescOceny tresc);

    QString tytul() const override;
    using TWydruk::Strony;
    QList<QList<ElementWydruku>> Strony(const QPaintDevice &urzadzenie,
                                        qreal wysokosc) const override;

private:
    kerwano::ocena::TrescOceny m_tresc;
};
