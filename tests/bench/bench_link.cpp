// One measurement exchange through QSerialPort and a pseudo-terminal, against the wire time.
#include "../ui/link/SimulateurModule.h"
#include "core/link/ConfigCom.h"
#include "ui/link/TransportSerie.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>

namespace {

using namespace zyv;

// 13 bytes (the request and 12 reply bytes) of 10 bits at 19200 baud.
constexpr double TempsFilMs = 13 * 10 * 1000.0 / 19200.0;

void Application() {
    static int argc = 1;
    static char nom[] = "zyv-bench";
    static char* argv[] = {nom, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

void Echange(benchmark::State& state, const QStringList& options) {
    Application();
    test::SimulateurModule sim(options);
    HorlogeSysteme horloge;
    auto etude = std::make_unique<Etude>();
    TPortCom port([](const std::string&) { return std::make_shared<TransportSerie>(); }, horloge);
    ModuleZYV module(*etude, port, horloge);
    etude->Config.ChoisitPort(sim.Chemin().toStdString());
    module.InitialiseComZYV();
    if (sim.Chemin().isEmpty() || !module.OuvrirComZYV()) {
        state.SkipWithError("zyv-module-sim unavailable");
        return;
    }
    for (auto _ : state) {
        module.LectureValeur();
        if (etude->MesureCourante[GNumero] != 0) {
            state.SkipWithError("exchange failed");
            break;
        }
    }
    state.counters["fil_ms"] = TempsFilMs;
}

void BM_LectureValeurCadencee(benchmark::State& state) {
    Echange(state, {"--cadence"});
}
void BM_LectureValeurSansCadence(benchmark::State& state) {
    Echange(state, {});
}

BENCHMARK(BM_LectureValeurCadencee)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LectureValeurSansCadence)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
