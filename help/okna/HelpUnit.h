#pragma once

#include <QDir>
#include <QObject>
#include <QString>

#include <sys/types.h>

class QWidget;

// The program's manual: an HTML document carried as a resource, written on
// request ("Opis Programu", F1) to a file of its own and handed to the desktop
// to open. The browser may read the file long after the opener has returned,
// so the file stays while the program runs and is deleted when the unit is
// destroyed at the end of the program; one left behind by a run that did not
// end cleanly is removed at the next start.
//
// The names are fixed, so the file goes to a folder of the user's own (see
// FolderPomocy); it is still created exclusively and never through a
// symbolic link, and only a stale regular file of this user that no running
// copy of the program still holds is removed. A running copy keeps its file locked (flock) while it
// owns it.
class HelpUnit : public QObject
{
    Q_OBJECT
public:
    // Chooses plik_pomocy in `folder`: the first of the three names unless
    // something that is not ours to remove stands there, then the second
    // unless anything stands there, else the third. A folder that is not an
    // absolute path (none at all included) means FolderTymczasowy().
    explicit HelpUnit(const QString &folder = FolderTymczasowy(), QObject *parent = nullptr);
    // Deletes the file written last, if it is still the one we wrote.
    ~HelpUnit() override;

    static const QString NAZWA_1, NAZWA_2, NAZWA_3;

    QString plik_pomocy() const { return m_plik_pomocy; }

    // Writes the bytes of the resource ":/<typ>/<nazwa>" to a new file at
    // `sciezka`. Returns the failure text, empty on success.
    QString WypakujZasob(const QString &typ, const QString &nazwa, const QString &sciezka);

    // Opens `sciezka` with the desktop's opener and waits for the opener to
    // end while the program's windows keep working. On failure shows the
    // reason in a plain box over `okno` and returns false.
    bool OtworzIPoczekaj(const QString &sciezka, QWidget *okno);

    // "Opis Programu": writes the manual to plik_pomocy and opens it; failures
    // are shown in the error box over `okno`.
    void OpisProgramu1Click(QWidget *okno);

    // The manual installed with the program (share/doc/kerwano/pomoc.html
    // beside the program's bin folder, else under /usr), empty when there is
    // none. A failure to open the manual names this file, or the one written
    // for the opener, which is then kept until the program ends.
    static QString PodrecznikZainstalowany();
    QString podrecznik() const { return m_podrecznik; }
    void UstawPodrecznik(const QString &plik) { m_podrecznik = plik; }

    // The program that opens a document on the desktop, given the path as its
    // only argument; "xdg-open" unless changed.
    QString otwieracz() const { return m_otwieracz; }
    void UstawOtwieracz(const QString &program) { m_otwieracz = program; }

    // The system's folder for temporary files: $TMPDIR when it names an
    // existing folder, otherwise /tmp; never the current folder.
    static QString FolderTymczasowy();
    // Folder for the help file: FolderPrywatny(), or, when the desktop's
    // browser for HTML files is a snap (which cannot see the shared temporary
    // folder), that snap's own folder in the home directory.
    static QString FolderPomocy();
    // A folder no other user may write in: $XDG_RUNTIME_DIR when it is the
    // user's and closed to others, else "kerwano" (0700) in the user's cache
    // folder; the temporary folder only when neither can be had.
    static QString FolderPrywatny();
    // The snap's folder for the desktop file id `aplikacja` (such as
    // "firefox_firefox.desktop"), when it names an installed snap; otherwise
    // empty, meaning the temporary folder.
    static QString FolderDlaPrzegladarki(const QString &aplikacja, const QString &katalog_domowy,
                                         const QString &katalog_snapow = QStringLiteral("/snap"));

private:
    void UsunNapisany();

    QString m_plik_pomocy;
    QString m_otwieracz = QStringLiteral("xdg-open");
    QString m_podrecznik = PodrecznikZainstalowany();
    // The file written last: its path, its descriptor (kept open and locked
    // while we own the file) and its identity.
    QString m_napisany;
    int m_deskryptor = -1;
    dev_t m_urzadzenie = 0;
    ino_t m_wezel = 0;
};
