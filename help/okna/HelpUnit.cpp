#include "help/okna/HelpUnit.h"

#include "pliki/ZdanieBledu.h"
#include "widgets/OknoBledu.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const QString HelpUnit::NAZWA_1 = QStringLiteral("$temp22w!!.html");
const QString HelpUnit::NAZWA_2 = QStringLiteral("$temp3322w!!.html");
const QString HelpUnit::NAZWA_3 = QStringLiteral("$temp4422w!!.html");

namespace {

const QString TYTUL = QStringLiteral("Kerwano");

// Something stands at `p` (a dangling symbolic link too); a path that cannot
// be examined counts as taken.
bool Istnieje(const QByteArray &p)
{
    struct stat st;
    return ::lstat(p.constData(), &st) == 0 || errno != ENOENT;
}

// Removes a help file left behind by an earlier run: a regular file of this
// user that no running copy of the program holds locked. Links, folders and
// other users' files stay where they are.
void UsunPozostalosc(const QByteArray &p)
{
    struct stat st;
    if (::lstat(p.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return;
    const int d = ::open(p.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (d < 0)
        return;
    struct stat otwarty;
    if (::fstat(d, &otwarty) == 0 && otwarty.st_dev == st.st_dev && otwarty.st_ino == st.st_ino &&
        ::flock(d, LOCK_EX | LOCK_NB) == 0)
        ::unlink(p.constData());
    ::close(d);
}

bool ZapiszWszystko(int d, const QByteArray &dane)
{
    const char *p = dane.constData();
    qsizetype zostalo = dane.size();
    while (zostalo > 0) {
        const ssize_t n = ::write(d, p, static_cast<size_t>(zostalo));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        zostalo -= n;
    }
    return true;
}

// The desktop file id of the application that opens HTML files, or empty.
QString PrzegladarkaPulpitu()
{
    const QList<QStringList> pytania = {
        {QStringLiteral("xdg-mime"), QStringLiteral("query"), QStringLiteral("default"),
         QStringLiteral("text/html")},
        {QStringLiteral("xdg-settings"), QStringLiteral("get"),
         QStringLiteral("default-web-browser")},
    };
    for (const QStringList &pytanie : pytania) {
        QProcess p;
        p.setStandardInputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(pytanie.first(), pytanie.mid(1));
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished(1000);
            continue;
        }
        const QString id = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
        if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 && !id.isEmpty())
            return id;
    }
    return {};
}

// The reason the opener gave (xdg-open's exit codes), in the user's words.
QString PowodNiepowodzenia(const QProcess &p, const QString &sciezka)
{
    const QString program = p.program();
    if (p.error() == QProcess::FailedToStart)
        return QStringLiteral("Nie można uruchomić programu %1, który otwiera dokumenty na "
                              "pulpicie (pakiet xdg-utils).")
            .arg(program);
    if (p.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("Program %1 zakończył się nieoczekiwanie.").arg(program);
    switch (p.exitCode()) {
    case 2:
        return QStringLiteral("Plik %1 nie istnieje.").arg(sciezka);
    case 3:
        return QStringLiteral("Nie znaleziono programu, który otworzyłby plik %1. Potrzebna jest "
                              "przeglądarka internetowa.")
            .arg(sciezka);
    case 4:
        return QStringLiteral("Nie udało się otworzyć pliku %1.").arg(sciezka);
    }
    return QStringLiteral("Program %1 zakończył się z kodem %2.").arg(program).arg(p.exitCode());
}

} // namespace

HelpUnit::HelpUnit(const QString &folder, QObject *parent) : QObject(parent)
{
    const QDir katalog(QDir::isAbsolutePath(folder) ? folder : FolderTymczasowy());
    const QString pierwsza = katalog.filePath(NAZWA_1);
    UsunPozostalosc(QFile::encodeName(pierwsza));
    if (!Istnieje(QFile::encodeName(pierwsza)))
        m_plik_pomocy = pierwsza;
    else if (!Istnieje(QFile::encodeName(katalog.filePath(NAZWA_2))))
        m_plik_pomocy = katalog.filePath(NAZWA_2);
    else
        m_plik_pomocy = katalog.filePath(NAZWA_3);
}

HelpUnit::~HelpUnit()
{
    UsunNapisany();
}

void HelpUnit::UsunNapisany()
{
    if (m_deskryptor < 0)
        return;
    struct stat st;
    const QByteArray p = QFile::encodeName(m_napisany);
    if (::lstat(p.constData(), &st) == 0 && st.st_dev == m_urzadzenie && st.st_ino == m_wezel)
        ::unlink(p.constData());
    ::close(m_deskryptor);
    m_deskryptor = -1;
    m_napisany.clear();
}

QString HelpUnit::WypakujZasob(const QString &typ, const QString &nazwa, const QString &sciezka)
{
    QFile zasob(QStringLiteral(":/%1/%2").arg(typ, nazwa));
    if (!zasob.open(QIODevice::ReadOnly))
        return QStringLiteral("Resource %1 not found").arg(nazwa);
    const QByteArray dane = zasob.readAll();

    UsunNapisany();
    const QByteArray p = QFile::encodeName(sciezka);
    UsunPozostalosc(p);
    const int d = ::open(p.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         S_IRUSR | S_IWUSR);
    if (d < 0)
        return QStringLiteral("Nie mogę utworzyć pliku %1").arg(sciezka);
    struct stat st = {};
    ::fstat(d, &st);
    // Held while we own the file: a copy of the program started meanwhile
    // finds it in use and leaves it alone.
    ::flock(d, LOCK_EX | LOCK_NB);
    m_napisany = sciezka;
    m_deskryptor = d;
    m_urzadzenie = st.st_dev;
    m_wezel = st.st_ino;

    if (!ZapiszWszystko(d, dane))
        return QStringLiteral("Stream write error");
    return {};
}

bool HelpUnit::OtworzIPoczekaj(const QString &sciezka, QWidget *okno)
{
    QProcess proces;
    proces.setProgram(m_otwieracz);
    proces.setArguments({sciezka});
    proces.setStandardInputFile(QProcess::nullDevice());
    // Unread pipes could stall a browser that xdg-open runs in the foreground.
    proces.setProcessChannelMode(QProcess::ForwardedChannels);

    // The windows stay usable while we wait: when no desktop is detected
    // xdg-open runs the browser itself and returns only when it is closed.
    QEventLoop petla;
    connect(&proces, &QProcess::finished, &petla, &QEventLoop::quit);
    connect(&proces, &QProcess::errorOccurred, &petla, [&petla](QProcess::ProcessError blad) {
        if (blad == QProcess::FailedToStart)
            petla.quit();
    });
    proces.start();
    if (proces.state() != QProcess::NotRunning)
        petla.exec();

    if (proces.state() != QProcess::NotRunning) // the program is ending
        return true;
    if (proces.error() != QProcess::FailedToStart && proces.exitStatus() == QProcess::NormalExit &&
        proces.exitCode() == 0)
        return true;
    // Where the manual can be read all the same.
    const QString podrecznik = m_podrecznik.isEmpty() ? sciezka : m_podrecznik;
    QMessageBox okienko(QMessageBox::NoIcon, TYTUL,
                        PowodNiepowodzenia(proces, sciezka) +
                            QStringLiteral("\n\nPodręcznik programu jest w pliku %1.")
                                .arg(QDir::toNativeSeparators(podrecznik)),
                        QMessageBox::Ok, okno);
    okienko.exec();
    return false;
}

void HelpUnit::OpisProgramu1Click(QWidget *okno)
{
    const QString blad =
        WypakujZasob(QStringLiteral("EXEFILE"), QStringLiteral("TESTFILE"), m_plik_pomocy);
    if (!blad.isEmpty()) {
        OknoBledu(okno, kerwano::ZdanieBledu(blad));
        return;
    }
    // Nothing will read the file when it could not be opened, unless the
    // message named it for want of an installed manual.
    if (!OtworzIPoczekaj(m_plik_pomocy, okno) && !m_podrecznik.isEmpty())
        UsunNapisany();
}

QString HelpUnit::PodrecznikZainstalowany()
{
    QStringList miejsca;
    if (QCoreApplication::instance())
        miejsca << QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../share/doc/kerwano/pomoc.html");
    miejsca << QStringLiteral("/usr/share/doc/kerwano/pomoc.html");
    for (const QString &plik : std::as_const(miejsca))
        if (QFileInfo(plik).isFile())
            return QFileInfo(plik).canonicalFilePath();
    return {};
}

QString HelpUnit::FolderDlaPrzegladarki(const QString &aplikacja, const QString &katalog_domowy,
                                        const QString &katalog_snapow)
{
    // snapd names the desktop files of a snap "<snap>_<application>.desktop".
    static const QRegularExpression snap(
        QStringLiteral("^([a-z0-9][a-z0-9-]*)_[A-Za-z0-9._-]+\\.desktop$"));
    const QRegularExpressionMatch m = snap.match(aplikacja);
    if (!m.hasMatch() || katalog_domowy.isEmpty())
        return {};
    const QString nazwa = m.captured(1);
    const QString wlasny = katalog_domowy + QStringLiteral("/snap/") + nazwa;
    if (!QDir(wlasny).exists() && !QDir(katalog_snapow + QLatin1Char('/') + nazwa).exists())
        return {};
    // The snap's own folder, readable by it and private to the user.
    return wlasny + QStringLiteral("/common");
}

QString HelpUnit::FolderTymczasowy()
{
    // Qt gives an empty path for a $TMPDIR that does not exist, which as a
    // folder would be the current one.
    const QString folder = QDir::tempPath();
    if (QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir())
        return folder;
    return QStringLiteral("/tmp");
}

QString HelpUnit::FolderPomocy()
{
    // Asking the desktop for its browser costs a tenth of a second at every
    // start; without snaps on the machine the answer cannot change the folder.
    if (QDir(QStringLiteral("/snap")).exists() || QDir(QDir::homePath() + "/snap").exists()) {
        const QString folder = FolderDlaPrzegladarki(PrzegladarkaPulpitu(), QDir::homePath());
        if (!folder.isEmpty() && QDir().mkpath(folder))
            return folder;
    }
    return FolderPrywatny();
}

QString HelpUnit::FolderPrywatny()
{
    // A folder only the user may write in, so that no one else can take the
    // fixed names first: the user's runtime folder, else one made for it.
    const auto prywatny = [](const QString &folder) {
        struct stat st;
        return QDir::isAbsolutePath(folder) &&
               ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
               st.st_uid == ::geteuid() && (st.st_mode & 022) == 0;
    };
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (prywatny(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (QDir::isAbsolutePath(cache) && QDir().mkpath(cache)) {
        const QString folder = cache + QStringLiteral("/kerwano");
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        if (prywatny(folder))
            return folder;
    }
    return FolderTymczasowy();
}
