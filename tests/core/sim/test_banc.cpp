// The simulated bench, and the demo folder: readable studies that look like a real session.
#include "core/sim/DossierDemo.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "core/plot/TableZoom.h"
#include "core/sim/Banc.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <numbers>

using namespace zyv;

namespace {

TEST(Banc, ProtocoleArretEtBruitReproductible) {
    Banc banc(7), meme(7);
    banc.SetChargeManuelle(40);
    for (auto [octet, consigne] : {std::pair{0, 0}, {150, 150}, {151, 150}, {252, 150}}) {
        EXPECT_TRUE(banc.Recoit(static_cast<std::uint8_t>(octet)).empty());
        EXPECT_EQ(banc.Consigne(), consigne) << octet;
    }
    banc.Recoit(254);
    EXPECT_EQ(banc.ChargeEffective(), 40);

    // Under dry friction the shaft does not turn; the noise never wraps negative.
    // Just short of both machines' dry friction.
    for (Banc* x : {&banc, &meme}) x->SetTensionAlimentation(0.5), x->Avance(2000);
    for (int ms = 0; ms < 10; ++ms, banc.Avance(1)) EXPECT_EQ(banc.Grandeurs().Vitesse, 0.0) << ms;
    const auto arret = banc.Mesure();
    EXPECT_EQ(arret, meme.Mesure()) << "same seed, same noise";
    const TMesure m = DecodeMesure(arret, EtudeCaractMoteur, 0).Mesure;
    EXPECT_TRUE(m[GVitesse] <= 2 && m[GCourantGene] < 10);

    for (Banc* x : {&banc, &meme})
        x->SetTensionAlimentation(24), x->SetChargeManuelle(100), x->Avance(6000);
    for (int i = 0; i < 20; ++i) {
        const auto ma = banc.Mesure();
        EXPECT_EQ(ma, meme.Mesure()) << i;
        const double toursParMinute = banc.Grandeurs().Vitesse * 60 / (2 * std::numbers::pi);
        EXPECT_NEAR(DecodeTrame(ma).N, toursParMinute, 3.5);
    }
    // It only answers a command: a read without one waits out its time-out.
    HorlogeManuelle horloge;
    TransportSimule ligne(banc, horloge);
    std::uint8_t octet = 0;
    EXPECT_TRUE(ligne.open("SIMUL", {}) && ligne.read(&octet, 1, 50) == 0 &&
                horloge.Monotone() == 50);
}

// At the default supply, from no load to 150 %, every quantity stays inside its default view
// (zoom 10, first quadrant) and fills at least the given share of it at no load and at 150 %:
// a student's points and the live cursor are all on the plot, with room used.
TEST(Banc, DeZeroA150PourCentDansLesVuesParDefaut) {
    // {quantity, percent of the view at no load, at 150 %}
    const std::array<int, 3> parts[] = {
        {GVitesse, 65, 55},        {GCouple, 0, 60},        {GPuissanceMeca, 0, 40},
        {GTensionMoteur, 75, 75},  {GCourantMoteur, 0, 50}, {GPuissanceMoteur, 0, 50},
        {GRendementMoteur, 0, 75}, {GTensionGene, 60, 45},  {GCourantGene, 0, 35},
        {GPuissanceGene, 0, 35},   {GRendementGene, 0, 75},
    };
    for (int charge = 0; charge <= 150; charge += 10) {
        Banc banc;
        banc.SetChargeManuelle(charge);
        banc.Stabilise();
        const TMesure m = DecodeMesure(banc.Mesure(), EtudeCaractMoteur, 0).Mesure;
        for (const auto [q, aVide, aPleineCharge] : parts) {
            const std::int64_t vue = EtendueZoom(TableGrandeurs()[q].PleineEchelle, 10);
            const int part = charge == 0 ? aVide : (charge == 150 ? aPleineCharge : 0);
            EXPECT_TRUE(m[q] <= vue && m[q] * std::int64_t{100} >= vue * part)
                << "grandeur " << q << " a " << charge << " %: " << m[q] << " sur " << vue;
        }
    }
}

struct MessagesNotes final : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

// Readable studies, and axes that hold all their
// points without being needlessly wide.
TEST(DossierDemo, EtudesRelisiblesEtBienCadrees) {
    QTemporaryDir dossier;
    MessagesNotes messages;
    auto e = std::make_unique<Etude>();
    ASSERT_TRUE(EcrireDossierDemo(dossier.path().toStdString(), messages));
    e->RepertoireProgramme = dossier.path().toStdString();
    EXPECT_TRUE(LireConfig(*e, messages) && e->Config.Port() == "SIMUL");

    std::vector<int> types;
    for (const FichierDemo& f : FichiersDemo()) {
        SCOPED_TRACE(f.Nom);
        ASSERT_TRUE(LireTravail(*e, "Fichiers/" + f.Nom, messages));
        const TTravail& w = e->Travail;
        types.push_back(w.TypeEtude);
        EXPECT_GT(NbCaract(*e), 0);
        for (int t = 1; t <= w.NbEssais; ++t) EXPECT_GE(w.Essai(t).DernierPoint, 0) << t;
        for (const TCaract& c : w.Caract) {
            if (!c.Defini) continue;
            // Time traces keep the time axis a characteristic added later gets.
            EXPECT_TRUE(c.GrandeurX != GTemps || c.ZoomX == TCaract{}.ZoomX);
            for (auto [q, zoom] : {std::pair{c.GrandeurX, c.ZoomX}, {c.GrandeurY, c.ZoomY}}) {
                const std::int32_t etendue = EtendueZoom(w.Grandeurs[q].PleineEchelle, zoom);
                std::int32_t maximum = 0;
                for (int t = 1; t <= w.NbEssais; ++t)
                    for (int i = 0; i <= w.Essai(t).DernierPoint; ++i)
                        maximum = std::max(maximum, w.Essai(t).Valeur(q, i));
                EXPECT_TRUE(maximum <= etendue && maximum > etendue / 2) << "grandeur " << q;
            }
        }
    }

    EXPECT_EQ(types, (std::vector<int>{EtudeCaractMoteur, EtudeCaractGeneratrice, EtudeChargeMoteur,
                                       EtudeChargeGeneratrice}));
    // A file, not a folder, in the way.
    EXPECT_FALSE(EcrireDossierDemo(dossier.filePath(NomFichierConfig).toStdString(), messages));
    EXPECT_EQ(messages.textes, std::vector<std::string>{MessageErreurEcriture});
}

} // namespace
