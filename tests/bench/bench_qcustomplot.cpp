// Scene S drawn with QCustomPlot (Debian's libqcustomplot-dev), the yardstick for BM_SceneS: the
// same 1024 x 730 image and four 512 x 365 plots with the same axes and names, five curves each
// through the same cubic points (filtered and interpolated once beforehand, since QCustomPlot
// draws straight lines only), markers of the same shapes, size and hatch at the data points,
// no grid and no antialiasing, as in our picture. QCustomPlot keeps its default adaptive
// sampling. One iteration lays out and draws the four plots into the image.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>

#include "Scenes.h"

namespace {

using namespace zyv;

// Keeps the vertices of the lines drawn on it.
class SurfaceSommets : public Surface {
public:
    QVector<double> X, Y;
    int Resolution() const override { return 96; }
    int LargeurTexte(std::string_view) override { return 0; }
    int HauteurTexte(std::string_view) override { return 0; }
    void Rectangle(const TRect&) override {}
    void Polygone(std::span<const PointPixel>) override {}
    void Pixel(int, int, Couleur) override {}
    void Texte(int, int, std::string_view) override {}
    void Decoupe(const TRect&) override {}

protected:
    void Ligne(int x0, int y0, int x1, int y1) override {
        if (X.empty()) {
            X.append(x0);
            Y.append(y0);
        }
        X.append(x1);
        Y.append(y1);
    }
};

QColor Qc(Couleur c) {
    return QColor::fromRgb(c);
}

void BM_SceneS_QCustomPlot(benchmark::State& state) {
    const auto courbes = bench::CourbesSceneS();
    const TCouleurs& couleurs = SchemaCouleurs(0);
    constexpr std::array<QCPScatterStyle::ScatterShape, 6> formes = {
        QCPScatterStyle::ssDot,    QCPScatterStyle::ssPlus,    QCPScatterStyle::ssCross,
        QCPScatterStyle::ssSquare, QCPScatterStyle::ssDiamond, QCPScatterStyle::ssTriangleInverted};
    std::vector<std::unique_ptr<QCustomPlot>> graphes;
    for (int graphe = 0; graphe < 4; ++graphe) {
        auto& p = *graphes.emplace_back(std::make_unique<QCustomPlot>());
        p.resize(512, 365);
        p.setNotAntialiasedElements(QCP::aeAll);
        p.setBackground(Qc(couleurs[0]));
        for (QCPAxis* a : {p.xAxis, p.yAxis}) {
            a->grid()->setVisible(false);
            a->setBasePen(QPen(Qc(couleurs[IndiceAxes])));
        }
        p.xAxis->setRange(0, 7300);
        p.yAxis->setRange(0, 4000);
        p.xAxis->setLabel(QStringLiteral("t (s)"));
        p.yAxis->setLabel(QStringLiteral("PM (W)"));
        for (int t = 0; t < 5; ++t) {
            const TCourbe& c = *courbes[static_cast<std::size_t>(graphe * 5 + t)];
            const QColor couleur =
                Qc(couleurs[static_cast<std::size_t>(IndiceAxes + c.Style.IndiceCouleur)]);
            std::array<std::int64_t, NbPointsCourbe> x, y, fx, fy;
            std::copy(c.X.begin(), c.X.end(), x.begin());
            std::copy(c.Y.begin(), c.Y.end(), y.begin());
            Lissage7(x, fx);
            Lissage7(y, fy);
            SurfaceSommets sommets;
            TraceCubique(sommets, fx, fy, 0, c.Dernier);
            QCPGraph* ligne = p.addGraph();
            ligne->setPen(QPen(couleur));
            ligne->setData(sommets.X, sommets.Y, true);
            QCPGraph* points = p.addGraph();
            points->setLineStyle(QCPGraph::lsNone);
            points->setScatterStyle(QCPScatterStyle(formes[static_cast<std::size_t>(c.Marqueur)],
                                                    QPen(couleur),
                                                    QBrush(Qc(couleurs[0]), Qt::FDiagPattern), 4));
            QVector<double> px(c.X.begin(), c.X.end()), py(c.Y.begin(), c.Y.end());
            points->setData(px, py, true);
        }
    }
    QImage image(1024, 730, QImage::Format_RGB32);
    for (auto _ : state) {
        QCPPainter peintre(&image);
        for (int graphe = 0; graphe < 4; ++graphe) {
            peintre.save();
            peintre.translate((graphe % 2) * 512, (graphe / 2) * 365);
            graphes[static_cast<std::size_t>(graphe)]->toPainter(&peintre, 512, 365);
            peintre.restore();
        }
        peintre.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    if (!qEnvironmentVariableIsEmpty("ZYV_BENCH_IMAGE"))
        image.save(qEnvironmentVariable("ZYV_BENCH_IMAGE"));
}
BENCHMARK(BM_SceneS_QCustomPlot)->Unit(benchmark::kMillisecond);

} // namespace
