#pragma once

class QString;
class QWidget;
namespace kerwano {
struct StempelPliku;
}

// The questions that guard unsaved changes, over `okno`.
namespace pytania {

// Before another project is opened: "Potwierdzenie", "&Tak" / "&Nie".
// True for "&Tak" (save first).
bool ZapisacPrzedOtwarciem(QWidget *okno);

enum class Odpowiedz
{
    Tak,   // save, then leave
    Nie,   // leave without saving
    Zostan // Esc or the box's close button: neither, the program stays
};
// Before the program ends: "Uwaga", Yes / No.
Odpowiedz ZapisacPrzedWyjsciem(QWidget *okno);

// Before a save over a file that someone else changed since it was read or
// written: "Zastąp", "Zapisz jako..." or "Anuluj" (also Esc).
enum class ZmienionyNaDysku
{
    Zastap,
    ZapiszJako,
    Anuluj
};
ZmienionyNaDysku PlikZmienionyNaDysku(QWidget *okno, const QString &nazwa);
// Before a save over `plik`, the window's own file, last read or written
// there as `stempel`: Zastap when nobody changed it (or it is gone), else the
// answer to PlikZmienionyNaDysku.
ZmienionyNaDysku PrzedZapisem(QWidget *okno, const QString &plik,
                              const kerwano::StempelPliku &stempel);

// A file the window shows was changed on disk by someone else: "Wczytaj
// ponownie" (true) or "Zostaw" (false, also Esc). `zmiany`: the window has
// unsaved changes, which reading the file again loses.
bool WczytacPonownie(QWidget *okno, const QString &nazwa, bool zmiany);

// Opening a file (a project or a risk assessment) another program holds
// (`kto`: who, where, since when):
// "Tylko do odczytu", "Otwórz mimo to" or "Anuluj" (also Esc).
enum class OtwartyGdzieIndziej
{
    TylkoDoOdczytu,
    MimoTo,
    Anuluj
};
OtwartyGdzieIndziej ProjektOtwartyGdzieIndziej(QWidget *okno, const QString &nazwa,
                                               const QString &kto);

} // namespace pytania
