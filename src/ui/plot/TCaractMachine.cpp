#include "ui/plot/TCaractMachine.h"

#include "ui/plot/HoteTrace.h"

#include "ui_TCaractMachine.h"

#include <QMenu>

namespace zyv {

TCaractMachine::TCaractMachine(Etude& e, Services& services, HoteTrace& hote, QWidget* parent)
    : CadreTrace(e, services, hote, parent), ui_(std::make_unique<Ui::TCaractMachine>()) {
    ui_->setupUi(this);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui_->Suppressiondupoint1);
    PopupMenu1->addAction(ui_->Suppressiondetouslespoints1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui_->Nouvelessai1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui_->Modificationdelacaracteristique1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui_->Copierlacaracteristique1);
    PopupMenu1->addAction(ui_->Copierlesvaleurs1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ui_->Modelisation1);
    Attache({ui_->PaintBox1, ui_->ZoomX, ui_->ZoomY, ui_->TextVariableX, ui_->TextVariableY,
             ui_->TextValeurX, ui_->TextValeurY, PopupMenu1});

    connect(ui_->ButtonCar, &QPushButton::clicked, this, &TCaractMachine::ButtonCarClick);
    connect(ui_->Suppressiondupoint1, &QAction::triggered, this, [this] { hote_.Supprimepoint(); });
    connect(ui_->Suppressiondetouslespoints1, &QAction::triggered, this,
            [this] { hote_.SupprimeTousPoints(); });
    connect(ui_->Nouvelessai1, &QAction::triggered, this, [this] { hote_.NouvelEssai1Click(); });
    connect(ui_->Modificationdelacaracteristique1, &QAction::triggered, this,
            &TCaractMachine::ButtonCarClick);
    connect(ui_->Copierlacaracteristique1, &QAction::triggered, this, &TCaractMachine::CopierImage);
    connect(ui_->Copierlesvaleurs1, &QAction::triggered, this, &TCaractMachine::CopierValeurs);
    connect(ui_->Modelisation1, &QAction::triggered, this,
            [this] { hote_.Modelisation(NumCaract); });
}

TCaractMachine::~TCaractMachine() = default;

void TCaractMachine::AfficheLibelle(const QString& libelle) {
    ui_->TextCaract->setText(libelle);
}

void TCaractMachine::ButtonCarClick() {
    hote_.ModifieCaract(NumCaract);
}

void TCaractMachine::PopupMenu1Popup() {
    const bool repos = etude_.ModeAcquisition == 0;
    const TEssai* courant = EssaiCourant();
    const bool courantPlein = courant != nullptr && courant->DernierPoint >= 0;
    bool unPoint = false;
    for (int t = 1; t <= NbEssaisMax; ++t) unPoint |= etude_.Travail.Essai(t).DernierPoint >= 0;
    ui_->Suppressiondupoint1->setEnabled(etude_.MesureCourante[0] >= 0);
    ui_->Suppressiondetouslespoints1->setEnabled(courantPlein);
    ui_->Nouvelessai1->setEnabled(repos && courantPlein);
    ui_->Modificationdelacaracteristique1->setEnabled(repos && unPoint);
    ui_->Copierlacaracteristique1->setEnabled(repos && courantPlein);
    ui_->Copierlesvaleurs1->setEnabled(true);
    ui_->Modelisation1->setEnabled(true);
}

} // namespace zyv
