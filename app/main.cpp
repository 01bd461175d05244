#include "app/TProgram_form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kerwano"));
    TProgram_form Program_form(QApplication::arguments());
    Program_form.show();
    return QApplication::exec();
}
