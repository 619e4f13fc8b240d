#include "ui/app/Application.h"

#include "core/data/Fichiers.h"
#include "core/data/Travail.h"
#include "core/link/ConfigCom.h"
#include "core/link/Horloge.h"
#include "core/link/PortCom.h"
#include "core/sim/Banc.h"
#include "core/studies/ProfilCharge.h"
#include "ui/analysis/TFormModelisation.h"
#include "ui/app/TZYV2.h"
#include "ui/app/Traductions.h"
#include "ui/link/TConfigCom.h"
#include "ui/link/TFormConnection.h"
#include "ui/link/TransportSerie.h"
#include "ui/socle/Fenetres.h"
#include "ui/socle/Recuperation.h"
#include "ui/socle/ServicesQt.h"
#include "ui/socle/TAboutBox.h"
#include "ui/socle/TFormBancSimule.h"
#include "ui/socle/TFormVisualisationPDF.h"
#include "ui/studies/TFormCaracteristique.h"
#include "ui/studies/TFormCharge.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"
#include "ui/studies/TNouvelCaractCharge.h"

#include <QApplication>
#include <QIcon>
#include <memory>

namespace zyv {

int LanceApplication(int argc, char** argv) {
    IgnoreLimiteTailleFichier();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZYV"));
    // The menu entry's icon, on every window too.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/zyv.svg")));
    InstalleTraductionsFrancaises(app);
    // Other windows (help, simulated bench) may still be open: closing the main window ends
    // the run all the same.
    QApplication::setQuitOnLastWindowClosed(false);

    // The one study, port and module link of the run; every window works on these.
    auto etude = std::make_unique<Etude>();
    HorlogeSysteme horloge;
    Banc banc;
    TPortCom port(FabriqueTransportZYV(banc, horloge), horloge);
    ModuleZYV module(*etude, port, horloge);
    ServicesQt services;
    Fenetres fenetres;
    const ListePortsSysteme ports = []() -> std::optional<std::vector<std::string>> {
        return PortsSysteme();
    };

    // Outlives the windows: their last requests reach the disk before the run ends.
    Recuperation recuperation(*etude, CheminRecuperation());

    // Created once, in this order, and kept for the whole run.
    TZYV2 zyv2(*etude, module, services, fenetres);
    zyv2.SauvegardeEtude.Suit(&recuperation);
    // The one random sequence of the run's load profiles.
    TGenerateurAleatoire hasard;
    TFormCharge formCharge(*etude, module, services, fenetres, hasard);
    TFormCaracteristique formCaracteristique(*etude, module, services, fenetres);
    TNouvelCaract nouvelCaract(*etude);
    fenetres.NouvelCaract = &nouvelCaract;
    TAboutBox aboutBox;
    fenetres.AboutBox = &aboutBox;
    TFormTrierPoints formTrierPoints(*etude);
    fenetres.FormTrierPoints = &formTrierPoints;
    TFormModelisation formModelisation(*etude, services);
    fenetres.FormModelisation = &formModelisation;
    TNouvelCaractCharge nouvelCaractCharge(*etude);
    fenetres.NouvelCaractCharge = &nouvelCaractCharge;
    TConfigCom configCom(*etude, services, ports);
    fenetres.ConfigCom = &configCom;
    TFormConnection formConnection(*etude, module, fenetres, &zyv2);
    TFormVisualisationPDF formVisualisationPDF(*etude);
    fenetres.FormVisualisationPDF = &formVisualisationPDF;
    TFormBancSimule formBancSimule(banc, module);
    fenetres.FormBancSimule = &formBancSimule;

    QObject::connect(&zyv2, &TZYV2::Fermee, &app, &QApplication::quit, Qt::QueuedConnection);
    zyv2.show();
    return app.exec();
}

} // namespace zyv
