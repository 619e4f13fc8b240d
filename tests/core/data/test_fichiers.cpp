#include "core/data/CodecFichier.h"
#include "core/data/Cp1252.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <vector>

using namespace zyv;

namespace {

struct MessagesCaptures : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

using Octets = std::vector<std::uint8_t>;

Octets LitFichier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray a = f.readAll();
    return Octets(a.begin(), a.end());
}

void EcritFichier(const QString& chemin, const Octets& o) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<qint64>(o.size()));
}

std::int32_t EntierA(const Octets& o, std::size_t pos) {
    return static_cast<std::int32_t>(o[pos] | (o[pos + 1] << 8) | (o[pos + 2] << 16) |
                                     (static_cast<std::uint32_t>(o[pos + 3]) << 24));
}

void PoseEntier(Octets& o, std::size_t pos, std::int32_t v) {
    for (int k = 0; k < 4; ++k)
        o[pos + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
}

class Fichiers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        e = std::make_unique<Etude>();
        e->RepertoireProgramme = dossier.path().toStdString();
        NouveauTravail(*e);
    }
    std::string Nom(const char* n) const { return dossier.filePath(n).toStdString(); }

    // Two trials of 3 and 0 points with a title, a characteristic and load settings.
    void RemplitEtude() {
        TTravail& w = e->Travail;
        w.TypeEtude = EtudeCaractGeneratrice;
        w.Titre.Affecte(Utf8VersCp1252("Génératrice à vide"));
        w.Interpolation = 2;
        w.Caract[1] = TCaract{true, true, {}, GVitesse, 12, {}, GTensionGene, 30, {}, 1};
        w.Caract[0] = w.Caract[1];
        w.Essai(1).Commentaire.Affecte("excitation 1");
        w.Essai(1).TriGrandeur = GVitesse;
        w.Essai(1).TypeCharge = 4;
        w.Essai(1).ChargeMax = 150;
        w.Essai(1).Consignes[120] = 77;
        for (int i = 0; i < 3; ++i) {
            for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = -1000 * i - q;
            AjoutePoint(*e);
        }
        NouvelEssai(*e);
        w.Essai(2).Commentaire.Affecte("vide");
    }

    void AttendEtudeVide(const MessagesCaptures& m) {
        ASSERT_EQ(m.textes, std::vector<std::string>{"Erreur de lecture du fichier"});
        EXPECT_EQ(e->Travail.NbEssais, 1);
        EXPECT_EQ(e->Travail.Titre.Longueur, 0);
        EXPECT_EQ(e->Travail.TypeEtude, 0);
        EXPECT_EQ(NbCaract(*e), 0);
        EXPECT_EQ(e->Travail.Essai(1).DernierPoint, -1);
        EXPECT_EQ(e->Travail.Essai(2).DernierPoint, -1);
        EXPECT_EQ(e->Travail.Grandeurs, TableGrandeurs());
        EXPECT_EQ(e->EssaiCourant, 1);
        EXPECT_TRUE(e->Enregistre);
        EXPECT_TRUE(e->NomFichier.empty());
    }

    QTemporaryDir dossier;
    std::unique_ptr<Etude> e;
};

} // namespace

TEST_F(Fichiers, NewStudyIs2860BytesLaidOutFieldByField) {
    MessagesCaptures m;
    e->Enregistre = false;
    ASSERT_TRUE(EcrireTravail(*e, Nom("vide.ZYV"), m));
    EXPECT_TRUE(m.textes.empty());
    EXPECT_TRUE(e->Enregistre);
    EXPECT_EQ(e->NomFichier, Nom("vide.ZYV"));
    const Octets o = LitFichier(dossier.filePath("vide.ZYV"));
    ASSERT_EQ(o.size(), 2860u);
    EXPECT_EQ(std::string(o.begin(), o.begin() + 6), "\x05ZYV-1");
    EXPECT_EQ(o[22], 0xDC);
    EXPECT_EQ(o[23], 0x05);
    EXPECT_EQ(EntierA(o, 164), 1);
    EXPECT_EQ(EntierA(o, 168), -1);
    EXPECT_EQ(EntierA(o, 172 + 40 * 1 + 8), 10) << "ZoomX of slot 1";
    EXPECT_EQ(EntierA(o, 172 + 40 * 4 + 36), 1) << "Quadrants of slot 4";
    const std::size_t couple = 372 + 144 * GCouple;
    EXPECT_EQ(std::string(o.begin() + couple, o.begin() + couple + 8), "\x07"
                                                                       "Couple ");
    EXPECT_EQ(std::string(o.begin() + couple + 72, o.begin() + couple + 77), "\x04mN.m");
    EXPECT_EQ(EntierA(o, couple + 96), 700);
    EXPECT_EQ(EntierA(o, couple + 100), -1);
    EXPECT_EQ(EntierA(o, couple + 104), 1);
    EXPECT_EQ(EntierA(o, couple + 140), 1);
    EXPECT_EQ(o[372 + 1], 'N');
    EXPECT_EQ(o[372 + 4], 0xE9) << "Numéro in Windows-1252";
    EXPECT_EQ(EntierA(o, 2244), -1);
    EXPECT_EQ(EntierA(o, 2244 + 12), 2);
}

