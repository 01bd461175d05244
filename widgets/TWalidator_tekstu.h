#pragma once

#include <QValidator>

#include <functional>

class QLineEdit;

// Keeps a text field to what a file holds, by the rule the page hands it
// (for a project's texts kerwano::PrzyjmijTekst): whatever arrives, typed,
// pasted or dropped, is put in NFC, a character Windows-1250 cannot hold is
// left out and the text is no longer than the file's field. What was left
// out is told at once in a tool tip under the field; the field's own tool
// tip states the rule.
class TWalidator_tekstu : public QValidator
{
    Q_OBJECT
public:
    // What the rule keeps of the field's text with what arrived.
    struct Przyjety
    {
        QString tekst;
        int kursor = 0;       // where the cursor stands in `tekst`
        QString odrzucone;    // the characters left out, each once
        bool obciety = false; // characters were left out for want of room
    };
    using Regula = std::function<Przyjety(const QString &tekst, int kursor, int pojemnosc)>;

    // Installs itself on `pole`, which owns it. `przyjmij(tekst, kursor,
    // pojemnosc)` gives what is kept, with the members of Przyjety.
    template <typename Przyjmij>
    TWalidator_tekstu(QLineEdit *pole, int pojemnosc, Przyjmij przyjmij)
        : TWalidator_tekstu(pole, pojemnosc, Regula([przyjmij](const QString &t, int k, int p) {
                                const auto w = przyjmij(t, k, p);
                                return Przyjety{w.tekst, w.kursor, w.odrzucone, w.obciety};
                            }))
    {
    }
    TWalidator_tekstu(QLineEdit *pole, int pojemnosc, Regula przyjmij);

    State validate(QString &tekst, int &kursor) const override;

private:
    QLineEdit *m_pole;
    int m_pojemnosc;
    Regula m_przyjmij;
};
