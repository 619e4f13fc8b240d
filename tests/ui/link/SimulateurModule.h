// Runs zyv-module-sim for one test and hands out the pseudo-terminal it serves.
#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace zyv::test {

class SimulateurModule {
public:
    explicit SimulateurModule(const QStringList& options) {
        processus_.setProgram(QStringLiteral(ZYV_MODULE_SIM));
        processus_.setArguments(options);
        processus_.setProcessChannelMode(QProcess::SeparateChannels);
        processus_.start();
        if (!processus_.waitForStarted(10000)) return;
        const QString ligne = Ligne(10000);
        if (ligne.startsWith(QLatin1Char('/'))) chemin_ = ligne;
    }
    ~SimulateurModule() {
        if (processus_.state() == QProcess::NotRunning) return;
        processus_.terminate();
        if (!processus_.waitForFinished(5000)) {
            processus_.kill();
            processus_.waitForFinished(5000);
        }
    }
    SimulateurModule(const SimulateurModule&) = delete;
    SimulateurModule& operator=(const SimulateurModule&) = delete;

    // The device path, empty when the simulator did not start.
    const QString& Chemin() const { return chemin_; }

    // The next line of its output, or an empty string when none comes in time.
    QString Ligne(int delaiMs) {
        QDeadlineTimer limite(delaiMs);
        while (!processus_.canReadLine()) {
            if (limite.hasExpired() ||
                (!processus_.waitForReadyRead(static_cast<int>(limite.remainingTime())) &&
                 !processus_.canReadLine()))
                return {};
        }
        return QString::fromLatin1(processus_.readLine()).trimmed();
    }

    bool TermineDansLes(int delaiMs) {
        return processus_.state() == QProcess::NotRunning || processus_.waitForFinished(delaiMs);
    }

private:
    QProcess processus_;
    QString chemin_;
};

} // namespace zyv::test
