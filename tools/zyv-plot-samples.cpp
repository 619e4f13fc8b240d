// Renders sample plots to PNG files so that a person can look at the graph engine's output:
// the eight colour schemes, every marker with every fill, every interpolation kind and the
// cursor styles.  Usage: zyv-plot-samples <folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include "core/plot/UniteGraphe.h"
#include "ui/plot/SurfacePeintre.h"

using namespace zyv;

namespace {

TGraphe Graphe(Surface& s, const TRect& cadre, int fond) {
    TGraphe g;
    g.Surface = &s;
    g.Cadre = cadre;
    g.Couleurs = SchemaCouleurs(fond);
    g.ConfX = {0, 7500, 0, 0, "N", "tr/min"};
    g.ConfY = {0, 700, -1, 1, "C", "N.m"};
    return g;
}

// A motor-like characteristic per trial: torque falling with speed, plus a little noise.
std::unique_ptr<TCourbe> Essai(int t, int points, int interpolation, unsigned graine) {
    std::mt19937 alea(graine);
    auto c = std::make_unique<TCourbe>();
    c->Dernier = points - 1;
    c->Debut = 0;
    c->Fin = c->Dernier;
    c->Marqueur = t;
    c->Interpolation = interpolation;
    c->Style = {t, 0, 0, 3};
    for (int i = 0; i < points; ++i) {
        const int n = 500 + i * 6500 / std::max(1, points - 1);
        c->X[static_cast<std::size_t>(i)] = n;
        c->Y[static_cast<std::size_t>(i)] =
            620 - t * 60 - n * (40 + 5 * t) / 1000 + static_cast<int>(alea() % 30) - 15;
    }
    return c;
}

bool Ecrit(const QImage& image, const QString& chemin) {
    if (!image.save(chemin)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
        return false;
    }
    std::printf("%s\n", qPrintable(chemin));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zyv-plot-samples <folder>\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dossier.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;

    // 1. Each colour scheme: five trials with their markers, cubic lines, a crosshair cursor.
    for (int fond = 0; fond < 8; ++fond) {
        QImage image(591, 356, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            SurfaceImage s(image);
            TGraphe g = Graphe(s, {0, 0, 591, 356}, fond);
            g.CouleurCurseur = 1;
            CalculGraphe(g);
            TraceAxes(g);
            for (int t = 1; t <= 5; ++t)
                TraceCourbeGraphe(g, *Essai(t, 12, 2, 40u + static_cast<unsigned>(t)));
            CurseurPlace(g, 4000, 300);
        }
        ok &= Ecrit(image, dossier.filePath(QString("schema_%1.png").arg(fond)));
    }

    // 2. Every marker shape (columns) with every fill (rows), at screen and page resolution,
    //    enlarged four times so that single pixels can be seen.
    for (int dpi : {96, 300}) {
        const int pas = dpi / 6;
        QImage image(pas * 7, pas * 9, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            SurfaceImage s(image, dpi);
            TGraphe g = Graphe(s, {0, 0, image.width(), image.height()}, 0);
            g.Valide = true; // markers only: no axes needed
            s.ChoisitRemplissage({0xFFFFFF, StyleRemplissage::Plein});
            for (int remplissage = 0; remplissage < 8; ++remplissage) {
                // A grey band behind each row: the fills are drawn in the background colour
                // (white), so they show where they cover the picture.
                const int r = dpi * 3 / 254 + 3;
                s.ChoisitStylo({0xA0C0E0, StyleTrait::Plein, 1, ModeTrait::Copie});
                s.ChoisitRemplissage({0xA0C0E0, StyleRemplissage::Plein});
                s.Rectangle({pas / 2, pas * (remplissage + 1) - r, pas * 6 + pas / 2,
                             pas * (remplissage + 1) + r + 1});
                s.ChoisitRemplissage({0xFFFFFF, StyleRemplissage::Plein});
                for (int forme = 0; forme <= 5; ++forme) {
                    StyloCourbe(g, {forme == 0 ? 1 : forme, 0, 0, remplissage});
                    TraceMarqueur(g, forme, pas * (forme + 1), pas * (remplissage + 1));
                }
            }
        }
        ok &= Ecrit(image.scaled(image.size() * (dpi == 96 ? 8 : 3), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation),
                    dossier.filePath(QString("marqueurs_%1dpi.png").arg(dpi)));
    }

    // 3. Every interpolation kind on the same sparse, bumpy data.
    {
        QImage image(3 * 400, 3 * 260, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            SurfaceImage s(image);
            for (int genre = -1; genre <= 5; ++genre) {
                const int k = genre + 1, x = (k % 3) * 400, y = (k / 3) * 260;
                TGraphe g = Graphe(s, {x, y, x + 400, y + 260}, 0);
                g.ConfX.Nom = "Interpolation " + std::to_string(genre);
                CalculGraphe(g);
                TraceAxes(g);
                for (int t : {1, 2}) TraceCourbeGraphe(g, *Essai(t, t == 1 ? 9 : 40, genre, 7));
            }
            // Bars (kind 0) around zero on the last tile.
            TGraphe g = Graphe(s, {800, 520, 1200, 780}, 0);
            g.ConfY = {-300, 300, -1, 1, "C", "N.m"};
            g.ConfX.Nom = "Barres";
            CalculGraphe(g);
            TraceAxes(g);
            auto c = Essai(3, 15, 0, 9);
            for (int i = 0; i < 15; ++i) c->Y[static_cast<std::size_t>(i)] = (i - 7) * 37;
            TraceCourbeGraphe(g, *c);
        }
        ok &= Ecrit(image, dossier.filePath("interpolations.png"));
    }

    // 4. Cursor styles 0 to 6 over the same plot, and a dense 2001-point noisy curve. Each
    //    tile is its own surface, as each plot view is: the anchor of styles 4 and 5 is its
    //    top-left corner.
    {
        QImage image(4 * 300, 2 * 220, QImage::Format_RGB32);
        QPainter planche(&image);
        for (int style = 0; style <= 7; ++style) {
            QImage tuile(300, 220, QImage::Format_RGB32);
            {
                SurfaceImage s(tuile);
                TGraphe g = Graphe(s, {0, 0, 300, 220}, style == 7 ? 7 : 0);
                g.StyleCurseur = style == 7 ? 1 : style;
                g.CouleurCurseur = 2;
                g.ConfX.Nom = style == 7 ? "2001 points" : "Curseur " + std::to_string(style);
                CalculGraphe(g);
                TraceAxes(g);
                if (style == 7) {
                    std::mt19937 alea(3);
                    auto c = Essai(2, 2001, 5, 1);
                    for (int i = 0; i <= 2000; ++i)
                        c->Y[static_cast<std::size_t>(i)] =
                            350 + static_cast<int>(250 * std::sin(i / 300.0)) +
                            static_cast<int>(alea() % 28) - 14;
                    TraceCourbeGraphe(g, *c);
                } else {
                    TraceCourbeGraphe(g, *Essai(1, 10, 5, 2));
                }
                CurseurPlace(g, 3500, 350);
            }
            planche.drawImage((style % 4) * 300, (style / 4) * 220, tuile);
        }
        planche.end();
        ok &= Ecrit(image, dossier.filePath("curseurs.png"));
    }

    // 5. The clipboard picture (SVG, 190 x 140 mm at 96 dpi) of the scheme 0 plot.
    {
        SurfaceVectorielle svg(718, 529, 96);
        TGraphe g = Graphe(svg, {0, 0, 718, 529}, 0);
        CalculGraphe(g);
        TraceAxes(g);
        for (int t = 1; t <= 5; ++t)
            TraceCourbeGraphe(g, *Essai(t, 12, 5, 40u + static_cast<unsigned>(t)));
        const QByteArray octets = svg.Termine();
        QFile f(dossier.filePath("presse-papiers.svg"));
        ok &= f.open(QIODevice::WriteOnly) && f.write(octets) > 0;
        std::printf("%s\n", qPrintable(f.fileName()));
        // The same picture rendered back, to look at it without an SVG viewer.
        QSvgRenderer rendu(octets);
        QImage image(718, 529, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        rendu.render(&p);
        p.end();
        ok &= Ecrit(image, dossier.filePath("presse-papiers.png"));
    }
    return ok ? 0 : 1;
}