TEST_F(Fichiers, PointsAreWrittenColumnByColumnAndReadBack) {
    MessagesCaptures m;
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("deux.ZYV"), m));
    const Octets o = LitFichier(dossier.filePath("deux.ZYV"));
    ASSERT_EQ(o.size(), 3632u);
    EXPECT_EQ(EntierA(o, 164), 2);
    EXPECT_EQ(EntierA(o, 2244), 2);
    EXPECT_EQ(EntierA(o, 2244 + 16), 150);
    EXPECT_EQ(EntierA(o, 2244 + 24 + 4 * 120), 77);
    EXPECT_EQ(std::string(o.begin() + 2244 + 592, o.begin() + 2244 + 605), "\x0C"
                                                                           "excitation 1");
    const std::size_t points = 2244 + 616;
    for (int q = 0; q < NbGrandeurs; ++q)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(EntierA(o, points + 4 * (3 * q + i)), q == 0 ? i : -1000 * i - q) << q << i;
    EXPECT_EQ(EntierA(o, points + 156), -1) << "second trial header";

    auto lu = std::make_unique<Etude>();
    lu->EssaiCourant = 2;
    lu->Enregistre = false;
    ASSERT_TRUE(LireTravail(*lu, Nom("deux.ZYV"), m));
    EXPECT_TRUE(m.textes.empty());
    EXPECT_EQ(lu->EssaiCourant, 1);
    EXPECT_TRUE(lu->Enregistre);
    EXPECT_EQ(lu->NomFichier, Nom("deux.ZYV"));
    const TTravail& a = e->Travail;
    const TTravail& b = lu->Travail;
    EXPECT_EQ(Cp1252VersUtf8(b.Titre.Texte()), "Génératrice à vide");
    EXPECT_EQ(b.TypeEtude, a.TypeEtude);
    EXPECT_EQ(b.Interpolation, 2);
    EXPECT_EQ(b.Caract, a.Caract);
    EXPECT_EQ(b.Grandeurs, a.Grandeurs);
    for (int t = 1; t <= 2; ++t) {
        EXPECT_EQ(b.Essai(t).DernierPoint, a.Essai(t).DernierPoint);
        EXPECT_EQ(b.Essai(t).Commentaire, a.Essai(t).Commentaire);
        EXPECT_EQ(b.Essai(t).TriGrandeur, a.Essai(t).TriGrandeur);
        EXPECT_EQ(b.Essai(t).TypeCharge, a.Essai(t).TypeCharge);
        EXPECT_EQ(b.Essai(t).Consignes, a.Essai(t).Consignes);
    }
    for (int q = 0; q < NbGrandeurs; ++q)
        for (int i = 0; i < 3; ++i) EXPECT_EQ(b.Essai(1).Valeur(q, i), a.Essai(1).Valeur(q, i));
}

