#include "pliki/BladSystemu.h"

#include <cerrno>
#include <sys/stat.h>

namespace kerwano {

QString RodzajPliku(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return QString();
    if (S_ISDIR(st.st_mode))
        return KomunikatBleduSystemu(EISDIR);
    return QStringLiteral("To nie jest zwykły plik");
}

QString KomunikatBleduSystemu(int kod)
{
    switch (kod) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case ENAMETOOLONG:
    case EINVAL:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(kod);
    }
}

} // namespace kerwano
