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

// A simulator, and one port, module link and study wired to it as the application wires them.
struct Liaison {
    SimulateurModule sim;
    HorlogeSysteme horloge;
    std::unique_ptr<Etude> etude = std::make_unique<Etude>();
    TPortCom port{[](const std::string&) { return std::make_shared<TransportSerie>(); }, horloge};
    ModuleZYV module{*etude, port, horloge};

    explicit Liaison(const QStringList& options) : sim(options) {}
    bool Connecte() { return Connecte(sim.Chemin()); }
    bool Connecte(const QString& chemin) {
        etude->Config.ChoisitPort(chemin.toStdString());
        module.InitialiseComZYV();
        return module.OuvrirComZYV();
    }
    const TMesure& Lit() {
        module.LectureValeur();
        return etude->MesureCourante;
    }
};

} // namespace

class TestLiaisonModule : public QObject {
    Q_OBJECT

private slots:
    void identificationEtMesure() {
        Liaison l({"--alimentation", "24", "--charge", "100"});
        QVERIFY(!l.sim.Chemin().isEmpty());
        QVERIFY(l.Connecte());
        const std::string s = l.module.LectureVersion();
        QCOMPARE(s.size(), std::size_t(6));
        QCOMPARE(s.substr(0, 3), std::string("ZYV"));
        for (int i = 0; i < 3; ++i) {
            const TMesure& m = l.Lit();
            QCOMPARE(m[GNumero], 0);
            QCOMPARE(m[GTemps], 0);
            QVERIFY2(m[GVitesse] > 2500 && m[GVitesse] < 3500,
                     qPrintable(QString::number(m[GVitesse])));
            QVERIFY(m[GTensionMoteur] > 2390 && m[GTensionMoteur] < 2410 &&
                    m[GCourantMoteur] > 1000 && m[GCourantMoteur] < 2000 && m[GTensionGene] > 1000);
            QVERIFY(m[GRendementMoteur] > 0 && m[GRendementMoteur] < 1000 &&
                    m[GRendementGene] > 0 && m[GRendementGene] < 1000);
        }
        QVERIFY(l.port.Connecte);

        Liaison autre({"--identification-fausse"});
        QVERIFY(autre.Connecte());
        const std::string s2 = autre.module.LectureVersion();
        QCOMPARE(s2.size(), std::size_t(6));
        QVERIFY(s2.substr(0, 3) != "ZYV");
    }

    void moduleMuetOuReponseCourte() {
        Liaison muet({"--muet"});
        QVERIFY(muet.Connecte());
        muet.etude->MesureCourante[GNumero] = 0;
        QElapsedTimer chrono;
        chrono.start();
        QCOMPARE(muet.Lit()[GNumero], -1);
        const qint64 duree = chrono.elapsed();
        QVERIFY(!muet.port.Connecte);
        // The 12-byte budget is 1120 ms; the upper bound only guards against a hang.
        QVERIFY2(duree >= 1115 && duree < 10000, qPrintable(QString::number(duree)));

        Liaison court({"--court", "11"});
        QVERIFY(court.Connecte());
        court.module.Clear();
        court.port.EcritPort("\xFF");
        QCOMPARE(court.port.LitPort(12), std::string("Erreur L=11"));
        QVERIFY(!court.port.Connecte);
        QCOMPARE(court.port.Handle, nullptr);
    }

    void debranchementPendantLesLectures() {
        Liaison l({"--debranche", "3"});
        QVERIFY(l.Connecte());
        QCOMPARE(l.module.LectureVersion().substr(0, 3), std::string("ZYV"));
        QCOMPARE(l.Lit()[GNumero], 0);
        QCOMPARE(l.Lit()[GNumero], 0);
        QCOMPARE(l.Lit()[GNumero], -1);
        QVERIFY(!l.port.Connecte);
        QVERIFY(l.sim.TermineDansLes(5000));
        // Everything stays harmless on the dead line.
        l.module.LectureValeur();
        l.module.SetCharge(10);
        l.module.FermeComZYV();
        QVERIFY(!l.port.Connecte);
        QVERIFY(l.module.LectureVersion().empty());
    }

    void consignesTransmisesTellesQuelles() {
        Liaison l({"--journal", "--charge", "0"});
        QVERIFY(l.Connecte());
        const TMesure avant = l.Lit();
        QCOMPARE(l.sim.Ligne(5000), QString("R 255"));
        // Each byte is seen by the module before the next reading purges the line.
        l.module.SetCharge(0);
        l.module.SetCharge(150);
        QCOMPARE(l.sim.Ligne(5000), QString("R 0"));
        QCOMPARE(l.sim.Ligne(5000), QString("R 150"));
        const TMesure apres = l.Lit();
        QCOMPARE(l.sim.Ligne(5000), QString("R 255"));
        l.module.SetCharge(CommandeFinCycle);
        QCOMPARE(l.sim.Ligne(5000), QString("R 254"));
        // The set-point reached the bench: the generator fed the full load, then none again.
        QVERIFY(avant[GCourantGene] < 20);
        QVERIFY(apres[GCourantGene] > 1000);
        QVERIFY(l.Lit()[GCourantGene] < 20);
        QCOMPARE(l.sim.Ligne(5000), QString("R 255"));
    }

    void portAbsent() {
        Liaison l({"--muet"});
        QVERIFY(!l.Connecte("/dev/zyv-absent"));
        l.module.FermeComZYV();
        QCOMPARE(l.Lit()[GNumero], -1);
    }
};

QTEST_GUILESS_MAIN(TestLiaisonModule)
#include "test_liaison_module.moc"
