#pragma once

#include <QFrame>
#include <QUrl>

class QLabel;
class QSvgRenderer;

// Panel2, the side panel: "|X| - Ukryj" above the logo picture, which
// opens the maker's web page.
class TPanel_boczny : public QFrame
{
    Q_OBJECT
public:
    explicit TPanel_boczny(QWidget *parent = nullptr);

    static QUrl AdresStrony();

signals:
    void Label33Click();
    void Image2Click();

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;
    void changeEvent(QEvent *zdarzenie) override;

private:
    QLabel *m_ukryj; // "|X| - Ukryj"
    QWidget *m_logo; // the logo
};
