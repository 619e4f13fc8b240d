// Runs zyv-module-sim for one test and hands out the pseudo-terminal it serves.
#pragma once

#include "core/link/ConfigCom.h"
#include "ui/link/TransportSerie.h"

#include <QDeadlineTimer>
#include <QProcess>

namespace zyv::test {

class SimulateurModule {
public:
    explicit SimulateurModule(const QStringList& options) {
        processus_.start(QStringLiteral(ZYV_MODULE_SIM), options);
        if (!processus_.waitForStarted(10000)) return;
        const QString ligne = Ligne(10000);
        if (ligne.startsWith(QLatin1Char('/'))) chemin_ = ligne;
    }
    ~SimulateurModule() {
        processus_.terminate();
        if (!processus_.waitForFinished(5000)) processus_.kill();
        processus_.waitForFinished(5000);
    }

    // The device path, empty when the simulator did not start.
    const QString& Chemin() const { return chemin_; }

    // The next line of its output, or an empty string when none comes in time.
    QString Ligne(int delaiMs) {
        QDeadlineTimer limite(delaiMs);
        while (!processus_.canReadLine())
            if (!processus_.waitForReadyRead(static_cast<int>(limite.remainingTime())) &&
                !processus_.canReadLine())
                return {};
        return QString::fromLatin1(processus_.readLine()).trimmed();
    }

    bool TermineDansLes(int delaiMs) {
        return processus_.state() == QProcess::NotRunning || processus_.waitForFinished(delaiMs);
    }

private:
    QProcess processus_;
    QString chemin_;
};

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

} // namespace zyv::test
