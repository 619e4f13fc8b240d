#include "ui/socle/Accessibilite.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace zyv {

namespace {

// Qt's own button interface toggles the state without a click, which no window listens to.
class BoutonBasculant : public QAccessibleWidget {
public:
    explicit BoutonBasculant(QAbstractButton* b) : QAccessibleWidget(b) {}

    QAbstractButton* Bouton() const { return static_cast<QAbstractButton*>(widget()); }

    QAccessible::Role role() const override {
        if (qobject_cast<QCheckBox*>(Bouton()) != nullptr) return QAccessible::CheckBox;
        if (qobject_cast<QRadioButton*>(Bouton()) != nullptr) return QAccessible::RadioButton;
        return QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Bouton()->isChecked();
        s.pressed = Bouton()->isDown();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        QString nom = widget()->accessibleName();
        if (nom.isEmpty()) nom = Bouton()->text().remove(QLatin1Char('&'));
        if (nom.isEmpty()) nom = widget()->toolTip();
        return nom;
    }
    QStringList actionNames() const override {
        QStringList noms;
        if (widget()->isEnabled()) noms << toggleAction() << pressAction();
        return noms + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled()) Bouton()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* Fabrique(const QString&, QObject* objet) {
    auto* b = qobject_cast<QAbstractButton*>(objet);
    if (b == nullptr || !b->isCheckable()) return nullptr;
    return new BoutonBasculant(b);
}

} // namespace

void BasculesCommeClics() {
    // Factories installed last are asked first: this one comes after Qt's own.
    static const bool installee = [] {
        QAccessible::installFactory(Fabrique);
        return true;
    }();
    (void)installee;
}

void NommeControles(QWidget* racine) {
    BasculesCommeClics();
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        // Setting up the form may already have built Qt's own interface for a button.
        if (auto* b = qobject_cast<QAbstractButton*>(w); b != nullptr && b->isCheckable())
            if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b);
                i != nullptr && dynamic_cast<BoutonBasculant*>(i) == nullptr)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
        if (!w->accessibleName().isEmpty()) continue;
        if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && !l->text().isEmpty()) continue;
        QString nom;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            nom = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            nom = g->title();
        if (nom.isEmpty()) nom = w->toolTip();
        nom.remove(QLatin1Char('&'));
        if (!nom.isEmpty()) w->setAccessibleName(nom);
    }
}

} // namespace zyv
