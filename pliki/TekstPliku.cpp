#include "pliki/TekstPliku.h"

#include "pliki/StronaKodowa.h"

namespace kerwano {

TekstPola PrzyjmijTekst(const QString &tekst, int kursor, int pojemnosc)
{
    kursor = qBound(0, kursor, int(tekst.size()));
    const QString nfc = tekst.normalized(QString::NormalizationForm_C);
    // Composing never moves a character across the cursor by more than the
    // marks that join a letter before it.
    const int kursor_nfc = qMin(
        int(tekst.left(kursor).normalized(QString::NormalizationForm_C).size()), int(nfc.size()));
    TekstPola wynik;
    for (qsizetype i = 0; i < nfc.size(); ++i) {
        char32_t znak = nfc.at(i).unicode();
        int dlugosc = 1;
        if (nfc.at(i).isHighSurrogate() && i + 1 < nfc.size() && nfc.at(i + 1).isLowSurrogate()) {
            znak = QChar::surrogateToUcs4(nfc.at(i), nfc.at(i + 1));
            dlugosc = 2;
        }
        if (ZnakWindows1250(znak)) {
            wynik.tekst += QChar(char16_t(znak));
            if (i < kursor_nfc)
                ++wynik.kursor;
        } else {
            const QString z = nfc.mid(i, dlugosc);
            if (!wynik.odrzucone.contains(z))
                wynik.odrzucone += z;
        }
        i += dlugosc - 1;
    }
    const int nadmiar = int(wynik.tekst.size()) - pojemnosc;
    if (nadmiar > 0) {
        wynik.obciety = true;
        const int od = qMax(0, wynik.kursor - nadmiar);
        wynik.tekst.remove(od, wynik.kursor - od);
        wynik.kursor = od;
        wynik.tekst.truncate(pojemnosc);
        wynik.kursor = qMin(wynik.kursor, pojemnosc);
    }
    return wynik;
}

bool TekstMiesciSie(const QString &tekst, int pojemnosc)
{
    if (tekst.size() > pojemnosc || tekst != tekst.normalized(QString::NormalizationForm_C))
        return false;
    for (const QChar z : tekst) {
        if (!ZnakWindows1250(z.unicode()))
            return false;
    }
    return true;
}

} // namespace kerwano
