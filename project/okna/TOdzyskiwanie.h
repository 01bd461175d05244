#pragma once

#include "project/KopiaOdzyskiwania.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QSocketNotifier;
class QWidget;

namespace kerwano {
class ModelProjektu;
}

// Keeps the recovery copy of the window's project while it has unsaved
// changes: written a few seconds after the last change (never on the way of
// a keystroke), at once when the program is ended by SIGTERM or SIGHUP or
// the desktop session ends, removed when the project is saved or abandoned
// or the program ends normally. At the start it offers the copies that
// programs no longer running left behind. A risk assessment window keeps its
// copy with one of its own.
class TOdzyskiwanie : public QObject
{
    Q_OBJECT
public:
    // The wait after the last change before the copy is written.
    static constexpr int ZWLOKA_MS = 2000;

    TOdzyskiwanie(const kerwano::ModelProjektu &projekt, QWidget *okno);
    // The copy of another document: `tresc` gives its file's contents,
    // `rodzaj` its file type ("kwr").
    TOdzyskiwanie(std::function<QByteArray()> tresc, const QString &rodzaj, QWidget *okno);
    ~TOdzyskiwanie() override;

    // The project changed, was saved or replaced: `zmodyfikowany` as the
    // window's flag, `nazwa_pliku` its file ("" for a project never saved).
    void Zmieniono(bool zmodyfikowany, const QString &nazwa_pliku);
    // The copy written now, if there are unsaved changes.
    void ZapiszTeraz();
    // The copies left behind offered one by one: the project's name, its
    // folder and the time. "Przywróć" gives the project to the window
    // (Przywroc) and ends the offers; "Odrzuć" deletes the copy; closing the
    // box keeps it for the next start. A copy that cannot be read is said so
    // and kept aside. An assessment's copy goes to `ocena`, restored
    // ("" or the error) unless the assessment window keeps the document it
    // shows; without `ocena` such copies wait.
    void Zaproponuj();
    using Ocena = std::function<bool(const kerwano::KopiaOdzyskana &, QString &blad)>;
    void UstawOcene(Ocena ocena) { m_ocena = std::move(ocena); }

    const QString &plik() const { return m_kopia.plik(); }

signals:
    void Przywroc(const kerwano::Projekt &projekt, const QString &nazwa_pliku);

private:
    // A signal caught: the copy written, the program ended without a question.
    void Sygnal();

    std::function<QByteArray()> m_tresc;
    Ocena m_ocena;
    QWidget *m_okno;
    kerwano::KopiaOdzyskiwania m_kopia;
    QTimer m_zegar;
    QSocketNotifier *m_sygnaly = nullptr;
    QString m_nazwa_pliku;
    bool m_zmodyfikowany = false;
    bool m_zachowaj = false; // ended by a signal or the session: the copy stays
};
