#include "reports/okna/TObliczenia_wydruk_form.h"

#include "project/ModelProjektu.h"
#include "project/WynikiProjektu.h"
#include "project/ZapisPliku.h"
#include "reports/okna/UkladStron.h"
#include "widgets/OknoBledu.h"
#include "widgets/TDialog_projektu.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

// Columns, in millimetres from the left margin.
constexpr qreal kWartoscDanych = 32;   // L1 .. L6
constexpr qreal kTekstWyboru = 52;     // A1_I ...
constexpr qreal kSzerokoscWyboru = 89; // one line of it
constexpr qreal kKoniecWspolczynnika = 160;
constexpr qreal kWartoscNd = 105; // Ng, Gabaryty_A ...
// The verdict's double frame, centred.
constexpr qreal kSzerokoscRamki = 157;
constexpr qreal kWysokoscRamki = 32;
// The element table: the right end of Lp., the name's column, the right ends
// of the height, angle and distance columns.
constexpr qreal kKoniecLp = 9;
constexpr qreal kNazwa = 13;
constexpr qreal kSzerokoscNazwy = 66;
constexpr qreal kKonceKolumn[3] = {114, 147, TWydruk::SZEROKOSC};

QFont Tekst10()
{
    return Times(10);
}

// The pitch of a 10-point line.
qreal Wiersz(const Pasmo &p)
{
    return p.WysokoscLinii(Tekst10()) + 1.6;
}

// A section heading, bold 14 point; returns the height it takes.
qreal Naglowek(Pasmo &p, qreal y, const QString &tekst)
{
    return p.Tekst(0, y, tekst, Times(14, true)) + 2.5;
}

Pasmo DaneProjektu(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = 0;
    for (const kerwano::Pozycja &d : t.L) {
        p.Tekst(0, y, d.podpis, Times(10, true));
        const qreal szerokosc = TWydruk::SZEROKOSC - kWartoscDanych;
        p.Tekst(kWartoscDanych, y, p.PierwszaLinia(d.wartosc, Tekst10(), szerokosc), Tekst10());
        y += Wiersz(p);
    }
    y += 1.5;
    p.Linia({0, y}, {TWydruk::SZEROKOSC, y});
    p.UstawWysokosc(y + 4);
    return p;
}

// One of the groups (A) to (C), under the heading of section 1 for the first.
Pasmo Grupa(const QPaintDevice &u, const kerwano::TrescObliczen &t, int nr)
{
    Pasmo p(u);
    qreal y = nr == 0 ? Naglowek(p, 0, t.sekcja1) : 0;
    const kerwano::GrupaWspolczynnikow &g = t.grupy[static_cast<size_t>(nr)];
    y += p.Tekst(0, y, g.naglowek, Times(10, true, false, true)) + 1.0;
    for (const kerwano::WierszWspolczynnika &w : g.wiersze) {
        p.Tekst(0, y, w.podpis, Tekst10());
        p.Tekst(kTekstWyboru, y, p.PierwszaLinia(w.I, Tekst10(), kSzerokoscWyboru), Tekst10());
        p.Tekst(0, y, w.L, Tekst10(), Qt::AlignRight, kKoniecWspolczynnika);
        y += Wiersz(p);
    }
    y += p.Tekst(0, y, g.wynik, Times(10, true));
    if (nr == 2) {
        y += 3;
        y += p.Tekst(0, y, t.Nc, Times(10, true));
    }
    p.UstawWysokosc(y + 4);
    return p;
}

Pasmo Sekcja2(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = Naglowek(p, 0, t.sekcja2);
    for (const kerwano::Pozycja &w : {t.Ng, t.Gabaryty[0], t.Gabaryty[1], t.Gabaryty[2]}) {
        p.Tekst(0, y, w.podpis, Tekst10());
        p.Tekst(kWartoscNd, y, w.wartosc, Times(10, true));
        y += Wiersz(p);
    }
    y += 2;
    y += p.Tekst(0, y, t.Label_Ae, Tekst10()) + 1.5;
    y += p.Tekst(0, y, t.Ae, Arial(10, true)) + 3;
    y += p.Tekst(0, y, t.Label_Ce, Tekst10()) + 1.5;
    y += p.Tekst(0, y, t.Ce, Tekst10()) + 3;
    y += p.Tekst(0, y, t.Nd, Arial(10, true));
    p.UstawWysokosc(y + 2);
    return p;
}

