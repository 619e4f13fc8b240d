// The main window as a user drives it, on the simulated bench or a scripted module.
#include "ui/Coquille.h"

#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace zyv;

namespace {

// Shows the main window and waits for the connection check to end, one way or the other.
void DemarreEtAttendsConnexion(Coquille& c) {
    c.ZYV2->show();
    QTRY_VERIFY(c.FormConnection->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!c.FormConnection->isVisible() || c.Boutons(), 8000);
}

} // namespace

class TestZYV2 : public QObject {
    Q_OBJECT
private slots:

    void startWithoutConfigurationFile() {
        QTemporaryDir donnees;
        qputenv("XDG_DATA_HOME", QFile::encodeName(donnees.path()));
        Coquille c(std::nullopt);
        QCOMPARE(c.Services.Avertissements, std::vector<std::string>{MessageErreurLecture});
        DemarreEtAttendsConnexion(c);
        QVERIFY(c.Texte(c.FormConnection.get(), "Text1") == "Connexion non configurée" &&
                c.Ouvertures() == 0);
        // A writable start-up folder keeps everything: nothing per-user.
        QCOMPARE(c.ZYV2->OpenDialogZYV2.RepertoireInitial,
                 c.Dossier.filePath("Fichiers").toStdString());
        c.Clique(c.FormConnection.get(), "BitBtn1"); // "Fermer", leaving the main window alone
        QTRY_VERIFY(!c.FormConnection->isVisible());
        c.Clique(c.ZYV2.get(), "ButtonCopierValeurs");
        QCOMPARE(c.Services.PressePapiers,
                 std::string("Um\tIm\tPEm\tN\tC\tPM\tUg\tIg\tPEg\r\n"
                             "(V)\t(A)\t(W)\t(tr/min)\t(mN.m)\t(W)\t(V)\t(A)\t(W)\r\n"
                             "0,00\t0,000\t0,00\t0\t0,0\t0,00\t0,00\t0,000\t0,00\r\n"));
    }

