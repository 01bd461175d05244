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
class WydrukZestawienia : public TWydruk
{
public:
    explicit WydrukZestawienia(kerwano::TrescZestawienia tresc);

    QString tytul() const override;
    using TWydruk::Drukuj;
    using TWydruk::Strony;
    QList<QList<ElementWydruku>> Strony(const QPaintDevice &urzadzenie,
                                        qreal wysokosc) const override;

    // "Drukuj zestawienie elementów dachu": as "Drukuj obliczenia", for the
    // sheet of `projekt`.
    static void Drukuj(QWidget *okno, const kerwano::ModelProjektu &projekt,
                       const QString &nazwa_pliku, bool nienazwany);

private:
    kerwano::TrescZestawienia m_tresc;
};
