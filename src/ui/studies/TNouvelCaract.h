// The characteristic dialog of a characteristic study: a Y and an X quantity.
#pragma once

#include "ui/studies/DialogueCaract.h"

#include <memory>

namespace Ui {
class TNouvelCaract;
}

namespace zyv {

class TNouvelCaract : public DialogueCaract {
    Q_OBJECT
public:
    explicit TNouvelCaract(Etude& e, QWidget* parent = nullptr);
    ~TNouvelCaract() override;

private:
    std::unique_ptr<Ui::TNouvelCaract> ui_;
};

} // namespace zyv
