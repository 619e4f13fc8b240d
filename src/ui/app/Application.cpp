#include "ui/app/Application.h"

#include "core/data/Travail.h"

#include <QApplication>
#include <QLabel>
#include <memory>

namespace zyv {

int LanceApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZYV"));
    auto etude = std::make_unique<Etude>();
    QLabel fenetre(QStringLiteral("ZYV"));
    fenetre.setWindowTitle(QStringLiteral("ZYV"));
    fenetre.resize(798, 648);
    fenetre.show();
    return app.exec();
}

} // namespace zyv
