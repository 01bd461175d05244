#pragma once

#include "reports/okna/TWydruk.h"

// The blank classification questionnaire, "Wydruk formularza": sections (A)
// and (B) on the first page, (C) and the data for Nd on the second.
class WydrukFormularza : public TWydruk
{
public:
    QString tytul() const override;
    using TWydruk::Drukuj;
    using TWydruk::Strony;
    QList<QList<ElementWydruku>> Strony(const QPaintDevice &urzadzenie,
                                        qreal wysokosc) const override;

    // "Drukuj formularz klasyfikacyjny": the print dialog, then the
    // questionnaire printed directly on the printer chosen; cancelling the
    // dialog prints nothing.
    static void Drukuj(QWidget *okno);
};
