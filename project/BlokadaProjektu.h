#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>

namespace kerwano {

// The lock that says a project is open: a hidden file beside the project
// (".NAME.blokada"), made with QLockFile, that names the process and host
// holding it; its owner is the user. A lock left by a process that no longer
// runs on this host is taken over.
class BlokadaProjektu
{
public:
    enum class Wynik
    {
        Wzieta,    // this program holds it now
        Zajeta,    // another program holds it: Kto() says who
        Niemozliwa // none taken: a read-only folder or medium, or this program holds it
    };

    explicit BlokadaProjektu(const QString &projekt);
    ~BlokadaProjektu();
    BlokadaProjektu(const BlokadaProjektu &) = delete;
    BlokadaProjektu &operator=(const BlokadaProjektu &) = delete;

    static QString PlikBlokady(const QString &projekt);
    // The lock of `projekt` when this program takes it now, else none (held
    // by another program, or none can be made). A lock this program already
    // holds on it is to be released first.
    static std::unique_ptr<BlokadaProjektu> Wzieta(const QString &projekt);

    Wynik Wez();
    // Who holds the lock: "user jan na komputerze biuro-2 od 9.12.2026 08:15".
    QString Kto() const;

private:
    QString m_plik;
    std::unique_ptr<QLockFile> m_blokada;
};

} // namespace kerwano
