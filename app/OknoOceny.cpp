#include "app/OknoOceny.h"

#include "assessment/okna/TOcena_ryzyka_form.h"

#include <QFileInfo>

OknoOceny::OknoOceny(QWidget *glowne, std::function<QStringList()> wymiary)
    : QObject(glowne), m_glowne(glowne), m_wymiary(std::move(wymiary))
{
}

TOcena_ryzyka_form *OknoOceny::Okno()
{
    if (!m_okno) {
        m_okno = new TOcena_ryzyka_form(m_wymiary, m_glowne);
        m_okno->setWindowFlag(Qt::Window);
    }
    return m_okno;
}

void OknoOceny::Pokaz()
{
    TOcena_ryzyka_form *okno = Okno();
    okno->show();
    okno->raise();
    okno->activateWindow();
}

void OknoOceny::OtworzPliki(const QStringList &pliki)
{
    for (const QString &plik : pliki) {
        const QFileInfo info(plik);
        if (!info.suffix().compare(QLatin1String("kwr"), Qt::CaseInsensitive) && info.isFile()) {
            Pokaz();
            m_okno->Otworz(plik);
        }
    }
}

bool OknoOceny::Przywroc(const kerwano::KopiaOdzyskana &kopia, QString &blad)
{
    if (!Okno()->Przywroc(kopia, blad))
        return false;
    Pokaz();
    return true;
}

bool OknoOceny::Zamknij()
{
    return !m_okno || m_okno->close();
}
