#include "project/StempelPliku.h"

#include "pliki/NazwaPliku.h"

#include <sys/stat.h>

namespace kerwano {

StempelPliku Stempel(const QString &sciezka)
{
    StempelPliku s;
    const QByteArray nazwa = NazwaSystemowa(sciezka);
    struct stat st;
    if (nazwa.isEmpty() || ::stat(nazwa.constData(), &st) != 0)
        return s;
    s.istnieje = true;
    s.rozmiar = st.st_size;
    s.czas_ns = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.urzadzenie = st.st_dev;
    return s;
}

} // namespace kerwano
