#pragma once

#include <QString>

namespace kerwano {

// What tells one state of a file from another: its size, its modification
// time to the nanosecond and its inode on its device, links followed. Taken
// when a project is read or written and compared before the next write, so
// that a file someone else changed in between is never overwritten blindly.
struct StempelPliku
{
    bool istnieje = false;
    qint64 rozmiar = 0;
    qint64 czas_ns = 0;
    quint64 inode = 0;
    quint64 urzadzenie = 0;

    bool operator==(const StempelPliku &s) const
    {
        return istnieje == s.istnieje && rozmiar == s.rozmiar && czas_ns == s.czas_ns &&
               inode == s.inode && urzadzenie == s.urzadzenie;
    }
    bool operator!=(const StempelPliku &s) const { return !(*this == s); }
};

// The stamp of the file `sciezka` names now (istnieje false when there is none).
StempelPliku Stempel(const QString &sciezka);

} // namespace kerwano
