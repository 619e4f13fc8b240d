// The study's operations and texts; study and configuration files, and where a run keeps them
// and reads its guide.
#include "core/data/CodecFichier.h"
#include "core/data/Cp1252.h"
#include "core/data/Emplacements.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zyv;

namespace {

using Vi = std::vector<int>;

// Each point gets speed v and v * 100 + q in every other quantity q, so points can be checked
// whole after a sort.
std::unique_ptr<Etude> EtudeAvec(const Vi& vitesses) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int v : vitesses) {
        for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = v * 100 + q;
        e->MesureCourante[GVitesse] = v;
        AjoutePoint(*e);
    }
    return e;
}

Vi Colonne(const Etude& e, int q, int t = 1) {
    Vi v;
    for (int i = 0; i <= e.Travail.Essai(t).DernierPoint; ++i)
        v.push_back(e.Travail.Essai(t).Valeur(q, i));
    return v;
}

using Octets = std::vector<std::uint8_t>;

struct MessagesCaptures : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

QByteArray Contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
}

std::int32_t EntierA(const Octets& o, std::size_t p) {
    return static_cast<std::int32_t>(o[p] | o[p + 1] << 8 | o[p + 2] << 16 |
                                     std::uint32_t(o[p + 3]) << 24);
}

class Fichiers : public ::testing::Test {
protected:
    void SetUp() override {
        e->RepertoireProgramme = dossier.path().toStdString();
        NouveauTravail(*e);
    }
    std::string Nom(const char* n) const { return dossier.filePath(n).toStdString(); }
    Octets Lit(const char* n) const {
        const QByteArray a = Contenu(dossier.filePath(n));
        return Octets(a.begin(), a.end());
    }
    void Ecrit(const char* n, const Octets& o) const {
        ::Ecrit(dossier.filePath(n), QByteArray(reinterpret_cast<const char*>(o.data()),
                                                static_cast<qsizetype>(o.size())));
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
    // Reads the bytes as a study file: true when taken, else the warning and an empty study.
    bool Relit(const Octets& o) {
        Ecrit("lu.ZYV", o);
        RemplitEtude();
        e->Travail.Caract[0] = TCaract{}; // the file's working slot is defined
        if (LireTravail(*e, Nom("lu.ZYV"), m)) return true;
        EXPECT_EQ(m.textes, std::vector<std::string>{"Erreur de lecture du fichier"});
        m.textes.clear();
        const TTravail& w = e->Travail;
        EXPECT_TRUE(w.NbEssais == 1 && w.Titre.Longueur == 0 && !w.Caract[0].Defini &&
                    NbCaract(*e) == 0 && w.Essai(1).DernierPoint == -1 &&
                    w.Grandeurs == TableGrandeurs() && e->NomFichier.empty())
            << "nothing of the bad file is kept";
        return false;
    }

    QTemporaryDir dossier;
    std::unique_ptr<Etude> e = std::make_unique<Etude>();
    MessagesCaptures m;
};

} // namespace

// NouveauTravail resets the headers but not the working slot or the columns; AjoutePoint numbers
// in acquisition order, refuses a full trial and selects back.
TEST(NouveauTravail, ResetsHeadersAndAjoutePointNumbersRefusesAFullTrialAndSelectsBack) {
    auto e = EtudeAvec({77});
    NouvelEssai(*e);
    e->Travail.Caract[0].Defini = e->Travail.Caract[2].Defini = true;
    e->Travail.Interpolation = 3;
    e->NomFichier = "a.ZYV";
    NouveauTravail(*e);
    const TTravail& w = e->Travail;
    EXPECT_TRUE(w.NbEssais == 1 && w.Interpolation == -1 && NbCaract(*e) == 0 &&
                w.Essai(1).DernierPoint == -1 && e->EssaiCourant == 1 && e->Enregistre &&
                e->NomFichier.empty());
    EXPECT_TRUE(w.Caract[0].Defini && w.Essai(1).Valeur(GVitesse, 0) == 77) << "kept";

    e = EtudeAvec({1500, 20});
    const TEssai& essai = e->Travail.Essai(1);
    EXPECT_EQ(essai.Valeurs[GVitesse][1], 1500) << "slot 0 holds no point";
    EXPECT_TRUE(e->MesureCourante[0] == 1 && !e->Enregistre);
    // Clearing the selection keeps the values; past the last point is refused.
    for (int n : {0, -1, 2}) SelectionnePoint(*e, n);
    EXPECT_TRUE(e->MesureCourante[0] == -1 && e->MesureCourante[GVitesse] == 1500);
    for (int i = 2; i < NbPointsMax; ++i) AjoutePoint(*e);
    e->Enregistre = true;
    AjoutePoint(*e);
    EXPECT_TRUE(essai.DernierPoint == 2000 && e->Enregistre) << "the 2002nd point is refused";
}

