// The main window as a user drives it, on the simulated bench or a scripted module.
#include "ui/Coquille.h"

#include "core/data/Operations.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace zyv;

namespace {

const char* const ChampsValeurs[] = {"ValCourantMoteur", "ValTensionMoteur", "ValPElecMoteur",
                                     "Valcouple",        "ValVitesse",       "ValPMeca",
                                     "ValCourantGene",   "ValTensionGene",   "ValPelecGene"};

QString Texte(Coquille& c, QWidget* w, const char* nom) {
    return c.Trouve<QLabel>(w, nom)->text();
}

bool TousTirets(Coquille& c) {
    for (const char* nom : ChampsValeurs)
        if (Texte(c, c.ZYV2.get(), nom) != QStringLiteral("----")) return false;
    return true;
}

void Clique(Coquille& c, QWidget* w, const char* nom) {
    QPushButton* b = c.Trouve<QPushButton>(w, nom);
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Shows the main window and waits for the connection check to end, one way or the other.
void DemarreEtAttendsConnexion(Coquille& c) {
    c.ZYV2->show();
    QTRY_VERIFY(c.FormConnection->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!c.FormConnection->isVisible() ||
                                 c.Trouve(c.FormConnection.get(), "PanelBoutons")->isVisible(),
                             8000);
}

} // namespace

class TestZYV2 : public QObject {
    Q_OBJECT
private slots:
    void captionsAndLayout();
    void startWithoutConfigurationFile();
    void simulatedBenchAcceptedThenLiveValues();
    void wrongIdentificationRejected();
    void lostLinkShowsDashesOnceThenConnecter();
    void copyValuesBeforeAnyReading();
    void closeCancelledKeepsRunningWithPortOpen();
    void sameStudyButtonTwiceKeepsTheStudy();
    void openingAStudyFileChoosesItsWindow();
};

void TestZYV2::captionsAndLayout() {
    Coquille c{std::string("COM3")};
    TZYV2& w = *c.ZYV2;
    QCOMPARE(w.windowTitle(), QStringLiteral("Etude des conversions électromécaniques "));
    QCOMPARE(w.size(), QSize(798, 648));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.Timer1.interval(), 250);
    QVERIFY(!w.Timer1.isActive());
    const std::pair<const char*, const char*> boutons[] = {
        {"SpeedButtonAide", "Aide"},
        {"ButtonCopierValeurs", "Copier les valeurs"},
        {"ButtonCaractMoteur", "Etude des caractéristiques en moteur"},
        {"ButtonChargeMoteur", "Etude du moteur sur charge variable"},
        {"ButtonCaractGene", "Etude des caractéristiques en génératrice"},
        {"ButtonChargeGene", "Etude de la génératrice sur charge variable"},
        {"ButtonOuvrir", "Ouvrir un fichier"},
        {"ButtonConnecter", "Connecter"},
        {"ButtonQuitter", "Quitter"}};
    for (auto [nom, texte] : boutons)
        QCOMPARE(c.Trouve<QPushButton>(&w, nom)->text(), QString::fromUtf8(texte));
    QCOMPARE(Texte(c, &w, "LabelPelecGene"), QStringLiteral("Puissance électrique  PEg"));
    QCOMPARE(Texte(c, &w, "LabelTitre"),
             QStringLiteral("Conversions électromécaniques Machines à courant continu"));
    // The indicator lies under the button, same place and size.
    w.show();
    QTRY_VERIFY(c.FormConnection->isVisible());
    QWidget* panel = c.Trouve(&w, "PanelConnecte");
    QWidget* bouton = c.Trouve(&w, "ButtonConnecter");
    QCOMPARE(panel->geometry(), bouton->geometry());
    QVERIFY(TousTirets(c));
    QCOMPARE(c.E->RepertoireProgramme, c.Dossier.path().toStdString());
    QCOMPARE(w.OpenDialogZYV2.RepertoireInitial, c.Dossier.filePath("Fichiers").toStdString());
    QCOMPARE(w.SaveDialogZYV2.Filtre, std::string("ZYV|*.ZYV"));
    QCOMPARE(w.SaveDialogZYV2.ExtensionDefaut, std::string("ZYV"));
    // Help opens beside the window, without waiting.
    QTest::keyClick(c.FormConnection.get(), Qt::Key_Escape);
    QVERIFY(!c.FormConnection->isVisible());
    Clique(c, &w, "SpeedButtonAide");
    QVERIFY(c.Aide->isVisible());
    QVERIFY(w.isVisible());
    c.Aide->hide();
}

