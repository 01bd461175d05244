#pragma once

#include <QString>

namespace kerwano {

// The text of the error box (and of an error on the command line): the
// error's own text with a full stop added when it does not end in one.
QString ZdanieBledu(const QString &tekst);

} // namespace kerwano
