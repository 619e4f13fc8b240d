#include "ui/app/Traductions.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zyv {

void InstalleTraductionsFrancaises(QApplication& app) {
    const QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    auto* traducteur = new QTranslator(&app);
    const QStringList dossiers = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QApplication::applicationDirPath() +
                                      QStringLiteral("/translations")};
    for (const QString& dossier : dossiers) {
        if (traducteur->load(francais, QStringLiteral("qtbase"), QStringLiteral("_"), dossier)) {
            QApplication::installTranslator(traducteur);
            return;
        }
    }
    // Without the catalogue Qt keeps its English captions; the program's own texts stay French.
    delete traducteur;
}

} // namespace zyv