TEST_F(Fichiers, RoundTripIsByteExactIncludingCarriedBytes) {
    MessagesCaptures m;
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("a.ZYV"), m));
    Octets o = LitFichier(dossier.filePath("a.ZYV"));
    // Bytes no field explains must come back as they were: padding, text past its length,
    // the carried Word, Integers and string, a foreign signature.
    o[1] = 'X';
    o[20] = 0x7F;
    o[22] = 0x01;
    PoseEntier(o, 28, -7);
    o[44] = 3, o[45] = 'a', o[59] = 0xFF;
    o[60 + 100] = 0x55;
    o[161] = 0xAA, o[163] = 0x01;
    o[172 + 2] = 0x33;
    PoseEntier(o, 172 + 12, 1234);
    o[372 + 144 * 3 + 93] = 0x44;
    o[372 + 144 * 5 + 110] = 0x66;
    o[2244 + 613] = 0x99;
    o[2244 + 592 + 20] = 'z';
    EcritFichier(dossier.filePath("b.ZYV"), o);

    auto lu = std::make_unique<Etude>();
    lu->RepertoireProgramme = e->RepertoireProgramme;
    ASSERT_TRUE(LireTravail(*lu, "b.ZYV", m)) << "relative names start in the program folder";
    ASSERT_TRUE(EcrireTravail(*lu, "c.ZYV", m));
    EXPECT_TRUE(m.textes.empty());
    EXPECT_EQ(LitFichier(dossier.filePath("c.ZYV")), o);
}

TEST(CodecFichier, FullStudyRoundTripsAndTrailingBytesAreIgnored) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        for (int i = 0; i < NbPointsMax; ++i) {
            for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = t * 100000 + i * 13 + q;
            AjoutePoint(*e);
        }
    }
    Octets o = EncodeTravail(e->Travail);
    ASSERT_EQ(o.size(), TailleMaxTravail);
    o.push_back(0x42);
    auto lu = std::make_unique<TTravail>();
    ASSERT_TRUE(DecodeTravail(*lu, o));
    o.pop_back();
    EXPECT_EQ(EncodeTravail(*lu), o);
    EXPECT_EQ(lu->Essai(5).Valeur(GTemps, 2000), 500000 + 2000 * 13 + 12);
}

TEST(CodecFichier, ShortImagesFailAtEveryLength) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int i = 0; i < 3; ++i) AjoutePoint(*e);
    NouvelEssai(*e);
    for (int i = 0; i < 2; ++i) AjoutePoint(*e);
    const Octets o = EncodeTravail(e->Travail);
    ASSERT_EQ(o.size(), 2244u + 616 + 3 * 52 + 616 + 2 * 52);
    auto lu = std::make_unique<TTravail>();
    for (std::size_t n = 0; n < o.size(); ++n)
        ASSERT_FALSE(DecodeTravail(*lu, std::span(o.data(), n))) << n;
    EXPECT_TRUE(DecodeTravail(*lu, o));
}

TEST_F(Fichiers, TruncatedFilesLeaveAnEmptyStudy) {
    MessagesCaptures m0;
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("plein.ZYV"), m0));
    const Octets o = LitFichier(dossier.filePath("plein.ZYV"));
    // Inside the header, at its end, inside and at the end of a trial header, inside the
    // points, one byte short of the first trial, and the second trial header missing.
    for (std::size_t n : {0u, 1u, 100u, 2243u, 2244u, 2244u + 300, 2244u + 616, 2244u + 700,
                          2244u + 616 + 155, 2244u + 616 + 156, 3631u}) {
        SCOPED_TRACE(n);
        EcritFichier(dossier.filePath("court.ZYV"), Octets(o.begin(), o.begin() + n));
        RemplitEtude();
        e->NomFichier = "autre.ZYV";
        e->Travail.Caract[0] = TCaract{}; // the file's working slot is defined
        MessagesCaptures m;
        EXPECT_FALSE(LireTravail(*e, Nom("court.ZYV"), m));
        AttendEtudeVide(m);
        EXPECT_FALSE(e->Travail.Caract[0].Defini) << "nothing of the bad file is kept";
    }
    MessagesCaptures m;
    EXPECT_FALSE(LireTravail(*e, Nom("absent.ZYV"), m));
    AttendEtudeVide(m);
    EXPECT_FALSE(LireTravail(*e, dossier.path().toStdString(), m)) << "a folder";
}

