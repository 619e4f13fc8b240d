// The load study window on a scripted module: the waiting phase, a cycle stopped or cut short,
// the trials' frozen profiles, the layout and the time read-out.
#include "ui/Coquille.h"
#include "ui/studies/TSelectCharge.h"

#include <QComboBox>

using namespace zyv;

namespace {

struct EtudeCharge : PosteEtude<TFormCharge> {
    EtudeCharge() {
        // A motor load study with the speed against time already chosen.
        E->Travail.TypeEtude = EtudeChargeMoteur;
        E->Travail.Caract[1] = {
            .Defini = true, .Affiche = true, .GrandeurX = GTemps, .GrandeurY = GVitesse};
        Liaison.InitialiseComZYV();
        Liaison.OuvrirComZYV();
        Fenetre->show();
    }
    // "Connexion" then "Temporel", pressed by a screen reader: the cycle's first point is taken
    // once the module has settled a second on the first set-point.
    void Demarre() {
        Actionne(W("ButtonTemporel"));
        QTRY_COMPARE(E->MesureCourante[GNumero], 0);
        QElapsedTimer attente;
        attente.start();
        Actionne(W("ButtonAcquisitionAutomatique"));
        QVERIFY(attente.elapsed() >= 995);
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
        QTRY_COMPARE(c.Val("ValVitesse"), QStringLiteral("3450 tr/min"));
        QVERIFY(c.E->Courant().DernierPoint == -1 && c.Val("ValTemps") == "----");
        QTest::keyClick(c.Fenetre.get(), Qt::Key_Space);
        const TEssai& un = c.E->Courant();
        QCOMPARE(std::tuple(un.DernierPoint, un.Valeur(GTemps, 0), un.Valeur(GVitesse, 0)),
                 std::tuple(0, 0, 3450));
        // That point does not block the cycle; a second press is refused with a beep.
        auto* temporel = c.W<QPushButton>("ButtonAcquisitionAutomatique");
        QTest::mouseClick(temporel, Qt::LeftButton);
        QVERIFY(c.Fenetre->Timer2.isActive() && un.DernierPoint == 1);
        QTest::mouseClick(temporel, Qt::LeftButton);
        QCOMPARE(c.Services.Bips, 1);
        // Nothing from a frame's pop-up may change the trials while the cycle runs.
        SelectionnePoint(*c.E, 0);
        c.Fenetre->CaractMachine[0]->PopupMenu1Popup();
        for (const char* entree :
             {"Suppressiondupoint1", "Suppressiondetouslespoints1", "Nouvelessai1"})
            QVERIFY2(!c.Fenetre->CaractMachine[0]->findChild<QAction*>(entree)->isEnabled(),
                     entree);
        c.Fenetre->SupprimeTousPoints();
        c.Fenetre->NouvelEssai1Click();
        QVERIFY(c.Services.Questions.empty());
        QCOMPARE(std::tuple(c.E->Travail.NbEssais, c.Services.Bips), std::tuple(1, 3));
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
        c.Lira({2430, 1360, 3000, 253, 2000, 1000}); // the value column follows each reading
        QTRY_COMPARE(c.Val("ValVitesse"), QStringLiteral("3000 tr/min"));
        auto envoyes = c.Module->Ecrits;
        QTest::keyClick(c.Fenetre.get(), Qt::Key_Escape);
        QVERIFY(!c.Fenetre->Timer1.isActive() && !c.Fenetre->Timer2.isActive());
        envoyes.push_back(CommandeFinCycle);
        QCOMPARE(c.Module->Ecrits, envoyes);

        // A new trial starts from the last profile, changeable; trial 2 shows its own, frozen.
        c.Fenetre->NouvelEssai1Click();
        QCOMPARE(c.E->Courant().Consignes, profil);
        auto* charge = c.W<QComboBox>("ComboBoxCharge");
        charge->setCurrentIndex(ChargeConstante);
        QVERIFY(charge->isEnabled());
        c.W<QTabBar>("TabControlCourbes")->setCurrentIndex(1);
        QCOMPARE(charge->currentIndex(), static_cast<int>(ChargeTriangulaire));

        // Trial 3's cycle: a second press on "Temporel" neither restarts nor stops it; then the
        // module is unplugged.
        c.W<QTabBar>("TabControlCourbes")->setCurrentIndex(2);
        c.Demarre();
        QTest::mouseClick(c.W<QPushButton>("ButtonAcquisitionAutomatique"), Qt::LeftButton);
        QVERIFY(c.W<QPushButton>("ButtonAcquisitionAutomatique")->isChecked());
        c.Module->LignePerdueApres = 0;
        QTRY_COMPARE(c.E->ModeAcquisition, 0);
        QVERIFY(c.E->Courant().DernierPoint == 0 && Lu(moyenne) == moyenne->text());
    }

