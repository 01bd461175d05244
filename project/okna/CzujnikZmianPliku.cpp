#include "project/okna/CzujnikZmianPliku.h"

#include "pliki/NazwaPliku.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

CzujnikZmianPliku::CzujnikZmianPliku(QWidget *okno, std::function<bool()> zmiany)
    : QObject(okno), m_okno(okno), m_zmiany(std::move(zmiany)),
      m_obserwator(new QFileSystemWatcher(this)), m_zwloka(new QTimer(this))
{
    m_zwloka->setSingleShot(true);
    m_zwloka->setInterval(ZWLOKA_MS);
    connect(m_zwloka, &QTimer::timeout, this, &CzujnikZmianPliku::Sprawdz);
    connect(m_obserwator, &QFileSystemWatcher::fileChanged, this, &CzujnikZmianPliku::Zauwazono);
    connect(m_obserwator, &QFileSystemWatcher::directoryChanged, this,
            &CzujnikZmianPliku::Zauwazono);
}

void CzujnikZmianPliku::Obserwuj(const QString &plik, const kerwano::StempelPliku &stempel)
{
    m_stempel = stempel;
    // A file whose state is not known (a project restored from a recovery
    // copy) is offered again only when it changes from what it is now; the
    // save still asks first.
    m_zgloszony = stempel.istnieje || plik.isEmpty() ? stempel : kerwano::Stempel(plik);
    if (plik == m_plik)
        return;
    m_plik = plik;
    if (!m_obserwator->files().isEmpty())
        m_obserwator->removePaths(m_obserwator->files());
    if (!m_obserwator->directories().isEmpty())
        m_obserwator->removePaths(m_obserwator->directories());
    if (plik.isEmpty())
        return;
    // The folder of the name and, behind a link, the folder of the file itself.
    const QFileInfo info(plik);
    QStringList sciezki{info.absolutePath()};
    const QString prawdziwa = info.canonicalFilePath();
    if (!prawdziwa.isEmpty() && QFileInfo(prawdziwa).absolutePath() != info.absolutePath())
        sciezki << QFileInfo(prawdziwa).absolutePath();
    if (info.exists())
        sciezki << plik;
    m_obserwator->addPaths(sciezki);
}

pytania::ZmienionyNaDysku CzujnikZmianPliku::PrzedZapisem(const QString &plik)
{
    const kerwano::StempelPliku teraz = kerwano::Stempel(plik);
    const pytania::ZmienionyNaDysku odpowiedz = pytania::PrzedZapisem(m_okno, plik, m_stempel);
    if (plik == m_plik)
        m_zgloszony = teraz;
    return odpowiedz;
}

void CzujnikZmianPliku::Zauwazono()
{
    // A file replaced is no longer watched by its name: watched again.
    if (!m_plik.isEmpty() && !m_obserwator->files().contains(m_plik) && QFileInfo::exists(m_plik))
        m_obserwator->addPath(m_plik);
    m_zwloka->start();
}

void CzujnikZmianPliku::Sprawdz()
{
    if (m_plik.isEmpty() || m_pyta)
        return;
    const kerwano::StempelPliku teraz = kerwano::Stempel(m_plik);
    if (!teraz.istnieje || teraz == m_stempel || teraz == m_zgloszony)
        return;
    // Not over a dialog the user is answering: looked at again a moment later.
    if (QApplication::activeModalWidget()) {
        m_zwloka->start();
        return;
    }
    m_zgloszony = teraz;
    m_pyta = true;
    const QString plik = m_plik;
    const bool wczytac = pytania::WczytacPonownie(
        m_okno, kerwano::CzytelnaNazwaPliku(QFileInfo(plik).fileName()), m_zmiany());
    m_pyta = false;
    if (wczytac && plik == m_plik)
        emit Wczytaj(plik);
    // Changed again while the question was up: offered again.
    m_zwloka->start();
}
