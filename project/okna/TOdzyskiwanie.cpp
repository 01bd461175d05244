#include "project/okna/TOdzyskiwanie.h"

#include "pliki/NazwaPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/ModelProjektu.h"
#include "project/PlikProjektu.h"
#include "widgets/OknoBledu.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the pipe the signal handler writes the signal's number
// to; the event loop reads it. Nothing else happens in the handler.
int g_potok[2] = {-1, -1};

// Every keeper of a copy: a signal has each write its copy.
QList<TOdzyskiwanie *> g_wszystkie;

extern "C" void ZlapanySygnal(int sygnal)
{
    const int blad = errno;
    const char bajt = char(sygnal);
    [[maybe_unused]] const ssize_t n = ::write(g_potok[1], &bajt, 1);
    errno = blad;
}

bool PrzechwycSygnaly()
{
    if (g_potok[0] >= 0)
        return true;
    if (::pipe2(g_potok, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction akcja = {};
    akcja.sa_handler = ZlapanySygnal;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &akcja, nullptr);
    ::sigaction(SIGHUP, &akcja, nullptr);
    return true;
}

} // namespace

TOdzyskiwanie::TOdzyskiwanie(const kerwano::ModelProjektu &projekt, QWidget *okno)
    : TOdzyskiwanie([&projekt] { return kerwano::ZakodujProjekt(projekt.ZbierzProjekt()); },
                    QStringLiteral("kwp"), okno)
{
}

TOdzyskiwanie::TOdzyskiwanie(std::function<QByteArray()> tresc, const QString &rodzaj,
                             QWidget *okno)
    : QObject(okno), m_tresc(std::move(tresc)), m_okno(okno), m_kopia(rodzaj)
{
    g_wszystkie << this;
    m_zegar.setSingleShot(true);
    m_zegar.setInterval(ZWLOKA_MS);
    connect(&m_zegar, &QTimer::timeout, this, &TOdzyskiwanie::ZapiszTeraz);
    if (PrzechwycSygnaly()) {
        m_sygnaly = new QSocketNotifier(g_potok[0], QSocketNotifier::Read, this);
        connect(m_sygnaly, &QSocketNotifier::activated, this, &TOdzyskiwanie::Sygnal);
    }
    if (auto *aplikacja = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(aplikacja, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
            ZapiszTeraz();
            m_zachowaj = true;
        });
}

TOdzyskiwanie::~TOdzyskiwanie()
{
    g_wszystkie.removeOne(this);
    if (!m_zachowaj)
        m_kopia.Usun();
}

void TOdzyskiwanie::Zmieniono(bool zmodyfikowany, const QString &nazwa_pliku)
{
    if (m_zachowaj)
        return; // the program is ending and its copy stays as written
    m_zmodyfikowany = zmodyfikowany;
    m_nazwa_pliku = nazwa_pliku;
    if (zmodyfikowany) {
        m_zegar.start();
    } else {
        m_zegar.stop();
        m_kopia.Usun();
    }
}

void TOdzyskiwanie::ZapiszTeraz()
{
    m_zegar.stop();
    if (m_zmodyfikowany)
        m_kopia.Zapisz(m_tresc(), m_nazwa_pliku);
}

void TOdzyskiwanie::Sygnal()
{
    char bajt = 0;
    int sygnal = 0;
    while (::read(g_potok[0], &bajt, 1) == 1)
        sygnal = bajt;
    if (sygnal == 0)
        return; // another keeper read it first
    for (TOdzyskiwanie *o : std::as_const(g_wszystkie)) {
        o->ZapiszTeraz();
        o->m_zachowaj = true;
    }
    QCoreApplication::exit(128 + sygnal);
}

void TOdzyskiwanie::Zaproponuj()
{
    bool przywrocony = false;
    for (const kerwano::KopiaOdzyskana &kopia : kerwano::KopiaOdzyskiwania::Porzucone()) {
        const bool ocena = kopia.ocena();
        if ((ocena && !m_ocena) || (!ocena && przywrocony))
            continue;
        const QFileInfo projekt(kopia.nazwa_pliku);
        const QString nazwa = !kopia.nazwa_pliku.isEmpty()
                                  ? kerwano::CzytelnaNazwaPliku(projekt.fileName())
                              : ocena ? QStringLiteral("Nowa ocena ryzyka.kwr")
                                      : QStringLiteral("Nowy projekt.kwp");
        QString tekst = (ocena ? QStringLiteral("Znaleziono niezapisane zmiany oceny ryzyka %1")
                               : QStringLiteral("Znaleziono niezapisane zmiany projektu %1"))
                            .arg(nazwa);
        if (!kopia.nazwa_pliku.isEmpty())
            tekst += QStringLiteral(" z folderu %1")
                         .arg(QDir::toNativeSeparators(
                             kerwano::CzytelnaNazwaPliku(projekt.absolutePath())));
        tekst += QStringLiteral(", zachowane %1.\nCzy przywrócić %2?")
                     .arg(QLocale(QLocale::Polish)
                              .toString(kopia.czas, QStringLiteral("d.MM.yyyy HH:mm:ss")),
                          ocena ? QStringLiteral("ocenę ryzyka") : QStringLiteral("projekt"));
        QMessageBox pytanie(QMessageBox::Question,
                            ocena ? QStringLiteral("Odzyskiwanie oceny ryzyka")
                                  : QStringLiteral("Odzyskiwanie projektu"),
                            tekst, QMessageBox::NoButton, m_okno);
        pytanie.setObjectName(QStringLiteral("Odzyskiwanie"));
        QPushButton *przywroc =
            pytanie.addButton(QStringLiteral("&Przywróć"), QMessageBox::AcceptRole);
        QPushButton *odrzuc =
            pytanie.addButton(QStringLiteral("&Odrzuć"), QMessageBox::DestructiveRole);
        pytanie.addButton(QMessageBox::Cancel)->hide();
        pytanie.setEscapeButton(QMessageBox::Cancel);
        pytanie.setDefaultButton(przywroc);
        pytanie.exec();
        if (pytanie.clickedButton() == odrzuc) {
            kerwano::KopiaOdzyskiwania::Odrzuc(kopia);
            continue;
        }
        if (pytanie.clickedButton() != przywroc)
            continue;
        if (ocena) {
            QString blad;
            if (m_ocena(kopia, blad)) {
                // The assessment window's own copy takes its place.
                kerwano::KopiaOdzyskiwania::Odrzuc(kopia);
            } else if (!blad.isEmpty()) {
                kerwano::KopiaOdzyskiwania::Odloz(kopia);
                OknoBledu(m_okno, kerwano::ZdanieBledu(
                                      QStringLiteral("%1\nKopia została odłożona: %2.uszkodzona")
                                          .arg(blad, QDir::toNativeSeparators(kopia.plik))));
            }
            continue;
        }
        kerwano::Projekt odzyskany;
        const QString blad = kerwano::KopiaOdzyskiwania::Wczytaj(kopia, odzyskany);
        if (!blad.isEmpty()) {
            OknoBledu(m_okno, kerwano::ZdanieBledu(
                                  QStringLiteral("%1\nKopia została odłożona: %2.uszkodzona")
                                      .arg(blad, QDir::toNativeSeparators(kopia.plik))));
            continue;
        }
        emit Przywroc(odzyskany, kopia.nazwa_pliku);
        // This program's copy takes the place of the one restored.
        ZapiszTeraz();
        kerwano::KopiaOdzyskiwania::Odrzuc(kopia);
        przywrocony = true;
    }
}
