// The QPainter surfaces: the fast paths give the pixels of the plain calls, XOR figures
// restore the image, vector and page outputs are produced.
#include <QBuffer>
#include <QPdfWriter>
#include <QtTest>

#include <random>

#include "core/plot/UniteGraphe.h"
#include "ui/plot/SurfacePeintre.h"

namespace zyv {

namespace {

QImage Vierge(int l, int h) {
    QImage i(l, h, QImage::Format_RGB32);
    i.fill(0xFFFFFFFF);
    return i;
}

// A plot of noisy curves: every marker shape, fill and interpolation kind, some points off
// the image so the slow paths are taken too.
void Scene(Surface& s, const TRect& cadre, int fond, unsigned graine, int points) {
    std::mt19937 alea(graine);
    TGraphe g;
    g.Surface = &s;
    g.Cadre = cadre;
    g.Couleurs = SchemaCouleurs(fond);
    g.ConfX = {0, 7300, -2, 2, "t", "s"};
    g.ConfY = {-3000, 3000, -2, 2, "PM", "W"};
    CalculGraphe(g);
    TraceAxes(g);
    auto c = std::make_unique<TCourbe>();
    for (int k = 0; k < 6; ++k) {
        c->Dernier = c->Fin = points - 1;
        c->Debut = 0;
        c->Marqueur = c->Interpolation = k;
        c->Style = {k % 6, 0, 0, k + 2};
        for (int i = 0; i < points; ++i) {
            c->X[i] = i * 7400 / points;
            c->Y[i] = static_cast<int>(2500 - 800 * k + static_cast<int>(alea() % 300));
        }
        if (k == 5) c->Y[points / 2] = 3400; // beyond the top of the image
        TraceCourbeGraphe(g, *c);
    }
    StyloCourbe(g, {3, 0, 0, 7});
    for (int f = 0; f <= 5; ++f) TraceMarqueur(g, f, cadre.Left + 1, cadre.Top + 2 + 6 * f);
}

int Colores(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) n += im.pixel(x, y) != 0xFFFFFFFFu;
    return n;
}

} // namespace

class TestSurfaces : public QObject {
    Q_OBJECT
private slots:

    void LinesAndRectanglesFollowTheSurfaceConvention() {
        // A coloured, B not, in all eight directions; zero length draws nothing at width 1.
        const int d[8][2] = {{5, 0}, {-5, 0}, {0, 5}, {0, -5}, {5, 5}, {-5, -5}, {5, -5}, {-5, 5}};
        for (bool rapide : {false, true}) {
            for (const auto& v : d) {
                QImage im = Vierge(30, 30);
                {
                    SurfaceImage s(im, 96, rapide);
                    s.ChoisitStylo({0x000000, StyleTrait::Plein, 1, ModeTrait::Copie});
                    s.DeplaceVers(15, 15);
                    s.TraceVers(15 + v[0], 15 + v[1]);
                    s.TraceVers(15 + v[0], 15 + v[1]);
                }
                QCOMPARE(im.pixel(15, 15), 0xFF000000u);
                QCOMPARE(im.pixel(15 + v[0], 15 + v[1]), 0xFFFFFFFFu);
                QCOMPARE(Colores(im), 5);
            }
        }
        // Rectangles cover left..right-1 and top..bottom-1; thin XOR ones colour each pixel once.
        QImage im = Vierge(20, 20);
        {
            SurfaceImage s(im, 96, true);
            s.ChoisitStylo({0x000000, StyleTrait::Plein, 1, ModeTrait::Copie});
            s.ChoisitRemplissage({0xFF0000, StyleRemplissage::Plein});
            s.Rectangle({2, 3, 8, 10});
        }
        QCOMPARE(im.pixel(7, 9), 0xFF000000u);
        QCOMPARE(im.pixel(4, 5), 0xFFFF0000u);
        QCOMPARE(Colores(im), 6 * 7);
        for (const TRect& r : {TRect{3, 3, 4, 4}, TRect{3, 3, 9, 4}, TRect{3, 3, 4, 9}}) {
            QImage x = Vierge(12, 12);
            {
                SurfaceImage s(x, 96, true);
                s.ChoisitStylo({0xFFFFFF, StyleTrait::Plein, 1, ModeTrait::Xor});
                s.ChoisitRemplissage({0xFFFFFF, StyleRemplissage::Transparent});
                s.Rectangle(r);
            }
            QCOMPARE(x.pixel(r.Right - 1, r.Bottom - 1), 0xFF000000u);
            QCOMPARE(x.pixel(r.Left, r.Top), 0xFF000000u);
        }
    }

