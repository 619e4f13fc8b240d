// The connection dialog: opens the configured port, gives the module time to wake up, then
// accepts it only if it identifies itself.
#pragma once

#include "core/data/Travail.h"
#include "ui/socle/Fenetres.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace Ui {
class TFormConnection;
}

namespace zyv {

class ModuleZYV;

inline constexpr const char* TexteConnexion = "Connexion avec le module";
inline constexpr const char* TexteNonConfiguree = "Connexion non configurée";
inline constexpr const char* TexteErreurConnexion = "Erreur de connexion";
// The line added under "Erreur de connexion" when the port itself could not be opened.
inline constexpr const char* TexteAccesRefuse =
    "Accès au port refusé : l'utilisateur doit être membre du groupe dialout "
    "(puis rouvrir sa session)";
inline constexpr const char* TextePortAbsent = "Port absent : l'adaptateur USB est-il branché ?";
inline constexpr const char* TextePortOccupe = "Port occupé par un autre programme";

class TFormConnection : public QDialog {
    Q_OBJECT
public:
    TFormConnection(Etude& e, ModuleZYV& module, Fenetres& fenetres, QWidget* parent = nullptr);
    ~TFormConnection() override;

    // Shows the dialog modally without blocking the caller; ensuite runs once it has closed.
    void Montre(std::function<void()> ensuite);
    // The same over the window that asks for it (a study window), modal to that window.
    void Montre(QWidget* appelant, std::function<void()> ensuite);

    QTimer Timer1;
    int Etat = 0;     // 0 try to connect, 1 the attempt failed
    int Compteur = 0; // 50 ms ticks since the port opened

    void FormShow();
    void SetConnection();
    bool testconnection();
    void Timer1Timer();
    void BitBtn1Click() { reject(); }
    void ButtonConfigurationClick();
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* ev) override;
    void done(int r) override;

private:
    Etude& etude_;
    ModuleZYV& module_;
    Fenetres& fenetres_;
    std::unique_ptr<Ui::TFormConnection> ui_;
};

} // namespace zyv
