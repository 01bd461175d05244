#include "widgets/TFiltr_klawiszy.h"

#include "risk/Konwersja.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

bool SkrotSchowka(const QKeyEvent *k)
{
    return k->matches(QKeySequence::Paste) || k->matches(QKeySequence::Cut) ||
           k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Undo) ||
           k->matches(QKeySequence::Redo) || k->matches(QKeySequence::SelectAll);
}

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

} // namespace

TFiltr_klawiszy::TFiltr_klawiszy(bool z_przecinkiem, QObject *parent)
    : QObject(parent), m_z_przecinkiem(z_przecinkiem)
{
}

bool TFiltr_klawiszy::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    switch (zdarzenie->type()) {
    case QEvent::ShortcutOverride: {
        // The window's menu shortcuts (Ctrl+K, Ctrl+O, Ctrl+D) win over the
        // field's own Ctrl bindings; a Ctrl key no shortcut wants still
        // reaches the field as a key press.
        auto *k = static_cast<QKeyEvent *>(zdarzenie);
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            k->ignore();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(zdarzenie);
        if (SkrotSchowka(k))
            return true;
        if (KlawiszEdycyjny(k->key()))
            return false;
        const QString t = k->text();
        if (t.isEmpty())
            return false;
        for (const QChar z : t) {
            if (!kerwano::ZnakDozwolony(z, m_z_przecinkiem))
                return true;
        }
        return false;
    }
    case QEvent::InputMethod: {
        auto *im = static_cast<QInputMethodEvent *>(zdarzenie);
        for (const QChar z : im->commitString()) {
            if (!kerwano::ZnakDozwolony(z, m_z_przecinkiem))
                return true;
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Dropped text would pass by the filter: the field refuses it, and
        // a project file dragged over the field goes on to the window.
        zdarzenie->ignore();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}
