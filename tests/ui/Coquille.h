// The program's run for the widget tests: the real windows in a temporary start-up directory,
// on the simulated bench ("SIMUL") or a scripted module (any other port name).
#pragma once

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "core/link/ListePorts.h"
#include "core/link/PortCom.h"
#include "core/link/TransportScripte.h"
#include "core/plot/Disposition.h"
#include "core/sim/Banc.h"
#include "core/studies/ProfilCharge.h"
#include "ui/app/TZYV2.h"
#include "ui/link/TConfigCom.h"
#include "ui/link/TFormConnection.h"
#include "ui/plot/CadreTrace.h"
#include "ui/socle/Fenetres.h"
#include "ui/socle/ServicesEssai.h"
#include "ui/socle/TFormBancSimule.h"
#include "ui/socle/TFormVisualisationPDF.h"
#include "ui/studies/TFormCaracteristique.h"
#include "ui/studies/TFormCharge.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPdfDocument>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace zyv {

// Runs geste on the next modal dialog as soon as it is open; the flag tells it has run.
inline std::shared_ptr<bool> SurDialogue(std::function<void(QDialog*)> geste) {
    auto fait = std::make_shared<bool>(false);
    auto* t = new QTimer;
    t->setInterval(5);
    QObject::connect(t, &QTimer::timeout, [t, geste, fait] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d == nullptr) return;
        t->stop();
        t->deleteLater();
        geste(d);
        *fait = true;
    });
    t->start();
    return fait;
}

// What assistive technology reads of a control, and an action it runs on it.
inline QString Lu(QWidget* w, QAccessible::Text t = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(w)->text(t);
}
inline void Actionne(QWidget* w,
                     const QString& action = QAccessibleActionInterface::toggleAction()) {
    QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(action);
}

// A characteristic dialog answered with OK on its preselection (motor: N against C).
inline std::shared_ptr<bool> AccepteCaract() {
    return SurDialogue(
        [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("BtnOK"))->click(); });
}

struct Coquille {
    QTemporaryDir Dossier;
    QString RepertoireAvant = QDir::currentPath();
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    HorlogeSysteme Horloge;
    Banc BancSimule;
    HorlogeManuelle HorlogeModule; // the double's own time: its replies are readable at once
    std::shared_ptr<test::TransportScripte> Module =
        std::make_shared<test::TransportScripte>(HorlogeModule);
    TPortCom Port{[this](const std::string& nom) -> std::shared_ptr<Transport> {
                      if (nom == NomPortSimule)
                          return std::make_shared<TransportSimule>(BancSimule, Horloge);
                      return Module;
                  },
                  Horloge};
    ModuleZYV Liaison{*E, Port, Horloge};
    ServicesEssai Services;
    Fenetres F;
    std::vector<std::string> PortsPresents{"ttyS0", "ttyUSB10"};
    bool ListeEnPanne = false;

    std::unique_ptr<TZYV2> ZYV2;
    std::unique_ptr<TConfigCom> ConfigCom;
    std::unique_ptr<TFormConnection> FormConnection;
    std::unique_ptr<TFormVisualisationPDF> Aide;
    std::unique_ptr<TFormBancSimule> FormBanc;

    // port: the configuration file's port; nullopt: no configuration file at all.
    explicit Coquille(std::optional<std::string> port) {
        Module->Repond(0xFD, {'Z', 'Y', 'V', '1', '1', '0'});
        Lira({2430, 1360, 3450, 253, 2000, 1000});
        QDir::setCurrent(Dossier.path());
        if (port) {
            auto e = std::make_unique<Etude>();
            e->RepertoireProgramme = Dossier.path().toStdString();
            e->Config.ChoisitPort(*port);
            EcrireConfig(*e, Services);
        }
        ZYV2 = std::make_unique<TZYV2>(*E, Liaison, Services, F);
        ConfigCom = std::make_unique<TConfigCom>(
            *E, Services, [this]() -> std::optional<std::vector<std::string>> {
                if (ListeEnPanne) return std::nullopt;
                return PortsPresents;
            });
        F.ConfigCom = ConfigCom.get();
        FormConnection = std::make_unique<TFormConnection>(*E, Liaison, F, ZYV2.get());
        Aide = std::make_unique<TFormVisualisationPDF>(*E);
        F.FormVisualisationPDF = Aide.get();
        FormBanc = std::make_unique<TFormBancSimule>(BancSimule, Liaison);
        F.FormBancSimule = FormBanc.get();
    }
    ~Coquille() { QDir::setCurrent(RepertoireAvant); } // windows go in reverse order

    template <typename T = QWidget> T* Trouve(QWidget* dans, const char* nom) const {
        return dans->findChild<T*>(QString::fromLatin1(nom));
    }
    QString Texte(QWidget* dans, const char* nom) const {
        return Trouve<QLabel>(dans, nom)->text();
    }
    void Clique(QWidget* dans, const char* nom) const {
        QTest::mouseClick(Trouve<QPushButton>(dans, nom), Qt::LeftButton);
    }
    long Ouvertures() const {
        return std::count(Module->Traces.begin(), Module->Traces.end(), "open");
    }
    // The scripted module's readings from now on.
    void Lira(const TrameMesure& t) const {
        const auto trame = EncodeTrame(t);
        Module->Repond(0xFF, std::vector<std::uint8_t>(trame.begin(), trame.end()));
    }
    bool Boutons() const { return Trouve(FormConnection.get(), "PanelBoutons")->isVisible(); }
};

// A study window (characteristic or load) with its dialogs, on a scripted module on ttyS0.
template <class Vue> struct PosteEtude : Coquille {
    TGenerateurAleatoire Hasard;
    std::unique_ptr<Vue> Fenetre;
    std::unique_ptr<TNouvelCaract> Dialogue = std::make_unique<TNouvelCaract>(*E);
    std::unique_ptr<TFormTrierPoints> Tri = std::make_unique<TFormTrierPoints>(*E);

    explicit PosteEtude(std::optional<std::string> port = std::string("ttyS0"))
        : Coquille(std::move(port)) {
        if constexpr (std::is_same_v<Vue, TFormCharge>)
            Fenetre = std::make_unique<Vue>(*E, Liaison, Services, F, Hasard);
        else
            Fenetre = std::make_unique<Vue>(*E, Liaison, Services, F);
        F.NouvelCaract = Dialogue.get();
        F.FormTrierPoints = Tri.get();
    }
    template <typename T = QWidget> T* W(const char* nom) const {
        return Trouve<T>(Fenetre.get(), nom);
    }
    QAction* A(const char* nom) const { return W<QAction>(nom); }
    // "Caractéristique moteur" pressed in the main window, its dialog answered OK: N(C).
    bool OuvreMoteur() {
        const auto fait = AccepteCaract();
        QTest::mouseClick(Trouve<QPushButton>(ZYV2.get(), "ButtonCaractMoteur"), Qt::LeftButton);
        return QTest::qWaitFor([&] { return *fait; }, 5000);
    }
    // Waits for the window to show the given speed read from the module, then takes it.
    bool Prend(int vitesse) {
        Lira({2400, 1000, static_cast<std::uint16_t>(vitesse), 250, 2000, 800});
        if (!QTest::qWaitFor([&] { return E->MesureCourante[GVitesse] == vitesse; }, 5000))
            return false;
        QTest::keyClick(Fenetre.get(), Qt::Key_Space);
        return true;
    }
    QString Val(const char* nom) const { return W<QLabel>(nom)->text(); }
    void Touche(Qt::Key k) { QTest::keyClick(Fenetre.get(), k); }
};

} // namespace zyv