// Section 3: the efficiency, the verdict in its double frame and the place
// of the additional measures, kept blank when there are none.
Pasmo Sekcja3(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    qreal y = Naglowek(p, 0, t.sekcja3) + 1;
    y += p.Tekst(0, y, t.E, Times(10, true)) + 3;
    y += p.Tekst(0, y, t.podpis_klasy, Tekst10()) + 2;

    const qreal x = (TWydruk::SZEROKOSC - kSzerokoscRamki) / 2;
    const QRectF ramka(x, y, kSzerokoscRamki, kWysokoscRamki);
    p.Prostokat(ramka, 0.35);
    p.Prostokat(ramka.adjusted(1, 1, -1, -1), 0.35);
    const QFont klasa = Times(14, true, false, true);
    const QStringList linie = p.Linie(t.Klasa, klasa, kSzerokoscRamki - 8, 3);
    const qreal linia = p.WysokoscLinii(klasa);
    qreal yl = y + (kWysokoscRamki - linia * linie.size()) / 2;
    for (const QString &l : linie)
        yl += p.Tekst(x, yl, l, klasa, Qt::AlignHCenter, kSzerokoscRamki);
    y += kWysokoscRamki + 3;

    const QFont memo = Arial(10);
    const qreal linia_memo = p.WysokoscLinii(memo);
    for (int i = 0; i < t.QRMemo_dodatkowe_srodki.size(); ++i)
        p.Tekst(x, y + i * linia_memo, t.QRMemo_dodatkowe_srodki[i], memo);
    p.UstawWysokosc(y + 4 * linia_memo + 5);
    return p;
}

// Section 4's heading with the column headings.
Pasmo Sekcja4(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    const qreal y = Naglowek(p, 0, t.sekcja4) + 1;
    const QFont f = Times(10, true);
    p.Tekst(0, y, t.kolumny[0], f, Qt::AlignRight, kKoniecLp);
    p.Tekst(kNazwa, y, t.kolumny[1], f);
    for (int i = 0; i < 3; ++i)
        p.Tekst(0, y, t.kolumny[static_cast<size_t>(i + 2)], f, Qt::AlignRight, kKonceKolumn[i]);
    const qreal dol = y + p.WysokoscLinii(f) + 0.8;
    p.Linia({0, dol}, {TWydruk::SZEROKOSC, dol}, 0.2);
    p.UstawWysokosc(dol + 1.5);
    return p;
}

// QR4b: one element line.
Pasmo LiniaElementu(const QPaintDevice &u, const kerwano::RekordElementu &r)
{
    Pasmo p(u);
    p.Tekst(0, 0, QString::number(r.lp), Tekst10(), Qt::AlignRight, kKoniecLp);
    p.Tekst(kNazwa, 0, p.PierwszaLinia(r.nazwa, Tekst10(), kSzerokoscNazwy), Tekst10());
    const QString *pola[3] = {&r.wysokosc, &r.kat, &r.odstep};
    for (int i = 0; i < 3; ++i)
        p.Tekst(0, 0, *pola[i], Tekst10(), Qt::AlignRight, kKonceKolumn[i]);
    p.UstawWysokosc(Wiersz(p));
    return p;
}

// The signature block: the date at the left, the dotted line with
// "(podpis wykonawcy)" under it at the right.
Pasmo Podsumowanie(const QPaintDevice &u, const kerwano::TrescObliczen &t)
{
    Pasmo p(u);
    const qreal y = 12;
    const QFont kropki = Times(12);
    const qreal szerokosc = p.Szerokosc(t.linia_podpisu, kropki);
    const qreal x = TWydruk::SZEROKOSC - szerokosc;
    const qreal linia = p.Tekst(x, y, t.linia_podpisu, kropki);
    // The date stands on the dotted line's baseline.
    p.Tekst(0, y + linia - p.WysokoscLinii(Tekst10()), t.wykonano, Tekst10());
    const qreal y2 = y + linia + 0.5;
    p.Tekst(x, y2, t.podpis_wykonawcy, Tekst10(), Qt::AlignHCenter, szerokosc);
    p.UstawWysokosc(y2 + p.WysokoscLinii(Tekst10()) + 1);
    return p;
}

} // namespace

TObliczenia_wydruk_form::TObliczenia_wydruk_form(kerwano::TrescObliczen tresc)
    : m_tresc(std::move(tresc))
{
}

QString TObliczenia_wydruk_form::tytul() const
{
    return kerwano::TytulDokumentuObliczen();
}

