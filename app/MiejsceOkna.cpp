#include "app/MiejsceOkna.h"

#include "app/TPrzewijana.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>

namespace {

// The window's least size when its contents need no more.
constexpr QSize NAJMNIEJSZY(800, 590);

} // namespace

MiejsceOkna::MiejsceOkna(QMainWindow *okno, TPrzewijana *przewijana)
    : QObject(okno), m_okno(okno), m_przewijana(przewijana)
{
    setObjectName(QStringLiteral("MiejsceOkna"));
}

QRect MiejsceOkna::MiejsceWEkranie(QRect okno, const QMargins &ramka, const QRect &dostepne)
{
    const QSize miejsce = dostepne.size().shrunkBy(ramka);
    const QSize rozmiar = okno.size().boundedTo(miejsce);
    QRect zewnatrz = okno.marginsAdded(ramka);
    if (rozmiar != okno.size()) {
        okno.setSize(rozmiar);
        zewnatrz = okno.marginsAdded(ramka);
        zewnatrz.moveCenter(dostepne.center());
    }
    // Moved in, the top left corner first should it still be too large.
    zewnatrz.moveLeft(
        qMax(dostepne.left(),
             qMin(zewnatrz.left(), dostepne.left() + dostepne.width() - zewnatrz.width())));
    zewnatrz.moveTop(qMax(dostepne.top(), qMin(zewnatrz.top(), dostepne.top() + dostepne.height() -
                                                                   zewnatrz.height())));
    return zewnatrz.marginsRemoved(ramka);
}

void MiejsceOkna::MiescWEkranie()
{
    const QScreen *ekran = m_okno->screen();
    if (!ekran || !m_okno->isVisible() || m_okno->isMaximized() || m_okno->isFullScreen())
        return;
    const QRect okno = m_okno->geometry(), zewnatrz = m_okno->frameGeometry();
    const QMargins ramka(okno.left() - zewnatrz.left(), okno.top() - zewnatrz.top(),
                         zewnatrz.right() - okno.right(), zewnatrz.bottom() - okno.bottom());
    // The least size, too, leaves room for the frame now that it is known.
    UstawMinimum();
    const QRect miejsce = MiejsceWEkranie(okno, ramka, ekran->availableGeometry());
    if (miejsce != okno)
        m_okno->setGeometry(miejsce);
}

QSize MiejsceOkna::Ekran() const
{
    const QScreen *ekran = m_okno->screen();
    if (!ekran)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The frame a window manager adds is known once the window is shown.
    const QSize ramka =
        m_okno->isVisible() ? m_okno->frameGeometry().size() - m_okno->geometry().size() : QSize();
    return ekran->availableGeometry().size() - ramka;
}

void MiejsceOkna::UstawMinimum()
{
    if (!m_okno->layout())
        return;
    // The layout's need for the fonts in use, never less than the design's
    // least size; on a screen with less room the contents scroll.
    QSize potrzeba = NAJMNIEJSZY.expandedTo(m_okno->layout()->totalMinimumSize());
    // A wrapped text (the verdict) takes more lines the narrower the window.
    if (m_okno->layout()->hasHeightForWidth())
        potrzeba.setHeight(
            qMax(potrzeba.height(), m_okno->layout()->totalHeightForWidth(potrzeba.width())));
    const QSize ekran = Ekran();
    const bool miesci = potrzeba.width() <= ekran.width() && potrzeba.height() <= ekran.height();
    if (!miesci)
        m_przewijana->UstawPelna(false);
    const QSize minimum = m_przewijana->pelna() ? potrzeba : potrzeba.boundedTo(ekran);
    if (m_okno->minimumSize() != minimum)
        m_okno->setMinimumSize(minimum);
}

void MiejsceOkna::Zdarzenie(QEvent::Type typ)
{
    switch (typ) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        // Other fonts or another style: the contents may fit whole again.
        m_przewijana->UstawPelna(true);
        UstawMinimum();
        break;
    case QEvent::LayoutRequest:
        UstawMinimum();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The window manager's frame is known once it has placed the window.
        if (!m_ramka_dopasowana && m_okno->isVisible() &&
            m_okno->frameGeometry() != m_okno->geometry()) {
            m_ramka_dopasowana = true;
            MiescWEkranie();
        }
        break;
    default:
        break;
    }
}
