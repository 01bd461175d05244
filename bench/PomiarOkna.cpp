#include "bench/PomiarOkna.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
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

OknoFormularza::OknoFormularza()
{
    setWindowTitle(QStringLiteral("Kerwano"));
    for (const char *menu : {"Program", "Obliczenia", "Info"})
        menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Polecenie"));
    auto *strona = new QWidget;
    auto *uklad = new QGridLayout(strona);
    // Four groups of lists as on the first page: 4, 4, 3 and 2 lists.
    const int listy[4] = {4, 4, 3, 2};
    int nr = 0;
    for (int g = 0; g < 4; ++g) {
        auto *grupa = new QGroupBox(QStringLiteral("Grupa parametrów budynku %1").arg(g + 1));
        auto *siatka = new QGridLayout(grupa);
        for (int w = 0; w < listy[g]; ++w, ++nr) {
            siatka->addWidget(new QLabel(QStringLiteral("Parametr budynku nr %1:").arg(nr + 1)), w,
                              0);
            auto *lista = new QComboBox;
            for (int i = 0; i < 4; ++i)
                lista->addItem(QStringLiteral("Wartość parametru %1 (%2)").arg(nr + 1).arg(i));
            siatka->addWidget(lista, w, 1);
        }
        if (g == 3) {
            for (int i = 0; i < 3; ++i) {
                siatka->addWidget(new QLabel(QStringLiteral("Wymiar %1").arg(i + 1)), 2, 2 * i);
                siatka->addWidget(new QLineEdit(QStringLiteral("1,00")), 2, 2 * i + 1);
            }
        }
        uklad->addWidget(grupa, g < 3 ? g : 4, 0, 1, g == 2 ? 1 : 2);
    }
    auto *wyniki = new QGroupBox(QStringLiteral("Wyniki obliczeń"));
    auto *siatka_wynikow = new QGridLayout(wyniki);
    for (int i = 0; i < 8; ++i)
        siatka_wynikow->addWidget(new QLabel(QStringLiteral("X%1 = 0,00000").arg(i)), i % 4, i / 4);
    siatka_wynikow->addWidget(new QPushButton(QStringLiteral("Zwody i przewody odprowadzające")), 4,
                              0, 1, 2);
    uklad->addWidget(wyniki, 2, 1);
    uklad->addWidget(new QLabel(QStringLiteral("Wynik obliczeń wyświetlany pod formularzem.")), 5,
                     0, 1, 2);
    auto *strony = new QTabWidget;
    strony->addTab(strona, QStringLiteral("Obliczanie klasy ochronności"));
    strony->addTab(new QWidget, QStringLiteral("Obliczanie kątów osłonowych"));
    strony->addTab(new QWidget, QStringLiteral("Obliczanie odstępów izolacyjnych"));
    auto *podzial = new QSplitter;
    podzial->addWidget(strony);
    podzial->addWidget(new QLabel(QStringLiteral("|X| - Ukryj")));
    setCentralWidget(podzial);
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
