// The save commands and the prompt every window runs before the study is replaced.
#include "ui/socle/ServicesEssai.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "ui/socle/Sauvegarde.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace zyv;

namespace {

struct Poste {
    QTemporaryDir Dossier;
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    ServicesEssai Services;
    DialogueFichier Dialogue;
    Sauvegarde S{*E, Services, Dialogue};

    Poste() {
        E->RepertoireProgramme = Dossier.path().toStdString();
        NouveauTravail(*E);
        AjoutePoint(*E);
    }
    std::string Chemin(const char* nom) const { return Dossier.filePath(nom).toStdString(); }
    qint64 Taille(const char* nom) const { return QFileInfo(Dossier.filePath(nom)).size(); }
};

} // namespace

class TestSauvegarde : public QObject {
    Q_OBJECT
private slots:

    void promptSaveAndNewStudy() {
        Poste p;
        p.E->Travail.TypeEtude = EtudeChargeMoteur;
        // "Annuler" stops; "&Oui" then cancelling the file dialog, or a failed write, stops.
        p.Services.Reponses = {Reponse::Annuler, Reponse::Oui, Reponse::Oui, Reponse::Oui};
        p.Services.Choix = {std::nullopt, p.Chemin("absent/essai.ZYV"), p.Chemin("essai.ZYV")};
        QVERIFY(!p.S.Avertissement() && !p.S.Avertissement() && !p.E->Enregistre);
        QVERIFY(!p.S.Avertissement() && !p.E->Enregistre);
        QCOMPARE(p.Services.Avertissements, std::vector<std::string>{MessageErreurEcriture});
        QVERIFY(p.S.Avertissement() && p.E->Enregistre && p.E->NomFichier == p.Chemin("essai.ZYV"));
        QCOMPARE(p.Services.Confirmations,
                 std::vector<std::string>(4, "Fichier modifié. Voulez-vous l'enregistrer?"));
        QCOMPARE(p.Taille("essai.ZYV"), 2244 + 616 + 52); // one trial of one point
        // "Enregistrer" then writes to the known name without asking.
        AjoutePoint(*p.E);
        QVERIFY(p.S.Enregistrer() && p.E->Enregistre && p.Services.DialoguesEnregistrement == 3);
        QCOMPARE(p.Taille("essai.ZYV"), 2244 + 616 + 2 * 52);
        // So does "&Oui" in the prompt, the study having a file.
        AjoutePoint(*p.E);
        p.Services.Reponses = {Reponse::Oui};
        QVERIFY(p.S.Avertissement() && p.E->Enregistre && p.Services.DialoguesEnregistrement == 3);
        QCOMPARE(p.Taille("essai.ZYV"), 2244 + 616 + 3 * 52);

        // "Nouveau travail": "Annuler" keeps the study; "&Non" empties it but keeps its kind.
        AjoutePoint(*p.E);
        p.Services.Reponses = {Reponse::Annuler, Reponse::Non};
        QVERIFY(!p.S.NouveauTravail() && p.E->Courant().NbPoints() == 4);
        QVERIFY(p.S.NouveauTravail() && p.E->Enregistre && p.E->Courant().NbPoints() == 0);
        QVERIFY(p.E->Travail.TypeEtude == EtudeChargeMoteur && p.Dialogue.NomFichier.empty() &&
                p.E->NomFichier.empty());
    }

    // Groups share one folder: another study is replaced only after a question, its name typed
    // with or without extension; the study's own file is not asked about.
    void enregistrerSousDemandeAvantDeRemplacer() {
        Poste p;
        QVERIFY(EcrireTravail(*p.E, p.Chemin("autre.ZYV"), p.Services));
        p.E->NomFichier = p.Chemin("mien.ZYV");
        AjoutePoint(*p.E);
        p.Services.Choix = {std::nullopt, p.Chemin("autre"), p.Chemin("autre.ZYV"),
                            p.Chemin("autre")};
        p.Services.ReponsesQuestion = {false, true};
        QVERIFY(!p.S.EnregistrerSous());
        QCOMPARE(p.Dialogue.NomFichier, p.Chemin("mien.ZYV")); // proposed: the study's name
        QVERIFY(!p.S.EnregistrerSous() && !p.E->Enregistre);
        QCOMPARE(p.Taille("autre.ZYV"), 2244 + 616 + 52);
        QVERIFY(p.S.EnregistrerSous() && p.Taille("autre.ZYV") == 2244 + 616 + 2 * 52);
        AjoutePoint(*p.E);
        QVERIFY(p.S.EnregistrerSous() && p.E->NomFichier == p.Chemin("autre.ZYV"));
        QCOMPARE(p.Taille("autre.ZYV"), 2244 + 616 + 3 * 52);
        QCOMPARE(p.Services.Questions,
                 std::vector<std::string>(
                     2, "Le fichier « autre.ZYV » existe déjà. Voulez-vous le remplacer ?"));
        QCOMPARE(QDir(p.Dossier.path()).entryList(QDir::Files), QStringList{"autre.ZYV"});
    }
};

QTEST_MAIN(TestSauvegarde)
#include "test_sauvegarde.moc"
