#pragma once

#include <QLabel>

// A notice in bold red, centred and wrapped: what page 3 shows in place of
// a picture it cannot show, and the verdict of page 1. The red is made
// darker or lighter as far as the background it stands on needs, light or
// dark palette alike.
class TKomunikat : public QLabel
{
    Q_OBJECT
public:
    explicit TKomunikat(const QString &tekst, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *zdarzenie) override;
    void showEvent(QShowEvent *zdarzenie) override;

private:
    void UstawKolor();
    bool m_ustawiam = false;
};
