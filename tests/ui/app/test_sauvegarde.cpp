// The save commands and the prompt every window runs before the study is replaced.
#include "ui/app/ServicesEssai.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "ui/app/Sauvegarde.h"

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
        p.E->NomFichier = p.Chemin("ancien.ZYV");
        // "Annuler" stops; "&Oui" then cancelling the file dialog, or a failed write, stops,
        // even with a known name.
        p.Services.Reponses = {Reponse::Annuler, Reponse::Oui, Reponse::Oui, Reponse::Oui};
        p.Services.Choix = {std::nullopt, p.Chemin("absent/essai.ZYV"), p.Chemin("essai.ZYV")};
        QVERIFY(!p.S.Avertissement() && !p.S.Avertissement() && !p.E->Enregistre);
        QVERIFY(!p.S.Avertissement() && !p.E->Enregistre);
        QCOMPARE(p.Services.Avertissements, std::vector<std::string>{MessageErreurEcriture});
        QVERIFY(p.S.Avertissement() && p.E->Enregistre);
        QCOMPARE(p.Services.Confirmations,
                 std::vector<std::string>(4, "Fichier modifié. Voulez-vous l'enregistrer?"));
        QCOMPARE(p.E->NomFichier, p.Chemin("essai.ZYV"));
        QCOMPARE(p.Taille("essai.ZYV"), 2244 + 616 + 52); // one trial of one point
        // "Enregistrer" then writes to the known name without asking.
        AjoutePoint(*p.E);
        QVERIFY(p.S.Enregistrer() && p.E->Enregistre);
        QCOMPARE(p.Services.DialoguesEnregistrement, 3);
        QCOMPARE(p.Taille("essai.ZYV"), 2244 + 616 + 2 * 52);

        // "Nouveau travail": "Annuler" keeps the study; "&Non" empties it but keeps its kind.
        AjoutePoint(*p.E);
        p.Services.Reponses = {Reponse::Annuler, Reponse::Non};
        QVERIFY(!p.S.NouveauTravail());
        QCOMPARE(p.E->Courant().NbPoints(), 3);
        QVERIFY(p.S.NouveauTravail() && p.E->Enregistre && p.E->Courant().NbPoints() == 0);
        QCOMPARE(p.E->Travail.TypeEtude, int(EtudeChargeMoteur));
        QVERIFY(p.Dialogue.NomFichier.empty() && p.E->NomFichier.empty());
    }
};

QTEST_MAIN(TestSauvegarde)
#include "test_sauvegarde.moc"
