// The load study window: the machine followed over a 60 s load cycle, the module's load moving
// along the trial's profile while a point is stored every 300 ms.
#pragma once

#include "ui/studies/TFormEtude.h"

namespace Ui {
class TFormCharge;
}

namespace zyv {

class TGenerateurAleatoire;
class TSelectCharge;

inline constexpr const char* TitreChargeMoteur =
    "Etude d'un moteur à courant continu sur charge variable";
inline constexpr const char* TitreChargeGeneratrice =
    "Etude d'une génératrice à courant continu sur charge variable";

class TFormCharge : public TFormEtude {
    Q_OBJECT
public:
    TFormCharge(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
                TGenerateurAleatoire& hasard, QWidget* parent = nullptr);
    ~TFormCharge() override;

    QTimer Timer2;
    TSelectCharge* SelectCharge = nullptr;

    void ActionTp() { ActionCar(); }
    std::array<TRectDim, NbCaractMax> calculposition(const TRectDim& zone) const override;
    // The shown frames: stacked, they share one time axis.
    std::vector<const CadreTrace*> CadresAlignes() const override;

    // Waiting phase, then the cycle.
    void ButtonTemporelClick(bool presse);
    void Timer1Timer();
    void ButtonAcquisitionAutomatiqueClick();
    void Timer2Timer();
    void ButtonStop1Click() override;
    void FormShow();
    bool CycleEnCours() const override { return demarrage_ || Timer2.isActive(); }

protected:
    CadreTrace* CreeCadre(QWidget* parent) override;
    DialogueCaract* Dialogue() const override;
    void FinActionCar() override;
    void SetmenuPropre(bool inactif, bool caract) override;
    void CurseurPropre() override;
    bool LecturePrete() const override { return lectureValide_; }
    void showEvent(QShowEvent* ev) override;

private:
    void EnvoieConsigne(int pas);
    // Sends 254 once if a set-point of this cycle may still hold the module's load.
    void LibereCharge();

    std::unique_ptr<Ui::TFormCharge> ui_;
    bool demarrage_ = false; // between "Temporel" and the first point of the cycle
    bool chargeImposee_ = false; // a set-point sent, 254 not yet
};

} // namespace zyv
