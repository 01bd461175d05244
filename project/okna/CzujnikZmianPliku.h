#pragma once

#include "project/StempelPliku.h"
#include "project/okna/Pytania.h"

#include <QObject>
#include <QString>

#include <functional>

class QFileSystemWatcher;
class QTimer;
class QWidget;

// Watches the file a window shows (a project or a risk assessment) for a
// change someone else makes on disk, and offers to read it again: "Wczytaj
// ponownie" or "Zostaw". The file is compared with its stamp as the window
// last read or wrote it, so the window's own saves are never taken for a
// change. Each outside change is offered once; the question waits while a
// modal dialog is up. A file deleted is
// no change to offer (the next save makes it again). The folder is watched
// too: a save by rename puts another file in the old one's place.
class CzujnikZmianPliku : public QObject
{
    Q_OBJECT
public:
    // The wait after the last change noticed before the file is looked at,
    // so that a file written in several steps is offered once.
    static constexpr int ZWLOKA_MS = 250;

    // `zmiany` tells whether the window has unsaved changes, which a reload
    // would lose (the question says so).
    CzujnikZmianPliku(QWidget *okno, std::function<bool()> zmiany);

    // The window's file now and its stamp as read or written there; an
    // empty name for a document without a file (nothing watched).
    void Obserwuj(const QString &plik, const kerwano::StempelPliku &stempel);
    const kerwano::StempelPliku &stempel() const { return m_stempel; }
    // Before a save over the window's own file `plik` (pytania::PrzedZapisem):
    // the change asked about here is not offered for reloading afterwards.
    pytania::ZmienionyNaDysku PrzedZapisem(const QString &plik);

signals:
    // "Wczytaj ponownie": the window opens `plik` again as it opens a file.
    void Wczytaj(const QString &plik);

private:
    // Something in the file or its folder changed: looked at after the wait.
    void Zauwazono();
    // The file compared with its stamp; a change not offered yet is offered
    // now or, while a modal dialog is up, once it is gone.
    void Sprawdz();

    QWidget *m_okno;
    std::function<bool()> m_zmiany;
    QFileSystemWatcher *m_obserwator;
    QTimer *m_zwloka;
    QString m_plik;
    kerwano::StempelPliku m_stempel;   // as read or written in the window
    kerwano::StempelPliku m_zgloszony; // the last change the user was asked about
    bool m_pyta = false;               // the question is up
};
