#include "widgets/TKomunikat.h"

TKomunikat::TKomunikat(const QString &tekst, QWidget *parent) : QLabel(tekst, parent)
{
    QFont f = font();
    f.setBold(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    setPalette(p);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
}