TEST_F(Fichiers, CountsAndLengthsOutsideTheirRecordsAreRejected) {
    MessagesCaptures m0;
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("bon.ZYV"), m0));
    const Octets bon = LitFichier(dossier.filePath("bon.ZYV"));

    const auto rejete = [&](const char* cas, auto modifie) {
        SCOPED_TRACE(cas);
        Octets o = bon;
        modifie(o);
        EcritFichier(dossier.filePath("mauvais.ZYV"), o);
        MessagesCaptures m;
        EXPECT_FALSE(LireTravail(*e, Nom("mauvais.ZYV"), m));
        AttendEtudeVide(m);
    };
    rejete("no trial", [](Octets& o) { PoseEntier(o, 164, 0); });
    rejete("six trials", [](Octets& o) { PoseEntier(o, 164, 6); });
    rejete("negative trials", [](Octets& o) { PoseEntier(o, 164, -1); });
    rejete("huge trials", [](Octets& o) { PoseEntier(o, 164, 0x7FFFFFFF); });
    rejete("last point -2", [](Octets& o) { PoseEntier(o, 2244 + 616 + 156, -2); });
    rejete("last point 2001", [](Octets& o) {
        PoseEntier(o, 2244, 2001);
        o.resize(2244 + 616 + 52 * 2002 + 616, 0);
    });
    rejete("signature length", [](Octets& o) { o[0] = 22; });
    rejete("title length", [](Octets& o) { o[60] = 101; });
    rejete("carried string length", [](Octets& o) { o[44] = 16; });
    rejete("name length", [](Octets& o) { o[372 + 144 * 12] = 51; });
    rejete("unit length", [](Octets& o) { o[372 + 144 * 7 + 72] = 21; });
    rejete("comment length", [](Octets& o) { o[2244 + 592] = 21; });
    rejete("second comment", [](Octets& o) { o[2244 + 616 + 156 + 592] = 255; });

    // At the limits, and with another signature, the file is accepted.
    Octets o = bon;
    o[0] = 21;
    o[60] = 100;
    o[2244 + 592] = 20;
    PoseEntier(o, 2244 + 616 + 156, 2000);
    o.resize(o.size() + 52 * 2001, 0);
    EcritFichier(dossier.filePath("limite.ZYV"), o);
    MessagesCaptures m;
    ASSERT_TRUE(LireTravail(*e, Nom("limite.ZYV"), m));
    EXPECT_EQ(e->Travail.Essai(2).DernierPoint, 2000);
    EXPECT_EQ(e->Travail.Titre.Longueur, 100);
}

TEST_F(Fichiers, FailedSaveKeepsThePreviousFileAndTheDirtyFlag) {
    MessagesCaptures m;
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("etude.ZYV"), m));
    const Octets avant = LitFichier(dossier.filePath("etude.ZYV"));

    // The disk fills up in the middle of the next save.
    AjoutePoint(*e);
    ASSERT_FALSE(e->Enregistre);
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
    EXPECT_EQ(LitFichier(dossier.filePath("etude.ZYV")), avant);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"etude.ZYV"})
        << "no temporary file left behind";
    EXPECT_EQ(e->Travail.Essai(2).DernierPoint, 0) << "document unchanged";

    m.textes.clear();
    EXPECT_FALSE(EcrireTravail(*e, Nom("absent/etude.ZYV"), m));
    EXPECT_EQ(m.textes.size(), 1u);
    EXPECT_FALSE(e->Enregistre);
}

TEST_F(Fichiers, ConfigurationKeepsSixteenBytesForShortPortNames) {
    MessagesCaptures m;
    e->Config.Fond = 5;
    e->Config.ChoisitPort("COM3");
    ASSERT_TRUE(EcrireConfig(*e, m));
    const Octets o = LitFichier(dossier.filePath("CFGZYV.cfg"));
    EXPECT_EQ(o, (Octets{0, 0, 0, 0, 0, 0, 0, 0, 5, 0x04, 0x43, 0x4F, 0x4D, 0x33, 0, 0}));

    auto lu = std::make_unique<Etude>();
    lu->RepertoireProgramme = e->RepertoireProgramme;
    ASSERT_TRUE(LireConfig(*lu, m));
    EXPECT_EQ(lu->Config, e->Config);
    EXPECT_EQ(lu->Config.Port(), "COM3");
    EXPECT_TRUE(m.textes.empty());
}