TEST(TrieEssai, FollowsTheExactPartitionStepsOnSignedKeysAndSortsAgainAfterADeletion) {
    auto e = EtudeAvec({2, 1, 2, 1});
    TrieEssai(*e, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, GNumero), (Vi{3, 1, 0, 2})) << "not 1 3 0 2 as a stable sort";
    TrieParNumero(*e);
    TrieEssai(*e, 1, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, GNumero), (Vi{2, 0, 3, 1}));

    auto s = EtudeAvec({5, -3, 40, 0, -3, 7, 1000, -2000});
    TrieEssai(*s, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*s, GVitesse), (Vi{-2000, -3, -3, 0, 5, 7, 40, 1000}));
    // Unknown order or quantity: nothing moves; a key read from a file that names no quantity
    // must not index past the columns.
    TrieEssai(*s, 2, GNumero, 1);
    TrieEssai(*s, 0, NbGrandeurs, 1);
    s->Travail.Essai(1).TriGrandeur = 1000;
    TrieEssais(*s);
    EXPECT_EQ(Colonne(*s, GVitesse).front(), -2000);

    // Deleting a point renumbers in acquisition order, then sorts again.
    e = EtudeAvec({300, 100, 500, 200, 400});
    e->Travail.Essai(1).TriGrandeur = GVitesse;
    TrieEssais(*e);
    SupprimePointEssai(*e, 2, 1); // speed 500
    EXPECT_EQ(Colonne(*e, GVitesse), (Vi{100, 200, 300, 400}));
    EXPECT_EQ(Colonne(*e, GNumero), (Vi{1, 2, 0, 3}));
    EXPECT_EQ(Colonne(*e, GCouple), (Vi{10002, 20002, 30002, 40002})) << "points move whole";
    EXPECT_FALSE(e->Enregistre);
    // While acquiring, the caller passes DernierPoint: the latest point goes.
    SupprimePointEssai(*e, e->Travail.Essai(1).DernierPoint, 1);
    EXPECT_EQ(Colonne(*e, GVitesse), (Vi{100, 200, 300}));
    e->Enregistre = true;
    for (auto [n, t] : {std::pair{3, 1}, {-1, 1}, {0, 0}, {0, 2}}) SupprimePointEssai(*e, n, t);
    EXPECT_TRUE(e->Travail.Essai(1).DernierPoint == 2 && e->Enregistre);
}

