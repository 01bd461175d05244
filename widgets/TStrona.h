#pragma once

#include "widgets/TStrona_odroczona.h"

namespace kerwano {
class ModelProjektu;
struct Przeliczenie;
} // namespace kerwano

// A page of the main window. It shows the project and is told what changed,
// every page alike; each redraws only what it shows, and a page not made
// yet keeps it for when it is.
class TStrona : public TStrona_odroczona
{
    Q_OBJECT
public:
    explicit TStrona(const kerwano::ModelProjektu &projekt, QWidget *parent = nullptr)
        : TStrona_odroczona(parent), m_projekt(projekt)
    {
    }

    // The project as the start-up set it or a load applied it: what the user
    // selects and types (no signal is sent for it).
    virtual void PokazProjekt() {}
    // What the model's last recalculation changed; `biezaca` when the page
    // is the one in view.
    virtual void Przeliczono(const kerwano::Przeliczenie &przeliczenie, bool biezaca) = 0;
    // The element list changed. `cicho`: no row is shown on the way (a load
    // shows the current one once it has finished).
    virtual void PokazElementy(bool cicho) { Q_UNUSED(cicho) }
    // The element list changed as `zmiana` says; a page whose table can
    // take one row put in or taken out changes that row alone.
    virtual void PokazZmianeElementow(const kerwano::Przeliczenie &zmiana, bool cicho)
    {
        Q_UNUSED(zmiana)
        PokazElementy(cicho);
    }
    // The page became the one in view.
    virtual void Pokazana() {}
    // The page in view after a load: the element now selected.
    virtual void PokazBiezacy() { Pokazana(); }

protected:
    const kerwano::ModelProjektu &m_projekt;
};
