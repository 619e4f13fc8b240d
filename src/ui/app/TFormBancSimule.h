// The simulated bench's controls: what a student turns by hand on the real bench (supply
// voltage, manual load) and the set-point last received from the program. Shown while the
// port "SIMUL" is open.
#pragma once

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

protected:
    void closeEvent(QCloseEvent* ev) override;

private:
    void AfficheValeurs();

    Banc& banc_;
    ModuleZYV& module_;
    std::unique_ptr<Ui::TFormBancSimule> ui_;
    // Closed by the user while the bench is connected: stays closed until the next connection.
    bool ecarte_ = false;
    bool place_ = false;
};

} // namespace zyv
