#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace kerwano {

// What the program remembers between runs, in the user's configuration
// folder ($XDG_CONFIG_HOME/Kerwano/Kerwano.conf): the recent projects, the
// folder last used in the file dialogs, the main window's place and state.
// A settings file that cannot be read or written, is damaged or is no
// regular file is as good as none: nothing is remembered, nothing stops.
namespace ustawienia {

// The most recent projects the "Program" menu lists.
constexpr int MAKS_OSTATNICH = 9;

QString PlikUstawien();

// Newest first, at most MAKS_OSTATNICH, each once; names that are not UTF-8
// are kept byte for byte.
QStringList OstatnieProjekty();
// `plik` (made absolute) put first; it goes from where it stood.
void DodajOstatniProjekt(const QString &plik);
void UsunOstatniProjekt(const QString &plik);

// The folder chosen last in a project file dialog; "" when none or gone.
QString OstatniFolder();
void UstawOstatniFolder(const QString &folder);

// Any other value by its key ("okno/strona"); an invalid QVariant when none.
QVariant Wartosc(const QString &klucz);
void UstawWartosc(const QString &klucz, const QVariant &wartosc);

// The file `sciezka` names is gone (no such file, or a folder of its path is
// missing); a file that exists but cannot be read is not gone.
bool BrakPliku(const QString &sciezka);

} // namespace ustawienia
} // namespace kerwano
