#pragma once

#include <QWidget>

// A page of the main window whose widgets are made when first needed: just
// before it is first shown, or when asked for with Zbuduj(). Until then it
// has no children and shows nothing, so that a start-up pays for the page
// in view alone. A page keeps what it would show in the meantime (the
// project it reads does most of that), and its contents, once made, show
// exactly what they would have shown had they been there all along.
class TStrona_odroczona : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Makes the page's widgets, once.
    void Zbuduj();
    bool zbudowana() const { return m_zbudowana; }

    // Makes the widgets before the page first becomes visible, so that they
    // show with it in the same paint.
    void setVisible(bool widoczna) override;

protected:
    // Creates the page's widgets and shows on them what the page holds.
    virtual void ZbudujZawartosc() = 0;

private:
    bool m_zbudowana = false;
};
