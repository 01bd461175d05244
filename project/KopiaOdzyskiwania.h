#pragma once

#include "project/PlikProjektu.h"

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>

namespace kerwano {

// A recovery copy left behind by a Kerwano that no longer runs.
struct KopiaOdzyskana
{
    QString plik;        // the copy, a project file in the recovery folder
    QString nazwa_pliku; // the project's own file; "" for a project never saved
    QDateTime czas;      // when the copy was written

    // A risk assessment's copy (".kwr"), not a project's.
    bool ocena() const { return plik.endsWith(QLatin1String(".kwr")); }
};

// The recovery copy of the project of this running program: a project file
// with the project's unsaved state in the user's own data folder (never
// beside the project), mode 0600, written with ZapiszPlik, and beside it the
// name of the project's file. Each running program has copies of its own,
// named after the host and the process, and holds a lock on them while it
// runs, so that another never takes them; a copy whose lock nobody holds
// any more is offered at the next start.
class KopiaOdzyskiwania
{
public:
    // `rodzaj`: the copy's file type, "kwp" for a project, "kwr" for a risk
    // assessment.
    explicit KopiaOdzyskiwania(const QString &rodzaj = QStringLiteral("kwp"));
    ~KopiaOdzyskiwania();
    KopiaOdzyskiwania(const KopiaOdzyskiwania &) = delete;
    KopiaOdzyskiwania &operator=(const KopiaOdzyskiwania &) = delete;

    // AppLocalDataLocation/kopie, private to the user (0700); "" when it
    // cannot be made.
    static QString Folder();

    // Writes the copy of `projekt` whose file is `nazwa_pliku` ("" when it
    // has none): "" or the error's text.
    QString Zapisz(const Projekt &projekt, const QString &nazwa_pliku);
    // The same with the document's file contents.
    QString Zapisz(const QByteArray &bajty, const QString &nazwa_pliku);
    // Removes this program's copy (the project saved, abandoned, or the
    // program ended normally).
    void Usun();
    const QString &plik() const { return m_plik; }

    // The copies (both kinds) of programs no longer running, oldest first.
    static QList<KopiaOdzyskana> Porzucone();
    // Reads a copy: "" or the error; a copy that cannot be read is renamed
    // aside (".uszkodzona") and never offered again, nor deleted.
    static QString Wczytaj(const KopiaOdzyskana &kopia, Projekt &projekt);
    // Deletes a copy that was restored or discarded.
    static void Odrzuc(const KopiaOdzyskana &kopia);
    // Renames a copy that cannot be read aside (".uszkodzona").
    static void Odloz(const KopiaOdzyskana &kopia);

private:
    QString m_plik;
    std::unique_ptr<QLockFile> m_blokada;
};

} // namespace kerwano
