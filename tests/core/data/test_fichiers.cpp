#include "core/data/CodecFichier.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace zyv;

namespace {

using Octets = std::vector<std::uint8_t>;

struct MessagesCaptures : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

std::int32_t EntierA(const Octets& o, std::size_t p) {
    return static_cast<std::int32_t>(o[p] | o[p + 1] << 8 | o[p + 2] << 16 |
                                     std::uint32_t(o[p + 3]) << 24);
}

void PoseEntier(Octets& o, std::size_t p, std::int32_t v) {
    for (int k = 0; k < 4; ++k) o[p + k] = static_cast<std::uint8_t>(std::uint32_t(v) >> 8 * k);
}

class Fichiers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        e->RepertoireProgramme = dossier.path().toStdString();
        NouveauTravail(*e);
    }
    std::string Nom(const char* n) const { return dossier.filePath(n).toStdString(); }
    Octets Lit(const char* n) const {
        QFile f(dossier.filePath(n));
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray a = f.readAll();
        return Octets(a.begin(), a.end());
    }
    void Ecrit(const char* n, const Octets& o) const {
        QFile f(dossier.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(o.data()), static_cast<qint64>(o.size()));
    }
    // Two trials of 3 and 0 points, a title, a characteristic in slots 1 and 0, load settings.
    void RemplitEtude() {
        NouveauTravail(*e);
        TTravail& w = e->Travail;
        w.TypeEtude = EtudeCaractGeneratrice;
        w.Titre.Affecte("G\xE9n\xE9ratrice");
        w.Caract[0] = w.Caract[1] =
            TCaract{true, true, {}, GVitesse, 12, {}, GTensionGene, 30, {}, 1};
        w.Essai(1).Commentaire.Affecte("excitation 1");
        w.Essai(1).ChargeMax = 150;
        for (int i = 0; i < 3; ++i) {
            for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = -1000 * i - q;
            AjoutePoint(*e);
        }
        NouvelEssai(*e);
    }
    void AttendEtudeVide() {
        EXPECT_EQ(m.textes, std::vector<std::string>{"Erreur de lecture du fichier"});
        m.textes.clear();
        EXPECT_EQ(e->Travail.NbEssais, 1);
        EXPECT_EQ(e->Travail.Titre.Longueur, 0);
        EXPECT_EQ(NbCaract(*e), 0);
        EXPECT_FALSE(e->Travail.Caract[0].Defini) << "nothing of the bad file is kept";
        EXPECT_EQ(e->Travail.Essai(1).DernierPoint, -1);
        EXPECT_EQ(e->Travail.Grandeurs, TableGrandeurs());
        EXPECT_TRUE(e->NomFichier.empty());
    }

    QTemporaryDir dossier;
    std::unique_ptr<Etude> e = std::make_unique<Etude>();
    MessagesCaptures m;
};

} // namespace

TEST_F(Fichiers, StudyFilesAreLaidOutFieldByFieldAndReadBack) {
    e->Enregistre = false;
    ASSERT_TRUE(EcrireTravail(*e, Nom("vide.ZYV"), m));
    EXPECT_TRUE(e->Enregistre);
    Octets o = Lit("vide.ZYV");
    ASSERT_EQ(o.size(), 2860u);
    EXPECT_EQ(Octets(o.begin(), o.begin() + 6), (Octets{5, 'Z', 'Y', 'V', '-', '1'}));
    EXPECT_EQ(EntierA(o, 172 + 40 + 8), 10) << "ZoomX of slot 1";
    const std::size_t couple = 372 + 144 * GCouple;
    EXPECT_EQ(std::string(o.begin() + couple + 72, o.begin() + couple + 77), "\x04mN.m");
    EXPECT_EQ(EntierA(o, couple + 140), 1);
    EXPECT_EQ(o[372 + 4], 0xE9) << "Numéro in Windows-1252";

    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("deux.ZYV"), m));
    o = Lit("deux.ZYV");
    ASSERT_EQ(o.size(), 3632u);
    EXPECT_EQ(EntierA(o, 164), 2) << "trial count";
    EXPECT_EQ(EntierA(o, 2244 + 16), 150);
    for (int q = 0; q < NbGrandeurs; ++q)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(EntierA(o, 2860 + 4 * (3 * q + i)), q ? -1000 * i - q : i);
    EXPECT_EQ(EntierA(o, 2860 + 156), -1) << "second trial header";

    auto lu = std::make_unique<Etude>();
    lu->EssaiCourant = 2;
    lu->Enregistre = false;
    ASSERT_TRUE(LireTravail(*lu, Nom("deux.ZYV"), m));
    EXPECT_EQ(EncodeTravail(lu->Travail), EncodeTravail(e->Travail));
    EXPECT_EQ(lu->EssaiCourant, 1);
    EXPECT_TRUE(lu->Enregistre);
    EXPECT_EQ(lu->NomFichier, Nom("deux.ZYV"));
    EXPECT_TRUE(m.textes.empty());
}

