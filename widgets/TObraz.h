#pragma once

#include <QSvgWidget>

// A picture of a roof element's arrangement or installation layout, 200 x
// 161 pixels, drawn from its SVG resource so that it stays crisp at any
// screen scale, that reports clicks. The element dialog and page 3 show the
// same five.
class TObraz : public QSvgWidget
{
    Q_OBJECT
public:
    enum class Rysunek
    {
        UkladA,
        UkladB,
        Uklad1,
        Uklad2,
        Uklad3
    };
    static constexpr QSize ROZMIAR{200, 161};

    explicit TObraz(Rysunek rysunek, QWidget *parent = nullptr);

signals:
    void Klikniety();

protected:
    void mousePressEvent(QMouseEvent *zdarzenie) override;
};
