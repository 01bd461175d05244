#include "reports/okna/Pasmo.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr qreal kPunktyIndeksu = 8;

// The digit or sign a Unicode superscript character stands for; null for
// any other character.
QChar ZnakIndeksu(QChar c)
{
    switch (c.unicode()) {
    case 0x00B9:
        return u'1';
    case 0x00B2:
        return u'2';
    case 0x00B3:
        return u'3';
    case 0x207B:
        return u'-';
    case 0x2070:
        return u'0';
    default:
        if (c.unicode() >= 0x2074 && c.unicode() <= 0x2079)
            return QChar(u'4' + (c.unicode() - 0x2074));
        return QChar();
    }
}

struct Odcinek
{
    QString tekst;
    bool indeks = false;
};

// The text in runs of plain and of superscript characters.
QList<Odcinek> Odcinki(const QString &tekst)
{
    QList<Odcinek> odcinki;
    for (QChar c : tekst) {
        const QChar z = ZnakIndeksu(c);
        const bool indeks = !z.isNull();
        if (odcinki.isEmpty() || odcinki.last().indeks != indeks)
            odcinki.append({QString(), indeks});
        odcinki.last().tekst += indeks ? z : c;
    }
    return odcinki;
}

QFont CzcionkaIndeksu(QFont czcionka)
{
    czcionka.setPointSizeF(kPunktyIndeksu);
    czcionka.setUnderline(false);
    return czcionka;
}

} // namespace

qreal PikseliNaMilimetr(const QPaintDevice &urzadzenie)
{
    return urzadzenie.logicalDpiY() / 25.4;
}