    // "Connexion" is offered on an open port to a trial without points, deleted ones included.
    void connexionSelonPointsEtPort_data() {
        QTest::addColumn<bool>("points");
        QTest::addColumn<bool>("supprimes");
        QTest::addColumn<bool>("ouvert");
        QTest::addColumn<bool>("offert");
        QTest::newRow("vide") << false << false << true << true;
        QTest::newRow("points") << true << false << true << false;
        QTest::newRow("points supprimes") << true << true << true << true;
        QTest::newRow("port ferme") << false << false << false << false;
    }
    void connexionSelonPointsEtPort() {
        QFETCH(bool, points);
        QFETCH(bool, supprimes);
        QFETCH(bool, ouvert);
        QFETCH(bool, offert);
        EtudeCharge c;
        if (points) AjoutePoint(*c.E);
        if (!ouvert) c.Liaison.FermeComZYV();
        c.Fenetre->ActionCar();
        c.Services.ReponsesQuestion = {true};
        if (supprimes) c.Fenetre->SupprimeTousPoints();
        QCOMPARE(c.W("ButtonTemporel")->isEnabled(), offert);
    }

    void cadresEmpilesEtPageImprimee() {
        EtudeCharge c;
        for (auto [t, pm] : {std::pair{0, 1000}, {50, 2000}, {100, 3000}}) {
            TMesure& m = c.E->MesureCourante;
            m = TMesure{};
            std::tie(m[GTemps], m[GVitesse], m[GCouple], m[GPuissanceMeca], m[GCourantMoteur]) =
                std::tuple(t, 3000, 250, pm, 1360);
            AjoutePoint(*c.E);
        }
        const int y[] = {GCouple, GPuissanceMeca, GCourantMoteur};
        for (int k = 2; k <= 4; ++k)
            c.E->Travail.Caract[k] = {
                .Defini = k == 2, .Affiche = true, .GrandeurX = GTemps, .GrandeurY = y[k - 2]};
        // Two, then four frames of different label widths: the same time on the same column.
        for (int n : {2, 4}) {
            for (int k = 3; k <= 4; ++k) c.E->Travail.Caract[k].Defini = n == 4;
            c.Fenetre->ActionCar();
            QTRY_VERIFY(c.Fenetre->CaractMachine[n - 1]->GrapheEcran.Valide);
            const auto colonne = [&](int k, int t) {
                const CadreTrace* f = c.Fenetre->CaractMachine[k];
                const QWidget* zone = f->findChild<QWidget*>("PaintBox1");
                return zone->mapTo(c.Fenetre.get(), QPoint(0, 0)).x() +
                       ValeurVersPixelX(f->GrapheEcran, t);
            };
            for (int k = 1; k < n; ++k)
                for (int t : {0, 1500, 6000}) QTRY_COMPARE(colonne(k, t), colonne(0, t));
        }

        // The page carries each frame's results beside its plot; a PDF goes beside the study.
        c.E->NomFichier = c.Dossier.filePath("Essai 3.ZYV").toStdString();
        c.Services.FichierPdf = c.Dossier.filePath("page.pdf");
        c.Fenetre->Imprimer1Click();
        QCOMPARE(c.Services.FichierPropose, c.Dossier.filePath("Essai 3.pdf"));
        QPdfDocument pdf;
        QCOMPARE(pdf.load(c.Services.FichierPdf), QPdfDocument::Error::None);
        const QString texte = pdf.getAllText(0).text();
        for (const char* attendu : {"Valeur moyenne", "3000 tr/min", "25,0 mN.m", "25,00 W",
                                    "Energie", "25,0 J", "Valeur efficace", "1,360 A"})
            QVERIFY2(texte.contains(QString::fromUtf8(attendu)), attendu);
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

    // The simulated bench's panel stays above the window while "SIMUL" is open, and once closed
    // the "Configuration" menu offers it again.
    void bancSimule() {
        EtudeCharge c;
        auto* menu = c.W<QMenu>("Configuration1");
        auto* entree = c.W<QAction>("BancSimule1");
        const auto offert = [&] { return emit menu->aboutToShow(), entree->isVisible(); };
        QVERIFY(entree != nullptr && !offert());
        c.Port.InitialisePort(NomPortSimule);
        QVERIFY(c.Port.OuvrePort());
        QTRY_VERIFY(c.FormBanc->isVisible() &&
                    (c.FormBanc->windowFlags() & Qt::WindowStaysOnTopHint));
        c.FormBanc->close();
        c.FormBanc->Timer1Timer();
        QVERIFY(!c.FormBanc->isVisible() && offert());
        entree->trigger();
        QVERIFY(c.FormBanc->isVisible());
    }
};

QTEST_MAIN(TestCharge)
#include "test_charge.moc"
