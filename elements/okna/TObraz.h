#pragma once

#include <QSvgWidget>

namespace kerwano {
struct Rysunek;
}

// A picture of a roof element's arrangement or installation layout, 200 x
// 161 pixels, drawn from its SVG resource so that it stays crisp at any
// screen scale, that reports clicks. The element dialog and page 3 show the
// same pictures, each described for screen readers as its arrangement or
// layout says.
class TObraz : public QSvgWidget
{
    Q_OBJECT
public:
    static constexpr QSize ROZMIAR{200, 161};

    explicit TObraz(const kerwano::Rysunek &rysunek, QWidget *parent = nullptr);

signals:
    void Klikniety();

protected:
    void mousePressEvent(QMouseEvent *zdarzenie) override;
};
