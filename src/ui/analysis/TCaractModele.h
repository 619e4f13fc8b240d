// The plot frame of the modelling window: the working characteristic (slot 0) with the trials'
// points unconnected, the fitted model of every trial over them, and a free measuring cursor
// that reads the coordinates under the mouse and is carried onto the copied picture and the
// printed page.
#pragma once

#include "core/analysis/TexteModeles.h"
#include "core/analysis/UnitMath.h"
#include "ui/plot/CadreTrace.h"

#include <memory>

class QMenu;

namespace Ui {
class TCaractModele;
}

namespace zyv {

class TCaractModele : public CadreTrace {
    Q_OBJECT
public:
    // The models drawn are those of `modeles`, which the modelling window refits.
    TCaractModele(Etude& e, Services& services, HoteTrace& hote, const TModeles& modeles,
                  QWidget* parent = nullptr);
    ~TCaractModele() override;

    // Graph chosen by the target of Droite and TraceModele.
    enum Cible { Ecran = 1, Image = 2, Page = 3 };

    QMenu* PopupMenu1 = nullptr;
    TCourbe CourbeModele;
    // The free cursor: off until a click in the plot; its position in raw units of slot 0.
    bool CurseurLibre = false;
    std::int32_t CurseurLibreX = 0;
    std::int32_t CurseurLibreY = 0;

    void tracegraphe() override;
    void setCb(int t) override;
    void tracecourbe() override;
    void curseur() override;
    void TraceModele(int cible);
    // One straight segment in trial t's style, between two points in raw units.
    void Droite(int t, int cible, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2);
    // "Copier la caractéristique": the picture with a band on top for the cursor read-outs.
    void CopierImage() override;
    // "Copier les équations".
    void CopierValeurs() override;
    // The two read-outs "name : value" on s with their top at y, across a width w.
    void EcritLectures(Surface& s, int y, int largeur);
    void PopupMenu1Popup() override;

protected:
    void AfficheLibelle(const QString& libelle) override;
    void Pointe(int x, int y) override;
    void Dessine(TGraphe& g) override;

private:
    TGraphe& Graphe(int cible);

    std::unique_ptr<Ui::TCaractModele> ui_;
    const TModeles& modeles_;
    TTabValeurs echantillonX_{}, echantillonY_{};
};

} // namespace zyv
