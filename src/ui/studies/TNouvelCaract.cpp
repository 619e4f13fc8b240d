#include "ui/studies/TNouvelCaract.h"

#include "ui_TNouvelCaract.h"

namespace zyv {

namespace {
constexpr ListeGrandeurs Moteur{QuantitesMoteur, GVitesse, GCouple};
constexpr ListeGrandeurs Generatrice{QuantitesGeneratrice, GTensionGene, GCourantGene};
} // namespace

TNouvelCaract::TNouvelCaract(Etude& e, QWidget* parent)
    : DialogueCaract(e, Moteur, Generatrice, parent), ui_(std::make_unique<Ui::TNouvelCaract>()) {
    ui_->setupUi(this);
    Relie(ui_->RadioGroupY, ui_->RadioGroupX, ui_->BtnOK, ui_->BitBtn2);
}

TNouvelCaract::~TNouvelCaract() = default;

} // namespace zyv
