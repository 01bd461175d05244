#pragma once

#include <QObject>

// Key filter of numeric edit fields: typed characters other than the digits,
// Backspace and (for real numbers) the comma never reach the field, nor do
// the clipboard and undo shortcuts, nor dropped text. Keys that type nothing (arrows, Delete,
// Home, End), focus keys (Tab) and dialog keys (Enter, Esc) pass as usual,
// and the field's own context menu still pastes.
class TFiltr_klawiszy : public QObject
{
    Q_OBJECT
public:
    TFiltr_klawiszy(bool z_przecinkiem, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    bool m_z_przecinkiem;
};