TEST(Essais, NewTrialInheritsSettingsAndDeletionMovesLaterTrialsDown) {
    auto e = EtudeAvec({1});
    TEssai& un = e->Travail.Essai(1);
    un.TriGrandeur = GCouple, un.TriOrdre = 1, un.TypeCharge = 5, un.ChargeMax = 140;
    un.ChargeMin = 20, un.Consignes[120] = 120;
    un.Commentaire.Affecte("un");
    NouvelEssai(*e);
    const TEssai& deux = e->Travail.Essai(2);
    EXPECT_EQ((std::array{deux.DernierPoint, deux.TriGrandeur, deux.TriOrdre, deux.TypeCharge,
                          deux.ChargeMax, deux.ChargeMin, int(deux.Commentaire.Longueur)}),
              (std::array{-1, int(GCouple), 1, 5, 140, 20, 0}));
    EXPECT_EQ(deux.Consignes, un.Consignes);
    e->MesureCourante[GVitesse] = 3;
    AjoutePoint(*e);
    for (int t = 3; t <= 5; ++t) NouvelEssai(*e);
    e->Travail.Essai(5).Commentaire.Affecte("cinq");
    e->Enregistre = true;
    NouvelEssai(*e);
    EXPECT_TRUE(e->Travail.NbEssais == 5 && e->Enregistre) << "a sixth trial is refused";

    SupprimeEssai(*e, 1);
    EXPECT_TRUE(e->Travail.NbEssais == 4 && e->EssaiCourant == 1 && !e->Enregistre);
    EXPECT_EQ(Colonne(*e, GVitesse), (Vi{3})) << "trial 2 moved down whole";
    EXPECT_TRUE(e->Travail.Essai(4).Commentaire.Texte() == "cinq" &&
                e->Travail.Essai(5).DernierPoint == -1);
    for (int t : {4, 3, 2}) SupprimeEssai(*e, t);
    e->Enregistre = true;
    SupprimeEssai(*e, 1);
    EXPECT_TRUE(e->Travail.NbEssais == 1 && e->Enregistre) << "the only trial stays";
}

TEST(Textes, FormatEntierTruncatesFormatMesureAddsTheUnitAndWindows1252RoundTrips) {
    // clang-format off
    const std::tuple<std::int32_t, int, const char*> cas[] = {
        {1360, 3, "1,360"}, {-1360, 3, "-1,360"}, {7, 2, "0,07"}, {-5, 1, "-0,5"},
        {3450, 0, "3450"}, {0, 2, "0,00"}, {12, -3, "12"}, {INT32_MIN, 3, "-2147483,648"},
        {INT32_MAX, 2, "21474836,47"}};
    // clang-format on
    for (auto [v, d, texte] : cas) EXPECT_EQ(FormatEntier(v, d), texte) << v << " " << d;
    EXPECT_LT(FormatEntier(1, 2000000000).size(), 100u) << "decimals from a file are bounded";

    auto e = EtudeAvec({});
    e->MesureCourante = {4, 3450, 253};
    EXPECT_EQ(FormatMesure(*e, GNumero) + FormatMesure(*e, GCouple), "4 25,3 mN.m");

    // Every byte survives a trip through UTF-8 and the rest becomes question marks.
    std::string tous;
    for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
    EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(tous)), tous);
    EXPECT_EQ(Cp1252VersUtf8("Num\xE9ro N\xB0 \x80\x8C\x9C\x9F\x85\x96\x99"), "Numéro N° €ŒœŸ…–™");
    // Unknown or malformed input becomes question marks.
    const std::pair<const char*, const char*> malformes[] = {
        {"a中b", "a?b"},        {"😀", "?"},
        {"\xC2\x80", "?"},        // U+0080 has no byte: 0x80 is the euro
        {"x\xE9y", "x?y"},        // a lone Latin-1 byte is not UTF-8
        {"\xE2\x82", "??"},       // cut sequence
        {"\xC0\xAF", "??"},       // overlong form
        {"\xED\xA0\x80", "???"}}; // surrogate
    for (auto [entree, sortie] : malformes) EXPECT_EQ(Utf8VersCp1252(entree), sortie) << entree;
}

