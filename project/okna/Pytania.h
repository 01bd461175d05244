#pragma once

class QWidget;

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

} // namespace pytania
