#pragma once

#include "project/ModelProjektu.h"

#include <QUndoStack>

#include <functional>

// The undo history of a project: every change the user makes goes through
// it as one step, named for the "Edycja" menu. A step remembers the
// project's whole state before it; undo gives that state back exactly and
// redo runs the operation again on it. Adding and deleting an element keep
// just the row they put in or take out, and give back just that row. Typing in one dimension field
// is one step until the typing is closed (the field left, a save, an undo).
class HistoriaProjektu : public QUndoStack
{
    Q_OBJECT
public:
    using Operacja = std::function<kerwano::Przeliczenie(kerwano::ModelProjektu &)>;

    explicit HistoriaProjektu(kerwano::ModelProjektu &projekt, QObject *parent = nullptr);

    // The operations of the pages and dialogs, each a step.
    void Wybor(int nr, int indeks);
    void Wymiar(int nr, const QString &tekst);
    void DaneProjektu(const std::array<QString, kerwano::LICZBA_DANYCH> &dane);
    void DodajElement(const kerwano::DaneElementu &element);
    void ZmienElement(int wiersz, const kerwano::DaneElementu &element);
    void UsunElement(int wiersz);

    // Any operation as a step named `tekst`; `pole` (1..3) for typing in a
    // dimension field, which joins the step before it of the same field.
    void Wykonaj(const QString &tekst, Operacja operacja, int pole = 0);
    // The typing in a dimension field ends: the next is a step of its own.
    void ZamknijPole() { ++m_pisanie; }
    int pisanie() const { return m_pisanie; }

signals:
    // What a step changed. `caly`: the state was given back or an operation
    // redone, so whatever the pages show of the project is shown anew (of
    // one row put in or taken out, that row).
    void Zmieniono(const kerwano::Przeliczenie &zmiana, bool caly);

private:
    kerwano::ModelProjektu &m_projekt;
    int m_pisanie = 0;
};
