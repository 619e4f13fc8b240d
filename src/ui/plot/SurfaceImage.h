// The screen's backing store as a drawing surface, with XOR and the fast paths of long curves.
#pragma once

#include "ui/plot/SurfacePeintre.h"

#include <QImage>

#include <array>
#include <span>
#include <unordered_map>
#include <vector>

namespace zyv {

namespace detail {
// The painter of a SurfaceImage, built before the SurfacePeintre that borrows it.
struct PeintrePossede {
    QPainter PeintreDetenu;
};
} // namespace detail

// An RGB32 (or premultiplied ARGB32) image. XOR figures drawn twice restore the pixels exactly.
// With `rapide`, one-pixel solid lines in copy mode and the cursor's horizontal and vertical XOR
// lines are rasterised straight into the image and markers are stamped from cached copies,
// giving the same pixels as plain QPainter calls (which `rapide` = false makes, one per
// primitive): PixelConventionsAndFastPathsMatchingPlainQPainter in
// tests/ui/plot/test_surfaces.cpp compares both bit for bit. They draw the scene of
// tests/bench/bench_plot.cpp (four plots of five 2001-point curves) in about a ninth of the
// plain calls' time: 2,6 ms for BM_SceneS/groupee:1 against 24,8 ms for BM_SceneS/groupee:0
// (13,1 ms for BM_SceneS_QCustomPlot, where that library is installed).
// A screen view keeps one alive with its image (the cursor draws on it between repaints),
// calls Vide() before showing the image, and after resizing the image builds a new one and
// lays the graph out again before any cursor call.
class SurfaceImage : private detail::PeintrePossede, public SurfacePeintre {
public:
    explicit SurfaceImage(QImage& image, int dpi = 96, bool rapide = true);
    ~SurfaceImage() override;

    void Pixel(int x, int y, Couleur c) override;
    void Marqueur(int forme, int x, int y, int r) override;
    void Marqueurs(int forme, std::span<const PointPixel> centres, int r) override;

    void Polyligne(std::span<const PointPixel> sommets) override;

protected:
    void Ligne(int x0, int y0, int x1, int y1) override;
    void TraceLot(const std::vector<QPoint>& points) override;
    bool Groupable() const override;

private:
    struct Tampon {
        std::vector<std::array<int, 2>> Decalages;
        std::vector<std::uint32_t> Couleurs;
        int Rayon = 0; // bounding half-size
        bool Pret = false;
    };
    struct Cle {
        int Forme, R, Largeur;
        Couleur Stylo, Remplissage;
        StyleRemplissage Style;
        bool operator==(const Cle&) const = default;
    };
    struct HachageCle {
        std::size_t operator()(const Cle& c) const;
    };
    // A marker's stamps by hatch phase, (x & 7) | (y & 7) << 3; only the first without hatches.
    using Jeu = std::array<Tampon, 64>;
    Jeu& JeuPour(const Cle& cle);
    // Draws the stamp of the given phase once.
    void PrepareTampon(Tampon& t, const Cle& cle, int phase);
    static std::unordered_map<Cle, Jeu, HachageCle>& Tampons();
    static unsigned& Generation();
    // A one-pixel horizontal or vertical XOR line, solid or dotted (the cursor's), drawn
    // straight into the image; false when it is left to Qt.
    bool LigneXor(int x0, int y0, int x1, int y1);
    // One-pixel solid lines through the points, each A to B without B.
    template <class P> void Trace(std::span<const P> points);
    // Pixels that direct writes may touch: the image within the clip rectangle.
    QRect ZoneEcriture() const;

    QImage& image_;
    bool rapide_;
    bool direct_ = false;
    std::uint32_t* pixels_ = nullptr;
    qsizetype parLigne_ = 0;
    Cle cleRecente_{-1, 0, 0, 0, 0, StyleRemplissage::Transparent};
    Jeu* jeuRecent_ = nullptr;
    unsigned generation_ = 0;
};

} // namespace zyv
