#pragma once

#include <QSvgWidget>

// A picture drawn from an SVG resource at a fixed size, crisp at any screen
// scale, that reports clicks.
class TObraz : public QSvgWidget
{
    Q_OBJECT
public:
    TObraz(const QString &plik, const QSize &rozmiar, QWidget *parent = nullptr);

signals:
    void Klikniety();

protected:
    void mousePressEvent(QMouseEvent *zdarzenie) override;
};