QFont Czcionka(const QString &rodzina, qreal punkty, bool pogrubiona, bool kursywa,
               bool podkreslona)
{
    QFont f(rodzina);
    f.setPointSizeF(punkty);
    f.setBold(pogrubiona);
    f.setItalic(kursywa);
    f.setUnderline(podkreslona);
    // Outlines as designed, the same measures on paper, in a PDF and on screen.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QString BrakujaceCzcionki()
{
    struct Wzor
    {
        QFont czcionka;
        QStringList zgodne; // the face itself and those with its measures
    };
    const Wzor wzory[] = {
        {Times(10), {"Times New Roman", "Liberation Serif", "Tinos"}},
        {Arial(10), {"Arial", "Liberation Sans", "Arimo"}},
    };
    QStringList braki, zamiast;
    for (const Wzor &w : wzory) {
        const QString uzyta = QFontInfo(w.czcionka).family();
        if (!w.zgodne.contains(uzyta, Qt::CaseInsensitive)) {
            braki << QStringLiteral("„%1”").arg(w.czcionka.family());
            zamiast << QStringLiteral("„%1” zamiast „%2”").arg(uzyta, w.czcionka.family());
        }
    }
    if (braki.isEmpty())
        return QString();
    const bool obie = braki.size() > 1;
    return QStringLiteral("Brak %1 %2 ani %1 o tych samych wymiarach (pakiet "
                          "fonts-liberation2). Wydruki używają %3 %4; układ stron jest "
                          "mierzony %5, więc teksty nie nachodzą na siebie, ale wydruk "
                          "wygląda inaczej niż wzór.")
        .arg(obie ? QStringLiteral("czcionek") : QStringLiteral("czcionki"),
             braki.join(QStringLiteral(" i ")),
             obie ? QStringLiteral("czcionek") : QStringLiteral("czcionki"),
             zamiast.join(QStringLiteral(" i ")),
             obie ? QStringLiteral("tymi czcionkami") : QStringLiteral("tą czcionką"));
}

QFont Times(qreal punkty, bool pogrubiona, bool kursywa, bool podkreslona)
{
    return Czcionka(QStringLiteral("Times New Roman"), punkty, pogrubiona, kursywa, podkreslona);
}

QFont Arial(qreal punkty, bool pogrubiona)
{
    return Czcionka(QStringLiteral("Arial"), punkty, pogrubiona);
}

Pasmo::Pasmo(const QPaintDevice &urzadzenie, qreal wysokosc)
    : m_urzadzenie(&urzadzenie), m_px_na_mm(PikseliNaMilimetr(urzadzenie)), m_wysokosc(wysokosc)
{
}

qreal Pasmo::WysokoscLinii(const QFont &czcionka) const
{
    return QFontMetricsF(czcionka, m_urzadzenie).height() / m_px_na_mm;
}

qreal Pasmo::Szerokosc(const QString &tekst, const QFont &czcionka) const
{
    qreal px = 0;
    for (const Odcinek &o : Odcinki(tekst))
        px += QFontMetricsF(o.indeks ? CzcionkaIndeksu(czcionka) : czcionka, m_urzadzenie)
                  .horizontalAdvance(o.tekst);
    return px / m_px_na_mm;
}

qreal Pasmo::Tekst(qreal x, qreal y, const QString &tekst, const QFont &czcionka,
                   Qt::Alignment wyrownanie, qreal szerokosc)
{
    if (wyrownanie & Qt::AlignRight)
        x += szerokosc - Szerokosc(tekst, czcionka);
    else if (wyrownanie & Qt::AlignHCenter)
        x += (szerokosc - Szerokosc(tekst, czcionka)) / 2;
    const QFontMetricsF miara(czcionka, m_urzadzenie);
    const qreal linia_bazowa = y + miara.ascent() / m_px_na_mm;
    // A superscript stands a third of the type size above the baseline.
    const qreal uniesienie = czcionka.pointSizeF() / 3 * 25.4 / 72;
    for (const Odcinek &o : Odcinki(tekst)) {
        ElementWydruku e;
        e.czcionka = o.indeks ? CzcionkaIndeksu(czcionka) : czcionka;
        e.tekst = o.tekst;
        e.a = QPointF(x, linia_bazowa - (o.indeks ? uniesienie : 0));
        m_elementy.append(e);
        x += QFontMetricsF(e.czcionka, m_urzadzenie).horizontalAdvance(o.tekst) / m_px_na_mm;
    }
    return miara.height() / m_px_na_mm;
}

void Pasmo::Koloruj(qsizetype od, const QColor &kolor)
{
    for (qsizetype i = od; i < m_elementy.size(); ++i)
        m_elementy[i].kolor = kolor;
}

void Pasmo::Linia(QPointF a, QPointF b, qreal grubosc)
{
    ElementWydruku e;
    e.rodzaj = ElementWydruku::Rodzaj::Linia;
    e.a = a;
    e.b = b;
    e.grubosc = grubosc;
    m_elementy.append(e);
}

void Pasmo::Prostokat(const QRectF &r, qreal grubosc)
{
    ElementWydruku e;
    e.rodzaj = ElementWydruku::Rodzaj::Prostokat;
    e.a = r.topLeft();
    e.b = r.bottomRight();
    e.grubosc = grubosc;
    m_elementy.append(e);
}

QString Pasmo::PierwszaLinia(const QString &tekst, const QFont &czcionka, qreal szerokosc) const
{
    if (Szerokosc(tekst, czcionka) <= szerokosc)
        return tekst;
    // The longest run of whole words that fits.
    qsizetype koniec = -1;
    for (qsizetype i = tekst.indexOf(u' '); i >= 0; i = tekst.indexOf(u' ', i + 1)) {
        const QString poczatek = tekst.left(i).trimmed();
        if (poczatek.isEmpty())
            continue;
        if (Szerokosc(poczatek, czcionka) > szerokosc)
            break;
        koniec = i;
    }
    if (koniec > 0)
        return tekst.left(koniec).trimmed();
    // One word wider than the line: as many of its characters as fit.
    qsizetype n = 0;
    while (n < tekst.size() && Szerokosc(tekst.left(n + 1), czcionka) <= szerokosc)
        ++n;
    return tekst.left(std::max<qsizetype>(n, 1));
}

qreal Pasmo::Akapit(qreal x, qreal y, const QString &tekst, const QFont &czcionka, qreal szerokosc,
                    qreal skok)
{
    const QStringList linie = Linie(tekst, czcionka, szerokosc);
    for (int i = 0; i < linie.size(); ++i)
        Tekst(x, y + i * skok, linie[i], czcionka);
    return std::max<qsizetype>(linie.size(), 1) * skok;
}

QStringList Pasmo::Linie(const QString &tekst, const QFont &czcionka, qreal szerokosc,
                         int najwiecej) const
{
    QStringList linie;
    QString reszta = tekst.trimmed();
    while (!reszta.isEmpty() && linie.size() < najwiecej) {
        const QString linia = PierwszaLinia(reszta, czcionka, szerokosc);
        linie.append(linia);
        reszta = reszta.mid(linia.size()).trimmed();
    }
    return linie;
}

void Pasmo::Umiesc(const Pasmo &pasmo, qreal y)
{
    for (ElementWydruku e : pasmo.elementy()) {
        e.a.ry() += y;
        e.b.ry() += y;
        m_elementy.append(e);
    }
}

void MalujElementy(QPainter &malarz, const QList<ElementWydruku> &elementy, qreal px_na_mm)
{
    for (const ElementWydruku &e : elementy) {
        switch (e.rodzaj) {
        case ElementWydruku::Rodzaj::Tekst:
            malarz.setFont(e.czcionka);
            malarz.setPen(e.kolor);
            malarz.drawText(e.a * px_na_mm, e.tekst);
            break;
        case ElementWydruku::Rodzaj::Linia:
            malarz.setPen(QPen(Qt::black, e.grubosc * px_na_mm));
            malarz.drawLine(e.a * px_na_mm, e.b * px_na_mm);
            break;
        case ElementWydruku::Rodzaj::Prostokat:
            malarz.setPen(QPen(Qt::black, e.grubosc * px_na_mm));
            malarz.setBrush(Qt::NoBrush);
            malarz.drawRect(QRectF(e.a * px_na_mm, e.b * px_na_mm));
            break;
        }
    }
}
