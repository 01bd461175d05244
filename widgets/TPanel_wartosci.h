#pragma once

#include <QLabel>

// A value panel: a white box in a sunken frame with the value in bold,
// centred (the class panels, the chart's information panel, the class
// parameters sheet). `czerwony` writes the value in red.
class TPanel_wartosci : public QLabel
{
    Q_OBJECT
public:
    explicit TPanel_wartosci(const QString &tekst, QWidget *parent = nullptr,
                             bool czerwony = false);
};
