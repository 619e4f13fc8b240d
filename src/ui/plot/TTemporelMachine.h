// The plot frame of the load study window: one quantity against time for every trial, with the
// mean over the current trial's recording and, for a power or a current, its energy or RMS
// value. The time axis keeps the characteristic's stored zoom: its bar is never shown.
#pragma once

#include "core/studies/MoyenneCharge.h"
#include "ui/plot/CadreTrace.h"

#include <memory>

namespace Ui {
class TTemporelMachine;
}

namespace zyv {

class TTemporelMachine : public CadreTrace {
    Q_OBJECT
public:
    TTemporelMachine(Etude& e, Services& services, HoteTrace& hote, QWidget* parent = nullptr);
    ~TTemporelMachine() override;

    QMenu* PopupMenu1 = nullptr;
    // Results of the last CalculMoyenne, from the last tracecaract or curseur.
    TResultatsMoyenne Resultats;

    // Captions and visibility of the computed rows, CalculMoyenne, then the full redraw.
    void tracecaract() override;
    // Mean, energy and RMS value of the current trial for this frame's characteristic.
    void CalculMoyenne();
    // The base read-outs, then the computed ones, recomputed ("----" for an empty trial).
    void curseur() override;
    void PopupMenu1Popup() override;
    // The mean, and the energy or RMS value, of the current trial as they stand now.
    std::vector<std::string> LecturesImprimees() const override;

protected:
    void AfficheLibelle(const QString& libelle) override;

private:
    std::unique_ptr<Ui::TTemporelMachine> ui_;
};

} // namespace zyv
