#include "ui/app/TZYV2.h"

#include "core/data/Cp1252.h"
#include "core/data/Emplacements.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "ui/link/TFormConnection.h"
#include "ui/socle/Recuperation.h"
#include "ui/socle/TFormVisualisationPDF.h"

#include "ui_TZYV2.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

namespace zyv {

namespace {

struct ChampValeur {
    QLabel* Ui::TZYV2::*Champ;
    int Grandeur;
};

// The nine value fields and the quantity each one shows.
constexpr ChampValeur Champs[] = {
    {&Ui::TZYV2::ValCourantMoteur, GCourantMoteur},
    {&Ui::TZYV2::ValTensionMoteur, GTensionMoteur},
    {&Ui::TZYV2::ValPElecMoteur, GPuissanceMoteur},
    {&Ui::TZYV2::Valcouple, GCouple},
    {&Ui::TZYV2::ValVitesse, GVitesse},
    {&Ui::TZYV2::ValPMeca, GPuissanceMeca},
    {&Ui::TZYV2::ValCourantGene, GCourantGene},
    {&Ui::TZYV2::ValTensionGene, GTensionGene},
    {&Ui::TZYV2::ValPelecGene, GPuissanceGene},
};

// Column order of the copied values.
constexpr int OrdreCopie[] = {GTensionMoteur, GCourantMoteur, GPuissanceMoteur,
                              GVitesse,       GCouple,        GPuissanceMeca,
                              GTensionGene,   GCourantGene,   GPuissanceGene};

} // namespace

TZYV2::TZYV2(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres, QWidget* parent)
    : QWidget(parent), SauvegardeEtude(e, services, SaveDialogZYV2), etude_(e), module_(module),
      services_(services), fenetres_(fenetres), ui_(std::make_unique<Ui::TZYV2>()) {
    ui_->setupUi(this);
    setFixedSize(798, 648);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(250);

    connect(&Timer1, &QTimer::timeout, this, &TZYV2::Timer1Timer);
    connect(ui_->ButtonConnecter, &QPushButton::clicked, this, &TZYV2::ButtonConnecterClick);
    connect(ui_->ButtonCaractMoteur, &QPushButton::clicked, this, &TZYV2::ButtonCaractMoteurClick);
    connect(ui_->ButtonChargeMoteur, &QPushButton::clicked, this, &TZYV2::ButtonChargeMoteurClick);
    connect(ui_->ButtonCaractGene, &QPushButton::clicked, this, &TZYV2::ButtonCaractGeneClick);
    connect(ui_->ButtonChargeGene, &QPushButton::clicked, this, &TZYV2::ButtonChargeGeneClick);
    connect(ui_->ButtonOuvrir, &QPushButton::clicked, this, &TZYV2::ButtonOuvrirClick);
    connect(ui_->ButtonCopierValeurs, &QPushButton::clicked, this,
            &TZYV2::ButtonCopierValeursClick);
    connect(ui_->SpeedButtonAide, &QPushButton::clicked, this, &TZYV2::SpeedButtonAideClick);
    connect(ui_->ButtonQuitter, &QPushButton::clicked, this, &TZYV2::ButtonQuitterClick);

    fenetres_.ZYV2 = this;
    fenetres_.SauvegardeEtude = &SauvegardeEtude;
    FormCreate();
}

TZYV2::~TZYV2() = default;

void TZYV2::FormCreate() {
    const Emplacements lieux = EmplacementsPrets(SituationActuelle());
    etude_.RepertoireProgramme = lieux.Programme;
    etude_.RepertoireAide = lieux.Aide;
    NouveauTravail(etude_);
    LireConfig(etude_, services_);
    premierAffichage_ = true;
    const std::string fichiers = QDir(QString::fromStdString(etude_.RepertoireProgramme))
                                     .filePath(QString::fromLatin1(DossierFichiers))
                                     .toStdString();
    OpenDialogZYV2.RepertoireInitial = fichiers;
    SaveDialogZYV2.RepertoireInitial = fichiers;
    Affiche();
    setbuttonConnecter();
}

void TZYV2::showEvent(QShowEvent* ev) {
    QWidget::showEvent(ev);
    // Run after the window is on screen, so that the connection dialog opens over it.
    if (!ev->spontaneous()) QTimer::singleShot(0, this, &TZYV2::FormShow);
}

void TZYV2::FormShow() {
    if (!isVisible()) return;
    if (premierAffichage_) {
        premierAffichage_ = false;
        fenetres_.FormConnection->Montre(this, [this] {
            setbuttonConnecter();
            Timer1.start();
            ProposeRecuperation();
        });
        return;
    }
    setbuttonConnecter();
    Timer1.start();
}

void TZYV2::ProposeRecuperation() {
    Recuperation* copie = SauvegardeEtude.Copie();
    if (copie == nullptr) return;
    // Only copies of programs no longer running: "Non" deletes that copy alone.
    for (const std::string& abandonnee : copie->Abandonnees()) {
        if (!services_.Question(MessageRecuperation)) {
            copie->Jette(abandonnee);
            continue;
        }
        if (copie->Recupere(services_, abandonnee)) OuvreEtude(etude_.Travail.TypeEtude);
        return;
    }
}

void TZYV2::setbuttonConnecter() {
    const bool ouvert = module_.Connecte();
    ui_->ButtonConnecter->setVisible(!ouvert);
    ui_->PanelConnecte->setText(ouvert ? QStringLiteral("Connecté") : QString());
}

void TZYV2::ButtonConnecterClick() {
    fenetres_.FormConnection->Montre(this, [this] {
        setbuttonConnecter();
        Timer1.start();
    });
}

void TZYV2::Timer1Timer() {
    if (!module_.Connecte()) {
        setbuttonConnecter();
        Timer1.stop();
        return;
    }
    module_.LectureValeur();
    Affiche();
}

void TZYV2::Affiche() {
    const bool invalide = etude_.MesureCourante[0] < 0;
    for (const ChampValeur& c : Champs) {
        QLabel* champ = (*ui_).*c.Champ;
        champ->setText(invalide ? QStringLiteral("----")
                                : QString::fromStdString(FormatMesure(etude_, c.Grandeur)));
    }
}

std::string TZYV2::TexteValeurs() const {
    const auto& grandeurs = etude_.Travail.Grandeurs;
    std::string symboles, unites, valeurs;
    bool premier = true;
    for (int q : OrdreCopie) {
        const std::string sep = premier ? "" : "\t";
        const std::string unite = ChampEcrit(Cp1252VersUtf8(grandeurs[q].Unite.Texte()));
        symboles += sep + ChampEcrit(Cp1252VersUtf8(grandeurs[q].Symbole.Texte()));
        unites += sep + (unite.empty() && !premier ? std::string() : "(" + unite + ")");
        valeurs += sep + FormatEntier(etude_.MesureCourante[q], grandeurs[q].Decimales);
        premier = false;
    }
    return symboles + "\r\n" + unites + "\r\n" + valeurs + "\r\n";
}

void TZYV2::Copiervaleurs() {
    services_.CopieTexte(TexteValeurs());
}

void TZYV2::OuvreEtude(int typeEtude) {
    // A study file may carry a kind no button stands for: no window is opened for it.
    if (typeEtude < EtudeCaractMoteur || typeEtude > EtudeChargeGeneratrice) return;
    if (etude_.Travail.TypeEtude != typeEtude) {
        if (!SauvegardeEtude.Avertissement()) return;
        NouveauTravail(etude_);
        etude_.Travail.TypeEtude = typeEtude;
        SauvegardeEtude.AJour();
    }
    if (fenetres_.Complete) fenetres_.Complete();
    const bool charge = typeEtude == EtudeChargeMoteur || typeEtude == EtudeChargeGeneratrice;
    QWidget* etude = charge ? fenetres_.FormCharge : fenetres_.FormCaracteristique;
    if (etude == nullptr) return;
    Timer1.stop();
    etude->show();
    hide();
}

void TZYV2::ButtonOuvrirClick() {
    if (!SauvegardeEtude.Avertissement()) return;
    if (!services_.Ouvrir(OpenDialogZYV2)) return;
    LireTravail(etude_, OpenDialogZYV2.NomFichier, services_);
    SauvegardeEtude.AJour();
    OuvreEtude(etude_.Travail.TypeEtude);
}

void TZYV2::SpeedButtonAideClick() {
    if (fenetres_.Complete) fenetres_.Complete();
    fenetres_.FormVisualisationPDF->Affiche();
}

bool TZYV2::FormClose() {
    if (!etude_.Enregistre && !SauvegardeEtude.Avertissement()) return false;
    Timer1.stop();
    module_.FermeComZYV();
    EcrireConfig(etude_, services_);
    SauvegardeEtude.AJour();
    return true;
}

void TZYV2::closeEvent(QCloseEvent* ev) {
    if (!FormClose()) {
        ev->ignore();
        return;
    }
    ev->accept();
    emit Fermee();
}

} // namespace zyv
