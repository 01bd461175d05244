#pragma once

// A read-only device that hands out its bytes a few at a time and cannot
// seek, like a pipe; a negative `porcja` makes every read fail.

#include <QByteArray>
#include <QIODevice>

#include <cstring>

class Strumien : public QIODevice
{
public:
    Strumien(const QByteArray &dane, qint64 porcja) : m_dane(dane), m_porcja(porcja)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 m_wydano = 0; // bytes handed out so far

protected:
    qint64 readData(char *cel, qint64 ile) override
    {
        if (m_porcja < 0)
            return -1;
        const qint64 n = qMin(qMin(ile, m_porcja), m_dane.size() - m_wydano);
        std::memcpy(cel, m_dane.constData() + m_wydano, size_t(n));
        m_wydano += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_dane;
    qint64 m_porcja;
};
