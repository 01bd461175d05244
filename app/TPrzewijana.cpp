#include "app/TPrzewijana.h"

#include <QEvent>

TPrzewijana::TPrzewijana(QWidget *zawartosc, QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("Przewijana"));
    setFrameShape(QFrame::NoFrame);
    // Tab goes through the controls it holds; it shows no focus of its own.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Zawartość okna"));
    setWidgetResizable(true);
    setWidget(zawartosc);
}

void TPrzewijana::UstawPelna(bool pelna)
{
    if (pelna == m_pelna)
        return;
    m_pelna = pelna;
    updateGeometry();
}

QSize TPrzewijana::minimumSizeHint() const
{
    if (!m_pelna || !widget())
        return QScrollArea::minimumSizeHint();
    const QMargins m = contentsMargins();
    return widget()->minimumSizeHint().expandedTo(widget()->minimumSize()) +
           QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize TPrzewijana::sizeHint() const
{
    return widget() ? widget()->sizeHint().expandedTo(minimumSizeHint()) : QScrollArea::sizeHint();
}

bool TPrzewijana::viewportEvent(QEvent *zdarzenie)
{
    // The contents asked for other room: the window learns it too.
    if (zdarzenie->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::viewportEvent(zdarzenie);
}
