#include "widgets/TKomunikat.h"

#include "widgets/Kontrast.h"

#include <QEvent>

TKomunikat::TKomunikat(const QString &tekst, QWidget *parent) : QLabel(tekst, parent)
{
    QFont f = font();
    f.setBold(true);
    setFont(f);
    UstawKolor();
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
}

void TKomunikat::UstawKolor()
{
    if (m_ustawiam)
        return;
    m_ustawiam = true;
    // Against what it is drawn on: a tab page's frame is no window colour.
    kontrast::UstawCzytelny(this, QPalette::WindowText, QColor(255, 0, 0));
    m_ustawiam = false;
}

void TKomunikat::changeEvent(QEvent *zdarzenie)
{
    QLabel::changeEvent(zdarzenie);
    // A new palette (the desktop's dark theme, say) or another style
    // brings a new background; so may a new place, when shown.
    switch (zdarzenie->type()) {
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        UstawKolor();
        break;
    default:
        break;
    }
}

void TKomunikat::showEvent(QShowEvent *zdarzenie)
{
    UstawKolor();
    QLabel::showEvent(zdarzenie);
}
