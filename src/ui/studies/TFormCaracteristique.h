// The characteristic study window: points taken one at a time from the live module into up to
// five trials, plotted in up to four frames, edited, sorted, saved, copied and printed.
#pragma once

#include "ui/studies/TFormEtude.h"

namespace Ui {
class TFormCaracteristique;
}

namespace zyv {

inline constexpr const char* TitreMoteur = "Etude des caracteristiques du moteur à courant continu";
inline constexpr const char* TitreGeneratrice =
    "Etude des caracteristiques de la génératrice à courant continu";

class TFormCaracteristique : public TFormEtude {
    Q_OBJECT
public:
    TFormCaracteristique(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
                         QWidget* parent = nullptr);
    ~TFormCaracteristique() override;

    std::array<TRectDim, NbCaractMax> calculposition(const TRectDim& zone) const override;

    // Acquisition.
    void ButtonManuClick(bool presse);
    void Timer1Timer();
    void ButtonStop1Click() override;

    void TrierPoints(bool tous);
    void FormShow();

protected:
    CadreTrace* CreeCadre(QWidget* parent) override;
    DialogueCaract* Dialogue() const override;
    void AvantSetmenu() override;
    void SetmenuPropre(bool inactif, bool caract) override;
    bool LecturePrete() const override { return lectureValide_; }
    void showEvent(QShowEvent* ev) override;

private:
    std::unique_ptr<Ui::TFormCaracteristique> ui_;
};

} // namespace zyv
