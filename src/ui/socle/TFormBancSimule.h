// The simulated bench's controls: what a student turns by hand on the real bench (supply
// voltage, manual load) and the set-point last received from the program. Shown while the
// port "SIMUL" is open, above the program's windows, at the bottom of the screen's right edge
// (clear of the study windows' acquisition buttons, at their top right).
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class TFormBancSimule;
}

namespace zyv {

class Banc;
class ModuleZYV;

class TFormBancSimule : public QWidget {
    Q_OBJECT
public:
    TFormBancSimule(Banc& banc, ModuleZYV& module, QWidget* parent = nullptr);
    ~TFormBancSimule() override;

    // Follows the port: appears when "SIMUL" opens, goes when it closes.
    QTimer Timer1;
    void Timer1Timer();
    void TrackBarTensionChange(int dixiemes);
    void TrackBarChargeChange(int pourcent);
    // Shows the window again after the user closed it, while "SIMUL" is the open port.
    void Montre();
    bool Disponible() const;

protected:
    void closeEvent(QCloseEvent* ev) override;

private:
    void AfficheValeurs();
    // The keyboard goes back to the window the student works in, so that Space takes points.
    void RendClavier();

    Banc& banc_;
    ModuleZYV& module_;
    std::unique_ptr<Ui::TFormBancSimule> ui_;
    // Closed by the user while the bench is connected: stays closed until the next connection.
    bool ecarte_ = false;
    bool place_ = false;
    QPointer<QWidget> retour_; // the program's window active before this one
};

} // namespace zyv
