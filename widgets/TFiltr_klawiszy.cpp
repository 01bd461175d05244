#include "widgets/TFiltr_klawiszy.h"

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

// Whether `a` is `b` with characters left out (none added, none moved).
bool Podciag(const QString &a, const QString &b)
{
    qsizetype j = 0;
    for (const QChar z : a) {
        while (j < b.size() && b[j] != z)
            ++j;
        if (j == b.size())
            return false;
        ++j;
    }
    return true;
}

// Every edit of the field's text passes here, whatever brought it: an edit
// that would put a character the filter refuses into the field is undone
// whole. A text set by the program is shown as it is.
//
// A field that keeps its number (TFiltr_klawiszy::Zaloz with `liczba`) also
// undoes an edit that would leave a text that gives no number (by the page's rule)
// where one that gives a number stood, so that it always shows the number
// in force. A text
// the program set (UstawTekst) may hold what the filter refuses and need
// not give a number: its own characters may stay and be deleted, and it may
// be edited freely until it gives one; from then on there is no way back to it,
// not even by undo.
class TWalidator : public QValidator
{
public:
    TWalidator(const TFiltr_klawiszy *filtr, int pojemnosc, QLineEdit *pole,
               TFiltr_klawiszy::RegulaLiczby liczba)
        : QValidator(pole), m_filtr(filtr), m_pojemnosc(pojemnosc), m_pole(pole),
          m_liczba(std::move(liczba)), m_ostatni(pole->text())
    {
        if (m_liczba)
            connect(pole, &QLineEdit::textChanged, this, &TWalidator::Zmieniono);
    }
    State validate(QString &tekst, int &) const override
    {
        if (m_pojemnosc > 0 && tekst.size() > m_pojemnosc)
            return Invalid;
        if (!m_liczba)
            return m_filtr->Dozwolony(tekst) ? Acceptable : Invalid;
        if (!Podciag(Odrzucone(tekst), Odrzucone(m_ostatni)))
            return Invalid;
        if (m_liczba(tekst))
            return Acceptable;
        return m_liczba(m_ostatni) ? Invalid : Intermediate;
    }
    // The text the program sets, taken as the field's own.
    void Ustaw(const QString &tekst)
    {
        m_ostatni = tekst;
        m_pole->setText(tekst);
    }

private:
    // The characters of `tekst` the filter refuses, in order.
    QString Odrzucone(const QString &tekst) const
    {
        QString r;
        for (const QChar z : tekst)
            if (!m_filtr->Dozwolony(QString(z)))
                r += z;
        return r;
    }
    void Zmieniono(const QString &tekst)
    {
        const QString poprzedni = m_ostatni;
        m_ostatni = tekst;
        if (m_liczba(poprzedni) && !m_liczba(tekst)) {
            // Undo and redo are not validated: one that lost the number is
            // taken back once its change is over.
            QMetaObject::invokeMethod(
                this,
                [this, poprzedni] {
                    if (!m_liczba(m_pole->text()))
                        m_pole->setText(poprzedni);
                },
                Qt::QueuedConnection);
        } else if (!m_liczba(poprzedni) && m_liczba(tekst)) {
            // The undo history still holds texts that gave no number:
            // setting the text anew, once this change is over, forgets them.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const int kursor = m_pole->cursorPosition();
                    m_pole->setText(m_pole->text());
                    m_pole->setCursorPosition(kursor);
                },
                Qt::QueuedConnection);
        }
    }

    const TFiltr_klawiszy *m_filtr;
    int m_pojemnosc;
    QLineEdit *m_pole;
    TFiltr_klawiszy::RegulaLiczby m_liczba; // empty: the field keeps no number
    QString m_ostatni;                      // the field's text as the last change left it
};

} // namespace

TFiltr_klawiszy::TFiltr_klawiszy(RegulaZnaku znak, QObject *parent)
    : QObject(parent), m_znak(std::move(znak))
{
}

void TFiltr_klawiszy::Zaloz(QLineEdit *pole, int pojemnosc, RegulaLiczby liczba)
{
    pole->installEventFilter(this);
    pole->setValidator(new TWalidator(this, pojemnosc, pole, std::move(liczba)));
}

void TFiltr_klawiszy::UstawTekst(QLineEdit *pole, const QString &tekst)
{
    if (auto *w = dynamic_cast<const TWalidator *>(pole->validator()))
        const_cast<TWalidator *>(w)->Ustaw(tekst);
    else
        pole->setText(tekst);
}

bool TFiltr_klawiszy::Dozwolony(const QString &tekst) const
{
    for (const QChar z : tekst) {
        if (!m_znak(z) || z.unicode() == 8)
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
            if (!m_znak(z))
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
