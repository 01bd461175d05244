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
    QPalette p = palette();
    kontrast::UstawCzytelny(p, QPalette::WindowText, QColor(255, 0, 0));
    setPalette(p);
    m_ustawiam = false;
}

void TKomunikat::changeEvent(QEvent *zdarzenie)
{
    QLabel::changeEvent(zdarzenie);
    // A new palette (the desktop's dark theme, say) brings a new background.
    if (zdarzenie->type() == QEvent::PaletteChange)
        UstawKolor();
}
