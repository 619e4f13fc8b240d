#include "ui/studies/TFormTrierPoints.h"

#include "ui/studies/DialogueCaract.h"

#include "ui_TFormTrierPoints.h"

#include <QShowEvent>

namespace zyv {

TFormTrierPoints::TFormTrierPoints(Etude& e, QWidget* parent)
    : QDialog(parent), etude_(e), ui_(std::make_unique<Ui::TFormTrierPoints>()) {
    ui_->setupUi(this);
    RelieBoutons(this, ui_->BitBtnOK, ui_->BitBtnCancel);
    connect(ui_->BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
}

TFormTrierPoints::~TFormTrierPoints() = default;

void TFormTrierPoints::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    if (!ev->spontaneous()) FormShow();
}

void TFormTrierPoints::FormShow() {
    QStringList noms;
    // The time is no sort key: a characteristic study never records it.
    for (int q = GNumero; q < GTemps; ++q) noms << NomGrandeur(etude_, q);
    ui_->RadioGroupSelect->SetItems(noms);
    ui_->RadioGroupSelect->SetItemIndex(0);
    ui_->RadioGroupOrdre->SetItemIndex(0);
}

int TFormTrierPoints::Grandeur() const {
    return ui_->RadioGroupSelect->ItemIndex();
}

int TFormTrierPoints::Ordre() const {
    return ui_->RadioGroupOrdre->ItemIndex();
}

} // namespace zyv
