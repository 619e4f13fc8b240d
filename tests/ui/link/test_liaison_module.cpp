// The module link end to end: QSerialPort on a pseudo-terminal served by zyv-module-sim.
#include "SimulateurModule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdarg>
#include <dlfcn.h>
#include <memory>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zyv;
using zyv::test::Liaison;
using zyv::test::SimulateurModule;

namespace {
// Modem-line requests (set or clear, lines) as they reach the system.
std::vector<std::pair<unsigned long, int>> LignesModem;
} // namespace

// Seen before the C library's: the pseudo-terminal cannot show its modem lines.
extern "C" int ioctl(int fd, unsigned long requete, ...) noexcept {
    va_list a;
    va_start(a, requete);
    void* argument = va_arg(a, void*);
    va_end(a);
    using Ioctl = int (*)(int, unsigned long, void*);
    static const auto systeme = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    if (requete == TIOCMBIS || requete == TIOCMBIC || requete == TIOCMSET)
        LignesModem.emplace_back(requete, *static_cast<int*>(argument));
    return systeme(fd, requete, argument);
}

class TestLiaisonModule : public QObject {
    Q_OBJECT

private slots:
    void moduleMuet() {
        Liaison muet({"--muet"});
        QVERIFY(muet.Connecte());
        QElapsedTimer chrono;
        chrono.start();
        QCOMPARE(muet.Lit()[GNumero], -1);
        const qint64 duree = chrono.elapsed();
        // The 12-byte budget is 1120 ms; the upper bound only guards against a hang.
        QVERIFY2(duree >= 1115 && duree < 10000, qPrintable(QString::number(duree)));
    }

    // DTR up, RTS down (opening a tty raises it); the pseudo-terminal's refusal is harmless.
    void lignesModemALOuverture() {
        int maitre = -1, esclave = -1;
        char nom[128];
        QCOMPARE(openpty(&maitre, &esclave, nom, nullptr, nullptr), 0);
        ::close(esclave);
        LignesModem.clear();
        TransportSerie ligne;
        QVERIFY(ligne.open(nom, ParametresLigne{}));
        ligne.raiseDtr();
        const auto bas = std::pair{static_cast<unsigned long>(TIOCMBIC), int(TIOCM_RTS)};
        const auto haut = std::pair{static_cast<unsigned long>(TIOCMBIS), int(TIOCM_DTR)};
        QCOMPARE(LignesModem, (std::vector{bas, haut}));
        const std::uint8_t octet = 0xFF;
        QVERIFY(ligne.write(&octet, 1, 100));
        ligne.close();
        ::close(maitre);
    }

    // The adapter pulled out, then one plugged in again: the same port record opens the new
    // line without a restart, and each refusal on the way carries its reason.
    void rebranchementEtCausesDesRefus() {
        Liaison l({"--debranche", "3"});
        QVERIFY(l.Connecte());
        const QString ancien = l.sim.Chemin();
        QVERIFY(l.module.LectureVersion().starts_with("ZYV"));
        QCOMPARE(l.Lit()[GNumero] + l.Lit()[GNumero], 0);
        QCOMPARE(l.Lit()[GNumero], -1);
        QVERIFY(!l.port.Connecte && l.sim.TermineDansLes(5000));
        QTRY_VERIFY(!l.Connecte(ancien));
        QCOMPARE(l.port.DernierEchec, EchecOuverture::Absent);

        SimulateurModule rebranche({});
        QVERIFY(l.Connecte(rebranche.Chemin()) && l.port.DernierEchec == EchecOuverture::Aucun);
        QCOMPARE(l.Lit()[GNumero], 0);
        // Another program on the same line is turned away as busy.
        TransportSerie autre;
        QVERIFY(!autre.open(rebranche.Chemin().toStdString(), ParametresLigne{}) &&
                autre.Echec() == EchecOuverture::Occupe);
        // A device the user may not open (root opens everything).
        l.module.FermeComZYV();
        if (geteuid() == 0) return;
        const QByteArray chemin = rebranche.Chemin().toLocal8Bit();
        QCOMPARE(::chmod(chemin.constData(), 0), 0);
        QVERIFY(!l.Connecte(rebranche.Chemin()) &&
                l.port.DernierEchec == EchecOuverture::AccesRefuse);
    }

    // Pulled out while nothing is read: the device is let go without waiting for an exchange.
    void debranchementSansLecture() {
        auto sim = std::make_unique<SimulateurModule>(QStringList{});
        const QString chemin = sim->Chemin();
        TransportSerie ligne;
        QVERIFY(ligne.open(chemin.toStdString(), ParametresLigne{}));
        sim.reset();
        QTRY_VERIFY(!ligne.isOpen() && !QFile::exists(chemin));
    }

    // Each set-point byte, two in a row too, reaches the module unchanged.
    void consignesTransmisesTellesQuelles() {
        Liaison l({"--journal", "--charge", "0"});
        QVERIFY(l.Connecte() && l.module.LectureVersion().starts_with("ZYV"));
        l.Lit();
        l.module.SetCharge(0);
        l.module.SetCharge(150);
        l.module.SetCharge(CommandeFinCycle);
        for (const char* ligne : {"R 253", "R 255", "R 0", "R 150", "R 254"})
            QCOMPARE(l.sim.Ligne(5000), QString::fromLatin1(ligne));
    }
};

QTEST_GUILESS_MAIN(TestLiaisonModule)
#include "test_liaison_module.moc"
