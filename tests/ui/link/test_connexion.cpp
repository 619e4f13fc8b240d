// Choosing the port and checking the module: the configuration and connection dialogs.
#include "ui/Coquille.h"

#include "ui/link/TComSelect.h"

#include <QRadioButton>
#include <QtTest>

using namespace zyv;

namespace {

// Ticks the radio entry of a port, as the user would.
void Choisit(TComSelect* s, int index) {
    auto* b = s->findChild<QRadioButton*>(QStringLiteral("RadioCom%1").arg(index));
    QVERIFY(b != nullptr && b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    QCOMPARE(s->NumComportSelect(), index);
}

} // namespace

class TestConnexion : public QObject {
    Q_OBJECT
private slots:

    void configurationListsPortsAndStoresTheChoice() {
        Coquille c{std::string(NomPortSimule)};
        TConfigCom& d = *c.ConfigCom;
        TComSelect* s = d.ComSelectZYV();
        // Each showing lists the ports present and ticks the stored one, if present.
        const auto montre = [&] {
            d.hide();
            d.show();
            return s->NumComportSelect();
        };
        QCOMPARE(montre(), 2);
        QCOMPARE(s->Items(), (std::vector<std::string>{"ttyS0", "ttyUSB10", NomPortSimule}));
        // A name longer than six characters: six in the record, the whole name beside it.
        Choisit(s, 1);
        c.Clique(&d, "BitBtnOK");
        QVERIFY(!d.isVisible() && c.E->Config.NomPort.Texte() == "ttyUSB");
        QCOMPARE(c.E->Config.Port(), std::string("ttyUSB10"));
        QCOMPARE(montre(), 1);
        c.E->Config.NomPort.Affecte("COM9");
        QCOMPARE(montre(), -1);
        // No serial port at all: the simulated bench alone; OK without a choice changes nothing.
        c.PortsPresents.clear();
        montre();
        QCOMPARE(s->Items(), std::vector<std::string>{NomPortSimule});
        c.Clique(&d, "BitBtnOK");
        QCOMPARE(c.E->Config.Port(), std::string("COM9"));
        // The system cannot list its ports: one error box, the list as it was.
        c.ListeEnPanne = true;
        montre();
        QCOMPARE(c.Services.Erreurs, std::vector<std::string>{"Erreur A1 "});
        QCOMPARE(s->Items(), std::vector<std::string>{NomPortSimule});
    }

    // Leaving during the wait closes the port. A refused port says "Erreur de connexion" and
    // why; a cancelled configuration tries the unchanged port again, a confirmed one the port
    // chosen, and the reason goes once it opens.
    void leavingThenRefusedPortsThenConfiguration() {
        Coquille c{std::string("ttyS0")};
        TFormConnection& d = *c.FormConnection;
        bool fini = false;
        d.Montre([&fini] { fini = true; });
        QVERIFY(c.Liaison.Connecte() && d.Timer1.isActive());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(fini && !d.Timer1.isActive() && !c.Liaison.Connecte() && c.Module->Ecrits.empty());

        c.Module->OuvertureAccepte = false;
        d.Montre({});
        QVERIFY(c.Boutons() && !d.Timer1.isActive());
        // "Aide" shows the help without closing the dialog.
        c.Clique(&d, "SpeedButton1");
        QVERIFY(c.Aide->isVisible() && d.isVisible());
        const auto essai = [&](EchecOuverture echec) {
            c.Module->Refus = echec;
            c.Clique(&d, "ButtonConfiguration");
            Choisit(c.ConfigCom->ComSelectZYV(), 1);
            c.Clique(c.ConfigCom.get(), "BitBtn2");
            const bool cause = c.Trouve(&d, "TextCause")->isVisible();
            return c.Texte(&d, "Text1") + (cause ? u'|' + c.Texte(&d, "TextCause") : QString());
        };
        const QString erreur = QStringLiteral("Erreur de connexion|");
        QCOMPARE(essai(EchecOuverture::AccesRefuse), erreur + TexteAccesRefuse);
        QCOMPARE(essai(EchecOuverture::Inconnu), QStringLiteral("Erreur de connexion"));
        QCOMPARE(essai(EchecOuverture::Absent), erreur + TextePortAbsent);
        QCOMPARE(essai(EchecOuverture::Occupe), erreur + TextePortOccupe);
        QVERIFY(c.Ouvertures() == 6 && c.E->Config.Port() == "ttyS0");
        // Choosing the simulated bench and confirming connects to it.
        c.Clique(&d, "ButtonConfiguration");
        Choisit(c.ConfigCom->ComSelectZYV(), 2);
        c.Clique(c.ConfigCom.get(), "BitBtnOK");
        QCOMPARE(c.Texte(&d, "Text1"), QStringLiteral("Connexion avec le module"));
        QVERIFY(!c.Trouve(&d, "TextCause")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 8000);
        QVERIFY(c.Liaison.Port().Nom == NomPortSimule && c.Liaison.Connecte());
    }
};

QTEST_MAIN(TestConnexion)
#include "test_connexion.moc"
