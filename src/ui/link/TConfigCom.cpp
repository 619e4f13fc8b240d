#include "ui/link/TConfigCom.h"

#include "ui_TConfigCom.h"

#include <QShowEvent>

namespace zyv {

TConfigCom::TConfigCom(Etude& e, Services& services, ListePortsSysteme ports, QWidget* parent)
    : QDialog(parent), etude_(e), ui_(std::make_unique<Ui::TConfigCom>()) {
    ui_->setupUi(this);
    ui_->ComSelectZYV->Initialise(std::move(ports), services);
    connect(ui_->BitBtnOK, &QPushButton::clicked, this, [this] {
        BitBtnOKClick();
        accept();
    });
    connect(ui_->BitBtn2, &QPushButton::clicked, this, [this] {
        BitBtn2Click();
        reject();
    });
}

TConfigCom::~TConfigCom() = default;

TComSelect* TConfigCom::ComSelectZYV() const {
    return ui_->ComSelectZYV;
}

void TConfigCom::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    if (!ev->spontaneous()) FormShow();
}

void TConfigCom::FormShow() {
    ui_->ComSelectZYV->Setnumcomport(etude_.Config.Port());
}

void TConfigCom::BitBtnOKClick() {
    std::string nom;
    ui_->ComSelectZYV->NomComportSelect(nom);
    if (nom.empty()) return;
    // The record keeps six bytes; a longer device name is kept whole beside them.
    etude_.Config.ChoisitPort(nom);
}

} // namespace zyv
