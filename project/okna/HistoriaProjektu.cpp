#include "project/okna/HistoriaProjektu.h"

#include "risk/Wspolczynniki.h"

#include <QUndoCommand>

#include <optional>
#include <utility>

namespace {

// One step: the state before it and the operation that makes it.
class KrokProjektu : public QUndoCommand
{
public:
    KrokProjektu(HistoriaProjektu &historia, kerwano::ModelProjektu &projekt, const QString &tekst,
                 HistoriaProjektu::Operacja operacja, int pole)
        : QUndoCommand(tekst), m_historia(historia), m_projekt(projekt),
          m_operacja(std::move(operacja)), m_pole(pole), m_pisanie(historia.pisanie())
    {
    }

    void redo() override
    {
        m_przed = m_projekt.Stan();
        const kerwano::Przeliczenie zmiana = m_operacja(m_projekt);
        // An operation that changed nothing is no step (a dimension text
        // that is no number changes the text alone).
        if (!zmiana.zmieniono() && m_przed.wymiary == m_projekt.Stan().wymiary)
            setObsolete(true);
        emit m_historia.Zmieniono(zmiana, !m_pierwszy);
        m_pierwszy = false;
    }

    void undo() override
    {
        m_historia.ZamknijPole();
        emit m_historia.Zmieniono(m_projekt.PrzywrocStan(m_przed), true);
    }

    int id() const override { return m_pole > 0 ? 1 : -1; }

    bool mergeWith(const QUndoCommand *inny) override
    {
        const auto *krok = static_cast<const KrokProjektu *>(inny);
        if (krok->m_pole != m_pole || krok->m_pisanie != m_pisanie)
            return false;
        // The state before the first keystroke stays; redo types the last text.
        m_operacja = krok->m_operacja;
        return true;
    }

private:
    HistoriaProjektu &m_historia;
    kerwano::ModelProjektu &m_projekt;
    HistoriaProjektu::Operacja m_operacja;
    kerwano::StanProjektu m_przed;
    int m_pole;
    int m_pisanie;
    bool m_pierwszy = true;
};

// A step that adds an element or deletes one: it keeps the one row it puts
// in or takes out, exactly as it was, and changes that row alone; the rest
// of the project is not touched by it, so it needs no copy of it.
class KrokWiersza : public QUndoCommand
{
public:
    // `nowy`: the element added as the last row; none: row `wiersz` deleted.
    KrokWiersza(HistoriaProjektu &historia, kerwano::ModelProjektu &projekt, const QString &tekst,
                int wiersz, std::optional<kerwano::DaneElementu> nowy)
        : QUndoCommand(tekst), m_historia(historia), m_projekt(projekt), m_nowy(std::move(nowy)),
          m_wiersz(wiersz)
    {
    }

    void redo() override
    {
        kerwano::Przeliczenie zmiana;
        if (m_nowy && m_pierwszy) {
            zmiana = m_projekt.DodajElement(*m_nowy);
            m_wiersz = m_projekt.liczba_elementow();
            m_stan = m_projekt.elementy().Wiersz(m_wiersz);
        } else if (m_nowy) {
            zmiana = m_projekt.WstawWiersz(m_wiersz, m_stan);
        } else {
            m_stan = m_projekt.elementy().Wiersz(m_wiersz);
            zmiana = m_projekt.UsunElement(m_wiersz);
        }
        // A row outside the list deleted is no step.
        if (!zmiana.zmieniono())
            setObsolete(true);
        emit m_historia.Zmieniono(zmiana, !m_pierwszy);
        m_pierwszy = false;
    }

    void undo() override
    {
        m_historia.ZamknijPole();
        emit m_historia.Zmieniono(m_nowy ? m_projekt.UsunElement(m_wiersz)
                                         : m_projekt.WstawWiersz(m_wiersz, m_stan),
                                  true);
    }

private:
    HistoriaProjektu &m_historia;
    kerwano::ModelProjektu &m_projekt;
    std::optional<kerwano::DaneElementu> m_nowy;
    kerwano::WierszElementu m_stan; // the row as it is in the list
    int m_wiersz;
    bool m_pierwszy = true;
};

QString Etykieta(int nr)
{
    QString etykieta = kerwano::Lista(nr).etykieta;
    if (etykieta.endsWith(u':'))
        etykieta.chop(1);
    return etykieta;
}

} // namespace

HistoriaProjektu::HistoriaProjektu(kerwano::ModelProjektu &projekt, QObject *parent)
    : QUndoStack(parent), m_projekt(projekt)
{
    setObjectName(QStringLiteral("HistoriaProjektu"));
}

void HistoriaProjektu::Wykonaj(const QString &tekst, Operacja operacja, int pole)
{
    push(new KrokProjektu(*this, m_projekt, tekst, std::move(operacja), pole));
}

void HistoriaProjektu::Wybor(int nr, int indeks)
{
    Wykonaj(QStringLiteral("zmiana: %1").arg(Etykieta(nr)),
            [nr, indeks](kerwano::ModelProjektu &m) { return m.UstawWybor(nr, indeks); });
}

void HistoriaProjektu::Wymiar(int nr, const QString &tekst)
{
    static const char *const nazwy[kerwano::LICZBA_WYMIAROW] = {
        "zmiana długości budynku", "zmiana szerokości budynku", "zmiana wysokości budynku"};
    Wykonaj(
        QString::fromUtf8(nazwy[nr - 1]),
        [nr, tekst](kerwano::ModelProjektu &m) { return m.UstawWymiar(nr, tekst); }, nr);
}

void HistoriaProjektu::DaneProjektu(const std::array<QString, kerwano::LICZBA_DANYCH> &dane)
{
    Wykonaj(QStringLiteral("zmiana danych projektu"),
            [dane](kerwano::ModelProjektu &m) { return m.UstawDaneProjektu(dane); });
}

void HistoriaProjektu::DodajElement(const kerwano::DaneElementu &element)
{
    push(new KrokWiersza(*this, m_projekt, QStringLiteral("dodanie elementu %1").arg(element.nazwa),
                         0, element));
}

void HistoriaProjektu::ZmienElement(int wiersz, const kerwano::DaneElementu &element)
{
    Wykonaj(
        QStringLiteral("zmiana elementu %1").arg(m_projekt.elementy().Wiersz(wiersz).nazwa),
        [wiersz, element](kerwano::ModelProjektu &m) { return m.ZmienElement(wiersz, element); });
}

void HistoriaProjektu::UsunElement(int wiersz)
{
    push(new KrokWiersza(
        *this, m_projekt,
        QStringLiteral("usunięcie elementu %1").arg(m_projekt.elementy().Wiersz(wiersz).nazwa),
        wiersz, std::nullopt));
}
