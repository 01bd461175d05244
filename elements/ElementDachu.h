#pragma once

#include <QString>

namespace kerwano {

// A roof element as it is kept: a name and its parameter text.
struct ElementDachu
{
    QString nazwa;
    QString parametry;
};

} // namespace kerwano