    void simulatedBenchLiveValuesThenClosing() {
        Coquille c{std::string(NomPortSimule)};
        QSignalSpy fermee(c.ZYV2.get(), &TZYV2::Fermee);
        c.ZYV2->show();
        QTRY_VERIFY(c.FormConnection->isVisible());
        QCOMPARE(c.Texte(c.FormConnection.get(), "Text1"),
                 QStringLiteral("Connexion avec le module"));
        auto* jauge = c.Trouve<QProgressBar>(c.FormConnection.get(), "ProgressBar1");
        QTRY_VERIFY(jauge->value() > 10);
        // Still waiting: nothing is polled before the module has been accepted.
        QVERIFY(c.FormConnection->isVisible() && !c.ZYV2->Timer1.isActive() && !c.Boutons());
        QTRY_VERIFY_WITH_TIMEOUT(!c.FormConnection->isVisible(), 8000);
        QVERIFY(c.Liaison.Connecte() && !c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
        QVERIFY(jauge->value() == 50 && c.Texte(c.ZYV2.get(), "PanelConnecte") == "Connecté");
        // Closing with unsaved changes: "Annuler" keeps everything running.
        AjoutePoint(*c.E);
        const QString config = c.Dossier.filePath(QString::fromLatin1(NomFichierConfig));
        QFile::remove(config);
        c.Services.Reponses = {Reponse::Annuler};
        c.Clique(c.ZYV2.get(), "ButtonQuitter");
        QVERIFY(c.Services.Confirmations.size() == 1 && c.ZYV2->isVisible() &&
                c.Liaison.Connecte());
        QVERIFY(c.ZYV2->Timer1.isActive() && !QFile::exists(config) && fermee.count() == 0);

        c.Services.Reponses = {Reponse::Non};
        QVERIFY(c.ZYV2->close());
        QVERIFY(!c.Liaison.Connecte() && !c.ZYV2->Timer1.isActive() && fermee.count() == 1);
        // The configuration is written on the way out.
        QFile relu(config);
        QVERIFY(relu.open(QIODevice::ReadOnly) && relu.readAll().contains(NomPortSimule));
    }

    void wrongIdentificationRejected() {
        Coquille c{std::string("ttyS0")};
        c.Module->Repond(0xFD, {'A', 'B', 'C', 'D', 'E', 'F'});
        DemarreEtAttendsConnexion(c);
        QVERIFY(c.FormConnection->isVisible() && c.Boutons() && !c.Liaison.Connecte());
        QVERIFY(c.Texte(c.FormConnection.get(), "Text1") == "Erreur de connexion" &&
                !c.Module->isOpen());
        QCOMPARE(c.Module->Ecrits, std::vector<std::uint8_t>{0xFD}); // only the identification
    }

    void lostLinkShowsDashesOnceThenConnecter() {
        Coquille c{std::string("ttyS0")};
        c.Module->LignePerdueApres = 6 + 3 * 12; // identification and three measurements
        DemarreEtAttendsConnexion(c);
        // The failed reading shows dashes, then the next tick finds the port closed.
        QTRY_VERIFY(!c.Liaison.Connecte());
        for (QLabel* l : c.ZYV2->findChildren<QLabel*>(QRegularExpression("^Val")))
            QVERIFY2(l->text() == "----", qPrintable(l->objectName()));
        QTRY_VERIFY(c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
        QVERIFY(!c.ZYV2->Timer1.isActive() && c.Texte(c.ZYV2.get(), "PanelConnecte").isEmpty());
        QCOMPARE(std::count(c.Module->Ecrits.begin(), c.Module->Ecrits.end(), 0xFF), 4);

        // Plugged back: "Connecter" reconnects and the live values come back.
        c.Module->LignePerdueApres = -1;
        Actionne(c.Trouve(c.ZYV2.get(), "ButtonConnecter"),
                 QAccessibleActionInterface::pressAction());
        QTRY_VERIFY_WITH_TIMEOUT(!c.FormConnection->isVisible(), 8000);
        QTRY_COMPARE(c.Texte(c.ZYV2.get(), "ValVitesse"), QStringLiteral("3450 tr/min"));
        QWidget* vitesse = c.Trouve(c.ZYV2.get(), "ValVitesse");
        QCOMPARE(std::pair(Lu(vitesse), Lu(vitesse, QAccessible::Description)),
                 std::pair(QStringLiteral("3450 tr/min"), QStringLiteral("Vitesse N")));
        // Each accepted check releases the load a cycle may have left, before any reading.
        QCOMPARE(std::count(c.Module->Ecrits.begin(), c.Module->Ecrits.end(), 0xFE), 2);
        QVERIFY(c.Module->Ecrits.at(1) == CommandeFinCycle &&
                !c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
    }

    void studyButtonsAndOpeningFiles() {
        Coquille c{std::string("ttyS0")};
        QWidget caracteristique, charge;
        c.F.FormCaracteristique = &caracteristique;
        c.F.FormCharge = &charge;
        DemarreEtAttendsConnexion(c);
        // Opens the study window by button, then closes it: the main window comes back.
        const auto ouvre = [&](const char* bouton) {
            caracteristique.hide();
            charge.hide();
            c.ZYV2->show();
            QCoreApplication::processEvents();
            QVERIFY(!c.FormConnection->isVisible()); // no second connection check
            c.Clique(c.ZYV2.get(), bouton);
        };

        ouvre("ButtonCaractMoteur");
        QVERIFY(caracteristique.isVisible() && !c.ZYV2->isVisible() && !c.ZYV2->Timer1.isActive());
        AjoutePoint(*c.E);
        AjoutePoint(*c.E);
        // The same button again keeps the study without a question.
        ouvre("ButtonCaractMoteur");
        QVERIFY(c.Services.Confirmations.empty() && c.E->Travail.Essai(1).NbPoints() == 2);
        // Another kind asks first; "Annuler" keeps everything as it was.
        c.Services.Reponses = {Reponse::Annuler};
        ouvre("ButtonCaractGene");
        QCOMPARE(std::pair(c.E->Travail.TypeEtude, c.E->Courant().NbPoints()),
                 std::pair(int(EtudeCaractMoteur), 2));
        QVERIFY(c.ZYV2->isVisible() && !caracteristique.isVisible());
        c.Services.Reponses = {Reponse::Non};
        ouvre("ButtonCaractGene");
        QCOMPARE(std::pair(c.E->Travail.TypeEtude, c.E->Courant().NbPoints()),
                 std::pair(int(EtudeCaractGeneratrice), 0));
        // An unchanged study changes kind without a question.
        ouvre("ButtonChargeGene");
        QVERIFY(charge.isVisible() && c.Services.Confirmations.size() == 2);

        // Opening a file: its kind chooses the window.
        AjoutePoint(*c.E);
        const auto ecrit = [&](const char* fichier, int type) {
            auto e = std::make_unique<Etude>(*c.E); // one point
            e->Travail.TypeEtude = type;
            const std::string nom = c.Dossier.filePath(fichier).toStdString();
            return EcrireTravail(*e, nom, c.Services) ? nom : std::string();
        };
        c.Services.Reponses = {Reponse::Non};
        const std::string nom = ecrit("charge.ZYV", EtudeChargeGeneratrice);
        c.Services.Choix = {nom};
        ouvre("ButtonOuvrir");
        QCOMPARE(std::tuple(c.E->Travail.TypeEtude, c.E->Courant().NbPoints(), c.E->NomFichier),
                 std::tuple(int(EtudeChargeGeneratrice), 1, nom));
        QVERIFY(charge.isVisible() && !c.ZYV2->isVisible() && c.Services.Confirmations.size() == 3);
        // A file that cannot be read (kind 9) leaves an empty motor characteristic study.
        c.Services.Choix = {ecrit("abime.ZYV", 9), std::nullopt};
        ouvre("ButtonOuvrir");
        QCOMPARE(c.Services.Avertissements.back(), std::string(MessageErreurLecture));
        QVERIFY(c.E->Travail.TypeEtude == EtudeCaractMoteur && c.E->Courant().NbPoints() == 0 &&
                caracteristique.isVisible());
        // Cancelling the file dialog changes nothing.
        ouvre("ButtonOuvrir");
        QVERIFY(c.ZYV2->isVisible() && !caracteristique.isVisible() &&
                c.Services.DialoguesOuverture == 3);
    }
};

QTEST_MAIN(TestZYV2)
#include "test_tzyv2.moc"
