#include "core/sim/DossierDemo.h"

#include "core/data/Cp1252.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "core/link/Horloge.h"
#include "core/link/ListePorts.h"
#include "core/link/PortCom.h"
#include "core/plot/EchelleAutomatique.h"
#include "core/sim/Banc.h"
#include "core/studies/ProfilCharge.h"

#include <QDir>
#include <QString>

#include <algorithm>
#include <initializer_list>
#include <memory>

namespace zyv {

namespace {

// Long enough for the bench to settle after a change of voltage or load.
constexpr std::int64_t Stabilisation = 2000; // ms

// A bench, a clock that moves only when told, and the module link on "SIMUL": the same road a
// reading takes in the program, without waiting for real time to pass.
class Seance {
public:
    Seance(Etude& e, std::uint32_t graine)
        : e_(e), banc_(graine), port_(
                                    [this](const std::string&) {
                                        return std::make_shared<TransportSimule>(banc_, horloge_);
                                    },
                                    horloge_),
          module_(e, port_, horloge_) {
        horloge_.RegleHeure(14 * 3600 * 1000); // an afternoon session
        e_.Config.NomPort.Affecte(NomPortSimule);
        e_.Config.NomPortComplet.clear();
        module_.InitialiseComZYV();
        module_.OuvrirComZYV();
    }
    ~Seance() { module_.FermeComZYV(); }

    Banc& Bench() { return banc_; }
    TGenerateurAleatoire& Alea() { return alea_; }

    void Regle(double volts, int charge) {
        banc_.SetTensionAlimentation(volts);
        banc_.SetChargeManuelle(charge);
        horloge_.Avance(Stabilisation);
    }

    // One reading stored as a point of the current trial.
    bool PrendPoint() {
        module_.LectureValeur();
        if (e_.MesureCourante[GNumero] < 0) return false;
        AjoutePoint(e_);
        return true;
    }

