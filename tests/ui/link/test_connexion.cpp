// Choosing the port and checking the module: the configuration and connection dialogs.
#include "ui/Coquille.h"

#include "core/link/ListePorts.h"
#include "ui/link/TComSelect.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using namespace zyv;

namespace {

QString Texte1(Coquille& c) {
    return c.Trouve<QLabel>(c.FormConnection.get(), "Text1")->text();
}

bool Boutons(Coquille& c) {
    return c.Trouve(c.FormConnection.get(), "PanelBoutons")->isVisible();
}

void Clique(QWidget* dans, const char* nom) {
    auto* b = dans->findChild<QPushButton*>(QString::fromLatin1(nom));
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Ticks the radio entry of a port, as the user would.
void Choisit(TComSelect* s, int index) {
    auto* b = s->findChild<QRadioButton*>(QStringLiteral("RadioCom%1").arg(index));
    QVERIFY(b != nullptr);
    QVERIFY(b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    QCOMPARE(s->NumComportSelect(), index);
}

} // namespace

class TestConnexion : public QObject {
    Q_OBJECT
private slots:
    void configurationListsPortsAndStoresTheChoice();
    void configurationWithoutSerialPortsOrListing();
    void portThatCannotBeOpened();
    void configurationThenCancelStillRetries();
    void leavingDuringTheWaitClosesThePort();
    void simulatedBenchWindowFollowsThePort();
};

void TestConnexion::configurationListsPortsAndStoresTheChoice() {
    Coquille c{std::string(NomPortSimule)};
    TConfigCom& d = *c.ConfigCom;
    QCOMPARE(d.windowTitle(), QStringLiteral("Configuration du port de communication"));
    QCOMPARE(c.Trouve<QPushButton>(&d, "BitBtnOK")->text(), QStringLiteral("OK"));
    QCOMPARE(c.Trouve<QPushButton>(&d, "BitBtn2")->text(), QStringLiteral("Annuler"));
    d.show();
    TComSelect* s = d.ComSelectZYV();
    QCOMPARE(s->Items(), (std::vector<std::string>{"ttyS0", "ttyUSB10", NomPortSimule}));
    QCOMPARE(s->NumComportSelect(), 2);

    // A name longer than six characters: six in the record, the whole name beside it.
    Choisit(s, 1);
    Clique(&d, "BitBtnOK");
    QVERIFY(!d.isVisible());
    QCOMPARE(c.E->Config.NomPort.Texte(), std::string("ttyUSB"));
    QCOMPARE(c.E->Config.Port(), std::string("ttyUSB10"));

    // Reopened: the stored port is selected again; "Annuler" keeps it.
    d.show();
    QCOMPARE(s->NumComportSelect(), 1);
    Choisit(s, 0);
    Clique(&d, "BitBtn2");
    QCOMPARE(c.E->Config.Port(), std::string("ttyUSB10"));

    // A port that has gone: listed ports, none selected.
    c.E->Config.NomPort.Affecte("COM9");
    d.show();
    QCOMPARE(s->NumComportSelect(), -1);
    std::string nom = "x";
    s->NomComportSelect(nom);
    QCOMPARE(nom, std::string());
    d.hide();
}

void TestConnexion::configurationWithoutSerialPortsOrListing() {
    Coquille c{std::string("COM3")};
    c.PortsPresents.clear();
    TConfigCom& d = *c.ConfigCom;
    d.show();
    TComSelect* s = d.ComSelectZYV();
    QCOMPARE(s->Items(), std::vector<std::string>{NomPortSimule});
    QCOMPARE(s->NumComportSelect(), -1);
    Clique(&d, "BitBtnOK");
    QCOMPARE(c.E->Config.Port(), std::string("COM3"));
    QVERIFY(c.Services.Erreurs.empty());

    // The system cannot list its ports: one error box, the list as it was.
    c.ListeEnPanne = true;
    d.show();
    QCOMPARE(c.Services.Erreurs, std::vector<std::string>{"Erreur A1 "});
    QCOMPARE(s->Items(), std::vector<std::string>{NomPortSimule});
    d.hide();
}

void TestConnexion::portThatCannotBeOpened() {
    Coquille c{std::string("ttyS0")};
    c.Module->Ouvrable = false;
    TFormConnection& d = *c.FormConnection;
    QCOMPARE(d.windowTitle(), QStringLiteral("Connexion"));
    QCOMPARE(d.Timer1.interval(), 50);
    bool fini = false;
    d.Montre([&fini] { fini = true; });
    QCOMPARE(Texte1(c), QStringLiteral("Erreur de connexion"));
    QVERIFY(Boutons(c));
    QVERIFY(!d.Timer1.isActive());
    QCOMPARE(c.Module->Ouvertures, 1);
    QCOMPARE(c.Trouve<QPushButton>(&d, "SpeedButton1")->text(), QStringLiteral("Aide"));
    QCOMPARE(c.Trouve<QPushButton>(&d, "ButtonConfiguration")->text(),
             QStringLiteral("Configuration"));
    // "Aide" shows the help without closing the dialog.
    Clique(&d, "SpeedButton1");
    QVERIFY(c.Aide->isVisible());
    QVERIFY(d.isVisible());
    Clique(&d, "BitBtn1");
    QVERIFY(!d.isVisible());
    QVERIFY(fini);
    c.Aide->hide();
}

void TestConnexion::configurationThenCancelStillRetries() {
    Coquille c{std::string("ttyS0")};
    c.Module->Ouvrable = false;
    TFormConnection& d = *c.FormConnection;
    d.Montre({});
    QCOMPARE(c.Module->Ouvertures, 1);
    Clique(&d, "ButtonConfiguration");
    QVERIFY(c.ConfigCom->isVisible());
    Choisit(c.ConfigCom->ComSelectZYV(), 1);
    Clique(c.ConfigCom.get(), "BitBtn2");
    // A new attempt on the unchanged port.
    QCOMPARE(c.Module->Ouvertures, 2);
    QCOMPARE(c.E->Config.Port(), std::string("ttyS0"));
    QCOMPARE(Texte1(c), QStringLiteral("Erreur de connexion"));

    // Choosing the simulated bench and confirming connects to it.
    Clique(&d, "ButtonConfiguration");
    Choisit(c.ConfigCom->ComSelectZYV(), 2);
    Clique(c.ConfigCom.get(), "BitBtnOK");
    QCOMPARE(Texte1(c), QStringLiteral("Connexion avec le module"));
    QVERIFY(!Boutons(c));
    QVERIFY(c.Liaison.Connecte());
    QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 8000);
    QVERIFY(c.Liaison.Connecte());
    QCOMPARE(c.Liaison.Port().Nom, std::string(NomPortSimule));
}

void TestConnexion::leavingDuringTheWaitClosesThePort() {
    Coquille c{std::string("ttyS0")};
    TFormConnection& d = *c.FormConnection;
    bool fini = false;
    d.Montre([&fini] { fini = true; });
    QVERIFY(c.Liaison.Connecte());
    QVERIFY(d.Timer1.isActive());
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(fini);
    QVERIFY(!d.Timer1.isActive());
    QVERIFY(!c.Liaison.Connecte());
    QVERIFY(c.Module->Envoyes.empty());
}

void TestConnexion::simulatedBenchWindowFollowsThePort() {
    Coquille c{std::string(NomPortSimule)};
    TFormBancSimule& b = *c.FormBanc;
    QCOMPARE(b.windowTitle(), QStringLiteral("Banc simulé"));
    QVERIFY(!b.isVisible());
    c.Liaison.InitialiseComZYV();
    QVERIFY(c.Liaison.OuvrirComZYV());
    QTRY_VERIFY(b.isVisible());

    auto* tension = c.Trouve<QSlider>(&b, "TrackBarTension");
    auto* charge = c.Trouve<QSlider>(&b, "TrackBarCharge");
    QCOMPARE(tension->maximum(), 300);
    QCOMPARE(charge->maximum(), 150);
    tension->setValue(125);
    QCOMPARE(c.BancSimule.TensionAlimentation(), 12.5);
    QCOMPARE(c.Trouve<QLabel>(&b, "LabelTension")->text(), QStringLiteral("12,5 V"));
    charge->setValue(120);
    QCOMPARE(c.BancSimule.ChargeManuelle(), 120);
    QCOMPARE(c.Trouve<QLabel>(&b, "LabelCharge")->text(), QStringLiteral("120 %"));
    QCOMPARE(c.Trouve<QLabel>(&b, "LabelConsigne")->text(), QStringLiteral("aucune"));
    c.Liaison.SetCharge(75);
    QTRY_COMPARE(c.Trouve<QLabel>(&b, "LabelConsigne")->text(), QStringLiteral("75 %"));

    // Closed by the user, it stays away while the bench is connected...
    b.close();
    b.Timer1Timer();
    QVERIFY(!b.isVisible());
    // ... and comes back with the next connection.
    c.Liaison.FermeComZYV();
    b.Timer1Timer();
    QVERIFY(c.Liaison.OuvrirComZYV());
    b.Timer1Timer();
    QVERIFY(b.isVisible());
    c.Liaison.FermeComZYV();
    QTRY_VERIFY(!b.isVisible());
}

QTEST_MAIN(TestConnexion)
#include "test_connexion.moc"
