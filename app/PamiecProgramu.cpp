#include "app/PamiecProgramu.h"

#include "pliki/NazwaPliku.h"
#include "pliki/ZdanieBledu.h"
#include "project/UstawieniaProgramu.h"
#include "widgets/OknoBledu.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>

namespace ust = kerwano::ustawienia;

namespace {

const QString GEOMETRIA = QStringLiteral("okno/geometria");
const QString STRONA = QStringLiteral("okno/strona");
const QString PANEL = QStringLiteral("okno/panel_boczny");

} // namespace

PamiecProgramu::PamiecProgramu(QMainWindow *okno, QMenu *menu, QAction *przed)
    : QObject(okno), m_okno(okno), m_menu(menu), m_przed(przed)
{
    setObjectName(QStringLiteral("PamiecProgramu"));
    // Read again each time the menu opens: another running program may
    // have added one.
    connect(m_menu, &QMenu::aboutToShow, this, &PamiecProgramu::Pokaz);
    Pokaz();
}

void PamiecProgramu::Pokaz()
{
    qDeleteAll(m_pozycje);
    m_pozycje.clear();
    delete m_separator;
    m_separator = nullptr;
    const QStringList lista = ust::OstatnieProjekty();
    if (lista.isEmpty())
        return;
    m_separator = new QAction(this);
    m_separator->setSeparator(true);
    m_menu->insertAction(m_przed, m_separator);
    QStringList nazwy;
    for (const QString &plik : lista)
        nazwy << QFileInfo(plik).fileName();
    for (int i = 0; i < lista.size(); ++i) {
        // Two projects of one name are told apart by their folders.
        QString nazwa =
            kerwano::CzytelnaNazwaPliku(nazwy.count(nazwy[i]) > 1 ? lista[i] : nazwy[i]);
        auto *a = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(nazwa.replace(u'&', QStringLiteral("&&"))),
            this);
        a->setObjectName(QStringLiteral("Ostatni%1").arg(i + 1));
        a->setStatusTip(kerwano::CzytelnaNazwaPliku(lista[i]));
        connect(a, &QAction::triggered, this, [this, plik = lista[i]] { Wybrany(plik); });
        m_menu->insertAction(m_przed, a);
        m_pozycje << a;
    }
}

void PamiecProgramu::Wybrany(const QString &plik)
{
    if (ust::BrakPliku(plik)) {
        ust::UsunOstatniProjekt(plik);
        Pokaz();
        OknoBledu(m_okno, kerwano::ZdanieBledu(
                              QStringLiteral("Projekt %1 już nie istnieje; usunięto go z listy "
                                             "ostatnich projektów")
                                  .arg(kerwano::CzytelnaNazwaPliku(plik))));
        return;
    }
    emit Otworz(plik);
}

void PamiecProgramu::Zapamietaj(const QString &projekt)
{
    ust::DodajOstatniProjekt(projekt);
    Pokaz();
}

void PamiecProgramu::PrzywrocOkno()
{
    const QByteArray geometria = ust::Wartosc(GEOMETRIA).toByteArray();
    if (!geometria.isEmpty())
        m_okno->restoreGeometry(geometria);
}

int PamiecProgramu::Strona(int liczba) const
{
    bool liczba_ok = false;
    const int strona = ust::Wartosc(STRONA).toInt(&liczba_ok);
    return liczba_ok && strona >= 0 && strona < liczba ? strona : 0;
}

bool PamiecProgramu::PanelBoczny() const
{
    const QVariant panel = ust::Wartosc(PANEL);
    return !panel.isValid() || panel.toBool();
}

void PamiecProgramu::ZapamietajOkno(int strona, bool panel_boczny)
{
    ust::UstawWartosc(GEOMETRIA, m_okno->saveGeometry());
    ust::UstawWartosc(STRONA, strona);
    ust::UstawWartosc(PANEL, panel_boczny);
}
