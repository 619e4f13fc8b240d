// The load selector of the load study window: the profile kind and its two levels, the
// profile drawn over the 60 s cycle, and the current trial's set-points computed from them
// while the trial is empty. A trial holding points only shows its stored settings.
#pragma once

#include "core/data/Travail.h"
#include "core/studies/ProfilCharge.h"

#include <QFrame>

#include <memory>

class QPainter;

namespace Ui {
class TSelectCharge;
}

namespace zyv {

class TSelectCharge : public QFrame {
    Q_OBJECT
public:
    // alea is the program's one random generator; it must outlive the selector.
    TSelectCharge(Etude& e, TGenerateurAleatoire& alea, QWidget* parent = nullptr);
    ~TSelectCharge() override;

    // Set by the owning window: false during an acquisition. Read by action.
    bool Modifiable = false;

    // Selects a kind in the list, even disabled, without running the list's change handler.
    void SetTypeCharge(int type);
    // Enabling, visibility and captions of the controls, Trace, then the two levels shown.
    void action();
    // SetCharge when the current trial is empty, then the drawing of the profile.
    void Trace();
    // The current trial's kind, levels and set-points from the controls.
    void SetCharge();
    void BarY1Change(int position);
    void BarY2Change(int position);
    // Pixel measures of the last drawing.
    const TMesuresTrace& Mesures() const { return mesures_; }

signals:
    // The current trial's kind, levels or set-points have changed. From a repaint the signal
    // comes once the event loop is back.
    void ChargeModifiee();

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    TEssai* Essai() const;
    bool EssaiVide() const;
    void Dessine(QPainter& p);

    Etude& etude_;
    TGenerateurAleatoire& alea_;
    std::unique_ptr<Ui::TSelectCharge> ui_;
    TMesuresTrace mesures_;
    bool dansTrace_ = false;  // Box1 repainted by Trace, which has computed already
    bool enPeinture_ = false; // SetCharge run by a repaint
};

} // namespace zyv