TEST_F(Fichiers, StudyFilesAreLaidOutFieldByFieldAndReadBackWhole) {
    ASSERT_TRUE(EcrireTravail(*e, Nom("vide.ZYV"), m));
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

    // Read back with every byte no field explains changed: padding, text past its length, the
    // carried Word, Integers and string, another signature. Written again, the same bytes.
    for (std::size_t p : {1, 20, 22, 28, 45, 59, 160, 161, 163, 174, 184, 372 + 144 * 3 + 93,
                          372 + 144 * 5 + 110, 2244 + 612, 2244 + 613})
        o[p] ^= 0x5A;
    Ecrit("b.ZYV", o);
    auto lu = std::make_unique<Etude>();
    lu->RepertoireProgramme = e->RepertoireProgramme;
    lu->EssaiCourant = 2;
    lu->Enregistre = false;
    ASSERT_TRUE(LireTravail(*lu, "b.ZYV", m)) << "relative names start in the program folder";
    EXPECT_TRUE(lu->EssaiCourant == 1 && lu->Enregistre && lu->NomFichier == "b.ZYV");
    ASSERT_TRUE(EcrireTravail(*lu, "c.ZYV", m));
    EXPECT_EQ(Lit("c.ZYV"), o);
}

TEST_F(Fichiers, ShortFilesAndOutOfRangeContentLeaveAnEmptyStudy) {
    RemplitEtude();
    const Octets bon = EncodeTravail(e->Travail);
    auto t = std::make_unique<TTravail>();
    for (std::size_t n = 0; n < bon.size(); ++n)
        ASSERT_FALSE(DecodeTravail(*t, std::span(bon.data(), n))) << n;

    const auto modifie = [&](std::size_t p, std::int32_t v, int taille) {
        Octets o = bon;
        for (int k = 0; k < taille; ++k)
            o[p + k] = static_cast<std::uint8_t>(std::uint32_t(v) >> 8 * k);
        o.resize(TailleMaxTravail + 1, 0); // a short file is not the reason, nor what follows
        return o;
    };
    const auto caract = [](int k, int champ) { return 172 + 40 * k + champ; };
    // Each field at both ends of its range and just past them (strings have no lower reject):
    // counts, indices into tables (in every characteristic slot, defined or not), lengths.
    // {position, before, lowest, highest, past, size}
    const std::array<std::int32_t, 6> champs[] = {
        {164, 0, 1, 2, 6, 4},                // trial count (two trials here)
        {2244, -2, 2000, 2000, 2001, 4},     // last point of trial 1
        {3016, -2, -1, 2000, 0x7FFFFFFF, 4}, // last point of trial 2
        {24, -1, 0, 3, 4, 4},                // study kind
        {168, 0, -1, 5, 6, 4},               // interpolation: -1, 1..5
        {168, -2, 1, 5, 6, 4},
        {caract(1, 4), -1, 0, 12, 13, 4},  // GrandeurX
        {caract(3, 20), -1, 0, 12, 13, 4}, // GrandeurY of an undefined slot
        {caract(0, 8), -1, 0, 50, 51, 4},  // ZoomX of the working slot
        {caract(4, 24), -1, 0, 50, 51, 4}, // ZoomY
        {caract(2, 36), -1, 0, 8, 9, 4},   // Quadrants
        {2244 + 4, -1, 0, 12, 13, 4},      // sort key of trial 1
        {3016 + 12, -1, 0, 6, 7, 4},       // load profile of trial 2
        {60, 0, 0, 100, 101, 1},           // title length
        {372 + 144 * 12, 0, 0, 50, 51, 1}, // a quantity's name
        {372 + 72, 0, 0, 20, 21, 1},       // a unit
        {3016 + 592, 0, 0, 20, 255, 1}};   // comment of trial 2
    for (const auto [p, avant, bas, haut, apres, n] : champs) {
        SCOPED_TRACE(testing::Message() << "at " << p);
        EXPECT_EQ((std::array{Relit(modifie(p, avant, n)), Relit(modifie(p, bas, n)),
                              Relit(modifie(p, haut, n)), Relit(modifie(p, apres, n))}),
                  (std::array{avant == bas, true, true, false}));
    }

    // Nothing reads the signature or the carried string: any length is taken, cut to fit.
    Octets o = modifie(0, 255, 1);
    o[44] = 200;
    ASSERT_TRUE(Relit(o));
    EXPECT_EQ(e->Travail.Signature.Longueur * 100 + e->Travail.Reserve3.Longueur, 2115)
        << "lengths 21 and 15";
}

