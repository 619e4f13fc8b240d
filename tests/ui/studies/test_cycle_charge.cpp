// One whole load cycle through the real serial port path: QSerialPort on a pseudo-terminal
// served by zyv-module-sim, whose journal shows every byte the module received.
#include "core/studies/ProfilCharge.h"
#include "ui/link/SimulateurModule.h"
#include "ui/socle/ServicesEssai.h"
#include "ui/studies/TFormCharge.h"
#include "ui/studies/TSelectCharge.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace zyv;

class TestCycleCharge : public QObject {
    Q_OBJECT
private slots:
    void cycleTrapezoidalComplet() {
        test::Liaison l({"--journal", "--cadence", "--charge", "0"});
        ServicesEssai services;
        Fenetres fenetres;
        TGenerateurAleatoire hasard;
        l.etude->Travail.TypeEtude = EtudeChargeMoteur;
        l.etude->Travail.Caract[1] = {
            .Defini = true, .Affiche = true, .GrandeurX = GTemps, .GrandeurY = GCouple};
        QVERIFY(l.Connecte());
        TFormCharge fenetre(*l.etude, l.module, services, fenetres, hasard);
        fenetre.show();
        fenetre.findChild<QComboBox*>("ComboBoxCharge")->setCurrentIndex(ChargeTrapezoidale);
        const auto consignes = l.etude->Courant().Consignes;

        QTest::mouseClick(fenetre.findChild<QPushButton*>("ButtonTemporel"), Qt::LeftButton);
        QTRY_COMPARE(l.etude->MesureCourante[GNumero], 0);
        QTest::mouseClick(fenetre.findChild<QPushButton*>("ButtonAcquisitionAutomatique"),
                          Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(l.etude->ModeAcquisition, 0, 75000);

        // About 200 points, in time order, the last one past the 60 s mark.
        const TEssai& essai = l.etude->Courant();
        QVERIFY2(essai.DernierPoint >= 190 && essai.DernierPoint <= 205,
                 qPrintable(QString::number(essai.DernierPoint)));
        for (int i = 1; i <= essai.DernierPoint; ++i)
            QVERIFY(essai.Valeur(GTemps, i) > essai.Valeur(GTemps, i - 1));
        QVERIFY(PasDepuisCentiemes(essai.Valeur(GTemps, essai.DernierPoint)) >= 120);

        // The module saw the first set-point, then after each later reading the set-point of
        // the half-second step that reading reached, and 254 after the last.
        std::vector<int> recus;
        for (QString s = l.sim.Ligne(2000); !s.isEmpty(); s = l.sim.Ligne(500))
            recus.push_back(s.mid(2).toInt());
        const auto debut = std::find(recus.begin(), recus.end(), consignes[0]);
        std::vector<int> attendus{consignes[0], 255};
        for (int i = 1; i <= essai.DernierPoint; ++i) {
            const int pas = PasDepuisCentiemes(essai.Valeur(GTemps, i));
            attendus.push_back(255);
            attendus.push_back(pas >= 120 ? 254 : consignes[static_cast<std::size_t>(pas)]);
        }
        const std::vector<int> suite(debut, recus.end());
        QCOMPARE(suite, attendus);
    }
};

QTEST_MAIN(TestCycleCharge)
#include "test_cycle_charge.moc"
