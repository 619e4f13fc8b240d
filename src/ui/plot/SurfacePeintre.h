// Drawing surfaces on QPainter: any paint device (vector picture, printed page), and the
// screen's backing image with XOR and the fast paths of long curves.
#pragma once

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/plot/Surface.h"

class QPagedPaintDevice;

namespace zyv {

// Draws through a borrowed QPainter at the given resolution. Consecutive line-to calls in
// copy mode are held as one polyline and drawn at the next state change or other primitive.
class SurfacePeintre : public Surface {
public:
    SurfacePeintre(QPainter& peintre, int dpi);
    ~SurfacePeintre() override;

    int Resolution() const override { return dpi_; }
    int LargeurTexte(std::string_view texte) override;
    int HauteurTexte(std::string_view texte) override;

    void Rectangle(const TRect& r) override;
    void Polygone(std::span<const PointPixel> sommets) override;
    void Pixel(int x, int y, Couleur c) override;
    void Texte(int x, int y, std::string_view texte) override;
    void Decoupe(const TRect& r) override;
    void Vide() override;

    QPainter& Peintre() { return peintre_; }

protected:
    void Ligne(int x0, int y0, int x1, int y1) override;
    void EtatModifie() override;

    // The held polyline (at least two points).
    virtual void TraceLot(const std::vector<QPoint>& points);
    virtual bool Groupable() const;
    // One line as the surface defines it: A coloured, B not (for one-pixel pens).
    void LigneSimple(int x0, int y0, int x1, int y1);
    void Prepare();
    const QFontMetrics& Metriques();

    QPainter& peintre_;
    int dpi_;
    std::vector<QPoint> lot_;
    bool etatApplique_ = false;
    int groupable_ = -1; // whether line-to calls may be held, for the current state
    std::optional<QRect> decoupe_;

private:
    Police policeMetriques_;
    std::optional<QFont> font_;
    std::optional<QFontMetrics> metriques_;
};

namespace detail {
// Painters owned by the surfaces below, built before the SurfacePeintre that borrows them.
struct PeintrePossede {
    QPainter PeintreDetenu;
};
struct AppareilSvg {
    AppareilSvg(int largeur, int hauteur, int dpi);
    QBuffer Tampon;
    QSvgGenerator Generateur;
    QPainter PeintreSvg;
};
struct PeintrePage {
    explicit PeintrePage(QPagedPaintDevice& page);
    QPainter PeintreDePage;
};
} // namespace detail

// The screen's backing store: an RGB32 (or premultiplied ARGB32) image. XOR figures drawn
// twice restore the pixels exactly. With `rapide`, one-pixel solid lines in copy mode are
// rasterised straight into the image and markers are stamped from cached copies, giving the
// same pixels as plain QPainter calls (which `rapide` = false makes, one per primitive).
// A screen view keeps one alive with its image (the cursor draws on it between repaints),
// calls Vide() before showing the image, and after resizing the image builds a new one and
// lays the graph out again before any cursor call.
class SurfaceImage : private detail::PeintrePossede, public SurfacePeintre {
public:
    explicit SurfaceImage(QImage& image, int dpi = 96, bool rapide = true);
    ~SurfaceImage() override;

    void Pixel(int x, int y, Couleur c) override;
    void Marqueur(int forme, int x, int y, int r) override;

protected:
    void TraceLot(const std::vector<QPoint>& points) override;
    bool Groupable() const override;

private:
    struct Tampon {
        std::vector<std::array<int, 2>> Decalages;
        std::vector<std::uint32_t> Couleurs;
        int Rayon = 0; // bounding half-size
    };
    struct Cle {
        int Forme, R, Largeur, Phase;
        Couleur Stylo, Remplissage;
        StyleRemplissage Style;
        bool operator==(const Cle&) const = default;
    };
    struct HachageCle {
        std::size_t operator()(const Cle& c) const;
    };
    const Tampon& TamponPour(const Cle& cle);
    static std::unordered_map<Cle, Tampon, HachageCle>& Tampons();
    static unsigned& Generation();
    // Pixels that direct writes may touch: the image within the clip rectangle.
    QRect ZoneEcriture() const;
    // Whether Qt would draw a figure of this extent around (x, y) without clipping it.
    bool Interieur(int x, int y, int marge) const;

    QImage& image_;
    bool rapide_;
    bool direct_ = false;
    std::uint32_t* pixels_ = nullptr;
    qsizetype parLigne_ = 0;
    Cle cleRecente_{-1, 0, 0, 0, 0, 0, StyleRemplissage::Transparent};
    std::array<const Tampon*, 64> recents_{};
    unsigned generation_ = 0;
};

// A vector picture of w x h device pixels at dpi (the clipboard picture), as SVG.
class SurfaceVectorielle : private detail::AppareilSvg, public SurfacePeintre {
public:
    SurfaceVectorielle(int largeur, int hauteur, int dpi);
    ~SurfaceVectorielle() override;
    // Finishes the picture and returns it; the surface draws nothing afterwards.
    QByteArray Termine();
};

// A printed page (QPrinter or QPdfWriter) at the device's resolution. Peintre() lets the
// caller add its own text to the same page.
class SurfacePage : private detail::PeintrePage, public SurfacePeintre {
public:
    explicit SurfacePage(QPagedPaintDevice& page);
    ~SurfacePage() override;
};

// The layout of a printed page, in device pixels: a usable width of 28/30 of the page, a left
// margin of a 28th of it and a height limited to that width (a square at the top of a portrait
// page).
struct MiseEnPage {
    int Largeur = 0;
    int Marge = 0;
    int Hauteur = 0;
};
inline MiseEnPage MiseEnPageImpression(int largeurPage, int hauteurPage) {
    const int w = largeurPage * 28 / 30;
    return {w, w / 28, std::min(hauteurPage, w)};
}

} // namespace zyv
