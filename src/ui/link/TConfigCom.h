// The port configuration dialog: the chosen port goes to the configuration, saved at exit.
#pragma once

#include "core/data/Travail.h"
#include "ui/link/TComSelect.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TConfigCom;
}

namespace zyv {

class TConfigCom : public QDialog {
    Q_OBJECT
public:
    TConfigCom(Etude& e, Services& services, ListePortsSysteme ports, QWidget* parent = nullptr);
    ~TConfigCom() override;

    TComSelect* ComSelectZYV() const;

    void FormShow();
    void BitBtnOKClick();
    void BitBtn2Click() {}

protected:
    void showEvent(QShowEvent* ev) override;

private:
    Etude& etude_;
    std::unique_ptr<Ui::TConfigCom> ui_;
};

} // namespace zyv
