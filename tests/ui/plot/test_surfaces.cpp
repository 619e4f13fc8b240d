// The QPainter surfaces: the fast paths give the pixels of the plain calls, XOR figures
// restore the image, vector pictures keep the cursor and stay vector, pages are produced.
#include <QBuffer>
#include <QPdfWriter>
#include <QSvgRenderer>
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
// the image so the slow paths are taken too. Returns the laid-out graph.
TGraphe Scene(Surface& s, const TRect& cadre, int fond, int points, bool marqueurs = true) {
    std::mt19937 alea(11);
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
        c->Marqueur = marqueurs ? k : -1;
        c->Interpolation = k;
        c->Style = {k % 6, 0, 0, k + 2};
        for (int i = 0; i < points; ++i) {
            c->X[i] = i * 7400 / points;
            c->Y[i] = static_cast<int>(2500 - 800 * k + static_cast<int>(alea() % 300));
        }
        if (k == 5) c->Y[points / 2] = 3400; // beyond the top of the image
        TraceCourbeGraphe(g, *c);
    }
    return g;
}

int Colores(const QImage& im, QRect zone) {
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) n += im.pixel(x, y) != 0xFFFFFFFFu;
    return n;
}

} // namespace

class TestSurfaces : public QObject {
    Q_OBJECT
private slots:

    void PixelConventionsAndFastPathsMatchingPlainQPainter() {
        // A coloured, B not, in all eight directions; zero length draws nothing at width 1.
        // The plain calls; the fast paths are held to them below.
        const int d[8][2] = {{5, 0}, {-5, 0}, {0, 5}, {0, -5}, {5, 5}, {-5, -5}, {5, -5}, {-5, 5}};
        for (const auto& v : d) {
            QImage im = Vierge(30, 30);
            {
                SurfaceImage s(im, 96, false);
                s.DeplaceVers(15, 15);
                s.TraceVers(15 + v[0], 15 + v[1]);
                s.TraceVers(15 + v[0], 15 + v[1]);
            }
            QVERIFY(im.pixel(15, 15) == 0xFF000000u && Colores(im, im.rect()) == 5);
        }
        // Rectangles cover left..right-1 and top..bottom-1.
        QImage im = Vierge(20, 20);
        {
            SurfaceImage s(im, 96, true);
            s.ChoisitRemplissage({0xFF0000, StyleRemplissage::Plein});
            s.Rectangle({2, 3, 8, 10});
        }
        QVERIFY(im.pixel(7, 9) == 0xFF000000u && im.pixel(4, 5) == 0xFFFF0000u);
        QCOMPARE(Colores(im, im.rect()), 6 * 7);

        // Random polylines under a clip rectangle: mostly short steps, some long jumps, moves
        // and points off the image.
        std::mt19937 alea(7);
        for (int essai = 0; essai < 40; ++essai) {
            QImage a = Vierge(120, 90), b = Vierge(120, 90);
            const std::mt19937 trace(alea());
            for (QImage* im : {&a, &b}) {
                std::mt19937 r = trace; // the same polyline on both
                SurfaceImage s(*im, 96, im == &a);
                s.Decoupe({5, 4, 110, 80});
                s.ChoisitStylo({0x123456, StyleTrait::Plein, 1, ModeTrait::Copie});
                QPoint q(60, 45);
                for (int i = 0; i < 300; ++i) {
                    const int saut = r() % 10 == 0 ? 160 : 9;
                    q += QPoint(static_cast<int>(r() % saut) - saut / 2,
                                static_cast<int>(r() % saut) - saut / 2);
                    if (std::abs(q.x()) > 400 || std::abs(q.y()) > 400) q = QPoint(60, 45);
                    if (r() % 17 == 0)
                        s.DeplaceVers(q.x(), q.y());
                    else
                        s.TraceVers(q.x(), q.y());
                }
            }
            QVERIFY2(a == b, qPrintable(QString("essai %1").arg(essai)));
        }
        // Whole plots, in several colour schemes and sizes, and at a page-like resolution, with
        // a cursor.
        struct Cas {
            int fond, points, dpi, curseur;
        };
        for (Cas k :
             {Cas{0, 1, 96, 1}, Cas{7, 5, 96, 2}, Cas{4, 401, 96, 5}, Cas{0, 200, 300, 1}}) {
            QImage a = Vierge(500, 400), b = Vierge(500, 400);
            for (QImage* im : {&a, &b}) {
                SurfaceImage s(*im, k.dpi, im == &a);
                const int m = k.dpi > 96 ? 10 : 0; // markers clipped at the image's edge, or not
                TGraphe g = Scene(s, {m, m, 500 - m, 400 - m}, k.fond, k.points);
                CurseurStyle(g, k.curseur, 3);
                CurseurPlace(g, 3000 + k.points, 1000 - k.points);
            }
            QVERIFY2(a == b, qPrintable(QString("fond %1, %2 points").arg(k.fond).arg(k.points)));
        }
    }

    void XorCursorRestoresTheImage() {
        for (int style = 0; style <= 5; ++style) {
            QImage im = Vierge(260, 200);
            SurfaceImage s(im, 96, true);
            TGraphe g = Scene(s, {0, 0, 260, 200}, 6, 3, false);
            CurseurStyle(g, style, 2);
            s.Vide();
            const QImage avant = im.copy();
            CurseurPlace(g, 400, 300);
            s.Vide();
            QVERIFY2(im != avant, qPrintable(QString("style %1: shown").arg(style)));
            // Wander around, then hide: bit for bit the picture before the first placement.
            for (int k = 0; k < 20; ++k) CurseurPlace(g, 370 * k, 290 * k - 3000);
            CurseurCache(g);
            s.Vide();
            QVERIFY2(im == avant, qPrintable(QString("style %1: restored").arg(style)));
        }
    }

    void VectorOutputsShowTheCursorAndDrawHatchesAsLines() {
        const auto svg = [](bool marqueurs) {
            SurfaceVectorielle s(718, 529, 96);
            TGraphe g = Scene(s, {0, 0, 718, 529}, 0, 50, marqueurs);
            CurseurStyle(g, 1, 0);
            CurseurPlace(g, 3650, -2900); // below the curves
            return std::pair{s.Termine(), ValeurVersPixelY(g, -2900)};
        };
        const auto [avec, y] = svg(true);
        // No embedded picture nor pixel pattern: hatches are lines; and the size stays modest.
        QVERIFY(!avec.contains("<image") && !avec.contains("<pattern"));
        QVERIFY2(avec.size() < 4 * svg(false).first.size(),
                 qPrintable(QString::number(avec.size())));
        // The dotted crosshair in the axes' colour, not white on white.
        QImage rendu = Vierge(718, 529);
        QPainter p(&rendu);
        QSvgRenderer(avec).render(&p);
        p.end();
        QVERIFY(Colores(rendu, QRect(100, y, 500, 1)) > 100);
        SurfaceVectorielle carre(40, 40, 96); // cross hatch: lines every 8 pixels each way
        carre.ChoisitRemplissage({0x00FF00, StyleRemplissage::Croix});
        carre.Rectangle({4, 4, 37, 37});
        const QByteArray hachures = carre.Termine();
        QVERIFY(hachures.contains("stroke=\"#00ff00\"") && hachures.count("<polyline") == 8);

        // A printed page: no XOR there either.
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setResolution(600);
        SurfacePage page(pdf);
        QVERIFY(page.Resolution() == 600 && !page.XorPossible());
    }
};

} // namespace zyv

QTEST_MAIN(zyv::TestSurfaces)
#include "test_surfaces.moc"
