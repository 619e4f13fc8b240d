// The module link end to end: QSerialPort on a pseudo-terminal served by zyv-module-sim.
#include "SimulateurModule.h"
#include "core/link/ConfigCom.h"
#include "ui/link/TransportSerie.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

using namespace zyv;
using zyv::test::SimulateurModule;

namespace {

// One port, one module link and one study, wired as the application wires them.
struct Liaison {
    HorlogeSysteme horloge;
    std::unique_ptr<Etude> etude = std::make_unique<Etude>();
    TPortCom port{[](const std::string&) { return std::make_shared<TransportSerie>(); }, horloge};
    ModuleZYV module{*etude, port, horloge};

    bool Connecte(const QString& chemin) {
        etude->Config.ChoisitPort(chemin.toStdString());
        module.InitialiseComZYV();
        return module.OuvrirComZYV();
    }
};

} // namespace

class TestLiaisonModule : public QObject {
    Q_OBJECT

private slots:
    void identificationAcceptee() {
        SimulateurModule sim({});
        QVERIFY(!sim.Chemin().isEmpty());
        Liaison l;
        QVERIFY(l.Connecte(sim.Chemin()));
        const std::string s = l.module.LectureVersion();
        QCOMPARE(s.size(), std::size_t(6));
        QCOMPARE(s.substr(0, 3), std::string("ZYV"));
        QVERIFY(l.port.Connecte);

        SimulateurModule autre({"--identification-fausse"});
        Liaison l2;
        QVERIFY(l2.Connecte(autre.Chemin()));
        const std::string s2 = l2.module.LectureVersion();
        QCOMPARE(s2.size(), std::size_t(6));
        QVERIFY(s2.substr(0, 3) != "ZYV");
    }

    void mesureDecodee() {
        SimulateurModule sim({"--alimentation", "24", "--charge", "100"});
        Liaison l;
        QVERIFY(l.Connecte(sim.Chemin()));
        for (int i = 0; i < 3; ++i) {
            l.module.LectureValeur();
            const TMesure& m = l.etude->MesureCourante;
            QCOMPARE(m[GNumero], 0);
            QVERIFY2(m[GVitesse] > 2500 && m[GVitesse] < 3500,
                     qPrintable(QString::number(m[GVitesse])));
            QVERIFY(m[GTensionMoteur] > 2390 && m[GTensionMoteur] < 2410);
            QVERIFY(m[GCourantMoteur] > 1000 && m[GCourantMoteur] < 2000);
            QVERIFY(m[GTensionGene] > 1000);
            QVERIFY(m[GRendementMoteur] > 0 && m[GRendementMoteur] < 1000);
            QVERIFY(m[GRendementGene] > 0 && m[GRendementGene] < 1000);
            QCOMPARE(m[GTemps], 0);
        }
        QVERIFY(l.port.Connecte);
    }

    void moduleMuet() {
        SimulateurModule sim({"--muet"});
        Liaison l;
        QVERIFY(l.Connecte(sim.Chemin()));
        l.etude->MesureCourante[GNumero] = 0;
        QElapsedTimer chrono;
        chrono.start();
        l.module.LectureValeur();
        const qint64 duree = chrono.elapsed();
        QCOMPARE(l.etude->MesureCourante[GNumero], -1);
        QVERIFY(!l.port.Connecte);
        // The 12-byte budget is 1120 ms; the upper bound only guards against a hang.
        QVERIFY2(duree >= 1115 && duree < 10000, qPrintable(QString::number(duree)));
    }

    void reponseCourte() {
        SimulateurModule sim({"--court", "11"});
        Liaison l;
        QVERIFY(l.Connecte(sim.Chemin()));
        l.module.Clear();
        l.port.EcritPort("\xFF");
        QCOMPARE(l.port.LitPort(12), std::string("Erreur L=11"));
        QVERIFY(!l.port.Connecte);
        QCOMPARE(l.port.Handle, nullptr);
    }

    void debranchementPendantLesLectures() {
        SimulateurModule sim({"--debranche", "3"});
        Liaison l;
        QVERIFY(l.Connecte(sim.Chemin()));
        QCOMPARE(l.module.LectureVersion().substr(0, 3), std::string("ZYV"));
        l.module.LectureValeur();
        QCOMPARE(l.etude->MesureCourante[GNumero], 0);
        l.module.LectureValeur();
        QCOMPARE(l.etude->MesureCourante[GNumero], 0);
        l.module.LectureValeur();
        QCOMPARE(l.etude->MesureCourante[GNumero], -1);
        QVERIFY(!l.port.Connecte);
        QVERIFY(sim.TermineDansLes(5000));
        // Everything stays harmless on the dead line.
        l.module.LectureValeur();
        l.module.SetCharge(10);
        l.module.FermeComZYV();
        QVERIFY(!l.port.Connecte);
        QVERIFY(l.module.LectureVersion().empty());
    }

    void consignesTransmisesTellesQuelles() {
        SimulateurModule sim({"--journal", "--charge", "0"});
        Liaison l;
        QVERIFY(l.Connecte(sim.Chemin()));
        l.module.LectureValeur();
        const TMesure avant = l.etude->MesureCourante;
        QCOMPARE(sim.Ligne(5000), QString("R 255"));

        // Each byte is seen by the module before the next reading purges the line.
        l.module.SetCharge(0);
        l.module.SetCharge(150);
        QCOMPARE(sim.Ligne(5000), QString("R 0"));
        QCOMPARE(sim.Ligne(5000), QString("R 150"));
        l.module.LectureValeur();
        const TMesure apres = l.etude->MesureCourante;
        QCOMPARE(sim.Ligne(5000), QString("R 255"));
        l.module.SetCharge(CommandeFinCycle);
        QCOMPARE(sim.Ligne(5000), QString("R 254"));
        l.module.LectureValeur();
        QCOMPARE(sim.Ligne(5000), QString("R 255"));
        // The set-point reached the bench: the generator now feeds the full load.
        QVERIFY(avant[GCourantGene] < 20);
        QVERIFY(apres[GCourantGene] > 1000);
        QVERIFY(l.etude->MesureCourante[GCourantGene] < 20);
    }

    void portAbsent() {
        Liaison l;
        QVERIFY(!l.Connecte("/dev/zyv-absent"));
        QVERIFY(!l.port.Connecte);
        l.module.FermeComZYV();
        l.module.LectureValeur();
        QCOMPARE(l.etude->MesureCourante[GNumero], -1);
    }
};

QTEST_GUILESS_MAIN(TestLiaisonModule)
#include "test_liaison_module.moc"
