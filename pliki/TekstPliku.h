#pragma once

#include <QString>

namespace kerwano {

// What a text field holding a file's text keeps of what arrives in it
// (typed, pasted or dropped): the text in NFC, without the characters
// Windows-1250 has no byte for, and no longer than the file's field.
struct TekstPola
{
    QString tekst;
    int kursor = 0;       // where the cursor stands in `tekst`
    QString odrzucone;    // the characters left out, in NFC, each once
    bool obciety = false; // characters were left out for want of room
};

// `tekst` is the field's text with what arrived, the cursor at `kursor`
// (just after it). Characters beyond `pojemnosc` are taken off just before
// the cursor, that is from what arrived, as far as they reach.
TekstPola PrzyjmijTekst(const QString &tekst, int kursor, int pojemnosc);

// Whether the project file keeps `tekst` exactly: NFC, every character in
// Windows-1250, at most `pojemnosc` of them.
bool TekstMiesciSie(const QString &tekst, int pojemnosc);

} // namespace kerwano
