// The demo folder: readable studies that look like a real bench session.
#include "core/sim/DossierDemo.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace zyv;

namespace {

struct MessagesNotes final : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

std::int32_t V(const Etude& e, int t, int q, int i) {
    return e.Travail.Essai(t).Valeur(q, i);
}

class DossierDemo : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    MessagesNotes messages;
    std::unique_ptr<Etude> e = std::make_unique<Etude>();

    std::string Chemin(const std::string& nom) const {
        return QDir(dossier.path()).filePath(QString::fromStdString(nom)).toStdString();
    }
    void Lit(const std::string& nom) {
        NouveauTravail(*e);
        ASSERT_TRUE(LireTravail(*e, Chemin(std::string(DossierFichiers) + "/" + nom), messages));
    }
};

TEST_F(DossierDemo, ConfigurationEtEtudesRelisibles) {
    ASSERT_TRUE(EcrireDossierDemo(dossier.path().toStdString(), messages));
    EXPECT_TRUE(messages.textes.empty());

    e->RepertoireProgramme = dossier.path().toStdString();
    ASSERT_TRUE(LireConfig(*e, messages));
    EXPECT_EQ(e->Config.Port(), "SIMUL");

    const int types[] = {EtudeCaractMoteur, EtudeCaractGeneratrice, EtudeChargeMoteur,
                         EtudeChargeGeneratrice};
    ASSERT_EQ(FichiersDemo().size(), 4u);
    for (std::size_t f = 0; f < FichiersDemo().size(); ++f) {
        SCOPED_TRACE(FichiersDemo()[f].Nom);
        Lit(FichiersDemo()[f].Nom);
        EXPECT_EQ(e->Travail.TypeEtude, types[f]);
        EXPECT_GT(NbCaract(*e), 0);
        EXPECT_FALSE(e->Travail.Titre.Texte().empty());
        for (int t = 1; t <= e->Travail.NbEssais; ++t) {
            EXPECT_GT(e->Travail.Essai(t).NbPoints(), 0) << "essai " << t;
            EXPECT_FALSE(e->Travail.Essai(t).Commentaire.Texte().empty());
        }
        // The study opens saved: nothing to ask before leaving it.
        EXPECT_TRUE(e->Enregistre);
    }
    EXPECT_TRUE(messages.textes.empty());
}

// Every point of every characteristic lies inside the axes the study opens with, and the axes
// are not needlessly wide.
TEST_F(DossierDemo, ZoomsCadrentLesPoints) {
    const std::int32_t diviseurs[51] = {
        10,  11,  12,  13,  14,  15,  16,  18,  20,  22,  24,  26,  28,  30,  34,  38,  42,
        46,  50,  55,  60,  68,  75,  82,  90,  100, 110, 120, 130, 140, 150, 160, 180, 200,
        220, 240, 260, 280, 300, 340, 380, 420, 460, 500, 550, 600, 680, 750, 820, 900, 1000};
    for (const FichierDemo& f : FichiersDemo()) {
        SCOPED_TRACE(f.Nom);
        ASSERT_TRUE(f.Enregistre(*e, f.Graine));
        for (int k = 1; k <= NbCaractMax; ++k) {
            const TCaract& c = e->Travail.Caract[k];
            if (!c.Defini) continue;
            for (auto [q, zoom] :
                 {std::pair{c.GrandeurX, c.ZoomX}, std::pair{c.GrandeurY, c.ZoomY}}) {
                ASSERT_GE(zoom, 0);
                ASSERT_LE(zoom, 50);
                const std::int32_t etendue =
                    e->Travail.Grandeurs[q].PleineEchelle * 20 / diviseurs[zoom];
                std::int32_t maximum = 0;
                for (int t = 1; t <= e->Travail.NbEssais; ++t)
                    for (int i = 0; i <= e->Travail.Essai(t).DernierPoint; ++i)
                        maximum = std::max(maximum, V(*e, t, q, i));
                EXPECT_LE(maximum, etendue) << "grandeur " << q;
                EXPECT_GT(maximum, etendue / 2) << "grandeur " << q;
            }
        }
    }
}

// Same seeds, same bytes: rebuilding the demo folder does not churn the files.
TEST_F(DossierDemo, ReproductibleOctetPourOctet) {
    QTemporaryDir autre;
    ASSERT_TRUE(EcrireDossierDemo(dossier.path().toStdString(), messages));
    ASSERT_TRUE(EcrireDossierDemo(autre.path().toStdString(), messages));
    for (const FichierDemo& f : FichiersDemo()) {
        const QString nom = QStringLiteral("Fichiers/") + QString::fromStdString(f.Nom);
        QFile a(QDir(dossier.path()).filePath(nom)), b(QDir(autre.path()).filePath(nom));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << f.Nom;
    }
}

TEST_F(DossierDemo, DossierImpossibleSignale) {
    // A regular file where the folder should be.
    const QString occupe = QDir(dossier.path()).filePath(QStringLiteral("occupe"));
    QFile f(occupe);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(EcrireDossierDemo(occupe.toStdString(), messages));
    ASSERT_EQ(messages.textes.size(), 1u);
    EXPECT_EQ(messages.textes[0], MessageErreurEcriture);
}

