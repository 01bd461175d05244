#pragma once

#include <QValidator>

class QLineEdit;

// Keeps a text field to what the project file holds (kerwano::PrzyjmijTekst):
// whatever arrives, typed, pasted or dropped, is put in NFC, a character
// Windows-1250 cannot hold is left out and the text is no longer than the
// file's field. What was left out is told at once in a tool tip under the
// field; the field's own tool tip states the rule.
class TWalidator_tekstu : public QValidator
{
    Q_OBJECT
public:
    // Installs itself on `pole`, which owns it.
    TWalidator_tekstu(QLineEdit *pole, int pojemnosc);

    State validate(QString &tekst, int &kursor) const override;

private:
    QLineEdit *m_pole;
    int m_pojemnosc;
};