TEST_F(Fichiers, LongPortNamesSurviveARestart) {
    MessagesCaptures m;
    for (const char* nom : {"ttyUSB0", "/dev/pts/13", "ttyACM"}) {
        SCOPED_TRACE(nom);
        e->Config.ChoisitPort(nom);
        ASSERT_TRUE(EcrireConfig(*e, m));
        const Octets o = LitFichier(dossier.filePath("CFGZYV.cfg"));
        const std::string n = nom;
        ASSERT_EQ(o.size(), n.size() > 6 ? 17 + n.size() : 16u);
        EXPECT_EQ(o[9], std::min<std::size_t>(n.size(), 6));
        EXPECT_EQ(std::string(o.begin() + 10, o.begin() + 16), n.substr(0, 6));
        if (n.size() > 6) {
            EXPECT_EQ(std::string(o.begin() + 17, o.end()), n);
        }

        auto lu = std::make_unique<Etude>();
        lu->RepertoireProgramme = e->RepertoireProgramme;
        ASSERT_TRUE(LireConfig(*lu, m));
        EXPECT_EQ(lu->Config.Port(), n);
        // What a reader of the sixteen bytes alone sees.
        TConfiguration seize;
        ASSERT_TRUE(DecodeConfig(seize, std::span(o.data(), 16)));
        EXPECT_EQ(seize.Port(), n.substr(0, 6));
    }
    EXPECT_TRUE(m.textes.empty());

    // A sixteen-byte writer changed the port but kept a stale extension: NomPort wins.
    Octets o = LitFichier(dossier.filePath("CFGZYV.cfg"));
    e->Config.ChoisitPort("ttyUSB1");
    Octets ext = EncodeConfig(e->Config);
    ext[10] = 'c', ext[11] = 'o', ext[12] = 'm';
    TConfiguration c;
    ASSERT_TRUE(DecodeConfig(c, ext));
    EXPECT_EQ(c.Port(), "comUSB");
    ext.pop_back();
    ext[10] = 't', ext[11] = 't', ext[12] = 'y';
    ASSERT_TRUE(DecodeConfig(c, ext));
    EXPECT_EQ(c.Port(), "ttyUSB") << "cut extension ignored";
    const Octets six = {0,   0,   0,   0,   0, 0,   0,   0,   0,   6,   't', 't',
                        'y', 'U', 'S', 'B', 6, 't', 't', 'y', 'U', 'S', 'B'};
    ASSERT_TRUE(DecodeConfig(c, six));
    EXPECT_TRUE(c.NomPortComplet.empty()) << "an extension no longer than NomPort adds nothing";
    c.ChoisitPort("COM1");
    EXPECT_EQ(c.Port(), "COM1");
    EXPECT_EQ(EncodeConfig(c).size(), 16u);
}

TEST_F(Fichiers, BadConfigurationFallsBackToTheDefault) {
    MessagesCaptures m;
    e->Config.ChoisitPort("COM3");
    e->Config.Fond = 3;
    EXPECT_FALSE(LireConfig(*e, m)) << "no file yet";
    EXPECT_EQ(m.textes, std::vector<std::string>{"Erreur de lecture du fichier"});
    EXPECT_EQ(e->Config, TConfiguration{});

    // A short file supplies what it holds; the rest keeps its default.
    EcritFichier(dossier.filePath("CFGZYV.cfg"), {0, 0, 0, 0, 0, 0, 0, 0, 6, 4, 'C', 'O'});
    m.textes.clear();
    EXPECT_FALSE(LireConfig(*e, m));
    EXPECT_EQ(m.textes.size(), 1u);
    EXPECT_EQ(e->Config.Fond, 6);
    EXPECT_EQ(e->Config.NomPort.Longueur, 4);
    EXPECT_EQ(e->Config.NomPort.Octets[1], 'O');
    EXPECT_EQ(e->Config.NomPort.Octets[2], 0);

    EcritFichier(dossier.filePath("CFGZYV.cfg"),
                 {0, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(LireConfig(*e, m));
    EXPECT_EQ(e->Config.Fond, 0) << "an unknown colour must not index past the table";

    e->RepertoireProgramme = dossier.filePath("absent").toStdString();
    m.textes.clear();
    EXPECT_FALSE(EcrireConfig(*e, m));
    EXPECT_EQ(m.textes, std::vector<std::string>{"Erreur d'ecriture du fichier"});
}