TEST_F(Fichiers, RoundTripKeepsEveryByteAFieldDoesNotExplain) {
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("a.ZYV"), m));
    Octets o = Lit("a.ZYV");
    // Padding, text past its length, the carried Word, Integers and string, another signature.
    for (std::size_t p : {1, 20, 22, 28, 45, 59, 160, 161, 163, 174, 184, 372 + 144 * 3 + 93,
                          372 + 144 * 5 + 110, 2244 + 612, 2244 + 613})
        o[p] ^= 0x5A;
    Ecrit("b.ZYV", o);
    auto lu = std::make_unique<Etude>();
    lu->RepertoireProgramme = e->RepertoireProgramme;
    ASSERT_TRUE(LireTravail(*lu, "b.ZYV", m)) << "relative names start in the program folder";
    ASSERT_TRUE(EcrireTravail(*lu, "c.ZYV", m));
    EXPECT_EQ(Lit("c.ZYV"), o);

    // Five full trials, with bytes after the last point that are not part of the study.
    NouveauTravail(*lu);
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*lu);
        for (int i = 0; i < NbPointsMax; ++i) {
            lu->MesureCourante[GTemps] = t * 10000 + i;
            AjoutePoint(*lu);
        }
    }
    o = EncodeTravail(lu->Travail);
    ASSERT_EQ(o.size(), TailleMaxTravail);
    o.push_back(0x42);
    auto t = std::make_unique<TTravail>();
    ASSERT_TRUE(DecodeTravail(*t, o));
    EXPECT_EQ(t->Essai(5).Valeur(GTemps, 2000), 52000);
    o.pop_back();
    EXPECT_EQ(EncodeTravail(*t), o);
}

TEST_F(Fichiers, ShortFilesAndOutOfRangeContentLeaveAnEmptyStudy) {
    RemplitEtude();
    const Octets bon = EncodeTravail(e->Travail);
    auto t = std::make_unique<TTravail>();
    for (std::size_t n = 0; n < bon.size(); ++n)
        ASSERT_FALSE(DecodeTravail(*t, std::span(bon.data(), n))) << n;

    const auto rejete = [&](Octets o, std::size_t ligne) {
        SCOPED_TRACE(ligne);
        Ecrit("mauvais.ZYV", o);
        RemplitEtude();
        e->Travail.Caract[0] = TCaract{}; // the file's working slot is defined
        EXPECT_FALSE(LireTravail(*e, Nom("mauvais.ZYV"), m));
        AttendEtudeVide();
    };
    // Inside and at the end of the header, of a trial header, inside the points, second trial.
    for (std::size_t n : {0, 2243, 2244, 2244 + 615, 2860, 2860 + 155, 3016, 3631})
        rejete(Octets(bon.begin(), bon.begin() + n), n);
    const auto modifie = [&](std::size_t p, std::int32_t v, int taille = 4) {
        Octets o = bon;
        if (taille == 4)
            PoseEntier(o, p, v);
        else
            o[p] = static_cast<std::uint8_t>(v);
        o.resize(o.size() + 600000, 0); // a short file is not the reason
        return o;
    };
    // Trial counts, point counts, then string lengths: signature, carried string, title, name,
    // unit, comment of trial 2.
    const std::tuple<std::size_t, std::int32_t, int> hors[] = {
        {164, 0, 4},         {164, 6, 4},
        {164, INT32_MIN, 4}, {2244, -2, 4},
        {2244, 2001, 4},     {3016, 0x7FFFFFFF, 4},
        {0, 22, 1},          {44, 16, 1},
        {60, 101, 1},        {372 + 144 * 12, 51, 1},
        {372 + 72, 21, 1},   {3016 + 592, 255, 1}};
    for (auto [p, v, taille] : hors) rejete(modifie(p, v, taille), p);
    EXPECT_FALSE(LireTravail(*e, Nom("absent.ZYV"), m));
    AttendEtudeVide();

    Octets limite = modifie(3016, 2000); // full trial, and every string at its capacity
    limite[0] = 21, limite[60] = 100, limite[2244 + 592] = 20;
    Ecrit("limite.ZYV", limite);
    ASSERT_TRUE(LireTravail(*e, Nom("limite.ZYV"), m));
    EXPECT_EQ(e->Travail.Essai(2).DernierPoint, 2000);
}

