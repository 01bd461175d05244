#include "pliki/ZdanieBledu.h"

namespace kerwano {

QString ZdanieBledu(const QString &tekst)
{
    return tekst.endsWith(u'.') ? tekst : tekst + u'.';
}

} // namespace kerwano
