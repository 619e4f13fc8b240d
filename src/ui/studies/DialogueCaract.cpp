#include "ui/studies/DialogueCaract.h"

#include "core/data/Cp1252.h"
#include "ui/studies/RadioGroup.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>

namespace zyv {

int ListeGrandeurs::Position(int q) const {
    auto it = std::find(Quantites.begin(), Quantites.end(), q);
    return it == Quantites.end() ? -1 : static_cast<int>(it - Quantites.begin());
}

QString NomGrandeur(const Etude& e, int q) {
    return QString::fromStdString(Cp1252VersUtf8(e.Travail.Grandeurs[q].Nom.Texte()));
}

void RelieBoutons(QDialog* d, QPushButton* ok, QPushButton* annuler) {
    ok->setIcon(ok->style()->standardIcon(QStyle::SP_DialogOkButton));
    annuler->setIcon(annuler->style()->standardIcon(QStyle::SP_DialogCancelButton));
    QObject::connect(annuler, &QPushButton::clicked, d, &QDialog::reject);
}

DialogueCaract::DialogueCaract(Etude& e, const ListeGrandeurs& moteur,
                               const ListeGrandeurs& generatrice, QWidget* parent)
    : QDialog(parent), etude_(e), moteur_(moteur), generatrice_(generatrice) {}

void DialogueCaract::Relie(RadioGroup* y, RadioGroup* x, QPushButton* ok, QPushButton* annuler) {
    y_ = y;
    x_ = x;
    RelieBoutons(this, ok, annuler);
    connect(ok, &QPushButton::clicked, this, &DialogueCaract::BtnOKClick);
}

void DialogueCaract::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    if (!ev->spontaneous()) FormShow();
}

void DialogueCaract::Remplit(const ListeGrandeurs& liste) {
    liste_ = &liste;
    QStringList noms;
    for (int q : liste.Quantites) noms << NomGrandeur(etude_, q);
    for (RadioGroup* g : {y_, x_})
        if (g != nullptr) g->SetItems(noms);
}

void DialogueCaract::setItemsMoteur() {
    Remplit(moteur_);
}

void DialogueCaract::setItemsGeneratrice() {
    Remplit(generatrice_);
}

void DialogueCaract::Preselectionne(RadioGroup* groupe, int q, int defaut) {
    if (groupe == nullptr) return;
    // A quantity the list does not offer (a study file may hold any) falls back to the default,
    // so that a selection always exists.
    int i = liste_->Position(q);
    groupe->SetItemIndex(i >= 0 ? i : liste_->Position(defaut));
}

void DialogueCaract::FormShow() {
    const int type = etude_.Travail.TypeEtude;
    if (type == EtudeCaractGeneratrice || type == EtudeChargeGeneratrice)
        setItemsGeneratrice();
    else
        setItemsMoteur();
    const bool modifie = ModeCaract == 1;
    setWindowTitle(modifie ? QStringLiteral("Modification d'une caractéristique")
                           : QStringLiteral("Nouvelle caractéristique"));
    // A narrow form would have its caption cut in the title bar: room for the caption in a
    // bold title font, with the icon and the buttons beside it.
    if (largeurDessin_ == 0) largeurDessin_ = width();
    QFont gras = font();
    gras.setBold(true);
    const QFontMetrics m(gras);
    setFixedWidth(std::max(largeurDessin_, m.horizontalAdvance(windowTitle()) + 8 * m.height()));
    const TCaract* c = modifie && NumCaract >= 1 && NumCaract <= NbCaractMax
                           ? &etude_.Travail.Caract[NumCaract]
                           : nullptr;
    Preselectionne(y_, c ? c->GrandeurY : -1, liste_->DefautY);
    Preselectionne(x_, c ? c->GrandeurX : -1, liste_->DefautX);
}

void DialogueCaract::BtnOKClick() {
    const int iy = y_->ItemIndex();
    const int ix = x_ != nullptr ? x_->ItemIndex() : 0;
    // The number is the caller's: one outside 1..4 would write past the characteristics.
    if (liste_ == nullptr || iy < 0 || ix < 0 || NumCaract < 1 || NumCaract > NbCaractMax) {
        reject();
        return;
    }
    TCaract& c = etude_.Travail.Caract[NumCaract];
    c.Defini = true;
    c.Affiche = true;
    c.GrandeurY = liste_->Quantites[iy];
    c.GrandeurX = x_ != nullptr ? liste_->Quantites[ix] : GTemps;
    c.Quadrants = 1;
    etude_.Enregistre = false;
    accept();
}

} // namespace zyv
