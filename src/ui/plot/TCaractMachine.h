// The plot frame of the characteristic study window: one characteristic for every trial, with
// its label, the read-outs at the cursor and the pop-up commands on points, trials and the
// characteristic.
#pragma once

#include "ui/plot/CadreTrace.h"

#include <memory>

class QMenu;

namespace Ui {
class TCaractMachine;
}

namespace zyv {

class TCaractMachine : public CadreTrace {
    Q_OBJECT
public:
    TCaractMachine(Etude& e, Services& services, HoteTrace& hote, QWidget* parent = nullptr);
    ~TCaractMachine() override;

    QMenu* PopupMenu1 = nullptr;

    void PopupMenu1Popup() override;

protected:
    void AfficheLibelle(const QString& libelle) override;

private:
    std::unique_ptr<Ui::TCaractMachine> ui_;
};

} // namespace zyv
