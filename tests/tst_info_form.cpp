#include "Widzet.h"
#include "risk/okna/TInfo_form.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

namespace {

const char *const nazwy_paneli[] = {"Panel_klasa", "Panel_E",   "Panel_Is", "Panel_didt",
                                    "Panel_tt",    "Panel_Q",   "Panel_WR", "Panel_ab",
                                    "Panel_R",     "Panel_ods", "Panel_H"};

QList<QLabel *> Panele(const TInfo_form &f)
{
    QList<QLabel *> panele;
    for (const char *nazwa : nazwy_paneli)
        panele << W<QLabel>(&f, nazwa);
    return panele;
}

} // namespace

class TestInfoForm : public QObject
{
    Q_OBJECT
private slots:
    void teksty_data();
    void teksty();
    void zamykanie_data();
    void zamykanie();
    void okno();
    void uklad_data();
    void uklad();
};

void TestInfoForm::teksty_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<QStringList>("teksty"); // in the order of nazwy_paneli

    const QStringList nieznane(11, QStringLiteral("?"));
    const auto t = [](const char *teksty) { return QString::fromUtf8(teksty).split(' '); };
    QTest::newRow("brak klasy") << 0 << nieznane;
    QTest::newRow("I (także I+)") << 1 << t("I 98 200 20 10/350 300 10000 5x5 20 10 20");
    QTest::newRow("II") << 2 << t("II 95 150 15 10/350 225 5600 10x10 30 15 30");
    QTest::newRow("III") << 3 << t("III 90 100 10 10/350 150 2500 15x15 45 20 45");
    QTest::newRow("IV") << 4 << t("IV 80 100 10 10/350 150 2500 20x20 60 25 60");
    QTest::newRow("kod ujemny") << -1 << nieznane;
    QTest::newRow("kod za duży") << 5 << nieznane;
}

void TestInfoForm::teksty()
{
    QFETCH(int, klasa);
    QFETCH(QStringList, teksty);

    TInfo_form f(kerwano::Klasa{klasa});
    const QList<QLabel *> panele = Panele(f);
    for (int i = 0; i < panele.size(); ++i) {
        QVERIFY2(panele[i], nazwy_paneli[i]);
        QCOMPARE(panele[i]->objectName(), QLatin1String(nazwy_paneli[i]));
        QCOMPARE(panele[i]->text(), teksty[i]);
    }
}

void TestInfoForm::zamykanie_data()
{
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<int>("wynik");

    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("przycisk OK") << -1 << int(QDialog::Accepted);
    QTest::newRow("ikona zamknięcia") << -2 << int(QDialog::Rejected);
}

void TestInfoForm::zamykanie()
{
    QFETCH(int, klawisz);
    QFETCH(int, wynik);

    TInfo_form f(kerwano::Klasa(3));
    f.setResult(-1);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(W<QPushButton>(&f, "Button1")->objectName(), QStringLiteral("Button1"));
    QCOMPARE(W<QPushButton>(&f, "Button1")->text(), QStringLiteral("OK"));
    QVERIFY(W<QPushButton>(&f, "Button1")->isDefault());

    if (klawisz == -1)
        QTest::mouseClick(W<QPushButton>(&f, "Button1"), Qt::LeftButton);
    else if (klawisz == -2)
        f.close();
    else
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : static_cast<QWidget *>(&f),
                        Qt::Key(klawisz));

    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), wynik);
}

