// One whole load cycle through the real serial port path: QSerialPort on a pseudo-terminal
// served by zyv-module-sim, whose journal shows every byte the module received.
#include "core/link/ConfigCom.h"
#include "core/studies/ProfilCharge.h"
#include "ui/app/ServicesEssai.h"
#include "ui/link/SimulateurModule.h"
#include "ui/link/TransportSerie.h"
#include "ui/studies/TFormCharge.h"
#include "ui/studies/TSelectCharge.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace zyv;

class TestCycleCharge : public QObject {
    Q_OBJECT
private slots:
    void cycleTrapezoidalComplet() {
        test::SimulateurModule sim({"--journal", "--cadence", "--charge", "0"});
        QVERIFY(!sim.Chemin().isEmpty());
        HorlogeSysteme horloge;
        auto e = std::make_unique<Etude>();
        TPortCom port([](const std::string&) { return std::make_shared<TransportSerie>(); },
                      horloge);
        ModuleZYV module(*e, port, horloge);
        ServicesEssai services;
        Fenetres fenetres;
        TGenerateurAleatoire hasard;
        e->Travail.TypeEtude = EtudeChargeMoteur;
        TCaract& c = e->Travail.Caract[1];
        c.Defini = c.Affiche = true;
        c.GrandeurX = GTemps;
        c.GrandeurY = GCouple;
        e->Config.ChoisitPort(sim.Chemin().toStdString());
        module.InitialiseComZYV();
        QVERIFY(module.OuvrirComZYV());
        TFormCharge fenetre(*e, module, services, fenetres, hasard);
        fenetre.show();
        fenetre.findChild<QComboBox*>(QStringLiteral("ComboBoxCharge"))
            ->setCurrentIndex(ChargeTrapezoidale);
        const auto consignes = e->Courant().Consignes;
        QCOMPARE(e->Courant().ChargeMax, 100);
        QCOMPARE(e->Courant().ChargeMin, 25);

        QTest::mouseClick(fenetre.findChild<QPushButton*>(QStringLiteral("ButtonTemporel")),
                          Qt::LeftButton);
        QTRY_COMPARE(e->MesureCourante[GNumero], 0);
        // When each reading of the cycle ends, after the window's own handler.
        QElapsedTimer chrono;
        std::vector<qint64> lectures;
        connect(&fenetre.Timer2, &QTimer::timeout, this,
                [&] { lectures.push_back(chrono.nsecsElapsed() / 1000); });
        QTest::mouseClick(
            fenetre.findChild<QPushButton*>(QStringLiteral("ButtonAcquisitionAutomatique")),
            Qt::LeftButton);
        chrono.start(); // the time origin and the first reading are just behind
        QTRY_COMPARE_WITH_TIMEOUT(e->ModeAcquisition, 0, 75000);

        // About 200 points, in time order, the last one past the 60 s mark.
        const TEssai& essai = e->Courant();
        QVERIFY2(essai.DernierPoint >= 190 && essai.DernierPoint <= 205,
                 qPrintable(QString::number(essai.DernierPoint)));
        std::vector<int> ecarts;
        for (int i = 0; i <= essai.DernierPoint; ++i) {
            if (i > 0) QVERIFY(essai.Valeur(GTemps, i) > essai.Valeur(GTemps, i - 1));
            ecarts.push_back(std::abs(essai.Valeur(GTemps, i) * 10 - i * 300));
        }
        QVERIFY(PasDepuisCentiemes(essai.Valeur(GTemps, essai.DernierPoint)) >= 120);
        std::vector<int> tries = ecarts;
        std::sort(tries.begin(), tries.end());
        qInfo("Reading against its 300 ms slot: median %d ms, worst %d ms (10 ms resolution)",
              tries[tries.size() / 2], tries.back());
        // The same from the test's own clock, in microseconds, against the first tick's grid.
        std::vector<qint64> derives;
        for (std::size_t k = 1; k < lectures.size(); ++k)
            derives.push_back(
                std::abs(lectures[k] - lectures[0] - static_cast<qint64>(k) * 300000));
        std::sort(derives.begin(), derives.end());
        if (!derives.empty())
            qInfo("Reading end against the 300 ms grid: median %lld us, worst %lld us over %zu",
                  derives[derives.size() / 2], derives.back(), derives.size());

        // The module saw the first set-point, then after each later reading the set-point of
        // the half-second step that reading reached, and 254 after the last.
        std::vector<int> recus;
        for (QString l = sim.Ligne(2000); !l.isEmpty(); l = sim.Ligne(500))
            recus.push_back(l.mid(2).toInt());
        const auto debut = std::find(recus.begin(), recus.end(), consignes[0]);
        QVERIFY(debut != recus.end());
        std::vector<int> attendus{consignes[0], 255};
        for (int i = 1; i <= essai.DernierPoint; ++i) {
            const int pas = PasDepuisCentiemes(essai.Valeur(GTemps, i));
            attendus.push_back(255);
            attendus.push_back(pas >= 120 ? 254 : consignes[static_cast<std::size_t>(pas)]);
        }
        const std::vector<int> suite(debut, recus.end());
        QCOMPARE(suite, attendus);
        QVERIFY(!fenetre.findChild<QPushButton*>(QStringLiteral("ButtonTemporel"))->isEnabled());
    }
};

QTEST_MAIN(TestCycleCharge)
#include "test_cycle_charge.moc"