void TestZYV2::startWithoutConfigurationFile() {
    Coquille c(std::nullopt);
    QCOMPARE(c.Services.Avertissements, std::vector<std::string>{MessageErreurLecture});
    DemarreEtAttendsConnexion(c);
    QVERIFY(c.FormConnection->isVisible());
    QCOMPARE(Texte(c, c.FormConnection.get(), "Text1"), QStringLiteral("Connexion non configurée"));
    QCOMPARE(c.Module->Ouvertures, 0);
    Clique(c, c.FormConnection.get(), "BitBtn1");
    QTRY_VERIFY(!c.FormConnection->isVisible());
    QVERIFY(c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
    QCOMPARE(Texte(c, c.ZYV2.get(), "PanelConnecte"), QString());
    // The timer finds the port closed and stops: no reading ever took place.
    QTRY_VERIFY(!c.ZYV2->Timer1.isActive());
    QVERIFY(TousTirets(c));
    QVERIFY(c.Module->Envoyes.empty());
}

void TestZYV2::simulatedBenchAcceptedThenLiveValues() {
    Coquille c{std::string(NomPortSimule)};
    c.ZYV2->show();
    QTRY_VERIFY(c.FormConnection->isVisible());
    QCOMPARE(Texte(c, c.FormConnection.get(), "Text1"), QStringLiteral("Connexion avec le module"));
    QVERIFY(!c.Trouve(c.FormConnection.get(), "PanelBoutons")->isVisible());
    QVERIFY(c.Liaison.Connecte());
    auto* jauge = c.Trouve<QProgressBar>(c.FormConnection.get(), "ProgressBar1");
    QCOMPARE(jauge->maximum(), 50);
    QTRY_VERIFY(jauge->value() > 10);
    // Still waiting: nothing is polled before the module has been accepted.
    QVERIFY(c.FormConnection->isVisible());
    QVERIFY(!c.ZYV2->Timer1.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!c.FormConnection->isVisible(), 8000);
    QCOMPARE(c.FormConnection->Compteur, 51);
    QCOMPARE(jauge->value(), 50);

    QVERIFY(c.Liaison.Connecte());
    QVERIFY(!c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
    QCOMPARE(Texte(c, c.ZYV2.get(), "PanelConnecte"), QStringLiteral("Connecté"));
    QVERIFY(c.ZYV2->Timer1.isActive());
    QTRY_VERIFY(!TousTirets(c));
    // The simulated bench's controls appear with it.
    QTRY_VERIFY(c.FormBanc->isVisible());

    // Every field shows its quantity of the last reading.
    QTRY_COMPARE(Texte(c, c.ZYV2.get(), "ValVitesse"),
                 QString::fromStdString(FormatMesure(*c.E, GVitesse)));
    QVERIFY(Texte(c, c.ZYV2.get(), "ValVitesse").endsWith(QStringLiteral(" tr/min")));

    // Turning the supply down slows the machine: the live fields follow.
    const QString avant = Texte(c, c.ZYV2.get(), "ValVitesse");
    const int vitesseAvant = c.E->MesureCourante[GVitesse];
    c.BancSimule.SetTensionAlimentation(6.0);
    QTRY_VERIFY_WITH_TIMEOUT(c.E->MesureCourante[GVitesse] < vitesseAvant / 2, 8000);
    QTRY_VERIFY(Texte(c, c.ZYV2.get(), "ValVitesse") != avant);
    for (const char* nom : ChampsValeurs)
        QVERIFY(Texte(c, c.ZYV2.get(), nom) != QStringLiteral("----"));
}

void TestZYV2::wrongIdentificationRejected() {
    Coquille c{std::string("ttyS0")};
    c.Module->Identification = "ABCDEF";
    DemarreEtAttendsConnexion(c);
    QVERIFY(c.FormConnection->isVisible());
    QCOMPARE(Texte(c, c.FormConnection.get(), "Text1"), QStringLiteral("Erreur de connexion"));
    QVERIFY(c.Trouve(c.FormConnection.get(), "PanelBoutons")->isVisible());
    QCOMPARE(c.FormConnection->Etat, 1);
    QVERIFY(!c.Liaison.Connecte());
    QVERIFY(!c.Module->isOpen());
    // Only the identification was asked for.
    QCOMPARE(c.Module->Envoyes, std::vector<std::uint8_t>{0xFD});
    Clique(c, c.FormConnection.get(), "BitBtn1");
    QTRY_VERIFY(!c.FormConnection->isVisible());
    QVERIFY(c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
}

void TestZYV2::lostLinkShowsDashesOnceThenConnecter() {
    Coquille c{std::string("ttyS0")};
    c.Module->MesuresAvantCoupure = 3;
    DemarreEtAttendsConnexion(c);
    QVERIFY(!c.FormConnection->isVisible());
    QTRY_COMPARE(c.Module->MesuresEnvoyees(), 3);
    // The failed reading shows dashes, then the next tick finds the port closed.
    QTRY_VERIFY(!c.Liaison.Connecte());
    QVERIFY(TousTirets(c));
    QTRY_VERIFY(c.Trouve(c.ZYV2.get(), "ButtonConnecter")->isVisible());
    QVERIFY(!c.ZYV2->Timer1.isActive());
    QCOMPARE(Texte(c, c.ZYV2.get(), "PanelConnecte"), QString());
    const std::size_t envoyes = c.Module->Envoyes.size();
    QTest::qWait(300);
    QCOMPARE(c.Module->Envoyes.size(), envoyes);
    QVERIFY(TousTirets(c));
}

void TestZYV2::copyValuesBeforeAnyReading() {
    Coquille c{std::string("COM3")};
    Clique(c, c.ZYV2.get(), "ButtonCopierValeurs");
    QCOMPARE(c.Services.PressePapiers,
             std::string("Um\tIm\tPEm\tN\tC\tPM\tUg\tIg\tPEg\r\n"
                         "(V)\t(A)\t(W)\t(tr/min)\t(mN.m)\t(W)\t(V)\t(A)\t(W)\r\n"
                         "0,00\t0,000\t0,00\t0\t0,0\t0,00\t0,00\t0,000\t0,00\r\n"));
    // A quantity without unit leaves its field empty, except in the first column.
    c.E->Travail.Grandeurs[GCourantMoteur].Unite.Affecte("");
    c.E->Travail.Grandeurs[GTensionMoteur].Unite.Affecte("");
    c.E->MesureCourante[GTensionMoteur] = 2430;
    c.E->MesureCourante[GCourantMoteur] = -1360;
    const std::string texte = c.ZYV2->TexteValeurs();
    QVERIFY(texte.find("\r\n()\t\t(W)\t") != std::string::npos);
    QVERIFY(texte.find("\r\n24,30\t-1,360\t") != std::string::npos);
}

void TestZYV2::closeCancelledKeepsRunningWithPortOpen() {
    Coquille c{std::string(NomPortSimule)};
    QSignalSpy fermee(c.ZYV2.get(), &TZYV2::Fermee);
    DemarreEtAttendsConnexion(c);
    QVERIFY(c.Liaison.Connecte());
    AjoutePoint(*c.E);
    QVERIFY(!c.E->Enregistre);
    const QString config = c.Dossier.filePath(QString::fromLatin1(NomFichierConfig));
    QFile::remove(config);

    c.Services.Reponses = {Reponse::Annuler};
    Clique(c, c.ZYV2.get(), "ButtonQuitter");
    QCOMPARE(c.Services.Confirmations,
             std::vector<std::string>{"Fichier modifié. Voulez-vous l'enregistrer?"});
    QVERIFY(c.ZYV2->isVisible());
    QVERIFY(c.Liaison.Connecte());
    QVERIFY(c.ZYV2->Timer1.isActive());
    QVERIFY(!QFile::exists(config));
    QCOMPARE(fermee.count(), 0);

    // "&Oui" then cancelling the file dialog stops as well.
    c.Services.Reponses = {Reponse::Oui};
    c.Services.Choix = {std::nullopt};
    QVERIFY(!c.ZYV2->close());
    QVERIFY(c.Liaison.Connecte());

    c.Services.Reponses = {Reponse::Non};
    QVERIFY(c.ZYV2->close());
    QVERIFY(!c.Liaison.Connecte());
    QVERIFY(!c.ZYV2->Timer1.isActive());
    QCOMPARE(fermee.count(), 1);
    // The configuration is written on the way out.
    auto relu = std::make_unique<Etude>();
    relu->RepertoireProgramme = c.E->RepertoireProgramme;
    QVERIFY(LireConfig(*relu, c.Services));
    QCOMPARE(relu->Config.Port(), std::string(NomPortSimule));
}

void TestZYV2::sameStudyButtonTwiceKeepsTheStudy() {
    Coquille c{std::string("COM3")};
    QWidget caracteristique;
    QWidget charge;
    c.F.FormCaracteristique = &caracteristique;
    c.F.FormCharge = &charge;
    DemarreEtAttendsConnexion(c);
    Clique(c, c.FormConnection.get(), "BitBtn1");
    QTRY_VERIFY(!c.FormConnection->isVisible());

    Clique(c, c.ZYV2.get(), "ButtonCaractMoteur");
    QVERIFY(caracteristique.isVisible());
    QVERIFY(!c.ZYV2->isVisible());
    QVERIFY(!c.ZYV2->Timer1.isActive());
    AjoutePoint(*c.E);
    AjoutePoint(*c.E);
    // The study window closes: the main window comes back without the connection dialog.
    caracteristique.hide();
    c.ZYV2->show();
    QCoreApplication::processEvents();
    QVERIFY(!c.FormConnection->isVisible());

    Clique(c, c.ZYV2.get(), "ButtonCaractMoteur");
    QVERIFY(c.Services.Confirmations.empty());
    QCOMPARE(c.E->Travail.TypeEtude, int(EtudeCaractMoteur));
    QCOMPARE(c.E->Travail.Essai(1).NbPoints(), 2);
    caracteristique.hide();
    c.ZYV2->show();

    // Another kind asks first; "Annuler" keeps everything as it was.
    c.Services.Reponses = {Reponse::Annuler};
    Clique(c, c.ZYV2.get(), "ButtonCaractGene");
    QCOMPARE(c.Services.Confirmations.size(), std::size_t(1));
    QCOMPARE(c.E->Travail.TypeEtude, int(EtudeCaractMoteur));
    QCOMPARE(c.E->Travail.Essai(1).NbPoints(), 2);
    QVERIFY(c.ZYV2->isVisible());
    QVERIFY(!caracteristique.isVisible());

    c.Services.Reponses = {Reponse::Non};
    Clique(c, c.ZYV2.get(), "ButtonCaractGene");
    QCOMPARE(c.E->Travail.TypeEtude, int(EtudeCaractGeneratrice));
    QCOMPARE(c.E->Travail.Essai(1).NbPoints(), 0);
    QVERIFY(caracteristique.isVisible());
    caracteristique.hide();
    c.ZYV2->show();

    // An unchanged study changes kind without a question.
    Clique(c, c.ZYV2.get(), "ButtonChargeGene");
    QCOMPARE(c.Services.Confirmations.size(), std::size_t(2));
    QCOMPARE(c.E->Travail.TypeEtude, int(EtudeChargeGeneratrice));
    QVERIFY(charge.isVisible());
}

void TestZYV2::openingAStudyFileChoosesItsWindow() {
    Coquille c{std::string("COM3")};
    QWidget caracteristique;
    QWidget charge;
    c.F.FormCaracteristique = &caracteristique;
    c.F.FormCharge = &charge;

    // A load study of the generator with two points, saved beforehand.
    const std::string nom = c.Dossier.filePath("charge.ZYV").toStdString();
    {
        auto e = std::make_unique<Etude>();
        NouveauTravail(*e);
        e->Travail.TypeEtude = EtudeChargeGeneratrice;
        AjoutePoint(*e);
        AjoutePoint(*e);
        QVERIFY(EcrireTravail(*e, nom, c.Services));
    }
    AjoutePoint(*c.E);
    c.Services.Reponses = {Reponse::Non};
    c.Services.Choix = {nom};
    Clique(c, c.ZYV2.get(), "ButtonOuvrir");
    QCOMPARE(c.Services.Confirmations.size(), std::size_t(1));
    QCOMPARE(c.E->Travail.TypeEtude, int(EtudeChargeGeneratrice));
    QCOMPARE(c.E->Travail.Essai(1).NbPoints(), 2);
    QCOMPARE(c.E->NomFichier, nom);
    QVERIFY(charge.isVisible());
    QVERIFY(!c.ZYV2->isVisible());
    charge.hide();
    c.ZYV2->show();

    // A file that cannot be read leaves an empty motor characteristic study.
    const QString abime = c.Dossier.filePath("abime.ZYV");
    {
        QFile f(abime);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, '\0'));
    }
    c.Services.Choix = {abime.toStdString()};
    Clique(c, c.ZYV2.get(), "ButtonOuvrir");
    QCOMPARE(c.Services.Avertissements.back(), std::string(MessageErreurLecture));
    QCOMPARE(c.E->Travail.TypeEtude, int(EtudeCaractMoteur));
    QCOMPARE(c.E->Travail.Essai(1).NbPoints(), 0);
    QVERIFY(caracteristique.isVisible());

    // A kind no button stands for opens no window.
    caracteristique.hide();
    c.ZYV2->show();
    {
        auto e = std::make_unique<Etude>();
        NouveauTravail(*e);
        e->Travail.TypeEtude = 9;
        QVERIFY(EcrireTravail(*e, nom, c.Services));
    }
    c.Services.Choix = {nom};
    Clique(c, c.ZYV2.get(), "ButtonOuvrir");
    QVERIFY(c.ZYV2->isVisible());
    QVERIFY(!caracteristique.isVisible() && !charge.isVisible());

    // Cancelling the file dialog changes nothing.
    caracteristique.hide();
    c.ZYV2->show();
    c.Services.Choix = {std::nullopt};
    Clique(c, c.ZYV2.get(), "ButtonOuvrir");
    QVERIFY(c.ZYV2->isVisible());
    QCOMPARE(c.Services.DialoguesOuverture, 4);
}

QTEST_MAIN(TestZYV2)
#include "test_tzyv2.moc"
