#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// The filter of numeric edit fields. Typed characters other than the
// digits, Backspace and (for real numbers) the comma never reach the field;
// keys that type nothing (arrows, Delete, Home, End), focus keys (Tab) and
// dialog keys (Enter, Esc) pass as usual. Text that arrives whole (Ctrl+V,
// Shift+Insert, the context menu's "Wklej", a drop, an input method) is
// held to the same characters: a paste the filter would not allow is
// refused whole. Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+Z work as in any field,
// and the window's menu shortcuts win over the field's own Ctrl keys.
class TFiltr_klawiszy : public QObject
{
    Q_OBJECT
public:
    // Whether a typed character may enter the fields, and (for a field that
    // keeps its number) whether a text is that number: the page's rules.
    using RegulaZnaku = std::function<bool(QChar znak)>;
    using RegulaLiczby = std::function<bool(const QString &tekst)>;

    TFiltr_klawiszy(RegulaZnaku znak, QObject *parent = nullptr);

    // Puts `pole` under the filter: its keys and everything pasted or dropped.
    // With `pojemnosc` above 0 the field holds no more characters than that:
    // a key past it does nothing and a longer paste is refused whole, so that
    // the field never shows more than the project file keeps. With `liczba`
    // the field keeps a text that `liczba` takes for a number once it holds
    // one: an edit that would leave no such number (a second comma, an empty
    // field) is refused, so the text is always the number in force.
    void Zaloz(QLineEdit *pole, int pojemnosc = 0, RegulaLiczby liczba = {});

    // Sets the text of a field as the program's own (a loaded project's): a
    // field that keeps its number takes it as it is, a number or not.
    static void UstawTekst(QLineEdit *pole, const QString &tekst);

    // Whether every character of `tekst` may enter a field of this filter.
    bool Dozwolony(const QString &tekst) const;

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    RegulaZnaku m_znak;
};
