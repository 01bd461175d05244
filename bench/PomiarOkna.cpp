#include "bench/PomiarOkna.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWindow>

namespace pomiar {

void Spokoj()
{
    QCoreApplication::sendPostedEvents();
    QAbstractEventDispatcher *dyspozytor = QAbstractEventDispatcher::instance();
    // A pass that dispatched nothing means the step is over; the cap only
    // guards against a source that never runs dry.
    for (int przebieg = 0; przebieg < 100; ++przebieg) {
        if (!dyspozytor->processEvents(QEventLoop::AllEvents))
            break;
    }
}

void PokazIZaczekaj(QWidget *okno)
{
    okno->show();
    QWindow *okno_systemu = okno->windowHandle();
    for (int proba = 0; proba < 1000 && !(okno_systemu && okno_systemu->isExposed()); ++proba) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        okno_systemu = okno->windowHandle();
    }
    Spokoj();
}

LicznikZdarzen::LicznikZdarzen(QWidget *obserwowany) : m_obserwowany(obserwowany)
{
    qApp->installEventFilter(this);
}

LicznikZdarzen::~LicznikZdarzen()
{
    qApp->removeEventFilter(this);
}

bool LicznikZdarzen::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (zdarzenie->type() == QEvent::Paint) {
        ++malowania;
        if (obiekt == m_obserwowany)
            ++malowania_widzetu;
    } else if (zdarzenie->type() == QEvent::LayoutRequest) {
        ++zadania_ukladu;
    }
    return false;
}

GoleOkno::GoleOkno()
{
    setWindowTitle(QStringLiteral("Kerwano"));
    resize(800, 600);
}

OknoEtykiet::OknoEtykiet()
{
    auto *srodek = new QWidget;
    auto *siatka = new QGridLayout(srodek);
    pole = new QLineEdit(QStringLiteral("20"));
    siatka->addWidget(pole, 0, 0);
    for (int i = 0; i < 8; ++i) {
        etykiety[i] = new QLabel;
        siatka->addWidget(etykiety[i], 1 + i / 2, i % 2);
    }
    siatka->setRowStretch(5, 1);
    setCentralWidget(srodek);
    connect(pole, &QLineEdit::textChanged, this, [this](const QString &tekst) {
        const double x = tekst.toDouble();
        for (int i = 0; i < 8; ++i)
            etykiety[i]->setText(QStringLiteral("X%1 = ").arg(i) +
                                 QString::number(x * (i + 1) / 7.0, 'f', 5));
    });
    resize(800, 600);
}

long SzczytPamieci()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &wiersz : status.readAll().split('\n')) {
        if (wiersz.startsWith("VmHWM:"))
            return wiersz.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace pomiar
