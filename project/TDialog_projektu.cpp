#include "project/TDialog_projektu.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

TDialog_projektu::TDialog_projektu(Tryb tryb, QWidget *parent) : QFileDialog(parent)
{
    const bool zapis = tryb == Tryb::Zapis;
    setObjectName(zapis ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    setNameFilter(QStringLiteral("Kerwano Projekt (*.kwp)"));
    setDefaultSuffix(QStringLiteral("kwp"));
    setDirectory(FolderPoczatkowy());
    if (zapis) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setOption(QFileDialog::DontConfirmOverwrite);
        selectFile(QStringLiteral("Nowy projekt.kwp"));
    } else {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
    }
}

QString TDialog_projektu::FolderPoczatkowy()
{
    const QFileInfo program(QCoreApplication::applicationDirPath());
    if (program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumenty).isDir() ? dokumenty : QDir::homePath();
}

QString TDialog_projektu::Wybierz()
{
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return QString();
    return selectedFiles().constFirst();
}
