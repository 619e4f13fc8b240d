// What a plot frame asks of the study window that holds it: the frame's pop-up entries and its
// characteristic button act on the whole study, not on the frame alone.
#pragma once

#include <vector>

namespace zyv {

class CadreTrace;

class HoteTrace {
public:
    virtual ~HoteTrace() = default;
    // Full refresh of the window (commands, tabs, every frame, read-outs).
    virtual void ActionCar() = 0;
    // Read-outs and the cursor of every frame, from MesureCourante.
    virtual void Curseur() = 0;
    virtual void Supprimepoint() = 0;
    virtual void SupprimeTousPoints() = 0;
    virtual void NouvelEssai1Click() = 0;
    // Modelling of characteristic k (1..4), as the frame of that number asks it.
    virtual void Modelisation(int k) = 0;
    // The characteristic dialog in modify mode for characteristic k, then ActionCar.
    virtual void ModifieCaract(int k) = 0;
    // While a load cycle starts or runs, its trial and the trials around it must stay as they
    // are: the entries that would change them are off.
    virtual bool CycleEnCours() const { return false; }
    // The frames stacked one above the other, whose plots share one left edge; none by default.
    virtual std::vector<const CadreTrace*> CadresAlignes() const { return {}; }

protected:
    HoteTrace() = default;
    HoteTrace(const HoteTrace&) = default;
    HoteTrace& operator=(const HoteTrace&) = default;
};

} // namespace zyv
