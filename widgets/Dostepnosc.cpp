#include "widgets/Dostepnosc.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>

namespace dostepnosc {

namespace {

const char *const JEDEN_TEKST = "kerwano_jeden_tekst";

// A widget read as one static text, without children.
class TJedenTekst : public QAccessibleWidget
{
public:
    explicit TJedenTekst(QWidget *w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *Fabryka(const QString &, QObject *obiekt)
{
    if (obiekt && obiekt->isWidgetType() && obiekt->property(JEDEN_TEKST).toBool())
        return new TJedenTekst(static_cast<QWidget *>(obiekt));
    return nullptr;
}

} // namespace

void JedenTekst(QWidget *w, const QString &tekst)
{
    static const bool zainstalowana = [] {
        QAccessible::installFactory(Fabryka);
        return true;
    }();
    Q_UNUSED(zainstalowana)
    w->setProperty(JEDEN_TEKST, true);
    w->setAccessibleName(tekst);
}

void NazwijPola(QWidget *okno)
{
    for (const QLabel *etykieta : okno->findChildren<QLabel *>()) {
        // An edit field takes its name from its label itself, so that a label
        // that changes ("f [m]", "c [m]") renames it; a drop-down list on
        // Linux would give its current entry instead.
        QWidget *pole = etykieta->buddy();
        if (!qobject_cast<QComboBox *>(pole) || !pole->accessibleName().isEmpty())
            continue;
        QString nazwa = etykieta->text();
        nazwa.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        nazwa = nazwa.trimmed();
        if (nazwa.endsWith(u':'))
            nazwa.chop(1);
        pole->setAccessibleName(nazwa);
    }
}

void Obraz(QWidget *w, const QString &nazwa, const QString &opis)
{
    w->setAccessibleName(nazwa);
    w->setAccessibleDescription(opis);
}

} // namespace dostepnosc