TEST_F(Fichiers, FailedSaveKeepsThePreviousFileAndTheDirtyFlag) {
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("etude.ZYV"), m));
    const Octets avant = Lit("etude.ZYV");
    AjoutePoint(*e);
    // The disk fills up in the middle of the next save.
    rlimit ancienne{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &ancienne), 0);
    auto* ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = ancienne;
    petite.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ok = EcrireTravail(*e, Nom("etude.ZYV"), m);
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_FALSE(ok);
    EXPECT_EQ(m.textes, std::vector<std::string>{"Erreur d'ecriture du fichier"});
    EXPECT_FALSE(e->Enregistre);
    EXPECT_EQ(Lit("etude.ZYV"), avant);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"etude.ZYV"});
    EXPECT_FALSE(EcrireTravail(*e, Nom("absent/etude.ZYV"), m)) << "no such folder";
    EXPECT_FALSE(e->Enregistre);
}

TEST_F(Fichiers, ConfigurationIsSixteenBytesPlusTheLongPortName) {
    e->Config.Fond = 5;
    for (std::string nom : {"ttyACM", "/dev/pts/13"}) {
        SCOPED_TRACE(nom);
        e->Config.ChoisitPort(nom);
        ASSERT_TRUE(EcrireConfig(*e, m));
        const Octets o = Lit("CFGZYV.cfg");
        ASSERT_EQ(o.size(), nom.size() > 6 ? 17 + nom.size() : 16u);
        EXPECT_EQ(o[8], 5);
        EXPECT_EQ(o[9], std::min<std::size_t>(nom.size(), 6));
        EXPECT_EQ(std::string(o.begin() + 10, o.begin() + 10 + o[9]), nom.substr(0, 6));
        auto lu = std::make_unique<Etude>();
        lu->RepertoireProgramme = e->RepertoireProgramme;
        ASSERT_TRUE(LireConfig(*lu, m));
        EXPECT_EQ(lu->Config.Port(), nom);
        TConfiguration seize; // what a reader of the 16 bytes alone sees
        ASSERT_TRUE(DecodeConfig(seize, std::span(o.data(), 16)));
        EXPECT_EQ(seize.Port(), nom.substr(0, 6));
    }
    e->Config.ChoisitPort("COM3");
    ASSERT_TRUE(EcrireConfig(*e, m));
    EXPECT_EQ(Lit("CFGZYV.cfg"),
              (Octets{0, 0, 0, 0, 0, 0, 0, 0, 5, 0x04, 0x43, 0x4F, 0x4D, 0x33, 0, 0}));
    EXPECT_TRUE(m.textes.empty());

    // An extension that no longer extends NomPort (changed by a 16-byte writer), or is cut.
    e->Config.ChoisitPort("ttyUSB1");
    Octets o = EncodeConfig(e->Config);
    o[10] = 'c';
    TConfiguration c;
    ASSERT_TRUE(DecodeConfig(c, o));
    EXPECT_EQ(c.Port(), "ctyUSB");
    o[10] = 't';
    o.pop_back();
    ASSERT_TRUE(DecodeConfig(c, o));
    EXPECT_EQ(c.Port(), "ttyUSB");
}

TEST_F(Fichiers, BadConfigurationFallsBackToTheDefault) {
    e->Config.ChoisitPort("COM3");
    EXPECT_FALSE(LireConfig(*e, m));
    EXPECT_EQ(e->Config, TConfiguration{});
    Ecrit("CFGZYV.cfg", {0, 0, 0, 0, 0, 0, 0, 0, 6, 4, 'C', 'O'});
    EXPECT_FALSE(LireConfig(*e, m));
    EXPECT_EQ(e->Config.Fond, 6) << "a short file supplies what it holds";
    EXPECT_EQ(e->Config.NomPort.Octets[2], 0) << "no stale bytes past what the file holds";
    EXPECT_EQ(m.textes, std::vector<std::string>(2, "Erreur de lecture du fichier"));
    Ecrit("CFGZYV.cfg", {0, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(LireConfig(*e, m));
    EXPECT_EQ(e->Config.Fond, 0) << "an unknown colour must not index past the table";
    e->RepertoireProgramme = Nom("absent");
    EXPECT_FALSE(EcrireConfig(*e, m));
    EXPECT_EQ(m.textes.back(), "Erreur d'ecriture du fichier");
}
