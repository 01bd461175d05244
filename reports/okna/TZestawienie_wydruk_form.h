#pragma once

#include "reports/TrescZestawienia.h"
#include "reports/okna/TWydruk.h"

namespace kerwano {
class ModelProjektu;
}

// "Zestawienie elementów dachu", the element data sheet: the report's page
// header and project data, the class, then one block per roof element with
// every number of its separation distance, a note on the standards and the
// signature block.
class TZestawienie_wydruk_form : public TWydruk
{
public:
    explicit TZestawienie_wydruk_form(kerwano::TrescZestawienia tresc);

    QString tytul() const override;
    using TWydruk::Strony;
    QList<QList<ElementWydruku>> Strony(const QPaintDevice &urzadzenie,
                                        qreal wysokosc) const override;

    // "Drukuj zestawienie elementów dachu": as "Drukuj obliczenia", for the
    // sheet of `projekt`.
    static void Drukujzestawienie1Click(QWidget *okno, const kerwano::ModelProjektu &projekt,
                                        const QString &nazwa_pliku, bool nienazwany);

private:
    kerwano::TrescZestawienia m_tresc;
};
