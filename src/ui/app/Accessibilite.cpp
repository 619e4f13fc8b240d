#include "ui/app/Accessibilite.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QWidget>

namespace zyv {

void NommeControles(QWidget* racine) {
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty()) continue;
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
