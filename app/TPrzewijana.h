#pragma once

#include <QScrollArea>

// The window's contents in a scroll area. While the screen has room for
// them it asks for all the room they need, so that the window never gets
// smaller than its contents; on a screen too small it asks for none and
// they scroll instead of leaving the screen.
class TPrzewijana : public QScrollArea
{
    Q_OBJECT
public:
    explicit TPrzewijana(QWidget *zawartosc, QWidget *parent = nullptr);

    // Whether the contents take all the room they need (no scrolling).
    void UstawPelna(bool pelna);
    bool pelna() const { return m_pelna; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool viewportEvent(QEvent *zdarzenie) override;

private:
    bool m_pelna = true;
};
