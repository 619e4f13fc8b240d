// The program's run for the widget tests: the real windows in a temporary start-up directory,
// on the simulated bench ("SIMUL") or a scripted module (any other port name).
#pragma once

#include "core/data/Fichiers.h"
#include "core/data/Travail.h"
#include "core/link/ConfigCom.h"
#include "core/link/Horloge.h"
#include "core/link/ListePorts.h"
#include "core/link/PortCom.h"
#include "core/sim/Banc.h"
#include "ui/app/Fenetres.h"
#include "ui/app/ServicesEssai.h"
#include "ui/app/TFormBancSimule.h"
#include "ui/app/TFormVisualisationPDF.h"
#include "ui/app/TZYV2.h"
#include "ui/link/TConfigCom.h"
#include "ui/link/TFormConnection.h"
#include "ui/link/TransportScripte.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace zyv {

struct Coquille {
    QTemporaryDir Dossier;
    QString RepertoireAvant = QDir::currentPath();
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    HorlogeSysteme Horloge;
    Banc BancSimule;
    std::shared_ptr<TransportScripte> Module = std::make_shared<TransportScripte>();
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
    ~Coquille() {
        FormBanc.reset();
        Aide.reset();
        FormConnection.reset();
        ConfigCom.reset();
        ZYV2.reset();
        QDir::setCurrent(RepertoireAvant);
    }

    template <typename T = QWidget> T* Trouve(QWidget* dans, const char* nom) const {
        return dans->findChild<T*>(QString::fromLatin1(nom));
    }
};

} // namespace zyv