    // One 60 s load cycle recorded every 300 ms, as the load study window runs it.
    bool CycleDeCharge() {
        const TEssai& essai = e_.Courant();
        module_.SetCharge(static_cast<std::uint8_t>(essai.Consignes[0] & 0xFF));
        horloge_.Attends(1000);
        module_.SetTemps0();
        if (!PrendPoint()) return false;
        for (;;) {
            horloge_.Avance(300);
            if (!PrendPoint()) return false;
            if (e_.PasCharge >= 120) {
                module_.SetCharge(CommandeFinCycle);
                return true;
            }
            module_.SetCharge(static_cast<std::uint8_t>(essai.Consignes[e_.PasCharge] & 0xFF));
        }
    }

private:
    Etude& e_;
    Banc banc_;
    HorlogeManuelle horloge_;
    TPortCom port_;
    ModuleZYV module_;
    TGenerateurAleatoire alea_; // a session's own: the demo never draws a random profile
};

void Commence(Etude& e, TypeEtudeValeur type, const char* titreUtf8) {
    NouveauTravail(e);
    e.Travail.TypeEtude = type;
    e.Travail.Titre.Affecte(Utf8VersCp1252(titreUtf8));
    e.EssaiCourant = 1;
}

void DefinitCaract(Etude& e, int k, int y, int x) {
    TCaract& c = e.Travail.Caract[k];
    c.Defini = true;
    c.Affiche = true;
    c.GrandeurY = y;
    c.GrandeurX = x;
    c.Quadrants = 1;
}

void Commente(Etude& e, const std::string& texteUtf8) {
    e.Courant().Commentaire.Affecte(Utf8VersCp1252(texteUtf8));
}

std::string Volts(double u) {
    return FormatEntier(static_cast<std::int32_t>(u), 0) + " V";
}

void Termine(Etude& e) {
    for (int k = 1; k <= NbCaractMax; ++k) {
        TCaract& c = e.Travail.Caract[k];
        if (!c.Defini) continue;
        const ZoomsAjustes z = EchelleAutomatique(e.Travail, c, nullptr);
        // Stacked time traces share one time axis, the one a new characteristic gets.
        if (c.GrandeurX != GTemps) c.ZoomX = z.X.value_or(c.ZoomX);
        c.ZoomY = z.Y.value_or(c.ZoomY);
    }
    e.EssaiCourant = 1;
    e.MesureCourante.fill(0);
    e.MesureCourante[GNumero] = -1;
    e.Enregistre = false;
}

// One trial per supply voltage, each sweeping the load from 0 to 150 % in steps of 10 %.
bool EssaisParTension(Etude& e, std::uint32_t graine, std::initializer_list<double> tensions) {
    Seance s(e, graine);
    bool premier = true;
    for (double u : tensions) {
        if (!premier) NouvelEssai(e);
        premier = false;
        Commente(e, "Um = " + Volts(u));
        for (int charge = 0; charge <= 150; charge += 10) {
            s.Regle(u, charge);
            if (!s.PrendPoint()) return false;
        }
    }
    Termine(e);
    return true;
}

} // namespace

bool EnregistreCaractMoteur(Etude& e, std::uint32_t graine) {
    Commence(e, EtudeCaractMoteur, "Caractéristiques du moteur à trois tensions d'alimentation");
    DefinitCaract(e, 1, GVitesse, GCouple);
    DefinitCaract(e, 2, GCourantMoteur, GCouple);
    DefinitCaract(e, 3, GPuissanceMeca, GCouple);
    DefinitCaract(e, 4, GRendementMoteur, GCouple);
    e.Travail.Interpolation = 1;
    return EssaisParTension(e, graine, {12, 18, 24});
}

bool EnregistreCaractGeneratrice(Etude& e, std::uint32_t graine) {
    Commence(e, EtudeCaractGeneratrice,
             "Caractéristiques en charge de la génératrice entraînée par le moteur");
    DefinitCaract(e, 1, GTensionGene, GCourantGene);
    DefinitCaract(e, 2, GPuissanceGene, GCourantGene);
    DefinitCaract(e, 3, GRendementGene, GCourantGene);
    DefinitCaract(e, 4, GTensionGene, GVitesse);
    e.Travail.Interpolation = 1;
    return EssaisParTension(e, graine, {16, 20, 24});
}

bool EnregistreChargeMoteur(Etude& e, std::uint32_t graine) {
    Commence(e, EtudeChargeMoteur, "Moteur sur charge trapézoïdale de 20 % à 120 %");
    DefinitCaract(e, 1, GVitesse, GTemps);
    DefinitCaract(e, 2, GCourantMoteur, GTemps);
    DefinitCaract(e, 3, GPuissanceMeca, GTemps);
    Seance s(e, graine);
    const double tensions[] = {24, 18};
    for (int t = 0; t < 2; ++t) {
        if (t > 0) NouvelEssai(e);
        Commente(e, "Um = " + Volts(tensions[t]));
        SetCharge(e.Courant(), ChargeTrapezoidale, 120, 20, s.Alea());
        s.Regle(tensions[t], 0);
        if (!s.CycleDeCharge()) return false;
    }
    Termine(e);
    return true;
}

bool EnregistreChargeGeneratrice(Etude& e, std::uint32_t graine) {
    Commence(e, EtudeChargeGeneratrice, "Génératrice sur charge cyclique 50 %, de 10 % à 100 %");
    DefinitCaract(e, 1, GTensionGene, GTemps);
    DefinitCaract(e, 2, GCourantGene, GTemps);
    DefinitCaract(e, 3, GPuissanceGene, GTemps);
    Seance s(e, graine);
    s.Regle(24, 0);
    Commente(e, "Um = 24 V");
    SetCharge(e.Courant(), ChargeCyclique50, 100, 10, s.Alea());
    if (!s.CycleDeCharge()) return false;
    Termine(e);
    return true;
}

const std::vector<FichierDemo>& FichiersDemo() {
    static const std::vector<FichierDemo> fichiers = {
        {"Demo caracteristiques moteur.ZYV", EnregistreCaractMoteur, 1},
        {"Demo caracteristiques generatrice.ZYV", EnregistreCaractGeneratrice, 2},
        {"Demo moteur charge variable.ZYV", EnregistreChargeMoteur, 3},
        {"Demo generatrice charge variable.ZYV", EnregistreChargeGeneratrice, 4},
    };
    return fichiers;
}

bool EcrireDossierDemo(const std::string& dossier, Messages& m) {
    const QDir fichiers(QDir(QString::fromStdString(dossier)).filePath(DossierFichiers));
    if (!fichiers.mkpath(QStringLiteral("."))) {
        m.Avertissement(MessageErreurEcriture);
        return false;
    }
    auto e = std::make_unique<Etude>();
    e->RepertoireProgramme = dossier;
    NouveauTravail(*e);
    e->Config.NomPort.Affecte(NomPortSimule);
    if (!EcrireConfig(*e, m)) return false;
    for (const FichierDemo& f : FichiersDemo()) {
        if (!f.Enregistre(*e, f.Graine)) {
            m.Avertissement("Le banc simulé n'a pas répondu");
            return false;
        }
        const QString chemin = fichiers.filePath(QString::fromStdString(f.Nom));
        if (!EcrireTravail(*e, chemin.toStdString(), m)) return false;
    }
    return true;
}

} // namespace zyv
