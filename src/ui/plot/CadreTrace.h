// What every plot frame of a study shares: one characteristic of the document drawn for all
// trials on a paint area whose surface outlives the redraws (the XOR cursor moves on it), the
// zoom bars, picking a point with the mouse, the pop-up menu, the read-outs at the cursor, and
// the same drawing on a clipboard picture or a printed page. A frame adds its controls (from
// its .ui), its label, its pop-up entries and any read-out of its own.
#pragma once

#include "core/data/Travail.h"
#include "core/plot/UniteGraphe.h"

#include <QAbstractButton>
#include <QFrame>
#include <QString>

#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QSlider;

namespace zyv {

class HoteTrace;
class Services;
class ZoneTrace;

class CadreTrace : public QFrame {
    Q_OBJECT
public:
    CadreTrace(Etude& e, Services& services, HoteTrace& hote, QWidget* parent = nullptr);
    ~CadreTrace() override;

    int NumCaract = 1; // slot of the document's characteristics shown, 0..4
    TGraphe GrapheEcran;
    TGraphe GrapheImage;
    TGraphe GraphePage;
    TCourbe Courbe; // the trial handled last

    // The study window's redraw after it has laid out its frames.
    virtual void tracecaract();
    // Full redraw of the paint area (names, label, axes, trials); the cursor waits for curseur.
    virtual void tracegraphe();
    // Zoom bars and both axis configurations of g from the characteristic.
    void cfgaxe(TGraphe& g);
    // Both axis configurations alone; false without a valid characteristic.
    bool Axes(TaxeC& x, TaxeC& y) const;
    virtual void setCb(int t);
    virtual void tracecourbe();
    // The marker of point i of trial t, drawn without redrawing the rest.
    void tracepoint(int t, int i);
    // Cursor and read-outs from MesureCourante.
    virtual void curseur();
    // Draw on GrapheImage / GraphePage, whose Surface, Cadre, Couleurs, Police and TaillePolice
    // the caller has set.
    void Copiercaract();
    void Imprimercaract();
    // The current trial's values of the frame's two quantities, as text on the clipboard.
    virtual void CopierValeurs();
    std::string TexteValeurs() const;
    // Results the frame prints beside its plot, a caption then its value; none by default.
    virtual std::vector<std::string> LecturesImprimees() const { return {}; }
    // The plot as a 190 mm x 140 mm picture on the clipboard.
    virtual void CopierImage();
    // Y symbol(X symbol), e.g. "C(N)"; empty without a valid characteristic.
    QString TexteCaract() const;
    // The whole name a quantity box shows, even shrunk or cut short.
    static QString NomEntier(const QLabel* l);
    // The characteristic shown; null when NumCaract or one of its quantities is out of range.
    const TCaract* Caract() const;
    // Enabling of the pop-up entries, computed each time the menu opens.
    virtual void PopupMenu1Popup() = 0;
    // The characteristic dialog for this frame's characteristic; also "Modification de la
    // caractéristique".
    void ButtonCarClick();
    // "Echelle automatique": the zooms that show every point, and the live reading during an
    // acquisition, then a redraw. A zoom bar the frame hides is left alone.
    void EchelleAutomatique();

protected:
    struct Controles {
        ZoneTrace* PaintBox1 = nullptr;
        QSlider* ZoomX = nullptr;
        QSlider* ZoomY = nullptr;
        QLabel* TextVariableX = nullptr;
        QLabel* TextVariableY = nullptr;
        QLabel* TextValeurX = nullptr;
        QLabel* TextValeurY = nullptr;
        QMenu* PopupMenu1 = nullptr;
    };
    // Called once by the frame after building its controls.
    void Attache(const Controles& c);
    // The pop-up entries of the study frames, in menu order.
    struct Entrees {
        QAction* Suppressiondupoint1 = nullptr;
        QAction* Suppressiondetouslespoints1 = nullptr;
        QAction* Nouvelessai1 = nullptr;
        QAction* Modificationdelacaracteristique1 = nullptr;
        QAction* Copierlacaracteristique1 = nullptr;
        QAction* Copierlesvaleurs1 = nullptr;
    };
    // A study frame's pop-up menu holding these entries, acting on the host and this frame.
    QMenu* MenuEntrees(const Entrees& e);
    // Attache from a study frame's .ui, whose controls and entries bear the common names; the
    // characteristic button too. Returns the pop-up menu, to which the frame may add entries.
    template <class U> QMenu* AttacheUi(U& ui) {
        QMenu* menu = MenuEntrees({ui.Suppressiondupoint1, ui.Suppressiondetouslespoints1,
                                   ui.Nouvelessai1, ui.Modificationdelacaracteristique1,
                                   ui.Copierlacaracteristique1, ui.Copierlesvaleurs1});
        Attache({ui.PaintBox1, ui.ZoomX, ui.ZoomY, ui.TextVariableX, ui.TextVariableY,
                 ui.TextValeurX, ui.TextValeurY, menu});
        connect(ui.ButtonCar, &QAbstractButton::clicked, this, &CadreTrace::ButtonCarClick);
        return menu;
    }
    // What the study frames' entries' enabling depends on.
    struct EtatMenu {
        bool PointChoisi = false;  // MesureCourante holds a point
        bool CourantPlein = false; // the current trial has a point
        bool UnPoint = false;      // some trial has a point
    };
    EtatMenu EtatEntrees() const;
    // Ends the pop-up menu with "Echelle automatique".
    void AjouteEchelleAutomatique(QMenu* menu);
    virtual void AfficheLibelle(const QString& libelle) = 0;
    // The Y axes of the frames stacked with this one, for g's next layout.
    void Aligne(TGraphe& g);
    // Left press or drag at (x, y) of the paint area.
    virtual void Pointe(int x, int y);
    void ZoomXChange(int position);
    void ZoomYChange(int position);
    void showEvent(QShowEvent* ev) override;
    // Axes and trials of the characteristic on g, laid out on g's own surface and rectangle.
    virtual void Dessine(TGraphe& g);
    const TGrandeur& Grandeur(int q) const { return etude_.Travail.Grandeurs[q]; }
    // The current trial when it is one of the study's, else null.
    const TEssai* EssaiCourant() const;

    Etude& etude_;
    Services& services_;
    HoteTrace& hote_;
    Controles c_;

private:
    // A resize or a showing after a hidden redraw asks for one redraw and the host's cursor,
    // once the event loop is back, unless the host has redrawn in between.
    void PrevoitRetrace();
    std::vector<TaxeC> axesAlignes_;
    bool aRetracer_ = true;
    bool retracePrevu_ = false;
};

} // namespace zyv
