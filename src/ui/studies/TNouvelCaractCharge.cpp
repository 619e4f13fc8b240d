#include "ui/studies/TNouvelCaractCharge.h"

#include "ui_TNouvelCaractCharge.h"

namespace zyv {

namespace {
// A load curve starts on the quantity the load drives.
constexpr ListeGrandeurs Moteur{QuantitesMoteur, GCouple, GTemps};
constexpr ListeGrandeurs Generatrice{QuantitesGeneratrice, GCourantGene, GTemps};
} // namespace

TNouvelCaractCharge::TNouvelCaractCharge(Etude& e, QWidget* parent)
    : DialogueCaract(e, Moteur, Generatrice, parent),
      ui_(std::make_unique<Ui::TNouvelCaractCharge>()) {
    ui_->setupUi(this);
    Relie(ui_->RadioGroupY, nullptr, ui_->BtnOK, ui_->BitBtn2);
}

TNouvelCaractCharge::~TNouvelCaractCharge() = default;

} // namespace zyv
