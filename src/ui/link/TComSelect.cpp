#include "ui/link/TComSelect.h"

#include "core/link/ListePorts.h"

#include "ui_TComSelect.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace zyv {

TComSelect::TComSelect(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TComSelect>()), groupe_(new QButtonGroup(this)) {
    ui_->setupUi(this);
    groupe_->setExclusive(true);
}

TComSelect::~TComSelect() = default;

void TComSelect::Initialise(ListePortsSysteme source, Services& services) {
    source_ = std::move(source);
    services_ = &services;
}

void TComSelect::EnumComPorts(std::vector<std::string>& items) {
    std::optional<std::vector<std::string>> systeme;
    if (source_)
        systeme = source_();
    else
        systeme.emplace();
    if (!systeme) {
        if (services_ != nullptr) services_->Erreur(MessageErreurListePorts);
        return;
    }
    zyv::EnumComPorts(items, [&systeme] { return *systeme; });
}

int TComSelect::Setnumcomport(const std::string& nom) {
    EnumComPorts(items_);
    Reconstruit();
    int index = -1;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == nom) index = static_cast<int>(i);
    if (index >= 0) groupe_->button(index)->setChecked(true);
    return index;
}

int TComSelect::NumComportSelect() const {
    return groupe_->checkedId();
}

void TComSelect::NomComportSelect(std::string& nom) const {
    nom = zyv::NomComportSelect(items_, NumComportSelect());
}

void TComSelect::Reconstruit() {
    for (QAbstractButton* b : groupe_->buttons()) {
        groupe_->removeButton(b);
        delete b;
    }
    // Nothing checked at first: an exclusive group cannot be emptied once a button is checked.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto* b = new QRadioButton(QString::fromStdString(items_[i]), ui_->RadioGroupCom);
        b->setObjectName(QStringLiteral("RadioCom%1").arg(i));
        ui_->LayoutPorts->insertWidget(static_cast<int>(i), b);
        groupe_->addButton(b, static_cast<int>(i));
        // Added to a frame that may already be on screen.
        b->show();
    }
}

} // namespace zyv
