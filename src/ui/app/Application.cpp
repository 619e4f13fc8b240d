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
#include <QTimer>
#include <functional>
#include <memory>

namespace zyv {

namespace {

// Runs a task once, from the event loop, after the window's first paint has reached the screen.
class ApresPremierePeinture : public QObject {
public:
    ApresPremierePeinture(QWidget& fenetre, std::function<void()> tache)
        : fenetre_(fenetre), tache_(std::move(tache)) {
        fenetre_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override {
        if (objet == &fenetre_ && ev->type() == QEvent::Paint) {
            fenetre_.removeEventFilter(this);
            QTimer::singleShot(0, this, tache_);
        }
        return false;
    }

private:
    QWidget& fenetre_;
    std::function<void()> tache_;
};

} // namespace

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

    // The main window and what it shows at once (the connection dialog and the simulated
    // bench's panel); created once and kept for the whole run.
    TZYV2 zyv2(*etude, module, services, fenetres);
    zyv2.SauvegardeEtude.Suit(&recuperation);
    TConfigCom configCom(*etude, services, ports);
    fenetres.ConfigCom = &configCom;
    TFormConnection formConnection(*etude, module, fenetres, &zyv2);
    TFormBancSimule formBancSimule(banc, module);
    fenetres.FormBancSimule = &formBancSimule;

    // The study windows, their dialogs and the help viewer take longer to build than everything
    // above: they are built once the main window has been painted, or when a study or the help
    // is opened before that, and kept until the end of the run.
    // The one random sequence of the run's load profiles.
    TGenerateurAleatoire hasard;
    std::unique_ptr<TFormCharge> formCharge;
    std::unique_ptr<TFormCaracteristique> formCaracteristique;
    std::unique_ptr<TNouvelCaract> nouvelCaract;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<TFormTrierPoints> formTrierPoints;
    std::unique_ptr<TFormModelisation> formModelisation;
    std::unique_ptr<TNouvelCaractCharge> nouvelCaractCharge;
    std::unique_ptr<TFormVisualisationPDF> formVisualisationPDF;
    fenetres.Complete = [&] {
        if (formCharge) return;
        formCharge = std::make_unique<TFormCharge>(*etude, module, services, fenetres, hasard);
        formCaracteristique =
            std::make_unique<TFormCaracteristique>(*etude, module, services, fenetres);
        nouvelCaract = std::make_unique<TNouvelCaract>(*etude);
        fenetres.NouvelCaract = nouvelCaract.get();
        aboutBox = std::make_unique<TAboutBox>();
        fenetres.AboutBox = aboutBox.get();
        formTrierPoints = std::make_unique<TFormTrierPoints>(*etude);
        fenetres.FormTrierPoints = formTrierPoints.get();
        formModelisation = std::make_unique<TFormModelisation>(*etude, services);
        fenetres.FormModelisation = formModelisation.get();
        nouvelCaractCharge = std::make_unique<TNouvelCaractCharge>(*etude);
        fenetres.NouvelCaractCharge = nouvelCaractCharge.get();
        formVisualisationPDF = std::make_unique<TFormVisualisationPDF>(*etude);
        fenetres.FormVisualisationPDF = formVisualisationPDF.get();
    };
    ApresPremierePeinture apres(zyv2, fenetres.Complete);

    QObject::connect(&zyv2, &TZYV2::Fermee, &app, &QApplication::quit, Qt::QueuedConnection);
    zyv2.show();
    return app.exec();
}

} // namespace zyv
