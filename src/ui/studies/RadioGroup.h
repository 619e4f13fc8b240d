// A framed list of exclusive choices addressed by position: the item index is what the dialogs
// store (a quantity number, a sort order), so the items are plain texts and the choice a number.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace zyv {

class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList Items() const { return items_; }
    // Replaces the items; nothing is selected afterwards.
    void SetItems(const QStringList& items);
    // -1 when nothing is selected.
    int ItemIndex() const;
    // An index outside the items clears the selection.
    void SetItemIndex(int index);
    QRadioButton* Bouton(int index) const;

signals:
    // The user picked an item.
    void Click(int index);

private:
    QStringList items_;
    QButtonGroup* groupe_;
    QVBoxLayout* disposition_;
};

} // namespace zyv