TEST_F(Fichiers, FailedSaveKeepsThePreviousFileAndTheDirtyFlag) {
    RemplitEtude();
    ASSERT_TRUE(EcrireTravail(*e, Nom("etude.ZYV"), m));
    const Octets avant = Lit("etude.ZYV");
    AjoutePoint(*e);
    // The disk fills up in the middle of the next save; left to its default, the signal would
    // kill the program with the unsaved work.
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        IgnoreLimiteTailleFichier();
        const rlimit petite{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &petite);
        const bool refus = !EcrireTravail(*e, Nom("etude.ZYV"), m) && !e->Enregistre &&
                           m.textes == std::vector<std::string>{MessageErreurEcriture};
        _exit(refus ? 0 : 1);
    }
    int etat = 0;
    ASSERT_EQ(waitpid(enfant, &etat, 0), enfant);
    EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0) << etat;
    EXPECT_EQ(Lit("etude.ZYV"), avant);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"etude.ZYV"});
}

// A FIFO or a folder named like a study or the configuration is refused at once, without
// waiting for a writer.
TEST_F(Fichiers, OnlyRegularFilesAreRead) {
    ASSERT_EQ(mkfifo(Nom("tube.ZYV").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(Nom(NomFichierConfig).c_str(), 0600), 0);
    ASSERT_TRUE(QDir(dossier.path()).mkdir("dossier.ZYV"));
    alarm(10); // a read blocked in open ends the test here
    EXPECT_FALSE(LireTravail(*e, Nom("tube.ZYV"), m) || LireConfig(*e, m) ||
                 LireTravail(*e, Nom("dossier.ZYV"), m));
    alarm(0);
    EXPECT_EQ(m.textes, std::vector<std::string>(3, MessageErreurLecture));
}

TEST_F(Fichiers, ConfigurationIsSixteenBytesPlusTheLongPortName) {
    e->Config.Fond = 5;
    e->Config.ChoisitPort("COM3");
    ASSERT_TRUE(EcrireConfig(*e, m));
    EXPECT_EQ(Lit("CFGZYV.cfg"),
              (Octets{0, 0, 0, 0, 0, 0, 0, 0, 5, 0x04, 0x43, 0x4F, 0x4D, 0x33, 0, 0}));
    e->Config.ChoisitPort("/dev/pts/13");
    ASSERT_TRUE(EcrireConfig(*e, m));
    Octets o = Lit("CFGZYV.cfg");
    ASSERT_EQ(o.size(), 16u + 1 + 11);
    e->Config = TConfiguration{};
    ASSERT_TRUE(LireConfig(*e, m));
    EXPECT_EQ(e->Config.Port(), "/dev/pts/13");
    TConfiguration c; // what a reader of the 16 bytes alone sees
    ASSERT_TRUE(DecodeConfig(c, std::span(o.data(), 16)));
    EXPECT_EQ(c.Port(), "/dev/p");

    // Missing; a folder that cannot take it last.
    QFile::remove(dossier.filePath("CFGZYV.cfg"));
    EXPECT_FALSE(LireConfig(*e, m));
    EXPECT_EQ(e->Config, TConfiguration{});
    // Short (it supplies what it holds, no stale bytes past it), an unknown colour, a length
    // past the name's bytes (the name ends at its first NUL), a long name, one that cut back to
    // the six bytes is no name of its own, and one the six bytes changed since (by a 16-byte
    // writer) no longer extend: each written again reads the same.
    const std::tuple<std::string, bool, int, const char*> cas[] = {
        {std::string("\0\0\0\0\0\0\0\0\6\4CO", 12), false, 6, "CO"},
        {std::string(8, '\0') + "\x08" + std::string(7, '\0'), true, 0, ""},
        {std::string("\0\0\0\0\0\0\0\0\0\310COM3\0\0", 16), true, 0, "COM3"},
        {std::string("\0\0\0\0\0\0\0\0\0\6ttyUSB\x09ttyUSB0\0x", 26), true, 0, "ttyUSB0"},
        {std::string("\0\0\0\0\0\0\0\0\0\6ttyUSB\x09ttyUSB\0xy", 26), true, 0, "ttyUSB"},
        {std::string("\0\0\0\0\0\0\0\0\0\6XtyUSB\x09ttyUSB0\0x", 26), true, 0, "XtyUSB"}};
    for (const auto& [octets, ok, fond, port] : cas) {
        Ecrit("CFGZYV.cfg", Octets(octets.begin(), octets.end()));
        const bool lu = LireConfig(*e, m);
        EXPECT_EQ(std::tuple(lu, int{e->Config.Fond}, e->Config.Port()),
                  std::tuple(ok, fond, std::string(port)));
        TConfiguration relue;
        EXPECT_TRUE(DecodeConfig(relue, EncodeConfig(e->Config)) && relue == e->Config) << port;
    }
    EXPECT_EQ(m.textes, std::vector<std::string>(2, "Erreur de lecture du fichier"));
    e->RepertoireProgramme = Nom("absent");
    EXPECT_FALSE(EcrireConfig(*e, m));
    EXPECT_EQ(m.textes.back(), "Erreur d'ecriture du fichier");
}

TEST(Emplacements, ChoixSelonLeDossierDeDemarrageEtLeGuidePuisDossierUtilisateurAmorceUneFois) {
    const std::string cle = "/media/cle", perso = "/home/e/.local/share/ZYV",
                      part = "/usr/share/zyv";
    const struct {
        Situation s;
        Emplacements attendu;
    } cas[] = {
        // A writable start-up folder keeps everything; the installed guide only when it has none.
        {{cle, true, true, perso, part, true}, {cle, cle, false}},
        {{cle, true, false, perso, part, true}, {cle, part, false}},
        {{cle, true, false, perso, part, false}, {cle, cle, false}},
        {{part, false, true, perso, part, true}, {perso, part, true}},
        {{"/usr/bin", false, false, perso, part, true}, {perso, part, true}},
        {{"/usr/bin", false, false, "", part, true}, {"/usr/bin", part, false}},
    };
    for (const auto& c : cas) EXPECT_EQ(ChoisitEmplacements(c.s), c.attendu) << c.s.Demarrage;

    // The user's data folder is seeded once, then left in the user's hands.
    QTemporaryDir racine;
    const QDir partage(racine.filePath("partage"));
    ASSERT_TRUE(partage.mkpath("Fichiers"));
    Ecrit(partage.filePath("Fichiers/A.ZYV"), "etude A");
    Ecrit(partage.filePath("Fichiers/notes.txt"), "pas une etude");
    QFile::setPermissions(partage.filePath("Fichiers/A.ZYV"), QFile::ReadOwner);
    const QDir donnees(racine.filePath("donnees/ZYV"));
    const Situation s{
        "/usr/bin", false, false, donnees.path().toStdString(), partage.path().toStdString(), true};

    const QString etude = donnees.filePath("Fichiers/A.ZYV"),
                  config = donnees.filePath(NomFichierConfig);
    EXPECT_TRUE(EmplacementsPrets(s).ParUtilisateur);
    EXPECT_EQ(QDir(donnees.filePath("Fichiers")).entryList(QDir::Files), QStringList{"A.ZYV"});
    EXPECT_TRUE(QFile::permissions(etude) & QFile::WriteOwner);
    // The default configuration: a first start is not a read error.
    EXPECT_EQ(Contenu(config), QByteArray(16, '\0'));

    // The user's own changes stay at the next start.
    Ecrit(etude, "modifiee");
    Ecrit(config, "port choisi");
    EXPECT_TRUE(EmplacementsPrets(s).ParUtilisateur);
    EXPECT_EQ(Contenu(etude) + Contenu(config), "modifieeport choisi");
}
