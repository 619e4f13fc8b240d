#include "ui/studies/TFormCharge.h"

#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "ui/plot/TTemporelMachine.h"
#include "ui/socle/Services.h"
#include "ui/studies/TNouvelCaractCharge.h"
#include "ui/studies/TSelectCharge.h"

#include "ui_TFormCharge.h"

#include <QEventLoop>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

namespace zyv {

namespace {
constexpr int PasFinCycle = 120; // 60 s in half-second steps
constexpr std::uint8_t FinCycle = 254;
constexpr int AttenteOrigine = 1000; // ms between the first set-point and the time origin
} // namespace

TFormCharge::TFormCharge(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
                         TGenerateurAleatoire& hasard, QWidget* parent)
    : TFormEtude(e, module, services, fenetres, parent), ui_(std::make_unique<Ui::TFormCharge>()) {
    ui_->setupUi(this);
    c_.BoutonDepart = ui_->ButtonTemporel;
    c_.PanelAcquisition = ui_->PanelAUTO;
    SelectCharge = new TSelectCharge(etude_, hasard, ui_->PanelCharge);
    SelectCharge->setObjectName(QStringLiteral("SelectCharge"));
    ui_->PanelCharge->layout()->addWidget(SelectCharge);
    Attache();
    ui_->TabControlCourbes->setStyleSheet(QStringLiteral("QTabBar::tab { width: 120px; }"));

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    for (QTimer* t : {&Timer1, &Timer2}) {
        t->setInterval(300);
        // Readings on a fixed 300 ms grid: a late tick does not push the next ones back.
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(&Timer1, &QTimer::timeout, this, &TFormCharge::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TFormCharge::Timer2Timer);
    connect(ui_->ButtonTemporel, &QPushButton::clicked, this, &TFormCharge::ButtonTemporelClick);
    connect(ui_->ButtonAcquisitionAutomatique, &QPushButton::clicked, this,
            &TFormCharge::ButtonAcquisitionAutomatiqueClick);
    connect(ui_->ButtonStop2, &QPushButton::clicked, this, &TFormCharge::ButtonStop1Click);
    fenetres_.FormCharge = this;
}

TFormCharge::~TFormCharge() = default;

CadreTrace* TFormCharge::CreeCadre(QWidget* parent) {
    return new TTemporelMachine(etude_, services_, *this, parent);
}

DialogueCaract* TFormCharge::Dialogue() const {
    return fenetres_.NouvelCaractCharge;
}

std::array<TRectDim, NbCaractMax> TFormCharge::calculposition(const TRectDim& zone) const {
    return DispositionCharge(zone, NbAffichees());
}

std::vector<const CadreTrace*> TFormCharge::CadresAlignes() const {
    std::vector<const CadreTrace*> v;
    for (int n = 1; n <= NbCaractMax; ++n)
        if (Affichee(n)) v.push_back(CaractMachine[static_cast<std::size_t>(n - 1)]);
    return v;
}

void TFormCharge::SetmenuPropre(bool inactif, bool caract) {
    ui_->Configurationmatrielle1->setEnabled(inactif);
    SelectCharge->Modifiable = inactif && caract;
}

void TFormCharge::FinActionCar() {
    ui_->ButtonTemporel->setEnabled(etude_.Courant().DernierPoint == -1 && module_.Connecte());
    SelectCharge->SetTypeCharge(etude_.Courant().TypeCharge);
    SelectCharge->action();
}

void TFormCharge::CurseurPropre() {
    const bool temps =
        etude_.MesureCourante[GNumero] >= 0 && (ui_->ButtonAcquisitionAutomatique->isChecked() ||
                                                etude_.Travail.Essai(1).DernierPoint >= 0);
    ui_->ValTemps->setText(temps ? QString::fromStdString(FormatMesure(etude_, GTemps))
                                 : QStringLiteral("----"));
}

void TFormCharge::showEvent(QShowEvent* ev) {
    if (!ev->spontaneous()) FormShow();
    TFormEtude::showEvent(ev);
}

void TFormCharge::FormShow() {
    TFormEtude::FormShow(TitreChargeMoteur, TitreChargeGeneratrice);
}

// ---------------------------------------------------------------------------------------
// Waiting phase

void TFormCharge::ButtonTemporelClick(bool presse) {
    // One cycle a trial: a trial that holds points never starts another.
    if (!presse || !module_.Connecte() || etude_.Courant().DernierPoint != -1) {
        ButtonStop1Click();
        return;
    }
    DebutAcquisition();
    SelectCharge->Modifiable = false;
    SelectCharge->action();
    ActionTp();
}

void TFormCharge::Timer1Timer() {
    module_.LectureValeur();
    etude_.MesureCourante[GTemps] = 0;
    if (etude_.MesureCourante[GNumero] < 0) {
        ButtonStop1Click();
        return;
    }
    lectureValide_ = true;
    Curseur();
}

// ---------------------------------------------------------------------------------------
// The cycle

void TFormCharge::EnvoieConsigne(int pas) {
    module_.SetCharge(static_cast<std::uint8_t>(etude_.Courant().Consignes[pas] & 0xFF));
    chargeImposee_ = true;
}

void TFormCharge::LibereCharge() {
    // A closed port cannot take it: the connection check sends it on the next connection.
    if (chargeImposee_) module_.SetCharge(FinCycle);
    chargeImposee_ = false;
}

void TFormCharge::ButtonAcquisitionAutomatiqueClick() {
    QPushButton* temporel = ui_->ButtonAcquisitionAutomatique;
    // A second press while the cycle runs would restart it over the points already taken.
    // Points taken with Space while waiting are the cycle's start, not a reason to refuse it.
    if (CycleEnCours() || !Acquisition()) {
        services_.Bip();
        const QSignalBlocker bloque(temporel);
        temporel->setChecked(Timer2.isActive() || demarrage_);
        return;
    }
    demarrage_ = true;
    Timer1.stop();
    EnvoieConsigne(0);
    // The module settles on the first set-point; the window keeps painting but takes no input.
    QEventLoop attente;
    QTimer::singleShot(AttenteOrigine, Qt::PreciseTimer, &attente, &QEventLoop::quit);
    attente.exec(QEventLoop::ExcludeUserInputEvents);
    demarrage_ = false;
    if (!Acquisition()) return; // stopped meanwhile
    module_.SetTemps0();
    // Started before the first reading so that every later reading keeps to origin + k x 300 ms.
    Timer2.start();
    module_.LectureValeur();
    if (etude_.MesureCourante[GNumero] < 0) {
        ButtonStop1Click();
        return;
    }
    lectureValide_ = true;
    Acquerir_et_afficher();
    Curseur();
}

void TFormCharge::Timer2Timer() {
    module_.LectureValeur();
    if (etude_.MesureCourante[GNumero] < 0) {
        ButtonStop1Click();
        return;
    }
    Acquerir_et_afficher();
    Curseur();
    if (etude_.PasCharge >= PasFinCycle) {
        ButtonStop1Click(); // releases the load
        return;
    }
    EnvoieConsigne(std::clamp(etude_.PasCharge, 0, NbConsignes - 1));
}

void TFormCharge::ButtonStop1Click() {
    Timer2.stop();
    // Whatever ends the cycle, the module must not keep the last set-point.
    LibereCharge();
    {
        const QSignalBlocker bloque(ui_->ButtonAcquisitionAutomatique);
        ui_->ButtonAcquisitionAutomatique->setChecked(false);
    }
    SelectCharge->Modifiable = true;
    SelectCharge->action();
    FinAcquisition();
}

} // namespace zyv
