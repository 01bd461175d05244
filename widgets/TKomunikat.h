#pragma once

#include <QLabel>

// A notice in bold red, centred and wrapped: what page 3 shows in place of
// a picture it cannot show, and the verdict of page 1.
class TKomunikat : public QLabel
{
    Q_OBJECT
public:
    explicit TKomunikat(const QString &tekst, QWidget *parent = nullptr);
};