    void FastPathsMatchPlainQPainter() {
        // Random polylines: mostly short steps, some long jumps, moves and points off the image.
        std::mt19937 alea(7);
        for (int essai = 0; essai < 40; ++essai) {
            QImage a = Vierge(120, 90), b = Vierge(120, 90);
            std::vector<std::pair<QPoint, bool>> p{{QPoint(60, 45), false}};
            for (int i = 0; i < 300; ++i) {
                const int saut = alea() % 10 == 0 ? 160 : 9;
                QPoint q = p.back().first + QPoint(static_cast<int>(alea() % saut) - saut / 2,
                                                   static_cast<int>(alea() % saut) - saut / 2);
                if (std::abs(q.x()) > 400 || std::abs(q.y()) > 400) q = QPoint(60, 45);
                p.emplace_back(q, alea() % 17 == 0);
            }
            for (QImage* im : {&a, &b}) {
                SurfaceImage s(*im, 96, im == &a);
                s.Decoupe({5, 4, 110, 80});
                s.ChoisitStylo({0x123456, StyleTrait::Plein, 1, ModeTrait::Copie});
                s.DeplaceVers(60, 45);
                for (const auto& [q, saute] : p) {
                    if (saute)
                        s.DeplaceVers(q.x(), q.y());
                    else
                        s.TraceVers(q.x(), q.y());
                }
            }
            QVERIFY2(a == b, qPrintable(QString("essai %1").arg(essai)));
        }
        // Whole plots, in several colour schemes and sizes, and at a page-like resolution.
        struct Cas {
            int fond, points, dpi;
        };
        for (Cas k : {Cas{0, 1, 96}, Cas{4, 2, 96}, Cas{7, 5, 96}, Cas{0, 40, 96}, Cas{4, 401, 96},
                      Cas{7, 40, 96}, Cas{0, 200, 300}}) {
            QImage a = Vierge(500, 400), b = Vierge(500, 400);
            for (QImage* im : {&a, &b}) {
                SurfaceImage s(*im, k.dpi, im == &a);
                const int m = k.dpi > 96 ? 10 : 0; // markers clipped at the image's edge, or not
                Scene(s, {m, m, 500 - m, 400 - m}, k.fond, 11, k.points);
            }
            QVERIFY2(a == b, qPrintable(QString("fond %1, %2 points").arg(k.fond).arg(k.points)));
        }
    }

    void XorCursorRestoresTheImage() {
        for (int style = 0; style <= 5; ++style) {
            QImage im = Vierge(260, 200);
            SurfaceImage s(im, 96, true);
            TGraphe g;
            g.Surface = &s;
            g.Cadre = {0, 0, 260, 200};
            g.Couleurs = SchemaCouleurs(6);
            g.ConfX = {0, 1000, 0, 0, "N", "tr/min"};
            g.ConfY = {0, 700, -1, 1, "C", "N.m"};
            g.StyleCurseur = style;
            g.CouleurCurseur = 2;
            CalculGraphe(g);
            TraceAxes(g);
            s.Vide();
            const QImage avant = im.copy();
            CurseurPlace(g, 400, 300);
            s.Vide();
            const QImage une = im.copy();
            QVERIFY(une != avant);
            CurseurPlace(g, 400, 300);
            s.Vide();
            QVERIFY2(im == une, qPrintable(QString("style %1: one figure").arg(style)));
            // Wander around, then hide: bit for bit the picture before the first placement.
            for (int k = 0; k < 20; ++k) CurseurPlace(g, 37 * k, 29 * k);
            CurseurCache(g);
            s.Vide();
            QVERIFY2(im == avant, qPrintable(QString("style %1: restored").arg(style)));

            // Shown again under a curve: the curve drawing brackets it.
            CurseurRafraichit(g);
            auto c = std::make_unique<TCourbe>();
            c->Dernier = c->Fin = 2;
            c->X = {100, 500, 900};
            c->Y = {100, 600, 200};
            c->Interpolation = 2;
            c->Marqueur = 4;
            c->Style = {1, 0, 0, 3};
            TraceCourbeGraphe(g, *c);
            CurseurCache(g);
            s.Vide();
            QImage attendu = Vierge(260, 200);
            {
                SurfaceImage t(attendu, 96, true);
                TGraphe h = g;
                h.Surface = &t;
                h.CurseurGraphe = {};
                CalculGraphe(h);
                TraceAxes(h);
                TraceCourbeGraphe(h, *c);
            }
            QVERIFY2(im == attendu, qPrintable(QString("style %1: curve under cursor").arg(style)));
        }
    }

    void VectorAndPageOutputs() {
        SurfaceVectorielle svg(718, 529, 96);
        Scene(svg, {0, 0, 718, 529}, 0, 5, 50);
        const QByteArray image = svg.Termine();
        QVERIFY(image.contains("<svg") && image.contains("polyline"));
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&tampon);
            pdf.setResolution(600);
            SurfacePage page(pdf);
            QCOMPARE(page.Resolution(), 600);
            Scene(page, {600, 600, 4000, 3000}, 0, 5, 50);
        }
        QVERIFY(tampon.data().startsWith("%PDF") && tampon.data().size() > 2000);
    }
};

} // namespace zyv

QTEST_MAIN(zyv::TestSurfaces)
#include "test_surfaces.moc"
