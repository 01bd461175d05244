#include "widgets/TPanel_wartosci.h"

#include "widgets/Kontrast.h"

TPanel_wartosci::TPanel_wartosci(const QString &tekst, QWidget *parent, bool czerwony)
    : QLabel(tekst, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText,
               czerwony ? kontrast::Czytelny(QColor(255, 0, 0), Qt::white) : QColor(0, 0, 0));
    setPalette(p);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}
