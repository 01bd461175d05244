#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;
class TOcena_ryzyka_form;
namespace kerwano {
struct KopiaOdzyskana;
}

// The main window's risk assessment window: at most one, not modal, made
// when first asked for and brought to the front when asked again.
class OknoOceny : public QObject
{
    Q_OBJECT
public:
    // `wymiary`: page 1's length, width and height texts.
    OknoOceny(QWidget *glowne, std::function<QStringList()> wymiary);

    // "Ocena ryzyka (PN-EN 62305-2)...": a new assessment, or the open one.
    void Pokaz();
    // The files of the command line that are assessments (".kwr" in any
    // letter case, existing): each opened in turn, the last one stays.
    void OtworzPliki(const QStringList &pliki);
    // Before the program ends: the window closes first, after its question
    // about unsaved changes; false when the user stays.
    bool Zamknij();
    // A recovery copy of an assessment shown in the window (see
    // TOcena_ryzyka_form::Przywroc).
    bool Przywroc(const kerwano::KopiaOdzyskana &kopia, QString &blad);

private:
    TOcena_ryzyka_form *Okno();

    QWidget *m_glowne;
    std::function<QStringList()> m_wymiary;
    QPointer<TOcena_ryzyka_form> m_okno;
};
