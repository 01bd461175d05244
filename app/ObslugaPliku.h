#pragma once

#include "project/BlokadaProjektu.h"
#include "project/PlikProjektu.h"
#include "project/okna/TDialog_projektu.h"

#include <QObject>

#include <functional>
#include <memory>

class CzujnikZmianPliku;
class HistoriaProjektu;
class QMimeData;
class QWidget;

namespace kerwano {
class ModelProjektu;
}

// The main window's project as a file: its name, the file watched for
// changes from outside since it was last read or written there, the lock
// held on it and whether it is open only for reading; opening, saving and
// closing it, with their questions and file dialogs, and a recovery copy
// restored. What a project shows is the window's: a project read is handed
// over by Zastosuj, a new name by NazwaZmieniona.
class ObslugaPliku : public QObject
{
    Q_OBJECT
public:
    // `zmodyfikowany`: whether the window's project has unsaved changes.
    ObslugaPliku(QWidget *okno, kerwano::ModelProjektu &projekt, HistoriaProjektu *historia,
                 std::function<bool()> zmodyfikowany);

    // The parameters that name an existing file with the extension .kwp in
    // any letter case, in order.
    static QStringList PlikiProjektow(const QStringList &parametry);
    // The first project file among the local files a drag carries; "" if none.
    static QString ProjektUpuszczony(const QMimeData *dane);

    const QString &nazwa_pliku() const { return m_nazwa_pliku; }
    bool nienazwany() const { return m_nienazwany; }
    bool tylko_do_odczytu() const { return m_tylko_odczyt; }

    // False when the save was cancelled or failed, so that a command
    // waiting on it goes no further.
    bool ZapiszProjekt(bool jako);
    // A load that fails shows the error box and changes nothing.
    void WczytajProjekt(const QString &sciezka);
    // "Otwórz projekt" of `plik`, or of one asked for in the open dialog.
    void OtworzProjekt(QString plik);
    // The unsaved changes saved or given up, as the user answers before
    // another project takes their place (false: keep them on screen).
    bool ZastapienieDozwolone();
    // The same before the window closes (false: the window stays).
    bool ZamkniecieDozwolone();
    // The project without a file ("Nowy projekt"), no lock held.
    void BezPliku();
    // A recovery copy restored, under its own file's name (none: unnamed).
    void Przywroc(const kerwano::Projekt &projekt, const QString &nazwa_pliku);

signals:
    // A project read, to be shown in place of the one before.
    void Zastosuj(const kerwano::Projekt &projekt);
    // The file's name or its being read-only changed.
    void NazwaZmieniona();
    // A file opened or saved, for the recent projects.
    void Zapamietaj(const QString &plik);

private:
    TDialog_projektu *DialogPliku(TDialog_projektu::Tryb tryb);
    // The project's file; "" for a project without one.
    void UstawNazwePliku(const QString &sciezka);
    // The lock of `plik` taken (none where it cannot be).
    void Zablokuj(const QString &plik);

    QWidget *m_okno;
    kerwano::ModelProjektu &m_projekt;
    HistoriaProjektu *m_historia;
    std::function<bool()> m_zmodyfikowany;
    QString m_nazwa_pliku = QStringLiteral("Nowy projekt.kwp");
    bool m_nienazwany = true;
    bool m_tylko_odczyt = false;
    // The project's file as it was last read or written here, watched for
    // changes from outside.
    CzujnikZmianPliku *m_czujnik = nullptr;
    // The lock held on the project's file, if any.
    std::unique_ptr<kerwano::BlokadaProjektu> m_blokada;
    TDialog_projektu *m_dialog_zapisu = nullptr;
    TDialog_projektu *m_dialog_odczytu = nullptr;
};