QList<QList<ElementWydruku>> TObliczenia_wydruk_form::Strony(const QPaintDevice &u,
                                                             qreal wysokosc) const
{
    const kerwano::TrescObliczen &t = m_tresc;
    UkladStron uklad(
        wysokosc, [&](int) { return NaglowekStrony(u, t.tytul, QString(), t.biuro); },
        [&](int nr) { return StopkaStrony(u, nr); });
    // QRGroup1: white space before the detail, on the first page only.
    uklad.Dodaj(Pasmo(u, 10.6));
    uklad.Dodaj(DaneProjektu(u, t));
    for (int nr = 0; nr < 3; ++nr)
        uklad.Dodaj(Grupa(u, t, nr));
    uklad.Dodaj(Sekcja2(u, t));
    uklad.Dodaj(Sekcja3(u, t), true);
    if (!t.elementy.isEmpty()) {
        // The headings never stand at the foot of a page without a line.
        uklad.DodajRazem({Sekcja4(u, t), LiniaElementu(u, t.elementy.first())});
        for (qsizetype i = 1; i < t.elementy.size(); ++i)
            uklad.Dodaj(LiniaElementu(u, t.elementy[i]));
    }
    uklad.Podsumowanie(Podsumowanie(u, t));
    return uklad.Strony();
}

QString TObliczenia_wydruk_form::ZapiszPdfProjektu(const QString &plik, const QString &wyjscie)
{
    kerwano::Projekt zapisany;
    kerwano::ModelProjektu projekt;
    const QString blad = kerwano::WczytajJakPoStarcie(plik, zapisany, projekt);
    if (!blad.isEmpty())
        return blad;
    return TObliczenia_wydruk_form(kerwano::ZlozTrescObliczen(projekt, QDate::currentDate()))
        .ZapiszPdf(wyjscie);
}

QString TObliczenia_wydruk_form::NazwaPdf(const QString &nazwa_pliku, bool nienazwany)
{
    const QFileInfo plik(nazwa_pliku);
    const QString nazwa = plik.suffix().compare(QStringLiteral("kwp"), Qt::CaseInsensitive) == 0
                              ? plik.completeBaseName()
                              : plik.fileName();
    const QString folder = nienazwany ? TDialog_projektu::FolderPoczatkowy() : plik.absolutePath();
    return QDir(folder).filePath(nazwa + QStringLiteral(".pdf"));
}

void TObliczenia_wydruk_form::Drukujobliczenia1Click(QWidget *okno,
                                                     const kerwano::ModelProjektu &projekt,
                                                     const QString &nazwa_pliku, bool nienazwany)
{
    const TObliczenia_wydruk_form Obliczenia_wydruk_form(
        kerwano::ZlozTrescObliczen(projekt, QDate::currentDate()));
    QPrinter drukarka(QPrinter::HighResolution);
    Obliczenia_wydruk_form.UstawDrukarke(drukarka);
    if (!Obliczenia_wydruk_form.DialogDruku(drukarka, okno))
        return;

    QPrintPreviewDialog podglad(&drukarka, okno);
    podglad.setObjectName(QStringLiteral("QRPreview"));
    podglad.setWindowTitle(QStringLiteral("Wydruk obliczeń"));
    QObject::connect(&podglad, &QPrintPreviewDialog::paintRequested, &podglad,
                     [&](QPrinter *p) { Obliczenia_wydruk_form.Drukuj(*p); });
    auto *pdf = new QAction(QStringLiteral("Zapisz jako PDF..."), &podglad);
    pdf->setObjectName(QStringLiteral("ZapiszPdf1"));
    pdf->setToolTip(QStringLiteral("Zapisz wydruk jako plik PDF"));
    QObject::connect(pdf, &QAction::triggered, &podglad, [&] {
        QFileDialog dialog(&podglad, QStringLiteral("Zapisz jako PDF"));
        dialog.setObjectName(QStringLiteral("SaveDialogPdf"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("Dokument PDF (*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        const QString domyslna = NazwaPdf(nazwa_pliku, nienazwany);
        dialog.setDirectory(QFileInfo(domyslna).absolutePath());
        dialog.selectFile(QFileInfo(domyslna).fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        const QString wybrany = dialog.selectedFiles().constFirst();
        // The report never takes a project's place.
        QString blad = kerwano::ChronionyProjekt(wybrany, nienazwany ? QString() : nazwa_pliku);
        if (blad.isEmpty())
            blad = Obliczenia_wydruk_form.ZapiszPdf(wybrany);
        if (!blad.isEmpty())
            OknoBledu(&podglad, blad);
    });
    if (QToolBar *pasek = podglad.findChild<QToolBar *>()) {
        pasek->addSeparator();
        pasek->addAction(pdf);
    } else {
        podglad.addAction(pdf);
    }
    podglad.exec();
}
