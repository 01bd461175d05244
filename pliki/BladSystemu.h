#pragma once

#include <QString>

struct stat;

namespace kerwano {

// The message of a file operation that failed with the system error `kod`
// (an errno value): "File not found", "Invalid filename", "Too many open
// files", "File access denied", "Disk full", otherwise "I/O error <kod>".
QString KomunikatBleduSystemu(int kod);
// "" when `st` describes a regular file, otherwise why it is neither opened
// nor written: "I/O error 21" for a folder, "To nie jest zwykły plik".
QString RodzajPliku(const struct stat &st);

} // namespace kerwano
