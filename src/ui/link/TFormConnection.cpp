#include "ui/link/TFormConnection.h"

#include "core/link/ConfigCom.h"
#include "ui/link/TConfigCom.h"
#include "ui/socle/TFormVisualisationPDF.h"

#include "ui_TFormConnection.h"

#include <QShowEvent>

namespace zyv {

namespace {
// The module is given this many ticks after the port opened before being asked who it is.
constexpr int TicksAttente = 50;

QString TexteCause(EchecOuverture e) {
    switch (e) {
    case EchecOuverture::AccesRefuse:
        return QString::fromUtf8(TexteAccesRefuse);
    case EchecOuverture::Absent:
        return QString::fromUtf8(TextePortAbsent);
    case EchecOuverture::Occupe:
        return QString::fromUtf8(TextePortOccupe);
    default:
        return {};
    }
}
} // namespace

TFormConnection::TFormConnection(Etude& e, ModuleZYV& module, Fenetres& fenetres, QWidget* parent)
    : QDialog(parent), etude_(e), module_(module), fenetres_(fenetres),
      ui_(std::make_unique<Ui::TFormConnection>()) {
    ui_->setupUi(this);
    ui_->PanelBoutons->hide();
    ui_->TextCause->hide();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, &TFormConnection::Timer1Timer);
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TFormConnection::BitBtn1Click);
    connect(ui_->SpeedButton1, &QPushButton::clicked, this, &TFormConnection::SpeedButton1Click);
    connect(ui_->ButtonConfiguration, &QPushButton::clicked, this,
            &TFormConnection::ButtonConfigurationClick);
    fenetres_.FormConnection = this;
}

TFormConnection::~TFormConnection() = default;

void TFormConnection::Montre(std::function<void()> ensuite) {
    // Modal for its parent only, so that the help it offers stays usable.
    setWindowModality(parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    connect(
        this, &QDialog::finished, this,
        [ensuite = std::move(ensuite)](int) {
            if (ensuite) ensuite();
        },
        Qt::SingleShotConnection);
    show();
}

void TFormConnection::Montre(QWidget* appelant, std::function<void()> ensuite) {
    if (parentWidget() != appelant) setParent(appelant, windowFlags());
    Montre(std::move(ensuite));
}

void TFormConnection::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    if (!ev->spontaneous()) FormShow();
}

void TFormConnection::FormShow() {
    Etat = 0;
    SetConnection();
}

void TFormConnection::SetConnection() {
    ui_->TextCause->clear();
    ui_->TextCause->hide();
    if (etude_.Config.Port().empty()) {
        ui_->Text1->setText(QString::fromUtf8(TexteNonConfiguree));
        ui_->PanelBoutons->show();
        return;
    }
    if (Etat == 0) {
        module_.InitialiseComZYV();
        module_.OuvrirComZYV();
        if (module_.Connecte()) {
            ui_->Text1->setText(QString::fromUtf8(TexteConnexion));
            ui_->PanelBoutons->hide();
            Compteur = 0;
            ui_->ProgressBar1->setValue(0);
            Timer1.start();
        } else {
            ui_->Text1->setText(QString::fromUtf8(TexteErreurConnexion));
            ui_->TextCause->setText(TexteCause(module_.Port().DernierEchec));
            ui_->TextCause->setVisible(!ui_->TextCause->text().isEmpty());
            ui_->PanelBoutons->show();
        }
        return;
    }
    ui_->Text1->setText(QString::fromUtf8(TexteErreurConnexion));
    ui_->PanelBoutons->show();
}

bool TFormConnection::testconnection() {
    const std::string version = module_.LectureVersion();
    return version.compare(0, 3, "ZYV") == 0;
}

void TFormConnection::Timer1Timer() {
    ++Compteur;
    ui_->ProgressBar1->setValue(std::min(Compteur, TicksAttente));
    if (Compteur <= TicksAttente && module_.Connecte()) return;
    const bool ok = Compteur > TicksAttente && module_.Connecte() && testconnection();
    Timer1.stop();
    if (ok) {
        // A run that ended mid-cycle may have left a set-point on the module: release it.
        module_.SetCharge(CommandeFinCycle);
        accept();
        return;
    }
    module_.FermeComZYV();
    Etat = 1;
    SetConnection();
}

void TFormConnection::ButtonConfigurationClick() {
    TConfigCom* config = fenetres_.ConfigCom;
    config->setWindowModality(Qt::ApplicationModal);
    connect(
        config, &QDialog::finished, this,
        [this](int) {
            Etat = 0;
            SetConnection();
        },
        Qt::SingleShotConnection);
    config->show();
}

void TFormConnection::SpeedButton1Click() {
    if (fenetres_.Complete) fenetres_.Complete();
    if (fenetres_.FormVisualisationPDF != nullptr) fenetres_.FormVisualisationPDF->Affiche();
}

void TFormConnection::done(int r) {
    // Leaving while the module is still being waited for: it was never accepted.
    if (Timer1.isActive()) {
        Timer1.stop();
        module_.FermeComZYV();
    }
    QDialog::done(r);
}

} // namespace zyv
