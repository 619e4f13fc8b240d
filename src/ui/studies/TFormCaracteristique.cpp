#include "ui/studies/TFormCaracteristique.h"

#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "ui/plot/TCaractMachine.h"
#include "ui/socle/Modal.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"

#include "ui_TFormCaracteristique.h"

#include <QShowEvent>

namespace zyv {

TFormCaracteristique::TFormCaracteristique(Etude& e, ModuleZYV& module, Services& services,
                                           Fenetres& fenetres, QWidget* parent)
    : TFormEtude(e, module, services, fenetres, parent),
      ui_(std::make_unique<Ui::TFormCaracteristique>()) {
    ui_->setupUi(this);
    c_.BoutonDepart = ui_->ButtonManu;
    c_.PanelAcquisition = ui_->PanelManu;
    Attache();
    ui_->TabControlCourbes->setStyleSheet(QStringLiteral("QTabBar::tab { width: 80px; }"));

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(200);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TFormCaracteristique::Timer1Timer);
    connect(ui_->Trieressai1, &QAction::triggered, this, [this] { TrierPoints(false); });
    connect(ui_->Triertous1, &QAction::triggered, this, [this] { TrierPoints(true); });
    connect(ui_->ButtonManu, &QPushButton::clicked, this, &TFormCaracteristique::ButtonManuClick);
    connect(ui_->ButtonAcquisitionManuelle, &QPushButton::clicked, this,
            &TFormCaracteristique::Acquerir_et_afficher);
    connect(ui_->ButtonStop1, &QPushButton::clicked, this, &TFormCaracteristique::ButtonStop1Click);
    fenetres_.FormCaracteristique = this;
}

TFormCaracteristique::~TFormCaracteristique() = default;

CadreTrace* TFormCaracteristique::CreeCadre(QWidget* parent) {
    return new TCaractMachine(etude_, services_, *this, parent);
}

DialogueCaract* TFormCaracteristique::Dialogue() const {
    return fenetres_.NouvelCaract;
}

std::array<TRectDim, NbCaractMax> TFormCaracteristique::calculposition(const TRectDim& zone) const {
    return DispositionCaract(zone, NbAffichees());
}

void TFormCaracteristique::AvantSetmenu() {
    ui_->ButtonManu->setEnabled(module_.Connecte());
}

void TFormCaracteristique::SetmenuPropre(bool inactif, bool caract) {
    const bool points = etude_.Travail.Essai(1).DernierPoint >= 0;
    ui_->Trierlespoints1->menuAction()->setEnabled(inactif && caract && points);
    ui_->Configurationmatrielle1->setEnabled(!module_.Connecte());
    ui_->Modelisation1->menuAction()->setEnabled(inactif);
}

void TFormCaracteristique::showEvent(QShowEvent* ev) {
    if (!ev->spontaneous()) FormShow();
    TFormEtude::showEvent(ev);
}

void TFormCaracteristique::FormShow() {
    TFormEtude::FormShow(TitreMoteur, TitreGeneratrice);
}

// ---------------------------------------------------------------------------------------
// Acquisition

void TFormCaracteristique::ButtonManuClick(bool presse) {
    if (!presse || !module_.Connecte()) {
        ButtonStop1Click();
        return;
    }
    DebutAcquisition();
    ActionCar();
}

void TFormCaracteristique::Timer1Timer() {
    module_.LectureValeur();
    if (etude_.MesureCourante[GNumero] < 0) {
        ButtonStop1Click();
        return;
    }
    lectureValide_ = true;
    Curseur();
}

void TFormCaracteristique::ButtonStop1Click() {
    FinAcquisition();
}

// ---------------------------------------------------------------------------------------
void TFormCaracteristique::TrierPoints(bool tous) {
    if (fenetres_.FormTrierPoints == nullptr) return;
    TFormTrierPoints& dialogue = *fenetres_.FormTrierPoints;
    if (ExecModal(dialogue, this) != QDialog::Accepted) return;
    const int premier = tous ? 1 : etude_.EssaiCourant;
    const int dernier = tous ? NbEssaisMax : etude_.EssaiCourant;
    for (int t = premier; t <= dernier; ++t) {
        etude_.Travail.Essai(t).TriGrandeur = dialogue.Grandeur();
        etude_.Travail.Essai(t).TriOrdre = dialogue.Ordre();
    }
    TrieEssais(etude_);
    // The order and the key are saved in the file: leaving must offer to save them.
    etude_.Enregistre = false;
    Modifie();
    // The sorted order is what a picked index refers to: the old pick is gone.
    etude_.MesureCourante[GNumero] = -1;
    ActionCar();
}

} // namespace zyv
