#include "widgets/TWalidator_tekstu.h"

#include <QLineEdit>
#include <QToolTip>

TWalidator_tekstu::TWalidator_tekstu(QLineEdit *pole, int pojemnosc, Regula przyjmij)
    : QValidator(pole), m_pole(pole), m_pojemnosc(pojemnosc), m_przyjmij(std::move(przyjmij))
{
    // The field itself no longer cuts: a letter and its accent typed apart
    // must meet before the length is counted.
    pole->setMaxLength(32767);
    pole->setValidator(this);
    pole->setToolTip(QStringLiteral("Najwyżej %1 znaków, tylko znaki strony kodowej Windows-1250")
                         .arg(pojemnosc));
}

QValidator::State TWalidator_tekstu::validate(QString &tekst, int &kursor) const
{
    const Przyjety pole = m_przyjmij(tekst, kursor, m_pojemnosc);
    QStringList uwagi;
    if (!pole.odrzucone.isEmpty())
        uwagi << QStringLiteral("Pominięto znaki spoza strony kodowej Windows-1250: %1")
                     .arg(pole.odrzucone);
    if (pole.obciety)
        uwagi << QStringLiteral("Pole mieści najwyżej %1 znaków").arg(m_pojemnosc);
    if (!uwagi.isEmpty())
        QToolTip::showText(m_pole->mapToGlobal(QPoint(0, m_pole->height())),
                           uwagi.join(QLatin1Char('\n')), m_pole);
    tekst = pole.tekst;
    kursor = pole.kursor;
    return Acceptable;
}
