#include "widgets/TStrona_odroczona.h"

void TStrona_odroczona::Zbuduj()
{
    if (m_zbudowana)
        return;
    // Set first: what the contents do while they are made (a selection, a
    // first fill) finds the page built.
    m_zbudowana = true;
    ZbudujZawartosc();
}

void TStrona_odroczona::setVisible(bool widoczna)
{
    if (widoczna)
        Zbuduj();
    QWidget::setVisible(widoczna);
}