void TestInfoForm::okno()
{
    TInfo_form f(kerwano::Klasa(1));
    QCOMPARE(f.windowTitle(), QStringLiteral("Zwody i przewody odprowadzające"));
    // The design's size at the default font, never less than its layout
    // needs; resizable.
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.minimumSize(), f.minimumSizeHint());
    QCOMPARE(f.size(), QSize(728, 410).expandedTo(f.minimumSize()));
    QVERIFY(f.maximumSize().width() > f.minimumSize().width());

    // Tab stops on the class and on every box, each read as one sentence,
    // then on "OK"; each shows where the focus is.
    QStringList zdania;
    for (int i = 0; i < 12; ++i) {
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        if (w != W<QPushButton>(&f, "Button1")) {
            zdania << w->accessibleName();
            const QImage bez = w->grab().toImage();
            w->clearFocus();
            const bool rozne = bez != w->grab().toImage();
            w->setFocus(Qt::TabFocusReason);
            QVERIFY2(rozne, qPrintable(w->accessibleName()));
        }
        QTest::keyClick(w, Qt::Key_Tab);
    }
    QCOMPARE(zdania.size(), 11);
    QCOMPARE(zdania.first(), QStringLiteral("Obliczona klasa ochronności obiektu: I"));
    QVERIFY(zdania.contains(QStringLiteral("Skuteczność ochrony: E = 98 %")));
    QVERIFY(zdania.contains(QStringLiteral("Kształt impulsu: t czoła/t półszczytu = 10/350 us")));
    QVERIFY(zdania.contains(QStringLiteral("Energia właściwa: W/R = 10000 kJ/Ω")));
    QVERIFY(zdania.contains(QStringLiteral("Maksymalne odstępy przewodów odprowadzających: 10 m")));

    const Qt::WindowFlags flagi = f.windowFlags();
    QVERIFY(flagi.testFlag(Qt::WindowCloseButtonHint) && flagi.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!(flagi & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
}

void TestInfoForm::uklad_data()
{
    QTest::addColumn<int>("klasa");
    QTest::addColumn<int>("punkty"); // the interface font's size; 0 the default
    QTest::newRow("brak klasy") << 0 << 0;
    QTest::newRow("I, 9 pt") << 1 << 9;
    QTest::newRow("IV, 12 pt") << 4 << 12;
    QTest::newRow("III, 14 pt") << 3 << 14;
}

// The sheet must stay readable whatever the font: no value cut off, no box
// title clipped, no box sticking out of the window or into its neighbour,
// the boxes of one row equally high; at 14 points it still fits 800 x 600.
void TestInfoForm::uklad()
{
    QFETCH(int, klasa);
    QFETCH(int, punkty);

    const QFont przed = QApplication::font();
    const auto przywroc = qScopeGuard([&] { QApplication::setFont(przed); });
    if (punkty) {
        QFont czcionka = przed;
        czcionka.setPointSize(punkty);
        QApplication::setFont(czcionka);
    }
    TInfo_form f(kerwano::Klasa{klasa});
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QRect okno = f.rect();
    QVERIFY2(f.width() <= 800 && f.height() <= 600,
             qPrintable(QStringLiteral("%1 x %2").arg(f.width()).arg(f.height())));

    for (QLabel *panel : Panele(f))
        QVERIFY2(panel->font().bold(), qPrintable(panel->objectName()));

    const QList<QList<QLabel *>> rzedy = {{W<QLabel>(&f, "Panel_E"), W<QLabel>(&f, "Panel_Is"),
                                           W<QLabel>(&f, "Panel_didt"), W<QLabel>(&f, "Panel_tt"),
                                           W<QLabel>(&f, "Panel_Q"), W<QLabel>(&f, "Panel_WR")},
                                          {W<QLabel>(&f, "Panel_ab"), W<QLabel>(&f, "Panel_R"),
                                           W<QLabel>(&f, "Panel_ods"), W<QLabel>(&f, "Panel_H")}};
    int dol_poprzedniego = W<QLabel>(&f, "Panel_klasa")
                               ->mapTo(&f, QPoint(0, W<QLabel>(&f, "Panel_klasa")->height()))
                               .y();
    for (const QList<QLabel *> &rzad : rzedy) {
        QRect poprzednie;
        int poprzedni_panel = 0;
        for (QLabel *panel : rzad) {
            auto *ramka = qobject_cast<QFrame *>(panel->parentWidget());
            QVERIFY(ramka && ramka != static_cast<QWidget *>(&f));
            const QRect r(ramka->mapTo(&f, QPoint(0, 0)), ramka->size());
            const QString nazwa = panel->objectName();
            QVERIFY2(okno.contains(r), qPrintable(nazwa));
            QVERIFY2(r.top() > dol_poprzedniego, qPrintable(nazwa));
            // Beside the previous box, or (a large font) on a line below it.
            if (!poprzednie.isNull() && r.top() == poprzednie.top()) {
                QVERIFY2(r.left() > poprzednie.right(), qPrintable(nazwa));
                QCOMPARE(r.height(), poprzednie.height());
                QCOMPARE(panel->mapTo(&f, QPoint(0, 0)).y(), poprzedni_panel);
            } else if (!poprzednie.isNull()) {
                QVERIFY2(r.top() > poprzednie.bottom(), qPrintable(nazwa));
            }
            poprzednie = r;
            poprzedni_panel = panel->mapTo(&f, QPoint(0, 0)).y();

            // Every label of the box, the value panel included, shows its
            // whole text.
            for (QLabel *etykieta : ramka->findChildren<QLabel *>()) {
                const QString opis = nazwa + QLatin1String(": ") + etykieta->text();
                QVERIFY2(ramka->rect().contains(etykieta->geometry()), qPrintable(opis));
                const QRect obszar = etykieta->contentsRect();
                if (etykieta->wordWrap()) {
                    QVERIFY2(etykieta->heightForWidth(etykieta->width()) <= etykieta->height(),
                             qPrintable(opis));
                } else {
                    const QRect tekst = etykieta->fontMetrics().boundingRect(
                        obszar, int(etykieta->alignment()), etykieta->text());
                    QVERIFY2(obszar.contains(tekst), qPrintable(opis));
                }
            }
        }
        dol_poprzedniego = poprzednie.bottom();
    }
    QVERIFY(W<QPushButton>(&f, "Button1")->mapTo(&f, QPoint(0, 0)).y() > dol_poprzedniego);
    QVERIFY(qAbs(W<QPushButton>(&f, "Button1")->geometry().center().x() - okno.center().x()) <= 1);
}

QTEST_MAIN(TestInfoForm)
#include "tst_info_form.moc"
