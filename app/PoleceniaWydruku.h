#pragma once

#include <QObject>

class ObslugaPliku;
class QWidget;

namespace kerwano {
class ModelProjektu;
}

// The printing commands of the main window's menu: the print dialog over
// `okno`, then the printout of the project under its file's name.
class PoleceniaWydruku : public QObject
{
    Q_OBJECT
public:
    PoleceniaWydruku(QWidget *okno, const kerwano::ModelProjektu &projekt,
                     const ObslugaPliku &plik);

    // "Drukuj formularz klasyfikacyjny", the questionnaire, blank.
    void Formularz();
    // "Drukuj obliczenia".
    void Obliczenia();
    // "Drukuj zestawienie elementów dachu".
    void Zestawienie();

private:
    QWidget *m_okno;
    const kerwano::ModelProjektu &m_projekt;
    const ObslugaPliku &m_plik;
};
