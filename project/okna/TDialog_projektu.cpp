#include "project/okna/TDialog_projektu.h"

#include "project/UstawieniaProgramu.h"

#include <QFileInfo>
#include <QStandardPaths>

TDialog_projektu::TDialog_projektu(Tryb tryb, QWidget *parent) : QFileDialog(parent)
{
    const bool zapis = tryb == Tryb::Zapis;
    setObjectName(zapis ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    setNameFilter(QStringLiteral("Kerwano Projekt (*.kwp)"));
    setDefaultSuffix(QStringLiteral("kwp"));
    m_folder = FolderPoczatkowy();
    if (zapis) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        m_nazwa = QStringLiteral("Nowy projekt.kwp");
    } else {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
    }
}

QString TDialog_projektu::FolderPoczatkowy()
{
    const QString ostatni = kerwano::ustawienia::OstatniFolder();
    if (!ostatni.isEmpty())
        return ostatni;
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumenty).isDir() ? dokumenty : QDir::homePath();
}

QString TDialog_projektu::Wybierz(const QString &projekt)
{
    if (!projekt.isEmpty()) {
        const QFileInfo biezacy(projekt);
        m_folder = biezacy.absolutePath();
        if (acceptMode() == QFileDialog::AcceptSave)
            m_nazwa = biezacy.fileName();
    } else if (const QString ostatni = kerwano::ustawienia::OstatniFolder(); !ostatni.isEmpty()) {
        m_folder = ostatni; // chosen last here or in another run
    }
    // What the user typed or browsed to in a cancelled showing is forgotten.
    setDirectory(m_folder);
    selectFile(m_nazwa);
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return QString();
    const QString plik = selectedFiles().constFirst();
    const QFileInfo wybrany(plik);
    m_folder = wybrany.absolutePath();
    m_nazwa = wybrany.fileName();
    kerwano::ustawienia::UstawOstatniFolder(m_folder);
    return plik;
}
