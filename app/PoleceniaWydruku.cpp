#include "app/PoleceniaWydruku.h"

#include "app/ObslugaPliku.h"
#include "reports/okna/WydrukFormularza.h"
#include "reports/okna/WydrukObliczen.h"
#include "reports/okna/WydrukZestawienia.h"

#include <QWidget>

PoleceniaWydruku::PoleceniaWydruku(QWidget *okno, const kerwano::ModelProjektu &projekt,
                                   const ObslugaPliku &plik)
    : QObject(okno), m_okno(okno), m_projekt(projekt), m_plik(plik)
{
    setObjectName(QStringLiteral("PoleceniaWydruku"));
}

void PoleceniaWydruku::Formularz()
{
    WydrukFormularza::Drukuj(m_okno);
}

void PoleceniaWydruku::Obliczenia()
{
    WydrukObliczen::Drukuj(m_okno, m_projekt, m_plik.nazwa_pliku(), m_plik.nienazwany());
}

void PoleceniaWydruku::Zestawienie()
{
    WydrukZestawienia::Drukuj(m_okno, m_projekt, m_plik.nazwa_pliku(), m_plik.nienazwany());
}
