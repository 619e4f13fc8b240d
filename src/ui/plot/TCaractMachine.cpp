#include "ui/plot/TCaractMachine.h"

#include "ui/plot/HoteTrace.h"

#include "ui_TCaractMachine.h"

#include <QMenu>

namespace zyv {

TCaractMachine::TCaractMachine(Etude& e, Services& services, HoteTrace& hote, QWidget* parent)
    : CadreTrace(e, services, hote, parent), ui_(std::make_unique<Ui::TCaractMachine>()) {
    ui_->setupUi(this);
    PopupMenu1 = AttacheUi(*ui_);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui_->Modelisation1);
    connect(ui_->Modelisation1, &QAction::triggered, this,
            [this] { hote_.Modelisation(NumCaract); });
    AjouteEchelleAutomatique(PopupMenu1);
}

TCaractMachine::~TCaractMachine() = default;

void TCaractMachine::AfficheLibelle(const QString& libelle) {
    ui_->TextCaract->setText(libelle);
}

void TCaractMachine::PopupMenu1Popup() {
    const bool repos = etude_.ModeAcquisition == 0;
    const EtatMenu m = EtatEntrees();
    ui_->Suppressiondupoint1->setEnabled(m.PointChoisi);
    ui_->Suppressiondetouslespoints1->setEnabled(m.CourantPlein);
    ui_->Nouvelessai1->setEnabled(repos && m.CourantPlein);
    ui_->Modificationdelacaracteristique1->setEnabled(repos && m.UnPoint);
    ui_->Copierlacaracteristique1->setEnabled(repos && m.CourantPlein);
    ui_->Copierlesvaleurs1->setEnabled(true);
    ui_->Modelisation1->setEnabled(true);
}

} // namespace zyv
