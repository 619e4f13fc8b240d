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
};

} // namespace

class TestSauvegarde : public QObject {
    Q_OBJECT
private slots:
    void promptAnswers();
    void yesAlwaysAsksForANameAndSaves();
    void failedWriteDoesNotLetTheStudyGo();
    void saveUsesTheKnownName();
    void newStudyKeepsTheKind();
};

void TestSauvegarde::promptAnswers() {
    Poste p;
    p.Services.Reponses = {Reponse::Annuler, Reponse::Non};
    QVERIFY(!p.S.Avertissement());
    QVERIFY(p.S.Avertissement());
    QCOMPARE(p.Services.Confirmations,
             (std::vector<std::string>{"Fichier modifié. Voulez-vous l'enregistrer?",
                                       "Fichier modifié. Voulez-vous l'enregistrer?"}));
    QCOMPARE(p.Services.DialoguesEnregistrement, 0);
    QVERIFY(!p.E->Enregistre);
    // A saved study is let go without a question.
    p.E->Enregistre = true;
    QVERIFY(p.S.Avertissement());
    QCOMPARE(p.Services.Confirmations.size(), std::size_t(2));
}

void TestSauvegarde::yesAlwaysAsksForANameAndSaves() {
    Poste p;
    p.E->NomFichier = p.Chemin("ancien.ZYV");
    // Cancelling the file dialog stops, even though the study has a name.
    p.Services.Reponses = {Reponse::Oui, Reponse::Oui};
    p.Services.Choix = {std::nullopt, p.Chemin("essai.ZYV")};
    QVERIFY(!p.S.Avertissement());
    QVERIFY(!p.E->Enregistre);
    QVERIFY(p.S.Avertissement());
    QCOMPARE(p.Services.DialoguesEnregistrement, 2);
    QVERIFY(p.E->Enregistre);
    QCOMPARE(p.E->NomFichier, p.Chemin("essai.ZYV"));
    QCOMPARE(p.Dialogue.NomFichier, p.Chemin("essai.ZYV"));
    // One trial of one point.
    QCOMPARE(QFileInfo(QString::fromStdString(p.Chemin("essai.ZYV"))).size(), 2244 + 616 + 52);
    QVERIFY(!QFileInfo::exists(QString::fromStdString(p.Chemin("ancien.ZYV"))));
}

void TestSauvegarde::failedWriteDoesNotLetTheStudyGo() {
    Poste p;
    p.Services.Reponses = {Reponse::Oui};
    p.Services.Choix = {p.Chemin("absent/essai.ZYV")};
    QVERIFY(!p.S.Avertissement());
    QCOMPARE(p.Services.Avertissements, std::vector<std::string>{MessageErreurEcriture});
    QVERIFY(!p.E->Enregistre);
    QCOMPARE(p.E->Courant().NbPoints(), 1);
}

void TestSauvegarde::saveUsesTheKnownName() {
    Poste p;
    // No name yet: "Enregistrer" asks like "Enregistrer sous".
    p.Services.Choix = {p.Chemin("a.ZYV")};
    QVERIFY(p.S.Enregistrer());
    QCOMPARE(p.Services.DialoguesEnregistrement, 1);
    AjoutePoint(*p.E);
    QVERIFY(p.S.Enregistrer());
    QCOMPARE(p.Services.DialoguesEnregistrement, 1);
    QVERIFY(p.E->Enregistre);
    QCOMPARE(QFileInfo(QString::fromStdString(p.Chemin("a.ZYV"))).size(), 2244 + 616 + 2 * 52);
}

void TestSauvegarde::newStudyKeepsTheKind() {
    Poste p;
    p.E->Travail.TypeEtude = EtudeChargeMoteur;
    p.Dialogue.NomFichier = p.Chemin("a.ZYV");
    p.E->NomFichier = p.Dialogue.NomFichier;
    p.Services.Reponses = {Reponse::Annuler, Reponse::Non};
    QVERIFY(!p.S.NouveauTravail());
    QCOMPARE(p.E->Courant().NbPoints(), 1);
    QVERIFY(p.S.NouveauTravail());
    QCOMPARE(p.E->Travail.TypeEtude, int(EtudeChargeMoteur));
    QCOMPARE(p.E->Courant().NbPoints(), 0);
    QVERIFY(p.Dialogue.NomFichier.empty());
    QVERIFY(p.E->NomFichier.empty());
    QVERIFY(p.E->Enregistre);
}

QTEST_MAIN(TestSauvegarde)
#include "test_sauvegarde.moc"
