// The load study window on a scripted module: the waiting phase, a cycle stopped or cut short,
// the trials' frozen profiles, the layout and the time read-out.
#include "core/data/Operations.h"
#include "core/studies/ProfilCharge.h"
#include "ui/Coquille.h"
#include "ui/studies/TFormCharge.h"
#include "ui/studies/TSelectCharge.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTabBar>

using namespace zyv;

namespace {

struct EtudeCharge : Coquille {
    TGenerateurAleatoire Hasard;
    std::unique_ptr<TFormCharge> Fenetre;

    EtudeCharge() : Coquille(std::string("ttyS0")) {
        Fenetre = std::make_unique<TFormCharge>(*E, Liaison, Services, F, Hasard);
        // A motor load study with the speed against time already chosen.
        E->Travail.TypeEtude = EtudeChargeMoteur;
        E->Travail.Caract[1] = {
            .Defini = true, .Affiche = true, .GrandeurX = GTemps, .GrandeurY = GVitesse};
        Liaison.InitialiseComZYV();
        Liaison.OuvrirComZYV();
        Fenetre->show();
    }
    template <typename T = QWidget> T* W(const char* nom) const {
        return Fenetre->findChild<T*>(QString::fromLatin1(nom));
    }
    // "Connexion" then "Temporel": the cycle's first point is taken after the 1000 ms wait.
    void Demarre() {
        QTest::mouseClick(W<QPushButton>("ButtonTemporel"), Qt::LeftButton);
        QTRY_COMPARE(E->MesureCourante[GNumero], 0);
        QTest::mouseClick(W<QPushButton>("ButtonAcquisitionAutomatique"), Qt::LeftButton);
        QCOMPARE(E->Courant().DernierPoint, 0);
    }
};

} // namespace

class TestCharge : public QObject {
    Q_OBJECT
private slots:
    void attenteCyclesEtProfilsFiges() {
        EtudeCharge c;
        // Waiting: live readings with time 0, nothing stored, the selector frozen; Space takes
        // the latest reading at time 0.
        QTest::mouseClick(c.W<QPushButton>("ButtonTemporel"), Qt::LeftButton);
        QVERIFY(!c.Fenetre->SelectCharge->Modifiable);
        QTRY_COMPARE(c.W<QLabel>("ValVitesse")->text(), QStringLiteral("3450 tr/min"));
        QCOMPARE(c.E->Courant().DernierPoint, -1);
        QCOMPARE(c.W<QLabel>("ValTemps")->text(), QStringLiteral("----"));
        QTest::keyClick(c.Fenetre.get(), Qt::Key_Space);
        const TEssai& un = c.E->Courant();
        QCOMPARE(std::tuple(un.DernierPoint, un.Valeur(GTemps, 0), un.Valeur(GVitesse, 0)),
                 std::tuple(0, 0, 3450));
        c.Fenetre->ButtonStop1Click();

        // Trial 2: a cycle on a triangular profile, its mean following each point, stopped
        // early with Esc: points kept, the load released once, nothing sent after.
        c.Fenetre->NouvelEssai1Click();
        c.W<QComboBox>("ComboBoxCharge")->setCurrentIndex(ChargeTriangulaire);
        const auto profil = c.E->Courant().Consignes;
        auto* moyenne = c.W("CaractMachine1")->findChild<QLabel*>("TextVal1");
        QCOMPARE(moyenne->text(), QStringLiteral("----"));
        c.Demarre();
        QTRY_VERIFY(c.E->Courant().DernierPoint >= 2);
        QCOMPARE(moyenne->text(), QStringLiteral("3450 tr/min"));
        auto envoyes = c.Module->Ecrits;
        QTest::keyClick(c.Fenetre.get(), Qt::Key_Escape);
        QVERIFY(!c.Fenetre->Timer1.isActive() && !c.Fenetre->Timer2.isActive());
        envoyes.push_back(CommandeFinCycle);
        QCOMPARE(c.Module->Ecrits, envoyes);
        // A trial that holds its cycle cannot start another.
        QVERIFY(!c.W<QPushButton>("ButtonTemporel")->isEnabled());

        // A new trial starts from the last profile, changeable; trial 2 shows its own, frozen.
        c.Fenetre->NouvelEssai1Click();
        QCOMPARE(c.E->Courant().Consignes, profil);
        c.W<QComboBox>("ComboBoxCharge")->setCurrentIndex(ChargeConstante);
        QVERIFY(c.W<QComboBox>("ComboBoxCharge")->isEnabled());
        c.W<QTabBar>("TabControlCourbes")->setCurrentIndex(1);
        QCOMPARE(c.W<QComboBox>("ComboBoxCharge")->currentIndex(),
                 static_cast<int>(ChargeTriangulaire));

        // Trial 3's cycle: a second press on "Temporel" neither restarts nor stops it; then the
        // module is unplugged.
        c.W<QTabBar>("TabControlCourbes")->setCurrentIndex(2);
        c.Demarre();
        QTest::mouseClick(c.W<QPushButton>("ButtonAcquisitionAutomatique"), Qt::LeftButton);
        QVERIFY(c.W<QPushButton>("ButtonAcquisitionAutomatique")->isChecked());
        c.Module->LignePerdueApres = 0;
        QTRY_COMPARE(c.E->ModeAcquisition, 0);
        QCOMPARE(c.E->Courant().DernierPoint, 0);

        // Two plots are stacked.
        c.E->Travail.Caract[2] = c.E->Travail.Caract[1];
        QCOMPARE(c.Fenetre->calculposition({10, 20, 700, 880})[1], (TRectDim{10, 460, 700, 440}));
    }

    // Closed in the second before the time origin: the load is released, no point is taken.
    void fermeeAvantOrigine() {
        EtudeCharge c;
        QTest::mouseClick(c.W<QPushButton>("ButtonTemporel"), Qt::LeftButton);
        QTRY_COMPARE(c.E->MesureCourante[GNumero], 0);
        QTimer::singleShot(300, c.Fenetre.get(), &QWidget::close);
        QTest::mouseClick(c.W<QPushButton>("ButtonAcquisitionAutomatique"), Qt::LeftButton);
        QCOMPARE(std::pair(c.E->Courant().DernierPoint, c.Module->Ecrits.back()),
                 std::pair(-1, CommandeFinCycle));
    }

    // The simulated bench's controls stay above the windows; "Configuration" brings them back
    // once closed, on the simulated bench only; a change hands the keyboard back.
    void bancSimule() {
        EtudeCharge c;
        auto* menu = c.W<QMenu>("Configuration1");
        auto* entree = c.W<QAction>("BancSimule1");
        const auto offert = [&] { return emit menu->aboutToShow(), entree->isVisible(); };
        QVERIFY(entree != nullptr && !offert());
        c.Port.InitialisePort(NomPortSimule);
        QVERIFY(c.Port.OuvrePort());
        QTRY_VERIFY(c.FormBanc->isVisible());
        QVERIFY(c.FormBanc->windowFlags() & Qt::WindowStaysOnTopHint);
        c.FormBanc->close();
        c.FormBanc->Timer1Timer();
        QVERIFY(!c.FormBanc->isVisible() && offert());
        entree->trigger();
        c.Fenetre->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), c.Fenetre.get());
        c.FormBanc->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), c.FormBanc.get());
        QTest::keyClick(c.Trouve(c.FormBanc.get(), "TrackBarCharge"), Qt::Key_Up);
        QTRY_COMPARE(QApplication::activeWindow(), c.Fenetre.get());
    }
};

QTEST_MAIN(TestCharge)
#include "test_charge.moc"
