#include "app/TProgram_form.h"
#include "help/HelpUnit.h"

#include <QAction>
#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    // The help file's name is chosen (and a stale one removed) before anything
    // else; the unit outlives the main window and deletes the file at the end.
    HelpUnit pomoc(HelpUnit::FolderPomocy());
    QApplication::setApplicationName(QStringLiteral("Kerwano"));
    TProgram_form Program_form(QApplication::arguments());
    QObject::connect(Program_form.OpisProgramu1, &QAction::triggered, &pomoc,
                     [&pomoc, &Program_form] { pomoc.OpisProgramu1Click(&Program_form); });
    Program_form.show();
    return QApplication::exec();
}
