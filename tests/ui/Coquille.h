// The program's run for the widget tests: the real windows in a temporary start-up directory,
// on the simulated bench ("SIMUL") or a scripted module (any other port name).
#pragma once

#include "core/data/Fichiers.h"
#include "core/link/ConfigCom.h"
#include "core/link/ListePorts.h"
#include "core/link/PortCom.h"
#include "core/link/TransportScripte.h"
#include "core/plot/Disposition.h"
#include "core/sim/Banc.h"
#include "ui/app/TZYV2.h"
#include "ui/link/TConfigCom.h"
#include "ui/link/TFormConnection.h"
#include "ui/plot/CadreTrace.h"
#include "ui/socle/Fenetres.h"
#include "ui/socle/ServicesEssai.h"
#include "ui/socle/TFormBancSimule.h"
#include "ui/socle/TFormVisualisationPDF.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
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

// Dragged larger, back, maximised and restored: each time, with nothing else redrawing them, the
// shown frames of a study window sit on their slots of the layout rule over the background picture.
template <class Fenetre, class Regle> void VerifieDisposition(Fenetre& f, Regle regle) {
    const QSize avant = f.size();
    const std::function<void()> gestes[] = {[&] { f.resize(avant + QSize(230, 170)); },
                                            [&] { f.resize(avant); }, [&] { f.showMaximized(); },
                                            [&] { f.showNormal(); }};
    for (const auto& geste : gestes) {
        const QSize taille = f.size();
        geste();
        QTRY_VERIFY(f.size() != taille);
        QCoreApplication::processEvents();
        const QRect z = f.template findChild<QWidget*>(QStringLiteral("Imagefond"))->geometry();
        const auto places = regle(TRectDim{z.left(), z.top(), z.width(), z.height()});
        std::size_t k = 0;
        for (const CadreTrace* cadre : f.CaractMachine)
            if (cadre->isVisible()) {
                const TRectDim& r = places[k++];
                QCOMPARE(cadre->geometry(), QRect(r.Left, r.Top, r.Width, r.Height));
            }
    }
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
        // 24,30 V 1,360 A 3450 tr/min 25,3 mN.m 20,00 V 1,000 A
        Module->Repond(0xFF,
                       {0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A, 0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8});
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
        QPushButton* b = Trouve<QPushButton>(dans, nom);
        QVERIFY(b != nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    long Ouvertures() const {
        return std::count(Module->Traces.begin(), Module->Traces.end(), "open");
    }
    bool Boutons() const { return Trouve(FormConnection.get(), "PanelBoutons")->isVisible(); }
};

} // namespace zyv
