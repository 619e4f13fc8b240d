// A surface that draws nothing and keeps the list of what it was asked to draw, with the
// pen, fill and font of each call; text metrics are simple functions of the font size.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/plot/Surface.h"

namespace zyv {

struct Trace {
    enum class Genre { Ligne, Rectangle, Polygone, Pixel, Texte, Decoupe };
    Genre Type = Genre::Ligne;
    std::vector<PointPixel> Points; // line: from, to; rectangle: top-left, bottom-right
    std::string Texte;
    Couleur CouleurPixel = 0;
    Stylo StyloActif;
    Remplissage RemplissageActif;
    zyv::Police PoliceActive;
};

class SurfaceEnregistreuse : public Surface {
public:
    explicit SurfaceEnregistreuse(int dpi = 96) : dpi_(dpi) {}

    int Resolution() const override { return dpi_; }
    // Each character (UTF-8 code point) is half the font height wide.
    int LargeurTexte(std::string_view texte) override;
    int HauteurTexte(std::string_view texte) override;

    void Rectangle(const TRect& r) override;
    void Polygone(std::span<const PointPixel> sommets) override;
    void Pixel(int x, int y, Couleur c) override;
    void Texte(int x, int y, std::string_view texte) override;
    void Decoupe(const TRect& r) override;

    // Font height in pixels at this resolution.
    int HauteurPolice() const;

    std::vector<Trace> Traces;
    // Only the lines, as (x0, y0, x1, y1).
    std::vector<std::array<int, 4>> Lignes() const;
    std::vector<const Trace*> DeGenre(Trace::Genre g) const;
    void Efface() { Traces.clear(); }

protected:
    void Ligne(int x0, int y0, int x1, int y1) override;

private:
    Trace Nouvelle(Trace::Genre g) const;
    int dpi_;
};

} // namespace zyv
