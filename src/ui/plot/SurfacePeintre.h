// Drawing surfaces on QPainter: any paint device (vector picture, printed page), and the
// screen's backing image (SurfaceImage.h, included at the end).
#pragma once

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QSvgGenerator>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "core/plot/Surface.h"

class QPagedPaintDevice;

namespace zyv {

// Draws through a borrowed QPainter at the given resolution. Consecutive line-to calls in
// copy mode are held as one polyline and drawn at the next state change or other primitive.
// On a vector device (anything but a raster image) there is no XOR, and hatch fills are drawn
// as lines, which such engines would otherwise embed as bitmaps.
class SurfacePeintre : public Surface {
public:
    SurfacePeintre(QPainter& peintre, int dpi);
    ~SurfacePeintre() override;

    int Resolution() const override { return dpi_; }
    bool XorPossible() const override;
    int LargeurTexte(std::string_view texte) override;
    int HauteurTexte(std::string_view texte) override;

    void Rectangle(const TRect& r) override;
    void Polygone(std::span<const PointPixel> sommets) override;
    void Pixel(int x, int y, Couleur c) override;
    void Texte(int x, int y, std::string_view texte) override;
    void Decoupe(const TRect& r) override;
    void Vide() override;
    void Polyligne(std::span<const PointPixel> sommets) override;

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
    // On vector devices, holds a hatched figure to be drawn as lines (its hatches, then its
    // outline) by Vide(); false when the figure is to be drawn at once.
    bool Differe(const QPolygon& contour);

    QPainter& peintre_;
    int dpi_;
    std::vector<QPoint> lot_;
    bool etatApplique_ = false;
    int groupable_ = -1; // whether line-to calls may be held, for the current state
    std::optional<QRect> decoupe_;
    QList<QLineF> hachures_;
    std::vector<QPolygon> contours_;

private:
    Police policeMetriques_;
    std::optional<QFont> font_;
    std::optional<QFontMetrics> metriques_;
};

namespace detail {
// Painters owned by the surfaces below, built before the SurfacePeintre that borrows them.
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

#include "ui/plot/SurfaceImage.h" // after the base, so that this header gives all four surfaces
