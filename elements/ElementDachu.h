#pragma once

#include <QString>

namespace kerwano {

// How many characters of an element's name the project file keeps.
constexpr int POJEMNOSC_NAZWY_ELEMENTU = 40;

// A roof element as it is kept: a name and its parameter text.
struct ElementDachu
{
    QString nazwa;
    QString parametry;
};

} // namespace kerwano
