#include "widgets/TFiltr_klawiszy.h"

#include "risk/Konwersja.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>

namespace {

bool KlawiszEdycyjny(int klawisz)
{
    switch (klawisz) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    }
    return false;
}

// Every edit of the field's text passes here, whatever brought it: an edit
// that would put a character the filter refuses into the field is undone
// whole. A text set by the program is shown as it is.
class TWalidator : public QValidator
{
public:
    TWalidator(const TFiltr_klawiszy *filtr, int pojemnosc, QObject *parent)
        : QValidator(parent), m_filtr(filtr), m_pojemnosc(pojemnosc)
    {
    }
    State validate(QString &tekst, int &) const override
    {
        if (m_pojemnosc > 0 && tekst.size() > m_pojemnosc)
            return Invalid;
        return m_filtr->Dozwolony(tekst) ? Acceptable : Invalid;
    }

private:
    const TFiltr_klawiszy *m_filtr;
    int m_pojemnosc;
};

} // namespace

TFiltr_klawiszy::TFiltr_klawiszy(bool z_przecinkiem, QObject *parent)
    : QObject(parent), m_z_przecinkiem(z_przecinkiem)
{
}

void TFiltr_klawiszy::Zaloz(QLineEdit *pole, int pojemnosc)
{
    pole->installEventFilter(this);
    pole->setValidator(new TWalidator(this, pojemnosc, pole));
}

bool TFiltr_klawiszy::Dozwolony(const QString &tekst) const
{
    for (const QChar z : tekst) {
        if (!kerwano::ZnakDozwolony(z, m_z_przecinkiem) || z.unicode() == 8)
            return false;
    }
    return true;
}

bool TFiltr_klawiszy::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    switch (zdarzenie->type()) {
    case QEvent::ShortcutOverride: {
        // The window's shortcuts (Ctrl+K, Ctrl+O, Ctrl+D, Ctrl+Tab) win over
        // the field's own Ctrl bindings; a Ctrl key no shortcut wants (Ctrl+V,
        // Ctrl+Z) still reaches the field as a key press.
        auto *k = static_cast<QKeyEvent *>(zdarzenie);
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            k->ignore();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(zdarzenie);
        if (KlawiszEdycyjny(k->key()) || (k->modifiers() & Qt::ControlModifier))
            return false;
        const QString t = k->text();
        for (const QChar z : t) {
            if (!kerwano::ZnakDozwolony(z, m_z_przecinkiem))
                return true;
        }
        return false;
    }
    case QEvent::InputMethod: {
        auto *im = static_cast<QInputMethodEvent *>(zdarzenie);
        if (!Dozwolony(im->commitString()))
            return true;
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Dropped text is checked as pasted text is; a project file dragged
        // over the field goes on to the window.
        if (static_cast<QDropEvent *>(zdarzenie)->mimeData()->hasUrls()) {
            zdarzenie->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}
