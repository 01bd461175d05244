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

const char *const NAZWANA_LISTA = "kerwano_nazwana_lista";
const char *const OBRAZ = "kerwano_obraz";

// A picture: a graphic with its name and description.
class TObrazDostepny : public QAccessibleWidget
{
public:
    explicit TObrazDostepny(QWidget *w) : QAccessibleWidget(w, QAccessible::Graphic) {}
};

// A drop-down list named by its label, its entry as the value. (The
// toolkit's own list gives its entry as the name on Linux, so that a
// screen reader never says which list it is.)
class TNazwanaLista : public QAccessibleWidget
{
public:
    explicit TNazwanaLista(QComboBox *lista) : QAccessibleWidget(lista, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override
    {
        const auto *lista = static_cast<const QComboBox *>(widget());
        if (t == QAccessible::Name)
            return lista->accessibleName();
        if (t == QAccessible::Value)
            return lista->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *Fabryka(const QString &, QObject *obiekt)
{
    if (!obiekt || !obiekt->isWidgetType())
        return nullptr;
    if (obiekt->property(JEDEN_TEKST).toBool())
        return new TJedenTekst(static_cast<QWidget *>(obiekt));
    if (obiekt->property(OBRAZ).toBool())
        return new TObrazDostepny(static_cast<QWidget *>(obiekt));
    if (auto *lista = qobject_cast<QComboBox *>(obiekt);
        lista && lista->property(NAZWANA_LISTA).toBool())
        return new TNazwanaLista(lista);
    return nullptr;
}

// An interface the toolkit made before the widget was marked (a change of
// its entry announced to a screen reader makes one) is dropped, so that the
// next one asked for comes from the factory.
template <typename T> void Odnow(QWidget *w)
{
    QAccessibleInterface *stary = QAccessible::queryAccessibleInterface(w);
    if (stary && !dynamic_cast<T *>(stary))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(stary));
}

void ZainstalujFabryke()
{
    static const bool zainstalowana = [] {
        QAccessible::installFactory(Fabryka);
        return true;
    }();
    Q_UNUSED(zainstalowana)
}

} // namespace

void JedenTekst(QWidget *w, const QString &tekst)
{
    ZainstalujFabryke();
    if (!w->property(JEDEN_TEKST).toBool()) {
        w->setProperty(JEDEN_TEKST, true);
        Odnow<TJedenTekst>(w);
    }
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
        ZainstalujFabryke();
        pole->setProperty(NAZWANA_LISTA, true);
        Odnow<TNazwanaLista>(pole);
        pole->setAccessibleName(nazwa);
    }
}

void Obraz(QWidget *w, const QString &nazwa, const QString &opis)
{
    ZainstalujFabryke();
    if (!w->property(OBRAZ).toBool()) {
        w->setProperty(OBRAZ, true);
        Odnow<TObrazDostepny>(w);
    }
    w->setAccessibleName(nazwa);
    w->setAccessibleDescription(opis);
}

} // namespace dostepnosc
