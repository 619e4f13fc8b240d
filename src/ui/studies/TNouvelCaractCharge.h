// The characteristic dialog of a load study: only the Y quantity, X being the time.
#pragma once

#include "ui/studies/DialogueCaract.h"

#include <memory>

namespace Ui {
class TNouvelCaractCharge;
}

namespace zyv {

class TNouvelCaractCharge : public DialogueCaract {
    Q_OBJECT
public:
    explicit TNouvelCaractCharge(Etude& e, QWidget* parent = nullptr);
    ~TNouvelCaractCharge() override;

private:
    std::unique_ptr<Ui::TNouvelCaractCharge> ui_;
};

} // namespace zyv
