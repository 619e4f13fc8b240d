#include "ui/studies/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zyv {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), groupe_(new QButtonGroup(this)), disposition_(new QVBoxLayout(this)) {
    disposition_->setSpacing(0);
    connect(groupe_, &QButtonGroup::idClicked, this, &RadioGroup::Click);
}

void RadioGroup::SetItems(const QStringList& items) {
    for (QAbstractButton* b : groupe_->buttons()) {
        groupe_->removeButton(b);
        delete b;
    }
    items_ = items;
    for (int i = 0; i < items_.size(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        b->setAccessibleName(items_[i]);
        // Each item gets an equal band of the frame's height, as the windows were laid out.
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        groupe_->addButton(b, i);
        disposition_->addWidget(b);
    }
}

int RadioGroup::ItemIndex() const {
    return groupe_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* b = groupe_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last checked button by itself.
    groupe_->setExclusive(false);
    for (QAbstractButton* b : groupe_->buttons()) b->setChecked(false);
    groupe_->setExclusive(true);
}

QRadioButton* RadioGroup::Bouton(int index) const {
    return qobject_cast<QRadioButton*>(groupe_->button(index));
}

} // namespace zyv