// The shapes a student expects of a separately excited motor: speed falls and current rises
// with the torque, a higher supply gives a higher speed.
TEST_F(DossierDemo, CaracteristiquesMoteurPhysiques) {
    ASSERT_TRUE(EnregistreCaractMoteur(*e));
    ASSERT_EQ(e->Travail.NbEssais, 3);
    std::int32_t vitesseAVidePrecedente = 0;
    for (int t = 1; t <= 3; ++t) {
        SCOPED_TRACE(t);
        const TEssai& essai = e->Travail.Essai(t);
        ASSERT_EQ(essai.NbPoints(), 16);
        const int der = essai.DernierPoint;
        for (int i = 0; i <= der; ++i) EXPECT_EQ(V(*e, t, GNumero, i), i);
        EXPECT_GT(V(*e, t, GCouple, der), V(*e, t, GCouple, 0) + 50);          // > 5 mN.m more
        EXPECT_LT(V(*e, t, GVitesse, der), V(*e, t, GVitesse, 0) - 100);       // slower
        EXPECT_GT(V(*e, t, GCourantMoteur, der), V(*e, t, GCourantMoteur, 0)); // more current
        EXPECT_GT(V(*e, t, GVitesse, 0), vitesseAVidePrecedente);
        vitesseAVidePrecedente = V(*e, t, GVitesse, 0);
        for (int i = 0; i <= der; ++i) {
            EXPECT_GE(V(*e, t, GRendementMoteur, i), 0);
            EXPECT_LE(V(*e, t, GRendementMoteur, i), 1000);
            EXPECT_EQ(V(*e, t, GTemps, i), 0); // no clock outside load studies
            EXPECT_EQ(V(*e, t, GPuissanceMoteur, i), std::int64_t{V(*e, t, GTensionMoteur, i)} *
                                                         V(*e, t, GCourantMoteur, i) / 1000);
        }
    }
    // 12, 18 and 24 V supplies, as the comments say.
    EXPECT_NEAR(V(*e, 1, GTensionMoteur, 0), 1200, 60);
    EXPECT_NEAR(V(*e, 3, GTensionMoteur, 0), 2400, 60);
    EXPECT_EQ(e->Travail.Essai(3).Commentaire.Texte(), "Um = 24 V");
}

TEST_F(DossierDemo, CaracteristiquesGeneratricePhysiques) {
    ASSERT_TRUE(EnregistreCaractGeneratrice(*e));
    ASSERT_EQ(e->Travail.NbEssais, 3);
    for (int t = 1; t <= 3; ++t) {
        SCOPED_TRACE(t);
        const int der = e->Travail.Essai(t).DernierPoint;
        ASSERT_EQ(der, 15);
        EXPECT_LT(V(*e, t, GCourantGene, 0), 20); // open circuit: almost no current
        EXPECT_GT(V(*e, t, GCourantGene, der), 200);
        EXPECT_LT(V(*e, t, GTensionGene, der), V(*e, t, GTensionGene, 0)); // voltage drop
        EXPECT_GT(V(*e, t, GPuissanceGene, der), V(*e, t, GPuissanceGene, 0));
        for (int i = 0; i <= der; ++i) {
            EXPECT_LE(V(*e, t, GRendementGene, i), 1000);
            EXPECT_LE(V(*e, t, GPuissanceGene, i), V(*e, t, GPuissanceMeca, i) + 5);
        }
    }
}

// A full cycle: about 200 points over 60 s, time growing, the load profile stored with the
// trial and visible in the speed.
TEST_F(DossierDemo, CyclesDeChargeComplets) {
    ASSERT_TRUE(EnregistreChargeMoteur(*e));
    ASSERT_EQ(e->Travail.NbEssais, 2);
    for (int t = 1; t <= 2; ++t) {
        SCOPED_TRACE(t);
        const TEssai& essai = e->Travail.Essai(t);
        EXPECT_GE(essai.NbPoints(), 195);
        EXPECT_LE(essai.NbPoints(), 205);
        EXPECT_LT(V(*e, t, GTemps, 0), 10);
        EXPECT_GE(V(*e, t, GTemps, essai.DernierPoint), 5975);
        for (int i = 1; i <= essai.DernierPoint; ++i)
            ASSERT_GT(V(*e, t, GTemps, i), V(*e, t, GTemps, i - 1)) << i;
        EXPECT_EQ(essai.TypeCharge, 5);
        EXPECT_EQ(essai.Consignes[0], 20);
        EXPECT_EQ(essai.Consignes[15], 120);
        EXPECT_EQ(essai.Consignes[35], 20);
        // Low load at the start, full load on the plateau 5 s to 10 s: the motor slows down.
        std::int32_t debut = V(*e, t, GVitesse, 0), plateau = 0;
        for (int i = 0; i <= essai.DernierPoint; ++i)
            if (V(*e, t, GTemps, i) >= 900 && V(*e, t, GTemps, i) <= 1000)
                plateau = V(*e, t, GVitesse, i);
        EXPECT_LT(plateau, debut - 100);
    }

    ASSERT_TRUE(EnregistreChargeGeneratrice(*e));
    ASSERT_EQ(e->Travail.NbEssais, 1);
    const TEssai& essai = e->Travail.Essai(1);
    EXPECT_EQ(essai.TypeCharge, 2);
    EXPECT_GE(essai.NbPoints(), 195);
    // 0 to 10 s at 100 %, 10 s to 20 s at 10 %.
    std::int32_t fort = 0, faible = 0;
    for (int i = 0; i <= essai.DernierPoint; ++i) {
        if (V(*e, 1, GTemps, i) > 800 && V(*e, 1, GTemps, i) < 1000)
            fort = V(*e, 1, GCourantGene, i);
        if (V(*e, 1, GTemps, i) > 1800 && V(*e, 1, GTemps, i) < 2000)
            faible = V(*e, 1, GCourantGene, i);
    }
    EXPECT_GT(fort, 3 * faible);
}

} // namespace
