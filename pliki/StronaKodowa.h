#pragma once

#include <QHash>

#include <array>

namespace kerwano {

// Windows-1250, the code page of the texts of a project file, both ways. The
// characters of the 256 bytes come from Qt's "windows-1250" decoder; writing
// uses the inverse of that table, so every byte written reads back as the
// character it stands for, and a character without a byte of its own has
// none (no best-fit letters, no 0x1A).
struct StronaKodowa
{
    std::array<char16_t, 256> znaki{};
    QHash<char32_t, uchar> bajty;

    StronaKodowa();
};
const StronaKodowa &Cp1250();

// Whether the character has a byte of its own in Windows-1250, so that it
// reads back from the file as itself.
bool ZnakWindows1250(char32_t znak);

} // namespace kerwano
